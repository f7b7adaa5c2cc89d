// The user's own files: the user configuration "userCfg.json" and the custom grids, one file per grid.
// Every file that is replaced keeps its previous content in a ".jsbk" file; new content is written to a
// ".jso_" file first and put in place by an atomic rename only once it is complete.

#include "config/datacfg.h"
#include "config/datacfgrecords.h"

#include "config/cfgjsonfile.h"
#include "config/cfgread.h"
#include "foundation/json.h"
#include "foundation/logger/QsLog.h"
#include "foundation/profiler.h"
#include "functions/plugintools.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstdio>
#include <unistd.h>

const QString CustomGridSet = QStringLiteral("CustomGrid");

namespace {

// The texts are marked with QT_TRANSLATE_NOOP so that the translation tools find them.
QString Tr(const char* text) {
    return QCoreApplication::translate("DataCfg", text);
}

// The path with its ".json" extension (any case) replaced; a path without one gets the extension added,
// so a backup never lands on the file itself.
QString ReplaceJsonExtension(const QString& path, const QString& extension) {
    if (path.endsWith(QLatin1String(".json"), Qt::CaseInsensitive))
        return path.left(path.size() - 5) + extension;
    return path + extension;
}

// rename(2) replaces an existing target in one step; QFile::rename refuses to.
bool ReplaceByRename(const QString& from, const QString& to) {
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

// Copies a file over another in one step: the target is either its old self or a full copy.
bool CopyReplacing(const QString& from, const QString& to) {
    QFile in(from);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    QSaveFile out(to);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    char buffer[64 * 1024];
    for (;;) {
        const qint64 n = in.read(buffer, sizeof(buffer));
        if (n < 0) {
            out.cancelWriting();
            return false;
        }
        if (n == 0)
            break;
        if (out.write(buffer, n) != n) {
            out.cancelWriting();
            return false;
        }
    }
    return out.commit();
}

// Keeps the current content of path in its backup file. True when there was nothing to keep.
bool KeepBackup(const QString& path) {
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return true;
    return CopyReplacing(path, JsonBackupName(path));
}

// Writes the bytes completely to the temporary file; an empty answer on success, else the reason.
QString WriteTemporary(const QString& temp, const QByteArray& bytes, const QString& path) {
    QFile::remove(temp);
    QFile file(temp);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return Tr(QT_TRANSLATE_NOOP("DataCfg", "Can't open File: ")) + path;
    bool ok = file.write(bytes) == bytes.size() && file.flush();
    // On disk before it replaces anything: a crash must not leave an empty file in the old one's place.
    ok = ok && ::fsync(file.handle()) == 0;
    file.close();
    if (!ok || file.error() != QFileDevice::NoError) {
        QFile::remove(temp);
        return Tr(QT_TRANSLATE_NOOP("DataCfg", "Can't write File: ")) + path;
    }
    return QString();
}

// A free name beside path for a file that could not be read ("userCfg.broken.json", "userCfg.broken2.json"...).
QString AsideName(const QString& path) {
    const QString base = path.endsWith(QLatin1String(".json"), Qt::CaseInsensitive) ? path.left(path.size() - 5) : path;
    for (int i = 1; i < 1000; ++i) {
        const QString name =
            base + QStringLiteral(".broken") + (i > 1 ? QString::number(i) : QString()) + QStringLiteral(".json");
        if (!QFileInfo::exists(name))
            return name;
    }
    return QString();
}

} // namespace

QString JsonBackupName(const QString& path) {
    return ReplaceJsonExtension(path, QStringLiteral(".jsbk"));
}

QString JsonTempName(const QString& path) {
    return ReplaceJsonExtension(path, QStringLiteral(".jso_"));
}

bool MoveJsonFileKeepBackup(const QString& source, const QString& target) {
    if (!QFileInfo::exists(source))
        return false;
    if (!KeepBackup(target))
        return false;
    return ReplaceByRename(source, target);
}

bool RenameJsonFile(const QString& oldPath, const QString& newPath) {
    if (!QFileInfo::exists(oldPath))
        return false;
    const QString backup = JsonBackupName(newPath);
    if (QFileInfo::exists(newPath)) {
        // The backup is replaced only once the new copy of the old file is complete.
        const QString temp = backup + QStringLiteral("_");
        QFile::remove(temp);
        if (!QFile::copy(newPath, temp))
            return false;
        QFile::remove(backup);
        if (!QFile::rename(temp, backup) || !QFile::remove(newPath))
            return false;
    }
    return QFile::rename(oldPath, newPath);
}

QString DataCfg::CustomGridPath() {
    return PluginTools::GetUserPath() + QStringLiteral("CustomGrids/");
}

bool DataCfg::LoadUserCfg(const QString& path) {
    PROFILE_SCOPE("DataCfg::LoadUserCfg");
    UserCfg().Name = QStringLiteral("UserConfig");
    UserCfg().File = path;
    m_unreadableUserCfg.clear();

    const QString candidates[] = {path, JsonBackupName(path),
                                  PluginTools::GetDataPath() + QStringLiteral("userCfg.json")};
    for (const QString& candidate : candidates) {
        QVariantMap map;
        QString error;
        const CfgJsonFile::Result result = CfgJsonFile::Read(candidate, map, error);
        if (result == CfgJsonFile::Result::NotOpened)
            continue;
        if (result == CfgJsonFile::Result::Invalid) {
            QLOG_DEBUG() << error;
            // Whatever loads instead, this file must survive the next save (SaveUserCfg sets it aside).
            if (candidate == path)
                m_unreadableUserCfg = path;
            continue;
        }
        if (candidate != path) {
            QLOG_DEBUG() << "DataCfg::LoadUserCfg: loaded in place of" << path << "from:" << candidate;
        }
        TUserCfg fresh;
        fresh.Read(map);
        fresh.Name = QStringLiteral("UserConfig");
        fresh.File = path;
        UserCfg() = fresh;
        // The entries and folds of the user's own list; its name and flag are GetMyControlsSet's alone.
        TCtrlSet read;
        read.Read(map.value(QStringLiteral("ControlSet")).toMap());
        TCtrlSet& mine = GetMyControlsSet();
        mine.Elements = read.Elements;
        mine.ExpandCategories = read.ExpandCategories;
        mine.CollapseCategories = read.CollapseCategories;
        return true;
    }
    return false;
}

QString DataCfg::SaveUserCfg() {
    PROFILE_SCOPE("DataCfg::SaveUserCfg");
    TUserCfg& user = UserCfg();
    const QString path = user.File;
    if (path.isEmpty())
        return QStringLiteral("missing usercfg");
    QVariantMap map = user.Write();
    map.insert(QStringLiteral("ControlSet"), GetMyControlsSet().Write());
    QString error;
    const QByteArray bytes = JsonSerialize(map, error, 0);
    if (!error.isEmpty())
        return error;

    const QString temp = JsonTempName(path);
    error = WriteTemporary(temp, bytes, path);
    if (!error.isEmpty())
        return error;
    if (!m_unreadableUserCfg.isEmpty() && m_unreadableUserCfg == path && QFileInfo(path).isFile()) {
        // The file that could not be read is moved aside instead of becoming the backup, so the backup keeps
        // the last good content and the unreadable one stays for the user to repair.
        const QString aside = AsideName(path);
        if (aside.isEmpty() || !ReplaceByRename(path, aside)) {
            QFile::remove(temp);
            return Tr(QT_TRANSLATE_NOOP("DataCfg", "Can't write File: ")) + aside;
        }
        QLOG_WARN() << "DataCfg::SaveUserCfg: the unreadable user configuration was kept as" << aside;
    } else if (!KeepBackup(path)) {
        QFile::remove(temp);
        return Tr(QT_TRANSLATE_NOOP("DataCfg", "Can't write File: ")) + JsonBackupName(path);
    }
    m_unreadableUserCfg.clear();
    if (!ReplaceByRename(temp, path)) {
        QFile::remove(temp);
        return Tr(QT_TRANSLATE_NOOP("DataCfg", "Can't write File: ")) + path;
    }
    return QString();
}

void DataCfg::LoadCustomGrids() {
    PROFILE_SCOPE("DataCfg::LoadCustomGrids");
    QList<TGrid>& grids = Grids();
    for (int i = grids.size() - 1; i >= 0; --i) {
        if (grids[i].Custom)
            grids.removeAt(i);
    }
    const QDir dir(CustomGridPath());
    const QFileInfoList files =
        dir.entryInfoList(QStringList() << QStringLiteral("*.json"), QDir::Files | QDir::Hidden, QDir::Unsorted);
    for (const QFileInfo& file : files)
        LoadCustomGrid(file.absoluteFilePath());
}

bool DataCfg::LoadCustomGrid(const QString& path) {
    PROFILE_SCOPE("DataCfg::LoadCustomGrid");
    QVariantMap map;
    if (!CfgJsonFile::Load(path, map))
        return false;
    const QFileInfo info(path);
    const QString name = info.completeBaseName();
    QList<TGrid>& grids = Grids();
    TGrid* grid = nullptr;
    for (TGrid& g : grids) {
        if (g.Custom && (g.Name == name || g.File == path)) {
            grid = &g;
            break;
        }
    }
    if (!grid) {
        grids.append(TGrid());
        grid = &grids.last();
    }
    grid->Custom = true;
    grid->Read(map);
    grid->Name = name;
    grid->Set = CustomGridSet;
    grid->File = path;
    grid->SavedFile = path;
    grid->Date = info.lastModified();
    grid->Author =
        CfgRead::Text(UserCfg().CfgBase.value(QStringLiteral("MervexLogin")).toMap().value(QStringLiteral("Username")));
    return true;
}

QString DataCfg::SaveCustomGrid(const QString& path, const QString& gridName) {
    PROFILE_SCOPE("DataCfg::SaveCustomGrid");
    const TGrid grid = FindGrid(gridName, CustomGridSet);
    // FindGrid falls back to a grid of that name in any set: a shipped grid must never be written here.
    if (grid.Name.isEmpty() || !grid.Custom || grid.Set != CustomGridSet)
        return Tr(QT_TRANSLATE_NOOP("DataCfg", "Grid not found: ")) + gridName;
    const QString target = path.isEmpty() ? grid.File : path;
    const QString newName = QFileInfo(target).completeBaseName();
    if (newName.isEmpty())
        return Tr(QT_TRANSLATE_NOOP("DataCfg", "invalid filename: ")) + target;
    if (newName != grid.Name) {
        if (!FindGrid(newName, CustomGridSet).Name.isEmpty())
            return Tr(QT_TRANSLATE_NOOP("DataCfg", "Grid %1 already exists!")).arg(newName);
        QLOG_DEBUG() << "::FixName::" << grid.Name << "->" << newName;
    }
    QString error;
    // The stored form keeps every value that reads back (the signing form drops some).
    const QByteArray bytes = JsonSerialize(grid.WriteStored(), error, 0);
    if (!error.isEmpty())
        return error;

    const QString temp = JsonTempName(target);
    error = WriteTemporary(temp, bytes, target);
    if (!error.isEmpty())
        return error;
    const QString saved = grid.SavedFile;
    if (!KeepBackup(saved)) {
        QFile::remove(temp);
        return Tr(QT_TRANSLATE_NOOP("DataCfg", "Can't write File: ")) + JsonBackupName(saved);
    }
    if (!ReplaceByRename(temp, target)) {
        QFile::remove(temp);
        return Tr(QT_TRANSLATE_NOOP("DataCfg", "Can't write File: ")) + target;
    }
    // A new name moves the grid: its old file goes, its content stays in the old name's backup.
    if (!saved.isEmpty() && QFileInfo(saved).absoluteFilePath() != QFileInfo(target).absoluteFilePath())
        QFile::remove(saved);
    for (TGrid& g : Grids()) {
        if (g.Custom && g.Name == grid.Name) {
            g.Name = newName;
            g.File = target;
            g.SavedFile = target;
            break;
        }
    }
    return QString();
}

QString DataCfg::DeleteCustomGrid(const QString& gridName) {
    PROFILE_SCOPE("DataCfg::DeleteCustomGrid");
    const TGrid grid = FindGrid(gridName, CustomGridSet);
    if (grid.Name.isEmpty())
        return Tr(QT_TRANSLATE_NOOP("DataCfg", "Grid not found: ")) + gridName;
    if (!grid.Custom)
        return Tr(QT_TRANSLATE_NOOP("DataCfg", "Not a Custom Grid: ")) + gridName;
    const QString file = grid.File;
    // The backup is the only copy once the file is gone: no backup, no delete.
    if (!QFileInfo(file).isFile() || !KeepBackup(file) || !QFile::remove(file))
        return Tr(QT_TRANSLATE_NOOP("DataCfg", "Can't delete File: ")) + file;
    QList<TGrid>& grids = Grids();
    for (int i = 0; i < grids.size(); ++i) {
        if (grids[i].Custom && grids[i].Name == grid.Name) {
            grids.removeAt(i);
            break;
        }
    }
    return QString();
}
