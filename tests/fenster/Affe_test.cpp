// SPDX-License-Identifier: GPL-3.0-or-later
// A careless player: thousands of actions on every window, mostly a game played badly, now and
// then anything at all, while a job may be running, and at times a game played for a kind the run
// has not had yet. After each action everything the windows show is compared with an independent
// model of the game (Orakel). Seeded; FARBENRATER_AFFE_SCHRITTE sets the length (the long form runs
// 50000), FARBENRATER_AFFE_SAAT the seed, FARBENRATER_AFFE_ENDEN how often the program is closed.
#include "Orakel.h"
#include "Testhilfe.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QKeySequence>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <deque>
#include <fstream>
#include <iostream>
#include <numeric>
#include <optional>
#include <random>
#include <tuple>
#include <type_traits>
#include <unistd.h>

namespace {

int Umgebung(const char* name, int vorgabe)
{
    const QByteArray wert = qgetenv(name);
    return wert.isEmpty() ? vorgabe : wert.toInt();
}

// The windows and controls by their names, as the player sees them.
struct Fenster {
    QWidget *Haupt, *Loesung, *Merker, *Dialog, *Hilfe;
    QWidget *Stecker[13][8] = {}, *Stift[13][8] = {}, *SteckerZeile[13] = {}, *StiftZeile[13] = {}, *Marke[13] = {};
    QWidget *Picker[8], *LoesungKreis[8], *MerkerKreis[8], *StiftWahl[3];
    QWidget *Info, *Statuszeile, *Fortschritt, *Rollbox, *Spielfeld, *Gruppe, *Wahl, *StiftPanel, *StiftKreis;
    QWidget *Pruefen, *Geprueft, *Zeige, *Neues, *MerkerKnopf;
    QWidget *Spieler, *Frech, *FarbenText, *FelderText, *FarbenRegler, *FelderRegler;
    bool Vollstaendig = true;

    QWidget* Finde(QWidget* fenster, const QString& name)
    {
        auto* w = fenster->objectName() == name ? fenster : fenster->findChild<QWidget*>(name);
        if (!w) {
            std::cerr << "no control named " << name.toStdString() << "\n";
            Vollstaendig = false;
        }
        return w;
    }

    Fenster()
    {
        Haupt = Finde(Form1, QStringLiteral("Form1"));
        Loesung = Finde(Form2, QStringLiteral("Form2"));
        Merker = Finde(Form3, QStringLiteral("Form3"));
        Dialog = Finde(Einstellungen_Form, QStringLiteral("Einstellungen_Form"));
        Hilfe = Finde(Hilfe_Form, QStringLiteral("Hilfe_Form"));
        for (int z = 1; z <= 12; ++z) {
            const QChar r = QLatin1Char("0123456789ABC"[z]);
            SteckerZeile[z] = Finde(Haupt, QStringLiteral("SteckerZeile%1_Panel").arg(z));
            StiftZeile[z] = Finde(Haupt, QStringLiteral("StiftZeile%1_Panel").arg(z));
            Marke[z] = Finde(Haupt, QStringLiteral("AktiveZeile%1_Label").arg(z));
            for (int p = 0; p < 8; ++p) {
                Stecker[z][p] = Finde(Haupt, QStringLiteral("Stecker_Shape%1%2").arg(r).arg(p));
                Stift[z][p] = Finde(Haupt, QStringLiteral("Stift_Shape%1%2").arg(r).arg(p));
            }
        }
        const char* picker[8] = {"Red", "Yellow", "Green", "Blue", "Violett", "Tuerkis", "Black", "White"};
        for (int i = 0; i < 8; ++i) {
            Picker[i] = Finde(Haupt, QStringLiteral("%1Farbwahl_Shape").arg(QLatin1String(picker[i])));
            LoesungKreis[i] = Finde(Loesung, QStringLiteral("CZufallsCode_Shape%1").arg(i));
            MerkerKreis[i] = Finde(Merker, QStringLiteral("MerkerFarbCode_Shape%1").arg(i));
        }
        StiftWahl[0] = Finde(Haupt, QStringLiteral("StiftBlack_Shape"));
        StiftWahl[1] = Finde(Haupt, QStringLiteral("StiftWhite_Shape"));
        StiftWahl[2] = Finde(Haupt, QStringLiteral("StiftGray_Shape"));
        Info = Finde(Haupt, QStringLiteral("Info_StaticText"));
        Statuszeile = Finde(Haupt, QStringLiteral("StatusBar"));
        Fortschritt = Finde(Haupt, QStringLiteral("ProgressBar1"));
        Rollbox = Finde(Haupt, QStringLiteral("ScrollBox1"));
        Spielfeld = Finde(Haupt, QStringLiteral("SpielFeldPanel"));
        Gruppe = Finde(Haupt, QStringLiteral("SteckerFabwahl_GroupBox"));
        Wahl = Finde(Haupt, QStringLiteral("ShowFarbwahl_Shape"));
        StiftPanel = Finde(Haupt, QStringLiteral("StiftFarbWahl_Panel"));
        StiftKreis = Finde(Haupt, QStringLiteral("StiftColor_Shape"));
        Pruefen = Finde(Haupt, QStringLiteral("Pruefen_BitBtn"));
        Geprueft = Finde(Haupt, QStringLiteral("FarbCodeGeprueft_BitBtn"));
        Zeige = Finde(Haupt, QStringLiteral("ZeigeFarbCode_BitBtn"));
        Neues = Finde(Haupt, QStringLiteral("NeuesSpiel_BitBtn"));
        MerkerKnopf = Finde(Haupt, QStringLiteral("FarbMekerBox_BitBnt"));
        Spieler = Finde(Dialog, QStringLiteral("Spieler_RadioGroup"));
        Frech = Finde(Dialog, QStringLiteral("ComputerFrech_CheckBox"));
        FarbenText = Finde(Dialog, QStringLiteral("AnzahlFarben_Label"));
        FelderText = Finde(Dialog, QStringLiteral("AnzahlFelder_Label"));
        FarbenRegler = Finde(Dialog, QStringLiteral("AnzahlFarben_TrackBar"));
        FelderRegler = Finde(Dialog, QStringLiteral("AnzahlFelder_TrackBar"));
    }

