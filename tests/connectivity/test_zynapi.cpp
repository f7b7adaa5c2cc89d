// Every export end to end, through the stand-in connectivity service.
#include "connectivity/stub/zynfake.h"
#include "tests/connectivity/syslogcapture.h"
#include "zynapi.h"

#include <QProcess>
#include <QtTest>

#include <arpa/inet.h>
#include <atomic>
#include <fcntl.h>
#include <mutex>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace {

const char* kSession = "11111111-2222-3333-4444-555555555555";
const char* kUser = "AAAAAAAA-BBBB-CCCC-DDDD-EEEEEEEEEEEE";

QString GuidText(const ZYNGUID& g) {
    return QString::asprintf("%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X", g.Data1, g.Data2, g.Data3, g.Data4[0],
                             g.Data4[1], g.Data4[2], g.Data4[3], g.Data4[4], g.Data4[5], g.Data4[6], g.Data4[7]);
}

ZYNGUID Guid(uint32_t d1) {
    ZYNGUID g{};
    g.Data1 = d1;
    g.Data4[7] = 0x42;
    return g;
}

QStringList Calls() {
    return QString::fromUtf8(zynfake_calls()).split('\n', Qt::SkipEmptyParts);
}

// What the callbacks saw, copied out while the records were alive.
struct Seen {
    std::mutex mutex;
    std::thread::id caller;
    bool wrongThread = false;
    QList<ZYNDiscoveryRecord> discovery;
    QList<QList<QString>> gadgets;
    QList<QByteArray> avatars;
    QList<ZYNAuthorizationRecord> auth;
    QList<QPair<QString, QString>> authTexts;
    QList<ZYNInviteRecord> received;
    QList<ZYNInviteCompleteRecord> complete;
    QList<ZYNSTREAM> readable, writable;
    QList<QPair<ZYNSTREAM, int>> closed;
    QByteArray readInCallback;

    void Note() {
        if (std::this_thread::get_id() == caller)
            wrongThread = true;
    }
};
Seen* g_seen = nullptr;

void OnDiscovery(const ZYNDiscoveryRecord* r, void* u) {
    std::lock_guard<std::mutex> lock(g_seen->mutex);
    g_seen->Note();
    QVERIFY(u == g_seen);
    g_seen->discovery << *r;
    QList<QString> g;
    for (int i = 0; i < r->gadgetCount; ++i)
        g << GuidText(r->gadgets[i]);
    g_seen->gadgets << g;
    g_seen->avatars << QByteArray(reinterpret_cast<const char*>(r->avatarData), int(r->avatarSize));
}

void OnAuth(const ZYNAuthorizationRecord* r, void*) {
    std::lock_guard<std::mutex> lock(g_seen->mutex);
    g_seen->Note();
    g_seen->auth << *r;
    g_seen->authTexts << qMakePair(r->text1 ? QString(r->text1) : QString("<null>"),
                                   r->text2 ? QString(r->text2) : QString("<null>"));
}

void OnInviteReceived(const ZYNInviteRecord* r, void*) {
    std::lock_guard<std::mutex> lock(g_seen->mutex);
    g_seen->Note();
    g_seen->received << *r;
}

void OnInviteComplete(const ZYNInviteCompleteRecord* r, void*) {
    std::lock_guard<std::mutex> lock(g_seen->mutex);
    g_seen->Note();
    g_seen->complete << *r;
}

void OnReadable(ZYNSTREAM s, void*) {
    std::lock_guard<std::mutex> lock(g_seen->mutex);
    g_seen->Note();
    g_seen->readable << s;
}

// Reads from inside the callback, as clients do.
void OnReadableRead(ZYNSTREAM s, void*) {
    uint8_t buf[64];
    int count = 0;
    if (ZYNReadStream(s, buf, sizeof buf, &count) == 0) {
        std::lock_guard<std::mutex> lock(g_seen->mutex);
        g_seen->readInCallback.append(reinterpret_cast<char*>(buf), count);
    }
}

void OnWritable(ZYNSTREAM s, void*) {
    std::lock_guard<std::mutex> lock(g_seen->mutex);
    g_seen->writable << s;
}

void OnClosed(ZYNSTREAM s, int reason, void*) {
    std::lock_guard<std::mutex> lock(g_seen->mutex);
    g_seen->Note();
    g_seen->closed << qMakePair(s, reason);
}

} // namespace

class TestZynApi : public QObject {
    Q_OBJECT

    ZYNInitParams params{};
    Seen* seen = nullptr;

    // Brings an invite in with a stream; answers the library's handle and the service's id.
    ZYNSTREAM OpenStream(int* serviceId) {
        *serviceId = zynfake_emit_invite_complete(1, 2, kSession, 1);
        std::lock_guard<std::mutex> lock(seen->mutex);
        return seen->complete.isEmpty() ? 0 : seen->complete.last().stream;
    }

