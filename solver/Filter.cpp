// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/Filter.h"

#include "game/Main.h"
#include "solver/BitOperationen.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <cstddef>

// How the fast pass works.
//
// For a candidate c (secret role) and the guess g, black counts the places with c[k] == g[k], and
// black + white is the number of guess places whose colour occurs anywhere in c. The latter only
// depends on the set of colours in c, restricted to the colours of the guess: with cnt(x) the
// number of guess places of colour x, black + white = Gewicht(colours of c) = sum of cnt(x) over
// those colours. So a candidate stays exactly when its black count is schwarz and its colour set
// weighs schwarz + weiss.
//
// The index is cut into the low digits 0 .. Tief-1 and the high digits above. Given what the high
// digits contributed (b blacks, colour set m), the fate of all F^Tief low codes is one fixed
// bitmap. These bitmaps are built level by level for every (b, m) once per answer; the pass then
// walks the high combinations in ascending order, looks up the bitmap by the key (b, m) and ands
// it into the set. For F = 2, 4 and 8 a bitmap is exactly F whole words, so the pass is "and every
// block with its bitmap". For the other colour counts the bitmaps (27, 25, 36 or 49 bits) are
// strung together in a 64-bit buffer and and-ed into the set word by word.
//
// Colour sets are masks over the guess's own colours only, numbered densely (a guess of three
// colours has 8 sets, not 256), and only black counts that can still end at schwarz get rows.

// Function clones are an x86-64 matter; elsewhere the one portable build of the pass is used.
#if defined(FARBENRATER_ZIELKLONE) && defined(__x86_64__)
#define FILTER_ZIELKLONE __attribute__((target_clones("arch=x86-64-v3", "default")))
#else
#define FILTER_ZIELKLONE
#endif

namespace {

constexpr int32_t MaxStellen = 8;
constexpr int32_t Masken = 256;                      // colour sets: masks over up to 8 guess colours
constexpr int32_t MaxZeilen = MaxStellen + 1;        // black counts 0 .. 8
constexpr int32_t MaxBlockWoerter = 8;               // F = 8: 512-bit bitmaps
constexpr int32_t AbschnittMindestens = 8192;        // indices per section, about, at the least
constexpr int32_t MaxHochStellen = 3;                // digits per key table: at most 8^3 entries
constexpr uint32_t SchwarzEins = 1u << 8;            // key layout: (black << 8) | colour set
constexpr uint32_t NullEintrag = MaxZeilen * Masken; // behind every real entry

int32_t Potenz(int32_t basis, int32_t exponent)
{
    int32_t p = 1;
    for (int32_t i = 0; i < exponent; ++i)
        p *= basis;
    return p;
}

struct FilterTabellen {
    // Layout of this pass.
    int32_t Anzahl = 0;       // F^n
    int32_t BlockWoerter = 0; // F for the word-aligned colour counts, 0 when bitmaps are strung
    int32_t StueckBits = 0;   // F^Tief: indices covered by one bitmap
    int32_t FL = 1;           // F^(digits in KL)
    int32_t HochAnzahl = 0;   // number of high combinations, F^(n - Tief)
    int32_t ProAbschnitt = 1; // high combinations per section
    int32_t Abschnitte = 0;   // none before the first Vorbereiten

    // A key k = (b << 8) | m is valid when k - KeyUnten < KeySpanne; any other key (too many or too
    // few blacks for the answer, or an answer no code gives) means "clear all".
    uint32_t KeyUnten = 0;
    uint32_t KeySpanne = 0;

    // Keys of the high digits: KL for the lower up to three of them, KU for the rest.
    uint32_t KL[Masken * 2];
    uint32_t KU[Masken * 2];

    // A row of zeros: stands for a black count that can no longer end at the answer's.
    uint64_t NullZeile[Masken] = {};

    // Bitmaps of up to 64 bits, two levels alternately: entry (b - lo) * 256 + m. Entry
    // NullEintrag is all zero and stands for every invalid key, so the pass needs no branch there.
    uint64_t Stufe[2][NullEintrag + 1];
    const uint64_t* Eintraege = nullptr; // the level the strung pass reads

