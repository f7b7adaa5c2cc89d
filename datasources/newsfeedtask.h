#pragma once
// One fetched feed body, parsed on the thread pool for its news-feed source.

#include "datasources/runnabletask.h"

#include <QByteArray>
#include <QString>

class DataSrcNewsFeed;

namespace NEWS_FEED {

class NewsFeedTask : public RunnableTask<DataSrcNewsFeed> {
public:
    NewsFeedTask(DataSrcNewsFeed* source, const QByteArray& body, const QString& address, StopToken token);

protected:
    void DoWork() override;

private:
    DataSrcNewsFeed* mSource;
    QByteArray mBody;
    QString mAddress;
};

} // namespace NEWS_FEED
