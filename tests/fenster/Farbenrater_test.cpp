// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: layout, window operations, the status-bar ticker and peg input.
#include "Testhilfe.h"

#include <QApplication>
#include <QMenuBar>
#include <QScrollBar>
#include <QTextEdit>
#include <cmath>

namespace {

QRect Lage(const char* name)
{
    auto* w = Form1->findChild<QWidget*>(QString::fromLatin1(name));
    return w ? w->geometry() : QRect();
}

} // namespace

// The windows as the constructors leave them, before and after the start timer: checked in a
// fresh process of its own, since the windows are made once per process and other tests of the
// suite may have made them already.
TEST(Hauptfenster, ConstructorStateThenStartTimerOpensTheSettings)
{
    ImEigenenProzess([] {
        FormulareErzeugen();
        EXPECT_EQ(Form1->Client()->size(), QSize(693, 535));
        EXPECT_EQ(Form1->ScrollBox1->VertScrollBarPosition(), 8);
        for (auto [fenster, breite, hoehe] : {std::tuple<TForm*, int, int>{Form2, 378, 105},
                                              {Form3, 435, 82},
                                              {Einstellungen_Form, 227, 303},
                                              {Hilfe_Form, 495, 334}}) {
            EXPECT_EQ(fenster->property("ClientWidth").toInt(), breite) << fenster->objectName().toStdString();
            EXPECT_EQ(fenster->Client()->size(), QSize(breite, hoehe));
            EXPECT_FALSE(fenster->Visible());
        }
        EXPECT_TRUE(Form1->Visible());
        EXPECT_TRUE(Form1->windowTitle().startsWith(QStringLiteral("Farbenrater 1.1")));
        EXPECT_EQ(Info(), QStringLiteral("Neues Spiel"));
        EXPECT_EQ(Status(), QStringLiteral("Komm und Spiel mit mir"));
        for (const char* knopf :
             {"Pruefen_BitBtn", "FarbCodeGeprueft_BitBtn", "ZeigeFarbCode_BitBtn", "NeuesSpiel_BitBtn"})
            EXPECT_FALSE(Form1->findChild<QObject*>(QString::fromLatin1(knopf))->property("Enabled").toBool()) << knopf;
        EXPECT_TRUE(Form1->FarbMekerBox_BitBnt->Enabled());
        EXPECT_TRUE(Form1->StartTimer->Enabled());
        EXPECT_EQ(Form1->StartTimer->Interval(), 100);
        EXPECT_TRUE(Form1->StatusBarTimer->Enabled());
        EXPECT_EQ(Form1->ProgressBar1->Position(), 0);
        EXPECT_EQ(AnzahlFarben, 8);
        EXPECT_EQ(AnzahlFelder, 4);
        EXPECT_EQ(AktiveZeile, 0);
        EXPECT_FALSE(Form1->StiftFarbWahl_Panel->Visible());
        // Until the first settings, all positions and picker squares are shown.
        EXPECT_TRUE(Form1->SteckerShapes[12][7]->Visible());
        EXPECT_TRUE(Form1->FarbwahlShapes[7]->Visible());

        WARTE_BIS(Einstellungen_Form->Visible());
        EXPECT_FALSE(Form1->StartTimer->Enabled());
        EXPECT_EQ(Status(), QStringLiteral("Komm und Spiel mit mir."));
        EXPECT_EQ(AktiveZeile, 1);
        EXPECT_EQ(Einstellungen_Form->AnzahlFelder_Label->Caption(), QStringLiteral("4"));
        EXPECT_EQ(Einstellungen_Form->AnzahlFarben_Label->Caption(), QStringLiteral("8"));
        EXPECT_TRUE(Einstellungen_Form->ComputerFrech_CheckBox->Visible());
        EXPECT_FALSE(Form1->SteckerShapes[1][4]->Visible());
        EXPECT_EQ(Form1->ScrollBox1->VertScrollBarPosition(), 0);
    });
}

