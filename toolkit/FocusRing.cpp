// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/FocusRing.h"

#include "toolkit/Controls.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <algorithm>
#include <map>

namespace {

// The windows' own keys, taken on their way to the focused control. A shortcut would take them
// before any event filter sees them, the screen-reader bridge's among them, which hands every key
// to the screen reader and then, unless it keeps it, delivers it anew (no longer spontaneous).
class KeyBindings : public QObject {
public:
    struct Binding {
        QPointer<QWidget> Window;
        QKeyCombination Key;
        std::function<void()> Action;
    };
    std::vector<Binding> Bindings;

    static KeyBindings& Instance()
    {
        // Installed with the first window's keys, before the bridge comes up: the filter
        // installed last runs first, so the bridge sees the key before these bindings do.
        static KeyBindings* instance = [] {
            auto* filter = new KeyBindings;
            filter->setParent(qApp);
            qApp->installEventFilter(filter);
            return filter;
        }();
        return *instance;
    }

protected:
    bool eventFilter(QObject* target, QEvent* event) override
    {
        // An open menu has the keys, also those it hands on to its menu bar.
        if (event->type() != QEvent::KeyPress || !target->isWidgetType() || QApplication::activePopupWidget())
            return false;
        // A key on its way to the screen reader comes back when it has passed it by.
        if (event->spontaneous() && QAccessible::isActive())
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const QKeyCombination pressed(key->modifiers() & ~Qt::KeypadModifier, Qt::Key(key->key()));
        const QWidget* window = static_cast<QWidget*>(target)->window();
        for (const Binding& b : Bindings)
            if (b.Window == window && b.Key == pressed) {
                if (!key->isAutoRepeat()) {
                    const std::function<void()> action = b.Action; // the action may bind keys
                    action();
                }
                return true;
            }
        return false;
    }
};

} // namespace

void BindKey(QWidget* window, QKeyCombination key, std::function<void()> action)
{
    std::vector<KeyBindings::Binding>& bindings = KeyBindings::Instance().Bindings;
    std::erase_if(bindings, [](const KeyBindings::Binding& b) { return !b.Window; });
    bindings.push_back({window, key, std::move(action)});
}

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
    BindKey(window, QKeyCombination::fromCombined(key), [this, action = std::move(action)] {
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