    // Bitmaps of whole words for F = 2, 4, 8: entry e at Block[e * F], and its number of set bits.
    alignas(64) uint64_t Block[(NullEintrag + 1) * MaxBlockWoerter];
    int32_t BlockAnzahl[NullEintrag + 1];
};

// One word of the set and-ed with maske; returns how many bits it cleared.
[[gnu::always_inline]] inline int32_t WortFiltern(uint64_t& wort, uint64_t maske)
{
    const uint64_t alt = wort;
    const uint64_t weg = alt & ~maske;
    if (weg == 0)
        return 0;
    wort = alt & maske;
    return std::popcount(weg);
}

// Words seen as vectors of up to four (two SSE or one AVX register, whichever the clone has).
// may_alias: the set is stored as uint64_t; aligned(8): blocks start on any word.
template <int N> using WortVektor [[gnu::vector_size(8 * N), gnu::aligned(8), gnu::may_alias]] = uint64_t;

// The table entry of a key: itself when valid, else the zero entry. Written with masks, because
// valid and invalid keys alternate without a pattern and a branch would be mispredicted often.
[[gnu::always_inline]] inline uint32_t Eintrag(uint32_t idx, uint32_t spanne)
{
    const uint32_t gueltig = 0u - static_cast<uint32_t>(idx < spanne);
    return (idx & gueltig) | (NullEintrag & ~gueltig);
}

// Folds the lanes of a vector by halves (with | or &); the result ends up in every lane.
template <int N, bool oder> [[gnu::always_inline]] inline uint64_t Falten(const WortVektor<N>& eingang)
{
    using V = WortVektor<N>;
    V v = eingang;
    if constexpr (N == 4) {
        const V halb = __builtin_shuffle(v, V{2, 3, 0, 1});
        v = oder ? v | halb : v & halb;
        const V paar = __builtin_shuffle(v, V{1, 0, 3, 2});
        v = oder ? v | paar : v & paar;
    } else if constexpr (N == 2) {
        const V paar = __builtin_shuffle(v, V{1, 0});
        v = oder ? v | paar : v & paar;
    }
    return v[0];
}

// A block with some bits set: and it word by word and count what goes. The table and the set never
// overlap (restrict lets the compiler load ahead), and two counts keep the adds from forming one
// long chain across the blocks.
template <int WB>
[[gnu::always_inline]] inline int32_t GemischtFiltern(uint64_t* __restrict w, const uint64_t* __restrict e)
{
    int32_t gerade = 0;
    int32_t ungerade = 0;
    for (int j = 0; j < WB; j += 2) {
        const uint64_t a0 = w[j];
        const uint64_t a1 = w[j + 1];
        w[j] = a0 & e[j];
        w[j + 1] = a1 & e[j + 1];
        gerade += std::popcount(a0 & ~e[j]);
        ungerade += std::popcount(a1 & ~e[j + 1]);
    }
    return gerade + ungerade;
}

// High combinations h0 .. h1-1, each one block of WB words.
template <int WB>
[[gnu::always_inline]] inline int32_t BloeckeFilternKern(const FilterTabellen& t, uint64_t* woerter, int32_t h0,
                                                         int32_t h1)
{
    constexpr int VB = WB < 4 ? WB : 4; // words per vector
    constexpr int NV = WB / VB;         // vectors per block
    using V = WortVektor<VB>;
    int32_t entfernt = 0;
    int32_t u = h0 / t.FL;
    int32_t l = h0 % t.FL;
    uint64_t* w = woerter + static_cast<size_t>(h0) * WB;
    const uint64_t* const block = t.Block;
    const uint32_t spanne = t.KeySpanne;
    for (int32_t h = h0; h < h1; l = 0, ++u) {
        const uint32_t kum = t.KU[u] & (SchwarzEins - 1);
        const uint32_t kub = (t.KU[u] & ~(SchwarzEins - 1)) - t.KeyUnten;
        const int32_t lEnde = std::min(t.FL, l + (h1 - h));
        h += lEnde - l;
        for (; l < lEnde; ++l, w += WB) {
            const uint32_t idx = Eintrag((t.KL[l] | kum) + kub, spanne);
            const uint64_t* e = block + static_cast<size_t>(idx) * WB;
            V und;
            V oder;
            for (int i = 0; i < NV; ++i) {
                const V alt = *reinterpret_cast<const V*>(w + i * VB);
                und = i == 0 ? alt : und & alt;
                oder = i == 0 ? alt : oder | alt;
            }
            if (Falten<VB, false>(und) == ~uint64_t{0}) {
                // A full block (the first pass): the bitmap is the new content, and its number
                // of bits was counted when the table was built.
                for (int i = 0; i < NV; ++i)
                    *reinterpret_cast<V*>(w + i * VB) = *reinterpret_cast<const V*>(e + i * VB);
                entfernt += 64 * WB - t.BlockAnzahl[idx];
            } else if (Falten<VB, true>(oder) != 0) {
                entfernt += GemischtFiltern<WB>(w, e);
            } // else nothing left here: the usual case after the first answers
        }
    }
    return entfernt;
}

// High combinations h0 .. h1-1 with bitmaps of StueckBits < 64 bits, strung together. Bits of the
// first and last word outside the range stay as they are.
[[gnu::always_inline]] inline int32_t StromFilternKern(const FilterTabellen& t, uint64_t* woerter, int32_t h0,
                                                       int32_t h1)
{
    const int32_t stueck = t.StueckBits;
    const int64_t anfang = static_cast<int64_t>(h0) * stueck;
    size_t pos = static_cast<size_t>(anfang >> 6);
    int32_t fuell = static_cast<int32_t>(anfang & 63);        // bits of puffer already taken
    uint64_t puffer = fuell ? (uint64_t{1} << fuell) - 1 : 0; // keeps the bits below the range
    int32_t entfernt = 0;
    const uint64_t* eintraege = t.Eintraege;
    const uint32_t spanne = t.KeySpanne;
    int32_t u = h0 / t.FL;
    int32_t l = h0 % t.FL;
    for (int32_t h = h0; h < h1; l = 0, ++u) {
        const uint32_t kum = t.KU[u] & (SchwarzEins - 1);
        const uint32_t kub = (t.KU[u] & ~(SchwarzEins - 1)) - t.KeyUnten;
        const int32_t lEnde = std::min(t.FL, l + (h1 - h));
        h += lEnde - l;
        for (; l < lEnde; ++l) {
            const uint64_t e = eintraege[Eintrag((t.KL[l] | kum) + kub, spanne)];
            const uint64_t unten = puffer | (e << fuell);
            const uint64_t oben = (e >> 1) >> (63 - fuell); // what did not fit; no shift by 64
            fuell += stueck;
            const bool voll = fuell >= 64;
            // Whether a word is complete follows no pattern a branch predictor learns, so the
            // word is visited every time and left as it is (mask all ones) when not complete.
            const uint64_t maske = voll ? unten : ~uint64_t{0};
            const uint64_t alt = woerter[pos];
            woerter[pos] = alt & maske;
            entfernt += std::popcount(alt & ~maske);
            pos += voll ? 1 : 0;
            puffer = voll ? oben : unten;
            fuell -= voll ? 64 : 0;
        }
    }
    if (fuell > 0) // the bits above the range (and above F^n) stay
        entfernt += WortFiltern(woerter[pos], puffer | (~uint64_t{0} << fuell));
    return entfernt;
}

// The hot loops, one per shape, each built for the wider instruction set as well where allowed.
FILTER_ZIELKLONE int32_t Bloecke2(const FilterTabellen& t, uint64_t* w, int32_t h0, int32_t h1)
{
    return BloeckeFilternKern<2>(t, w, h0, h1);
}
FILTER_ZIELKLONE int32_t Bloecke4(const FilterTabellen& t, uint64_t* w, int32_t h0, int32_t h1)
{
    return BloeckeFilternKern<4>(t, w, h0, h1);
}
FILTER_ZIELKLONE int32_t Bloecke8(const FilterTabellen& t, uint64_t* w, int32_t h0, int32_t h1)
{
    return BloeckeFilternKern<8>(t, w, h0, h1);
}
FILTER_ZIELKLONE int32_t Strom(const FilterTabellen& t, uint64_t* w, int32_t h0, int32_t h1)
{
    return StromFilternKern(t, w, h0, h1);
}

int32_t BereichFiltern(const FilterTabellen& t, uint64_t* w, int32_t h0, int32_t h1)
{
    switch (t.BlockWoerter) {
    case 2:
        return Bloecke2(t, w, h0, h1);
    case 4:
        return Bloecke4(t, w, h0, h1);
    case 8:
        return Bloecke8(t, w, h0, h1);
    default:
        return Strom(t, w, h0, h1);
    }
}

// Keys of `stellen` consecutive digits from digit `erste` on, for every combination of them
// (the first of them least significant): (blacks << 8) | set of guess colours among them.
void SchluesselBauen(uint32_t* ziel, const int32_t* rateFarbe, const uint32_t* farbBit, int32_t F, int32_t erste,
                     int32_t stellen)
{
    ziel[0] = 0;
    int32_t breite = 1;
    for (int32_t s = 0; s < stellen; ++s) {
        const int32_t g = rateFarbe[erste + s];
        // Downwards, so that the entries of x = 0, which are read for every x, are rewritten last.
        for (int32_t x = F - 1; x >= 0; --x) {
            const uint32_t bit = farbBit[x];
            const uint32_t schwarz = x == g ? SchwarzEins : 0;
            for (int32_t e = 0; e < breite; ++e)
                ziel[e + x * breite] = (ziel[e] | bit) + schwarz;
        }
        breite *= F;
    }
}

// How a pass cuts the index into digits.
struct Stellen {
    int32_t WortStellen = 0; // low digits whose codes fit one word
    bool Woerter = false;    // bitmaps of F whole words: one low digit more
    int32_t Tief = 0;        // low digits per bitmap
    int32_t Unten = 0;       // high digits keyed by KL
    int32_t Hoch = 0;        // all high digits
};

// The layout of the pass and of its sections.
[[gnu::always_inline]] inline Stellen AufteilungBauen(FilterTabellen& t, int32_t F, int32_t n)
{
    t.Anzahl = Potenz(F, n);

    // The low digits: as many as fit one word; for F = 2, 4, 8 (exactly one word) one more, which
    // makes a bitmap F whole words.
    Stellen s;
    int32_t breite = 1;
    while (s.WortStellen < n && breite * F <= 64) {
        breite *= F;
        ++s.WortStellen;
    }
    s.Woerter = breite == 64 && s.WortStellen < n;
    s.Tief = s.Woerter ? s.WortStellen + 1 : s.WortStellen;
    t.BlockWoerter = s.Woerter ? F : 0;
    t.StueckBits = Potenz(F, s.Tief);
    s.Hoch = n - s.Tief;
    s.Unten = std::min(s.Hoch, MaxHochStellen);
    t.FL = Potenz(F, s.Unten);
    t.HochAnzahl = Potenz(F, s.Hoch);
    // Sections of about a hundredth of the pass, and never tiny ones: a section ends in a stop
    // check and a progress step, which shows whole percents, so more sections would cost time and
    // show nothing new.
    t.ProAbschnitt = std::max(1, std::max(AbschnittMindestens, t.Anzahl / 100) / t.StueckBits);
    t.Abschnitte = (t.HochAnzahl + t.ProAbschnitt - 1) / t.ProAbschnitt;
    return s;
}

// The guess's colours, numbered densely: colour sets are masks over those alone, so that a guess
// of three colours has 8 sets to build, not 256. A guess place outside 0 .. F-1 can never match a
// candidate.
struct RateFarben {
    int32_t Farbe[MaxStellen];   // the colour of each guess place, -1 for one outside 0 .. F-1
    int32_t Haeufigkeit[8] = {}; // guess places of colour x
    uint32_t Bit[8] = {};        // the dense bit of colour x, 0 when x is not in the guess
    uint32_t Mengen = 1;         // how many colour sets there are
};

[[gnu::always_inline]] inline RateFarben FarbenNummerieren(int32_t F, int32_t n, const int8_t* rate)
{
    RateFarben r;
    int32_t anzahlFarben = 0;
    for (int32_t i = 0; i < n; ++i) {
        const int32_t x = rate[i];
        r.Farbe[i] = x >= 0 && x < F ? x : -1;
        if (r.Farbe[i] >= 0)
            ++r.Haeufigkeit[x];
    }
    for (int32_t x = 0; x < F; ++x)
        if (r.Haeufigkeit[x] > 0)
            r.Bit[x] = 1u << anzahlFarben++;
    r.Mengen = 1u << anzahlFarben;
    return r;
}

// The rows a level keeps. Level j holds the bitmap over the codes of digits 0 .. j-1, for b blacks
// and colour set m from the digits above. Only b in Lo(j) .. Hi(j) can still end at exactly B
// blacks: the j low digits add at most j, the n - j high digits bring at most n - j.
struct SchwarzBereich {
    int32_t B;
    int32_t n;
    const uint64_t* NullZeile;
    int32_t Lo(int32_t j) const { return std::max(0, B - j); }
    int32_t Hi(int32_t j) const { return std::min(B, n - j); }
    // Row b of a level whose rows run from Lo(j): the zero row when b is out of reach.
    const uint64_t* Zeile(const uint64_t* stufe, int32_t j, int32_t b) const
    {
        return b >= Lo(j) && b <= Hi(j) ? stufe + (b - Lo(j)) * Masken : NullZeile;
    }
};

// Level 0: the colour sets that weigh exactly `summe` (blacks and whites together).
[[gnu::always_inline]] inline void GewichtsStufe(uint64_t* stufe, const RateFarben& r, int32_t F, int32_t summe)
{
    int32_t gewicht[Masken]; // guess places whose colour is in the set
    gewicht[0] = 0;
    for (int32_t x = 0; x < F; ++x)
        if (r.Bit[x])
            for (uint32_t m = r.Bit[x]; m < 2 * r.Bit[x]; ++m)
                gewicht[m] = gewicht[m - r.Bit[x]] + r.Haeufigkeit[x];
    for (uint32_t m = 0; m < r.Mengen; ++m)
        stufe[m] = gewicht[m] == summe ? 1 : 0;
}

// Level j from level j-1: digit j-1, whose place value is `einheit`, takes every colour in turn.
[[gnu::always_inline]] inline void StufeBauen(uint64_t* jetzt, const uint64_t* vorher, const RateFarben& r,
                                              const SchwarzBereich& bereich, int32_t F, int32_t j, int32_t einheit)
{
    const int32_t g = r.Farbe[j - 1];
    const uint32_t masken = r.Mengen;
    // Digit values that are no guess colour change neither blacks nor the set: the same bitmap
    // at each of those places at once (the copies do not overlap, so the product has no carry).
    uint64_t fremd = 0;
    for (int32_t x = 0; x < F; ++x)
        if (!r.Bit[x])
            fremd |= uint64_t{1} << (x * einheit);
    for (int32_t b = bereich.Lo(j); b <= bereich.Hi(j); ++b) {
        const uint64_t* gleich = bereich.Zeile(vorher, j - 1, b);
        const uint64_t* schwaerzer = bereich.Zeile(vorher, j - 1, b + 1);
        uint64_t* ziel = jetzt + (b - bereich.Lo(j)) * Masken;
        for (uint32_t m = 0; m < masken; ++m)
            ziel[m] = gleich[m] * fremd;
        for (int32_t x = 0; x < F; ++x) {
            const uint32_t c = r.Bit[x];
            if (!c)
                continue;
            const uint64_t* quelle = x == g ? schwaerzer : gleich;
            const int32_t schub = x * einheit;
            // m | c, block by block: the sets without colour c read the set with it.
            for (uint32_t basis = 0; basis < masken; basis += 2 * c)
                for (uint32_t i = 0; i < c; ++i) {
                    const uint64_t v = quelle[basis + c + i] << schub;
                    ziel[basis + i] |= v;
                    ziel[basis + c + i] |= v;
                }
        }
    }
}

// One more level of whole words over level k0: word x of a block is the 64-bit bitmap with digit
// k0 = x.
[[gnu::always_inline]] inline void WortStufeBauen(FilterTabellen& t, const uint64_t* vorher, const RateFarben& r,
                                                  const SchwarzBereich& bereich, int32_t F, int32_t k0)
{
    const int32_t tief = k0 + 1;
    const int32_t g = r.Farbe[k0];
    for (int32_t b = bereich.Lo(tief); b <= bereich.Hi(tief); ++b) {
        const uint64_t* quelle[8];
        for (int32_t x = 0; x < F; ++x)
            quelle[x] = bereich.Zeile(vorher, k0, x == g ? b + 1 : b);
        const int32_t erster = (b - bereich.Lo(tief)) * Masken;
        for (uint32_t m = 0; m < r.Mengen; ++m) {
            uint64_t* block = t.Block + static_cast<size_t>(erster + static_cast<int32_t>(m)) * F;
            int32_t bits = 0;
            for (int32_t x = 0; x < F; ++x) {
                const uint64_t v = quelle[x][m | r.Bit[x]];
                block[x] = v;
                bits += std::popcount(v);
            }
            t.BlockAnzahl[erster + static_cast<int32_t>(m)] = bits;
        }
    }
}

// The keys that have rows in the last level j; every other one reads the zero entry.
inline void SchluesselBereich(FilterTabellen& t, const SchwarzBereich& bereich, int32_t j)
{
    t.KeyUnten = static_cast<uint32_t>(bereich.Lo(j)) * SchwarzEins;
    t.KeySpanne = static_cast<uint32_t>(bereich.Hi(j) - bereich.Lo(j) + 1) * SchwarzEins;
}

// Builds every table of one pass. Cloned like the loops: it counts bits and runs once per answer,
// which for a small game is most of the work; the steps above are inlined into each clone.
FILTER_ZIELKLONE void TabellenBauen(FilterTabellen& t, int32_t F, int32_t n, const int8_t* rate, int32_t schwarz,
                                    int32_t weiss)
{
    const Stellen stellen = AufteilungBauen(t, F, n);
    const RateFarben farben = FarbenNummerieren(F, n, rate);
    SchluesselBauen(t.KL, farben.Farbe, farben.Bit, F, stellen.Tief, stellen.Unten);
    SchluesselBauen(t.KU, farben.Farbe, farben.Bit, F, stellen.Tief + stellen.Unten, stellen.Hoch - stellen.Unten);

    const bool moeglich = schwarz >= 0 && weiss >= 0 && schwarz <= n && weiss <= n && schwarz + weiss <= n;
    if (!moeglich) {
        t.KeyUnten = 0;
        t.KeySpanne = 0;
        return;
    }
    const SchwarzBereich bereich{schwarz, n, t.NullZeile};
    uint64_t* vorher = t.Stufe[0];
    GewichtsStufe(vorher, farben, F, schwarz + weiss);
    int32_t einheit = 1; // F^(j-1): the place value of digit j-1
    for (int32_t j = 1; j <= stellen.WortStellen; ++j) {
        uint64_t* jetzt = t.Stufe[j & 1];
        StufeBauen(jetzt, vorher, farben, bereich, F, j, einheit);
        vorher = jetzt;
        einheit *= F;
    }

    if (!stellen.Woerter) {
        t.Eintraege = vorher;
        SchluesselBereich(t, bereich, stellen.WortStellen);
        return;
    }
    WortStufeBauen(t, vorher, farben, bereich, F, stellen.WortStellen);
    SchluesselBereich(t, bereich, stellen.Tief);
}

} // namespace