    ZYNSTREAM OpenStreamWithCallbacks(int* serviceId) {
        ZYNSTREAM h = OpenStream(serviceId);
        ZYNSetAsyncRead(h, OnReadable, nullptr);
        ZYNSetAsyncWrite(h, OnWritable, nullptr);
        ZYNSetAsyncClose(h, OnClosed, nullptr);
        return h;
    }

private slots:
    void init() {
        seen = new Seen;
        seen->caller = std::this_thread::get_id();
        g_seen = seen;
        zynfake_reset();
        ZYNSocketBasedIO(0);
        params = ZYNInitParams{};
        params.gadgetGuid = Guid(0xA1);
        params.authorizationGuid = Guid(0xB2);
        strcpy(params.authorizationText1, "App title");
        strcpy(params.authorizationText2, "App key");
        QCOMPARE(ZYNInitialize(&params, 0), 0);
    }

    void cleanup() {
        QCOMPARE(ZYNCleanUp(), 0);
        QVERIFY(!seen->wrongThread); // callbacks never run on the caller's thread
        g_seen = nullptr;
        delete seen;
    }

    void setUpSequence() {
        QStringList calls = Calls();
        QCOMPARE(calls.size(), 10);
        QRegularExpression clientId(
            "^Gadget\\.7\\((C/[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12})\\)$");
        QRegularExpressionMatch m = clientId.match(calls[2]);
        QVERIFY2(m.hasMatch(), qPrintable(calls[2]));
        QCOMPARE(calls, QStringList({"create(Session)", "create(Gadget)", calls[2], "Gadget.Advise(_IZYNGadgetEvents)",
                                     "Gadget.Advise(_IZYNGadgetEvents)", "create(Invite)",
                                     "Invite.4(" + m.captured(1) + ")", "Invite.Advise(_IZYNInviteEvents)",
                                     "create(Discovery)", "Discovery.Advise(_IZYNDiscoveryEvents)"}));
    }

    void setUpFailurePassesThrough() {
        QCOMPARE(ZYNCleanUp(), 0);
        zynfake_reset();
        zynfake_fail("Gadget.7", int32_t(0x80001234));
        QCOMPARE(ZYNInitialize(&params, 0), int32_t(0x80001234));
        QVERIFY(!Calls().contains("create(Invite)"));
        zynfake_fail("Gadget.7", 0);
        // A second set-up on the running thread replaces the first.
        QCOMPARE(ZYNInitialize(&params, 0), 0);
        QVERIFY(Calls().contains("create(Discovery)"));
    }

    void invitesNeedTheCompleteCallback() {
        zynfake_reset();
        QCOMPARE(ZYNSendInviteRequest(1, Guid(1), Guid(2), 3), ZYN_E_NOT_READY);
        QCOMPARE(ZYNListenForInvites(OnInviteReceived, nullptr, 1), ZYN_E_NOT_READY);
        QCOMPARE(ZYNListenForInvites(nullptr, nullptr, 0), 0);
        QVERIFY(Calls().isEmpty());
    }

    void listening() {
        QCOMPARE(ZYNSetInviteCallback(OnInviteComplete, nullptr), 0);
        zynfake_reset();
        const QString gadget = GuidText(params.gadgetGuid);
        QCOMPARE(ZYNListenForInvites(OnInviteReceived, nullptr, 0x101), 0);
        QCOMPARE(ZYNListenForInvites(OnInviteReceived, nullptr, 3), 0);
        QCOMPARE(Calls(), QStringList({"Gadget.0(" + gadget + ",0,0,0,0,1,null)",
                                       "Gadget.1(00000000-0000-0000-0000-000000000000," + gadget + ")",
                                       "Gadget.0(" + gadget + ",0,0,0,0,3,null)"}));

        // A refused stop keeps listening on; a refused start leaves it off.
        zynfake_reset();
        zynfake_fail("Gadget.1", int32_t(0x80009999));
        QCOMPARE(ZYNListenForInvites(nullptr, nullptr, 0), int32_t(0x80009999));
        zynfake_fail("Gadget.1", 0);
        QCOMPARE(ZYNListenForInvites(nullptr, nullptr, 0), 0);
        zynfake_fail("Gadget.0", int32_t(0x80008888));
        QCOMPARE(ZYNListenForInvites(OnInviteReceived, nullptr, 1), int32_t(0x80008888));
        zynfake_reset();
        QCOMPARE(ZYNListenForInvites(nullptr, nullptr, 0), 0);
        QVERIFY(Calls().isEmpty());
    }

    void inviteRequestAndResponse() {
        QCOMPARE(ZYNSetInviteCallback(OnInviteComplete, nullptr), 0);
        zynfake_reset();
        QCOMPARE(ZYNSendInviteRequest(7, Guid(1), Guid(2), 9), 0);
        QCOMPARE(ZYNSendInviteResponse(5, 0), 0);
        QCOMPARE(ZYNSendInviteResponse(6, 1), 0);
        QCOMPARE(ZYNSendInviteResponse(8, -3), 0);
        const QString g1 = GuidText(Guid(1)), g2 = GuidText(Guid(2));
        QCOMPARE(Calls(), QStringList({"Invite.0(" + g1 + "," + g2 + "," + g2 + ",0,9,7)", "Gadget.2(5,1)",
                                       "Gadget.2(6,0)", "Gadget.2(8,0)"}));
        zynfake_fail("Invite.0", int32_t(0x80005555));
        QCOMPARE(ZYNSendInviteRequest(7, Guid(1), Guid(2), 9), int32_t(0x80005555));
    }

