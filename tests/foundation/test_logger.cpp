#include "foundation/logger/QsLog.h"
#include "foundation/logger/QsLogDest.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {
// Counts lines and keeps them, so a test can read what reached a destination.
class RecordingDest : public QsLogging::Destination {
public:
    QStringList lines;
    void write(const QString& line) override { lines << line; }
};

// Built before the logger's first use, so destroyed after it at exit; its line must not find a freed
// logger (the process would crash on its way out and the test fail).
struct LogsAtExit {
    ~LogsAtExit() { QLOG_ERROR() << "LogsAtExit: logging after the logger ended"; }
} g_logsAtExit;

int g_formatted = 0;
struct CountsFormatting {};
QDebug operator<<(QDebug dbg, const CountsFormatting&) {
    ++g_formatted;
    return dbg << "counted";
}
} // namespace

class TestLogger : public QObject {
    Q_OBJECT
private slots:
    void lineFormatAndLevelFilter() {
        RecordingDest dest;
        GetLogger().AddDestination(&dest);
        GetLogger().SetLevel(QsLogging::InfoLevel);
        g_formatted = 0;
        QLOG_DEBUG() << CountsFormatting();
        QCOMPARE(g_formatted, 0);
        QVERIFY(dest.lines.isEmpty());

        QLOG_WARN() << "Cls::Method:" << 42;
        QCOMPARE(dest.lines.size(), 1);
        const QRegularExpression re(
            QStringLiteral("^ WARN \\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d\\.\\d{3} Cls::Method: 42 ?$"));
        QVERIFY2(re.match(dest.lines[0]).hasMatch(), qPrintable(dest.lines[0]));

        QLOG_TRACE() << "hidden";
        QLOG_FATAL() << "shown";
        QCOMPARE(dest.lines.size(), 2);
        QVERIFY(dest.lines[1].startsWith(QStringLiteral("FATAL ")));
        GetLogger().RemoveDestination(&dest);
    }

    void levelOutsideTheTableIsWrittenAsInfo() {
#ifdef NDEBUG
        QVERIFY(QsLogging::FormatLine(9, QStringLiteral("x")).startsWith(QLatin1String(" INFO ")));
        QVERIFY(QsLogging::FormatLine(-1, QStringLiteral("x")).startsWith(QLatin1String(" INFO ")));
#else
        QSKIP("the assertion on a bad level stops a debug build");
#endif
    }

    void destinationListChanges() {
        RecordingDest dest, other;
        GetLogger().SetLevel(QsLogging::TraceLevel);
        GetLogger().AddDestination(&dest);
        GetLogger().AddDestination(&dest);
        QLOG_INFO() << "twice";
        QCOMPARE(dest.lines.size(), 2);
        GetLogger().RemoveDestination(&other); // not listed: nothing changes
        GetLogger().RemoveDestination(&dest);  // both entries go
        QLOG_INFO() << "gone";
        QCOMPARE(dest.lines.size(), 2);
        QLOG_INFO() << "no destinations at all";
    }

