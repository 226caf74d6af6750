// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Farbenrater.h"

#include "arbeiter/Workthread.h"
#include "game/Spielzustand.h"
#include "toolkit/Glyphs.h"
#include "ui/Gedaechtnis.h"
#include "ui/Spielablauf.h"

#include <QKeySequence>
#include <QPainter>
#include <algorithm>
#include <cstring>
#include <functional>
#include <utility>

TForm1* Form1 = nullptr;
char MeldungsText[80] = "";
int32_t BlinkZaehler = 0;

namespace {

constexpr char ZeilenZeichen[] = "0123456789ABC"; // the row's character in the shape names

constexpr const char* PickerNamen[8] = {"RedFarbwahl_Shape",   "YellowFarbwahl_Shape",  "GreenFarbwahl_Shape",
                                        "BlueFarbwahl_Shape",  "ViolettFarbwahl_Shape", "TuerkisFarbwahl_Shape",
                                        "BlackFarbwahl_Shape", "WhiteFarbwahl_Shape"};
constexpr int PickerLinks[8] = {5, 34, 63, 92, 122, 151, 180, 210};

constexpr const char* PickerTitelTexte[] = {
    QT_TRANSLATE_NOOP("TForm1", "FarbwahlBox (clicke auf ein Quadraht)"),
    QT_TRANSLATE_NOOP("TForm1", "FarbWahlBox (clicke auf ein Quadraht)"),
    QT_TRANSLATE_NOOP("TForm1", "Mögliche Farben"),
    QT_TRANSLATE_NOOP("TForm1", "Mögliche Fraben"),
};

constexpr int SteckerLinks[8] = {32, 67, 102, 138, 173, 209, 244, 280};

using ZeilenHandler = void (TForm1::*)(TObject*, TMouseButton, TShiftState, int, int);
constexpr ZeilenHandler SteckerHandler[13] = {nullptr,
                                              &TForm1::SteckerZeile1_MouseDown,
                                              &TForm1::SteckerZeile2_MouseDown,
                                              &TForm1::SteckerZeile3_MouseDown,
                                              &TForm1::SteckerZeile4_MouseDown,
                                              &TForm1::SteckerZeile5_MouseDown,
                                              &TForm1::SteckerZeile6_MouseDown,
                                              &TForm1::SteckerZeile7_MouseDown,
                                              &TForm1::SteckerZeile8_MouseDown,
                                              &TForm1::SteckerZeile9_MouseDown,
                                              &TForm1::SteckerZeile10_MouseDown,
                                              &TForm1::SteckerZeile11_MouseDown,
                                              &TForm1::SteckerZeile12_MouseDown};
constexpr ZeilenHandler StiftHandler[13] = {nullptr,
                                            &TForm1::StiftZeile1_MouseDown,
                                            &TForm1::StiftZeile2_MouseDown,
                                            &TForm1::StiftZeile3_MouseDown,
                                            &TForm1::stiftZeile4_MouseDown,
                                            &TForm1::StiftZeile5_MouseDown,
                                            &TForm1::StiftZeile6_MouseDown,
                                            &TForm1::StiftZeile7_MouseDown,
                                            &TForm1::StiftZeile8_MouseDown,
                                            &TForm1::StiftZeile9_MouseDown,
                                            &TForm1::StiftZeile10_MouseDown,
                                            &TForm1::StiftZeile11_MouseDown,
                                            &TForm1::stiftZeile12_MouseDown};

// The check button's own picture: a black and a white key peg. The disabled look is derived.
QIcon PruefenBild()
{
    return VectorGlyph([](QPainter& maler) {
        maler.setPen(QPen(Qt::black, 0.9));
        maler.setBrush(Qt::black);
        maler.drawEllipse(QRectF(0.8, 4.3, 7.4, 7.4));
        maler.setBrush(Qt::white);
        maler.drawEllipse(QRectF(7.8, 4.3, 7.4, 7.4));
    });
}

} // namespace

