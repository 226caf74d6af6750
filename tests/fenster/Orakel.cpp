// SPDX-License-Identifier: GPL-3.0-or-later
#include "Orakel.h"

#include <algorithm>
#include <functional>
#include <sstream>

namespace {

constexpr uint32_t Grau = 0x808080;
constexpr uint32_t Schwarz = 0x000000;
constexpr uint32_t Weiss = 0xFFFFFF;
constexpr uint32_t Rot = 0x0000FF;
constexpr uint32_t Knopfgrau = 0x8000000F; // the system colour of a button face
constexpr int8_t Leer = -1;

// The secret, the demo's guesses and the picker paint green as 0x00FF80; the computer's guesses
// in mode "Computer" as 0x00FF00.
constexpr uint32_t Farbe[8] = {0x0000FF, 0x00FFFF, 0x00FF80, 0xFF0000, 0xFF00FF, 0xFFFF00, 0x000000, 0xFFFFFF};
constexpr uint32_t ComputerFarbe[8] = {0x0000FF, 0x00FFFF, 0x00FF00, 0xFF0000, 0xFF00FF, 0xFFFF00, 0x000000, 0xFFFFFF};

constexpr const char* TextNeu = "Neues Spiel";
constexpr const char* TextMensch = "Spieler Mensch.\n\nMensch gegen Computer.";
constexpr const char* TextComputer = "Spieler Computer.\n\nComputer gegen Mensch.";
constexpr const char* TextDemo = "Demo Spiel.\n\nComuter gegen Computer.";
constexpr const char* TextDemoStart = "Demo Spiel.\n\nComuter gegen Computer.\n\nBitte warten.";
constexpr const char* TextGeloest = "Spieler: Mensch\n\nSie haben den Code Gelöst.";
constexpr const char* TextRaet = "Spieler: Computer.\nBitte Farbcode überprüfen.\nSchwarze und weisse Steine "
                                 "setzen.\nAuf\n[Mensch Geprüft]\nclicken.";
constexpr const char* TextRechnet = "Spieler: Computer.\nBitte warten.\nFühre Berchnungen durch.";
constexpr const char* TextGewonnen = "Spieler: Computer\nIch habe Gewonnen.";
constexpr const char* TextBetrogen = "Spieler: Computer.\nSie haben\nbetrogen!.\nEs ist keine Lösung\nmehr möglich!";
constexpr const char* TextFertig = "Demo Spiele.\n\nComuter gegen Computer.\n\nFertig!";
constexpr const char* TitelWahl = "FarbwahlBox (clicke auf ein Quadraht)";
constexpr const char* TitelMensch = "FarbWahlBox (clicke auf ein Quadraht)";
constexpr const char* TitelFarben = "Mögliche Farben";
constexpr const char* TitelFraben = "Mögliche Fraben";
constexpr const char* Gesperrt = "Diese Zeile ist gesperrt.";

std::string Code(const int8_t* code, int n)
{
    std::string text;
    for (int p = 0; p < n; ++p)
        text += static_cast<char>(code[p] < 0 ? '-' : '0' + code[p]);
    return text;
}

int32_t Potenz(int32_t basis, int32_t exponent)
{
    int32_t wert = 1;
    for (int i = 0; i < exponent; ++i)
        wert *= basis;
    return wert;
}

} // namespace

std::string Zeigen(const std::string& text)
{
    std::string aus = "\"";
    for (char c : text)
        aus += c == '\n' ? std::string("\\n") : std::string(1, c);
    return aus + "\"";
}
std::string Zeigen(bool wert)
{
    return wert ? "true" : "false";
}
std::string Zeigen(int wert)
{
    return std::to_string(wert);
}
std::string Zeigen(uint32_t wert)
{
    std::ostringstream text;
    text << "0x" << std::hex << wert;
    return text.str();
}

void Orakel::Bewerten(const int8_t* geheim, const int8_t* rate, int n, int& schwarz, int& weiss)
{
    unsigned menge = 0;
    for (int p = 0; p < n; ++p)
        menge |= 1u << geheim[p];
    schwarz = weiss = 0;
    for (int p = 0; p < n; ++p) {
        if (rate[p] == geheim[p])
            ++schwarz;
        else if (menge >> rate[p] & 1u)
            ++weiss;
    }
}

void Orakel::Uebernehmen(const Spielbild& ist)
{
    S = ist;
    P = Phase::Neu;
    Antworten.clear();
    Geheim.clear();
    CodeLesen = FortschrittOffen = AlteDemoOffen = false;
    FokusOffen = true;
}

