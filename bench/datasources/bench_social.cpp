// Costs of the Twitter and Facebook sources: signing one request (on the main thread at every tick), and a
// full timeline or Graph page parsed on the pool.
#include "datasources/datasrcfacebook.h"
#include "datasources/datasrctwitter.h"
#include "foundation/logger/QsLog.h"

#include <QApplication>
#include <QDateTime>
#include <QLocale>

#include <benchmark/benchmark.h>

namespace {

QByteArray Timeline(int tweets) {
    const QDateTime start(QDate(2026, 11, 10), QTime(12, 0), Qt::UTC);
    QByteArray out = "[";
    for (int i = 0; i < tweets; ++i) {
        out += (i ? "," : "");
        out += "{\"id\":" + QByteArray::number(1000000000000LL + i) + ",\"text\":\"tweet &amp; text number " +
               QByteArray::number(i) + " with some words in it &gt; more\",\"created_at\":\"" +
               QLocale::c().toString(start.addSecs(-60 * i), "ddd MMM dd hh:mm:ss +0000 yyyy").toLatin1() +
               "\",\"user\":{\"name\":\"User " + QByteArray::number(i % 17) +
               "\",\"screen_name\":\"user\",\"profile_image_url\":\"http://img.example/u_normal.jpg\"}}";
    }
    return out + "]";
}

QByteArray GraphPage(int posts) {
    const QDateTime start(QDate(2026, 11, 10), QTime(12, 0), Qt::UTC);
    QByteArray out = "{\"data\":[";
    for (int i = 0; i < posts; ++i) {
        out += (i ? "," : "");
        out += "{\"id\":\"p" + QByteArray::number(i) + "\",\"type\":\"status\",\"message\":\"post number " +
               QByteArray::number(i) + "\",\"created_time\":\"" +
               start.addSecs(-60 * i).toString(Qt::ISODate).toLatin1() + "\",\"from\":{\"name\":\"Friend\",\"id\":\"" +
               QByteArray::number(i) + "\"}}";
    }
    return out + "]}";
}

void BM_SignedTimelineHeader(benchmark::State& state) {
    const QString url = QStringLiteral("https://api.example.net/1.1/statuses/home_timeline.json");
    for (auto _ : state) {
        QMap<QString, QString> params;
        benchmark::DoNotOptimize(DataSrcTwitter::MakeAuthHeader(QStringLiteral("GET"), url, params, "token"));
    }
}
BENCHMARK(BM_SignedTimelineHeader);

void BM_ParseTimeline(benchmark::State& state) {
    const QByteArray body = Timeline(int(state.range(0)));
    DataSrcTwitter source;
    for (auto _ : state)
        source.ParseTimeline(body, QStringLiteral("bench"));
    state.SetBytesProcessed(state.iterations() * body.size());
}
BENCHMARK(BM_ParseTimeline)->Arg(20)->Arg(200);

void BM_ParseGraphPage(benchmark::State& state) {
    const QByteArray body = GraphPage(int(state.range(0)));
    DataSrcFacebook source;
    source.SetSettings({{"Active", "1"}, {"ShowStatus", "1"}});
    for (auto _ : state)
        source.ParseRpcResult(body, QStringLiteral("http://bench/me/home"));
    state.SetBytesProcessed(state.iterations() * body.size());
}
BENCHMARK(BM_ParseGraphPage)->Arg(25)->Arg(250);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    GetLogger().SetLevel(QsLogging::InfoLevel);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