    QWidget* Knopf(const std::string& name) const
    {
        for (QWidget* fenster : {Haupt, Loesung, Merker, Dialog, Hilfe})
            if (auto* k = fenster->findChild<QPushButton*>(QString::fromStdString(name)))
                return k;
        return nullptr;
    }
};

// The main window's keyboard focus, as Spielbild names it.
std::string HauptFokus()
{
    const QWidget* fokus = Form1->focusWidget();
    return !fokus || fokus == Form1                  ? "Form1"
           : qobject_cast<const QPushButton*>(fokus) ? fokus->objectName().toStdString()
                                                     : "peg";
}

// A field of the picture: the name a difference is reported by ('#' for each row and place on the
// way down), the field, and where it is read: a control (an array of them for an array) and its
// property, a variable the program keeps by that name, or a function.
template <class T, class Q> struct Feld {
    const char* Name;
    T Spielbild::*Wert;
    const Q& Ort;
    const char* Eigenschaft = nullptr;
};

// Every field of the picture once: the player reads each, and compares each with the model's
// prediction. The solver's state and the focus last, as they may change while the windows are read.
auto Felder(const Fenster& w)
{
    return std::tuple{
        Feld{"information text", &Spielbild::Info, w.Info, "Caption"},
        Feld{"status bar", &Spielbild::Status, w.Statuszeile, "SimpleText"},
        Feld{"message", &Spielbild::Meldung, MeldungsText},
        Feld{"progress", &Spielbild::Fortschritt, w.Fortschritt, "Position"},
        Feld{"scroll position", &Spielbild::Scroll, w.Rollbox, "VertScrollBarPosition"},
        Feld{"Pruefen_BitBtn enabled", &Spielbild::PruefenAn, w.Pruefen, "Enabled"},
        Feld{"FarbCodeGeprueft_BitBtn enabled", &Spielbild::GeprueftAn, w.Geprueft, "Enabled"},
        Feld{"ZeigeFarbCode_BitBtn enabled", &Spielbild::ZeigeAn, w.Zeige, "Enabled"},
        Feld{"NeuesSpiel_BitBtn enabled", &Spielbild::NeuesAn, w.Neues, "Enabled"},
        Feld{"FarbMekerBox_BitBnt enabled", &Spielbild::MerkerKnopfAn, w.MerkerKnopf, "Enabled"},
        Feld{"row # code pegs enabled", &Spielbild::SteckerZeileAn, w.SteckerZeile, "Enabled"},
        Feld{"row # key pegs enabled", &Spielbild::StiftZeileAn, w.StiftZeile, "Enabled"},
        Feld{"row # number colour", &Spielbild::Marke, w.Marke, "Color"},
        Feld{"row # place # code peg colour", &Spielbild::Stecker, w.Stecker, "BrushColor"},
        Feld{"row # place # key peg colour", &Spielbild::Stift, w.Stift, "BrushColor"},
        Feld{"row # place # code hole shown", &Spielbild::SteckerDa, w.Stecker, "Visible"},
        Feld{"row # place # key hole shown", &Spielbild::StiftDa, w.Stift, "Visible"},
        Feld{"picker square # shown", &Spielbild::PickerDa, w.Picker, "Visible"},
        Feld{"picker enabled", &Spielbild::GruppeAn, w.Gruppe, "Enabled"},
        Feld{"picker caption", &Spielbild::GruppeTitel, w.Gruppe, "Caption"},
        Feld{"chosen colour shown", &Spielbild::WahlDa, w.Wahl, "Visible"},
        Feld{"chosen colour", &Spielbild::Wahl, w.Wahl, "BrushColor"},
        Feld{"key-peg picker shown", &Spielbild::StiftPanelDa, w.StiftPanel, "Visible"},
        Feld{"chosen key peg", &Spielbild::StiftWahl, w.StiftKreis, "BrushColor"},
        Feld{"solution window shown", &Spielbild::LoesungDa, w.Loesung, "Visible"},
        Feld{"solution circle #", &Spielbild::Loesung, w.LoesungKreis, "BrushColor"},
        Feld{"solution circle # shown", &Spielbild::LoesungPlatzDa, w.LoesungKreis, "Visible"},
        Feld{"marker box shown", &Spielbild::MerkerDa, w.Merker, "Visible"},
        Feld{"marker circle #", &Spielbild::Merker, w.MerkerKreis, "BrushColor"},
        Feld{"marker circle # shown", &Spielbild::MerkerPlatzDa, w.MerkerKreis, "Visible"},
        Feld{"settings dialog shown", &Spielbild::DialogDa, w.Dialog, "Visible"},
        Feld{"Spieler item", &Spielbild::Spieler, w.Spieler, "ItemIndex"},
        Feld{"Computer Frech shown", &Spielbild::FrechDa, w.Frech, "Visible"},
        Feld{"Computer Frech ticked", &Spielbild::FrechAn, w.Frech, "Checked"},
        Feld{"colours label", &Spielbild::FarbenText, w.FarbenText, "Caption"},
        Feld{"fields label", &Spielbild::FelderText, w.FelderText, "Caption"},
        Feld{"colours bar", &Spielbild::FarbenRegler, w.FarbenRegler, "Position"},
        Feld{"fields bar", &Spielbild::FelderRegler, w.FelderRegler, "Position"},
        Feld{"AnzahlFarben", &Spielbild::F, AnzahlFarben},
        Feld{"AnzahlFelder", &Spielbild::n, AnzahlFelder},
        Feld{"SpielerModus", &Spielbild::Modus, SpielerModus},
        Feld{"AktiveZeile", &Spielbild::Zeile, AktiveZeile},
        Feld{"AnzahlKombinationen", &Spielbild::Kombinationen, AnzahlKombinationen},
        Feld{"CodeIndex", &Spielbild::CodeIndex, CodeIndex},
        Feld{"Schwarz", &Spielbild::Schwarz, Schwarz},
        Feld{"Weiss", &Spielbild::Weiss, Weiss},
        Feld{"SteckerFeld row # place #", &Spielbild::SteckerFeld, SteckerFeld},
        Feld{"StiftFeld row # place #", &Spielbild::StiftFeld, StiftFeld},
        Feld{"FarbCode place #", &Spielbild::FarbCode, FarbCode},
        Feld{"SteckerFarbe", &Spielbild::SteckerFarbe, SteckerFarbe},
        Feld{"SteckerFarbIndex", &Spielbild::SteckerFarbIndex, SteckerFarbIndex},
        Feld{"StiftFarbe", &Spielbild::StiftFarbe, StiftFarbe},
        Feld{"StiftFarbIndex", &Spielbild::StiftFarbIndex, StiftFarbIndex},
        Feld{"solver idle", &Spielbild::SolverRuht, SolverRuht},
        Feld{"focus in the main window", &Spielbild::Fokus, HauptFokus},
    };
}

// Walks a field of one or more pictures and where it is read side by side, down to single values:
// `tun(name, eigenschaft, ort, wert...)` for each, the next '#' of the name standing for the index.
template <class Tun, class O, class W, class... Ws>
void Gehen(const std::string& name, const char* eigenschaft, const Tun& tun, const O& ort, W& wert, Ws&... weitere)
{
    if constexpr (std::is_array_v<W>) {
        for (size_t i = 0; i < std::extent_v<W>; ++i) {
            std::string benannt = name;
            benannt.replace(benannt.find('#'), 1, std::to_string(i));
            Gehen(benannt, eigenschaft, tun, ort[i], wert[i], weitere[i]...);
        }
    } else if constexpr (std::is_same_v<O, QWidget*>) {
        if (ort) // row 0 has no controls
            tun(name, eigenschaft, ort, wert, weitere...);
    } else {
        tun(name, eigenschaft, ort, wert, weitere...);
    }
}

// Every field of the pictures given, side by side.
template <class Tun, class... B> void FelderGehen(const Fenster& w, const Tun& tun, B&... bilder)
{
    const auto feld = [&](const auto& f) { Gehen(f.Name, f.Eigenschaft, tun, f.Ort, (bilder.*f.Wert)...); };
    std::apply([&](const auto&... f) { (feld(f), ...); }, Felder(w));
}

// Reads one value: a control's property, a variable, or what a function says.
const auto Ablesen = [](const std::string&, const char* eigenschaft, const auto& ort, auto& wert) {
    using O = std::decay_t<decltype(ort)>;
    using T = std::decay_t<decltype(wert)>;
    if constexpr (std::is_same_v<O, QWidget*> && std::is_same_v<T, std::string>)
        wert = ort->property(eigenschaft).toString().toStdString();
    else if constexpr (std::is_same_v<O, QWidget*>)
        wert = ort->property(eigenschaft).template value<T>();
    else if constexpr (std::is_invocable_v<O>)
        wert = ort();
    else
        wert = ort;
};

Spielbild Lesen(const Fenster& w)
{
    Spielbild b;
    FelderGehen(w, Ablesen, b);
    return b;
}

// Every field that differs from the prediction, by its name.
void Vergleichen(const Fenster& w, const Spielbild& soll, const Spielbild& ist, std::vector<std::string>& fehler)
{
    FelderGehen(
        w,
        [&](const std::string& name, const char*, const auto&, const auto& s, const auto& i) {
            Gleich(fehler, name, s, i);
        },
        soll, ist);
}

const Qt::MouseButton Maustasten[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};

struct Aktion {
    std::string Name;
    std::function<void()> Tun;
};

class Affe {
public:
    Affe(unsigned saat, Fenster& f) : Saat(saat), Zufall(saat), Stichprobe(saat), W(f) {}

