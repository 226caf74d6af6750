// SPDX-License-Identifier: GPL-3.0-or-later
// Whole games through the widgets, as a player plays them, in all three modes.
#include "Testhilfe.h"
#include "game/Main.h"
#include "solver/StarkeRatesuche.h"
#include "ui/Spielarchiv.h"
#include "ui/Statistik.h"

#include <QApplication>
#include <QDir>
#include <QJsonDocument>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTimer>
#include <csignal>
#include <functional>
#include <sys/wait.h>

namespace {

// The secret as the solution window shows it.
std::vector<int> GeheimcodeAusFenster()
{
    std::vector<int> code;
    for (int p = 0; p < AnzahlFelder; ++p) {
        const uint farbe = Form2->CZufallsCode_Shape[p]->BrushColor();
        const int index = static_cast<int>(std::find(FarbTabelle, FarbTabelle + 8, farbe) - FarbTabelle);
        code.push_back(index);
    }
    return code;
}

std::vector<TColor> Stiftfarben(int zeile)
{
    std::vector<TColor> farben;
    for (int p = 0; p < AnzahlFelder; ++p)
        farben.push_back(Form1->StiftShapes[zeile][p]->BrushColor());
    return farben;
}

// Key pegs as the program paints them: black ones first, then white, the rest gray.
std::vector<TColor> Antwort(int schwarz, int weiss)
{
    std::vector<TColor> farben;
    for (int p = 0; p < AnzahlFelder; ++p)
        farben.push_back(p < schwarz ? clBlack : p < schwarz + weiss ? clWhite : clGray);
    return farben;
}

// The index of a code: the code read in base F, place 0 least significant.
int32_t ZeileZuIndexVon(const std::vector<int>& code, int32_t F)
{
    int32_t index = 0;
    for (size_t p = code.size(); p-- > 0;)
        index = index * F + code[p];
    return index;
}

void GeheimcodeSetzen(const std::vector<int>& code)
{
    for (size_t p = 0; p < code.size(); ++p)
        FarbCode[p] = static_cast<int8_t>(code[p]);
}

} // namespace

TEST(SpielMensch, GuessesAreScoredUntilTheCodeIsFound)
{
    SpielBeginnen(ModusMensch, 6, 4);
    EXPECT_TRUE(Form1->Pruefen_BitBtn->Enabled());
    EXPECT_TRUE(Form1->ZeigeFarbCode_BitBtn->Enabled());
    EXPECT_FALSE(Form1->FarbCodeGeprueft_BitBtn->Enabled());
    EXPECT_EQ(Form1->ZeilenLabels[1]->Color(), clRed);
    QTest::mouseClick(Form1->ZeigeFarbCode_BitBtn, Qt::LeftButton);
    EXPECT_TRUE(Form2->Visible());
    const std::vector<int> geheim = GeheimcodeAusFenster();
    for (int f : geheim)
        EXPECT_LT(f, 6);

    // The program's own rule: a one-colour guess against a secret with that colour once.
    GeheimcodeSetzen({0, 2, 3, 1});
    Raten({0, 0, 0, 0});
    EXPECT_EQ(Stiftfarben(1), Antwort(1, 3));
    EXPECT_EQ(AktiveZeile, 2);
    EXPECT_EQ(Form1->ZeilenLabels[1]->Color(), clBtnFace);
    EXPECT_EQ(Form1->ZeilenLabels[2]->Color(), clRed);
    EXPECT_EQ(Form1->ProgressBar1->Position(), 0); // no "Computer Frech": no solver job

    // An incomplete row is refused and changes nothing.
    Raten({1, 1});
    EXPECT_EQ(Status(), QStringLiteral("Es müssen alle Felder besetzt sein."));
    EXPECT_EQ(AktiveZeile, 2);
    EXPECT_EQ(Stiftfarben(2), Antwort(0, 0));

    Raten({0, 2, 3, 1});
    EXPECT_EQ(Stiftfarben(2), Antwort(4, 0));
    EXPECT_EQ(Info(), QStringLiteral("Spieler: Mensch\n\nSie haben den Code Gelöst."));
    EXPECT_FALSE(Form1->Pruefen_BitBtn->Enabled());
    EXPECT_EQ(AktiveZeile, 2);

    // The game is over: the winning row stays as it was scored, and Enter checks nothing.
    CodeSetzen({5, 5, 5, 5});
    for (int p = 0; p < 4; ++p)
        EXPECT_EQ(SteckerFeld[2][p], std::vector<int>({0, 2, 3, 1})[p]) << p;
    EXPECT_EQ(Form1->SteckerShapes[2][0]->BrushColor(), FarbTabelle[0]);
    QTest::keyClick(Form1, Qt::Key_Return);
    EXPECT_EQ(Stiftfarben(2), Antwort(4, 0));
    EXPECT_TRUE(Form1->NeuesSpiel_BitBtn->Enabled());
    EXPECT_TRUE(Form1->ZeigeFarbCode_BitBtn->Enabled());
}

TEST(SpielMensch, EnterPressesTheFocusedButtonAndOtherwiseChecks)
{
    SpielBeginnen(ModusMensch, 6, 4);
    Form2->Hide();
    // Tabbed to "Zeige Farbcode": Enter shows the secret and checks nothing.
    Form1->ZeigeFarbCode_BitBtn->setFocus();
    QTest::keyClick(Form1->ZeigeFarbCode_BitBtn, Qt::Key_Return);
    EXPECT_TRUE(Form2->Visible());
    EXPECT_NE(Status(), QStringLiteral("Es müssen alle Felder besetzt sein."));
    Form2->Hide();
    // With the focus on no button, Enter is "Computer Prüfen".
    Form1->ZeigeFarbCode_BitBtn->clearFocus();
    QTest::keyClick(Form1, Qt::Key_Return);
    EXPECT_FALSE(Form2->Visible());
    EXPECT_EQ(Status(), QStringLiteral("Es müssen alle Felder besetzt sein."));
}

