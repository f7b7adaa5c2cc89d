// The window-message bus and, on it, the link to the device software that sets the mouse's lights; the
// test plays the device software as a window of its own.

#include "functions/pal/lightcontrol.h"
#include "functions/pal/pal.h"
#include "functions/pal/windowmessagebus.h"
#include "functions/plugintools.h"

#include <QtTest>

namespace {

void DeliverPosted() {
    QCoreApplication::sendPostedEvents();
}

// The device software: answers a discover with attach (when answering) and records the requests.
class FakeDevice {
public:
    explicit FakeDevice(bool answer = true) : m_answer(answer) {
        WindowMessageBus& bus = WindowMessageBus::Instance();
        m_discover = bus.RegisterMessage(QStringLiteral("WM_MERVEX_BEACON_LIGHT_CONTROL_API_DISCOVER"));
        m_attach = bus.RegisterMessage(QStringLiteral("WM_MERVEX_BEACON_LIGHT_CONTROL_API_ATTACH"));
        m_request = bus.RegisterMessage(QStringLiteral("WM_MERVEX_BEACON_LIGHT_CONTROL_API"));
        hwnd = bus.CreateWindow([this](const WindowMessage& m, qintptr*) {
            if (m.message == m_discover) {
                discoverers << m.wParam;
                if (m_answer)
                    Attach(m.wParam, 1);
            } else if (m.message == m_request) {
                requests << qMakePair(m.wParam, m.lParam);
            }
            return true;
        });
    }
    ~FakeDevice() { WindowMessageBus::Instance().DestroyWindow(hwnd); }

    void Attach(quintptr to, qintptr lParam) { WindowMessageBus::Instance().PostMessage(to, m_attach, hwnd, lParam); }

    quintptr hwnd = 0;
    QList<quintptr> discoverers;
    QList<QPair<quintptr, qintptr>> requests;

private:
    bool m_answer;
    quint32 m_discover = 0;
    quint32 m_attach = 0;
    quint32 m_request = 0;
};

class RecordingProxy : public IWindowMessageProxy {
public:
    RecordingProxy(QStringList* log, const QString& name, bool consume)
        : m_log(log), m_name(name), m_consume(consume) {}
    bool winEvent(const WindowMessage* m, long* result) override {
        *m_log << QStringLiteral("%1:%2").arg(m_name).arg(m->message);
        if (m_consume)
            *result = 7;
        return m_consume;
    }

private:
    QStringList* m_log;
    QString m_name;
    bool m_consume;
};

} // namespace

class TestLightControl : public QObject {
    Q_OBJECT
private slots:
    void init() {
        PAL_INT::ResetLightControlLink();
        DeliverPosted();
        WindowMessageBus::Instance().Reset();
    }

    // ---- The bus ----

    void namesGiveStableIds() {
        WindowMessageBus& bus = WindowMessageBus::Instance();
        const quint32 a = bus.RegisterMessage(QStringLiteral("A"));
        QVERIFY(a >= 0xC000);
        QCOMPARE(bus.RegisterMessage(QStringLiteral("A")), a);
        QVERIFY(bus.RegisterMessage(QStringLiteral("a")) != a);
        QCOMPARE(bus.RegisterMessage(QString()), 0u);
    }

    void postsWaitForTheEventLoopAndSkipGoneWindows() {
        WindowMessageBus& bus = WindowMessageBus::Instance();
        QList<quint32> got;
        const auto record = [&got](const WindowMessage& m, qintptr*) {
            got << m.message;
            return true;
        };
        const quintptr one = bus.CreateWindow(record);
        const quintptr two = bus.CreateWindow(record);
        QVERIFY(one != 0 && one != WindowMessageBus::kBroadcast && two != one);
        QVERIFY(bus.PostMessage(one, 1, 0, 0));
        QVERIFY(bus.PostMessage(two, 2, 0, 0));
        QVERIFY(got.isEmpty());
        bus.DestroyWindow(two);
        QVERIFY(!bus.IsWindow(two));
        QVERIFY(!bus.PostMessage(two, 3, 0, 0));
        DeliverPosted();
        QCOMPARE(got, QList<quint32>({1}));
    }

    void broadcastReachesEveryWindowAndSendAnswers() {
        WindowMessageBus& bus = WindowMessageBus::Instance();
        QList<quintptr> got;
        for (int i = 0; i < 3; ++i) {
            bus.CreateWindow([&got](const WindowMessage& m, qintptr* r) {
                got << m.hwnd;
                *r = qintptr(m.wParam) + 1;
                return true;
            });
        }
        QVERIFY(bus.PostMessage(WindowMessageBus::kBroadcast, 9, 0, 0));
        DeliverPosted();
        QCOMPARE(got.size(), 3);
        got.clear();
        const quintptr first = bus.CreateWindow([](const WindowMessage& m, qintptr* r) {
            *r = qintptr(m.wParam) * 2 + m.data.size();
            return true;
        });
        QCOMPARE(bus.SendMessage(first, 5, 20, 0, QByteArray("abc")), qintptr(43));
        QCOMPARE(bus.SendMessage(0x7777777, 5, 20, 0), qintptr(0));
    }

    void proxiesTakeMainWindowMessagesInOrder() {
        WindowMessageBus& bus = WindowMessageBus::Instance();
        QStringList log;
        RecordingProxy first(&log, QStringLiteral("first"), false);
        RecordingProxy second(&log, QStringLiteral("second"), true);
        RecordingProxy third(&log, QStringLiteral("third"), true);
        PluginTools::AddWindowMessageProxy(&first);
        PluginTools::AddWindowMessageProxy(&second);
        PluginTools::AddWindowMessageProxy(&third);
        const quintptr main = PluginTools::GetMainWindowHandle();
        QCOMPARE(PluginTools::GetMainWindowHandle(), main);
        QCOMPARE(bus.SendMessage(main, 0x1C, 0, 0), qintptr(7));
        QCOMPARE(log, QStringList({"first:28", "second:28"}));
        log.clear();
        PluginTools::RemWindowMessageProxy(&second);
        bus.SendMessage(main, 0x1C, 0, 0);
        QCOMPARE(log, QStringList({"first:28", "third:28"}));
    }

