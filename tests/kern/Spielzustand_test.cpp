// SPDX-License-Identifier: GPL-3.0-or-later
// The game state's start values and the random draw of a secret.
#include "game/Spielzustand.h"
#include "solver/BitOperationen.h"

#include <gtest/gtest.h>
#include <set>

TEST(Spielzustand, StartValuesAndColourTables)
{
    EXPECT_EQ(MaxKombinationen, 16777226);
    EXPECT_EQ(AnzahlKombinationen, MaxKombinationen);
    ASSERT_TRUE(KandidatenAnlegen());
    EXPECT_EQ(Kandidaten->AnzahlBits, 16777226);
    EXPECT_FALSE(Kandidaten->AnyBitSet(16777226));
    FarbTabelleFuellen();
    ComputerFarbTabelleFuellen();
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(FarbTabelle[i] == ComputerFarbTabelle[i], i != 2) << i;
    EXPECT_EQ(FarbTabelle[2], 0x00FF80u);
    EXPECT_EQ(ComputerFarbTabelle[2], 0x00FF00u);
    EXPECT_EQ(Kombinationen(8, 8), 16777216);
    EXPECT_EQ(Kombinationen(7, 8), 5764801);
}

TEST(Spielzustand, EveryCodeCanBeDrawnAndOnlyColoursInPlay)
{
    const int32_t farben = AnzahlFarben, felder = AnzahlFelder, kombinationen = AnzahlKombinationen;
    ZufallsgeneratorStarten();
    for (auto [F, n] : {std::pair{2, 2}, std::pair{3, 4}, std::pair{8, 2}}) {
        AnzahlFarben = F;
        AnzahlFelder = n;
        AnzahlKombinationen = Kombinationen(F, n);
        std::set<int32_t> gesehen;
        for (int i = 0; i < 200 * AnzahlKombinationen; ++i) {
            ZufallsCodeZiehen();
            ASSERT_GE(CodeIndex, 0);
            ASSERT_LT(CodeIndex, AnzahlKombinationen);
            int32_t index = 0, faktor = 1;
            for (int p = 0; p < n; ++p) {
                ASSERT_GE(FarbCode[p], 0);
                ASSERT_LT(FarbCode[p], F);
                index += FarbCode[p] * faktor;
                faktor *= F;
            }
            ASSERT_EQ(index, CodeIndex);
            gesehen.insert(CodeIndex);
        }
        EXPECT_EQ(static_cast<int32_t>(gesehen.size()), AnzahlKombinationen) << F << "^" << n;
    }
    for (int i = 0; i < 1000; ++i)
        ASSERT_GE(Zufallszahl(), 0);
    AnzahlFarben = farben;
    AnzahlFelder = felder;
    AnzahlKombinationen = kombinationen;
}
