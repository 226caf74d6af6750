// SPDX-License-Identifier: GPL-3.0-or-later
// What the game keeps from one run to the next: the record of finished games and the last
// settings. Off until the entry point switches it on, so that a program that only creates the
// windows behaves as it always did and touches no file. The turn flow tells it where a game
// begins and ends; it does nothing with that while it is off.
#pragma once

#include "ui/Spielarchiv.h"

#include <QString>
#include <memory>

class QSettings;

class Gedaechtnis {
public:
    // Reads the stored settings into the dialog and the menus (a value out of range is clamped, a
    // broken file passed by), reads the record (a broken one is moved aside and said once), adds
    // "Statistik…" to the menu and from now on keeps games and settings. Needs the windows.
    void Einschalten(const QString& archivDatei, const QString& einstellungsDatei);
    bool An() const { return Archiv != nullptr; }
    Spielarchiv* Aufzeichnung() const { return Archiv.get(); }

    // The turn flow's moments: a game started with OK (an unfinished one before it counts as
    // broken off), a guess scored or shown, the code found, the secret shown, a contradiction
    // found, and a new game or the end of the program before the game was over.
    void SpielBegonnen();
    void Geraten();
    void Geloest();
    void Aufgegeben();
    void Betrogen();
    void Verlassen();

    // Shows what the record has to say, if anything, in a message beside the board.
    void MeldungZeigen();

private:
    void Beenden(const char* ergebnis);
    void EinstellungenLesen();
    void EinstellungenSchreiben();

    std::unique_ptr<Spielarchiv> Archiv;
    std::unique_ptr<QSettings> Einstellungen;
    bool Laeuft = false; // a recorded game is under way
    SpielEintrag Spiel;
};

extern Gedaechtnis Erinnerung;