// A button that the player's click takes out of reach leaves the focus on its window: the next
// Enter does what the window does, and presses no neighbour.
TEST(Fokus, AButtonThatGoesAwayLeavesTheFocusOnItsWindow)
{
    const auto enter = [] { QTest::keyClick(Form1->focusWidget() ? Form1->focusWidget() : Form1, Qt::Key_Return); };
    const auto klick = [](QWidget* knopf) { QTest::mouseClick(knopf, Qt::LeftButton); };
    const struct {
        const char* Fall;
        std::function<void()> Klicken; // ends with the click on the button that goes away
        QString Status;                // what Enter then says
    } faelle[] = {
        {"answer sent",
         [&] {
             SpielBeginnen(ModusComputer, 3, 3);
             StifteSetzen({StiftWeiss});
             klick(Form1->FarbCodeGeprueft_BitBtn);
         },
         QString()},
        {"game won",
         [&] {
             SpielBeginnen(ModusMensch, 2, 2);
             CodeSetzen(GeheimcodeAusFenster());
             klick(Form1->Pruefen_BitBtn);
         },
         QString()},
        {"new game confirmed",
         [&] {
             SpielBeginnen(ModusMensch, 6, 4);
             klick(Form1->NeuesSpiel_BitBtn);
             klick(Einstellungen_Form->EinstellungOK_BitBtn);
         },
         QStringLiteral("Es müssen alle Felder besetzt sein.")},
    };
    for (const auto& f : faelle) {
        f.Klicken();
        Form2->Hide();
        Form3->Hide();
        Form1->MeldungAnzeigen("");
        EXPECT_EQ(Form1->focusWidget(), Form1) << f.Fall;
        enter();
        EXPECT_FALSE(Einstellungen_Form->Visible()) << f.Fall;
        EXPECT_FALSE(Form2->Visible()) << f.Fall;
        EXPECT_FALSE(Form3->Visible()) << f.Fall;
        EXPECT_EQ(Status(), f.Status) << f.Fall;
        WARTE_BIS(SolverRuht());
    }
    // A minimised window comes back at its button's press, raised and active.
    Form2->showMinimized();
    klick(Form1->ZeigeFarbCode_BitBtn);
    EXPECT_TRUE(Form2->Visible());
    EXPECT_FALSE(Form2->windowState() & Qt::WindowMinimized);
    WARTE_BIS(QApplication::activeWindow() == Form2);
}

// Clicking the mode already chosen changes nothing: the marker box stays as the player left it.
TEST(Einstellungen, TheChosenModeClickedAgainChangesNothing)
{
    SpielBeginnen(ModusMensch, 6, 4);
    const auto waehlen = [](int modus) {
        QRadioButton* knopf = Einstellungen_Form->Spieler_RadioGroup->Button(modus);
        QTest::mouseClick(knopf, Qt::LeftButton, Qt::NoModifier, QPoint(8, knopf->height() / 2));
    };
    for (const int modus : {ModusMensch, ModusComputer}) {
        QTest::mouseClick(Form1->NeuesSpiel_BitBtn, Qt::LeftButton);
        waehlen(modus);
        const bool offen = modus == ModusMensch; // opened by the player, or closed by the player
        if (offen)
            QTest::mouseClick(Form1->FarbMekerBox_BitBnt, Qt::LeftButton);
        else
            QTest::mouseClick(Form3->FarbcodeMerkerBoxColse_BitBtn, Qt::LeftButton);
        waehlen(modus);
        EXPECT_EQ(Form3->Visible(), offen) << modus;
        EXPECT_EQ(Einstellungen_Form->Spieler_RadioGroup->ItemIndex(), modus);
        Form3->Hide();
        QTest::mouseClick(Einstellungen_Form->EinstellungOK_BitBtn, Qt::LeftButton);
    }
}

TEST(SpielMensch, RowNineScrollsAndRowTwelveIsCheckedAgainFromGray)
{
    SpielBeginnen(ModusMensch, 8, 4);
    GeheimcodeSetzen({0, 2, 3, 1});
    AktiveZeile = 8;
    Raten({5, 5, 5, 5});
    EXPECT_EQ(AktiveZeile, 9);
    EXPECT_EQ(Form1->ScrollBox1->VertScrollBarPosition(), 212);

    AktiveZeile = 12;
    Raten({0, 0, 0, 0});
    EXPECT_EQ(Stiftfarben(12), Antwort(1, 3));
    Raten({2, 6, 6, 6});
    EXPECT_EQ(Stiftfarben(12), Antwort(0, 1));
    EXPECT_EQ(AktiveZeile, 12);
    EXPECT_EQ(Form1->ZeilenLabels[12]->Color(), clRed);
    EXPECT_EQ(Form1->ZeilenLabels[11]->Color(), clBtnFace);
    EXPECT_TRUE(Form1->Pruefen_BitBtn->Enabled());
}

TEST(SpielMensch, ComputerFrechInsultsImpossibleGuessesOnly)
{
    SpielBeginnen(ModusMensch, 6, 4, true);
    GeheimcodeSetzen({0, 2, 3, 1});
    // Each guess, and whether it is insulted; after a possible one the set is filtered to the end.
    const struct {
        int8_t Code[4];
        bool Frech;
    } zuege[] = {
        {{4, 4, 5, 5}, false}, // 0 black, 0 white: no 4 and no 5 in the secret
        {{4, 4, 5, 5}, true},  // the same guess again
        {{0, 4, 1, 1}, true},  // contains a 4, which the first answer ruled out
        {{0, 1, 1, 2}, false}, // still possible
    };
    for (const auto& zug : zuege) {
        Raten({zug.Code, zug.Code + 4});
        EXPECT_EQ(Status(),
                  zug.Frech ? QStringLiteral("*** Blödmann! *** Dieser Farbcode ist nicht mehr möglich.") : QString());
        if (!zug.Frech) {
            WARTE_BIS(SolverRuht());
            EXPECT_EQ(Form1->ProgressBar1->Position(), 100);
        }
    }

    // Every answer was filtered: the set holds exactly the codes that fit all four.
    int8_t code[8];
    for (int32_t i = 0; i < 6 * 6 * 6 * 6; ++i) {
        IndexZuCode(6, 4, i, code);
        bool passt = true;
        for (const auto& [rate, frech] : zuege) {
            int32_t s1, w1, s2, w2;
            BewerteCode(FarbCode, rate, 4, s1, w1);
            BewerteCode(code, rate, 4, s2, w2);
            passt = passt && s1 == s2 && w1 == w2 && !std::equal(rate, rate + 4, code);
        }
        ASSERT_EQ(Kandidaten->TestBit(i), passt) << i;
    }
}

