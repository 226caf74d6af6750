// SPDX-License-Identifier: GPL-3.0-or-later
// Beyond the mouse: whole games by keys alone, what screen readers see and hear, and the colour
// symbols against a simulated colour-vision deficiency.
#include "Testhilfe.h"
#include "game/Main.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMenu>
#include <QRadioButton>
#include <QtGui/private/qguiapplication_p.h>
#include <array>
#include <cmath>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace {

// A key as the player presses it: to the widget that has the focus in that window.
void Taste(QWidget* fenster, int taste)
{
    fenster->activateWindow();
    QApplication::setActiveWindow(fenster);
    QWidget* ziel = fenster->focusWidget() ? fenster->focusWidget() : fenster;
    QTest::keyClick(ziel, static_cast<Qt::Key>(taste));
}

// Tab until the focus stands on ziel; false when it never gets there.
bool TabBis(QWidget* fenster, QWidget* ziel)
{
    for (int i = 0; i < 30 && fenster->focusWidget() != ziel; ++i)
        Taste(fenster, Qt::Key_Tab);
    return fenster->focusWidget() == ziel;
}

// The settings dialog by keys alone: the mode with the arrow keys, the sizes on the sliders, Enter.
void EinstellenPerTastatur(int modus, int farben, int felder)
{
    auto* dialog = Einstellungen_Form;
    if (!dialog->Visible())
        Taste(Form1, Qt::Key_Escape); // nothing: the way back is "Neues Spiel"
    if (!dialog->Visible()) {
        ASSERT_TRUE(TabBis(Form1, Form1->NeuesSpiel_BitBtn));
        Taste(Form1, Qt::Key_Return);
    }
    ASSERT_TRUE(dialog->Visible());
    QRadioButton* gewaehlt = dialog->Spieler_RadioGroup->Button(std::max(0, dialog->Spieler_RadioGroup->ItemIndex()));
    ASSERT_TRUE(TabBis(dialog, gewaehlt));
    for (int i = 0; i < 4 && dialog->Spieler_RadioGroup->ItemIndex() != modus; ++i)
        Taste(dialog, dialog->Spieler_RadioGroup->ItemIndex() < modus ? Qt::Key_Down : Qt::Key_Up);
    ASSERT_EQ(dialog->Spieler_RadioGroup->ItemIndex(), modus);
    for (auto [regler, wert] :
         {std::pair{dialog->AnzahlFarben_TrackBar, farben}, {dialog->AnzahlFelder_TrackBar, felder}}) {
        ASSERT_TRUE(TabBis(dialog, regler));
        Taste(dialog, Qt::Key_Home);
        for (int i = 2; i < wert; ++i)
            Taste(dialog, Qt::Key_Right);
        ASSERT_EQ(regler->Position(), wert);
    }
    Taste(dialog, Qt::Key_Return);
    ASSERT_FALSE(dialog->Visible());
    ASSERT_EQ(SpielerModus, modus);
}

// A row by keys: the ring to the first place, then for each place the colour's digit (or S, W,
// G), Space, and Right to the next.
void ReiheSetzen(QWidget* fenster, TFocusRing& ring, const std::vector<int>& tasten)
{
    Taste(fenster, Qt::Key_Left);
    for (int i = 0; i < 8 && ring.Current() != ring.Places().front(); ++i)
        Taste(fenster, Qt::Key_Left);
    for (int taste : tasten) {
        Taste(fenster, taste);
        Taste(fenster, Qt::Key_Space);
        Taste(fenster, Qt::Key_Right);
    }
}

int Ziffer(int farbe)
{
    return Qt::Key_1 + farbe;
}

} // namespace