// ---------------------------------------------------------------------------------------------
// Small steps of the game

void Orakel::Melden(const char* text)
{
    S.Meldung = text;
}

void Orakel::ZeilenSperren()
{
    for (int z = 1; z <= 12; ++z)
        S.SteckerZeileAn[z] = S.StiftZeileAn[z] = false;
}

void Orakel::BrettLeeren()
{
    for (int z = 0; z <= 12; ++z) {
        for (int p = 0; p < 8; ++p) {
            S.SteckerFeld[z][p] = S.StiftFeld[z][p] = Leer;
            if (z > 0)
                S.Stecker[z][p] = S.Stift[z][p] = Grau;
        }
        S.Marke[z] = Knopfgrau;
    }
}

void Orakel::ZeileWeiter()
{
    if (S.Zeile < 12)
        ++S.Zeile;
    TiefeZaehlen();
    if (S.Zeile == 9)
        S.Scroll = 212;
    S.Marke[S.Zeile - 1] = Knopfgrau;
    S.Marke[S.Zeile] = Rot;
}

// A game counts once when its active row reaches row 9.
void Orakel::TiefeZaehlen()
{
    if (S.Zeile >= 9 && !TiefGezaehlt) {
        TiefGezaehlt = true;
        ++Bilanz.Tief[S.Modus];
    }
}

// A guess is placed in the active row for good: scored, or shown by the computer.
void Orakel::ZeileBelegt()
{
    if (S.Zeile == 12) {
        Bilanz.Zeile12Wieder += Zeile12Belegt;
        Zeile12Belegt = true;
    }
}

void Orakel::MerkerZeigen()
{
    if (S.MerkerDa)
        return;
    S.MerkerDa = true;
    S.GruppeAn = true;
    S.WahlDa = true;
    S.GruppeTitel = TitelWahl;
}

void Orakel::MerkerVerbergen()
{
    if (!S.MerkerDa)
        return;
    S.MerkerDa = false;
    if (S.Modus == 1 || S.Modus == 2) {
        S.GruppeAn = false;
        S.WahlDa = false;
        S.GruppeTitel = TitelFarben;
    }
}

void Orakel::DialogZeigen()
{
    if (S.DialogDa)
        return;
    S.DialogDa = true;
    S.NeuesAn = false;
    if (S.Modus == 1)
        MerkerZeigen();
}

int32_t Orakel::Anzahl() const
{
    return Potenz(S.F, S.n);
}

int32_t Orakel::Index(const int8_t* code) const
{
    int32_t index = 0;
    for (int p = S.n - 1; p >= 0; --p)
        index = index * S.F + code[p];
    return index;
}

Orakel::Antwort Orakel::Aufnehmen(const int8_t* rate, int schwarz, int weiss) const
{
    Antwort a{};
    std::copy(rate, rate + S.n, a.Code);
    a.Schwarz = schwarz;
    a.Weiss = weiss;
    for (int p = 0; p < S.n; ++p)
        ++a.Anzahl[rate[p]];
    return a;
}

bool Orakel::Passt(const int8_t* code) const
{
    for (const Antwort& a : Antworten) {
        int schwarz, weiss;
        Bewerten(code, a.Code, S.n, schwarz, weiss);
        if (schwarz != a.Schwarz || weiss != a.Weiss)
            return false;
    }
    return true;
}

bool Orakel::KandidatVorhanden() const
{
    int8_t code[8] = {};
    return Suchen(code, 0, 0u, nullptr, std::vector<int>(2 * Antworten.size()).data(),
                  [](const int8_t*) { return true; });
}

void Orakel::Ausweichen(const int8_t* rate, const uint8_t (&reihenfolge)[8][8], size_t grenze,
                        std::vector<std::vector<int8_t>>& codes) const
{
    int8_t code[8] = {};
    Suchen(code, 0, 0u, reihenfolge, std::vector<int>(2 * Antworten.size()).data(), [&](const int8_t* c) {
        if (!std::equal(c, c + S.n, rate))
            codes.emplace_back(c, c + S.n);
        return codes.size() >= grenze;
    });
}

