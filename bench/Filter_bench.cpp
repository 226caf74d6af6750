// SPDX-License-Identifier: GPL-3.0-or-later
// One filter pass, four ways: the kernel's pass (KonsistenzFilter), the pass the game runs (in
// sections, with the worker's stop check and progress report), the plain pass that decodes and
// scores every index, and the floor: a single and over the same words, which no pass that reads
// and writes the whole set can beat.
//
// A pass changes the set, so every iteration first restores the start set; only the pass itself
// is timed (manual timing), so the figures of one run compare directly.

#include "game/Main.h"
#include "game/Spielzustand.h"
#include "solver/BitOperationen.h"
#include "solver/Filter.h"
#include "solver/Ratesuche.h"

#include <atomic>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

struct Szenario {
    std::string Name;
    int32_t F;
    int32_t n;
    int8_t Rate[10];
    int32_t Schwarz;
    int32_t Weiss;
    std::vector<uint64_t> Anfang; // the set before the pass, as words
};

std::string CodeText(const int8_t* code, int32_t n)
{
    std::string text;
    for (int32_t i = 0; i < n; ++i)
        text += static_cast<char>('0' + code[i]);
    return text;
}

// A first answer of a game on the full set, or (zweiter) the answer to the next guess of the same
// game on what the first answer left: the set the second pass of a demo game meets.
Szenario SzenarioBauen(int32_t F, int32_t n, bool zweiter, uint32_t saat)
{
    std::mt19937 zufall(saat);
    auto ziehen = [&zufall] { return static_cast<int32_t>(zufall() >> 1); };
    const int32_t anzahl = Kombinationen(F, n);
    BitOperationen menge(anzahl);
    menge.SetAll();
    int8_t geheim[10];
    IndexZuCode(F, n, ziehen() % anzahl, geheim);

    Szenario s{};
    s.F = F;
    s.n = n;
    for (int32_t zug = 0; zug <= (zweiter ? 1 : 0); ++zug) {
        if (zug > 0)
            KonsistenzFilter(menge, F, n, s.Rate, s.Schwarz, s.Weiss);
        IndexZuCode(F, n, RateCodeSuchen(menge, anzahl, 10, ziehen), s.Rate);
        BewerteCode(geheim, s.Rate, n, s.Schwarz, s.Weiss);
    }
    s.Anfang.assign(menge.Woerter(), menge.Woerter() + menge.AnzahlWoerter());
    s.Name = std::to_string(F) + "^" + std::to_string(n) + (zweiter ? "/zweiter" : "/voll");
    benchmark::AddCustomContext(s.Name, "Rate " + CodeText(s.Rate, n) + " Antwort " + std::to_string(s.Schwarz) + "/" +
                                            std::to_string(s.Weiss));
    return s;
}

struct Messplatz {
    BitOperationen Menge;
    explicit Messplatz(const Szenario& s) : Menge(Kombinationen(s.F, s.n)) {}
    void Zuruecksetzen(const Szenario& s)
    {
        std::memcpy(Menge.Woerter(), s.Anfang.data(), s.Anfang.size() * sizeof(uint64_t));
    }
};

// Times pass() alone, after the set has been restored outside the timed region.
template <class Durchgang> void Messen(benchmark::State& state, const Szenario& s, Durchgang durchgang)
{
    Messplatz platz(s);
    for (auto _ : state) {
        platz.Zuruecksetzen(s);
        benchmark::ClobberMemory();
        const auto anfang = std::chrono::steady_clock::now();
        durchgang(platz.Menge);
        benchmark::ClobberMemory();
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - anfang).count());
    }
}

void Kern(benchmark::State& state, const Szenario& s)
{
    int32_t entfernt = 0;
    Messen(state, s,
           [&](BitOperationen& menge) { entfernt = KonsistenzFilter(menge, s.F, s.n, s.Rate, s.Schwarz, s.Weiss); });
    state.counters["entfernt"] = static_cast<double>(entfernt);
}

