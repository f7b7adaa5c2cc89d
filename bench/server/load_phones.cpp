// Load run of the real program over loopback: starts the program binary on a private user folder in which
// the load phones are paired already, connects N phone sessions that each send a control message every
// interval (a press on one of its controls, then the press cancelled, which changes no look; with --click a click
// that does), in turn over the interval as independent phones do (--burst 1: all at once), and meanwhile asks
// GetInfo and opens new sessions; afterwards it sends malformed requests and frames. It prints the figures (start to
// discovery and to the server answering, CM-to-View, GetInfo and new-session times, RSS once started, peak and after
// the sessions closed) and ends with 1 when a session failed to connect or a GetInfo went unanswered. Bounded in time
// and count; loopback only. With --echo 1 the same run first measures a minimal WebSocket echo server (the toolkit's
// own, in a process of its own) with as many clients sending the same messages at the same pace, and sets the
// message-to-View times against its round trip.
//
//   load_phones --program build/shell/vellichor [--phones 50] [--seconds 20] [--interval 100] [--malformed 10000]
//   (one phone showing its grid, nothing else: --phones 1 --interval 10000 --probes 0 --malformed 0)
//   (message to View against the echo, each message a click on the default grid's mute toggle, which changes
//    its look every time: --phones 1 --probes 0 --malformed 0 --echo 1 --click Mute, and --phones 5)
//   (50 phones with their message-to-View times: --click Mute --echo 1)

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkDatagram>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>
#include <QUdpSocket>
#include <QWebSocket>
#include <QWebSocketServer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <unistd.h>
#include <vector>

