#include "config/ziputils.h"

#include "foundation/logger/QsLog.h"
#include "foundation/profiler.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QStandardPaths>
#include <QThread>

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipfileinfo.h>
#include <quazip/quazipnewinfo.h>

#include <zlib.h>

namespace {
const qint64 BlockSize = 4096;

QFileInfoList DefaultListing(const QString& path) {
    // What a default QDir lists: files and folders, no hidden or system entries, by name ignoring case.
    QDir dir(path);
    dir.setFilter(QDir::AllEntries | QDir::NoDotAndDotDot);
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    return dir.entryInfoList();
}
} // namespace

bool FilesEqual(const QString& path1, const QString& path2) {
    PROFILE_SCOPE("FilesEqual");
    const bool e1 = QFileInfo::exists(path1);
    const bool e2 = QFileInfo::exists(path2);
    if (!e1 && !e2)
        return true;
    if (e1 != e2)
        return false;
    QFile f1(path1), f2(path2);
    if (!f1.open(QIODevice::ReadOnly) || !f2.open(QIODevice::ReadOnly))
        return false;
    if (f1.size() != f2.size())
        return false;
    for (;;) {
        const QByteArray b1 = f1.read(BlockSize);
        const QByteArray b2 = f2.read(BlockSize);
        if (b1 != b2)
            return false;
        if (b1.size() < BlockSize)
            return true;
    }
}

QString FileHashBase64(const QString& path) {
    PROFILE_SCOPE("FileHashBase64");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    // Streamed, so a large library is not held in memory at once.
    QCryptographicHash hash(QCryptographicHash::Sha1);
    if (!hash.addData(&file))
        return QString();
    return QString::fromLatin1(hash.result().toBase64());
}

void ClearFileAttributes(const QString& path) {
    QFileInfo info(path);
    if (!info.exists() || info.isSymLink())
        return;
    QFile::setPermissions(path, QFile::permissions(path) | QFile::WriteOwner | QFile::ReadOwner |
                                    (info.isDir() ? QFile::ExeOwner : QFileDevice::Permissions()));
}

bool DeleteToRecycleBin(const QString& path) {
    PROFILE_SCOPE("DeleteToRecycleBin");
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return false;
    ClearFileAttributes(path);
    // The home trash must exist before an item goes there; without it the item could land elsewhere.
    const QString trash =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Trash");
    QFile item(path);
    if (QDir().mkpath(trash + QStringLiteral("/files")) && QDir().mkpath(trash + QStringLiteral("/info")) &&
        item.moveToTrash())
        return true;
    // No trash on this file system: delete the item itself, never its (empty) parents.
    if (info.isDir() && !info.isSymLink())
        return QDir().rmdir(path);
    return QFile::remove(path);
}

bool RemoveDirRecursive(const QString& path) {
    PROFILE_SCOPE("RemoveDirRecursive");
    const QFileInfo top(path);
    if (!top.exists() || !top.isDir() || top.isSymLink())
        return false;
    for (const QFileInfo& entry : DefaultListing(path)) {
        const QString p = entry.absoluteFilePath();
        if (entry.isSymLink() || !entry.isDir()) {
            ClearFileAttributes(p);
            QFile::remove(p);
            if (QFileInfo(p).exists() || QFileInfo(p).isSymLink())
                DeleteToRecycleBin(p);
        } else {
            ClearFileAttributes(p);
            RemoveDirRecursive(p);
            QDir().rmdir(p);
            if (QFileInfo::exists(p))
                DeleteToRecycleBin(p);
        }
    }
    QDir().rmdir(path);
    if (QFileInfo::exists(path))
        DeleteToRecycleBin(path);
    return !QFileInfo::exists(path);
}

QList<QFileInfo> ListFilesRecursive(const QString& path) {
    QList<QFileInfo> files;
    for (const QFileInfo& entry : DefaultListing(path)) {
        if (entry.isDir() && !entry.isSymLink())
            files += ListFilesRecursive(entry.absoluteFilePath());
        else if (!entry.isDir())
            files.append(entry);
    }
    return files;
}

bool WriteFileWhole(const QString& path, const QByteArray& bytes) {
    const QString temp = path + QStringLiteral(".part");
    QFile file(temp);
    bool ok =
        file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size() && file.flush();
    file.close();
    ok = ok && file.error() == QFileDevice::NoError && QFileInfo(temp).size() == bytes.size();
    if (ok && QFileInfo::exists(path))
        ok = QFile::remove(path);
    ok = ok && QFile::rename(temp, path);
    if (!ok) {
        QLOG_ERROR() << "Can't write File:" << path << file.errorString();
        QFile::remove(temp);
    }
    return ok;
}

bool IsSafeEntryName(const QString& name) {
    if (name.isEmpty() || name.startsWith(QLatin1Char('/')) || name.startsWith(QLatin1Char('\\')) ||
        name.contains(QLatin1Char('\0')))
        return false;
    if (name.size() >= 2 && name.at(1) == QLatin1Char(':')) // drive letter
        return false;
    const QStringList parts = QString(name).replace(QLatin1Char('\\'), QLatin1Char('/')).split(QLatin1Char('/'));
    for (const QString& part : parts)
        if (part == QLatin1String(".."))
            return false;
    return true;
}

