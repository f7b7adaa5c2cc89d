// Plug-in descriptions under the user folder's "Plugins/" and the libraries they bring.
#include "config/cfgread.h"
#include "config/datacfg.h"
#include "config/datacfgrecords.h"
#include "config/ziputils.h"
#include "foundation/json.h"
#include "foundation/profiler.h"
#include "functions/certificatecheck.h"
#include "functions/funcmgr.h"
#include "functions/userprompts.h"

#include "foundation/logger/QsLog.h"

#include <QDir>
#include <QFile>
#include <QPluginLoader>

namespace {
// A description larger than this is not one.
const qint64 MaxPluginJsonSize = 16 * 1024 * 1024;

QString NoDoubleSlash(QString text) {
    return text.replace(QLatin1String("//"), QLatin1String("/"));
}

// The user's answer whether the plug-in may load the library (its full path); remember is set
// when the answer is to be kept. Nobody to ask means no.
bool AskUser(const QString& plugin, const QString& fileName, bool* remember) {
    *remember = false;
    IUserPrompts* prompts = UserPrompts::Get(QStringLiteral("plug-in libraries without a decision are not loaded"));
    if (!prompts)
        return false;
    return prompts->AskPermission(
        DataCfg::tr("SECURITY WARNING"),
        DataCfg::tr("The plugin '%1' wants to load: '%2'\nDo you want to allow it?").arg(plugin, fileName),
        DataCfg::tr("Remember my decision"), remember);
}
} // namespace

void DataCfg::LoadPluginFolder(const QString& pluginsFolder) {
    PROFILE_SCOPE("DataCfg::LoadPluginFolder");
    QDir dir(pluginsFolder);
    dir.setFilter(QDir::Dirs | QDir::NoDotAndDotDot);
    dir.setSorting(QDir::Unsorted);
    for (const QFileInfo& info : dir.entryInfoList())
        LoadPlugin(info.absoluteFilePath(), QStringLiteral("plugin.json"));
}

bool DataCfg::LoadPlugin(const QString& folderIn, const QString& fileNameIn) {
    PROFILE_SCOPE("DataCfg::LoadPlugin");
    const QString folder = NoDoubleSlash(folderIn);
    const QString fileName = NoDoubleSlash(fileNameIn);
    QFile file(folder + QLatin1Char('/') + fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    if (file.size() > MaxPluginJsonSize) {
        QLOG_ERROR() << "Error Loading JSON File: " << fileName << "file too large";
        return false;
    }
    QString error;
    const QVariant parsed = JsonParseText(QString::fromUtf8(file.readAll()), error);
    if (!error.isEmpty()) {
        QLOG_ERROR() << "Error Loading JSON File: " << fileName << error;
        return false;
    }
    // A description that is not an object, or whose name is not a text, names no plug-in.
    const QVariantMap map = parsed.toMap();
    const QVariant nameValue = map.value(QStringLiteral("Name"));
    const QString name = nameValue.userType() == QMetaType::QString ? nameValue.toString() : QString();
    ConfigName() = name;
    if (name.isEmpty()) {
        QLOG_ERROR() << "Error Loading Plugin - no Name defined in JSON File: " << fileName << error;
        return false;
    }

    LoadCtrlSetSection(folder, map);
    for (const QVariant& entry : map.value(QStringLiteral("Includes")).toList()) {
        const QString text = CfgRead::Text(entry);
        const int slash = text.lastIndexOf(QLatin1Char('/'));
        if (slash < 0)
            LoadIncludeFile(folder, text);
        else
            LoadIncludeFile(folder + QLatin1Char('/') + text.left(slash), text.mid(slash));
    }
    for (const QVariant& entry : map.value(QStringLiteral("CtrlSets")).toList())
        LoadCtrlListFile(folder, CfgRead::Text(entry));
    for (const QVariant& entry : map.value(QStringLiteral("Grids")).toList())
        LoadGrids(folder, CfgRead::Text(entry), true);

    for (const QVariant& entry : map.value(QStringLiteral("DynamicLibraries")).toList()) {
        const QString rel = CfgRead::Text(entry);
        if (rel.isEmpty())
            continue;
        QString why;
        const QString path = PluginLibraryPath(folder, rel, &why);
        if (path.isEmpty()) {
            QLOG_ERROR() << "Missing DLL File: " << folder + QLatin1Char('/') + rel << why;
            continue;
        }
        const QString checksum = FileHashBase64(path);
        if (checksum.isEmpty())
            continue;
        TUserCfg& user = UserCfg();
        int index = user.FindDynLib(path);
        if (index < 0) {
            TDynLib lib;
            lib.Rsc = path;
            lib.CheckSum = checksum;
            lib.Permission = LP_None;
            user.DynamicLibraries.append(lib);
            index = user.DynamicLibraries.size() - 1;
        }
        TDynLib& lib = user.DynamicLibraries[index];
        if (lib.CheckSum != checksum) {
            // A changed file loses any earlier decision.
            lib.CheckSum = checksum;
            lib.Permission = LP_None;
        }
        if (lib.Permission == LP_None)
            lib.Permission = CheckCertificateForFile(path) ? LP_CertValidated : LP_CertFailed;
        lib.Requested = true;
        lib.Plugin = ConfigName();
    }
    return true;
}

QString DataCfg::PluginLibraryPath(const QString& folderIn, const QString& rel, QString* why) {
    const QString folder = NoDoubleSlash(folderIn);
    QString path = folder + QLatin1Char('/') + rel;
    if (!QFileInfo(path).isFile() && rel.endsWith(QLatin1String(".dll"), Qt::CaseInsensitive)) {
        const QString base = rel.left(rel.size() - 4);
        const int slash = base.lastIndexOf(QLatin1Char('/'));
        for (const QString& built : {base + QStringLiteral(".so"), base.left(slash + 1) + QStringLiteral("lib") +
                                                                       base.mid(slash + 1) + QStringLiteral(".so")}) {
            if (QFileInfo(folder + QLatin1Char('/') + built).isFile()) {
                path = folder + QLatin1Char('/') + built;
                break;
            }
        }
    }
    if (!QFileInfo(path).isFile()) {
        if (why)
            *why = QStringLiteral("(missing)");
        return QString();
    }
    path = QFileInfo(path).canonicalFilePath();
    // A library is loaded only from inside its plug-in's own folder (links resolved), never from wherever a
    // description points.
    const QString root = QFileInfo(folder).canonicalFilePath() + QLatin1Char('/');
    if (root.size() < 2 || !path.startsWith(root)) {
        if (why)
            *why = QStringLiteral("(outside the plugin folder)");
        return QString();
    }
    return path;
}

QStringList DataCfg::RefusedPluginLibraries(const QString& folder, const QString& fileName) {
    QStringList refused;
    QFile file(NoDoubleSlash(folder + QLatin1Char('/') + fileName));
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxPluginJsonSize)
        return refused;
    QString error;
    const QVariantMap map = JsonParseText(QString::fromUtf8(file.readAll()), error).toMap();
    for (const QVariant& entry : map.value(QStringLiteral("DynamicLibraries")).toList()) {
        const QString rel = CfgRead::Text(entry);
        QString why;
        if (!rel.isEmpty() && PluginLibraryPath(folder, rel, &why).isEmpty())
            refused << rel + QLatin1Char(' ') + why;
    }
    return refused;
}

