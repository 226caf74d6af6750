// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Einstellungen.h"

#include "game/Spielzustand.h"
#include "solver/Workthread.h"
#include "ui/Farbenrater.h"
#include "ui/Farbmerkerbox.h"

#include <QCoreApplication>
#include <QRadioButton>
#include <functional>

TEinstellungen_Form* Einstellungen_Form = nullptr;

namespace {

// A size label: the number in lime, bold, centred.
TLabel* ZahlLabel(QWidget* eltern, const QString& name)
{
    auto* label = new TLabel(eltern, name, QStringLiteral("8"));
    label->SetBounds(8, 23, 33, 18);
    label->setAlignment(Qt::AlignCenter);
    SetFont(label, "Times New Roman", -16, true, clLime);
    return label;
}

} // namespace

TEinstellungen_Form::TEinstellungen_Form() : TForm(QStringLiteral("Einstellungen_Form"), tr("Einstellungen"))
{
    SetClientSize(227, 303);
    SetBorder(biSystemMenu, true);
    Dialog = true;
    Einstellungen_Panel = new TPanel(Client(), QStringLiteral("Einstellungen_Panel"));
    Einstellungen_Panel->SetBounds(7, 3, 210, 294);
    Einstellungen_Panel->setLineWidth(2);

    Spieler_RadioGroup = new TRadioGroup(Einstellungen_Panel, QStringLiteral("Spieler_RadioGroup"), tr("Spieler"),
                                         {tr("Mensch"), tr("Computer"), tr("Demo")});
    Spieler_RadioGroup->SetBounds(8, 8, 193, 81);
    // Chosen before the handler is bound: the choice at creation is no click.
    Spieler_RadioGroup->SetItemIndex(0);
    Spieler_RadioGroup->OnClick = std::bind_front(&TEinstellungen_Form::Spieler_RadioGroupClick, this);

    ComputerFrech_CheckBox =
        new TCheckBox(Einstellungen_Panel, QStringLiteral("ComputerFrech_CheckBox"), tr("Computer Frech"));
    ComputerFrech_CheckBox->SetBounds(96, 24, 97, 17);
    // Tighter than the style's default gap, so the whole caption fits the box's width.
    ComputerFrech_CheckBox->setStyleSheet(QStringLiteral("QCheckBox { spacing: 2px; }"));

    GroupBox1 = new TGroupBox(Einstellungen_Panel, QStringLiteral("GroupBox1"), tr("Anzahl der Farben"));
    GroupBox1->SetBounds(8, 104, 193, 57);
    AnzahlFarben_Label = ZahlLabel(GroupBox1, QStringLiteral("AnzahlFarben_Label"));
    AnzahlFarben_TrackBar = new TTrackBar(GroupBox1, QStringLiteral("AnzahlFarben_TrackBar"), 2, 8, 8);
    AnzahlFarben_TrackBar->SetBounds(56, 16, 121, 25);
    AnzahlFarben_TrackBar->OnChange = std::bind_front(&TEinstellungen_Form::AnzahlFarben_TrackBarChange, this);

    GroupBox2 = new TGroupBox(Einstellungen_Panel, QStringLiteral("GroupBox2"), tr("Anzahl Felder"));
    GroupBox2->SetBounds(8, 176, 193, 57);
    AnzahlFelder_Label = ZahlLabel(GroupBox2, QStringLiteral("AnzahlFelder_Label"));
    AnzahlFelder_TrackBar = new TTrackBar(GroupBox2, QStringLiteral("AnzahlFelder_TrackBar"), 2, 8, 8);
    AnzahlFelder_TrackBar->SetBounds(56, 16, 121, 25);
    AnzahlFelder_TrackBar->OnChange = std::bind_front(&TEinstellungen_Form::AnzahlFelder_TrackBarChange, this);

    EinstellungOK_BitBtn = new TBitBtn(Einstellungen_Panel, QStringLiteral("EinstellungOK_BitBtn"), tr("OK"), bkOK);
    EinstellungOK_BitBtn->SetBounds(61, 248, 75, 25);
    EinstellungOK_BitBtn->Default = true;
    EinstellungOK_BitBtn->OnClick = std::bind_front(&TEinstellungen_Form::EinstellungOK_BitBtnClick, this);

    OnShow = std::bind_front(&TEinstellungen_Form::FormShow, this);
    OnClose = std::bind_front(&TEinstellungen_Form::FormClose, this);
}

void TEinstellungen_Form::AnzahlFarben_TrackBarChange(TObject*)
{
    AnzahlFarben = AnzahlFarben_TrackBar->Position();
    AnzahlFarben_Label->SetCaption(QString::number(AnzahlFarben));
    Form1->FarbenAnzeigen();
}

void TEinstellungen_Form::AnzahlFelder_TrackBarChange(TObject*)
{
    AnzahlFelder = AnzahlFelder_TrackBar->Position();
    AnzahlFelder_Label->SetCaption(QString::number(AnzahlFelder));
    if (AnzahlFelder > 6) {
        ComputerFrech_CheckBox->SetChecked(false);
        ComputerFrech_CheckBox->Hide();
    } else if (SpielerModus == ModusMensch) {
        ComputerFrech_CheckBox->Show();
    }
    Form1->FelderAnzeigen();
}

