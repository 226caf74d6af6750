// SPDX-License-Identifier: GPL-3.0-or-later
// The marker box: eight circles in which the player notes a colour code for their own use.
#pragma once

#include "toolkit/Forms.h"

class TForm3 : public TForm {
    Q_OBJECT
public:
    TForm3();
    TBitBtn* FarbcodeMerkerBoxColse_BitBtn;
    TPanel* Panel1;
    TShape* MerkerFarbCode_Shape[8];
    // The keyboard: the focus ring walks the places shown, 1-8 choose a colour of the picker.
    TFocusRing Tastatur;
    void MerkerFarbCode_MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void FarbcodeMerkerBoxColse_BitBtnClick(TObject* Sender);
    void FormShow(TObject* Sender);
    void FormHide(TObject* Sender);
};

extern TForm3* Form3;
