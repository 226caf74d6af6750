// SPDX-License-Identifier: GPL-3.0-or-later
// The flow of a game on the main thread. Every write to the game state is made here, and every
// change one window makes in another goes through here; the windows paint what they are told. The
// worker continues the flow where a scan of the candidates is needed and hands its findings back
// through the display port at the end of this file.
#include "ui/Spielablauf.h"

#include "arbeiter/Workthread.h"
#include "game/Main.h"
#include "game/Spielzustand.h"
#include "solver/BitOperationen.h"
#include "solver/StarkeRatesuche.h"
#include "ui/Einstellungen.h"
#include "ui/Farbenrater.h"
#include "ui/Farbenrateraufloesung.h"
#include "ui/Farbmerkerbox.h"
#include "ui/Gedaechtnis.h"
#include "ui/Hilfe_memoform.h"

#include <QAccessible>
#include <algorithm>
#include <cstring>

Spielablauf Ablauf;

namespace {

constexpr const char* TextComputerRaet =
    QT_TRANSLATE_NOOP("TForm1", "Spieler: Computer.\nBitte Farbcode überprüfen.\nSchwarze und weisse Steine "
                                "setzen.\nAuf\n[Mensch Geprüft]\nclicken.");

// The colour a key peg shows: black, white, or the gray of an empty hole.
TColor StiftAnstrich(int8_t stift)
{
    return stift == StiftSchwarz ? clBlack : stift == StiftWeiss ? clWhite : clGray;
}

} // namespace

void Spielablauf::Einrichten()
{
    ZufallsgeneratorStarten();
    AnzahlFarben = 8;
    AnzahlFelder = 4;
    FarbTabelleFuellen();
    ComputerFarbTabelleFuellen();
    SpielerModus = ModusMensch;
}

// ---------------------------------------------------------------------------------------------
// Settings dialog

void Spielablauf::FarbenGewaehlt(int32_t farben)
{
    AnzahlFarben = farben;
    FarbenZeigen();
}

void Spielablauf::FelderGewaehlt(int32_t felder)
{
    AnzahlFelder = felder;
    TCheckBox* frech = Einstellungen_Form->ComputerFrech_CheckBox;
    if (AnzahlFelder > 6) {
        frech->SetChecked(false);
        frech->Hide();
    } else if (SpielerModus == ModusMensch) {
        frech->Show();
    }
    FelderZeigen();
}

void Spielablauf::MenschZeigen()
{
    Form1->InfoText(QT_TRANSLATE_NOOP("TForm1", "Spieler Mensch.\n\nMensch gegen Computer."));
    Form3->Hide();
    Form1->ShowFarbwahl_Shape->Show();
    Form1->SteckerFabwahl_GroupBox->SetEnabled(true);
    Form1->PickerBeschriften(PickerTitel::WahlMensch);
}

void Spielablauf::ComputerZeigen()
{
    Form1->InfoText(QT_TRANSLATE_NOOP("TForm1", "Spieler Computer.\n\nComputer gegen Mensch."));
}

void Spielablauf::ComputerBrettZeigen()
{
    // Without the marker box there is nothing to pick colours for.
    if (!Form3->Visible()) {
        Form1->ShowFarbwahl_Shape->Hide();
        Form1->SteckerFabwahl_GroupBox->SetEnabled(false);
    }
    Form1->StiftFarbWahl_Panel->Show();
    Form1->SpielFeldPanel->SetEnabled(true);
}

void Spielablauf::DemoZeigen(const char* info)
{
    Form1->InfoText(info);
    Form3->Hide();
    Form1->PickerBeschriften(PickerTitel::Moeglich);
    Form1->ShowFarbwahl_Shape->Hide();
    Form1->StiftFarbWahl_Panel->Hide();
}

void Spielablauf::SpielerGewaehlt(int32_t modus)
{
    TCheckBox* frech = Einstellungen_Form->ComputerFrech_CheckBox;
    switch (modus) {
    case ModusMensch:
        MenschZeigen();
        if (AnzahlFelder < 7)
            frech->Show();
        SpielerModus = ModusMensch;
        break;
    case ModusComputer:
        ComputerZeigen();
        // Beside the dialog, which keeps the focus: the player goes on choosing there.
        Form3->ShowInactive();
        ComputerBrettZeigen();
        Form1->SteckerFarbWahl_Panel->SetEnabled(true);
        frech->Hide();
        SpielerModus = ModusComputer;
        break;
    case ModusDemo:
        DemoZeigen(QT_TRANSLATE_NOOP("TForm1", "Demo Spiel.\n\nComuter gegen Computer."));
        frech->Hide();
        SpielerModus = ModusDemo;
        break;
    default:
        break;
    }
}

