// SPDX-License-Identifier: GPL-3.0-or-later
// The fast consistency filter must clear exactly the codes the plain pass clears, on every board
// size, for every answer, and must leave alone what lies outside the range it was asked to filter.

#include "game/Main.h"
#include "game/Spielzustand.h"
#include "solver/BitOperationen.h"
#include "solver/Filter.h"

#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>
#include <random>
#include <thread>
#include <tuple>
#include <vector>

namespace {

// Room for 130 indices above F^n: they hold a random pattern that no pass may change.
constexpr int32_t Ueberhang = 130;

struct Menge {
    BitOperationen bits;
    explicit Menge(int32_t anzahl) : bits(anzahl + Ueberhang) {}
    Menge(int32_t anzahl, const std::vector<uint8_t>& inhalt) : Menge(anzahl) { Setzen(inhalt); }
    std::vector<uint8_t> Inhalt() const { return {bits.Bytes, bits.Bytes + bits.AnzahlBytes}; }
    void Setzen(const std::vector<uint8_t>& inhalt) { std::memcpy(bits.Bytes, inhalt.data(), inhalt.size()); }
};

// A start set: every code (the first answer of a game), or each code with probability dichte.
std::vector<uint8_t> Anfangsmenge(int32_t anzahl, double dichte, std::mt19937& zufall)
{
    const int32_t bytes = (anzahl + Ueberhang + 7) / 8;
    std::vector<uint8_t> inhalt(static_cast<size_t>(bytes));
    std::bernoulli_distribution gesetzt(dichte);
    for (int32_t i = 0; i < bytes * 8; ++i)
        if (i >= anzahl ? zufall() & 1 : gesetzt(zufall))
            inhalt[static_cast<size_t>(i / 8)] |= static_cast<uint8_t>(1u << (i % 8));
    return inhalt;
}

std::vector<int8_t> ZufallsCode(int32_t F, int32_t n, std::mt19937& zufall)
{
    std::vector<int8_t> code(10, 0);
    IndexZuCode(F, n, static_cast<int32_t>(zufall() % static_cast<uint32_t>(Kombinationen(F, n))), code.data());
    return code;
}

// The answers a pass may be asked about: one a real secret gives, one drawn freely among the
// possible counts, and one that no code can give.
std::vector<std::pair<int32_t, int32_t>> Antworten(int32_t F, int32_t n, const std::vector<int8_t>& rate,
                                                   std::mt19937& zufall)
{
    const std::vector<int8_t> geheim = ZufallsCode(F, n, zufall);
    int32_t s = 0;
    int32_t w = 0;
    BewerteCode(geheim.data(), rate.data(), n, s, w);
    const int32_t b = static_cast<int32_t>(zufall() % static_cast<uint32_t>(n + 1));
    const int32_t frei = static_cast<int32_t>(zufall() % static_cast<uint32_t>(n - b + 1));
    static const std::pair<int32_t, int32_t> unmoeglich[] = {{-1, 0}, {0, -1}, {1, 8}, {4, 5}, {9, 0}, {0, 2147483647}};
    return {{s, w}, {b, frei}, unmoeglich[zufall() % 6]};
}

// Runs the fast pass over the whole range: either in one call, or section by section with the
// object the worker thread uses.
int32_t SchnellFiltern(bool abschnittsweise, BitOperationen& bits, int32_t F, int32_t n, const int8_t* rate, int32_t s,
                       int32_t w)
{
    if (!abschnittsweise)
        return KonsistenzFilter(bits, F, n, rate, s, w);
    static KonsistenzPruefung pruefung;
    pruefung.Vorbereiten(F, n, rate, s, w);
    int32_t entfernt = 0;
    for (int32_t a = 0; a < pruefung.AnzahlAbschnitte(); ++a)
        entfernt += pruefung.Filtern(bits, a);
    return entfernt;
}

std::vector<std::pair<int32_t, int32_t>> Groessen(int32_t hoechstens)
{
    std::vector<std::pair<int32_t, int32_t>> groessen;
    for (int32_t F = 2; F <= 8; ++F)
        for (int32_t n = 2; n <= 8; ++n)
            if (Kombinationen(F, n) <= hoechstens)
                groessen.emplace_back(F, n);
    return groessen;
}

} // namespace

