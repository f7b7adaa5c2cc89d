#pragma once
// The job that looks for a running chat client: it broadcasts the discover message with the main window's
// handle from the thread pool, since a broadcast may wait on every window it reaches.

#include <QRunnable>
#include <QtGlobal>

#include <atomic>

namespace SKYPE {

class SkypeConnectTask : public QRunnable {
public:
    SkypeConnectTask(quint32 discoverMessage, quintptr mainWindow);
    ~SkypeConnectTask() override;

    void run() override;

    // Sets the stop flag of these jobs, then waits in 10 ms sleeps until none of them runs. A job that starts
    // later returns at once.
    static void StopAndWait();
    // A new source clears the flag that its predecessor left set, or it could never attach.
    static void ClearStop();
    static bool IsStopped();
    static int RunningCount();

private:
    quint32 m_discover;
    quintptr m_mainWindow;
};

} // namespace SKYPE
