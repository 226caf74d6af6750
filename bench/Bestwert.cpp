// SPDX-License-Identifier: GPL-3.0-or-later
// The fewest guesses in all that any player needs to find every secret of a small board when each
// of its guesses must be a code still possible (one that answers every earlier guess as the secret
// did): an exact search over every such play, scored with the game's own rule (BewerteCode), with
// no sampling and no shortcut of the strong player's. Renaming colours or reordering places changes
// no answer, so a first guess matters only by how often it uses each colour; every such pattern is
// tried, and the least total over all secrets is the best any player of that kind can do.
//
//   farbenrater_bestwert [Farben Stellen]
//
// defaults: 6 4; boards of at most 2 000 codes (6 × 4 takes a minute).

#include "game/Main.h"
#include "game/Spielzustand.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <unordered_map>
#include <vector>

namespace {

constexpr int32_t Klassen = 9 * 9; // answers as schwarz * 9 + weiss

struct MengenHash {
    size_t operator()(const std::vector<int32_t>& menge) const
    {
        size_t h = 1469598103934665603ull;
        for (const int32_t i : menge)
            h = (h ^ static_cast<size_t>(i)) * 1099511628211ull;
        return h;
    }
};

struct Bestwert {
    int32_t Anzahl = 0;
    std::vector<uint8_t> Antwort; // Antwort[g * Anzahl + s]: the answer to guess g when s is the secret
    std::unordered_map<std::vector<int32_t>, int32_t, MengenHash> Bekannt;

    // The classes the codes of menge other than g fall into under guess g, in the order of menge.
    std::vector<std::vector<int32_t>> Teilen(const std::vector<int32_t>& menge, int32_t g) const
    {
        std::vector<std::vector<int32_t>> klassen(Klassen);
        for (const int32_t s : menge)
            if (s != g)
                klassen[Antwort[static_cast<size_t>(g) * Anzahl + s]].push_back(s);
        return klassen;
    }

    // The guesses in all that finding every secret of menge takes after guessing g first.
    int32_t Nach(const std::vector<int32_t>& menge, int32_t g, int32_t schranke)
    {
        const auto klassen = Teilen(menge, g);
        // Every code of a class of k needs another guess and all but one of them a third: 2k - 1.
        int32_t summe = static_cast<int32_t>(menge.size());
        for (const auto& klasse : klassen)
            if (!klasse.empty())
                summe += 2 * static_cast<int32_t>(klasse.size()) - 1;
        for (const auto& klasse : klassen) {
            if (summe >= schranke)
                return summe;
            if (!klasse.empty())
                summe += Wenigste(klasse) - (2 * static_cast<int32_t>(klasse.size()) - 1);
        }
        return summe;
    }

    // The fewest guesses in all that finding every secret of menge takes, guessing only its codes.
    int32_t Wenigste(const std::vector<int32_t>& menge)
    {
        if (menge.size() <= 2)
            return menge.size() == 1 ? 1 : 3;
        if (const auto it = Bekannt.find(menge); it != Bekannt.end())
            return it->second;
        int32_t beste = INT32_MAX;
        for (const int32_t g : menge)
            beste = std::min(beste, Nach(menge, g, beste));
        Bekannt.emplace(menge, beste);
        return beste;
    }
};

// Every way to split n places among at most F colours, the biggest part first.
void Muster(int32_t rest, int32_t hoechstens, int32_t farben, std::vector<int32_t>& weg,
            std::vector<std::vector<int32_t>>& ziel)
{
    if (rest == 0) {
        ziel.push_back(weg);
        return;
    }
    for (int32_t t = std::min(rest, hoechstens); t >= 1 && farben > 0; --t) {
        weg.push_back(t);
        Muster(rest - t, t, farben - 1, weg, ziel);
        weg.pop_back();
    }
}

} // namespace

int main(int argc, char** argv)
{
    const int32_t F = argc > 1 ? static_cast<int32_t>(std::strtol(argv[1], nullptr, 10)) : 6;
    const int32_t n = argc > 2 ? static_cast<int32_t>(std::strtol(argv[2], nullptr, 10)) : 4;
    if (F < 2 || F > 8 || n < 2 || n > 8 || Kombinationen(F, n) > 2000) {
        std::fprintf(stderr, "Aufruf: %s [Farben 2..8] [Stellen 2..8], hoechstens 2000 Codes\n", argv[0]);
        return 2;
    }
    Bestwert b;
    b.Anzahl = Kombinationen(F, n);
    b.Antwort.resize(static_cast<size_t>(b.Anzahl) * b.Anzahl);
    int8_t rate[10];
    int8_t geheim[10];
    for (int32_t g = 0; g < b.Anzahl; ++g) {
        IndexZuCode(F, n, g, rate);
        for (int32_t s = 0; s < b.Anzahl; ++s) {
            IndexZuCode(F, n, s, geheim);
            int32_t schwarz = 0;
            int32_t weiss = 0;
            BewerteCode(geheim, rate, n, schwarz, weiss);
            b.Antwort[static_cast<size_t>(g) * b.Anzahl + s] = static_cast<uint8_t>(schwarz * 9 + weiss);
        }
    }
    std::vector<int32_t> alle(static_cast<size_t>(b.Anzahl));
    for (int32_t i = 0; i < b.Anzahl; ++i)
        alle[i] = i;
    std::vector<std::vector<int32_t>> muster;
    std::vector<int32_t> weg;
    Muster(n, n, F, weg, muster);
    int32_t beste = INT32_MAX;
    std::printf("Farben %d, Stellen %d: Rateversuche in allen %d Spielen bei bestem Spiel\n", F, n, b.Anzahl);
    for (const auto& teile : muster) {
        // The pattern's first guess: colour 0 as often as the first part says, then colour 1, …
        int32_t index = 0;
        int32_t stelle = 0;
        std::printf("erster Rateversuch");
        for (size_t farbe = 0; farbe < teile.size(); ++farbe)
            for (int32_t t = 0; t < teile[farbe]; ++t, ++stelle) {
                int32_t wert = static_cast<int32_t>(farbe);
                for (int32_t p = 0; p < stelle; ++p)
                    wert *= F;
                index += wert;
                std::printf(" %zu", farbe);
            }
        const int32_t summe = b.Nach(alle, index, INT32_MAX);
        beste = std::min(beste, summe);
        std::printf(": %d, Mittel %.4f\n", summe, static_cast<double>(summe) / b.Anzahl);
        std::fflush(stdout);
    }
    std::printf("Bestwert: %d, Mittel %.4f\n", beste, static_cast<double>(beste) / b.Anzahl);
    return 0;
}
