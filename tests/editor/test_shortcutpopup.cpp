// The shortcut popup fed with key events the way the desktop delivers them: native X key codes that the
// keyboard capture turns into this program's key numbering. Nothing is typed into the machine.
#include "editor/shortcutpopup.h"
#include "functions/pal/inputsink.h"
#include "functions/pal/keyboardcapture.h"
#include "functions/pal/pal.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QtTest>

struct Key {
    int qtKey;
    quint32 evdev;
};
Q_DECLARE_METATYPE(Key)

namespace {
// Linux input key codes.
enum Evdev : quint32 {
    EvS = 31,
    EvA = 30,
    EvF5 = 63,
    EvLShift = 42,
    EvLCtrl = 29,
    EvRCtrl = 97,
    EvLAlt = 56,
    EvRAlt = 100,
    EvLWin = 125,
};

// A key event as the desktop sends it: the X key code (input key code + 8) as native scan code.
void SendKey(QWidget* to, QEvent::Type type, int qtKey, quint32 evdev, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QKeyEvent e(type, qtKey, mods, evdev + 8, 0, 0);
    QCoreApplication::sendEvent(to, &e);
}

QString Boxes(ShortcutPopup& p) {
    QString s;
    for (const char* name : {"None", "Shift", "Ctrl", "Win", "Alt"})
        if (p.CheckBox(name)->isChecked())
            s += QString(name) + " ";
    return s.trimmed();
}
} // namespace

class TestShortcutPopup : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void capture_data();
    void capture();
    void boxesChangeModifiers();
    void cancelAndEmpty();
    void captureEndsWithPopup();

private:
    PAL_INT::RecordingInputSink m_sink;
};

void TestShortcutPopup::initTestCase() {
    PAL_INT::SetInputSink(&m_sink);
}

void TestShortcutPopup::capture_data() {
    QTest::addColumn<QList<Key>>("held");
    QTest::addColumn<Key>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("boxes");
    const Key lshift{Qt::Key_Shift, EvLShift}, lctrl{Qt::Key_Control, EvLCtrl}, rctrl{Qt::Key_Control, EvRCtrl};
    const Key s{Qt::Key_S, EvS};
    QTest::newRow("ctrl shift s") << QList<Key>{lctrl, lshift} << s << "LSHIFT,LCTRL+S"
                                  << "Shift Ctrl";
    QTest::newRow("shift alone") << QList<Key>{} << lshift << "LSHIFT"
                                 << "None";
    QTest::newRow("right ctrl") << QList<Key>{rctrl} << s << "RCTRL+S"
                                << "Ctrl";
    QTest::newRow("function key") << QList<Key>{} << Key{Qt::Key_F5, EvF5} << "F5"
                                  << "None";
    QTest::newRow("windows key held") << QList<Key>{Key{Qt::Key_Meta, EvLWin}} << Key{Qt::Key_A, EvA} << "LWIN+A"
                                      << "Win";
    QTest::newRow("altgr") << QList<Key>{lctrl, Key{Qt::Key_AltGr, EvRAlt}} << Key{Qt::Key_A, EvA} << "LALT,RCTRL+A"
                           << "Ctrl Alt";
}

void TestShortcutPopup::capture() {
    QFETCH(QList<Key>, held);
    QFETCH(Key, key);
    QFETCH(QString, value);
    QFETCH(QString, boxes);
    QPointer<ShortcutPopup> popup = new ShortcutPopup(nullptr);
    popup->show();
    QVERIFY(QTest::qWaitForWindowActive(popup));
    QTRY_VERIFY(popup->KeyEdit()->hasFocus());
    QVERIFY(PAL_INT::KeyboardCapture::Instance() && PAL_INT::KeyboardCapture::Instance()->IsOn());
    for (const Key& k : held)
        SendKey(popup->KeyEdit(), QEvent::KeyPress, k.qtKey, k.evdev);
    SendKey(popup->KeyEdit(), QEvent::KeyPress, key.qtKey, key.evdev);
    QCOMPARE(Boxes(*popup), boxes);
    for (const Key& k : held)
        SendKey(popup->KeyEdit(), QEvent::KeyRelease, k.qtKey, k.evdev);
    popup->done(PopupWnd::OK);
    QCOMPARE(popup->GetShortcut(), value);
    delete popup;
    QVERIFY(m_sink.Events().isEmpty());
}

