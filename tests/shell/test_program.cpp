// The program binary itself: a second start hands its command line to the first instance and ends; a
// headless start and stop runs its steps in order and saves the user configuration; a running program
// answers a phone's discovery datagram and its HTTP information request; a flood of malformed input from one
// local host leaves its log readable.
#include "config/datacfg.h"
#include "config/ziputils.h"
#include "shell/mervapp.h"

#include <QHostAddress>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QUdpSocket>
#include <QtTest>

#include <csignal>
#include <memory>
#include <unistd.h>
#include <vector>

namespace {
// A private runtime folder for one run of the program: its lock, its log and its temporary files.
struct ProgramRun {
    QTemporaryDir runtime;
    QTemporaryDir user;
    QProcess process;

    ProgramRun() { QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); }

    // stderrPath: a file for the program's standard error stream, else it goes to this test's.
    void Start(const QStringList& args, const QMap<QString, QString>& extra = {}, const QString& stderrPath = {}) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        env.insert(QStringLiteral("MERVEX_USER_DIR"), user.path());
        env.insert(QStringLiteral("MERVEX_INSTANCE_NAME"), QStringLiteral("program-test"));
        env.insert(QStringLiteral("MERVEX_TCP_PORT"), QStringLiteral("0"));
        env.insert(QStringLiteral("MERVEX_UDP_PORT"), QStringLiteral("0"));
        for (auto it = extra.begin(); it != extra.end(); ++it)
            env.insert(it.key(), it.value());
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(stderrPath.isEmpty() ? QProcess::ForwardedErrorChannel
                                                           : QProcess::SeparateChannels);
        process.setStandardOutputFile(QProcess::nullDevice());
        if (!stderrPath.isEmpty())
            process.setStandardErrorFile(stderrPath);
        process.start(QStringLiteral(VELLICHOR_BINARY), args);
    }
    QString LogPath() const { return runtime.path() + QStringLiteral("/MERVEX/Velli-Chor/log.txt"); }
    QStringList LogLines() const {
        QFile f(LogPath());
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
    }
    ~ProgramRun() {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(5000);
        }
    }
};

quint16 FreeTcpPort() {
    QTcpServer s;
    s.listen(QHostAddress::LocalHost, 0);
    return s.serverPort();
}

quint16 FreeUdpPort() {
    QUdpSocket s;
    s.bind(QHostAddress(QHostAddress::LocalHost), 0);
    return s.localPort();
}
} // namespace

class TestProgram : public QObject {
    Q_OBJECT

private slots:
    void secondStartHandsOverItsArguments() {
        // This test process is the first instance of the name the program will use.
        MervApp* app = static_cast<MervApp*>(qApp);
        QVERIFY(!app->isRunning());
        QSignalSpy received(app, &MervApp::messageReceived);

        QProcess second;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("MERVEX_INSTANCE_NAME"), app->instanceName());
        second.setProcessEnvironment(env);
        // A package named relative to the folder the second start runs in reaches the first one whole.
        QTemporaryDir folder;
        second.setWorkingDirectory(folder.path());
        const QString where = QDir(folder.path()).canonicalPath();
        const QStringList args = QStringList() << QStringLiteral("/tmp/a grid.mvlp") << QStringLiteral("x.mvlp")
                                               << QStringLiteral("sub/y.mvlc") << QStringLiteral("-log");
        second.start(QStringLiteral(VELLICHOR_BINARY), args);
        QVERIFY(second.waitForStarted());
        // The messages arrive through this process's event loop.
        QTRY_VERIFY_WITH_TIMEOUT(second.state() == QProcess::NotRunning, 30000);
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        // Each is acted on from the event loop, after its answer went out.
        QTRY_COMPARE(received.size(), 6);

