// A plug-in library that uses every member of the exported plug-in API, loaded by the real program: each
// member it reaches leaves a line in "api-plugin.txt" in the user folder, and the logger helper writes one
// line to the program's log. The API's symbols come from the program that loads it, not from a link.
#include "functions/ifuncprovider.h"
#include "functions/iwindowmessageproxy.h"
#include "functions/pluginlogger.h"
#include "functions/plugintools.h"

#include <QAbstractNetworkCache>
#include <QFile>
#include <QSslCertificate>
#include <QtPlugin>

namespace {
class Proxy : public IWindowMessageProxy {};

QStringList UseEveryMember() {
    QStringList ok;
    const auto check = [&ok](bool good, const char* name) {
        if (good)
            ok << QLatin1String(name);
    };
    const QString temp = PluginTools::GetTempPath();
    const QString data = PluginTools::GetDataPath();
    const QString user = PluginTools::GetUserPath();
    check(temp.endsWith(QLatin1String("/MERVEX/Velli-Chor/")), "GetTempPath");
    check(QFile::exists(data + QStringLiteral("mainCfg.json")), "GetDataPath");
    check(QFile::exists(user + QStringLiteral("Plugins/ApiPlugin/plugin.json")), "GetUserPath");
    check(PluginTools::GetMainWindowHandle() != 0, "GetMainWindowHandle");
    QAbstractNetworkCache* cache = PluginTools::GetWebCache();
    check(cache && cache->cacheSize() >= 0, "GetWebCache");
    delete cache;
    check(PluginTools::ResolvePath(QStringLiteral("\\x\\y.png")) == data + QStringLiteral("x/y.png"), "ResolvePath");
    check(PluginTools::RelativePath(data + QStringLiteral("x/y.png")) == QLatin1String("/x/y.png"), "RelativePath");
    Proxy proxy;
    PluginTools::AddWindowMessageProxy(&proxy);
    PluginTools::RemWindowMessageProxy(&proxy);
    ok << QStringLiteral("AddWindowMessageProxy") << QStringLiteral("RemWindowMessageProxy");
    const QList<QSslCertificate> roots = PluginTools::GetRootCAs();
    check(roots.size() >= 0, "GetRootCAs");
    check(PluginTools::DoTidyHtml2Xml("<p>api plugin").contains("api plugin"), "DoTidyHtml2Xml");
    PluginTools tools, otherTools;
    tools = otherTools;
    ok << QStringLiteral("PluginTools::operator=");

    const PluginLogger::LogLevel level = PluginLogger::GetLogLevel();
    check(level >= PluginLogger::TraceLevel && level <= PluginLogger::FatalLevel, "GetLogLevel");
    PluginLogger logger, otherLogger;
    logger = otherLogger;
    ok << QStringLiteral("PluginLogger::operator=");
    {
        // Three lines, all at the first one's level: the copy and the assigned helper carry its text on.
        PluginLogger::Helper line(PluginLogger::InfoLevel);
        line.stream() << "ApiPlugin: helper";
        PluginLogger::Helper copy(line);
        copy.stream() << "copy";
        PluginLogger::Helper assigned(PluginLogger::DebugLevel);
        assigned = line;
        assigned.stream() << "assigned";
    }
    ok << QStringLiteral("Helper");
    return ok;
}
} // namespace

class ApiPlugin : public IFuncProvider {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID IFuncProvider_iid)
    Q_INTERFACES(IFuncProvider)
public:
    ApiPlugin() {
        const QStringList used = UseEveryMember();
        QFile evidence(PluginTools::GetUserPath() + QStringLiteral("api-plugin.txt"));
        if (evidence.open(QIODevice::WriteOnly))
            evidence.write(used.join(QLatin1Char('\n')).toUtf8() + '\n');
    }
    QString GetName() override { return QStringLiteral("ApiPlugin"); }
    QStringList GetFunctionNames() override { return {}; }
};

#include "apiplugin.moc"
