// SPDX-License-Identifier: GPL-3.0-or-later
// The toolkit layer's behaviours that the game relies on.
#include "Testhilfe.h"
#include "toolkit/Classes.h"

#include <QImage>
#include <QRadioButton>
#include <atomic>

namespace {

struct Druck {
    QObject* Sender = nullptr;
    TMouseButton Knopf = mbMiddle;
    int Anzahl = 0;
};

TMouseEvent Merken(Druck& d)
{
    return [&d](TObject* sender, TMouseButton knopf, TShiftState, int, int) {
        d.Sender = sender;
        d.Knopf = knopf;
        ++d.Anzahl;
    };
}

} // namespace

TEST(Toolkit, ButtonClickRunsHandlerEvenWhenDisabledButMouseDoesNot)
{
    TForm form(QStringLiteral("F"), QStringLiteral("F"));
    form.SetClientSize(200, 100);
    auto* knopf = new TBitBtn(form.Client(), QStringLiteral("Knopf"), QStringLiteral("Los"));
    knopf->SetBounds(10, 10, 80, 25);
    int klicks = 0;
    knopf->OnClick = [&](TObject* s) {
        EXPECT_EQ(s, knopf);
        ++klicks;
    };
    form.Show();
    QTest::mouseClick(knopf, Qt::LeftButton);
    EXPECT_EQ(klicks, 1);
    knopf->SetEnabled(false);
    QTest::mouseClick(knopf, Qt::LeftButton);
    EXPECT_EQ(klicks, 1);
    knopf->Click();
    EXPECT_EQ(klicks, 2);
    EXPECT_FALSE(knopf->property("Enabled").toBool());
}

