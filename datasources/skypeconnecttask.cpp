#include "skypeconnecttask.h"

#include "datasourceglobals.h"
#include "pal.h"
#include "windowmessagebus.h"

namespace SKYPE {

namespace {
std::atomic<bool>& StopFlag() {
    static std::atomic<bool> flag(false);
    return flag;
}
DataSourceGlobals::JobCounters& Counters() {
    return DataSourceGlobals::SkypeJobs();
}
} // namespace

SkypeConnectTask::SkypeConnectTask(quint32 discoverMessage, quintptr mainWindow)
    : m_discover(discoverMessage), m_mainWindow(mainWindow) {
    setAutoDelete(true);
    Counters().live.ref();
}

SkypeConnectTask::~SkypeConnectTask() {
    Counters().live.deref();
}

void SkypeConnectTask::run() {
    Counters().running.ref();
    // Posted, not sent: the answers are handled where the main window lives, and this job never waits for
    // the main thread, which may itself be waiting for this job to end.
    if (!StopFlag().load())
        WindowMessageBus::Instance().PostMessage(WindowMessageBus::kBroadcast, m_discover, m_mainWindow, 0);
    Counters().running.deref();
}

void SkypeConnectTask::StopAndWait() {
    Counters().running.ref();
    StopFlag().store(true);
    Counters().running.deref();
    while (Counters().running.loadAcquire() > 0)
        PAL::Sleep(10);
}

void SkypeConnectTask::ClearStop() {
    StopFlag().store(false);
}

bool SkypeConnectTask::IsStopped() {
    return StopFlag().load();
}

int SkypeConnectTask::RunningCount() {
    return Counters().running.loadAcquire();
}

} // namespace SKYPE
