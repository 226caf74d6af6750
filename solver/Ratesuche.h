// SPDX-License-Identifier: GPL-3.0-or-later
// The guess search: a random remaining candidate when one of `grenze` draws hits one, otherwise
// the remaining candidate with the lowest index.
#pragma once

#include <cstdint>
#include <functional>

class BitOperationen;

// anzahl = F^n of the game. ziehen yields non-negative 31-bit values (the game passes Zufallszahl).
// zuege, when given, receives the number of draws made.
int32_t RateCodeSuchen(const BitOperationen& kandidaten, int32_t anzahl, int32_t grenze,
                       const std::function<int32_t()>& ziehen, int32_t* zuege = nullptr);
