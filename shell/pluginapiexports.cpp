// The plug-in API (functions/plugintools.h, functions/pluginlogger.h) is exported from the program's own
// executable, which plug-in libraries link against. The program does not call every member itself, and the
// linker takes an object of a static library only when something refers to it: this table refers to every
// member, so the executable holds them all and, built with exported symbols, gives them out by name.
// Constructors, the destructor and the private line writer live in the same object as GetLogLevel.
#include "functions/pluginlogger.h"
#include "functions/plugintools.h"

#include <QAbstractNetworkCache>
#include <QSslCertificate>

struct PluginApiTable {
    QString (*getTempPath)();
    QString (*getDataPath)();
    QString (*getUserPath)();
    quintptr (*getMainWindowHandle)();
    QAbstractNetworkCache* (*getWebCache)();
    QString (*resolvePath)(const QString&);
    QString (*relativePath)(const QString&);
    void (*addWindowMessageProxy)(IWindowMessageProxy*);
    void (*remWindowMessageProxy)(IWindowMessageProxy*);
    QList<QSslCertificate> (*getRootCAs)();
    QByteArray (*doTidyHtml2Xml)(const char*);
    PluginTools& (PluginTools::*assignTools)(const PluginTools&);
    PluginLogger::LogLevel (*getLogLevel)();
    PluginLogger& (PluginLogger::*assignLogger)(const PluginLogger&);
    PluginLogger::Helper& (PluginLogger::Helper::*assignHelper)(const PluginLogger::Helper&);
    QDebug& (PluginLogger::Helper::*stream)();
};

extern const PluginApiTable g_pluginApiTable;
const PluginApiTable g_pluginApiTable = {
    &PluginTools::GetTempPath,           &PluginTools::GetDataPath,
    &PluginTools::GetUserPath,           &PluginTools::GetMainWindowHandle,
    &PluginTools::GetWebCache,           &PluginTools::ResolvePath,
    &PluginTools::RelativePath,          &PluginTools::AddWindowMessageProxy,
    &PluginTools::RemWindowMessageProxy, &PluginTools::GetRootCAs,
    &PluginTools::DoTidyHtml2Xml,        &PluginTools::operator=,
    &PluginLogger::GetLogLevel,          &PluginLogger::operator=,
    &PluginLogger::Helper::operator=,    &PluginLogger::Helper::stream,
};
