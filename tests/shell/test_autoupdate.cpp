// The update check, the installer download and its start, against a local HTTP server.

#include "shell/autoupdate.h"
#include "shell/networkaccess.h"
#include "shell/vellichorinstaller.h"
#include "shell/weblauncherversion.h"
#include "tests/shell/localhttpserver.h"

#include <QCryptographicHash>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const QString kVersionPath = QStringLiteral("/frontend.en,1,vellichor.dll");
}

class TestAutoUpdate : public QObject {
    Q_OBJECT
private:
    QTemporaryDir runtime;
    LocalHttpServer* server = nullptr;

    // A controller asking the local server, with the version page set to body.
    AutoUpdate* CheckedController(const QByteArray& body, int status = 200) {
        server->Set(kVersionPath, {body, status});
        auto* c = new AutoUpdate(this);
        QSignalSpy read(c, &AutoUpdate::webLauncherVersionRead);
        if (!c->CheckVersion() || !read.wait(5000))
            qWarning("version check did not end");
        return c;
    }

private slots:
    void initTestCase() {
        QVERIFY(runtime.isValid());
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
        server = new LocalHttpServer;
        QVERIFY(server->isListening());
        qputenv("MERVEX_WEB_HOST", server->Origin().toLatin1());
    }
    void cleanupTestCase() { delete server; }

    void progressPercent_data() {
        QTest::addColumn<qint64>("received");
        QTest::addColumn<qint64>("total");
        QTest::addColumn<int>("percent");
        QTest::newRow("quarter") << qint64(50) << qint64(200) << 25;
        QTest::newRow("truncated") << qint64(1) << qint64(3) << 33;
        QTest::newRow("all") << qint64(200) << qint64(200) << 100;
        QTest::newRow("unknown total") << qint64(5) << qint64(-1) << -1;
        QTest::newRow("zero total") << qint64(0) << qint64(0) << -1;
        QTest::newRow("large") << qint64(3000000000LL) << qint64(6000000000LL) << 50;
    }
    void progressPercent() {
        QFETCH(qint64, received);
        QFETCH(qint64, total);
        QFETCH(int, percent);
        QCOMPARE(NetworkAccess::ProgressPercent(received, total), percent);
    }

    void getWithoutUrlStartsNothing() {
        NetworkAccess access(QString(), this);
        QVERIFY(!access.Get());
        QVERIFY(!access.GetReply());
    }

    void versionAnswers_data() {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("version");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("offers");
        QTest::addColumn<int>("build");
        QTest::addColumn<QString>("link");

        const QByteArray full =
            "{\"Version\":\"0.460\",\"MD5\":\"abc\",\"Build\":1234,\"Changelog\":\"<ul><li>x</li></ul>\","
            "\"Link\":\"http://h/i.exe\"}";
        QTest::newRow("newer") << full << 200 << "0.460" << 460 << "V0.460" << true << 1234 << "http://h/i.exe";
        QTest::newRow("same") << QByteArray("{\"Version\":\"0.459\",\"Link\":\"l\"}") << 200 << "0.459" << 459
                              << "V0.459" << false << -1 << "l";
        QTest::newRow("older, short") << QByteArray("{\"Version\":\"0.46\"}") << 200 << "0.46" << 46 << "V0.46" << false
                                      << -1 << "";
        QTest::newRow("major release") << QByteArray("{\"Version\":\"1.0.2\"}") << 200 << "1.0.2" << 102 << "V0.102"
                                       << true << -1 << "";
        QTest::newRow("build as text") << QByteArray("{\"Version\":\"0.460\",\"Build\":\"77\"}") << 200 << "0.460"
                                       << 460 << "V0.460" << true << -1 << "";
        QTest::newRow("build fraction") << QByteArray("{\"Build\":12.9}") << 200 << "" << 0 << "" << false << 12 << "";
        QTest::newRow("build out of range")
            << QByteArray("{\"Build\":1e30}") << 200 << "" << 0 << "" << false << -1 << "";
        QTest::newRow("version as number")
            << QByteArray("{\"Version\":0.5}") << 200 << "" << 0 << "" << false << -1 << "";
        QTest::newRow("unreadable number")
            << QByteArray("{\"Version\":\"0.x\"}") << 200 << "0.x" << 0 << "V0.0" << false << -1 << "";
        QTest::newRow("html error page") << QByteArray("<html><body>Error</body></html>") << 200 << "" << 0 << ""
                                         << false << -1 << "";
        QTest::newRow("script is not run") << QByteArray("{\"Version\":(function(){return \"0.999\";})()}") << 200 << ""
                                           << 0 << "" << false << -1 << "";
        QTest::newRow("array") << QByteArray("[{\"Version\":\"0.460\"}]") << 200 << "" << 0 << "" << false << -1 << "";
        QTest::newRow("empty") << QByteArray() << 200 << "" << 0 << "" << false << -1 << "";
        QTest::newRow("error status") << full << 500 << "" << 0 << "" << false << -1 << "";
        QTest::newRow("oversized") << QByteArray("{\"Version\":\"0.460\",\"Changelog\":\"") +
                                          QByteArray(WebLauncherVersion::MaxAnswerBytes, 'a') + "\"}"
                                   << 200 << "" << 0 << "" << false << -1 << "";
    }
    void versionAnswers() {
        QFETCH(QByteArray, body);
        QFETCH(int, status);
        AutoUpdate* c = CheckedController(body, status);
        QCOMPARE(server->lastPath, kVersionPath);
        QCOMPARE(server->lastUserAgent, QByteArray("Velli-Chor"));
        QTEST(c->GetVersion(), "version");
        QTEST(c->GetVersionRecord()->GetVersionNumber(), "number");
        QTEST(c->GetVersionRecord()->GetVersionText(), "text");
        QTEST(c->OffersUpdate(), "offers");
        QTEST(c->GetVersionRecord()->Build, "build");
        QTEST(c->GetLink(), "link");
        delete c;
    }

