#include "functions/pal/sysstatthread.h"

#include "foundation/profiler.h"
#include "functions/pal/sysstat.h"

#include <QMutex>

namespace PAL_INT {

namespace {
QMutex g_threadMutex;
SysStatThread* g_thread = nullptr;
} // namespace

void SysStatThread::run() {
    ProfileRegisterThread(ProfileNextGroup());
    running = true;
    {
        // Nothing is refreshed during the first second; a stop request still ends the wait early.
        PROFILE_SCOPE("idle");
        for (int i = 0; i < 100 && !stop; ++i)
            msleep(10);
    }
    {
        PROFILE_SCOPE("PAL_INT::SysStatThread::run");
        while (!stop) {
            {
                PROFILE_SCOPE("idle");
                msleep(10);
            }
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
        while (thread->running)
            QThread::msleep(10);
    }
    thread->wait();
    QMutexLocker lock(&g_threadMutex);
    if (g_thread == thread) {
        delete g_thread;
        g_thread = nullptr;
    }
}

} // namespace PAL_INT
