#include "config/dataexchange.h"

#include "config/ziputils.h"
#include "foundation/json.h"
#include "foundation/logger/QsLog.h"
#include "foundation/profiler.h"
#include "functions/pal/pal.h"
#include "functions/plugintools.h"

#include <QDir>
#include <QFile>
#include <QImage>

namespace {
// JSON files of an archive larger than this are not ours.
const qint64 MaxJsonSize = 32 * 1024 * 1024;

bool ReadJson(const QString& path, QVariant& value, QString& error, bool* opened) {
    QFile file(path);
    *opened = file.open(QIODevice::ReadOnly);
    if (!*opened)
        return false;
    if (file.size() > MaxJsonSize) {
        error = QStringLiteral("file too large");
        return false;
    }
    value = JsonParseText(QString::fromUtf8(file.readAll()), error);
    return error.isEmpty();
}
} // namespace

int DetectExchangeKind(const QString& path) {
    PROFILE_SCOPE("DetectExchangeKind");
    if (!QFileInfo::exists(path))
        return EK_Missing;
    const QStringList names = EnumZip(path);
    if (names.contains(QStringLiteral("grids.json")) || names.contains(QStringLiteral("controls.json")))
        return EK_Package;
    if (names.contains(QStringLiteral("grid.json")))
        return EK_Grid;
    if (names.contains(QStringLiteral("control.json")))
        return EK_Control;
    if (names.contains(QStringLiteral("plugin.json")))
        return EK_Plugin;
    return EK_Unrecognised;
}

QString PrepareStagingFolder() {
    const QString exchange = PluginTools::GetTempPath() + QStringLiteral("Exchange/");
    QDir().mkpath(exchange);
    RemoveDirRecursive(exchange + QStringLiteral("_tmp"));
    const QString staging = exchange + QStringLiteral("_tmp/");
    QDir().mkpath(staging);
    return staging;
}

bool CopyFileUnique(const QString& source, const QString& folder, QString& name) {
    PROFILE_SCOPE("CopyFileUnique");
    // Only the base name of the source counts: a name can never lead out of the folder.
    const QFileInfo info(source);
    const QString base = info.completeBaseName();
    const QString suffix = info.suffix();
    for (int n = 0; n < 4096; ++n) {
        name = base;
        if (n > 0)
            name += QStringLiteral("_%1").arg(n);
        if (!suffix.isEmpty())
            name += QLatin1Char('.') + suffix;
        const QString target = folder + QLatin1Char('/') + name;
        if (!QFileInfo::exists(target))
            return QFile::copy(source, target);
        if (FilesEqual(target, source))
            return false;
    }
    return false;
}

bool ExchangeResource(QString& reference, const QString& stagingFolder, const QString& destinationFolder) {
    PROFILE_SCOPE("ExchangeResource");
    const QString trimmed = reference.trimmed();
    if (trimmed.isEmpty())
        return false;
    const int bar = trimmed.indexOf(QLatin1Char('|'));
    const QString path = bar < 0 ? trimmed : trimmed.left(bar);
    const QString tail = bar < 0 ? QString() : trimmed.mid(bar);

    if (!destinationFolder.isEmpty()) {
        // Import: only the archive's own resources are copied; anything else names a file of this computer
        // (or tries to reach one) and stays as it is.
        if (!path.startsWith(QLatin1String("rsc/")) || !IsSafeEntryName(path))
            return false;
        const QString source = stagingFolder + path;
        if (!QFileInfo(source).isFile())
            return false;
        QDir().mkpath(destinationFolder);
        QString name;
        CopyFileUnique(source, destinationFolder, name);
        reference = destinationFolder + name + tail;
        return true;
    }

    QString file = PluginTools::ResolvePath(path);
    QString iconPng;
    if (file.contains(QLatin1String(".exe")) || file.contains(QLatin1String(".dll"))) {
        const QImage icon = PAL::LoadIconImage(reference);
        if (icon.width() < 1)
            return false;
        iconPng = PluginTools::GetTempPath() + QStringLiteral("Exchange/") + QFileInfo(file).completeBaseName() +
                  QStringLiteral(".png");
        if (!icon.save(iconPng, "PNG"))
            return false;
        file = iconPng;
    }
    if (!QFileInfo(file).isFile())
        return false;
    QDir().mkpath(stagingFolder + QStringLiteral("rsc"));
    QString name;
    CopyFileUnique(file, stagingFolder + QStringLiteral("rsc"), name);
    reference = QStringLiteral("rsc/") + name + tail;
    if (!iconPng.isEmpty())
        QFile::remove(iconPng);
    return true;
}