    Orakel O;

    int Zahl(int bis) { return std::uniform_int_distribution<int>(0, bis - 1)(Zufall); }
    bool Wurf(int von) { return Zahl(von) == 0; } // one time in `von`

    // Looks at the windows: takes over what the program decided meanwhile and compares the rest.
    bool Schauen(int schritt)
    {
        const Spielbild ist = Lesen(W);
        std::vector<std::string> fehler;
        if (!Stoerung.empty())
            fehler.push_back(Stoerung);
        if (fehler.empty())
            O.Einholen(ist, fehler);
        if (fehler.empty())
            Vergleichen(W, O.Erwartung(ist), ist, fehler);
        if (fehler.empty() && O.KandidatenBekannt() && ist.SolverRuht)
            KandidatenPruefen(fehler);
        if (fehler.empty())
            return true;
        std::cerr << "step " << schritt << ", seed " << Saat << ", after\n";
        for (const std::string& a : Protokoll)
            std::cerr << "  " << a << "\n";
        std::cerr << "shows:\n";
        for (size_t i = 0; i < fehler.size() && i < 40; ++i)
            std::cerr << "  " << fehler[i] << "\n";
        return false;
    }

    void Schritt()
    {
        // An evasive player in mode "Computer" is careless less often, so that games run long.
        const bool ernst =
            Ausweichend && (O.Stand() == Orakel::Phase::ComputerWartet || O.Stand() == Orakel::Phase::ComputerRechnet);
        if (Vorhaben.empty() || Wurf(ernst ? 20 : 4)) {
            if (Vorhaben.empty() && !Wurf(ernst ? 20 : 3))
                Planen();
            if (Vorhaben.empty() || Wurf(ernst ? 10 : 2)) {
                Ausfuehren(Zufaellig());
                return;
            }
        }
        Aktion a = std::move(Vorhaben.front());
        Vorhaben.pop_front();
        Ausfuehren(a);
    }

    const unsigned Saat;
    std::string Stoerung;                           // a fault seen while acting
    int TastenRaten = 0, NeuUndOKs = 0, Hilfen = 0; // pegs set by keys, hurried restarts, help

private:
    void Ausfuehren(const Aktion& a)
    {
        Protokoll.push_back(a.Name);
        if (Protokoll.size() > 30)
            Protokoll.pop_front();
        a.Tun();
    }

    // Sample codes, and every code answered so far, must be in the candidate set exactly when
    // they fit every answer.
    void KandidatenPruefen(std::vector<std::string>& fehler)
    {
        std::vector<int32_t> indizes = O.Beantwortet();
        for (int k = 0; k < 24; ++k)
            indizes.push_back(std::uniform_int_distribution<int32_t>(0, O.Anzahl() - 1)(Stichprobe));
        for (const int32_t i : indizes) {
            if (Kandidaten->TestBit(i) != O.Kandidat(i))
                fehler.push_back("candidate " + std::to_string(i) + (O.Kandidat(i) ? " missing" : " left over"));
        }
    }

    // --- what the player does, told to the model first ---

    void Druecken(QWidget* w, Qt::MouseButton taste)
    {
        if (w->window() == W.Haupt)
            O.FokusBewegt(); // a press on the board may focus the box it scrolls in
        QTest::mousePress(w, taste, Qt::NoModifier, w->rect().center());
        QTest::mouseRelease(w, taste, Qt::NoModifier, w->rect().center());
    }

    Aktion Loch(bool stift, int zeile, int platz)
    {
        const Qt::MouseButton taste = Maustasten[Zahl(3)];
        return {std::string(stift ? "key" : "code") + " hole " + std::to_string(zeile) + "/" + std::to_string(platz),
                [this, stift, zeile, platz, taste] {
                    const int z = zeile > 0 ? zeile : O.Soll().Zeile;
                    if (!(stift ? O.Soll().StiftDa : O.Soll().SteckerDa)[z][platz])
                        return;
                    O.Loch(stift, z, platz);
                    Druecken((stift ? W.Stift : W.Stecker)[z][platz], taste);
                }};
    }

    Aktion Farbwahl(int farbe)
    {
        return {"colour " + std::to_string(farbe), [this, farbe] {
                    if (!O.Soll().PickerDa[farbe])
                        return;
                    O.Farbwahl(farbe);
                    Druecken(W.Picker[farbe], Maustasten[Zahl(3)]);
                }};
    }

