#pragma once
// Stand-ins for the parts of the program the phone server talks to (control views, grid views, the main
// window's pairing, the configuration model, the running programs), and a WebSocket phone on loopback.
// Shared by the server tests and benchmarks.

#include "server/netserver.h"
#include "server/netservices.h"
#include "server/qwssocket.h"
#include "server/wsframeparser.h"

#include <QEventLoop>
#include <QHostAddress>
#include <QPointer>
#include <QTcpSocket>
#include <QTimer>
#include <QWebSocket>
#include <functional>

// A control whose record is a plain map; "set" changes a key and flags the change.
class FakeCtrlView : public INetCtrlView {
public:
    explicit FakeCtrlView(int id) : id(id) { record.insert(QStringLiteral("v"), 0); }
    int CtrlId() const override { return id; }
    bool HasViewChange() const override { return changed; }
    void OnCheckUpdate() override {
        ++checks;
        if (onCheck)
            onCheck();
    }
    void BuildViewUpdate(QVariantMap& diff, QVariantMap& sentScripts, QVariantMap& prev, int& changes) override {
        ++builds;
        changes = 0;
        for (auto it = record.cbegin(); it != record.cend(); ++it) {
            if (prev.value(it.key()) != it.value()) {
                diff.insert(it.key(), it.value());
                ++changes;
            }
        }
        if (!script.isEmpty())
            sentScripts.insert(QStringLiteral("function f%1").arg(id), script);
        changed = false;
    }
    void BuildRemoteData() override { ++remoteData; }
    void OnClientMessage(int ctrlId, const QString& message) override {
        if (ctrlId == id) {
            messages << message;
            if (onMessage)
                onMessage(message);
        }
    }
    void OnExtMouseEvent(const QString& type, int x, int y, int elemId) override {
        if (elemId == id)
            mouse << QStringLiteral("%1 %2 %3").arg(type).arg(x).arg(y);
    }
    void OnExtSetText(int elemId, const QString& text) override {
        if (elemId == id)
            texts << text;
    }
    void Set(const QString& key, const QVariant& value) {
        record.insert(key, value);
        changed = true;
    }

    int id;
    int builds = 0;
    bool changed = true;
    QVariantMap record;
    QString script;
    int checks = 0;
    int remoteData = 0;
    QStringList messages, mouse, texts;
    std::function<void(const QString&)> onMessage;
    std::function<void()> onCheck;
};

// Grid view and overlay in one: the server uses one face or the other.
class FakeView : public QObject, public INetGridView, public INetOverlayView {
public:
    QList<INetCtrlView*> CtrlViews() const override {
        QList<INetCtrlView*> list;
        for (FakeCtrlView* c : ctrls)
            list << c;
        return list;
    }
    QVariantMap& KeptRecords() override { return kept; }
    void SetGridHeight(double cells) override { height = cells; }
    void DeleteLater() override { deleteLater(); }
    void SetOverlay(INetOverlayView* o) override { overlay = o; }
    void SetSessionId(quint64 id) override { sessionId = id; }
    QVariantMap& ClientMap() override { return client; }
    void InitDeck() override { deck = true; }
    void SetGrid(const NetGrid& g) override {
        grid = g;
        for (int i = 0; i < ctrlsOnSetGrid; ++i)
            ctrls << new FakeCtrlView(firstIdOnSetGrid + i);
    }
    void InitPopup() override { popup = true; }
    bool IsShowing() const override { return showing; }
    ~FakeView() override { qDeleteAll(ctrls); }

    QList<FakeCtrlView*> ctrls;
    QVariantMap kept;
    double height = 0;
    INetOverlayView* overlay = nullptr;
    quint64 sessionId = 0;
    QVariantMap client;
    bool deck = false;
    bool popup = false;
    bool showing = false;
    NetGrid grid;
    int ctrlsOnSetGrid = 0;
    int firstIdOnSetGrid = 0;
};

