// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/StarkeRatesuche.h"

#include "solver/BitOperationen.h"

#include <algorithm>
#include <bit>
#include <mutex>
#include <vector>

namespace {

constexpr int32_t Klassen = 9 * 9; // answers as schwarz * 9 + (schwarz + weiss)

// Every way to split n places among at most F colours, the biggest part first: 8, 7 1, 6 2, …
void Aufteilungen(int32_t rest, int32_t hoechstens, int32_t teile, std::vector<int32_t>& weg,
                  std::vector<std::vector<int32_t>>& ziel)
{
    if (rest == 0) {
        ziel.push_back(weg);
        return;
    }
    if (teile == 0)
        return;
    for (int32_t t = std::min(rest, hoechstens); t >= 1; --t) {
        weg.push_back(t);
        Aufteilungen(rest - t, t, teile - 1, weg, ziel);
        weg.pop_back();
    }
}

int32_t ErsterZugBerechnen(int32_t F, int32_t n)
{
    std::vector<std::vector<int32_t>> muster;
    std::vector<int32_t> weg;
    Aufteilungen(n, n, F, weg, muster);
    int32_t bester = 0;
    int64_t besteSumme = INT64_MAX;
    for (const auto& teile : muster) {
        int8_t code[8] = {};
        int32_t k = 0;
        for (size_t farbe = 0; farbe < teile.size(); ++farbe)
            for (int32_t t = 0; t < teile[farbe]; ++t)
                code[k++] = static_cast<int8_t>(farbe);
        const int64_t summe = ErsterZugQuadratsumme(F, n, code);
        if (summe < besteSumme) {
            besteSumme = summe;
            int32_t index = 0;
            for (int32_t p = n - 1; p >= 0; --p)
                index = index * F + code[p];
            bester = index;
        }
    }
    return bester;
}

// A code packed one colour per byte; the places past n get a filler that never equals anything on
// the other side (secrets 0xFF, guesses 0xFE), so they count no black.
uint64_t Packen(const int8_t* code, int32_t n, uint8_t fueller)
{
    uint64_t wort = 0;
    for (int32_t p = 7; p >= 0; --p)
        wort = (wort << 8) | (p < n ? static_cast<uint8_t>(code[p]) : fueller);
    return wort;
}

// The number of equal bytes of a and b: the black pegs of two packed codes.
int32_t GleicheBytes(uint64_t a, uint64_t b)
{
    constexpr uint64_t Sieben = 0x7F7F7F7F7F7F7F7Full;
    const uint64_t x = a ^ b;
    const uint64_t y = ~(((x & Sieben) + Sieben) | x | Sieben); // the top bit of each zero byte
    return std::popcount(y);
}

// Bits from anzahl on are no candidates, even when set in the same word.
uint64_t Wort(const uint64_t* woerter, int32_t w, int32_t anzahl)
{
    const int32_t rest = anzahl - w * 64;
    return rest >= 64 ? woerter[w] : woerter[w] & ((uint64_t{1} << rest) - 1);
}

int32_t Zaehlen(const uint64_t* woerter, int32_t anzahl)
{
    int32_t summe = 0;
    for (int32_t w = 0; w * 64 < anzahl; ++w)
        summe += std::popcount(Wort(woerter, w, anzahl));
    return summe;
}

// The candidates of the given ranks (ascending; a rank may repeat), in one walk over the words.
// No ranks: every candidate.
void Auswaehlen(const uint64_t* woerter, int32_t anzahl, const std::vector<int32_t>& raenge, std::vector<int32_t>& ziel)
{
    ziel.clear();
    size_t r = 0;
    int32_t vorher = 0; // candidates in the words before this one
    for (int32_t w = 0; w * 64 < anzahl; ++w) {
        uint64_t wort = Wort(woerter, w, anzahl);
        if (raenge.empty()) {
            for (; wort; wort &= wort - 1)
                ziel.push_back(w * 64 + std::countr_zero(wort));
            continue;
        }
        const int32_t hier = std::popcount(wort);
        for (; r < raenge.size() && raenge[r] < vorher + hier; ++r) {
            uint64_t rest = wort;
            for (int32_t i = raenge[r] - vorher; i > 0; --i)
                rest &= rest - 1;
            ziel.push_back(w * 64 + std::countr_zero(rest));
        }
        if (r == raenge.size())
            return;
        vorher += hier;
    }
}

// k ranks below gesamt drawn with ziehen, ascending; eindeutig drops repeats.
std::vector<int32_t> Raenge(int32_t k, int32_t gesamt, const std::function<int32_t()>& ziehen, bool eindeutig)
{
    std::vector<int32_t> raenge(static_cast<size_t>(k));
    for (int32_t& r : raenge)
        r = ziehen() % gesamt;
    std::sort(raenge.begin(), raenge.end());
    if (eindeutig)
        raenge.erase(std::unique(raenge.begin(), raenge.end()), raenge.end());
    return raenge;
}

// A secret as the scoring needs it: packed, and the set of colours it holds.
struct Geheimnis {
    uint64_t Code = 0;
    uint8_t Farben = 0;
};

Geheimnis GeheimnisBauen(int32_t index, int32_t F, int32_t n)
{
    int8_t code[8];
    Geheimnis g;
    for (int32_t p = 0; p < n; ++p) {
        code[p] = static_cast<int8_t>(index % F);
        g.Farben |= static_cast<uint8_t>(1u << code[p]);
        index /= F;
    }
    g.Code = Packen(code, n, 0xFF);
    return g;
}

// A guess as the scoring needs it: packed, and black + white for every set of secret colours.
struct Rater {
    uint64_t Code = 0;
    uint8_t SchwarzWeiss[256] = {};
    // The answer class of a secret: schwarz * 9 + (schwarz + weiss).
    int32_t Antwort(const Geheimnis& g) const { return GleicheBytes(Code, g.Code) * 9 + SchwarzWeiss[g.Farben]; }
};

Rater RaterBauen(int32_t index, int32_t F, int32_t n)
{
    int8_t code[8];
    int32_t wieOft[8] = {};
    for (int32_t p = 0; p < n; ++p) {
        code[p] = static_cast<int8_t>(index % F);
        ++wieOft[code[p]];
        index /= F;
    }
    Rater r;
    r.Code = Packen(code, n, 0xFE);
    for (int32_t m = 1; m < (1 << F); ++m)
        r.SchwarzWeiss[m] =
            static_cast<uint8_t>(r.SchwarzWeiss[m & (m - 1)] + wieOft[std::countr_zero(static_cast<uint32_t>(m))]);
    return r;
}

// How well a guess splits the secrets: the sum of squares of its classes (the expected number of
// codes left, times the number of secrets), and among equals the one with more classes.
struct Wertung {
    int64_t Quadrate = INT64_MAX;
    int32_t Teile = 0;
    bool Besser(const Wertung& w) const { return Quadrate < w.Quadrate || (Quadrate == w.Quadrate && Teile > w.Teile); }
};

Wertung Werten(const uint32_t* klasse)
{
    Wertung w{0, 0};
    for (int32_t k = 0; k < Klassen; ++k) {
        w.Quadrate += int64_t{klasse[k]} * klasse[k];
        w.Teile += klasse[k] != 0;
    }
    return w;
}

int32_t KlassenSumme(const uint8_t* antwort, int32_t m, const int32_t* teil, int32_t c, int32_t g, int32_t& schritte);

// Look-ahead on a small set: antwort[g * m + s] is the class of secret s under guess g, both codes
// of the set. The guesses needed to find every secret of teil (c codes), summed over them, when
// the next guess is the best split of teil (greedy play) and its classes are played on as
// Weiterspielen says: greedily again, or exactly once they are small.
int32_t GierigSumme(const uint8_t* antwort, int32_t m, const int32_t* teil, int32_t c, int32_t& schritte)
{
    if (c <= 2)
        return c == 1 ? 1 : 3; // one guess; or the first of two, then the second
    int32_t bester = -1;
    Wertung besteWertung;
    for (int32_t i = 0; i < c; ++i) {
        const uint8_t* zeile = antwort + static_cast<size_t>(teil[i]) * m;
        uint32_t klasse[Klassen] = {};
        for (int32_t j = 0; j < c; ++j)
            ++klasse[zeile[teil[j]]];
        const Wertung w = Werten(klasse);
        if (w.Besser(besteWertung)) {
            besteWertung = w;
            bester = teil[i];
        }
    }
    return c + KlassenSumme(antwort, m, teil, c, bester, schritte);
}

// The fewest guesses in all that any play among the codes of teil (c <= StarkeGenau) needs to find
// each of them, or a value of at least grenze as soon as that is out of reach. A guess costs every
// code of teil one guess and finds itself; each other code of a class of k needs two guesses at
// least, and one of the class may be found by the next guess: the class costs at least 2k - 1. The
// guesses that leave the most classes, so the least bound, are tried first, and a guess is given up
// once its classes so far and the bounds of the rest reach the best guess's sum. Each call spends
// one of schritte; with none left the classes are played greedily, so a move's cost stays bounded.
int32_t GenauSumme(const uint8_t* antwort, int32_t m, const int32_t* teil, int32_t c, int32_t grenze, int32_t& schritte)
{
    if (c <= 2)
        return c == 1 ? 1 : 3;
    if (schritte <= 0)
        return GierigSumme(antwort, m, teil, c, schritte);
    --schritte;
    // Each guess of teil with its number of classes and its sum of squares, best split first.
    int32_t reihe[StarkeGenau];
    int32_t teile[StarkeGenau];
    int32_t quadrate[StarkeGenau];
    for (int32_t i = 0; i < c; ++i) {
        const uint8_t* zeile = antwort + static_cast<size_t>(teil[i]) * m;
        uint8_t klasse[Klassen] = {};
        teile[i] = 0;
        quadrate[i] = 0; // (k + 1)^2 - k^2 = 2k + 1 for each code added to a class of k
        for (int32_t j = 0; j < c; ++j) {
            if (j == i)
                continue;
            uint8_t& k = klasse[zeile[teil[j]]];
            teile[i] += k == 0;
            quadrate[i] += 2 * k + 1;
            ++k;
        }
        // Insertion in order: more classes, then the lesser sum of squares, then the earlier code.
        int32_t stelle = i;
        for (; stelle > 0; --stelle) {
            const int32_t vor = reihe[stelle - 1];
            if (teile[vor] > teile[i] || (teile[vor] == teile[i] && quadrate[vor] <= quadrate[i]))
                break;
            reihe[stelle] = vor;
        }
        reihe[stelle] = i;
    }
    int32_t beste = grenze;
    for (int32_t r = 0; r < c; ++r) {
        const int32_t i = reihe[r];
        // c for this guess, and 2k - 1 for each class: 2 (c - 1) - teile in all.
        int32_t summe = 3 * c - 2 - teile[i];
        if (summe >= beste)
            break; // the later guesses leave fewer classes, so their bound is no less
        const uint8_t* zeile = antwort + static_cast<size_t>(teil[i]) * m;
        int32_t anfang[Klassen + 1] = {};
        for (int32_t j = 0; j < c; ++j)
            if (j != i)
                ++anfang[zeile[teil[j]] + 1];
        for (int32_t k = 0; k < Klassen; ++k)
            anfang[k + 1] += anfang[k];
        int32_t geordnet[StarkeGenau];
        int32_t stelle[Klassen];
        std::copy(anfang, anfang + Klassen, stelle);
        for (int32_t j = 0; j < c; ++j)
            if (j != i)
                geordnet[stelle[zeile[teil[j]]]++] = teil[j];
        for (int32_t k = 0; k < Klassen && summe < beste; ++k) {
            const int32_t groesse = anfang[k + 1] - anfang[k];
            if (groesse == 0)
                continue;
            summe -= 2 * groesse - 1; // the bound of this class, replaced by what it costs
            summe += GenauSumme(antwort, m, geordnet + anfang[k], groesse, beste - summe, schritte);
        }
        beste = std::min(beste, summe);
    }
    return beste;
}

// What the play after a guess costs a class of c codes: exact when it is small, else greedy.
int32_t Weiterspielen(const uint8_t* antwort, int32_t m, const int32_t* teil, int32_t c, int32_t& schritte)
{
    return c <= StarkeGenau ? GenauSumme(antwort, m, teil, c, INT32_MAX, schritte)
                            : GierigSumme(antwort, m, teil, c, schritte);
}

// The guesses still needed after guess g for every other secret of teil, class by class.
int32_t KlassenSumme(const uint8_t* antwort, int32_t m, const int32_t* teil, int32_t c, int32_t g, int32_t& schritte)
{
    const uint8_t* zeile = antwort + static_cast<size_t>(g) * m;
    int32_t anfang[Klassen + 1] = {};
    for (int32_t i = 0; i < c; ++i)
        if (teil[i] != g)
            ++anfang[zeile[teil[i]] + 1];
    for (int32_t k = 0; k < Klassen; ++k)
        anfang[k + 1] += anfang[k];
    // The classes one after the other, in one buffer.
    std::vector<int32_t> geordnet(static_cast<size_t>(anfang[Klassen]));
    int32_t stelle[Klassen];
    std::copy(anfang, anfang + Klassen, stelle);
    for (int32_t i = 0; i < c; ++i)
        if (teil[i] != g)
            geordnet[stelle[zeile[teil[i]]]++] = teil[i];
    int32_t summe = 0;
    for (int32_t k = 0; k < Klassen; ++k)
        if (anfang[k + 1] > anfang[k])
            summe += Weiterspielen(antwort, m, geordnet.data() + anfang[k], anfang[k + 1] - anfang[k], schritte);
    return summe;
}

// The guess of a small set by looking ahead: the one after which the play that follows needs the
// fewest guesses in all, summed over the secrets; among equals the better split, then the lowest index.
// geheimnisse are the codes themselves.
int32_t Vorausschauen(const std::vector<int32_t>& codes, const std::vector<Geheimnis>& geheimnisse, int32_t F,
                      int32_t n, const std::function<bool(int32_t, int32_t)>& weiter)
{
    const int32_t m = static_cast<int32_t>(codes.size());
    std::vector<uint8_t> antwort(static_cast<size_t>(m) * m);
    for (int32_t g = 0; g < m; ++g) {
        const Rater rater = RaterBauen(codes[g], F, n);
        for (int32_t s = 0; s < m; ++s)
            antwort[g * m + s] = static_cast<uint8_t>(rater.Antwort(geheimnisse[s]));
    }
    std::vector<int32_t> alle(m);
    for (int32_t i = 0; i < m; ++i)
        alle[i] = i;
    // Only the best splits are looked into further: a poor split leaves big classes, which cost
    // the most to play out and hardly ever win.
    std::vector<std::pair<Wertung, int32_t>> rangfolge;
    for (int32_t g = 0; g < m; ++g) {
        uint32_t klasse[Klassen] = {};
        for (int32_t s = 0; s < m; ++s)
            ++klasse[antwort[g * m + s]];
        rangfolge.emplace_back(Werten(klasse), g);
    }
    std::stable_sort(rangfolge.begin(), rangfolge.end(),
                     [](const auto& a, const auto& b) { return a.first.Besser(b.first); });
    const int32_t breite = std::min(m, StarkeVorausschauBreite);
    int32_t bester = -1;
    int32_t besteSumme = INT32_MAX;
    for (int32_t r = 0; r < breite; ++r) {
        if (!weiter(r, breite))
            return -1;
        const int32_t g = rangfolge[r].second;
        int32_t schritte = StarkeGenauSchritte;
        const int32_t summe = m + KlassenSumme(antwort.data(), m, alle.data(), m, g, schritte);
        if (summe < besteSumme) { // among equals the better split, which comes first
            besteSumme = summe;
            bester = g;
        }
    }
    return codes[bester];
}

} // namespace

