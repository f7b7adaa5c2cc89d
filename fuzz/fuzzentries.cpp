#include "fuzz/fuzzentries.h"

#include "foundation/logger/QsLog.h"
#include "server/httpreply.h"
#include "server/httprequestreader.h"
#include "server/qwssocket.h"
#include "server/wsframeparser.h"

#include <cstdio>
#include <cstdlib>

namespace {
void Check(bool ok, const char* what) {
    if (!ok) {
        fprintf(stderr, "property broken: %s\n", what);
        abort();
    }
}

void Quiet() {
    static bool done = false;
    if (!done) {
        GetLogger().SetLevel(QsLogging::FatalLevel);
        done = true;
    }
}

class NoResources : public IHttpInfoSource {
public:
    QString ComputerName() const override { return QStringLiteral("pc"); }
    QString OsName() const override { return QStringLiteral("os name"); }
    QString MachineId() const override { return QStringLiteral("id"); }
    QByteArray GetRscData(quint64, double scale) const override {
        Check(scale >= 0.125 && scale <= 1.0, "GetRsc scale within [0.125, 1]");
        return QByteArray(300, 'r');
    }
};
} // namespace

int FuzzHttpRequestReader(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    Quiet();
    const int step = data[0] + 1;
    const QByteArray stream(reinterpret_cast<const char*>(data) + 1, int(size - 1));
    HttpRequestReader reader;
    NoResources source;
    for (int pos = 0; pos < stream.size();) {
        const qint64 room = reader.Room();
        Check(room > 0, "room while more is needed");
        const int n = int(qMin<qint64>(qMin(step, stream.size() - pos), room));
        reader.Append(stream.mid(pos, n));
        pos += n;
        for (;;) {
            HttpRequest req;
            const HttpRequestReader::Status st = reader.Next(&req);
            if (st == HttpRequestReader::NeedMore)
                break;
            if (st != HttpRequestReader::Ready)
                return 0; // the connection would be closed here
            Check(!req.lines.isEmpty() && !req.method.isEmpty(), "a request has a request line");
            const QByteArray reply =
                HttpReply::BuildHttpResponse(HttpReply::HandleHttpGet(req.path, req.query, source));
            Check(reply.startsWith("HTTP/1.1 200 OK\r\n"), "every reply is 200 OK");
        }
    }
    return 0;
}

int FuzzWsFrameParser(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    Quiet();
    const bool inflate = data[0] & 1;
    const bool roundTrip = data[0] & 2;
    const int step = (data[0] >> 2) * 37 + 1;
    const QByteArray stream(reinterpret_cast<const char*>(data) + 1, int(size - 1));

    if (roundTrip) {
        // What the server composes, a client-side reader gets back unchanged.
        QWsSocket ws(nullptr, nullptr, inflate ? QWsSocket::ExtDeflateFrame : 0);
        const int maxPayload = stream.isEmpty() ? 0 : (quint8(stream.at(0)) * 7) % 2000;
        WsFrameParser reader(WsFrameParser::DefaultMaxMessage);
        reader.setRejectMasked(true);
        reader.setInflate(true);
        for (const QByteArray& frame : ws.composeFrames(stream, true, maxPayload))
            reader.append(frame);
        const WsEvent ev = reader.next();
        Check(ev.kind == WsEvent::Binary && ev.data == stream, "composeFrames round trip");
        return 0;
    }

    WsFrameParser parser(64 * 1024); // a small bound so that the fuzzer reaches it
    parser.setInflate(inflate);
    const qint64 cap = 64 * 1024 + 14 + WsFrameParser::ReadChunk;
    for (int pos = 0; pos < stream.size();) {
        const qint64 room = parser.room();
        if (room <= 0) {
            Check(parser.failed(), "room runs out only after an error");
            return 0;
        }
        const int n = int(qMin<qint64>(qMin(step, stream.size() - pos), room));
        parser.append(stream.constData() + pos, n);
        pos += n;
        Check(parser.buffered() <= cap, "buffer within its bound");
        for (WsEvent ev = parser.next(); ev.kind != WsEvent::None; ev = parser.next()) {
            Check(ev.data.size() <= 64 * 1024, "message within its bound");
            if (ev.kind == WsEvent::Ping || ev.kind == WsEvent::Pong)
                Check(ev.data.size() <= WsFrameParser::MaxControlPayload, "control payload within 125 bytes");
            if (ev.kind == WsEvent::Error) {
                Check(ev.code == 1002 || ev.code == 1007 || ev.code == 1009, "error carries a close status");
                Check(parser.failed() && parser.room() == 0, "nothing more after an error");
                return 0;
            }
        }
    }
    return 0;
}