TEST(Tastatur, AMenschGameByKeysAlone)
{
    ProgrammStarten();
    EinstellenPerTastatur(ModusMensch, 6, 4);
    const std::vector<int> geheim(FarbCode, FarbCode + 4);
    const std::vector<int> daneben = {(geheim[0] + 1) % 6, geheim[1], geheim[2], geheim[3]};
    for (const auto& rate : {daneben, geheim}) {
        const int zeile = AktiveZeile;
        std::vector<int> tasten;
        for (int f : rate)
            tasten.push_back(Ziffer(f));
        ReiheSetzen(Form1, Form1->Tastatur, tasten);
        for (int p = 0; p < 4; ++p)
            EXPECT_EQ(SteckerFeld[zeile][p], rate[static_cast<size_t>(p)]) << zeile << " " << p;
        Taste(Form1, Qt::Key_Return); // the focus is on the board: "Computer Prüfen "
    }
    EXPECT_EQ(Info(), QStringLiteral("Spieler: Mensch\n\nSie haben den Code Gelöst."));
    // The ring stands on the active row, and a locked row refuses Space as it refuses a click.
    EXPECT_TRUE(Form1->Tastatur.Current()->Ring());
    AktiveZeile = 3;
    Form1->Tastatur.Refresh();
    Taste(Form1, Qt::Key_Space);
    EXPECT_EQ(Status(), QStringLiteral("Diese Zeile ist gesperrt."));
    // 7 and 8 are no colours of this game.
    const TColor vorher = Form1->ShowFarbwahl_Shape->BrushColor();
    Taste(Form1, Qt::Key_8);
    EXPECT_EQ(Form1->ShowFarbwahl_Shape->BrushColor(), vorher);
}

TEST(Tastatur, AComputerGameByKeysAlone)
{
    ProgrammStarten();
    EinstellenPerTastatur(ModusComputer, 6, 4);
    ASSERT_TRUE(Form3->Visible());
    // The player notes the code in the marker box by keys too.
    const int8_t geheim[4] = {3, 3, 0, 5};
    ReiheSetzen(Form3, Form3->Tastatur, {Ziffer(3), Ziffer(3), Ziffer(0), Ziffer(5)});
    for (int p = 0; p < 4; ++p)
        EXPECT_EQ(Form3->MerkerFarbCode_Shape[p]->BrushColor(), FarbTabelle[geheim[p]]) << p;
    Taste(Form3, Qt::Key_Escape);
    EXPECT_FALSE(Form3->Visible());

    for (int zug = 0; zug < 20; ++zug) {
        WARTE_BIS(Form1->FarbCodeGeprueft_BitBtn->Enabled() || Info().contains(QStringLiteral("Gewonnen")));
        int32_t schwarz, weiss;
        BewerteCode(geheim, FarbCode, 4, schwarz, weiss);
        std::vector<int> tasten;
        for (int p = 0; p < 4; ++p)
            tasten.push_back(p < schwarz ? Qt::Key_S : p < schwarz + weiss ? Qt::Key_W : Qt::Key_G);
        ReiheSetzen(Form1, Form1->Tastatur, tasten);
        ASSERT_TRUE(TabBis(Form1, Form1->FarbCodeGeprueft_BitBtn));
        Taste(Form1, Qt::Key_Return);
        if (schwarz == 4) {
            EXPECT_EQ(Info(), QStringLiteral("Spieler: Computer\nIch habe Gewonnen."));
            return;
        }
    }
    FAIL() << "the computer did not find the code";
}

// Checked in a fresh process: elsewhere in the suite the keyboard may have been used already.
TEST(Tastatur, TheRingShowsOnlyOnceTheKeyboardIsUsed)
{
    ImEigenenProzess([] {
        SpielBeginnen(ModusMensch, 6, 4);
        for (int p = 0; p < 4; ++p)
            EXPECT_FALSE(Form1->SteckerShapes[1][p]->Ring()) << p;
        Taste(Form1, Qt::Key_Right); // brings the ring to the row's first place
        EXPECT_TRUE(Form1->SteckerShapes[1][0]->Ring());
        EXPECT_EQ(Form1->focusWidget(), Form1->SteckerShapes[1][0]);
    });
}