TEST(SpielComputer, TheComputerFindsTheHumansCode)
{
    SpielBeginnen(ModusComputer, 6, 4);
    EXPECT_FALSE(Form1->Pruefen_BitBtn->Enabled());
    EXPECT_FALSE(Form1->ZeigeFarbCode_BitBtn->Enabled());
    EXPECT_EQ(Form1->SteckerFabwahl_GroupBox->Caption(), QStringLiteral("Mögliche Fraben"));
    const int8_t geheim[4] = {3, 3, 0, 5};
    for (int zug = 0; zug < 40; ++zug) {
        ASSERT_TRUE(Form1->FarbCodeGeprueft_BitBtn->Enabled());
        EXPECT_TRUE(Info().startsWith(QStringLiteral("Spieler: Computer.\nBitte Farbcode überprüfen.")));
        for (int p = 0; p < 4; ++p)
            EXPECT_EQ(Form1->SteckerShapes[AktiveZeile][p]->BrushColor(), ComputerFarbTabelle[FarbCode[p]]);
        if (Antworten(geheim) == 4) {
            EXPECT_EQ(Info(), QStringLiteral("Spieler: Computer\nIch habe Gewonnen."));
            EXPECT_FALSE(Form1->FarbCodeGeprueft_BitBtn->Enabled());
            EXPECT_FALSE(WorkThread->Aktiv);
            // The won game is over: the answer stays on the board.
            Druecken(Form1->StiftGray_Shape);
            Druecken(Form1->StiftShapes[AktiveZeile][0]);
            EXPECT_EQ(StiftFeld[AktiveZeile][0], StiftSchwarz);
            return;
        }
        const int zeile = AktiveZeile;
        WARTE_BIS(Form1->FarbCodeGeprueft_BitBtn->Enabled());
        EXPECT_EQ(Form1->ProgressBar1->Position(), 100);
        EXPECT_EQ(AktiveZeile, std::min(zeile + 1, 12));
        EXPECT_EQ(Form1->ZeilenLabels[AktiveZeile]->Color(), clRed);
    }
    FAIL() << "the computer did not find the code";
}

// Optionen → Starker Computer counts from the next game on; it opens with its first guess and
// finds any code of this board within six guesses.
TEST(SpielComputer, TheStrongComputerFromTheNextGameOn)
{
    SpielBeginnen(ModusComputer, 6, 4);
    Form1->MenuStarkerComputer->trigger();
    EXPECT_FALSE(StarkerComputer);
    SpielBeginnen(ModusComputer, 6, 4);
    EXPECT_EQ(CodeIndex, StarkerErsterZug(6, 4));
    const int8_t geheim[4] = {3, 3, 0, 5};
    for (int zug = 1;; ++zug) {
        if (Antworten(geheim) == 4)
            break;
        ASSERT_LT(zug, 6);
        WARTE_BIS(Form1->FarbCodeGeprueft_BitBtn->Enabled());
    }
    Form1->MenuStarkerComputer->trigger();
    SpielBeginnen(ModusComputer, 6, 4);
    EXPECT_FALSE(StarkerComputer);
}

TEST(SpielComputer, PairedCountingOfFourRedsIsAContradiction)
{
    SpielBeginnen(ModusComputer, 8, 4);
    // As if the computer had guessed four reds.
    GeheimcodeSetzen({0, 0, 0, 0});
    CodeIndex = 0;
    StifteSetzen({StiftGrau, StiftGrau, StiftSchwarz, StiftGrau});
    QTest::mouseClick(Form1->FarbCodeGeprueft_BitBtn, Qt::LeftButton);
    EXPECT_EQ(Schwarz, 1);
    EXPECT_EQ(Weiss, 0);
    WARTE_BIS(Info().contains(QStringLiteral("betrogen")));
    EXPECT_EQ(Info(), QStringLiteral("Spieler: Computer.\nSie haben\nbetrogen!.\nEs ist keine Lösung\nmehr möglich!"));
    EXPECT_EQ(Status(), QStringLiteral("Sie haben eine falsche Angabe gemacht"));
    WARTE_BIS(Form1->ProgressBar1->Position() == 100 && SolverRuht());
    EXPECT_FALSE(Form1->FarbCodeGeprueft_BitBtn->Enabled());
    EXPECT_EQ(AktiveZeile, 1);
}

TEST(SpielComputer, KeyPegsCountWhereverTheyStandAndTheAnswerStands)
{
    SpielBeginnen(ModusComputer, 8, 4);
    // As if the computer had guessed 0 1 2 3: 2 black, 1 white fits codes such as 0 1 5 2, so the
    // computer guesses on (a guess of one colour could not get this answer).
    GeheimcodeSetzen({0, 1, 2, 3});
    CodeIndex = ZeileZuIndexVon({0, 1, 2, 3}, 8);
    StifteSetzen({StiftSchwarz, StiftSchwarz, StiftGrau, StiftWeiss});
    QTest::mouseClick(Form1->FarbCodeGeprueft_BitBtn, Qt::LeftButton);
    EXPECT_EQ(Schwarz, 2);
    EXPECT_EQ(Weiss, 1);
    EXPECT_EQ(Info(), QStringLiteral("Spieler: Computer.\nBitte warten.\nFühre Berchnungen durch."));
    const int32_t geraten = CodeIndex;
    // While the computer calculates, the answered row takes no further peg.
    Druecken(Form1->StiftShapes[1][2]);
    EXPECT_EQ(StiftFeld[1][2], StiftGrau);
    EXPECT_EQ(Form1->StiftShapes[1][2]->BrushColor(), clGray);
    WARTE_BIS(Form1->FarbCodeGeprueft_BitBtn->Enabled());
    EXPECT_EQ(AktiveZeile, 2);
    Druecken(Form1->StiftShapes[2][2]);
    EXPECT_EQ(StiftFeld[2][2], StiftWeiss);
    WARTE_BIS(SolverRuht());
    EXPECT_FALSE(Kandidaten->TestBit(geraten));
}