TEST(Hauptfenster, LayoutOfTheControls)
{
    ProgrammStarten();
    const struct {
        const char* name;
        QRect lage;
    } tabelle[] = {
        {"SteckerFarbWahl_Panel", {8, 4, 297, 60}},
        {"StiftFarbWahl_Panel", {312, 4, 161, 61}},
        {"Info_StaticText", {480, 4, 201, 169}},
        {"ScrollBox1", {8, 72, 465, 401}},
        {"GroupBox3", {480, 183, 201, 289}},
        {"ProgressBar1", {8, 482, 673, 17}},
        {"StatusBar", {0, 507, 693, 28}},
        {"SpielFeldPanel", {4, 0, 437, 609}},
        {"ShowFarbwahl_Shape", {6, 9, 30, 43}},
        {"SteckerFabwahl_GroupBox", {44, 5, 245, 49}},
        {"StiftColor_Shape", {7, 13, 25, 32}},
        {"StiftWhite_Shape", {12, 16, 20, 25}},
        {"StiftBlack_Shape", {46, 16, 20, 25}},
        {"StiftGray_Shape", {80, 16, 20, 25}},
        {"RedFarbwahl_Shape", {5, 17, 33, 25}},
        {"WhiteFarbwahl_Shape", {210, 17, 33, 25}},
        {"Pruefen_BitBtn", {24, 16, 145, 25}},
        {"FarbCodeGeprueft_BitBtn", {24, 64, 145, 25}},
        {"ZeigeFarbCode_BitBtn", {24, 112, 145, 25}},
        {"NeuesSpiel_BitBtn", {24, 160, 145, 25}},
        {"FarbMekerBox_BitBnt", {24, 216, 145, 25}},
        {"BitBtn3", {44, 256, 105, 25}},
        {"SteckerZeile1_Panel", {16, 16, 321, 41}},
        {"StiftZeile12_Panel", {344, 544, 75, 41}},
        {"AktiveZeile1_Label", {8, 11, 20, 22}},
        {"AktiveZeile7_Label", {8, 11, 20, 19}},
        {"Stecker_ShapeA3", {138, 8, 33, 25}},
        {"Stift_ShapeC7", {56, 22, 17, 12}},
        {"Stift_Shape52", {20, 6, 17, 12}},
        {"Stecker_Shape97", {280, 8, 33, 25}},
    };
    for (const auto& z : tabelle)
        EXPECT_EQ(Lage(z.name), z.lage) << z.name;

    const struct {
        const char* name;
        const char* text;
    } titel[] = {
        {"Pruefen_BitBtn", "Computer Prüfen "},
        {"FarbCodeGeprueft_BitBtn", "Mensch Geprüft"},
        {"ZeigeFarbCode_BitBtn", "Zeige Farbcode"},
        {"NeuesSpiel_BitBtn", "Neues Spiel"},
        {"FarbMekerBox_BitBnt", "Farbcode MerkerBox"},
        {"BitBtn3", "Schließen"},
        {"GroupBox3", "Bedienfeld"},
        {"GroupBox1", "Stift FarbwahlBox"},
        {"Menu1", "Menü"},
        {"MenuHilfe", "Hilfe"},
        {"MenuClose", "Schließen"},
        {"AktiveZeile12_Label", "12"},
    };
    for (const auto& t : titel)
        EXPECT_EQ(Form1->findChild<QObject*>(QString::fromLatin1(t.name))->property("Caption").toString(),
                  QString::fromUtf8(t.text))
            << t.name;
    EXPECT_FALSE(Form1->MenuAutor->Caption().isEmpty());
    EXPECT_EQ(Form1->StatusBar->Color(), clSilver);
    EXPECT_EQ(Form1->Info_StaticText->Color(), clSilver);
    EXPECT_EQ(Form1->ZeilenLabels[10]->Color() == clSilver || Form1->ZeilenLabels[10]->Color() == clBtnFace, true);

    // Where neighbouring squares overlap, the later one lies on top, except black above white.
    auto* box = Form1->SteckerFabwahl_GroupBox;
    EXPECT_EQ(box->childAt(36, 25), Form1->YellowFarbwahl_Shape);
    EXPECT_EQ(box->childAt(211, 25), Form1->BlackFarbwahl_Shape);
}

