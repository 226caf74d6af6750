// SPDX-License-Identifier: GPL-3.0-or-later
// The guess search with scripted draws: which code it picks and how many draws it reports; and
// the strong player's search.

#include "game/Main.h"
#include "game/Spielzustand.h"
#include "solver/BitOperationen.h"
#include "solver/Filter.h"
#include "solver/Ratesuche.h"
#include "solver/StarkeRatesuche.h"

#include <algorithm>
#include <climits>
#include <functional>
#include <gtest/gtest.h>
#include <initializer_list>
#include <random>
#include <tuple>
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

// The strong player, checked with the rule itself (BewerteCode) secret by secret: the sums of
// squares by brute force, each guess against every earlier answer of its game.
namespace {

int64_t QuadratsummeAusgezaehlt(int32_t F, int32_t n, const int8_t* rate)
{
    const int32_t anzahl = Kombinationen(F, n);
    std::vector<int64_t> klasse(81);
    int8_t geheim[10];
    for (int32_t i = 0; i < anzahl; ++i) {
        IndexZuCode(F, n, i, geheim);
        int32_t s = 0, w = 0;
        BewerteCode(geheim, rate, n, s, w);
        ++klasse[s * 9 + w];
    }
    int64_t summe = 0;
    for (const int64_t k : klasse)
        summe += k * k;
    return summe;
}

struct Zug {
    int8_t Rate[10];
    int32_t Schwarz;
    int32_t Weiss;
};

// Plays one game against geheim; false (with a message) when a guess repeats or contradicts an
// earlier answer. zuege receives the number of guesses.
testing::AssertionResult StarkSpielen(int32_t F, int32_t n, int32_t geheimIndex, std::mt19937& zufall,
                                      BitOperationen& menge, int32_t& zuege)
{
    const int32_t anzahl = Kombinationen(F, n);
    auto ziehen = [&zufall] { return static_cast<int32_t>(zufall() >> 1); };
    int8_t geheim[10];
    IndexZuCode(F, n, geheimIndex, geheim);
    menge.SetAll();
    std::vector<Zug> verlauf;
    for (zuege = 1; zuege <= 20; ++zuege) {
        const int32_t index = StarkenRateCodeSuchen(menge, F, n, anzahl, ziehen, [](int32_t, int32_t) { return true; });
        Zug zug{};
        IndexZuCode(F, n, std::max(index, 0), zug.Rate);
        for (const Zug& frueher : verlauf) {
            int32_t s = 0, w = 0;
            BewerteCode(zug.Rate, frueher.Rate, n, s, w);
            if (index < 0 || s == n || s != frueher.Schwarz || w != frueher.Weiss)
                return testing::AssertionFailure()
                       << "Zug " << zuege << " (" << index << "), Geheimcode " << geheimIndex;
        }
        BewerteCode(geheim, zug.Rate, n, zug.Schwarz, zug.Weiss);
        if (zug.Schwarz == n)
            return testing::AssertionSuccess();
        verlauf.push_back(zug);
        menge.ResetBit(index);
        KonsistenzFilter(menge, F, n, zug.Rate, zug.Schwarz, zug.Weiss);
    }
    return testing::AssertionFailure() << "Geheimcode " << geheimIndex << " nicht gefunden";
}

} // namespace

TEST(StarkerErsterZug, SplitsAllSecretsBestAndIsCountedRight)
{
    for (const auto& [F, n] : {std::pair{2, 2}, {2, 5}, {3, 3}, {3, 5}, {4, 4}, {5, 3}, {5, 4}, {8, 3}, {6, 4}}) {
        const int32_t anzahl = Kombinationen(F, n);
        int64_t kleinste = INT64_MAX;
        int8_t rate[10];
        for (int32_t i = 0; i < anzahl; ++i) {
            IndexZuCode(F, n, i, rate);
            const int64_t ausgezaehlt = QuadratsummeAusgezaehlt(F, n, rate);
            kleinste = std::min(kleinste, ausgezaehlt);
            if (i % 7 == 0) {
                ASSERT_EQ(ErsterZugQuadratsumme(F, n, rate), ausgezaehlt) << F << "x" << n << " Code " << i;
            }
        }
        IndexZuCode(F, n, StarkerErsterZug(F, n), rate);
        EXPECT_EQ(QuadratsummeAusgezaehlt(F, n, rate), kleinste) << F << "x" << n;
    }
    // The one the large board opens with: its colours' counts 4, 2, 1, 1 have distinct subset sums.
    int8_t code[10];
    IndexZuCode(8, 8, StarkerErsterZug(8, 8), code);
    EXPECT_EQ(std::vector<int8_t>(code, code + 8), (std::vector<int8_t>{0, 0, 0, 0, 1, 1, 2, 3}));
}

TEST(StarkenRateCodeSuchen, FindsEverySecretWithinTheWorstCaseGuessingOnlyPossibleCodes)
{
    BitOperationen menge(16777226);
    std::mt19937 zufall(5);
    // In all: the fewest any play of still-possible codes needs, by the exhaustive search of
    // bench/Bestwert.cpp (farbenrater_bestwert 4 4, 6 4).
    for (const auto& [F, n, schlimmstens, bestwert] : {std::tuple{4, 4, 5, 906}, {6, 4, 6, 5576}}) {
        int32_t hoechstens = 0;
        int32_t summe = 0;
        for (int32_t geheim = 0; geheim < Kombinationen(F, n); ++geheim) {
            int32_t zuege = 0;
            ASSERT_TRUE(StarkSpielen(F, n, geheim, zufall, menge, zuege)) << F << "x" << n;
            hoechstens = std::max(hoechstens, zuege);
            summe += zuege;
        }
        EXPECT_LE(hoechstens, schlimmstens) << F << "x" << n;
        EXPECT_EQ(summe, bestwert) << F << "x" << n;
    }
    // The large board samples the set; its guesses must fit every answer all the same.
    for (int32_t spiel = 0, zuege = 0; spiel < 3; ++spiel)
        ASSERT_TRUE(StarkSpielen(8, 8, static_cast<int32_t>(zufall() % 16777216), zufall, menge, zuege));
}

TEST(StarkenRateCodeSuchen, StopsWhenToldReadsOnlyAndRepeatsForTheSameDraws)
{
    BitOperationen menge(16777226);
    menge.SetAll();
    const int8_t rate[8] = {0, 0, 0, 0, 1, 1, 2, 3};
    KonsistenzFilter(menge, 8, 8, rate, 1, 3);
    const std::vector<uint8_t> vorher(menge.Bytes, menge.Bytes + menge.AnzahlBytes);
    int32_t gefragt = 0;
    auto suchen = [&](int32_t stopp) {
        std::mt19937 zufall(3);
        return StarkenRateCodeSuchen(
            menge, 8, 8, 16777216, [&zufall] { return static_cast<int32_t>(zufall() >> 1); },
            [&](int32_t fertig, int32_t) { return ++gefragt, fertig < stopp; });
    };
    EXPECT_EQ(suchen(5), -1);
    EXPECT_EQ(gefragt, 6); // asked before each guess: stopped at the sixth
    const int32_t erster = suchen(INT32_MAX);
    EXPECT_TRUE(menge.TestBit(erster));
    EXPECT_EQ(suchen(INT32_MAX), erster);
    EXPECT_EQ(std::vector<uint8_t>(menge.Bytes, menge.Bytes + menge.AnzahlBytes), vorher); // only read
}
