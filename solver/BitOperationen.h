// SPDX-License-Identifier: GPL-3.0-or-later
// The candidate set: one bit per code index, bit i in byte i / 8 under the mask 1 << (i % 8).
#pragma once

#include <atomic>
#include <bit>
#include <cstdint>
#include <thread>

class BitOperationen {
public:
    uint8_t* Bytes;      // the bits; null only when the allocation failed
    int32_t AnzahlBytes; // AnzahlBits / 8, rounded up
    int32_t AnzahlBits;  // capacity
    char Meldung[256];   // text of the last range error
    bool Fehler;         // set by the first range error, never reset

    explicit BitOperationen(int32_t bits);
    ~BitOperationen();
    BitOperationen(const BitOperationen&) = delete;
    BitOperationen& operator=(const BitOperationen&) = delete;

    void SetAll();

    // The set belongs to whoever works on it: the running solver phase, or the main thread while no
    // phase runs. Accesses are plain; the hand-over between the two is the worker's. Builds with
    // FARBENRATER_BESITZ_PRUEFEN check that rule on every access and abort when another thread
    // touches the set while a phase holds it.
    void Uebernehmen() { BesitzSetzen(std::this_thread::get_id()); }
    void Freigeben() { BesitzSetzen(std::thread::id()); }

    bool TestBit(int32_t i) const
    {
        BesitzPruefen();
        return (Bytes[i >> 3] >> (i & 7)) & 1u;
    }

    void ResetBit(int32_t i)
    {
        BesitzPruefen();
        if (i >= 0 && i < AnzahlBits)
            Bytes[i >> 3] &= static_cast<uint8_t>(~(1u << (i & 7)));
        else
            BereichsFehler(i);
    }

    bool AnyBitSet(int32_t n) const;

    // The same bits seen as 64-bit words (bit i in word i / 64), for the filter's block passes.
    // The storage is allocated as words and padded to a whole word, so this never reads past it.
    uint64_t* Woerter() const { return WortSpeicher; }
    // Bit i of the bytes is bit i % 64 of word i / 64 only when the low byte comes first.
    static_assert(std::endian::native == std::endian::little,
                  "the word view of the candidate bytes assumes a little-endian machine");
    int32_t AnzahlWoerter() const { return (AnzahlBytes + 7) / 8; }

private:
    void BereichsFehler(int32_t i);
    uint64_t* WortSpeicher;

#if defined(FARBENRATER_BESITZ_PRUEFEN)
    std::atomic<std::thread::id> Besitzer{};
    void BesitzSetzen(std::thread::id id)
    {
        Besitzer.store(id, std::memory_order_relaxed);
    }
    void BesitzPruefen() const;
#else
    void BesitzSetzen(std::thread::id) {}
    void BesitzPruefen() const {}
#endif
};

// The still possible codes of the game in progress (created by KandidatenAnlegen).
extern BitOperationen* Kandidaten;

// Creates the game's candidate set Kandidaten once, MaxKombinationen bits, all clear. False when
// its memory cannot be had.
bool KandidatenAnlegen();
