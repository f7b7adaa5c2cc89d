// Platform layer: start and stop, the computer's and the system's name, autostart, environment
// references, shell folders, program descriptions and icons, the warning sound and the last error text.

#include "functions/pal/pal.h"

#include "functions/pal/itunesthread.h"
#include "functions/pal/launch.h"
#include "functions/pal/palbackends.h"

#include "foundation/logger/QsLog.h"
#include "foundation/profiler.h"
#include "functions/pal/sysstatthread.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QMimeDatabase>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QSysInfo>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {
// Values that name other references are expanded again, but not without end: at most this deep, at most
// this many references in all, and a result never grows past the longest text the environment itself holds
// (32767 characters).
constexpr int kMaxExpandDepth = 8;
constexpr int kMaxExpandReferences = 1024;
constexpr int kMaxExpandedLength = 32767;
QAtomicInt g_warningSounds;

struct ExpandLimits {
    int budget;     // characters the result may still grow by
    int references; // references that may still be expanded
};

// Appends text with its references replaced. A '%' that does not open the reference of a set variable is
// text and stays; so does a reference beyond the limits.
void ExpandEnvironmentInto(const QString& text, int depth, QString& result, ExpandLimits& limits) {
    int pos = 0;
    while (pos < text.size()) {
        const int open = text.indexOf(QLatin1Char('%'), pos);
        const int close = open < 0 ? -1 : text.indexOf(QLatin1Char('%'), open + 1);
        if (close < 0) {
            result += text.midRef(pos);
            return;
        }
        result += text.midRef(pos, open - pos);
        const QByteArray name = text.mid(open + 1, close - open - 1).toLocal8Bit();
        if (name.isEmpty() || !qEnvironmentVariableIsSet(name.constData())) {
            // Not a reference: the '%' is text, and the second one may open the next reference
            // ("100% or 50%" stays as it is).
            result += QLatin1Char('%');
            pos = open + 1;
            continue;
        }
        const QString value = QString::fromLocal8Bit(qgetenv(name.constData()));
        QString expanded;
        bool fits = limits.references > 0 && value.size() <= limits.budget;
        if (fits) {
            --limits.references;
            if (depth < kMaxExpandDepth) {
                // The value's own text stays whole whatever happens inside it; only the rest of the
                // budget is for what its references insert. So the expansion always fits.
                ExpandLimits inner{limits.budget - value.size(), limits.references};
                ExpandEnvironmentInto(value, depth + 1, expanded, inner);
                limits.references = inner.references;
            } else {
                expanded = value;
            }
        }
        if (fits) {
            result += expanded;
            limits.budget -= expanded.size();
        } else {
            result += text.midRef(open, close - open + 1); // the reference stays as written
        }
        pos = close + 1;
    }
}

// The desktop entry of a program: the entry itself, or one named after the program in the
// applications folders.
QString DesktopEntryFor(const QString& path) {
    if (path.endsWith(QLatin1String(".desktop")))
        return QFileInfo::exists(path) ? path : QString();
    const QString base = QFileInfo(path).completeBaseName();
    if (base.isEmpty())
        return QString();
    return QStandardPaths::locate(QStandardPaths::ApplicationsLocation, base + QLatin1String(".desktop"));
}

QString ShellFolderIconName(const QString& folder) {
    static const QHash<QString, QString> names = {
        {QStringLiteral("Computer"), QStringLiteral("computer")},
        {QStringLiteral("Documents"), QStringLiteral("folder-documents")},
        {QStringLiteral("Network"), QStringLiteral("network-workgroup")},
        {QStringLiteral("Favorites"), QStringLiteral("user-bookmarks")},
        {QStringLiteral("Desktop"), QStringLiteral("user-desktop")},
        {QStringLiteral("Fonts"), QStringLiteral("preferences-desktop-font")},
        {QStringLiteral("Controls"), QStringLiteral("preferences-system")},
        {QStringLiteral("Printers"), QStringLiteral("printer")},
    };
    return names.value(folder);
}

