// The server with real control views: records, differences and image fetches of a control of the
// runtime's test configuration, pushed to a WebSocket phone on loopback.

#include "config/datacfg.h"
#include "foundation/json.h"
#include "server/netruntimeadapters.h"
#include "server/websocketud.h"
#include "tests/runtime/ctrlviewfakes.h"
#include "tests/server/netfakes.h"

#include <QTcpSocket>
#include <QtTest>

namespace {
// One tab of a session holding real control views.
class RealGridView : public INetGridView {
public:
    QList<NetCtrlViewAdapter*> adapters;
    QVariantMap kept, client;
    ~RealGridView() override { qDeleteAll(adapters); }
    QList<INetCtrlView*> CtrlViews() const override {
        QList<INetCtrlView*> list;
        for (NetCtrlViewAdapter* a : adapters)
            list << a;
        return list;
    }
    QVariantMap& KeptRecords() override { return kept; }
    void SetGridHeight(double) override {}
    void DeleteLater() override {}
    void SetOverlay(INetOverlayView*) override {}
    void SetSessionId(quint64) override {}
    QVariantMap& ClientMap() override { return client; }
    void InitDeck() override {}
    void SetGrid(const NetGrid&) override {}
};

} // namespace

class TestNetRuntime : public QObject {
    Q_OBJECT
    DataCfg* m_cfg = nullptr;
    ImgDataMgr* m_images = nullptr;
    FakeRegistry m_registry;

private slots:
    void initTestCase() {
        m_cfg = new DataCfg(this);
        QVERIFY(m_cfg->LoadIncludeFile(QStringLiteral(MERVEX_TEST_SOURCE_DIR "/../runtime/fixtures/ctrlview"),
                                       QStringLiteral("mainCfg.json")));
        m_images = new ImgDataMgr(this);
        FuncRegistry::SetInstance(&m_registry);
        m_registry.values.insert(QStringLiteral("TST:val"), 40);
    }
    void cleanupTestCase() { FuncRegistry::SetInstance(nullptr); }

    void pushesRealRecordsAndServesTheirImages() {
        FakePairing pairing;
        pairing.known.insert(QStringLiteral("K"), true);
        NetImagesAdapter images(m_images);
        NetServer server;
        server.SetEndpoints(QHostAddress::LocalHost, 0, 0);
        server.SetPairing(&pairing);
        server.SetImages(&images);
        QVERIFY(server.Open());
        FakePhone phone(server.TcpPort());
        QVERIFY(phone.WaitConnected());
        phone.Send(QStringLiteral("Connect?n=P&t=K&v=0.4"));
        QVERIFY(!phone.WaitFor("Connect?").isEmpty());
        WebSocketUD* session = server.Sessions().value(0);
        QVERIFY(session && session->connected);

        FakeGridView grid;
        grid.clientId = session->sessionId;
        auto* view = grid.NewView();
        view->Init(m_cfg->FindControl(QStringLiteral("Button"), QStringLiteral("CV")));
        RealGridView tab;
        tab.adapters << new NetCtrlViewAdapter(view);

        server.TickViews(&tab);
        QVERIFY(server.PushView(session, &tab, 0));
        const QByteArray message = phone.WaitFor("View?t=0");
        QVERIFY(message.startsWith(QByteArray("View?t=0\0", 9)));
        QString error;
        const QVariantMap data = JsonParseText(QString::fromUtf8(message.mid(9)), error).toMap();
        QVERIFY2(error.isEmpty(), qPrintable(error));
        const QString key = QString::number(view->GetId());
        QCOMPARE(data.keys(), QStringList{key});
        const QVariantMap record = data.value(key).toMap();
        QVERIFY(record.contains(QStringLiteral("ly")));
        // What the phone holds now is kept, without the list of vanished elements.
        QVERIFY(!record.contains(QStringLiteral("ld")));
        QCOMPARE(JsonSerializeCompact(QVariantMap{{key, tab.kept.value(key)}}), message.mid(9));

        // Nothing changed: nothing is built or sent.
        QVERIFY(!server.PushView(session, &tab, 0));

        // Images of the image manager are served over HTTP by their 64-bit ids, at the asked scale.
        QImage image(64, 32, QImage::Format_ARGB32);
        image.fill(Qt::blue);
        const quint64 id = m_images->AddImage(image);
        QVERIFY(id != 0);
        QTcpSocket client;
        client.connectToHost(QHostAddress::LocalHost, server.TcpPort());
        QVERIFY(client.waitForConnected(5000));
        client.write("GET /GetRsc?cs=" + QByteArray::number(id) + "&is=2 HTTP/1.1\r\n\r\n");
        QByteArray reply;
        QTRY_VERIFY_WITH_TIMEOUT((reply += client.readAll()).contains("\r\n\r\n"), 5000);
        const int at = reply.indexOf("Content-Length: ") + 16;
        const int length = reply.mid(at, reply.indexOf('\r', at) - at).toInt();
        QVERIFY(length > 0);
        QTRY_VERIFY_WITH_TIMEOUT((reply += client.readAll()).size() >= reply.indexOf("\r\n\r\n") + 4 + length, 5000);
        const QByteArray body = reply.mid(reply.indexOf("\r\n\r\n") + 4);
        QVERIFY(!reply.contains("Content-Encoding"));
        QCOMPARE(QImage::fromData(body, "PNG").size(), QSize(32, 16));
    }
};

QTEST_MAIN(TestNetRuntime)
#include "test_netruntime.moc"