namespace {

struct Options {
    QString program;
    int phones = 50;
    int seconds = 20;
    int intervalMs = 100;
    int malformed = 10000;
    // GetInfo and new sessions every 500 ms while the phones run; 0 leaves the phones alone (for the
    // program's cost with phones that only show their grid).
    int probes = 1;
    // Measure an echo server's round trip first, for comparison.
    bool echo = false;
    // All phones send in the same instant (a burst of N messages every interval) instead of spread over the
    // interval as independent phones are.
    bool burst = false;
    // The caption of a toggle control whose clicks are the control messages (see Phone).
    QString click;
};

quint16 FreePort(bool udp) {
    if (udp) {
        QUdpSocket s;
        s.bind(QHostAddress(QHostAddress::LocalHost), 0);
        return s.localPort();
    }
    QTcpServer s;
    s.listen(QHostAddress::LocalHost, 0);
    return s.serverPort();
}

qint64 RssKb(qint64 pid) {
    QFile f(QStringLiteral("/proc/%1/status").arg(pid));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

// Spins the event loop for ms milliseconds, or until done() holds.
template <typename Done> bool SpinUntil(int ms, Done done) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

// CPU time of the process so far (user and system), in clock ticks.
qint64 CpuTicks(qint64 pid) {
    QFile f(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray text = f.readAll();
    // The fields after the command name, which is in parentheses and may hold blanks.
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    return fields.size() > 12 ? fields.at(11).toLongLong() + fields.at(12).toLongLong() : -1;
}

double Percentile(std::vector<double> v, double p) {
    if (v.empty())
        return -1;
    std::sort(v.begin(), v.end());
    const size_t i = std::min(v.size() - 1, size_t(p / 100.0 * double(v.size())));
    return v[i];
}

void PrintFigure(const char* name, const std::vector<double>& v) {
    std::printf("%-22s n=%-6zu p50=%8.2f ms  p99=%8.2f ms  max=%8.2f ms\n", name, v.size(), Percentile(v, 50),
                Percentile(v, 99), v.empty() ? -1.0 : *std::max_element(v.begin(), v.end()));
}

// One phone session: Connect, View of tab 0, then a control message every interval; the time from each
// control message to the next View push is recorded.
class Phone : public QObject {
public:
    // click: the caption of a toggle control; its clicks are the control messages (each one flips its look)
    // instead of a press and its cancel.
    Phone(int index, quint16 port, std::vector<double>* cmToView, const QString& click = QString())
        : m_index(index), m_cmToView(cmToView), m_click(click) {
        connect(&socket, &QWebSocket::connected, this, [this] {
            socket.sendTextMessage(
                QStringLiteral("Connect?n=LoadPhone%1&t=load-key-%1&d=load&v=0.45&hb=4").arg(m_index));
        });
        connect(&socket, &QWebSocket::binaryMessageReceived, this, [this](const QByteArray& m) { OnMessage(m); });
        m_opened.start();
        socket.open(QUrl(QStringLiteral("ws://127.0.0.1:%1/").arg(port)));
    }
    // A press and its cancel in turn on an element of the first control that has elements (a cancelled press
    // runs no function), or a click on the toggle control.
    void SendControlMessage() {
        if (!connected || m_elemId.isEmpty())
            return;
        const QString type = !m_click.isEmpty() ? QStringLiteral("up")
                             : ++m_sent % 2     ? QStringLiteral("dn")
                                                : QStringLiteral("ca");
        socket.sendTextMessage(QStringLiteral("MM?id=%1&type=%2&x=1&y=1").arg(m_elemId, type));
        if (!m_waiting.isValid())
            m_waiting.start();
    }
    QWebSocket socket;
    bool connected = false;
    double connectMs = -1;
    int views = 0;

private:
    void OnMessage(const QByteArray& m) {
        if (m.startsWith("Connect?") && !connected) {
            connected = true;
            connectMs = m_opened.nsecsElapsed() / 1e6;
            socket.sendTextMessage(QStringLiteral("View?t=0"));
        } else if (m.startsWith("View?")) {
            ++views;
            if (m_waiting.isValid()) {
                m_cmToView->push_back(m_waiting.nsecsElapsed() / 1e6);
                m_waiting.invalidate();
            }
            if (m_elemId.isEmpty()) {
                const int nul = m.indexOf('\0');
                const QJsonObject data = QJsonDocument::fromJson(m.mid(nul + 1)).object();
                for (auto it = data.begin(); it != data.end() && m_elemId.isEmpty(); ++it) {
                    const QJsonObject elements = it.value().toObject().value(QStringLiteral("ly")).toObject();
                    if (it.key() == QLatin1String("s") || elements.isEmpty())
                        continue;
                    bool shows = m_click.isEmpty();
                    for (const QJsonValue element : elements)
                        shows = shows || element.toObject().value(QStringLiteral("tx")).toString() == m_click;
                    if (shows)
                        m_elemId = elements.begin().key();
                }
            }
        }
    }
    int m_index;
    std::vector<double>* m_cmToView;
    QElapsedTimer m_opened;
    QElapsedTimer m_waiting;
    QString m_click;
    QString m_elemId;
    int m_sent = 0;
};

// Starts the timer that makes the clients send: one client's message every interval / clients, in turn, as
// independent phones are not in step; with burst, all of them at once every interval.
void StartSending(QTimer& timer, size_t clients, int intervalMs, bool burst, const std::function<void(size_t)>& send) {
    timer.setTimerType(Qt::PreciseTimer);
    auto next = std::make_shared<size_t>(0);
    QObject::connect(&timer, &QTimer::timeout, [=] {
        if (burst) {
            for (size_t i = 0; i < clients; ++i)
                send(i);
            return;
        }
        send(*next);
        *next = (*next + 1) % clients;
    });
    timer.start(burst ? intervalMs : std::max(1, intervalMs / int(clients)));
}

// The yardstick: a WebSocket server that sends every message straight back, in a process of its own (this
// program started with --echo-server) as the program is, serving on its main thread as the program does.
int RunEchoServer() {
    QWebSocketServer server(QStringLiteral("echo"), QWebSocketServer::NonSecureMode);
    if (!server.listen(QHostAddress::LocalHost, 0))
        return 1;
    QObject::connect(&server, &QWebSocketServer::newConnection, &server, [&server] {
        while (QWebSocket* socket = server.nextPendingConnection()) {
            QObject::connect(socket, &QWebSocket::textMessageReceived, socket,
                             [socket](const QString& m) { socket->sendTextMessage(m); });
            QObject::connect(socket, &QWebSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
    std::printf("port %u\n", unsigned(server.serverPort()));
    std::fflush(stdout);
    return QCoreApplication::exec();
}

// Clients of the echo server sending a message of a control message's size every interval for the given time;
// the round trips in ms.
std::vector<double> EchoRoundTrips(int clients, int seconds, int intervalMs, bool burst) {
    QProcess server;
    server.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--echo-server"), QStringLiteral("1")});
    quint16 port = 0;
    SpinUntil(5000, [&] {
        if (server.canReadLine())
            port = quint16(QString::fromLatin1(server.readLine()).section(QLatin1Char(' '), 1).trimmed().toUInt());
        return port != 0 || server.state() == QProcess::NotRunning;
    });
    std::vector<double> trips;
    if (port == 0) {
        std::printf("the echo server did not start\n");
        return trips;
    }
    std::vector<std::unique_ptr<QWebSocket>> sockets;
    std::vector<QElapsedTimer> sent(static_cast<size_t>(clients));
    for (int i = 0; i < clients; ++i) {
        sockets.emplace_back(new QWebSocket);
        QWebSocket* socket = sockets.back().get();
        QElapsedTimer* clock = &sent[size_t(i)];
        QObject::connect(socket, &QWebSocket::textMessageReceived, socket, [clock, &trips](const QString&) {
            if (clock->isValid())
                trips.push_back(clock->nsecsElapsed() / 1e6);
            clock->invalidate();
        });
        socket->open(QUrl(QStringLiteral("ws://127.0.0.1:%1/").arg(port)));
    }
    SpinUntil(5000, [&] {
        return std::all_of(sockets.begin(), sockets.end(),
                           [](const auto& s) { return s->state() == QAbstractSocket::ConnectedState; });
    });
    // In turn or in bursts, as the phones send (see Run); each client alternates a press and its cancel.
    QTimer tick;
    std::vector<int> count(sockets.size(), 0);
    StartSending(tick, sockets.size(), intervalMs, burst, [&](size_t i) {
        if (sent[i].isValid())
            return;
        sent[i].start();
        sockets[i]->sendTextMessage(QStringLiteral("MM?id=10001&type=%1&x=1&y=1").arg(++count[i] % 2 ? "dn" : "ca"));
    });
    SpinUntil(seconds * 1000, [] { return false; });
    tick.stop();
    sockets.clear();
    server.kill();
    server.waitForFinished();
    return trips;
}

// GetInfo over a new connection; the reply time in ms, or -1.
double GetInfoMs(quint16 port) {
    QTcpSocket s;
    QElapsedTimer clock;
    clock.start();
    s.connectToHost(QHostAddress::LocalHost, port);
    s.write("GET /GetInfo HTTP/1.1\r\nHost: x\r\n\r\n");
    QByteArray got;
    SpinUntil(5000, [&] {
        got += s.readAll();
        return got.contains("MervexSrv");
    });
    return got.contains("MervexSrv") ? clock.nsecsElapsed() / 1e6 : -1;
}

int Run(const Options& o) {
    std::vector<double> echoTrips;
    if (o.echo)
        echoTrips = EchoRoundTrips(o.phones, o.seconds, o.intervalMs, o.burst);

    QTemporaryDir work;
    const QString runtime = work.path() + QStringLiteral("/run"), user = work.path() + QStringLiteral("/user");
    for (const QString& d : {runtime, user, work.path() + QStringLiteral("/home")})
        QDir().mkpath(d);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const quint16 tcp = FreePort(false), udp = FreePort(true);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    env.insert(QStringLiteral("HOME"), work.path() + QStringLiteral("/home"));
    env.insert(QStringLiteral("MERVEX_USER_DIR"), user);
    env.insert(QStringLiteral("MERVEX_INSTANCE_NAME"),
               QStringLiteral("load-%1").arg(QCoreApplication::applicationPid()));
    env.insert(QStringLiteral("MERVEX_TCP_PORT"), QString::number(tcp));
    env.insert(QStringLiteral("MERVEX_UDP_PORT"), QString::number(udp));

    // A first run writes the user configuration; the load phones are added to its paired devices.
    QProcess program;
    program.setProcessEnvironment(env);
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.setStandardOutputFile(QProcess::nullDevice());
    program.start(o.program, {QStringLiteral("--smoke")});
    if (!program.waitForFinished(60000) || program.exitCode() != 0) {
        std::printf("the program's first run failed\n");
        return 2;
    }
    QFile cfg(user + QStringLiteral("/userCfg.json"));
    if (!cfg.open(QIODevice::ReadOnly)) {
        std::printf("no user configuration written\n");
        return 2;
    }
    QByteArray text = cfg.readAll();
    cfg.close();
    QJsonArray devices;
    for (int i = 0; i < o.phones + 1; ++i)
        devices.append(QJsonObject{{"Name", QStringLiteral("LoadPhone%1").arg(i)},
                                   {"Token", QStringLiteral("load-key-%1").arg(i)},
                                   {"Desc", "load"},
                                   {"Active", true}});
    // The program writes its own JSON dialect (unquoted names), which also reads plain JSON.
    const QByteArray empty("Devices:[]");
    if (!text.contains(empty)) {
        std::printf("the user configuration has no empty device list\n");
        return 2;
    }
    text.replace(empty, "Devices:" + QJsonDocument(devices).toJson(QJsonDocument::Compact));
    if (!cfg.open(QIODevice::WriteOnly | QIODevice::Truncate) || cfg.write(text) != text.size()) {
        std::printf("cannot write the user configuration\n");
        return 2;
    }
    cfg.close();

    // Start to discovery answering.
    QUdpSocket discovery;
    discovery.bind(QHostAddress(QHostAddress::LocalHost), 0);
    QElapsedTimer started;
    started.start();
    program.start(o.program, QStringList());
    program.waitForStarted();
    double discoveryMs = -1;
    SpinUntil(30000, [&] {
        discovery.writeDatagram("RSP", QHostAddress::LocalHost, udp);
        if (discovery.waitForReadyRead(20) && discovery.receiveDatagram().data().startsWith("RCP"))
            discoveryMs = started.nsecsElapsed() / 1e6;
        return discoveryMs >= 0 || program.state() != QProcess::Running;
    });
    std::printf("start to discovery answering: %.1f ms\n", discoveryMs);
    if (discoveryMs < 0)
        return 2;
    // Discovery answers before the program has finished starting; the server answers GetInfo once it opened,
    // at the end of the start. RSS at start is read after that.
    bool served = false;
    SpinUntil(30000, [&] {
        served = GetInfoMs(tcp) >= 0;
        return served || program.state() != QProcess::Running;
    });
    if (!served) {
        std::printf("the server never answered GetInfo\n");
        return 2;
    }
    std::printf("start to the server answering: %.1f ms\n", started.nsecsElapsed() / 1e6);
    SpinUntil(1000, [] { return false; });
    const qint64 pid = program.processId();
    const qint64 rssStart = RssKb(pid);
    qint64 rssPeak = rssStart;

    std::vector<double> cmToView, getInfo, newSession;
    std::vector<std::unique_ptr<Phone>> phones;
    for (int i = 0; i < o.phones; ++i)
        phones.emplace_back(new Phone(i, tcp, &cmToView, o.click));
    SpinUntil(20000,
              [&] { return std::all_of(phones.begin(), phones.end(), [](const auto& p) { return p->connected; }); });
    int connected = 0;
    for (const auto& p : phones)
        connected += p->connected ? 1 : 0;
    std::printf("sessions connected: %d of %d\n", connected, o.phones);

    int unanswered = 0;
    QTimer cm, probe;
    int probes = 0;
    QObject::connect(&probe, &QTimer::timeout, [&] {
        const double ms = GetInfoMs(tcp);
        if (ms < 0)
            ++unanswered;
        else
            getInfo.push_back(ms);
        if (++probes % 4 == 0) { // a new session now and then, with the spare paired key
            Phone extra(o.phones, tcp, &cmToView);
            SpinUntil(5000, [&] { return extra.connected; });
            if (extra.connected)
                newSession.push_back(extra.connectMs);
            extra.socket.close();
        }
        rssPeak = std::max(rssPeak, RssKb(pid));
    });
    StartSending(cm, phones.size(), o.intervalMs, o.burst, [&](size_t i) { phones[i]->SendControlMessage(); });
    probe.start(o.probes ? 500 : 3600000);
    const qint64 cpuBefore = CpuTicks(pid);
    QElapsedTimer loadClock;
    loadClock.start();
    SpinUntil(o.seconds * 1000, [] { return false; });
    const double cpuPercent = 100.0 * double(CpuTicks(pid) - cpuBefore) / double(sysconf(_SC_CLK_TCK)) /
                              (double(loadClock.elapsed()) / 1000.0);
    cm.stop();
    probe.stop();
    int views = 0;
    for (const auto& p : phones)
        views += p->views;
    phones.clear();

    // Malformed input: requests that are not HTTP, and WebSocket frames that are not messages.
    const qint64 rssBeforeMalformed = RssKb(pid);
    qint64 rssMalformedPeak = rssBeforeMalformed;
    for (int sent = 0; sent < o.malformed;) {
        std::vector<std::unique_ptr<QTcpSocket>> batch;
        for (int k = 0; k < 50 && sent < o.malformed; ++k, ++sent) {
            batch.emplace_back(new QTcpSocket);
            batch.back()->connectToHost(QHostAddress::LocalHost, tcp);
            batch.back()->write(sent % 2 ? QByteArray("\x16\x03\x01 not http at all\r\n\r\n")
                                         : QByteArray("GET /") + QByteArray(4000, 'x') + " HTTP/1.1\r\nBad\r\n\r\n");
        }
        SpinUntil(200, [] { return false; });
        rssMalformedPeak = std::max(rssMalformedPeak, RssKb(pid));
    }
    {
        QWebSocket ws;
        ws.open(QUrl(QStringLiteral("ws://127.0.0.1:%1/").arg(tcp)));
        SpinUntil(5000, [&] { return ws.state() == QAbstractSocket::ConnectedState; });
        for (int i = 0; i < o.malformed && ws.state() == QAbstractSocket::ConnectedState; ++i) {
            ws.sendTextMessage(i % 2 ? QStringLiteral("%%%zz?&&==") : QStringLiteral("CM?id=x&m=") + QString(500, 'q'));
            if (i % 200 == 0) {
                SpinUntil(20, [] { return false; });
                rssMalformedPeak = std::max(rssMalformedPeak, RssKb(pid));
            }
        }
        SpinUntil(500, [] { return false; });
    }
    SpinUntil(3000, [] { return false; }); // sessions leave at the server's next updates
    const qint64 rssEnd = RssKb(pid);
    const double afterInfo = GetInfoMs(tcp);

    program.terminate();
    program.waitForFinished(30000);

    std::printf("phones %d, %d s, a control message every %d ms; %d View pushes\n", o.phones, o.seconds, o.intervalMs,
                views);
    std::printf("program CPU during the run: %.2f %% of one core\n", cpuPercent);
    PrintFigure("message to View", cmToView);
    if (o.echo) {
        PrintFigure("echo round trip", echoTrips);
        std::printf("message to View against the echo: p50 %.1fx, p99 %.1fx\n",
                    Percentile(cmToView, 50) / Percentile(echoTrips, 50),
                    Percentile(cmToView, 99) / Percentile(echoTrips, 99));
    }
    PrintFigure("GetInfo", getInfo);
    PrintFigure("new session", newSession);
    std::printf("GetInfo unanswered: %d; after the malformed input: %s\n", unanswered,
                afterInfo >= 0 ? "answered" : "NOT answered");
    std::printf("RSS: start %lld kB, peak under load %lld kB, peak under %d malformed requests and frames %lld kB, "
                "after the sessions closed %lld kB (%.1f %% of start)\n",
                rssStart, rssPeak, o.malformed, rssMalformedPeak, rssEnd, 100.0 * double(rssEnd) / double(rssStart));
    std::printf("program ended with %d\n", program.exitCode());
    return connected == o.phones && unanswered == 0 && afterInfo >= 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    Options o;
    const QStringList args = app.arguments();
    if (args.value(1) == QLatin1String("--echo-server"))
        return RunEchoServer();
    for (int i = 1; i + 1 < args.size(); i += 2) {
        const QString& name = args.at(i);
        const QString& value = args.at(i + 1);
        if (name == QLatin1String("--program"))
            o.program = value;
        else if (name == QLatin1String("--phones"))
            o.phones = std::clamp(value.toInt(), 1, 200);
        else if (name == QLatin1String("--seconds"))
            o.seconds = std::clamp(value.toInt(), 1, 600);
        else if (name == QLatin1String("--interval"))
            o.intervalMs = std::clamp(value.toInt(), 20, 10000);
        else if (name == QLatin1String("--probes"))
            o.probes = value.toInt() != 0 ? 1 : 0;
        else if (name == QLatin1String("--malformed"))
            o.malformed = std::clamp(value.toInt(), 0, 100000);
        else if (name == QLatin1String("--echo"))
            o.echo = value.toInt() != 0;
        else if (name == QLatin1String("--click"))
            o.click = value;
        else if (name == QLatin1String("--burst"))
            o.burst = value.toInt() != 0;
    }
    if (o.program.isEmpty()) {
        std::printf("usage: load_phones --program <vellichor> [--phones N] [--seconds S] [--interval ms] "
                    "[--malformed N] [--probes 0|1] [--echo 0|1] [--click <caption>] [--burst 0|1]\n");
        return 2;
    }
    return Run(o);
}
