// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of the program: the five windows, created in order.
#pragma once

#include <QApplication>
#include <QStringList>
#include <memory>

// The application object, with a fixed argument list: the command line is read before it
// (BefehlszeileAuswerten), and Qt's own options are not taken.
std::unique_ptr<QApplication> AnwendungErzeugen();

// Steps 1 and 2 of the start: the application object is initialised and gets its title; the
// language of the texts follows the desktop (SpracheEinrichten with the system's languages).
void AnwendungEinrichten();

// The language of every text, from the desktop's languages, first choice first (as
// QLocale::system().uiLanguages() lists them from LANGUAGE, LC_ALL, LC_MESSAGES and LANG): German,
// the program's own, where the first is German or none is set (C, POSIX); English for any other.
// Replaces an earlier choice and holds for windows built afterwards. Returns true for English.
bool SpracheEinrichten(const QStringList& sprachen);
// True where the first of these languages is German or none is set: the program's own texts.
bool SpracheDeutsch(const QStringList& sprachen);

// Creates the candidate set if it does not exist yet, then the windows Form1, Form2, Form3,
// Einstellungen_Form and Hilfe_Form, in this order; the main window is shown. Needs a
// QApplication; called once per process.
void FormulareErzeugen();

// What the game keeps between runs, switched on: the last settings are read into the dialog and
// the menus, finished games are recorded and "Ansicht → Statistik…" shows them. Only the entry
// point does this; a program that only creates the windows stores and reads nothing.
void GedaechtnisEinschalten();

// The entry point's work: application object, title, windows, the memory, message loop. Returns 0.
int Farbenrater_Prj();
