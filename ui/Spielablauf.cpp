// SPDX-License-Identifier: GPL-3.0-or-later
// The flow of a game on the main thread: the new-game reset, the start of each mode, the check of
// a human guess and the taking of a human answer. The worker continues the flow where a scan of
// the candidates is needed, and reports back through the window's display port below.
#include "game/Main.h"
#include "game/Spielzustand.h"
#include "solver/BitOperationen.h"
#include "solver/StarkeRatesuche.h"
#include "solver/Workthread.h"
#include "ui/Einstellungen.h"
#include "ui/Farbenrater.h"
#include "ui/Farbenrateraufloesung.h"

namespace {

constexpr const char* TextComputerRaet =
    QT_TRANSLATE_NOOP("TForm1", "Spieler: Computer.\nBitte Farbcode überprüfen.\nSchwarze und weisse Steine "
                                "setzen.\nAuf\n[Mensch Geprüft]\nclicken.");

// Shows the secret in the solution window.
void GeheimcodeZeigen()
{
    for (int p = 0; p < AnzahlFelder; ++p)
        Form2->CZufallsCode_Shape[p]->SetBrushColor(FarbTabelle[FarbCode[p]]);
}

// The colour a key peg shows: black, white, or the gray of an empty hole.
TColor StiftAnstrich(int8_t stift)
{
    return stift == StiftSchwarz ? clBlack : stift == StiftWeiss ? clWhite : clGray;
}

// A job of the last game must be over before the candidates and the codes are set anew.
void AltenAuftragBeenden()
{
    WorkThread->AuftragStoppen();
    WorkThread->PhaseAbwarten();
}

} // namespace

void TForm1::NeuesSpiel_BitBtnClick(TObject*)
{
    WorkThread->AuftragStoppen();
    ProgressBar1->SetPosition(0);
    Einstellungen_Form->AnzahlFarben_TrackBar->SetPosition(AnzahlFarben);
    Einstellungen_Form->AnzahlFelder_TrackBar->SetPosition(AnzahlFelder);
    Pruefen_BitBtn->SetEnabled(false);
    FarbCodeGeprueft_BitBtn->SetEnabled(false);
    ZeigeFarbCode_BitBtn->SetEnabled(false);
    InfoText(QT_TR_NOOP("Neues Spiel"));
    SteckerZeilenFreigeben(false);
    StiftZeilenFreigeben(false);
    Form2->Hide();
    Einstellungen_Form->Show();
    StiftFarbe = clBlack;
    StiftFarbIndex = StiftSchwarz;
    StiftColor_Shape->SetBrushColor(clBlack);
    MeldungAnzeigen(QT_TR_NOOP("Komm und Spiel mit mir."));
    ScrollBox1->SetVertScrollBarPosition(0);
    AktiveZeile = 1;
    Weiss = 0;
    Schwarz = 0;
}

void TForm1::ZeileWeiter(bool markieren)
{
    if (AktiveZeile < 12)
        ++AktiveZeile;
    BrettScrollen(AktiveZeile);
    Tastatur.Refresh();
    AktiveZeileMelden();
    if (markieren) {
        SetzeZeilenMarke(AktiveZeile - 1, clBtnFace);
        SetzeZeilenMarke(AktiveZeile, clRed);
    }
}

void TForm1::StarteSpiel()
{
    AltenAuftragBeenden();
    StarkerComputer = MenuStarkerComputer->Checked();
    LoescheSpielfeld();
    SetzeZeilenMarke(AktiveZeile, clRed);
    Tastatur.Refresh();
    AktiveZeileMelden();
    if (SpielerModus == ModusMensch) {
        AnzahlKombinationen = Kombinationen(AnzahlFarben, AnzahlFelder);
        Kandidaten->SetAll();
        ZufallsCodeZiehen();
        GeheimcodeZeigen();
    } else if (SpielerModus == ModusComputer) {
        Kandidaten->SetAll();
        AnzahlKombinationen = Kombinationen(AnzahlFarben, AnzahlFelder);
        ZufallsCodeZiehen();
        if (StarkerComputer) {
            // The strong player opens with the guess that tells most on this board.
            CodeIndex = StarkerErsterZug(AnzahlFarben, AnzahlFelder);
            IndexZuCode(AnzahlFarben, AnzahlFelder, CodeIndex, FarbCode);
        }
        for (int p = 0; p < AnzahlFelder; ++p)
            SetzeSteckerFarbe(AktiveZeile, p, ComputerFarbTabelle[FarbCode[p]]);
        Announce(this, RateText(AktiveZeile));
        InfoText(TextComputerRaet);
    }
}

