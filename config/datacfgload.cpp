// Loading the description files of the data folder into the model: include files (control sets) with their
// control lists, the application skins and the grid list files, whose grids get their signatures checked.

#include "config/datacfg.h"
#include "config/datacfgrecords.h"
#include "config/gridsigverifier.h"

#include "config/cfgjsonfile.h"
#include "config/cfgread.h"
#include "foundation/helpers.h"
#include "foundation/json.h"
#include "foundation/logger/QsLog.h"
#include "foundation/profiler.h"
#include "functions/plugintools.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace {

// Far above any RSA signature; a larger file cannot be one.
const qint64 kMaxSignatureSize = 16 * 1024;

const char* const kMervexSet = "[MERVEX]";
const char* const kMervexAuthor = "MERVEX";

// An include entry splits at its last '/' into "/" + the sub-folder and the file part from that '/' on.
void SplitInclude(const QString& entry, QString& subFolder, QString& filePart) {
    const int slash = entry.lastIndexOf(QLatin1Char('/'));
    if (slash < 0) {
        subFolder.clear();
        filePart = entry;
        return;
    }
    subFolder = QLatin1Char('/') + entry.left(slash);
    filePart = entry.mid(slash);
}

QString NoDoubleSlash(QString text) {
    return text.replace(QLatin1String("//"), QLatin1String("/"));
}

// Files of an include chain that are being read right now; an include that names one of them again would
// recurse without end, so it is skipped.
QSet<QString>& FilesBeingRead() {
    static QSet<QString> files;
    return files;
}

class ReadingGuard {
public:
    explicit ReadingGuard(const QString& canonical) : m_path(canonical) { FilesBeingRead().insert(m_path); }
    ~ReadingGuard() { FilesBeingRead().remove(m_path); }
    ReadingGuard(const ReadingGuard&) = delete;
    ReadingGuard& operator=(const ReadingGuard&) = delete;

private:
    QString m_path;
};

bool IsBeingRead(const QString& canonical, const char* method, const QString& path) {
    if (!FilesBeingRead().contains(canonical))
        return false;
    QLOG_DEBUG() << method << "include cycle, already being read:" << path;
    return true;
}

} // namespace

GridSigVerifier& DataCfg::GridVerifier() {
    static GridSigVerifier verifier;
    static bool keyTried = false;
    // Tried once per process, even when the key cannot be read: with no key every grid stays unsigned.
    if (!keyTried) {
        keyTried = true;
        verifier.LoadKey(ReadWholeFile(QStringLiteral(":/security/MervexVL_Grid_Pub")));
    }
    return verifier;
}

void DataCfg::LoadDataFolder(const QString& folder) {
    PROFILE_SCOPE("DataCfg::LoadDataFolder");
    QString f = folder;
    while (f.size() > 1 && f.endsWith(QLatin1Char('/')))
        f.chop(1);
    LoadIncludeFile(f, QStringLiteral("mainCfg.json"));
    LoadAppSkins(f, QStringLiteral("skinCfg.json"));
    LoadGrids(f, QStringLiteral("gridCfg.json"), false);
}

bool DataCfg::LoadIncludeFile(const QString& folder, const QString& fileName) {
    PROFILE_SCOPE("DataCfg::LoadIncludeFile");
    const QString dir = NoDoubleSlash(folder);
    const QString path = dir + QLatin1Char('/') + NoDoubleSlash(fileName);
    QVariantMap map;
    QString error;
    QString canonical;
    const CfgJsonFile::Result read = CfgJsonFile::Read(path, map, error, &canonical);
    if (read == CfgJsonFile::Result::Invalid)
        QLOG_ERROR() << "Error Loading JSON File: " << path << error;
    if (read != CfgJsonFile::Result::Ok)
        return false;
    if (IsBeingRead(canonical, "DataCfg::LoadIncludeFile:", path))
        return false;
    ReadingGuard guard(canonical);

    ConfigName() = CfgRead::Text(map.value(QStringLiteral("Name")));
    LoadCtrlSetSection(dir, map);
    for (const QVariant& entry : map.value(QStringLiteral("Includes")).toList()) {
        QString sub, file;
        SplitInclude(CfgRead::Text(entry), sub, file);
        LoadIncludeFile(dir + sub, file);
    }
    for (const QVariant& entry : map.value(QStringLiteral("CtrlSets")).toList())
        LoadCtrlListFile(dir, CfgRead::Text(entry));
    return true;
}