class FakeGrids : public INetGrids {
public:
    QStringList TabList() override { return tabs; }
    NetGrid FindGrid(const QString& key) override { return grids.value(key); }
    int EditorChangeCount() override { return editorChanges; }
    quint64 TabBGId() override { return 11; }
    quint64 TabAOvlId() override { return 12; }
    quint64 DeckBGId(const QString& background, int width, int height) override {
        deckRequests << QStringLiteral("%1 %2x%3").arg(background).arg(width).arg(height);
        return 13;
    }
    quint64 TabIconId(const QString& icon, int state) override { return state == 0 ? 14 : 15; }
    INetGridView* CreateGridView() override { return NewView(gridViews); }
    INetOverlayView* CreateOverlayView() override { return NewView(overlays); }

    // Adds a grid to the tab list.
    void AddGrid(const QString& name, bool verified = true) {
        NetGrid g;
        g.name = name;
        g.key = QStringLiteral("Set:") + name;
        g.title = name.toUpper();
        g.icon = name + QStringLiteral(".png");
        g.verified = verified;
        grids.insert(g.key, g);
        tabs << g.key;
    }

    QStringList tabs;
    QMap<QString, NetGrid> grids;
    int ctrlsPerGrid = 3;
    int editorChanges = 0;
    int overlayCtrls = 1;
    QStringList deckRequests;
    QList<QPointer<FakeView>> gridViews, overlays;

private:
    FakeView* NewView(QList<QPointer<FakeView>>& list) {
        auto* view = new FakeView;
        // An overlay has its popup control at once; a grid view gets its controls when the grid is set,
        // with ids (tab index + 1) * 100 onwards.
        if (&list == &overlays) {
            for (int i = 0; i < overlayCtrls; ++i)
                view->ctrls << new FakeCtrlView(900 + i);
        } else {
            view->ctrlsOnSetGrid = ctrlsPerGrid;
            view->firstIdOnSetGrid = (gridViews.size() + 1) * 100;
        }
        list << view;
        return view;
    }
};

// Pairing answers a test scripts: stored devices, and the user's answer given on the next turn of the
// event loop (or by the test itself when autoAnswer is off).
class FakePairing : public INetPairing {
public:
    bool IsPaired(const QString&, const QString& key, bool& active) override {
        if (!known.contains(key))
            return false;
        active = known.value(key);
        return true;
    }
    bool NeedsPairingConfirm(const QString&, const QString& key, const QString&) override {
        return !known.contains(key);
    }
    void AskPairing(quint64 ticket, const QString&, const QString&, const QString&) override {
        ++asked;
        open = ticket;
        if (duringDialog)
            duringDialog();
        if (autoAnswer && server) {
            QPointer<NetServer> s = server;
            const bool yes = accept;
            QTimer::singleShot(0, [s, ticket, yes] {
                if (s)
                    s->AnswerPairing(ticket, yes);
            });
        }
    }
    void WithdrawPairing(quint64 ticket) override {
        withdrawn << ticket;
        if (open == ticket)
            open = 0;
    }
    bool StorePairing(const QString&, const QString& key, const QString&) override {
        known.insert(key, true);
        return true;
    }
    QString LanguageCode() override { return QStringLiteral("de"); }

    QMap<QString, bool> known; // device key -> active
    NetServer* server = nullptr;
    bool autoAnswer = true;
    bool accept = false;
    int asked = 0;
    quint64 open = 0;
    QList<quint64> withdrawn;
    std::function<void()> duringDialog;
};

class FakePrograms : public INetPrograms {
public:
    QStringList GetProcesses() override { return running; }
    QString ResolveProgramPath(const QString& path) override {
        QString p = path;
        return p.replace(QLatin1Char('/'), QLatin1Char('\\'));
    }
    QStringList running;
};

