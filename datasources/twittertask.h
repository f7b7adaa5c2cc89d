#pragma once
// One fetched timeline body, parsed on the thread pool for its Twitter source.

#include "datasources/datasrctwitter.h"
#include "datasources/runnabletask.h"

namespace TWITTER {

class TwitterTask : public ReplyParseTask<DataSrcTwitter, &DataSrcTwitter::ParseTimeline> {
public:
    using ReplyParseTask::ReplyParseTask;
};

} // namespace TWITTER