void DataCfg::LoadCtrlSetSection(const QString& folder, const QVariantMap& map) {
    PROFILE_SCOPE("DataCfg::LoadCtrlSetSection");
    const QString setName = CfgRead::Text(map.value(QStringLiteral("Name")));
    auto section = [&map](const char* key) { return map.value(QLatin1String(key)).toList(); };
    auto inheritText = [](const QVariantMap& entry) { return CfgRead::Text(entry.value(QStringLiteral("Inherit"))); };

    for (const QVariant& entry : section("Functions")) {
        Functions().append(TFunction());
        TFunction& f = Functions().last();
        f.Read(entry.toMap());
        f.Set = setName;
    }
    const QVariantList fonts = section("Fonts");
    for (int i = 0; i < fonts.size(); ++i) {
        Fonts().append(TFont());
        TFont& f = Fonts().last();
        f.Read(fonts[i].toMap(), folder);
        f.Set = setName;
        f.Index = i;
    }
    for (const QVariant& entry : section("Gfxs")) {
        const QVariantMap m = entry.toMap();
        const QString inherit = inheritText(m);
        Gfxs().append(inherit.isEmpty() ? TGfx() : FindGfx(inherit, setName, false));
        TGfx& g = Gfxs().last();
        g.Read(m, folder);
        g.Set = setName;
    }
    for (const QVariant& entry : section("Scripts")) {
        Scripts().append(TScript());
        TScript& s = Scripts().last();
        s.Set = setName;
        s.Read(entry.toMap(), folder);
    }
    for (const QVariant& entry : section("Skins")) {
        Skins().append(TSkin());
        TSkin& s = Skins().last();
        s.Set = setName;
        s.Read(entry.toMap());
    }
    const QVariantMap strings = map.value(QStringLiteral("Strings")).toMap();
    for (auto it = strings.constBegin(); it != strings.constEnd(); ++it)
        Strings().insert(setName + QLatin1Char(':') + it.key(), CfgRead::Text(it.value()));

    const QVariantList controls = section("Controls");
    for (const QVariant& entry : controls) {
        const QVariantMap m = entry.toMap();
        const QString inherit = inheritText(m);
        TControl c = inherit.isEmpty() ? TControl() : FindControl(inherit, setName);
        c.Read(m);
        c.Set = setName;
        Controls().append(c);
    }
    if (!controls.isEmpty()) {
        for (TControl& c : Controls())
            c.Config.ExpandSubConfigs();
    }
    const QVariantList sources = section("DataSources");
    for (const QVariant& entry : sources) {
        DataSources().append(TDataSource());
        TDataSource& s = DataSources().last();
        s.Read(entry.toMap());
        s.Set = setName;
    }
    if (!sources.isEmpty()) {
        for (TDataSource& s : DataSources())
            s.Config.ExpandSubConfigs();
    }
}

bool DataCfg::LoadCtrlListFile(const QString& folder, const QString& fileName) {
    PROFILE_SCOPE("DataCfg::LoadCtrlListFile");
    const QString path = folder + QLatin1Char('/') + fileName;
    QVariantMap map;
    if (!CfgJsonFile::Load(path, map))
        return false;
    TCtrlSet list;
    list.Read(map);
    list.UserList = false;
    list.Set.clear();
    for (TCtrlSet& existing : CtrlSets()) {
        if (!existing.UserList && existing.Name == list.Name) {
            existing.Elements.append(list.Elements);
            return true;
        }
    }
    CtrlSets().append(list);
    return true;
}

bool DataCfg::LoadAppSkins(const QString& folder, const QString& fileName) {
    PROFILE_SCOPE("DataCfg::LoadAppSkins");
    const QString dir = NoDoubleSlash(folder);
    const QString path = dir + QLatin1Char('/') + NoDoubleSlash(fileName);
    QVariantMap map;
    if (!CfgJsonFile::Load(path, map))
        return false;
    const QString skinFile = CfgRead::Text(map.value(QStringLiteral("Name")));
    for (const QVariant& entry : map.value(QStringLiteral("AppSkins")).toList()) {
        AppSkins().append(TAppSkin());
        TAppSkin& s = AppSkins().last();
        s.Read(entry.toMap(), dir);
        s.Set = skinFile;
    }
    return true;
}

bool DataCfg::LoadGrids(const QString& folder, const QString& fileName, bool prefixIcon) {
    PROFILE_SCOPE("DataCfg::LoadGrids");
    const QString dir = NoDoubleSlash(folder);
    const QString file = NoDoubleSlash(fileName);
    const QString path = dir + QLatin1Char('/') + file;
    QVariantMap map;
    QString canonical;
    if (!CfgJsonFile::Load(path, map, &canonical))
        return false;
    if (IsBeingRead(canonical, "DataCfg::LoadGrids:", path))
        return false;
    ReadingGuard guard(canonical);

    const QString gridFile = CfgRead::Text(map.value(QStringLiteral("Name")));
    const GridSigVerifier& verifier = GridVerifier();
    const QDateTime modified = QFileInfo(QStringLiteral("%1/%2").arg(dir, file)).lastModified();
    const QString signatureDir = PluginTools::GetDataPath() + QStringLiteral("Signatures/");

    for (const QVariant& entry : map.value(QStringLiteral("Grids")).toList()) {
        Grids().append(TGrid());
        TGrid& grid = Grids().last();
        grid.Read(entry.toMap());
        grid.Set = gridFile;
        grid.Custom = false;
        grid.File = path;
        grid.Date = modified;
        if (prefixIcon)
            grid.Icon = QStringLiteral("%1/%2").arg(dir, grid.Icon);
        if (grid.Set == QLatin1String(kMervexSet))
            grid.Author = QLatin1String(kMervexAuthor);

        // Signatures cover the writer's compact output, not the text of the list file.
        const QByteArray data = JsonSerializeCompact(grid.Write());
        const QString sigPath = signatureDir + GridSigVerifier::SignatureFileName(grid.GetKey());
        QByteArray signature;
        QFile sigFile(sigPath);
        if (sigFile.open(QIODevice::ReadOnly)) {
            if (sigFile.size() <= kMaxSignatureSize)
                signature = sigFile.readAll();
            else
                QLOG_DEBUG() << "DataCfg::LoadGrids: signature file too large:" << sigPath;
        }
        grid.Signed = verifier.Verify(data, signature);
        if (!grid.Signed) {
            QsLogging::Logger::Helper(QsLogging::FatalLevel).stream().noquote()
                << QStringLiteral("Grid Signature Failed: ") + grid.GetDisplayName();
        }
    }
    for (const QVariant& entry : map.value(QStringLiteral("Includes")).toList()) {
        QString sub, part;
        SplitInclude(CfgRead::Text(entry), sub, part);
        LoadGrids(dir + sub, part, false);
    }
    return true;
}