// Place by place, each code that fits every answer handed to `gefunden` until it says enough;
// keeping for every answer the black pegs so far and the guess places whose colour
// the code already holds (under the rule that number is black + white, and it only grows as
// colours are added). A beginning is given up as soon as some answer can no longer come out.
bool Orakel::Suchen(int8_t* code, int platz, unsigned menge, const uint8_t (*reihenfolge)[8], const int* stand,
                    const std::function<bool(const int8_t*)>& gefunden) const
{
    const int n = S.n;
    const size_t m = Antworten.size();
    for (size_t i = 0; i < m; ++i) {
        const Antwort& a = Antworten[i];
        const int schwarz = stand[2 * i], drin = stand[2 * i + 1];
        if (schwarz > a.Schwarz || schwarz + (n - platz) < a.Schwarz || drin > a.Schwarz + a.Weiss)
            return false;
        // At most one new colour per place still free, the most frequent ones first.
        unsigned genommen = menge;
        int hoechstens = drin;
        for (int frei = n - platz; frei > 0; --frei) {
            int beste = -1;
            for (int f = 0; f < 8; ++f)
                if (!(genommen >> f & 1u) && (beste < 0 || a.Anzahl[f] > a.Anzahl[beste]))
                    beste = f;
            if (beste < 0 || a.Anzahl[beste] == 0)
                break;
            hoechstens += a.Anzahl[beste];
            genommen |= 1u << beste;
        }
        if (hoechstens < a.Schwarz + a.Weiss)
            return false;
    }
    if (platz == n)
        return gefunden(code);
    std::vector<int> weiter(2 * m);
    for (int k = 0; k < 8; ++k) {
        const int f = reihenfolge ? reihenfolge[platz][k] : k;
        if (f >= S.F)
            continue;
        code[platz] = static_cast<int8_t>(f);
        for (size_t i = 0; i < m; ++i) {
            weiter[2 * i] = stand[2 * i] + (Antworten[i].Code[platz] == f);
            weiter[2 * i + 1] = stand[2 * i + 1] + (menge >> f & 1u ? 0 : Antworten[i].Anzahl[f]);
        }
        if (Suchen(code, platz + 1, menge | 1u << f, reihenfolge, weiter.data(), gefunden))
            return true;
    }
    return false;
}

bool Orakel::KandidatenBekannt() const
{
    switch (P) {
    case Phase::MenschRaten:
    case Phase::MenschGewonnen:
    case Phase::ComputerWartet:
    case Phase::ComputerGewonnen:
    case Phase::ComputerBetrogen:
        return !FortschrittOffen && !CodeLesen;
    default:
        return false;
    }
}

std::vector<int32_t> Orakel::Beantwortet() const
{
    std::vector<int32_t> indizes;
    for (const Antwort& a : Antworten)
        indizes.push_back(Index(a.Code));
    return indizes;
}

bool Orakel::Kandidat(int32_t index) const
{
    int8_t code[8];
    for (int p = 0; p < S.n; ++p) {
        code[p] = static_cast<int8_t>(index % S.F);
        index /= S.F;
    }
    return Passt(code);
}

// ---------------------------------------------------------------------------------------------
// The player's actions

void Orakel::Spielfeld()
{
    // The board panel runs the key-peg handler of row 6 with itself as sender: no hole of row 6.
    Melden(S.Zeile == 6 ? "" : Gesperrt);
}

void Orakel::Loch(bool stift, int zeile, int platz)
{
    if (!(stift ? S.StiftZeileAn : S.SteckerZeileAn)[zeile])
        return Spielfeld();
    if (S.Zeile != zeile)
        return Melden(Gesperrt);
    Melden("");
    (stift ? S.Stift : S.Stecker)[zeile][platz] = stift ? S.StiftFarbe : S.SteckerFarbe;
    (stift ? S.StiftFeld : S.SteckerFeld)[zeile][platz] =
        static_cast<int8_t>(stift ? S.StiftFarbIndex : S.SteckerFarbIndex);
}

void Orakel::ZeilenGrund(int zeile, bool stift)
{
    if (!(stift ? S.StiftZeileAn[zeile] : S.SteckerZeileAn[zeile]))
        Spielfeld();
}

void Orakel::Farbwahl(int farbe)
{
    // Inside a disabled group the squares take no press.
    if (!S.GruppeAn)
        return;
    S.Wahl = S.SteckerFarbe = Farbe[farbe];
    S.SteckerFarbIndex = farbe;
}

void Orakel::Stiftwahl(int8_t wert)
{
    S.StiftFarbIndex = wert;
    S.StiftFarbe = S.StiftWahl = wert == 6 ? Schwarz : wert == 7 ? Weiss : Grau;
}