TEST(SpielComputer, RowTwelveTakesEachAnswerFromGray)
{
    SpielBeginnen(ModusComputer, 6, 4);
    const int8_t geheim[4] = {3, 3, 0, 5};
    // As if eleven guesses had gone before: the computer guesses on in row 12.
    AktiveZeile = 12;
    for (int zug = 0; zug < 3; ++zug) {
        if (Antworten(geheim) == 4)
            return;
        WARTE_BIS(Form1->FarbCodeGeprueft_BitBtn->Enabled());
        EXPECT_EQ(AktiveZeile, 12);
        for (int p = 0; p < 8; ++p) {
            EXPECT_EQ(StiftFeld[12][p], LeerFeld) << p;
            EXPECT_EQ(Form1->StiftShapes[12][p]->BrushColor(), clGray) << p;
        }
    }
    // An unchanged "Mensch Geprüft" now counts no pegs at all, not the last answer again.
    QTest::mouseClick(Form1->FarbCodeGeprueft_BitBtn, Qt::LeftButton);
    EXPECT_EQ(Schwarz, 0);
    EXPECT_EQ(Weiss, 0);
    WARTE_BIS(SolverRuht());
}

namespace {

// Every row the demo filled shows the program's answer to its guess; the last one is the secret.
void DemoBrettPruefen()
{
    int letzte = 0;
    for (int zeile = 1; zeile <= 12; ++zeile) {
        if (SteckerFeld[zeile][0] < 0)
            break;
        letzte = zeile;
        int32_t schwarz, weiss;
        BewerteCode(FarbCode, SteckerFeld[zeile], AnzahlFelder, schwarz, weiss);
        if (zeile < 12) {
            EXPECT_EQ(Stiftfarben(zeile), Antwort(schwarz, weiss)) << zeile;
        }
        EXPECT_EQ(Form1->ZeilenLabels[zeile]->Color(), clBtnFace);
    }
    ASSERT_GT(letzte, 0);
    int32_t schwarz, weiss;
    BewerteCode(FarbCode, SteckerFeld[letzte], AnzahlFelder, schwarz, weiss);
    EXPECT_EQ(schwarz, AnzahlFelder);
    EXPECT_EQ(Stiftfarben(letzte), Antwort(AnzahlFelder, 0));
}

} // namespace

TEST(SpielDemo, PlaysToTheEndAndFindsTheSecret)
{
    // The last two with Optionen → Starker Computer.
    ProgrammStarten();
    for (auto [farben, felder, stark] :
         {std::tuple{2, 2, false}, {6, 4, false}, {8, 8, false}, {6, 4, true}, {8, 8, true}}) {
        if (Form1->MenuStarkerComputer->Checked() != stark)
            Form1->MenuStarkerComputer->trigger();
        SpielBeginnen(ModusDemo, farben, felder);
        EXPECT_EQ(StarkerComputer, stark);
        EXPECT_TRUE(Form1->ZeigeFarbCode_BitBtn->Enabled());
        EXPECT_EQ(Form1->SteckerFabwahl_GroupBox->Caption(), QStringLiteral("Mögliche Farben"));
        WARTE_BIS(Info() == QStringLiteral("Demo Spiele.\n\nComuter gegen Computer.\n\nFertig!"));
        WARTE_BIS(SolverRuht());
        EXPECT_EQ(Form1->ProgressBar1->Position(), 100);
        EXPECT_FALSE(WorkThread->Aktiv);
        DemoBrettPruefen();
        EXPECT_TRUE(!stark || ZeileZuIndex(1, farben, felder) == StarkerErsterZug(farben, felder));
    }
    Form1->MenuStarkerComputer->trigger();
}

TEST(SpielDemo, NewGameFromEitherWindowStopsIt)
{
    for (bool ausLoesung : {false, true}) {
        SpielBeginnen(ModusDemo, 8, 8);
        WARTE_BIS(SteckerFeld[1][0] >= 0);
        // A fast machine may have finished the demo already; then there is nothing to stop.
        const bool lief = WorkThread->Aktiv;
        if (ausLoesung) {
            QTest::mouseClick(Form1->ZeigeFarbCode_BitBtn, Qt::LeftButton);
            QTest::mouseClick(Form2->NeuesSpiel_BitBtn1, Qt::LeftButton);
            EXPECT_FALSE(Form2->Visible());
        } else {
            QTest::mouseClick(Form1->NeuesSpiel_BitBtn, Qt::LeftButton);
        }
        EXPECT_TRUE(Einstellungen_Form->Visible());
        WARTE_BIS(SolverRuht());
        // A stopped demo closes with its own text while the dialog is open.
        EXPECT_EQ(Info(), lief ? QStringLiteral("Demo Spiele.\n\nComuter gegen Computer.\n\nFertig!")
                               : QStringLiteral("Neues Spiel"));
        EXPECT_EQ(Form1->ProgressBar1->Position(), lief ? 100 : 0);
        EXPECT_FALSE(WorkThread->Aktiv);
        EXPECT_EQ(AktiveZeile, 1);
    }
}

