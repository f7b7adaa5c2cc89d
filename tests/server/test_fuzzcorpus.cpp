// Replays the committed fuzz corpus through the fuzz targets' own entry points, so every input that
// once mattered to the fuzzer stays checked in the normal build.
#include "fuzz/fuzzentries.h"
#include "fuzz/inputentries.h"
#include "fuzz/zynxmlentry.h"

#include <QDir>
#include <QtTest>

namespace {
using Entry = int (*)(const uint8_t*, size_t);
// Corpus folder name -> the entry point its inputs go to.
const QMap<QString, Entry>& Entries() {
    static const QMap<QString, Entry> entries{{QStringLiteral("http"), FuzzHttpRequestReader},
                                              {QStringLiteral("wsframe"), FuzzWsFrameParser},
                                              {QStringLiteral("json"), FuzzJsonReader},
                                              {QStringLiteral("usercfg"), FuzzUserCfg},
                                              {QStringLiteral("datafolder"), FuzzDataFolder},
                                              {QStringLiteral("zipimport"), FuzzZipImport},
                                              {QStringLiteral("maildecode"), FuzzMailDecode},
                                              {QStringLiteral("newsfeed"), FuzzNewsFeed},
                                              {QStringLiteral("wshandshake"), FuzzWsHandshake},
                                              {QStringLiteral("clientmessage"), FuzzClientMessage},
                                              {QStringLiteral("zynxml"), FuzzZynXml}};
    return entries;
}
} // namespace

class TestFuzzCorpus : public QObject {
    Q_OBJECT
private slots:
    void replay_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("file");
        const QDir root(QStringLiteral(MERVEX_FUZZ_CORPUS_DIR));
        int count = 0;
        for (const QString& target : Entries().keys()) {
            const QDir dir(root.filePath(target));
            QVERIFY2(!dir.entryList(QDir::Files).isEmpty(), qPrintable("no corpus for " + target));
            for (const QString& f : dir.entryList(QDir::Files, QDir::Name)) {
                QTest::newRow(qPrintable(target + '/' + f)) << target << dir.filePath(f);
                ++count;
            }
        }
        QVERIFY2(count > 0, "no corpus found");
    }
    void replay() {
        QFETCH(QString, target);
        QFETCH(QString, file);
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray data = f.readAll();
        const auto* p = reinterpret_cast<const uint8_t*>(data.constData());
        // The entry points abort on a broken property, which fails the test.
        QCOMPARE(Entries().value(target)(p, size_t(data.size())), 0);
    }
};

QTEST_GUILESS_MAIN(TestFuzzCorpus)
#include "test_fuzzcorpus.moc"