TForm1::TForm1() : TForm(QStringLiteral("Form1"), tr("Farbenrater 1.1 – Finde den geheimen Farbcode"))
{
    SetClientSize(693, 535);
    SetBorder(biNone, false);
    SetCursor(this, crNo);
    MenueAnlegen();
    PickerAnlegen();
    BrettAnlegen();
    BedienfeldAnlegen();

    ProgressBar1 = new TProgressBar(Client(), QStringLiteral("ProgressBar1"));
    ProgressBar1->SetBounds(8, 482, 673, 17);
    SetCursor(ProgressBar1, crNo);

    StatusBar = new TStatusBar(Client(), QStringLiteral("StatusBar"));
    StatusBar->SetBounds(0, 507, 693, 28);
    StatusBar->SetColor(clSilver);
    SetFont(StatusBar, "Times New Roman", -16, true);
    StatusBar->SetSimpleText(tr("Komm und Spiel mit mir"));
    SetCursor(StatusBar, crNo);

    StatusBarTimer = new TTimer(this, QStringLiteral("StatusBarTimer"), 1000, true);
    StatusBarTimer->OnTimer = std::bind_front(&TForm1::StatusBarTimerTimer, this);
    StartTimer = new TTimer(this, QStringLiteral("StartTimer"), 100, false);
    StartTimer->OnTimer = std::bind_front(&TForm1::StartTimerTimer, this);
    OnClose = std::bind_front(&TForm1::FormClose, this);

    // The game's start values, then the worker, which reports to the turn flow, then the
    // controls' start state.
    Ablauf.Einrichten();
    StartTimer->SetEnabled(true);
    WorkThread = new TWorkThread(false);
    WorkThread->Anzeige = &Ablauf;
    WorkThread->SetPriority(tpNormal);
    WorkThread->Resume();
    WorkThread->AuftragStoppen();
    ProgressBar1->SetPosition(0);
    Pruefen_BitBtn->SetEnabled(false);
    FarbCodeGeprueft_BitBtn->SetEnabled(false);
    NeuesSpiel_BitBtn->SetEnabled(false);
    ZeigeFarbCode_BitBtn->SetEnabled(false);
    FarbMekerBox_BitBnt->SetEnabled(true);
    InfoText(QT_TR_NOOP("Neues Spiel"));
    SetCursor(SpielFeldPanel, crNo);
    TastaturAnlegen();
}

void TForm1::TastaturAnlegen()
{
    Tastatur.Places = [this] {
        std::vector<TShape*> plaetze;
        if (SpielerModus == ModusDemo)
            return plaetze; // the demo takes no pegs
        const int32_t zeile = std::clamp(AktiveZeile, 1, 12);
        auto& reihe = SpielerModus == ModusComputer ? StiftShapes : SteckerShapes;
        for (int32_t p = 0; p < std::clamp(AnzahlFelder, 0, 8); ++p)
            plaetze.push_back(reihe[zeile][p]);
        return plaetze;
    };
    Tastatur.Install(this);
    for (int32_t i = 0; i < 8; ++i)
        Tastatur.Bind(this, Qt::Key_1 + i, [i] { Ablauf.FarbTaste(i); });
    const struct {
        int taste;
        TShape* stift;
    } stifte[] = {{Qt::Key_S, StiftBlack_Shape}, {Qt::Key_W, StiftWhite_Shape}, {Qt::Key_G, StiftGray_Shape}};
    for (const auto& s : stifte)
        Tastatur.Bind(this, s.taste, [stift = s.stift] {
            if (stift->isVisible())
                KeyboardPress(stift);
        });
}

