// The crash window: the record it shows, the choice each button and key makes, its size and layout, and the
// program "vellichor-crash" that the crash handler starts with the record on its standard input.
#include "shell/crashdialog/crashdialog.h"

#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QtTest>

namespace {
// A record as the crash handler writes it: the headline, the name, the frames by module, the modules.
const char kRecord[] = "Assert: The thread used up its stack.\r\nEXCEPTION_STACK_OVERFLOW\r\n"
                       "/usr/bin/vellichor:\r\n"
                       "* 0x55d0c4a1b2c3 CtrlView::OnClientMessage(QString const&) (/src/runtime/ctrlview.cpp,812)\r\n"
                       "* 0x55d0c4a1b400 main (/src/shell/main.cpp,82)\r\n"
                       "\r\n/usr/lib/x86_64-linux-gnu/libc.so.6:\r\n"
                       "* 0x7f0a1e64524a __libc_start_call_main\r\n"
                       "\r\nModules:\r\n"
                       "0x55d0c4a00000-0x55d0c4f31000 /usr/bin/vellichor\r\n"
                       "0x7f0a1e61e000-0x7f0a1e7f3000 /usr/lib/x86_64-linux-gnu/libc.so.6\r\n";

QPushButton* Button(CrashDialog& d, const QString& label) {
    for (QPushButton* b : d.findChildren<QPushButton*>()) {
        if (b->text() == label)
            return b;
    }
    return nullptr;
}
} // namespace

class TestCrashDialog : public QObject {
    Q_OBJECT

private slots:
    void showsTheRecordUnderItsHeadline() {
        CrashDialog d(QString::fromLatin1(kRecord));
        QCOMPARE(d.windowTitle(), QStringLiteral("Assert: The thread used up its stack."));
        QCOMPARE(d.ShownText(),
                 QStringLiteral(
                     "Assert: The thread used up its stack.\n\nEXCEPTION_STACK_OVERFLOW\n"
                     "/usr/bin/vellichor:\n"
                     "* 0x55d0c4a1b2c3 CtrlView::OnClientMessage(QString const&) (/src/runtime/ctrlview.cpp,812)\n"
                     "* 0x55d0c4a1b400 main (/src/shell/main.cpp,82)\n"
                     "\n/usr/lib/x86_64-linux-gnu/libc.so.6:\n"
                     "* 0x7f0a1e64524a __libc_start_call_main\n"
                     "\nModules:\n"
                     "0x55d0c4a00000-0x55d0c4f31000 /usr/bin/vellichor\n"
                     "0x7f0a1e61e000-0x7f0a1e7f3000 /usr/lib/x86_64-linux-gnu/libc.so.6\n"));
        QVERIFY(d.findChild<QPlainTextEdit*>()->isReadOnly());
    }

    void choices_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("choice");
        QTest::newRow("Continue") << "Continue" << 0 << 0;
        QTest::newRow("Abort") << "Abort" << 0 << 1;
        QTest::newRow("Debug") << "Debug" << 0 << 2;
        QTest::newRow("Enter") << "" << int(Qt::Key_Return) << 0;
        QTest::newRow("keypad Enter") << "" << int(Qt::Key_Enter) << 0;
        QTest::newRow("Escape") << "" << int(Qt::Key_Escape) << 1;
        QTest::newRow("Space") << "" << int(Qt::Key_Space) << 2;
        QTest::newRow("closed") << "" << -1 << 1;
    }
    void choices() {
        QFETCH(QString, button);
        QFETCH(int, key);
        QFETCH(int, choice);
        CrashDialog d(QString::fromLatin1(kRecord));
        QTimer::singleShot(0, &d, [&] {
            if (!button.isEmpty())
                QTest::mouseClick(Button(d, button), Qt::LeftButton);
            else if (key < 0)
                d.close();
            else
                QTest::keyClick(d.findChild<QPlainTextEdit*>(), Qt::Key(key));
        });
        QCOMPARE(d.Run(), choice);
        QVERIFY(!d.isVisible());
    }

    void layoutAndScreenshot() {
        CrashDialog d(QString::fromLatin1(kRecord));
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(d.width(), qBound(300, screen.width() / 2, 800));
        QCOMPARE(d.height(), qBound(500, screen.height() / 2, 800));
        // Centred (a window frame may shift it by a few pixels).
        QVERIFY((d.geometry().center() - screen.center()).manhattanLength() <= 8);
        // Three buttons side by side in a 40-pixel strip under the text, each a third of the width.
        int left = 0;
        for (const char* label : {"Continue", "Abort", "Debug"}) {
            QPushButton* b = Button(d, QLatin1String(label));
            QVERIFY(b);
            QCOMPARE(b->geometry().top(), d.height() - 40);
            QCOMPARE(b->height(), 40);
            QCOMPARE(b->x(), left);
            QVERIFY(qAbs(b->width() - d.width() / 3) <= 1);
            QVERIFY(b->width() >= b->sizeHint().width());
            left += b->width();
        }
        QCOMPARE(left, d.width());
        QCOMPARE(d.findChild<QPlainTextEdit*>()->geometry(), QRect(0, 0, d.width(), d.height() - 40));
        const QString shot = QDir(QStringLiteral(MERVEX_TEST_BINARY_DIR)).filePath(QStringLiteral("crashdialog.png"));
        QVERIFY(d.grab().save(shot));
    }

    void programWaitsForTheChoice() {
        QProcess window;
        window.start(QStringLiteral(CRASH_WINDOW), QStringList());
        QVERIFY(window.waitForStarted());
        window.write(kRecord);
        window.closeWriteChannel();
        // Shown and waiting: it does not end by itself.
        QVERIFY(!window.waitForFinished(1500));
        window.kill();
        QVERIFY(window.waitForFinished(5000));
    }
};

QTEST_MAIN(TestCrashDialog)
#include "test_crashdialog.moc"