    Aktion Stiftwahl(int8_t wert)
    {
        return {"key peg " + std::to_string(wert), [this, wert] {
                    if (!O.Soll().StiftPanelDa)
                        return;
                    O.Stiftwahl(wert);
                    Druecken(W.StiftWahl[wert - 6], Maustasten[Zahl(3)]);
                }};
    }

    Aktion Klick(const std::string& knopf)
    {
        return {"click " + knopf, [this, knopf] {
                    QWidget* k = W.Knopf(knopf);
                    if (!k->window()->isVisible())
                        return;
                    O.Mausklick(knopf);
                    QTest::mouseClick(k, Qt::LeftButton);
                }};
    }

    // A key goes to the window's focus widget: Enter, Escape, or Tab, which only moves the focus.
    enum Tasten { TasteEnter, TasteEscape, TasteTab };
    Aktion Taste(QWidget* fenster, Tasten taste)
    {
        static const char* const namen[] = {"Enter", "Escape", "Tab"};
        const std::string name = fenster->objectName().toStdString();
        return {std::string(namen[taste]) + " in " + name, [this, fenster, name, taste] {
                    if (!fenster->isVisible())
                        return;
                    QWidget* fokus = fenster->focusWidget();
                    const auto* knopf = qobject_cast<QPushButton*>(fokus);
                    const std::string fokusKnopf = knopf ? knopf->objectName().toStdString() : std::string();
                    if (taste == TasteEnter && fokusKnopf == "BitBtn3")
                        return; // the careless player never closes the program
                    if (taste == TasteEnter)
                        O.Enter(name, fokusKnopf);
                    else if (taste == TasteEscape)
                        O.Escape(name);
                    else if (fenster == W.Haupt)
                        O.FokusBewegt();
                    static const Qt::Key tasten[] = {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Tab};
                    QTest::keyClick(fokus ? fokus : fenster, tasten[taste]);
                }};
    }

    enum Einstellung { Spieler, Farben, Felder, Frech, Schliessen };
    Aktion Dialog(Einstellung was, int wert = 0)
    {
        static const char* const namen[] = {"Spieler", "colours", "fields", "Computer Frech", "close box"};
        return {std::string("settings: ") + namen[was] + " " + std::to_string(wert), [this, was, wert] {
                    if (!O.Soll().DialogDa)
                        return;
                    switch (was) {
                    case Spieler: {
                        O.Spieler(wert);
                        auto* knopf = W.Spieler->findChildren<QRadioButton*>().at(wert);
                        QTest::mouseClick(knopf, Qt::LeftButton, Qt::NoModifier, QPoint(8, knopf->height() / 2));
                        break;
                    }
                    case Farben:
                        O.Farben(wert);
                        W.FarbenRegler->setProperty("Position", wert);
                        break;
                    case Felder:
                        O.Felder(wert);
                        W.FelderRegler->setProperty("Position", wert);
                        break;
                    case Frech: // to be on (1) or off (0)
                        if (O.Soll().FrechDa && O.Soll().FrechAn != (wert != 0)) {
                            O.Frech();
                            QTest::mouseClick(W.Frech, Qt::LeftButton, Qt::NoModifier, QPoint(6, 8));
                        }
                        break;
                    case Schliessen:
                        O.DialogSchliessen();
                        W.Dialog->close();
                        break;
                    }
                }};
    }

    Aktion Warten(int ms)
    {
        return {"wait " + std::to_string(ms), [ms] { QTest::qWait(ms); }};
    }

    // The help window is modal: it is closed from a timer, by Escape or its button.
    Aktion Hilfe()
    {
        return {"help", [this] {
                    ++Hilfen;
                    const bool escape = Wurf(2);
                    QTimer::singleShot(Zahl(30), W.Hilfe, [this, escape] {
                        if (escape)
                            QTest::keyClick(W.Hilfe, Qt::Key_Escape);
                        else
                            QTest::mouseClick(W.Knopf("HilfeClose_BitBtn"), Qt::LeftButton);
                    });
                    bool haengt = false;
                    QTimer wache;
                    wache.setSingleShot(true);
                    QObject::connect(&wache, &QTimer::timeout, [this, &haengt] {
                        haengt = true;
                        W.Hilfe->hide();
                    });
                    wache.start(5000);
                    Form1->MenuHilfe->trigger();
                    if (haengt)
                        Stoerung = std::string(escape ? "Escape" : "its button") + " did not close the help window";
                }};
    }

    // The keys of play work in the active window: 1..8 choose a colour, S, W, G a key peg, the
    // arrows move the ring along the active row (in the marker box along its places), and Space
    // sets a peg where the ring stands, or presses the button that has the focus.
    Aktion Spieltaste(QWidget* fenster, Qt::Key taste)
    {
        const std::string name = QKeySequence(taste).toString().toStdString();
        return {"key " + name + " in " + fenster->objectName().toStdString(), [this, fenster, taste] {
                    if (!fenster->isVisible())
                        return;
                    QApplication::setActiveWindow(fenster);
                    const Spielbild& s = O.Soll();
                    const bool merker = fenster == W.Merker;
                    if (taste >= Qt::Key_1 && taste <= Qt::Key_8) {
                        if (s.PickerDa[taste - Qt::Key_1])
                            O.Farbwahl(taste - Qt::Key_1);
                    } else if (taste == Qt::Key_S || taste == Qt::Key_W || taste == Qt::Key_G) {
                        if (!merker && s.StiftPanelDa)
                            O.Stiftwahl(taste == Qt::Key_S ? 6 : taste == Qt::Key_W ? 7 : 8);
                    } else if (taste == Qt::Key_Space) {
                        const auto* knopf = qobject_cast<QPushButton*>(fenster->focusWidget());
                        if (knopf && knopf->isEnabled() && knopf->objectName() == QLatin1String("BitBtn3"))
                            return; // the careless player never closes the program
                        const std::string* bekannt = merker ? nullptr : O.FokusKnopf();
                        if (bekannt ? !bekannt->empty() : knopf && knopf->isEnabled()) {
                            O.Klick(bekannt ? *bekannt : knopf->objectName().toStdString());
                        } else if (QWidget* ziel = Gedrueckt(fenster)) {
                            Ansagen(ziel);
                        }
                    }
                    if (fenster == W.Haupt)
                        O.FokusBewegt(true); // the ring takes the focus where it stands
                    QTest::keyClick(fenster->focusWidget() ? fenster->focusWidget() : fenster, taste);
                }};
    }

