#pragma once
// File, folder and zip helpers of the package exchange and the plug-in checks. None shows a message: failures
// are a false (or empty) result and one ERROR line.

#include <QFileInfo>
#include <QList>
#include <QString>
#include <QStringList>

bool FilesEqual(const QString& path1, const QString& path2);
// Base64 of the SHA-1 of the file's bytes (28 characters); empty when the file cannot be read.
QString FileHashBase64(const QString& path);
// Makes the item writable by its owner (the stand-in for clearing read-only/system attributes).
void ClearFileAttributes(const QString& path);
// Moves the item to the desktop trash (freedesktop layout: files/ and info/*.trashinfo); where no trash can
// take it, deletes it. False when nothing is there or it stays.
bool DeleteToRecycleBin(const QString& path);
// Deletes the folder and everything below it; symbolic links are removed, never followed.
bool RemoveDirRecursive(const QString& path);
// Every file below the folder, folders first-to-last by name ignoring case; symbolic links are not followed.
QList<QFileInfo> ListFilesRecursive(const QString& path);

// Bounds checked before anything of an archive is written.
struct ZipLimits {
    int maxEntries = 4096;
    qint64 maxEntrySize = 256ll * 1024 * 1024;
    qint64 maxTotalSize = 1024ll * 1024 * 1024;
};
// Exchanged packages (grids, controls, plug-ins) are small: far tighter bounds than any archive.
inline ZipLimits ExchangeZipLimits() {
    ZipLimits limits;
    limits.maxEntries = 2048;
    limits.maxEntrySize = 32ll * 1024 * 1024;
    limits.maxTotalSize = 64ll * 1024 * 1024;
    return limits;
}
// Unpacks every entry below the target folder. Entries whose names lead outside it (absolute names, "..",
// drive letters) or that pass the limits make the whole archive refused before anything is written.
bool UnzipDir(const QString& archive, const QString& target, const ZipLimits& limits = ZipLimits());
// The same on a worker thread while the calling (main) thread keeps serving its events, user input aside.
bool UnzipDirResponsive(const QString& archive, const QString& target, const ZipLimits& limits = ZipLimits());
QStringList EnumZip(const QString& archive);
// Packs every file below the folder (names relative to it, '/' separators); folders get no entries.
bool ZipDir(const QString& folder, const QString& archive);

// Writes the whole file or nothing: the bytes go to a temporary file beside it, which must hold all of them
// (a full disk can cut a write short without an error) before it takes the file's place.
bool WriteFileWhole(const QString& path, const QByteArray& bytes);

// An archive entry name that stays inside the folder it is unpacked into.
bool IsSafeEntryName(const QString& name);
