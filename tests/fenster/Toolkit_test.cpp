// The toolkit layer's behaviours that the game relies on.
#include <QImage>
#include <QRadioButton>
#include <atomic>

#include "Testhilfe.h"
#include "toolkit/Classes.h"

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

}  // namespace

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
    EXPECT_EQ(ToQColor(clBtnFace), QApplication::palette().color(QPalette::Window));
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

}  // namespace

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
