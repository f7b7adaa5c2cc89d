#include "functions/plugintools.h"

#include "foundation/casepath.h"
#include "foundation/globals.h"
#include "foundation/logger/QsLog.h"
#include "foundation/profiler.h"
#include "functions/pal/windowmessagebus.h"
#include "functions/qnetworkdiskcachepwn.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QNetworkDiskCache>
#include <QSslCertificate>
#include <QStandardPaths>
#include <cctype>
#include <new>

#include <tidy/tidy.h>
#include <tidy/tidybuffio.h>

namespace {

QString WithSlash(const QString& folder) {
    QString f = QDir::fromNativeSeparators(folder);
    if (!f.endsWith(QLatin1Char('/')))
        f += QLatin1Char('/');
    return f;
}

// The program's folder below the private temporary base.
QLatin1String TempSubPath() {
    return QLatin1String("/MERVEX/Velli-Chor/");
}

QString& DataFolder() {
    static QString folder;
    return folder;
}

QString& UserFolder() {
    static QString folder;
    return folder;
}

} // namespace

PluginTools& PluginTools::operator=(const PluginTools&) {
    return *this;
}

// ---------------------------------------------------------------------------------------------------------------
// Folders

QString PluginTools::GetTempPath() {
    return MervexGlobals::PrivateTempRoot() + TempSubPath();
}

QString PluginTools::GetDataPath() {
    if (DataFolder().isEmpty())
        DataFolder() = DefaultDataPath();
    return DataFolder();
}

QString PluginTools::GetUserPath() {
    if (UserFolder().isEmpty())
        UserFolder() = DefaultUserPath();
    return UserFolder();
}

void PluginTools::SetDataPath(const QString& folder) {
    DataFolder() = folder.isEmpty() ? QString() : WithSlash(folder);
}

void PluginTools::SetUserPath(const QString& folder) {
    UserFolder() = folder.isEmpty() ? QString() : WithSlash(folder);
}

QString PluginTools::DefaultDataPath() {
    const QString fromEnv = QString::fromLocal8Bit(qgetenv("MERVEX_DATA_DIR"));
    if (!fromEnv.isEmpty())
        return WithSlash(QDir(fromEnv).absolutePath());
    // Without an application object there is no executable folder to ask; the working folder stands in.
    const QString base = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
    return WithSlash(base + QStringLiteral("/Data"));
}

QString PluginTools::DefaultUserPath() {
    QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (docs.isEmpty())
        docs = QDir::homePath();
    return WithSlash(docs + QStringLiteral("/MERVEX/Velli-Chor"));
}

// ---------------------------------------------------------------------------------------------------------------
// Paths

namespace {
// The stored form's expansion, before any look at the disk.
QString ExpandStoredPath(const QString& path) {
    QString p = path;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (p.startsWith(QLatin1Char('/'))) {
        // Here an absolute path begins with '/' too. One that already lies in the program's own folders was
        // resolved before (or is a file of the user or temporary folder that RelativePath leaves as it is):
        // prefixing the data folder again would point nowhere.
        if (p.startsWith(PluginTools::GetDataPath()) || p.startsWith(PluginTools::GetUserPath()))
            return p;
        // Finding the temporary folder looks at the file system; only a path that can lie in it pays for that.
        if (p.contains(TempSubPath()) && p.startsWith(PluginTools::GetTempPath()))
            return p;
        return PluginTools::GetDataPath() + p.mid(1);
    }
    // Only the whole word stands for a folder: "Temp/x.txt" is a relative path like any other.
    if (p == QLatin1String("Temp"))
        return PluginTools::GetTempPath();
    if (p == QLatin1String("Data"))
        return PluginTools::GetDataPath();
    if (p == QLatin1String("User"))
        return PluginTools::GetUserPath();
    if (p == QLatin1String("Icons"))
        return PluginTools::GetDataPath() + QStringLiteral("Icons/");
    return p;
}
} // namespace

QString PluginTools::ResolvePath(const QString& path) {
    const QString p = ExpandStoredPath(path);
    // Configurations and packages made on Windows name files in any letter case: where the name as written
    // does not exist, the file whose name matches ignoring case is meant.
    if (p.isEmpty() || QFileInfo::exists(p))
        return p;
    const QString found = FindPathIgnoringCase(p);
    return found.isEmpty() ? p : found;
}

QString PluginTools::RelativePath(const QString& path) {
    QString p = path;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    p = p.trimmed();
    const QString data = GetDataPath();
    if (p.startsWith(data, Qt::CaseInsensitive))
        return p.mid(data.size() - 1); // keeps the folder's last '/', so the result begins with '/'
    if (p == GetTempPath())
        return QStringLiteral("Temp");
    if (p == GetUserPath())
        return QStringLiteral("User");
    return p;
}

// ---------------------------------------------------------------------------------------------------------------
// Web cache

QAbstractNetworkCache* PluginTools::GetWebCache() {
    // Lives until the process ends: the forwarders handed out may be deleted in any order.
    static QNetworkDiskCache* shared = [] {
        auto* cache = new QNetworkDiskCache();
        const QString folder = GetTempPath() + QStringLiteral("WebCache/");
        QDir().mkpath(folder);
        cache->setCacheDirectory(folder);
        cache->setMaximumCacheSize(33554432);
        return cache;
    }();
    return new (std::nothrow) QNetworkDiskCachePwn(shared);
}

// ---------------------------------------------------------------------------------------------------------------
// The main window's messages