TEST(Hauptfenster, PaintingOnePegStaysInsideTheBoard)
{
    ProgrammStarten();
    Form1->LoescheSpielfeld();
    for (int zeile : {0, 13, -1})
        Form1->SetzeSteckerFarbe(zeile, 0, clRed);
    Form1->SetzeSteckerFarbe(1, 8, clRed);
    Form1->SetzeStiftFarbe(1, -1, clRed);
    for (int zeile = 1; zeile <= 12; ++zeile)
        for (int p = 0; p < 8; ++p) {
            EXPECT_EQ(Form1->SteckerShapes[zeile][p]->BrushColor(), clGray);
            EXPECT_EQ(Form1->StiftShapes[zeile][p]->BrushColor(), clGray);
        }
    Form1->SetzeStiftFarbe(12, 7, 0xFFFFFF);
    Form1->SetzeSteckerFarbe(10, 0, clBlue);
    EXPECT_EQ(Form1->findChild<TShape*>(QStringLiteral("Stift_ShapeC7"))->BrushColor(), 0xFFFFFFu);
    EXPECT_EQ(Form1->findChild<TShape*>(QStringLiteral("Stecker_ShapeA0"))->BrushColor(), clBlue);
}

TEST(Hauptfenster, FieldsShownFollowAnzahlFelderEverywhere)
{
    ProgrammStarten();
    for (int felder = 0; felder <= 9; ++felder) {
        AnzahlFelder = felder;
        Form1->FelderAnzeigen();
        for (int p = 0; p < 8; ++p) {
            const bool sichtbar = p < felder;
            EXPECT_EQ(Form2->CZufallsCode_Shape[p]->Visible(), sichtbar) << felder << " " << p;
            EXPECT_EQ(Form3->MerkerFarbCode_Shape[p]->Visible(), sichtbar);
            for (int zeile = 1; zeile <= 12; ++zeile) {
                EXPECT_EQ(Form1->SteckerShapes[zeile][p]->Visible(), sichtbar);
                EXPECT_EQ(Form1->StiftShapes[zeile][p]->Visible(), sichtbar);
            }
        }
    }
    // A hidden hole keeps its paint and shows it once it is shown again.
    AnzahlFelder = 2;
    Form1->FelderAnzeigen();
    Form1->SetzeSteckerFarbe(3, 5, clAqua);
    AnzahlFelder = 6;
    Form1->FelderAnzeigen();
    EXPECT_TRUE(Form1->SteckerShapes[3][5]->Visible());
    EXPECT_EQ(Form1->SteckerShapes[3][5]->BrushColor(), clAqua);
}

TEST(Hauptfenster, ColoursShownFollowAnzahlFarbenAndResetTheChoiceToRed)
{
    ProgrammStarten();
    Druecken(Form1->WhiteFarbwahl_Shape);
    EXPECT_EQ(SteckerFarbIndex, 7);
    AnzahlFarben = 3;
    Form1->FarbenAnzeigen();
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(Form1->FarbwahlShapes[i]->Visible(), i < 3);
    EXPECT_EQ(SteckerFarbe, clRed);
    EXPECT_EQ(SteckerFarbIndex, 0);
    EXPECT_EQ(Form1->ShowFarbwahl_Shape->BrushColor(), clRed);

    Druecken(Form1->GreenFarbwahl_Shape);
    AnzahlFarben = 9;
    Form1->FarbenAnzeigen();
    EXPECT_EQ(SteckerFarbIndex, 0);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(Form1->FarbwahlShapes[i]->Visible(), i < 3);
    // Back to what the settings dialog shows, for the tests that follow in this process.
    AnzahlFarben = Einstellungen_Form->AnzahlFarben_TrackBar->Position();
    Form1->FarbenAnzeigen();
}

