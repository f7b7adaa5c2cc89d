#include "datasources/newsfeedtask.h"

#include "datasources/datasrcnewsfeed.h"

namespace NEWS_FEED {

NewsFeedTask::NewsFeedTask(DataSrcNewsFeed* source, const QByteArray& body, const QString& address, StopToken token)
    : RunnableTask<DataSrcNewsFeed>(std::move(token)), mSource(source), mBody(body), mAddress(address) {}

void NewsFeedTask::DoWork() {
    mSource->ParseHttpResult(mBody, mAddress);
}

} // namespace NEWS_FEED