void Orakel::Merkerkreis(int platz)
{
    S.Merker[platz] = S.SteckerFarbe;
}

// The buttons the player clicks: when each takes a click, and what it does.
const Orakel::Knopf* Orakel::KnopfSuchen(const std::string& name)
{
    static const Knopf knoepfe[] = {
        {"Pruefen_BitBtn", &Spielbild::PruefenAn, &Orakel::Pruefen},
        {"FarbCodeGeprueft_BitBtn", &Spielbild::GeprueftAn, &Orakel::Geprueft},
        {"ZeigeFarbCode_BitBtn", &Spielbild::ZeigeAn, &Orakel::LoesungZeigen},
        {"NeuesSpiel_BitBtn", &Spielbild::NeuesAn, &Orakel::NeuesSpiel},
        {"FarbMekerBox_BitBnt", &Spielbild::MerkerKnopfAn, &Orakel::MerkerZeigen},
        {"NeuesSpiel_BitBtn1", &Spielbild::LoesungDa, &Orakel::LoesungNeuesSpiel},
        {"FarbcodeMerkerBoxColse_BitBtn", &Spielbild::MerkerDa, &Orakel::MerkerVerbergen},
        {"EinstellungOK_BitBtn", &Spielbild::DialogDa, &Orakel::OK},
    };
    for (const Knopf& k : knoepfe) {
        if (name == k.Name)
            return &k;
    }
    return nullptr;
}

bool Orakel::KnopfAn(const std::string& knopf) const
{
    const Knopf* k = KnopfSuchen(knopf);
    return k && S.*k->An;
}

void Orakel::Klick(const std::string& knopf)
{
    if (const Knopf* k = KnopfSuchen(knopf); k && S.*k->An)
        (this->*k->Tun)();
    FokusRegel();
}

void Orakel::Mausklick(const std::string& knopf)
{
    static const std::string hauptknoepfe[] = {"Pruefen_BitBtn", "FarbCodeGeprueft_BitBtn", "ZeigeFarbCode_BitBtn",
                                               "NeuesSpiel_BitBtn", "FarbMekerBox_BitBnt"};
    if (KnopfAn(knopf) &&
        std::find(std::begin(hauptknoepfe), std::end(hauptknoepfe), knopf) != std::end(hauptknoepfe)) {
        S.Fokus = knopf;
        FokusOffen = false;
    }
    Klick(knopf);
}

void Orakel::FokusBewegt(bool ring)
{
    FokusOffen = true;
    RingBenutzt = RingBenutzt || ring;
}

void Orakel::FokusRegel()
{
    // A focused button that is disabled leaves the focus on its window.
    if (!FokusOffen && KnopfSuchen(S.Fokus) && !KnopfAn(S.Fokus))
        S.Fokus = "Form1";
}

const std::string* Orakel::FokusKnopf() const
{
    static const std::string keiner;
    if (FokusOffen)
        return nullptr;
    return KnopfSuchen(S.Fokus) ? &S.Fokus : &keiner;
}

void Orakel::LoesungZeigen()
{
    S.LoesungDa = true;
}

void Orakel::LoesungNeuesSpiel()
{
    S.LoesungDa = false;
    NeuesSpiel();
}

void Orakel::Enter(const std::string& fenster, std::string fokusKnopf)
{
    if (const std::string* bekannt = FokusKnopf(); bekannt && fenster == "Form1")
        fokusKnopf = *bekannt;
    if (!fokusKnopf.empty() && KnopfAn(fokusKnopf))
        return Klick(fokusKnopf);
    if (fenster == "Form1") // checks the row, or sends the answer: only one of them is enabled
        Klick(KnopfAn("Pruefen_BitBtn") ? "Pruefen_BitBtn" : "FarbCodeGeprueft_BitBtn");
    else if (fenster == "Einstellungen_Form")
        Klick("EinstellungOK_BitBtn");
}

void Orakel::Escape(const std::string& fenster)
{
    if (fenster == "Form3")
        Klick("FarbcodeMerkerBoxColse_BitBtn");
}