TEST(Toolkit, PressesReachTheNearestEnabledControl)
{
    TForm form(QStringLiteral("F"), QStringLiteral("F"));
    form.SetClientSize(300, 200);
    auto* brett = new TPanel(form.Client(), QStringLiteral("Brett"));
    brett->SetBounds(0, 0, 300, 200);
    auto* zeile = new TPanel(brett, QStringLiteral("Zeile"));
    zeile->SetBounds(20, 20, 200, 60);
    auto* loch = new TShape(zeile, QStringLiteral("Loch"), stCircle);
    loch->SetBounds(10, 10, 33, 25);
    Druck brettDruck, zeilenDruck, lochDruck;
    brett->OnMouseDown = Merken(brettDruck);
    zeile->OnMouseDown = Merken(zeilenDruck);
    loch->OnMouseDown = Merken(lochDruck);
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

    // Any mouse button reaches the shape, with the shape as sender.
    for (Qt::MouseButton knopf : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
        QTest::mousePress(loch, knopf, Qt::NoModifier, QPoint(16, 12));
    EXPECT_EQ(lochDruck.Anzahl, 3);
    EXPECT_EQ(lochDruck.Sender, loch);
    EXPECT_EQ(lochDruck.Knopf, mbMiddle);

    // An enabled panel swallows presses on its own background.
    QTest::mousePress(zeile, Qt::LeftButton, Qt::NoModifier, QPoint(150, 30));
    EXPECT_EQ(zeilenDruck.Anzahl, 1);
    EXPECT_EQ(brettDruck.Anzahl, 0);

    // Inside a disabled panel, the press goes to the nearest enabled ancestor as its sender.
    zeile->SetEnabled(false);
    QTest::mousePress(loch, Qt::RightButton, Qt::NoModifier, QPoint(16, 12));
    EXPECT_EQ(lochDruck.Anzahl, 3);
    EXPECT_EQ(brettDruck.Anzahl, 1);
    EXPECT_EQ(brettDruck.Sender, brett);
    EXPECT_EQ(brettDruck.Knopf, mbRight);
    // The shape's own flag stays set; only its parent is disabled.
    EXPECT_TRUE(loch->property("Enabled").toBool());
    EXPECT_FALSE(zeile->property("Enabled").toBool());
}

TEST(Toolkit, TrackBarRunsOnChangeOnlyWhenThePositionChanges)
{
    TTrackBar bar(nullptr, QStringLiteral("Bar"), 2, 8, 8);
    int aenderungen = 0;
    bar.OnChange = [&](TObject*) { ++aenderungen; };
    bar.setProperty("Position", 8);
    EXPECT_EQ(aenderungen, 0);
    bar.setProperty("Position", 4);
    EXPECT_EQ(aenderungen, 1);
    bar.SetPosition(4);
    EXPECT_EQ(aenderungen, 1);
    EXPECT_EQ(bar.property("Position").toInt(), 4);
}

TEST(Toolkit, RadioGroupItemIndexActsAsTheUsersChoice)
{
    TRadioGroup gruppe(nullptr, QStringLiteral("G"), QStringLiteral("Spieler"),
                       {QStringLiteral("Mensch"), QStringLiteral("Computer"), QStringLiteral("Demo")});
    gruppe.resize(193, 81);
    std::vector<int> gesehen;
    gruppe.OnClick = [&](TObject*) { gesehen.push_back(gruppe.ItemIndex()); };
    gruppe.setProperty("ItemIndex", 2);
    gruppe.Show();
    // On the indicator: a radio button takes clicks on its circle and text only.
    QTest::mouseClick(gruppe.Button(1), Qt::LeftButton, Qt::NoModifier, QPoint(8, gruppe.Button(1)->height() / 2));
    EXPECT_EQ(gesehen, (std::vector<int>{2, 1}));
    EXPECT_TRUE(gruppe.Button(1)->isChecked());
}

TEST(Toolkit, ShapesPaintTheColourAskedForSystemColoursIncluded)
{
    TShape kreis(nullptr, QStringLiteral("K"), stCircle);
    kreis.resize(33, 25);
    for (TColor farbe : {clRed, TColor(0x00FF80), clBlue, clBtnFace}) {
        kreis.SetBrushColor(farbe);
        const QImage bild = kreis.grab().toImage();
        EXPECT_EQ(bild.pixelColor(16, 12), ToQColor(farbe)) << std::hex << farbe;
        EXPECT_EQ(kreis.property("BrushColor").toUInt(), farbe);
    }
    EXPECT_EQ(ToQColor(0x00FF80), QColor(128, 255, 0));
    EXPECT_EQ(ToQColor(clBtnFace), ClassicPalette().color(QPalette::Window));
}

TEST(Toolkit, VisibleIsTheControlsOwnFlag)
{
    TForm form(QStringLiteral("F"), QStringLiteral("F"));
    auto* panel = new TPanel(form.Client(), QStringLiteral("P"));
    auto* label = new TLabel(panel, QStringLiteral("L"), QStringLiteral("1"));
    EXPECT_TRUE(label->property("Visible").toBool());
    EXPECT_FALSE(form.property("Visible").toBool());
    panel->Hide();
    EXPECT_TRUE(label->property("Visible").toBool());
    label->Hide();
    EXPECT_FALSE(label->property("Visible").toBool());
}

namespace {

class ProbeThread : public TThread {
public:
    ProbeThread() : TThread(true) {}
    std::atomic<bool> ImHauptthread{false};
    std::atomic<bool> DanachGelaufen{false};
    int Wert = 0;

protected:
    void Execute() override
    {
        Synchronize([this] {
            ImHauptthread = InMainThread();
            Wert = 42;
        });
        // Synchronize has returned only after the work ran.
        DanachGelaufen = Wert == 42;
    }
};

} // namespace

TEST(Toolkit, SynchronizeRunsOnTheMainThreadAndWaits)
{
    ProbeThread probe;
    probe.Resume();
    ASSERT_TRUE(probe.WaitFor(10000));
    EXPECT_TRUE(probe.ImHauptthread);
    EXPECT_TRUE(probe.DanachGelaufen);

    bool direkt = false;
    EXPECT_TRUE(probe.Synchronize([&] { direkt = TThread::InMainThread(); }));
    EXPECT_TRUE(direkt);
}

TEST(Toolkit, TimerTicksOnRequestAndRestartsOnNewInterval)
{
    TTimer timer(nullptr, QStringLiteral("T"), 1000, false);
    int ticks = 0;
    timer.OnTimer = [&](TObject*) { ++ticks; };
    EXPECT_FALSE(timer.property("Enabled").toBool());
    timer.Tick();
    EXPECT_EQ(ticks, 1);
    timer.SetInterval(5);
    EXPECT_FALSE(timer.Enabled());
    timer.SetEnabled(true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= 3; }, 5000));
    EXPECT_EQ(timer.property("Interval").toInt(), 5);
}

TEST(Toolkit, EnterPressesTheFocusedButtonThenTheDefaultEscapeTheCancel)
{
    TForm form(QStringLiteral("F"), QStringLiteral("F"));
    form.SetClientSize(300, 100);
    std::vector<QString> geklickt;
    auto knopf = [&](const char* name, TBitBtnKind art, int links) {
        auto* k = new TBitBtn(form.Client(), QString::fromLatin1(name), QString::fromLatin1(name), art);
        k->SetBounds(links, 10, 60, 25);
        k->OnClick = [&geklickt, k](TObject*) { geklickt.push_back(k->objectName()); };
        return k;
    };
    knopf("Ok", bkOK, 10);
    auto* anderer = knopf("Anderer", bkCustom, 80);
    knopf("Abbruch", bkCancel, 150);
    auto* regler = new TTrackBar(form.Client(), QStringLiteral("R"), 2, 8, 4);
    regler->SetBounds(10, 50, 120, 25);
    form.Show();

    anderer->setFocus();
    QTest::keyClick(anderer, Qt::Key_Return);
    regler->setFocus();
    QTest::keyClick(regler, Qt::Key_Enter);
    QTest::keyClick(regler, Qt::Key_Escape);
    EXPECT_EQ(geklickt,
              (std::vector<QString>{QStringLiteral("Anderer"), QStringLiteral("Ok"), QStringLiteral("Abbruch")}));
}

