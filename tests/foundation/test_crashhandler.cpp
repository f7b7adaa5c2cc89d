#include "foundation/crashhandler.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

class TestCrashHandler : public QObject {
    Q_OBJECT

private:
    // Runs the helper to its crash; returns the signal that ended it (0 for a normal exit). `more` are the helper's
    // further arguments (crash window, stack program).
    static int RunHelper(const QString& logPath, const QString& mode, const QStringList& more = {}) {
        QProcess proc;
        proc.setProcessChannelMode(QProcess::MergedChannels);
        proc.start(QStringLiteral(CRASH_HELPER), QStringList{logPath, mode} + more);
        if (!proc.waitForFinished(60000))
            return -1;
        return proc.exitStatus() == QProcess::CrashExit ? proc.exitCode() : 0;
    }

    // A crash window that keeps what it was shown and answers with the given exit code.
    static QString StandInWindow(const QTemporaryDir& dir, int answer) {
        const QString path = dir.filePath(QStringLiteral("window.sh"));
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly))
            return QString();
        f.write(QStringLiteral("#!/bin/sh\ncat > '%1'\nexit %2\n").arg(dir.filePath("shown.txt")).arg(answer).toUtf8());
        f.close();
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }

    static QByteArray ReadAll(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // The number of the helper's source line that holds `text`, 0 when none does.
    static int HelperLine(const QString& text) {
        const QStringList lines = QString::fromUtf8(ReadAll(QStringLiteral(CRASH_HELPER_SOURCE))).split('\n');
        for (int i = 0; i < lines.size(); ++i) {
            if (lines[i].contains(text))
                return i + 1;
        }
        return 0;
    }

    // The frame lines of a record ("* 0x<address> <function> (<file>,<line>)").
    static QStringList FrameLines(const QString& record) {
        QStringList frames;
        for (const QString& line : record.split(QStringLiteral("\r\n"))) {
            if (line.startsWith(QLatin1String("* ")))
                frames << line;
        }
        return frames;
    }

private slots:
    void recordPerFault_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<int>("signal");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("explanationStart");
        QTest::newRow("write to null") << "write" << SIGSEGV << "EXCEPTION_ACCESS_VIOLATION(W)"
                                       << "The thread tried to read from or write to a virtual address";
        QTest::newRow("read from null") << "read" << SIGSEGV << "EXCEPTION_ACCESS_VIOLATION(R)"
                                        << "The thread tried to read from or write to a virtual address";
        QTest::newRow("integer division by zero") << "divide" << SIGFPE << "EXCEPTION_INT_DIVIDE_BY_ZERO"
                                                  << "The thread tried to divide an integer value";
        QTest::newRow("abort") << "abort" << SIGABRT << "Win32 Exception"
                               << "unknown";
        QTest::newRow("uncaught exception") << "throw" << SIGABRT << "Win32 Exception"
                                            << "unknown";
        QTest::newRow("stack overflow") << "overflow" << SIGSEGV << "EXCEPTION_STACK_OVERFLOW"
                                        << "The thread used up its stack.";
        QTest::newRow("worker thread writes to null") << "worker-write" << SIGSEGV << "EXCEPTION_ACCESS_VIOLATION(W)"
                                                      << "The thread tried to read from or write to a virtual address";
        QTest::newRow("worker thread stack overflow") << "worker-overflow" << SIGSEGV << "EXCEPTION_STACK_OVERFLOW"
                                                      << "The thread used up its stack.";
    }

    void recordPerFault() {
        QFETCH(QString, mode);
        QFETCH(int, signal);
        QFETCH(QString, name);
        QFETCH(QString, explanationStart);
        QTemporaryDir dir;
        const QString log = dir.filePath(QStringLiteral("crashlog.txt"));
        QCOMPARE(RunHelper(log, mode), signal);

        const QString text = QString::fromLatin1(ReadAll(log));
        const QRegularExpression head(QStringLiteral("^\r\n\r\n(\\d{8}\\.\\d{6}\\.\\d{3})\r\nAssert: (.*)\r\n"));
        const QRegularExpressionMatch m = head.match(text);
        QVERIFY2(m.hasMatch(), qPrintable(text));
        QVERIFY(m.captured(2).startsWith(explanationStart));
        QVERIFY(m.captured(2).contains(name));
        // The stamp is UTC today (or just past midnight).
        const QDateTime stamp = QDateTime::fromString(m.captured(1), QStringLiteral("yyyyMMdd.HHmmss.zzz"));
        QVERIFY(stamp.isValid());
        QVERIFY(qAbs(QDateTime(stamp.date(), stamp.time(), Qt::UTC).secsTo(QDateTime::currentDateTimeUtc())) < 120);
        // A stack follows the headline.
        QVERIFY(text.mid(m.capturedLength()).count(QLatin1Char('\n')) >= 1);
    }

    void recordsAreAppended() {
        QTemporaryDir dir;
        const QString log = dir.filePath(QStringLiteral("crashlog.txt"));
        {
            QFile f(log);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("earlier text");
        }
        QCOMPARE(RunHelper(log, QStringLiteral("write")), SIGSEGV);
        QCOMPARE(RunHelper(log, QStringLiteral("divide")), SIGFPE);
        const QByteArray text = ReadAll(log);
        QVERIFY(text.startsWith("earlier text\r\n\r\n"));
        // Each record opens with an empty line pair and its time stamp (empty lines inside a record part its stack).
        const QRegularExpression opening(QStringLiteral("\r\n\r\n\\d{8}\\.\\d{6}\\.\\d{3}\r\nAssert: "));
        QCOMPARE(QString::fromLatin1(text).count(opening), 2);
        QCOMPARE(text.count("Assert: "), 2);
        QVERIFY(text.indexOf("(W)") < text.indexOf("INT_DIVIDE_BY_ZERO"));
    }

    void windowDecidesTheEnd_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("screen");
        QTest::addColumn<int>("signal");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("continue") << "write" << 0 << true << SIGSEGV << 0;
        QTest::newRow("abort") << "write" << 1 << true << 0 << 1;
        QTest::newRow("abort from a worker") << "worker-write" << 1 << true << 0 << 1;
        QTest::newRow("debug") << "write" << 2 << true << SIGTRAP << 0;
        QTest::newRow("window failed") << "write" << 127 << true << SIGSEGV << 0;
        QTest::newRow("no screen, no window") << "write" << 1 << false << SIGSEGV << 0;
    }
    void windowDecidesTheEnd() {
        QFETCH(QString, mode);
        QFETCH(int, answer);
        QFETCH(bool, screen);
        QFETCH(int, signal);
        QFETCH(int, exitCode);
        QTemporaryDir dir;
        const QString log = dir.filePath(QStringLiteral("crashlog.txt"));
        QProcess proc;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), QStringLiteral(":97"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), screen ? QStringLiteral("xcb") : QStringLiteral("offscreen"));
        proc.setProcessEnvironment(env);
        proc.setProcessChannelMode(QProcess::MergedChannels);
        proc.start(QStringLiteral(CRASH_HELPER), {log, mode, StandInWindow(dir, answer)});
        QVERIFY(proc.waitForFinished(60000));
        QCOMPARE(proc.exitStatus() == QProcess::CrashExit ? proc.exitCode() : 0, signal);
        if (!signal)
            QCOMPARE(proc.exitCode(), exitCode);
        // The record is in the log whatever the answer; the window showed its headline first, then the name.
        QVERIFY(ReadAll(log).contains("Assert: The thread tried to read from or write to"));
        const QByteArray shown = ReadAll(dir.filePath(QStringLiteral("shown.txt")));
        if (!screen) {
            QVERIFY(shown.isEmpty());
            return;
        }
        QVERIFY2(shown.startsWith("Assert: The thread tried to read from or write to a virtual address for which it "
                                  "does not have the appropriate access.\r\nEXCEPTION_ACCESS_VIOLATION(W)\r\n"),
                 shown.constData());
        QVERIFY(shown.count('\n') >= 3);
        // The same named stack as the log's.
        const QByteArray logged = ReadAll(log);
        const QByteArray name("EXCEPTION_ACCESS_VIOLATION(W)\r\n");
        QVERIFY(logged.contains(" (") && logged.contains("crashhelper.cpp,"));
        QCOMPARE(shown.mid(shown.indexOf(name)), logged.mid(logged.indexOf(name)));
    }

    // The stack names each frame's function with its source file and line, grouped under the module's path,
    // starting at the faulting function, and the loaded modules follow.
    void stackNamesTheFaultingFunction_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("first");
        QTest::addColumn<QString>("function");
        QTest::addColumn<QString>("sourceLine");
        QTest::addColumn<QString>("caller");
        QTest::newRow("write to null") << "write" << true << "WriteNull()"
                                       << "*p = 1;"
                                       << "main";
        QTest::newRow("read from null") << "read" << true << "ReadNull()"
                                        << "return *p;"
                                        << "main";
        QTest::newRow("integer division by zero") << "divide" << true << "main"
                                                  << "return 10 / g_zero;"
                                                  << "";
        QTest::newRow("worker thread") << "worker-write" << true << "WriteNull()"
                                       << "*p = 1;"
                                       << "main::{lambda()#1}::operator()";
        QTest::newRow("stack overflow") << "overflow" << true << "Recurse(int)"
                                        << ""
                                        << "Recurse(int)";
        // The uncaught exception's walk starts in the runtime's terminate handling; the thrower is further down.
        QTest::newRow("uncaught exception") << "throw" << false << "main"
                                            << "throw std::runtime_error"
                                            << "";
    }
    void stackNamesTheFaultingFunction() {
        QFETCH(QString, mode);
        QFETCH(bool, first);
        QFETCH(QString, function);
        QFETCH(QString, sourceLine);
        QFETCH(QString, caller);
        QTemporaryDir dir;
        const QString log = dir.filePath(QStringLiteral("crashlog.txt"));
        QVERIFY(RunHelper(log, mode) != 0);
        const QString record = QString::fromLatin1(ReadAll(log));
        const QString helper = QFileInfo(QStringLiteral(CRASH_HELPER)).canonicalFilePath();
        QVERIFY2(record.contains(QLatin1String("\r\n") + helper + QLatin1String(":\r\n* 0x")), qPrintable(record));
        QVERIFY(!record.contains(QLatin1String("without names")));

        const QStringList frames = FrameLines(record);
        QVERIFY(!frames.isEmpty() && frames.size() <= 32);
        // The function's frame: the first one, or the first of the helper's own.
        int at = 0;
        if (!first) {
            while (at < frames.size() && !frames[at].contains(QLatin1String("crashhelper.cpp,")))
                ++at;
            QVERIFY2(at < frames.size(), qPrintable(record));
        }
        const QRegularExpression frameForm(QStringLiteral("^\\* 0x[0-9a-f]{8,} (.+) \\((.+),(\\d+)\\)$"));
        const QRegularExpressionMatch m = frameForm.match(frames[at]);
        QVERIFY2(m.hasMatch(), qPrintable(frames[at]));
        QVERIFY2(m.captured(1).contains(function), qPrintable(frames[at]));
        QCOMPARE(m.captured(2), QStringLiteral(CRASH_HELPER_SOURCE));
        if (!sourceLine.isEmpty())
            QCOMPARE(m.captured(3).toInt(), HelperLine(sourceLine));
        // The caller is named from its return address.
        if (!caller.isEmpty()) {
            QVERIFY(at + 1 < frames.size());
            QVERIFY2(frames[at + 1].contains(caller) && frames[at + 1].contains(QLatin1String("crashhelper.cpp,")),
                     qPrintable(frames[at + 1]));
        }

        // Every loaded module, the helper and the C library among them, with its address range.
        const int modules = record.indexOf(QLatin1String("\r\n\r\nModules:\r\n"));
        QVERIFY2(modules > 0, qPrintable(record));
        const QStringList moduleLines = record.mid(modules).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts).mid(1);
        const QRegularExpression moduleForm(QStringLiteral("^0x[0-9a-f]+-0x[0-9a-f]+ (/.+|\\[vdso\\])$"));
        QStringList paths;
        for (const QString& line : moduleLines) {
            const QRegularExpressionMatch mm = moduleForm.match(line);
            QVERIFY2(mm.hasMatch(), qPrintable(line));
            paths << QFileInfo(mm.captured(1)).fileName();
        }
        QVERIFY(paths.contains(QFileInfo(helper).fileName()));
        QVERIFY2(paths.contains(QStringLiteral("libc.so.6")), qPrintable(paths.join(' ')));
    }

    // Without a working stack program the record says so and still lists the frames, raw.
    void stackWithoutItsProgram_data() {
        QTest::addColumn<QString>("program");
        QTest::newRow("missing") << "/nonexistent/vellichor-crash-stack";
        QTest::newRow("fails") << "/bin/false";
        QTest::newRow("none") << "";
    }
    void stackWithoutItsProgram() {
        QFETCH(QString, program);
        QTemporaryDir dir;
        const QString log = dir.filePath(QStringLiteral("crashlog.txt"));
        QCOMPARE(RunHelper(log, QStringLiteral("write"), {QString(), program}), SIGSEGV);
        const QString record = QString::fromLatin1(ReadAll(log));
        QVERIFY2(record.contains(QLatin1String("EXCEPTION_ACCESS_VIOLATION(W)\r\nStack without names (the stack "
                                               "program gave no answer):\r\n")),
                 qPrintable(record));
        QVERIFY(record.contains(QStringLiteral("%1(").arg(QFileInfo(QStringLiteral(CRASH_HELPER)).fileName())));
        QVERIFY(FrameLines(record).isEmpty());
    }

    void unwritableLogStillEndsByTheSignal() {
        QCOMPARE(RunHelper(QStringLiteral("/nonexistent-folder/crashlog.txt"), QStringLiteral("write")), SIGSEGV);
    }

    void pathThatDoesNotFitIsRefused() {
        const QByteArray longPath = "/tmp/" + QByteArray(300, 'x');
        QVERIFY(!InstallCrashHandler(longPath.constData()));
        QCOMPARE(QByteArray(CrashLogPath()), QByteArray());
        QVERIFY(InstallCrashHandler("relative/crashlog.txt"));
        QCOMPARE(QString::fromLocal8Bit(CrashLogPath()), QDir::current().absoluteFilePath("relative/crashlog.txt"));
        std::signal(SIGSEGV, SIG_DFL);
        std::signal(SIGABRT, SIG_DFL);
        std::signal(SIGFPE, SIG_DFL);
        std::signal(SIGBUS, SIG_DFL);
        std::signal(SIGILL, SIG_DFL);
    }

    void namesOfOtherFaults_data() {
        QTest::addColumn<int>("signal");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("name");
        QTest::newRow("misaligned") << SIGBUS << int(BUS_ADRALN) << "EXCEPTION_DATATYPE_MISALIGNMENT";
        QTest::newRow("paging") << SIGBUS << int(BUS_ADRERR) << "EXCEPTION_IN_PAGE_ERROR";
        QTest::newRow("illegal") << SIGILL << int(ILL_ILLOPC) << "EXCEPTION_ILLEGAL_INSTRUCTION";
        QTest::newRow("privileged") << SIGILL << int(ILL_PRVOPC) << "EXCEPTION_PRIV_INSTRUCTION";
        QTest::newRow("float overflow") << SIGFPE << int(FPE_FLTOVF) << "EXCEPTION_FLT_OVERFLOW";
        QTest::newRow("unknown") << SIGTERM << 0 << "Win32 Exception";
    }

    void namesOfOtherFaults() {
        QFETCH(int, signal);
        QFETCH(int, code);
        QFETCH(QString, name);
        QCOMPARE(QString::fromLatin1(CrashExceptionName(signal, code, false)), name);
        QVERIFY(*CrashExceptionExplanation(signal, code));
    }
};

QTEST_GUILESS_MAIN(TestCrashHandler)
#include "test_crashhandler.moc"
