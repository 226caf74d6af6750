// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/FocusRing.h"

#include "toolkit/Controls.h"

#include <QAbstractButton>
#include <QApplication>
#include <QShortcut>
#include <algorithm>

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
