// Load run of the real program over loopback: starts the program binary on a private user folder in which
// the load phones are paired already, connects N phone sessions that each send a control message every
// interval (a press on one of its controls, then the press cancelled, which changes no look; with --click a click
// that does), in turn over the interval as independent phones do (--burst 1: all at once), and meanwhile asks
// GetInfo and opens new sessions; afterwards it sends malformed requests and frames. It prints the figures (start to
// discovery and to the server answering, CM-to-View, GetInfo and new-session times, RSS once started, peak and after
// the sessions closed) and ends with 1 when a session failed to connect or a GetInfo went unanswered. Bounded in time
// and count; loopback only. With --echo 1 the same run first measures a minimal WebSocket echo server (the toolkit's
// own, in a process of its own) with as many clients sending the same messages at the same pace, and sets the
// message-to-View times against its round trip. With --back-to-back 1 each phone (and each echo client) sends its
// next message as soon as the answer to the last came. The run prints the time of each phone's Connect reply when
// they all connected at once. With --starts N it instead times N cold starts (see RunStarts), against the minimal
// Qt program given by --yardstick and a static file server (this program with --file-server).
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
#include <QSet>
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
    // Each phone sends its next message as soon as the View of the last one came (needs click: every message
    // must change the look), instead of one every interval.
    bool backToBack = false;
    // Instead of the load run: this many cold starts, each timed to discovery, to GetInfo answered, to the first
    // View and through the first pass of that View's images (see RunStarts).
    int starts = 0;
    // The minimal Qt program the starts are set against (bench/shell/qt_yardstick).
    QString yardstick;
};

