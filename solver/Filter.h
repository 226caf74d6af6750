// The consistency filter: clears every candidate that, taken as the secret, would not answer the
// guess `rate` with exactly (schwarz, weiss). The candidate always plays the secret.
#pragma once

#include <cstdint>

class BitOperationen;

// One whole pass over the indices 0 .. F^n - 1, without stop check or progress.
// Returns how many codes it removed. Bits from F^n upward are left as they are.
// Nobody else may touch the set during the call (it writes whole words without locking).
int32_t KonsistenzFilter(BitOperationen& kandidaten, int32_t F, int32_t n, const int8_t* rate, int32_t schwarz,
                         int32_t weiss);

// The same pass written the plain way (decode every index, score it). Slow; kept as the yardstick
// for tests and benchmarks.
int32_t KonsistenzFilterEinfach(BitOperationen& kandidaten, int32_t F, int32_t n, const int8_t* rate, int32_t schwarz,
                                int32_t weiss);

// A pass cut into sections in ascending index order, so that a caller can check for a stop request
// and show progress between sections. A stop between sections leaves a filtered prefix and an
// untouched rest. Prepare once per answer; the object allocates its tables once, in the constructor.
class KonsistenzPruefung {
public:
    // Geteilt: another thread may clear bits of the same set while a section runs (the turn flow
    // clears a guessed bit while the worker still filters). Every word is then read atomically and
    // changed with an atomic and, so no clear of the other thread is lost. Allein: nobody else
    // touches the set while the pass runs; words are rewritten plainly, which is several times
    // faster on a full first pass.
    enum class Zugriff { Allein, Geteilt };

    KonsistenzPruefung();
    ~KonsistenzPruefung();
    KonsistenzPruefung(const KonsistenzPruefung&) = delete;
    KonsistenzPruefung& operator=(const KonsistenzPruefung&) = delete;

    // F and n from 2 to 8 (any other board gives no sections). An answer no code can give (a
    // negative count, more than n pegs) makes the pass clear every index.
    void Vorbereiten(int32_t F, int32_t n, const int8_t* rate, int32_t schwarz, int32_t weiss,
                     Zugriff zugriff = Zugriff::Geteilt);
    // About 8192 indices per section, fewer for small games; at least one.
    int32_t AnzahlAbschnitte() const;
    // One past the last index of section a; ascending, the last one is F^n.
    int32_t AbschnittEnde(int32_t a) const;
    // Filters section a; returns how many codes it removed. The set must hold at least F^n bits.
    int32_t Filtern(BitOperationen& kandidaten, int32_t a);
    // All sections in one go: the same result as Filtern(0) … Filtern(last), without the calls.
    int32_t AllesFiltern(BitOperationen& kandidaten);

private:
    struct Tabellen;
    Tabellen* T;
};
