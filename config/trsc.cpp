#include "config/trsc.h"

#include "config/cfgread.h"
#include "foundation/casepath.h"
#include "foundation/logger/QsLog.h"
#include "foundation/profiler.h"

#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>

void DataCfg::TRsc::Read(const QVariantMap& map, const QString& folder) {
    TNamed::Read(map);
    Resolved = false;
    Found = false;
    Directory = folder;
    const auto it = map.constFind(QStringLiteral("Rsc"));
    if (it != map.constEnd())
        Rsc = CfgRead::Text(it.value());
}

QVariantMap DataCfg::TRsc::Write() const {
    QVariantMap m = TNamed::Write();
    if (!Directory.isEmpty())
        m.insert(QStringLiteral("Directory"), Directory);
    if (!Rsc.isEmpty())
        m.insert(QStringLiteral("Rsc"), Rsc);
    return m;
}

QString DataCfg::TRsc::FindFile(const QString& rsc, const QString& directory) {
    static const char* const extensions[] = {"", ".png", ".jpg"};
    for (const char* ext : extensions) {
        const QString candidate = rsc + QLatin1String(ext);
        if (QFile::exists(candidate))
            return candidate;
        const QString inDir = directory + QLatin1Char('/') + candidate;
        if (QFile::exists(inDir))
            return inDir;
        // A name with an extension of its own is tried only as written.
        if (rsc.contains(QLatin1Char('.')))
            break;
    }
    // Names written on Windows: '\' separators and any letter case.
    for (const char* ext : extensions) {
        const QString candidate = rsc + QLatin1String(ext);
        if (!directory.isEmpty()) {
            const QString inDir = FindPathIgnoringCase(directory + QLatin1Char('/') + candidate);
            if (!inDir.isEmpty())
                return inDir;
        }
        if (candidate.startsWith(QLatin1Char('/')) || candidate.startsWith(QLatin1Char('\\'))) {
            const QString found = FindPathIgnoringCase(candidate);
            if (!found.isEmpty())
                return found;
        }
        if (rsc.contains(QLatin1Char('.')))
            break;
    }
    return QString();
}

bool DataCfg::TRsc::Resolve() {
    if (Resolved)
        return Found;
    PROFILE_SCOPE("DataCfg::TRsc::Resolve");
    Resolved = true;
    Found = false;
    const QString path = FindFile(Rsc, Directory);
    if (!path.isEmpty()) {
        Rsc = path;
        Found = true;
        return true;
    }
    QLOG_DEBUG() << "Missing file:" << Rsc << "in:" << Directory;
    return false;
}

void DataCfg::TFont::Read(const QVariantMap& map, const QString& folder) {
    TRsc::Read(map, folder);
    auto it = map.constFind(QStringLiteral("Type"));
    if (it != map.constEnd())
        Type = CfgRead::Text(it.value());
    it = map.constFind(QStringLiteral("Weight"));
    if (it != map.constEnd())
        Weight = EnumFromText(QStringLiteral("FontWeight"), QStringLiteral("FW_"), CfgRead::Text(it.value()));
    it = map.constFind(QStringLiteral("Style"));
    if (it != map.constEnd())
        Style = EnumFromText(QStringLiteral("FontStyle"), QStringLiteral("FS_"), CfgRead::Text(it.value()));
    // Registered by its resolved path: the name as written is relative to the declaring folder, not to the
    // working directory. The font database needs a GUI application.
    if (!Rsc.isEmpty() && qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        const QString path = FindFile(Rsc, Directory);
        QFontDatabase::addApplicationFont(path.isEmpty() ? Rsc : path);
    }
}