    void unreachableServerOffersNothing() {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost, 0));
        const quint16 port = closed.serverPort();
        closed.close();
        qputenv("MERVEX_WEB_HOST", QByteArray("127.0.0.1:") + QByteArray::number(port));
        AutoUpdate c(this);
        qputenv("MERVEX_WEB_HOST", server->Origin().toLatin1());
        QSignalSpy read(&c, &AutoUpdate::webLauncherVersionRead);
        QVERIFY(c.CheckVersion());
        QVERIFY(read.wait(5000));
        QCOMPARE(read.at(0).at(0).toBool(), true);
        QVERIFY(c.GetVersion().isEmpty());
        QVERIFY(!c.OffersUpdate());
    }

    void stalledRequestTimesOut() {
        server->Set(QStringLiteral("/stall"), {QByteArray(100, 'x'), 200, LocalHttpServer::Stall});
        NetworkAccess access(server->Url(QStringLiteral("/stall")), this);
        access.SetStallTimeout(200);
        QSignalSpy errors(&access, &NetworkAccess::dataRequestError);
        QSignalSpy finished(&access, &NetworkAccess::dataRequestFinished);
        QVERIFY(access.Get());
        QVERIFY(finished.wait(10000));
        QCOMPARE(errors.count(), 1);
        QCOMPARE(errors.at(0).at(0).value<QNetworkReply::NetworkError>(), QNetworkReply::TimeoutError);
        auto* reply = finished.at(0).at(0).value<QNetworkReply*>();
        QVERIFY(reply->error() != QNetworkReply::NoError);
        reply->deleteLater();
    }

    void errorsReachOwnerTwice() {
        NetworkAccess access(server->Url(QStringLiteral("/missing")), this);
        QSignalSpy errors(&access, &NetworkAccess::dataRequestError);
        QSignalSpy finished(&access, &NetworkAccess::dataRequestFinished);
        QVERIFY(access.Get());
        QVERIFY(finished.wait(5000));
        QCOMPARE(errors.count(), 1);
        QCOMPARE(errors.at(0).at(0).value<QNetworkReply::NetworkError>(), QNetworkReply::ContentNotFoundError);
        finished.at(0).at(0).value<QNetworkReply*>()->deleteLater();
    }

    void download_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("announced");
        QTest::addColumn<bool>("matches");
        const QByteArray file = "#!/bin/sh\nexit 0\n" + QByteArray(70000, '#');
        const QString md5 = QString::fromLatin1(QCryptographicHash::hash(file, QCryptographicHash::Md5).toHex());
        QTest::newRow("match") << file << md5 << true;
        QTest::newRow("match, upper case") << file << md5.toUpper() << true;
        QTest::newRow("mismatch") << file << QString(32, QLatin1Char('0')) << false;
        QTest::newRow("none announced") << file << QString() << false;
    }
    void download() {
        QFETCH(QByteArray, file);
        QFETCH(QString, announced);
        server->Set(QStringLiteral("/installer"), {file});
        const QByteArray answer = "{\"Version\":\"0.460\",\"MD5\":\"" + announced.toLatin1() + "\",\"Link\":\"" +
                                  server->Url(QStringLiteral("/installer")).toLatin1() + "\"}";
        AutoUpdate* c = CheckedController(answer);
        QDir(c->GetDownloadFolder()).removeRecursively();
        QSignalSpy progress(c, &AutoUpdate::downloadProgress);
        QSignalSpy completed(c, &AutoUpdate::downloadCompleted);
        QSignalSpy copied(c, &AutoUpdate::copyCompleted);
        c->StartDownload();
        QVERIFY(c->IsDownloading());
        QVERIFY(copied.wait(5000));
        QCOMPARE(completed.count(), 1);
        QVERIFY(!c->IsDownloading());
        QVERIFY(!progress.isEmpty());
        QCOMPARE(progress.last().at(0).toInt(), 100);
        QFile written(c->GetInstallerPath());
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), file);
        QTEST(VellichorInstaller::DigestMatches(c->GetFileMD5(), c->GetExpectedMD5()), "matches");
        delete c;
    }

    void failedDownloadWritesNothing_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("error");
        QTest::newRow("cut short") << int(LocalHttpServer::CutShort) << 200 << -1;
        QTest::newRow("not found") << int(LocalHttpServer::Whole) << 404 << int(QNetworkReply::ContentNotFoundError);
        QTest::newRow("too large") << int(LocalHttpServer::Endless) << 200 << int(QNetworkReply::UnknownContentError);
    }
    void failedDownloadWritesNothing() {
        QFETCH(int, mode);
        QFETCH(int, status);
        server->Set(QStringLiteral("/broken"), {QByteArray(200000, 'b'), status, LocalHttpServer::Mode(mode)});
        AutoUpdate* c = CheckedController("{\"Version\":\"0.460\",\"Link\":\"" +
                                          server->Url(QStringLiteral("/broken")).toLatin1() + "\"}");
        c->SetMaxInstallerBytes(1024 * 1024);
        QFile::remove(c->GetInstallerPath());
        QSignalSpy errors(c, &AutoUpdate::downloadError);
        QSignalSpy copied(c, &AutoUpdate::copyCompleted);
        c->StartDownload();
        QVERIFY(errors.wait(10000));
        QFETCH(int, error);
        if (error >= 0)
            QCOMPARE(int(errors.at(0).at(0).value<QNetworkReply::NetworkError>()), error);
        QTest::qWait(50);
        QCOMPARE(copied.count(), 0);
        QVERIFY(!QFile::exists(c->GetInstallerPath()));
        QVERIFY(c->GetFileMD5().isEmpty());
        delete c;
    }

    void abortAndRestart() {
        server->Set(QStringLiteral("/slow"), {QByteArray(1000, 's'), 200, LocalHttpServer::Stall});
        AutoUpdate* c = CheckedController("{\"Version\":\"0.460\",\"Link\":\"" +
                                          server->Url(QStringLiteral("/slow")).toLatin1() + "\"}");
        QSignalSpy errors(c, &AutoUpdate::downloadError);
        c->StartDownload();
        VellichorInstaller* first = c->GetInstaller();
        QVERIFY(first);
        QTRY_VERIFY(server->requests > 0);
        c->AbortDownload();
        QVERIFY(!c->IsDownloading());
        QVERIFY(!c->GetInstaller());
        QTRY_COMPARE(errors.count(), 1);
        QCOMPARE(errors.at(0).at(0).value<QNetworkReply::NetworkError>(), QNetworkReply::OperationCanceledError);
        const int asked = server->requests;
        c->StartDownload();
        QVERIFY(c->GetInstaller());
        QVERIFY(c->GetInstaller() != first);
        QVERIFY(c->IsDownloading());
        QTRY_VERIFY(server->requests > asked);
        c->AbortDownload();
        delete c;
    }

    void noLinkStartsNothing() {
        // A request aborted by the previous case may still reach the server; let it arrive first.
        QTest::qWait(100);
        AutoUpdate* c = CheckedController("{\"Version\":\"0.460\"}");
        const int afterCheck = server->requests;
        c->StartDownload();
        QVERIFY(!c->GetInstaller());
        QVERIFY(!c->IsDownloading());
        QTest::qWait(50);
        QCOMPARE(server->requests, afterCheck);
        QCOMPARE(server->lastPath, kVersionPath);
        delete c;
    }

    void installerStart_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("started");
        QTest::newRow("script") << QByteArray("#!/bin/sh\necho started > \"$(dirname \"$0\")/marker\"\n") << true;
        QTest::newRow("windows program") << QByteArray("MZ\x90\x00\x03 not for here", 18) << false;
        QTest::newRow("empty") << QByteArray() << false;
    }
    void installerStart() {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("MERVEX_Velli_Chor.exe"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
        f.close();
        QString why;
        QFETCH(bool, started);
        QCOMPARE(VellichorInstaller::StartInstaller(path, &why), started);
        if (started)
            QTRY_VERIFY(QFile::exists(dir.filePath(QStringLiteral("marker"))));
        else
            QVERIFY(!why.isEmpty());
    }
};

QTEST_MAIN(TestAutoUpdate)
#include "test_autoupdate.moc"