void Spielablauf::SpielBeginnen()
{
    // The last game's job is over before the new game writes anything: a stopped demo closes
    // with its own text, and that text must never stand over the new game's.
    AltenAuftragBeenden();
    Erinnerung.SpielBegonnen();
    switch (SpielerModus) {
    case ModusMensch:
        MenschZeigen();
        Form1->StiftFarbWahl_Panel->Hide();
        Form1->Pruefen_BitBtn->SetEnabled(true);
        Form1->ZeigeFarbCode_BitBtn->SetEnabled(true);
        Form1->SteckerZeilenFreigeben(true);
        Form1->StiftZeilenFreigeben(false);
        StarteSpiel();
        break;
    case ModusComputer:
        ComputerZeigen();
        ComputerBrettZeigen();
        Form1->ZeigeFarbCode_BitBtn->SetEnabled(false);
        Form1->PickerBeschriften(PickerTitel::MoeglichComputer);
        Form1->SteckerZeilenFreigeben(false);
        Form1->StiftZeilenFreigeben(true);
        Form1->FarbCodeGeprueft_BitBtn->SetEnabled(true);
        StarteSpiel();
        break;
    case ModusDemo:
        DemoZeigen(QT_TRANSLATE_NOOP("TForm1", "Demo Spiel.\n\nComuter gegen Computer.\n\nBitte warten."));
        Form1->SteckerFabwahl_GroupBox->SetEnabled(false);
        Form1->SteckerZeilenFreigeben(false);
        Form1->StiftZeilenFreigeben(false);
        Form1->ZeigeFarbCode_BitBtn->SetEnabled(true);
        StarteDemo();
        break;
    default:
        break;
    }
    Einstellungen_Form->Hide();
    Form1->NeuesSpiel_BitBtn->SetEnabled(true);
    Form1->ProgressBar1->SetPosition(0);
}

void Spielablauf::EinstellungenGezeigt()
{
    Form1->NeuesSpiel_BitBtn->SetEnabled(false);
    // The marker box comes along, beside the dialog, which keeps the focus.
    if (SpielerModus == ModusComputer)
        Form3->ShowInactive();
}

void Spielablauf::EinstellungenGeschlossen()
{
    // Closed without OK: no game starts and the rows stay locked, but the way back to the
    // dialog stays open.
    Form1->NeuesSpiel_BitBtn->SetEnabled(true);
}

// ---------------------------------------------------------------------------------------------
// Main window

// A job of the last game must be over before the candidates and the codes are set anew.
void Spielablauf::AltenAuftragBeenden()
{
    WorkThread->AuftragStoppen();
    WorkThread->PhaseAbwarten();
}

void Spielablauf::GeheimcodeZeigen()
{
    for (int p = 0; p < AnzahlFelder; ++p)
        Form2->CZufallsCode_Shape[p]->SetBrushColor(FarbTabelle[FarbCode[p]]);
}

void Spielablauf::NeuesSpiel()
{
    Erinnerung.Verlassen();
    WorkThread->AuftragStoppen();
    Form1->ProgressBar1->SetPosition(0);
    Einstellungen_Form->AnzahlFarben_TrackBar->SetPosition(AnzahlFarben);
    Einstellungen_Form->AnzahlFelder_TrackBar->SetPosition(AnzahlFelder);
    Form1->Pruefen_BitBtn->SetEnabled(false);
    Form1->FarbCodeGeprueft_BitBtn->SetEnabled(false);
    Form1->ZeigeFarbCode_BitBtn->SetEnabled(false);
    Form1->InfoText(QT_TRANSLATE_NOOP("TForm1", "Neues Spiel"));
    Form1->SteckerZeilenFreigeben(false);
    Form1->StiftZeilenFreigeben(false);
    Form2->Hide();
    Einstellungen_Form->Show();
    StiftFarbe = clBlack;
    StiftFarbIndex = StiftSchwarz;
    Form1->StiftColor_Shape->SetBrushColor(clBlack);
    Form1->MeldungAnzeigen(QT_TRANSLATE_NOOP("TForm1", "Komm und Spiel mit mir."));
    Form1->ScrollBox1->SetVertScrollBarPosition(0);
    AktiveZeile = 1;
    Weiss = 0;
    Schwarz = 0;
}