// One ring, where the keyboard focus is, and only in the active window; Space acts there, however
// the focus got there; a row's ends stop the arrows, and a new row starts at its first place.
TEST(Tastatur, TheRingIsTheFocus)
{
    SpielBeginnen(ModusMensch, 6, 4);
    FarbCode[0] = 0; // the all-green row checked below must not win by chance
    const auto ringe = [](QWidget* fenster) {
        const QList<TShape*> formen = fenster->findChildren<TShape*>();
        return std::count_if(formen.begin(), formen.end(), [](const TShape* f) { return f->Ring(); });
    };
    TShape* const(&zeile)[8] = Form1->SteckerShapes[1];
    for (const auto& [taste, ende] : {std::pair{Qt::Key_Right, 3}, {Qt::Key_Left, 0}}) {
        for (int i = 0; i < 6; ++i)
            Taste(Form1, taste);
        EXPECT_EQ(Form1->focusWidget(), zeile[ende]);
        EXPECT_TRUE(zeile[ende]->Ring());
        EXPECT_EQ(ringe(Form1), 1);
    }
    // The focus put elsewhere in the row, as a screen reader does: the ring and Space follow it.
    zeile[2]->setFocus(Qt::OtherFocusReason);
    Taste(Form1, Qt::Key_3);
    Taste(Form1, Qt::Key_Space);
    EXPECT_EQ(SteckerFeld[1][2], 2);
    EXPECT_TRUE(zeile[2]->Ring());
    EXPECT_EQ(ringe(Form1), 1);
    // A button with the focus: no ring on the board.
    Form1->ZeigeFarbCode_BitBtn->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(ringe(Form1), 0);
    // A new row starts at its first place.
    zeile[2]->setFocus(Qt::OtherFocusReason);
    for (int p : {0, 1, 3}) {
        zeile[p]->setFocus(Qt::OtherFocusReason);
        Taste(Form1, Qt::Key_Space);
    }
    Taste(Form1, Qt::Key_Return);
    ASSERT_EQ(AktiveZeile, 2);
    EXPECT_EQ(Form1->focusWidget(), Form1->SteckerShapes[2][0]);
    EXPECT_TRUE(Form1->SteckerShapes[2][0]->Ring());
    // Another window active: no ring in the main window.
    Form3->Show();
    Taste(Form3, Qt::Key_Right);
    EXPECT_EQ(ringe(Form1), 0);
    EXPECT_EQ(ringe(Form3), 1);
    Form3->Hide();
}

TEST(Tastatur, ADemoByKeysAndTabPassesTheShapesBy)
{
    ProgrammStarten();
    EinstellenPerTastatur(ModusDemo, 4, 4);
    WARTE_BIS(Info().endsWith(QStringLiteral("Fertig!")));
    // Tab walks the buttons and never stops on a shape.
    for (int i = 0; i < 12; ++i) {
        Taste(Form1, Qt::Key_Tab);
        EXPECT_EQ(qobject_cast<TShape*>(Form1->focusWidget()), nullptr);
    }
}

TEST(Bildschirmleser, PegsAndSquaresAreButtonsWithNameAndState)
{
    SpielBeginnen(ModusMensch, 8, 4);
    const struct {
        QObject* objekt;
        QAccessible::Role rolle;
        const char* name;
        bool fokussierbar;
    } faelle[] = {
        {Form1->SteckerShapes[1][0], QAccessible::Button, "Zeile 1, Platz 1, leer", true},
        {Form1->StiftShapes[2][3], QAccessible::Button, "Zeile 2, Bewertungsstift 4, leer", true},
        {Form1->BlueFarbwahl_Shape, QAccessible::Button, "Farbwahl, blau", true},
        {Form1->StiftGray_Shape, QAccessible::Button, "Stiftwahl", true},              // hidden in this mode
        {Form3->MerkerFarbCode_Shape[0], QAccessible::Button, "Merker Platz 1", true}, // hidden: no colour
        {Form1->ShowFarbwahl_Shape, QAccessible::Graphic, "Gewählte Farbe, rot", false},
        {Form1->StatusBar, QAccessible::StatusBar, nullptr, false},
    };
    for (const auto& f : faelle) {
        QAccessibleInterface* zugang = QAccessible::queryAccessibleInterface(f.objekt);
        ASSERT_NE(zugang, nullptr) << f.objekt->objectName().toStdString();
        EXPECT_EQ(zugang->role(), f.rolle) << f.objekt->objectName().toStdString();
        if (f.name) {
            EXPECT_TRUE(zugang->text(QAccessible::Name).startsWith(QString::fromUtf8(f.name)))
                << zugang->text(QAccessible::Name).toStdString();
        }
        EXPECT_EQ(zugang->state().focusable, f.fokussierbar) << f.objekt->objectName().toStdString();
    }
    // A locked row reads as unavailable; a screen reader's "press" sets a peg as a click does.
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(Form1->StiftShapes[1][0])->state().disabled);
    auto* loch = QAccessible::queryAccessibleInterface(Form1->SteckerShapes[1][2])->actionInterface();
    ASSERT_NE(loch, nullptr);
    Druecken(Form1->YellowFarbwahl_Shape);
    loch->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(SteckerFeld[1][2], 1);
}

