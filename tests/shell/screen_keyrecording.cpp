// Keys recorded as a user types them on the program's real window under an X server (the X test extension):
// the control editor's Record field, the shortcut popup and the macro recorder store the keys pressed, and the
// player presses those keys again (seen as real key events in a text field of the test's own). While an editor
// records, no shortcut of the window runs. On German and French layouts (setxkbmap) a key typed with AltGr is
// recorded and played through the layout's AltGr key, in whichever form a stored shortcut names AltGr. Runs
// under xvfb-run and skips elsewhere.
#include "config/datacfg.h"
#include "editor/macropopup.h"
#include "editor/mteeditcontrol.h"
#include "editor/shortcutpopup.h"
#include "functions/macromat.h"
#include "functions/pal/keyboardcapture.h"
#include "functions/pal/keynames.h"
#include "functions/pal/pal.h"
#include "shell/mervexstyle.h"
#include "shell/mervexwnd.h"
#include "shell/mtmainctrl.h"
#include "shell/programtabhooks.h"
#include "tests/common/controllist.h"
#include "tests/common/gldriver.h"
#include "tests/common/screenprogram.h"
#include "tests/common/screenshots.h"
#include "tests/common/wiredprogram.h"
#include "tests/shell/popupwatcher.h"
#include "widgets/stdbtn.h"

#include <QAction>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSet>
#include <QStandardPaths>
#include <QtTest>

#include <algorithm>

// Last: the X headers define names that the toolkit headers use.
#include "tests/common/xuser.h"

namespace {

// A text field in a window of its own that notes the X key codes pressed in it.
class Probe : public QLineEdit {
public:
    QList<unsigned> pressed;
    int released = 0;

protected:
    void keyPressEvent(QKeyEvent* e) override {
        pressed << e->nativeScanCode();
        QLineEdit::keyPressEvent(e);
    }
    void keyReleaseEvent(QKeyEvent* e) override {
        ++released;
        QLineEdit::keyReleaseEvent(e);
    }
};

bool CaptureOn() {
    auto* capture = PAL_INT::KeyboardCapture::Instance();
    return capture && capture->IsOn();
}

template <typename T> T* ActivePopup() {
    auto* popup = qobject_cast<T*>(QApplication::activeModalWidget());
    if (!popup || !popup->isVisible())
        return nullptr;
    // The display has no window manager: the new popup is given the focus as one would give it.
    if (!popup->isActiveWindow())
        popup->activateWindow();
    return popup;
}

// X key codes of physical keys (Linux input key codes + 8).
constexpr unsigned kRightAlt = 108;

} // namespace

class ScreenKeyRecording : public QObject {
    Q_OBJECT

    std::unique_ptr<WiredProgram> m_program;
    std::unique_ptr<XUser> m_user;
    std::unique_ptr<Probe> m_probe;
    MervexWnd* m_wnd = nullptr;
    MTMainCtrl* m_tab = nullptr;
    QStringList m_actionsRun; // the shortcuts of the window's actions that ran

    MTEEditControl* Editor() const { return m_tab->ControlEditor(); }
    QPushButton* RecordButton() const {
        return Editor()->FormContainer()->findChild<QPushButton*>(QStringLiteral("ShortcutRecord"));
    }
    QLineEdit* ShortcutField() const {
        return qobject_cast<QLineEdit*>(Editor()->OptionWidget(QStringLiteral("Shortcut")));
    }

    unsigned Keycode(const QString& keysym) const {
        return m_user->KeycodeOf(XStringToKeysym(keysym.toLatin1().constData()));
    }

    bool ActivateMainWindow() {
        m_wnd->activateWindow();
        return QTest::qWaitFor([this] { return QApplication::activeWindow() == m_wnd; }, 5000);
    }

    // Clicks Record and types the key with the keys held (X key codes); the text the field shows then.
    QString RecordInField(unsigned key, const QList<unsigned>& held) {
        if (!ActivateMainWindow())
            return QStringLiteral("<main window not active>");
        QLineEdit* field = ShortcutField();
        field->clear();
        m_user->Click([this] { return RecordButton(); });
        m_user->WaitFor([this] { return RecordButton()->hasFocus() && CaptureOn(); });
        m_user->PhysicalKey(key, held);
        m_user->WaitFor([field] { return !field->text().isEmpty(); });
        if (!m_user->Run(20000))
            return QStringLiteral("<nothing recorded: %1 steps left>").arg(m_user->Left());
        QTest::qWait(100); // a later key would show by now
        return field->text();
    }