void Orakel::Pruefen()
{
    S.Schwarz = S.Weiss = 0;
    const int z = S.Zeile;
    for (int p = 0; p < S.n; ++p) {
        if (S.SteckerFeld[z][p] < 0)
            return Melden("Es müssen alle Felder besetzt sein.");
    }
    ZeileBelegt();
    int schwarz, weiss;
    Bewerten(Geheim.data(), S.SteckerFeld[z], S.n, schwarz, weiss);
    S.Schwarz = schwarz;
    S.Weiss = weiss;
    for (int p = 0; p < S.n; ++p)
        S.Stift[z][p] = p < schwarz ? Schwarz : p < schwarz + weiss ? Weiss : Grau;
    if (schwarz == S.n) {
        // The game is over: no row takes a peg any more.
        S.Info = TextGeloest;
        S.PruefenAn = false;
        ZeilenSperren();
        P = Phase::MenschGewonnen;
        ++Bilanz.MenschGewonnen;
        return;
    }
    if (S.FrechAn && S.n <= 6) {
        const bool moeglich = Passt(S.SteckerFeld[z]);
        Melden(moeglich ? "" : "*** Blödmann! *** Dieser Farbcode ist nicht mehr möglich.");
        Antworten.push_back(Aufnehmen(S.SteckerFeld[z], schwarz, weiss));
        Bilanz.Frechheiten += !moeglich;
        Bilanz.LaengsteFrech = std::max(Bilanz.LaengsteFrech, static_cast<int>(Antworten.size()));
        FortschrittOffen = true;
    } else if (!S.FrechAn) {
        Melden("");
    }
    ZeileWeiter();
}

void Orakel::Geprueft()
{
    S.Kombinationen = Anzahl();
    S.GeprueftAn = false;
    int schwarz = 0, weiss = 0;
    for (int p = 0; p < S.n; ++p) {
        schwarz += S.StiftFeld[S.Zeile][p] == 6;
        weiss += S.StiftFeld[S.Zeile][p] == 7;
    }
    S.Schwarz = schwarz;
    S.Weiss = weiss;
    // The answer stands: its row takes no key peg until the next guess is shown.
    for (int z = 1; z <= 12; ++z)
        S.StiftZeileAn[z] = false;
    if (schwarz == S.n) {
        S.Info = TextGewonnen;
        ZeilenSperren();
        P = Phase::ComputerGewonnen;
        ++Bilanz.ComputerGewonnen;
        return;
    }
    Antworten.push_back(Aufnehmen(S.FarbCode, schwarz, weiss));
    S.Info = TextRechnet;
    FortschrittOffen = true;
    P = Phase::ComputerRechnet;
}

void Orakel::NeuesSpiel()
{
    if (P == Phase::DemoLaeuft)
        AlteDemoOffen = true;
    Bilanz.NeustartImJob += FortschrittOffen;
    FortschrittOffen = false;
    S.Fortschritt = 0;
    S.PruefenAn = S.GeprueftAn = S.ZeigeAn = false;
    S.Info = TextNeu;
    ZeilenSperren();
    S.LoesungDa = false;
    DialogZeigen();
    S.StiftFarbe = S.StiftWahl = Schwarz;
    S.StiftFarbIndex = 6;
    Melden("Komm und Spiel mit mir.");
    S.Scroll = 0;
    S.Zeile = 1;
    S.Schwarz = S.Weiss = 0;
    P = Phase::Neu;
}

void Orakel::Spieler(int modus)
{
    if (modus == S.Spieler)
        return; // the item already chosen: a click changes nothing
    S.Spieler = modus;
    switch (modus) {
    case 0:
        S.Info = TextMensch;
        MerkerVerbergen();
        S.WahlDa = true;
        S.GruppeAn = true;
        S.GruppeTitel = TitelMensch;
        if (S.n < 7)
            S.FrechDa = true;
        break;
    case 1:
        S.Info = TextComputer;
        MerkerZeigen();
        S.StiftPanelDa = true;
        S.FrechDa = false;
        break;
    default:
        S.Info = TextDemo;
        MerkerVerbergen();
        S.GruppeTitel = TitelFarben;
        S.WahlDa = false;
        S.StiftPanelDa = false;
        S.FrechDa = false;
        break;
    }
    S.Modus = modus;
}

void Orakel::Farben(int farben)
{
    if (farben == S.F)
        return;
    S.F = S.FarbenRegler = farben;
    S.FarbenText = std::to_string(farben);
    S.SteckerFarbe = S.Wahl = Rot;
    S.SteckerFarbIndex = 0;
    for (int i = 0; i < 8; ++i)
        S.PickerDa[i] = i < farben;
}

