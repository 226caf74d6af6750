// SPDX-License-Identifier: GPL-3.0-or-later
#include "arbeiter/Workthread.h"

#include "game/Main.h"
#include "game/Spielzustand.h"
#include "solver/BitOperationen.h"
#include "solver/Ratesuche.h"
#include "solver/StarkeRatesuche.h"

#include <chrono>
#include <cstring>

TWorkThread* WorkThread = nullptr;
int32_t FortschrittZaehler = 0;
double FortschrittProzent = 0.0;

TWorkThread::TWorkThread(bool createSuspended) : TThread(createSuspended)
{
    AfterConstruction();
}

TWorkThread::~TWorkThread()
{
    Shutdown();
}

void TWorkThread::AuftragStarten(int32_t phase)
{
    {
        std::lock_guard<std::mutex> sperre(Sperre);
        if (Aktiv.load(std::memory_order_acquire))
            return;
        Auftrag = phase;
        Daten.Modus = phase;
        Daten.F = AnzahlFarben;
        Daten.n = AnzahlFelder;
        Daten.N = AnzahlKombinationen;
        Daten.Schwarz = Schwarz;
        Daten.Weiss = Weiss;
        Daten.Zeile = AktiveZeile;
        Daten.Stark = StarkerComputer;
        std::memcpy(Daten.Rate, RateCode, sizeof Daten.Rate);
        std::memcpy(Daten.Farb, FarbCode, sizeof Daten.Farb);
        Nummer.fetch_add(1, std::memory_order_acq_rel);
        Aktiv.store(true, std::memory_order_release);
    }
    Wake();
}

void TWorkThread::AuftragStoppen()
{
    std::lock_guard<std::mutex> sperre(Sperre);
    Aktiv.store(false, std::memory_order_release);
    Nummer.fetch_add(1, std::memory_order_acq_rel);
}

void TWorkThread::FortschrittZeigen()
{
    FortschrittProzent = FortschrittZaehler * 100.0 / AnzahlKombinationen;
    Anzeige->FortschrittAnzeigen(static_cast<int32_t>(FortschrittProzent));
}

bool TWorkThread::PhaseLaeuft()
{
    std::lock_guard<std::mutex> sperre(Sperre);
    return Laeuft;
}

void TWorkThread::PhaseAbwarten()
{
    // A job that has been requested but not yet picked up counts as well.
    AwaitHandlingEvents([this] { return !Aktiv.load(std::memory_order_acquire) && !PhaseLaeuft(); }, -1);
}

void TWorkThread::Execute()
{
    while (!Terminated()) {
        bool starten = false;
        {
            std::lock_guard<std::mutex> sperre(Sperre);
            if (Aktiv.load(std::memory_order_acquire)) {
                Job = Daten;
                JobNummer = Nummer.load(std::memory_order_acquire);
                Laeuft = true;
                starten = true;
            }
        }
        if (!starten) {
            Pause(100);
            continue;
        }
        // The set is the phase's until it ends; the main thread waits for that before it looks.
        Kandidaten->Uebernehmen();
        switch (Job.Modus) {
        case ModusComputer:
            ComputerRaten();
            break;
        case ModusDemo:
            DemoSpielen();
            break;
        case ModusMensch:
            MenschFiltern();
            break;
        default:
            Pause(100);
            break;
        }
        Kandidaten->Freigeben();
        std::lock_guard<std::mutex> sperre(Sperre);
        Laeuft = false;
    }
}

bool TWorkThread::Gestoppt()
{
    return Nummer.load(std::memory_order_acquire) != JobNummer || Terminated();
}

void TWorkThread::Fortschritt(int32_t zaehler)
{
    GemeldeterZaehler.store(zaehler, std::memory_order_relaxed);
    if (FortschrittUnterwegs.exchange(true, std::memory_order_acq_rel))
        return;
    Queue([this, nummer = JobNummer] {
        FortschrittUnterwegs.store(false, std::memory_order_release);
        // Decided on the main thread, where stops are made: a stopped job shows nothing more.
        if (Nummer.load(std::memory_order_acquire) != nummer)
            return;
        FortschrittZaehler = GemeldeterZaehler.load(std::memory_order_relaxed);
        FortschrittZeigen();
    });
}

bool TWorkThread::Melden(const std::function<void()>& wirkung)
{
    bool aktuell = false;
    const bool gelaufen = Synchronize([&] {
        // Decided on the main thread, where stops are made: a stopped job shows nothing more.
        if (Nummer.load(std::memory_order_acquire) != JobNummer)
            return;
        aktuell = true;
        wirkung();
    });
    return gelaufen && aktuell;
}

void TWorkThread::PhaseBeenden(const std::function<void()>& ergebnis)
{
    // The result and the end of the job reach the windows in one step, so that nobody sees the
    // next guess while the job would still count as running.
    Melden([&] {
        if (ergebnis)
            ergebnis();
        Aktiv.store(false, std::memory_order_release);
        Anzeige->FortschrittAnzeigen(100);
    });
}