    // The X key codes that reach a text field when the player sends the shortcut, and the text typed there.
    QList<unsigned> Played(const QString& shortcut, QString* typed = nullptr) {
        m_probe->clear();
        m_probe->pressed.clear();
        m_probe->released = 0;
        m_probe->show();
        m_probe->activateWindow();
        m_probe->setFocus();
        if (!QTest::qWaitFor([this] { return QApplication::activeWindow() == m_probe.get() && m_probe->hasFocus(); },
                             5000))
            return {};
        PAL::SendShortcut(shortcut, 3);
        (void)QTest::qWaitFor(
            [this] { return !m_probe->pressed.isEmpty() && m_probe->released >= m_probe->pressed.size(); }, 5000);
        QTest::qWait(100); // nothing further arrives
        if (typed)
            *typed = m_probe->text();
        return m_probe->pressed;
    }

    // The text a macro types into a text field of its own.
    QString PlayedMacro(const QString& script) {
        m_probe->clear();
        m_probe->show();
        m_probe->activateWindow();
        m_probe->setFocus();
        if (!QTest::qWaitFor([this] { return QApplication::activeWindow() == m_probe.get() && m_probe->hasFocus(); },
                             5000))
            return QStringLiteral("<no focus>");
        Macromat macro;
        macro.Parse(script);
        (void)QTest::qWaitFor(
            [&] {
                macro.Process();
                return !macro.IsRunning();
            },
            5000);
        QTest::qWait(100);
        return m_probe->text();
    }

    // scanOfZ: where the layout has the key that types "z", which tells the layouts apart.
    bool SetLayout(const QString& layout, quint32 scanOfZ) {
        if (QProcess::execute(QStringLiteral("setxkbmap"), {QStringLiteral("-layout"), layout}) != 0)
            return false;
        // The display announces the new map and the program reads it again.
        return QTest::qWaitFor([&] { return (PAL::KeyNameToCode(QStringLiteral("z")) & 0xFFFF) == scanOfZ; }, 5000);
    }

private slots:
    void initTestCase() {
        const QString missing = ScreenMissing(&m_user);
        if (!missing.isEmpty())
            QSKIP(qPrintable(missing));
        m_wnd = StartOnScreen(m_program);
        QVERIFY(m_wnd);
        m_tab = m_program->TabHooks()->ControlsTab();
        m_tab->GridEditor()->ShowGrid(QStringLiteral("CustomGrid:Custom Grid 1"));
        m_probe = std::make_unique<Probe>();
        m_probe->setGeometry(900, 20, 200, 30);

        // Every action of the program's windows notes when it runs.
        QSet<QAction*> actions;
        for (QAction* a : m_wnd->findChildren<QAction*>())
            actions.insert(a);
        for (QWidget* w : QApplication::allWidgets()) {
            for (QAction* a : w->actions())
                actions.insert(a);
        }
        for (QAction* a : actions) {
            connect(a, &QAction::triggered, this,
                    [this, a] { m_actionsRun << a->shortcut().toString() + QLatin1Char(' ') + a->objectName(); });
        }
        QVERIFY(!actions.isEmpty());

        // A key button in the control editor.
        QVERIFY(SelectInControlList(m_tab->ControlList(), TranslateAtName(QStringLiteral("@Key"))));
        QTRY_COMPARE(Editor()->WorkingControl().Name, QStringLiteral("Key Button"));
        QVERIFY(RecordButton());
        QVERIFY(ShortcutField());
    }

    void cleanupTestCase() {
        if (m_user && !QStandardPaths::findExecutable(QStringLiteral("setxkbmap")).isEmpty())
            QProcess::execute(QStringLiteral("setxkbmap"), {QStringLiteral("-layout"), QStringLiteral("us")});
        if (m_tab)
            m_tab->GridEditor()->SetAskHandler([](int, const QString&, const QString&, int) { return 0x10000; });
        m_probe.reset();
        m_program.reset();
        m_user.reset();
        const QString glDriver = LoadedGlDriver();
        QVERIFY2(glDriver.isEmpty(), qPrintable(QStringLiteral("a GL driver was loaded: ") + glDriver));
    }

