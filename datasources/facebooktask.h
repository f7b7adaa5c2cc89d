#pragma once
// One Graph API reply body, parsed on the thread pool for its Facebook source.

#include "datasources/datasrcfacebook.h"
#include "datasources/runnabletask.h"

namespace FACEBOOK {

class FacebookTask : public ReplyParseTask<DataSrcFacebook, &DataSrcFacebook::ParseRpcResult> {
public:
    using ReplyParseTask::ReplyParseTask;
};

} // namespace FACEBOOK