    void fileIsTruncatedAndLinesStayWholeAcrossThreads() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("log.txt"));
        {
            QFile f(path);
            QVERIFY(f.open(QFile::WriteOnly));
            f.write("old content from an earlier run\n");
        }
        QsLogging::Destination* file = QsLogging::MakeFileDestination(path);
        GetLogger().SetLevel(QsLogging::TraceLevel);
        GetLogger().AddDestination(file);
        const int perThread = 2000;
        auto writer = [](char tag) {
            const QString text = QString(60, QLatin1Char(tag));
            for (int i = 0; i < perThread; ++i)
                QLOG_INFO() << text;
        };
        std::thread a(writer, 'a'), b(writer, 'b');
        a.join();
        b.join();
        GetLogger().RemoveDestination(file);
        delete file;

        QFile f(path);
        QVERIFY(f.open(QFile::ReadOnly | QFile::Text));
        const QStringList lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2 * perThread);
        const QRegularExpression whole(QStringLiteral("^ INFO \\S+ \"(a{60}|b{60})\" ?$"));
        for (const QString& line : lines)
            QVERIFY2(whole.match(line).hasMatch(), qPrintable(line));
    }

    // The profiler's report goes straight to the file at the end of a run, while other threads may still log.
    void textWrittenStraightToTheFileWhileThreadsLog() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("log.txt"));
        QsLogging::Destination* file = QsLogging::MakeFileDestination(path);
        GetLogger().SetLevel(QsLogging::TraceLevel);
        GetLogger().AddDestination(file);
        const int perThread = 3000;
        auto writer = [](char tag) {
            const QString text = QString(60, QLatin1Char(tag));
            for (int i = 0; i < perThread; ++i)
                QLOG_INFO() << text;
        };
        std::thread a(writer, 'a'), b(writer, 'b');
        const QString report = QStringLiteral("Profile ") + QString(52, QLatin1Char('r'));
        for (int i = 0; i < perThread; ++i)
            file->write(report);
        a.join();
        b.join();
        GetLogger().RemoveDestination(file);
        delete file;

        QFile f(path);
        QVERIFY(f.open(QFile::ReadOnly | QFile::Text));
        const QStringList lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 3 * perThread);
        const QRegularExpression whole(QStringLiteral("^( INFO \\S+ \"(a{60}|b{60})\" ?|Profile r{52})$"));
        for (const QString& line : lines)
            QVERIFY2(whole.match(line).hasMatch(), qPrintable(line));
    }

    // Past its bound the log rotates: the disk holds at most the bound in two files, the latest lines are kept
    // in order up to the last one, the older file of the last run goes at the start, and a line longer than a
    // file holds is cut and says so.
    void fileKeepsItsLatestLinesWithinItsBound() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("log.txt"));
        const QString olderPath = path + QStringLiteral(".1");
        QFile stale(olderPath);
        QVERIFY(stale.open(QFile::WriteOnly));
        stale.write("a line of the last run\n");
        stale.close();
        const qint64 limit = 8192;
        QsLogging::Destination* file = QsLogging::MakeFileDestination(path, limit);
        for (int i = 0; i < 300; ++i)
            file->write(QStringLiteral("line %1 ").arg(i, 4, 10, QLatin1Char('0')) + QString(89, QLatin1Char('x')));
        file->write(QString(100000, QLatin1Char('y')));
        file->write(QStringLiteral("last"));
        delete file;

        QFile olderFile(olderPath), newerFile(path);
        QVERIFY(olderFile.open(QFile::ReadOnly) && newerFile.open(QFile::ReadOnly));
        const QByteArray older = olderFile.readAll(), newer = newerFile.readAll();
        QVERIFY2(older.size() + newer.size() <= limit, qPrintable(QString::number(older.size() + newer.size())));
        QVERIFY(!older.contains("last run"));
        QVERIFY(newer.endsWith("last\n"));
        // Each file after a rotation begins by saying where the lines before it are.
        QVERIFY(newer.startsWith(" INFO ") && newer.left(newer.indexOf('\n')).contains("log.txt.1"));
        QList<int> numbers;
        const QRegularExpression numbered(QStringLiteral("^line (\\d{4}) x{89}$"));
        for (const QByteArray& line : (older + newer).split('\n')) {
            const QRegularExpressionMatch m = numbered.match(QString::fromUtf8(line));
            if (m.hasMatch())
                numbers << m.captured(1).toInt();
        }
        QVERIFY(numbers.size() > 10);
        QCOMPARE(numbers.last(), 299);
        for (int i = 1; i < numbers.size(); ++i)
            QCOMPARE(numbers.at(i), numbers.at(i - 1) + 1);
        const int cut = newer.indexOf("yyyy");
        QVERIFY(cut > 0);
        const QByteArray cutLine = newer.mid(cut, newer.indexOf('\n', cut) - cut);
        QVERIFY(cutLine.endsWith(" [cut from 100000 bytes]"));
        QVERIFY(cutLine.size() < limit / 2);
    }

    // The standard error copy cannot rotate: it is held to its rate, a flood beyond it is left out, and the
    // first line written after a pause says how many lines were. The limiter runs on a clock the test moves,
    // so a slow or loaded machine cannot change what is let through.
    void debugOutputIsHeldToItsRate() {
        std::FILE* stream = std::tmpfile();
        QVERIFY(stream);
        const qint64 rate = 2000, burst = 4000;
        auto now = std::chrono::steady_clock::time_point() + std::chrono::hours(1);
        QsLogging::DebugOutputDestination dest(stream, rate, burst, [&now] { return now; });
        const QByteArray line(99, 'f');
        const auto written = [stream] {
            std::fflush(stream);
            return std::ftell(stream);
        };
        const int flood = 500;
        for (int i = 0; i < flood / 2; ++i)
            dest.write(QString::fromLatin1(line));
        // No time passed: exactly the burst got through, whole lines only.
        QCOMPARE(written(), long(burst));
        // One second refills one second's worth: the notice and as many lines as then fit, no more.
        now += std::chrono::seconds(1);
        for (int i = 0; i < flood / 2; ++i)
            dest.write(QString::fromLatin1(line));
        const long afterFlood = written();
        QVERIFY2(afterFlood > burst + rate - 200 && afterFlood <= burst + rate,
                 qPrintable(QString::number(afterFlood)));
        now += std::chrono::milliseconds(1200);
        dest.write(QStringLiteral("late"));
        std::fflush(stream);
        std::rewind(stream);
        QByteArray out;
        char buf[4096];
        for (size_t n; (n = std::fread(buf, 1, sizeof buf, stream)) > 0;)
            out.append(buf, int(n));
        std::fclose(stream);
        QVERIFY(out.endsWith("\nlate\n"));
        // Each notice stands where lines were left out; together with the lines shown they account for all.
        const QRegularExpression notice(QStringLiteral("WARN \\S+ Log: (\\d+) lines were left out here"));
        int leftOut = 0, notices = 0;
        for (auto it = notice.globalMatch(QString::fromUtf8(out)); it.hasNext(); ++notices)
            leftOut += it.next().captured(1).toInt();
        QCOMPARE(notices, 2);
        QCOMPARE(leftOut + out.count(line), flood);
    }

    // The file is opened and written by a worker: a caller never waits for the disk (here a pipe that nobody
    // reads yet), only for room in the bounded queue; every line handed over is in the file once the
    // destination is deleted.
    void fileIsWrittenOffTheCallersThread_data() {
        QTest::addColumn<qint64>("queueBytes");
        QTest::addColumn<bool>("callerWaits");
        QTest::newRow("queue holds every line") << qint64(1024 * 1024) << false;
        QTest::newRow("queue full") << qint64(2000) << true;
    }
    void fileIsWrittenOffTheCallersThread() {
        QFETCH(qint64, queueBytes);
        QFETCH(bool, callerWaits);
        QTemporaryDir dir;
        const QByteArray path = QFile::encodeName(dir.filePath(QStringLiteral("log.fifo")));
        QCOMPARE(mkfifo(path.constData(), 0600), 0);
        const int count = 100;
        std::atomic<bool> handedOver{false};
        QsLogging::Destination* file = nullptr;
        std::thread caller([&] {
            file = QsLogging::MakeFileDestination(QFile::decodeName(path), QsLogging::FileDestination::DefaultMaxBytes,
                                                  queueBytes);
            for (int i = 0; i < count; ++i)
                file->write(QStringLiteral("%1 ").arg(i, 3, 10, QLatin1Char('0')) + QString(95, QLatin1Char('x')));
            handedOver = true;
        });
        // A caller that never waits is done soon (allowing for a slow, loaded machine); one that waits for room
        // stays blocked until a reader comes.
        QElapsedTimer clock;
        clock.start();
        while (!handedOver && clock.elapsed() < (callerWaits ? 300 : 5000))
            QThread::msleep(5);
        const bool beforeAnyReader = handedOver;

        // The reading end opens: the lines flow.
        const int fd = open(path.constData(), O_RDONLY);
        QVERIFY(fd >= 0);
        QByteArray got;
        std::thread reader([&] {
            char buffer[4096];
            ssize_t n;
            while ((n = read(fd, buffer, sizeof buffer)) > 0)
                got.append(buffer, int(n));
        });
        caller.join();
        delete file; // the file closes after the last line: the reader sees its end
        reader.join();
        close(fd);

        QCOMPARE(beforeAnyReader, !callerWaits);
        const QList<QByteArray> lines = got.split('\n');
        QCOMPARE(lines.size(), count + 1);
        for (int i = 0; i < count; ++i)
            QVERIFY2(lines.at(i) == QByteArray::number(1000 + i).mid(1) + ' ' + QByteArray(95, 'x'), lines.at(i));
    }
};

QTEST_APPLESS_MAIN(TestLogger)
#include "test_logger.moc"
