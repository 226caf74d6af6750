// SPDX-License-Identifier: GPL-3.0-or-later
// The worker's hand-over: requests taken and dropped, stops, progress.
#include "Testhilfe.h"
#include "game/Main.h"

#include <chrono>
#include <string>
#include <thread>
#include <vector>

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

TEST(Worker, AMenschJobThinsTheSetByTheAnswerAndEndsIdle)
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

// The worker on its own, with a display port that records what it is shown. It shares the
// process with the windows, whose own worker stays idle meanwhile.
namespace {

struct Aufzeichnung : SolverAnzeige {
    std::vector<std::string> Ereignisse;
    std::vector<DemoZug> Zuege;
    void FortschrittAnzeigen(int32_t prozent) override { Ereignisse.push_back("bar " + std::to_string(prozent)); }
    void DemoZugAnzeigen(const DemoZug& zug) override
    {
        Ereignisse.push_back("zug " + std::to_string(zug.Zeile));
        Zuege.push_back(zug);
    }
    void DemoZeileAnzeigen(int32_t zeile) override { Ereignisse.push_back("zeile " + std::to_string(zeile)); }
    void DemoEndeAnzeigen() override { Ereignisse.push_back("ende"); }
    int32_t Dauer = 0; // ms each demo move stands
    int32_t DemoZugDauer() override { return Dauer; }
    void RatecodeZeigen(int32_t index) override { Ereignisse.push_back("rate " + std::to_string(index)); }
    void WiderspruchZeigen() override { Ereignisse.push_back("widerspruch"); }
    bool Gesehen(const std::string& anfang) const
    {
        return std::any_of(Ereignisse.begin(), Ereignisse.end(),
                           [&](const std::string& e) { return e.starts_with(anfang); });
    }
};

struct EigenerArbeiter {
    Aufzeichnung Anzeige;
    TWorkThread Arbeiter{true};
    EigenerArbeiter()
    {
        ProgrammStarten();
        WorkThread->AuftragStoppen();
        WorkThread->PhaseAbwarten();
        Arbeiter.Anzeige = &Anzeige;
        Arbeiter.Resume();
    }
    ~EigenerArbeiter() { Arbeiter.Shutdown(); }
    // A job of the given mode on an F^n board, the guess and the answer set as the turn flow sets them.
    void Starten(int32_t modus, int32_t F, int32_t n, bool stark = false)
    {
        SpielerModus = modus;
        StarkerComputer = stark;
        AnzahlFarben = F;
        AnzahlFelder = n;
        AnzahlKombinationen = Kombinationen(F, n);
        Kandidaten->SetAll();
        AktiveZeile = 1;
        std::fill(&SteckerFeld[0][0], &SteckerFeld[0][0] + sizeof SteckerFeld, LeerFeld);
        for (int p = 0; p < n; ++p) {
            FarbCode[p] = static_cast<int8_t>(p % F);
            RateCode[p] = static_cast<int8_t>((p + 1) % F);
        }
        BewerteCode(FarbCode, RateCode, n, Schwarz, Weiss);
        Arbeiter.AuftragStarten(modus);
        StarkerComputer = false; // the job has its copy
    }
    void Abwarten() { Arbeiter.PhaseAbwarten(); }
};

} // namespace

TEST(Worker, ReportsOfADemoComeInTheOrderOfTheGame)
{
    EigenerArbeiter a;
    a.Starten(ModusDemo, 4, 4);
    a.Abwarten();
    const auto& e = a.Anzeige.Ereignisse;
    ASSERT_GE(e.size(), 3u);
    // Each move is shown in its row, then the game moves on a row; at the end the closing text
    // and a full bar.
    int zeile = 1;
    for (size_t i = 0; i + 2 < e.size(); ++i) {
        if (e[i].starts_with("zug ")) {
            EXPECT_EQ(e[i], "zug " + std::to_string(zeile)) << i;
            zeile = std::min(zeile + 1, 12);
        } else if (e[i].starts_with("zeile ")) {
            EXPECT_EQ(e[i], "zeile " + std::to_string(zeile)) << i;
        } else {
            EXPECT_TRUE(e[i].starts_with("bar ")) << e[i];
        }
    }
    EXPECT_EQ(e[e.size() - 2], "ende");
    EXPECT_EQ(e.back(), "bar 100");
    EXPECT_FALSE(a.Anzeige.Gesehen("rate"));
    EXPECT_FALSE(a.Arbeiter.Aktiv);
    // Each move carries its guess and the secret's answer; the last one wins. The worker wrote
    // none of it into the game state: that is the turn flow's, which this port is not.
    for (const DemoZug& zug : a.Anzeige.Zuege) {
        int8_t code[10] = {};
        IndexZuCode(4, 4, zug.Index, code);
        int32_t schwarz = -1, weiss = -1;
        BewerteCode(FarbCode, zug.Code, 4, schwarz, weiss);
        EXPECT_TRUE(std::equal(code, code + 4, zug.Code) && schwarz == zug.Schwarz && weiss == zug.Weiss) << zug.Index;
    }
    EXPECT_EQ(a.Anzeige.Zuege.back().Schwarz, 4);
    EXPECT_EQ(AktiveZeile, 1);
    EXPECT_TRUE(std::all_of(&SteckerFeld[0][0], &SteckerFeld[0][0] + sizeof SteckerFeld,
                            [](int8_t feld) { return feld == LeerFeld; }));
}

