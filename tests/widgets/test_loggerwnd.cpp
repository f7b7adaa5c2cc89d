#include "foundation/logger/QsLog.h"
#include "tests/common/logcapture.h"
#include "widgets/loggerwnd.h"
#include "widgets/stdbtn.h"

#include <QComboBox>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QThread>
#include <QtTest>

namespace {
QString ViewText(LoggerWnd& wnd) {
    // Blanks are shown as non-breaking spaces.
    return wnd.findChild<QTextEdit*>(QStringLiteral("txtLog"))->toPlainText().replace(QChar(0xA0), QLatin1Char(' '));
}
} // namespace

class TestLoggerWnd : public QObject {
    Q_OBJECT

private slots:
    void init() { GetLogger().SetLevel(QsLogging::TraceLevel); }

    void lineHtml_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("html");
        QTest::newRow("info") << " INFO 12:00 text"
                              << "<span style='color:#efef20;'>&nbsp;INFO&nbsp;12:00&nbsp;text</span>";
        QTest::newRow("fatal") << "FATAL x"
                               << "<span style='color:#ff0000;'>FATAL&nbsp;x</span>";
        QTest::newRow("error") << "ERROR"
                               << "<span style='color:#cf2020;'>ERROR</span>";
        QTest::newRow("warn") << " WARN a"
                              << "<span style='color:#7f50ef;'>&nbsp;WARN&nbsp;a</span>";
        QTest::newRow("debug") << "DEBUG a"
                               << "<span style='color:#efefa0;'>DEBUG&nbsp;a</span>";
        QTest::newRow("trace") << "TRACE a"
                               << "<span style='color:#efefef;'>TRACE&nbsp;a</span>";
        QTest::newRow("not a level") << "Profile report"
                                     << "<span style='color:#7f7f7f;'>Profile&nbsp;report</span>";
        QTest::newRow("two blanks and a tab")
            << "a  b\tc"
            << "<span style='color:#7f7f7f;'>a&nbsp;&nbsp;b&nbsp;&nbsp;&nbsp;&nbsp;c</span>";
        QTest::newRow("markup escaped") << "<b>&x\ny"
                                        << "<span style='color:#7f7f7f;'>&lt;b&gt;&amp;x<br>y</span>";
    }

    void lineHtml() {
        QFETCH(QString, line);
        QFETCH(QString, html);
        QCOMPARE(LoggerWnd::LineToHtml(line), html);
    }

    void form() {
        LoggerWnd wnd;
        QCOMPARE(wnd.objectName(), QStringLiteral("LoggerWnd"));
        QCOMPARE(wnd.windowTitle(), QStringLiteral("Logger"));
        QCOMPARE(wnd.size(), QSize(600, 500));
        auto* combo = wnd.findChild<QComboBox*>(QStringLiteral("cmbLevel"));
        QCOMPARE(combo->count(), 6);
        QCOMPARE(combo->itemText(3), QStringLiteral("Warn"));
        QVERIFY(wnd.findChild<QTextEdit*>(QStringLiteral("txtLog"))->isReadOnly());
        // Building the window leaves the level alone.
        QCOMPARE(GetLogger().GetLevel(), int(QsLogging::TraceLevel));

        wnd.show();
        QVERIFY(QTest::qWaitForWindowExposed(&wnd));
        wnd.resize(400, 300);
        QCOMPARE(wnd.findChild<QTextEdit*>(QStringLiteral("txtLog"))->geometry(), QRect(0, 22, 400, 278));
        auto* clear = wnd.findChild<StdBtn*>(QStringLiteral("btnClear"));
        QCOMPARE(clear->pos(), QPoint(400 - clear->width(), 0));
    }

    void linesFromThreadsInOrder() {
        LoggerWnd wnd;
        QThread* worker = QThread::create([] {
            for (int i = 0; i < 50; ++i)
                QLOG_INFO() << "worker" << i;
        });
        worker->start();
        QVERIFY(worker->wait(30000));
        delete worker;
        QLOG_INFO() << "main done";
        QTRY_VERIFY(ViewText(wnd).contains(QStringLiteral("main done")));
        const QString text = ViewText(wnd);
        int last = -1;
        for (int i = 0; i < 50; ++i) {
            const int at = text.indexOf(QStringLiteral("worker %1 \n").arg(i));
            QVERIFY2(at > last, qPrintable(text.left(300)));
            last = at;
        }
        QCOMPARE(text.count(QStringLiteral("worker 7 \n")), 1);
        QVERIFY(text.indexOf(QStringLiteral("main done")) > last);
    }

    void levelActsOnEveryDestination() {
        // Another destination beside the window's, to see the level act on every destination.
        LogCapture other;
        {
            LoggerWnd wnd;
            wnd.findChild<QComboBox*>(QStringLiteral("cmbLevel"))->setCurrentIndex(3);
            QCOMPARE(GetLogger().GetLevel(), 3);
            QLOG_DEBUG() << "hidden";
            QLOG_WARN() << "shown";
            QVERIFY(!ViewText(wnd).contains(QStringLiteral("hidden")));
            QVERIFY(ViewText(wnd).contains(QStringLiteral("shown")));
        }
        other.Stop();
        QCOMPARE(other.Lines().size(), 1);
        QVERIFY(other.Lines().first().contains(QStringLiteral("shown")));
    }

    void destroyedWindowGetsNoMoreLines() {
        auto* wnd = new LoggerWnd;
        QLOG_INFO() << "before";
        delete wnd;
        QLOG_INFO() << "after"; // would crash or reach freed memory if it were still a destination
        QCoreApplication::processEvents();
    }

    void buttons() {
        LoggerWnd wnd;
        QLOG_INFO() << "to keep";
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("log.txt"));
        QSignalSpy closed(&wnd, &LoggerWnd::Closed);
        QVERIFY(wnd.SaveTo(path));
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QVERIFY(QString::fromUtf8(saved.readAll()).contains(QStringLiteral("to keep")));
        // The save itself was logged into the view.
        QVERIFY(ViewText(wnd).contains(QStringLiteral("Log file written:")));

        QVERIFY(!wnd.SaveTo(dir.filePath(QStringLiteral("missing/log.txt"))));
        QVERIFY(ViewText(wnd).contains(QStringLiteral("Cannot save file:")));

        QTest::mouseClick(wnd.findChild<StdBtn*>(QStringLiteral("btnPerf")), Qt::LeftButton);
        QVERIFY(!ViewText(wnd).isEmpty());
        QTest::mouseClick(wnd.findChild<StdBtn*>(QStringLiteral("btnClear")), Qt::LeftButton);
        QCOMPARE(ViewText(wnd), QString());

        wnd.show();
        wnd.close();
        QCOMPARE(closed.count(), 1);
    }
};

QTEST_MAIN(TestLoggerWnd)
#include "test_loggerwnd.moc"