namespace {

std::vector<std::pair<QAccessible::Event, QObject*>> Gehoert;
void Zuhoeren(QAccessibleEvent* ereignis)
{
    Gehoert.emplace_back(ereignis->type(), ereignis->object());
}

int Anzahl(QAccessible::Event art, QObject* objekt)
{
    return static_cast<int>(std::count(Gehoert.begin(), Gehoert.end(), std::pair{art, objekt}));
}

// The screen-reader bridge as Qt has it: an application filter (the last installed, so the first
// asked) that takes every key from the window system and hands it on anew (non-spontaneous).
struct Bruecke : QObject {
    std::vector<int> Tasten;
    bool eventFilter(QObject* ziel, QEvent* e) override
    {
        if (e->type() != QEvent::KeyPress || !e->spontaneous())
            return false;
        Tasten.push_back(static_cast<QKeyEvent*>(e)->key());
        QKeyEvent kopie(QEvent::KeyPress, Tasten.back(), Qt::NoModifier);
        return QCoreApplication::sendEvent(ziel, &kopie) || true;
    }
};

} // namespace

TEST(Bildschirmleser, ColoursTextsAndMessagesAreAnnounced)
{
    SpielBeginnen(ModusMensch, 8, 4);
    // As if a screen reader had asked: the platform's accessibility switched on, our handler in
    // place of the bridge to the screen reader.
    QPlatformAccessibility* plattform = QGuiApplicationPrivate::platformIntegration()->accessibility();
    ASSERT_NE(plattform, nullptr);
    const QAccessible::UpdateHandler vorher = QAccessible::installUpdateHandler(Zuhoeren);
    plattform->setActive(true);
    ASSERT_TRUE(QAccessible::isActive());
    Gehoert.clear();
    // The game's keys pass the bridge, and then do what they do: 3 chooses green (and says so),
    // Left takes the ring to the first place and Space sets it.
    Bruecke bruecke;
    qApp->installEventFilter(&bruecke);
    const std::vector<int> tasten = {Qt::Key_3, Qt::Key_Left, Qt::Key_Left, Qt::Key_Left, Qt::Key_Left, Qt::Key_Space};
    for (const int taste : tasten)
        Taste(Form1, taste);
    qApp->removeEventFilter(&bruecke);
    EXPECT_EQ(bruecke.Tasten, tasten);
    EXPECT_EQ(SteckerFeld[1][0], 2);
    const auto gesagt = [](const QWidget* a) { return a->accessibleName() == QStringLiteral("Gewählte Farbe, grün"); };
    EXPECT_TRUE(QTest::qWaitFor([&] { return std::ranges::any_of(Form1->findChildren<QWidget*>("Ansage"), gesagt); }));
    Druecken(Form1->SteckerShapes[1][1]);
    EXPECT_GE(Anzahl(QAccessible::NameChanged, Form1->SteckerShapes[1][1]), 1);
    Form1->InfoText("Neuer Text");
    EXPECT_GE(Anzahl(QAccessible::NameChanged, Form1->Info_StaticText), 1);
    Gehoert.clear();
    Form1->MeldungAnzeigen("Es müssen alle Felder besetzt sein.");
    EXPECT_EQ(Anzahl(QAccessible::NameChanged, Form1->StatusBar), 1);
    Gehoert.clear();
    Form1->MeldungAnzeigen("Es müssen alle Felder besetzt sein."); // the same message again
    EXPECT_EQ(Anzahl(QAccessible::NameChanged, Form1->StatusBar), 1);
    // Blinking is no new message.
    Gehoert.clear();
    Form1->StatusBarTimer->Tick();
    Form1->StatusBarTimer->Tick();
    EXPECT_EQ(Anzahl(QAccessible::NameChanged, Form1->StatusBar), 0);
    plattform->setActive(false);
    QAccessible::installUpdateHandler(vorher);
}

