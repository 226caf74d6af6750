// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/Forms.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <QToolTip>
#include <QWindow>
#include <algorithm>

TForm::TForm(const QString& name, const QString& caption) : TControl(nullptr), ClientArea(new QWidget(this))
{
    InitControl(this, name);
    // Every role set: the desktop's palette, dark or light, changes none of them.
    setPalette(ClassicPalette());
    QToolTip::setPalette(ClassicPalette());
    setWindowTitle(caption);
    setAttribute(Qt::WA_QuitOnClose, false);
    SetFont(this, "MS Sans Serif", -11, false);
}

void TForm::SetClientSize(int width, int height)
{
    ClientWidth = width;
    ClientHeight = height;
    Layout();
}

void TForm::SetMenu(QMenuBar* menu)
{
    Menu = menu;
    Layout();
}

void TForm::Layout()
{
    const int top = Menu ? Menu->sizeHint().height() : 0;
    if (Menu)
        Menu->setGeometry(0, 0, ClientWidth, top);
    ClientArea->setGeometry(0, top, ClientWidth, ClientHeight);
    setFixedSize(ClientWidth, ClientHeight + top);
}

void TForm::SetBorder(TBorderIcons icons, bool stayOnTop)
{
    // Customised, so that Qt adds no buttons of its own: on X11 this becomes Motif hints without
    // the minimise and maximise functions (and without close unless asked for); Qt's own
    // decorations on Wayland draw only the buttons named here. The fixed size takes resizing and
    // maximising away everywhere.
    Qt::WindowFlags flags = (windowFlags() & Qt::WindowType_Mask) | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::MSWindowsFixedSizeDialogHint;
    CloseBox = icons == biSystemMenu;
    if (CloseBox)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (stayOnTop)
        flags |= Qt::WindowStaysOnTopHint;
    setWindowFlags(flags);
}

void TForm::SetOwner(TForm* owner)
{
    Owner = owner;
    // X11 names the owner (WM_TRANSIENT_FOR) only for windows of the dialog kind.
    setWindowFlags((windowFlags() & ~Qt::WindowType_Mask) | Qt::Dialog);
}

namespace {

// Windows without a window system (offscreen) have no stacking order to change.
bool HasWindowSystem()
{
    return QGuiApplication::platformName() != QLatin1String("offscreen");
}

} // namespace

void TForm::Show()
{
    // A window the player has minimised comes back as it was.
    if (windowState() & Qt::WindowMinimized)
        setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    if (HasWindowSystem())
        raise();
}

void TForm::BringToFront()
{
    Show();
    activateWindow();
}

void TForm::SetFocus()
{
    activateWindow();
    setFocus(Qt::ActiveWindowFocusReason);
}

void TForm::ShowModal(const std::vector<TForm*>& giveWay)
{
    // A window that stays on top would otherwise cover the modal one, out of reach until it closes.
    std::vector<TForm*> lowered;
    for (TForm* form : giveWay)
        if (form != this && form->isVisible() && form->StaysOnTop()) {
            form->SetStaysOnTop(false);
            lowered.push_back(form);
        }
    const bool onTop = StaysOnTop();
    SetStaysOnTop(true);
    setWindowModality(Qt::ApplicationModal);
    BringToFront();
    QEventLoop loop;
    // The loop ends when the window is hidden, whichever way that happens.
    while (isVisible())
        loop.processEvents(QEventLoop::WaitForMoreEvents);
    setWindowModality(Qt::NonModal);
    SetStaysOnTop(onTop);
    for (TForm* form : lowered)
        form->SetStaysOnTop(true);
}

void TForm::ShowInactive()
{
    if (isVisible())
        return;
    QWidget* active = QApplication::activeWindow();
    // Tells the window manager not to focus it (_NET_WM_USER_TIME 0 on X11).
    setAttribute(Qt::WA_ShowWithoutActivating, true);
    Show();
    setAttribute(Qt::WA_ShowWithoutActivating, false);
    // A platform that activates every window it shows (offscreen) gives the focus back.
    if (active && QApplication::activeWindow() != active)
        active->activateWindow();
}