TEST(SpielDemo, AStoppedDemoNeverWritesIntoTheNextGame)
{
    const struct {
        int modus;
        const char* text;
    } folgen[] = {{ModusMensch, "Spieler Mensch.\n\nMensch gegen Computer."},
                  {ModusComputer, "Spieler: Computer.\nBitte Farbcode überprüfen."},
                  {ModusDemo, "Demo Spiel.\n\nComuter gegen Computer.\n\nBitte warten."}};
    for (const auto& folge : folgen) {
        SpielBeginnen(ModusDemo, 8, 8);
        WARTE_BIS(SteckerFeld[1][0] >= 0);
        // "Neues Spiel" and OK in one turn of the event loop, while the demo is still running.
        Form1->NeuesSpiel_BitBtn->Click();
        Einstellungen_Form->Spieler_RadioGroup->SetItemIndex(folge.modus);
        Einstellungen_Form->EinstellungOK_BitBtn->Click();
        EXPECT_TRUE(Info().startsWith(QString::fromUtf8(folge.text))) << Info().toStdString();
        if (folge.modus == ModusComputer)
            Form3->Hide();
        // One job at a time: once the next game's has ended and what it posted is handled, all
        // the stopped demo could still show has arrived.
        WARTE_BIS(SolverRuht());
        QCoreApplication::processEvents();
        EXPECT_FALSE(Info().endsWith(QStringLiteral("Fertig!")) && folge.modus != ModusDemo) << Info().toStdString();
    }
}

TEST(SpielDemo, RestartedAtOnceManyTimesLeavesNothingStale)
{
    SpielBeginnen(ModusDemo, 8, 6);
    for (int i = 0; i < 25; ++i) {
        Form1->StarteDemo();
        if (i % 5 == 0) { // now and then once it has been taken up
            WARTE_BIS(WorkThread->PhaseLaeuft() || SolverRuht());
        }
    }
    // The last demo alone runs to its end: the earlier ones' closing steps came before it started.
    WARTE_BIS(SolverRuht());
    EXPECT_EQ(Info(), QStringLiteral("Demo Spiele.\n\nComuter gegen Computer.\n\nFertig!"));
    DemoBrettPruefen();
}

TEST(Einstellungen, ChoicesChangeTheMainWindowAtOnce)
{
    ProgrammStarten();
    auto* dialog = Einstellungen_Form;
    auto* frech = dialog->ComputerFrech_CheckBox;
    if (!dialog->Visible())
        Form1->NeuesSpiel_BitBtn->Click();
    EXPECT_EQ(dialog->Caption(), QStringLiteral("Einstellungen"));
    EXPECT_FALSE(Form1->NeuesSpiel_BitBtn->Enabled());

    dialog->Spieler_RadioGroup->SetItemIndex(ModusMensch);
    frech->SetChecked(true);
    dialog->AnzahlFelder_TrackBar->SetPosition(7);
    EXPECT_FALSE(frech->Visible());
    EXPECT_FALSE(frech->Checked());
    dialog->AnzahlFelder_TrackBar->SetPosition(6);
    EXPECT_TRUE(frech->Visible());
    EXPECT_EQ(dialog->AnzahlFelder_Label->Caption(), QStringLiteral("6"));
    dialog->AnzahlFarben_TrackBar->SetPosition(5);
    EXPECT_EQ(dialog->AnzahlFarben_Label->Caption(), QStringLiteral("5"));
    EXPECT_FALSE(Form1->FarbwahlShapes[5]->Visible());

    frech->SetChecked(true);
    dialog->Spieler_RadioGroup->SetItemIndex(ModusComputer);
    EXPECT_EQ(SpielerModus, ModusComputer);
    EXPECT_FALSE(frech->Visible());
    EXPECT_TRUE(Form3->Visible());
    EXPECT_TRUE(Form1->StiftFarbWahl_Panel->Visible());
    EXPECT_EQ(Info(), QStringLiteral("Spieler Computer.\n\nComputer gegen Mensch."));
    EXPECT_EQ(Form1->SteckerFabwahl_GroupBox->Caption(), QStringLiteral("FarbwahlBox (clicke auf ein Quadraht)"));
    dialog->AnzahlFelder_TrackBar->SetPosition(4);
    EXPECT_FALSE(frech->Visible());

    dialog->Spieler_RadioGroup->SetItemIndex(ModusDemo);
    EXPECT_FALSE(Form3->Visible());
    EXPECT_FALSE(Form1->SteckerFabwahl_GroupBox->Enabled());
    EXPECT_FALSE(Form1->ShowFarbwahl_Shape->Visible());
    EXPECT_EQ(Form1->SteckerFabwahl_GroupBox->Caption(), QStringLiteral("Mögliche Farben"));
    EXPECT_EQ(Info(), QStringLiteral("Demo Spiel.\n\nComuter gegen Computer."));

    dialog->Spieler_RadioGroup->SetItemIndex(ModusMensch);
    EXPECT_TRUE(frech->Visible());
    EXPECT_TRUE(frech->Checked());
    EXPECT_TRUE(Form1->SteckerFabwahl_GroupBox->Enabled());
    EXPECT_EQ(Form1->SteckerFabwahl_GroupBox->Caption(), QStringLiteral("FarbWahlBox (clicke auf ein Quadraht)"));

    // The close box only hides the dialog: no game starts, but "Neues Spiel" opens it again.
    dialog->close();
    EXPECT_FALSE(dialog->Visible());
    EXPECT_TRUE(Form1->NeuesSpiel_BitBtn->Enabled());
    EXPECT_FALSE(Form1->SteckerZeilen[1]->Enabled());
    QTest::mouseClick(Form1->NeuesSpiel_BitBtn, Qt::LeftButton);
    ASSERT_TRUE(dialog->Visible());
    EXPECT_FALSE(Form1->NeuesSpiel_BitBtn->Enabled());

    // Enter presses OK.
    QTest::keyClick(dialog, Qt::Key_Return);
    EXPECT_FALSE(dialog->Visible());
    EXPECT_TRUE(Form1->NeuesSpiel_BitBtn->Enabled());
    EXPECT_TRUE(Form1->SteckerZeilen[1]->Enabled());
    EXPECT_FALSE(Form1->StiftZeilen[1]->Enabled());
}

