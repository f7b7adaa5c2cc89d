#include "foundation/globals.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <unistd.h>

namespace MervexGlobals {

const QString& LogTimeFormat() {
    static const QString fmt = QStringLiteral("yyyy-MM-ddThh:mm:ss.zzz");
    return fmt;
}

const QString& BuildText() {
    static const QString text = QStringLiteral("20131128.28200") + QString(28, QLatin1Char(' '));
    return text;
}

const QString& Version() {
    static const QString text = QStringLiteral(MERVEX_VERSION);
    return text;
}

namespace {
bool IsPrivateDir(const QString& path) {
    QFileInfo info(path);
    if (!info.isDir() || info.isSymLink() || info.ownerId() != uint(::getuid()))
        return false;
    const auto others =
        QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    return (info.permissions() & others) == 0;
}

bool MakePrivateDir(const QString& path) {
    // A link planted in a shared folder must not make us change the permissions of what it points at.
    if (QFileInfo(path).isSymLink())
        return false;
    QDir().mkpath(path);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return IsPrivateDir(path);
}
} // namespace

QString PrivateTempRoot() {
    // Never a folder shared between users: the runtime folder when it is ours, else a 0700 folder below /tmp.
    const QString runtime = QString::fromLocal8Bit(qgetenv("XDG_RUNTIME_DIR"));
    if (!runtime.isEmpty() && IsPrivateDir(runtime))
        return QDir::cleanPath(runtime);
    const QString fallback = QDir::tempPath() + QStringLiteral("/mervex-%1").arg(::getuid());
    if (MakePrivateDir(fallback))
        return fallback;
    const QString home = QDir::cleanPath(QDir::homePath() + QStringLiteral("/.cache/mervex-tmp"));
    MakePrivateDir(home);
    return home;
}

} // namespace MervexGlobals
