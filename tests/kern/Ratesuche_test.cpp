// SPDX-License-Identifier: GPL-3.0-or-later
// The guess search with scripted draws: which code it picks and how many draws it reports.

#include "solver/BitOperationen.h"
#include "solver/Ratesuche.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <initializer_list>
#include <vector>

namespace {

// Hands out the given values in turn, the last one forever, and counts the calls.
struct Ziehung {
    std::vector<int32_t> Werte;
    int32_t Aufrufe = 0;
    int32_t operator()()
    {
        const size_t i = std::min(static_cast<size_t>(Aufrufe), Werte.size() - 1);
        ++Aufrufe;
        return Werte[i];
    }
};

struct Fall {
    const char* Name;
    int32_t Anzahl;                         // F^n of the game
    std::initializer_list<int32_t> Gesetzt; // the remaining candidates; -1 alone: all
    int32_t Grenze;
    std::initializer_list<int32_t> Zuege;
    int32_t Erwartet;
    int32_t ErwarteteZuege;
};

} // namespace

TEST(RateCodeSuchen, DrawsAndCountsItsDraws)
{
    static const Fall faelle[] = {
        // Every code still possible: the first draw hits, taken modulo the number of codes.
        {"alle, erster Zug trifft", 1296, {-1}, 10, {5000}, 5000 % 1296, 1},
        {"alle, groesster Zufallswert", 16777216, {-1}, 10, {2147483647}, 2147483647 % 16777216, 1},
        // The third draw hits.
        {"dritter Zug trifft", 1296, {700, 900}, 10, {1, 2, 900 + 1296, 5}, 900, 3},
        // No draw hits: after `grenze` draws the lowest remaining code.
        {"ein Kandidat, Rueckfall", 1296, {700}, 10, {1}, 700, 10},
        {"niedrigster von mehreren", 1296, {1000, 130, 64}, 10, {3}, 64, 10},
        {"Grenze 1000", 4096, {4095}, 1000, {0}, 4095, 1000},
        {"Grenze 1 zieht einmal", 4096, {2000}, 1, {7}, 2000, 1},
        // The lowest candidate lies in the last, partly used word.
        {"im letzten Wort", 1296, {1295}, 10, {0}, 1295, 10},
        // Bits from anzahl on are no candidates, even when set in the same word.
        {"Bits oberhalb zaehlen nicht", 1296, {1296, 1300, 1201}, 10, {0}, 1201, 10},
        // No candidate at all (callers never ask): the last draw stands.
        {"keiner, letzter Zug", 1296, {1296, 1300, 4095}, 10, {7}, 7, 10},
        {"keiner, Grenze 3", 2187, {}, 3, {5, 6, 2187 + 9}, 9, 3},
    };
    for (const Fall& f : faelle) {
        BitOperationen menge(16777226);
        if (f.Gesetzt.size() == 1 && *f.Gesetzt.begin() == -1) {
            menge.SetAll();
        } else {
            for (const int32_t i : f.Gesetzt)
                menge.Bytes[i / 8] |= static_cast<uint8_t>(1u << (i % 8));
        }
        Ziehung ziehung{f.Zuege};
        int32_t zuege = -1;
        EXPECT_EQ(RateCodeSuchen(menge, f.Anzahl, f.Grenze, std::ref(ziehung), &zuege), f.Erwartet) << f.Name;
        EXPECT_EQ(zuege, f.ErwarteteZuege) << f.Name;
        EXPECT_EQ(ziehung.Aufrufe, f.ErwarteteZuege) << f.Name;
    }
}