namespace {

// The filter's progress on the first half of the bar, when the strong search fills the second.
class HalberBalken : public DurchgangsBegleiter {
public:
    explicit HalberBalken(DurchgangsBegleiter& ganz) : Ganz(ganz) {}
    bool Gestoppt() override { return Ganz.Gestoppt(); }
    void Fortschritt(int32_t zaehler) override { Ganz.Fortschritt(zaehler / 2); }

private:
    DurchgangsBegleiter& Ganz;
};

} // namespace

bool TWorkThread::Filtern(bool demo)
{
    if (Job.Stark && !demo) {
        HalberBalken halb(*this);
        return SpielDurchgang(Pruefung, *Kandidaten, Job.N, demo, Beseitigt, GezeigtePosition, halb);
    }
    return SpielDurchgang(Pruefung, *Kandidaten, Job.N, demo, Beseitigt, GezeigtePosition, *this);
}

int32_t TWorkThread::NaechsterRateCode(int32_t grenze, bool balken)
{
    if (!Job.Stark)
        return RateCodeSuchen(*Kandidaten, Job.N, grenze, Zufallszahl);
    // The guesses weighed so far, as the second half of the bar; checked for a stop before each.
    int32_t gezeigt = -1;
    return StarkenRateCodeSuchen(*Kandidaten, Job.F, Job.n, Job.N, Zufallszahl,
                                 [this, balken, &gezeigt](int32_t fertig, int32_t gesamt) {
                                     if (Gestoppt())
                                         return false;
                                     const int32_t prozent = 50 + 50 * fertig / gesamt;
                                     if (balken && prozent != gezeigt) {
                                         gezeigt = prozent;
                                         // Rounded up, so that the window's truncated percentage is this one.
                                         Fortschritt(static_cast<int32_t>((int64_t{Job.N} * prozent + 99) / 100));
                                     }
                                     return true;
                                 });
}

void TWorkThread::MenschFiltern()
{
    GezeigtePosition = -1;
    Pruefung.Vorbereiten(Job.F, Job.n, Job.Rate, Job.Schwarz, Job.Weiss);
    if (!Filtern(false))
        return;
    PhaseBeenden({});
}

void TWorkThread::ComputerRaten()
{
    GezeigtePosition = -1;
    Pruefung.Vorbereiten(Job.F, Job.n, Job.Farb, Job.Schwarz, Job.Weiss);
    if (!Filtern(false))
        return;
    if (Kandidaten->AnyBitSet(Job.N)) {
        const int32_t index = NaechsterRateCode(1000, true);
        if (index < 0)
            return;
        PhaseBeenden([this, index] { Anzeige->RatecodeZeigen(index); });
    } else {
        PhaseBeenden([this] { Anzeige->WiderspruchZeigen(); });
    }
}

void TWorkThread::DemoZugZeigen(const DemoZug& zug)
{
    Anzeige->DemoZugAnzeigen(zug);
    ZugDauer = Anzeige->DemoZugDauer();
    // The move stays on the screen a moment before the search goes on.
    Sleep(10);
}

bool TWorkThread::DemoZugStehenLassen()
{
    // Read after the hand-over that set it: Synchronize has returned, so the main thread's write
    // happened before.
    const auto ende = std::chrono::steady_clock::now() + std::chrono::milliseconds(ZugDauer);
    while (!Gestoppt() && std::chrono::steady_clock::now() < ende)
        Pause(20);
    return !Gestoppt();
}

void TWorkThread::DemoSpielen()
{
    GezeigtePosition = -1;
    Beseitigt = 0;
    int32_t zeile = Job.Zeile;
    while (!Gestoppt()) {
        // The demo's bar counts the codes removed in this game: the search does not move it.
        const int32_t index = NaechsterRateCode(10, false);
        if (index < 0)
            break;
        DemoZug zug;
        zug.Zeile = zeile;
        zug.Index = index;
        IndexZuCode(Job.F, Job.n, index, zug.Code);
        BewerteCode(Job.Farb, zug.Code, Job.n, zug.Schwarz, zug.Weiss);
        if (!Melden([&] { DemoZugZeigen(zug); }) || !DemoZugStehenLassen())
            break;
        if (zug.Schwarz < Job.n) {
            Kandidaten->ResetBit(index);
            Pruefung.Vorbereiten(Job.F, Job.n, zug.Code, zug.Schwarz, zug.Weiss);
            if (!Filtern(true))
                break;
        }
        if (zeile < 12)
            ++zeile;
        Melden([this, zeile] { Anzeige->DemoZeileAnzeigen(zeile); });
        if (zug.Schwarz == Job.n)
            break;
    }
    // The closing steps belong to this game and run whether it was won or stopped; a new game
    // waits for them before it starts.
    Synchronize([this] {
        Anzeige->DemoEndeAnzeigen();
        if (Nummer.load(std::memory_order_acquire) == JobNummer)
            Aktiv.store(false, std::memory_order_release);
        Anzeige->FortschrittAnzeigen(100);
    });
}