void Spielablauf::ZeileWeiter()
{
    if (AktiveZeile < 12)
        ++AktiveZeile;
    Form1->BrettScrollen(AktiveZeile);
    Form1->Tastatur.Refresh();
    Form1->AktiveZeileMelden();
    SeitenfensterWeichen();
    Form1->SetzeZeilenMarke(AktiveZeile - 1, clBtnFace);
    Form1->SetzeZeilenMarke(AktiveZeile, clRed);
}

void Spielablauf::StarteSpiel()
{
    AltenAuftragBeenden();
    StarkerComputer = Form1->MenuStarkerComputer->Checked();
    SpielfeldLoeschen();
    Form1->SetzeZeilenMarke(AktiveZeile, clRed);
    Form1->Tastatur.Refresh();
    Form1->AktiveZeileMelden();
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
            Form1->SetzeSteckerFarbe(AktiveZeile, p, ComputerFarbTabelle[FarbCode[p]]);
        Erinnerung.Geraten();
        Announce(Form1, Form1->RateText(AktiveZeile));
        Form1->InfoText(TextComputerRaet);
    }
}

void Spielablauf::StarteDemo()
{
    AltenAuftragBeenden();
    StarkerComputer = Form1->MenuStarkerComputer->Checked();
    SpielfeldLoeschen();
    AktiveZeile = 1;
    Form1->Tastatur.Refresh();
    Form1->AktiveZeileMelden();
    Kandidaten->SetAll();
    Form1->MeldungAnzeigen(QT_TRANSLATE_NOOP("TForm1", "Bitte warten"));
    AnzahlKombinationen = Kombinationen(AnzahlFarben, AnzahlFelder);
    ZufallsCodeZiehen();
    GeheimcodeZeigen();
    WorkThread->AuftragStarten(SpielerModus);
}

void Spielablauf::Pruefen()
{
    Weiss = 0;
    Schwarz = 0;
    for (int p = 0; p < AnzahlFelder; ++p) {
        if (SteckerFeld[AktiveZeile][p] < 0) {
            Form1->MeldungAnzeigen(QT_TRANSLATE_NOOP("TForm1", "Es müssen alle Felder besetzt sein."));
            return;
        }
    }
    const bool gewonnen = BewerteZeile(AnzahlFelder, Schwarz, Weiss);
    Erinnerung.Geraten();
    if (gewonnen)
        Erinnerung.Geloest();
    // Said first: the answer, then what it means.
    Announce(Form1, Form1->AntwortText(AktiveZeile, Schwarz, Weiss));
    if (gewonnen) {
        Form1->InfoText(QT_TRANSLATE_NOOP("TForm1", "Spieler: Mensch\n\nSie haben den Code Gelöst."));
        Form1->Pruefen_BitBtn->SetEnabled(false);
        // The game is over: the board keeps the winning row as it was scored.
        Form1->SteckerZeilenFreigeben(false);
    }
    // Row 12 is checked again and again: every key peg is painted anew each time, so it never
    // shows a mix of two answers.
    for (int p = 0; p < AnzahlFelder; ++p)
        Form1->SetzeAktivenStift(p, StiftAnstrich(AntwortStift(p, Schwarz, Weiss)));
    if (Schwarz == AnzahlFelder)
        return;
    if (Einstellungen_Form->ComputerFrech_CheckBox->Checked()) {
        const int32_t index = ZeileZuIndex(AktiveZeile, AnzahlFarben, AnzahlFelder);
        if (AnzahlFelder <= 6) {
            // The filter of the last answer finishes first (it takes well under a millisecond),
            // so that this answer's filter is never dropped and the test below sees every answer.
            WorkThread->PhaseAbwarten();
            if (!Kandidaten->TestBit(index))
                Form1->MeldungAnzeigen(
                    QT_TRANSLATE_NOOP("TForm1", "*** Blödmann! *** Dieser Farbcode ist nicht mehr möglich."));
            else
                Form1->MeldungAnzeigen("");
            Kandidaten->ResetBit(index);
            IndexZuCode(AnzahlFarben, AnzahlFelder, index, RateCode);
            WorkThread->AuftragStarten(SpielerModus);
        }
    } else {
        Form1->MeldungAnzeigen("");
    }
    ZeileWeiter();
}

