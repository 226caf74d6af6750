// SPDX-License-Identifier: GPL-3.0-or-later
// The solution window: the secret code as a row of circles, and a "Neues Spiel" button.
#pragma once

#include "toolkit/Forms.h"

class TForm2 : public TForm {
    Q_OBJECT
public:
    TForm2();
    TPanel* Panel1;
    TShape* CZufallsCode_Shape[8];
    TBitBtn* NeuesSpiel_BitBtn1;
    void NeuesSpiel_BitBtn1Click(TObject* Sender);
};

extern TForm2* Form2;
