// System commands and program starts of controls: what would run (read from the recording stand-ins),
// one real start of a harmless helper, and the resolution of configured program paths.

#include "foundation/logger/QsLog.h"
#include "functions/pal/launch.h"
#include "functions/pal/pal.h"
#include "functions/pal/palbackends.h"
#include "functions/pal/processrunner.h"
#include "functions/pal/syscommands.h"
#include "functions/plugintools.h"
#include "tests/common/logcapture.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using PAL_INT::ProcessResult;
using PAL_INT::RecordingProcessRunner;
using PAL_INT::RecordingSystemPower;

namespace {

bool WriteFile(const QString& path, const QByteArray& content, bool executable = false) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write(content);
    f.close();
    if (executable)
        f.setPermissions(f.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser);
    return true;
}

// The program and arguments of each recorded call.
QList<QStringList> Calls(const RecordingProcessRunner& runner) {
    QList<QStringList> calls;
    for (const RecordingProcessRunner::Call& c : runner.calls)
        calls << (QStringList(c.program) + c.args);
    return calls;
}

} // namespace

class TestSysCommands : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_tool;   // an executable script
    QString m_doc;    // a document
    QString m_folder; // a folder with a blank in its name
    QString m_entry;  // a desktop entry starting m_tool
    RecordingProcessRunner m_runner;
    RecordingSystemPower m_power;

    QString Path(const QString& name) const { return m_dir.path() + QLatin1Char('/') + name; }

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        m_tool = Path(QStringLiteral("tool"));
        QVERIFY(WriteFile(m_tool, "#!/bin/sh\nexit 0\n", true));
        m_doc = Path(QStringLiteral("notes.txt"));
        QVERIFY(WriteFile(m_doc, "text"));
        m_folder = Path(QStringLiteral("my folder"));
        QVERIFY(QDir().mkpath(m_folder));
        m_entry = Path(QStringLiteral("app.desktop"));
        QVERIFY(WriteFile(m_entry, "[Desktop Entry]\nName=App\nExec=" + m_tool.toUtf8() + " --open %U\n"));
        QVERIFY(QDir().mkpath(Path(QStringLiteral("Data"))));
        QVERIFY(WriteFile(Path(QStringLiteral("Data/datatool")), "#!/bin/sh\n", true));
        PluginTools::SetDataPath(Path(QStringLiteral("Data")));
        qputenv("SYSCMD_TEST_DIR", m_dir.path().toUtf8());
    }

    void init() {
        m_runner = RecordingProcessRunner();
        m_power.requests.clear();
        PAL_INT::SetProcessRunner(&m_runner);
        PAL_INT::SetSystemPower(&m_power);
    }

    void cleanup() {
        PAL_INT::SetProcessRunner(nullptr);
        PAL_INT::SetSystemPower(nullptr);
    }

    void splitCommandLine_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("parameters");
        QTest::newRow("program with .exe and a file") << "C:/Tools/app.exe readme.txt"
                                                      << "C:/Tools/app.exe"
                                                      << "readme.txt";
        QTest::newRow("quoted .exe keeps the blank of its parameters") << "\"C:/My Tools/app.exe\" -x"
                                                                       << "C:/My Tools/app.exe"
                                                                       << " -x";
        QTest::newRow("extension in any case") << "run.CMD a b"
                                               << "run.CMD"
                                               << "a b";
        QTest::newRow("no blank, no quote: all program") << "/home/u/Some.Doc"
                                                         << "/home/u/Some.Doc"
                                                         << "";
        QTest::newRow("trimmed") << "  /tmp/x  "
                                 << "/tmp/x"
                                 << "";
        QTest::newRow("extension inside a word does not split") << "/opt/my.executables/run -v"
                                                                << "/opt/my.executables/run"
                                                                << "-v";
        QTest::newRow("first blank ends a plain program") << "/usr/bin/touch /tmp/a b"
                                                          << "/usr/bin/touch"
                                                          << "/tmp/a b";
        QTest::newRow("quoted program") << "\"/opt/my app/run\" --flag"
                                        << "/opt/my app/run"
                                        << " --flag";
        QTest::newRow("desktop entry") << "app.desktop a.txt"
                                       << "app.desktop"
                                       << "a.txt";
        QTest::newRow("unterminated quote") << "\"/opt/x y"
                                            << "/opt/x y"
                                            << "";
        QTest::newRow("system command stays whole") << "!Shutdown now"
                                                    << "!Shutdown now"
                                                    << "";
        QTest::newRow("empty") << ""
                               << ""
                               << "";
    }
    void splitCommandLine() {
        QFETCH(QString, text);
        QFETCH(QString, program);
        QFETCH(QString, parameters);
        QString params = QStringLiteral("stale");
        PAL_INT::SplitCommandLine(text, params);
        QCOMPARE(text, program);
        QCOMPARE(params, parameters);
    }

    void existingPathWithBlanksIsAllProgram() {
        QString text = m_folder;
        QString params;
        PAL_INT::SplitCommandLine(text, params);
        QCOMPARE(text, m_folder);
        QCOMPARE(params, QString());
    }

    void systemCommands_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("requests");
        QTest::newRow("Lock") << "!Lock" << QStringList{"Lock"};
        QTest::newRow("Standby") << "!Standby" << QStringList{"Suspend"};
        QTest::newRow("Hibernate") << "!Hibernate" << QStringList{"Hibernate"};
        QTest::newRow("LogOff") << "!LogOff" << QStringList{"LogOff"};
        QTest::newRow("Restart") << "!Restart" << QStringList{"Reboot"};
        QTest::newRow("Shutdown") << " !Shutdown " << QStringList{"PowerOff"};
        QTest::newRow("lower case is unknown") << "!lock" << QStringList();
        QTest::newRow("bare sign") << "!" << QStringList();
        QTest::newRow("trailing word") << "!Shutdown now" << QStringList();
    }
    void systemCommands() {
        QFETCH(QString, text);
        QFETCH(QStringList, requests);
        LogCapture log;
        PAL::DoExecute(text);
        QCOMPARE(m_power.requests, requests);
        QVERIFY(m_runner.calls.isEmpty()); // never a program, whatever the command
        QCOMPARE(log.Has(QStringLiteral("Unknown System Cmd:")), requests.isEmpty());
    }

    void programStarts_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("call"); // program and arguments; empty: nothing starts
        const QString d = m_dir.path();
        const QString tool = d + "/tool";
        QTest::newRow("program alone") << tool << QStringList{tool};
        QTest::newRow("arguments verbatim, nothing interpreted")
            << tool + " a \"b c\" 'd e' $HOME;rm -rf * `id` > out | cat"
            << QStringList{tool, "a", "b c", "'d", "e'", "$HOME;rm", "-rf", "*", "`id`", ">", "out", "|", "cat"};
        QTest::newRow("quoted program") << "\"" + tool + "\" x" << QStringList{tool, "x"};
        QTest::newRow("environment reference") << "%SYSCMD_TEST_DIR%/tool -q" << QStringList{tool, "-q"};
        QTest::newRow("document opens in its program") << d + "/notes.txt" << QStringList{"xdg-open", d + "/notes.txt"};
        QTest::newRow("folder with a blank") << d + "/my folder" << QStringList{"xdg-open", d + "/my folder"};
        QTest::newRow("address") << "https://example.org/a?b=1&c=$(id)"
                                 << QStringList{"xdg-open", "https://example.org/a?b=1&c=$(id)"};
        QTest::newRow("desktop entry with a file")
            << d + "/app.desktop \"my file.txt\"" << QStringList{tool, "--open", "my file.txt"};
        QTest::newRow("data folder program") << "/datatool -v" << QStringList{d + "/Data/datatool", "-v"};
        QTest::newRow("program on the search path")
            << "sh -c x" << QStringList{QStandardPaths::findExecutable("sh"), "-c", "x"};
        QTest::newRow("empty") << "" << QStringList();
        QTest::newRow("blank") << "   " << QStringList();
        QTest::newRow("nonexistent path") << "/nonexistent/prog arg" << QStringList();
        QTest::newRow("unknown program name") << "no-such-program-4711 arg" << QStringList();
        QTest::newRow("shell text is no program")
            << "echo hi; touch /tmp/pwned"
            << QStringList{QStandardPaths::findExecutable("echo"), "hi;", "touch", "/tmp/pwned"};
    }
    void programStarts() {
        QFETCH(QString, text);
        QFETCH(QStringList, call);
        LogCapture log;
        PAL::DoExecute(text);
        QCOMPARE(Calls(m_runner), call.isEmpty() ? QList<QStringList>() : QList<QStringList>{call});
        if (!call.isEmpty())
            QVERIFY(m_runner.calls.first().detached);
        QVERIFY(log.Has(QStringLiteral("PAL::DoExecute:")));
        QVERIFY(m_power.requests.isEmpty());
    }

    void failedStartIsLogged() {
        m_runner.detachedResult = false;
        LogCapture log;
        PAL::DoExecute(m_tool);
        QCOMPARE(m_runner.calls.size(), 1);
        QVERIFY(log.Has(QStringLiteral("not started")));
    }

    void realStartPassesArgumentsVerbatim() {
        PAL_INT::SetProcessRunner(nullptr);
        const QString script = Path(QStringLiteral("write args"));
        // Writes its arguments after the first, one a line, into the first; the rename makes the file appear whole.
        QVERIFY(
            WriteFile(script,
                      "#!/bin/sh\nout=\"$1\"; shift\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$out.tmp\"\n"
                      "mv \"$out.tmp\" \"$out\"\n",
                      true));
        const QString out = Path(QStringLiteral("args out.txt"));
        const QString marker = Path(QStringLiteral("pwned"));
        PAL::DoExecute("\"" + script + "\" \"" + out + "\" \"a b\" 'q' $(touch " + marker + ") `id` ; *");
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(out), 20000);
        QFile f(out);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts),
                 QStringList({"a b", "'q'", "$(touch", marker + ")", "`id`", ";", "*"}));
        QVERIFY(!QFile::exists(marker));
    }

    void resolveProgramPath_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("expected");
        const QString d = QDir(m_dir.path()).canonicalPath();
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("program") << m_dir.path() + "/tool" << d + "/tool";
        QTest::newRow("doubled separators and dots") << m_dir.path() + "//Data/../tool" << d + "/tool";
        QTest::newRow("backslashes") << QString(m_dir.path() + "/tool").replace('/', '\\') << d + "/tool";
        QTest::newRow("environment reference") << "%SYSCMD_TEST_DIR%/tool" << d + "/tool";
        QTest::newRow("link to the program") << m_dir.path() + "/toollink" << d + "/tool";
        QTest::newRow("desktop entry gives its program") << m_dir.path() + "/app.desktop" << d + "/tool";
        QTest::newRow("installer shortcut") << m_dir.path() + "/App.LNK"
                                            << "";
        QTest::newRow("missing file stays absolute") << m_dir.path() + "/gone" << m_dir.path() + "/gone";
        QTest::newRow("name on the search path")
            << "sh" << QFileInfo(QStandardPaths::findExecutable("sh")).canonicalFilePath();
    }
    void resolveProgramPath() {
        QFETCH(QString, path);
        QFETCH(QString, expected);
        QFile::link(m_tool, Path(QStringLiteral("toollink")));
        QCOMPARE(PAL::ResolveProgramPath(path), expected);
    }

    void desktopEntryCommand_data() {
        QTest::addColumn<QByteArray>("exec");
        QTest::addColumn<QStringList>("expected");
        const QStringList p{"one", "two words"};
        QTest::newRow("file codes take the parameters")
            << QByteArray("prog --a %U") << QStringList{"prog", "--a", "one", "two words"};
        QTest::newRow("without file code they follow")
            << QByteArray("prog -x") << QStringList{"prog", "-x", "one", "two words"};
        QTest::newRow("quoted program") << QByteArray("\"/opt/my app/prog\" %f")
                                        << QStringList{"/opt/my app/prog", "one", "two words"};
        QTest::newRow("other codes dropped, %% kept")
            << QByteArray("prog %i --name=%c 100%% %u") << QStringList{"prog", "--name=", "100%", "one", "two words"};
        QTest::newRow("escapes") << QByteArray("sh -c \"echo \\\\\"x\\\\\"\"")
                                 << QStringList{"sh", "-c", "echo \"x\"", "one", "two words"};
        QTest::newRow("unterminated quote") << QByteArray("prog \"a") << QStringList();
        QTest::newRow("no exec") << QByteArray() << QStringList();
    }
    void desktopEntryCommand() {
        QFETCH(QByteArray, exec);
        QFETCH(QStringList, expected);
        const QString entry = Path(QStringLiteral("t.desktop"));
        QByteArray text = "[Other]\nExec=wrong\n[Desktop Entry]\nName=T\n";
        if (!exec.isEmpty())
            text += "Exec=" + exec + "\n";
        QVERIFY(WriteFile(entry, text));
        QCOMPARE(PAL_INT::DesktopEntryCommand(entry, {"one", "two words"}), expected);
    }

    void processRunnerCollectsOutputAndFailsWithoutProgram() {
        PAL_INT::QProcessRunner runner;
        const ProcessResult echo = runner.Run(QStringLiteral("/bin/echo"), {"a b", "$HOME"}, 10000);
        QVERIFY(echo.Ok());
        QCOMPARE(echo.output, QByteArray("a b $HOME\n"));
        const ProcessResult status = runner.Run(QStringLiteral("/bin/sh"), {"-c", "exit 3"}, 10000);
        QVERIFY(status.started);
        QCOMPARE(status.exitCode, 3);
        QVERIFY(!runner.Run(Path(QStringLiteral("missing")), {}, 10000).started);
        QVERIFY(!runner.Run(QString(), {}, 10000).started);
        QVERIFY(!runner.StartDetached(Path(QStringLiteral("missing")), {}));
    }

    void powerIsOnlyRecordedUnderTest() {
        // The test runner sets this for every test, so power commands that no test replaced are recorded.
        PAL_INT::SetSystemPower(nullptr);
        qputenv("MERVEX_RECORD_POWER", "1");
        QVERIFY(dynamic_cast<RecordingSystemPower*>(&PAL_INT::SystemPower()));
    }
};

QTEST_GUILESS_MAIN(TestSysCommands)
#include "test_syscommands.moc"