TEST(Hauptfenster, StatusMessageBlinksSixTimesThenBlanks)
{
    ProgrammStarten();
    Form1->MeldungAnzeigen("Hallo");
    EXPECT_EQ(Status(), QStringLiteral("Hallo"));
    EXPECT_TRUE(Form1->StatusBarTimer->Enabled());
    EXPECT_EQ(Form1->StatusBarTimer->Interval(), 1000);
    // Ticks drive the ticker deterministically: odd ticks blank for 300 ms, even ticks show it.
    for (int tick = 1; tick <= 10; ++tick) {
        Form1->StatusBarTimer->Tick();
        const bool gezeigt = tick % 2 == 0;
        EXPECT_EQ(Status(), gezeigt ? QStringLiteral("Hallo") : QString()) << tick;
        EXPECT_EQ(Form1->StatusBarTimer->Interval(), gezeigt ? 1000 : 300);
        EXPECT_TRUE(Form1->StatusBarTimer->Enabled());
    }
    Form1->StatusBarTimer->Tick();
    EXPECT_EQ(Status(), QString());
    EXPECT_FALSE(Form1->StatusBarTimer->Enabled());

    // A new message restarts the cycle; the empty one blanks at once.
    Form1->MeldungAnzeigen("Eins");
    Form1->StatusBarTimer->Tick();
    Form1->MeldungAnzeigen("Zwei");
    EXPECT_EQ(Status(), QStringLiteral("Zwei"));
    EXPECT_EQ(BlinkZaehler, 0);
    Form1->MeldungAnzeigen("");
    EXPECT_EQ(Status(), QString());
}

TEST(Hauptfenster, LongMessagesAreCutToTheBuffer)
{
    ProgrammStarten();
    const std::string lang(200, 'x');
    Form1->MeldungAnzeigen(lang.c_str());
    EXPECT_EQ(std::strlen(MeldungsText), 79u);
    EXPECT_EQ(Status(), QString(79, QLatin1Char('x')));
    // Never in the middle of a character.
    std::string umlaute;
    for (int i = 0; i < 60; ++i)
        umlaute += "ö";
    Form1->MeldungAnzeigen(umlaute.c_str());
    EXPECT_EQ(Status(), QString(39, QChar(0xF6)));
}

TEST(Hauptfenster, RowMarks)
{
    ProgrammStarten();
    Form1->SetzeZeilenMarke(5, clRed);
    EXPECT_EQ(Form1->ZeilenLabels[5]->Color(), clRed);
    for (int zeile : {0, 13}) {
        Form1->SetzeZeilenMarke(3, clRed);
        Form1->SetzeZeilenMarke(zeile, clRed);
        for (int z = 1; z <= 12; ++z)
            EXPECT_EQ(Form1->ZeilenLabels[z]->Color(), clBtnFace);
    }
}

TEST(Pegs, CodePegsOnlyInTheActiveRow)
{
    SpielBeginnen(ModusMensch, 8, 6);
    AktiveZeile = 3;
    Druecken(Form1->GreenFarbwahl_Shape);
    EXPECT_EQ(Form1->ShowFarbwahl_Shape->BrushColor(), 0x00FF80u);
    EXPECT_EQ(Form1->GreenFarbwahl_Shape->BrushColor(), clLime);
    Druecken(Form1->findChild<TShape*>(QStringLiteral("Stecker_Shape35")), Qt::RightButton);
    EXPECT_EQ(Form1->SteckerShapes[3][5]->BrushColor(), 0x00FF80u);
    EXPECT_EQ(SteckerFeld[3][5], 2);
    EXPECT_EQ(Status(), QString());

    Druecken(Form1->findChild<TShape*>(QStringLiteral("Stecker_Shape45")));
    EXPECT_EQ(Status(), QStringLiteral("Diese Zeile ist gesperrt."));
    EXPECT_EQ(SteckerFeld[4][5], LeerFeld);
    EXPECT_EQ(Form1->SteckerShapes[4][5]->BrushColor(), clGray);

    // Key-peg rows are locked in this mode: the press reaches the board, which is row 6's handler.
    Form1->MeldungAnzeigen("");
    Druecken(Form1->StiftShapes[3][0]);
    EXPECT_EQ(Status(), QStringLiteral("Diese Zeile ist gesperrt."));
    AktiveZeile = 6;
    Druecken(Form1->StiftShapes[3][0]);
    EXPECT_EQ(Status(), QString());
    EXPECT_EQ(StiftFeld[6][0], LeerFeld);
    EXPECT_EQ(StiftFeld[3][0], LeerFeld);
}

