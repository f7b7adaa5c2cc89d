#include "foundation/casepath.h"

#include "foundation/profiler.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QStringList>

#include <sys/stat.h>

namespace {

// Folders whose listings are kept; past this the cache starts again.
constexpr int kMaxCachedFolders = 256;

struct FolderListing {
    qint64 mtimeNs = -1;
    qint64 ctimeNs = -1;
    QHash<QString, QString> byFoldedName; // case-folded name -> the name on disk (the first in sort order)
};

struct CaseCache {
    QMutex mutex;
    QHash<QString, FolderListing> folders;
};

CaseCache& Cache() {
    static CaseCache cache;
    return cache;
}

bool FolderTimes(const QString& folder, qint64* mtimeNs, qint64* ctimeNs) {
    struct stat st;
    if (::stat(QFile::encodeName(folder).constData(), &st) != 0 || !S_ISDIR(st.st_mode))
        return false;
    *mtimeNs = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    *ctimeNs = qint64(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec;
    return true;
}

// The name on disk in folder that matches name ignoring case; empty when none does. refresh forces a new
// listing (the cached name turned out to be gone).
QString MatchInFolder(const QString& folder, const QString& name, bool refresh) {
    qint64 mtime = 0, ctime = 0;
    if (!FolderTimes(folder.isEmpty() ? QStringLiteral(".") : folder, &mtime, &ctime))
        return QString();
    CaseCache& cache = Cache();
    QMutexLocker lock(&cache.mutex);
    auto it = cache.folders.find(folder);
    if (it == cache.folders.end() || refresh || it->mtimeNs != mtime || it->ctimeNs != ctime) {
        PROFILE_SCOPE("FindPathIgnoringCase: listing");
        if (it == cache.folders.end() && cache.folders.size() >= kMaxCachedFolders)
            cache.folders.clear();
        FolderListing listing;
        listing.mtimeNs = mtime;
        listing.ctimeNs = ctime;
        const QDir dir(folder.isEmpty() ? QStringLiteral(".") : folder);
        const QStringList names =
            dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
        for (const QString& n : names) {
            const QString folded = n.toCaseFolded();
            if (!listing.byFoldedName.contains(folded))
                listing.byFoldedName.insert(folded, n);
        }
        it = cache.folders.insert(folder, listing);
    }
    return it->byFoldedName.value(name.toCaseFolded());
}

} // namespace

QString FindPathIgnoringCase(const QString& pathIn) {
    QString path = pathIn;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (path.isEmpty())
        return QString();
    if (QFileInfo::exists(path))
        return path;

    PROFILE_SCOPE("FindPathIgnoringCase");
    const bool absolute = path.startsWith(QLatin1Char('/'));
    const QStringList parts = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString found = absolute ? QStringLiteral("/") : QString();
    for (int i = 0; i < parts.size(); ++i) {
        const QString& part = parts.at(i);
        const QString exact = found + part;
        const bool last = i == parts.size() - 1;
        if (part == QLatin1String(".") || part == QLatin1String("..") || QFileInfo::exists(exact)) {
            found = exact;
        } else {
            const QString folder = found.isEmpty() ? QString() : found;
            QString match = MatchInFolder(folder, part, false);
            if (!match.isEmpty() && !QFileInfo::exists(found + match))
                match = MatchInFolder(folder, part, true); // renamed since the listing
            if (match.isEmpty())
                return QString();
            found += match;
        }
        if (!last)
            found += QLatin1Char('/');
    }
    return found;
}

void ClearPathCaseCache() {
    CaseCache& cache = Cache();
    QMutexLocker lock(&cache.mutex);
    cache.folders.clear();
}
