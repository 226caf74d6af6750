// SPDX-License-Identifier: GPL-3.0-or-later
// The help window with the rules of the game.
#pragma once

#include "toolkit/Forms.h"

class THilfe_Form : public TForm {
    Q_OBJECT
public:
    THilfe_Form();
    TMemo* Hilfe_Memo;
    TBitBtn* HilfeClose_BitBtn;
    void HilfeClose_BitBtnClick(TObject* Sender);
};

extern THilfe_Form* Hilfe_Form;
