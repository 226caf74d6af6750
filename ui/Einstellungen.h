// SPDX-License-Identifier: GPL-3.0-or-later
// The settings dialog: who plays, how many colours and fields, and "Computer Frech".
#pragma once

#include "toolkit/Forms.h"

class TEinstellungen_Form : public TForm {
    Q_OBJECT
public:
    TEinstellungen_Form();
    TPanel* Einstellungen_Panel;
    TRadioGroup* Spieler_RadioGroup;
    TCheckBox* ComputerFrech_CheckBox;
    TGroupBox* GroupBox1;
    TLabel* AnzahlFarben_Label;
    TTrackBar* AnzahlFarben_TrackBar;
    TGroupBox* GroupBox2;
    TLabel* AnzahlFelder_Label;
    TTrackBar* AnzahlFelder_TrackBar;
    TBitBtn* EinstellungOK_BitBtn;

    void AnzahlFarben_TrackBarChange(TObject* Sender);
    void AnzahlFelder_TrackBarChange(TObject* Sender);
    void Spieler_RadioGroupClick(TObject* Sender);
    void EinstellungOK_BitBtnClick(TObject* Sender);
    void FormShow(TObject* Sender);
    void FormClose(TObject* Sender);
};

extern TEinstellungen_Form* Einstellungen_Form;
