// SPDX-License-Identifier: GPL-3.0-or-later
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
// Nobody else may touch the set while a section runs.
class KonsistenzPruefung {
public:
    KonsistenzPruefung();
    ~KonsistenzPruefung();
    KonsistenzPruefung(const KonsistenzPruefung&) = delete;
    KonsistenzPruefung& operator=(const KonsistenzPruefung&) = delete;

    // F and n from 2 to 8 (any other board gives no sections). An answer no code can give (a
    // negative count, more than n pegs) makes the pass clear every index.
    void Vorbereiten(int32_t F, int32_t n, const int8_t* rate, int32_t schwarz, int32_t weiss);
    // About a hundredth of F^n per section, but about 8192 indices at the least (fewer only for
    // small games, which have one section).
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

// What the game's pass asks and tells while it runs: whether to stop before each section, and how
// far it has come whenever the shown percentage moves.
class DurchgangsBegleiter {
public:
    virtual bool Gestoppt() = 0;
    virtual void Fortschritt(int32_t zaehler) = 0;

protected:
    ~DurchgangsBegleiter() = default;
};

// The pass as the game runs it, over a prepared check: section by section in ascending order. The
// bar counts what a scan index by index would show, the last multiple of 1000 reached: indices
// scanned, or in the demo (demo) the codes removed, which `beseitigt` carries from pass to pass.
// `gezeigt` is the percentage last reported (-1 at the start of a phase). False when stopped.
bool SpielDurchgang(KonsistenzPruefung& pruefung, BitOperationen& kandidaten, int32_t anzahl, bool demo,
                    int32_t& beseitigt, int32_t& gezeigt, DurchgangsBegleiter& begleiter);
