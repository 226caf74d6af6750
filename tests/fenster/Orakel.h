// SPDX-License-Identifier: GPL-3.0-or-later
// An independent model of the game as its windows show it: the rules, the board, the texts and
// the state of every control, predicted action by action from the player's side. It shares no code
// with the program. What the program decides by chance or on its worker (a secret, the computer's
// next guess, the demo's moves) it reads from the windows, checks against the rules and only then
// takes over.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// What the windows show, and the game state the program keeps by name. Rows 1..12; row 0 of the
// board arrays exists but has no controls. Each field has one row in the careless player's table
// (Felder), by which it is read and compared.
struct Spielbild {
    // Main window
    std::string Info;
    std::string Status;  // the status bar at this moment: the message blinks
    std::string Meldung; // the message being blinked
    int Fortschritt = 0;
    int Scroll = 0;
    bool PruefenAn = false, GeprueftAn = false, ZeigeAn = false, NeuesAn = false, MerkerKnopfAn = false;
    bool SteckerZeileAn[13] = {}, StiftZeileAn[13] = {};
    uint32_t Marke[13] = {};                         // colour of each row's number
    uint32_t Stecker[13][8] = {}, Stift[13][8] = {}; // brush colours of the holes
    bool SteckerDa[13][8] = {}, StiftDa[13][8] = {}; // shown
    bool PickerDa[8] = {};
    bool GruppeAn = false;
    std::string GruppeTitel;
    bool WahlDa = false; // the chosen-colour circle
    uint32_t Wahl = 0;
    bool StiftPanelDa = false;
    uint32_t StiftWahl = 0;
    // Solution window and marker box
    bool LoesungDa = false;
    uint32_t Loesung[8] = {};
    bool LoesungPlatzDa[8] = {};
    bool MerkerDa = false;
    uint32_t Merker[8] = {};
    bool MerkerPlatzDa[8] = {};
    // Settings dialog
    bool DialogDa = false;
    int Spieler = 0;
    bool FrechDa = false, FrechAn = false;
    std::string FarbenText, FelderText;
    int FarbenRegler = 0, FelderRegler = 0;
    // Game state
    int32_t F = 0, n = 0, Modus = 0, Zeile = 0, Kombinationen = 0, CodeIndex = 0, Schwarz = 0, Weiss = 0;
    int8_t SteckerFeld[13][8] = {}, StiftFeld[13][8] = {};
    int8_t FarbCode[8] = {};
    uint32_t SteckerFarbe = 0, StiftFarbe = 0;
    int32_t SteckerFarbIndex = 0, StiftFarbIndex = 0;
    bool SolverRuht = true; // no job requested or running
    // The main window's keyboard focus: a button's name, "Form1" for the window itself (or no
    // focus at all), "peg" for a shape.
    std::string Fokus;
};

// A value as a report shows it: a text quoted, its line feeds as \n; a colour in hex.
std::string Zeigen(const std::string& text);
std::string Zeigen(bool wert);
std::string Zeigen(int wert);
std::string Zeigen(uint32_t wert);

// Reports a difference between what was expected and what is shown, by the name of what differs.
template <class T> void Gleich(std::vector<std::string>& fehler, const std::string& was, const T& soll, const T& ist)
{
    if (!(soll == ist))
        fehler.push_back(was + ": expected " + Zeigen(soll) + ", shows " + Zeigen(ist));
}

class Orakel {
public:
    enum class Phase {
        Neu, // after a new-game reset, with or without the settings dialog
        MenschRaten,
        MenschGewonnen,
        ComputerWartet,
        ComputerRechnet,
        ComputerGewonnen,
        ComputerBetrogen,
        DemoLaeuft,
        DemoFertig
    };

    // Starts from what the program shows: the settings dialog open, no job running.
    void Uebernehmen(const Spielbild& ist);

    // The player's actions, told just before the program gets them. A press on a hole that no
    // enabled row panel takes goes to the board panel, as the windows route it.
    void Loch(bool stift, int zeile, int platz); // a code hole, or (stift) a key-peg hole
    void ZeilenGrund(int zeile, bool stift);     // a row panel's background or its number
    void Spielfeld();                            // the board panel itself
    void Farbwahl(int farbe);
    void Stiftwahl(int8_t wert); // 6 black, 7 white, 8 gray
    void Merkerkreis(int platz);
    void Klick(const std::string& knopf);     // a left click on the button of that name
    void Mausklick(const std::string& knopf); // the same with the mouse, which gives it the focus
    // Tab, a press or the ring (ring: the ring's keys, after which the ring takes the focus with
    // it whenever it moves) moved the main window's focus.
    void FokusBewegt(bool ring = false);
    // The main window's focused button as the model knows it, "" for none, nullptr if unknown.
    const std::string* FokusKnopf() const;
    void Enter(const std::string& fenster, std::string fokusKnopf);
    void Escape(const std::string& fenster);
    void Spieler(int modus);
    void Farben(int farben);
    void Felder(int felder);
    void Frech();
    void DialogSchliessen(); // the settings dialog's close box