    void inviteEvents() {
        zynfake_emit_invite_received(1, kSession, kUser, kSession, 2, kUser);
        zynfake_emit_invite_complete(1, 2, kSession, 1);
        QVERIFY(seen->received.isEmpty() && seen->complete.isEmpty()); // nothing registered yet

        QCOMPARE(ZYNSetInviteCallback(OnInviteComplete, nullptr), 0);
        QCOMPARE(ZYNListenForInvites(OnInviteReceived, nullptr, 1), 0);
        zynfake_emit_invite_received(42, kSession, kUser, "nonsense", -5, "{" + QByteArray(kUser) + "}");
        QCOMPARE(seen->received.size(), 1);
        const ZYNInviteRecord& r = seen->received[0];
        QCOMPARE(r.first, 42);
        QCOMPARE(GuidText(r.guid2), QString(kSession));
        QCOMPARE(GuidText(r.guid4), QString(kUser));
        QCOMPARE(GuidText(r.guid5), QString("00000000-0000-0000-0000-000000000000"));
        QCOMPARE(r.sixth, -5);
        QCOMPARE(GuidText(r.guid7), QString(kUser));

        zynfake_emit_invite_complete(3, 4, kUser, 0);
        zynfake_emit_invite_complete(5, 6, kSession, 1);
        QCOMPARE(seen->complete.size(), 2);
        QCOMPARE(seen->complete[0].first, 3);
        QCOMPARE(seen->complete[0].second, 4);
        QCOMPARE(GuidText(seen->complete[0].guid), QString(kUser));
        QCOMPARE(seen->complete[0].stream, 0u);
        QVERIFY(seen->complete[1].stream != 0u);
    }

    void sessionAndDeviceGuids() {
        zynfake_set_text("Session.5", "{" + QByteArray(kSession) + "}");
        zynfake_set_text("Session.4", kUser);
        ZYNGUID out{};
        QCOMPARE(ZYNGetLocalSessionGuid(nullptr), 1);
        QCOMPARE(ZYNGetLocalSessionGuid(&out), 0);
        QCOMPARE(GuidText(out), QString(kSession));
        QCOMPARE(ZYNLookupDeviceGuid(Guid(3), &out), 0);
        QCOMPARE(GuidText(out), QString(kUser));
        QVERIFY(Calls().contains("Session.4({" + GuidText(Guid(3)) + "},2,null)"));
        QCOMPARE(ZYNLookupDeviceGuid(Guid(3), nullptr), ZYN_E_INVALIDARG);
        zynfake_fail("Session.4", int32_t(0x80001111));
        QCOMPARE(ZYNLookupDeviceGuid(Guid(3), &out), ZYN_E_FAIL);
        zynfake_fail("Session.5", int32_t(0x80002222));
        QCOMPARE(ZYNGetLocalSessionGuid(&out), int32_t(0x80002222));
    }

    void authorizationCalls() {
        zynfake_reset();
        QCOMPARE(ZYNSetAuthorizationCallback(OnAuth, nullptr), 0);
        QCOMPARE(ZYNSetAuthorizationToken("tok1", "tok2"), 0);
        const QString auth = "{" + GuidText(params.authorizationGuid) + "}";
        QCOMPARE(Calls(),
                 QStringList({"Gadget.3(" + auth + ",App title,App key,)", "Gadget.4(" + auth + ",tok1,tok2)"}));
        zynfake_fail("Gadget.4", int32_t(0x80003333));
        QCOMPARE(ZYNSetAuthorizationToken("a", "b"), int32_t(0x80003333));
    }

    void fullWidthTextsStayInBounds() {
        QCOMPARE(ZYNCleanUp(), 0);
        memset(params.authorizationText1, 'x', sizeof params.authorizationText1);
        memset(params.authorizationText2, 'y', sizeof params.authorizationText2);
        QCOMPARE(ZYNInitialize(&params, 0), 0);
        zynfake_reset();
        QCOMPARE(ZYNSetAuthorizationCallback(OnAuth, nullptr), 0);
        const QString auth = "{" + GuidText(params.authorizationGuid) + "}";
        QCOMPARE(Calls(), QStringList({"Gadget.3(" + auth + "," + QString(250, 'x') + "," + QString(250, 'y') + ",)"}));
    }

