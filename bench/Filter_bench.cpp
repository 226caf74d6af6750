// One filter pass, three ways: the fast pass (in one call, and section by section with atomic words
// as the worker thread runs it), the plain pass, and the floor: a single and over the same words,
// which no pass that reads and writes the whole set can beat.
//
// A pass changes the set, so every timed iteration first restores the start set with a memcpy.
// "Zuruecksetzen" times that memcpy alone; subtract it to get the pass itself.

#include "game/Spielzustand.h"
#include "game/Main.h"
#include "solver/BitOperationen.h"
#include "solver/Filter.h"
#include "solver/Ratesuche.h"

#include <benchmark/benchmark.h>
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

void Zuruecksetzen(benchmark::State& state, const Szenario& s)
{
    Messplatz platz(s);
    for (auto _ : state) {
        platz.Zuruecksetzen(s);
        benchmark::ClobberMemory();
    }
}

void Schnell(benchmark::State& state, const Szenario& s)
{
    Messplatz platz(s);
    int64_t entfernt = 0;
    for (auto _ : state) {
        platz.Zuruecksetzen(s);
        entfernt = KonsistenzFilter(platz.Menge, s.F, s.n, s.Rate, s.Schwarz, s.Weiss);
        benchmark::ClobberMemory();
    }
    state.counters["entfernt"] = static_cast<double>(entfernt);
}

// Section by section, as the worker thread runs a pass.
void SchnellAbschnitte(benchmark::State& state, const Szenario& s, KonsistenzPruefung::Zugriff zugriff)
{
    Messplatz platz(s);
    KonsistenzPruefung pruefung;
    for (auto _ : state) {
        platz.Zuruecksetzen(s);
        pruefung.Vorbereiten(s.F, s.n, s.Rate, s.Schwarz, s.Weiss, zugriff);
        for (int32_t a = 0; a < pruefung.AnzahlAbschnitte(); ++a)
            pruefung.Filtern(platz.Menge, a);
        benchmark::ClobberMemory();
    }
}

void Einfach(benchmark::State& state, const Szenario& s)
{
    Messplatz platz(s);
    for (auto _ : state) {
        platz.Zuruecksetzen(s);
        KonsistenzFilterEinfach(platz.Menge, s.F, s.n, s.Rate, s.Schwarz, s.Weiss);
        benchmark::ClobberMemory();
    }
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
        benchmark::RegisterBenchmark(("Schnell/" + s.Name).c_str(), Schnell, s)->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("AbschnitteAllein/" + s.Name).c_str(), SchnellAbschnitte, s,
                                     KonsistenzPruefung::Zugriff::Allein)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("AbschnitteGeteilt/" + s.Name).c_str(), SchnellAbschnitte, s,
                                     KonsistenzPruefung::Zugriff::Geteilt)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("Zuruecksetzen/" + s.Name).c_str(), Zuruecksetzen, s)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("Boden/" + s.Name).c_str(), Boden, s)->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("Einfach/" + s.Name).c_str(), Einfach, s)->Unit(benchmark::kMicrosecond);
    }
    return true;
}();

} // namespace
