// SPDX-License-Identifier: GPL-3.0-or-later
// What a solver phase has found, said without a window: the worker hands it over through this
// port, and the turn flow writes it into the game state and shows it. The worker itself writes no
// board, no code and no row. Every call runs on the main thread, and only for the job in
// progress: a stopped job reports nothing more (the demo's closing steps excepted, which belong
// to its own game).
#pragma once

#include <cstdint>

// One move of the demo: the guess for row Zeile, as index and as code, and the secret's answer.
struct DemoZug {
    int32_t Zeile = 0;
    int32_t Index = 0;
    int8_t Code[10] = {};
    int32_t Schwarz = 0;
    int32_t Weiss = 0;
};

class SolverAnzeige {
public:
    virtual ~SolverAnzeige() = default;

    // The bar of a pass: a whole percent, 0 .. 100.
    virtual void FortschrittAnzeigen(int32_t prozent) = 0;
    // A demo guess with the program's answer.
    virtual void DemoZugAnzeigen(const DemoZug& zug) = 0;
    // How long the move just shown stays before the demo goes on, in ms: time to watch it, or to
    // hear it said.
    virtual int32_t DemoZugDauer() { return 0; }
    // The demo moves on to row zeile (the board scrolls at row 9).
    virtual void DemoZeileAnzeigen(int32_t zeile) = 0;
    // The demo has ended, won or stopped.
    virtual void DemoEndeAnzeigen() = 0;
    // Mode "Computer": the index of the next guess, or no code left that fits the answers.
    virtual void RatecodeZeigen(int32_t index) = 0;
    virtual void WiderspruchZeigen() = 0;
};
