// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the program for the README: one game in progress in each mode, played through the
// real widgets on the offscreen platform.
//   QT_QPA_PLATFORM=offscreen build/bench/farbenrater_fotos docs/bilder [QT_SCALE_FACTOR=2 for HiDPI]
#include "app/Farbenrater_Prj.h"
#include "arbeiter/Workthread.h"
#include "game/Main.h"
#include "game/Spielzustand.h"
#include "ui/Einstellungen.h"
#include "ui/Farbenrater.h"
#include "ui/Farbmerkerbox.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QTest>
#include <cstdio>
#include <cstdlib>

namespace {

QString Ziel;

// The main window with the given windows drawn where they stand on the screen.
void Foto(const QString& name, std::initializer_list<QWidget*> darueber = {})
{
    QTest::qWait(50);
    QPixmap bild = Form1->grab();
    QPainter maler(&bild);
    for (QWidget* fenster : darueber)
        if (fenster->isVisible())
            maler.drawPixmap(fenster->pos() - Form1->pos(), fenster->grab());
    maler.end();
    bild.save(Ziel + QLatin1Char('/') + name);
}

void Beginnen(int modus, int farben, int felder, bool frech)
{
    if (!Einstellungen_Form->Visible())
        Form1->NeuesSpiel_BitBtn->Click();
    Einstellungen_Form->Spieler_RadioGroup->SetItemIndex(modus);
    Einstellungen_Form->AnzahlFarben_TrackBar->SetPosition(farben);
    Einstellungen_Form->AnzahlFelder_TrackBar->SetPosition(felder);
    Einstellungen_Form->ComputerFrech_CheckBox->SetChecked(frech);
    Einstellungen_Form->EinstellungOK_BitBtn->Click();
}

void Druecken(QWidget* ziel)
{
    QTest::mousePress(ziel, Qt::LeftButton, Qt::NoModifier, ziel->rect().center());
}

// A picture of a state that never came would be a false one: the tool stops instead.
template <class Bedingung> void WartenOderAbbrechen(Bedingung bedingung, int ms, const char* was)
{
    if (!QTest::qWaitFor(bedingung, ms)) {
        std::fprintf(stderr, "Zeit abgelaufen: %s\n", was);
        std::exit(1);
    }
}

void Fertig()
{
    WartenOderAbbrechen([] { return !WorkThread->Aktiv && !WorkThread->PhaseLaeuft(); }, 30000, "Solver");
}

} // namespace

int main(int argc, char** argv)
{
    Ziel = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(Ziel);
    const bool nurHiDpi = argc > 2;
    const auto anwendung = AnwendungErzeugen();
    AnwendungEinrichten();
    FormulareErzeugen();
    WartenOderAbbrechen([] { return Einstellungen_Form->Visible(); }, 10000, "Einstellungen");
    if (!nurHiDpi)
        Foto(QStringLiteral("start.png"), {Einstellungen_Form});

    // Mode "Mensch": three guesses against the secret 0 2 3 1, the third one impossible.
    Beginnen(ModusMensch, 6, 4, true);
    const int8_t geheim[4] = {0, 2, 3, 1};
    std::copy(geheim, geheim + 4, FarbCode);
    for (const auto& rate :
         {std::vector<int>{0, 0, 1, 1}, std::vector<int>{2, 0, 4, 1}, std::vector<int>{5, 5, 5, 5}}) {
        for (int p = 0; p < 4; ++p) {
            Druecken(Form1->FarbwahlShapes[rate[p]]);
            Druecken(Form1->SteckerShapes[AktiveZeile][p]);
        }
        Form1->Pruefen_BitBtn->Click();
        Fertig();
    }
    for (int p = 0; p < 3; ++p) {
        Druecken(Form1->FarbwahlShapes[p]);
        Druecken(Form1->SteckerShapes[AktiveZeile][p]);
    }
    Foto(nurHiDpi ? QStringLiteral("hidpi.png") : QStringLiteral("mensch.png"));
    if (nurHiDpi)
        return 0;

    // The same board with the colour symbols on and the keyboard's focus ring on the fourth place
    // of the active row.
    Form1->MenuFarbsymbole->trigger();
    QApplication::setActiveWindow(Form1);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(Form1, Qt::Key_Right);
    Foto(QStringLiteral("symbole.png"));
    Form1->MenuFarbsymbole->trigger();

    // Mode "Computer": the player's code is 3 3 0 5; two answers given, the third guess waits.
    Beginnen(ModusComputer, 6, 4, false);
    const int8_t mein[4] = {3, 3, 0, 5};
    for (int p = 0; p < 4; ++p) {
        Druecken(Form1->FarbwahlShapes[mein[p]]);
        Druecken(Form3->MerkerFarbCode_Shape[p]);
    }
    for (int zug = 0; zug < 2; ++zug) {
        int32_t schwarz, weiss;
        BewerteCode(mein, FarbCode, 4, schwarz, weiss);
        if (schwarz == 4)
            break;
        for (int p = 0; p < schwarz + weiss; ++p) {
            Druecken(p < schwarz ? Form1->StiftBlack_Shape : Form1->StiftWhite_Shape);
            Druecken(Form1->StiftShapes[AktiveZeile][p]);
        }
        Form1->FarbCodeGeprueft_BitBtn->Click();
        Fertig();
    }
    Foto(QStringLiteral("computer.png"), {Form3});

    // Mode "Demo": the program plays itself to the end.
    Form3->Hide();
    Beginnen(ModusDemo, 8, 6, false);
    Fertig();
    Foto(QStringLiteral("demo.png"));
    return 0;
}