void TestShortcutPopup::boxesChangeModifiers() {
    QPointer<ShortcutPopup> popup = new ShortcutPopup(nullptr);
    popup->show();
    QVERIFY(QTest::qWaitForWindowActive(popup));
    QTRY_VERIFY(popup->KeyEdit()->hasFocus());
    SendKey(popup->KeyEdit(), QEvent::KeyPress, Qt::Key_Control, EvRCtrl);
    SendKey(popup->KeyEdit(), QEvent::KeyPress, Qt::Key_S, EvS);
    QCOMPARE(popup->KeyEdit()->text(), QString("S"));
    // Checking Alt switches to the generic names.
    popup->CheckBox("Alt")->click();
    QCOMPARE(Boxes(*popup), QString("Ctrl Alt"));
    popup->CheckBox("None")->click();
    QCOMPARE(Boxes(*popup), QString("None"));
    // Unchecking None sets the boxes again from the modifier text.
    popup->CheckBox("None")->click();
    QCOMPARE(Boxes(*popup), QString("Ctrl Alt"));
    popup->done(PopupWnd::OK);
    QCOMPARE(popup->GetShortcut(), QString("CTRL,ALT+S"));
    delete popup;

    popup = new ShortcutPopup(nullptr);
    popup->show();
    QVERIFY(QTest::qWaitForWindowActive(popup));
    QTRY_VERIFY(popup->KeyEdit()->hasFocus());
    SendKey(popup->KeyEdit(), QEvent::KeyPress, Qt::Key_Shift, EvLShift);
    SendKey(popup->KeyEdit(), QEvent::KeyPress, Qt::Key_S, EvS);
    popup->CheckBox("None")->click();
    popup->done(PopupWnd::OK);
    QCOMPARE(popup->GetShortcut(), QString("S"));
    delete popup;
}

void TestShortcutPopup::cancelAndEmpty() {
    QPointer<ShortcutPopup> popup = new ShortcutPopup(nullptr);
    popup->done(PopupWnd::OK);
    QCOMPARE(popup->GetShortcut(), QString());
    delete popup;
    popup = new ShortcutPopup(nullptr);
    popup->show();
    QVERIFY(QTest::qWaitForWindowActive(popup));
    QTRY_VERIFY(popup->KeyEdit()->hasFocus());
    SendKey(popup->KeyEdit(), QEvent::KeyPress, Qt::Key_Shift, EvLShift);
    SendKey(popup->KeyEdit(), QEvent::KeyPress, Qt::Key_S, EvS);
    popup->done(PopupWnd::CANCEL);
    QCOMPARE(popup->GetShortcut(), QString("S"));
    delete popup;
    // A key event without a native key names nothing.
    popup = new ShortcutPopup(nullptr);
    QKeyEvent e(QEvent::KeyPress, Qt::Key_Q, Qt::NoModifier);
    QCoreApplication::sendEvent(popup->KeyEdit(), &e);
    QCOMPARE(popup->KeyEdit()->text(), QString());
    delete popup;
}

void TestShortcutPopup::captureEndsWithPopup() {
    QPointer<ShortcutPopup> popup = new ShortcutPopup(nullptr);
    popup->show();
    QVERIFY(QTest::qWaitForWindowActive(popup));
    QTRY_VERIFY(PAL_INT::KeyboardCapture::Instance() && PAL_INT::KeyboardCapture::Instance()->IsOn());
    popup->done(PopupWnd::OK);
    QVERIFY(!PAL_INT::KeyboardCapture::Instance()->IsOn());
    QTest::qWait(20); // the focus moves on and the popup is deleted
    QVERIFY(popup.isNull());
    QVERIFY(!PAL_INT::KeyboardCapture::Instance()->IsOn());
}

QTEST_MAIN(TestShortcutPopup)
#include "test_shortcutpopup.moc"
