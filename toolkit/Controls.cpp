// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/Controls.h"

#include "toolkit/Forms.h"
#include "toolkit/Glyphs.h"

#include <QAccessible>
#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QTextBlockFormat>
#include <QTextCursor>

const QPalette& ClassicPalette()
{
    static const QPalette palette = [] {
        QPalette p;
        const struct {
            QPalette::ColorRole role;
            QRgb normal;
            QRgb disabled;
        } roles[] = {
            {QPalette::Window, 0xF0F0F0, 0xF0F0F0},
            {QPalette::WindowText, 0x000000, 0x666666},
            {QPalette::Base, 0xFFFFFF, 0xF0F0F0},
            {QPalette::AlternateBase, 0xF7F7F7, 0xF7F7F7},
            {QPalette::ToolTipBase, 0xFFFFE1, 0xFFFFE1},
            {QPalette::ToolTipText, 0x000000, 0x000000},
            {QPalette::PlaceholderText, 0x666666, 0x666666},
            {QPalette::Text, 0x000000, 0x666666},
            {QPalette::Button, 0xF0F0F0, 0xF0F0F0},
            {QPalette::ButtonText, 0x000000, 0x666666},
            {QPalette::BrightText, 0xFFFFFF, 0xFFFFFF},
            {QPalette::Light, 0xFFFFFF, 0xFFFFFF},
            {QPalette::Midlight, 0xE3E3E3, 0xE3E3E3},
            {QPalette::Dark, 0xA0A0A0, 0xA0A0A0},
            {QPalette::Mid, 0xA0A0A0, 0xA0A0A0},
            {QPalette::Shadow, 0x696969, 0x696969},
            {QPalette::Highlight, 0x0078D7, 0xC0C0C0},
            {QPalette::HighlightedText, 0xFFFFFF, 0x000000},
            {QPalette::Link, 0x0000FF, 0x0000FF},
            {QPalette::LinkVisited, 0x800080, 0x800080},
        };
        for (const auto& r : roles) {
            p.setColor(QPalette::Active, r.role, QColor(r.normal));
            p.setColor(QPalette::Inactive, r.role, QColor(r.normal));
            p.setColor(QPalette::Disabled, r.role, QColor(r.disabled));
        }
        return p;
    }();
    return palette;
}