// A phone: a WebSocket client that keeps every binary message it receives.
class FakePhone : public QObject {
public:
    explicit FakePhone(quint16 port, const QString& query = QString()) {
        connect(&socket, &QWebSocket::binaryMessageReceived, this, [this](const QByteArray& m) { received << m; });
        socket.open(QUrl(QStringLiteral("ws://127.0.0.1:%1/%2").arg(port).arg(query)));
    }
    bool WaitConnected() {
        for (int i = 0; i < 500 && socket.state() != QAbstractSocket::ConnectedState; ++i)
            Spin();
        return socket.state() == QAbstractSocket::ConnectedState;
    }
    void Send(const QString& text) { socket.sendTextMessage(text); }
    // Waits (bounded) until a message starting with prefix arrived; returns it, or empty.
    QByteArray WaitFor(const QByteArray& prefix, int fromIndex = 0) {
        for (int i = 0; i < 500; ++i) {
            for (int j = fromIndex; j < received.size(); ++j) {
                if (received.at(j).startsWith(prefix))
                    return received.at(j);
            }
            Spin();
        }
        return QByteArray();
    }
    int Count(const QByteArray& prefix) const {
        int n = 0;
        for (const QByteArray& m : received)
            n += m.startsWith(prefix) ? 1 : 0;
        return n;
    }
    static void Spin() {
        QEventLoop loop;
        QTimer::singleShot(10, &loop, &QEventLoop::quit);
        loop.exec();
    }

    QWebSocket socket;
    QList<QByteArray> received;
};

// A phone that speaks the frames itself over a socket bound to an address of its own (127.0.0.2, 127.0.0.3...),
// so that a test can be several hosts on loopback. It answers the server's pings only when told to: a silent
// one sends nothing after its messages.
class RawPhone : public QObject {
public:
    RawPhone(const QHostAddress& from, quint16 port, bool answerPings = false) : answerPings(answerPings) {
        parser.setRejectMasked(true);
        connect(&socket, &QTcpSocket::readyRead, this, [this] { Read(); });
        if (socket.bind(from, 0))
            socket.connectToHost(QHostAddress::LocalHost, port);
    }
    // Connects and upgrades (bounded); false when the server did not switch protocols.
    bool Upgrade() {
        for (int i = 0; i < 500 && socket.state() != QAbstractSocket::ConnectedState; ++i)
            FakePhone::Spin();
        if (socket.state() != QAbstractSocket::ConnectedState)
            return false;
        socket.write("GET / HTTP/1.1\r\nHost: pc\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n"
                     "Sec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\nSec-WebSocket-Version: 13\r\n\r\n");
        for (int i = 0; i < 500 && !upgraded && socket.state() == QAbstractSocket::ConnectedState; ++i)
            FakePhone::Spin();
        return upgraded;
    }
    // One masked text frame.
    void Send(const QString& text) { SendFrame(1, text.toLatin1()); }
    void SendFrame(int opcode, const QByteArray& payload) {
        const QByteArray key("\x5a\x17\xc3\x08", 4);
        socket.write(QWsSocket::composeHeader(true, opcode, quint64(payload.size()), key) +
                     QWsSocket::mask(payload, key));
        socket.flush();
    }
    QByteArray WaitFor(const QByteArray& prefix) {
        for (int i = 0; i < 500; ++i) {
            for (const QByteArray& m : qAsConst(received))
                if (m.startsWith(prefix))
                    return m;
            FakePhone::Spin();
        }
        return QByteArray();
    }
    int Count(const QByteArray& prefix) const {
        int n = 0;
        for (const QByteArray& m : received)
            n += m.startsWith(prefix) ? 1 : 0;
        return n;
    }
    bool IsOpen() const { return socket.state() == QAbstractSocket::ConnectedState && !closeFrame; }

    QTcpSocket socket;
    WsFrameParser parser;
    QList<QByteArray> received;
    bool answerPings;
    bool upgraded = false;
    int pings = 0;
    bool closeFrame = false;

private:
    void Read() {
        if (!upgraded) {
            head += socket.readAll();
            const int end = head.indexOf("\r\n\r\n");
            if (end < 0)
                return;
            upgraded = head.startsWith("HTTP/1.1 101 ");
            parser.append(head.mid(end + 4));
            head.clear();
        } else {
            parser.append(socket.readAll());
        }
        for (WsEvent ev = parser.next(); ev.kind != WsEvent::None; ev = parser.next()) {
            if (ev.kind == WsEvent::Binary || ev.kind == WsEvent::Text)
                received << ev.data;
            else if (ev.kind == WsEvent::Ping && ++pings && answerPings)
                SendFrame(10, ev.data);
            else if (ev.kind == WsEvent::Close || ev.kind == WsEvent::Error)
                closeFrame = true;
        }
    }
    QByteArray head;
};
