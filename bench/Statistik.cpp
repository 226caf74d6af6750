// SPDX-License-Identifier: GPL-3.0-or-later
// Plays many demo games without windows, with the game's own steps: guess search with 10 draws,
// score the guess against the secret, clear the guess, filter by the answer, until all black.
// Prints how many guesses the games took and the time per game.
//
//   farbenrater_statistik [Farben Stellen Spiele Saat]     defaults: 6 4 10000 1

#include "game/Main.h"
#include "game/Spielzustand.h"
#include "solver/BitOperationen.h"
#include "solver/Filter.h"
#include "solver/Ratesuche.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <string>

namespace {

constexpr int32_t DemoGrenze = 10; // draws per guess, as the demo makes them
constexpr int32_t Zeilen = 12;     // rows on the board

int32_t Argument(int argc, char** argv, int i, int32_t vorgabe)
{
    return argc > i ? static_cast<int32_t>(std::strtol(argv[i], nullptr, 10)) : vorgabe;
}

} // namespace

int main(int argc, char** argv)
{
    const int32_t F = Argument(argc, argv, 1, 6);
    const int32_t n = Argument(argc, argv, 2, 4);
    const int32_t spiele = Argument(argc, argv, 3, 10000);
    const int32_t saat = Argument(argc, argv, 4, 1);
    if (F < 2 || F > 8 || n < 2 || n > 8 || spiele < 1) {
        std::fprintf(stderr, "Aufruf: %s [Farben 2..8] [Stellen 2..8] [Spiele] [Saat]\n", argv[0]);
        return 2;
    }

    std::mt19937 zufall(static_cast<std::mt19937::result_type>(saat));
    auto ziehen = [&zufall] { return static_cast<int32_t>(zufall() >> 1); }; // 31-bit, like Zufallszahl
    const int32_t anzahl = Kombinationen(F, n);
    BitOperationen kandidaten(MaxKombinationen);

    std::map<int32_t, int32_t> verteilung; // guesses -> games
    int64_t summe = 0;
    int32_t hoechstens = 0;
    const auto anfang = std::chrono::steady_clock::now();
    for (int32_t spiel = 0; spiel < spiele; ++spiel) {
        kandidaten.SetAll();
        const int32_t geheimIndex = ziehen() % anzahl;
        int8_t geheim[10];
        IndexZuCode(F, n, geheimIndex, geheim);
        int32_t zuege = 0;
        for (;;) {
            const int32_t index = RateCodeSuchen(kandidaten, anzahl, DemoGrenze, ziehen);
            int8_t rate[10];
            IndexZuCode(F, n, index, rate);
            ++zuege;
            int32_t schwarz = 0;
            int32_t weiss = 0;
            BewerteCode(geheim, rate, n, schwarz, weiss);
            if (schwarz == n)
                break;
            kandidaten.ResetBit(index);
            KonsistenzFilter(kandidaten, F, n, rate, schwarz, weiss);
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
    std::printf("Farben %d, Stellen %d, Spiele %d, Saat %d\n", F, n, spiele, saat);
    std::printf("Rateversuche: Mittel %.3f, hoechstens %d, mehr als %d Zeilen in %d Spielen\n",
                static_cast<double>(summe) / spiele, hoechstens, Zeilen, ueberZeilen);
    std::printf("Zeit je Spiel: %.3f ms (gesamt %.2f s)\n", sekunden * 1000.0 / spiele, sekunden);
    std::printf("Versuche  Spiele  Anteil\n");
    for (const auto& [zuege, anzahlSpiele] : verteilung)
        std::printf("%8d  %6d  %5.1f %%\n", zuege, anzahlSpiele, 100.0 * anzahlSpiele / spiele);
    return 0;
}
