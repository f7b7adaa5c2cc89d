#include "editor/impexppluginpopup.h"

#include "config/dataexchange.h"
#include "config/tusercfg.h"
#include "config/ziputils.h"
#include "editor/exchangeui.h"
#include "foundation/logger/QsLog.h"
#include "foundation/profiler.h"
#include "functions/plugintools.h"

#include <QDir>
#include <QDirIterator>

ImpExpPluginPopUp::ImpExpPluginPopUp(int mode, QWidget* parent, const QString& path) : PopupWnd(parent) {
    Q_UNUSED(mode);
    Q_UNUSED(path);
}

ImpExpPluginPopUp::~ImpExpPluginPopUp() = default;

QString ImpExpPluginPopUp::ImportPlugin(int mode, QWidget* parent, const QString& path) {
    Q_UNUSED(path);
    auto* popup = new ImpExpPluginPopUp(mode, parent, QString());
    const QString result = popup->RunImport(QString());
    QLOG_DEBUG() << "RESULTSTRING: " << result;
    delete popup;
    return result;
}

QString ImpExpPluginPopUp::ImportPluginFile(const QString& path, QWidget* parent, bool* installed) {
    auto* popup = new ImpExpPluginPopUp(0, parent, QString());
    const QString result = popup->RunImport(path);
    if (installed)
        *installed = popup->m_installed;
    delete popup;
    return result;
}

QString ImpExpPluginPopUp::PluginFolder(const QString& name) {
    const QString safe = ExchangeUi::SafeFileName(name);
    if (safe.isEmpty())
        return QString();
    return PluginTools::GetUserPath() + QStringLiteral("Plugins/") + safe + QLatin1Char('/');
}

QStringList CopyFolder(const QString& target, const QString& source) {
    QStringList failed;
    const QDir src(source);
    if (!src.exists())
        return failed;
    if (!QDir(target).exists() && !QDir().mkdir(target))
        return QStringList{target};
    for (const QFileInfo& info : src.entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks, QDir::Unsorted)) {
        const QString to = target + QLatin1Char('/') + info.fileName();
        QFile::remove(to);
        if (!QFile::copy(info.absoluteFilePath(), to) || QFileInfo(to).size() != info.size())
            failed << to;
    }
    for (const QFileInfo& info :
         src.entryInfoList(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::NoSymLinks, QDir::Unsorted))
        failed += CopyFolder(target + QLatin1Char('/') + info.fileName(), info.absoluteFilePath());
    return failed;
}

namespace {

bool HoldsFiles(const QString& folder) {
    return QDirIterator(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories).hasNext();
}

// Puts the staged plug-in in place at `target`. The new tree is assembled beside the old one and swapped in
// whole: a failed copy leaves the installed plug-in as it was and nothing half-copied. `failed` gets the files
// that could not be copied; the staging folder is removed in any case.
bool SwapInPluginFolder(const QString& target, const QString& staging, bool existed, QStringList& failed) {
    const QString plugins = QFileInfo(target).absolutePath() + QLatin1Char('/');
    const QString fresh = plugins + QLatin1Char('.') + QFileInfo(target).fileName() + QStringLiteral(".new");
    const QString old = plugins + QLatin1Char('.') + QFileInfo(target).fileName() + QStringLiteral(".old");
    QDir().mkpath(plugins);
    RemoveDirRecursive(fresh);
    failed = CopyFolder(fresh, staging);
    RemoveDirRecursive(staging);
    bool installed = failed.isEmpty();
    if (installed && existed) {
        RemoveDirRecursive(old);
        installed = QDir().rename(target, old);
    }
    if (installed && !QDir().rename(fresh, target)) {
        installed = false;
        if (existed)
            QDir().rename(old, target);
    }
    RemoveDirRecursive(fresh);
    RemoveDirRecursive(old);
    return installed;
}

// A plug-in new to this run is read at once and its libraries decided on; only the new plug-in's libraries are
// asked about, those decided earlier in this run are left alone.
void ReadNewPlugin(const QString& target) {
    DataCfg* cfg = DataCfg::Instance();
    if (!cfg)
        return;
    QList<DataCfg::TDynLib>& libs = cfg->UserCfg().DynamicLibraries;
    QStringList earlier;
    for (DataCfg::TDynLib& lib : libs) {
        if (lib.Requested) {
            earlier << lib.Rsc;
            lib.Requested = false;
        }
    }
    const bool read = cfg->LoadPlugin(target, QStringLiteral("plugin.json"));
    const bool changed = read && cfg->LoadDynamicLibraries();
    for (DataCfg::TDynLib& lib : cfg->UserCfg().DynamicLibraries)
        lib.Requested = lib.Requested || earlier.contains(lib.Rsc);
    if (changed)
        cfg->SaveUserCfg();
}

} // namespace

