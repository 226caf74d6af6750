// SPDX-License-Identifier: GPL-3.0-or-later
// Codes, their index and the program's own scoring rule.

#include "game/Main.h"
#include "game/Spielzustand.h"

#include <cstring>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace {

struct Bewertung {
    int8_t Geheim[4];
    int8_t Rate[4];
    int32_t Schwarz;
    int32_t Weiss;
};

// Where the rule differs from counting with paired pegs, and where it does not.
const Bewertung Beispiele[] = {
    {{0, 2, 3, 1}, {0, 0, 0, 0}, 1, 3}, {{0, 2, 3, 1}, {2, 0, 0, 7}, 0, 3}, {{0, 2, 0, 2}, {0, 0, 0, 0}, 2, 2},
    {{0, 0, 2, 2}, {2, 2, 0, 0}, 0, 4}, {{0, 2, 3, 1}, {0, 2, 3, 1}, 4, 0}, {{0, 0, 0, 0}, {0, 2, 3, 1}, 1, 0},
};

// The board and the secret are process-wide; put them back for the suites that run after these.
struct SpielzustandSichern {
    int32_t Zeile = AktiveZeile;
    int8_t Code[10];
    int8_t Brett[13][8];
    SpielzustandSichern()
    {
        std::memcpy(Code, FarbCode, sizeof Code);
        std::memcpy(Brett, SteckerFeld, sizeof Brett);
    }
    ~SpielzustandSichern()
    {
        AktiveZeile = Zeile;
        std::memcpy(FarbCode, Code, sizeof Code);
        std::memcpy(SteckerFeld, Brett, sizeof Brett);
    }
};

} // namespace

TEST(BewerteCode, Examples)
{
    for (const Bewertung& b : Beispiele) {
        int32_t schwarz = 99; // left from an earlier answer: must not count
        int32_t weiss = -5;
        BewerteCode(b.Geheim, b.Rate, 4, schwarz, weiss);
        EXPECT_EQ(schwarz, b.Schwarz) << int(b.Rate[0]) << int(b.Rate[1]) << int(b.Rate[2]) << int(b.Rate[3]);
        EXPECT_EQ(weiss, b.Weiss) << int(b.Rate[0]) << int(b.Rate[1]) << int(b.Rate[2]) << int(b.Rate[3]);
    }
}

TEST(BewerteZeile, ScoresTheActiveRowAgainstTheSecret)
{
    const SpielzustandSichern gesichert;
    AktiveZeile = 5;
    for (const Bewertung& b : Beispiele) {
        std::memcpy(FarbCode, b.Geheim, 4);
        std::memset(SteckerFeld[AktiveZeile], 6, 8); // places from n on are no part of the guess
        std::memcpy(SteckerFeld[AktiveZeile], b.Rate, 4);
        int32_t schwarz = 3;
        int32_t weiss = 3;
        // Only all black wins; four white (a permutation of the secret) does not.
        EXPECT_EQ(BewerteZeile(4, schwarz, weiss), b.Schwarz == 4);
        EXPECT_EQ(schwarz, b.Schwarz);
        EXPECT_EQ(weiss, b.Weiss);
    }
}

// Every pair of codes on the small boards against the rule's defining property: black counts the
// agreeing places, black + white the guess places whose colour occurs anywhere in the secret.
TEST(BewerteCode, EveryCodePairOfSmallBoardsFollowsTheRule)
{
    for (int32_t F = 2; F <= 8; ++F)
        for (int32_t n = 2; n <= 8 && Kombinationen(F, n) <= 1296; ++n) {
            const int32_t anzahl = Kombinationen(F, n);
            std::vector<int8_t> codes(static_cast<size_t>(anzahl) * 8);
            for (int32_t i = 0; i < anzahl; ++i)
                IndexZuCode(F, n, i, &codes[static_cast<size_t>(i) * 8]);
            for (int32_t g = 0; g < anzahl; ++g)
                for (int32_t r = 0; r < anzahl; ++r) {
                    const int8_t* geheim = &codes[static_cast<size_t>(g) * 8];
                    const int8_t* rate = &codes[static_cast<size_t>(r) * 8];
                    int32_t gleich = 0;
                    int32_t vorhanden = 0;
                    for (int32_t p = 0; p < n; ++p) {
                        gleich += rate[p] == geheim[p];
                        vorhanden += std::memchr(geheim, rate[p], static_cast<size_t>(n)) != nullptr;
                    }
                    int32_t schwarz = 0;
                    int32_t weiss = 0;
                    BewerteCode(geheim, rate, n, schwarz, weiss);
                    ASSERT_EQ(schwarz, gleich) << F << " colours, " << n << " places, secret " << g << ", guess " << r;
                    ASSERT_EQ(schwarz + weiss, vorhanden)
                        << F << " colours, " << n << " places, secret " << g << ", guess " << r;
                }
        }
}

TEST(IndexZuCode, Examples)
{
    struct Fall {
        int32_t F, n, Index;
        std::vector<int8_t> Code;
    };
    const Fall faelle[] = {
        {8, 4, 1, {1, 0, 0, 0}},
        {8, 4, 8, {0, 1, 0, 0}},
        {8, 4, 4095, {7, 7, 7, 7}},
        {6, 4, 10, {4, 1, 0, 0}},
        {2, 2, 2, {0, 1}},
        {8, 8, 0, {0, 0, 0, 0, 0, 0, 0, 0}},
        {8, 8, 16777215, {7, 7, 7, 7, 7, 7, 7, 7}},
        {3, 5, 242, {2, 2, 2, 2, 2}},
        {5, 3, 124, {4, 4, 4}},
        {7, 2, 0, {0, 0}},
    };
    for (const Fall& f : faelle) {
        int8_t ziel[10];
        std::memset(ziel, 0x5A, sizeof ziel);
        IndexZuCode(f.F, f.n, f.Index, ziel);
        EXPECT_EQ(std::vector<int8_t>(ziel, ziel + f.n), f.Code) << f.F << "^" << f.n << " index " << f.Index;
        EXPECT_EQ(ziel[f.n], 0x5A) << "writes past place n - 1";
    }
}

// ZeileZuIndex reads a board row back into the index that IndexZuCode wrote, whatever the places
// from n on hold: every index of every board up to 8^6, and a large sample of 8^8.
TEST(ZeileZuIndex, InvertsIndexZuCode)
{
    const SpielzustandSichern gesichert;
    std::mt19937 zufall(3);
    auto pruefen = [&](int32_t F, int32_t n, int32_t index) {
        const int32_t zeile = 1 + static_cast<int32_t>(zufall() % 12);
        std::memset(SteckerFeld[zeile], LeerFeld, 8);
        IndexZuCode(F, n, index, SteckerFeld[zeile]);
        return ZeileZuIndex(zeile, F, n);
    };
    for (int32_t F = 2; F <= 8; ++F)
        for (int32_t n = 2; n <= 8 && Kombinationen(F, n) <= Kombinationen(8, 6); ++n)
            for (int32_t x = 0; x < Kombinationen(F, n); ++x)
                ASSERT_EQ(pruefen(F, n, x), x) << F << "^" << n;
    const int32_t alle = Kombinationen(8, 8);
    for (const int32_t x : {0, 1, 8, alle / 2, alle - 1})
        ASSERT_EQ(pruefen(8, 8, x), x);
    for (int32_t k = 0; k < (1 << 20); ++k) {
        const int32_t x = static_cast<int32_t>(zufall() % static_cast<uint32_t>(alle));
        ASSERT_EQ(pruefen(8, 8, x), x);
    }
}