namespace {

// What a picker square looks like to someone with a colour-vision deficiency: sRGB to linear
// light, one of the usual 3x3 simulation matrices, back to sRGB.
using Matrix = std::array<std::array<double, 3>, 3>;
const Matrix Deuteranopie = {{{0.367, 0.861, -0.228}, {0.280, 0.673, 0.047}, {-0.012, 0.043, 0.969}}};
const Matrix Protanopie = {{{0.152, 1.053, -0.205}, {0.115, 0.786, 0.099}, {-0.004, -0.048, 1.052}}};
const Matrix Tritanopie = {{{1.256, -0.077, -0.179}, {-0.078, 0.931, 0.148}, {0.005, 0.691, 0.304}}};

QColor Simulieren(const QColor& c, const Matrix& m)
{
    auto linear = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    auto srgb = [](double v) {
        v = std::clamp(v, 0.0, 1.0);
        return v <= 0.0031308 ? v * 12.92 : 1.055 * std::pow(v, 1 / 2.4) - 0.055;
    };
    const double rgb[3] = {linear(c.redF()), linear(c.greenF()), linear(c.blueF())};
    double aus[3];
    for (int i = 0; i < 3; ++i)
        aus[i] = srgb(m[i][0] * rgb[0] + m[i][1] * rgb[1] + m[i][2] * rgb[2]);
    return QColor::fromRgbF(static_cast<float>(aus[0]), static_cast<float>(aus[1]), static_cast<float>(aus[2]));
}

// The symbol's pixels: those far from the square's own colour, inside its middle.
std::vector<bool> Symbolmaske(const QImage& bild, const QColor& grund)
{
    std::vector<bool> maske;
    for (int y = 4; y < bild.height() - 4; ++y)
        for (int x = 8; x < bild.width() - 8; ++x) {
            const QColor c = bild.pixelColor(x, y);
            maske.push_back(std::abs(c.red() - grund.red()) + std::abs(c.green() - grund.green()) +
                                std::abs(c.blue() - grund.blue()) >
                            150);
        }
    return maske;
}

double Ueberdeckung(const std::vector<bool>& a, const std::vector<bool>& b)
{
    int beide = 0, eines = 0;
    for (size_t i = 0; i < a.size(); ++i) {
        beide += a[i] && b[i];
        eines += a[i] || b[i];
    }
    return eines == 0 ? 1.0 : static_cast<double>(beide) / eines;
}

} // namespace