QColor ToQColor(TColor color)
{
    if (IstSystemFarbe(color))
        return ClassicPalette().color(QPalette::Window);
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

namespace {
ColorNaming Naming = nullptr;
SymbolPainter Symbols = nullptr;
bool SymbolsOn = false;
} // namespace

void SetSymbolPainter(SymbolPainter painter)
{
    Symbols = painter;
}

void SetSymbolsShown(bool on)
{
    SymbolsOn = on;
    for (QWidget* top : QApplication::topLevelWidgets())
        for (TShape* shape : top->findChildren<TShape*>())
            shape->update();
}

bool SymbolsShown()
{
    return SymbolsOn;
}

void KeyboardPress(QWidget* control)
{
    QWidget* target = control;
    while (target && !target->isEnabled() && !target->isWindow())
        target = target->parentWidget();
    if (!target || !target->isEnabled())
        return;
    const QPoint at = control->mapTo(target, control->rect().center());
    QMouseEvent press(QEvent::MouseButtonPress, at, target->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(target, &press);
}

void SetColorNaming(ColorNaming naming)
{
    Naming = naming;
}

QString ColorName(TColor color, bool grayIsEmpty)
{
    if (Naming)
        return Naming(color, grayIsEmpty);
    return QStringLiteral("#%1").arg(color, 6, 16, QLatin1Char('0'));
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

// The toolkit's group frame: an etched line through the middle of the caption, which stands on
// the group's own background at the top left. Qt's styles put the caption above a filled frame
// instead, which moves the frame line down onto the controls laid out below the caption.
void PaintGroupFrame(QWidget* box, const QString& title)
{
    QPainter painter(box);
    const QFontMetrics metrics(box->font());
    const QRect frame = box->rect().adjusted(0, metrics.height() / 2, -1, -1);
    painter.setPen(box->palette().color(QPalette::Mid));
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
    painter.setPen(box->palette().color(QPalette::Light));
    painter.drawRect(frame.adjusted(1, 1, 0, 0));
    if (title.isEmpty())
        return;
    const QRect caption(7, 0, metrics.horizontalAdvance(title) + 4, metrics.height());
    painter.fillRect(caption, box->palette().color(QPalette::Window));
    box->style()->drawItemText(&painter, caption, Qt::AlignCenter, box->palette(), box->isEnabled(), title,
                               QPalette::WindowText);
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

} // namespace

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
    // Every control shows its own cursor, the default one being the arrow; Qt would show the
    // parent's cursor over a control that has none set.
    switch (cursor) {
    case crNo:
        widget->setCursor(Qt::ForbiddenCursor);
        break;
    case crHandPoint:
        widget->setCursor(Qt::PointingHandCursor);
        break;
    case crArrow:
    case crDefault:
        widget->setCursor(Qt::ArrowCursor);
        break;
    }
}

void InitControl(QWidget* control, const QString& name)
{
    control->setObjectName(name);
    SetCursor(control, crDefault);
}

bool OwnVisible(const QWidget* widget)
{
    if (widget->isWindow())
        return widget->isVisible();
    return !(widget->testAttribute(Qt::WA_WState_ExplicitShowHide) && widget->testAttribute(Qt::WA_WState_Hidden));
}

bool OwnEnabled(const QWidget* widget)
{
    if (widget->isWindow())
        return widget->isEnabled();
    return !widget->testAttribute(Qt::WA_ForceDisabled);
}

void SetBackground(QWidget* widget, TColor color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, ToQColor(color));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// ---------------------------------------------------------------------------------------------

TShape::TShape(QWidget* parent, const QString& name, TShapeType shape) : TControl(parent), Shape(shape)
{
    InitControl(this, name);
}

void TShape::SetBrushColor(uint color)
{
    if (Brush != color) {
        Brush = color;
        update();
        UpdateNames();
    }
}

void TShape::SetAccessibleText(const QString& text)
{
    AccessibleText = text;
    UpdateNames();
}

void TShape::SetColorTip(bool on)
{
    ColorTip = on;
    UpdateNames();
}

void TShape::SetTakesInput(bool on)
{
    Input = on;
    setFocusPolicy(on ? Qt::TabFocus : Qt::NoFocus);
}

void TShape::SetRing(bool on)
{
    if (RingOn != on) {
        RingOn = on;
        update();
    }
}

void TShape::SetShowsSymbol(bool on)
{
    ShowsSymbol = on;
    update();
}

void TShape::UpdateNames()
{
    if (!AccessibleText.isEmpty()) {
        const QString name = isVisible() ? AccessibleText + QStringLiteral(", ") + ColorName(Brush) : AccessibleText;
        // Orca speaks no new name of the focused object that Qt sends: the peg just set is said.
        if (hasFocus() && name != accessibleName())
            Announce(window(), name);
        setAccessibleName(name);
    }
    setToolTip(ColorTip ? ColorName(Brush, false) : QString());
}

void TShape::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    UpdateNames();
}

void TShape::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    UpdateNames();
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
    if (ShowsSymbol && Symbols && SymbolsOn)
        Symbols(painter, box, Brush);
    if (RingOn) {
        // Two lines, dark on light, so that the ring shows on every colour and background.
        const QRectF ring = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(Qt::white, 1.0));
        painter.drawRect(ring);
        painter.setPen(QPen(Qt::black, 1.0, Qt::DotLine));
        painter.drawRect(ring);
    }
}

void TShape::mousePressEvent(QMouseEvent* event)
{
    RunMouseDown(OnMouseDown, this, event);
    event->accept();
}

// ---------------------------------------------------------------------------------------------