    void recordFieldStoresTheKeysTyped_data() {
        QTest::addColumn<QStringList>("held"); // key symbols of the US layout
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("stored");
        QTest::newRow("letter") << QStringList{} << "a"
                                << "A";
        QTest::newRow("digit") << QStringList{} << "7"
                               << "7";
        QTest::newRow("F5") << QStringList{} << "F5"
                            << "F5";
        QTest::newRow("F12") << QStringList{} << "F12"
                             << "F12";
        QTest::newRow("space") << QStringList{} << "space"
                               << "SPACE";
        QTest::newRow("enter") << QStringList{} << "Return"
                               << "RETURN";
        QTest::newRow("left arrow") << QStringList{} << "Left"
                                    << "LEFT";
        QTest::newRow("up arrow") << QStringList{} << "Up"
                                  << "UP";
        QTest::newRow("numpad 1") << QStringList{} << "KP_1"
                                  << "NP1";
        QTest::newRow("ctrl k") << QStringList{"Control_L"} << "k"
                                << "LCTRL+K";
        QTest::newRow("shift F3") << QStringList{"Shift_L"} << "F3"
                                  << "LSHIFT+F3";
        QTest::newRow("alt x") << QStringList{"Alt_L"} << "x"
                               << "LALT+X";
        QTest::newRow("ctrl shift delete") << QStringList{"Control_L", "Shift_L"} << "Delete"
                                           << "LSHIFT,LCTRL+DEL";
        QTest::newRow("right ctrl z") << QStringList{"Control_R"} << "z"
                                      << "RCTRL+Z";
        // The grid editor's own shortcuts are keys like any other while Record listens.
        QTest::newRow("ctrl s") << QStringList{"Control_L"} << "s"
                                << "LCTRL+S";
        QTest::newRow("ctrl shift s") << QStringList{"Control_L", "Shift_L"} << "s"
                                      << "LSHIFT,LCTRL+S";
        QTest::newRow("ctrl n") << QStringList{"Control_L"} << "n"
                                << "LCTRL+N";
        QTest::newRow("ctrl e") << QStringList{"Control_L"} << "e"
                                << "LCTRL+E";
        QTest::newRow("ctrl b") << QStringList{"Control_L"} << "b"
                                << "LCTRL+B";
        QTest::newRow("ctrl d") << QStringList{"Control_L"} << "d"
                                << "LCTRL+D";
    }
    void recordFieldStoresTheKeysTyped() {
        QFETCH(QStringList, held);
        QFETCH(QString, key);
        QFETCH(QString, stored);
        QList<unsigned> heldCodes;
        for (const QString& h : held)
            heldCodes << Keycode(h);
        const unsigned keyCode = Keycode(key);
        QVERIFY(keyCode && !heldCodes.contains(0u));
        m_actionsRun.clear();

        QCOMPARE(RecordInField(keyCode, heldCodes), stored);
        QVERIFY2(m_actionsRun.isEmpty(), qPrintable(m_actionsRun.join(QLatin1String(", "))));
        QVERIFY(!QApplication::activeModalWidget());
        // Stored with the control as shown.
        QTRY_COMPARE(Editor()->PreviewControl().Config.GetValues().value(QStringLiteral("Shortcut")).toString(),
                     stored);
        if (QTest::currentDataTag() == QLatin1String("ctrl k"))
            QVERIFY(Screenshots::Save(Editor(), QStringLiteral("recorded_shortcut")));

        // The player presses the same keys: the modifiers (in its own order), then the key.
        QList<unsigned> pressed = Played(stored);
        QVERIFY(!pressed.isEmpty());
        QCOMPARE(pressed.last(), keyCode);
        pressed.removeLast();
        std::sort(pressed.begin(), pressed.end());
        std::sort(heldCodes.begin(), heldCodes.end());
        QCOMPARE(pressed, heldCodes);
    }