QImage LargestThemeIcon(const QString& name) {
    const QIcon icon = QIcon::fromTheme(name);
    if (icon.isNull())
        return QImage();
    QList<QSize> sizes = icon.availableSizes();
    QSize size(256, 256);
    if (!sizes.isEmpty()) {
        std::sort(sizes.begin(), sizes.end(), [](const QSize& a, const QSize& b) { return a.width() < b.width(); });
        size = sizes.last();
    }
    return icon.pixmap(size).toImage();
}
} // namespace

// ---- Start and stop ----

void PAL::Init() {
    QLOG_INFO() << "PAL::Init";
    PAL_INT::StartSysStatThread();
    PAL_INT::StartSoundServerClient();
}

void PAL::Exit() {
    QLOG_INFO() << "PAL::Exit";
    PAL_INT::RequestSysStatStop();
    PAL_WIN32_INT::StopItunesThread();
    PAL_INT::StopSoundServerClient();
    PAL_INT::WaitSysStatStopped();
}

void PAL::Sleep(int ms) {
    PROFILE_SCOPE("idle");
    if (ms > 0)
        QThread::msleep(ulong(ms));
}

// ---- Identity ----

QString PAL::GetComputerName() {
    char name[260] = {};
    if (::gethostname(name, sizeof(name) - 1) != 0)
        return QString();
    return QString::fromLocal8Bit(name);
}

QString PAL::GetOSName() {
    static const QString name = [] {
        const QString pretty = QSysInfo::prettyProductName();
        return pretty.isEmpty() ? QSysInfo::kernelType() : pretty;
    }();
    return name;
}

// ---- Shell services ----

bool PAL::GetAutostart() {
    QFile entry(PAL_INT::AutostartEntryPath());
    return entry.open(QFile::ReadOnly);
}

bool PAL::SetAutostart(bool on) {
    const QString path = PAL_INT::AutostartEntryPath();
    if (!on)
        return QFile::remove(path);
    // The program's own file (from /proc/self/exe), not its first argument: a start through a relative path
    // or a link on the search path would otherwise name a file beside the working folder of that start.
    const QString program = QCoreApplication::applicationFilePath();
    // Inside a quoted Exec argument these four characters take a backslash.
    QString quoted = program;
    for (const QChar c : {QLatin1Char('\\'), QLatin1Char('"'), QLatin1Char('`'), QLatin1Char('$')})
        quoted.replace(c, QStringLiteral("\\") + c);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile entry(path);
    if (!entry.open(QFile::WriteOnly | QFile::Text))
        return false;
    const QString text = QStringLiteral("[Desktop Entry]\nType=Application\nName=MERVEX Velli-Chor\n"
                                        "Exec=\"%1\" /m\nX-GNOME-Autostart-enabled=true\n")
                             .arg(quoted);
    entry.write(text.toUtf8());
    return entry.commit();
}

QString PAL::ExpandEnvironment(const QString& text) {
    QString result;
    ExpandLimits limits{qMax(0, kMaxExpandedLength - text.size()), kMaxExpandReferences};
    ExpandEnvironmentInto(text, 0, result, limits);
    return result;
}

QString PAL::ResolveShellFolder(const QString& text) {
    if (!text.startsWith(QLatin1Char(':')))
        return text;
    QString rest = text.mid(1);
    rest.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const int slash = rest.indexOf(QLatin1Char('/'));
    const QString name = slash < 0 ? rest : rest.left(slash);
    rest = slash < 0 ? QString() : rest.mid(slash);

    // Folders the desktop has no equivalent for are the home folder; programs live in /usr/bin.
    static const QHash<QString, QStandardPaths::StandardLocation> folders = {
        {QStringLiteral("Computer"), QStandardPaths::HomeLocation},
        {QStringLiteral("Documents"), QStandardPaths::DocumentsLocation},
        {QStringLiteral("Network"), QStandardPaths::HomeLocation},
        {QStringLiteral("Favorites"), QStandardPaths::HomeLocation},
        {QStringLiteral("Desktop"), QStandardPaths::DesktopLocation},
        {QStringLiteral("Fonts"), QStandardPaths::FontsLocation},
        {QStringLiteral("Controls"), QStandardPaths::HomeLocation},
        {QStringLiteral("Printers"), QStandardPaths::HomeLocation},
        {QStringLiteral("Music"), QStandardPaths::MusicLocation},
        {QStringLiteral("Videos"), QStandardPaths::MoviesLocation},
        {QStringLiteral("Pictures"), QStandardPaths::PicturesLocation},
        {QStringLiteral("Downloads"), QStandardPaths::DownloadLocation},
    };
    QString folder;
    if (name == QLatin1String("System"))
        folder = QStringLiteral("/usr/bin");
    else if (folders.contains(name))
        folder = QStandardPaths::writableLocation(folders.value(name));
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return folder + rest;
}