    // What Space presses: the shape that has the focus, or where the ring stands when the focus is
    // on no other control; nullptr for nothing.
    QWidget* Gedrueckt(QWidget* fenster) const
    {
        QWidget* fokus = fenster->focusWidget();
        if (const auto* form = qobject_cast<const TShape*>(fokus); form && form->TakesInput())
            return fokus;
        if (fokus && fokus != fenster)
            return nullptr;
        return (fenster == W.Merker ? Form3->Tastatur : Form1->Tastatur).Current();
    }

    // Tells the model of a press on a shape that takes input.
    void Ansagen(QWidget* form)
    {
        for (int z = 1; z <= 12; ++z)
            for (int p = 0; p < 8; ++p)
                if (form == W.Stecker[z][p] || form == W.Stift[z][p])
                    return O.Loch(form == W.Stift[z][p], z, p);
        for (int i = 0; i < 8; ++i) {
            if (form == W.Picker[i])
                return O.Farbwahl(i);
            if (form == W.MerkerKreis[i])
                return O.Merkerkreis(i);
        }
        for (int8_t k = 0; k < 3; ++k)
            if (form == W.StiftWahl[k])
                return O.Stiftwahl(static_cast<int8_t>(6 + k));
    }

    // A peg of the active row set by the keyboard: the ring walked to its place, then Space.
    Aktion TastenLoch(int platz)
    {
        return {"keys to place " + std::to_string(platz), [this, platz] {
                    ++TastenRaten;
                    TFocusRing& ring = Form1->Tastatur;
                    const std::vector<TShape*> plaetze = ring.Places();
                    if (static_cast<size_t>(platz) >= plaetze.size())
                        return;
                    for (int k = 0; k < 10 && ring.Current() != plaetze[static_cast<size_t>(platz)]; ++k) {
                        const auto jetzt = std::find(plaetze.begin(), plaetze.end(), ring.Current());
                        Spieltaste(W.Haupt, jetzt - plaetze.begin() < platz ? Qt::Key_Right : Qt::Key_Left).Tun();
                    }
                    Spieltaste(W.Haupt, Qt::Key_Space).Tun();
                }};
    }

    // Presses on things that take no input.
    Aktion Nichts()
    {
        return {"press on nothing", [this] {
                    QWidget* ziele[] = {W.Wahl, W.StiftKreis, W.LoesungKreis[Zahl(8)]};
                    QWidget* ziel = ziele[Zahl(3)];
                    if (ziel->isVisible())
                        Druecken(ziel, Maustasten[Zahl(3)]);
                }};
    }

    // A new game begun and confirmed at once, while the last game's job may still be running.
    Aktion NeuUndOK()
    {
        return {"new game and OK at once", [this] {
                    ++NeuUndOKs;
                    Klick("NeuesSpiel_BitBtn").Tun();
                    Klick("EinstellungOK_BitBtn").Tun();
                }};
    }

    // --- plans: a game played, badly ---

    void Planen()
    {
        const Spielbild& s = O.Soll();
        if (s.DialogDa)
            return Einstellen();
        switch (O.Stand()) {
        case Orakel::Phase::MenschRaten:
            if (!Gezielt && Wurf(25))
                return Vorhaben.push_back(NeuUndOK());
            return Raten();
        case Orakel::Phase::ComputerWartet:
            return Antworten();
        case Orakel::Phase::ComputerRechnet:
            Vorhaben.push_back(!Gezielt && Wurf(6) ? NeuUndOK() : Warten(Zahl(20)));
            return;
        case Orakel::Phase::DemoLaeuft:
            Vorhaben.push_back(Wurf(12) ? Klick("NeuesSpiel_BitBtn") : Wurf(6) ? NeuUndOK() : Warten(Zahl(40)));
            return;
        default:
            if (s.LoesungDa && Wurf(2))
                Vorhaben.push_back(Klick("NeuesSpiel_BitBtn1"));
            else
                Vorhaben.push_back(Klick("NeuesSpiel_BitBtn"));
            return;
        }
    }

    // A game the run has not had yet, which half the time the player sets out to play.
    struct Ziel {
        bool Fehlt;
        int Modus, Farben, Felder;
        bool Frech, Luegen;
    };
    std::optional<Ziel> Fehlendes()
    {
        const Orakel::Erreicht& b = O.Bilanz;
        const Ziel ziele[] = {
            {b.Spiele[1][8][8] == 0 || b.Tief[1] == 0 || b.Zeile12Wieder == 0, 1, 8, 8, false, false},
            {b.Spiele[0][8][8] == 0 || b.Tief[0] == 0, 0, 8, 8, false, false},
            {b.LaengsteFrech < 6, 0, 6, 4, true, false},
            {b.Widersprueche == 0, 1, 3, 3, false, true},
            {b.MenschGewonnen == 0, 0, 2, 2, false, false},
            {b.ComputerGewonnen == 0, 1, 3, 3, false, false},
            {b.DemoFertig == 0, 2, 4, 4, false, false},
            {b.NeustartImJob == 0, 2, 8, 8, false, false}, // a long demo, to be broken off
        };
        std::vector<Ziel> fehlend;
        std::copy_if(std::begin(ziele), std::end(ziele), std::back_inserter(fehlend),
                     [](const Ziel& z) { return z.Fehlt; });
        if (fehlend.empty())
            return std::nullopt;
        return fehlend[Zahl(static_cast<int>(fehlend.size()))];
    }

    void Einstellen()
    {
        const std::optional<Ziel> ziel = Wurf(2) ? Fehlendes() : std::nullopt;
        const int modus = ziel ? ziel->Modus : Zahl(3);
        Vorhaben.push_back(Dialog(Spieler, modus));
        // Large boards, most of all for the computer: long games, up to row 12 and beyond.
        const bool gross = modus == 1 ? !Wurf(3) : Wurf(5);
        if (ziel || gross || Wurf(2))
            Vorhaben.push_back(Dialog(Farben, ziel ? ziel->Farben : gross ? 8 : 2 + Zahl(7)));
        if (ziel || gross || Wurf(2))
            Vorhaben.push_back(Dialog(Felder, ziel ? ziel->Felder : gross ? 8 : 2 + Zahl(7)));
        if (modus == 0)
            Vorhaben.push_back(Dialog(Frech, ziel ? ziel->Frech : !Wurf(3)));
        Gezielt = ziel.has_value();
        Luegen = ziel && ziel->Luegen;
        // The close box leaves without a game: often while the run has not used it yet, for the
        // timing of jobs makes the random path differ from run to run.
        if (!ziel && Wurf(O.Bilanz.DialogZu == 0 ? 2 : 8))
            Vorhaben.push_back(Dialog(Schliessen));
        else if (Wurf(4))
            Vorhaben.push_back(Taste(W.Dialog, TasteEnter));
        else
            Vorhaben.push_back(Klick("EinstellungOK_BitBtn"));
        MeinCode.clear();
    }

