// SPDX-License-Identifier: GPL-3.0-or-later
// The candidate set: sizes, layout, the range error, and the "any bit set" scan.

#include "solver/BitOperationen.h"

#include <cstring>
#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr int32_t Voll = 16777226; // 8^8 + 10, the size the program creates
constexpr int32_t VollBytes = 2097154;

} // namespace

TEST(BitOperationen, SizeAndAnEmptyStart)
{
    struct Fall {
        int32_t Bits, Bytes;
    };
    for (const Fall f : {Fall{16, 2}, Fall{17, 3}, Fall{Voll, VollBytes}}) {
        BitOperationen menge(f.Bits);
        EXPECT_EQ(menge.AnzahlBits, f.Bits);
        EXPECT_EQ(menge.AnzahlBytes, f.Bytes);
        EXPECT_FALSE(menge.Fehler);
        for (const int32_t n : {0, 1, 8, 9, f.Bits - 1, f.Bits})
            EXPECT_FALSE(menge.AnyBitSet(n)) << f.Bits << " bits, n = " << n;
    }
}

TEST(BitOperationen, SetAllReachesTheLastBitOfTheFullSet)
{
    BitOperationen menge(Voll);
    menge.SetAll();
    EXPECT_TRUE(menge.TestBit(0));
    EXPECT_TRUE(menge.TestBit(Voll - 1));
    EXPECT_TRUE(menge.AnyBitSet(1));
    EXPECT_EQ(menge.Bytes[VollBytes - 1], 0xFF) << "the spare bits of the last byte are set too";

    menge.ResetBit(Voll - 1);
    std::vector<uint8_t> erwartet(VollBytes, 0xFF);
    erwartet[VollBytes - 1] = 0xFD; // bit 16777225: byte 2097153, mask 0x02
    EXPECT_EQ(std::memcmp(menge.Bytes, erwartet.data(), VollBytes), 0);
    EXPECT_FALSE(menge.Fehler);
}

TEST(BitOperationen, ARangeErrorChangesNothingAndIsRecorded)
{
    BitOperationen menge(Voll);
    menge.SetAll();
    menge.ResetBit(Voll);
    EXPECT_TRUE(menge.Fehler);
    EXPECT_STREQ(menge.Meldung, "\nFehler: Bereichsberschreitung in ResetBit. BitIndex=16777226\n");
    menge.ResetBit(-1);
    EXPECT_STREQ(menge.Meldung, "\nFehler: Bereichsberschreitung in ResetBit. BitIndex=-1\n");
    for (int32_t b = 0; b < VollBytes; ++b)
        ASSERT_EQ(menge.Bytes[b], 0xFF) << "byte " << b;
    menge.ResetBit(5); // a later valid clear does not reset the flag
    EXPECT_TRUE(menge.Fehler);
}

TEST(BitOperationen, Bit9LiesInByte1)
{
    BitOperationen menge(64);
    menge.SetAll();
    menge.ResetBit(9);
    EXPECT_EQ(menge.Bytes[1], 0xFD);
    EXPECT_TRUE(menge.TestBit(8));
    EXPECT_FALSE(menge.TestBit(9));
    EXPECT_TRUE(menge.TestBit(10));
}

// The filter reads the bytes as 64-bit words: bit i must be bit i % 64 of word i / 64.
TEST(BitOperationen, TheWordViewMatchesTheByteView)
{
    BitOperationen menge(Voll);
    for (const int32_t i : {0, 7, 8, 63, 64, 65, 1000, 4095, Voll - 1}) {
        std::memset(menge.Bytes, 0, VollBytes);
        menge.Bytes[i / 8] = static_cast<uint8_t>(1u << (i % 8));
        for (const int32_t w : {i / 64 - 1, i / 64, i / 64 + 1}) {
            if (w >= 0 && w < menge.AnzahlWoerter()) {
                EXPECT_EQ(menge.Woerter()[w], w == i / 64 ? uint64_t{1} << (i % 64) : 0) << "bit " << i;
            }
        }
    }
}

TEST(BitOperationen, AnyBitSetSeesOnlyBitsBelowN)
{
    BitOperationen menge(Voll);
    for (const int32_t n : {0, 1, 7, 8, 9, 63, 64, 65, 1000, Voll - 2}) {
        std::memset(menge.Bytes, 0, VollBytes);
        menge.Bytes[n / 8] = static_cast<uint8_t>(1u << (n % 8)); // only bit n
        EXPECT_FALSE(menge.AnyBitSet(n)) << "n = " << n;
        EXPECT_TRUE(menge.AnyBitSet(n + 1)) << "n = " << n;
    }
    menge.SetAll();
    EXPECT_FALSE(menge.AnyBitSet(0));
    EXPECT_FALSE(menge.AnyBitSet(-3));
}
