// The plug-in library signature check: detached CMS signatures made by a test signer with the openssl tool,
// trusted DER certificates in the data folder's "Certificates/".
#include "foundation/logger/QsLog.h"
#include "functions/certificatecheck.h"
#include "functions/pluginlogger.h"
#include "functions/plugintools.h"
#include "tests/common/logcapture.h"

#include <QProcess>
#include <QSslCertificate>
#include <QTemporaryDir>
#include <QtTest>

class TestCertificateCheck : public QObject {
    Q_OBJECT
    QTemporaryDir tmp;
    QString data;

    QString P(const QString& rel) const { return tmp.path() + QLatin1Char('/') + rel; }

    bool OpenSsl(const QStringList& args) {
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(QStringLiteral("openssl"), args);
        if (!p.waitForFinished(60000) || p.exitCode() != 0) {
            qWarning() << "openssl" << args << p.readAll();
            return false;
        }
        return true;
    }
    // A self-signed signer: key, PEM certificate and its DER form.
    bool MakeSigner(const QString& name, const QString& serial, const QString& keyFrom = QString()) {
        const QString key = keyFrom.isEmpty() ? P(name + ".key") : keyFrom;
        if (keyFrom.isEmpty() && !OpenSsl({"genrsa", "-out", key, "2048"}))
            return false;
        return OpenSsl({"req", "-x509", "-new", "-key", key, "-subj", "/O=Test Signer/CN=" + name, "-days", "30",
                        "-set_serial", serial, "-out", P(name + ".pem")}) &&
               OpenSsl({"x509", "-in", P(name + ".pem"), "-outform", "DER", "-out", P(name + ".der")});
    }
    bool Sign(const QString& library, const QString& signer, const QString& key) {
        return OpenSsl({"cms", "-sign", "-binary", "-outform", "DER", "-in", library, "-signer", P(signer + ".pem"),
                        "-inkey", key, "-out", library + ".sig"});
    }
    void WriteFile(const QString& path, const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

private slots:
    void initTestCase() {
        data = P("Data/");
        QDir().mkpath(data + "Certificates");
        PluginTools::SetDataPath(data);
        QVERIFY(MakeSigner("good", "1001"));
        QVERIFY(MakeSigner("other", "1002"));
        // Same subject (so same issuer) and serial as "good", but a key of its own.
        QVERIFY(MakeSigner("twin", "1001"));
        QFile::copy(P("good.der"), data + "Certificates/good.der");
        // The same certificate in PEM text is never read as a trusted one.
        QFile::copy(P("other.pem"), data + "Certificates/other.pem");
        static const char kLibrary[] = "\x7f"
                                       "ELF library bytes";
        WriteFile(P("lib/plugin.so"), QByteArray(kLibrary, sizeof kLibrary - 1));
    }

    void signedByTrustedSigner() {
        QVERIFY(Sign(P("lib/plugin.so"), "good", P("good.key")));
        LogCapture rec;
        QVERIFY(CheckCertificateForFile(P("lib/plugin.so")));
        QCOMPARE(rec.Count("The file is signed and the signature was verified:"), 1);
        QCOMPARE(rec.Count("CheckCertificateForFile:  true"), 1);
    }

    void refusals_data() {
        QTest::addColumn<QString>("case_");
        QTest::addColumn<QString>("log");
        QTest::newRow("unsigned") << "unsigned"
                                  << "The file is not signed:";
        QTest::newRow("tampered") << "tampered"
                                  << "Certificate signature failure:";
        QTest::newRow("untrusted signer") << "untrusted"
                                          << "CheckCertificateForFile:  false";
        QTest::newRow("same issuer and serial, other key") << "twin"
                                                           << "CheckCertificateForFile:  false";
        QTest::newRow("garbage signature") << "garbage"
                                           << "An unknown error occurred trying to verify the signature of the file:";
    }
    void refusals() {
        QFETCH(QString, case_);
        QFETCH(QString, log);
        const QString lib = P(case_ + "/lib.so");
        WriteFile(lib, "library " + case_.toUtf8());
        if (case_ == "tampered") {
            QVERIFY(Sign(lib, "good", P("good.key")));
            WriteFile(lib, "library tampered!");
        } else if (case_ == "untrusted") {
            QVERIFY(Sign(lib, "other", P("other.key")));
        } else if (case_ == "twin") {
            QVERIFY(Sign(lib, "twin", P("twin.key")));
        } else if (case_ == "garbage") {
            WriteFile(lib + ".sig", "not a signature");
        }
        LogCapture rec;
        QVERIFY(!CheckCertificateForFile(lib));
        QVERIFY2(rec.Count(log) >= 1, qPrintable(rec.Lines().join('\n')));
        // Only the DER file counts as a trusted certificate: one comparison line at most.
        QVERIFY(rec.Count("CheckCertificateForFile:  ") <= 1);
    }

    void noCertificateFolder() {
        QVERIFY(Sign(P("lib/plugin.so"), "good", P("good.key")));
        PluginTools::SetDataPath(P("EmptyData/"));
        QVERIFY(!CheckCertificateForFile(P("lib/plugin.so")));
        PluginTools::SetDataPath(data);
    }

    void rootCasAreLoadedOnce() {
        PluginTools::SetDataPath(P("CaData/"));
        QDir().mkpath(P("CaData/SSLCerts/CA"));
        QFile::copy(P("good.pem"), P("CaData/SSLCerts/CA/good.pem"));
        QFile::copy(P("other.pem"), P("CaData/SSLCerts/CA/other.crt"));
        QFile::copy(P("twin.der"), P("CaData/SSLCerts/CA/twin.pem")); // DER under a PEM name: nothing
        WriteFile(P("CaData/SSLCerts/CA/notes.txt"), "ignored");
        LogCapture rec;
        const QList<QSslCertificate> roots = PluginTools::GetRootCAs();
        QCOMPARE(roots.size(), 2);
        QCOMPARE(rec.Count("CACert:"), 2);
        QFile::copy(P("twin.pem"), P("CaData/SSLCerts/CA/late.pem"));
        QCOMPARE(PluginTools::GetRootCAs().size(), 2);
        PluginTools::SetDataPath(data);
    }

    void pluginLogger() {
        LogCapture rec;
        GetLogger().SetLevel(QsLogging::InfoLevel);
        QCOMPARE(PluginLogger::GetLogLevel(), PluginLogger::InfoLevel);
        {
            PluginLogger::Helper h(PluginLogger::WarnLevel);
            h.stream() << "Plugin::Run:" << 42;
            PluginLogger::Helper copy(h);
        }
        QCOMPARE(rec.Count("Plugin::Run: 42"), 2);
        QVERIFY(rec.Lines().first().contains("WARN"));
    }
};

QTEST_GUILESS_MAIN(TestCertificateCheck)
#include "test_certificatecheck.moc"
