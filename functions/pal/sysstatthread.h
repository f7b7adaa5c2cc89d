#pragma once
// The background thread that keeps the system statistics fresh: after a second it runs the updaters of
// sysstat.h every 10 ms while somebody asks for figures, and otherwise sleeps until a getter asks.

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

private:
    bool Sleep(qint64 ms, bool wakeOnDemand);
};

// Starts the one statistics thread with the caller's priority; does nothing while one runs.
void StartSysStatThread();
// Ends the thread's current sleep early (it then works out again when it is due).
void WakeSysStatThread();
// Sets the thread's stop flag and wakes it.
void RequestSysStatStop();
// Whether the thread is between the start and the end of its run.
bool SysStatThreadRunning();
// Waits until the thread has ended.
void WaitSysStatStopped();

} // namespace PAL_INT
