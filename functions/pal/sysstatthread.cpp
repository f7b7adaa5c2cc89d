#include "functions/pal/sysstatthread.h"

#include "foundation/profiler.h"
#include "functions/pal/sysstat.h"

#include <QMutex>

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace PAL_INT {

namespace {
QMutex g_threadMutex;
SysStatThread* g_thread = nullptr;

// Wakes the thread's sleep early: a stop request, or a getter asking after a quiet spell.
std::mutex g_wakeMutex;
std::condition_variable g_wake;
} // namespace

// Sleeps for at most ms, or until the stop flag or (with wakeOnDemand) a getter's demand ends the wait; true
// when stopped.
bool SysStatThread::Sleep(qint64 ms, bool wakeOnDemand) {
    PROFILE_SCOPE("idle");
    std::unique_lock<std::mutex> lock(g_wakeMutex);
    g_wake.wait_for(lock, std::chrono::milliseconds(ms),
                    [&] { return stop.load() || (wakeOnDemand && MsUntilNextStatTick() <= kStatTickMs); });
    return stop.load();
}

void SysStatThread::run() {
    ProfileRegisterThread(ProfileNextGroup());
    running = true;
    // Nothing is refreshed during the first second; a stop request still ends the wait early.
    bool stopped = Sleep(1000, false);
    {
        PROFILE_SCOPE("PAL_INT::SysStatThread::run");
        // Ticks every 10 ms while somebody asks for figures; otherwise it sleeps until a getter wakes it, so
        // an idle program (no phone, no grid showing a figure) does not wake at all.
        while (!stopped) {
            const qint64 ms = MsUntilNextStatTick();
            stopped = Sleep(ms, ms > kStatTickMs);
            if (stopped)
                break;
            PROFILE_SCOPE("PAL_INT::SysStatTick");
            _UpdateRAM();
            _UpdateCPUs();
            _UpdateNets();
            _UpdateDrives();
            _UpdateProcs();
        }
    }
    running = false;
}

void WakeSysStatThread() {
    std::lock_guard<std::mutex> lock(g_wakeMutex);
    g_wake.notify_all();
}

void StartSysStatThread() {
    QMutexLocker lock(&g_threadMutex);
    if (g_thread && g_thread->isRunning())
        return;
    delete g_thread;
    g_thread = new SysStatThread;
    // Counted as running from here, so that a CPU getter called right after the start waits for it.
    g_thread->running = true;
    g_thread->start();
}

void RequestSysStatStop() {
    QMutexLocker lock(&g_threadMutex);
    if (g_thread)
        g_thread->stop = true;
    WakeSysStatThread();
}

bool SysStatThreadRunning() {
    QMutexLocker lock(&g_threadMutex);
    return g_thread && g_thread->running;
}

void WaitSysStatStopped() {
    SysStatThread* thread = nullptr;
    {
        QMutexLocker lock(&g_threadMutex);
        thread = g_thread;
    }
    if (!thread)
        return;
    {
        PROFILE_SCOPE("idle");
        thread->wait();
    }
    QMutexLocker lock(&g_threadMutex);
    if (g_thread == thread) {
        delete g_thread;
        g_thread = nullptr;
    }
}

} // namespace PAL_INT
