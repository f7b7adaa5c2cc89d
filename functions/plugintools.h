#pragma once
// Services the program exports to plug-in libraries and uses itself: its folders and the resolution of
// the short stored forms of paths ("Temp", "Data", "User", "Icons", a leading '/').

#include <QByteArray>
#include <QString>

class IWindowMessageProxy;

class QAbstractNetworkCache;
class QSslCertificate;
template <typename T> class QList;

class PluginTools {
public:
    // Exported with the rest of the plug-in API, so defined out of line; the class holds no data.
    PluginTools() = default;
    PluginTools(const PluginTools&) = default;
    PluginTools& operator=(const PluginTools& other);

    // --- Folders. Each ends with '/'. ---

    // The program's temporary folder: the per-user private temporary base followed by "/MERVEX/Velli-Chor/".
    static QString GetTempPath();
    // The data folder, as fixed at start-up (SetDataPath); until then the default folder (DefaultDataPath).
    static QString GetDataPath();
    // The user folder, as fixed at start-up (SetUserPath); until then the default folder (DefaultUserPath).
    static QString GetUserPath();

    // --- Paths. ---

    // Expands a stored path: '\' becomes '/'; a leading '/' means the data folder; the whole words "Temp",
    // "Data", "User" and "Icons" stand for their folders. Anything else comes back as it is. Where the
    // result does not exist but a file whose name matches ignoring letter case does (a name written on
    // Windows), that file's path is the answer.
    static QString ResolvePath(const QString& path);
    // The reverse for stored paths: a path inside the data folder (any letter case) becomes "/..."; the
    // temporary and user folders themselves become "Temp" and "User".
    static QString RelativePath(const QString& path);

    // --- Web cache. ---

    // A new forwarder (caller owns it, normally handing it to QNetworkAccessManager::setCache) to the
    // program's one disk cache in the temporary folder's "WebCache/" (32 MiB), made on the first call.
    static QAbstractNetworkCache* GetWebCache();

    // --- Trusted roots. ---

    // The PEM certificates of every "*.pem" and "*.crt" file in the data folder's "SSLCerts/CA", read on the
    // first call and kept for the life of the process.
    static QList<QSslCertificate> GetRootCAs();

    // --- The main window's messages (over the window-message bus). ---

    // The main window's handle on the message bus.
    static quintptr GetMainWindowHandle();
    // Appends a receiver of the main window's messages (no duplicate check); the caller keeps ownership.
    static void AddWindowMessageProxy(IWindowMessageProxy* proxy);
    // Removes every occurrence of the receiver.
    static void RemWindowMessageProxy(IWindowMessageProxy* proxy);

    // --- HTML. ---

    // Well-formed XML made from HTML (or any tag soup) by HTML Tidy, entities written as numbers so that an XML
    // reader that knows no HTML entities can read it. Reads up to the first NUL. Never fails: when Tidy
    // cannot write a document the answer is its diagnostics text.
    static QByteArray DoTidyHtml2Xml(const char* html);

    // --- Start-up. The program entry (and tests) fix the folders before anything reads them. ---

    static void SetDataPath(const QString& folder);
    static void SetUserPath(const QString& folder);
    // "Data/" next to the executable, or the folder named by MERVEX_DATA_DIR when that is set.
    static QString DefaultDataPath();
    // "MERVEX/Velli-Chor/" below the user's Documents folder.
    static QString DefaultUserPath();
};
