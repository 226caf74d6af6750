// SPDX-License-Identifier: GPL-3.0-or-later
// The turn flow: the one writer of the game state, and the one place that knows what each mode
// shows in which window. The windows' handlers keep their names and call in here; the worker
// hands over what it found through the display port, and the flow writes it into the game state
// before it shows it. The windows reach each other only through the flow. Main thread only.
#pragma once

#include "arbeiter/Anzeige.h"

#include <QRect>
#include <cstdint>
#include <vector>

class TForm;

class Spielablauf : public SolverAnzeige {
public:
    // The game's start values, before the worker exists.
    void Einrichten();

    // Settings dialog: a new number of colours or places, a player chosen, shown, closed, OK.
    void FarbenGewaehlt(int32_t farben);
    void FelderGewaehlt(int32_t felder);
    void SpielerGewaehlt(int32_t modus);
    void EinstellungenGezeigt();
    void EinstellungenGeschlossen();
    void SpielBeginnen();

    // Main window: the new-game reset, the start of each mode, the check of a human guess, the
    // human's answer to a computer guess.
    void NeuesSpiel();
    void StarteSpiel();
    void StarteDemo();
    void Pruefen();
    void AntwortNehmen();
    // A colour of the code-peg picker (0..7), a key peg of the key-peg picker (StiftSchwarz,
    // StiftWeiss, StiftGrau).
    void SteckerFarbeGewaehlt(int32_t index);
    void StiftGewaehlt(int8_t stift);
    // A press in row zeile, on the code hole or (stift) the key hole at platz; platz -1 for a
    // press on no hole of the row.
    void PegGesetzt(bool stift, int32_t zeile, int32_t platz);
    // The board emptied; the picker showing the colours in play; every window the places in play.
    void SpielfeldLoeschen();
    void FarbenZeigen();
    void FelderZeigen();
    // The windows the main window opens.
    void LoesungZeigen();
    void MerkerZeigen();
    void HilfeZeigen();

    // What a side window (solution window, marker box) must leave in view where the screen has
    // room for it beside the main window.
    std::vector<QRect> FreiZuHalten(const TForm* fenster) const;

    // Solution window: its own "Neues Spiel".
    void LoesungNeuesSpiel();
    // Marker box: shown or hidden. A number key, in the main window or the marker box, chooses a
    // colour of the main window's picker.
    void MerkerGezeigt();
    void MerkerVerborgen();
    void FarbTaste(int32_t index);

    // Display port
    void FortschrittAnzeigen(int32_t prozent) override;
    void DemoZugAnzeigen(const DemoZug& zug) override;
    int32_t DemoZugDauer() override;
    void DemoZeileAnzeigen(int32_t zeile) override;
    void DemoEndeAnzeigen() override;
    void RatecodeZeigen(int32_t index) override;
    void WiderspruchZeigen() override;

private:
    int32_t DemoSprechDauer = 0; // ms a screen reader takes to say the last demo move
    // Moves the active row on (at most to 12), scrolls at row 9 and marks it.
    void ZeileWeiter();
    // What a mode shows, the same whether it is chosen in the dialog or started with OK.
    void MenschZeigen();
    void ComputerZeigen();
    void ComputerBrettZeigen();
    void DemoZeigen(const char* info);
    void GeheimcodeZeigen();
    void AltenAuftragBeenden();
    // A side window that now lies over the row being played moves out of its way.
    void SeitenfensterWeichen();
};

extern Spielablauf Ablauf;