bool DataCfg::LoadDynamicLibraries(bool ask) {
    PROFILE_SCOPE("DataCfg::LoadDynamicLibraries");
    bool changed = false;
    QList<TDynLib>& libs = UserCfg().DynamicLibraries;
    for (int i = 0; i < libs.size(); ++i) {
        if (!libs[i].Requested || libs[i].Loader)
            continue;
        const qint32 permission = libs[i].Permission;
        if (permission == LP_Never)
            continue;
        if (permission != LP_Always && permission != LP_CertValidated) {
            if (!ask)
                continue;
            bool remember = false;
            // The full path: a bare file name would hide where the library really lies.
            const bool yes = AskUser(libs[i].Plugin, libs[i].Rsc, &remember);
            // The question runs a nested event loop: look the entry up again.
            if (i >= libs.size())
                break;
            if (remember) {
                const qint32 value = yes ? LP_Always : LP_Never;
                if (value != libs[i].Permission) {
                    libs[i].Permission = value;
                    changed = true;
                }
            }
            if (!yes)
                continue;
        }
        TDynLib& lib = libs[i];
        QPluginLoader* loader = new QPluginLoader(lib.Rsc, this);
        lib.Loader = loader;
        if (!loader->load()) {
            QLOG_ERROR() << "Error Loading DLL File: " << lib.Rsc << loader->errorString();
            loader->deleteLater();
            lib.Loader = nullptr;
            continue;
        }
        QObject* instance = loader->instance();
        if (!instance) {
            QLOG_ERROR() << "Error DLL Missing Instance: " << lib.Rsc;
            loader->deleteLater();
            lib.Loader = nullptr;
            continue;
        }
        if (IFuncProvider* provider = qobject_cast<IFuncProvider*>(instance)) {
            GetFuncProviderList().append(provider);
            QLOG_INFO() << "Add Dynamic Func Provider:" << instance;
        }
        if (IIncomingDataSource* source = qobject_cast<IIncomingDataSource*>(instance)) {
            AddDataSource(GetDataSourceList(), source);
            QLOG_INFO() << "Add Dynamic Data Source:" << instance;
        }
    }
    return changed;
}