void TForm::SetStaysOnTop(bool on)
{
    if (QWindow* window = windowHandle(); window && isVisible()) {
        // Told to the window system alone: Qt's own flags would have it make the window anew.
        Qt::WindowFlags flags = window->flags();
        flags.setFlag(Qt::WindowStaysOnTopHint, on);
        window->setFlags(flags);
    } else {
        setWindowFlag(Qt::WindowStaysOnTopHint, on);
    }
}

bool TForm::StaysOnTop() const
{
    const QWindow* window = windowHandle();
    return (window && isVisible() ? window->flags() : windowFlags()) & Qt::WindowStaysOnTopHint;
}

QMargins TForm::FrameMargins(bool* own) const
{
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    if (own)
        *own = !frame.isNull();
    if (frame.isNull() && Owner && Owner->windowHandle())
        return Owner->windowHandle()->frameMargins();
    return frame;
}

QSize TForm::OuterSize() const
{
    return size().grownBy(FrameMargins());
}

QRect TForm::OuterRect() const
{
    // From the client area, which the window system always reports; Qt's frame position may
    // still stand where the window was asked to go.
    const QMargins frame = FrameMargins();
    return {geometry().topLeft() - QPoint(frame.left(), frame.top()), OuterSize()};
}

void TForm::Place()
{
    if (!KeepClear || !isVisible() || PlacedByPlayer)
        return;
    const TForm* owner = Owner ? Owner : this;
    const QScreen* screen = owner->screen() ? owner->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect desk = screen->availableGeometry();
    const QSize outer = OuterSize();
    const QPoint at = PlaceBeside(outer, desk, owner->OuterRect(), owner->geometry(), KeepClear())
                          .value_or(CentredPosition(outer, desk));
    bool own = false;
    const QMargins frame = FrameMargins(&own);
    Placed = at + QPoint(frame.left(), frame.top());
    Settling = true;
    // Before its first show the window has no frame yet, and the window manager takes the place
    // asked for as the client area's: the frame it adds would stand out above and to the left.
    move(own ? at : *Placed);
    // A window manager that maps a window again may keep it where it was: once it has had its say,
    // the frame goes where it belongs.
    const int round = ++PlaceRound;
    QTimer::singleShot(250, this, [this, at, round] {
        if (round != PlaceRound) // placed anew meanwhile
            return;
        Settling = false;
        if (!isVisible() || PlacedByPlayer)
            return;
        const QMargins frame = FrameMargins();
        Placed = at + QPoint(frame.left(), frame.top());
        if (geometry().topLeft() != *Placed)
            move(at);
    });
}

void TForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Said before the window system maps the window, which is when it reads the owner.
    if (Owner && windowHandle() && !windowHandle()->transientParent()) {
        Owner->winId();
        windowHandle()->setTransientParent(Owner->windowHandle());
    }
    if (KeepClear) {
        Place();
    } else if (!Centred) {
        Centred = true;
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            move(CentredPosition(frameGeometry().size(), screen->availableGeometry()));
    }
    if (!event->spontaneous() && OnShow)
        OnShow(this);
}

QPoint CentredPosition(QSize window, const QRect& desk)
{
    // Centred, but never off the desk: a window larger than the desk keeps its top left corner,
    // with the title and the menu, on it.
    const QPoint centred(desk.x() + (desk.width() - window.width()) / 2,
                         desk.y() + (desk.height() - window.height()) / 2);
    return {std::max(desk.left(), std::min(centred.x(), desk.right() + 1 - window.width())),
            std::max(desk.top(), std::min(centred.y(), desk.bottom() + 1 - window.height()))};
}

