// The update check, the installer download with its signature, the update dialog and the installer's start,
// against a local HTTP server.

#include "shell/autoupdate.h"
#include "shell/autoupdatedialog.h"
#include "shell/networkaccess.h"
#include "shell/vellichorinstaller.h"
#include "shell/webhosts.h"
#include "shell/weblauncherversion.h"
#include "tests/shell/localhttpserver.h"
#include "tests/shell/popupwatcher.h"
#include "widgets/stdbtn.h"

#include <QCryptographicHash>
#include <QDesktopServices>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <openssl/evp.h>
#include <openssl/pem.h>

namespace {
const QString kVersionPath = QStringLiteral("/frontend.en,1,vellichor.dll");

// A detached signature of data made with the development update key, as tools/signing/sign-installer.sh
// makes it.
QByteArray Sign(const QByteArray& data) {
    QFile keyFile(QStringLiteral(MERVEX_TEST_SOURCE_DIR "/../../tools/signing/update_signing_key.pem"));
    if (!keyFile.open(QIODevice::ReadOnly))
        return QByteArray();
    const QByteArray pem = keyFile.readAll();
    BIO* bio = BIO_new_mem_buf(pem.constData(), pem.size());
    EVP_PKEY* key = PEM_read_bio_PrivateKey(bio, nullptr, nullptr, nullptr);
    BIO_free(bio);
    QByteArray signature;
    EVP_MD_CTX* ctx = EVP_MD_CTX_new();
    size_t length = 0;
    if (key && EVP_DigestSignInit(ctx, nullptr, EVP_sha256(), nullptr, key) == 1 &&
        EVP_DigestSignUpdate(ctx, data.constData(), size_t(data.size())) == 1 &&
        EVP_DigestSignFinal(ctx, nullptr, &length) == 1) {
        signature.resize(int(length));
        if (EVP_DigestSignFinal(ctx, reinterpret_cast<unsigned char*>(signature.data()), &length) == 1)
            signature.resize(int(length));
        else
            signature.clear();
    }
    EVP_MD_CTX_free(ctx);
    EVP_PKEY_free(key);
    return signature;
}

QString Md5(const QByteArray& data) {
    return QString::fromLatin1(QCryptographicHash::hash(data, QCryptographicHash::Md5).toHex());
}

bool WriteFile(const QString& path, const QByteArray& content) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(content) == content.size();
}

QByteArray ReadFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

// Receives the addresses the program hands to the desktop.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void Open(const QUrl& url) { urls << url; }
};

class TestAutoUpdate : public QObject {
    Q_OBJECT
private:
    QTemporaryDir runtime;
    LocalHttpServer* server = nullptr;