    void popupAndRecorderTakeEveryKey() {
        MTEEditControl* edit = Editor();
        QVERIFY(ActivateMainWindow());
        m_actionsRun.clear();

        // The shortcut popup.
        QString shortcut;
        QTimer::singleShot(0, edit, [&] { shortcut = edit->DoShortcutPopup(QStringLiteral("old")); });
        m_user->WaitFor([] {
            auto* p = ActivePopup<ShortcutPopup>();
            return p && p->KeyEdit()->hasFocus() && CaptureOn();
        });
        m_user->Key(XK_s, {XK_Control_L, XK_Shift_L});
        m_user->WaitFor([] {
            auto* p = ActivePopup<ShortcutPopup>();
            return p && p->KeyEdit()->text() == QLatin1String("S");
        });
        // The boxes and OK answer the mouse while the key field keeps the keys.
        m_user->Click([]() -> QWidget* { return ActivePopup<ShortcutPopup>()->CheckBox(QStringLiteral("Alt")); });
        m_user->WaitFor([] { return ActivePopup<ShortcutPopup>()->CheckBox(QStringLiteral("Alt"))->isChecked(); });
        m_user->Then([] { return Screenshots::Save(ActivePopup<ShortcutPopup>(), QStringLiteral("shortcut_popup")); });
        m_user->Click([]() -> QWidget* { return PopupWatcher::Button(ActivePopup<ShortcutPopup>(), PopupWnd::OK); });
        m_user->WaitFor([] { return !QApplication::activeModalWidget(); });
        QVERIFY2(m_user->Run(20000), "the shortcut popup did not take the keys and clicks");
        QTRY_COMPARE(shortcut, QStringLiteral("SHIFT,CTRL,ALT+S"));
        QVERIFY2(m_actionsRun.isEmpty(), qPrintable(m_actionsRun.join(QLatin1String(", "))));

        // The macro recorder.
        QVERIFY(ActivateMainWindow());
        QString macro = QStringLiteral("<open>");
        QTimer::singleShot(0, edit, [&] { macro = edit->DoMacroPopup(QString()); });
        m_user->WaitFor([] { return ActivePopup<MacroPopup>() != nullptr; });
        m_user->Then([] {
            ActivePopup<MacroPopup>()->RecordDelaysBox()->setChecked(false);
            return true;
        });
        m_user->Click([]() -> QWidget* { return ActivePopup<MacroPopup>()->RecordButton(); });
        m_user->WaitFor([] {
            auto* p = ActivePopup<MacroPopup>();
            return p && p->IsRecording() && CaptureOn();
        });
        for (KeySym k : {XK_s, XK_n, XK_e, XK_b, XK_d})
            m_user->Key(k, {XK_Control_L});
        const QString recorded = QStringLiteral("p LCTRL+S;p LCTRL+N;p LCTRL+E;p LCTRL+B;p LCTRL+D;");
        m_user->WaitFor([recorded] { return ActivePopup<MacroPopup>()->CurrentScript() == recorded; });
        m_user->Then([] { return Screenshots::Save(ActivePopup<MacroPopup>(), QStringLiteral("macro_recorded")); });
        m_user->Click([]() -> QWidget* { return ActivePopup<MacroPopup>()->RecordButton(); });
        m_user->WaitFor([] { return !ActivePopup<MacroPopup>()->IsRecording() && !CaptureOn(); });
        m_user->Click([]() -> QWidget* { return PopupWatcher::Button(ActivePopup<MacroPopup>(), PopupWnd::OK); });
        m_user->WaitFor([] { return !QApplication::activeModalWidget(); });
        const bool done = m_user->Run(20000);
        QVERIFY2(done,
                 qPrintable(QStringLiteral("the macro recorder did not take the keys; script: ") +
                            (ActivePopup<MacroPopup>() ? ActivePopup<MacroPopup>()->CurrentScript() : QString())));
        QTRY_COMPARE(macro, recorded);
        QVERIFY2(m_actionsRun.isEmpty(), qPrintable(m_actionsRun.join(QLatin1String(", "))));
    }