TEST(KonsistenzFilter, OneColourFourTimesKeepsExactlyTheCodesWithThatColourOnce)
{
    // Secret 0 1 2 3 answers 0 0 0 0 with 1 black and 3 white: a candidate holding colour 0 once
    // gives that answer; more zeros give more blacks, none gives nothing.
    Menge menge(256);
    menge.bits.SetAll();
    const int8_t rate[4] = {0, 0, 0, 0};
    EXPECT_EQ(KonsistenzFilter(menge.bits, 4, 4, rate, 1, 3), 256 - 108);
    int32_t behalten = 0;
    for (int32_t i = 0; i < 256; ++i) {
        int8_t c[4];
        IndexZuCode(4, 4, i, c);
        const int nullen = (c[0] == 0) + (c[1] == 0) + (c[2] == 0) + (c[3] == 0);
        EXPECT_EQ(menge.bits.TestBit(i), nullen == 1) << "index " << i;
        behalten += menge.bits.TestBit(i);
    }
    EXPECT_EQ(behalten, 108);
    EXPECT_TRUE(menge.bits.TestBit(0 + 1 * 4 + 2 * 16 + 3 * 64));
}

// Against the rule itself, not against the scoring code: black = places that agree,
// black + white = guess places whose colour occurs anywhere in the candidate.
TEST(KonsistenzFilter, EveryAnswerKeepsExactlyTheCodesThatGiveIt)
{
    std::mt19937 zufall(7);
    for (const auto& [F, n] : Groessen(4096)) {
        const int32_t anzahl = Kombinationen(F, n);
        const std::vector<int8_t> rate = ZufallsCode(F, n, zufall);
        for (int32_t s = 0; s <= n; ++s)
            for (int32_t w = 0; s + w <= n; ++w) {
                Menge menge(anzahl);
                menge.bits.SetAll();
                KonsistenzFilter(menge.bits, F, n, rate.data(), s, w);
                for (int32_t i = 0; i < anzahl; ++i) {
                    int8_t c[8];
                    IndexZuCode(F, n, i, c);
                    int32_t schwarz = 0;
                    int32_t beide = 0;
                    for (int32_t p = 0; p < n; ++p) {
                        schwarz += c[p] == rate[static_cast<size_t>(p)];
                        beide += std::memchr(c, rate[static_cast<size_t>(p)], static_cast<size_t>(n)) != nullptr;
                    }
                    ASSERT_EQ(menge.bits.TestBit(i), schwarz == s && beide == s + w)
                        << F << " colours, " << n << " places, answer " << s << "/" << w << ", index " << i;
                }
            }
    }
}

// Both ways of running the fast pass: in one call, and section by section as the worker runs it.
class SchnellWieEinfach : public testing::TestWithParam<bool> {};

TEST_P(SchnellWieEinfach, RandomPassesOnEveryBoardSize)
{
    std::mt19937 zufall(GetParam() ? 11 : 12);
    for (const auto& [F, n] : Groessen(Kombinationen(8, 6))) {
        const int32_t anzahl = Kombinationen(F, n);
        const int32_t runden = std::clamp((1 << 19) / anzahl, 1, 12);
        for (int32_t r = 0; r < runden; ++r) {
            static const double dichten[] = {1.0, 0.5, 0.03};
            const std::vector<uint8_t> anfang = Anfangsmenge(anzahl, dichten[r % 3], zufall);
            std::vector<int8_t> rate = ZufallsCode(F, n, zufall);
            if (r % 4 == 3) // a place no candidate can match: an empty place, or a colour not in play
                rate[zufall() % static_cast<uint32_t>(n)] =
                    static_cast<int8_t>(zufall() % 2 ? -1 : F + zufall() % (9 - F));
            for (const auto& [s, w] : Antworten(F, n, rate, zufall)) {
                Menge schnell(anzahl, anfang), einfach(anzahl, anfang);
                const int32_t weg = SchnellFiltern(GetParam(), schnell.bits, F, n, rate.data(), s, w);
                ASSERT_EQ(weg, KonsistenzFilterEinfach(einfach.bits, F, n, rate.data(), s, w))
                    << F << " colours, " << n << " places, answer " << s << "/" << w;
                ASSERT_EQ(schnell.Inhalt(), einfach.Inhalt())
                    << F << " colours, " << n << " places, answer " << s << "/" << w;
            }
        }
    }
}

