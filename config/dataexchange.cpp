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

// Writes the whole file or nothing: a full disk leaves the old file (or none), never a truncated one.
bool WriteWhole(const QString& path, const QByteArray& bytes) {
    return WriteFileWhole(path, bytes);
}

IExchangeRenderer* g_renderer = nullptr;
bool g_exchangeRunning = false;

// One exchange at a time: they share the staging folder, and unpacking serves events meanwhile.
class ExchangeGuard {
public:
    ExchangeGuard() : m_ok(!g_exchangeRunning) {
        if (m_ok)
            g_exchangeRunning = true;
        else
            QLOG_ERROR() << "Another import or export is running";
    }
    ~ExchangeGuard() {
        if (m_ok)
            g_exchangeRunning = false;
    }
    ExchangeGuard(const ExchangeGuard&) = delete;
    ExchangeGuard& operator=(const ExchangeGuard&) = delete;
    bool Ok() const { return m_ok; }

private:
    bool m_ok;
};

IExchangeRenderer* Renderer() {
    if (!g_renderer) {
        static bool warned = false;
        if (!warned)
            QLOG_WARN() << "No exchange renderer installed: exported archives carry no screenshots or icon previews";
        warned = true;
    }
    return g_renderer;
}
} // namespace

void ExchangeRenderer::Install(IExchangeRenderer* renderer) {
    g_renderer = renderer;
}

IExchangeRenderer* ExchangeRenderer::Get() {
    return g_renderer;
}

bool IsProgramFile(const QString& path) {
    const QFileInfo info(path);
    // The name's own extension: a folder called "x.exe" or an execute bit (every file of a FAT or NTFS
    // mount has one) makes no program.
    const QString name = info.fileName();
    const QString suffix = info.suffix();
    if (!suffix.compare(QLatin1String("exe"), Qt::CaseInsensitive) ||
        !suffix.compare(QLatin1String("dll"), Qt::CaseInsensitive) || suffix == QLatin1String("so") ||
        name.contains(QLatin1String(".so.")))
        return true;
    if (!info.isFile())
        return false;
    // Programs without an extension, by their first bytes.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(4);
    return head == QByteArray("\x7f"
                              "ELF",
                              4) ||
           head.startsWith("MZ");
}

bool IsPackableFile(const QString& path) {
    // By the file's real place: links and ".." lead nowhere else.
    const QString real = QFileInfo(path).canonicalFilePath();
    if (real.isEmpty())
        return false;
    for (const QString& folder : {PluginTools::GetDataPath(), PluginTools::GetUserPath()}) {
        const QString root = QFileInfo(folder).canonicalFilePath();
        if (!root.isEmpty() && real.startsWith(root + QLatin1Char('/')))
            return true;
    }
    return false;
}

const QString CtrlPackageExt = QStringLiteral("mvlc");
const QString GridPackageExt = QStringLiteral("mvlp");

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
        if (!QFileInfo::exists(target)) {
            if (QFile::copy(source, target) && QFileInfo(target).size() == QFileInfo(source).size())
                return true;
            QLOG_ERROR() << "Can't write File:" << target;
            QFile::remove(target);
            return false;
        }
        if (FilesEqual(target, source))
            return false;
    }
    return false;
}

namespace {
// ownFile: a picture this export drew itself (a tab-icon preview in the temporary folder), packed wherever it is.
bool ExchangeResource(QString& reference, const QString& stagingFolder, const QString& destinationFolder,
                      QStringList* leftOut, bool ownFile) {
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
        if (!QFileInfo::exists(destinationFolder + QLatin1Char('/') + name))
            return false; // not copied (the log says why): the reference stays as it was
        reference = destinationFolder + name + tail;
        return true;
    }