    void authorizationEvents_data() {
        QTest::addColumn<QStringList>("events"); // "code:text"
        QTest::addColumn<QList<int>>("states");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QList<int>>("flags");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("9 then 0") << QStringList{"9:", "0:"} << QList<int>{4} << QStringList{"<null>|<null>"}
                                  << QList<int>{0} << QStringList();
        QTest::newRow("10, 11, 1 then 0")
            << QStringList{"10:", "0:", "11:", "0:", "1:x[***]y", "0:", "0:"} << QList<int>{5, 6, 0, 2, 10}
            << QStringList{"<null>|<null>", "<null>|<null>", "x|y", "<null>|<null>", "<null>|<null>"}
            << QList<int>{0, 0, 0x11, 0, 0} << QStringList();
        QTest::newRow("title and body") << QStringList{"2:Title[***]Body"} << QList<int>{0} << QStringList{"Title|Body"}
                                        << QList<int>{0x11} << QStringList();
        QTest::newRow("empty body") << QStringList{"1:Title[***]"} << QList<int>{0} << QStringList{"Title|"}
                                    << QList<int>{0x1} << QStringList();
        QTest::newRow("marker first") << QStringList{"1:[***]Body"} << QList<int>{0} << QStringList{"<null>|<null>"}
                                      << QList<int>{0} << QStringList();
        QTest::newRow("no marker") << QStringList{"1:plain"} << QList<int>{0} << QStringList{"<null>|<null>"}
                                   << QList<int>{0} << QStringList();
        QTest::newRow("empty text asks again")
            << QStringList{"1:"} << QList<int>() << QStringList() << QList<int>() << QStringList{"Gadget.6()"};
        QTest::newRow("code 5 answers") << QStringList{"5:x"} << QList<int>() << QStringList() << QList<int>()
                                        << QStringList{"Gadget.5(1,App key,App key,ZynBoth)"};
        QTest::newRow("7, 8, 13") << QStringList{"7:", "8:", "13:"} << QList<int>{3, 9, 1}
                                  << QStringList{"<null>|<null>", "<null>|<null>", "<null>|<null>"}
                                  << QList<int>{0, 0, 0} << QStringList();
        QTest::newRow("silent codes") << QStringList{"3:", "4:", "6:", "12:", "14:"} << QList<int>() << QStringList()
                                      << QList<int>() << QStringList();
    }
    void authorizationEvents() {
        QFETCH(QStringList, events);
        QFETCH(QList<int>, states);
        QFETCH(QStringList, texts);
        QFETCH(QList<int>, flags);
        QFETCH(QStringList, calls);
        QCOMPARE(ZYNSetAuthorizationCallback(OnAuth, nullptr), 0);
        zynfake_reset();
        for (const QString& e : events) {
            int colon = e.indexOf(':');
            zynfake_emit_authorization(e.mid(colon + 1).toUtf8().constData(), e.left(colon).toInt());
        }
        QList<int> gotStates, gotFlags;
        QStringList gotTexts;
        for (int i = 0; i < seen->auth.size(); ++i) {
            gotStates << seen->auth[i].state;
            gotFlags << int(seen->auth[i].flags);
            gotTexts << seen->authTexts[i].first + "|" + seen->authTexts[i].second;
        }
        QCOMPARE(gotStates, states);
        QCOMPARE(gotTexts, texts);
        QCOMPARE(gotFlags, flags);
        QCOMPARE(Calls(), calls);
    }

