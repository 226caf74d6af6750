// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: the board, the pickers, the information panel, the control group, the
// progress bar, the blinking status bar and the menu. It paints what the turn flow (Spielablauf)
// tells it; its handlers keep their names and call the flow.
#pragma once

#include "toolkit/Forms.h"

#include <QString>

// The status-bar ticker: the message being blinked and the ticks since it was set.
extern char MeldungsText[80];
extern int32_t BlinkZaehler;

// The code-peg picker's captions, each moment's own. The first is written in two spellings and
// one of the others with a slip of the pen: the game has always shown them so.
enum class PickerTitel { Wahl, WahlMensch, Moeglich, MoeglichComputer };

class TForm1 : public TForm {
    Q_OBJECT
public:
    TForm1();

    // The board's scroll position that shows rows 5 to 12, taken when row 9 becomes active.
    static constexpr int ScrollPositionAbZeile9 = 212;

    // Code-peg picker
    TPanel* SteckerFarbWahl_Panel;
    TShape* ShowFarbwahl_Shape;
    TGroupBox* SteckerFabwahl_GroupBox;
    TShape* RedFarbwahl_Shape;
    TShape* YellowFarbwahl_Shape;
    TShape* GreenFarbwahl_Shape;
    TShape* BlueFarbwahl_Shape;
    TShape* ViolettFarbwahl_Shape;
    TShape* TuerkisFarbwahl_Shape;
    TShape* BlackFarbwahl_Shape;
    TShape* WhiteFarbwahl_Shape;
    TShape* FarbwahlShapes[8]; // the eight squares in colour order

    // Key-peg picker
    TPanel* StiftFarbWahl_Panel;
    TShape* StiftColor_Shape;
    TGroupBox* GroupBox1;
    TShape* StiftWhite_Shape;
    TShape* StiftBlack_Shape;
    TShape* StiftGray_Shape;

    TStaticText* Info_StaticText;

    // Board: rows 1..12 (index 0 unused)
    TScrollBox* ScrollBox1;
    TPanel* SpielFeldPanel;
    TPanel* SteckerZeilen[13];
    TPanel* StiftZeilen[13];
    TLabel* ZeilenLabels[13];
    TShape* SteckerShapes[13][8];
    TShape* StiftShapes[13][8];

    // Control group
    TGroupBox* GroupBox3;
    TBitBtn* Pruefen_BitBtn;
    TBitBtn* FarbCodeGeprueft_BitBtn;
    TBitBtn* ZeigeFarbCode_BitBtn;
    TBitBtn* NeuesSpiel_BitBtn;
    TBitBtn* FarbMekerBox_BitBnt;
    TBitBtn* BitBtn3;

    TProgressBar* ProgressBar1;
    TStatusBar* StatusBar;
    TTimer* StatusBarTimer;
    TTimer* StartTimer;
    TMainMenu* MainMenu;
    TMenuItem* Menu1;
    TMenuItem* MenuHilfe;
    TMenuItem* MenuAutor;
    TMenuItem* MenuClose;
    TMenuItem* MenuAnsicht;
    TMenuItem* MenuFarbsymbole;
    TMenuItem* MenuOptionen;
    TMenuItem* MenuStarkerComputer;
    TMenuItem* MenuDemoZuschauen;

    // The keyboard: the focus ring walks the places of the active row (code holes, in mode
    // "Computer" key holes); 1-8 choose a colour of the picker, S, W, G a key peg.
    TFocusRing Tastatur;

    // Window operations
    void SetzeSteckerFarbe(int32_t zeile, int32_t feld, TColor farbe);
    void SetzeStiftFarbe(int32_t zeile, int32_t feld, TColor farbe);
    void FelderAnzeigen();
    void FarbenAnzeigen();
    void PickerBeschriften(PickerTitel titel);
    // The German source texts go through the player's language; an already translated text is
    // shown as it is. Both blink it in the status bar, cut to MeldungsText's 79 bytes.
    void MeldungAnzeigen(const char* text);
    void MeldungAnzeigen(const QString& uebersetzt);
    void LoescheSpielfeld();
    void LoescheZeilenMarken();
    void SetzeZeilenMarke(int32_t zeile, TColor farbe);
    void SteckerZeilenFreigeben(bool an);
    void StiftZeilenFreigeben(bool an);
    void SetzeAktivenStift(int32_t feld, TColor farbe);
    // Tells screen readers which rows' holes may be pressed, when the active row has changed.
    void AktiveZeileMelden();
    // Row 9 has become active: the board scrolls down to the last rows.
    void BrettScrollen(int32_t zeile);
    // A German source text (marked with QT_TR_NOOP in TForm1's context), in the player's language.
    // ansagen: said to screen readers when it changes (not the texts that come every round).
    void InfoText(const char* text, bool ansagen = true);
    // What a screen reader says of a row: its answer, or the colours of its guess.
    QString AntwortText(int32_t zeile, int32_t schwarz, int32_t weiss);
    QString RateText(int32_t zeile);

    // Turn flow, carried out by Spielablauf
    void StarteSpiel();
    void StarteDemo();
    void Pruefen_BitBtnClick(TObject* Sender);
    void FarbCodeGeprueft_BitBtnClick(TObject* Sender);
    void NeuesSpiel_BitBtnClick(TObject* Sender);

    // Handlers
    void FormClose(TObject* Sender);
    void StartTimerTimer(TObject* Sender);
    void StatusBarTimerTimer(TObject* Sender);
    void Farbwahl_ShapesMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void StiftFarbwahl_MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void ZeigeFarbCode_BitBtnClick(TObject* Sender);
    void FarbMekerBox_BitBntClick(TObject* Sender);
    void MenuHilfeClick(TObject* Sender);
    void MenuCloseClick(TObject* Sender);
    void MenuFarbsymboleClick(TObject* Sender);

    // One code-peg and one key-peg handler per row; all of them place a peg in their own row.
    void SteckerSetzen(int32_t zeile, TObject* Sender);
    void StiftSetzen(int32_t zeile, TObject* Sender);
#define FARBENRATER_ZEILE(N, stift)                                                                                    \
    void SteckerZeile##N##_MouseDown(TObject* Sender, TMouseButton, TShiftState, int, int)                             \
    {                                                                                                                  \
        SteckerSetzen(N, Sender);                                                                                      \
    }                                                                                                                  \
    void stift##N##_MouseDown(TObject* Sender, TMouseButton, TShiftState, int, int)                                    \
    {                                                                                                                  \
        StiftSetzen(N, Sender);                                                                                        \
    }
    FARBENRATER_ZEILE(1, StiftZeile)
    FARBENRATER_ZEILE(2, StiftZeile)
    FARBENRATER_ZEILE(3, StiftZeile)
    FARBENRATER_ZEILE(4, stiftZeile)
    FARBENRATER_ZEILE(5, StiftZeile)
    FARBENRATER_ZEILE(6, StiftZeile)
    FARBENRATER_ZEILE(7, StiftZeile)
    FARBENRATER_ZEILE(8, StiftZeile)
    FARBENRATER_ZEILE(9, StiftZeile)
    FARBENRATER_ZEILE(10, StiftZeile)
    FARBENRATER_ZEILE(11, StiftZeile)
    FARBENRATER_ZEILE(12, stiftZeile)
#undef FARBENRATER_ZEILE

private:
    int32_t GemeldeteZeile = 0; // the active row screen readers were last told of
    void PickerAnlegen();
    void BrettAnlegen();
    void BedienfeldAnlegen();
    void MenueAnlegen();
    void TastaturAnlegen();
};

extern TForm1* Form1;
