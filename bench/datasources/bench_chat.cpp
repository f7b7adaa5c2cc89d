// The per-line work of the chat sources: query parameters and escapes of the TeamSpeak client, and one whole
// received Skype message (notification and four answers) becoming an entry.

#include "datasources/datasrcskype.h"
#include "datasources/tsclientquery.h"

#include <QCoreApplication>
#include <QStringList>

#include <benchmark/benchmark.h>

static void BM_ParseNotifyLine(benchmark::State& state) {
    const QString line = QStringLiteral("notifytextmessage schandlerid=1 targetmode=2 msg=hello\\sthere\\severyone "
                                        "invokerid=7 invokername=Ann\\sB invokeruid=abcdefghijklmnopqrstuvwxyz0=");
    for (auto _ : state)
        benchmark::DoNotOptimize(TSClientQuery::ParseParams(line));
}
BENCHMARK(BM_ParseNotifyLine);

// A client list answer of n clients, split and parsed as the client does.
static void BM_ParseClientList(benchmark::State& state) {
    QStringList parts;
    for (int i = 0; i < state.range(0); ++i)
        parts << QStringLiteral("clid=%1 cid=%2 client_database_id=%1 client_nickname=Player\\s%1 client_type=0")
                     .arg(i)
                     .arg(i % 7);
    const QString line = parts.join(QLatin1Char('|'));
    for (auto _ : state) {
        int n = 0;
        for (const QString& part : line.split(QLatin1Char('|')))
            n += TSClientQuery::ParseParams(part).size();
        benchmark::DoNotOptimize(n);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ParseClientList)->Arg(32)->Arg(1024);

static void BM_EscapeRoundTrip(benchmark::State& state) {
    const QString text = QString(QStringLiteral("a chat line with / slashes | pipes and blanks\n")).repeated(20);
    for (auto _ : state)
        benchmark::DoNotOptimize(TSClientQuery::Unescape(TSClientQuery::Escape(text)));
    state.SetBytesProcessed(state.iterations() * text.size() * 2);
}
BENCHMARK(BM_EscapeRoundTrip);

static void BM_SkypeMessageToEntry(benchmark::State& state) {
    DataSrcSkype src;
    quint32 id = 1;
    for (auto _ : state) {
        const QString n = QString::number(id++);
        src.RecvCmd(QStringLiteral("MESSAGE ") + n + QStringLiteral(" STATUS RECEIVED"));
        src.RecvCmd(QStringLiteral("#1 MESSAGE ") + n + QStringLiteral(" TIMESTAMP 1700000000"));
        src.RecvCmd(QStringLiteral("#2 MESSAGE ") + n + QStringLiteral(" BODY see you at eight"));
        src.RecvCmd(QStringLiteral("#3 MESSAGE ") + n + QStringLiteral(" FROM_DISPNAME Alice A"));
    }
}
BENCHMARK(BM_SkypeMessageToEntry);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
