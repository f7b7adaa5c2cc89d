#include "foundation/datasourceglobals.h"
#include "foundation/globals.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <unistd.h>

using namespace DataSourceGlobals;

class TestGlobals : public QObject {
    Q_OBJECT
private slots:
    void programTexts() {
        QCOMPARE(MervexGlobals::BuildText().size(), 42);
        QCOMPARE(MervexGlobals::BuildText().trimmed(), QStringLiteral("20131128.28200"));
        QCOMPARE(MervexGlobals::Version(), QStringLiteral("0.459"));
        QCOMPARE(MervexGlobals::LogTimeFormat(), QStringLiteral("yyyy-MM-ddThh:mm:ss.zzz"));
    }

    void privateTempRoot_data() {
        QTest::addColumn<QString>("runtime");  // "private", "shared" or "" (unset)
        QTest::addColumn<bool>("plantLink");   // the folder below the temporary folder is a link
        QTest::addColumn<QString>("expected"); // "runtime", "tmp" or "home"

        QTest::newRow("private runtime folder") << "private" << false << "runtime";
        QTest::newRow("no runtime folder") << "" << false << "tmp";
        QTest::newRow("runtime folder open to others") << "shared" << false << "tmp";
        QTest::newRow("planted link below tmp") << "" << true << "home";
    }

    void privateTempRoot() {
        QFETCH(QString, runtime);
        QFETCH(bool, plantLink);
        QFETCH(QString, expected);
        QTemporaryDir base;
        QVERIFY(base.isValid());
        const QString runtimeDir = base.filePath(QStringLiteral("run"));
        const QString tmpDir = base.filePath(QStringLiteral("tmp"));
        const QString homeDir = base.filePath(QStringLiteral("home"));
        const QString elsewhere = base.filePath(QStringLiteral("elsewhere"));
        for (const QString& d : {runtimeDir, tmpDir, homeDir, elsewhere})
            QVERIFY(QDir().mkpath(d));
        const auto open = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup |
                          QFile::ReadOther | QFile::ExeOther;
        QVERIFY(QFile::setPermissions(elsewhere, open));
        const QString tmpBase = tmpDir + QStringLiteral("/mervex-%1").arg(::getuid());
        if (plantLink)
            QVERIFY(QFile::link(elsewhere, tmpBase));
        const QByteArray oldRuntime = qgetenv("XDG_RUNTIME_DIR");
        if (runtime.isEmpty()) {
            qunsetenv("XDG_RUNTIME_DIR");
        } else {
            QVERIFY(QFile::setPermissions(runtimeDir, runtime == QLatin1String("private")
                                                          ? QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                          : open | QFile::WriteGroup));
            qputenv("XDG_RUNTIME_DIR", runtimeDir.toLocal8Bit());
        }
        const QByteArray oldTmp = qgetenv("TMPDIR"), oldHome = qgetenv("HOME");
        qputenv("TMPDIR", tmpDir.toLocal8Bit());
        qputenv("HOME", homeDir.toLocal8Bit());
        const QString root = MervexGlobals::PrivateTempRoot();
        qputenv("TMPDIR", oldTmp);
        qputenv("HOME", oldHome);
        qputenv("XDG_RUNTIME_DIR", oldRuntime);

        const QString want = expected == QLatin1String("runtime") ? runtimeDir
                             : expected == QLatin1String("tmp")   ? tmpBase
                                                                  : homeDir + QStringLiteral("/.cache/mervex-tmp");
        QCOMPARE(root, want);
        const QFileInfo info(root);
        QVERIFY(info.isDir());
        QCOMPARE(int(info.permissions() & (open | QFile::WriteGroup | QFile::WriteOther)),
                 int(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        // What a planted link points at keeps its permissions.
        QCOMPARE(int(QFileInfo(elsewhere).permissions() & open), int(open));
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