    void altGrOnOtherLayouts_data() {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<unsigned>("key"); // X key code of the key typed with AltGr
        QTest::addColumn<QString>("name"); // its key name
        QTest::addColumn<QString>("typed");
        QTest::addColumn<quint32>("scanOfZ");
        QTest::newRow("de") << "de" << 24u << "Q"
                            << "@" << 0x15u;
        QTest::newRow("fr") << "fr" << 19u << QString(QChar(0xE0)) << "@" << 0x11u; // the a-grave key of AZERTY
    }
    void altGrOnOtherLayouts() {
        QFETCH(QString, layout);
        QFETCH(unsigned, key);
        QFETCH(QString, name);
        QFETCH(QString, typed);
        QFETCH(quint32, scanOfZ);
        if (QStandardPaths::findExecutable(QStringLiteral("setxkbmap")).isEmpty())
            QSKIP("setxkbmap is not installed (Debian package x11-xkb-utils)");
        QVERIFY(SetLayout(layout, scanOfZ));
        QCOMPARE(PAL_INT::CurrentKeyboardLayout().AltGrKey(), QStringLiteral("RALT"));
        const QString recorded = QStringLiteral("RALT+") + name;

        // Recorded in the Record field.
        QCOMPARE(RecordInField(key, {kRightAlt}), recorded);

        // Recorded in the shortcut popup.
        MTEEditControl* edit = Editor();
        QVERIFY(ActivateMainWindow());
        QString shortcut;
        QTimer::singleShot(0, edit, [&] { shortcut = edit->DoShortcutPopup(QStringLiteral("old")); });
        m_user->WaitFor([] {
            auto* p = ActivePopup<ShortcutPopup>();
            return p && p->KeyEdit()->hasFocus() && CaptureOn();
        });
        m_user->PhysicalKey(key, {kRightAlt});
        m_user->WaitFor([name] {
            auto* p = ActivePopup<ShortcutPopup>();
            return p && p->KeyEdit()->text() == name;
        });
        m_user->Click([]() -> QWidget* { return PopupWatcher::Button(ActivePopup<ShortcutPopup>(), PopupWnd::OK); });
        m_user->WaitFor([] { return !QApplication::activeModalWidget(); });
        QVERIFY2(m_user->Run(20000), "the shortcut popup did not take the keys");
        QTRY_COMPARE(shortcut, recorded);

        // Recorded by the macro recorder.
        QVERIFY(ActivateMainWindow());
        QString macro = QStringLiteral("<open>");
        QTimer::singleShot(0, edit, [&] { macro = edit->DoMacroPopup(QString()); });
        m_user->WaitFor([] { return ActivePopup<MacroPopup>() != nullptr; });
        m_user->Then([] {
            ActivePopup<MacroPopup>()->RecordDelaysBox()->setChecked(false);
            return true;
        });
        m_user->Click([]() -> QWidget* { return ActivePopup<MacroPopup>()->RecordButton(); });
        m_user->WaitFor([] {
            auto* p = ActivePopup<MacroPopup>();
            return p && p->IsRecording() && CaptureOn();
        });
        m_user->PhysicalKey(key, {kRightAlt});
        const QString step = QStringLiteral("p ") + recorded + QLatin1Char(';');
        m_user->WaitFor([step] { return ActivePopup<MacroPopup>()->CurrentScript() == step; });
        m_user->Click([]() -> QWidget* { return ActivePopup<MacroPopup>()->RecordButton(); });
        m_user->WaitFor([] { return !ActivePopup<MacroPopup>()->IsRecording(); });
        m_user->Click([]() -> QWidget* { return PopupWatcher::Button(ActivePopup<MacroPopup>(), PopupWnd::OK); });
        m_user->WaitFor([] { return !QApplication::activeModalWidget(); });
        QVERIFY2(m_user->Run(20000), "the macro recorder did not take the keys");
        QTRY_COMPARE(macro, step);

        // Played, as recorded and in the forms files written on Windows hold: the AltGr character arrives.
        for (const QString& form : {recorded, QStringLiteral("ALTGR+") + name, QStringLiteral("LCTRL,RALT+") + name,
                                    QStringLiteral("RALT,LCTRL+") + name}) {
            QString text;
            const QList<unsigned> pressed = Played(form, &text);
            QVERIFY2(text == typed, qPrintable(form + QStringLiteral(" typed ") + text));
            QCOMPARE(pressed, (QList<unsigned>{kRightAlt, key}));
        }
        QCOMPARE(PlayedMacro(step), typed);
        QCOMPARE(PlayedMacro(QStringLiteral("p ALTGR+") + name), typed);
        QVERIFY(SetLayout(QStringLiteral("us"), 0x2C));
    }
};

QTEST_MAIN(ScreenKeyRecording)
#include "screen_keyrecording.moc"
