// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Hilfe_memoform.h"

#include <functional>

THilfe_Form* Hilfe_Form = nullptr;

THilfe_Form::THilfe_Form() : TForm(QStringLiteral("Hilfe_Form"), tr("Hilfe"))
{
    SetClientSize(495, 334);
    SetBorder(biNone, false);
    Dialog = true;
    Hilfe_Memo = new TMemo(Client(), QStringLiteral("Hilfe_Memo"));
    Hilfe_Memo->SetBounds(16, 8, 465, 273);
    SetFont(Hilfe_Memo, "Times New Roman", -16, true, clBlack);
    // Blanks at the ends and the double blanks are part of the text. One message of 13 lines, so
    // that a translation is written as a whole and keeps to the memo's 13 lines.
    Hilfe_Memo->SetLines(tr("Farbenrater Regeln:\n"
                            " \n"
                            "Der Computer hat eine zufällige Kombination von  Farben erzeugt. \n"
                            "Sie sollen diese erraten. \n"
                            "Für jede Farbe, die Sie erraten haben, \n"
                            "die aber nicht an der richtigen Position ist, \n"
                            "setzt der Computer einen kleinen weißen  Stift. \n"
                            "Für jede richtige Farbe die an der richtigen Position ist, \n"
                            "setzt er einen kleinen schwarzen Stift. \n"
                            "Aber Achtung: \n"
                            "Die Stelle, an der sich der ein schwarzer Stift befindet,\n"
                            "sagt nichts darüber aus, \n"
                            "auf welchen Ihrer Farbknöpfe er sich bezieht! ")
                             .split(QLatin1Char('\n')));
    HilfeClose_BitBtn = new TBitBtn(Client(), QStringLiteral("HilfeClose_BitBtn"), tr("Schließen"), bkCancel);
    HilfeClose_BitBtn->SetBounds(192, 296, 121, 25);
    HilfeClose_BitBtn->OnClick = std::bind_front(&THilfe_Form::HilfeClose_BitBtnClick, this);
}

void THilfe_Form::HilfeClose_BitBtnClick(TObject*)
{
    Hide();
}
