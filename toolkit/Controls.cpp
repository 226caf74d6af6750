#include "toolkit/Controls.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QTextBlockFormat>
#include <QTextCursor>

QColor ToQColor(TColor color)
{
    if (IstSystemFarbe(color))
        return QApplication::palette().color(QPalette::Window);
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

QString ColorName(TColor color)
{
    static const struct {
        TColor color;
        const char* name;
    } names[] = {{0x0000FF, "rot"},      {0x00FFFF, "gelb"},   {0x00FF80, "grün"},   {0x00FF00, "grün"},
                 {0xFF0000, "blau"},     {0xFF00FF, "violett"}, {0xFFFF00, "türkis"}, {0x000000, "schwarz"},
                 {0xFFFFFF, "weiß"},     {0x808080, "leer"},    {0xC0C0C0, "silber"}};
    for (const auto& n : names)
        if (n.color == color)
            return QString::fromUtf8(n.name);
    return QStringLiteral("Farbe %1").arg(color, 6, 16, QLatin1Char('0'));
}

namespace {

void FontFallbacks()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    // The layout names the classic desktop fonts; their free metric twins stand in for them.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
}

void SetBackground(QWidget* widget, TColor color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, ToQColor(color));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

TMouseButton ButtonOf(const QMouseEvent* event)
{
    switch (event->button()) {
    case Qt::LeftButton:
        return mbLeft;
    case Qt::RightButton:
        return mbRight;
    default:
        return mbMiddle;
    }
}

void RunMouseDown(const TMouseEvent& handler, QObject* sender, QMouseEvent* event)
{
    if (handler) {
        const QPoint at = event->position().toPoint();
        handler(sender, ButtonOf(event), static_cast<TShiftState>(event->modifiers()), at.x(), at.y());
    }
}

}  // namespace

void SetFont(QWidget* widget, const char* name, int height, bool bold, TColor color)
{
    FontFallbacks();
    QFont font(QString::fromLatin1(name));
    font.setPixelSize(height < 0 ? -height : height);
    font.setBold(bold);
    widget->setFont(font);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, ToQColor(color));
    palette.setColor(QPalette::Text, ToQColor(color));
    widget->setPalette(palette);
}

void SetCursor(QWidget* widget, TCursor cursor)
{
    switch (cursor) {
    case crNo:
        widget->setCursor(Qt::ForbiddenCursor);
        break;
    case crHandPoint:
        widget->setCursor(Qt::PointingHandCursor);
        break;
    case crArrow:
        widget->setCursor(Qt::ArrowCursor);
        break;
    case crDefault:
        widget->unsetCursor();
        break;
    }
}

bool OwnVisible(const QWidget* widget)
{
    if (widget->isWindow())
        return widget->isVisible();
    return !(widget->testAttribute(Qt::WA_WState_ExplicitShowHide) && widget->testAttribute(Qt::WA_WState_Hidden));
}

bool OwnEnabled(const QWidget* widget) { return !widget->testAttribute(Qt::WA_ForceDisabled); }

// ---------------------------------------------------------------------------------------------

TShape::TShape(QWidget* parent, const QString& name, TShapeType shape) : QWidget(parent), Shape(shape)
{
    setObjectName(name);
}

void TShape::SetBrushColor(uint color)
{
    if (Brush != color) {
        Brush = color;
        update();
        UpdateAccessibleName();
    }
}

void TShape::SetAccessibleText(const QString& text)
{
    AccessibleText = text;
    UpdateAccessibleName();
}

void TShape::UpdateAccessibleName()
{
    if (!AccessibleText.isEmpty())
        setAccessibleName(AccessibleText + QStringLiteral(", ") + ColorName(Brush));
}

void TShape::paintEvent(QPaintEvent*)
{
    // Drawn, not scaled from a bitmap, so the pegs stay crisp at any device pixel ratio.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(ToQColor(Brush));
    const qreal side = qMin(width(), height()) - 1;
    const QRectF box((width() - side) / 2.0, (height() - side) / 2.0, side, side);
    if (Shape == stCircle)
        painter.drawEllipse(box);
    else
        painter.drawRoundedRect(box, side / 4.0, side / 4.0);
}

void TShape::mousePressEvent(QMouseEvent* event)
{
    RunMouseDown(OnMouseDown, this, event);
    event->accept();
}

// ---------------------------------------------------------------------------------------------

TPanel::TPanel(QWidget* parent, const QString& name) : QFrame(parent)
{
    setObjectName(name);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    SetBackground(this, Colour);
}

void TPanel::SetColor(uint color)
{
    Colour = color;
    SetBackground(this, color);
}

void TPanel::SetBevel(int width, bool singleBorder)
{
    setFrameStyle((singleBorder ? QFrame::Box : QFrame::Panel) | QFrame::Sunken);
    setLineWidth(width);
}

void TPanel::mousePressEvent(QMouseEvent* event)
{
    RunMouseDown(OnMouseDown, this, event);
    event->accept();
}

// ---------------------------------------------------------------------------------------------