struct KonsistenzPruefung::Tabellen : FilterTabellen {};

KonsistenzPruefung::KonsistenzPruefung() : T(new Tabellen) {}

KonsistenzPruefung::~KonsistenzPruefung()
{
    delete T;
}

void KonsistenzPruefung::Vorbereiten(int32_t F, int32_t n, const int8_t* rate, int32_t schwarz, int32_t weiss)
{
    if (F < 2 || F > 8 || n < 2 || n > MaxStellen) {
        // No such board: the tables would overrun. Nothing to filter rather than memory to spoil.
        T->Abschnitte = 0;
        T->HochAnzahl = 0;
        return;
    }
    TabellenBauen(*T, F, n, rate, schwarz, weiss);
    // The zero entry for invalid keys: its place depends on the block width, and a wider table of
    // an earlier pass may have written there.
    T->Stufe[0][NullEintrag] = 0;
    T->Stufe[1][NullEintrag] = 0;
    for (int32_t j = 0; j < MaxBlockWoerter; ++j)
        T->Block[NullEintrag * static_cast<uint32_t>(std::max(T->BlockWoerter, 1)) + j] = 0;
    T->BlockAnzahl[NullEintrag] = 0;
}

int32_t KonsistenzPruefung::AnzahlAbschnitte() const
{
    return T->Abschnitte;
}