// Whole demo games: each answer narrows the set further, so later passes meet sparse sets.
TEST_P(SchnellWieEinfach, WholeGamesGoTheSameWay)
{
    std::mt19937 zufall(GetParam() ? 21 : 22);
    static const std::pair<int32_t, int32_t> groessen[] = {{2, 8}, {3, 8}, {4, 8}, {5, 8}, {6, 6},
                                                           {7, 6}, {8, 6}, {8, 7}, {6, 3}, {8, 2}};
    for (const auto& [F, n] : groessen) {
        const int32_t anzahl = Kombinationen(F, n);
        Menge schnell(anzahl, Anfangsmenge(anzahl, 1.0, zufall)), einfach(anzahl, schnell.Inhalt());
        const std::vector<int8_t> geheim = ZufallsCode(F, n, zufall);
        for (int32_t zug = 0; zug < 6; ++zug) {
            const std::vector<int8_t> rate = ZufallsCode(F, n, zufall);
            int32_t s = 0;
            int32_t w = 0;
            BewerteCode(geheim.data(), rate.data(), n, s, w);
            ASSERT_EQ(SchnellFiltern(GetParam(), schnell.bits, F, n, rate.data(), s, w),
                      KonsistenzFilterEinfach(einfach.bits, F, n, rate.data(), s, w))
                << F << " colours, " << n << " places, guess " << zug;
            ASSERT_EQ(schnell.Inhalt(), einfach.Inhalt()) << F << " colours, " << n << " places, guess " << zug;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(KonsistenzFilter, SchnellWieEinfach, testing::Values(false, true),
                         [](const testing::TestParamInfo<bool>& info) {
                             return info.param ? "InSections" : "InOneCall";
                         });

// The largest board once against the plain pass (word blocks, five high digits), and 5^8, the
// smallest board whose keys need both key tables full (strung 25-bit bitmaps, six high digits).
TEST(KonsistenzFilter, LargeBoardsAsThePlainPass)
{
    std::mt19937 zufall(31);
    for (const auto& [F, n] : {std::pair{8, 8}, std::pair{5, 8}}) {
        const int32_t anzahl = Kombinationen(F, n);
        Menge schnell(anzahl, Anfangsmenge(anzahl, 1.0, zufall)), einfach(anzahl, schnell.Inhalt());
        const std::vector<int8_t> rate = ZufallsCode(F, n, zufall);
        const auto [s, w] = Antworten(F, n, rate, zufall)[0];
        EXPECT_EQ(KonsistenzFilter(schnell.bits, F, n, rate.data(), s, w),
                  KonsistenzFilterEinfach(einfach.bits, F, n, rate.data(), s, w));
        EXPECT_EQ(schnell.Inhalt(), einfach.Inhalt()) << F << " colours";
    }
}

TEST(KonsistenzPruefung, SectionsCoverTheRangeInAscendingOrder)
{
    KonsistenzPruefung pruefung;
    const int8_t rate[8] = {0, 1, 0, 1, 0, 1, 0, 1};
    // Not prepared yet, or prepared for a board that does not exist: nothing to filter.
    BitOperationen menge(4096);
    menge.SetAll();
    EXPECT_EQ(pruefung.AnzahlAbschnitte(), 0);
    EXPECT_EQ(pruefung.AllesFiltern(menge), 0);
    pruefung.Vorbereiten(9, 4, rate, 0, 0);
    EXPECT_EQ(pruefung.AnzahlAbschnitte(), 0);
    EXPECT_EQ(pruefung.Filtern(menge, 0), 0);
    EXPECT_EQ(pruefung.AllesFiltern(menge), 0);
    for (int32_t b = 0; b < menge.AnzahlBytes; ++b)
        ASSERT_EQ(menge.Bytes[b], 0xFF);

    for (const auto& [F, n] : Groessen(Kombinationen(8, 8))) {
        pruefung.Vorbereiten(F, n, rate, 1, 1);
        const int32_t anzahl = Kombinationen(F, n);
        ASSERT_GE(pruefung.AnzahlAbschnitte(), 1);
        // About a hundredth of the pass each, so that the bar moves in steady steps of a percent
        // or so and the pass is not cut finer than the bar can show.
        const int32_t groesse = std::max(8192, anzahl / 100);
        EXPECT_LE(pruefung.AnzahlAbschnitte(), 105) << F << "^" << n;
        int32_t anfang = 0;
        for (int32_t a = 0; a < pruefung.AnzahlAbschnitte(); ++a) {
            const int32_t ende = pruefung.AbschnittEnde(a);
            ASSERT_GT(ende, anfang) << F << "^" << n;
            ASSERT_LE(ende - anfang, groesse) << F << "^" << n;
            if (anzahl >= 8192 && a + 1 < pruefung.AnzahlAbschnitte()) {
                ASSERT_GE(ende - anfang, groesse - 512) << F << "^" << n;
            }
            anfang = ende;
        }
        EXPECT_EQ(anfang, anzahl) << F << "^" << n;
    }
}

// A stop between sections: what was filtered equals the plain pass there, the rest is untouched.
TEST(KonsistenzPruefung, AStopBetweenSectionsLeavesAFilteredStartAndAnUntouchedRest)
{
    std::mt19937 zufall(51);
    KonsistenzPruefung pruefung;
    static const std::pair<int32_t, int32_t> groessen[] = {{8, 6}, {7, 6}, {5, 7}, {3, 8}, {4, 8}, {6, 4}};
    for (const auto& [F, n] : groessen) {
        const int32_t anzahl = Kombinationen(F, n);
        const std::vector<uint8_t> anfang = Anfangsmenge(anzahl, 0.7, zufall);
        const std::vector<int8_t> rate = ZufallsCode(F, n, zufall);
        const auto [s, w] = Antworten(F, n, rate, zufall)[0];
        Menge einfach(anzahl, anfang);
        KonsistenzFilterEinfach(einfach.bits, F, n, rate.data(), s, w);

        pruefung.Vorbereiten(F, n, rate.data(), s, w);
        const int32_t abschnitte = pruefung.AnzahlAbschnitte();
        for (const int32_t bis : {0, 1, abschnitte / 2 + 1, abschnitte}) {
            if (bis > abschnitte)
                continue;
            Menge menge(anzahl, anfang);
            int32_t entfernt = 0;
            for (int32_t a = 0; a < bis; ++a)
                entfernt += pruefung.Filtern(menge.bits, a);
            const int32_t grenze = bis == 0 ? 0 : pruefung.AbschnittEnde(bis - 1);
            int32_t erwartet = 0;
            for (int32_t i = 0; i < menge.bits.AnzahlBits; ++i) {
                const bool alt = (anfang[static_cast<size_t>(i / 8)] >> (i % 8)) & 1;
                const bool soll = i < grenze ? einfach.bits.TestBit(i) : alt;
                erwartet += alt && !soll;
                ASSERT_EQ(menge.bits.TestBit(i), soll)
                    << F << "^" << n << ", " << bis << " of " << abschnitte << " sections, index " << i;
            }
            EXPECT_EQ(entfernt, erwartet);
        }
    }
}

namespace {

// Records what the game's pass asks and tells; stops before section StoppVor.
struct Begleiter : DurchgangsBegleiter {
    int32_t StoppVor = -1;
    int32_t Fragen = 0;
    std::vector<int32_t> Zaehler;
    bool Gestoppt() override { return Fragen++ == StoppVor; }
    void Fortschritt(int32_t zaehler) override { Zaehler.push_back(zaehler); }
};

} // namespace

// The pass the game runs: the same result as the kernel's, a stop check before each section,
// and a progress report for each new percentage, rising, in steps of 1000 indices.
TEST(SpielDurchgang, FiltersAsTheKernelAndReportsEachNewPercentage)
{
    std::mt19937 zufall(61);
    KonsistenzPruefung pruefung;
    for (const auto& [F, n] : {std::pair{8, 6}, std::pair{5, 7}, std::pair{6, 4}}) {
        const int32_t anzahl = Kombinationen(F, n);
        const std::vector<uint8_t> anfang = Anfangsmenge(anzahl, 1.0, zufall);
        const std::vector<int8_t> rate = ZufallsCode(F, n, zufall);
        const auto [s, w] = Antworten(F, n, rate, zufall)[0];
        Menge kern(anzahl, anfang);
        const int32_t erwartet = KonsistenzFilter(kern.bits, F, n, rate.data(), s, w);

        Menge menge(anzahl, anfang);
        pruefung.Vorbereiten(F, n, rate.data(), s, w);
        Begleiter begleiter;
        int32_t beseitigt = 0;
        int32_t gezeigt = -1;
        ASSERT_TRUE(SpielDurchgang(pruefung, menge.bits, anzahl, false, beseitigt, gezeigt, begleiter));
        EXPECT_EQ(menge.Inhalt(), kern.Inhalt()) << F << "^" << n;
        EXPECT_EQ(begleiter.Fragen, pruefung.AnzahlAbschnitte());
        ASSERT_FALSE(begleiter.Zaehler.empty());
        int32_t prozent = -1;
        for (const int32_t z : begleiter.Zaehler) {
            EXPECT_EQ(z % 1000, 0);
            EXPECT_GT(static_cast<int32_t>(z * 100.0 / anzahl), prozent) << "a percentage reported twice";
            prozent = static_cast<int32_t>(z * 100.0 / anzahl);
        }
        EXPECT_EQ(gezeigt, prozent);
        EXPECT_EQ(begleiter.Zaehler.back(), (anzahl - 1) / 1000 * 1000);

        // The demo counts the codes it removed, across its passes.
        menge.Setzen(anfang);
        Begleiter demo;
        beseitigt = 500;
        gezeigt = -1;
        ASSERT_TRUE(SpielDurchgang(pruefung, menge.bits, anzahl, true, beseitigt, gezeigt, demo));
        EXPECT_EQ(beseitigt, 500 + erwartet);
        if (erwartet >= 1000) {
            EXPECT_EQ(demo.Zaehler.back(), beseitigt / 1000 * 1000);
        }
    }
}

TEST(SpielDurchgang, AStopLeavesTheRestUntouched)
{
    std::mt19937 zufall(62);
    const int32_t F = 8, n = 6, anzahl = Kombinationen(F, n);
    const std::vector<uint8_t> anfang = Anfangsmenge(anzahl, 1.0, zufall);
    const int8_t rate[6] = {0, 1, 2, 3, 4, 5};
    KonsistenzPruefung pruefung;
    pruefung.Vorbereiten(F, n, rate, 1, 2);
    for (const int32_t stopp : {0, 3}) {
        Menge menge(anzahl, anfang);
        Begleiter begleiter;
        begleiter.StoppVor = stopp;
        int32_t beseitigt = 0;
        int32_t gezeigt = -1;
        EXPECT_FALSE(SpielDurchgang(pruefung, menge.bits, anzahl, false, beseitigt, gezeigt, begleiter));
        EXPECT_EQ(begleiter.Fragen, stopp + 1);
        const int32_t grenze = stopp == 0 ? 0 : pruefung.AbschnittEnde(stopp - 1);
        for (int32_t i = grenze; i < anzahl; ++i)
            ASSERT_TRUE(menge.bits.TestBit(i)) << "index " << i << " changed after the stop";
    }
}

// While a phase holds the set, another thread must not touch it. Builds that check this abort.
TEST(BitOperationenBesitz, OnlyThePhaseHoldingTheSetTouchesIt)
{
#if defined(FARBENRATER_BESITZ_PRUEFEN)
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    BitOperationen menge(4096);
    menge.SetAll();
    menge.Uebernehmen();
    menge.ResetBit(3); // the owner itself may
    menge.Freigeben();
    EXPECT_FALSE(menge.TestBit(3));
    EXPECT_DEATH(
        {
            std::thread phase([&] { menge.Uebernehmen(); });
            phase.join();
            menge.TestBit(5);
        },
        "solver phase holds it");
#else
    GTEST_SKIP() << "checked only in debug and sanitizer builds";
#endif
}
