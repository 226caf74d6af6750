// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Hilfe_memoform.h"

#include <functional>

THilfe_Form* Hilfe_Form = nullptr;

THilfe_Form::THilfe_Form() : TForm(QStringLiteral("Hilfe_Form"), QStringLiteral("Hilfe"))
{
    SetClientSize(495, 334);
    SetBorder(biNone, false);
    Hilfe_Memo = new TMemo(Client(), QStringLiteral("Hilfe_Memo"));
    Hilfe_Memo->SetBounds(16, 8, 465, 273);
    SetFont(Hilfe_Memo, "Times New Roman", -16, true, clBlack);
    // Blanks at the ends and the double blanks are part of the text.
    Hilfe_Memo->SetLines({
        QStringLiteral("Farbenrater Regeln:"),
        QStringLiteral(" "),
        QStringLiteral("Der Computer hat eine zufällige Kombination von  Farben erzeugt. "),
        QStringLiteral("Sie sollen diese erraten. "),
        QStringLiteral("Für jede Farbe, die Sie erraten haben, "),
        QStringLiteral("die aber nicht an der richtigen Position ist, "),
        QStringLiteral("setzt der Computer einen kleinen weißen  Stift. "),
        QStringLiteral("Für jede richtige Farbe die an der richtigen Position ist, "),
        QStringLiteral("setzt er einen kleinen schwarzen Stift. "),
        QStringLiteral("Aber Achtung: "),
        QStringLiteral("Die Stelle, an der sich der ein schwarzer Stift befindet,"),
        QStringLiteral("sagt nichts darüber aus, "),
        QStringLiteral("auf welchen Ihrer Farbknöpfe er sich bezieht! "),
    });
    HilfeClose_BitBtn =
        new TBitBtn(Client(), QStringLiteral("HilfeClose_BitBtn"), QStringLiteral("Schließen"), bkCancel);
    HilfeClose_BitBtn->SetBounds(192, 296, 121, 25);
    HilfeClose_BitBtn->OnClick = std::bind_front(&THilfe_Form::HilfeClose_BitBtnClick, this);
}

void THilfe_Form::HilfeClose_BitBtnClick(TObject*)
{
    Hide();
}
