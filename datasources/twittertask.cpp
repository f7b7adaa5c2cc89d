#include "datasources/twittertask.h"

#include "datasources/datasrctwitter.h"

namespace TWITTER {

TwitterTask::TwitterTask(DataSrcTwitter* source, const QByteArray& body, const QString& address, StopToken token)
    : RunnableTask<DataSrcTwitter>(std::move(token)), mSource(source), mBody(body), mAddress(address) {}

void TwitterTask::DoWork() {
    mSource->ParseTimeline(mBody, mAddress);
}

} // namespace TWITTER
