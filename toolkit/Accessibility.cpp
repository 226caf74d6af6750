// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/Accessibility.h"

#include "toolkit/Forms.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QTimer>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

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