void TForm1::MenueAnlegen()
{
    MainMenu = new TMainMenu(this, QStringLiteral("MainMenu"));
    Menu1 = new TMenuItem(MainMenu, QStringLiteral("Menu1"), tr("Menü"));
    MenuHilfe = new TMenuItem(Menu1, QStringLiteral("MenuHilfe"), tr("Hilfe"));
    MenuAutor = new TMenuItem(Menu1, QStringLiteral("MenuAutor"),
                              tr("Farbenrater 1.1 – ein Farbcode-Ratespiel, frei zum Spielen"));
    MenuClose = new TMenuItem(Menu1, QStringLiteral("MenuClose"), tr("Schließen"));
    MainMenu->Add(Menu1);
    Menu1->Add(MenuHilfe);
    Menu1->Add(MenuAutor);
    Menu1->Add(MenuClose);
    MenuHilfe->OnClick = std::bind_front(&TForm1::MenuHilfeClick, this);
    MenuClose->OnClick = std::bind_front(&TForm1::MenuCloseClick, this);
    // A view of the board for players who tell some colours apart badly: off at every start.
    MenuAnsicht = new TMenuItem(MainMenu, QStringLiteral("MenuAnsicht"), tr("Ansicht"));
    MenuFarbsymbole = new TMenuItem(MenuAnsicht, QStringLiteral("MenuFarbsymbole"), tr("Farbsymbole"));
    MenuFarbsymbole->SetAutoCheck(true);
    MainMenu->Add(MenuAnsicht);
    MenuAnsicht->Add(MenuFarbsymbole);
    MenuFarbsymbole->OnClick = std::bind_front(&TForm1::MenuFarbsymboleClick, this);
    // The stronger computer player for modes "Computer" and "Demo": off at every start, read when
    // a game starts.
    MenuOptionen = new TMenuItem(MainMenu, QStringLiteral("MenuOptionen"), tr("Optionen"));
    MenuStarkerComputer = new TMenuItem(MenuOptionen, QStringLiteral("MenuStarkerComputer"), tr("Starker Computer"));
    MenuStarkerComputer->SetAutoCheck(true);
    MainMenu->Add(MenuOptionen);
    MenuOptionen->Add(MenuStarkerComputer);
    // A demo slow enough to follow, a row about every second: off at every start, read at each
    // move.
    MenuDemoZuschauen = new TMenuItem(MenuOptionen, QStringLiteral("MenuDemoZuschauen"), tr("Demo zum Zuschauen"));
    MenuDemoZuschauen->SetAutoCheck(true);
    MenuOptionen->Add(MenuDemoZuschauen);
    // A ticked or unticked option says its new state: the menu closes on it, and a screen reader
    // goes back to where the focus was.
    for (TMenuItem* option : {MenuFarbsymbole, MenuStarkerComputer, MenuDemoZuschauen})
        option->OnClick = [this, option, eigenes = option->OnClick](TObject* Sender) {
            Announce(this, option->Checked() ? tr("%1 eingeschaltet").arg(option->Caption())
                                             : tr("%1 ausgeschaltet").arg(option->Caption()));
            if (eigenes)
                eigenes(Sender);
        };
    SetMenu(MainMenu);
    // The desktop's standard keys, shown beside the items; Ctrl+N presses "Neues Spiel". They are
    // taken as the game's other keys are, so that a screen reader hears them first: the items' own
    // shortcuts would act before it, and serve only to show the keys (and in the open menu).
    for (const auto& [eintrag, taste] :
         {std::pair{MenuHilfe, QKeySequence::HelpContents}, std::pair{MenuClose, QKeySequence::Quit}}) {
        eintrag->setShortcut(taste);
        eintrag->setShortcutContext(Qt::WidgetShortcut);
        BindKey(this, QKeySequence(taste)[0], [eintrag] { eintrag->trigger(); });
    }
    BindKey(this, QKeySequence(QKeySequence::New)[0], [this] {
        if (NeuesSpiel_BitBtn->isEnabled() && NeuesSpiel_BitBtn->isVisible())
            NeuesSpiel_BitBtn->Click();
    });
}