int32_t KonsistenzPruefung::AbschnittEnde(int32_t a) const
{
    const int32_t h = std::min((a + 1) * T->ProAbschnitt, T->HochAnzahl);
    return h * T->StueckBits;
}

int32_t KonsistenzPruefung::Filtern(BitOperationen& kandidaten, int32_t a)
{
    if (a < 0 || a >= T->Abschnitte)
        return 0;
    assert(kandidaten.AnzahlBits >= T->Anzahl);
    const int32_t h0 = a * T->ProAbschnitt;
    const int32_t h1 = std::min(h0 + T->ProAbschnitt, T->HochAnzahl);
    return BereichFiltern(*T, kandidaten.Woerter(), h0, h1);
}

int32_t KonsistenzPruefung::AllesFiltern(BitOperationen& kandidaten)
{
    if (T->Abschnitte == 0)
        return 0;
    assert(kandidaten.AnzahlBits >= T->Anzahl);
    return BereichFiltern(*T, kandidaten.Woerter(), 0, T->HochAnzahl);
}

int32_t KonsistenzFilter(BitOperationen& kandidaten, int32_t F, int32_t n, const int8_t* rate, int32_t schwarz,
                         int32_t weiss)
{
    // Tests, benchmarks and the statistics tool own their set for the whole call.
    thread_local KonsistenzPruefung pruefung;
    pruefung.Vorbereiten(F, n, rate, schwarz, weiss);
    return pruefung.AllesFiltern(kandidaten);
}

