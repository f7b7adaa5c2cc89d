// Costs of the news feed off and on the main thread: a feed body parsed on the pool, the HTML repair of a page,
// the entry key of an item and the copy of the entries that a control script asks for.
#include "datasources/datasrccommon.h"
#include "datasources/datasrcnewsfeed.h"
#include "foundation/logger/QsLog.h"
#include "functions/plugintools.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>

#include <benchmark/benchmark.h>

namespace {

QByteArray Feed(int items, int descriptionBytes) {
    QByteArray feed = "<?xml version=\"1.0\"?><rss version=\"2.0\"><channel><title>Bench&nbsp;Feed</title>";
    const QDateTime start = QDateTime::fromString(QStringLiteral("2026-11-10T12:00:00Z"), Qt::ISODate);
    const QByteArray description(descriptionBytes, 'd');
    for (int i = 0; i < items; ++i) {
        feed += "<item><title>Item " + QByteArray::number(i) + "</title><link>http://bench.example/" +
                QByteArray::number(i) + "</link><guid>b" + QByteArray::number(i) + "</guid><description>" +
                description + "</description><pubDate>" +
                QLocale::c()
                    .toString(start.addSecs(-60 * i), QStringLiteral("ddd, dd MMM yyyy hh:mm:ss 'GMT'"))
                    .toLatin1() +
                "</pubDate></item>";
    }
    return feed + "</channel></rss>";
}

struct Quiet {
    Quiet() { GetLogger().SetLevel(QsLogging::WarnLevel); }
};

// About 1 MB of RSS: 1000 items with 900-byte descriptions.
void BM_ParseRss1MB(benchmark::State& state) {
    Quiet q;
    const QByteArray body = Feed(1000, 900);
    DataSrcNewsFeed source;
    for (auto _ : state)
        benchmark::DoNotOptimize(source.ParseHttpResult(body, QString()).itemCount);
    state.SetBytesProcessed(int64_t(state.iterations()) * body.size());
}
BENCHMARK(BM_ParseRss1MB)->Unit(benchmark::kMillisecond);

// A 200 KB page of tag soup, repaired and read again.
void BM_ParseHtmlPage(benchmark::State& state) {
    Quiet q;
    // No feed link before the first fault, so the whole page goes through the repair.
    QByteArray page = "<html><head><title>Page</title>";
    page += "</head><body>";
    while (page.size() < 200 * 1024)
        page += "<p>Some text&nbsp;here<br>and <b>bold <i>italic</b> items<li>one<li>two\n";
    DataSrcNewsFeed source;
    for (auto _ : state)
        benchmark::DoNotOptimize(source.ParseHttpResult(page, QStringLiteral("http://bench.example/")).isHtml);
    state.SetBytesProcessed(int64_t(state.iterations()) * page.size());
}
BENCHMARK(BM_ParseHtmlPage)->Unit(benchmark::kMillisecond);

void BM_EntryKey(benchmark::State& state) {
    const QString id = QStringLiteral("tag:bench.example,2026:item/1234567890");
    qint64 t = 1794312000000;
    for (auto _ : state)
        benchmark::DoNotOptimize(DataSrcCommon::EntryKey(t++, id));
}
BENCHMARK(BM_EntryKey);

// What a control script's ask costs on the main thread with a full store.
void BM_GetEntriesFull(benchmark::State& state) {
    Quiet q;
    DataSrcNewsFeed source;
    QVariantMap settings;
    settings.insert(QStringLiteral("Active"), QStringLiteral("1"));
    source.SetSettings(settings);
    source.ParseHttpResult(Feed(64, 0), QString());
    for (auto _ : state)
        benchmark::DoNotOptimize(source.GetEntries().size());
}
BENCHMARK(BM_GetEntriesFull);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
