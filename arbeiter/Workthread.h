// SPDX-License-Identifier: GPL-3.0-or-later
// The solver's worker thread: takes one job at a time from the main thread and runs the phase of
// the current mode beside the windows.
#pragma once

#include "arbeiter/Anzeige.h"
#include "solver/Filter.h"
#include "toolkit/Classes.h"

#include <atomic>
#include <cstdint>
#include <mutex>

class TWorkThread;
extern TWorkThread* WorkThread; // the solver's worker (created by the main window)

// Progress shown in the main window's bar, written and read on the main thread only: the count
// of the pass last handed over, and the percentage FortschrittZeigen made of it for the bar.
extern int32_t FortschrittZaehler;
extern double FortschrittProzent;

class TWorkThread : public TThread, private DurchgangsBegleiter {
public:
    explicit TWorkThread(bool createSuspended);
    ~TWorkThread() override;

    int32_t Auftrag = 0;            // the phase of the last accepted request, the one that runs
    std::atomic<bool> Aktiv{false}; // busy: from an accepted request until the phase ends or is stopped
    // Where the phases report; set on the main thread before the first request.
    SolverAnzeige* Anzeige = nullptr;

    // Requests a phase: the number of the mode it plays for (ModusMensch filters a human guess,
    // ModusComputer finds the computer's next guess, ModusDemo plays a demo); dropped while the
    // worker is busy. The job's inputs (sizes, codes, answer, whether the strong player plays)
    // are taken from the game state at this moment, so the main thread may go on changing the
    // game state while the phase runs.
    void AuftragStarten(int32_t phase);
    // Asks the running phase to stop; returns at once. A stopped phase reports nothing more,
    // except the demo's closing steps, which belong to its game.
    void AuftragStoppen();
    // Main thread: shows FortschrittZaehler of AnzahlKombinationen as a percentage.
    void FortschrittZeigen();

    // True while a phase runs, also one that has been asked to stop and has not yet noticed.
    bool PhaseLaeuft();
    // Main thread: waits, handling events (user input excepted), until no job is requested or
    // running any more.
    // Used before the game state a phase works on is reset or the next job is requested.
    void PhaseAbwarten();

protected:
    void Execute() override;

private:
    struct AuftragsDaten {
        int32_t Modus = 0;
        int32_t F = 0;
        int32_t n = 0;
        int32_t N = 0; // F^n
        int32_t Schwarz = 0;
        int32_t Weiss = 0;
        int32_t Zeile = 0;
        bool Stark = false; // the strong player's search instead of the random one
        int8_t Rate[10] = {};
        int8_t Farb[10] = {};
    };

    void MenschFiltern();
    void ComputerRaten();
    void DemoSpielen();
    // Main thread: hands a demo move to the port and leaves it on the screen a moment.
    void DemoZugZeigen(const DemoZug& zug);
    // Worker: lets the move just shown stand for the time the port asked for; false when the job
    // was stopped meanwhile.
    bool DemoZugStehenLassen();
    // The next guess of the running game, or -1 when the job was stopped meanwhile. balken: the
    // strong search shows its progress in the second half of the bar.
    int32_t NaechsterRateCode(int32_t grenze, bool balken);
    // Filters the candidates section by section with the prepared answer, checking for a stop
    // and showing progress between sections. False when stopped.
    bool Filtern(bool demo);
    // Runs one group of window effects on the main thread, unless the job has been stopped.
    bool Melden(const std::function<void()>& wirkung);
    bool Gestoppt() override;
    // Hands the count over without waiting for the window: at most one report is on its way, and
    // the main thread shows the latest count when it gets to it.
    void Fortschritt(int32_t zaehler) override;
    void PhaseBeenden(const std::function<void()>& ergebnis);

    std::mutex Sperre; // guards Daten, Laeuft and the start of a phase
    AuftragsDaten Daten;
    bool Laeuft = false;
    std::atomic<uint32_t> Nummer{0}; // counts requests and stops; a phase runs for one number
    AuftragsDaten Job;               // the running phase's own copy
    uint32_t JobNummer = 0;
    KonsistenzPruefung Pruefung;
    int32_t GezeigtePosition = -1; // the bar position last handed over in this phase
    std::atomic<int32_t> GemeldeterZaehler{0};
    std::atomic<bool> FortschrittUnterwegs{false};
    int32_t Beseitigt = 0; // codes eliminated in this demo game
    int32_t ZugDauer = 0;  // ms the demo move just shown stays, as its port asked (set on the main thread)
};
