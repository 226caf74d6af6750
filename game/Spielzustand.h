// SPDX-License-Identifier: GPL-3.0-or-later
// The game state: process-wide variables that every window and the solver read by name.
// Only the turn flow writes them, on the main thread; the solver takes copies of what a job needs
// when the job is requested and hands what it finds back to the turn flow.
#pragma once

#include "toolkit/Graphics.h"

#include <cstdint>

constexpr int32_t ModusMensch = 0;
constexpr int32_t ModusComputer = 1;
constexpr int32_t ModusDemo = 2;

constexpr int8_t LeerFeld = static_cast<int8_t>(255); // an empty place: top bit set
constexpr int8_t StiftSchwarz = 6;
constexpr int8_t StiftWeiss = 7;
constexpr int8_t StiftGrau = 8;

// The key peg at place p of an answer: the blacks first, then the whites, the rest empty.
constexpr int8_t AntwortStift(int32_t p, int32_t schwarz, int32_t weiss)
{
    return p < schwarz ? StiftSchwarz : p < schwarz + weiss ? StiftWeiss : LeerFeld;
}

// Settings and sizes
extern int32_t AnzahlFarben;           // F, 2..8
extern int32_t AnzahlFelder;           // n, 2..8
extern int32_t SpielerModus;           // ModusMensch, ModusComputer, ModusDemo
extern const int32_t MaxKombinationen; // 8^8 + 10
extern int32_t AnzahlKombinationen;    // F^n of the game in progress
// The strong computer player in modes "Computer" and "Demo": taken from Optionen → Starker
// Computer when a game starts, so a change counts from the next game on; off at every start.
extern bool StarkerComputer;

// Board and codes
extern int32_t AktiveZeile; // 1..12; 0 before the first game
extern int8_t SteckerFeld[13][8];
extern int8_t StiftFeld[13][8];
extern int8_t FarbCode[10];
extern int8_t RateCode[10];
extern int32_t CodeIndex;
extern int32_t Schwarz;
extern int32_t Weiss;
// The secret's answer to the demo's guess, written when the turn flow takes a demo move over.
extern int32_t DemoSchwarz;
extern int32_t DemoWeiss;

// Picker state
extern TColor SteckerFarbe;
extern int32_t SteckerFarbIndex;
extern TColor StiftFarbe;
extern int32_t StiftFarbIndex;

// The code-peg green: lighter than clLime, which the computer's guesses and the picker square show.
constexpr TColor clCodeGruen = 0x00FF80;

// Colour tables: the secret, the demo and the picker's choice use FarbTabelle; the computer's
// guesses in mode "Computer" and the picker's squares show ComputerFarbTabelle. They differ only in
// green. Filled from these values at start.
constexpr TColor FarbWerte[8] = {clRed, clYellow, clCodeGruen, clBlue, clFuchsia, clAqua, clBlack, clWhite};
constexpr TColor ComputerFarbWerte[8] = {clRed, clYellow, clLime, clBlue, clFuchsia, clAqua, clBlack, clWhite};
extern TColor FarbTabelle[8];
extern TColor ComputerFarbTabelle[8];

// The index 0..7 of a colour of the game, in either table; -1 for any other colour.
int32_t FarbIndex(TColor farbe);
// A colour's German name as the player reads it (UTF-8): "rot" … "weiß"; gray, the colour of an
// empty hole, reads "leer", or "grau" where it is asked for as a colour of its own.
const char* FarbName(TColor farbe, bool grauIstLeer);
void FarbTabelleFuellen();
void ComputerFarbTabelleFuellen();

// F^n as the game computes it: a double-precision power, truncated.
int32_t Kombinationen(int32_t F, int32_t n);

// The program's one random sequence: non-negative 31-bit values, seeded once from the clock.
// Both threads draw from it, so it is guarded.
void ZufallsgeneratorStarten();
int32_t Zufallszahl();

// Draws a secret: CodeIndex := r mod AnzahlKombinationen, FarbCode := its code.
void ZufallsCodeZiehen();