std::optional<QPoint> PlaceBeside(QSize window, const QRect& desk, const QRect& ownerFrame, const QRect& ownerClient,
                                  const std::vector<QRect>& keepClear)
{
    if (window.width() > desk.width() || window.height() > desk.height())
        return std::nullopt;
    // Every place on a grid of a few pixels, and those that touch the owner's or the desk's edges.
    const auto places = [](int from, int to, std::initializer_list<int> edges) {
        std::vector<int> at;
        for (int v = from; v < to; v += 8)
            at.push_back(v);
        at.push_back(to);
        for (int v : edges)
            if (v >= from && v <= to)
                at.push_back(v);
        return at;
    };
    const int w = window.width(), h = window.height();
    const std::vector<int> xs =
        places(desk.left(), desk.right() + 1 - w, {ownerFrame.left() - w, ownerFrame.right() + 1, ownerFrame.left()});
    const std::vector<int> ys =
        places(desk.top(), desk.bottom() + 1 - h, {ownerFrame.top() - h, ownerFrame.bottom() + 1, ownerFrame.top()});
    const auto area = [](const QRect& r) { return r.isEmpty() ? 0LL : static_cast<long long>(r.width()) * r.height(); };
    const QPoint centre = ownerFrame.center();
    std::optional<QPoint> best;
    std::pair<long long, long long> bestCost;
    for (int y : ys)
        for (int x : xs) {
            const QRect r(x, y, w, h);
            if (std::any_of(keepClear.begin(), keepClear.end(), [&](const QRect& k) { return r.intersects(k); }))
                continue;
            const QPoint d = r.center() - centre;
            const std::pair<long long, long long> cost{4 * area(r & ownerClient) + area(r & ownerFrame),
                                                       1LL * d.x() * d.x() + 1LL * d.y() * d.y()};
            if (!best || cost < bestCost) {
                best = QPoint(x, y);
                bestCost = cost;
            }
        }
    return best;
}

void TForm::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    // Moved by the window system while shown, elsewhere than Place put it: the player moved it,
    // and the player's place holds from now on. (Hidden, X11 reports the frame's place instead.)
    if (Placed && !Settling && isVisible() && event->spontaneous() && geometry().topLeft() != *Placed)
        PlacedByPlayer = true;
}

void TForm::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (!event->spontaneous() && OnHide)
        OnHide(this);
}

void TForm::closeEvent(QCloseEvent* event)
{
    // A window manager may draw a close box where the window asks for none (openbox does). Such
    // a request does what Escape does in the window; a window without a cancel button stays.
    // The main window always closes, whoever asks (a session's end, say).
    const bool main = Application && Application->MainForm == this;
    if (event->spontaneous() && !CloseBox && !main) {
        event->ignore();
        if (TBitBtn* cancel = StandardButton(false))
            cancel->Click();
        return;
    }
    if (OnClose)
        OnClose(this);
    event->accept();
    // The message loop ends when the main window closes, whatever else is still shown.
    if (main)
        QCoreApplication::quit();
}

TBitBtn* TForm::StandardButton(bool isDefault) const
{
    for (TBitBtn* button : findChildren<TBitBtn*>())
        if ((isDefault ? button->Default : button->Cancel) && button->isEnabled() && button->isVisible())
            return button;
    return nullptr;
}