void TForm1::PickerAnlegen()
{
    SteckerFarbWahl_Panel = new TPanel(Client(), QStringLiteral("SteckerFarbWahl_Panel"));
    SteckerFarbWahl_Panel->SetBounds(8, 4, 297, 60);
    SteckerFarbWahl_Panel->SetBevel(2);
    SetCursor(SteckerFarbWahl_Panel, crNo);
    ShowFarbwahl_Shape = new TShape(SteckerFarbWahl_Panel, QStringLiteral("ShowFarbwahl_Shape"), stCircle);
    ShowFarbwahl_Shape->SetBounds(6, 9, 30, 43);
    ShowFarbwahl_Shape->SetBrushColor(clRed);
    ShowFarbwahl_Shape->SetAccessibleText(tr("Gewählte Farbe"));
    ShowFarbwahl_Shape->SetShowsSymbol(true);
    SetCursor(ShowFarbwahl_Shape, crNo);
    SteckerFabwahl_GroupBox = new TGroupBox(SteckerFarbWahl_Panel, QStringLiteral("SteckerFabwahl_GroupBox"),
                                            tr(PickerTitelTexte[static_cast<int>(PickerTitel::Wahl)]));
    SteckerFabwahl_GroupBox->SetBounds(44, 5, 245, 49);
    SetCursor(SteckerFabwahl_GroupBox, crHandPoint);
    for (int i = 0; i < 8; ++i) {
        auto* quadrat = new TShape(SteckerFabwahl_GroupBox, QString::fromLatin1(PickerNamen[i]), stRoundSquare);
        quadrat->SetBounds(PickerLinks[i], 17, 33, 25);
        // The squares show the colours as the computer's guesses do (green as clLime); a press
        // chooses the colour of FarbTabelle.
        quadrat->SetBrushColor(ComputerFarbWerte[i]);
        SetCursor(quadrat, crHandPoint);
        quadrat->OnMouseDown = std::bind_front(&TForm1::Farbwahl_ShapesMouseDown, this);
        quadrat->SetAccessibleText(tr("Farbwahl"));
        quadrat->SetColorTip(true);
        quadrat->SetTakesInput(true);
        quadrat->SetShowsSymbol(true);
        FarbwahlShapes[i] = quadrat;
    }
    // Later squares lie on top of earlier ones where they overlap, except black above white.
    FarbwahlShapes[6]->raise();
    RedFarbwahl_Shape = FarbwahlShapes[0];
    YellowFarbwahl_Shape = FarbwahlShapes[1];
    GreenFarbwahl_Shape = FarbwahlShapes[2];
    BlueFarbwahl_Shape = FarbwahlShapes[3];
    ViolettFarbwahl_Shape = FarbwahlShapes[4];
    TuerkisFarbwahl_Shape = FarbwahlShapes[5];
    BlackFarbwahl_Shape = FarbwahlShapes[6];
    WhiteFarbwahl_Shape = FarbwahlShapes[7];

    StiftFarbWahl_Panel = new TPanel(Client(), QStringLiteral("StiftFarbWahl_Panel"));
    StiftFarbWahl_Panel->SetBounds(312, 4, 161, 61);
    StiftFarbWahl_Panel->SetBevel(2);
    StiftColor_Shape = new TShape(StiftFarbWahl_Panel, QStringLiteral("StiftColor_Shape"), stCircle);
    StiftColor_Shape->SetBounds(7, 13, 25, 32);
    StiftColor_Shape->SetBrushColor(clBlack);
    StiftColor_Shape->SetAccessibleText(tr("Gewählter Stift"));
    SetCursor(StiftColor_Shape, crNo);
    GroupBox1 = new TGroupBox(StiftFarbWahl_Panel, QStringLiteral("GroupBox1"), tr("Stift FarbwahlBox"));
    GroupBox1->SetBounds(38, 5, 113, 44);
    const struct {
        TShape** ziel;
        const char* name;
        int links;
        TColor farbe;
    } stifte[] = {{&StiftWhite_Shape, "StiftWhite_Shape", 12, clWhite},
                  {&StiftBlack_Shape, "StiftBlack_Shape", 46, clBlack},
                  {&StiftGray_Shape, "StiftGray_Shape", 80, clGray}};
    for (const auto& s : stifte) {
        *s.ziel = new TShape(GroupBox1, QString::fromLatin1(s.name), stRoundSquare);
        (*s.ziel)->SetBounds(s.links, 16, 20, 25);
        (*s.ziel)->SetBrushColor(s.farbe);
        SetCursor(*s.ziel, crHandPoint);
        (*s.ziel)->OnMouseDown = std::bind_front(&TForm1::StiftFarbwahl_MouseDown, this);
        (*s.ziel)->SetAccessibleText(tr("Stiftwahl"));
        (*s.ziel)->SetColorTip(true);
        (*s.ziel)->SetTakesInput(true);
    }
    StiftFarbWahl_Panel->Hide();

    Info_StaticText = new TStaticText(Client(), QStringLiteral("Info_StaticText"), QStringLiteral("Farbenrater"));
    Info_StaticText->SetBounds(480, 4, 201, 169);
    Info_StaticText->SetColor(clSilver);
    SetFont(Info_StaticText, "Times New Roman", -16, true, clBlack);
    SetCursor(Info_StaticText, crNo);
}