    void discovery_data() {
        QTest::addColumn<QString>("eventGuid");
        QTest::addColumn<QString>("xml");
        QTest::addColumn<bool>("called");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("flags");
        QTest::addColumn<QStringList>("gadgets");
        QTest::addColumn<QByteArray>("avatar");
        QTest::addColumn<int>("format");
        const QString ev = "{" + QString(kSession) + "}";
        const QString head = QString("<Session Status=\"%1\" GUID=\"") + kSession +
                             "\" IsSelf=\"%2\" UserName=\"Ann\">" + "<User GUID=\"" + kUser + "\"/>";
        const QString g1 = "00000000-0000-0000-0000-000000000001", g3 = "00000000-0000-0000-0000-000000000003";
        QTest::newRow("full record")
            << ev
            << head.arg("Available", "TRUE") +
                   "<Avatar Encoding=\"Base64\" IsCustom=\"true\" Format=\"BMP\">Qk0=</Avatar>" + "<Gadget GUID=\"" +
                   g1 + "\"/><Gadget/><Gadget GUID=\"" + g3 + "\"/></Session>"
            << true << 1 << 0x11 << QStringList{g1, g3} << QByteArray("BM") << 1;
        QTest::newRow("expired, png avatar")
            << ev << head.arg("Expired", "false") + "<Avatar Encoding=\"Base64\" Format=\"PNG\">iVBO</Avatar></Session>"
            << true << 2 << 0 << QStringList() << QByteArray("\x89PN") << 0;
        QTest::newRow("avatar of 5 characters")
            << ev << head.arg("Available", "no") + "<Avatar Encoding=\"Base64\" Format=\"BMP\">Qk0=A</Avatar></Session>"
            << true << 1 << 0 << QStringList() << QByteArray() << 0;
        QTest::newRow("padding in the middle")
            << ev
            << head.arg("Available", "no") + "<Avatar Encoding=\"Base64\" Format=\"BMP\">Qk==Qk0=</Avatar></Session>"
            << true << 1 << 0 << QStringList() << QByteArray() << 0;
        QTest::newRow("avatar without encoding ignores IsCustom")
            << ev << head.arg("Available", "no") + "<Avatar IsCustom=\"true\" Format=\"BMP\">Qk0=</Avatar></Session>"
            << true << 1 << 0 << QStringList() << QByteArray() << 0;
        QTest::newRow("other session") << "{" + QString(kUser) + "}" << head.arg("Available", "true") + "</Session>"
                                       << false << 0 << 0 << QStringList() << QByteArray() << 0;
        QTest::newRow("status in small letters") << ev << head.arg("available", "true") + "</Session>" << false << 0
                                                 << 0 << QStringList() << QByteArray() << 0;
        QTest::newRow("no user") << ev
                                 << QString("<Session Status=\"Available\" GUID=\"") + kSession +
                                        "\" UserName=\"Ann\"/>"
                                 << false << 0 << 0 << QStringList() << QByteArray() << 0;
        QTest::newRow("not a session") << ev << "<Other/>" << false << 0 << 0 << QStringList() << QByteArray() << 0;
        QTest::newRow("broken xml") << ev << head.arg("Available", "true") << false << 0 << 0 << QStringList()
                                    << QByteArray() << 0;
        QTest::newRow("event guid without braces") << QString(kSession) << head.arg("Available", "true") + "</Session>"
                                                   << false << 0 << 0 << QStringList() << QByteArray() << 0;
    }
    void discovery() {
        QFETCH(QString, eventGuid);
        QFETCH(QString, xml);
        QFETCH(bool, called);
        zynfake_emit_discovery(eventGuid.toUtf8().constData(), xml.toUtf8().constData());
        QVERIFY(seen->discovery.isEmpty()); // no callback registered yet

        zynfake_reset();
        QCOMPARE(ZYNSetDiscoveryCallback(OnDiscovery, seen), 0);
        QCOMPARE(Calls(), QStringList{"Discovery.0()"});
        zynfake_emit_discovery(eventGuid.toUtf8().constData(), xml.toUtf8().constData());
        QCOMPARE(seen->discovery.size(), called ? 1 : 0);
        if (!called)
            return;
        QFETCH(int, status);
        QFETCH(int, flags);
        QFETCH(QStringList, gadgets);
        QFETCH(QByteArray, avatar);
        QFETCH(int, format);
        const ZYNDiscoveryRecord& r = seen->discovery[0];
        QCOMPARE(GuidText(r.sessionGuid), QString(kSession));
        QCOMPARE(GuidText(r.userGuid), QString(kUser));
        QCOMPARE(int(r.status), status);
        QCOMPARE(QString(r.userName), QString("Ann"));
        QCOMPARE(int(r.flags), flags);
        QCOMPARE(QStringList(seen->gadgets[0]), gadgets);
        QCOMPARE(seen->avatars[0], avatar);
        QCOMPARE(int(r.avatarFormat), format);
    }