TEST(Einstellungen, MarkerBoxInModeComputer)
{
    SpielBeginnen(ModusComputer, 8, 5);
    EXPECT_EQ(Form3->Caption(), QStringLiteral("Farbcode  MerkerBox   Hier können Sie Ihren Farbcode eingeben."));
    ASSERT_TRUE(Form3->Visible());
    EXPECT_EQ(Form1->SteckerFabwahl_GroupBox->Caption(), QStringLiteral("Mögliche Fraben"));
    EXPECT_TRUE(Form3->MerkerFarbCode_Shape[4]->Visible());
    EXPECT_FALSE(Form3->MerkerFarbCode_Shape[5]->Visible());
    Druecken(Form1->BlueFarbwahl_Shape);
    Druecken(Form3->MerkerFarbCode_Shape[2], Qt::RightButton);
    EXPECT_EQ(Form3->MerkerFarbCode_Shape[2]->BrushColor(), clBlue);
    Druecken(Form1->YellowFarbwahl_Shape);
    EXPECT_EQ(Form3->MerkerFarbCode_Shape[2]->BrushColor(), clBlue);

    QTest::mouseClick(Form3->FarbcodeMerkerBoxColse_BitBtn, Qt::LeftButton);
    EXPECT_FALSE(Form3->Visible());
    EXPECT_EQ(Form1->SteckerFabwahl_GroupBox->Caption(), QStringLiteral("Mögliche Farben"));
    EXPECT_FALSE(Form1->SteckerFabwahl_GroupBox->Enabled());
    QTest::mouseClick(Form1->FarbMekerBox_BitBnt, Qt::LeftButton);
    EXPECT_TRUE(Form3->Visible());
    EXPECT_TRUE(Form1->SteckerFabwahl_GroupBox->Enabled());
    EXPECT_EQ(Form1->SteckerFabwahl_GroupBox->Caption(), QStringLiteral("FarbwahlBox (clicke auf ein Quadraht)"));

    // A new game in this mode opens the box again.
    Form3->Hide();
    Form1->NeuesSpiel_BitBtn->Click();
    EXPECT_TRUE(Form3->Visible());
}

TEST(Hilfe, ShowsTheRulesModallyAndClosesWithEscape)
{
    ProgrammStarten();
    QStringList zeilen;
    QTimer::singleShot(50, [&] {
        zeilen = Hilfe_Form->Hilfe_Memo->Lines();
        EXPECT_TRUE(Hilfe_Form->Visible());
        // No scroll bar narrows the memo: every line of the rules stands whole on a line of its own.
        auto* memo = Hilfe_Form->Hilfe_Memo;
        EXPECT_FALSE(memo->verticalScrollBar()->isVisible());
        EXPECT_EQ(memo->document()->blockCount(), 13);
        for (QTextBlock block = memo->document()->begin(); block.isValid(); block = block.next())
            EXPECT_EQ(block.layout()->lineCount(), 1) << block.text().toStdString();
        QTest::keyClick(Hilfe_Form, Qt::Key_Escape);
    });
    Form1->MenuHilfe->Click();
    EXPECT_FALSE(Hilfe_Form->Visible());
    ASSERT_EQ(zeilen.size(), 13);
    EXPECT_EQ(zeilen[0], QStringLiteral("Farbenrater Regeln:"));
    EXPECT_EQ(zeilen[1], QStringLiteral(" "));
    EXPECT_EQ(zeilen[2], QStringLiteral("Der Computer hat eine zufällige Kombination von  Farben erzeugt. "));
    EXPECT_EQ(zeilen[6], QStringLiteral("setzt der Computer einen kleinen weißen  Stift. "));
    EXPECT_EQ(zeilen[10], QStringLiteral("Die Stelle, an der sich der ein schwarzer Stift befindet,"));
    EXPECT_EQ(zeilen[12], QStringLiteral("auf welchen Ihrer Farbknöpfe er sich bezieht! "));
    EXPECT_EQ(Hilfe_Form->HilfeClose_BitBtn->Caption(), QStringLiteral("Schließen"));

    QTimer::singleShot(50, [] { QTest::mouseClick(Hilfe_Form->HilfeClose_BitBtn, Qt::LeftButton); });
    Form1->MenuHilfe->Click();
    EXPECT_FALSE(Hilfe_Form->Visible());
}

TEST(Menue, SchliessenEndsAtOnceWithStatusZeroWhileTheSolverRuns)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            SpielBeginnen(ModusDemo, 8, 8);
            WARTE_BIS(WorkThread->PhaseLaeuft());
            Form1->MenuClose->Click();
        },
        ::testing::ExitedWithCode(0), "");
}

TEST(Ende, ClosingTheMainWindowWhileTheSolverRunsEndsWithStatusZero)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            // The entry point's own run: windows, message loop, and a player who starts a large
            // demo and closes the board in the middle of it.
            QTimer::singleShot(400, [] {
                Form1->NeuesSpiel_BitBtn->Click();
                Einstellungen_Form->Spieler_RadioGroup->SetItemIndex(ModusDemo);
                Einstellungen_Form->AnzahlFelder_TrackBar->SetPosition(8);
                Einstellungen_Form->EinstellungOK_BitBtn->Click();
            });
            QTimer::singleShot(450, [] { QTest::mouseClick(Form1->BitBtn3, Qt::LeftButton); });
            const int ergebnis = Farbenrater_Prj();
            std::exit(WorkThread->Finished() ? ergebnis : 3);
        },
        ::testing::ExitedWithCode(0), "");
}

// ---------------------------------------------------------------------------------------------
// What the game keeps between runs: the record of games in every situation its file may be in,
// and a program started the way the entry point starts it.

