// The certificate authorities every TLS connection trusts: the system's, the data folder's "SSLCerts/CA" and
// the files both environment variables name, the same for every connection.
#include "functions/plugintools.h"
#include "functions/trustedroots.h"
#include "tests/common/logcapture.h"

#include <QSslConfiguration>
#include <QTemporaryDir>
#include <QtTest>

namespace {
QString Fixture(const char* path) {
    return QStringLiteral(MERVEX_TEST_SOURCE_DIR "/../") + QLatin1String(path);
}
QSslCertificate Certificate(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QSslCertificate(&file, QSsl::Pem) : QSslCertificate();
}
} // namespace

class TestTrustedRoots : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void everyPlaceCountsForEveryConnection() {
        const QString inData = Fixture("datasources/fixtures/selfsigned.crt");
        const QString extra = Fixture("shell/tls/ca.pem");
        const QString named = Fixture("shell/tls/stranger.pem");
        QDir().mkpath(m_dir.filePath(QStringLiteral("SSLCerts/CA")));
        QVERIFY(QFile::copy(inData, m_dir.filePath(QStringLiteral("SSLCerts/CA/company.pem"))));
        PluginTools::SetDataPath(m_dir.path() + QLatin1Char('/'));
        qputenv("MERVEX_EXTRA_CA_FILE", extra.toLocal8Bit());
        qputenv("MERVEX_CA_FILE", named.toLocal8Bit());

        const struct {
            const char* place;
            QString file;
        } places[] = {{"data folder", inData}, {"MERVEX_EXTRA_CA_FILE", extra}, {"MERVEX_CA_FILE", named}};
        const QList<QSslCertificate> all = TrustedRoots::All();
        for (const auto& p : places) {
            const QSslCertificate certificate = Certificate(p.file);
            QVERIFY2(!certificate.isNull(), p.place);
            QVERIFY2(all.count(certificate) == 1, p.place);
        }
        for (const QSslCertificate& system : QSslConfiguration::systemCaCertificates())
            QVERIFY(all.contains(system));

        // Installed, they are what a connection without its own configuration trusts, beside the system's.
        QVERIFY(TrustedRoots::Install() >= 3);
        const QList<QSslCertificate> installed = QSslConfiguration::defaultConfiguration().caCertificates();
        for (const auto& p : places)
            QVERIFY2(installed.contains(Certificate(p.file)), p.place);
        for (const QSslCertificate& system : QSslConfiguration::systemCaCertificates())
            QVERIFY(installed.contains(system));
        QCOMPARE(TrustedRoots::Install(), 0);

        // A variable naming a file that does not read is said, and the others still count.
        LogCapture log;
        qputenv("MERVEX_CA_FILE", m_dir.filePath(QStringLiteral("missing.pem")).toLocal8Bit());
        QCOMPARE(TrustedRoots::All().count(Certificate(extra)), 1);
        QVERIFY(log.Has(QStringLiteral("MERVEX_CA_FILE names a file that does not read:")));
        qunsetenv("MERVEX_CA_FILE");
        qunsetenv("MERVEX_EXTRA_CA_FILE");
    }
};

QTEST_MAIN(TestTrustedRoots)
#include "test_trustedroots.moc"