void Orakel::Felder(int felder)
{
    if (felder == S.n)
        return;
    S.n = S.FelderRegler = felder;
    S.FelderText = std::to_string(felder);
    if (felder > 6)
        S.FrechAn = S.FrechDa = false;
    else if (S.Modus == 0)
        S.FrechDa = true;
    for (int p = 0; p < 8; ++p) {
        S.LoesungPlatzDa[p] = S.MerkerPlatzDa[p] = p < felder;
        for (int z = 1; z <= 12; ++z)
            S.SteckerDa[z][p] = S.StiftDa[z][p] = p < felder;
    }
}

void Orakel::Frech()
{
    S.FrechAn = !S.FrechAn;
}

void Orakel::DialogSchliessen()
{
    // No game starts; the way back to the dialog stays open.
    S.DialogDa = false;
    S.NeuesAn = true;
    ++Bilanz.DialogZu;
}

void Orakel::OK()
{
    // The last game's job has ended before anything of the new game is written.
    AlteDemoOffen = false;
    Antworten.clear();
    ++Bilanz.Spiele[S.Modus][S.F][S.n];
    TiefGezaehlt = Zeile12Belegt = false;
    S.Kombinationen = Anzahl();
    switch (S.Modus) {
    case 0:
        S.Info = TextMensch;
        MerkerVerbergen();
        S.WahlDa = true;
        S.StiftPanelDa = false;
        S.PruefenAn = S.ZeigeAn = S.GruppeAn = true;
        S.GruppeTitel = TitelMensch;
        for (int z = 1; z <= 12; ++z) {
            S.SteckerZeileAn[z] = true;
            S.StiftZeileAn[z] = false;
        }
        BrettLeeren();
        S.Marke[S.Zeile] = Rot;
        P = Phase::MenschRaten;
        break;
    case 1:
        S.Info = TextComputer;
        if (!S.MerkerDa)
            S.WahlDa = S.GruppeAn = false;
        S.StiftPanelDa = true;
        S.ZeigeAn = false;
        S.GruppeTitel = TitelFraben;
        for (int z = 1; z <= 12; ++z) {
            S.SteckerZeileAn[z] = false;
            S.StiftZeileAn[z] = true;
        }
        S.GeprueftAn = true;
        BrettLeeren();
        S.Marke[S.Zeile] = Rot;
        S.Info = TextRaet;
        P = Phase::ComputerWartet;
        break;
    default:
        S.Info = TextDemoStart;
        MerkerVerbergen();
        S.WahlDa = S.StiftPanelDa = S.GruppeAn = false;
        S.GruppeTitel = TitelFarben;
        ZeilenSperren();
        S.ZeigeAn = true;
        BrettLeeren();
        S.Zeile = 1;
        Melden("Bitte warten");
        FortschrittOffen = true;
        P = Phase::DemoLaeuft;
        break;
    }
    CodeLesen = true;
    S.DialogDa = false;
    S.NeuesAn = true;
    S.Fortschritt = 0;
}

// ---------------------------------------------------------------------------------------------
// What the program decides on its own

void Orakel::Einholen(const Spielbild& ist, std::vector<std::string>& fehler)
{
    SpielEinholen(ist, fehler);
    FokusRegel();
    if (RingBenutzt && ist.Fokus == "peg")
        FokusOffen = true; // the ring moved with the row and took the focus along
    if (FokusOffen) {
        // Moved by Tab or the ring: anywhere, but never onto a button out of reach.
        if (KnopfSuchen(ist.Fokus) && !KnopfAn(ist.Fokus))
            fehler.push_back("the focus went to " + ist.Fokus + ", which is disabled");
        S.Fokus = ist.Fokus;
        FokusOffen = ist.Fokus == "peg";
    }
}