// A demo to watch leaves each move standing as long as its port asks, and a stop ends the wait.
TEST(Worker, ADemoMoveStandsUntilItsTimeIsUpOrTheGameStops)
{
    EigenerArbeiter a;
    a.Anzeige.Dauer = 3600 * 1000;
    a.Starten(ModusDemo, 8, 8);
    ASSERT_TRUE(TThread::AwaitHandlingEvents([&] { return a.Anzeige.Gesehen("zug"); }, 20000));
    a.Arbeiter.AuftragStoppen();
    a.Abwarten();
    EXPECT_EQ(a.Anzeige.Zuege.size(), 1u);
    EXPECT_TRUE(a.Anzeige.Gesehen("ende"));
}

TEST(Worker, AComputerGuessIsShownWithAFullBarAndRequestsWhileBusyAreDropped)
{
    EigenerArbeiter a;
    a.Starten(ModusComputer, 8, 8);
    a.Arbeiter.AuftragStarten(ModusDemo); // busy: dropped
    EXPECT_EQ(a.Arbeiter.Auftrag, ModusComputer);
    a.Abwarten();
    const auto& e = a.Anzeige.Ereignisse;
    ASSERT_GE(e.size(), 2u);
    EXPECT_TRUE(e[e.size() - 2].starts_with("rate ")) << e[e.size() - 2];
    EXPECT_EQ(e.back(), "bar 100");
    EXPECT_FALSE(a.Anzeige.Gesehen("zug"));
}

// The guard on the main thread: a job stopped while its result waits there shows nothing more,
// neither the result nor the progress still on its way.
TEST(Worker, AJobStoppedWhileItsReportWaitsShowsNothingMore)
{
    EigenerArbeiter a;
    a.Starten(ModusComputer, 6, 4);
    // No events are handled meanwhile, so the finished phase waits for the main thread.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_TRUE(a.Arbeiter.PhaseLaeuft());
    a.Arbeiter.AuftragStoppen();
    a.Abwarten();
    EXPECT_EQ(a.Anzeige.Ereignisse, std::vector<std::string>{});
}

TEST(Worker, AStopEndsEveryPhaseWithoutItsResult)
{
    // The strong player's search checks for the stop between its guesses as well; the set is the
    // next job's again once the phase has ended (checked builds abort otherwise).
    for (const auto& [modus, stark] : {std::pair{ModusMensch, false},
                                       {ModusComputer, false},
                                       {ModusDemo, false},
                                       {ModusComputer, true},
                                       {ModusDemo, true}}) {
        EigenerArbeiter a;
        a.Starten(modus, 8, 8, stark);
        // Taken up, but no event handled yet: the phase is running or waits for the main thread.
        while (!a.Arbeiter.PhaseLaeuft())
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        a.Arbeiter.AuftragStoppen();
        a.Abwarten();
        EXPECT_FALSE(a.Anzeige.Gesehen("rate")) << modus;
        EXPECT_FALSE(a.Anzeige.Gesehen("widerspruch")) << modus;
        // The demo's closing steps belong to its own game and still run.
        EXPECT_EQ(a.Anzeige.Gesehen("ende"), modus == ModusDemo) << modus;
        EXPECT_FALSE(a.Arbeiter.PhaseLaeuft());
        // The next job has the set to itself and runs to its end.
        a.Anzeige.Ereignisse.clear();
        a.Starten(ModusComputer, 6, 4);
        a.Abwarten();
        EXPECT_TRUE(a.Anzeige.Gesehen("rate")) << modus;
    }
}
