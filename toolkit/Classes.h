// SPDX-License-Identifier: GPL-3.0-or-later
// The toolkit's thread class and its sleep.
#pragma once

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

enum TThreadPriority { tpNormal };

void Sleep(int ms);

// A thread that runs Execute(). Synchronize hands a piece of work to the main thread and waits
// until it has run there; the main thread never blocks on the worker, it only waits by handling
// its events (WaitFor), so a worker inside Synchronize is always served.
class TThread {
public:
    explicit TThread(bool createSuspended);
    virtual ~TThread();
    TThread(const TThread&) = delete;
    TThread& operator=(const TThread&) = delete;

    void Resume();
    void SetPriority(TThreadPriority) {}
    void Terminate();
    bool Terminated() const { return TerminateRequested.load(std::memory_order_acquire); }
    bool Finished() const { return HasFinished.load(std::memory_order_acquire); }

    // Runs work on the main thread and returns when it has run; runs it directly when called on
    // the main thread. False when the work was not run because the thread is being shut down.
    bool Synchronize(const std::function<void()>& work);
    // Hands a piece of work to the main thread and returns at once; the main thread runs it in
    // turn with the Synchronize calls, in the order given. Work still queued when the thread is
    // shut down is dropped.
    void Queue(std::function<void()> work);

    // Main thread: waits until Execute() has returned, handling events meanwhile (user input
    // excepted). False when it has not ended within timeoutMs.
    bool WaitFor(int timeoutMs);

    // Main thread: the end of the program. Asks the thread to terminate, refuses its further
    // Synchronize calls, and joins it.
    void Shutdown();

    static bool InMainThread();
    // Main thread: handles events (user input excepted) until done() holds. False after
    // timeoutMs; a negative timeout waits for as long as it takes.
    static bool AwaitHandlingEvents(const std::function<bool()>& done, int timeoutMs);

protected:
    virtual void Execute() = 0;
    // Derived constructors call this last: a thread created running starts only once it is whole.
    void AfterConstruction();
    // Sleeps up to ms, or until Wake() or Terminate().
    void Pause(int ms);
    void Wake();

private:
    void Run();
    std::thread Handle;
    bool CreateSuspended;
    std::atomic<bool> TerminateRequested{false};
    std::atomic<bool> HasFinished{false};
    std::atomic<bool> SyncRefused{false};
    std::mutex PauseLock;
    std::condition_variable PauseSignal;
    bool Woken = false;
};
