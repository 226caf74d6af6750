// SPDX-License-Identifier: GPL-3.0-or-later
// The rules kernel: codes, their index, and the program's own scoring rule.
#pragma once

#include <cstdint>

// Writes the n digits of index in base F into ziel[0..n-1], place 0 least significant.
void IndexZuCode(int32_t F, int32_t n, int32_t index, int8_t* ziel);

// The index of the code standing in board row zeile of SteckerFeld.
int32_t ZeileZuIndex(int32_t zeile, int32_t F, int32_t n);

// Scores rate (guess role) against geheim (secret role). A guess place of the right colour gives a
// black peg; every other guess place whose colour occurs anywhere in the secret gives a white one.
// Secret places are never used up, so the rule is not symmetric.
void BewerteCode(const int8_t* geheim, const int8_t* rate, int32_t n, int32_t& schwarz, int32_t& weiss);

// Scores the active board row against FarbCode; true when every place is black.
bool BewerteZeile(int32_t n, int32_t& schwarz, int32_t& weiss);