    void Raten()
    {
        const Spielbild& s = O.Soll();
        std::vector<int8_t> code = O.Geheimcode();
        // A game played for its length, or a cheeky one, is kept going before the secret is tried.
        const bool lang = (Gezielt || (s.FrechAn && s.n <= 6)) && s.Zeile < 10;
        if (lang || !Wurf(12)) {
            if (!LetzterRat.empty() && LetzterRat.size() == code.size() && Wurf(5))
                code = LetzterRat; // once more the same guess
            else
                for (auto& c : code)
                    c = static_cast<int8_t>(Zahl(s.F));
        }
        LetzterRat = code;
        std::vector<int> plaetze(code.size());
        std::iota(plaetze.begin(), plaetze.end(), 0);
        std::shuffle(plaetze.begin(), plaetze.end(), Zufall);
        if (Wurf(10))
            plaetze.pop_back(); // an incomplete row
        const bool tasten = Wurf(3);
        int gewaehlt = -1;
        for (int p : plaetze) {
            if (code[p] != gewaehlt || Wurf(4))
                Vorhaben.push_back(tasten ? Spieltaste(W.Haupt, static_cast<Qt::Key>(Qt::Key_1 + code[p]))
                                          : Farbwahl(code[p]));
            gewaehlt = code[p];
            Vorhaben.push_back(tasten ? TastenLoch(p) : Loch(false, 0, p));
        }
        Vorhaben.push_back(Wurf(3) ? Taste(W.Haupt, TasteEnter) : Klick("Pruefen_BitBtn"));
    }

    void Antworten()
    {
        const Spielbild& s = O.Soll();
        if (MeinCode.size() != static_cast<size_t>(s.n)) {
            MeinCode.resize(s.n);
            for (auto& c : MeinCode)
                c = static_cast<int8_t>(Zahl(s.F));
            Ausweichend = !Luegen && (s.F * s.n >= 64 || Wurf(2));
        }
        // An evasive player keeps changing the code in mind, always to one that fits every
        // answer so far, and to one whose answer leaves the most such codes: long games.
        if (Ausweichend) {
            std::vector<std::vector<int8_t>> codes;
            const bool gross = s.F * s.n >= 64;
            for (int k = 0; k < (gross ? 20 : 4); ++k) {
                uint8_t reihenfolge[8][8];
                for (auto& zeile : reihenfolge) {
                    std::iota(zeile, zeile + 8, 0);
                    std::shuffle(zeile, zeile + 8, Zufall);
                }
                O.Ausweichen(s.FarbCode, reihenfolge, codes.size() + (gross ? 20 : 10), codes);
            }
            int anzahl[9][9] = {}, groesste = 0;
            for (const auto& c : codes) {
                int b, w;
                Orakel::Bewerten(c.data(), s.FarbCode, s.n, b, w);
                if (++anzahl[b][w] > groesste) {
                    groesste = anzahl[b][w];
                    MeinCode = c;
                }
            }
        }
        int schwarz, weiss;
        Orakel::Bewerten(MeinCode.data(), s.FarbCode, s.n, schwarz, weiss);
        if (Luegen || Wurf(Ausweichend ? 20 : 5)) { // careless, or a lie on purpose: any answer at all
            schwarz = Zahl(s.n + 1);
            weiss = Zahl(s.n - schwarz + 1);
        }
        std::vector<int> plaetze(s.n);
        std::iota(plaetze.begin(), plaetze.end(), 0);
        std::shuffle(plaetze.begin(), plaetze.end(), Zufall);
        int8_t gewaehlt = 0;
        for (int k = 0; k < s.n; ++k) {
            const int8_t wert = k < schwarz ? 6 : k < schwarz + weiss ? 7 : 8;
            if (wert == 8 && !Wurf(3))
                continue;
            if (wert != gewaehlt || Wurf(4))
                Vorhaben.push_back(Stiftwahl(wert));
            gewaehlt = wert;
            Vorhaben.push_back(Loch(true, 0, plaetze[k]));
        }
        Vorhaben.push_back(Klick("FarbCodeGeprueft_BitBtn"));
    }

    // --- anything at all ---

    Aktion Zufaellig()
    {
        static const char* const knoepfe[] = {
            "Pruefen_BitBtn",      "FarbCodeGeprueft_BitBtn", "ZeigeFarbCode_BitBtn",          "NeuesSpiel_BitBtn",
            "FarbMekerBox_BitBnt", "NeuesSpiel_BitBtn1",      "FarbcodeMerkerBoxColse_BitBtn", "EinstellungOK_BitBtn"};
        const int zeile = Wurf(3) ? 0 : 1 + Zahl(12);
        switch (Zahl(16)) {
        case 0:
        case 1:
            return Loch(false, zeile, Zahl(8));
        case 2:
        case 3:
            return Loch(true, zeile, Zahl(8));
        case 4: {
            const bool stift = Wurf(2);
            const int z = 1 + Zahl(12);
            const Qt::MouseButton taste = Maustasten[Zahl(3)];
            return {"background of row " + std::to_string(z), [this, stift, z, taste] {
                        QWidget* ziel = stift ? W.StiftZeile[z] : Wurf(2) ? W.SteckerZeile[z] : W.Marke[z];
                        O.ZeilenGrund(z, stift);
                        O.FokusBewegt();
                        QTest::mousePress(ziel, taste, Qt::NoModifier, QPoint(2, 2));
                        QTest::mouseRelease(ziel, taste, Qt::NoModifier, QPoint(2, 2));
                    }};
        }
        case 5:
            return {"board", [this] {
                        O.Spielfeld();
                        Druecken(W.Spielfeld, Maustasten[Zahl(3)]);
                    }};
        case 6:
            return Farbwahl(Zahl(8));
        case 7:
            return Stiftwahl(static_cast<int8_t>(6 + Zahl(3)));
        case 8:
        case 9: {
            const std::string knopf = knoepfe[Zahl(8)];
            if (knopf == "NeuesSpiel_BitBtn" || knopf == "NeuesSpiel_BitBtn1")
                return Wurf(4) ? Klick(knopf) : Warten(0);
            return Klick(knopf);
        }
        case 10: {
            const int platz = Zahl(8);
            return {"marker circle " + std::to_string(platz), [this, platz] {
                        if (!O.Soll().MerkerDa || !O.Soll().MerkerPlatzDa[platz])
                            return;
                        O.Merkerkreis(platz);
                        Druecken(W.MerkerKreis[platz], Maustasten[Zahl(3)]);
                    }};
        }
        case 11: {
            const auto was = static_cast<Einstellung>(Zahl(4));
            return Dialog(was, was == Spieler ? Zahl(3) : was == Frech ? Zahl(2) : 2 + Zahl(7));
        }
        case 12: {
            QWidget* fenster[] = {W.Haupt, W.Haupt, W.Loesung, W.Merker, W.Dialog};
            QWidget* f = fenster[Zahl(5)];
            if (Wurf(2))
                return Taste(f, static_cast<Tasten>(Zahl(3)));
            // Tab to some control, then Enter.
            const int mal = 1 + Zahl(6);
            return {"Tab " + std::to_string(mal) + " times", [this, f, mal] {
                        for (int k = 0; k < mal && f->isVisible(); ++k)
                            QTest::keyClick(f->focusWidget() ? f->focusWidget() : f, Qt::Key_Tab);
                        if (f == W.Haupt)
                            O.FokusBewegt();
                        Taste(f, TasteEnter).Tun();
                    }};
        }
        case 13:
            if (Wurf(6))
                return Hilfe();
            if (Wurf(8))
                return Dialog(Schliessen);
            // The strong computer counts from the next game on; the model checks its guesses as any.
            if (Wurf(3))
                return {"strong computer",
                        [] { Form1->findChild<QAction*>(QStringLiteral("MenuStarkerComputer"))->trigger(); }};
            // The colour symbols only change how the pegs are drawn.
            return {"colour symbols", [] { Form1->findChild<QAction*>(QStringLiteral("MenuFarbsymbole"))->trigger(); }};
        case 14: {
            static const Qt::Key tasten[] = {Qt::Key_1, Qt::Key_2,    Qt::Key_3,     Qt::Key_4,     Qt::Key_5,
                                             Qt::Key_6, Qt::Key_7,    Qt::Key_8,     Qt::Key_S,     Qt::Key_W,
                                             Qt::Key_G, Qt::Key_Left, Qt::Key_Right, Qt::Key_Space, Qt::Key_Space};
            const Qt::Key taste = tasten[Zahl(15)];
            return Wurf(4) ? Spieltaste(W.Merker, taste) : Wurf(6) ? Nichts() : Spieltaste(W.Haupt, taste);
        }
        default:
            return Warten(Zahl(25));
        }
    }

