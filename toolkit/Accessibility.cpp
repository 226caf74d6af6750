// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/Accessibility.h"

#include "toolkit/Forms.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QProgressBar>
#include <QTimer>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace {
constexpr char OwnMenu[] = "toolkitMenu"; // a drop-down menu of the toolkit's menu items
}

void MarkMenu(QMenu* menu)
{
    menu->setProperty(OwnMenu, true);
}

namespace {

constexpr char ToldDisabled[] = "toldDisabled"; // 1: told unavailable, 2: available, none: never asked

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
        // What screen readers have been told, so that only a change of it is reported.
        widget()->setProperty(ToldDisabled, s.disabled ? 1 : 2);
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

// An item of a drop-down menu. One that is ticked and unticked reads as a check box, which screen
// readers say with its state ("checked", "not checked"); Qt's menu item tells only a tick that is
// set. The menu's view of its items is ours as well (Qt's knows only its own items).
class ItemAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    explicit ItemAccessible(QAction* action) : Action(action) {}
    bool isValid() const override { return Action && Menu(); }
    QObject* object() const override { return Action; }
    QWindow* window() const override { return Menu() ? Menu()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(Menu()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? QString(Action->text()).remove(QLatin1Char('&')) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        const QMenu* menu = Menu();
        const QRect r = menu->actionGeometry(Action);
        return QRect(menu->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override
    {
        return Action->isCheckable() ? QAccessible::CheckBox : QAccessible::MenuItem;
    }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        const QMenu* menu = Menu();
        s.checkable = Action->isCheckable();
        s.checked = Action->isChecked();
        s.focusable = true;
        s.focused = menu->isVisible() && menu->activeAction() == Action;
        s.invisible = !menu->isVisible() || !Action->isVisible();
        s.disabled = !Action->isEnabled();
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }
    QStringList actionNames() const override { return {Action->isCheckable() ? toggleAction() : pressAction()}; }
    void doAction(const QString& name) override
    {
        if (name == toggleAction() || name == pressAction())
            Action->trigger();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QMenu* Menu() const { return Action ? qobject_cast<QMenu*>(Action->parent()) : nullptr; }
    QPointer<QAction> Action;
};

class MenuAccessible : public QAccessibleWidget {
public:
    explicit MenuAccessible(QMenu* menu) : QAccessibleWidget(menu, QAccessible::PopupMenu) {}
    int childCount() const override { return static_cast<int>(Menu()->actions().size()); }
    QAccessibleInterface* child(int index) const override
    {
        const QList<QAction*> items = Menu()->actions();
        return index >= 0 && index < items.size() ? QAccessible::queryAccessibleInterface(items[index]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child ? static_cast<int>(Menu()->actions().indexOf(qobject_cast<QAction*>(child->object()))) : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        return QAccessible::queryAccessibleInterface(Menu()->actionAt(Menu()->mapFromGlobal(QPoint(x, y))));
    }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? Menu()->title().remove(QLatin1Char('&')) : QAccessibleWidget::text(t);
    }

private:
    QMenu* Menu() const { return static_cast<QMenu*>(widget()); }
};

QAccessibleInterface* ControlAccessible(const QString&, QObject* object)
{
    if (auto* item = qobject_cast<TMenuItem*>(object); item && qobject_cast<QMenu*>(item->parent()))
        return new ItemAccessible(item);
    if (auto* menu = qobject_cast<QMenu*>(object); menu && menu->property(OwnMenu).toBool())
        return new MenuAccessible(menu);
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
    // While a menu is open the focus is in it. Going from one menu of the menu bar to the next,
    // Qt opens the next and then gives the window's focus back to its control, as if the menu had
    // closed: a screen reader would follow it out of the menu.
    if (event->type() == QAccessible::Focus) {
        const auto* widget = qobject_cast<QWidget*>(event->object());
        const QWidget* popup = QApplication::activePopupWidget();
        if (popup && widget && widget->window() != popup && !qobject_cast<const QMenuBar*>(widget))
            return;
    }
    // The bar's start and end say nothing: the game says what the pass found.
    if (event->type() == QAccessible::ValueChanged && qobject_cast<const QProgressBar*>(event->object())) {
        const int value = static_cast<QAccessibleValueChangeEvent*>(event)->value().toInt();
        if (value <= 0 || value >= 100)
            return;
    }
    // The last menu closed: the focus is back where it was, which Qt tells only if it moved.
    if (event->type() == QAccessible::PopupMenuEnd)
        QTimer::singleShot(0, qApp, [] {
            QWidget* focused = QApplication::focusWidget();
            if (!QApplication::activePopupWidget() && focused && !qobject_cast<QMenuBar*>(focused)) {
                QAccessibleEvent focus(focused, QAccessible::Focus);
                QAccessible::updateAccessibility(&focus);
            }
        });
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
    // A shape no screen reader has asked about, or whose state is what it was told, has nothing
    // to report: the demo moves its row a dozen times a second over locked rows.
    const int told = shape->property(ToldDisabled).toInt();
    const bool disabled = !shape->isEnabled() || (shape->Available && !shape->Available());
    if (told == 0 || told == (disabled ? 1 : 2))
        return;
    QAccessible::State changed;
    changed.disabled = true;
    QAccessibleStateChangeEvent event(shape, changed);
    Passing = true;
    QAccessible::updateAccessibility(&event);
    Passing = false;
}

void ReportShown(QWidget* control)
{
    if (!QAccessible::isActive() || !control->isVisible())
        return;
    QAccessible::State changed;
    changed.invisible = true;
    QAccessibleStateChangeEvent event(control, changed);
    QAccessible::updateAccessibility(&event);
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
