// The worker's hand-over: requests taken and dropped, stops, progress.
#include "Testhilfe.h"

TEST(Worker, ProgressShowsTheTruncatedPercentage)
{
    ProgrammStarten();
    const int32_t alt = AnzahlKombinationen;
    AnzahlKombinationen = 4096;
    for (auto [zaehler, position] : {std::pair{1000, 24}, std::pair{4000, 97}, std::pair{4096, 100}}) {
        FortschrittZaehler = zaehler;
        WorkThread->FortschrittZeigen();
        EXPECT_EQ(Form1->ProgressBar1->Position(), position);
    }
    EXPECT_DOUBLE_EQ(FortschrittProzent, 100.0);
    AnzahlKombinationen = alt;
}

TEST(Worker, RequestsWhileBusyAreDroppedAndStopsAreOnlyRequests)
{
    ProgrammStarten();
    // Stopping an idle worker changes nothing; the next request is taken.
    WorkThread->AuftragStoppen();
    EXPECT_FALSE(WorkThread->Aktiv);

    SpielBeginnen(ModusDemo, 8, 8);
    EXPECT_TRUE(WorkThread->Aktiv);
    EXPECT_EQ(WorkThread->Auftrag, ModusDemo);
    WorkThread->AuftragStarten(ModusComputer);
    EXPECT_EQ(WorkThread->Auftrag, ModusDemo);
    WARTE_BIS(WorkThread->PhaseLaeuft() || !WorkThread->Aktiv);

    WorkThread->AuftragStoppen();
    EXPECT_FALSE(WorkThread->Aktiv);
    WorkThread->PhaseAbwarten();
    EXPECT_FALSE(WorkThread->PhaseLaeuft());
    EXPECT_EQ(Form1->ProgressBar1->Position(), 100);
}

TEST(Worker, AJobStartsWithinOneSleepAndEndsIdle)
{
    SpielBeginnen(ModusMensch, 8, 6, true);
    for (int p = 0; p < 6; ++p)
        FarbCode[p] = 7;
    CodeSetzen({0, 1, 2, 3, 4, 5});
    QTest::mouseClick(Form1->Pruefen_BitBtn, Qt::LeftButton);
    EXPECT_EQ(WorkThread->Auftrag, ModusMensch);
    WARTE_BIS(SolverRuht());
    EXPECT_EQ(Form1->ProgressBar1->Position(), 100);
    // 0 black, 0 white: every code with a colour of the guess is gone, 2^6 codes of 6 and 7 stay.
    int32_t bleiben = 0;
    for (int32_t i = 0; i < 8 * 8 * 8 * 8 * 8 * 8; ++i)
        bleiben += Kandidaten->TestBit(i);
    EXPECT_EQ(bleiben, 64);
}