    std::mt19937 Zufall;
    std::mt19937 Stichprobe; // apart, so that how often the set is looked at changes no action
    Fenster& W;
    std::deque<Aktion> Vorhaben;
    std::deque<std::string> Protokoll;
    std::vector<int8_t> LetzterRat;
    std::vector<int8_t> MeinCode; // the code the player thinks of in mode "Computer"
    bool Ausweichend = false;
    bool Gezielt = false; // the game is played for a kind the run has not had, and not left early
    bool Luegen = false;  // every answer made up, to be caught
};

constexpr int CILaenge = 4000; // actions in a run of the test suite

// What a run reached, printed on stdout. A run of the CI length must have reached every kind at
// least once; what is missing is named on stderr.
bool Bilanzieren(const Affe& affe, bool mussAllesErreichen)
{
    const Orakel::Erreicht& b = affe.O.Bilanz;
    struct Art {
        std::string Name;
        int Anzahl;
        int Mindestens = 1; // in a run of the CI length
    };
    std::vector<Art> arten;
    static const char* const modi[] = {"Mensch", "Computer", "Demo"};
    for (int m = 0; m < 3; ++m) {
        int alle = 0;
        std::string groessen;
        for (int f = 2; f <= 8; ++f) {
            for (int n = 2; n <= 8; ++n) {
                if (const int k = b.Spiele[m][f][n]) {
                    alle += k;
                    groessen += " " + std::to_string(f) + "x" + std::to_string(n) + ":" + std::to_string(k);
                }
            }
        }
        std::cout << "  " << modi[m] << " games by colours x places:" << groessen << "\n";
        arten.push_back({std::string(modi[m]) + " games", alle});
        // The demo plays well: deep or large demos are rare, and only counted.
        arten.push_back({std::string(modi[m]) + " games on 8 x 8", b.Spiele[m][8][8], m < 2});
        arten.push_back({std::string(modi[m]) + " games reaching row 9", b.Tief[m], m < 2});
    }
    arten.insert(arten.end(), {{"Mensch games won", b.MenschGewonnen},
                               {"Computer games won", b.ComputerGewonnen},
                               {"demos finished", b.DemoFertig},
                               {"contradictions", b.Widersprueche},
                               {"insults of Computer Frech", b.Frechheiten},
                               {"answers in the longest cheeky game", b.LaengsteFrech, 6},
                               {"guesses in row 12 used again", b.Zeile12Wieder},
                               {"new games while a job ran", b.NeustartImJob},
                               {"new game and OK in one turn", affe.NeuUndOKs},
                               {"settings left by the close box", b.DialogZu},
                               {"pegs set by keys", affe.TastenRaten},
                               {"help windows", affe.Hilfen, 0}});
    std::string fehlt;
    for (const Art& a : arten) {
        std::cout << "  " << a.Name << ": " << a.Anzahl << "\n";
        if (a.Anzahl < a.Mindestens)
            fehlt += "  " + a.Name + " (at least " + std::to_string(a.Mindestens) + ")\n";
    }
    std::cout.flush();
    if (!mussAllesErreichen || fehlt.empty())
        return true;
    std::cerr << "seed " << affe.Saat << " did not reach:\n" << fehlt;
    return false;
}

// Takes the program from its first settings dialog on; false when it did not start.
bool Beginnen(Fenster& fenster, Affe& affe)
{
    if (!Einstellungen_Form->Visible())
        Form1->NeuesSpiel_BitBtn->Click();
    if (!fenster.Vollstaendig || !QTest::qWaitFor([] { return SolverRuht(); }, 20000)) {
        std::cerr << "the program did not start\n";
        return false;
    }
    // Both sizes once moved, so that every window shows them, whatever ran before.
    for (QWidget* regler : {fenster.FarbenRegler, fenster.FelderRegler}) {
        const int wert = regler->property("Position").toInt();
        regler->setProperty("Position", wert == 8 ? 7 : 8);
        regler->setProperty("Position", wert);
    }
    affe.O.Uebernehmen(Lesen(fenster));
    return true;
}

// Up to `schritte` careless actions, each compared with the rules, or fewer when `genug` says so;
// false (the report on stderr) at the first that had another effect.
bool Spielen(
    Affe& affe, int schritte, const std::function<bool()>& genug = [] { return false; })
{
    for (int i = 0; i < schritte && !genug(); ++i) {
        // The event loop still answers.
        bool gelaufen = false;
        QTimer::singleShot(0, [&] { gelaufen = true; });
        if (!QTest::qWaitFor([&] { return gelaufen; }, 5000)) {
            std::cerr << "step " << i << ", seed " << affe.Saat << ": the event loop does not answer\n";
            return false;
        }
        if (!affe.Schauen(i))
            return false;
        affe.Schritt();
        if (!affe.Schauen(i))
            return false;
    }
    return true;
}

// The whole run; 0 when every action had the predicted effect and a run of the CI length reached
// every kind of game, else the report is on stderr.
int AffeSpielen()
{
    const int schritte = Umgebung("FARBENRATER_AFFE_SCHRITTE", CILaenge);
    const unsigned saat = static_cast<unsigned>(Umgebung("FARBENRATER_AFFE_SAAT", 20261207));
    ProgrammStarten();
    if (::testing::Test::HasFailure())
        return 1;
    Fenster fenster;
    Affe affe(saat, fenster);
    if (!Beginnen(fenster, affe) || !Spielen(affe, schritte))
        return 1;
    // Whatever was going on, the solver ends its job.
    WorkThread->AuftragStoppen();
    WorkThread->PhaseAbwarten();
    std::cout << "careless player, seed " << saat << ", " << schritte << " actions:\n";
    const bool erreicht = Bilanzieren(affe, schritte >= CILaenge);
    return SolverRuht() && erreicht ? 0 : 1;
}

// The ways out of the program: the main window's close box, its "Schließen" button, and
// Menü → Schließen.
const char* const Ausgaenge[] = {"close box", "Schliessen button", "Menue Schliessen"};

// The program as its entry point runs it, played carelessly for a while, if `imJob` on until a job
// runs, and then closed one way at a random moment; the moment is written to `zeitDatei`. Ends the
// process.
[[noreturn]] void AffeBeenden(unsigned saat, int ausgang, bool imJob, const std::string& zeitDatei)
{
    // Each program starts as on the very first day: no settings remembered from an earlier one.
    qputenv("XDG_CONFIG_HOME", qgetenv("FARBENRATER_TESTHEIM") + "/ende-" + QByteArray::number(saat));
    QTimer::singleShot(0, [saat, ausgang, imJob, zeitDatei] {
        if (!QTest::qWaitFor([] { return Einstellungen_Form->Visible(); }, 20000))
            std::_Exit(1);
        Fenster fenster;
        Affe affe(saat, fenster);
        if (!Beginnen(fenster, affe) || !Spielen(affe, affe.Zahl(400)) ||
            (imJob && !Spielen(affe, 4000, [] { return !SolverRuht(); })))
            std::_Exit(1);
        std::cout << "  seed " << saat << ": " << Ausgaenge[ausgang] << ", "
                  << (SolverRuht() ? "no job running" : "a job running") << "\n";
        QTimer::singleShot(affe.Zahl(imJob ? 3 : 40), [ausgang, zeitDatei] {
            std::ofstream(zeitDatei) << std::chrono::steady_clock::now().time_since_epoch().count();
            // A hang, not a slow machine: a minute after the close the process is ended by signal.
            alarm(60);
            if (ausgang == 0)
                Form1->close();
            else if (ausgang == 1)
                QTest::mouseClick(Form1->BitBtn3, Qt::LeftButton);
            else
                Form1->findChild<QAction*>(QStringLiteral("MenuClose"))->trigger();
        });
    });
    const int ergebnis = Farbenrater_Prj();
    std::fflush(nullptr);
    std::exit(WorkThread->Finished() ? ergebnis : 3);
}

} // namespace

