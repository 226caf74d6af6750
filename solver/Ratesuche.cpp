// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/Ratesuche.h"

#include "solver/BitOperationen.h"

#include <bit>

namespace {

// The lowest set index below anzahl, or -1. Word by word: after a few answers the set is almost
// empty, and 64 indices per step make the fallback cheap even for 8^8 codes.
int32_t NiedrigsterKandidat(const BitOperationen& kandidaten, int32_t anzahl)
{
    // Plain reads: the set belongs to the running phase, and nobody else touches it meanwhile.
    const uint64_t* woerter = kandidaten.Woerter();
    const int32_t ganze = anzahl / 64;
    for (int32_t w = 0; w < ganze; ++w)
        if (const uint64_t wort = woerter[w])
            return w * 64 + std::countr_zero(wort);
    if (const int32_t rest = anzahl % 64) {
        const uint64_t wort = woerter[ganze] & ((uint64_t{1} << rest) - 1); // bits from anzahl on do not count
        if (wort)
            return ganze * 64 + std::countr_zero(wort);
    }
    return -1;
}

} // namespace

int32_t RateCodeSuchen(const BitOperationen& kandidaten, int32_t anzahl, int32_t grenze,
                       const std::function<int32_t()>& ziehen, int32_t* zuege)
{
    int32_t gezogen = 0;
    int32_t index = 0;
    do {
        index = ziehen() % anzahl;
        ++gezogen;
    } while (!kandidaten.TestBit(index) && gezogen < grenze);
    if (!kandidaten.TestBit(index)) {
        const int32_t niedrigster = NiedrigsterKandidat(kandidaten, anzahl);
        if (niedrigster >= 0)
            index = niedrigster;
    }
    if (zuege)
        *zuege = gezogen;
    return index;
}