bool ImpExpPluginPopUp::AskInstall(const QVariantMap& info) {
    const int answer =
        ExchangeUi::Ask(parentWidget(), 4, tr("Plugin found"),
                        tr("Do you want to import this plugin?") + QStringLiteral("\n\n") + tr("Name: ") +
                            info.value(QStringLiteral("Name")).toString() + QStringLiteral("\n") + tr("Author: ") +
                            info.value(QStringLiteral("Author")).toString() + QStringLiteral("\n") +
                            tr("Description: ") + info.value(QStringLiteral("Desc")).toString(),
                        YES | NO);
    return answer == YES;
}

QString ImpExpPluginPopUp::RunImport(const QString& pathIn) {
    PROFILE_SCOPE("ImpExpPluginPopUp::RunImport");
    QWidget* owner = parentWidget();
    const QString user = PluginTools::GetUserPath();
    QDir().mkpath(user + QStringLiteral("Exchange/"));
    QDir().mkpath(user + QStringLiteral("Import/rsc/"));
    QString file = pathIn.isEmpty() ? m_path : pathIn;
    if (file.isEmpty())
        file = ExchangeUi::OpenFile(owner, tr("Import Package ..."), user + QStringLiteral("Exchange/"),
                                    ExchangeUi::PackageFilter());
    if (file.isEmpty())
        return QString();
    QVariant infoValue;
    if (!ImportPackage(file, m_controls, m_grids, infoValue, user + QStringLiteral("Import/rsc/"))) {
        ExchangeUi::Ask(owner, 3, tr("Error"), tr("Can't import File: ") + file, OK);
        return QString();
    }
    const QVariantMap info = infoValue.toMap();
    if (info.value(QStringLiteral("Plugin")).toInt() != 1)
        return file;

    const QString staging = PluginTools::GetTempPath() + QStringLiteral("Exchange/_tmp/");
    if (!AskInstall(info)) {
        // Declined, or the question closed without an answer: nothing is installed.
        RemoveDirRecursive(staging);
        return QString();
    }
    const QString name = info.value(QStringLiteral("Name")).toString();
    const QString folder = PluginFolder(name);
    if (folder.isEmpty()) {
        ExchangeUi::Ask(owner, 3, tr("Error"), tr("The plugin has no usable name: ") + name, OK);
        RemoveDirRecursive(staging);
        return QString();
    }
    if (!HoldsFiles(staging)) {
        ExchangeUi::Ask(owner, 3, tr("Error"), tr("The plugin package holds no files: ") + file, OK);
        RemoveDirRecursive(staging);
        return QString();
    }
    const QString target = folder.left(folder.size() - 1);
    const bool existed = QFileInfo::exists(target);
    if (existed)
        ExchangeUi::Ask(owner, 1, tr("The folder already exists"), tr("The existing Data will be overwritten."), OK);

    QStringList failed;
    if (!SwapInPluginFolder(target, staging, existed, failed)) {
        QLOG_ERROR() << "Plugin import: copy failed:" << failed;
        ExchangeUi::Ask(owner, 3, tr("Error"),
                        tr("The plugin could not be installed: ") + (failed.isEmpty() ? target : failed.first()), OK);
        return QString();
    }
    // A replaced plug-in was read at start and takes effect at the next start.
    if (!existed)
        ReadNewPlugin(target);
    m_installed = true;
    // Installed, but a library it names will not load: that is no import to restart for.
    const QStringList refused = DataCfg::RefusedPluginLibraries(target, QStringLiteral("plugin.json"));
    if (!refused.isEmpty()) {
        QLOG_ERROR() << "Plugin import:" << name << "installed, its libraries refused:" << refused;
        ExchangeUi::Ask(owner, 3, tr("Error"),
                        tr("The plugin was installed, but its library is refused:") + QLatin1Char('\n') +
                            refused.join(QLatin1Char('\n')),
                        OK);
        return QString();
    }
    ExchangeUi::Ask(owner, 1, tr("Plugin imported"),
                    tr("Plugin imported.\nPlease restart the Mervex Velli-Chor-Launcher."), OK);
    return QString();
}
