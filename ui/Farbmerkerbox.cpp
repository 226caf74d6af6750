// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Farbmerkerbox.h"

#include "game/Spielzustand.h"
#include "ui/Spielablauf.h"

#include <functional>

TForm3* Form3 = nullptr;

TForm3::TForm3() : TForm(QStringLiteral("Form3"), tr("Farbcode  MerkerBox   Hier können Sie Ihren Farbcode eingeben."))
{
    SetClientSize(435, 82);
    SetBorder(biNone, true);
    KeepClear = [this] { return Ablauf.FreiZuHalten(this); };
    FarbcodeMerkerBoxColse_BitBtn =
        new TBitBtn(Client(), QStringLiteral("FarbcodeMerkerBoxColse_BitBtn"), tr("Schließen"), bkCancel);
    FarbcodeMerkerBoxColse_BitBtn->SetBounds(176, 56, 97, 25);
    FarbcodeMerkerBoxColse_BitBtn->OnClick = std::bind_front(&TForm3::FarbcodeMerkerBoxColse_BitBtnClick, this);
    Panel1 = new TPanel(Client(), QStringLiteral("Panel1"));
    Panel1->SetBounds(72, 8, 297, 41);
    Panel1->setLineWidth(3);
    static constexpr int links[8] = {8, 43, 78, 114, 149, 185, 220, 256};
    for (int i = 0; i < 8; ++i) {
        auto* kreis = new TShape(Panel1, QStringLiteral("MerkerFarbCode_Shape%1").arg(i), stCircle);
        kreis->SetBounds(links[i], 8, 33, 25);
        kreis->SetBrushColor(clGray);
        SetCursor(kreis, crHandPoint);
        kreis->SetAccessibleText(tr("Merker Platz %1").arg(i + 1));
        kreis->SetColorTip(true);
        kreis->SetTakesInput(true);
        kreis->SetShowsSymbol(true);
        kreis->OnMouseDown = std::bind_front(&TForm3::MerkerFarbCode_MouseDown, this);
        MerkerFarbCode_Shape[i] = kreis;
    }
    Tastatur.Places = [this] {
        std::vector<TShape*> plaetze;
        for (TShape* kreis : MerkerFarbCode_Shape)
            if (kreis->Visible())
                plaetze.push_back(kreis);
        return plaetze;
    };
    Tastatur.Install(this);
    for (int32_t i = 0; i < 8; ++i)
        Tastatur.Bind(this, Qt::Key_1 + i, [i] { Ablauf.FarbTaste(i); });
    OnShow = std::bind_front(&TForm3::FormShow, this);
    OnHide = std::bind_front(&TForm3::FormHide, this);
}

void TForm3::MerkerFarbCode_MouseDown(TObject* Sender, TMouseButton, TShiftState, int, int)
{
    for (TShape* kreis : MerkerFarbCode_Shape) {
        if (Sender == kreis) {
            kreis->SetBrushColor(SteckerFarbe);
            return;
        }
    }
}

void TForm3::FarbcodeMerkerBoxColse_BitBtnClick(TObject*)
{
    Hide();
}

void TForm3::FormShow(TObject*)
{
    Ablauf.MerkerGezeigt();
}

void TForm3::FormHide(TObject*)
{
    Ablauf.MerkerVerborgen();
}
