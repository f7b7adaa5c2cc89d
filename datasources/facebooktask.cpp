#include "datasources/facebooktask.h"

#include "datasources/datasrcfacebook.h"

namespace FACEBOOK {

FacebookTask::FacebookTask(DataSrcFacebook* source, const QByteArray& body, const QString& address, StopToken token)
    : RunnableTask<DataSrcFacebook>(std::move(token)), mSource(source), mBody(body), mAddress(address) {}

void FacebookTask::DoWork() {
    mSource->ParseRpcResult(mBody, mAddress);
}

} // namespace FACEBOOK