// What a mode shows in the main window, the same whether it is chosen in the dialog or started
// with OK; each handler adds its own steps after these.
void TEinstellungen_Form::MenschZeigen()
{
    Form1->InfoText(QT_TRANSLATE_NOOP("TForm1", "Spieler Mensch.\n\nMensch gegen Computer."));
    Form3->Hide();
    Form1->ShowFarbwahl_Shape->Show();
    Form1->SteckerFabwahl_GroupBox->SetEnabled(true);
    Form1->SteckerFabwahl_GroupBox->SetCaption(
        QCoreApplication::translate("TForm1", "FarbWahlBox (clicke auf ein Quadraht)"));
}

void TEinstellungen_Form::ComputerZeigen()
{
    Form1->InfoText(QT_TRANSLATE_NOOP("TForm1", "Spieler Computer.\n\nComputer gegen Mensch."));
}

void TEinstellungen_Form::ComputerBrettZeigen()
{
    // Without the marker box there is nothing to pick colours for.
    if (!Form3->Visible()) {
        Form1->ShowFarbwahl_Shape->Hide();
        Form1->SteckerFabwahl_GroupBox->SetEnabled(false);
    }
    Form1->StiftFarbWahl_Panel->Show();
    Form1->SpielFeldPanel->SetEnabled(true);
}

void TEinstellungen_Form::DemoZeigen(const char* info)
{
    Form1->InfoText(info);
    Form3->Hide();
    Form1->SteckerFabwahl_GroupBox->SetCaption(QCoreApplication::translate("TForm1", "Mögliche Farben"));
    Form1->ShowFarbwahl_Shape->Hide();
    Form1->StiftFarbWahl_Panel->Hide();
}

void TEinstellungen_Form::Spieler_RadioGroupClick(TObject*)
{
    switch (Spieler_RadioGroup->ItemIndex()) {
    case ModusMensch:
        MenschZeigen();
        if (AnzahlFelder < 7)
            ComputerFrech_CheckBox->Show();
        SpielerModus = ModusMensch;
        break;
    case ModusComputer:
        ComputerZeigen();
        Form3->Show();
        ComputerBrettZeigen();
        Form1->SteckerFarbWahl_Panel->SetEnabled(true);
        ComputerFrech_CheckBox->Hide();
        SpielerModus = ModusComputer;
        break;
    case ModusDemo:
        DemoZeigen(QT_TRANSLATE_NOOP("TForm1", "Demo Spiel.\n\nComuter gegen Computer."));
        ComputerFrech_CheckBox->Hide();
        SpielerModus = ModusDemo;
        break;
    default:
        break;
    }
}

void TEinstellungen_Form::EinstellungOK_BitBtnClick(TObject*)
{
    // The last game's job is over before the new game writes anything: a stopped demo closes
    // with its own text, and that text must never stand over the new game's.
    WorkThread->AuftragStoppen();
    WorkThread->PhaseAbwarten();
    switch (SpielerModus) {
    case ModusMensch:
        MenschZeigen();
        Form1->StiftFarbWahl_Panel->Hide();
        Form1->Pruefen_BitBtn->SetEnabled(true);
        Form1->ZeigeFarbCode_BitBtn->SetEnabled(true);
        Form1->SteckerZeilenFreigeben(true);
        Form1->StiftZeilenFreigeben(false);
        Form1->StarteSpiel();
        break;
    case ModusComputer:
        ComputerZeigen();
        ComputerBrettZeigen();
        Form1->ZeigeFarbCode_BitBtn->SetEnabled(false);
        Form1->SteckerFabwahl_GroupBox->SetCaption(QCoreApplication::translate("TForm1", "Mögliche Fraben"));
        Form1->SteckerZeilenFreigeben(false);
        Form1->StiftZeilenFreigeben(true);
        Form1->FarbCodeGeprueft_BitBtn->SetEnabled(true);
        Form1->StarteSpiel();
        break;
    case ModusDemo:
        DemoZeigen(QT_TRANSLATE_NOOP("TForm1", "Demo Spiel.\n\nComuter gegen Computer.\n\nBitte warten."));
        Form1->SteckerFabwahl_GroupBox->SetEnabled(false);
        Form1->SteckerZeilenFreigeben(false);
        Form1->StiftZeilenFreigeben(false);
        Form1->ZeigeFarbCode_BitBtn->SetEnabled(true);
        Form1->StarteDemo();
        break;
    default:
        break;
    }
    Hide();
    Form1->NeuesSpiel_BitBtn->SetEnabled(true);
    Form1->ProgressBar1->SetPosition(0);
}

void TEinstellungen_Form::FormShow(TObject*)
{
    Form1->NeuesSpiel_BitBtn->SetEnabled(false);
    if (SpielerModus == ModusComputer) {
        Form3->Show();
        Form3->SetFocus();
    }
}

void TEinstellungen_Form::FormClose(TObject*)
{
    // Closed without OK: no game starts and the rows stay locked, but the way back to the
    // dialog stays open.
    Form1->NeuesSpiel_BitBtn->SetEnabled(true);
}
