// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/Controls.h"

#include "toolkit/Forms.h"
#include "toolkit/Glyphs.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QScrollBar>
#include <QShortcut>
#include <QStyle>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTimer>
#include <QtGui/private/qguiapplication_p.h>
#include <algorithm>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

QColor ToQColor(TColor color)
{
    if (IstSystemFarbe(color))
        return QApplication::palette().color(QPalette::Window);
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

// ---------------------------------------------------------------------------------------------
// What screen readers see

namespace {

// A shape: a button the player can press (those that take input), else a picture; its name is
// its accessible text with the colour it shows.
class ShapeAccessible : public QAccessibleWidget {
public:
    explicit ShapeAccessible(TShape* shape) : QAccessibleWidget(shape, QAccessible::Graphic) {}
    QAccessible::Role role() const override
    {
        return static_cast<const TShape*>(widget())->TakesInput() ? QAccessible::Button : QAccessible::Graphic;
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        const auto* shape = static_cast<const TShape*>(widget());
        if (shape->Available && !shape->Available())
            s.disabled = true;
        return s;
    }
    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (static_cast<const TShape*>(widget())->TakesInput())
            names.prepend(pressAction());
        return names;
    }
    void doAction(const QString& action) override
    {
        if (action == pressAction())
            KeyboardPress(widget());
        else
            QAccessibleWidget::doAction(action);
    }
};

// A window reads as a frame, or as a dialog, with its title and whether it is the active one;
// Orca takes the active frame for the window it speaks for.
class FormAccessible : public QAccessibleWidget {
public:
    explicit FormAccessible(TForm* form) : QAccessibleWidget(form, QAccessible::Window) {}
    QAccessible::Role role() const override
    {
        return static_cast<const TForm*>(widget())->Dialog ? QAccessible::Dialog : QAccessible::Window;
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.active = widget()->isActiveWindow();
        s.modal = widget()->isModal();
        return s;
    }
};

// Said once when shown: a notification, which Orca speaks wherever the focus is.
class Announcement : public QWidget {
public:
    explicit Announcement(QWidget* window) : QWidget(window)
    {
        setObjectName(QStringLiteral("Ansage"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        setGeometry(0, 0, 1, 1);
        hide();
    }
};

QAccessibleInterface* ControlAccessible(const QString&, QObject* object)
{
    if (auto* shape = qobject_cast<TShape*>(object))
        return new ShapeAccessible(shape);
    if (auto* bar = qobject_cast<TStatusBar*>(object))
        return new QAccessibleWidget(bar, QAccessible::StatusBar);
    if (auto* form = qobject_cast<TForm*>(object))
        return new FormAccessible(form);
    // Qt would call a framed panel a frame, which screen readers take for a window.
    if (auto* panel = qobject_cast<TPanel*>(object))
        return new QAccessibleWidget(panel, QAccessible::Pane);
    if (object->isWidgetType() && object->objectName() == QLatin1String("Ansage"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    return nullptr;
}

} // namespace

namespace {

bool Passing = false; // a state change the program reports on purpose

// Locking or freeing the board changes a hundred pegs at once, and a screen reader that receives
// a hundred events in a burst (Orca past fifty) drops what follows, the answer just given among
// it. Whether an unfocused peg, row or number is enabled is of no use to it: such changes stay
// here; the program reports the changes that matter (a row becoming the active one) itself.
void Forward(QAccessibleEvent* event)
{
    if (!Passing && event->type() == QAccessible::StateChanged) {
        const QObject* object = event->object();
        const auto* widget = qobject_cast<const QWidget*>(object);
        const bool board = qobject_cast<const TShape*>(object) || qobject_cast<const TPanel*>(object) ||
                           qobject_cast<const TLabel*>(object);
        QAccessible::State enabling;
        enabling.disabled = true;
        if (board && widget && !widget->hasFocus() &&
            static_cast<QAccessibleStateChangeEvent*>(event)->changedStates() == enabling)
            return;
    }
    if (QPlatformAccessibility* platform = QGuiApplicationPrivate::platformIntegration()->accessibility())
        if (platform->isActive())
            platform->notifyAccessibilityUpdate(event);
}

} // namespace

void InstallAccessibility()
{
    static bool installed = false;
    if (!installed) {
        installed = true;
        QAccessible::installFactory(ControlAccessible);
        QAccessible::installUpdateHandler(Forward);
    }
}

void ReportAvailability(TShape* shape)
{
    if (!QAccessible::isActive() || !shape->isVisible())
        return;
    QAccessible::State changed;
    changed.disabled = true;
    QAccessibleStateChangeEvent event(shape, changed);
    Passing = true;
    QAccessible::updateAccessibility(&event);
    Passing = false;
}

int AnnounceDelay = 500;

void Announce(QWidget* window, const QString& text)
{
    if (!window || text.isEmpty())
        return;
    // Said a moment after the handler that has something to say is done: a click may disable a
    // hundred pegs, and a screen reader that falls behind (Orca past a hundred waiting events)
    // drops what comes amid such a flood, not what comes after it.
    QTimer::singleShot(AnnounceDelay, window, [window, text] {
        // A few voices in turn, each keeping its text until the screen reader has read it: it
        // reads the name only when it gets to the event, and by then a single voice might already
        // say the next message.
        constexpr int Voices = 16;
        const QList<QWidget*> voices =
            window->findChildren<QWidget*>(QStringLiteral("Ansage"), Qt::FindDirectChildrenOnly);
        const int turn = window->property("AnsageNaechste").toInt();
        window->setProperty("AnsageNaechste", (turn + 1) % Voices);
        QWidget* voice = turn < voices.size() ? voices[turn] : new Announcement(window);
        voice->hide();
        voice->setAccessibleName(text);
        voice->show();
    });
}

// ---------------------------------------------------------------------------------------------

void TFocusRing::Install(QWidget* window)
{
    Window = window;
    Bind(window, Qt::Key_Left, [this] { Move(-1); });
    Bind(window, Qt::Key_Right, [this] { Move(1); });
    Bind(window, Qt::Key_Space, [this, window] {
        QWidget* focused = window->focusWidget();
        if (auto* button = qobject_cast<QAbstractButton*>(focused); button && button->isEnabled())
            button->click();
        else if (auto* shape = qobject_cast<TShape*>(focused); shape && shape->TakesInput() && shape != Current())
            KeyboardPress(shape); // a shape the focus came to otherwise (a screen reader, say)
        else
            Press();
    });
    // The ring follows the focus, however it moves, and shows only in the active window.
    QObject::connect(qApp, &QApplication::focusChanged, window, [this] { Refresh(); });
}

void TFocusRing::Bind(QWidget* window, int key, std::function<void()> action)
{
    auto* shortcut = new QShortcut(QKeySequence(key), window);
    shortcut->setAutoRepeat(false);
    QObject::connect(shortcut, &QShortcut::activated, window, [this, action = std::move(action)] {
        Used = true;
        action();
        Refresh();
    });
}

TShape* TFocusRing::Current() const
{
    const std::vector<TShape*> places = Places ? Places() : std::vector<TShape*>{};
    if (places.empty())
        return nullptr;
    if (Window) {
        const auto focused = std::find(places.begin(), places.end(), Window->focusWidget());
        if (focused != places.end())
            return *focused;
    }
    return places[static_cast<size_t>(std::clamp(Index, 0, static_cast<int>(places.size()) - 1))];
}

void TFocusRing::Move(int step)
{
    const std::vector<TShape*> places = Places ? Places() : std::vector<TShape*>{};
    if (places.empty())
        return;
    const int at = static_cast<int>(std::find(places.begin(), places.end(), Current()) - places.begin());
    // The first key only brings the ring to the row, where it stood last.
    const bool imRing = Shown || std::find(places.begin(), places.end(), Window->focusWidget()) != places.end();
    Index = std::clamp(imRing ? at + step : at, 0, static_cast<int>(places.size()) - 1);
    if (TShape* place = places[static_cast<size_t>(Index)]; place->isEnabled() && place->isVisible())
        place->setFocus(Qt::OtherFocusReason);
}

void TFocusRing::Press()
{
    Refresh();
    if (Shown)
        KeyboardPress(Shown);
}

void TFocusRing::Refresh()
{
    const std::vector<TShape*> places = Places ? Places() : std::vector<TShape*>{};
    TShape* first = places.empty() ? nullptr : places.front();
    if (first != FirstPlace) {
        // A new row: the ring starts at its first place, and takes the focus along if it had it.
        const bool hadFocus = Window && qobject_cast<TShape*>(Window->focusWidget()) && Shown == Window->focusWidget();
        FirstPlace = first;
        Index = 0;
        if (hadFocus && first && first->isEnabled() && first->isVisible())
            first->setFocus(Qt::OtherFocusReason);
    }
    TShape* now = Current();
    if (now) {
        const QWidget* focused = Window ? Window->focusWidget() : nullptr;
        const bool inRow = focused == now;
        const bool elsewhere = focused && focused != Window && !inRow;
        if (!Used || !Window || !Window->isActiveWindow() || elsewhere)
            now = nullptr;
        else if (inRow)
            Index = static_cast<int>(std::find(places.begin(), places.end(), now) - places.begin());
    }
    if (Shown != now) {
        if (Shown)
            Shown->SetRing(false);
        Shown = now;
    }
    if (Shown)
        Shown->SetRing(true);
}
