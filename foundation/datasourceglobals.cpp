#include "foundation/datasourceglobals.h"

// Built-in values; the build sets them from its cache entries. The credentials below the hosts are placeholders
// of the services' shapes, to be replaced by a build that has registered applications.
#ifndef MERVEX_FACEBOOK_GRAPH_HOST
#define MERVEX_FACEBOOK_GRAPH_HOST "graph.facebook.com"
#endif
#ifndef MERVEX_FACEBOOK_WEB_HOST
#define MERVEX_FACEBOOK_WEB_HOST "www.facebook.com"
#endif
#ifndef MERVEX_TWITTER_API_HOST
#define MERVEX_TWITTER_API_HOST "api.twitter.com"
#endif
#ifndef MERVEX_FACEBOOK_APP_ID
#define MERVEX_FACEBOOK_APP_ID "100000000000001"
#endif
#ifndef MERVEX_TWITTER_CONSUMER_KEY
#define MERVEX_TWITTER_CONSUMER_KEY "MervexPlaceholderKey01"
#endif
#ifndef MERVEX_TWITTER_CONSUMER_SECRET
#define MERVEX_TWITTER_CONSUMER_SECRET "MervexPlaceholderSecret00000000000000000001"
#endif

namespace DataSourceGlobals {

JobCounters& NewsFeedJobs() {
    static JobCounters counters;
    return counters;
}

JobCounters& FacebookJobs() {
    static JobCounters counters;
    return counters;
}

JobCounters& TwitterJobs() {
    static JobCounters counters;
    return counters;
}

JobCounters& SkypeJobs() {
    static JobCounters counters;
    return counters;
}

QString ServiceOrigin(const char* envName, const QString& builtInHost) {
    QString value = QString::fromLocal8Bit(qgetenv(envName)).trimmed();
    if (value.isEmpty())
        value = builtInHost;
    while (value.endsWith(QLatin1Char('/')))
        value.chop(1);
    if (value.startsWith(QLatin1String("http://")) || value.startsWith(QLatin1String("https://")))
        return value;
    return QStringLiteral("https://") + value;
}

QString OriginHost(const QString& origin) {
    const int sep = origin.indexOf(QLatin1String("://"));
    return sep < 0 ? origin : origin.mid(sep + 3);
}

namespace {
QString GraphOrigin() {
    return ServiceOrigin("MERVEX_FACEBOOK_GRAPH_HOST", QStringLiteral(MERVEX_FACEBOOK_GRAPH_HOST));
}
QString WebOrigin() {
    return ServiceOrigin("MERVEX_FACEBOOK_WEB_HOST", QStringLiteral(MERVEX_FACEBOOK_WEB_HOST));
}
QString TwitterOrigin() {
    return ServiceOrigin("MERVEX_TWITTER_API_HOST", QStringLiteral(MERVEX_TWITTER_API_HOST));
}
} // namespace

QString FacebookGraphHost() {
    return OriginHost(GraphOrigin());
}

QString FacebookWebHost() {
    return OriginHost(WebOrigin());
}

QString FacebookGraphBaseUrl() {
    return GraphOrigin() + QLatin1Char('/');
}

QString FacebookWebBaseUrl() {
    return WebOrigin() + QLatin1Char('/');
}

const QString& FacebookAppId() {
    static const QString id = QStringLiteral(MERVEX_FACEBOOK_APP_ID);
    return id;
}

const QString& LoginCloseUrl() {
    static const QString url = QStringLiteral("http://127.0.0.1/closeme");
    return url;
}

QString TwitterApiHost() {
    return OriginHost(TwitterOrigin());
}

QString TwitterRequestTokenUrl() {
    return TwitterOrigin() + QStringLiteral("/oauth/request_token");
}

QString TwitterAuthenticateUrl() {
    return TwitterOrigin() + QStringLiteral("/oauth/authenticate");
}

QString TwitterAccessTokenUrl() {
    return TwitterOrigin() + QStringLiteral("/oauth/access_token");
}

QString TwitterTimelineUrl() {
    return TwitterOrigin() + QStringLiteral("/1.1/statuses/home_timeline.json");
}

const QString& TwitterConsumerKey() {
    static const QString key = QStringLiteral(MERVEX_TWITTER_CONSUMER_KEY);
    return key;
}

const QString& TwitterConsumerSecret() {
    static const QString secret = QStringLiteral(MERVEX_TWITTER_CONSUMER_SECRET);
    return secret;
}

TwitterSession& TwitterSessionTexts() {
    static TwitterSession session;
    return session;
}

} // namespace DataSourceGlobals
