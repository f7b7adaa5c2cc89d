#include "foundation/logger/QsLog.h"
#include "foundation/logger/QsLogDest.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <thread>

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
};

QTEST_APPLESS_MAIN(TestLogger)
#include "test_logger.moc"