quintptr PluginTools::GetMainWindowHandle() {
    return WindowMessageBus::Instance().MainWindow();
}

void PluginTools::AddWindowMessageProxy(IWindowMessageProxy* proxy) {
    WindowMessageBus::Instance().AddProxy(proxy);
}

void PluginTools::RemWindowMessageProxy(IWindowMessageProxy* proxy) {
    WindowMessageBus::Instance().RemProxy(proxy);
}

// ---------------------------------------------------------------------------------------------------------------
// HTML

namespace {

// Well within what Tidy's recursion survives on a worker thread's stack.
const int kMaxTidyNesting = 4000;

// Elements that never hold others (void) and elements whose end tag HTML lets a following sibling imply: neither
// deepens the nesting that Tidy builds.
bool IsFlatElement(const char* name, int length) {
    static const char* const kFlat[] = {"area",   "base",     "br",       "col",    "embed", "hr",    "img",   "input",
                                        "link",   "meta",     "param",    "source", "track", "wbr",   "p",     "li",
                                        "dt",     "dd",       "tr",       "td",     "th",    "thead", "tbody", "tfoot",
                                        "option", "optgroup", "colgroup", "rt",     "rp"};
    for (const char* v : kFlat) {
        if (int(qstrlen(v)) == length && qstrnicmp(v, name, uint(length)) == 0)
            return true;
    }
    return false;
}

// An upper estimate of the element nesting of tag soup: every start tag that is neither flat nor self-closed
// opens a level, every end tag closes one. Unclosed elements only make the estimate larger.
int HtmlNestingDepth(const char* html) {
    int depth = 0;
    int maxDepth = 0;
    for (const char* p = html; *p; ++p) {
        if (*p != '<')
            continue;
        if (p[1] == '/') {
            if (depth > 0)
                --depth;
            continue;
        }
        if (!isalpha(static_cast<unsigned char>(p[1])))
            continue;
        const char* name = p + 1;
        const char* q = name;
        while (isalnum(static_cast<unsigned char>(*q)) || *q == ':' || *q == '-')
            ++q;
        const int nameLength = int(q - name);
        while (*q && *q != '>' && *q != '<')
            ++q;
        const bool selfClosed = *q == '>' && q[-1] == '/';
        if (!selfClosed && !IsFlatElement(name, nameLength) && ++depth > maxDepth)
            maxDepth = depth;
        if (!*q)
            break;
        p = q - 1;
    }
    return maxDepth;
}

} // namespace

QByteArray PluginTools::DoTidyHtml2Xml(const char* html) {
    PROFILE_SCOPE("PluginTools::DoTidyHtml2Xml");
    // Tidy's parser recurses once per open element: a page nested deeply enough overflows the thread's stack.
    if (html && HtmlNestingDepth(html) > kMaxTidyNesting)
        return QByteArrayLiteral("DoTidyHtml2Xml: the document is nested too deeply to repair");
    TidyBuffer output;
    TidyBuffer errbuf;
    tidyBufInit(&output);
    tidyBufInit(&errbuf);
    TidyDoc tdoc = tidyCreate();

    tidyOptParseValue(tdoc, "output-xml", "yes");
    tidyOptParseValue(tdoc, "clean", "yes");
    tidyOptParseValue(tdoc, "fix-bad-comments", "yes");
    tidyOptParseValue(tdoc, "hide-comments", "yes");
    tidyOptParseValue(tdoc, "indent-cdata", "yes");
    tidyOptParseValue(tdoc, "escape-cdata", "yes");
    // Named entities such as &nbsp; would stop an XML reader that knows no HTML DTD.
    tidyOptParseValue(tdoc, "numeric-entities", "yes");
    tidySetErrorBuffer(tdoc, &errbuf);

    tidyParseString(tdoc, html ? html : "");
    tidyCleanAndRepair(tdoc);
    tidyRunDiagnostics(tdoc);

    QByteArray result;
    if (tidyOptParseValue(tdoc, "force-output", "yes")) {
        tidySaveBuffer(tdoc, &output);
        if (output.bp)
            result = QByteArray(reinterpret_cast<const char*>(output.bp), int(output.size));
    } else if (errbuf.bp) {
        result = QByteArray(reinterpret_cast<const char*>(errbuf.bp), int(errbuf.size));
    }

    tidyBufFree(&output);
    tidyBufFree(&errbuf);
    tidyRelease(tdoc);
    return result;
}

// ---------------------------------------------------------------------------------------------------------------
// Trusted roots

QList<QSslCertificate> PluginTools::GetRootCAs() {
    static bool loaded = false;
    static QList<QSslCertificate> roots;
    if (!loaded) {
        loaded = true;
        QDir dir(GetDataPath() + QStringLiteral("/SSLCerts/CA"));
        dir.setFilter(QDir::Files);
        dir.setSorting(QDir::Unsorted);
        dir.setNameFilters({QStringLiteral("*.pem"), QStringLiteral("*.crt")});
        for (const QFileInfo& info : dir.entryInfoList()) {
            QFile file(info.absoluteFilePath());
            if (!file.open(QIODevice::ReadOnly) || file.size() > 16 * 1024 * 1024)
                continue;
            for (const QSslCertificate& cert : QSslCertificate::fromDevice(&file, QSsl::Pem)) {
                QLOG_DEBUG() << "CACert:" << cert.issuerInfo(QSslCertificate::Organization) << cert.serialNumber();
                roots.append(cert);
            }
        }
    }
    return roots;
}
