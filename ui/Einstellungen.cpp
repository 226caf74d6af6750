// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Einstellungen.h"

#include "ui/Spielablauf.h"

#include <functional>

TEinstellungen_Form* Einstellungen_Form = nullptr;

namespace {

// A size label: the number in lime, bold, centred, on black: lime on the button face could
// hardly be read (1.2 : 1), on black it stands out (15 : 1) as a small display.
TLabel* ZahlLabel(QWidget* eltern, const QString& name)
{
    auto* label = new TLabel(eltern, name, QStringLiteral("8"));
    label->SetBounds(8, 23, 33, 18);
    label->setAlignment(Qt::AlignCenter);
    label->SetColor(clBlack);
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

// The dialog shows its own numbers; what a choice means for the game is the turn flow's.
void TEinstellungen_Form::AnzahlFarben_TrackBarChange(TObject*)
{
    AnzahlFarben_Label->SetCaption(QString::number(AnzahlFarben_TrackBar->Position()));
    Ablauf.FarbenGewaehlt(AnzahlFarben_TrackBar->Position());
}

void TEinstellungen_Form::AnzahlFelder_TrackBarChange(TObject*)
{
    AnzahlFelder_Label->SetCaption(QString::number(AnzahlFelder_TrackBar->Position()));
    Ablauf.FelderGewaehlt(AnzahlFelder_TrackBar->Position());
}

void TEinstellungen_Form::Spieler_RadioGroupClick(TObject*)
{
    Ablauf.SpielerGewaehlt(Spieler_RadioGroup->ItemIndex());
}

void TEinstellungen_Form::EinstellungOK_BitBtnClick(TObject*)
{
    Ablauf.SpielBeginnen();
}

void TEinstellungen_Form::FormShow(TObject*)
{
    Ablauf.EinstellungenGezeigt();
}

void TEinstellungen_Form::FormClose(TObject*)
{
    Ablauf.EinstellungenGeschlossen();
}