void TForm1::BrettAnlegen()
{
    ScrollBox1 = new TScrollBox(Client(), QStringLiteral("ScrollBox1"));
    ScrollBox1->SetBounds(8, 72, 465, 401);
    ScrollBox1->SetRange(441, 609);
    // A Tab stop of its own (Page Up and Down scroll it): named for screen readers.
    ScrollBox1->setAccessibleName(tr("Spielfeld"));
    SetCursor(ScrollBox1, crHandPoint);
    SpielFeldPanel = new TPanel(ScrollBox1->Content(), QStringLiteral("SpielFeldPanel"));
    SpielFeldPanel->SetBounds(4, 0, 437, 609);
    SpielFeldPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    SpielFeldPanel->setLineWidth(5);
    // The board panel has always answered with row 6's key-peg handler. A press that no enabled
    // row takes (the background, or a hole of a locked row) lands here, so it reads "Diese Zeile
    // ist gesperrt." while row 6 is not the active row, and only clears the message while it is.
    SpielFeldPanel->OnMouseDown = std::bind_front(&TForm1::StiftZeile6_MouseDown, this);

    SteckerZeilen[0] = StiftZeilen[0] = nullptr;
    ZeilenLabels[0] = nullptr;
    for (int p = 0; p < 8; ++p)
        SteckerShapes[0][p] = StiftShapes[0][p] = nullptr;
    for (int zeile = 1; zeile <= 12; ++zeile) {
        const int oben = 16 + 48 * (zeile - 1);
        const QString nummer = QString::number(zeile);
        const QChar zeichen = QLatin1Char(ZeilenZeichen[zeile]);

        auto* stecker = new TPanel(SpielFeldPanel, QStringLiteral("SteckerZeile%1_Panel").arg(zeile));
        stecker->SetBounds(16, oben, 321, 41);
        SteckerZeilen[zeile] = stecker;
        auto* marke = new TLabel(stecker, QStringLiteral("AktiveZeile%1_Label").arg(zeile), nummer);
        marke->SetBounds(8, 11, 20, zeile == 1 ? 22 : 19);
        marke->setAlignment(Qt::AlignCenter);
        SetFont(marke, "Times New Roman", -16, true);
        if (zeile == 10)
            marke->SetColor(clSilver);
        ZeilenLabels[zeile] = marke;

        auto* stift = new TPanel(SpielFeldPanel, QStringLiteral("StiftZeile%1_Panel").arg(zeile));
        stift->SetBounds(344, oben, 75, 41);
        StiftZeilen[zeile] = stift;

        for (int p = 0; p < 8; ++p) {
            auto* loch = new TShape(stecker, QStringLiteral("Stecker_Shape%1%2").arg(zeichen).arg(p), stCircle);
            loch->SetBounds(SteckerLinks[p], 8, 33, 25);
            loch->SetBrushColor(clGray);
            loch->OnMouseDown = std::bind_front(SteckerHandler[zeile], this);
            loch->SetAccessibleText(tr("Zeile %1, Platz %2").arg(zeile).arg(p + 1));
            loch->SetTakesInput(true);
            loch->SetShowsSymbol(true);
            // Only the active row takes pegs; a screen reader reads the others as unavailable.
            loch->Available = [zeile] { return AktiveZeile == zeile; };
            SteckerShapes[zeile][p] = loch;

            // Key pegs stand in four columns of two: column p/2, upper hole for even p.
            auto* klein = new TShape(stift, QStringLiteral("Stift_Shape%1%2").arg(zeichen).arg(p), stCircle);
            klein->SetBounds(2 + 18 * (p / 2), p % 2 == 0 ? 6 : 22, 17, 12);
            klein->SetBrushColor(clGray);
            klein->OnMouseDown = std::bind_front(StiftHandler[zeile], this);
            klein->SetAccessibleText(tr("Zeile %1, Bewertungsstift %2").arg(zeile).arg(p + 1));
            klein->SetTakesInput(true);
            klein->Available = [zeile] { return AktiveZeile == zeile; };
            StiftShapes[zeile][p] = klein;
        }
    }
    SetCursor(StiftShapes[1][0], crArrow);
    ScrollBox1->SetVertScrollBarPosition(8);
}

