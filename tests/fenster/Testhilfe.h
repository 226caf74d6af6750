// SPDX-License-Identifier: GPL-3.0-or-later
// Shared helpers of the window suites: the program's windows on the offscreen platform, and the
// moves a player makes.
#pragma once

#include "app/Farbenrater_Prj.h"
#include "arbeiter/Workthread.h"
#include "game/Spielzustand.h"
#include "solver/BitOperationen.h"
#include "ui/Einstellungen.h"
#include "ui/Farbenrater.h"
#include "ui/Farbenrateraufloesung.h"
#include "ui/Farbmerkerbox.h"
#include "ui/Hilfe_memoform.h"

#include <QTest>
#include <functional>
#include <gtest/gtest.h>

// Waits for a condition by handling events, with a generous bound.
#define WARTE_BIS(bedingung)                                                                                           \
    ASSERT_TRUE(QTest::qWaitFor([&] { return static_cast<bool>(bedingung); }, 20000)) << #bedingung

// Starts the program as the entry point does, once per test process, and waits for the
// settings dialog that the start timer opens.
void ProgrammStarten();

// Opens a new game through the main window's button (or the start timer's first reset) and
// confirms the settings dialog with the given choices.
void SpielBeginnen(int modus, int farben, int felder, bool frech = false);

// Presses a shape as the player would (left button unless told otherwise).
void Druecken(QWidget* ziel, Qt::MouseButton knopf = Qt::LeftButton);

// Places a guess in the active row through the picker and the row's holes.
void CodeSetzen(const std::vector<int>& farben);

// Sets key pegs (6 black, 7 white, 8 gray) in the active row through the key-peg picker.
void StifteSetzen(const std::vector<int>& stifte);

// Places a guess in the active row and checks it with "Computer Prüfen".
void Raten(const std::vector<int>& farben);

// Answers the computer's guess as a player with `geheim` in mind: key pegs (the blacks first, then
// the whites, the rest gray) and "Mensch Geprüft". Returns the black pegs.
int32_t Antworten(const int8_t* geheim);

// Runs `lauf` in a process of its own, for checks that need the program fresh or leave it in a state
// of its own; the process ends with 1 when a check in it failed.
void ImEigenenProzess(const std::function<void()>& lauf);

// No solver job requested or running.
bool SolverRuht();

QString Info();
QString Status();
