#include "functions/pal/keyboardcapture.h"
#include "functions/pal/pal.h"
#include "functions/pal/shortcutreleasetask.h"
#include "tests/functions/inputtestutil.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QtTest>

namespace {
// X key codes are Linux input key codes plus 8.
constexpr quint32 kXLeftWin = 125 + 8;
constexpr quint32 kXRightCtrl = 97 + 8;
constexpr quint32 kXA = 30 + 8;
constexpr quint32 kXMute = 113 + 8;
constexpr quint32 kXLeft = 105 + 8;

// Keeps what a key event looked like when it arrived.
class KeyReceiver : public QObject {
public:
    struct Seen {
        QEvent::Type type;
        int key;
        quint32 scan;
        quint32 vk;
        quint32 modifiers;
        QString text;
    };
    QList<Seen> seen;
    bool event(QEvent* e) override {
        if (e->type() == QEvent::KeyPress || e->type() == QEvent::KeyRelease) {
            auto* k = static_cast<QKeyEvent*>(e);
            seen.append(
                {e->type(), k->key(), k->nativeScanCode(), k->nativeVirtualKey(), k->nativeModifiers(), k->text()});
            return true;
        }
        return QObject::event(e);
    }
};

void SendKeyEvent(QObject* to, QEvent::Type type, int key, quint32 xKeycode, const QString& text = QString(),
                  Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QKeyEvent e(type, key, mods, xKeycode, 0, 0, text);
    QCoreApplication::sendEvent(to, &e);
}
} // namespace