void TForm1::BedienfeldAnlegen()
{
    GroupBox3 = new TGroupBox(Client(), QStringLiteral("GroupBox3"), tr("Bedienfeld"));
    GroupBox3->SetBounds(480, 183, 201, 289);
    SetFont(GroupBox3, "MS Sans Serif", -11, true);
    SetCursor(GroupBox3, crNo);
    const struct {
        TBitBtn** ziel;
        const char* name;
        const char* titel;
        TBitBtnKind art;
        int oben;
    } knoepfe[] = {
        {&Pruefen_BitBtn, "Pruefen_BitBtn", QT_TR_NOOP("Computer Prüfen "), bkCustom, 16},
        {&FarbCodeGeprueft_BitBtn, "FarbCodeGeprueft_BitBtn", QT_TR_NOOP("Mensch Geprüft"), bkOK, 64},
        {&ZeigeFarbCode_BitBtn, "ZeigeFarbCode_BitBtn", QT_TR_NOOP("Zeige Farbcode"), bkHelp, 112},
        {&NeuesSpiel_BitBtn, "NeuesSpiel_BitBtn", QT_TR_NOOP("Neues Spiel"), bkCancel, 160},
        {&FarbMekerBox_BitBnt, "FarbMekerBox_BitBnt", QT_TR_NOOP("Farbcode MerkerBox"), bkHelp, 216},
        {&BitBtn3, "BitBtn3", QT_TR_NOOP("Schließen"), bkClose, 256},
    };
    for (const auto& k : knoepfe) {
        *k.ziel = new TBitBtn(GroupBox3, QString::fromLatin1(k.name), tr(k.titel), k.art);
        (*k.ziel)->SetBounds(24, k.oben, 145, 25);
        SetCursor(*k.ziel, crHandPoint);
        // The stock kinds only choose the picture here; none of them answers Enter or Escape.
        (*k.ziel)->Default = false;
        (*k.ziel)->Cancel = false;
    }
    BitBtn3->SetBounds(44, 256, 105, 25);
    Pruefen_BitBtn->SetGlyph(PruefenBild());
    // Enter checks the row in mode "Mensch" and sends the answer in mode "Computer": only one of
    // the two is ever enabled.
    Pruefen_BitBtn->Default = true;
    FarbCodeGeprueft_BitBtn->Default = true;
    Pruefen_BitBtn->OnClick = std::bind_front(&TForm1::Pruefen_BitBtnClick, this);
    FarbCodeGeprueft_BitBtn->OnClick = std::bind_front(&TForm1::FarbCodeGeprueft_BitBtnClick, this);
    ZeigeFarbCode_BitBtn->OnClick = std::bind_front(&TForm1::ZeigeFarbCode_BitBtnClick, this);
    NeuesSpiel_BitBtn->OnClick = std::bind_front(&TForm1::NeuesSpiel_BitBtnClick, this);
    FarbMekerBox_BitBnt->OnClick = std::bind_front(&TForm1::FarbMekerBox_BitBntClick, this);
}

// ---------------------------------------------------------------------------------------------
// Window operations

void TForm1::SetzeSteckerFarbe(int32_t zeile, int32_t feld, TColor farbe)
{
    if (static_cast<uint32_t>(zeile) - 1u < 12u && static_cast<uint32_t>(feld) < 8u)
        SteckerShapes[zeile][feld]->SetBrushColor(farbe);
}

void TForm1::SetzeStiftFarbe(int32_t zeile, int32_t feld, TColor farbe)
{
    if (static_cast<uint32_t>(zeile) - 1u < 12u && static_cast<uint32_t>(feld) < 8u)
        StiftShapes[zeile][feld]->SetBrushColor(farbe);
}

void TForm1::FelderAnzeigen()
{
    Ablauf.FelderZeigen();
}

void TForm1::FarbenAnzeigen()
{
    Ablauf.FarbenZeigen();
}

void TForm1::PickerBeschriften(PickerTitel titel)
{
    SteckerFabwahl_GroupBox->SetCaption(tr(PickerTitelTexte[static_cast<int>(titel)]));
}