bool ExchangeConfigOptions(DataCfg::TConfig& config, ExchangeContext* context) {
    PROFILE_SCOPE("ExchangeConfigOptions");
    DataCfg* cfg = DataCfg::Instance();
    const QString rsc = context->StagingFolder + QStringLiteral("rsc");
    const bool rscExisted = QFileInfo::exists(rsc);
    if (!rscExisted)
        QDir().mkpath(rsc);
    bool result = false;
    for (DataCfg::TConfigOption& option : config.Options) {
        const QString& typeText = option.TypeText;
        if (typeText == QLatin1String("Function") || typeText.endsWith(QLatin1String("Function"))) {
            if (!cfg)
                continue;
            if (context->Export) {
                const DataCfg::TMacro macro = cfg->FindMacro(option.Value);
                if (macro.Name.isEmpty())
                    continue;
                const QString key = macro.Category + QLatin1Char('/') + macro.Name;
                context->Macros.insert(key, macro.Data);
                option.Value = QStringLiteral("Macro: ") + key;
            } else if (option.Value.startsWith(QLatin1String("Macro:"))) {
                const QString key = option.Value.mid(6).trimmed();
                const QString text = context->Macros.value(key).toString();
                if (text.isEmpty())
                    continue;
                for (int i = 0; i < 1024; ++i) {
                    const QString candidate = i > 0 ? key + QStringLiteral("_%1").arg(i) : key;
                    const DataCfg::TMacro found = cfg->FindMacro(candidate);
                    if (found.Name.isEmpty()) {
                        cfg->SetMacro(candidate, text);
                        option.Value = QStringLiteral("Macro: ") + candidate;
                        break;
                    }
                    if (found.Data == text) {
                        option.Value = QStringLiteral("Macro: ") + found.Category + QLatin1Char('/') + found.Name;
                        break;
                    }
                }
            }
        } else if (option.Type == DataCfg::CO_Drop || option.Type == DataCfg::CO_File) {
            result |= ExchangeResource(option.Value, context->StagingFolder, context->DestinationFolder);
        }
    }
    if (!result && !rscExisted)
        QDir().rmdir(rsc);
    return result;
}

bool ExchangeGridResources(DataCfg::TGrid& grid, ExchangeContext* context) {
    PROFILE_SCOPE("ExchangeGridResources");
    DataCfg* cfg = DataCfg::Instance();
    const QString rsc = context->StagingFolder + QStringLiteral("rsc");
    const bool rscExisted = QFileInfo::exists(rsc);
    if (!rscExisted)
        QDir().mkpath(rsc);
    bool result = ExchangeResource(grid.Background, context->StagingFolder, context->DestinationFolder);
    result |= ExchangeResource(grid.Icon, context->StagingFolder, context->DestinationFolder);
    if (context->Export)
        grid.IconPreview.clear(); // a preview from this computer would name a file that is not in the archive
    if (!context->Export && grid.IconPreview.startsWith(QLatin1String("rsc/")))
        result |= ExchangeResource(grid.IconPreview, context->StagingFolder, context->DestinationFolder);
    if (cfg) {
        for (DataCfg::TGridElem& elem : grid.Elements) {
            DataCfg::TControl control = cfg->FindControl(elem.Control);
            control.Config.SetValues(elem.Config);
            result |= ExchangeConfigOptions(control.Config, context);
            elem.Config = control.Config.GetValues();
        }
    }
    if (!result && !rscExisted)
        QDir().rmdir(rsc);
    return result;
}

namespace {
bool Unpack(const QString& archive, QString& staging) {
    staging = PrepareStagingFolder();
    if (!UnzipDir(archive, staging)) {
        RemoveDirRecursive(staging);
        return false;
    }
    return true;
}

// The macros of a "macros.json" beside the records, when there is one.
void ReadMacros(ExchangeContext& context) {
    QVariant value;
    QString error;
    bool opened = false;
    if (ReadJson(context.StagingFolder + QStringLiteral("macros.json"), value, error, &opened))
        context.Macros = value.toMap().value(QStringLiteral("Macros")).toMap();
}
} // namespace

bool ImportControl(QString& entryName, DataCfg::TControl& control, const QString& archive,
                   const QString& destinationFolder) {
    PROFILE_SCOPE("ImportControl");
    QString staging;
    if (!Unpack(archive, staging))
        return false;
    const QString path = staging + QStringLiteral("control.json");
    QVariant value;
    QString error;
    bool opened = false;
    if (!ReadJson(path, value, error, &opened)) {
        if (!opened)
            QLOG_ERROR() << "Can't read File:" << path;
        else
            QLOG_ERROR() << "Import failed:" << error;
        RemoveDirRecursive(staging);
        return false;
    }
    DataCfg::TCtrlSet list;
    list.Read(value.toMap());
    if (list.Elements.isEmpty()) {
        QLOG_ERROR() << "No Controls found";
        RemoveDirRecursive(staging);
        return false;
    }
    const DataCfg::TCtrlRef& entry = list.Elements.first();
    DataCfg* cfg = DataCfg::Instance();
    DataCfg::TControl found = cfg ? cfg->FindControl(entry.Control) : DataCfg::TControl();
    if (found.id < 0) {
        // An unknown control would come back as an empty record: say so instead of reporting success.
        QLOG_ERROR() << "Import failed: unknown control" << entry.Control;
        RemoveDirRecursive(staging);
        return false;
    }
    found.Config.SetValues(entry.Config);
    ExchangeContext context;
    context.StagingFolder = staging;
    context.DestinationFolder = destinationFolder;
    ReadMacros(context);
    ExchangeConfigOptions(found.Config, &context);
    control = found;
    entryName = entry.Name;
    RemoveDirRecursive(staging);
    return true;
}