class TestInput : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { PAL::SetKeyboardCapture(false); }

    void shortcutRecords_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("downs");
        QTest::addColumn<QStringList>("ups");
        QTest::newRow("modifiers up in text order after the key")
            << "LCTRL,LSHIFT+F5" << QStringList{"dn 11/1d", "dn a0/2a", "dn 74/3f"}
            << QStringList{"up 74/3f", "up 11/1d", "up a0/2a"};
        QTest::newRow("windows key and navigation key by virtual key")
            << "LWIN+LEFT" << QStringList{"dn 5b/db vk", "dn 25/cb vk ext"}
            << QStringList{"up 25/cb vk ext", "up 5b/db vk"};
        QTest::newRow("media key by scan code, extended")
            << "MUTE" << QStringList{"dn ad/20 ext"} << QStringList{"up ad/20 ext"};
        QTest::newRow("media key as a modifier is not extended")
            << "VOLUP+A" << QStringList{"dn af/30", "dn 141/1e"} << QStringList{"up 141/1e", "up af/30"};
        QTest::newRow("shifted character keeps its flags in the record")
            << "PLUS" << QStringList{"dn 1bb/0d"} << QStringList{"up 1bb/0d"};
        QTest::newRow("modifiers only") << "LCTRL+" << QStringList{"dn 11/1d"} << QStringList{"up 11/1d"};
        QTest::newRow("unknown key sends nothing") << "NOSUCHKEY" << QStringList{} << QStringList{};
    }
    void shortcutRecords() {
        QFETCH(QString, text);
        QFETCH(QStringList, downs);
        QFETCH(QStringList, ups);
        RecordedInput input;
        PAL::SendShortcut(text, 3);
        QCOMPARE(input.Transcript(), downs);
        QTRY_COMPARE(input.Transcript().size(), downs.size() + ups.size());
        QCOMPARE(input.Transcript().mid(downs.size()), ups);
    }

    void altGrPairAsStored() {
        // The shortcut popup stores AltGr as the keys held, left Ctrl and right Alt: they go down in that order.
        RecordedInput input;
        PAL::SendShortcut(QStringLiteral("LCTRL,RALT+A"), 3);
        QTRY_COMPARE(input.Named().size(), 6);
        QCOMPARE(input.Named(), (QStringList{"dn LCTRL", "dn RALT", "dn A", "up A", "up LCTRL", "up RALT"}));
    }

    void shortcutModes() {
        RecordedInput input;
        LogCapture log;
        PAL::SendShortcut(QStringLiteral("LCTRL+C"), 2);
        QCOMPARE(input.Events().size(), 0);
        QTRY_COMPARE(input.Named(), (QStringList{"up C", "up LCTRL"}));
        QCOMPARE(log.Count(QStringLiteral("PAL::SendShortcut: Up!")), 1);
        QCOMPARE(log.Count(QStringLiteral("PAL::SendShortcut: Down!")), 0);

        input.Clear();
        PAL::SendShortcut(QStringLiteral("LCTRL+C"), 1);
        QCOMPARE(input.Named(), (QStringList{"dn LCTRL", "dn C"}));
        QCOMPARE(log.Count(QStringLiteral("PAL::SendShortcut: Down!")), 1);
        // Mode 1 leaves the keys down: no release task is left behind to send ups.
        QCOMPARE(QCoreApplication::instance()->findChildren<ShortcutReleaseTask*>().size(), 0);
        QCOMPARE(PAL::GetKeyState(QStringLiteral("C")) & 0x8000, 0x8000);
        PAL::SendKey(QStringLiteral("C"), false);
        PAL::SendKey(QStringLiteral("LCTRL"), false);
    }

    void releaseTaskRecords() {
        RecordedInput input;
        ShortcutReleaseTask task;
        QCOMPARE(task.events.size(), ShortcutReleaseTask::kEventCount);
        for (const PAL_INT::InputEvent& e : task.events)
            QCOMPARE(e, PAL_INT::InputEvent::Key(0, 0, PAL_INT::KEF_ScanCode));
        task.events[0] = PAL_INT::InputEvent::Key(0x11, 0x1D, PAL_INT::KEF_ScanCode | PAL_INT::KEF_KeyUp);
        task.downCount = 0;
        task.upCount = 1;
        task.run();
        QCOMPARE(input.Transcript(), QStringList{"up 11/1d"});
    }

    void tooManyModifiers() {
        RecordedInput input;
        LogCapture log;
        QStringList mods;
        for (int i = 0; i < 20; ++i)
            mods << QStringLiteral("SC(%1)").arg(0x10 + i, 0, 16);
        PAL::SendShortcut(mods.join(QLatin1Char(',')) + QStringLiteral("+F1"), 3);
        QCOMPARE(input.Events().size(), 16);
        QCOMPARE(input.Named().last(), QStringLiteral("dn F1"));
        QTRY_COMPARE(input.Events().size(), 32);
        QCOMPARE(log.Count(QStringLiteral("PAL::SendShortcut: modifiers after the 15 th are ignored:")), 1);
    }

    void singleKeys_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("down");
        QTest::addColumn<QStringList>("events");
        QTest::newRow("letter down") << "a" << true << QStringList{"dn 41/1e"};
        QTest::newRow("capital keeps its shift flag") << "A" << false << QStringList{"up 141/1e"};
        QTest::newRow("navigation key") << "DEL" << true << QStringList{"dn 2e/d3 vk ext"};
        QTest::newRow("media key") << "MEDIAPLAY" << false << QStringList{"up b3/22 ext"};
        QTest::newRow("raw scan code") << "SC(1d)" << true << QStringList{"dn 11/1d"};
        QTest::newRow("unknown name sends nothing") << "BOGUS" << true << QStringList{};
        QTest::newRow("empty name sends nothing") << "" << false << QStringList{};
    }
    void singleKeys() {
        QFETCH(QString, name);
        QFETCH(bool, down);
        QFETCH(QStringList, events);
        RecordedInput input;
        PAL::SendKey(name, down);
        QCOMPARE(input.Transcript(), events);
    }

    void mouseButtons_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("release");
        QTest::addColumn<QString>("event");
        QTest::newRow("left down") << 0 << false << "mouse ld";
        QTest::newRow("left up") << 0 << true << "mouse lu";
        QTest::newRow("right down") << 1 << false << "mouse rd";
        QTest::newRow("right up") << 1 << true << "mouse ru";
        QTest::newRow("middle down") << 2 << false << "mouse md";
        QTest::newRow("middle up") << 2 << true << "mouse mu";
        QTest::newRow("wheel toward the user") << 3 << false << "mouse wheel -120";
        QTest::newRow("wheel away") << 3 << true << "mouse wheel 120";
        QTest::newRow("unknown button") << 7 << false << "mouse";
        QTest::newRow("negative button") << -1 << true << "mouse";
    }
    void mouseButtons() {
        QFETCH(int, button);
        QFETCH(bool, release);
        QFETCH(QString, event);
        RecordedInput input;
        PAL::SendMouseButton(button, release);
        QCOMPARE(input.Transcript(), QStringList{event});
    }

    void keyState() {
        RecordedInput input;
        QCOMPARE(PAL::GetKeyState(QString()), 0);
        QCOMPARE(PAL::GetKeyState(QStringLiteral("BOGUS")), 0);
        QCOMPARE(PAL::GetKeyState(QStringLiteral("CAPS")), 0);
        PAL::SendKey(QStringLiteral("CAPS"), true);
        QCOMPARE(PAL::GetKeyState(QStringLiteral("CAPS")), 0x8001);
        PAL::SendKey(QStringLiteral("CAPS"), false);
        QCOMPARE(PAL::GetKeyState(QStringLiteral("CAPS")), 0x0001);
        PAL::SendKey(QStringLiteral("CAPS"), true);
        PAL::SendKey(QStringLiteral("CAPS"), false);
        QCOMPARE(PAL::GetKeyState(QStringLiteral("CAPS")), 0);
        // Navigation keys go by virtual key only; their state still follows.
        PAL::SendKey(QStringLiteral("LEFT"), true);
        QCOMPARE(PAL::GetKeyState(QStringLiteral("LEFT")) & 0x8000, 0x8000);
        PAL::SendKey(QStringLiteral("LEFT"), false);
        // The Windows keys are known to the capture only.
        PAL::SendKey(QStringLiteral("LWIN"), true);
        QCOMPARE(PAL::GetKeyState(QStringLiteral("LWIN")), 0);
        PAL::SendKey(QStringLiteral("LWIN"), false);
    }

    void scanCodesToLinuxKeys_data() {
        QTest::addColumn<quint32>("scan");
        QTest::addColumn<quint32>("evdev");
        QTest::newRow("escape") << 0x01u << 1u;
        QTest::newRow("F12") << 0x58u << 88u;
        QTest::newRow("up as 0x80 plus") << 0xC8u << 103u;
        QTest::newRow("up as 0x100 plus") << 0x148u << 103u;
        QTest::newRow("right ctrl") << 0x11Du << 97u;
        QTest::newRow("keypad enter") << 0x9Cu << 96u;
        QTest::newRow("left windows") << 0xDBu << 125u;
        QTest::newRow("pause") << 0xC5u << 119u;
        QTest::newRow("mute") << 0x120u << 113u;
        QTest::newRow("unknown extended") << 0x17Fu << 0u;
        QTest::newRow("none") << 0u << 0u;
    }
    void scanCodesToLinuxKeys() {
        QFETCH(quint32, scan);
        QFETCH(quint32, evdev);
        QCOMPARE(PAL_INT::ScanToEvdev(scan), evdev);
        if (evdev)
            QCOMPARE(PAL_INT::ScanToEvdev(PAL_INT::EvdevToScan(evdev)), evdev);
    }

    void captureTranslatesKeys() {
        KeyReceiver r;
        QCOMPARE(PAL::SetKeyboardCapture(true), 0);
        SendKeyEvent(&r, QEvent::KeyPress, Qt::Key_Control, kXRightCtrl);
        SendKeyEvent(&r, QEvent::KeyPress, Qt::Key_A, kXA, QStringLiteral("a"), Qt::ControlModifier);
        SendKeyEvent(&r, QEvent::KeyPress, Qt::Key_Left, kXLeft, QString(), Qt::ControlModifier);
        SendKeyEvent(&r, QEvent::KeyRelease, Qt::Key_Control, kXRightCtrl, QString(), Qt::ControlModifier);
        QCOMPARE(r.seen.size(), 4);
        QCOMPARE(r.seen[0].scan, 0x11Du);
        QCOMPARE(r.seen[0].vk, 0x11u);
        QCOMPARE(r.seen[0].modifiers, quint32(KMF_RCtrl));
        QCOMPARE(r.seen[1].key, int(Qt::Key_A));
        QCOMPARE(r.seen[1].text, QStringLiteral("a"));
        QCOMPARE(r.seen[1].scan, 0x1Eu);
        QCOMPARE(r.seen[1].vk, 0x41u);
        QCOMPARE(r.seen[1].modifiers, quint32(KMF_RCtrl));
        // What the shortcut editor makes of it.
        const quint32 code = ((r.seen[1].vk | r.seen[1].modifiers << 8) << 16) | (r.seen[1].scan & 0xFFFF);
        QCOMPARE(PAL::KeyCodeToShortcut(code), QStringLiteral("RCTRL+A"));
        QCOMPARE(KeyCodeTranslate(r.seen[2].vk << 16 | r.seen[2].scan), QStringLiteral("LEFT"));
        QCOMPARE(r.seen[3].modifiers, 0u);
    }

    void captureTakesWindowsAndMediaKeys() {
        KeyReceiver r;
        PAL::SetKeyboardCapture(true);
        SendKeyEvent(&r, QEvent::KeyPress, Qt::Key_Super_L, kXLeftWin);
        QCOMPARE(PAL::GetKeyState(QStringLiteral("LWIN")), 1);
        QCOMPARE(PAL::GetKeyState(QStringLiteral("RWIN")), 0);
        SendKeyEvent(&r, QEvent::KeyPress, Qt::Key_VolumeMute, kXMute, QStringLiteral("x"));
        SendKeyEvent(&r, QEvent::KeyRelease, Qt::Key_Super_L, kXLeftWin);
        QCOMPARE(PAL::GetKeyState(QStringLiteral("LWIN")), 0);
        QCOMPARE(r.seen.size(), 3);
        for (const KeyReceiver::Seen& s : r.seen) {
            QCOMPARE(s.key, int(Qt::Key_Meta));
            QCOMPARE(s.text, QString());
            QCOMPARE(s.modifiers, 0u);
        }
        QCOMPARE(KeyCodeTranslate(r.seen[0].vk << 16 | r.seen[0].scan), QStringLiteral("LWIN"));
        QCOMPARE(KeyCodeTranslate(r.seen[1].vk << 16 | r.seen[1].scan), QStringLiteral("MUTE"));
    }

    void captureOffLeavesEventsAlone() {
        KeyReceiver r;
        PAL::SetKeyboardCapture(true);
        SendKeyEvent(&r, QEvent::KeyPress, Qt::Key_Super_L, kXLeftWin);
        PAL::SetKeyboardCapture(false);
        QCOMPARE(PAL::GetKeyState(QStringLiteral("LWIN")), 0);
        SendKeyEvent(&r, QEvent::KeyPress, Qt::Key_Super_L, kXLeftWin);
        QCOMPARE(r.seen.last().key, int(Qt::Key_Super_L));
        QCOMPARE(r.seen.last().scan, kXLeftWin);
        QCOMPARE(PAL::GetKeyState(QStringLiteral("LWIN")), 0);
    }

    void captureEndsWhenAnotherApplicationIsActive() {
        KeyReceiver r;
        PAL::SetKeyboardCapture(true);
        SendKeyEvent(&r, QEvent::KeyPress, Qt::Key_Super_L, kXLeftWin);
        QApplicationStateChangeEvent inactive(Qt::ApplicationInactive);
        QCoreApplication::sendEvent(qApp, &inactive);
        QVERIFY(!PAL_INT::KeyboardCapture::Instance()->IsOn());
        QCOMPARE(PAL::GetKeyState(QStringLiteral("LWIN")), 0);
        SendKeyEvent(&r, QEvent::KeyPress, Qt::Key_A, kXA, QStringLiteral("a"));
        QCOMPARE(r.seen.last().scan, kXA);
    }

    void eventsWithoutNativeKeysPass() {
        KeyReceiver r;
        PAL::SetKeyboardCapture(true);
        SendKeyEvent(&r, QEvent::KeyPress, Qt::Key_B, 0, QStringLiteral("b"));
        QCOMPARE(r.seen.size(), 1);
        QCOMPARE(r.seen[0].key, int(Qt::Key_B));
        QCOMPARE(r.seen[0].scan, 0u);
    }

    void defaultSinkNeverTypesInTests() {
        // Offscreen runs pick the recording sink, whatever display is around.
        QVERIFY(dynamic_cast<PAL_INT::RecordingInputSink*>(PAL_INT::GetInputSink()));
    }
};

QTEST_MAIN(TestInput)
#include "test_input.moc"
