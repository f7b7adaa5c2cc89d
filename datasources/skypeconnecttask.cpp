#include "datasources/skypeconnecttask.h"

#include "datasources/datasrcskype.h"
#include "functions/pal/windowmessagebus.h"

namespace SKYPE {

SkypeConnectTask::SkypeConnectTask(StopToken token, quint32 discoverMessage, quintptr mainWindow)
    : RunnableTask<DataSrcSkype>(std::move(token)), m_discover(discoverMessage), m_mainWindow(mainWindow) {}

void SkypeConnectTask::DoWork() {
    // Posted, not sent: the answers are handled where the main window lives, and this job never waits for
    // the main thread, which may itself be waiting for this job to end.
    WindowMessageBus::Instance().PostMessage(WindowMessageBus::kBroadcast, m_discover, m_mainWindow, 0);
}

} // namespace SKYPE