namespace {
// The first pass over an archive: names, count and declared sizes, so that a hostile archive is refused
// before anything is written.
bool CheckEntries(QuaZip& zip, const ZipLimits& limits) {
    int count = 0;
    qint64 total = 0;
    for (bool more = zip.goToFirstFile(); more; more = zip.goToNextFile()) {
        QuaZipFileInfo64 info;
        if (!zip.getCurrentFileInfo(&info)) {
            QLOG_ERROR() << "UnzipDir(): getCurrentFileInfo(): " << zip.getZipError();
            return false;
        }
        if (++count > limits.maxEntries) {
            QLOG_ERROR() << "UnzipDir(): too many entries:" << count;
            return false;
        }
        if (!IsSafeEntryName(info.name)) {
            QLOG_ERROR() << "UnzipDir(): entry name outside the folder:" << info.name;
            return false;
        }
        if (info.uncompressedSize > quint64(limits.maxEntrySize)) {
            QLOG_ERROR() << "UnzipDir(): entry too large:" << info.name << info.uncompressedSize;
            return false;
        }
        total += qint64(info.uncompressedSize);
        if (total > limits.maxTotalSize) {
            QLOG_ERROR() << "UnzipDir(): archive too large:" << total;
            return false;
        }
    }
    if (zip.getZipError() != UNZ_OK) {
        QLOG_ERROR() << "UnzipDir(): zip.goToNextFile():" << zip.getZipError();
        return false;
    }
    return true;
}

// Writes the current entry of the archive below target: a folder entry makes the folder; a file is written
// whole or not at all (never more than its declared size).
bool ExtractEntry(QuaZipFile& file, const QuaZipFileInfo64& info, const QString& target) {
    const QString outPath = QStringLiteral("%1/%2").arg(target, info.name);
    if (info.name.endsWith(QLatin1Char('/'))) {
        if (!QDir().mkpath(outPath)) {
            QLOG_ERROR() << "UnzipDir(): mkpath():" << outPath;
            return false;
        }
        return true;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        QLOG_ERROR() << "UnzipDir(): file.open():" << file.getZipError();
        return false;
    }
    if (!QDir().mkpath(QFileInfo(outPath).absolutePath())) {
        QLOG_ERROR() << "UnzipDir(): mkpath():" << QFileInfo(outPath).absolutePath();
        file.close();
        return false;
    }
    if (file.getZipError() != UNZ_OK) {
        QLOG_ERROR() << "UnzipDir(): file.getFileName():" << file.getZipError();
        return false;
    }
    QFile out(outPath);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        QLOG_ERROR() << "UnzipDir(): out.open():" << outPath << out.errorString();
        file.close();
        return false;
    }
    // The declared size may lie: never write more than it promised. A write that fails (a full disk)
    // ends the unpacking, and the half-written file goes.
    qint64 written = 0;
    bool overrun = false;
    bool writeFailed = false;
    for (;;) {
        const QByteArray block = file.read(BlockSize);
        if (block.isEmpty())
            break;
        written += block.size();
        if (written > qint64(info.uncompressedSize)) {
            overrun = true;
            break;
        }
        if (out.write(block) != block.size()) {
            writeFailed = true;
            break;
        }
    }
    if (!out.flush())
        writeFailed = true;
    out.close();
    // A short write at the disk's end can pass without an error: the file must hold every byte.
    if (out.error() != QFileDevice::NoError || (!overrun && QFileInfo(outPath).size() != written))
        writeFailed = true;
    if (writeFailed) {
        QLOG_ERROR() << "UnzipDir(): out.write():" << outPath << out.errorString();
        QFile::remove(outPath);
        file.close();
        return false;
    }
    if (overrun) {
        QLOG_ERROR() << "UnzipDir(): entry larger than declared:" << info.name;
        QFile::remove(outPath);
        file.close();
        return false;
    }
    if (file.getZipError() != UNZ_OK) {
        QLOG_ERROR() << "UnzipDir(): file.getFileName():" << file.getZipError();
        QFile::remove(outPath);
        file.close();
        return false;
    }
    if (!file.atEnd()) {
        QLOG_ERROR() << "UnzipDir(): read all but not EOF";
        QFile::remove(outPath);
        file.close();
        return false;
    }
    file.close();
    if (file.getZipError() != UNZ_OK) {
        QLOG_ERROR() << "UnzipDir(): file.close():" << file.getZipError();
        return false;
    }
    return true;
}
} // namespace

