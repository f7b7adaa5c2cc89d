#pragma once
// One Graph API reply body, parsed on the thread pool for its Facebook source.

#include "datasources/runnabletask.h"

#include <QByteArray>
#include <QString>

class DataSrcFacebook;

namespace FACEBOOK {

class FacebookTask : public RunnableTask<DataSrcFacebook> {
public:
    FacebookTask(DataSrcFacebook* source, const QByteArray& body, const QString& address, StopToken token);

protected:
    void DoWork() override;

private:
    DataSrcFacebook* mSource;
    QByteArray mBody;
    QString mAddress;
};

} // namespace FACEBOOK
