#include "datasourceglobals.h"
#include "globals.h"

#include <QRegularExpression>
#include <QtTest>

using namespace DataSourceGlobals;

class TestGlobals : public QObject {
    Q_OBJECT
private slots:
    void programTexts() {
        QCOMPARE(MervexGlobals::BuildText().size(), 42);
        QCOMPARE(MervexGlobals::BuildText().trimmed(), QStringLiteral("20131128.28200"));
        QCOMPARE(MervexGlobals::VersionSuffix(), QStringLiteral("  |  V0.459"));
        QCOMPARE(MervexGlobals::LogTimeFormat(), QStringLiteral("yyyy-MM-ddThh:mm:ss.zzz"));
        QVERIFY(MervexGlobals::CommandLineLanguage().isEmpty());
    }

    void jobCountersStartAtZeroAndAreSeparate() {
        JobCounters* all[] = {&NewsFeedJobs(), &FacebookJobs(), &TwitterJobs(), &SkypeJobs()};
        for (JobCounters* c : all) {
            QCOMPARE(c->live.loadRelaxed(), 0);
            QCOMPARE(c->running.loadRelaxed(), 0);
        }
        TwitterJobs().running.ref();
        QCOMPARE(SkypeJobs().running.loadRelaxed(), 0);
        QCOMPARE(TwitterJobs().live.loadRelaxed(), 0);
        TwitterJobs().running.deref();
    }

    void credentialsHaveTheServicesShapes() {
        QVERIFY(QRegularExpression(QStringLiteral("^\\d{15}$")).match(FacebookAppId()).hasMatch());
        QVERIFY(QRegularExpression(QStringLiteral("^[A-Za-z0-9]{22}$")).match(TwitterConsumerKey()).hasMatch());
        QVERIFY(QRegularExpression(QStringLiteral("^[A-Za-z0-9]{43}$")).match(TwitterConsumerSecret()).hasMatch());
        QCOMPARE(LoginCloseUrl(), QStringLiteral("http://127.0.0.1/closeme"));
        const TwitterSession& s = TwitterSessionTexts();
        QVERIFY(s.token.isEmpty() && s.tokenSecret.isEmpty() && s.verifier.isEmpty() && s.userId.isEmpty() &&
                s.screenName.isEmpty());
    }

    void serviceAddresses_data() {
        QTest::addColumn<QByteArray>("graphEnv");
        QTest::addColumn<QByteArray>("twitterEnv");
        QTest::addColumn<QString>("graphHost");
        QTest::addColumn<QString>("graphBase");
        QTest::addColumn<QString>("timeline");

        QTest::newRow("built-in") << QByteArray() << QByteArray() << "graph.facebook.com"
                                  << "https://graph.facebook.com/"
                                  << "https://api.twitter.com/1.1/statuses/home_timeline.json";
        QTest::newRow("host and port") << QByteArray("127.0.0.1:8443") << QByteArray("127.0.0.1:9443")
                                       << "127.0.0.1:8443"
                                       << "https://127.0.0.1:8443/"
                                       << "https://127.0.0.1:9443/1.1/statuses/home_timeline.json";
        QTest::newRow("plain http origin")
            << QByteArray("http://127.0.0.1:8080/") << QByteArray("http://127.0.0.1:9090") << "127.0.0.1:8080"
            << "http://127.0.0.1:8080/"
            << "http://127.0.0.1:9090/1.1/statuses/home_timeline.json";
    }

    void serviceAddresses() {
        QFETCH(QByteArray, graphEnv);
        QFETCH(QByteArray, twitterEnv);
        QFETCH(QString, graphHost);
        QFETCH(QString, graphBase);
        QFETCH(QString, timeline);
        auto set = [](const char* name, const QByteArray& value) {
            if (value.isEmpty())
                qunsetenv(name);
            else
                qputenv(name, value);
        };
        set("MERVEX_FACEBOOK_GRAPH_HOST", graphEnv);
        set("MERVEX_TWITTER_API_HOST", twitterEnv);

        QCOMPARE(FacebookGraphHost(), graphHost);
        QCOMPARE(FacebookGraphBaseUrl(), graphBase);
        QCOMPARE(TwitterTimelineUrl(), timeline);
        const QString twitterOrigin = timeline.left(timeline.indexOf(QLatin1String("/1.1/")));
        QCOMPARE(TwitterRequestTokenUrl(), twitterOrigin + "/oauth/request_token");
        QCOMPARE(TwitterAuthenticateUrl(), twitterOrigin + "/oauth/authenticate");
        QCOMPARE(TwitterAccessTokenUrl(), twitterOrigin + "/oauth/access_token");
        // The web host is not overridden here: it keeps its built-in value.
        QCOMPARE(FacebookWebBaseUrl(), QStringLiteral("https://www.facebook.com/"));
        QCOMPARE(FacebookWebHost(), QStringLiteral("www.facebook.com"));

        qunsetenv("MERVEX_FACEBOOK_GRAPH_HOST");
        qunsetenv("MERVEX_TWITTER_API_HOST");
    }
};

QTEST_GUILESS_MAIN(TestGlobals)
#include "test_globals.moc"