        QStringList messages;
        for (const QList<QVariant>& m : received)
            messages << m.at(0).toString();
        QCOMPARE(messages, QStringList() << QStringLiteral("activate") << QStringLiteral("arg: " VELLICHOR_BINARY)
                                         << QStringLiteral("arg: /tmp/a grid.mvlp")
                                         << QStringLiteral("arg: ") + where + QStringLiteral("/x.mvlp")
                                         << QStringLiteral("arg: ") + where + QStringLiteral("/sub/y.mvlc")
                                         << QStringLiteral("arg: -log"));
    }

    void oversizedMessageIsRefused() {
        MervApp* app = static_cast<MervApp*>(qApp);
        QSignalSpy received(app, &MervApp::messageReceived);
        QLocalSocket socket;
        socket.connectToServer(MervApp::ServerName(app->instanceName()));
        QVERIFY(socket.waitForConnected(5000));
        const char head[] = {0x7f, 0, 0, 0}; // about 2 GB announced
        socket.write(head, 4);
        socket.flush();
        QTRY_COMPARE_WITH_TIMEOUT(socket.state(), QLocalSocket::UnconnectedState, 10000);
        QCOMPARE(received.size(), 0);
    }

    void startAndStopInOrder() {
        ProgramRun run;
        run.Start(QStringList() << QStringLiteral("--smoke"));
        QVERIFY(run.process.waitForFinished(60000));
        QCOMPARE(run.process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(run.process.exitCode(), 0);

        const QStringList lines = run.LogLines();
        const QStringList steps = {"MervexApp: starting",
                                   "PAL::Init",
                                   "MervexWnd::DeferredInit0:",
                                   "MervexWnd::DeferredInit1: phone server listening",
                                   "MervexWnd::DeferredInit1: start-up finished",
                                   "MervexWnd::prepclose: done",
                                   "main: event loop ended",
                                   "MervexWnd::SaveAtExit: user configuration saved",
                                   "main: profiler stopped",
                                   "main: main window destroyed",
                                   "PAL::Exit",
                                   "main: platform layer stopped"};
        int at = -1;
        for (const QString& step : steps) {
            int found = -1;
            for (int i = at + 1; i < lines.size() && found < 0; ++i) {
                if (lines[i].contains(step))
                    found = i;
            }
            QVERIFY2(found > at, qPrintable(QStringLiteral("not found in order: ") + step));
            at = found;
        }
        const QStringList bad = lines.filter(QRegularExpression(QStringLiteral("^\\s*(ERROR|FATAL) ")));
        QVERIFY2(bad.isEmpty(), qPrintable(bad.join(QLatin1Char('\n'))));
        // A build with the development update key says so once, at start.
        QFile key(QStringLiteral(MERVEX_UPDATE_KEY)), devKey(QStringLiteral(MERVEX_DEV_UPDATE_KEY));
        QVERIFY(key.open(QIODevice::ReadOnly) && devKey.open(QIODevice::ReadOnly));
        const QStringList devKeyLines =
            lines.filter(QRegularExpression(QStringLiteral("^ WARN .*development update key")));
        QCOMPARE(devKeyLines.size(), key.readAll() == devKey.readAll() ? 1 : 0);

        // The close sequence ends with the user configuration on disk, first-start flag included.
        QFile cfg(run.user.path() + QStringLiteral("/userCfg.json"));
        QVERIFY(cfg.open(QIODevice::ReadOnly));
        const QByteArray text = cfg.readAll();
        QVERIFY(text.contains("FirstHelpShown"));
        QVERIFY(text.contains("CustomGrid:Custom Grid 1"));
    }

    // The user configuration cannot be written at the end: the log says so as an error, not "saved", and the
    // exit code is no success.
    void failedSaveAtTheEndIsAnError() {
        ProgramRun run;
        QVERIFY(QDir().mkpath(JsonTempName(run.user.path() + QStringLiteral("/userCfg.json"))));
        run.Start(QStringList() << QStringLiteral("--smoke"));
        QVERIFY(run.process.waitForFinished(60000));
        QCOMPARE(run.process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(run.process.exitCode(), 1);
        const QStringList lines = run.LogLines();
        QCOMPARE(
            lines.filter(QRegularExpression(QStringLiteral("^ERROR .*the user configuration was not saved: "))).size(),
            1);
        QVERIFY(lines.filter(QStringLiteral("user configuration saved")).isEmpty());
        QVERIFY(!lines.filter(QStringLiteral("main: platform layer stopped")).isEmpty());
    }

    // A logout (SIGTERM), Ctrl+C (SIGINT) or a closed terminal (SIGHUP) ends the program through its close
    // sequence, with the user configuration saved, not at once.
    void signalsEndThroughTheCloseSequence_data() {
        QTest::addColumn<int>("signalNumber");
        QTest::addColumn<bool>("firstStart");
        QTest::newRow("SIGTERM") << int(SIGTERM) << false;
        QTest::newRow("SIGINT") << int(SIGINT) << false;
        QTest::newRow("SIGHUP") << int(SIGHUP) << false;
        // The first start waits in the add-device popup's own event loop.
        QTest::newRow("SIGTERM in the first-start popup") << int(SIGTERM) << true;
    }

    void signalsEndThroughTheCloseSequence() {
        QFETCH(int, signalNumber);
        QFETCH(bool, firstStart);
        ProgramRun run;
        if (!firstStart) {
            run.Start(QStringList() << QStringLiteral("--smoke"));
            QVERIFY(run.process.waitForFinished(60000));
            QCOMPARE(run.process.exitCode(), 0);
        }
        QFile::remove(run.LogPath()); // the lines of the first run must not count
        run.Start(QStringList());
        QVERIFY(run.process.waitForStarted());
        const QString ready = firstStart ? QStringLiteral("MervexWnd::DeferredInit1: phone server listening")
                                         : QStringLiteral("MervexWnd::DeferredInit1: start-up finished");
        QTRY_VERIFY_WITH_TIMEOUT(!run.LogLines().filter(ready).isEmpty(), 60000);
        if (firstStart)
            QTest::qWait(300); // into the popup
        QCOMPARE(::kill(pid_t(run.process.processId()), signalNumber), 0);
        QVERIFY(run.process.waitForFinished(30000));
        QCOMPARE(run.process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(run.process.exitCode(), 0);

        const QStringList lines = run.LogLines();
        int at = -1;
        for (const QString& step :
             {QStringLiteral("TermSignals: signal %1 received").arg(signalNumber),
              QStringLiteral("MervexWnd::prepclose: done"),
              QStringLiteral("MervexWnd::SaveAtExit: user configuration saved"),
              QStringLiteral("main: profiler stopped"), QStringLiteral("main: platform layer stopped")}) {
            int found = -1;
            for (int i = at + 1; i < lines.size() && found < 0; ++i)
                if (lines[i].contains(step))
                    found = i;
            QVERIFY2(found > at, qPrintable(QStringLiteral("not found in order: ") + step));
            at = found;
        }
        QFile cfg(run.user.path() + QStringLiteral("/userCfg.json"));
        QVERIFY(cfg.open(QIODevice::ReadOnly));
        QVERIFY(cfg.readAll().contains("FirstHelpShown"));
    }

    void pluginUsesTheExportedApi() {
        // The program gives out every member of the plug-in API by name...
        QProcess nm;
        nm.start(QStringLiteral("nm"), {QStringLiteral("-D"), QStringLiteral("--defined-only"), QStringLiteral("-C"),
                                        QStringLiteral(VELLICHOR_BINARY)});
        QVERIFY(nm.waitForFinished(30000));
        const QString exported = QString::fromLatin1(nm.readAllStandardOutput());
        for (const char* name : {"PluginTools::GetTempPath()",
                                 "PluginTools::GetDataPath()",
                                 "PluginTools::GetUserPath()",
                                 "PluginTools::GetMainWindowHandle()",
                                 "PluginTools::GetWebCache()",
                                 "PluginTools::ResolvePath(QString const&)",
                                 "PluginTools::RelativePath(QString const&)",
                                 "PluginTools::AddWindowMessageProxy(IWindowMessageProxy*)",
                                 "PluginTools::RemWindowMessageProxy(IWindowMessageProxy*)",
                                 "PluginTools::GetRootCAs()",
                                 "PluginTools::DoTidyHtml2Xml(char const*)",
                                 "PluginTools::operator=(PluginTools const&)",
                                 "PluginLogger::GetLogLevel()",
                                 "PluginLogger::operator=(PluginLogger const&)",
                                 "PluginLogger::Helper::Helper(PluginLogger::LogLevel)",
                                 "PluginLogger::Helper::Helper(PluginLogger::Helper const&)",
                                 "PluginLogger::Helper::operator=(PluginLogger::Helper const&)",
                                 "PluginLogger::Helper::stream()",
                                 "PluginLogger::Helper::~Helper()",
                                 "PluginLogger::Helper::writeToLog()"})
            QVERIFY2(exported.contains(QLatin1String(" T ") + QLatin1String(name) + QLatin1Char('\n')), name);

        // ...and a plug-in in the user folder, allowed to load, uses all of it inside the running program.
        ProgramRun run;
        const QString folder = run.user.path() + QStringLiteral("/Plugins/ApiPlugin/");
        QVERIFY(QDir().mkpath(folder));
        const QString library = folder + QStringLiteral("libapiplugin.so");
        QVERIFY(QFile::copy(QStringLiteral(MERVEX_API_PLUGIN), library));
        QFile description(folder + QStringLiteral("plugin.json"));
        QVERIFY(description.open(QIODevice::WriteOnly));
        description.write(R"({ "Name": "ApiPlugin", "DynamicLibraries": ["libapiplugin.so"] })");
        description.close();
        QFile userCfg(run.user.path() + QStringLiteral("/userCfg.json"));
        QVERIFY(userCfg.open(QIODevice::WriteOnly));
        userCfg.write(
            QStringLiteral(R"({ "DynamicLibraries": [ { "Rsc": "%1", "CheckSum": "%2", "Permission": "Always" } ] })")
                .arg(QFileInfo(library).canonicalFilePath(), FileHashBase64(library))
                .toUtf8());
        userCfg.close();
        run.Start(QStringList() << QStringLiteral("--smoke"));
        QVERIFY(run.process.waitForFinished(60000));
        QCOMPARE(run.process.exitCode(), 0);

        QFile evidence(run.user.path() + QStringLiteral("/api-plugin.txt"));
        QVERIFY2(evidence.open(QIODevice::ReadOnly), "the plug-in did not run");
        const QStringList used = QString::fromUtf8(evidence.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(used, QStringList({"GetTempPath", "GetDataPath", "GetUserPath", "GetMainWindowHandle", "GetWebCache",
                                    "ResolvePath", "RelativePath", "AddWindowMessageProxy", "RemWindowMessageProxy",
                                    "GetRootCAs", "DoTidyHtml2Xml", "PluginTools::operator=", "GetLogLevel",
                                    "PluginLogger::operator=", "Helper"}));
        const QStringList lines = run.LogLines().filter(QStringLiteral("ApiPlugin: helper"));
        QCOMPARE(lines.size(), 3);
        for (const char* text : {"ApiPlugin: helper", "ApiPlugin: helper copy", "ApiPlugin: helper assigned"}) {
            const QStringList found = lines.filter(QRegularExpression(
                QStringLiteral("^\\s*INFO .* %1\\s*$").arg(QRegularExpression::escape(QLatin1String(text)))));
            QVERIFY2(found.size() == 1, text);
        }
    }

    // One local host floods the running program with malformed requests and broken frames: the log and its
    // standard error copy get a few of those lines a second, so the lines written after the flood (a peer's,
    // then the close sequence's) are there.
    void peerFloodLeavesTheLogReadable() {
        const quint16 tcp = FreeTcpPort();
        ProgramRun run;
        const QString errPath = run.runtime.path() + QStringLiteral("/stderr.txt");
        run.Start(QStringList(), {{QStringLiteral("MERVEX_TCP_PORT"), QString::number(tcp)}}, errPath);
        QVERIFY(run.process.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(!run.LogLines().filter(QStringLiteral("start-up finished")).isEmpty(), 60000);

        QElapsedTimer clock;
        clock.start();
        const QByteArray brokenPing = QByteArray("\x89\xfe\x00\x7e"
                                                 "abcd",
                                                 8) +
                                      QByteArray(126, 'p');
        int sent = 0;
        for (int round = 0; round < 20; ++round) {
            std::vector<std::unique_ptr<QTcpSocket>> sockets;
            for (int i = 0; i < 50; ++i, ++sent) {
                sockets.push_back(std::make_unique<QTcpSocket>());
                sockets.back()->connectToHost(QHostAddress::LocalHost, tcp);
                sockets.back()->write(i % 2 ? QByteArray("BROKEN\r\n\r\n")
                                            : "GET / HTTP/1.1\r\nUpgrade: websocket\r\nSec-WebSocket-Key: "
                                              "dGhlIHNhbXBsZSBub25jZQ==\r\n\r\n" +
                                                  brokenPing);
            }
            for (const auto& socket : sockets)
                QTRY_COMPARE_WITH_TIMEOUT(socket->state(), QAbstractSocket::UnconnectedState, 10000);
        }
        const qint64 seconds = clock.elapsed() / 1000 + 1;
        QTest::qWait(1200);
        QTcpSocket late;
        late.connectToHost(QHostAddress::LocalHost, tcp);
        late.write("LATE-MARKER\r\n\r\n");
        QTRY_VERIFY_WITH_TIMEOUT(!run.LogLines().filter(QStringLiteral("LATE-MARKER")).isEmpty(), 10000);
        QCOMPARE(::kill(pid_t(run.process.processId()), SIGTERM), 0);
        QVERIFY(run.process.waitForFinished(30000));

        const QStringList lines = run.LogLines();
        const int peerLines = lines.filter(QStringLiteral("inv_header")).size() +
                              lines.filter(QStringLiteral("QWsSocket::dataReceived")).size();
        // Ten a second, and the late line.
        QVERIFY2(peerLines > 1 && peerLines <= 10 * (seconds + 1) + 1,
                 qPrintable(QStringLiteral("%1 of %2 in %3 s").arg(peerLines).arg(sent).arg(seconds)));
        QVERIFY(!lines.filter(QStringLiteral("NetServer: left out")).isEmpty());
        QVERIFY(!lines.filter(QStringLiteral("main: platform layer stopped")).isEmpty());
        QFile err(errPath);
        QVERIFY(err.open(QIODevice::ReadOnly));
        const QByteArray errText = err.readAll();
        QVERIFY(errText.contains("LATE-MARKER") && errText.contains("main: platform layer stopped"));
        QVERIFY2(errText.count("inv_header") + errText.count("QWsSocket::dataReceived") == peerLines,
                 errText.right(2000).constData());
    }

    void phoneServerAnswers() {
        const quint16 tcp = FreeTcpPort();
        const quint16 udp = FreeUdpPort();
        ProgramRun run;
        run.Start(QStringList(), {{QStringLiteral("MERVEX_TCP_PORT"), QString::number(tcp)},
                                  {QStringLiteral("MERVEX_UDP_PORT"), QString::number(udp)}});
        QVERIFY(run.process.waitForStarted());

        // Discovery: "RSP" is answered with "RCP" and the computer's name, system and machine id.
        QUdpSocket phone;
        QVERIFY(phone.bind(QHostAddress(QHostAddress::LocalHost), 0));
        QByteArray answer;
        QElapsedTimer waited;
        waited.start();
        while (answer.isEmpty() && waited.elapsed() < 30000 && run.process.state() == QProcess::Running) {
            phone.writeDatagram("RSP", QHostAddress::LocalHost, udp);
            if (phone.waitForReadyRead(200)) {
                answer.resize(int(phone.pendingDatagramSize()));
                phone.readDatagram(answer.data(), answer.size());
            }
        }
        QVERIFY2(answer.startsWith("RCP "), answer.constData());
        QCOMPARE(answer.split(' ').size(), 4);

        QProcess curl;
        curl.start(QStringLiteral("curl"), QStringList() << QStringLiteral("-s") << QStringLiteral("--max-time")
                                                         << QStringLiteral("20")
                                                         << QStringLiteral("http://127.0.0.1:%1/GetInfo").arg(tcp));
        if (!curl.waitForStarted())
            QSKIP("curl is not installed");
        QVERIFY(curl.waitForFinished(30000));
        const QByteArray body = curl.readAllStandardOutput();
        QVERIFY2(body.startsWith("MervexSrv\n"), body.constData());
        QVERIFY(body.contains(answer.mid(4).split(' ').first()));
    }
};

int main(int argc, char** argv) {
    MervApp app(argc, argv, QStringLiteral("program-test-%1").arg(::getpid()));
    TestProgram test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_program.moc"