TBitBtn::TBitBtn(QWidget* parent, const QString& name, const QString& caption, TBitBtnKind kind)
    : QPushButton(caption, parent), ButtonKind(kind)
{
    setObjectName(name);
    setAutoDefault(false);
    // Pictures by kind; the style draws no abort picture of its own, so abort shows the cancel one.
    static const QStyle::StandardPixmap images[] = {QStyle::SP_CustomBase,         QStyle::SP_DialogOkButton,
                                                    QStyle::SP_DialogCancelButton, QStyle::SP_DialogHelpButton,
                                                    QStyle::SP_DialogCloseButton,  QStyle::SP_DialogCancelButton};
    if (kind != bkCustom)
        setIcon(style()->standardIcon(images[kind]));
    Cancel = kind == bkCancel;
    Default = kind == bkOK;
    connect(this, &QPushButton::clicked, this, [this] { Click(); });
}

void TBitBtn::Click()
{
    if (OnClick)
        OnClick(this);
    else if (ButtonKind == bkClose)
        window()->close();
    // A cancel button ends the modal display of its window.
    if (ButtonKind == bkCancel && window()->isModal())
        window()->hide();
}

// ---------------------------------------------------------------------------------------------

TLabel::TLabel(QWidget* parent, const QString& name, const QString& caption) : QLabel(caption, parent)
{
    setObjectName(name);
    SetBackground(this, Colour);
}

void TLabel::SetColor(uint color)
{
    Colour = color;
    SetBackground(this, color);
}

TStaticText::TStaticText(QWidget* parent, const QString& name, const QString& caption) : QLabel(caption, parent)
{
    setObjectName(name);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setWordWrap(true);
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    SetBackground(this, Colour);
}

void TStaticText::SetColor(uint color)
{
    Colour = color;
    SetBackground(this, color);
}

TGroupBox::TGroupBox(QWidget* parent, const QString& name, const QString& caption) : QGroupBox(caption, parent)
{
    setObjectName(name);
}

// ---------------------------------------------------------------------------------------------

TScrollBox::TScrollBox(QWidget* parent, const QString& name) : QScrollArea(parent)
{
    setObjectName(name);
    // A two-pixel sunken border, as the toolkit draws it, so the view shows the same height.
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto* content = new QWidget;
    setWidget(content);
    setWidgetResizable(false);
}

void TScrollBox::SetRange(int width, int height) { widget()->resize(width, height); }

int TScrollBox::VertScrollBarPosition() const
{
    return PendingPosition >= 0 ? PendingPosition : verticalScrollBar()->value();
}

void TScrollBox::SetVertScrollBarPosition(int position)
{
    verticalScrollBar()->setValue(position);
    PendingPosition = verticalScrollBar()->value() == position ? -1 : position;
}

void TScrollBox::resizeEvent(QResizeEvent* event)
{
    QScrollArea::resizeEvent(event);
    if (PendingPosition >= 0) {
        verticalScrollBar()->setValue(PendingPosition);
        PendingPosition = -1;
    }
}

// ---------------------------------------------------------------------------------------------

TStatusBar::TStatusBar(QWidget* parent, const QString& name) : QLabel(parent)
{
    setObjectName(name);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setIndent(4);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    SetBackground(this, Colour);
}

void TStatusBar::SetColor(uint color)
{
    Colour = color;
    SetBackground(this, color);
}

TProgressBar::TProgressBar(QWidget* parent, const QString& name) : QProgressBar(parent)
{
    setObjectName(name);
    setRange(0, 100);
    setValue(0);
    setTextVisible(false);
}

TTrackBar::TTrackBar(QWidget* parent, const QString& name, int min, int max, int position)
    : QSlider(Qt::Horizontal, parent)
{
    setObjectName(name);
    setRange(min, max);
    setValue(position);
    setPageStep(1);
    setSingleStep(1);
    setTickInterval(1);
    setTickPosition(QSlider::TicksBelow);
    connect(this, &QSlider::valueChanged, this, [this] {
        if (OnChange)
            OnChange(this);
    });
}

// ---------------------------------------------------------------------------------------------

TRadioGroup::TRadioGroup(QWidget* parent, const QString& name, const QString& caption, const QStringList& items)
    : QGroupBox(caption, parent)
{
    setObjectName(name);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        Buttons.push_back(button);
        connect(button, &QRadioButton::clicked, this, [this, i] { SetItemIndex(i); });
    }
}

void TRadioGroup::resizeEvent(QResizeEvent* event)
{
    QGroupBox::resizeEvent(event);
    // The items share the height below the caption, one row each.
    const int count = static_cast<int>(Buttons.size());
    if (count == 0)
        return;
    const int top = 16;
    const int row = (height() - top - 4) / count;
    for (int i = 0; i < count; ++i)
        Buttons[static_cast<size_t>(i)]->setGeometry(8, top + i * row, width() - 16, row);
}

void TRadioGroup::SetItemIndex(int index)
{
    if (index < -1 || index >= static_cast<int>(Buttons.size()))
        return;
    Index = index;
    if (index >= 0)
        Buttons[static_cast<size_t>(index)]->setChecked(true);
    if (OnClick)
        OnClick(this);
}

TCheckBox::TCheckBox(QWidget* parent, const QString& name, const QString& caption) : QCheckBox(caption, parent)
{
    setObjectName(name);
}

TMemo::TMemo(QWidget* parent, const QString& name) : QTextEdit(parent)
{
    setObjectName(name);
    setReadOnly(true);
    setFrameStyle(QFrame::Box | QFrame::Sunken);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, ToQColor(clBtnFace));
    setPalette(palette);
}

void TMemo::SetLines(const QStringList& lines)
{
    Text = lines;
    setPlainText(lines.join(QLatin1Char('\n')));
    QTextCursor cursor(document());
    cursor.select(QTextCursor::Document);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    cursor.mergeBlockFormat(centred);
}