void TForm1::StarteDemo()
{
    AltenAuftragBeenden();
    StarkerComputer = MenuStarkerComputer->Checked();
    LoescheSpielfeld();
    AktiveZeile = 1;
    Tastatur.Refresh();
    AktiveZeileMelden();
    Kandidaten->SetAll();
    MeldungAnzeigen(QT_TR_NOOP("Bitte warten"));
    AnzahlKombinationen = Kombinationen(AnzahlFarben, AnzahlFelder);
    ZufallsCodeZiehen();
    GeheimcodeZeigen();
    WorkThread->AuftragStarten(SpielerModus);
}

void TForm1::Pruefen_BitBtnClick(TObject*)
{
    Weiss = 0;
    Schwarz = 0;
    for (int p = 0; p < AnzahlFelder; ++p) {
        if (SteckerFeld[AktiveZeile][p] < 0) {
            MeldungAnzeigen(QT_TR_NOOP("Es müssen alle Felder besetzt sein."));
            return;
        }
    }
    const bool gewonnen = BewerteZeile(AnzahlFelder, Schwarz, Weiss);
    // Said first: the answer, then what it means.
    Announce(this, AntwortText(AktiveZeile, Schwarz, Weiss));
    if (gewonnen) {
        InfoText(QT_TR_NOOP("Spieler: Mensch\n\nSie haben den Code Gelöst."));
        Pruefen_BitBtn->SetEnabled(false);
        // The game is over: the board keeps the winning row as it was scored.
        SteckerZeilenFreigeben(false);
    }
    // Row 12 is checked again and again: every key peg is painted anew each time, so it never
    // shows a mix of two answers.
    for (int p = 0; p < AnzahlFelder; ++p)
        SetzeAktivenStift(p, StiftAnstrich(AntwortStift(p, Schwarz, Weiss)));
    if (Schwarz == AnzahlFelder)
        return;
    if (Einstellungen_Form->ComputerFrech_CheckBox->Checked()) {
        const int32_t index = ZeileZuIndex(AktiveZeile, AnzahlFarben, AnzahlFelder);
        if (AnzahlFelder <= 6) {
            // The filter of the last answer finishes first (it takes well under a millisecond),
            // so that this answer's filter is never dropped and the test below sees every answer.
            WorkThread->PhaseAbwarten();
            if (!Kandidaten->TestBit(index))
                MeldungAnzeigen(QT_TR_NOOP("*** Blödmann! *** Dieser Farbcode ist nicht mehr möglich."));
            else
                MeldungAnzeigen("");
            Kandidaten->ResetBit(index);
            IndexZuCode(AnzahlFarben, AnzahlFelder, index, RateCode);
            WorkThread->AuftragStarten(SpielerModus);
        }
    } else {
        MeldungAnzeigen("");
    }
    ZeileWeiter(true);
}

