// SPDX-License-Identifier: GPL-3.0-or-later
// The record of finished games: one human-readable JSON file, {"version": 1, "spiele": [...]}.
// Nothing in it is ever lost: every write goes to a new file that replaces the old one in one
// step, two programs running at once take turns under a lock file and each adds its game to what
// the other wrote, a file that cannot be read is moved aside and kept, and a file of a newer
// version is left as it is. No window: what the player must be told comes back as a text.
#pragma once

#include <QDateTime>
#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <map>
#include <tuple>
#include <vector>

// One finished game as it is written down.
struct SpielEintrag {
    QString Modus;    // "Mensch" or "Computer"
    int Farben = 0;   // 2..8
    int Felder = 0;   // 2..8
    int Zeilen = 0;   // rows used (guesses), the computer's in mode "Computer"
    QString Ergebnis; // "gelöst", "aufgegeben", "abgebrochen" or "betrogen"
    QDateTime Zeit;
    bool Frech = false;
    bool Stark = false;

    QJsonObject AlsJson() const;
};

class Spielarchiv {
public:
    static constexpr int Version = 1;

    explicit Spielarchiv(const QString& datei);
    const QString& Datei() const { return Pfad; }

    // Reads the record. A broken one is moved aside (and said once); a missing one is empty.
    // Returns the games it holds.
    QJsonArray Laden();
    // Adds one game: under the lock the file is read again, the game appended and the whole
    // written anew. False when it could not be kept (said once per program run).
    bool Hinzufuegen(const SpielEintrag& eintrag);
    // Moves the record aside, to be kept, and starts an empty one. Returns where it went (empty
    // when there was nothing, or it could not be moved: then Meldung says why).
    QString Zuruecksetzen();

    // What the player should be told since the last call, once, in the player's language; empty
    // when there is nothing new.
    QString Meldung();

private:
    enum class Lesen { Gut, Fehlt, Kaputt, Neuer, Unlesbar };
    Lesen Einlesen(QJsonArray& spiele);
    // Moves the file to a free name beside it; returns the new name, empty on failure.
    QString BeiseiteLegen(const char* art);
    // An unreadable record moved aside, unchanged, and the player told where it is kept; the
    // copy's path, or empty when it could not be moved.
    QString KaputteBeiseiteLegen();
    void Sagen(const QString& text, bool nurEinmal);

    QString Pfad;
    QString Offen;                  // what has not been said yet
    bool SpeichernGemeldet = false; // "cannot be saved" is said once per run
};

// What the statistics show for one mode on one board.
struct SpielBilanz {
    int Gespielt = 0;
    int Geloest = 0;
    int Aufgegeben = 0;
    int ZeilenSumme = 0;           // over the solved games
    int Beste = 0;                 // fewest rows of a solved game, 0 when none
    std::map<int, int> Verteilung; // rows -> solved games
    double Mittel() const { return Geloest ? double(ZeilenSumme) / Geloest : 0.0; }
};

// Mode ("Mensch", "Computer"), colours, places.
using BrettSchluessel = std::tuple<QString, int, int>;

// Counts the games by mode and board; entries of a shape this program does not know are passed by.
std::map<BrettSchluessel, SpielBilanz> SpieleAuswerten(const QJsonArray& spiele);
