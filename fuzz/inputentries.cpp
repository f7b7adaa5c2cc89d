#include "fuzz/inputentries.h"

#include "config/datacfg.h"
#include "config/dataexchange.h"
#include "config/tcontrol.h"
#include "config/tctrlset.h"
#include "config/tgrid.h"
#include "datasources/datasrcnewsfeed.h"
#include "datasources/maildecode.h"
#include "foundation/cryptstring.h"
#include "foundation/json.h"
#include "foundation/logger/QsLog.h"
#include "server/netserver.h"
#include "server/wshandshake.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QUrlQuery>

#include <cstdio>
#include <cstdlib>

namespace {

void Check(bool ok, const char* what) {
    if (!ok) {
        fprintf(stderr, "property broken: %s\n", what);
        abort();
    }
}

// Quiet logs, an application object for the parts that need one, a fixed machine key for encrypted values.
void Prepare() {
    static bool done = false;
    if (done)
        return;
    done = true;
    GetLogger().SetLevel(QsLogging::FatalLevel);
    if (!QCoreApplication::instance()) {
        static int argc = 1;
        static char name[] = "fuzz";
        static char* argv[] = {name, nullptr};
        new QCoreApplication(argc, argv);
    }
    InstallCryptStringConversion();
    SetCryptMachineIdProvider([] { return QStringLiteral("fuzz-machine"); });
}

QByteArray Bytes(const uint8_t* data, size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), int(size));
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QStringList Lines(const QByteArray& bytes) {
    return QString::fromUtf8(bytes).split(QLatin1Char('\n'));
}

} // namespace

int FuzzJsonReader(const uint8_t* data, size_t size) {
    Prepare();
    QString error;
    const QVariant value = JsonParseText(QString::fromUtf8(Bytes(data, size)), error);
    if (!error.isEmpty() || !value.isValid())
        return 0;
    QString writeError;
    const QByteArray written = JsonSerialize(value, writeError, 1);
    if (!writeError.isEmpty())
        return 0;
    QString again;
    JsonParseText(QString::fromUtf8(written), again);
    Check(again.isEmpty(), "what the writer writes reads back");
    return 0;
}

int FuzzUserCfg(const uint8_t* data, size_t size) {
    Prepare();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("userCfg.json"));
    if (!WriteFile(path, Bytes(data, size)))
        return 0;
    DataCfg cfg;
    cfg.LoadUserCfg(path);
    return 0;
}

int FuzzDataFolder(const uint8_t* data, size_t size) {
    Prepare();
    QTemporaryDir dir;
    if (!WriteFile(dir.filePath(QStringLiteral("mainCfg.json")), Bytes(data, size)))
        return 0;
    DataCfg cfg;
    cfg.LoadDataFolder(dir.path());
    return 0;
}

int FuzzZipImport(const uint8_t* data, size_t size) {
    Prepare();
    QTemporaryDir dir;
    const QString archive = dir.filePath(QStringLiteral("in.zip"));
    const QString dest = dir.filePath(QStringLiteral("dest"));
    if (!WriteFile(archive, Bytes(data, size)) || !QDir().mkpath(dest))
        return 0;
    {
        DataCfg::TCtrlSet controls;
        QList<DataCfg::TGrid> grids;
        QVariant description;
        ImportPackage(archive, controls, grids, description, dest);
        DataCfg::TGrid grid;
        ImportGrid(grid, archive, dest);
        QString entry;
        DataCfg::TControl control;
        ImportControl(entry, control, archive, dest);
    }
    // Only the archive and the target folder are left beside each other.
    const QStringList left = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    Check(left.size() <= 2 && left.contains(QStringLiteral("in.zip")), "nothing written beside the target folder");
    return 0;
}

int FuzzMailDecode(const uint8_t* data, size_t size) {
    Prepare();
    const QByteArray bytes = Bytes(data, size);
    const int split = bytes.indexOf("\n\n");
    const QStringList header = Lines(split < 0 ? bytes : bytes.left(split));
    const QStringList body = split < 0 ? QStringList() : Lines(bytes.mid(split + 2));
    const QVariantMap mail = DecodeMail(header, body, 1, 1);
    for (const QString& line : header)
        DecodeEncodedWords(line);
    // A mail without header or body decodes to nothing; any other keeps its place in the mailbox.
    Check(mail.isEmpty() || mail.value(QStringLiteral("_idx")).toInt() == 1, "the mail keeps its index");
    return 0;
}

int FuzzNewsFeed(const uint8_t* data, size_t size) {
    Prepare();
    DataSrcNewsFeed source;
    const DataSrcNewsFeed::ParseResult result =
        source.ParseHttpResult(Bytes(data, size), QStringLiteral("http://feed.example/news/"));
    Check(result.itemCount >= 0, "item count");
    QVariantMap active;
    active.insert(QStringLiteral("Active"), QStringLiteral("1"));
    source.SetSettings(active);
    Check(source.GetEntries().size() <= DataSrcNewsFeed::kMaxEntries, "at most 64 entries");
    return 0;
}

int FuzzWsHandshake(const uint8_t* data, size_t size) {
    Prepare();
    const QStringList lines = Lines(Bytes(data, size));
    QMap<QString, QString> headers;
    for (int i = 1; i < lines.size(); ++i) {
        const int colon = lines.at(i).indexOf(QLatin1Char(':'));
        if (colon > 0)
            headers.insert(lines.at(i).left(colon).trimmed().toLower(), lines.at(i).mid(colon + 1).trimmed());
    }
    const QString first = lines.value(0);
    QMap<QString, QString> query;
    for (const auto& item : QUrlQuery(first.mid(first.indexOf(QLatin1Char('?')) + 1)).queryItems())
        query.insert(item.first, item.second);
    const QString accept = WsHandshake::AcceptValue(headers.value(QStringLiteral("sec-websocket-key")));
    const QByteArray reply = WsHandshake::BuildReply(accept, WsHandshake::OffersDeflateFrame(headers));
    Check(reply.startsWith("HTTP/1.1 101"), "the upgrade answers 101");
    Check(!reply.contains("\r\n\r\n\r\n"), "one header block");
    int asked = 0;
    const quint64 id = WsHandshake::SessionId(query, [&asked](quint64) { return ++asked < 3; });
    Check(id != 0, "a session id is never 0");
    return 0;
}

int FuzzClientMessage(const uint8_t* data, size_t size) {
    Prepare();
    QString kind;
    QMap<QString, QString> args;
    const QString text = QString::fromUtf8(Bytes(data, size));
    const bool decoded = NetServer::DecodeMessage(text, kind, args);
    if (decoded)
        Check(!kind.contains(QLatin1Char('?')), "the kind ends before the arguments");
    // The direct split of plain messages must read them as the URL parser does.
    QString urlKind;
    QMap<QString, QString> urlArgs;
    const bool urlDecoded = NetServer::DecodeUrlMessage(text, urlKind, urlArgs);
    Check(decoded == urlDecoded && kind == urlKind && args == urlArgs,
          "plain messages read as the URL parser reads them");
    return 0;
}