TEST(Pegs, KeyPegsAndTheirPicker)
{
    SpielBeginnen(ModusComputer, 8, 6);
    EXPECT_EQ(StiftFarbIndex, StiftSchwarz);
    EXPECT_EQ(Form1->StiftColor_Shape->BrushColor(), clBlack);
    AktiveZeile = 10;
    Druecken(Form1->StiftWhite_Shape);
    Druecken(Form1->findChild<TShape*>(QStringLiteral("Stift_ShapeA4")));
    EXPECT_EQ(StiftFeld[10][4], StiftWeiss);
    EXPECT_EQ(Form1->StiftShapes[10][4]->BrushColor(), 0xFFFFFFu);
    Druecken(Form1->StiftGray_Shape);
    EXPECT_EQ(Form1->StiftColor_Shape->BrushColor(), clGray);
    Druecken(Form1->StiftShapes[10][4], Qt::MiddleButton);
    EXPECT_EQ(StiftFeld[10][4], StiftGrau);
    EXPECT_EQ(Form1->StiftShapes[10][4]->BrushColor(), 0x808080u);

    // Code-peg rows are locked in this mode.
    AktiveZeile = 2;
    Druecken(Form1->SteckerShapes[2][1]);
    EXPECT_EQ(Status(), QStringLiteral("Diese Zeile ist gesperrt."));
    AktiveZeile = 6;
    Druecken(Form1->SteckerShapes[2][1]);
    EXPECT_EQ(Status(), QString());

    // A new game puts the key-peg picker back on black.
    Form1->NeuesSpiel_BitBtn->Click();
    EXPECT_EQ(StiftFarbIndex, StiftSchwarz);
    EXPECT_EQ(Form1->StiftColor_Shape->BrushColor(), clBlack);
}

TEST(Pegs, ScreenReadersReadTheBoardAsItIs)
{
    SpielBeginnen(ModusMensch, 8, 4);
    EXPECT_EQ(Form1->SteckerShapes[1][2]->accessibleName(), QStringLiteral("Zeile 1, Platz 3, leer"));
    Druecken(Form1->GreenFarbwahl_Shape);
    Druecken(Form1->SteckerShapes[1][2]);
    EXPECT_EQ(Form1->SteckerShapes[1][2]->accessibleName(), QStringLiteral("Zeile 1, Platz 3, grün"));
    EXPECT_EQ(Form1->ShowFarbwahl_Shape->accessibleName(), QStringLiteral("Gewählte Farbe, grün"));
    EXPECT_EQ(Form1->WhiteFarbwahl_Shape->accessibleName(), QStringLiteral("Farbwahl, weiß"));
    Form1->SetzeStiftFarbe(12, 3, clBlack);
    EXPECT_EQ(Form1->StiftShapes[12][3]->accessibleName(), QStringLiteral("Zeile 12, Bewertungsstift 4, schwarz"));
    Form1->LoescheSpielfeld();
    EXPECT_EQ(Form1->SteckerShapes[1][2]->accessibleName(), QStringLiteral("Zeile 1, Platz 3, leer"));
    // The secret is named only once it is shown.
    EXPECT_EQ(Form2->CZufallsCode_Shape[0]->accessibleName(), QStringLiteral("Geheimcode Platz 1"));
    Form2->Show();
    EXPECT_EQ(Form2->CZufallsCode_Shape[0]->accessibleName(),
              QStringLiteral("Geheimcode Platz 1, ") + ColorName(FarbTabelle[FarbCode[0]]));
    Form2->Hide();
}

