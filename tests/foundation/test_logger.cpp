#include "foundation/logger/QsLog.h"
#include "foundation/logger/QsLogDest.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
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

    // A run writes at most the limit: whole lines up to it, then one notice, then nothing, whatever comes.
    void fileStopsAtItsLimitWithOneNotice() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("log.txt"));
        const qint64 limit = 4096;
        QsLogging::Destination* file = QsLogging::MakeFileDestination(path, limit);
        const QString line = QString(99, QLatin1Char('x')); // 100 bytes with the line end
        for (int i = 0; i < 100; ++i)
            file->write(line);
        file->write(QString(100000, QLatin1Char('y')));
        file->write(QStringLiteral("short"));
        delete file;

        QFile f(path);
        QVERIFY(f.open(QFile::ReadOnly));
        const QByteArray content = f.readAll();
        const QList<QByteArray> lines = content.split('\n');
        QCOMPARE(lines.last(), QByteArray()); // ends with a whole line
        QCOMPARE(content.count(QByteArray(99, 'x')), 40);
        QCOMPARE(content.count("reached its limit"), 1);
        QVERIFY(lines.at(40).startsWith(" WARN "));
        QVERIFY(!content.contains("yyyy") && !content.contains("short"));
        QVERIFY(content.size() <= limit + 200);
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