bool UnzipDir(const QString& archive, const QString& target, const ZipLimits& limits) {
    PROFILE_SCOPE("UnzipDir");
    QuaZip zip(archive);
    zip.setFileNameCodec("UTF-8");
    if (!zip.open(QuaZip::mdUnzip)) {
        QLOG_ERROR() << "UnzipDir(): zip.open():" << zip.getZipError();
        return false;
    }
    if (!CheckEntries(zip, limits))
        return false;
    QuaZipFile file(&zip);
    for (bool more = zip.goToFirstFile(); more; more = zip.goToNextFile()) {
        QuaZipFileInfo64 info;
        if (!zip.getCurrentFileInfo(&info)) {
            QLOG_ERROR() << "UnzipDir(): getCurrentFileInfo(): " << zip.getZipError();
            return false;
        }
        if (!ExtractEntry(file, info, target))
            return false;
    }
    zip.close();
    if (zip.getZipError() != UNZ_OK) {
        QLOG_ERROR() << "UnzipDir(): zip.close():" << zip.getZipError();
        return false;
    }
    return true;
}

bool UnzipDirResponsive(const QString& archive, const QString& target, const ZipLimits& limits) {
    PROFILE_SCOPE("UnzipDirResponsive");
    if (!QCoreApplication::instance() || QThread::currentThread() != QCoreApplication::instance()->thread())
        return UnzipDir(archive, target, limits);
    // The unpacking runs on a thread of its own; the main thread keeps serving its events (the phone server,
    // painting) until it ends. The caller must not start a second exchange meanwhile.
    bool result = false;
    QEventLoop loop;
    QThread* worker = QThread::create([&] { result = UnzipDir(archive, target, limits); });
    QObject::connect(worker, &QThread::finished, &loop, &QEventLoop::quit, Qt::QueuedConnection);
    worker->start();
    if (!worker->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    worker->wait();
    delete worker;
    return result;
}

QStringList EnumZip(const QString& archive) {
    PROFILE_SCOPE("EnumZip");
    QStringList names;
    QuaZip zip(archive);
    zip.setFileNameCodec("UTF-8");
    if (!zip.open(QuaZip::mdUnzip)) {
        QLOG_ERROR() << "EnumZip(): zip.open():" << zip.getZipError();
        return names;
    }
    for (bool more = zip.goToFirstFile(); more; more = zip.goToNextFile()) {
        QuaZipFileInfo64 info;
        if (!zip.getCurrentFileInfo(&info)) {
            QLOG_ERROR() << "EnumZip(): getCurrentFileInfo(): " << zip.getZipError();
            return names;
        }
        // The central directory names the entries; they need not be opened (or inflated) to be listed.
        names.append(info.name);
        if (names.size() > 65536)
            break;
    }
    zip.close();
    if (zip.getZipError() != UNZ_OK)
        QLOG_ERROR() << "EnumZip(): zip.close():" << zip.getZipError();
    return names;
}

bool ZipDir(const QString& folder, const QString& archive) {
    PROFILE_SCOPE("ZipDir");
    QuaZip zip(archive);
    zip.setFileNameCodec("UTF-8");
    if (!zip.open(QuaZip::mdCreate)) {
        QLOG_ERROR() << QStringLiteral("ZipDir(): zip.open(): %1").arg(zip.getZipError());
        return false;
    }
    const QDir dir(folder);
    if (!dir.exists()) {
        QLOG_ERROR() << QStringLiteral("dir.exists(%1)=FALSE").arg(dir.absolutePath());
        zip.close();
        return false;
    }
    const int prefix = dir.absolutePath().length() + 1;
    QuaZipFile outFile(&zip);
    for (const QFileInfo& info : ListFilesRecursive(dir.absolutePath())) {
        const QString name = info.absoluteFilePath().mid(prefix);
        QFile inFile(info.absoluteFilePath());
        if (!inFile.open(QIODevice::ReadOnly)) {
            QLOG_ERROR() << QStringLiteral("ZipDir(): inFile.open(): %1").arg(inFile.errorString());
            zip.close();
            return false;
        }
        if (!outFile.open(QIODevice::WriteOnly, QuaZipNewInfo(name, info.absoluteFilePath()), nullptr, 0, Z_DEFLATED,
                          Z_DEFAULT_COMPRESSION)) {
            QLOG_ERROR() << QStringLiteral("ZipDir(): outFile.open(): %1").arg(outFile.getZipError());
            zip.close();
            return false;
        }
        for (;;) {
            const QByteArray block = inFile.read(BlockSize);
            if (block.isEmpty())
                break;
            outFile.write(block);
        }
        if (outFile.getZipError() != UNZ_OK) {
            QLOG_ERROR() << QStringLiteral("ZipDir(): outFile.putChar(): %1").arg(outFile.getZipError());
            outFile.close();
            zip.close();
            return false;
        }
        outFile.close();
        if (outFile.getZipError() != UNZ_OK) {
            QLOG_ERROR() << QStringLiteral("ZipDir(): outFile.close(): %1").arg(outFile.getZipError());
            zip.close();
            return false;
        }
    }
    zip.close();
    if (zip.getZipError() != 0) {
        QLOG_ERROR() << QStringLiteral("ZipDir(): zip.close(): %1").arg(zip.getZipError());
        return false;
    }
    return true;
}