    void fullQueueRefusesPosts() {
        WindowMessageBus& bus = WindowMessageBus::Instance();
        int got = 0;
        const quintptr w = bus.CreateWindow([&got](const WindowMessage&, qintptr*) {
            ++got;
            return true;
        });
        for (int i = 0; i < WindowMessageBus::kMaxPending; ++i)
            QVERIFY(bus.PostMessage(w, 1, 0, 0));
        QVERIFY(!bus.PostMessage(w, 1, 0, 0));
        DeliverPosted();
        QCOMPARE(got, WindowMessageBus::kMaxPending);
        QVERIFY(bus.PostMessage(w, 1, 0, 0));
        // The post still waiting must not reach the handler after got has gone.
        bus.DestroyWindow(w);
    }

    // ---- The light-control link ----

    void requestEncoding_data() {
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("c");
        QTest::addColumn<quint64>("wParam");
        QTest::newRow("colour bytes") << 0x12 << 0x34 << 0x56 << quint64(0x123456);
        QTest::newRow("zero") << 0 << 0 << 0 << quint64(0);
        QTest::newRow("b above 255 overlaps a") << 1 << 0x180 << 0 << quint64(0x18000);
        QTest::newRow("c above 255 overlaps b") << 0 << 2 << 0x1FF << quint64(0x3FF);
        QTest::newRow("negative c widens as signed") << 0 << 0 << -1 << quint64(quintptr(qintptr(-1)));
    }
    void requestEncoding() {
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(int, c);
        QFETCH(quint64, wParam);
        QCOMPARE(quint64(PAL_INT::LightControlLink::EncodeRequest(a, b, c)), wParam);
    }

    void firstCallDiscoversAndTheAnswerDeliversTheRequest() {
        FakeDevice device;
        QVERIFY(!PAL::Tarn_SetColors(1, 2, 3, 4000000000u));
        QVERIFY(device.requests.isEmpty());
        DeliverPosted(); // the discover reaches the device, which posts attach
        QCOMPARE(device.discoverers, QList<quintptr>({PluginTools::GetMainWindowHandle()}));
        DeliverPosted(); // the attach reaches the link, which posts the request
        DeliverPosted();
        QCOMPARE(device.requests.size(), 1);
        QCOMPARE(device.requests.first().first, quintptr(0x010203));
        QCOMPARE(quint64(quintptr(device.requests.first().second)), quint64(4000000000u));

        // Linked: later calls post at once.
        QVERIFY(PAL::Tarn_SetColors(9, 8, 7, 6));
        DeliverPosted();
        QCOMPARE(device.requests.size(), 2);
        QCOMPARE(device.requests.last(), qMakePair(quintptr(0x090807), qintptr(6)));
        QCOMPARE(device.discoverers.size(), 1);
    }

    void onlyTheLastRequestBeforeTheAnswerIsPosted() {
        FakeDevice device(false);
        QVERIFY(!PAL::Tarn_SetColors(1, 1, 1, 1));
        QVERIFY(!PAL::Tarn_SetColors(2, 2, 2, 2));
        DeliverPosted();
        QCOMPARE(device.discoverers.size(), 2); // every unanswered call looks again
        device.Attach(PluginTools::GetMainWindowHandle(), 1);
        DeliverPosted();
        DeliverPosted();
        QCOMPARE(device.requests, (QList<QPair<quintptr, qintptr>>{{0x020202, 2}}));
    }

    void attachWithOtherLParamIsIgnored() {
        FakeDevice device(false);
        QVERIFY(!PAL::Tarn_SetColors(1, 2, 3, 4));
        DeliverPosted();
        QStringList log;
        RecordingProxy after(&log, QStringLiteral("after"), false);
        PluginTools::AddWindowMessageProxy(&after);
        device.Attach(PluginTools::GetMainWindowHandle(), 0);
        DeliverPosted();
        DeliverPosted();
        QCOMPARE(log.size(), 1); // not consumed: the next proxy saw it
        QVERIFY(device.requests.isEmpty());
        QVERIFY(!PAL::Tarn_SetColors(1, 2, 3, 4)); // still not linked
        PluginTools::RemWindowMessageProxy(&after);
    }

    void goneDeviceWindowMeansDiscoveringAgain() {
        auto device = std::make_unique<FakeDevice>();
        QVERIFY(!PAL::Tarn_SetColors(1, 2, 3, 4));
        DeliverPosted();
        DeliverPosted();
        DeliverPosted();
        QCOMPARE(device->requests.size(), 1);
        device.reset();
        FakeDevice restarted;
        QVERIFY(!PAL::Tarn_SetColors(5, 6, 7, 8));
        DeliverPosted();
        DeliverPosted();
        DeliverPosted();
        QCOMPARE(restarted.requests, (QList<QPair<quintptr, qintptr>>{{0x050607, 8}}));
    }

    void noDeviceSoftwareAnswersFalseAndDoesNothingElse() {
        for (int i = 0; i < 3; ++i) {
            QVERIFY(!PAL::Tarn_SetColors(i, i, i, uint(i)));
            DeliverPosted();
        }
    }
};

QTEST_GUILESS_MAIN(TestLightControl)
#include "test_lightcontrol.moc"
