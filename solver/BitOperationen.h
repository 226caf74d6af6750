// The candidate set: one bit per code index, bit i in byte i / 8 under the mask 1 << (i % 8).
#pragma once

#include <atomic>
#include <bit>
#include <cstdint>

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

    // Both threads read and clear bits, so every single-bit access is atomic on its byte.
    bool TestBit(int32_t i) const
    {
        return (std::atomic_ref<uint8_t>(Bytes[i >> 3]).load(std::memory_order_relaxed) >> (i & 7)) & 1u;
    }

    void ResetBit(int32_t i)
    {
        if (i >= 0 && i < AnzahlBits)
            std::atomic_ref<uint8_t>(Bytes[i >> 3])
                .fetch_and(static_cast<uint8_t>(~(1u << (i & 7))), std::memory_order_relaxed);
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
};

// Creates the game's candidate set Kandidaten once, MaxKombinationen bits, all clear. False when
// its memory cannot be had.
bool KandidatenAnlegen();
