// A screenshot of the main window after its start-up, compared with the committed golden image. It runs
// on an X server (xvfb-run) and skips elsewhere. Texts are cleared and the buttons put back at their form
// places first, so the shot does not depend on the machine's fonts.
// Set MERVEX_UPDATE_GOLDENS=1 to rewrite the golden image after an intended change of the drawings.
#include "shell/mervexstyle.h"
#include "shell/mervexwnd.h"
#include "tests/common/gldriver.h"
#include "tests/common/wiredprogram.h"
#include "widgets/imgwidget.h"
#include "widgets/mainctrlbtn.h"

#include <QLabel>
#include <QPropertyAnimation>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {
// Equal sizes and no channel of any pixel further apart than tolerance; counts the pixels that differ.
int DifferentPixels(const QImage& a, const QImage& b, int tolerance) {
    if (a.size() != b.size())
        return -1;
    int bad = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if (qAbs(qRed(p) - qRed(q)) > tolerance || qAbs(qGreen(p) - qGreen(q)) > tolerance ||
                qAbs(qBlue(p) - qBlue(q)) > tolerance)
                ++bad;
        }
    }
    return bad;
}
} // namespace

class ScreenMainWnd : public QObject {
    Q_OBJECT

private slots:
    void mainWindow() {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X server (run under xvfb-run)");
        QApplication::setStyle(new MervexStyle);
        // The golden shows the volume bars as they are without a sound server; the test run's own server
        // (scripts/test.sh) would fill them with its levels.
        qputenv("PULSE_SERVER", "unix:/nonexistent/mervex-no-sound");
        WiredProgram program;
        QVERIFY(program.Started());
        MervexWnd& wnd = *program.Window();

        // Text aside: captions and labels emptied, buttons at their form rectangles.
        const QRect tabRects[] = {{460, 55, 80, 29}, {540, 55, 80, 29}, {620, 55, 80, 29}, {380, 55, 80, 29}};
        for (int i = 0; i < MervexWnd::MainTabCount; ++i) {
            wnd.TabButton(MervexWnd::MainTabKind(i))->SetText(QString());
            wnd.TabButton(MervexWnd::MainTabKind(i))->setGeometry(tabRects[i]);
        }
        const char* const names[] = {"btnOk", "btnApply", "btnCancel"};
        const QRect okRects[] = {{779, 750, 66, 30}, {845, 750, 82, 30}, {927, 750, 90, 30}};
        for (int i = 0; i < 3; ++i) {
            auto* b = wnd.findChild<QPushButtonEx*>(QLatin1String(names[i]));
            QVERIFY(b);
            b->SetText(QString());
            b->setGeometry(okRects[i]);
        }
        for (QLabel* label : wnd.findChildren<QLabel*>())
            label->clear();
        wnd.showEasyWindow();
        // The tab marker where its slide ends.
        for (QPropertyAnimation* animation : wnd.findChildren<QPropertyAnimation*>())
            animation->setCurrentTime(animation->duration());
        QCoreApplication::processEvents();

        const QImage shot = wnd.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QString golden = QStringLiteral(MERVEX_TEST_SOURCE_DIR "/golden/mainwnd_browse.png");
        if (qEnvironmentVariableIntValue("MERVEX_UPDATE_GOLDENS") == 1) {
            QVERIFY(shot.save(golden, "PNG"));
            return;
        }
        const QImage expected = QImage(golden).convertToFormat(QImage::Format_RGB32);
        QVERIFY2(!expected.isNull(), qPrintable("no golden image " + golden));
        const int bad = DifferentPixels(shot, expected, 2);
        if (bad != 0) {
            const QString saved = QDir::temp().filePath(QStringLiteral("mainwnd_browse_actual.png"));
            shot.save(saved, "PNG");
            QFAIL(qPrintable(QStringLiteral("%1 pixels differ (-1: size); this run's shot is %2").arg(bad).arg(saved)));
        }
    }

    void cleanupTestCase() {
        const QString glDriver = LoadedGlDriver();
        QVERIFY2(glDriver.isEmpty(), qPrintable(QStringLiteral("a GL driver was loaded: ") + glDriver));
    }
};

QTEST_MAIN(ScreenMainWnd)
#include "screen_mainwnd.moc"