namespace {

// The cursor the player sees over a point of a control: the control's own, or over a disabled
// control that of its nearest enabled parent, which takes the press as well.
Qt::CursorShape CursorUeber(QWidget* ziel, QPoint punkt)
{
    QWidget* fenster = ziel->window();
    QWidget* darunter = fenster->childAt(ziel->mapTo(fenster, punkt));
    if (!darunter)
        darunter = fenster;
    while (!darunter->isEnabled() && !darunter->isWindow())
        darunter = darunter->parentWidget();
    return darunter->cursor().shape();
}

struct CursorFall {
    QWidget* ziel;
    QPoint punkt; // inside the control; its centre when null
    Qt::CursorShape erwartet;
};

void CursorPruefen(const std::vector<CursorFall>& faelle)
{
    for (const auto& f : faelle) {
        const QPoint punkt = f.punkt.isNull() ? f.ziel->rect().center() : f.punkt;
        EXPECT_EQ(CursorUeber(f.ziel, punkt), f.erwartet) << f.ziel->objectName().toStdString();
    }
}

} // namespace

TEST(Hauptfenster, EveryControlShowsItsOwnCursorOrTheArrow)
{
    const auto kein = Qt::ForbiddenCursor, hand = Qt::PointingHandCursor, pfeil = Qt::ArrowCursor;
    SpielBeginnen(ModusMensch, 8, 4);
    CursorPruefen({
        {Form1->SteckerShapes[1][0], {}, pfeil}, // the active row's holes
        {Form1->SteckerShapes[7][3], {}, pfeil}, // code rows are open in this mode
        {Form1->ZeilenLabels[1], {}, pfeil},
        {Form1->SteckerZeilen[2], {3, 3}, pfeil}, // an open row's own background
        {Form1->StiftShapes[1][0], {}, kein},     // locked key rows show the board's cursor
        {Form1->StiftShapes[1][3], {}, kein},
        {Form1->SpielFeldPanel, {2, 2}, kein},
        {Form1->ScrollBox1->verticalScrollBar(), {}, pfeil},
        {Form1->MainMenu, {5, 5}, pfeil},
        {Form1->FarbwahlShapes[3], {}, hand},
        {Form1->SteckerFabwahl_GroupBox, {2, 30}, hand},
        {Form1->ShowFarbwahl_Shape, {}, kein},
        {Form1->SteckerFarbWahl_Panel, {2, 2}, kein},
        {Form1->Info_StaticText, {}, kein},
        {Form1->GroupBox3, {5, 150}, kein},
        {Form1->Pruefen_BitBtn, {}, hand},
        {Form1->ProgressBar1, {}, kein},
        {Form1->StatusBar, {}, kein},
        {Form1->Client(), {690, 478}, kein}, // the form's own background
    });
    SpielBeginnen(ModusComputer, 8, 4);
    CursorPruefen({
        {Form1->StiftShapes[1][0], {}, pfeil},
        {Form1->StiftShapes[1][3], {}, pfeil},
        {Form1->StiftShapes[5][1], {}, pfeil},
        {Form1->StiftBlack_Shape, {}, hand},
        {Form1->StiftColor_Shape, {}, kein},
        {Form1->SteckerShapes[1][0], {}, kein},
        {Form3->MerkerFarbCode_Shape[0], {}, hand},
        {Form3->FarbcodeMerkerBoxColse_BitBtn, {}, pfeil},
    });
    Form3->Hide();
    Form1->NeuesSpiel_BitBtn->Click();
    CursorPruefen({
        {Einstellungen_Form->AnzahlFarben_TrackBar, {}, pfeil},
        {Einstellungen_Form->EinstellungOK_BitBtn, {}, pfeil},
        {Einstellungen_Form->Einstellungen_Panel, {3, 100}, pfeil},
    });
}

TEST(Pegs, PickerSquaresNameTheirColourInATooltip)
{
    SpielBeginnen(ModusComputer, 8, 4);
    const char* namen[8] = {"rot", "gelb", "grün", "blau", "violett", "türkis", "schwarz", "weiß"};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(Form1->FarbwahlShapes[i]->toolTip(), QString::fromUtf8(namen[i])) << i;
    EXPECT_EQ(Form1->StiftBlack_Shape->toolTip(), QStringLiteral("schwarz"));
    EXPECT_EQ(Form1->StiftWhite_Shape->toolTip(), QStringLiteral("weiß"));
    EXPECT_EQ(Form1->StiftGray_Shape->toolTip(), QStringLiteral("grau"));
    // The marker box's squares name the colour they show now.
    EXPECT_EQ(Form3->MerkerFarbCode_Shape[1]->toolTip(), QStringLiteral("grau"));
    Druecken(Form1->TuerkisFarbwahl_Shape);
    Druecken(Form3->MerkerFarbCode_Shape[1]);
    EXPECT_EQ(Form3->MerkerFarbCode_Shape[1]->toolTip(), QStringLiteral("türkis"));
    // The board's holes keep to their accessible names.
    EXPECT_EQ(Form1->SteckerShapes[1][0]->toolTip(), QString());
    Form3->Hide();
}