// What the worker thread does around the pass: before each section it asks whether the job has
// been stopped (an atomic job number and the terminate flag), and for each new percentage it hands
// the count over, posting a report only when none is still on its way. The main thread takes its
// time to wake, so during one pass the first report goes out and the later ones find it pending.
struct WieDerArbeitsthread : DurchgangsBegleiter {
    std::atomic<uint32_t> Nummer{1};
    std::atomic<bool> Beenden{false};
    uint32_t JobNummer = 1;
    std::atomic<int32_t> Gemeldet{0};
    std::atomic<bool> Unterwegs{false};
    int32_t Posten = 0;
    bool Gestoppt() override
    {
        return Nummer.load(std::memory_order_acquire) != JobNummer || Beenden.load(std::memory_order_acquire);
    }
    void Fortschritt(int32_t zaehler) override
    {
        Gemeldet.store(zaehler, std::memory_order_relaxed);
        if (!Unterwegs.exchange(true, std::memory_order_acq_rel))
            ++Posten;
    }
};

void Spiel(benchmark::State& state, const Szenario& s)
{
    KonsistenzPruefung pruefung;
    WieDerArbeitsthread begleiter;
    Messen(state, s, [&](BitOperationen& menge) {
        pruefung.Vorbereiten(s.F, s.n, s.Rate, s.Schwarz, s.Weiss);
        int32_t beseitigt = 0;
        int32_t gezeigt = -1;
        begleiter.Unterwegs.store(false, std::memory_order_relaxed);
        SpielDurchgang(pruefung, menge, Kombinationen(s.F, s.n), false, beseitigt, gezeigt, begleiter);
    });
    state.counters["Abschnitte"] = static_cast<double>(pruefung.AnzahlAbschnitte());
}

void Einfach(benchmark::State& state, const Szenario& s)
{
    Messen(state, s,
           [&](BitOperationen& menge) { KonsistenzFilterEinfach(menge, s.F, s.n, s.Rate, s.Schwarz, s.Weiss); });
}

// The floor gets the wider instruction set too, as the filter does at run time.
#if defined(__x86_64__) && !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)
__attribute__((target_clones("arch=x86-64-v3", "default")))
#endif
void UndDurchgang(uint64_t* woerter, size_t anzahl, uint64_t maske)
{
    for (size_t w = 0; w < anzahl; ++w)
        woerter[w] &= maske;
}

void Boden(benchmark::State& state, const Szenario& s)
{
    Messplatz platz(s);
    platz.Zuruecksetzen(s);
    const size_t woerter = (static_cast<size_t>(Kombinationen(s.F, s.n)) + 63) / 64;
    uint64_t maske = ~uint64_t{0};
    for (auto _ : state) {
        benchmark::DoNotOptimize(maske); // unknown to the compiler, so the pass cannot be folded away
        UndDurchgang(platz.Menge.Woerter(), woerter, maske);
        benchmark::ClobberMemory();
    }
}

const std::vector<Szenario>& Szenarien()
{
    static const std::vector<Szenario> alle = {
        SzenarioBauen(8, 8, false, 1), SzenarioBauen(8, 8, true, 1),  SzenarioBauen(8, 6, false, 2),
        SzenarioBauen(7, 8, false, 3), SzenarioBauen(6, 4, false, 4),
    };
    return alle;
}

const bool Angemeldet = [] {
    for (const Szenario& s : Szenarien()) {
        for (const auto& [art, funktion] :
             {std::pair{"Kern/", &Kern}, std::pair{"Spiel/", &Spiel}, std::pair{"Einfach/", &Einfach}})
            benchmark::RegisterBenchmark((art + s.Name).c_str(), funktion, s)
                ->UseManualTime()
                ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("Boden/" + s.Name).c_str(), Boden, s)->Unit(benchmark::kMicrosecond);
    }
    return true;
}();

} // namespace
