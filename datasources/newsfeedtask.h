#pragma once
// One fetched feed body, parsed on the thread pool for its news-feed source.

#include "datasources/datasrcnewsfeed.h"
#include "datasources/runnabletask.h"

namespace NEWS_FEED {

class NewsFeedTask : public ReplyParseTask<DataSrcNewsFeed, &DataSrcNewsFeed::ParseHttpResult> {
public:
    using ReplyParseTask::ReplyParseTask;
};

} // namespace NEWS_FEED