void Orakel::SpielEinholen(const Spielbild& ist, std::vector<std::string>& fehler)
{
    if (CodeLesen) {
        // The code just drawn: the secret, or in mode "Computer" its first guess.
        CodeLesen = false;
        for (int p = 0; p < S.n; ++p) {
            if (ist.FarbCode[p] < 0 || ist.FarbCode[p] >= S.F)
                fehler.push_back("drawn code " + Code(ist.FarbCode, S.n) + " uses a colour out of play");
        }
        if (!fehler.empty())
            return;
        std::copy(ist.FarbCode, ist.FarbCode + S.n, S.FarbCode);
        S.CodeIndex = Index(S.FarbCode);
        if (S.Modus == 1) {
            for (int p = 0; p < S.n; ++p)
                S.Stecker[1][p] = ComputerFarbe[S.FarbCode[p]];
        } else {
            Geheim.assign(S.FarbCode, S.FarbCode + S.n);
            for (int p = 0; p < S.n; ++p)
                S.Loesung[p] = Farbe[S.FarbCode[p]];
        }
    }

    // The worker's result and the end of its job reach the windows in one step.
    if (P == Phase::ComputerRechnet && ist.SolverRuht && ist.Info == TextRechnet)
        return fehler.push_back("the answer was never worked on");
    if (P == Phase::DemoLaeuft && ist.SolverRuht && ist.Info != TextFertig)
        return fehler.push_back("the demo ended without its closing");
    if (P == Phase::ComputerRechnet && ist.Info == TextRaet && ist.Zeile == std::min(S.Zeile + 1, 12)) {
        int8_t code[8] = {};
        std::copy(ist.FarbCode, ist.FarbCode + S.n, code);
        for (int p = 0; p < S.n; ++p) {
            if (code[p] < 0 || code[p] >= S.F)
                return fehler.push_back("next guess " + Code(code, S.n) + " uses a colour out of play");
        }
        if (!Passt(code))
            return fehler.push_back("next guess " + Code(code, S.n) + " does not fit the answers given");
        std::copy(code, code + 8, S.FarbCode);
        S.CodeIndex = Index(code);
        ZeileWeiter();
        ZeileBelegt();
        for (int p = 0; p < 8; ++p) {
            if (p < S.n)
                S.Stecker[S.Zeile][p] = ComputerFarbe[code[p]];
            // Row 12, used again, starts its key pegs from gray.
            S.Stift[S.Zeile][p] = Grau;
            S.StiftFeld[S.Zeile][p] = Leer;
        }
        for (int z = 1; z <= 12; ++z)
            S.StiftZeileAn[z] = true;
        S.Info = TextRaet;
        S.GeprueftAn = true;
        S.Fortschritt = 100;
        FortschrittOffen = false;
        P = Phase::ComputerWartet;
    } else if (P == Phase::ComputerRechnet && ist.Info == TextBetrogen && ist.Zeile == S.Zeile) {
        if (KandidatVorhanden())
            return fehler.push_back("contradiction reported, but a code fits every answer");
        Melden("Sie haben eine falsche Angabe gemacht");
        S.Info = TextBetrogen;
        S.GeprueftAn = false;
        S.Fortschritt = 100;
        FortschrittOffen = false;
        P = Phase::ComputerBetrogen;
        ++Bilanz.Widersprueche;
    } else if (P == Phase::DemoLaeuft) {
        DemoEinholen(ist, fehler);
    } else if ((P == Phase::MenschRaten || P == Phase::MenschGewonnen) && FortschrittOffen && ist.SolverRuht) {
        S.Fortschritt = 100;
        FortschrittOffen = false;
    }

    if (AlteDemoOffen && ist.SolverRuht) {
        // The stopped demo has closed; its text and full bar stand until something replaces them.
        AlteDemoOffen = false;
        if (ist.Info == TextFertig)
            S.Info = TextFertig;
        if (ist.Fortschritt == 100)
            S.Fortschritt = 100;
    }
}