TPanel::TPanel(QWidget* parent, const QString& name) : TColorControl(parent)
{
    InitControl(this, name);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    SetColor(clBtnFace);
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
    : TCaptionControl(caption, parent), ButtonKind(kind)
{
    InitControl(this, name);
    setAutoDefault(false);
    // Pictures by kind, drawn by us: the style's own stock icons are bitmaps of another look.
    static const StockGlyph images[] = {StockGlyph::Ok,   StockGlyph::Ok,    StockGlyph::Cancel,
                                        StockGlyph::Help, StockGlyph::Close, StockGlyph::Abort};
    if (kind != bkCustom)
        setIcon(StockGlyphIcon(images[kind]));
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

TCustomLabel::TCustomLabel(QWidget* parent, const QString& name, const QString& caption)
    : TColorControl(caption, parent)
{
    InitControl(this, name);
}

TStaticText::TStaticText(QWidget* parent, const QString& name, const QString& caption)
    : TCustomLabel(parent, name, caption)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setWordWrap(true);
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    SetColor(clBtnFace);
}

TCustomGroupBox::TCustomGroupBox(QWidget* parent, const QString& name, const QString& caption)
    : TControl(caption, parent)
{
    InitControl(this, name);
}

void TCustomGroupBox::paintEvent(QPaintEvent*)
{
    PaintGroupFrame(this, title());
}

// ---------------------------------------------------------------------------------------------

TScrollBox::TScrollBox(QWidget* parent, const QString& name) : TControl(parent)
{
    InitControl(this, name);
    // A two-pixel sunken border, as the toolkit draws it, so the view shows the same height.
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The bars belong to the frame, where the toolkit shows the arrow, not the box's cursor.
    verticalScrollBar()->setCursor(Qt::ArrowCursor);
    horizontalScrollBar()->setCursor(Qt::ArrowCursor);
    auto* content = new QWidget;
    setWidget(content);
    setWidgetResizable(false);
}

void TScrollBox::SetRange(int width, int height)
{
    widget()->resize(width, height);
}

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

TStatusBar::TStatusBar(QWidget* parent, const QString& name) : TCustomLabel(parent, name, QString())
{
    setAccessibleName(QStringLiteral(" "));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setIndent(4);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    SetColor(clBtnFace);
}

void TStatusBar::SetMessage(const QString& text)
{
    // The message is the bar's accessible name (a blank for none), so that the blinking, which
    // only hides and shows the text, says nothing new; a message is said once, also when it comes
    // again.
    const QString name = text.isEmpty() ? QStringLiteral(" ") : text;
    if (accessibleName() != name)
        setAccessibleName(name);
    else if (!text.isEmpty()) {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
    setText(text);
}

TProgressBar::TProgressBar(QWidget* parent, const QString& name) : TPositionControl(parent)
{
    InitControl(this, name);
    setRange(0, 100);
    setValue(0);
    setTextVisible(false);
}

TTrackBar::TTrackBar(QWidget* parent, const QString& name, int min, int max, int position)
    : TPositionControl(Qt::Horizontal, parent)
{
    InitControl(this, name);
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
    : TCustomGroupBox(parent, name, caption)
{
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        Buttons.push_back(button);
        // Runs for a click and for the arrow keys, and only when the choice changes.
        connect(button, &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                SetItemIndex(i);
        });
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
    if (index < -1 || index >= static_cast<int>(Buttons.size()) || index == Index)
        return;
    Index = index;
    if (index >= 0)
        Buttons[static_cast<size_t>(index)]->setChecked(true);
    if (OnClick)
        OnClick(this);
}

TCheckBox::TCheckBox(QWidget* parent, const QString& name, const QString& caption) : TCaptionControl(caption, parent)
{
    InitControl(this, name);
}

TMemo::TMemo(QWidget* parent, const QString& name) : TControl(parent)
{
    InitControl(this, name);
    setReadOnly(true);
    // A caret all the same, so that the arrow keys go through the text and a screen reader reads
    // it line by line.
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    // A memo has no scroll bars unless asked for; a bar would narrow the lines and wrap them.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The toolkit's memo keeps its text a pixel from the frame, not the four of Qt's documents.
    document()->setDocumentMargin(1);
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
