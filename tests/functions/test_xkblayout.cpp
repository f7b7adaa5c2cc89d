// Typing on the user's keyboard layout: on a private Xvfb display switched between layouts with setxkbmap,
// a macro's text step reaches a real text field as the intended characters, through the X test extension.
// This test alone sends real input, and only to the display it started itself.

#include "functions/macromat.h"
#include "functions/pal/inputsink.h"
#include "functions/pal/keynames.h"
#include "functions/pal/pal.h"
#include "functions/pal/xkbkeyboardlayout.h"
#include "tests/common/gldriver.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

#include <memory>

namespace {
QString g_display; // ":N" of the display this test started; empty when none could be started
}

class TestXkbLayout : public QObject {
    Q_OBJECT

    std::unique_ptr<PAL_INT::XkbKeyboardLayout> m_layout;
    std::unique_ptr<PAL_INT::InputSink> m_sink;

    bool SetLayout(const QString& layout) {
        const int before = m_layout->Reads();
        if (QProcess::execute(QStringLiteral("setxkbmap"), {QStringLiteral("-display"), g_display, layout}) != 0)
            return false;
        // The display announces the new map; the layout reads it again.
        return QTest::qWaitFor([&] { return m_layout->Reads() > before; }, 5000);
    }

private slots:
    void initTestCase() {
        if (g_display.isEmpty())
            QSKIP("No private X display (Xvfb) could be started");
        if (QStandardPaths::findExecutable(QStringLiteral("setxkbmap")).isEmpty())
            QSKIP("setxkbmap is not installed (Debian package x11-xkb-utils)");
        m_layout = PAL_INT::XkbKeyboardLayout::Open(qPrintable(g_display));
        QVERIFY(m_layout);
        m_sink.reset(PAL_INT::NewXTestInputSink());
        QVERIFY(m_sink);
        PAL_INT::SetKeyboardLayout(m_layout.get());
        PAL_INT::SetInputSink(m_sink.get());
    }

    void cleanupTestCase() {
        PAL_INT::SetInputSink(nullptr);
        PAL_INT::SetKeyboardLayout(nullptr);
        const QString glDriver = LoadedGlDriver();
        QVERIFY2(glDriver.isEmpty(), qPrintable(QStringLiteral("a GL driver was loaded: ") + glDriver));
    }

    void typesTheIntendedText_data() {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<int>("scanOfZ");      // where the layout has the key that types "z"
        QTest::addColumn<QString>("altGrKey"); // "*": whichever key the keymap has
        QTest::newRow("us") << "us" << 0x2C << "*";
        QTest::newRow("de") << "de" << 0x15 << "RALT";
        QTest::newRow("fr") << "fr" << 0x11 << "RALT"; // AZERTY
    }
    void typesTheIntendedText() {
        QFETCH(QString, layout);
        QFETCH(int, scanOfZ);
        QFETCH(QString, altGrKey);
        QVERIFY(SetLayout(layout));
        QCOMPARE(int(PAL::KeyNameToCode(QStringLiteral("z")) & 0xFFFF), scanOfZ);
        if (altGrKey != QLatin1String("*"))
            QCOMPARE(m_layout->AltGrKey(), altGrKey);

        QLineEdit field;
        field.show();
        field.activateWindow();
        field.setFocus();
        QTRY_VERIFY(field.hasFocus());
        const QString text = QStringLiteral("yz@ZY#");
        Macromat macro;
        macro.Parse(QStringLiteral("t ") + text);
        QVERIFY(macro.IsRunning());
        QVERIFY(QTest::qWaitFor(
            [&] {
                macro.Process();
                return !macro.IsRunning();
            },
            5000));
        QTRY_COMPARE(field.text(), text);
    }
};

namespace {

// Starts Xvfb on the first free display number from 150; the process, or null.
std::unique_ptr<QProcess> StartXvfb() {
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty())
        return nullptr;
    for (int n = 150; n < 250; ++n) {
        const QString socket = QStringLiteral("/tmp/.X11-unix/X%1").arg(n);
        if (QFile::exists(socket) || QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(n)))
            continue;
        auto process = std::make_unique<QProcess>();
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->start(xvfb, {QStringLiteral(":%1").arg(n), QStringLiteral("-screen"), QStringLiteral("0"),
                              QStringLiteral("640x480x24"), QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        if (!process->waitForStarted())
            return nullptr;
        for (int i = 0; i < 100 && process->state() == QProcess::Running && !QFile::exists(socket); ++i)
            process->waitForFinished(50);
        if (process->state() == QProcess::Running && QFile::exists(socket)) {
            g_display = QStringLiteral(":%1").arg(n);
            return process;
        }
        process->kill();
        process->waitForFinished();
    }
    return nullptr;
}

} // namespace

int main(int argc, char** argv) {
    std::unique_ptr<QProcess> xvfb;
    {
        QCoreApplication starter(argc, argv);
        xvfb = StartXvfb();
    }
    // The widgets of this test live on that display, whatever the test runner asked for.
    if (xvfb) {
        qputenv("DISPLAY", g_display.toLatin1());
        qputenv("QT_QPA_PLATFORM", "xcb");
        qputenv("QT_XCB_GL_INTEGRATION", "none"); // its text field draws without GL
    }
    int result;
    {
        QApplication app(argc, argv);
        TestXkbLayout test;
        result = QTest::qExec(&test, argc, argv);
    }
    if (xvfb) {
        xvfb->terminate();
        xvfb->waitForFinished();
    }
    return result;
}

#include "test_xkblayout.moc"