// The demo plays on its own: its rows so far must be a game under the rules, each guess scored
// against the secret and fitting every answer above it.
void Orakel::DemoEinholen(const Spielbild& ist, std::vector<std::string>& fehler)
{
    const int n = S.n;
    int gespielt = 0;
    while (gespielt < 12 && ist.SteckerFeld[gespielt + 1][0] >= 0)
        ++gespielt;
    const size_t vorher = fehler.size();
    std::vector<Antwort> oben;
    for (int z = 1; z <= 12; ++z) {
        const std::string zeile = "demo row " + std::to_string(z);
        const int8_t* code = ist.SteckerFeld[z];
        int schwarz = 0, weiss = 0;
        if (z <= gespielt) {
            for (int p = 0; p < n; ++p) {
                if (code[p] < 0 || code[p] >= S.F)
                    fehler.push_back(zeile + " holds " + Code(code, n));
            }
            if (fehler.size() > vorher)
                return;
            Bewerten(Geheim.data(), code, n, schwarz, weiss);
            for (const Antwort& a : oben) {
                int s, w;
                Bewerten(code, a.Code, n, s, w);
                if (s != a.Schwarz || w != a.Weiss)
                    fehler.push_back(zeile + ": guess " + Code(code, n) + " contradicts the answer to " +
                                     Code(a.Code, n));
            }
            oben.push_back(Aufnehmen(code, schwarz, weiss));
        }
        for (int p = 0; p < 8; ++p) {
            const bool steckt = z <= gespielt && p < n;
            const int8_t stift = !steckt ? Leer : p < schwarz ? 6 : p < schwarz + weiss ? 7 : Leer;
            const std::string platz = zeile + " place " + std::to_string(p);
            if (!steckt)
                Gleich(fehler, platz + " code peg", -1, static_cast<int>(code[p]));
            Gleich(fehler, platz + " code peg colour", steckt ? Farbe[code[p]] : Grau, ist.Stecker[z][p]);
            Gleich(fehler, platz + " key peg", static_cast<int>(stift), static_cast<int>(ist.StiftFeld[z][p]));
            Gleich(fehler, platz + " key peg colour",
                   stift == 6   ? Schwarz
                   : stift == 7 ? Weiss
                                : Grau,
                   ist.Stift[z][p]);
        }
    }
    const bool fertig = ist.Info == TextFertig;
    const int letzte = std::max(gespielt, 1);
    if (ist.Zeile != letzte && ist.Zeile != std::min(gespielt + 1, 12))
        fehler.push_back("demo plays row " + std::to_string(ist.Zeile) + " after " + std::to_string(gespielt) +
                         " rows");
    if (fertig) {
        if (gespielt == 0 || !std::equal(Geheim.begin(), Geheim.end(), ist.SteckerFeld[gespielt]))
            fehler.push_back("demo finished without the secret " + Code(Geheim.data(), n) + " in its last row");
        Gleich(fehler, "active row after the demo", std::min(gespielt + 1, 12), static_cast<int>(ist.Zeile));
    }
    if (ist.Fortschritt < S.Fortschritt || ist.Fortschritt > 100)
        fehler.push_back("demo progress went from " + std::to_string(S.Fortschritt) + " to " +
                         std::to_string(ist.Fortschritt));
    // Before its first move CodeIndex is still the secret's.
    const int32_t index = gespielt > 0 ? Index(ist.SteckerFeld[gespielt]) : Index(Geheim.data());
    if (ist.CodeIndex != index)
        fehler.push_back("CodeIndex " + std::to_string(ist.CodeIndex) + " during the demo, expected " +
                         std::to_string(index));
    if (fehler.size() > vorher)
        return;
    for (int z = 1; z <= 12; ++z) {
        std::copy(ist.SteckerFeld[z], ist.SteckerFeld[z] + 8, S.SteckerFeld[z]);
        std::copy(ist.StiftFeld[z], ist.StiftFeld[z] + 8, S.StiftFeld[z]);
        std::copy(ist.Stecker[z], ist.Stecker[z] + 8, S.Stecker[z]);
        std::copy(ist.Stift[z], ist.Stift[z] + 8, S.Stift[z]);
    }
    S.Zeile = ist.Zeile;
    if (S.Zeile >= 9)
        S.Scroll = 212;
    TiefeZaehlen();
    S.Fortschritt = ist.Fortschritt;
    S.CodeIndex = ist.CodeIndex;
    if (fertig) {
        S.Info = TextFertig;
        S.Fortschritt = 100;
        FortschrittOffen = false;
        P = Phase::DemoFertig;
        ++Bilanz.DemoFertig;
    }
}

Spielbild Orakel::Erwartung(const Spielbild& ist) const
{
    Spielbild soll = S;
    // A stopped demo's closing may still come, until the next OK.
    if (AlteDemoOffen && ist.Info == TextFertig)
        soll.Info = ist.Info;
    // The message blinks: shown, or blank.
    soll.Status = ist.Status.empty() ? "" : S.Meldung;
    // A job moves the bar anywhere between 0 and 100; a stopped demo may still fill it.
    if (FortschrittOffen)
        soll.Fortschritt = std::clamp(ist.Fortschritt, 0, 100);
    else if (AlteDemoOffen && ist.Fortschritt == 100)
        soll.Fortschritt = 100;
    // Moved by Tab or the ring: taken over at the next look.
    if (FokusOffen)
        soll.Fokus = ist.Fokus;
    // The code fills only the places in play, and counts only once the code drawn is taken over.
    const int ab = P == Phase::Neu || CodeLesen ? 0 : S.n;
    std::copy(ist.FarbCode + ab, ist.FarbCode + 8, soll.FarbCode + ab);
    // Whether a job runs is the program's to say.
    soll.SolverRuht = ist.SolverRuht;
    return soll;
}