    // A file the user picked is stored by its absolute path; the stored forms ("/x" in the data folder, the
    // folder words) apply to whatever does not exist as written.
    QString file = QFileInfo(path).isAbsolute() && QFileInfo::exists(path) ? path : PluginTools::ResolvePath(path);
    QString iconPng;
    if (IsProgramFile(file)) {
        // Only a picture of the program's icon is packed, wherever the program is.
        const QImage icon = PAL::LoadIconImage(file);
        if (icon.width() < 1)
            return false;
        iconPng = PluginTools::GetTempPath() + QStringLiteral("Exchange/") + QFileInfo(file).completeBaseName() +
                  QStringLiteral(".png");
        if (!icon.save(iconPng, "PNG"))
            return false;
        file = iconPng;
    } else if (QFileInfo(file).isFile() && !ownFile && !IsPackableFile(file)) {
        // An imported control may name any file of this computer (a key, a password store): only what lies in
        // the data and user folders leaves it.
        const QString named = QDir::cleanPath(file);
        QLOG_WARN() << "Not packed, outside the data and user folders:" << named;
        if (leftOut && !leftOut->contains(named))
            leftOut->append(named);
        return false;
    }
    if (!QFileInfo(file).isFile())
        return false;
    QDir().mkpath(stagingFolder + QStringLiteral("rsc"));
    QString name;
    CopyFileUnique(file, stagingFolder + QStringLiteral("rsc"), name);
    if (!iconPng.isEmpty())
        QFile::remove(iconPng);
    if (!QFileInfo::exists(stagingFolder + QStringLiteral("rsc/") + name))
        return false;
    reference = QStringLiteral("rsc/") + name + tail;
    return true;
}

} // namespace