void TForm1::AktiveZeileMelden()
{
    if (AktiveZeile == GemeldeteZeile)
        return;
    for (const int32_t zeile : {GemeldeteZeile, AktiveZeile})
        if (zeile >= 1 && zeile <= 12)
            for (int32_t p = 0; p < 8; ++p) {
                ReportAvailability(SteckerShapes[zeile][p]);
                ReportAvailability(StiftShapes[zeile][p]);
            }
    GemeldeteZeile = AktiveZeile;
}

void TForm1::BrettScrollen(int32_t zeile)
{
    if (zeile == 9)
        ScrollBox1->SetVertScrollBarPosition(ScrollPositionAbZeile9);
}

void TForm1::MeldungAnzeigen(const char* text)
{
    MeldungAnzeigen(*text ? tr(text) : QString());
}

void TForm1::MeldungAnzeigen(const QString& uebersetzt)
{
    BlinkZaehler = 0;
    StatusBarTimer->SetEnabled(false);
    // At most 79 bytes, cut on a character boundary, so the text always fits its buffer.
    const QByteArray utf8 = uebersetzt.toUtf8();
    const char* text = utf8.constData();
    size_t laenge = std::strlen(text);
    if (laenge > sizeof MeldungsText - 1) {
        laenge = sizeof MeldungsText - 1;
        while (laenge > 0 && (static_cast<unsigned char>(text[laenge]) & 0xC0) == 0x80)
            --laenge;
    }
    std::memcpy(MeldungsText, text, laenge);
    MeldungsText[laenge] = '\0';
    StatusBar->SetMessage(QString::fromUtf8(MeldungsText));
    Announce(this, QString::fromUtf8(MeldungsText));
    StatusBarTimer->SetInterval(1000);
    StatusBarTimer->SetEnabled(true);
}

void TForm1::StatusBarTimerTimer(TObject*)
{
    ++BlinkZaehler;
    if (BlinkZaehler % 2 == 1) {
        StatusBar->SetSimpleText(QString());
        StatusBarTimer->SetInterval(300);
    } else {
        StatusBar->SetSimpleText(QString::fromUtf8(MeldungsText));
        StatusBarTimer->SetInterval(1000);
    }
    if (BlinkZaehler > 10) {
        StatusBarTimer->SetEnabled(false);
        StatusBar->SetSimpleText(QString());
    }
}

void TForm1::InfoText(const char* text, bool ansagen)
{
    const QString neu = tr(text);
    if (ansagen && neu != Info_StaticText->Caption())
        Announce(this, QString(neu).replace(QLatin1Char('\n'), QLatin1Char(' ')));
    Info_StaticText->SetCaption(neu);
}

QString TForm1::AntwortText(int32_t zeile, int32_t schwarz, int32_t weiss)
{
    QStringList teile;
    if (schwarz > 0)
        teile << tr("%1 schwarz").arg(schwarz);
    if (weiss > 0)
        teile << tr("%1 weiß").arg(weiss);
    if (teile.isEmpty())
        teile << tr("keine Treffer");
    return tr("Zeile %1: %2").arg(zeile).arg(teile.join(QStringLiteral(", ")));
}

QString TForm1::RateText(int32_t zeile)
{
    QStringList farben;
    for (int32_t p = 0; p < AnzahlFelder; ++p)
        farben << ColorName(SteckerShapes[zeile][p]->BrushColor(), false);
    return tr("Zeile %1: %2").arg(zeile).arg(farben.join(QStringLiteral(", ")));
}

void TForm1::LoescheSpielfeld()
{
    Ablauf.SpielfeldLoeschen();
}

void TForm1::LoescheZeilenMarken()
{
    for (int zeile = 1; zeile <= 12; ++zeile)
        SetzeZeilenMarke(zeile, clBtnFace);
}

void TForm1::SetzeZeilenMarke(int32_t zeile, TColor farbe)
{
    if (zeile >= 1 && zeile <= 12) {
        ZeilenLabels[zeile]->SetColor(farbe);
        // Read as the active row where the number is red; otherwise as its number.
        ZeilenLabels[zeile]->setAccessibleName(farbe == clRed ? tr("Zeile %1, aktive Zeile").arg(zeile) : QString());
    } else
        LoescheZeilenMarken();
}