void Spielablauf::AntwortNehmen()
{
    AnzahlKombinationen = Kombinationen(AnzahlFarben, AnzahlFelder);
    Form1->FarbCodeGeprueft_BitBtn->SetEnabled(false);
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
    Form1->StiftZeilenFreigeben(false);
    Announce(Form1, Form1->AntwortText(AktiveZeile, Schwarz, Weiss));
    if (Schwarz == AnzahlFelder) {
        Form1->InfoText(QT_TRANSLATE_NOOP("TForm1", "Spieler: Computer\nIch habe Gewonnen."));
        Erinnerung.Geloest();
        return;
    }
    WorkThread->PhaseAbwarten();
    Kandidaten->ResetBit(CodeIndex);
    // Not said: by the time a screen reader would say it the next guess is there.
    Form1->InfoText(QT_TRANSLATE_NOOP("TForm1", "Spieler: Computer.\nBitte warten.\nFühre Berchnungen durch."), false);
    WorkThread->AuftragStarten(SpielerModus);
}

void Spielablauf::SteckerFarbeGewaehlt(int32_t index)
{
    Form1->ShowFarbwahl_Shape->SetBrushColor(FarbTabelle[index]);
    SteckerFarbe = FarbTabelle[index];
    SteckerFarbIndex = index;
}

void Spielablauf::StiftGewaehlt(int8_t stift)
{
    StiftFarbe = StiftAnstrich(stift);
    StiftFarbIndex = stift;
    Form1->StiftColor_Shape->SetBrushColor(StiftFarbe);
}

void Spielablauf::PegGesetzt(bool stift, int32_t zeile, int32_t platz)
{
    if (AktiveZeile != zeile) {
        Form1->MeldungAnzeigen(QT_TRANSLATE_NOOP("TForm1", "Diese Zeile ist gesperrt."));
        return;
    }
    Form1->MeldungAnzeigen("");
    if (platz < 0 || platz >= 8)
        return;
    if (stift) {
        Form1->SetzeStiftFarbe(zeile, platz, StiftFarbe);
        StiftFeld[zeile][platz] = static_cast<int8_t>(StiftFarbIndex);
    } else {
        Form1->SetzeSteckerFarbe(zeile, platz, SteckerFarbe);
        SteckerFeld[zeile][platz] = static_cast<int8_t>(SteckerFarbIndex);
    }
}

void Spielablauf::SpielfeldLoeschen()
{
    for (int zeile = 0; zeile <= 12; ++zeile) {
        for (int p = 0; p < 8; ++p) {
            SteckerFeld[zeile][p] = LeerFeld;
            Form1->SetzeSteckerFarbe(zeile, p, clGray);
            StiftFeld[zeile][p] = LeerFeld;
            Form1->SetzeStiftFarbe(zeile, p, clGray);
        }
    }
    Form1->LoescheZeilenMarken();
}

void Spielablauf::FarbenZeigen()
{
    SteckerFarbe = clRed;
    Form1->ShowFarbwahl_Shape->SetBrushColor(clRed);
    SteckerFarbIndex = 0;
    if (AnzahlFarben >= 2 && AnzahlFarben <= 8)
        for (int i = 0; i < 8; ++i)
            Form1->FarbwahlShapes[i]->SetVisible(i < AnzahlFarben);
}

void Spielablauf::FelderZeigen()
{
    for (int p = 0; p < 8; ++p) {
        const bool sichtbar = p < AnzahlFelder;
        Form2->CZufallsCode_Shape[p]->SetVisible(sichtbar);
        Form3->MerkerFarbCode_Shape[p]->SetVisible(sichtbar);
        for (int zeile = 1; zeile <= 12; ++zeile) {
            Form1->SteckerShapes[zeile][p]->SetVisible(sichtbar);
            Form1->StiftShapes[zeile][p]->SetVisible(sichtbar);
        }
    }
}