    // Takes over what the program decided on its own since the last look, after checking it.
    void Einholen(const Spielbild& ist, std::vector<std::string>& fehler);
    // The prediction, to be held field by field against what is shown: where the rules allow more
    // than one picture, the one shown when it is allowed.
    Spielbild Erwartung(const Spielbild& ist) const;

    // Whether the candidate set is defined at this moment (a game of "Mensch" or "Computer" with no
    // job pending), and whether a code index belongs to it.
    bool KandidatenBekannt() const;
    bool Kandidat(int32_t index) const;
    int32_t Anzahl() const;
    std::vector<int32_t> Beantwortet() const; // the indices of the codes answered in this game

    const Spielbild& Soll() const { return S; }
    Phase Stand() const { return P; }
    bool KnopfAn(const std::string& knopf) const;
    const std::vector<int8_t>& Geheimcode() const { return Geheim; }
    // Up to `grenze` codes other than `rate` that fit every answer given so far, the colours of
    // each place tried in the order given.
    void Ausweichen(const int8_t* rate, const uint8_t (&reihenfolge)[8][8], size_t grenze,
                    std::vector<std::vector<int8_t>>& codes) const;

    // The program's scoring rule, counted from the secret's colour set.
    static void Bewerten(const int8_t* geheim, const int8_t* rate, int n, int& schwarz, int& weiss);

    // What the games reached, counted where the rules decide it.
    struct Erreicht {
        int Spiele[3][9][9] = {}; // games begun, by mode, colours and places
        int Tief[3] = {};         // games by mode that reached row 9
        int MenschGewonnen = 0, ComputerGewonnen = 0, DemoFertig = 0, Widersprueche = 0;
        int Frechheiten = 0, LaengsteFrech = 0; // insults, and the most answers one cheeky game kept
        int Zeile12Wieder = 0;                  // a guess in row 12 after row 12 had one
        int NeustartImJob = 0;                  // a new game while a job moved the bar
        int DialogZu = 0;                       // the settings dialog left by its close box
    } Bilanz;

private:
    struct Antwort {
        int8_t Code[8];
        int Schwarz, Weiss;
        int Anzahl[8]; // guess places of each colour
    };
    Antwort Aufnehmen(const int8_t* rate, int schwarz, int weiss) const;

    struct Knopf {
        const char* Name;
        bool Spielbild::*An;
        void (Orakel::*Tun)();
    };
    static const Knopf* KnopfSuchen(const std::string& name);

    void Melden(const char* text);
    void ZeilenSperren();
    void BrettLeeren();
    void ZeileWeiter();
    void ZeileBelegt();
    void TiefeZaehlen();
    void LoesungZeigen();
    void LoesungNeuesSpiel();
    void MerkerZeigen();
    void MerkerVerbergen();
    void DialogZeigen();
    void Pruefen();
    void Geprueft();
    void NeuesSpiel();
    void OK();
    bool Passt(const int8_t* code) const;
    bool KandidatVorhanden() const;
    bool Suchen(int8_t* code, int platz, unsigned menge, const uint8_t (*reihenfolge)[8], const int* stand,
                const std::function<bool(const int8_t*)>& gefunden) const;
    int32_t Index(const int8_t* code) const;
    void DemoEinholen(const Spielbild& ist, std::vector<std::string>& fehler);
    void SpielEinholen(const Spielbild& ist, std::vector<std::string>& fehler);

    Spielbild S;
    Phase P = Phase::Neu;
    std::vector<Antwort> Antworten; // the answers the candidate set is filtered by
    std::vector<int8_t> Geheim;     // the secret of "Mensch" and "Demo"
    bool CodeLesen = false;         // a code has just been drawn
    bool FortschrittOffen = false;  // a job moves the progress bar
    bool AlteDemoOffen = false;     // a stopped demo may still show its closing
    bool TiefGezaehlt = false;      // this game's row 9 is counted
    bool Zeile12Belegt = false;     // row 12 has had a guess in this game
    bool FokusOffen = true;         // the main window's focus is taken over at the next look
    bool RingBenutzt = false;       // the ring has been used: it may take the focus with it
    void FokusRegel();
};
