// SPDX-License-Identifier: GPL-3.0-or-later
// Plays many games without windows, with the game's own steps: guess search, score the guess
// against the secret, clear the guess, filter by the answer, until all black. Prints how many
// guesses the games took, the time per game and the processor time per move (the worker's filter
// pass for the last answer and the search for the next guess).
//
//   farbenrater_statistik [Farben Stellen Spiele Saat [Spieler [Mindestfarben]]]
//
// defaults: 6 4 10000 1 demo. Spieler: demo (the demo's search, 10 draws), computer (mode
// "Computer", 1000 draws) or stark (Optionen → Starker Computer). Spiele "alle": every secret once,
// in index order. Mindestfarben: only secrets with at least that many different colours.

#include "game/Main.h"
#include "game/Spielzustand.h"
#include "solver/BitOperationen.h"
#include "solver/Filter.h"
#include "solver/Ratesuche.h"
#include "solver/StarkeRatesuche.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int32_t DemoGrenze = 10;       // draws per guess, as the demo makes them
constexpr int32_t ComputerGrenze = 1000; // and as mode "Computer" makes them
constexpr int32_t Zeilen = 12;           // rows on the board

int32_t Argument(int argc, char** argv, int i, int32_t vorgabe)
{
    return argc > i ? static_cast<int32_t>(std::strtol(argv[i], nullptr, 10)) : vorgabe;
}

int32_t Farbenzahl(const int8_t* code, int32_t n)
{
    uint32_t farben = 0;
    for (int32_t p = 0; p < n; ++p)
        farben |= 1u << code[p];
    return std::popcount(farben);
}

// The time this thread has run, in ms: a move's cost on the worker, whatever else the shared
// machine runs meanwhile.
double Rechenzeit()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    const int32_t F = Argument(argc, argv, 1, 6);
    const int32_t n = Argument(argc, argv, 2, 4);
    const bool alle = argc > 3 && std::strcmp(argv[3], "alle") == 0;
    const int32_t saat = Argument(argc, argv, 4, 1);
    const char* spieler = argc > 5 ? argv[5] : "demo";
    const int32_t mindestFarben = Argument(argc, argv, 6, 0);
    const bool stark = std::strcmp(spieler, "stark") == 0;
    const int32_t grenze = std::strcmp(spieler, "computer") == 0 ? ComputerGrenze : DemoGrenze;
    const int32_t spiele = alle ? Kombinationen(F, n) : Argument(argc, argv, 3, 10000);
    if (F < 2 || F > 8 || n < 2 || n > 8 || spiele < 1 || mindestFarben > std::min(F, n) ||
        (!stark && grenze == DemoGrenze && std::strcmp(spieler, "demo") != 0)) {
        std::fprintf(stderr,
                     "Aufruf: %s [Farben 2..8] [Stellen 2..8] [Spiele|alle] [Saat] [demo|computer|stark] "
                     "[Mindestfarben]\n",
                     argv[0]);
        return 2;
    }

    std::mt19937 zufall(static_cast<std::mt19937::result_type>(saat));
    auto ziehen = [&zufall] { return static_cast<int32_t>(zufall() >> 1); }; // 31-bit, like Zufallszahl
    const int32_t anzahl = Kombinationen(F, n);
    BitOperationen kandidaten(MaxKombinationen);

    std::map<int32_t, int32_t> verteilung; // guesses -> games
    std::vector<double> zugZeiten;         // ms per move: the filter of the last answer and the search
    int64_t summe = 0;
    int32_t hoechstens = 0;
    const auto anfang = std::chrono::steady_clock::now();
    for (int32_t spiel = 0; spiel < spiele; ++spiel) {
        kandidaten.SetAll();
        int32_t geheimIndex = 0;
        int8_t geheim[10];
        do {
            geheimIndex = alle ? spiel : ziehen() % anzahl;
            IndexZuCode(F, n, geheimIndex, geheim);
        } while (!alle && Farbenzahl(geheim, n) < mindestFarben);
        if (alle && Farbenzahl(geheim, n) < mindestFarben)
            continue;
        int32_t zuege = 0;
        double filterZeit = 0.0;
        for (;;) {
            const double suche = Rechenzeit();
            const int32_t index =
                stark ? StarkenRateCodeSuchen(kandidaten, F, n, anzahl, ziehen, [](int32_t, int32_t) { return true; })
                      : RateCodeSuchen(kandidaten, anzahl, grenze, ziehen);
            zugZeiten.push_back(filterZeit + Rechenzeit() - suche);
            int8_t rate[10];
            IndexZuCode(F, n, index, rate);
            ++zuege;
            int32_t schwarz = 0;
            int32_t weiss = 0;
            BewerteCode(geheim, rate, n, schwarz, weiss);
            if (schwarz == n)
                break;
            const double filter = Rechenzeit();
            kandidaten.ResetBit(index);
            KonsistenzFilter(kandidaten, F, n, rate, schwarz, weiss);
            filterZeit = Rechenzeit() - filter;
            if (!kandidaten.TestBit(geheimIndex)) {
                // The secret always answers a guess the way it did; losing it is a filter fault.
                std::fprintf(stderr, "Fehler: Geheimcode %d in Spiel %d nach Zug %d entfernt\n", geheimIndex, spiel,
                             zuege);
                return 1;
            }
        }
        ++verteilung[zuege];
        summe += zuege;
        hoechstens = std::max(hoechstens, zuege);
    }
    const double sekunden = std::chrono::duration<double>(std::chrono::steady_clock::now() - anfang).count();

    int32_t ueberZeilen = 0;
    for (const auto& [zuege, anzahlSpiele] : verteilung)
        if (zuege > Zeilen)
            ueberZeilen += anzahlSpiele;
    int32_t gespielt = 0;
    for (const auto& [zuege, anzahlSpiele] : verteilung)
        gespielt += anzahlSpiele;
    std::sort(zugZeiten.begin(), zugZeiten.end());
    std::printf("Farben %d, Stellen %d, Spiele %d, Saat %d, Spieler %s", F, n, gespielt, saat, spieler);
    if (mindestFarben > 0)
        std::printf(", Geheimcodes mit mindestens %d Farben", mindestFarben);
    std::printf("\n");
    std::printf("Rateversuche: Mittel %.3f, hoechstens %d, mehr als %d Zeilen in %d Spielen\n",
                static_cast<double>(summe) / gespielt, hoechstens, Zeilen, ueberZeilen);
    std::printf("Zeit je Spiel: %.3f ms (gesamt %.2f s)\n", sekunden * 1000.0 / gespielt, sekunden);
    std::printf("Rechenzeit je Zug (Filter und Suche): Median %.3f ms, hoechstens %.3f ms\n",
                zugZeiten[zugZeiten.size() / 2], zugZeiten.back());
    std::printf("Versuche  Spiele  Anteil\n");
    for (const auto& [zuege, anzahlSpiele] : verteilung)
        std::printf("%8d  %6d  %5.1f %%\n", zuege, anzahlSpiele, 100.0 * anzahlSpiele / gespielt);
    return 0;
}