// The buttons that show a window bring it back also when it has been minimised or buried.
void Spielablauf::LoesungZeigen()
{
    Erinnerung.Aufgegeben();
    Form2->BringToFront();
    // The code, now in sight, is said and can be read place by place.
    QStringList farben;
    for (int p = 0; p < AnzahlFelder; ++p) {
        ReportShown(Form2->CZufallsCode_Shape[p]);
        farben << ColorName(Form2->CZufallsCode_Shape[p]->BrushColor(), false);
    }
    Announce(Form2, QCoreApplication::translate("TForm2", "Geheimcode: %1").arg(farben.join(QStringLiteral(", "))));
}

void Spielablauf::MerkerZeigen()
{
    Form3->BringToFront();
}

void Spielablauf::HilfeZeigen()
{
    // The windows that stay on top give way to the modal help, which nothing else can be used
    // beside: under one of them it could not be read or closed.
    Hilfe_Form->ShowModal({Form2, Form3, Einstellungen_Form});
}

std::vector<QRect> Spielablauf::FreiZuHalten(const TForm* fenster) const
{
    const auto global = [](const QWidget* w) { return QRect(w->mapToGlobal(QPoint()), w->size()); };
    std::vector<QRect> frei;
    // The row being played, as far as the board shows it, and the buttons.
    if (AktiveZeile >= 1 && AktiveZeile <= 12)
        frei.push_back((global(Form1->SteckerZeilen[AktiveZeile]) | global(Form1->StiftZeilen[AktiveZeile])) &
                       global(Form1->ScrollBox1->viewport()));
    frei.push_back(global(Form1->GroupBox3));
    // The marker box takes its colours from the picker.
    if (fenster == Form3)
        frei.push_back(global(Form1->SteckerFarbWahl_Panel));
    // The settings dialog while it is open, and the other side window.
    for (const TForm* anderes :
         {static_cast<TForm*>(Einstellungen_Form), static_cast<TForm*>(Form2), static_cast<TForm*>(Form3)})
        if (anderes != fenster && anderes->isVisible())
            frei.push_back(anderes->OuterRect());
    return frei;
}

void Spielablauf::SeitenfensterWeichen()
{
    for (TForm* fenster : {static_cast<TForm*>(Form2), static_cast<TForm*>(Form3)}) {
        if (!fenster->isVisible())
            continue;
        const QRect lage = fenster->OuterRect();
        const std::vector<QRect> frei = FreiZuHalten(fenster);
        if (std::any_of(frei.begin(), frei.end(), [&](const QRect& r) { return r.intersects(lage); }))
            fenster->Place();
    }
}

// ---------------------------------------------------------------------------------------------
// Solution window and marker box

void Spielablauf::LoesungNeuesSpiel()
{
    // No pause is needed after the stop: the new game's OK waits for the worker before it
    // writes anything (AltenAuftragBeenden), and a pause here could not let a stopped demo close
    // anyway, since its closing steps need this thread's event loop.
    WorkThread->AuftragStoppen();
    Form1->ProgressBar1->SetPosition(0);
    Form2->Hide();
    NeuesSpiel();
}

void Spielablauf::MerkerGezeigt()
{
    Form1->SteckerFabwahl_GroupBox->SetEnabled(true);
    Form1->ShowFarbwahl_Shape->Show();
    Form1->PickerBeschriften(PickerTitel::Wahl);
}

void Spielablauf::MerkerVerborgen()
{
    if (SpielerModus != ModusComputer && SpielerModus != ModusDemo)
        return;
    Form1->SteckerFabwahl_GroupBox->SetEnabled(false);
    Form1->ShowFarbwahl_Shape->Hide();
    Form1->PickerBeschriften(PickerTitel::Moeglich);
}

void Spielablauf::FarbTaste(int32_t index)
{
    // What a click on the square does, and only where a click would reach it: a colour in play,
    // while the picker takes clicks. A screen reader is told the colour now chosen, which no focus
    // move tells.
    if (index >= 0 && index < 8 && Form1->FarbwahlShapes[index]->isVisible() &&
        Form1->FarbwahlShapes[index]->isEnabled()) {
        SteckerFarbeGewaehlt(index);
        Announce(Form1, Form1->ShowFarbwahl_Shape->accessibleName());
    }
}

// ---------------------------------------------------------------------------------------------
// Display port: what the worker found, written into the game state and shown.

