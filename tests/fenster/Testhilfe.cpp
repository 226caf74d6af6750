// SPDX-License-Identifier: GPL-3.0-or-later
#include "Testhilfe.h"

#include "game/Main.h"

#include <QApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <optional>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // What the entry point stores (settings, the record of games) goes into a folder of the
    // suite's own, also from the processes it starts, which inherit these variables.
    std::optional<QTemporaryDir> heim;
    if (!qEnvironmentVariableIsSet("FARBENRATER_TESTHEIM")) {
        heim.emplace();
        qputenv("FARBENRATER_TESTHEIM", heim->path().toLocal8Bit());
        qputenv("XDG_DATA_HOME", heim->filePath(QStringLiteral("daten")).toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", heim->filePath(QStringLiteral("einstellungen")).toLocal8Bit());
    }
    // The program reads no command line; the suite keeps its own arguments for GoogleTest.
    const auto anwendung = AnwendungErzeugen();
    AnwendungEinrichten();
    // The suites read the German texts, whatever language the desktop running them speaks.
    SpracheEinrichten({QStringLiteral("de")});
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

void ProgrammStarten()
{
    if (!Form1) {
        FormulareErzeugen();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Form1));
    }
    WARTE_BIS(Einstellungen_Form->Visible() || Form1->NeuesSpiel_BitBtn->Enabled());
}

void SpielBeginnen(int modus, int farben, int felder, bool frech)
{
    ProgrammStarten();
    if (!Einstellungen_Form->Visible())
        Form1->NeuesSpiel_BitBtn->Click();
    ASSERT_TRUE(Einstellungen_Form->Visible());
    Einstellungen_Form->Spieler_RadioGroup->SetItemIndex(modus);
    Einstellungen_Form->AnzahlFarben_TrackBar->SetPosition(farben);
    Einstellungen_Form->AnzahlFelder_TrackBar->SetPosition(felder);
    if (Einstellungen_Form->ComputerFrech_CheckBox->Visible())
        Einstellungen_Form->ComputerFrech_CheckBox->SetChecked(frech);
    QTest::mouseClick(Einstellungen_Form->EinstellungOK_BitBtn, Qt::LeftButton);
    ASSERT_FALSE(Einstellungen_Form->Visible());
}

void Druecken(QWidget* ziel, Qt::MouseButton knopf)
{
    ASSERT_TRUE(ziel->isVisible());
    QTest::mousePress(ziel, knopf, Qt::NoModifier, ziel->rect().center());
    QTest::mouseRelease(ziel, knopf, Qt::NoModifier, ziel->rect().center());
}

void CodeSetzen(const std::vector<int>& farben)
{
    for (size_t p = 0; p < farben.size(); ++p) {
        Druecken(Form1->FarbwahlShapes[farben[p]]);
        Druecken(Form1->SteckerShapes[AktiveZeile][p]);
    }
}

void StifteSetzen(const std::vector<int>& stifte)
{
    for (size_t p = 0; p < stifte.size(); ++p) {
        TShape* wahl = stifte[p] == StiftSchwarz ? Form1->StiftBlack_Shape
                       : stifte[p] == StiftWeiss ? Form1->StiftWhite_Shape
                                                 : Form1->StiftGray_Shape;
        Druecken(wahl);
        Druecken(Form1->StiftShapes[AktiveZeile][p]);
    }
}

void Raten(const std::vector<int>& farben)
{
    CodeSetzen(farben);
    QTest::mouseClick(Form1->Pruefen_BitBtn, Qt::LeftButton);
}

int32_t Antworten(const int8_t* geheim)
{
    int32_t schwarz, weiss;
    BewerteCode(geheim, FarbCode, AnzahlFelder, schwarz, weiss);
    std::vector<int> stifte;
    for (int p = 0; p < AnzahlFelder; ++p)
        stifte.push_back(p < schwarz ? StiftSchwarz : p < schwarz + weiss ? StiftWeiss : StiftGrau);
    StifteSetzen(stifte);
    QTest::mouseClick(Form1->FarbCodeGeprueft_BitBtn, Qt::LeftButton);
    return schwarz;
}

void ImEigenenProzess(const std::function<void()>& lauf)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            lauf();
            std::fflush(nullptr);
            std::_Exit(::testing::Test::HasFailure() ? 1 : 0);
        },
        ::testing::ExitedWithCode(0), "");
}

QString Info()
{
    return Form1->Info_StaticText->Caption();
}
QString Status()
{
    return Form1->StatusBar->SimpleText();
}

bool SolverRuht()
{
    return !WorkThread->Aktiv && !WorkThread->PhaseLaeuft();
}
