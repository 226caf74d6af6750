// A careless player: thousands of random actions on every window, with the program's state
// checked after each one. Seeded and reproducible; FARBENRATER_AFFE_SCHRITTE sets the length
// (the long form runs 50000), FARBENRATER_AFFE_SAAT the seed.
#include <QElapsedTimer>
#include <QRadioButton>
#include <QTimer>
#include <random>

#include "Testhilfe.h"
#include "game/Main.h"

namespace {

int Umgebung(const char* name, int vorgabe)
{
    const QByteArray wert = qgetenv(name);
    return wert.isEmpty() ? vorgabe : wert.toInt();
}

class Affe {
public:
    explicit Affe(unsigned saat) : Zufall(saat) {}

    int Zahl(int bis) { return std::uniform_int_distribution<int>(0, bis - 1)(Zufall); }

    void Klicken(TBitBtn* knopf)
    {
        if (knopf->isVisible() && knopf->isEnabled())
            QTest::mouseClick(knopf, Qt::LeftButton);
    }

    void Drueck(QWidget* ziel)
    {
        if (!ziel->isVisible())
            return;
        static const Qt::MouseButton knoepfe[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
        QTest::mousePress(ziel, knoepfe[Zahl(3)], Qt::NoModifier, ziel->rect().center());
    }

    // One random action of a player who presses whatever is there.
    void Schritt()
    {
        switch (Zahl(16)) {
        case 0:
        case 1:
        case 2: {  // a code peg, maybe outside the active row
            const int zeile = Zahl(4) == 0 ? 1 + Zahl(12) : std::clamp(AktiveZeile, 1, 12);
            PegDruecken(Form1->SteckerShapes[zeile][Zahl(8)], zeile, SteckerFeld);
            break;
        }
        case 3:
        case 4: {
            const int zeile = Zahl(4) == 0 ? 1 + Zahl(12) : std::clamp(AktiveZeile, 1, 12);
            PegDruecken(Form1->StiftShapes[zeile][Zahl(8)], zeile, StiftFeld);
            break;
        }
        case 5:
            Drueck(Form1->FarbwahlShapes[Zahl(8)]);
            break;
        case 6: {
            TShape* stifte[] = {Form1->StiftWhite_Shape, Form1->StiftBlack_Shape, Form1->StiftGray_Shape};
            Drueck(stifte[Zahl(3)]);
            break;
        }
        case 7:
            Klicken(Zahl(2) ? Form1->Pruefen_BitBtn : Form1->FarbCodeGeprueft_BitBtn);
            break;
        case 8:
            if (Zahl(6) == 0) {  // a new game, also in the middle of a solver job
                Klicken(Zahl(2) ? Form1->NeuesSpiel_BitBtn : Form2->NeuesSpiel_BitBtn1);
                DemoLaeuft = false;
            } else {
                Klicken(Form1->ZeigeFarbCode_BitBtn);
            }
            break;
        case 9:
            if (Zahl(2))
                Klicken(Form1->FarbMekerBox_BitBnt);
            else
                Klicken(Form3->FarbcodeMerkerBoxColse_BitBtn);
            break;
        case 10:
            Drueck(Form3->MerkerFarbCode_Shape[Zahl(8)]);
            break;
        case 11:
        case 12:
            Einstellen();
            break;
        case 13:
            if (Zahl(10) == 0) {
                QTimer::singleShot(Zahl(30), [] { QTest::keyClick(Hilfe_Form, Qt::Key_Escape); });
                Form1->MenuHilfe->Click();
            }
            break;
        case 14:
            Drueck(Form1->SpielFeldPanel);
            break;
        default:
            QTest::qWait(Zahl(25));
            break;
        }
    }

    void Einstellen()
    {
        auto* dialog = Einstellungen_Form;
        if (!dialog->Visible())
            return;
        switch (Zahl(5)) {
        case 0: {
            QRadioButton* knopf = dialog->Spieler_RadioGroup->Button(Zahl(3));
            QTest::mouseClick(knopf, Qt::LeftButton, Qt::NoModifier, QPoint(8, knopf->height() / 2));
            break;
        }
        case 1:
            dialog->AnzahlFarben_TrackBar->SetPosition(2 + Zahl(7));
            break;
        case 2:
            dialog->AnzahlFelder_TrackBar->SetPosition(2 + Zahl(7));
            break;
        case 3:
            if (dialog->ComputerFrech_CheckBox->isVisible())
                QTest::mouseClick(dialog->ComputerFrech_CheckBox, Qt::LeftButton, Qt::NoModifier, QPoint(6, 8));
            break;
        default:
            DemoLaeuft = SpielerModus == ModusDemo;
            if (Zahl(2))
                QTest::mouseClick(dialog->EinstellungOK_BitBtn, Qt::LeftButton);
            else
                QTest::keyClick(dialog, Qt::Key_Return);
            break;
        }
    }

    // A press on a hole outside the active row must leave that row as it was.
    void PegDruecken(TShape* loch, int zeile, int8_t (&feld)[13][8])
    {
        int8_t vorher[8];
        std::copy(feld[zeile], feld[zeile] + 8, vorher);
        const bool aktiv = zeile == AktiveZeile;
        Drueck(loch);
        if (!aktiv) {
            EXPECT_TRUE(std::equal(vorher, vorher + 8, feld[zeile])) << "row " << zeile << " took a peg";
        }
    }

    void Pruefen(int schritt)
    {
        ASSERT_GE(AktiveZeile, 1) << schritt;
        ASSERT_LE(AktiveZeile, 12) << schritt;
        // The event loop still answers.
        QElapsedTimer uhr;
        uhr.start();
        bool gelaufen = false;
        QTimer::singleShot(0, [&] { gelaufen = true; });
        ASSERT_TRUE(QTest::qWaitFor([&] { return gelaufen; }, 5000)) << schritt;
        EXPECT_LT(uhr.elapsed(), 5000);
        // A demo that ran to its end found its secret in its last row.
        if (DemoLaeuft && SolverRuht() && Info().endsWith(QStringLiteral("Fertig!"))) {
            DemoLaeuft = false;
            int letzte = 1;
            while (letzte < 12 && SteckerFeld[letzte + 1][0] >= 0)
                ++letzte;
            int32_t schwarz, weiss;
            BewerteCode(FarbCode, SteckerFeld[letzte], AnzahlFelder, schwarz, weiss);
            EXPECT_EQ(schwarz, AnzahlFelder) << "demo ended without the secret, step " << schritt;
        }
    }

    bool DemoLaeuft = false;

private:
    std::mt19937 Zufall;
};

}  // namespace

TEST(Affe, ThousandsOfCarelessActionsLeaveTheGameSane)
{
    const int schritte = Umgebung("FARBENRATER_AFFE_SCHRITTE", 1500);
    const unsigned saat = static_cast<unsigned>(Umgebung("FARBENRATER_AFFE_SAAT", 20261207));
    ProgrammStarten();
    Affe affe(saat);
    for (int i = 0; i < schritte; ++i) {
        affe.Schritt();
        affe.Pruefen(i);
        if (HasFatalFailure())
            return;
    }
    // Whatever was going on, the program still ends its solver cleanly.
    WorkThread->AuftragStoppen();
    WorkThread->PhaseAbwarten();
    EXPECT_TRUE(SolverRuht());
}