TEST(Farbsymbole, OffAtStartAndWithThemOnNoTwoColoursLookAlike)
{
    SpielBeginnen(ModusMensch, 8, 4);
    // The menu: "Menü" keeps its three items, "Ansicht" follows with "Farbsymbole", then
    // "Optionen" with "Starker Computer", both unticked.
    const QList<QAction*> oben = Form1->MainMenu->actions();
    ASSERT_EQ(oben.size(), 3);
    EXPECT_EQ(oben[0]->text(), QStringLiteral("Menü"));
    EXPECT_EQ(oben[1]->text(), QStringLiteral("Ansicht"));
    EXPECT_EQ(oben[2]->text(), QStringLiteral("Optionen"));
    EXPECT_EQ(oben[0]->menu()->actions().size(), 3);
    EXPECT_EQ(oben[2]->menu()->actions(), (QList<QAction*>{Form1->MenuStarkerComputer, Form1->MenuDemoZuschauen}));
    EXPECT_EQ(Form1->MenuStarkerComputer->text(), QStringLiteral("Starker Computer"));
    EXPECT_EQ(Form1->MenuDemoZuschauen->text(), QStringLiteral("Demo zum Zuschauen"));
    for (TMenuItem* option : {Form1->MenuStarkerComputer, Form1->MenuDemoZuschauen, Form1->MenuFarbsymbole}) {
        EXPECT_TRUE(option->isCheckable() && !option->Checked());
        // Screen readers read it as a check box of its menu, with its state.
        QAccessibleInterface* zugang = QAccessible::queryAccessibleInterface(option);
        ASSERT_NE(zugang, nullptr);
        EXPECT_TRUE(zugang->role() == QAccessible::CheckBox && zugang->state().checkable);
        EXPECT_EQ(zugang->text(QAccessible::Name), option->text());
        EXPECT_EQ(zugang->parent()->child(zugang->parent()->indexOfChild(zugang)), zugang);
    }
    EXPECT_FALSE(Form1->MenuFarbsymbole->Checked());
    EXPECT_FALSE(SymbolsShown());
    // F10 opens the first menu from the keyboard.
    Taste(Form1, Qt::Key_F10);
    EXPECT_TRUE(QTest::qWaitFor([&] { return oben[0]->menu()->isVisible(); }, 2000));
    oben[0]->menu()->close();

    std::vector<QImage> ohne, mit;
    for (TShape* quadrat : Form1->FarbwahlShapes)
        ohne.push_back(quadrat->grab().toImage());
    Form1->MenuFarbsymbole->trigger();
    EXPECT_TRUE(SymbolsShown());
    for (TShape* quadrat : Form1->FarbwahlShapes)
        mit.push_back(quadrat->grab().toImage());
    Form1->MenuFarbsymbole->trigger();
    EXPECT_FALSE(SymbolsShown());

    std::vector<std::vector<bool>> masken;
    for (int i = 0; i < 8; ++i) {
        const QColor grund = ToQColor(Form1->FarbwahlShapes[i]->BrushColor());
        // Off, the square is its plain colour; on, a symbol stands on it.
        const std::vector<bool> leer = Symbolmaske(ohne[static_cast<size_t>(i)], grund);
        EXPECT_EQ(std::count(leer.begin(), leer.end(), true), 0) << i;
        masken.push_back(Symbolmaske(mit[static_cast<size_t>(i)], grund));
        EXPECT_GT(std::count(masken.back().begin(), masken.back().end(), true), 15) << i;
    }
    for (const Matrix* m : {&Deuteranopie, &Protanopie, &Tritanopie})
        for (int a = 0; a < 8; ++a)
            for (int b = a + 1; b < 8; ++b) {
                const QColor ca = Simulieren(ToQColor(Form1->FarbwahlShapes[a]->BrushColor()), *m);
                const QColor cb = Simulieren(ToQColor(Form1->FarbwahlShapes[b]->BrushColor()), *m);
                const int abstand =
                    std::abs(ca.red() - cb.red()) + std::abs(ca.green() - cb.green()) + std::abs(ca.blue() - cb.blue());
                if (abstand < 120) {
                    // Alike in colour: the symbols must tell them apart.
                    EXPECT_LT(Ueberdeckung(masken[static_cast<size_t>(a)], masken[static_cast<size_t>(b)]), 0.6)
                        << a << " and " << b;
                }
            }
}

TEST(Farbsymbole, TheWindowsCarryTheGamesIconFromTheProgramItself)
{
    ProgrammStarten();
    const QIcon eigenes(QStringLiteral(":/farbenrater/48x48/farbenrater.png"));
    EXPECT_FALSE(eigenes.isNull());
    EXPECT_FALSE(QApplication::windowIcon().isNull());
    EXPECT_FALSE(Form1->windowIcon().pixmap(32, 32).isNull());
}
