#pragma once
// Process-wide state shared by the data sources: the job counters of each job type, the addresses of the web
// services and the application credentials.
//
// Service hosts are build settings (CMake cache entries of the same names) that an environment variable of the
// same name overrides at run time, so tests can point a source at a server of their own:
//   MERVEX_FACEBOOK_GRAPH_HOST, MERVEX_FACEBOOK_WEB_HOST, MERVEX_TWITTER_API_HOST.
// A value is a host with an optional port ("graph.example.net", "127.0.0.1:8080"), served over https, or a
// full origin with its scheme ("http://127.0.0.1:8080") for a test server without TLS.

#include <QAtomicInt>
#include <QString>

namespace DataSourceGlobals {

// Live jobs (created, not yet deleted) and running jobs of one job type; both 0 at start.
struct JobCounters {
    QAtomicInt live;
    QAtomicInt running;
};

JobCounters& NewsFeedJobs();
JobCounters& FacebookJobs();
JobCounters& TwitterJobs();
JobCounters& SkypeJobs();

// The origin ("scheme://host[:port]", no trailing '/') of a service: the environment variable when set, else
// "https://" followed by the built-in host.
QString ServiceOrigin(const char* envName, const QString& builtInHost);
// The host (with port, when given) of an origin, without its scheme.
QString OriginHost(const QString& origin);

// Facebook
QString FacebookGraphHost();    // the Graph API host
QString FacebookWebHost();      // the service's web host
QString FacebookGraphBaseUrl(); // origin of the Graph API followed by "/"
QString FacebookWebBaseUrl();   // origin of the web site followed by "/"
const QString& FacebookAppId(); // 15 decimal digits

// Twitter
const QString& LoginCloseUrl(); // loopback address, path "/closeme": where the login view is sent back to
QString TwitterApiHost();
QString TwitterRequestTokenUrl();
QString TwitterAuthenticateUrl();
QString TwitterAccessTokenUrl();
QString TwitterTimelineUrl();
const QString& TwitterConsumerKey();    // 22 letters and digits
const QString& TwitterConsumerSecret(); // 43 letters and digits

// The login state of Twitter, shared by every Twitter source; empty until a login fills it.
struct TwitterSession {
    QString token;
    QString tokenSecret;
    QString verifier;
    QString userId;
    QString screenName;
};
TwitterSession& TwitterSessionTexts();

} // namespace DataSourceGlobals
