// Network usage graph: sampling, prefill, bar heights and colours.

#include "config/datacfgrecords.h"
#include "runtime/lecontainer.h"
#include "runtime/leint_net_usage_hist.h"
#include "tests/config/cfgtestutil.h"
#include "tests/runtime/fakelehost.h"

#include <QGraphicsScene>
#include <QtTest>

namespace {

struct Graph {
    FakeLEHost host;
    QGraphicsScene scene;
    LEContainer* root;
    LEInt_NET_Usage_Hist* e = nullptr;
    qint64 now = 1000000;

    Graph() {
        root = new LEContainer(&host, QSize(1, 1));
        scene.addItem(root);
    }
    // A graph of w x h; call after the host's functions are set.
    LEInt_NET_Usage_Hist* Make(int w, int h, const QVariantMap& ext = QVariantMap()) {
        DataCfg::TLayout l;
        l.Read(J("{'Type':'Internal','Skin':'NET_Usage_Hist'}"));
        l.Rect = QRectF(0, 0, w, h);
        l.ExtParams = ext;
        e = new LEInt_NET_Usage_Hist(root, l);
        e->SetView(&host);
        e->SetClock([this]() { return now; });
        e->Setup();
        return e;
    }
    void Rates(int rx, int tx) {
        host.functions[0].Outputs[0].Value = rx;
        host.functions[0].Outputs[1].Value = tx;
    }
    QColor At(int x, int y) const { return e->MainImage().Image.pixelColor(x, y); }
};

} // namespace

class TestNetUsageHist : public QObject {
    Q_OBJECT
private slots:
    void withoutFunctionsTheGraphIsEmpty() {
        Graph g;
        g.Make(20, 10);
        g.e->paint(nullptr, nullptr, nullptr);
        const QImage& img = g.e->MainImage().Image;
        QCOMPARE(img.size(), QSize(20, 10));
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 20; ++x)
                QCOMPARE(qAlpha(img.pixel(x, y)), 0);
        QVERIFY(g.host.providerCalls.isEmpty());
        QVariantMap rec;
        g.e->BuildDataUpdate(QVariantMap(), rec);
        QCOMPARE(rec.value("f").toInt() & (0x40 | 0x100), 0x40 | 0x100);
    }

    void prefillStopsAtANegativeAnswer() {
        Graph g;
        g.host.AddFunction({{DataCfg::OT_Integer, 0}, {DataCfg::OT_Integer, 0}}, {"NET:rx", "NET:tx"});
        g.host.onProvider = [](const QString& name, const QVariantList& args) {
            const int o = args.value(0).toInt();
            if (o == 3)
                return QVariant(-1);
            return QVariant(name == "NET:rx" ? 16 * (o + 1) * (o + 1) * (o + 1) * (o + 1) : 81);
        };
        g.Make(40, 10);
        QCOMPARE(g.e->GetHistory().size(), 3);
        QCOMPARE(g.e->GetHistory()[0], qMakePair(2, 3));
        QCOMPARE(g.e->GetHistory()[2], qMakePair(6, 3));
        QCOMPARE(g.host.providerCalls.mid(0, 4), QStringList({"NET:rx", "NET:tx", "NET:rx", "NET:tx"}));
    }

    void samplesAreSpacedAndBounded() {
        Graph g;
        g.host.AddFunction({{DataCfg::OT_Integer, 0}, {DataCfg::OT_Integer, 0}});
        g.host.onProvider = [](const QString&, const QVariantList&) { return QVariant(-1); };
        g.Make(10, 10); // five bars of two pixels
        g.Rates(10000, 0);
        g.e->paint(nullptr, nullptr, nullptr);
        g.e->paint(nullptr, nullptr, nullptr);
        g.now += 989;
        g.e->paint(nullptr, nullptr, nullptr);
        QCOMPARE(g.e->GetHistory().size(), 1);
        g.now += 1;
        g.e->paint(nullptr, nullptr, nullptr);
        QCOMPARE(g.e->GetHistory().size(), 2);
        for (int i = 0; i < 10; ++i) {
            g.now += 1000;
            g.e->paint(nullptr, nullptr, nullptr);
        }
        QCOMPARE(g.e->GetHistory().size(), 5);
        QCOMPARE(g.e->GetHistory().last(), qMakePair(10, 0));
    }

    void barsGrowFromTheMiddle() {
        Graph g;
        g.host.AddFunction({{DataCfg::OT_Integer, 0}, {DataCfg::OT_Integer, 0}});
        g.host.onProvider = [](const QString&, const QVariantList&) { return QVariant(-1); };
        g.Make(8, 20);
        g.Rates(10000, 625); // roots 10 and 5: both the largest so far, so full half heights
        g.e->paint(nullptr, nullptr, nullptr);
        g.now += 1000;
        g.Rates(625, -5); // roots 5 and 0 (a negative rate draws the least bar)
        g.e->paint(nullptr, nullptr, nullptr);
        // Newest bar: x 6..7; receive 5 of max 10 -> 5 pixels up; send 0 -> at least 1 down.
        QCOMPARE(g.At(7, 4).alpha(), 0);
        QCOMPARE(g.At(7, 5), QColor(Qt::white));
        QCOMPARE(g.At(7, 10), QColor(Qt::white));
        QCOMPARE(g.At(7, 11).alpha(), 0);
        // Older bar: x 4..5; receive full 10 up, send full 10 down.
        QCOMPARE(g.At(4, 0), QColor(Qt::white));
        QCOMPARE(g.At(4, 19), QColor(Qt::white));
        QCOMPARE(g.At(3, 10).alpha(), 0);
    }

    void coloursFollowTheBarHeight() {
        Graph g;
        g.host.AddFunction({{DataCfg::OT_Integer, 0}, {DataCfg::OT_Integer, 0}});
        g.host.onProvider = [](const QString&, const QVariantList&) { return QVariant(-1); };
        QVariantMap ext;
        ext["ColorsRx"] = QStringList{"#ff0000", "#00ff00", "#0000ff"};
        g.Make(4, 20, ext);
        g.Rates(10000, 10000);
        g.e->paint(nullptr, nullptr, nullptr);
        // Height 10: ((10 * 214013 + 2531011) >> 16) & 0x7fff = 71, 71 % 3 = 2.
        QCOMPARE(g.At(3, 5), QColor(Qt::blue));
        // No send colours: the send bar keeps the receive bar's colour.
        QCOMPARE(g.At(3, 15), QColor(Qt::blue));
    }

    void tickInvalidates() {
        Graph g;
        g.Make(4, 4);
        g.host.invalidations = 0;
        g.e->OnTick();
        QCOMPARE(g.host.invalidations, 1);
    }
};

QTEST_MAIN(TestNetUsageHist)
#include "test_netusagehist.moc"