    // Serves an installer at path with its signature at path + ".sig" (sig: the signature's body; null: a
    // valid one), and a version page announcing it with its digest.
    AutoUpdate* OfferInstaller(const QString& path, const QByteArray& file, const QByteArray& sig = QByteArray(),
                               int sigStatus = 200) {
        server->Set(path, {file});
        server->Set(path + QStringLiteral(".sig"), {sig.isNull() ? Sign(file) : sig, sigStatus});
        return CheckedController("{\"Version\":\"0.460\",\"MD5\":\"" + Md5(file).toLatin1() + "\",\"Link\":\"" +
                                 server->Url(path).toLatin1() + "\"}");
    }

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
        // The local server offers no TLS.
        qputenv("MERVEX_WEB_SCHEME", "http");
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
        QTest::addColumn<bool>("overExecutable");
        const QByteArray file = "#!/bin/sh\nexit 0\n" + QByteArray(70000, '#');
        const QString md5 = QString::fromLatin1(QCryptographicHash::hash(file, QCryptographicHash::Md5).toHex());
        QTest::newRow("match") << file << md5 << true << false;
        QTest::newRow("match, upper case") << file << md5.toUpper() << true << false;
        QTest::newRow("mismatch") << file << QString(32, QLatin1Char('0')) << false << false;
        QTest::newRow("none announced") << file << QString() << false << false;
        // A file of that name left executable (by whoever) must not hand its mode to the download.
        QTest::newRow("over an executable file") << file << md5 << true << true;
    }
    void download() {
        QFETCH(QByteArray, file);
        QFETCH(QString, announced);
        QFETCH(bool, overExecutable);
        server->Set(QStringLiteral("/installer"), {file});
        server->Set(QStringLiteral("/installer.sig"), {Sign(file)});
        const QByteArray answer = "{\"Version\":\"0.460\",\"MD5\":\"" + announced.toLatin1() + "\",\"Link\":\"" +
                                  server->Url(QStringLiteral("/installer")).toLatin1() + "\"}";
        AutoUpdate* c = CheckedController(answer);
        QDir(c->GetDownloadFolder()).removeRecursively();
        if (overExecutable) {
            QVERIFY(QDir().mkpath(c->GetDownloadFolder()));
            QVERIFY(WriteFile(c->GetInstallerPath(), "#!/bin/sh\nold\n"));
            QVERIFY(QFile::setPermissions(c->GetInstallerPath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                                     QFileDevice::ExeOwner | QFileDevice::ExeUser));
        }
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
        QVERIFY(c->VerifyInstaller());
        QCOMPARE(server->lastPath, QStringLiteral("/installer.sig"));
        // Written, never made executable.
        QVERIFY(!(QFile::permissions(c->GetInstallerPath()) &
                  (QFileDevice::ExeOwner | QFileDevice::ExeUser | QFileDevice::ExeGroup | QFileDevice::ExeOther)));
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

    // The installer is kept only with a valid signature of the update key: a missing, foreign, damaged or
    // oversized signature drops the download, writes nothing, and leaves an earlier file as it was.
    void unsignedInstallerIsDropped_data() {
        QTest::addColumn<QByteArray>("sig");
        QTest::addColumn<int>("sigStatus");
        const QByteArray file = QByteArray("release") + QByteArray(5000, 'r');
        QByteArray flipped = Sign(file);
        flipped[10] = char(flipped.at(10) ^ 0x01);
        QTest::newRow("missing") << QByteArray("not found") << 404;
        QTest::newRow("of other data") << Sign("other data") << 200;
        QTest::newRow("damaged") << flipped << 200;
        QTest::newRow("empty") << QByteArray("") << 200;
        QTest::newRow("oversized") << QByteArray(8192, 's') << 200;
    }
    void unsignedInstallerIsDropped() {
        QFETCH(QByteArray, sig);
        QFETCH(int, sigStatus);
        const QByteArray file = QByteArray("release") + QByteArray(5000, 'r');
        AutoUpdate* c = OfferInstaller(QStringLiteral("/unsigned.deb"), file, sig, sigStatus);
        QVERIFY(QDir().mkpath(c->GetDownloadFolder()));
        QVERIFY(WriteFile(c->GetInstallerPath(), "an earlier installer"));
        QSignalSpy rejected(c, &AutoUpdate::signatureRejected);
        QSignalSpy copied(c, &AutoUpdate::copyCompleted);
        c->StartDownload();
        QVERIFY(rejected.wait(10000));
        QTest::qWait(50);
        QCOMPARE(copied.count(), 0);
        QVERIFY(!c->IsDownloading());
        QCOMPARE(ReadFile(c->GetInstallerPath()), QByteArray("an earlier installer"));
        QVERIFY(!c->VerifyInstaller());
        QFile::remove(c->GetInstallerPath());
        delete c;
    }

    // The installer's name keeps the extension of the announced file, so the desktop knows what it opens; an
    // http address on the web host itself is fetched with the web server's scheme.
    void installerNameAndAddress() {
        AutoUpdate* c = CheckedController("{\"Version\":\"0.460\",\"Link\":\"http://x/files/vc-0.460.deb?x=1\"}");
        QCOMPARE(c->GetInstallerPath(), c->GetDownloadFolder() + QStringLiteral("/MERVEX_Velli_Chor.deb"));
        delete c;
        c = CheckedController("{\"Version\":\"0.460\",\"Link\":\"http://x/setup\"}");
        QCOMPARE(c->GetInstallerPath(), c->GetDownloadFolder() + QStringLiteral("/MERVEX_Velli_Chor.exe"));
        delete c;
        qputenv("MERVEX_WEB_SCHEME", "https");
        QCOMPARE(WebHosts::InstallerUrl(QStringLiteral("http://%1/i.deb").arg(server->Origin())).scheme(),
                 QStringLiteral("https"));
        QCOMPARE(WebHosts::InstallerUrl(QStringLiteral("http://elsewhere.example/i.deb")).scheme(),
                 QStringLiteral("http"));
        QCOMPARE(WebHosts::VersionUrl(),
                 QStringLiteral("https://%1/frontend.en,1,vellichor.dll").arg(server->Origin()));
        qputenv("MERVEX_WEB_SCHEME", "http");
    }

    // Opening hands the file's URL to the desktop (a local-file URL, not a bare path).
    void installerOpensThroughTheDesktop() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("MERVEX_Velli_Chor.deb"));
        QVERIFY(WriteFile(path, "package"));
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "Open");
        QString why;
        QVERIFY(VellichorInstaller::OpenInstaller(path, &why));
        QVERIFY(!VellichorInstaller::OpenInstaller(dir.filePath(QStringLiteral("missing")), &why));
        QVERIFY(!why.isEmpty());
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QCOMPARE(catcher.urls, QList<QUrl>{QUrl::fromLocalFile(path)});
        QVERIFY(!(QFile::permissions(path) & QFileDevice::ExeOwner));
    }

    // ---- The dialog ----

    void dialogStates() {
        AutoUpdate* c = OfferInstaller(QStringLiteral("/d.deb"), "dialog installer");
        AutoUpdateDialog dialog(c, nullptr);
        dialog.show();
        const AutoUpdateDialog::Form& f = dialog.GetForm();
        QCOMPARE(dialog.size(), QSize(530, 400));
        QCOMPARE(f.lblInstalledVer->text(), QStringLiteral("V0.459"));
        QCOMPARE(f.lblLatestVersion->text(), QStringLiteral("V0.460"));
        QCOMPARE(f.lblNewVersion->text(), QStringLiteral("New version available"));
        QVERIFY(dialog.DownloadButton()->isVisible());
        QVERIFY(!dialog.InstallButton()->isVisible());
        QVERIFY(!f.progressBar->isVisible());

        // CANCEL while the download stalls: back to idle without a message; DOWNLOAD asks again.
        server->Set(QStringLiteral("/d.deb"), {QByteArray(1000, 'd'), 200, LocalHttpServer::Stall});
        PopupWatcher popups;
        const int before = server->requests;
        dialog.DownloadButton()->click();
        QCOMPARE(f.lblNewVersion->text(), QStringLiteral("Download in progress"));
        QVERIFY(dialog.InstallButton()->isVisible());
        QVERIFY(!dialog.InstallButton()->isEnabled());
        QTRY_VERIFY(server->requests > before);
        f.btnCancel->click();
        QCOMPARE(f.lblNewVersion->text(), QStringLiteral("New version available"));
        QVERIFY(dialog.DownloadButton()->isVisible());
        QTest::qWait(100);
        QCOMPARE(popups.seen, QStringList());
        server->Set(QStringLiteral("/d.deb"), {"dialog installer"});
        QSignalSpy copied(c, &AutoUpdate::copyCompleted);
        dialog.DownloadButton()->click();
        QVERIFY(copied.wait(10000));
        QVERIFY(dialog.InstallButton()->isEnabled());
        QCOMPARE(f.progressBar->value(), 100);
        delete c;
    }

    // INSTALL: a verified file goes to the desktop and the program is asked to close; a file that no longer
    // matches its signature (changed after it was written, its digest announced to match) is refused.
    void install_data() {
        QTest::addColumn<bool>("tamper");
        QTest::newRow("verified") << false;
        QTest::newRow("changed on disk") << true;
    }
    void install() {
        QFETCH(bool, tamper);
        const QByteArray file = "installer to open";
        AutoUpdate* c = OfferInstaller(QStringLiteral("/i.deb"), file);
        AutoUpdateDialog* dialog = new AutoUpdateDialog(c, nullptr);
        dialog->show();
        QSignalSpy copied(c, &AutoUpdate::copyCompleted);
        dialog->DownloadButton()->click();
        QVERIFY(copied.wait(10000));
        if (tamper) {
            QVERIFY(WriteFile(c->GetInstallerPath(), "replaced by someone"));
            c->GetVersionRecord()->MD5 = Md5("replaced by someone");
        }
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "Open");
        PopupWatcher popups;
        QSignalSpy closing(dialog, &AutoUpdateDialog::closeVellichor);
        dialog->InstallButton()->click();
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        if (tamper) {
            QVERIFY(popups.WaitSeen(1));
            QCOMPARE(popups.seen.first(), QStringLiteral("Download Error|File corrupted. Please try download later."));
            QCOMPARE(closing.count(), 0);
            QVERIFY(catcher.urls.isEmpty());
        } else {
            QCOMPARE(closing.count(), 1);
            QCOMPARE(catcher.urls, QList<QUrl>{QUrl::fromLocalFile(c->GetInstallerPath())});
        }
        delete dialog;
        delete c;
    }

    // Errors the user is told of, each leaving INSTALL disabled: a write that fails (the download folder
    // cannot exist, as on a full or read-only disk), an installer without a valid signature, a failed download.
    void dialogErrors_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("message");
        QTest::newRow("write fails") << 0
                                     << QStringLiteral("DOWNLOAD ERROR|Error during downloading File! Please try again "
                                                       "later");
        QTest::newRow("unsigned") << 1
                                  << QStringLiteral("DOWNLOAD ERROR|The downloaded installer does not carry a valid "
                                                    "MERVEX signature. It was not saved.");
        QTest::newRow("not found") << 2
                                   << QStringLiteral("DOWNLOAD ERROR|Error during downloading File! Please try again "
                                                     "later");
    }
    void dialogErrors() {
        QFETCH(int, kind);
        QFETCH(QString, message);
        const QByteArray file = "error case installer";
        AutoUpdate* c = OfferInstaller(QStringLiteral("/e.deb"), file, kind == 1 ? Sign("x") : QByteArray());
        if (kind == 2)
            server->Set(QStringLiteral("/e.deb"), {"gone", 404});
        QDir(c->GetDownloadFolder()).removeRecursively();
        if (kind == 0) {
            // A file where the download folder should be: the folder cannot be made, the file not written.
            QVERIFY(QDir().mkpath(QFileInfo(c->GetDownloadFolder()).path()));
            QVERIFY(WriteFile(c->GetDownloadFolder(), "in the way"));
        }
        AutoUpdateDialog* dialog = new AutoUpdateDialog(c, nullptr);
        QSignalSpy finished(dialog, &QDialog::finished);
        dialog->show();
        PopupWatcher popups;
        dialog->DownloadButton()->click();
        QVERIFY(popups.WaitSeen(1, 15000));
        QCOMPARE(popups.seen.first(), message);
        QVERIFY(!dialog->InstallButton()->isEnabled());
        // OK on the message closes the dialog.
        QTRY_COMPARE(finished.count(), 1);
        QVERIFY(!QFileInfo(c->GetInstallerPath()).isFile());
        QFile::remove(c->GetDownloadFolder());
        delete dialog;
        delete c;
    }
};

QTEST_MAIN(TestAutoUpdate)
#include "test_autoupdate.moc"