namespace {

// Every text of a window as the screen shows it, drawn with and without the text (pictures off
// both times): where the two differ is the text, whose strongest pixel must stand 4.5 : 1 from what
// lies beneath.
void KontrastPruefen(TForm* fenster)
{
    const auto k = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    const auto hell = [&](QColor c) {
        return 0.2126 * k(c.redF()) + 0.7152 * k(c.greenF()) + 0.0722 * k(c.blueF()) + 0.05;
    };
    for (QWidget* w : fenster->findChildren<QWidget*>()) {
        auto* knopf = qobject_cast<QAbstractButton*>(w);
        const char* feld = qobject_cast<QGroupBox*>(w)                                     ? "title"
                           : qobject_cast<QTextEdit*>(w)                                   ? "plainText"
                           : qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w) ? "text"
                                                                                           : "-";
        const QString text = w->property(feld).toString();
        const QRect wo = w->visibleRegion().boundingRect().translated(w->mapTo(fenster, QPoint()));
        if (text.trimmed().isEmpty() || !w->isVisibleTo(fenster) || wo.isEmpty())
            continue;
        const QIcon bild = knopf ? knopf->icon() : QIcon();
        w->setProperty("icon", QIcon());
        const QImage mit = fenster->grab(wo).toImage();
        w->setProperty(feld, QString());
        const QImage ohne = fenster->grab(wo).toImage();
        w->setProperty(feld, text);
        w->setProperty("icon", bild);
        double bester = 0;
        for (int y = 0; y < mit.height(); ++y)
            for (int x = 0; x < mit.width(); ++x) {
                const double a = hell(mit.pixelColor(x, y)), b = hell(ohne.pixelColor(x, y));
                bester = std::max(bester, std::max(a, b) / std::min(a, b));
            }
        EXPECT_GE(bester, 4.5) << w->objectName().toStdString() << " \"" << text.toStdString() << "\"";
    }
}

} // namespace

// Readable on a light and on a dark desktop alike: the windows keep their own look. Seen in the
// dialog with the marker box it opens, and in a game of "Mensch" and of "Demo" with the side windows.
TEST(Hauptfenster, EveryTextStandsOutOnALightAndADarkDesktop)
{
    ImEigenenProzess([] {
        const QColor hell(0xEE, 0xEE, 0xEE), grau(0x32, 0x32, 0x32); // a dark desktop theme's
        const QPalette dunkel(hell, grau, grau.lighter(), grau.darker(), grau, hell, Qt::white, grau.darker(), grau);
        for (const QPalette& palette : {QApplication::palette(), dunkel})
            for (int modus : {ModusComputer, ModusMensch, ModusDemo}) {
                QApplication::setPalette(palette);
                SCOPED_TRACE(palette.color(QPalette::Window).name().toStdString() + " " + std::to_string(modus));
                SpielBeginnen(ModusMensch, 6, 4);
                Form1->NeuesSpiel_BitBtn->Click();
                Einstellungen_Form->Spieler_RadioGroup->SetItemIndex(modus);
                if (modus != ModusComputer)
                    QTest::mouseClick(Einstellungen_Form->EinstellungOK_BitBtn, Qt::LeftButton);
                Form2->Show();
                Hilfe_Form->Show();
                for (TForm* f : std::initializer_list<TForm*>{Form1, Form2, Form3, Einstellungen_Form, Hilfe_Form})
                    if (f->isVisible())
                        KontrastPruefen(f);
                Hilfe_Form->Hide();
                WARTE_BIS(SolverRuht());
            }
    });
}