namespace {

QByteArray DateiInhalt(const QString& pfad)
{
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

void DateiSchreiben(const QString& pfad, const QByteArray& inhalt)
{
    QDir().mkpath(QFileInfo(pfad).absolutePath());
    QFile datei(pfad);
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.write(inhalt);
}

// The games of a valid record; -1 when the file is not one.
QJsonArray Aufgezeichnet(const QString& pfad, bool* gueltig = nullptr)
{
    const QJsonObject wurzel = QJsonDocument::fromJson(DateiInhalt(pfad)).object();
    if (gueltig)
        *gueltig = wurzel.value("version").toInt() == 1 && wurzel.value("spiele").isArray();
    return wurzel.value("spiele").toArray();
}

SpielEintrag Gewonnen(int zeilen)
{
    return {QStringLiteral("Mensch"), 5, 3, zeilen, QStringLiteral("gelöst"), QDateTime::currentDateTimeUtc()};
}

// A second copy of the game, adding `anzahl` games as fast as it can.
pid_t Schreiber(const QString& pfad, int anzahl)
{
    const pid_t kind = fork();
    if (kind == 0) {
        Spielarchiv archiv(pfad);
        for (int i = 0; i < anzahl; ++i)
            archiv.Hinzufuegen(Gewonnen(i % 12 + 1));
        _exit(0);
    }
    return kind;
}

} // namespace

TEST(Spielarchiv, EveryFileSituationKeepsWhatWasThereAndRecordsWhatItCan)
{
    const QByteArray gueltig = R"({"version": 1, "spiele": [{"modus": "Computer", "farben": 8, "felder": 8,
                                   "zeilen": 9, "ergebnis": "gelöst", "von morgen": true}]})";
    const QByteArray neuer = R"({"version": 2, "spiele": {"anders": 1}})";
    const struct {
        const char* name;
        QByteArray vorher; // the file before; none when empty
        bool versperrt;    // the data folder cannot be made: a file stands where it belongs
        int anderer;       // games another copy adds at the same moment
        bool gespeichert;  // the two games of this copy are kept
        int spiele;        // games in the file afterwards
        bool beiseite;     // the old file is kept beside it, unchanged, and the message names it
    } faelle[] = {
        {"missing", "", false, 0, true, 2, false},
        {"valid", gueltig, false, 0, true, 3, false},
        {"broken", "{broken", false, 0, true, 2, true},
        {"wrong shape", R"({"version": 1, "spiele": 7})", false, 0, true, 2, true},
        {"newer version", neuer, false, 0, false, 0, false},
        {"read-only", "", true, 0, false, 0, false},
        {"two writers", "", false, 30, true, 32, false},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath(fall.versperrt ? "datei/spiele.json" : "spiele.json");
        if (fall.versperrt)
            DateiSchreiben(ordner.filePath("datei"), "kein Ordner");
        if (!fall.vorher.isEmpty())
            DateiSchreiben(pfad, fall.vorher);
        const pid_t anderer = fall.anderer ? Schreiber(pfad, fall.anderer) : 0;
        Spielarchiv archiv(pfad);
        EXPECT_EQ(archiv.Hinzufuegen(Gewonnen(3)), fall.gespeichert);
        EXPECT_EQ(archiv.Hinzufuegen(Gewonnen(4)), fall.gespeichert);
        int status = -1;
        if (anderer) {
            EXPECT_EQ(waitpid(anderer, &status, 0), anderer);
        }
        const QString meldung = archiv.Meldung();
        // A game that cannot be kept is said once, not after every game.
        EXPECT_EQ(meldung.isEmpty(), fall.gespeichert && !fall.beiseite) << meldung.toStdString();
        EXPECT_FALSE(archiv.Hinzufuegen(Gewonnen(5)) != fall.gespeichert || !archiv.Meldung().isEmpty());
        const int dazu = fall.gespeichert ? 1 : 0;

        bool lesbar = false;
        const QJsonArray spiele = Aufgezeichnet(pfad, &lesbar);
        if (fall.vorher == neuer) {
            EXPECT_EQ(DateiInhalt(pfad), neuer);
        } else if (!fall.versperrt) {
            ASSERT_TRUE(lesbar);
            EXPECT_EQ(spiele.size(), fall.spiele + dazu);
            // The last game as written, but for its moment, which only has to be a time.
            QJsonObject letztes = spiele.last().toObject(), erwartet = Gewonnen(5).AlsJson();
            EXPECT_TRUE(QDateTime::fromString(letztes.take("zeit").toString(), Qt::ISODate).isValid());
            erwartet.remove("zeit");
            EXPECT_EQ(letztes, erwartet);
            if (fall.vorher == gueltig) {
                EXPECT_EQ(spiele.first().toObject(), QJsonDocument::fromJson(gueltig)["spiele"][0].toObject());
            }
        }
        const QStringList kopien = QDir(ordner.path()).entryList({"spiele.json.kaputt-*"}, QDir::Files);
        ASSERT_EQ(kopien.size(), fall.beiseite ? 1 : 0);
        if (fall.beiseite) {
            EXPECT_EQ(DateiInhalt(ordner.filePath(kopien[0])), fall.vorher);
            EXPECT_TRUE(meldung.contains(kopien[0])) << meldung.toStdString();
        }
    }
}

TEST(Spielarchiv, ACopyKilledWhileSavingLeavesAValidRecordAndNoLockBehind)
{
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath("spiele.json");
    const pid_t kind = Schreiber(pfad, 1 << 30);
    WARTE_BIS(Aufgezeichnet(pfad).size() >= 200);
    kill(kind, SIGKILL);
    waitpid(kind, nullptr, 0);
    bool lesbar = false;
    const qsizetype vorher = Aufgezeichnet(pfad, &lesbar).size();
    EXPECT_TRUE(lesbar);
    Spielarchiv archiv(pfad);
    EXPECT_TRUE(archiv.Hinzufuegen(Gewonnen(6)));
    EXPECT_EQ(Aufgezeichnet(pfad).size(), vorher + 1);
}