// A port free on the loopback address, where the program binds it (its ports moved, it listens there only).
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
    // backToBack: the next message goes as soon as the View of the last one came.
    Phone(int index, quint16 port, std::vector<double>* cmToView, const QString& click = QString(),
          bool backToBack = false)
        : m_index(index), m_cmToView(cmToView), m_click(click), m_backToBack(backToBack) {
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
    // From the socket's opening to the first View.
    double firstViewMs = -1;
    int views = 0;
    // The image ids that the tab list and the first View name, when asked for before connecting.
    bool collectImages = false;
    QSet<QString> imageIds;

private:
    void OnMessage(const QByteArray& m) {
        if (m.startsWith("Connect?") && !connected) {
            connected = true;
            connectMs = m_opened.nsecsElapsed() / 1e6;
            socket.sendTextMessage(QStringLiteral("View?t=0"));
        } else if (m.startsWith("Tabs") && collectImages) {
            const QJsonObject tabs = QJsonDocument::fromJson(m.mid(m.indexOf('\0') + 1)).object();
            CollectImages(tabs, {"tbg", "tao"});
            for (const QJsonValue tab : tabs.value(QStringLiteral("t")).toArray())
                CollectImages(tab.toObject(), {"gbg", "iN", "iA"});
        } else if (m.startsWith("View?")) {
            if (++views == 1) {
                firstViewMs = m_opened.nsecsElapsed() / 1e6;
                if (collectImages) {
                    const QJsonObject data = QJsonDocument::fromJson(m.mid(m.indexOf('\0') + 1)).object();
                    for (const QJsonValue ctrl : data)
                        for (const QJsonValue element : ctrl.toObject().value(QStringLiteral("ly")).toObject())
                            CollectImages(element.toObject(), {"cI", "cP", "cM", "cC"});
                }
            }
            if (m_waiting.isValid()) {
                m_cmToView->push_back(m_waiting.nsecsElapsed() / 1e6);
                m_waiting.invalidate();
                if (m_backToBack)
                    SendControlMessage();
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
    void CollectImages(const QJsonObject& object, std::initializer_list<const char*> keys) {
        for (const char* key : keys) {
            const QString id = object.value(QLatin1String(key)).toVariant().toString();
            if (!id.isEmpty() && id != QLatin1String("0"))
                imageIds.insert(id);
        }
    }
    int m_index;
    std::vector<double>* m_cmToView;
    QElapsedTimer m_opened;
    QElapsedTimer m_waiting;
    QString m_click;
    QString m_elemId;
    bool m_backToBack;
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

// Starts this program in a yardstick mode (--echo-server, --file-server) and reads the port it serves on.
quint16 StartHelper(QProcess& helper, const QStringList& args) {
    helper.start(QCoreApplication::applicationFilePath(), args);
    quint16 port = 0;
    SpinUntil(5000, [&] {
        if (helper.canReadLine())
            port = quint16(QString::fromLatin1(helper.readLine()).section(QLatin1Char(' '), 1).trimmed().toUInt());
        return port != 0 || helper.state() == QProcess::NotRunning;
    });
    return port;
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

// Clients of the echo server sending a message of a control message's size every interval (or, back to back,
// each as soon as the last came back) for the given time; the round trips in ms.
std::vector<double> EchoRoundTrips(int clients, int seconds, int intervalMs, bool burst, bool backToBack) {
    QProcess server;
    const quint16 port = StartHelper(server, {QStringLiteral("--echo-server"), QStringLiteral("1")});
    std::vector<double> trips;
    if (port == 0) {
        std::printf("the echo server did not start\n");
        return trips;
    }
    std::vector<std::unique_ptr<QWebSocket>> sockets;
    std::vector<QElapsedTimer> sent(static_cast<size_t>(clients));
    std::vector<int> count(size_t(clients), 0);
    bool running = true;
    // Each client alternates a press and its cancel, as the phones do (see Run).
    auto send = [&](size_t i) {
        if (sent[i].isValid() || !running)
            return;
        sent[i].start();
        sockets[i]->sendTextMessage(QStringLiteral("MM?id=10001&type=%1&x=1&y=1").arg(++count[i] % 2 ? "dn" : "ca"));
    };
    for (size_t i = 0; i < size_t(clients); ++i) {
        sockets.emplace_back(new QWebSocket);
        QObject::connect(sockets.back().get(), &QWebSocket::textMessageReceived, [&, i](const QString&) {
            if (sent[i].isValid())
                trips.push_back(sent[i].nsecsElapsed() / 1e6);
            sent[i].invalidate();
            if (backToBack)
                send(i);
        });
        sockets.back()->open(QUrl(QStringLiteral("ws://127.0.0.1:%1/").arg(port)));
    }
    SpinUntil(5000, [&] {
        return std::all_of(sockets.begin(), sockets.end(),
                           [](const auto& s) { return s->state() == QAbstractSocket::ConnectedState; });
    });
    QTimer tick;
    if (backToBack) {
        for (size_t i = 0; i < sockets.size(); ++i)
            send(i);
    } else {
        StartSending(tick, sockets.size(), intervalMs, burst, send);
    }
    SpinUntil(seconds * 1000, [] { return false; });
    running = false;
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
    QByteArray got;
    bool asked = false;
    // A refused connection (nobody listens yet) ends the try at once.
    SpinUntil(5000, [&] {
        if (!asked && s.state() == QAbstractSocket::ConnectedState)
            asked = s.write("GET /GetInfo HTTP/1.1\r\nHost: x\r\n\r\n") > 0;
        got += s.readAll();
        return got.contains("MervexSrv") || s.state() == QAbstractSocket::UnconnectedState;
    });
    return got.contains("MervexSrv") ? clock.nsecsElapsed() / 1e6 : -1;
}

// A private user folder, home and runtime folder, free ports, and the environment that points the program at
// them; Prepare writes a user configuration in which the load phones are paired.
struct ProgramSetup {
    QTemporaryDir work;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    quint16 tcp = 0, udp = 0;

    bool Prepare(const QString& programPath, int pairedPhones) {
        const QString runtime = work.path() + QStringLiteral("/run"), user = work.path() + QStringLiteral("/user");
        for (const QString& d : {runtime, user, work.path() + QStringLiteral("/home")})
            QDir().mkpath(d);
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        tcp = FreePort(false);
        udp = FreePort(true);
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
        program.start(programPath, {QStringLiteral("--smoke")});
        if (!program.waitForFinished(60000) || program.exitCode() != 0) {
            std::printf("the program's first run failed\n");
            return false;
        }
        QFile cfg(user + QStringLiteral("/userCfg.json"));
        if (!cfg.open(QIODevice::ReadOnly)) {
            std::printf("no user configuration written\n");
            return false;
        }
        QByteArray text = cfg.readAll();
        cfg.close();
        QJsonArray devices;
        for (int i = 0; i < pairedPhones; ++i)
            devices.append(QJsonObject{{"Name", QStringLiteral("LoadPhone%1").arg(i)},
                                       {"Token", QStringLiteral("load-key-%1").arg(i)},
                                       {"Desc", "load"},
                                       {"Active", true}});
        // The program writes its own JSON dialect (unquoted names), which also reads plain JSON.
        const QByteArray empty("Devices:[]");
        if (!text.contains(empty)) {
            std::printf("the user configuration has no empty device list\n");
            return false;
        }
        text.replace(empty, "Devices:" + QJsonDocument(devices).toJson(QJsonDocument::Compact));
        if (!cfg.open(QIODevice::WriteOnly | QIODevice::Truncate) || cfg.write(text) != text.size()) {
            std::printf("cannot write the user configuration\n");
            return false;
        }
        return true;
    }
};

// Starts the program (or the yardstick) and times its start to discovery answering on udp (0: not asked) and to
// GetInfo answered on tcp; false when it never answered.
bool StartUntilServed(QProcess& program, const QString& path, const QStringList& args, const QProcessEnvironment& env,
                      quint16 tcp, quint16 udp, double& discoveryMs, double& servedMs) {
    program.setProcessEnvironment(env);
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.setStandardOutputFile(QProcess::nullDevice());
    QUdpSocket discovery;
    discovery.bind(QHostAddress(QHostAddress::LocalHost), 0);
    QElapsedTimer started;
    started.start();
    program.start(path, args);
    program.waitForStarted();
    discoveryMs = -1;
    if (udp != 0) {
        SpinUntil(30000, [&] {
            discovery.writeDatagram("RSP", QHostAddress::LocalHost, udp);
            if (discovery.waitForReadyRead(5) && discovery.receiveDatagram().data().startsWith("RCP"))
                discoveryMs = started.nsecsElapsed() / 1e6;
            return discoveryMs >= 0 || program.state() != QProcess::Running;
        });
        if (discoveryMs < 0)
            return false;
    }
    // Discovery answers before the program has finished starting; the server answers GetInfo once it opened,
    // at the end of the start.
    bool served = false;
    SpinUntil(30000, [&] {
        served = GetInfoMs(tcp) >= 0;
        return served || program.state() != QProcess::Running;
    });
    servedMs = served ? started.nsecsElapsed() / 1e6 : -1;
    return served;
}

// Fetches the paths in turn over one kept-alive connection, as a phone fetches a View's images; each fetch's time
// in ms (empty when one failed) and the bodies as they came over the wire.
std::vector<double> FetchAll(quint16 port, const QStringList& paths, QList<QByteArray>* bodies) {
    std::vector<double> times;
    QTcpSocket s;
    s.connectToHost(QHostAddress::LocalHost, port);
    if (!s.waitForConnected(5000))
        return {};
    QByteArray got;
    for (const QString& path : paths) {
        QElapsedTimer clock;
        clock.start();
        s.write("GET " + path.toLatin1() + " HTTP/1.1\r\nHost: x\r\nConnection: Keep-Alive\r\n\r\n");
        int headEnd = -1;
        qint64 length = -1;
        const bool done = SpinUntil(10000, [&] {
            got += s.readAll();
            if (headEnd < 0 && (headEnd = got.indexOf("\r\n\r\n")) >= 0) {
                for (const QByteArray& line : got.left(headEnd).split('\n'))
                    if (line.toLower().startsWith("content-length:"))
                        length = line.mid(15).trimmed().toLongLong();
            }
            return headEnd >= 0 && length >= 0 && got.size() >= headEnd + 4 + length;
        });
        if (!done)
            return {};
        times.push_back(clock.nsecsElapsed() / 1e6);
        if (bodies)
            bodies->append(got.mid(headEnd + 4, int(length)));
        got.remove(0, headEnd + 4 + int(length));
    }
    return times;
}

// The static file server: answers "GET /<name>" with the file's bytes read from the folder, in a process of its
// own, on its main thread.
int RunFileServer(const QString& folder) {
    QTcpServer server;
    if (!server.listen(QHostAddress::LocalHost, 0))
        return 1;
    QObject::connect(&server, &QTcpServer::newConnection, &server, [&server, folder] {
        while (QTcpSocket* socket = server.nextPendingConnection()) {
            auto request = std::make_shared<QByteArray>();
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket, request, folder] {
                *request += socket->readAll();
                for (int end; (end = request->indexOf("\r\n\r\n")) >= 0; request->remove(0, end + 4)) {
                    const QByteArray name = request->left(end).split(' ').value(1).mid(1);
                    QFile file(folder + QLatin1Char('/') + QString::fromLatin1(name));
                    const QByteArray body = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
                    socket->write("HTTP/1.1 200 OK\r\nContent-Length: " + QByteArray::number(body.size()) +
                                  "\r\nConnection: Keep-Alive\r\n\r\n" + body);
                }
            });
        }
    });
    std::printf("port %u\n", unsigned(server.serverPort()));
    std::fflush(stdout);
    return QCoreApplication::exec();
}

double Median(const std::vector<double>& v) {
    return Percentile(v, 50);
}

void PrintSeries(const char* name, const std::vector<double>& v, const std::vector<double>& yard = {},
                 const char* yardName = "") {
    if (v.empty())
        return;
    std::printf("%-36s median %8.1f ms  min %8.1f  max %8.1f (n=%zu)\n", name, Median(v),
                *std::min_element(v.begin(), v.end()), *std::max_element(v.begin(), v.end()), v.size());
    if (yard.size() != v.size() || yard.empty())
        return;
    std::vector<double> ratios;
    for (size_t i = 0; i < v.size(); ++i)
        ratios.push_back(v[i] / yard[i]);
    std::printf("%-36s median %8.1f ms  min %8.1f  max %8.1f; ratio run by run: median %.2fx, min %.2fx, max "
                "%.2fx\n",
                yardName, Median(yard), *std::min_element(yard.begin(), yard.end()),
                *std::max_element(yard.begin(), yard.end()), Median(ratios),
                *std::min_element(ratios.begin(), ratios.end()), *std::max_element(ratios.begin(), ratios.end()));
}

double LoadAverage() {
    QFile f(QStringLiteral("/proc/loadavg"));
    return f.open(QIODevice::ReadOnly) ? f.readAll().split(' ').value(0).toDouble() : -1;
}

// The first minute, run by run: the program started cold on a user folder that has seen its first start, timed
// to discovery and to GetInfo answered; a phone connects at once and gets its first View; the images that its
// tab list and that View name are fetched (the first pass, each image asked for the first time). Against: the
// yardstick program started and timed to GetInfo, and a static file server serving the same bytes.
int RunStarts(const Options& o) {
    ProgramSetup setup;
    if (!setup.Prepare(o.program, 1))
        return 2;
    QTemporaryDir files;
    std::vector<double> discovery, served, firstView, pass, largest, yardServed, staticPass, loads;
    for (int run = 0; run < o.starts; ++run) {
        loads.push_back(LoadAverage());
        QProcess program;
        double discoveryMs = -1, servedMs = -1;
        if (!StartUntilServed(program, o.program, {}, setup.env, setup.tcp, setup.udp, discoveryMs, servedMs)) {
            std::printf("run %d: the program did not answer\n", run);
            return 2;
        }
        QElapsedTimer sinceServed;
        sinceServed.start();
        discovery.push_back(discoveryMs);
        served.push_back(servedMs);
        std::vector<double> unused;
        Phone phone(0, setup.tcp, &unused);
        phone.collectImages = true;
        if (!SpinUntil(10000, [&] { return phone.views > 0; })) {
            std::printf("run %d: no first View\n", run);
            return 2;
        }
        firstView.push_back(servedMs + sinceServed.nsecsElapsed() / 1e6);
        QStringList paths;
        for (const QString& id : qAsConst(phone.imageIds))
            paths << QStringLiteral("/GetRsc?cs=") + id;
        QList<QByteArray> bodies;
        QElapsedTimer passClock;
        passClock.start();
        const std::vector<double> times = FetchAll(setup.tcp, paths, &bodies);
        pass.push_back(passClock.nsecsElapsed() / 1e6);
        if (times.size() != size_t(paths.size())) {
            std::printf("run %d: an image fetch failed\n", run);
            return 2;
        }
        largest.push_back(times.empty() ? 0 : *std::max_element(times.begin(), times.end()));
        phone.socket.close();
        program.terminate();
        program.waitForFinished(30000);

        // The same bytes from a static file server.
        QStringList names;
        for (int i = 0; i < bodies.size(); ++i) {
            QFile f(files.path() + QStringLiteral("/%1-%2").arg(run).arg(i));
            if (!f.open(QIODevice::WriteOnly) || f.write(bodies.at(i)) != bodies.at(i).size())
                return 2;
            names << QStringLiteral("/%1-%2").arg(run).arg(i);
        }
        QProcess fileServer;
        const quint16 filePort = StartHelper(fileServer, {QStringLiteral("--file-server"), files.path()});
        if (filePort == 0)
            return 2;
        passClock.restart();
        FetchAll(filePort, names, nullptr);
        staticPass.push_back(passClock.nsecsElapsed() / 1e6);
        fileServer.kill();
        fileServer.waitForFinished();

        if (!o.yardstick.isEmpty()) {
            QProcess yard;
            QProcessEnvironment env = setup.env;
            const quint16 port = FreePort(false);
            env.insert(QStringLiteral("MERVEX_TCP_PORT"), QString::number(port));
            if (!StartUntilServed(yard, o.yardstick, {QStringLiteral("--http")}, env, port, 0, discoveryMs, servedMs))
                return 2;
            yardServed.push_back(servedMs);
            yard.terminate();
            yard.waitForFinished(30000);
        }
        std::printf("run %d: GetInfo %.1f ms, first View %.1f ms, %lld images in %.1f ms\n", run, served.back(),
                    firstView.back(), qint64(paths.size()), pass.back());
        std::fflush(stdout);
    }
    std::printf("%d cold starts; load average during the runs: %.2f to %.2f\n", o.starts,
                *std::min_element(loads.begin(), loads.end()), *std::max_element(loads.begin(), loads.end()));
    PrintSeries("start to discovery answering", discovery);
    PrintSeries("start to GetInfo answered", served, yardServed, "  minimal Qt program, same");
    PrintSeries("start to the first View", firstView);
    PrintSeries("first View's images, first pass", pass, staticPass, "  static file server, same bytes");
    PrintSeries("  largest single image", largest);
    return 0;
}

int Run(const Options& o) {
    std::vector<double> echoTrips;
    if (o.echo)
        echoTrips = EchoRoundTrips(o.phones, o.seconds, o.intervalMs, o.burst, o.backToBack);

    ProgramSetup setup;
    if (!setup.Prepare(o.program, o.phones + 1))
        return 2;
    const quint16 tcp = setup.tcp;
    QProcess program;
    double discoveryMs = -1, servedMs = -1;
    const bool served = StartUntilServed(program, o.program, {}, setup.env, tcp, setup.udp, discoveryMs, servedMs);
    std::printf("start to discovery answering: %.1f ms\n", discoveryMs);
    if (discoveryMs < 0)
        return 2;
    if (!served) {
        std::printf("the server never answered GetInfo\n");
        return 2;
    }
    std::printf("start to the server answering: %.1f ms\n", servedMs);
    // RSS at start is read once the start has settled.
    SpinUntil(1000, [] { return false; });
    const qint64 pid = program.processId();
    const qint64 rssStart = RssKb(pid);
    qint64 rssPeak = rssStart;

    std::vector<double> cmToView, getInfo, newSession;
    std::vector<std::unique_ptr<Phone>> phones;
    for (int i = 0; i < o.phones; ++i)
        phones.emplace_back(new Phone(i, tcp, &cmToView, o.click, o.backToBack));
    SpinUntil(20000,
              [&] { return std::all_of(phones.begin(), phones.end(), [](const auto& p) { return p->connected; }); });
    int connected = 0;
    std::vector<double> connects;
    for (const auto& p : phones) {
        connected += p->connected ? 1 : 0;
        if (p->connected)
            connects.push_back(p->connectMs);
    }
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
    if (o.backToBack) {
        // Every phone has its first View before the first message goes.
        SpinUntil(5000, [&] {
            return std::all_of(phones.begin(), phones.end(), [](const auto& p) { return p->views > 0; });
        });
        for (const auto& p : phones)
            p->SendControlMessage();
    } else {
        StartSending(cm, phones.size(), o.intervalMs, o.burst, [&](size_t i) { phones[i]->SendControlMessage(); });
    }
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

    if (o.backToBack)
        std::printf("phones %d, %d s, each control message as soon as the last one's View came; %d View pushes\n",
                    o.phones, o.seconds, views);
    else
        std::printf("phones %d, %d s, a control message every %d ms; %d View pushes\n", o.phones, o.seconds,
                    o.intervalMs, views);
    std::printf("load average at the end of the run: %.2f\n", LoadAverage());
    std::printf("program CPU during the run: %.2f %% of one core\n", cpuPercent);
    PrintFigure("Connect, all at once", connects);
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
    if (args.value(1) == QLatin1String("--file-server"))
        return RunFileServer(args.value(2));
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
        else if (name == QLatin1String("--back-to-back"))
            o.backToBack = value.toInt() != 0;
        else if (name == QLatin1String("--starts"))
            o.starts = std::clamp(value.toInt(), 0, 100);
        else if (name == QLatin1String("--yardstick"))
            o.yardstick = value;
        else {
            std::printf("unknown option %s\n", qPrintable(name));
            return 2;
        }
    }
    if (o.program.isEmpty()) {
        std::printf("usage: load_phones --program <vellichor> [--phones N] [--seconds S] [--interval ms] "
                    "[--malformed N] [--probes 0|1] [--echo 0|1] [--click <caption>] [--burst 0|1] "
                    "[--back-to-back 0|1]\n"
                    "       load_phones --program <vellichor> --starts N [--yardstick <qt_yardstick>]\n");
        return 2;
    }
    if (o.backToBack && o.click.isEmpty()) {
        std::printf("--back-to-back needs --click: each message must change the look to be answered\n");
        return 2;
    }
    return o.starts > 0 ? RunStarts(o) : Run(o);
}
