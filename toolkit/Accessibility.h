// SPDX-License-Identifier: GPL-3.0-or-later
// What screen readers see of the controls, and what the program says to them. The one place that
// reaches into Qt's private platform bridge.
#pragma once

#include <QString>

class QMenu;
class QWidget;
class TShape;

// Said to screen readers at once, in the window's name, without moving the focus: a message, an
// answer, the computer's guess. Each message is said once, also when it is the same again.
void Announce(QWidget* window, const QString& text);
extern int AnnounceDelay; // ms after the handler ends

// Makes the screen readers' view of the controls: shapes read as buttons (those that take input)
// or pictures, the status bar as a status bar. Called once after the application object exists.
void InstallAccessibility();
// A drop-down menu of the toolkit's items, read by screen readers through our view of it.
void MarkMenu(QMenu* menu);
// Tells screen readers that whether the shape may be pressed now (Available) has changed.
void ReportAvailability(TShape* shape);
// Tells screen readers that the control now shows: Qt tells it only of the window shown, and a
// screen reader that read the control while its window was hidden skips it as unseen.
void ReportShown(QWidget* control);