// Started as the entry point starts it, with what an earlier run left in the settings.
TEST(Gedaechtnis, TheDialogOpensAsLeftTheGamesAreRecordedAndTheStatisticsShowThem)
{
    const struct {
        const char* name;
        QByteArray einstellungen;
        int farben, felder, modus;
        bool frech, symbole;
    } faelle[] = {
        {"first start", "", 8, 4, ModusMensch, false, false},
        {"remembered",
         "[spiel]\nmodus=0\nfarben=5\nfelder=3\ncomputerFrech=true\n[MenuAnsicht]\nMenuFarbsymbole=true\n", 5, 3,
         ModusMensch, true, true},
        {"out of range", "[spiel]\nmodus=9\nfarben=1\nfelder=99\ncomputerFrech=true\n", 2, 8, ModusDemo, false, false},
        {"broken", "[spiel\nmodus=\xff\xfe\x01\n=\n[[", 8, 4, ModusMensch, false, false},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        ImEigenenProzess([&fall] {
            const QString heim = qEnvironmentVariable("FARBENRATER_TESTHEIM") + "/" + fall.name;
            qputenv("XDG_CONFIG_HOME", (heim + "/einstellungen").toLocal8Bit());
            qputenv("XDG_DATA_HOME", (heim + "/daten").toLocal8Bit());
            if (!fall.einstellungen.isEmpty())
                DateiSchreiben(heim + "/einstellungen/farbenrater/farbenrater.conf", fall.einstellungen);
            FormulareErzeugen();
            GedaechtnisEinschalten();
            WARTE_BIS(Einstellungen_Form->Visible());
            EXPECT_EQ(Einstellungen_Form->AnzahlFarben_TrackBar->Position(), fall.farben);
            EXPECT_EQ(Einstellungen_Form->AnzahlFelder_TrackBar->Position(), fall.felder);
            EXPECT_EQ(Einstellungen_Form->Spieler_RadioGroup->ItemIndex(), fall.modus);
            EXPECT_EQ(Einstellungen_Form->ComputerFrech_CheckBox->Checked(), fall.frech);
            EXPECT_EQ(Form1->MenuFarbsymbole->Checked(), fall.symbole);
            // An option is kept the moment it changes.
            Form1->MenuStarkerComputer->trigger();
            EXPECT_TRUE(QSettings(heim + "/einstellungen/farbenrater/farbenrater.conf", QSettings::IniFormat)
                            .value("MenuOptionen/MenuStarkerComputer")
                            .toBool());
            if (fall.farben != 5)
                return;
            // Won, given up (finding it afterwards does not count), broken off by Ctrl+N.
            SpielBeginnen(ModusMensch, 5, 3);
            Raten(GeheimcodeAusFenster());
            SpielBeginnen(ModusMensch, 5, 3);
            QTest::mouseClick(Form1->ZeigeFarbCode_BitBtn, Qt::LeftButton);
            Raten(GeheimcodeAusFenster());
            SpielBeginnen(ModusMensch, 5, 3);
            // The key of the active window, as the player presses it there.
            QApplication::setActiveWindow(Form1);
            QTest::keyClick(Form1, Qt::Key_N, Qt::ControlModifier);
            ASSERT_TRUE(Einstellungen_Form->Visible());
            const QString archiv = heim + "/daten/farbenrater/spiele.json";
            const QJsonArray spiele = Aufgezeichnet(archiv);
            ASSERT_EQ(spiele.size(), 3);
            const char* ergebnisse[] = {"gelöst", "aufgegeben", "abgebrochen"};
            for (int i = 0; i < 3; ++i) {
                EXPECT_EQ(spiele[i]["ergebnis"].toString(), QString::fromUtf8(ergebnisse[i]));
                EXPECT_EQ(spiele[i]["modus"].toString(), "Mensch");
                EXPECT_EQ(spiele[i]["farben"].toInt() * 10 + spiele[i]["felder"].toInt(), 53);
            }
            EXPECT_EQ(spiele[0]["zeilen"].toInt(), 1);

            Form1->findChild<TMenuItem*>("MenuStatistik")->trigger();
            ASSERT_TRUE(Statistik_Form && Statistik_Form->Visible());
            QTableWidget* tabelle = Statistik_Form->Tabelle;
            ASSERT_EQ(tabelle->rowCount(), 1);
            QStringList zeile;
            for (int spalte = 0; spalte < tabelle->columnCount(); ++spalte)
                zeile << tabelle->item(0, spalte)->text();
            EXPECT_EQ(zeile.join('|'), "Mensch|5 × 3|3|1|1|1,00|1");
            EXPECT_EQ(Statistik_Form->Diagramm->Bilanz().Verteilung, (std::map<int, int>{{1, 1}}));
            const ComputerMittelwerte computer = ComputerMittel(5, 3);
            EXPECT_GT(computer.Computer, 1.0);
            EXPECT_TRUE(Statistik_Form->Diagramm->accessibleDescription().contains(
                QLocale(QLocale::German).toString(computer.Stark, 'f', 2)));

            // Reset, confirmed: the record is moved aside with its three games.
            QTimer::singleShot(0, [] {
                for (auto* knopf : QApplication::activeModalWidget()->findChildren<QPushButton*>())
                    if (knopf->text() == "Zurücksetzen")
                        knopf->click();
            });
            QTest::mouseClick(Statistik_Form->Zuruecksetzen_BitBtn, Qt::LeftButton);
            EXPECT_EQ(tabelle->rowCount(), 0);
            EXPECT_FALSE(QFileInfo::exists(archiv));
            const QStringList alt = QDir(heim + "/daten/farbenrater").entryList({"spiele.json.alt-*"});
            ASSERT_EQ(alt.size(), 1);
            EXPECT_TRUE(Statistik_Form->Hinweis->Caption().contains(alt[0]))
                << Statistik_Form->Hinweis->Caption().toStdString();
            EXPECT_EQ(Aufgezeichnet(heim + "/daten/farbenrater/" + alt[0]).size(), 3);
        });
    }
}