    // The record's field holds 259 bytes and the terminator; a longer name is cut between characters.
    void longUserNameIsCut_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kept");
        QTest::newRow("ASCII") << QString(400, 'n') << QString(259, 'n');
        QTest::newRow("two-byte character across the end")
            << QString(258, 'n') + QString::fromUtf8("\xc3\xa9x") << QString(258, 'n');
        QTest::newRow("three-byte characters")
            << QString::fromUtf8("\xe2\x82\xac").repeated(100) << QString::fromUtf8("\xe2\x82\xac").repeated(86);
        QTest::newRow("four-byte character at the end")
            << QString(256, 'n') + QString::fromUtf8("\xf0\x9f\x98\x80") << QString(256, 'n');
        QTest::newRow("fits exactly") << QString(257, 'n') + QString::fromUtf8("\xc3\xa9")
                                      << QString(257, 'n') + QString::fromUtf8("\xc3\xa9");
    }
    void longUserNameIsCut() {
        QFETCH(QString, name);
        QFETCH(QString, kept);
        QCOMPARE(ZYNSetDiscoveryCallback(OnDiscovery, seen), 0);
        QString xml = QString("<Session Status=\"Available\" GUID=\"") + kSession + "\" UserName=\"" + name +
                      "\"><User GUID=\"" + kUser + "\"/></Session>";
        zynfake_emit_discovery(("{" + QByteArray(kSession) + "}").constData(), xml.toUtf8().constData());
        QCOMPARE(seen->discovery.size(), 1);
        const QByteArray got(seen->discovery[0].userName);
        QCOMPARE(QString::fromUtf8(got).toUtf8(), got); // whole characters only
        QCOMPARE(QString::fromUtf8(got), kept);
    }

    void streamReadAndWrite() {
        QCOMPARE(ZYNSetInviteCallback(OnInviteComplete, nullptr), 0);
        zynfake_reset();
        int id = 0;
        ZYNSTREAM h = OpenStream(&id);
        QVERIFY(h != 0);
        QVERIFY(Calls().contains("Stream.0(0,null)")); // primes the service stream
        uint8_t buf[16];
        int count = -1;
        QCOMPARE(ZYNSetAsyncRead(h, OnReadable, nullptr), 0);
        QCOMPARE(ZYNReadStream(h, buf, 16, &count), ZYN_E_NOT_READY); // no closed callback yet
        QCOMPARE(ZYNSetAsyncWrite(h, OnWritable, nullptr), 0);
        QCOMPARE(ZYNWriteStream(h, buf, 1, &count), ZYN_E_NOT_READY);
        QCOMPARE(ZYNSetAsyncClose(h, OnClosed, nullptr), 0);

        const char text[] = "hello world";
        zynfake_stream_feed(id, reinterpret_cast<const uint8_t*>(text), 11);
        QCOMPARE(seen->readable, QList<ZYNSTREAM>{h});
        memset(buf, 0xEE, sizeof buf);
        QCOMPARE(ZYNReadStream(h, buf, 5, &count), 0);
        QCOMPARE(count, 5);
        QCOMPARE(QByteArray(reinterpret_cast<char*>(buf), 5), QByteArray("hello"));
        QCOMPARE(int(buf[5]), 0xEE);
        QCOMPARE(ZYNReadStream(h, buf, 16, &count), 0);
        QCOMPARE(QByteArray(reinterpret_cast<char*>(buf), count), QByteArray(" world"));
        QCOMPARE(ZYNReadStream(h, buf, 16, &count), 0);
        QCOMPARE(count, 0);

        zynfake_stream_event(id, 2, 0);
        QCOMPARE(seen->writable, QList<ZYNSTREAM>{h});
        QCOMPARE(ZYNWriteStream(h, reinterpret_cast<const uint8_t*>("abc"), 3, &count), 0);
        QCOMPARE(count, 3);
        zynfake_reset();
        QCOMPARE(ZYNWriteStream(h, buf, 0, &count), 0);
        QCOMPARE(count, 0);
        QCOMPARE(Calls(), QStringList{"Stream.1(bytes[0],0)"});
        uint8_t out[16];
        QCOMPARE(zynfake_stream_take(id, out, 16), 3);
        QCOMPARE(QByteArray(reinterpret_cast<char*>(out), 3), QByteArray("abc"));

        zynfake_fail("Stream.0", int32_t(0x80004444));
        QCOMPARE(ZYNReadStream(h, buf, 16, &count), int32_t(0x80004444));
        QCOMPARE(count, 0);
        zynfake_fail("Stream.1", int32_t(0x80004445));
        QCOMPARE(ZYNWriteStream(h, buf, 2, &count), int32_t(0x80004445));
        QCOMPARE(count, 0);
    }

    void readFromInsideTheCallback() {
        QCOMPARE(ZYNSetInviteCallback(OnInviteComplete, nullptr), 0);
        int id = 0;
        ZYNSTREAM h = OpenStreamWithCallbacks(&id);
        QCOMPARE(ZYNSetAsyncRead(h, OnReadableRead, nullptr), 0);
        zynfake_stream_feed(id, reinterpret_cast<const uint8_t*>("ping"), 4);
        QCOMPARE(seen->readInCallback, QByteArray("ping"));
    }

    void unknownStreams() {
        uint8_t buf[4];
        int count = 0;
        for (ZYNSTREAM h : {ZYNSTREAM(0), ZYNSTREAM(12345), ~ZYNSTREAM(0)}) {
            QCOMPARE(ZYNSetAsyncRead(h, OnReadable, nullptr), ZYN_E_INVALIDARG);
            QCOMPARE(ZYNSetAsyncWrite(h, OnWritable, nullptr), ZYN_E_INVALIDARG);
            QCOMPARE(ZYNSetAsyncClose(h, OnClosed, nullptr), ZYN_E_INVALIDARG);
            QCOMPARE(ZYNReadStream(h, buf, 4, &count), ZYN_E_INVALIDARG);
            QCOMPARE(ZYNWriteStream(h, buf, 4, &count), ZYN_E_INVALIDARG);
            QCOMPARE(ZYNCloseStream(h, 1), ZYN_E_INVALIDARG);
        }
    }

    void closeByClient() {
        QCOMPARE(ZYNSetInviteCallback(OnInviteComplete, nullptr), 0);
        int id = 0;
        ZYNSTREAM h = OpenStreamWithCallbacks(&id);
        zynfake_reset();
        QCOMPARE(ZYNCloseStream(h, 1), 0);
        QCOMPARE(Calls(), QStringList({"Stream.Unadvise", "Stream.2(-1)"}));
        QCOMPARE(ZYNCloseStream(h, 0), ZYN_E_INVALIDARG);
        uint8_t buf[4];
        int count = 0;
        QCOMPARE(ZYNReadStream(h, buf, 4, &count), ZYN_E_INVALIDARG);
        zynfake_stream_event(id, 1, 0); // a late event after the close reaches nobody
        QVERIFY(seen->readable.isEmpty());
    }

    void closeByRemoteSide() {
        QCOMPARE(ZYNSetInviteCallback(OnInviteComplete, nullptr), 0);
        int id = 0;
        ZYNSTREAM h = OpenStreamWithCallbacks(&id);
        zynfake_reset();
        zynfake_stream_event(id, 3, 77);
        QCOMPARE(seen->closed, (QList<QPair<ZYNSTREAM, int>>{qMakePair(h, 77)}));
        QCOMPARE(Calls(), QStringList({"Stream.Unadvise", "Stream.2(0)"}));
        QCOMPARE(ZYNCloseStream(h, 1), ZYN_E_INVALIDARG);
    }

    void socketMode() {
        QCOMPARE(ZYNSetInviteCallback(OnInviteComplete, nullptr), 0);
        int id = 0;
        ZYNSTREAM plain = OpenStreamWithCallbacks(&id);
        int sock = socket(AF_INET, SOCK_STREAM, 0);
        QCOMPARE(ZYNConnectSocket(plain, sock), ZYN_E_INVALIDARG); // socket mode is off

        QCOMPARE(ZYNSocketBasedIO(1), 0);
        QCOMPARE(ZYNConnectSocket(plain, sock), ZYN_E_INVALIDARG); // made before socket mode
        zynfake_reset();
        ZYNSTREAM h = OpenStreamWithCallbacks(&id);
        QVERIFY(!Calls().contains("Stream.0(0,null)"));
        QCOMPARE(ZYNConnectSocket(h, ZYN_INVALID_SOCKET), ZYN_E_INVALIDARG);
        QCOMPARE(ZYNConnectSocket(987654, sock), ZYN_E_INVALIDARG);

        // No port from the service: eleven tries, then a failure.
        zynfake_reset();
        QCOMPARE(ZYNConnectSocket(h, sock), ZYN_E_FAIL);
        QCOMPARE(Calls().count("Stream.3(null)"), 11);

        int listener = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        QCOMPARE(bind(listener, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
        QCOMPARE(listen(listener, 1), 0);
        socklen_t len = sizeof addr;
        getsockname(listener, reinterpret_cast<sockaddr*>(&addr), &len);
        zynfake_stream_port(id, ntohs(addr.sin_port));
        zynfake_reset();
        QCOMPARE(ZYNConnectSocket(h, sock), 0);
        QCOMPARE(Calls(), QStringList({"Stream.3(null)", "Stream.5(1,null)"}));
        QCOMPARE(ZYNConnectSocket(h, sock), ZYN_E_INVALIDARG); // already connected
        int peer = accept(listener, nullptr, nullptr);
        QVERIFY(peer >= 0);
        QCOMPARE(write(sock, "hi", 2), ssize_t(2));
        char got[2];
        QCOMPARE(read(peer, got, 2), ssize_t(2));
        QCOMPARE(QByteArray(got, 2), QByteArray("hi"));
        close(peer);
        close(sock);

        // A refused confirmation closes the client's socket and stops at once.
        zynfake_emit_invite_complete(1, 2, kSession, 1);
        int id2 = id + 1;
        ZYNSTREAM h2 = seen->complete.last().stream;
        ZYNSetAsyncClose(h2, OnClosed, nullptr);
        zynfake_stream_port(id2, ntohs(addr.sin_port));
        zynfake_fail("Stream.5", int32_t(0x80006666));
        int sock2 = socket(AF_INET, SOCK_STREAM, 0);
        zynfake_reset();
        zynfake_fail("Stream.5", int32_t(0x80006666));
        QCOMPARE(ZYNConnectSocket(h2, sock2), ZYN_E_FAIL);
        QCOMPARE(Calls(), QStringList({"Stream.3(null)", "Stream.5(1,null)"}));
        QCOMPARE(fcntl(sock2, F_GETFD), -1);
        close(listener);
        ZYNSocketBasedIO(0);
    }

    void failingTaskIsReportedAndThreadGoesOn() {
        TakeSyslogEntries();
        zynfake_fail("Session.5", 1); // the service throws
        ZYNGUID out{};
        QCOMPARE(ZYNGetLocalSessionGuid(&out), ZYN_E_FAIL);
        QCOMPARE(TakeSyslogEntries(), QStringList{"test_zynapi\t"});
        zynfake_fail("Session.5", 0);
        QCOMPARE(ZYNGetLocalSessionGuid(&out), 0);
    }

    void callsAfterCleanUp() {
        QCOMPARE(ZYNSetDiscoveryCallback(OnDiscovery, seen), 0);
        QCOMPARE(ZYNSetInviteCallback(OnInviteComplete, nullptr), 0);
        int id = 0;
        ZYNSTREAM h = OpenStreamWithCallbacks(&id);
        QCOMPARE(ZYNCleanUp(), 0);
        uint8_t buf[4];
        int count = 0;
        QCOMPARE(ZYNReadStream(h, buf, 4, &count), ZYN_E_FAIL);
        QCOMPARE(ZYNSendInviteResponse(1, 1), ZYN_E_FAIL);
        ZYNGUID g{};
        QCOMPARE(ZYNGetLocalSessionGuid(&g), ZYN_E_FAIL);
        // Events of the released objects reach nobody.
        zynfake_stream_event(id, 3, 1);
        zynfake_emit_invite_complete(1, 2, kSession, 1);
        QVERIFY(seen->closed.isEmpty());
        QCOMPARE(seen->complete.size(), 1);
        QCOMPARE(ZYNInitialize(&params, 0), 0);
        QCOMPARE(ZYNCloseStream(h, 0), ZYN_E_INVALIDARG); // streams do not survive a clean-up
    }

    void concurrentCallers() {
        zynfake_reset();
        std::atomic<int> failures{0};
        std::vector<std::thread> threads;
        for (int t = 0; t < 4; ++t) {
            threads.emplace_back([t, &failures] {
                for (int i = 0; i < 100; ++i) {
                    if (ZYNSendInviteResponse(t * 1000 + i, 1) != 0)
                        ++failures;
                    ZYNGUID g{};
                    if (ZYNGetLocalSessionGuid(&g) != 0)
                        ++failures;
                }
            });
        }
        for (auto& t : threads)
            t.join();
        QCOMPARE(failures.load(), 0);
        QStringList calls = Calls();
        QCOMPARE(calls.filter("Gadget.2(").size(), 400);
        QCOMPARE(calls.filter("Session.5(").size(), 400);
        // Each caller's calls arrive in its own order.
        for (int t = 0; t < 4; ++t) {
            QStringList mine = calls.filter(
                QRegularExpression(QString("^Gadget\\.2\\(%1\\d\\d\\d?,").arg(t ? QString::number(t) : QString())));
            if (t == 0)
                continue;
            for (int i = 0; i < mine.size(); ++i)
                QCOMPARE(mine[i], QString("Gadget.2(%1,0)").arg(t * 1000 + i));
        }
    }

    // Ends of the library that once hung, each in a host program of its own under a time limit.
    void hostProgramEnds_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QStringList>("output");
        const QStringList setUp{"ZYNInitialize 0", "ZYNSetInviteCallback 0"};
        const QStringList goesOn{"event delivered", "ZYNInitialize 0", "ZYNGetLocalSessionGuid 0", "ZYNCleanUp 0"};
        QTest::newRow("exit without clean-up") << "exit" << setUp;
        QTest::newRow("clean-up in invite complete")
            << "cleanup-in-complete" << setUp + QStringList{"callback: ZYNCleanUp 0"} + goesOn;
        QTest::newRow("set-up in invite complete")
            << "initialize-in-complete" << setUp + QStringList{"callback: ZYNInitialize 0"} + goesOn;
        QTest::newRow("clean-up in invite received")
            << "cleanup-in-received" << setUp + QStringList{"ZYNListenForInvites 0", "callback: ZYNCleanUp 0"} + goesOn;
        // A new set-up while the connection ended in the same callback still closes is refused at once.
        QTest::newRow("clean-up and set-up in invite complete")
            << "restart-in-complete"
            << setUp + QStringList{"callback: ZYNCleanUp 0", "callback: ZYNInitialize 0x80004005"} + goesOn;
    }
    void hostProgramEnds() {
        QFETCH(QString, mode);
        QFETCH(QStringList, output);
        QProcess host;
        host.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        host.start(QStringLiteral(ZYN_HOST), {mode});
        QVERIFY(host.waitForStarted(10000));
        const bool ended = host.waitForFinished(20000);
        if (!ended) {
            host.kill();
            host.waitForFinished(5000);
        }
        const QStringList lines = QString::fromUtf8(host.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        QVERIFY2(ended, qPrintable("hung after: " + lines.join(" | ")));
        QCOMPARE(host.exitStatus(), QProcess::NormalExit);
        QCOMPARE(host.exitCode(), 0);
        QCOMPARE(lines, output);
    }

    void concurrentCleanUpAndCalls() {
        std::atomic<bool> stop{false};
        std::vector<std::thread> threads;
        for (int t = 0; t < 3; ++t) {
            threads.emplace_back([&stop] {
                while (!stop) {
                    ZYNRESULT r = ZYNSendInviteResponse(1, 1);
                    QVERIFY(r == 0 || r == ZYN_E_FAIL);
                }
            });
        }
        for (int i = 0; i < 20; ++i) {
            QCOMPARE(ZYNCleanUp(), 0);
            QCOMPARE(ZYNInitialize(&params, 0), 0);
        }
        stop = true;
        for (auto& t : threads)
            t.join();
    }
};

QTEST_APPLESS_MAIN(TestZynApi)
#include "test_zynapi.moc"