bool SpielDurchgang(KonsistenzPruefung& pruefung, BitOperationen& kandidaten, int32_t anzahl, bool demo,
                    int32_t& beseitigt, int32_t& gezeigt, DurchgangsBegleiter& begleiter)
{
    for (int32_t a = 0; a < pruefung.AnzahlAbschnitte(); ++a) {
        if (begleiter.Gestoppt())
            return false;
        const int32_t entfernt = pruefung.Filtern(kandidaten, a);
        int32_t zaehler;
        if (demo) {
            const int32_t vorher = beseitigt;
            beseitigt += entfernt;
            if (beseitigt / 1000 == vorher / 1000)
                continue;
            zaehler = beseitigt / 1000 * 1000;
        } else {
            zaehler = (pruefung.AbschnittEnde(a) - 1) / 1000 * 1000;
        }
        const int32_t prozent = static_cast<int32_t>(zaehler * 100.0 / anzahl);
        if (prozent == gezeigt)
            continue;
        gezeigt = prozent;
        begleiter.Fortschritt(zaehler);
    }
    return true;
}

int32_t KonsistenzFilterEinfach(BitOperationen& kandidaten, int32_t F, int32_t n, const int8_t* rate, int32_t schwarz,
                                int32_t weiss)
{
    const int32_t anzahl = Potenz(F, n);
    int8_t code[10];
    int32_t entfernt = 0;
    for (int32_t i = 0; i < anzahl; ++i) {
        if (!kandidaten.TestBit(i))
            continue;
        IndexZuCode(F, n, i, code);
        int32_t s = 0;
        int32_t w = 0;
        BewerteCode(code, rate, n, s, w);
        if (s != schwarz || w != weiss) {
            kandidaten.ResetBit(i);
            ++entfernt;
        }
    }
    return entfernt;
}
