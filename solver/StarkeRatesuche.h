// SPDX-License-Identifier: GPL-3.0-or-later
// The strong computer player's guess search. Like the plain search it guesses only codes that are
// still possible, so every guess fits every answer so far and a contradiction is found as before;
// but among them it takes the one whose answers are expected to leave the fewest codes. The game
// uses it only when the player asks for it (Optionen → Starker Computer).
#pragma once

#include <cstdint>
#include <functional>

class BitOperationen;

// How many still-possible codes a move weighs as guesses, and how many it scores each of them
// against as the secret. A set no bigger than these is taken whole, and the choice is exact.
constexpr int32_t StarkeRateProbe = 400;
constexpr int32_t StarkeGeheimProbe = 1500;
// A set no bigger than this is looked into one step further: each guess is judged by how many
// guesses greedy play would need after it, over every code of the set.
constexpr int32_t StarkeVorausschau = 250;
// Of those, only this many of the best splits are looked into further.
constexpr int32_t StarkeVorausschauBreite = 80;
static_assert(StarkeVorausschau <= StarkeRateProbe && StarkeVorausschau <= StarkeGeheimProbe);
// In that look-ahead a class of at most this many codes is played out exactly, with the fewest
// guesses any play among its codes can need, not greedily; and at most this many steps of that
// exact search are spent per guess weighed, beyond them a class is played greedily after all.
constexpr int32_t StarkeGenau = 30;
constexpr int32_t StarkeGenauSchritte = 100;

// F^n times the number of codes a guess leaves on average when nothing is known yet: the sum over
// its answers of (secrets giving that answer)^2, over all F^n secrets. Counted place by place
// (which colours the secret holds so far, blacks so far), not secret by secret: black + white is
// the number of guess places whose colour the secret holds.
int64_t ErsterZugQuadratsumme(int32_t F, int32_t n, const int8_t* rate);

// The first guess on a board of F colours and n places (2..8 each), as a code index. What a first
// guess tells depends only on how often it uses each colour, so the choice is among those colour
// patterns (n split into at most F parts, the biggest part first, colours in order), by the sum
// above; the first of equals wins. Worked out on first use and kept; either thread may ask.
int32_t StarkerErsterZug(int32_t F, int32_t n);

// The strong guess: the index of a still-possible code (anzahl = F^n), -1 when there is none or
// the search was stopped. With every code still possible it is StarkerErsterZug. Otherwise up to
// StarkeRateProbe codes of the set are weighed as guesses against up to StarkeGeheimProbe codes of
// the set as secrets, and the guess whose answers split those secrets into the smallest classes
// wins (least sum of squares, then more classes, then the lowest index). A set of at most
// StarkeVorausschau codes is judged whole and one step further: the guess after which the play
// that follows (exact in classes of at most StarkeGenau codes, greedy in bigger ones) finds every
// code of the set with the fewest guesses in all. Samples are drawn with ziehen
// (non-negative 31-bit values), so a given sequence gives a given game. weiter(fertig, gesamt) is
// asked before each guess is weighed: false stops the search at once. The set is only read.
int32_t StarkenRateCodeSuchen(const BitOperationen& kandidaten, int32_t F, int32_t n, int32_t anzahl,
                              const std::function<int32_t()>& ziehen,
                              const std::function<bool(int32_t, int32_t)>& weiter);