QString PAL::GetProgramDescription(const QString& path) {
    static QHash<QString, QString> cache;
    auto it = cache.constFind(path);
    if (it != cache.constEnd())
        return it.value();
    const QString desc = PAL_INT::GetProcessDesc(path);
    cache.insert(path, desc);
    return desc;
}

QImage PAL::LoadIconImage(const QString& reference) {
    QString path = reference;
    int number = 0;
    bool hasNumber = false;
    const int comma = path.lastIndexOf(QLatin1Char(','));
    if (comma >= 0) {
        number = path.mid(comma + 1).trimmed().toInt();
        hasNumber = true;
        path = path.left(comma);
    }

    if (path.startsWith(QLatin1Char(':'))) {
        const QString iconName = ShellFolderIconName(path.mid(1));
        if (!iconName.isEmpty()) {
            const QImage image = LargestThemeIcon(iconName);
            if (!image.isNull())
                return image;
        }
        path = ResolveShellFolder(path);
    }

    const QFileInfo info(path);
    if (info.isFile()) {
        // Icon files hold several images: the number picks one by position (held in range), a negative
        // one counts as its magnitude, none gives the largest.
        QImageReader reader(path);
        if (reader.canRead()) {
            const int count = qMax(1, reader.imageCount());
            if (hasNumber) {
                reader.jumpToImage(qBound(0, qAbs(number), count - 1));
                const QImage image = reader.read();
                if (!image.isNull())
                    return image;
            } else {
                QImage best;
                for (int i = 0; i < count; ++i) {
                    if (i > 0 && !reader.jumpToNextImage())
                        break;
                    const QImage image = reader.read();
                    if (image.width() > best.width())
                        best = image;
                }
                if (!best.isNull())
                    return best;
            }
        }
        const QString entry = DesktopEntryFor(path);
        if (!entry.isEmpty()) {
            const QString icon = PAL_INT::DesktopEntryValue(entry, "Icon");
            const QImage image = QFileInfo(icon).isAbsolute() ? QImage(icon) : LargestThemeIcon(icon);
            if (!image.isNull())
                return image;
        }
    }
    if (info.isDir())
        return LargestThemeIcon(QStringLiteral("folder"));
    const QMimeType mime = QMimeDatabase().mimeTypeForFile(path, QMimeDatabase::MatchExtension);
    QImage image = LargestThemeIcon(mime.iconName());
    if (image.isNull())
        image = LargestThemeIcon(mime.genericIconName());
    return image;
}

int PAL::PlayWarningSound(bool silent) {
    if (silent)
        return 0;
    // No sound facility is used here: the request is counted and logged.
    g_warningSounds.fetchAndAddRelaxed(1);
    QLOG_DEBUG() << "PAL::PlayWarningSound";
    return 1;
}

QString PAL::GetLastErrorText() {
    const int error = errno;
    if (error == 0)
        return QString();
    return QString::fromLocal8Bit(std::strerror(error));
}

namespace PAL_INT {

QString AutostartEntryPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/MervexVellichor.desktop");
}

int WarningSoundCount() {
    return g_warningSounds.loadRelaxed();
}

QString GetProcessDesc(const QString& path) {
    const QString entry = DesktopEntryFor(path);
    return entry.isEmpty() ? QString() : DesktopEntryValue(entry, "Name");
}

} // namespace PAL_INT