int64_t ErsterZugQuadratsumme(int32_t F, int32_t n, const int8_t* rate)
{
    // zustand[maske][schwarz]: secrets so far with these colours and this many blacks.
    static_assert(sizeof(int64_t) * 256 * 9 < 32768, "the counts live on the stack");
    int64_t zustand[256][9] = {};
    int64_t neu[256][9];
    zustand[0][0] = 1;
    const int32_t masken = 1 << F;
    for (int32_t p = 0; p < n; ++p) {
        std::fill(&neu[0][0], &neu[0][0] + 256 * 9, 0);
        for (int32_t m = 0; m < masken; ++m)
            for (int32_t s = 0; s <= p; ++s)
                if (const int64_t anzahl = zustand[m][s])
                    for (int32_t c = 0; c < F; ++c)
                        neu[m | (1 << c)][s + (rate[p] == c)] += anzahl;
        std::copy(&neu[0][0], &neu[0][0] + 256 * 9, &zustand[0][0]);
    }
    int32_t wieOft[8] = {};
    for (int32_t p = 0; p < n; ++p)
        ++wieOft[rate[p]];
    int64_t klasse[Klassen] = {};
    for (int32_t m = 0; m < masken; ++m) {
        int32_t sw = 0; // black + white: the guess places whose colour the secret holds
        for (int32_t c = 0; c < F; ++c)
            if (m & (1 << c))
                sw += wieOft[c];
        for (int32_t s = 0; s <= n; ++s)
            klasse[s * 9 + sw] += zustand[m][s];
    }
    int64_t summe = 0;
    for (const int64_t k : klasse)
        summe += k * k;
    return summe;
}

