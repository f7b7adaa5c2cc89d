// Throughput of the phone server's framing: composing server frames (plain and deflate-frame),
// reading client frames, reading HTTP requests and building replies with the gzip rule.
#include "server/httpreply.h"
#include "server/httprequestreader.h"
#include "server/qwssocket.h"
#include "server/wsframeparser.h"

#include <benchmark/benchmark.h>

namespace {
QByteArray TextLike(int n) {
    // JSON-ish records, as the server's view messages are.
    QByteArray b;
    int i = 0;
    while (b.size() < n)
        b += "{\"id\":" + QByteArray::number(i++) + ",\"t\":\"label\",\"img\":12345678901},";
    return b.left(n);
}

QByteArray Noise(int n) {
    QByteArray b(n, 0);
    quint32 x = 1;
    for (int i = 0; i < n; ++i) {
        x = x * 1664525u + 1013904223u;
        b[i] = char(x >> 24);
    }
    return b;
}

void ComposeFrames(benchmark::State& state, bool deflate) {
    const QByteArray msg = TextLike(int(state.range(0)));
    QWsSocket ws(nullptr, nullptr, deflate ? QWsSocket::ExtDeflateFrame : 0);
    for (auto _ : state)
        benchmark::DoNotOptimize(ws.composeFrames(msg, true, msg.size() + 32));
    state.SetBytesProcessed(state.iterations() * msg.size());
}
void BM_ComposeFrames(benchmark::State& s) {
    ComposeFrames(s, false);
}
void BM_ComposeFramesDeflate(benchmark::State& s) {
    ComposeFrames(s, true);
}
BENCHMARK(BM_ComposeFrames)->Arg(100)->Arg(1400)->Arg(16384)->Arg(65536);
BENCHMARK(BM_ComposeFramesDeflate)->Arg(100)->Arg(1400)->Arg(16384)->Arg(65536);

// Masked client frames of the given size, read 64 KiB at a time as the socket hands them over.
void BM_ParseFrames(benchmark::State& state) {
    const int size = int(state.range(0));
    const QByteArray key("\x12\x34\x56\x78", 4);
    const QByteArray payload = TextLike(size);
    QByteArray stream;
    const int count = qMax(1, (1 << 20) / (size + 14));
    for (int i = 0; i < count; ++i)
        stream += QWsSocket::composeHeader(true, 1, quint64(size), key) + QWsSocket::mask(payload, key);
    for (auto _ : state) {
        WsFrameParser p;
        int messages = 0;
        for (int pos = 0; pos < stream.size(); pos += int(WsFrameParser::ReadChunk)) {
            p.append(stream.mid(pos, int(WsFrameParser::ReadChunk)));
            while (p.next().kind != WsEvent::None)
                ++messages;
        }
        benchmark::DoNotOptimize(messages);
    }
    state.SetBytesProcessed(state.iterations() * stream.size());
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_ParseFrames)->Arg(60)->Arg(1400)->Arg(65536);

void BM_HttpReadRequest(benchmark::State& state) {
    const QByteArray req = "GET /GetRsc?cs=1234567890123&is=2 HTTP/1.1\r\nHost: 192.168.1.20:32241\r\n"
                           "User-Agent: phone\r\nAccept-Encoding: gzip\r\nConnection: Keep-Alive\r\n\r\n";
    for (auto _ : state) {
        HttpRequestReader r;
        r.Append(req);
        HttpRequest out;
        benchmark::DoNotOptimize(r.Next(&out));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_HttpReadRequest);

// GetRsc bodies are mostly PNG bytes that gzip cannot shrink: the cost of trying.
void BM_BuildHttpResponse(benchmark::State& state) {
    const QByteArray body = state.range(1) ? Noise(int(state.range(0))) : TextLike(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(HttpReply::BuildHttpResponse(body));
    state.SetBytesProcessed(state.iterations() * body.size());
}
BENCHMARK(BM_BuildHttpResponse)->Args({4096, 1})->Args({65536, 1})->Args({4096, 0})->Args({65536, 0});
} // namespace

BENCHMARK_MAIN();
