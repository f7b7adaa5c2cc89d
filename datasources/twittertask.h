#pragma once
// One fetched timeline body, parsed on the thread pool for its Twitter source.

#include "datasources/runnabletask.h"

#include <QByteArray>
#include <QString>

class DataSrcTwitter;

namespace TWITTER {

class TwitterTask : public RunnableTask<DataSrcTwitter> {
public:
    TwitterTask(DataSrcTwitter* source, const QByteArray& body, const QString& address, StopToken token);

protected:
    void DoWork() override;

private:
    DataSrcTwitter* mSource;
    QByteArray mBody;
    QString mAddress;
};

} // namespace TWITTER
