#include "functions/trustedroots.h"

#include "foundation/logger/QsLog.h"
#include "functions/plugintools.h"

#include <QFile>
#include <QSslConfiguration>

#include <future>
#include <mutex>

namespace {

// An authority file is a few certificates; anything far larger is not one.
constexpr qint64 kMaxAuthorityFileBytes = 16 * 1024 * 1024;

QList<QSslCertificate> FromVariable(const char* name) {
    const QString path = qEnvironmentVariable(name).trimmed();
    if (path.isEmpty())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxAuthorityFileBytes) {
        QLOG_WARN() << "TrustedRoots:" << name << "names a file that does not read:" << path;
        return {};
    }
    const QList<QSslCertificate> certificates = QSslCertificate::fromDevice(&file, QSsl::Pem);
    if (certificates.isEmpty())
        QLOG_WARN() << "TrustedRoots: no PEM certificate in the file" << name << "names:" << path;
    return certificates;
}

// The distributions' bundle of the system's authorities, one file that the system's tools keep in step with the
// authorities folder. Reading it once is far cheaper than the toolkit's scan of every certificate folder, which
// parses each authority several times over (the folder's own files, their hash links, the bundle, the folders
// linked to it).
const char* const kSystemBundles[] = {"/etc/ssl/certs/ca-certificates.crt", "/etc/pki/tls/certs/ca-bundle.crt",
                                      "/etc/ssl/ca-bundle.pem", "/etc/ssl/cert.pem"};

QList<QSslCertificate> ReadSystemAuthorities() {
    for (const char* path : kSystemBundles) {
        QFile file(QString::fromLatin1(path));
        if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxAuthorityFileBytes)
            continue;
        const QList<QSslCertificate> certificates = QSslCertificate::fromDevice(&file, QSsl::Pem);
        if (!certificates.isEmpty())
            return certificates;
    }
    return QSslConfiguration::systemCaCertificates();
}

std::mutex g_systemMutex;
std::shared_future<QList<QSslCertificate>> g_system;

// The system's authorities, read once per process (on a thread of its own once Preload started it).
QList<QSslCertificate> SystemAuthorities() {
    std::shared_future<QList<QSslCertificate>> system;
    {
        std::lock_guard<std::mutex> lock(g_systemMutex);
        if (!g_system.valid())
            g_system = std::async(std::launch::deferred, ReadSystemAuthorities).share();
        system = g_system;
    }
    return system.get();
}

void AddNew(QList<QSslCertificate>& list, const QList<QSslCertificate>& more) {
    for (const QSslCertificate& certificate : more) {
        if (!list.contains(certificate))
            list.append(certificate);
    }
}

} // namespace

namespace TrustedRoots {

void Preload() {
    std::lock_guard<std::mutex> lock(g_systemMutex);
    if (!g_system.valid())
        g_system = std::async(std::launch::async, ReadSystemAuthorities).share();
}

QList<QSslCertificate> All(bool withDataFolder) {
    QList<QSslCertificate> roots = SystemAuthorities();
    if (withDataFolder)
        AddNew(roots, PluginTools::GetRootCAs());
    AddNew(roots, FromVariable("MERVEX_EXTRA_CA_FILE"));
    AddNew(roots, FromVariable("MERVEX_CA_FILE"));
    return roots;
}

int Install(bool withDataFolder) {
    QSslConfiguration config = QSslConfiguration::defaultConfiguration();
    QList<QSslCertificate> known = config.caCertificates();
    const int before = known.size();
    AddNew(known, All(withDataFolder));
    const int added = known.size() - before;
    config.setCaCertificates(known);
    QSslConfiguration::setDefaultConfiguration(config);
    if (added > 0)
        QLOG_INFO() << "TrustedRoots: trusting" << added << "more certificate authorities";
    return added;
}

} // namespace TrustedRoots