// The careless player leaves the program in whatever state it reaches (a mode, open windows, the
// keyboard's ring in use), so it plays in a process of its own and later tests start afresh.
TEST(Affe, EveryCarelessActionHasTheEffectTheRulesPredict)
{
    ImEigenenProzess([] { EXPECT_EQ(AffeSpielen(), 0); });
}

// Wherever the careless player has got to, each way out ends the program with status 0; the time
// it took is reported (bench/Reaktion.cpp measures it). FARBENRATER_AFFE_ENDEN sets how many
// programs are closed.
TEST(Affe, ClosingAtARandomMomentEndsWithStatusZero)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const int anzahl = Umgebung("FARBENRATER_AFFE_ENDEN", 6);
    const unsigned saat = static_cast<unsigned>(Umgebung("FARBENRATER_AFFE_SAAT", 20261207));
    // The child reruns this test up to its own close; the place for the moments is handed down.
    if (!qEnvironmentVariableIsSet("FARBENRATER_AFFE_ZEITEN"))
        qputenv("FARBENRATER_AFFE_ZEITEN",
                QDir::temp().filePath(QStringLiteral("farbenrater-enden-%1-").arg(getpid())).toLocal8Bit());
    const std::string zeiten = qgetenv("FARBENRATER_AFFE_ZEITEN").toStdString();
    std::vector<std::chrono::steady_clock::time_point> enden(anzahl);
    for (int k = 0; k < anzahl; ++k) {
        EXPECT_EXIT(AffeBeenden(saat + k, k % 3, k / 3 % 2 == 1, zeiten + std::to_string(k)),
                    ::testing::ExitedWithCode(0), "")
            << Ausgaenge[k % 3] << ", seed " << saat + k;
        enden[k] = std::chrono::steady_clock::now();
    }
    // Read once all have run: a child never gets this far.
    int geschlossen[3] = {};
    std::chrono::steady_clock::duration laengste{};
    for (int k = 0; k < anzahl; ++k) {
        const std::string datei = zeiten + std::to_string(k);
        std::int64_t moment = 0;
        const bool gelesen = static_cast<bool>(std::ifstream(datei) >> moment);
        std::remove(datei.c_str());
        if (!gelesen) {
            ADD_FAILURE() << Ausgaenge[k % 3] << ", seed " << saat + k << ": the program ended before it was closed";
            continue;
        }
        const auto dauer =
            enden[k] - std::chrono::steady_clock::time_point(std::chrono::steady_clock::duration(moment));
        ++geschlossen[k % 3];
        laengste = std::max(laengste, dauer);
    }
    // However the programs ended, the record they shared is whole.
    QFile archiv(qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/farbenrater/spiele.json"));
    if (archiv.open(QIODevice::ReadOnly)) {
        EXPECT_EQ(QJsonDocument::fromJson(archiv.readAll())[QStringLiteral("version")].toInt(), 1);
    }
    std::cout << "closed:";
    for (int a = 0; a < 3; ++a)
        std::cout << " " << Ausgaenge[a] << " " << geschlossen[a] << ",";
    std::cout << " the longest way out took " << std::chrono::duration_cast<std::chrono::milliseconds>(laengste).count()
              << " ms\n";
}