bool ExchangeResource(QString& reference, const QString& stagingFolder, const QString& destinationFolder,
                      QStringList* leftOut) {
    return ExchangeResource(reference, stagingFolder, destinationFolder, leftOut, false);
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
            result |=
                ExchangeResource(option.Value, context->StagingFolder, context->DestinationFolder, &context->LeftOut);
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
    bool result =
        ExchangeResource(grid.Background, context->StagingFolder, context->DestinationFolder, &context->LeftOut);
    result |= ExchangeResource(grid.Icon, context->StagingFolder, context->DestinationFolder, &context->LeftOut);
    if (context->Export) {
        // A preview from this computer would name a file that is not in the archive: draw a new one.
        grid.IconPreview.clear();
        IExchangeRenderer* renderer = Renderer();
        const QString iconFile = grid.Icon.section(QLatin1Char('|'), 0, 0);
        if (renderer && !iconFile.trimmed().isEmpty()) {
            const QImage preview =
                renderer->MakeGridIconImage(grid.Icon, context->StagingFolder + QStringLiteral("rsc/"));
            const QString previewPath =
                PluginTools::GetTempPath() + QFileInfo(iconFile).completeBaseName() + QStringLiteral(".png");
            if (!preview.isNull() && preview.save(previewPath, "PNG")) {
                grid.IconPreview = previewPath;
                result |= ExchangeResource(grid.IconPreview, context->StagingFolder, context->DestinationFolder,
                                           &context->LeftOut, true);
                QFile::remove(previewPath);
            }
        }
    }
    if (!context->Export && grid.IconPreview.startsWith(QLatin1String("rsc/")))
        result |=
            ExchangeResource(grid.IconPreview, context->StagingFolder, context->DestinationFolder, &context->LeftOut);
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
// The unpacked archive of one import: removed when the import is done with it, whichever way it ends.
class StagingFolder {
public:
    StagingFolder() = default;
    ~StagingFolder() {
        if (!m_path.isEmpty())
            RemoveDirRecursive(m_path);
    }
    StagingFolder(const StagingFolder&) = delete;
    StagingFolder& operator=(const StagingFolder&) = delete;

    // Unpacks the archive into a fresh staging folder; false (and nothing left behind) when it cannot.
    bool Unpack(const QString& archive) {
        m_path = PrepareStagingFolder();
        return UnzipDirResponsive(archive, m_path, ExchangeZipLimits());
    }
    // The folder, ending in '/'.
    const QString& Path() const { return m_path; }
    // The folder outlives the import: a plug-in is installed from it afterwards.
    void Keep() { m_path.clear(); }

private:
    QString m_path;
};

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
    ExchangeGuard guard;
    if (!guard.Ok())
        return false;
    StagingFolder unpacked;
    if (!unpacked.Unpack(archive))
        return false;
    const QString& staging = unpacked.Path();
    const QString path = staging + QStringLiteral("control.json");
    QVariant value;
    QString error;
    bool opened = false;
    if (!ReadJson(path, value, error, &opened)) {
        if (!opened)
            QLOG_ERROR() << "Can't read File:" << path;
        else
            QLOG_ERROR() << "Import failed:" << error;
        return false;
    }
    DataCfg::TCtrlSet list;
    list.Read(value.toMap());
    if (list.Elements.isEmpty()) {
        QLOG_ERROR() << "No Controls found";
        return false;
    }
    const DataCfg::TCtrlRef& entry = list.Elements.first();
    DataCfg* cfg = DataCfg::Instance();
    DataCfg::TControl found = cfg ? cfg->FindControl(entry.Control) : DataCfg::TControl();
    if (found.id < 0) {
        // An unknown control would come back as an empty record: say so instead of reporting success.
        QLOG_ERROR() << "Import failed: unknown control" << entry.Control;
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
    return true;
}

bool ImportGrid(DataCfg::TGrid& grid, const QString& archive, const QString& destinationFolder) {
    PROFILE_SCOPE("ImportGrid");
    ExchangeGuard guard;
    if (!guard.Ok())
        return false;
    StagingFolder unpacked;
    if (!unpacked.Unpack(archive))
        return false;
    const QString& staging = unpacked.Path();
    const QString path = staging + QStringLiteral("grid.json");
    QVariant value;
    QString error;
    bool opened = false;
    if (!ReadJson(path, value, error, &opened)) {
        if (!opened)
            QLOG_ERROR() << "Can't read File:" << path;
        else
            QLOG_ERROR() << "Import failed:" << error;
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
    ExchangeGuard guard;
    if (!guard.Ok())
        return false;
    StagingFolder unpacked;
    if (!unpacked.Unpack(archive))
        return false;
    const QString& staging = unpacked.Path();
    const QString info = staging + QStringLiteral("info.json");
    if (QFile(staging + QStringLiteral("plugin.json")).open(QIODevice::ReadOnly)) {
        QVariant value;
        QString error;
        bool opened = false;
        ReadJson(info, value, error, &opened);
        if (!opened) {
            QLOG_ERROR() << "PluginErrorImport: Can't read File: " << info;
            return false;
        }
        // Written through the JSON writer, so quotes in a name cannot break (or extend) the description.
        const QVariantMap in = value.toMap();
        QVariantMap out;
        for (const char* key : {"Name", "Author", "Desc", "Email", "Web"})
            out.insert(QLatin1String(key), in.value(QLatin1String(key)).toString());
        out.insert(QStringLiteral("Plugin"), QStringLiteral("1"));
        if (!WriteFileWhole(info, JsonSerializeCompact(out) + '\n')) {
            QLOG_ERROR() << "PluginErrorImport: Can't truncate File: " << info;
            return false;
        }
        if (!ReadJson(info, value, error, &opened) && !opened) {
            QLOG_ERROR() << "PluginErrorImport: Can't truncate File: " << info;
            return false;
        }
        description = value;
        unpacked.Keep();
        return true;
    }
    QLOG_ERROR() << "(Error Plugin) Can't read File:" << staging + QStringLiteral("plugin.json");

    const QString controlsPath = staging + QStringLiteral("controls.json");
    const QString gridsPath = staging + QStringLiteral("grids.json");
    if (!QFile(info).open(QIODevice::ReadOnly)) {
        QLOG_ERROR() << "(Error: 01) Can't read File:" << info;
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
        return false;
    }
    for (const QVariant& item : value.toList()) {
        DataCfg::TGrid grid;
        grid.Read(item.toMap());
        ExchangeGridResources(grid, &context);
        grids.append(grid);
    }
    return true;
}

namespace {
// Packs the staging folder into a temporary file beside the archive, then puts it in the archive's place.
bool PackStaging(const QString& staging, const QString& archive) {
    const QString temp = archive + QStringLiteral(".part");
    QFile::remove(temp);
    bool ok = ZipDir(staging, temp);
    // The archive must list every staged file: a short write at the disk's end can pass unnoticed.
    if (ok && EnumZip(temp).size() != ListFilesRecursive(staging).size()) {
        QLOG_ERROR() << "Can't write File:" << archive;
        ok = false;
    }
    if (ok) {
        if (QFileInfo::exists(archive) && !QFile::remove(archive)) {
            QLOG_ERROR() << "Can't write File:" << archive;
            ok = false;
        } else if (!QFile::rename(temp, archive)) {
            QLOG_ERROR() << "Can't write File:" << archive;
            ok = false;
        }
    }
    if (!ok)
        QFile::remove(temp);
    RemoveDirRecursive(staging);
    return ok;
}

// "macros.json" only when something referenced a macro.
bool WriteMacros(const ExchangeContext& context) {
    if (context.Macros.isEmpty())
        return true;
    QVariantMap map;
    map.insert(QStringLiteral("Macros"), context.Macros);
    return WriteWhole(context.StagingFolder + QStringLiteral("macros.json"), JsonSerializeCompact(map));
}

bool WriteJsonFile(const QString& path, const QVariant& value) {
    QString error;
    const QByteArray bytes = JsonSerialize(value, error, 0);
    if (!error.isEmpty()) {
        QLOG_ERROR() << "Export failed:" << error;
        return false;
    }
    return WriteWhole(path, bytes);
}
} // namespace

namespace {
enum class Shot { Saved, Nothing, WriteFailed };

// A picture that cannot be written is a failed write like any other file of the archive; a control or grid
// that draws nothing leaves the archive without that picture.
Shot SaveShot(const QImage& image, const QString& path, int quality, const QString& what) {
    if (image.isNull()) {
        QLOG_WARN() << "Export: nothing to draw for the screenshot of" << what;
        return Shot::Nothing;
    }
    if (!image.save(path, "PNG", quality)) {
        QLOG_ERROR() << "Can't write File:" << path;
        return Shot::WriteFailed;
    }
    return Shot::Saved;
}

Shot ControlShot(DataCfg::TCtrlRef& entry, const DataCfg::TControl& control, int n, const ExchangeContext* context) {
    const QString rsc = context->StagingFolder + QStringLiteral("rsc/");
    QDir().mkpath(rsc);
    entry.Screenshot = QStringLiteral("%1ctrl_image_%2.png").arg(QStringLiteral("rsc/")).arg(n);
    IExchangeRenderer* renderer = Renderer();
    if (!renderer)
        return Shot::Nothing;
    return SaveShot(renderer->RenderControl(control), QStringLiteral("%1ctrl_image_%2.png").arg(rsc).arg(n), -1,
                    entry.Control);
}

Shot GridShot(DataCfg::TGrid& grid, const ExchangeContext* context, int n, const QString& background) {
    const QString rsc = context->StagingFolder + QStringLiteral("rsc/");
    QDir().mkpath(rsc);
    grid.Screenshot = QStringLiteral("%1grid_image_%2.png").arg(QStringLiteral("rsc/")).arg(n);
    IExchangeRenderer* renderer = Renderer();
    if (!renderer)
        return Shot::Nothing;
    return SaveShot(renderer->RenderGrid(grid, background), QStringLiteral("%1grid_image_%2.png").arg(rsc).arg(n), 50,
                    grid.Name);
}
} // namespace

bool RenderControlScreenshot(DataCfg::TCtrlRef& entry, const DataCfg::TControl& control, int n,
                             const ExchangeContext* context) {
    PROFILE_SCOPE("RenderControlScreenshot");
    return ControlShot(entry, control, n, context) == Shot::Saved;
}

void RenderGridScreenshot(DataCfg::TGrid& grid, const ExchangeContext* context, int n, const QString& background) {
    PROFILE_SCOPE("RenderGridScreenshot");
    GridShot(grid, context, n, background);
}

bool ExportControl(const QString& entryName, const DataCfg::TControl& control, const QString& archive,
                   QStringList* leftOut) {
    PROFILE_SCOPE("ExportControl");
    ExchangeGuard guard;
    if (!guard.Ok())
        return false;
    ExchangeContext context;
    context.Export = true;
    context.StagingFolder = PrepareStagingFolder();

    DataCfg::TCtrlRef entry;
    entry.Name = entryName;
    entry.Control = control.Set.isEmpty() ? control.Name : control.Set + QLatin1Char(':') + control.Name;
    DataCfg::TConfig config = control.Config;
    ExchangeConfigOptions(config, &context);
    if (ControlShot(entry, control, 0, &context) == Shot::WriteFailed) {
        RemoveDirRecursive(context.StagingFolder);
        return false;
    }
    entry.Config = config.GetValues();

    DataCfg::TCtrlSet list;
    list.Name.clear();
    list.Elements.append(entry);
    if (!WriteJsonFile(context.StagingFolder + QStringLiteral("control.json"), list.Write()) || !WriteMacros(context)) {
        RemoveDirRecursive(context.StagingFolder);
        return false;
    }
    if (leftOut)
        *leftOut = context.LeftOut;
    return PackStaging(context.StagingFolder, archive);
}

bool ExportPackage(const QString& archive, DataCfg::TCtrlSet controls, QList<DataCfg::TGrid> grids,
                   const QVariant& description, QStringList* leftOut) {
    PROFILE_SCOPE("ExportPackage");
    ExchangeGuard guard;
    if (!guard.Ok())
        return false;
    ExchangeContext context;
    context.Export = true;
    context.StagingFolder = PrepareStagingFolder();
    auto fail = [&] {
        RemoveDirRecursive(context.StagingFolder);
        return false;
    };
    if (!WriteWhole(context.StagingFolder + QStringLiteral("info.json"), JsonSerializeCompact(description)))
        return fail();

    DataCfg* cfg = DataCfg::Instance();
    for (int n = 0; n < controls.Elements.size(); ++n) {
        DataCfg::TCtrlRef& entry = controls.Elements[n];
        DataCfg::TControl control = cfg ? cfg->FindControl(entry.Control) : DataCfg::TControl();
        control.Config.SetValues(entry.Config);
        if (ControlShot(entry, control, n, &context) == Shot::WriteFailed)
            return fail();
        DataCfg::TConfig config = control.Config;
        ExchangeConfigOptions(config, &context);
        entry.Config = config.GetValues();
    }
    if (!WriteJsonFile(context.StagingFolder + QStringLiteral("controls.json"), controls.Write()))
        return fail();

    QVariantList list;
    for (int n = 0; n < grids.size(); ++n) {
        DataCfg::TGrid& grid = grids[n];
        if (GridShot(grid, &context, n, grid.Background) == Shot::WriteFailed)
            return fail();
        ExchangeGridResources(grid, &context);
        list.append(grid.WriteStored());
    }
    if (!WriteJsonFile(context.StagingFolder + QStringLiteral("grids.json"), list) || !WriteMacros(context))
        return fail();
    if (leftOut)
        *leftOut = context.LeftOut;
    return PackStaging(context.StagingFolder, archive);
}
