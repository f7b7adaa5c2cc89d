#pragma once
// The job that looks for a running chat client: it broadcasts the discover message with the main window's
// handle from the thread pool, since a broadcast may wait on every window it reaches.

#include "datasources/runnabletask.h"

class DataSrcSkype;

namespace SKYPE {

class SkypeConnectTask : public RunnableTask<DataSrcSkype> {
public:
    SkypeConnectTask(StopToken token, quint32 discoverMessage, quintptr mainWindow);

protected:
    void DoWork() override;

private:
    quint32 m_discover;
    quintptr m_mainWindow;
};

} // namespace SKYPE
