// SPDX-License-Identifier: GPL-3.0-or-later
// What a solver phase has to show, said without a window: the worker reports through this port
// and the front end decides how to paint it. Every call runs on the main thread, and only for
// the job in progress: a stopped job reports nothing more (the demo's closing steps excepted,
// which belong to its own game).
#pragma once

#include <cstdint>

class SolverAnzeige {
public:
    virtual ~SolverAnzeige() = default;

    // The bar of a pass: a whole percent, 0 .. 100.
    virtual void FortschrittAnzeigen(int32_t prozent) = 0;
    // A demo guess in row zeile with the program's answer; the game state already holds it.
    virtual void DemoZugAnzeigen(int32_t zeile) = 0;
    // The demo moved on to row zeile (the board scrolls at row 9).
    virtual void DemoZeileAnzeigen(int32_t zeile) = 0;
    // The demo has ended, won or stopped.
    virtual void DemoEndeAnzeigen() = 0;
    // Mode "Computer": the next guess, or no code left that fits the answers.
    virtual void RatecodeZeigen(int32_t index) = 0;
    virtual void WiderspruchZeigen() = 0;
};
