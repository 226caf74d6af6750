// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of the program: the five windows, created in order.
#pragma once

#include <QApplication>
#include <QStringList>
#include <memory>

// The application object, with a fixed argument list: the program reads no command line.
std::unique_ptr<QApplication> AnwendungErzeugen();

// Steps 1 and 2 of the start: the application object is initialised and gets its title; the
// language of the texts follows the desktop (SpracheEinrichten with the system's languages).
void AnwendungEinrichten();

// The language of every text, from the desktop's languages, first choice first (as
// QLocale::system().uiLanguages() lists them from LANGUAGE, LC_ALL, LC_MESSAGES and LANG): German,
// the program's own, where the first is German or none is set (C, POSIX); English for any other.
// Replaces an earlier choice and holds for windows built afterwards. Returns true for English.
bool SpracheEinrichten(const QStringList& sprachen);

// Creates the candidate set if it does not exist yet, then the windows Form1, Form2, Form3,
// Einstellungen_Form and Hilfe_Form, in this order; the main window is shown. Needs a
// QApplication; called once per process.
void FormulareErzeugen();

// The entry point's work: application object, title, windows, message loop. Returns 0.
int Farbenrater_Prj();