bool ImportGrid(DataCfg::TGrid& grid, const QString& archive, const QString& destinationFolder) {
    PROFILE_SCOPE("ImportGrid");
    QString staging;
    if (!Unpack(archive, staging))
        return false;
    const QString path = staging + QStringLiteral("grid.json");
    QVariant value;
    QString error;
    bool opened = false;
    if (!ReadJson(path, value, error, &opened)) {
        if (!opened)
            QLOG_ERROR() << "Can't read File:" << path;
        else
            QLOG_ERROR() << "Import failed:" << error;
        RemoveDirRecursive(staging);
        return false;
    }
    grid.Read(value.toMap());
    ExchangeContext context;
    context.StagingFolder = staging;
    context.DestinationFolder = destinationFolder;
    ExchangeGridResources(grid, &context);
    return true;
}

bool ImportPackage(const QString& archive, DataCfg::TCtrlSet& controls, QList<DataCfg::TGrid>& grids,
                   QVariant& description, const QString& destinationFolder) {
    PROFILE_SCOPE("ImportPackage");
    QString staging;
    if (!Unpack(archive, staging))
        return false;
    const QString info = staging + QStringLiteral("info.json");
    if (QFile(staging + QStringLiteral("plugin.json")).open(QIODevice::ReadOnly)) {
        QVariant value;
        QString error;
        bool opened = false;
        ReadJson(info, value, error, &opened);
        if (!opened) {
            QLOG_ERROR() << "PluginErrorImport: Can't read File: " << info;
            RemoveDirRecursive(staging);
            return false;
        }
        // Written through the JSON writer, so quotes in a name cannot break (or extend) the description.
        const QVariantMap in = value.toMap();
        QVariantMap out;
        for (const char* key : {"Name", "Author", "Desc", "Email", "Web"})
            out.insert(QLatin1String(key), in.value(QLatin1String(key)).toString());
        out.insert(QStringLiteral("Plugin"), QStringLiteral("1"));
        QFile file(info);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            QLOG_ERROR() << "PluginErrorImport: Can't truncate File: " << info;
            RemoveDirRecursive(staging);
            return false;
        }
        file.write(JsonSerializeCompact(out) + '\n');
        file.close();
        if (!ReadJson(info, value, error, &opened) && !opened) {
            QLOG_ERROR() << "PluginErrorImport: Can't truncate File: " << info;
            RemoveDirRecursive(staging);
            return false;
        }
        description = value;
        return true;
    }
    QLOG_ERROR() << "(Error Plugin) Can't read File:" << staging + QStringLiteral("plugin.json");

    const QString controlsPath = staging + QStringLiteral("controls.json");
    const QString gridsPath = staging + QStringLiteral("grids.json");
    if (!QFile(info).open(QIODevice::ReadOnly)) {
        QLOG_ERROR() << "(Error: 01) Can't read File:" << info;
        RemoveDirRecursive(staging);
        return false;
    }
    if (!QFile(controlsPath).open(QIODevice::ReadOnly)) {
        QLOG_ERROR() << "(Error: 02) Can't read File:" << controlsPath;
        return false;
    }
    if (!QFile(gridsPath).open(QIODevice::ReadOnly)) {
        QLOG_ERROR() << "(Error: 03) Can't read File:" << gridsPath;
        return false;
    }
    ExchangeContext context;
    context.StagingFolder = staging;
    context.DestinationFolder = destinationFolder;
    ReadMacros(context);

    QVariant value;
    QString error;
    bool opened = false;
    ReadJson(info, value, error, &opened);
    description = value;

    error.clear();
    if (!ReadJson(controlsPath, value, error, &opened)) {
        QLOG_ERROR() << "(Error: 04) Import failed:" << error;
        RemoveDirRecursive(staging);
        return false;
    }
    controls.Read(value.toMap());
    DataCfg* cfg = DataCfg::Instance();
    for (DataCfg::TCtrlRef& entry : controls.Elements) {
        DataCfg::TControl control = cfg ? cfg->FindControl(entry.Control) : DataCfg::TControl();
        control.Config.SetValues(entry.Config);
        ExchangeConfigOptions(control.Config, &context);
        entry.Config = control.Config.GetValues();
    }

    error.clear();
    if (!ReadJson(gridsPath, value, error, &opened)) {
        QLOG_ERROR() << "Import failed:" << error;
        RemoveDirRecursive(staging);
        return false;
    }
    for (const QVariant& item : value.toList()) {
        DataCfg::TGrid grid;
        grid.Read(item.toMap());
        ExchangeGridResources(grid, &context);
        grids.append(grid);
    }
    RemoveDirRecursive(staging);
    return true;
}