void TForm1::SteckerZeilenFreigeben(bool an)
{
    for (int zeile = 1; zeile <= 12; ++zeile)
        SteckerZeilen[zeile]->SetEnabled(an);
}

void TForm1::StiftZeilenFreigeben(bool an)
{
    for (int zeile = 1; zeile <= 12; ++zeile)
        StiftZeilen[zeile]->SetEnabled(an);
}

void TForm1::SetzeAktivenStift(int32_t feld, TColor farbe)
{
    SetzeStiftFarbe(AktiveZeile, feld, farbe);
}

// ---------------------------------------------------------------------------------------------
// Handlers

void TForm1::StartTimerTimer(TObject*)
{
    StartTimer->SetEnabled(false);
    NeuesSpiel_BitBtn->Click();
}

void TForm1::FormClose(TObject*)
{
    Erinnerung.Verlassen();
    // The worker is asked to end and given the time to do so while its last hand-overs are
    // served; the program must not end under a running phase.
    WorkThread->Terminate();
    WorkThread->AuftragStoppen();
    WorkThread->WaitFor(5000);
}

void TForm1::Farbwahl_ShapesMouseDown(TObject* Sender, TMouseButton, TShiftState, int, int)
{
    for (int i = 0; i < 8; ++i)
        if (Sender == FarbwahlShapes[i])
            Ablauf.SteckerFarbeGewaehlt(i);
}

void TForm1::StiftFarbwahl_MouseDown(TObject* Sender, TMouseButton, TShiftState, int, int)
{
    for (const auto& [stift, wert] : {std::pair{StiftWhite_Shape, StiftWeiss},
                                      std::pair{StiftBlack_Shape, StiftSchwarz}, std::pair{StiftGray_Shape, StiftGrau}})
        if (Sender == stift)
            Ablauf.StiftGewaehlt(wert);
}

namespace {

// The place of the pressed hole in its row, or -1 for a press on anything else.
int32_t Platz(TObject* Sender, TShape* const (&reihe)[8])
{
    for (int32_t p = 0; p < 8; ++p)
        if (Sender == reihe[p])
            return p;
    return -1;
}

} // namespace

void TForm1::SteckerSetzen(int32_t zeile, TObject* Sender)
{
    Ablauf.PegGesetzt(false, zeile, Platz(Sender, SteckerShapes[zeile]));
}

void TForm1::StiftSetzen(int32_t zeile, TObject* Sender)
{
    Ablauf.PegGesetzt(true, zeile, Platz(Sender, StiftShapes[zeile]));
}

void TForm1::ZeigeFarbCode_BitBtnClick(TObject*)
{
    Ablauf.LoesungZeigen();
}

void TForm1::FarbMekerBox_BitBntClick(TObject*)
{
    Ablauf.MerkerZeigen();
}

void TForm1::MenuHilfeClick(TObject*)
{
    Ablauf.HilfeZeigen();
}

void TForm1::MenuFarbsymboleClick(TObject*)
{
    SetSymbolsShown(MenuFarbsymbole->Checked());
}

void TForm1::MenuCloseClick(TObject*)
{
    // Ends the program at once with status 0, without the close handler; only the worker is
    // stopped and joined first, so nothing runs on while the process goes away.
    Erinnerung.Verlassen();
    WorkThread->AuftragStoppen();
    WorkThread->Terminate();
    WorkThread->WaitFor(5000);
    WorkThread->Shutdown();
    std::fflush(nullptr);
    std::_Exit(0);
}

// ---------------------------------------------------------------------------------------------
// The turn flow's handlers

void TForm1::StarteSpiel()
{
    Ablauf.StarteSpiel();
}

void TForm1::StarteDemo()
{
    Ablauf.StarteDemo();
}

void TForm1::Pruefen_BitBtnClick(TObject*)
{
    Ablauf.Pruefen();
}

void TForm1::FarbCodeGeprueft_BitBtnClick(TObject*)
{
    Ablauf.AntwortNehmen();
}

void TForm1::NeuesSpiel_BitBtnClick(TObject*)
{
    Ablauf.NeuesSpiel();
}