TEST(Toolkit, CentredWindowsStayOnTheDesk)
{
    const QRect desk(0, 0, 1920, 1080);
    const struct {
        QSize fenster;
        QPoint erwartet;
    } faelle[] = {
        {{700, 580}, {610, 250}}, // fits: centred
        {{1392, 1124}, {264, 0}}, // taller than the desk: the title bar and menu stay on it
        {{2000, 500}, {0, 290}},  // wider than the desk
        {{1920, 1080}, {0, 0}},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(CentredPosition(f.fenster, desk), f.erwartet) << f.fenster.width() << "x" << f.fenster.height();
    EXPECT_EQ(CentredPosition({100, 100}, QRect(1920, 40, 1280, 984)), QPoint(2510, 482)); // a second screen
}

namespace {

// The hue that most opaque coloured pixels of a picture have, -1 for a picture without colour.
int Farbton(const QImage& bild)
{
    std::vector<int> haeufigkeit(360, 0);
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x) {
            const QColor c = bild.pixelColor(x, y);
            if (c.alpha() > 200 && c.hsvSaturation() > 120 && c.value() > 60)
                ++haeufigkeit[static_cast<size_t>(c.hsvHue())];
        }
    const auto beste = std::max_element(haeufigkeit.begin(), haeufigkeit.end());
    return *beste == 0 ? -1 : static_cast<int>(beste - haeufigkeit.begin());
}

} // namespace

TEST(Toolkit, ButtonPicturesAreDrawnForEveryScale)
{
    TForm form(QStringLiteral("F"), QStringLiteral("F"));
    const struct {
        TBitBtnKind art;
        int farbton; // green tick, red cross, blue question mark, brown door, red stop sign
    } arten[] = {{bkOK, 120}, {bkCancel, 0}, {bkHelp, 240}, {bkClose, 35}, {bkAbort, 0}};
    for (const auto& a : arten) {
        TBitBtn knopf(form.Client(), QStringLiteral("K"), QStringLiteral("K"), a.art);
        for (qreal skala : {1.0, 1.5, 2.0}) {
            // Drawn at the device pixels asked for, not a small bitmap scaled up.
            const QPixmap bild = knopf.icon().pixmap(QSize(16, 16), skala);
            EXPECT_EQ(bild.size(), QSize(16, 16) * skala) << a.art << " " << skala;
            const int farbton = Farbton(bild.toImage());
            EXPECT_LE(std::min(std::abs(farbton - a.farbton), 360 - std::abs(farbton - a.farbton)), 20)
                << a.art << " " << skala << " hue " << farbton;
            // Disabled, the same picture in gray.
            const QPixmap grau = knopf.icon().pixmap(QSize(16, 16), skala, QIcon::Disabled);
            EXPECT_EQ(grau.size(), bild.size());
            EXPECT_EQ(Farbton(grau.toImage()), -1);
        }
    }
    ProgrammStarten();
    const QImage pruefen = Form1->Pruefen_BitBtn->icon().pixmap(QSize(16, 16), 1.5).toImage();
    EXPECT_EQ(pruefen.size(), QSize(24, 24));
    EXPECT_EQ(pruefen.pixelColor(6, 12), QColor(Qt::black));
    EXPECT_EQ(pruefen.pixelColor(17, 12), QColor(Qt::white));
}

TEST(Toolkit, GroupFramesRunThroughTheirCaptionAndLabelsShowTheirParent)
{
    ProgrammStarten();
    auto* dialog = Einstellungen_Form;
    // A label without a colour of its own stands on its parent's background, with no box.
    TPanel tafel(nullptr, QStringLiteral("T"));
    tafel.SetColor(clSilver);
    tafel.resize(80, 30);
    TLabel zahl(&tafel, QStringLiteral("Z"), QStringLiteral("8"));
    zahl.SetBounds(8, 6, 33, 18);
    const QImage gruppe = tafel.grab().toImage();
    EXPECT_EQ(gruppe.pixelColor(9, 7), ToQColor(clSilver));
    // The frame line runs through the middle of the caption, so "Computer Frech" lies inside
    // the radio group, clear of its frame.
    const QImage spieler = dialog->Spieler_RadioGroup->grab().toImage();
    const int x = spieler.width() - 4;
    int rahmen = 0;
    while (rahmen < spieler.height() && spieler.pixelColor(x, rahmen) == spieler.pixelColor(x, 0))
        ++rahmen;
    const int frech = dialog->ComputerFrech_CheckBox->geometry().top() - dialog->Spieler_RadioGroup->geometry().top();
    EXPECT_LE(rahmen + 4, frech);
    EXPECT_GE(rahmen, 4);
}
