#include "plugintools.h"

#include "globals.h"
#include "qnetworkdiskcachepwn.h"
#include "pal/windowmessagebus.h"

#include <QCoreApplication>
#include <QDir>
#include <QNetworkDiskCache>
#include <QStandardPaths>
#include <new>

namespace {

QString WithSlash(const QString& folder) {
    QString f = QDir::fromNativeSeparators(folder);
    if (!f.endsWith(QLatin1Char('/')))
        f += QLatin1Char('/');
    return f;
}

// The program's folder below the private temporary base.
QLatin1String TempSubPath() {
    return QLatin1String("/MERVEX/Velli-Chor/");
}

QString& DataFolder() {
    static QString folder;
    return folder;
}

QString& UserFolder() {
    static QString folder;
    return folder;
}

} // namespace

// ---------------------------------------------------------------------------------------------------------------
// Folders

QString PluginTools::GetTempPath() {
    return MervexGlobals::PrivateTempRoot() + TempSubPath();
}

QString PluginTools::GetDataPath() {
    if (DataFolder().isEmpty())
        DataFolder() = DefaultDataPath();
    return DataFolder();
}

QString PluginTools::GetUserPath() {
    if (UserFolder().isEmpty())
        UserFolder() = DefaultUserPath();
    return UserFolder();
}

void PluginTools::SetDataPath(const QString& folder) {
    DataFolder() = folder.isEmpty() ? QString() : WithSlash(folder);
}

void PluginTools::SetUserPath(const QString& folder) {
    UserFolder() = folder.isEmpty() ? QString() : WithSlash(folder);
}

QString PluginTools::DefaultDataPath() {
    const QString fromEnv = QString::fromLocal8Bit(qgetenv("MERVEX_DATA_DIR"));
    if (!fromEnv.isEmpty())
        return WithSlash(QDir(fromEnv).absolutePath());
    // Without an application object there is no executable folder to ask; the working folder stands in.
    const QString base = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
    return WithSlash(base + QStringLiteral("/Data"));
}

QString PluginTools::DefaultUserPath() {
    QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (docs.isEmpty())
        docs = QDir::homePath();
    return WithSlash(docs + QStringLiteral("/MERVEX/Velli-Chor"));
}

// ---------------------------------------------------------------------------------------------------------------
// Paths

QString PluginTools::ResolvePath(const QString& path) {
    QString p = path;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (p.startsWith(QLatin1Char('/'))) {
        // Here an absolute path begins with '/' too. One that already lies in the program's own folders was
        // resolved before (or is a file of the user or temporary folder that RelativePath leaves as it is):
        // prefixing the data folder again would point nowhere.
        if (p.startsWith(GetDataPath()) || p.startsWith(GetUserPath()))
            return p;
        // Finding the temporary folder looks at the file system; only a path that can lie in it pays for that.
        if (p.contains(TempSubPath()) && p.startsWith(GetTempPath()))
            return p;
        return GetDataPath() + p.mid(1);
    }
    // Only the whole word stands for a folder: "Temp/x.txt" is a relative path like any other.
    if (p == QLatin1String("Temp"))
        return GetTempPath();
    if (p == QLatin1String("Data"))
        return GetDataPath();
    if (p == QLatin1String("User"))
        return GetUserPath();
    if (p == QLatin1String("Icons"))
        return GetDataPath() + QStringLiteral("Icons/");
    return p;
}

QString PluginTools::RelativePath(const QString& path) {
    QString p = path;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    p = p.trimmed();
    const QString data = GetDataPath();
    if (p.startsWith(data, Qt::CaseInsensitive))
        return p.mid(data.size() - 1); // keeps the folder's last '/', so the result begins with '/'
    if (p == GetTempPath())
        return QStringLiteral("Temp");
    if (p == GetUserPath())
        return QStringLiteral("User");
    return p;
}

// ---------------------------------------------------------------------------------------------------------------
// Web cache

QAbstractNetworkCache* PluginTools::GetWebCache() {
    // Lives until the process ends: the forwarders handed out may be deleted in any order.
    static QNetworkDiskCache* shared = [] {
        auto* cache = new QNetworkDiskCache();
        const QString folder = GetTempPath() + QStringLiteral("WebCache/");
        QDir().mkpath(folder);
        cache->setCacheDirectory(folder);
        cache->setMaximumCacheSize(33554432);
        return cache;
    }();
    return new (std::nothrow) QNetworkDiskCachePwn(shared);
}

// ---------------------------------------------------------------------------------------------------------------
// The main window's messages

quintptr PluginTools::GetMainWindowHandle() {
    return WindowMessageBus::Instance().MainWindow();
}

void PluginTools::AddWindowMessageProxy(IWindowMessageProxy* proxy) {
    WindowMessageBus::Instance().AddProxy(proxy);
}

void PluginTools::RemWindowMessageProxy(IWindowMessageProxy* proxy) {
    WindowMessageBus::Instance().RemProxy(proxy);
}
