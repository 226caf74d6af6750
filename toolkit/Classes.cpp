// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/Classes.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QSocketNotifier>
#include <chrono>
#include <deque>
#include <sys/eventfd.h>
#include <unistd.h>

void Sleep(int ms)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

namespace {

// Work handed to the main thread. The worker waits on it; the main thread marks it done, or
// cancelled at shutdown. Everything shared goes through Lock, so the hand-over needs nothing
// from Qt but a wake-up of the main thread's event loop (an eventfd).
struct Request {
    const std::function<void()>* Work;
    const TThread* Owner;
    bool Done = false;
    bool Cancelled = false;
    std::function<void()> Owned{}; // queued work that nobody waits for: the request owns it
};

class MainThreadQueue {
public:
    static MainThreadQueue& Get()
    {
        // Created once on the main thread and never destroyed: a worker still running while the
        // process ends must not find it gone.
        static MainThreadQueue* queue = new MainThreadQueue;
        return *queue;
    }

    std::thread::id MainId = std::this_thread::get_id();

    bool Run(const std::function<void()>& work, const TThread* owner, const std::atomic<bool>& refused)
    {
        Request request{&work, owner};
        {
            // Checked under the lock, so a shutdown either sees this request or refuses it.
            std::lock_guard<std::mutex> lock(Lock);
            if (refused.load(std::memory_order_acquire))
                return false;
            Pending.push_back(&request);
        }
        WakeMain();
        std::unique_lock<std::mutex> lock(Lock);
        Signal.wait(lock, [&] { return request.Done || request.Cancelled; });
        return request.Done;
    }

    void Post(std::function<void()> work, const TThread* owner, const std::atomic<bool>& refused)
    {
        auto* request = new Request{nullptr, owner};
        request->Owned = std::move(work);
        request->Work = &request->Owned;
        {
            std::lock_guard<std::mutex> lock(Lock);
            if (refused.load(std::memory_order_acquire)) {
                delete request;
                return;
            }
            Pending.push_back(request);
        }
        WakeMain();
    }

    void Cancel(const TThread* owner)
    {
        std::lock_guard<std::mutex> lock(Lock);
        for (auto it = Pending.begin(); it != Pending.end();) {
            if ((*it)->Owner == owner) {
                (*it)->Cancelled = true;
                if ((*it)->Owned)
                    delete *it;
                it = Pending.erase(it);
            } else {
                ++it;
            }
        }
        Signal.notify_all();
    }

private:
    MainThreadQueue() : Fd(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC))
    {
        Notifier = new QSocketNotifier(Fd, QSocketNotifier::Read);
        QObject::connect(Notifier, &QSocketNotifier::activated, [this] { Serve(); });
    }

    void WakeMain()
    {
        const uint64_t one = 1;
        [[maybe_unused]] const ssize_t written = write(Fd, &one, sizeof one);
    }

    void Serve()
    {
        uint64_t count = 0;
        [[maybe_unused]] const ssize_t got = read(Fd, &count, sizeof count);
        for (;;) {
            Request* request = nullptr;
            {
                std::lock_guard<std::mutex> lock(Lock);
                if (Pending.empty())
                    return;
                request = Pending.front();
                Pending.pop_front();
            }
            (*request->Work)();
            if (request->Owned) {
                delete request;
                continue;
            }
            std::lock_guard<std::mutex> lock(Lock);
            request->Done = true;
            Signal.notify_all();
        }
    }

    int Fd;
    QSocketNotifier* Notifier;
    std::mutex Lock;
    std::condition_variable Signal;
    std::deque<Request*> Pending;
};

} // namespace

bool TThread::InMainThread()
{
    return std::this_thread::get_id() == MainThreadQueue::Get().MainId;
}

TThread::TThread(bool createSuspended) : CreateSuspended(createSuspended)
{
    MainThreadQueue::Get();
}

TThread::~TThread()
{
    Shutdown();
}

void TThread::AfterConstruction()
{
    if (!CreateSuspended)
        Resume();
}

void TThread::Resume()
{
    if (!Handle.joinable() && !Finished())
        Handle = std::thread([this] { Run(); });
}

void TThread::Run()
{
    Execute();
    HasFinished.store(true, std::memory_order_release);
}

void TThread::Terminate()
{
    TerminateRequested.store(true, std::memory_order_release);
    Wake();
}

void TThread::Pause(int ms)
{
    std::unique_lock<std::mutex> lock(PauseLock);
    PauseSignal.wait_for(lock, std::chrono::milliseconds(ms), [this] { return Woken || Terminated(); });
    Woken = false;
}

void TThread::Wake()
{
    std::lock_guard<std::mutex> lock(PauseLock);
    Woken = true;
    PauseSignal.notify_all();
}

bool TThread::Synchronize(const std::function<void()>& work)
{
    if (InMainThread()) {
        work();
        return true;
    }
    return MainThreadQueue::Get().Run(work, this, SyncRefused);
}

void TThread::Queue(std::function<void()> work)
{
    if (InMainThread())
        work();
    else
        MainThreadQueue::Get().Post(std::move(work), this, SyncRefused);
}

bool TThread::AwaitHandlingEvents(const std::function<bool()>& done, int timeoutMs)
{
    const auto start = std::chrono::steady_clock::now();
    while (!done()) {
        if (timeoutMs >= 0 && std::chrono::steady_clock::now() - start >= std::chrono::milliseconds(timeoutMs))
            return false;
        if (QCoreApplication::instance())
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    return true;
}

bool TThread::WaitFor(int timeoutMs)
{
    if (!AwaitHandlingEvents([this] { return Finished(); }, timeoutMs))
        return false;
    if (Handle.joinable())
        Handle.join();
    return true;
}

void TThread::Shutdown()
{
    Terminate();
    SyncRefused.store(true, std::memory_order_release);
    MainThreadQueue::Get().Cancel(this);
    if (Handle.joinable())
        Handle.join();
}
