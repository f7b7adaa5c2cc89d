#pragma once
// The background thread that keeps the system statistics fresh: after a second, every 10 ms it runs the
// updaters of sysstat.h.

#include <QThread>

#include <atomic>

namespace PAL_INT {

class SysStatThread : public QThread {
    Q_OBJECT
public:
    explicit SysStatThread(QObject* parent = nullptr) : QThread(parent) {}

    std::atomic<bool> running{false};
    std::atomic<bool> stop{false};

protected:
    void run() override;
};

// Starts the one statistics thread with the caller's priority; does nothing while one runs.
void StartSysStatThread();
// Sets the thread's stop flag.
void RequestSysStatStop();
// Whether the thread is between the start and the end of its run.
bool SysStatThreadRunning();
// Waits in 10 ms steps until the thread has ended.
void WaitSysStatStopped();

} // namespace PAL_INT