void TForm::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool escape = event->key() == Qt::Key_Escape;
    if (enter) {
        // Enter presses the button that has the focus; the default button only stands in when
        // the focus is elsewhere.
        if (auto* focused = qobject_cast<QPushButton*>(focusWidget()); focused && focused->isEnabled()) {
            focused->click();
            return;
        }
    }
    if (enter || escape) {
        if (TBitBtn* button = StandardButton(enter)) {
            button->Click();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

namespace {

// Of a group of radio buttons Tab reaches the chosen one, whichever had the focus last.
bool TakesTabFocus(const QWidget* w)
{
    const auto* radio = qobject_cast<const QRadioButton*>(w);
    if (!radio || !radio->autoExclusive())
        return w->focusPolicy() & Qt::TabFocus;
    if (radio->isChecked())
        return true;
    for (const QRadioButton* other : radio->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly))
        if (other->isChecked())
            return false;
    return radio->focusPolicy() & Qt::TabFocus;
}

} // namespace

bool TForm::focusNextPrevChild(bool next)
{
    // Qt also comes here when the focused control is disabled or hidden, to hand the focus on to
    // the next one; then the focus stays with the window instead, so that Enter does what the
    // window does and Space presses nothing a moment ago out of reach.
    if (QWidget* focused = focusWidget();
        focused && focused != this && (!focused->isEnabled() || !focused->isVisible())) {
        setFocus(Qt::OtherFocusReason);
        return true;
    }
    QWidget* start = focusWidget() ? focusWidget() : this;
    QWidget* w = start;
    for (;;) {
        w = next ? w->nextInFocusChain() : w->previousInFocusChain();
        if (!w || w == start)
            return false;
        if (w->window() == this && w->isVisible() && w->isEnabled() && !qobject_cast<TShape*>(w) && TakesTabFocus(w)) {
            w->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
}

// ---------------------------------------------------------------------------------------------

TMenuItem::TMenuItem(QObject* parent, const QString& name, const QString& caption) : QAction(caption, parent)
{
    setObjectName(name);
    connect(this, &QAction::triggered, this, [this] { Click(); });
}

void TMenuItem::Add(TMenuItem* item)
{
    if (!Entries) {
        Entries = new QMenu(text());
        MarkMenu(Entries);
        Entries->setParent(qobject_cast<QWidget*>(parent()), Entries->windowFlags());
        // A drop-down is a window of its own, which takes no palette from its parent.
        Entries->setPalette(ClassicPalette());
        setMenu(Entries);
    }
    item->setParent(Entries);
    Entries->addAction(item);
}

void TMenuItem::Click()
{
    if (OnClick)
        OnClick(this);
}

TMainMenu::TMainMenu(QWidget* parent, const QString& name) : QMenuBar(parent)
{
    InitControl(this, name);
    // F10 opens the first menu, as on the desktops of this system.
    BindKey(parent, Qt::Key_F10, [this] {
        if (!actions().isEmpty())
            setActiveAction(actions().first());
    });
}

void TMainMenu::Add(TMenuItem* item)
{
    item->setParent(this);
    addAction(item);
    // Alt and the caption's first letter open the menu, as an ampersand would; the captions show
    // no underlined letter.
    if (const QString caption = item->Caption(); !caption.isEmpty())
        if (const QKeySequence letter(caption.left(1).toUpper()); !letter.isEmpty())
            BindKey(parentWidget(), QKeyCombination(Qt::AltModifier, letter[0].key()),
                    [this, item] { setActiveAction(item); });
}

// ---------------------------------------------------------------------------------------------

TTimer::TTimer(QObject* parent, const QString& name, int interval, bool enabled) : QObject(parent)
{
    setObjectName(name);
    Timer.setInterval(interval);
    connect(&Timer, &QTimer::timeout, this, [this] { Tick(); });
    if (enabled)
        Timer.start();
}

void TTimer::SetEnabled(bool on)
{
    if (on)
        Timer.start();
    else
        Timer.stop();
}

void TTimer::SetInterval(int ms)
{
    Timer.setInterval(ms);
    if (Timer.isActive())
        Timer.start();
}

void TTimer::Tick()
{
    if (OnTimer)
        OnTimer(this);
}

// ---------------------------------------------------------------------------------------------

namespace {
TApplication TheApplication;
}
TApplication* Application = &TheApplication;

void TApplication::Initialize()
{
    // The main window decides when the program ends, not the last window closed.
    QApplication::setQuitOnLastWindowClosed(false);
}

int TApplication::Run()
{
    QCoreApplication::setApplicationName(Title);
    return QApplication::exec();
}

void ShowException(const std::exception& error)
{
    QMessageBox box(QMessageBox::Critical, Application->Title, QString::fromLocal8Bit(error.what()), QMessageBox::Ok);
    box.setPalette(ClassicPalette());
    box.exec();
}
