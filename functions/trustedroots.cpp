#include "functions/trustedroots.h"

#include "foundation/logger/QsLog.h"
#include "functions/plugintools.h"

#include <QFile>
#include <QSslConfiguration>

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

void AddNew(QList<QSslCertificate>& list, const QList<QSslCertificate>& more) {
    for (const QSslCertificate& certificate : more) {
        if (!list.contains(certificate))
            list.append(certificate);
    }
}

} // namespace

namespace TrustedRoots {

QList<QSslCertificate> All(bool withDataFolder) {
    QList<QSslCertificate> roots = QSslConfiguration::systemCaCertificates();
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
