// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard's ring along a row of shapes, and the window's own keys.
#pragma once

#include <Qt>
#include <functional>
#include <vector>

class QWidget;
class TShape;

// The keyboard's way along a row of shapes. The ring is the keyboard focus: Left and Right move
// the focus along the row (stopping at its ends), Space presses the shape that has the focus as a
// click would, or the button that has it. Where the row cannot take the focus (a locked row), the
// ring stands on its place all the same and Space presses there. The ring shows only in the
// active window, only once the player has used one of these keys, and only while the focus is in
// the row or on nothing in particular. A new row starts at its first place.
// Binds a key (with its modifiers; the keypad's keys count as the main ones) to an action of
// the window, whatever control in it has the focus; a held key acts once. Unlike a shortcut the
// key reaches screen readers first, as every key a control takes does: they may cut their speech
// short on it or take it for themselves.
void BindKey(QWidget* window, QKeyCombination key, std::function<void()> action);

class TFocusRing {
public:
    // The row the ring walks, as it is now (the visible places of the active row, say).
    std::function<std::vector<TShape*>()> Places;
    // Binds Left, Right and Space in the window.
    void Install(QWidget* window);
    // Binds a further key of the window; using it counts as using the keyboard.
    void Bind(QWidget* window, int key, std::function<void()> action);
    void Move(int step);
    void Press();
    // Puts the ring where it now belongs, after its row or the focus has changed.
    void Refresh();
    // The place the ring stands on, whether it shows or not; nullptr for an empty row.
    TShape* Current() const;

private:
    QWidget* Window = nullptr;
    int Index = 0;
    bool Used = false;
    TShape* Shown = nullptr;
    TShape* FirstPlace = nullptr; // the row's first place when the ring last looked: a new row
};