void TForm1::FarbCodeGeprueft_BitBtnClick(TObject*)
{
    AnzahlKombinationen = Kombinationen(AnzahlFarben, AnzahlFelder);
    FarbCodeGeprueft_BitBtn->SetEnabled(false);
    Weiss = 0;
    Schwarz = 0;
    for (int p = 0; p < AnzahlFelder; ++p) {
        if (StiftFeld[AktiveZeile][p] == StiftSchwarz)
            ++Schwarz;
        else if (StiftFeld[AktiveZeile][p] == StiftWeiss)
            ++Weiss;
    }
    // The answer stands as given: the key pegs take no change until the next guess is shown,
    // and none at all once the game is won.
    StiftZeilenFreigeben(false);
    Announce(this, AntwortText(AktiveZeile, Schwarz, Weiss));
    if (Schwarz == AnzahlFelder) {
        InfoText(QT_TR_NOOP("Spieler: Computer\nIch habe Gewonnen."));
        return;
    }
    WorkThread->PhaseAbwarten();
    Kandidaten->ResetBit(CodeIndex);
    InfoText(QT_TR_NOOP("Spieler: Computer.\nBitte warten.\nFühre Berchnungen durch."));
    WorkThread->AuftragStarten(SpielerModus);
}

void TForm1::RatecodeZeigen(int32_t index)
{
    CodeIndex = index;
    ZeileWeiter(true);
    IndexZuCode(AnzahlFarben, AnzahlFelder, CodeIndex, FarbCode);
    for (int p = 0; p < AnzahlFelder; ++p)
        SetzeSteckerFarbe(AktiveZeile, p, ComputerFarbTabelle[FarbCode[p]]);
    // Guesses after the twelfth reuse row 12: its key pegs start from gray each time, so an
    // earlier answer is never counted again.
    for (int p = 0; p < 8; ++p) {
        StiftFeld[AktiveZeile][p] = LeerFeld;
        SetzeAktivenStift(p, clGray);
    }
    StiftZeilenFreigeben(true);
    Tastatur.Refresh();
    Announce(this, RateText(AktiveZeile));
    InfoText(TextComputerRaet);
    FarbCodeGeprueft_BitBtn->SetEnabled(true);
}

void TForm1::AktiveZeileMelden()
{
    if (AktiveZeile == GemeldeteZeile)
        return;
    for (const int32_t zeile : {GemeldeteZeile, AktiveZeile})
        if (zeile >= 1 && zeile <= 12)
            for (int32_t p = 0; p < 8; ++p) {
                ReportAvailability(SteckerShapes[zeile][p]);
                ReportAvailability(StiftShapes[zeile][p]);
            }
    GemeldeteZeile = AktiveZeile;
}

void TForm1::BrettScrollen(int32_t zeile)
{
    if (zeile == 9)
        ScrollBox1->SetVertScrollBarPosition(ScrollPositionAbZeile9);
}

void TForm1::FortschrittAnzeigen(int32_t prozent)
{
    ProgressBar1->SetPosition(prozent);
}

void TForm1::DemoZugAnzeigen(int32_t zeile)
{
    for (int32_t p = 0; p < AnzahlFelder; ++p) {
        SetzeSteckerFarbe(zeile, p, FarbTabelle[SteckerFeld[zeile][p]]);
        SetzeStiftFarbe(zeile, p, StiftAnstrich(StiftFeld[zeile][p]));
    }
    // Only the row has changed: repainting it alone shows the move at once and keeps the main
    // thread's pause short.
    Announce(this, RateText(zeile) + QStringLiteral(". ") +
                       AntwortText(zeile, DemoSchwarz, DemoWeiss).section(QStringLiteral(": "), 1));
    SteckerZeilen[zeile]->repaint();
    StiftZeilen[zeile]->repaint();
}

void TForm1::DemoZeileAnzeigen(int32_t zeile)
{
    BrettScrollen(zeile);
    AktiveZeileMelden();
}

void TForm1::DemoEndeAnzeigen()
{
    InfoText(QT_TR_NOOP("Demo Spiele.\n\nComuter gegen Computer.\n\nFertig!"));
}

void TForm1::WiderspruchZeigen()
{
    MeldungAnzeigen(QT_TR_NOOP("Sie haben eine falsche Angabe gemacht"));
    InfoText(QT_TR_NOOP("Spieler: Computer.\nSie haben\nbetrogen!.\nEs ist keine Lösung\nmehr möglich!"));
    FarbCodeGeprueft_BitBtn->SetEnabled(false);
}
