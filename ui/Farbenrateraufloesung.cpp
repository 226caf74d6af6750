// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Farbenrateraufloesung.h"

#include "game/Spielzustand.h"
#include "ui/Spielablauf.h"

#include <functional>

TForm2* Form2 = nullptr;

TForm2::TForm2() : TForm(QStringLiteral("Form2"), tr("Auflösung"))
{
    SetClientSize(378, 105);
    SetBorder(biNone, true);
    KeepClear = [this] { return Ablauf.FreiZuHalten(this); };
    Panel1 = new TPanel(Client(), QStringLiteral("Panel1"));
    Panel1->SetBounds(48, 16, 289, 41);
    // At creation the circles show the colours in their order.
    for (int i = 0; i < 8; ++i) {
        auto* kreis = new TShape(Panel1, QStringLiteral("CZufallsCode_Shape%1").arg(i), stCircle);
        kreis->SetBounds(1 + 35 * i, 9, 33, 25);
        kreis->SetBrushColor(FarbWerte[i]);
        SetCursor(kreis, crHandPoint);
        kreis->SetAccessibleText(tr("Geheimcode Platz %1").arg(i + 1));
        kreis->SetShowsSymbol(true);
        CZufallsCode_Shape[i] = kreis;
    }
    NeuesSpiel_BitBtn1 = new TBitBtn(Client(), QStringLiteral("NeuesSpiel_BitBtn1"), tr("Neues Spiel"), bkAbort);
    NeuesSpiel_BitBtn1->SetBounds(128, 64, 105, 25);
    NeuesSpiel_BitBtn1->OnClick = std::bind_front(&TForm2::NeuesSpiel_BitBtn1Click, this);
}

void TForm2::NeuesSpiel_BitBtn1Click(TObject*)
{
    Ablauf.LoesungNeuesSpiel();
}