int32_t StarkerErsterZug(int32_t F, int32_t n)
{
    static std::mutex sperre;
    static int32_t bekannt[9][9] = {};
    static bool fertig[9][9] = {};
    std::lock_guard<std::mutex> lock(sperre);
    if (!fertig[F][n]) {
        bekannt[F][n] = ErsterZugBerechnen(F, n);
        fertig[F][n] = true;
    }
    return bekannt[F][n];
}

int32_t StarkenRateCodeSuchen(const BitOperationen& kandidaten, int32_t F, int32_t n, int32_t anzahl,
                              const std::function<int32_t()>& ziehen,
                              const std::function<bool(int32_t, int32_t)>& weiter)
{
    // The set is the running phase's own: plain reads.
    const uint64_t* woerter = kandidaten.Woerter();
    const int32_t gesamt = Zaehlen(woerter, anzahl);
    if (gesamt == 0)
        return -1;
    if (gesamt == anzahl)
        return weiter(0, 1) ? StarkerErsterZug(F, n) : -1;

    std::vector<int32_t> raten;
    std::vector<int32_t> geheime;
    Auswaehlen(woerter, anzahl,
               gesamt <= StarkeRateProbe ? std::vector<int32_t>{} : Raenge(StarkeRateProbe, gesamt, ziehen, true),
               raten);
    if (gesamt <= StarkeGeheimProbe && gesamt <= StarkeRateProbe) {
        geheime = raten;
    } else {
        Auswaehlen(woerter, anzahl,
                   gesamt <= StarkeGeheimProbe ? std::vector<int32_t>{}
                                               : Raenge(StarkeGeheimProbe, gesamt, ziehen, false),
                   geheime);
    }
    if (raten.size() == 1)
        return weiter(0, 1) ? raten[0] : -1;

    std::vector<Geheimnis> geheimnisse(geheime.size());
    for (size_t i = 0; i < geheime.size(); ++i)
        geheimnisse[i] = GeheimnisBauen(geheime[i], F, n);

    const int32_t zuWiegen = static_cast<int32_t>(raten.size());
    if (gesamt <= StarkeVorausschau)
        return Vorausschauen(raten, geheimnisse, F, n, weiter);

    int32_t bester = -1;
    Wertung besteWertung;
    for (int32_t g = 0; g < zuWiegen; ++g) {
        if (!weiter(g, zuWiegen))
            return -1;
        const Rater rater = RaterBauen(raten[g], F, n);
        uint32_t klasse[Klassen] = {};
        for (const Geheimnis& geheimnis : geheimnisse)
            ++klasse[rater.Antwort(geheimnis)];
        const Wertung wertung = Werten(klasse);
        if (wertung.Besser(besteWertung)) {
            besteWertung = wertung;
            bester = raten[g];
        }
    }
    return bester;
}