void Spielablauf::FortschrittAnzeigen(int32_t prozent)
{
    Form1->ProgressBar1->SetPosition(prozent);
}

// The computer's next guess in mode "Computer": next row, marked, painted, waiting for pegs.
void Spielablauf::RatecodeZeigen(int32_t index)
{
    CodeIndex = index;
    Erinnerung.Geraten();
    ZeileWeiter();
    IndexZuCode(AnzahlFarben, AnzahlFelder, CodeIndex, FarbCode);
    for (int p = 0; p < AnzahlFelder; ++p)
        Form1->SetzeSteckerFarbe(AktiveZeile, p, ComputerFarbTabelle[FarbCode[p]]);
    // Guesses after the twelfth reuse row 12: its key pegs start from gray each time, so an
    // earlier answer is never counted again.
    for (int p = 0; p < 8; ++p) {
        StiftFeld[AktiveZeile][p] = LeerFeld;
        Form1->SetzeAktivenStift(p, clGray);
    }
    Form1->StiftZeilenFreigeben(true);
    Form1->Tastatur.Refresh();
    Announce(Form1, Form1->RateText(AktiveZeile));
    // What to do was said with the first guess.
    Form1->InfoText(TextComputerRaet, false);
    Form1->FarbCodeGeprueft_BitBtn->SetEnabled(true);
}

void Spielablauf::WiderspruchZeigen()
{
    Form1->MeldungAnzeigen(QT_TRANSLATE_NOOP("TForm1", "Sie haben eine falsche Angabe gemacht"));
    Form1->InfoText(
        QT_TRANSLATE_NOOP("TForm1", "Spieler: Computer.\nSie haben\nbetrogen!.\nEs ist keine Lösung\nmehr möglich!"));
    Form1->FarbCodeGeprueft_BitBtn->SetEnabled(false);
    Erinnerung.Betrogen();
}

void Spielablauf::DemoZugAnzeigen(const DemoZug& zug)
{
    const int32_t zeile = zug.Zeile;
    CodeIndex = zug.Index;
    std::memcpy(RateCode, zug.Code, sizeof RateCode);
    AktiveZeile = zeile;
    DemoSchwarz = zug.Schwarz;
    DemoWeiss = zug.Weiss;
    // Guesses after the twelfth reuse row 12: its key pegs start from empty each time.
    for (int32_t p = 0; p < AnzahlFelder; ++p) {
        SteckerFeld[zeile][p] = RateCode[p];
        StiftFeld[zeile][p] = AntwortStift(p, DemoSchwarz, DemoWeiss);
        Form1->SetzeSteckerFarbe(zeile, p, FarbTabelle[SteckerFeld[zeile][p]]);
        Form1->SetzeStiftFarbe(zeile, p, StiftAnstrich(StiftFeld[zeile][p]));
    }
    const QString ansage = Form1->RateText(zeile) + QStringLiteral(". ") +
                           Form1->AntwortText(zeile, DemoSchwarz, DemoWeiss).section(QStringLiteral(": "), 1);
    Announce(Form1, ansage);
    // A screen reader at its usual rate says some 15 characters a second; the 15 more are what it
    // says around the text ("notification").
    DemoSprechDauer = QAccessible::isActive() ? 65 * static_cast<int32_t>(ansage.size() + 15) : 0;
    // Only the row has changed: repainting it alone shows the move at once and keeps the main
    // thread's pause short.
    Form1->SteckerZeilen[zeile]->repaint();
    Form1->StiftZeilen[zeile]->repaint();
}

// A demo to watch plays about a row a second; with a screen reader listening each move stays
// until it has been said, so that no move cuts off the one before and the reader keeps up.
int32_t Spielablauf::DemoZugDauer()
{
    return std::max(Form1->MenuDemoZuschauen->Checked() ? 1000 : 0, DemoSprechDauer);
}

void Spielablauf::DemoZeileAnzeigen(int32_t zeile)
{
    AktiveZeile = zeile;
    Form1->BrettScrollen(zeile);
    Form1->AktiveZeileMelden();
    SeitenfensterWeichen();
}

void Spielablauf::DemoEndeAnzeigen()
{
    Form1->InfoText(QT_TRANSLATE_NOOP("TForm1", "Demo Spiele.\n\nComuter gegen Computer.\n\nFertig!"));
}
