// Every editor of a control's options is reachable with the shipped configuration, in the program as program
// entry builds it: the control list's Action button opens the shortcut popup and the macro editor from its Action
// list, and the Picture tile's Edit button opens the tiling popup. What each editor gives back is stored with the
// control, and the control does it when pressed (the keys go to a recording input sink).
#include "config/tconfig.h"
#include "config/tcontrol.h"
#include "editor/macropopup.h"
#include "editor/mtebuttonelements.h"
#include "editor/mteeditcontrol.h"
#include "editor/shortcutpopup.h"
#include "editor/tilingpopup.h"
#include "functions/pal/inputsink.h"
#include "functions/pal/keynames.h"
#include "runtime/ctrlview.h"
#include "shell/mervexwnd.h"
#include "shell/mtmainctrl.h"
#include "shell/programtabhooks.h"
#include "tests/common/controllist.h"
#include "tests/common/screenshots.h"
#include "tests/common/wiredprogram.h"
#include "widgets/qcomboboxex.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

namespace {
// The key downs the sink saw, by key name.
QStringList KeyDowns(const PAL_INT::RecordingInputSink& sink) {
    QStringList out;
    for (const PAL_INT::InputEvent& e : sink.Events()) {
        if (e.type == PAL_INT::InputEvent::Keyboard && !(e.flags & PAL_INT::KEF_KeyUp))
            out << KeyCodeTranslate((e.vk & 0xFF) << 16 | e.scan);
    }
    return out;
}

// A key as the desktop sends it: the X key code (Linux input key code + 8) as native scan code.
void SendKey(QWidget* to, QEvent::Type type, int qtKey, quint32 xKeycode, Qt::KeyboardModifiers mods) {
    QKeyEvent e(type, qtKey, mods, xKeycode, 0, 0);
    QCoreApplication::sendEvent(to, &e);
}
} // namespace

class TestShippedEditors : public QObject {
    Q_OBJECT
    std::unique_ptr<WiredProgram> m_program;
    MTMainCtrl* m_tab = nullptr;
    PAL_INT::RecordingInputSink m_sink;
    QStringList m_opened; // class names of the popups the editor ran

    MTEEditControl* Editor() const { return m_tab->ControlEditor(); }

    bool Pick(const QString& entry, const QString& control) {
        if (!SelectInControlList(m_tab->ControlList(), entry))
            return false;
        return QTest::qWaitFor([&] { return Editor()->WorkingControl().Name == control; }, 5000);
    }

    QString Stored(const QString& option) const {
        return Editor()->PreviewControl().Config.GetValues().value(option).toString();
    }

    // A press of the control in the editor's preview, as the phone presses it.
    void PressPreview() {
        CtrlView* preview = Editor()->Preview();
        const QPoint at = preview->rect().center();
        QTest::mousePress(preview, Qt::RightButton, Qt::NoModifier, at);
        QTest::mouseRelease(preview, Qt::RightButton, Qt::NoModifier, at);
    }

private slots:
    void initTestCase() {
        PAL_INT::SetInputSink(&m_sink);
        m_program = std::make_unique<WiredProgram>();
        QVERIFY(m_program->Started());
        m_tab = m_program->TabHooks()->ControlsTab();
        m_program->Window()->showMainWindow();
        // The popups are run here in place of their modal loop; the user's part is played in each.
        MTEEditControl::SetPopupRunner([this](QDialog* d) {
            m_opened << QString::fromLatin1(d->metaObject()->className());
            if (auto* p = qobject_cast<ShortcutPopup*>(d)) {
                // Left Ctrl held, S pressed.
                p->show();
                p->activateWindow();
                if (!QTest::qWaitFor([p] { return p->KeyEdit()->hasFocus(); }, 5000))
                    return 0;
                SendKey(p->KeyEdit(), QEvent::KeyPress, Qt::Key_Control, 37, Qt::NoModifier);
                SendKey(p->KeyEdit(), QEvent::KeyPress, Qt::Key_S, 39, Qt::ControlModifier);
                SendKey(p->KeyEdit(), QEvent::KeyRelease, Qt::Key_S, 39, Qt::ControlModifier);
                SendKey(p->KeyEdit(), QEvent::KeyRelease, Qt::Key_Control, 37, Qt::ControlModifier);
                p->done(PopupWnd::OK);
                return int(MTEEditControl::Ok);
            }
            if (auto* p = qobject_cast<MacroPopup*>(d)) {
                // Steps typed into MACRO CODE.
                p->ScriptBox()->setPlainText(QStringLiteral("t hi"));
                p->done(PopupWnd::OK);
                return int(MTEEditControl::Ok);
            }
            if (auto* p = qobject_cast<TilingPopup*>(d)) {
                // Three tiles in a row in place of the nine.
                auto* mode = p->findChild<QComboBoxEx*>();
                if (!mode)
                    return 0;
                mode->setCurrentIndex(mode->findText(QStringLiteral("3x1")));
                p->done(PopupWnd::OK);
                return int(MTEEditControl::Ok);
            }
            return 0;
        });
    }

    void cleanupTestCase() {
        MTEEditControl::SetPopupRunner(nullptr);
        m_program.reset();
        PAL_INT::SetInputSink(nullptr);
    }

    void actionButtonOpensTheShortcutPopupAndTheMacroEditor() {
        QVERIFY(Pick(QStringLiteral("Action"), QStringLiteral("Action Button")));
        auto* action = qobject_cast<QComboBoxEx*>(Editor()->OptionWidget(QStringLiteral("Action")));
        QVERIFY(action);
        QCOMPARE(action->currentIndex(), 0);
        QCOMPARE(action->currentText(), QString());

        // "Assign a shortcut ..." is the next entry of the list.
        m_opened.clear();
        action->setFocus();
        QTest::keyClick(action, Qt::Key_Down);
        QCOMPARE(m_opened, QStringList{"ShortcutPopup"});
        QCOMPARE(action->currentText(), QStringLiteral("Shortcut: LCTRL+S"));
        QTRY_COMPARE(Stored(QStringLiteral("Action")), QStringLiteral("Shortcut: LCTRL+S"));
        m_sink.Clear();
        PressPreview();
        QTRY_COMPARE(KeyDowns(m_sink), (QStringList{"LCTRL", "S"}));

        // "Assign a macro ..." chosen from the list.
        m_opened.clear();
        action->setCurrentIndex(action->findData(QStringLiteral("macro")));
        QCOMPARE(m_opened, QStringList{"MacroPopup"});
        QCOMPARE(action->currentText(), QStringLiteral("Macro: t hi"));
        QTRY_COMPARE(Stored(QStringLiteral("Action")), QStringLiteral("Macro: t hi"));
        m_sink.Clear();
        PressPreview();
        QTRY_COMPARE(KeyDowns(m_sink), (QStringList{"H", "I"}));
    }

    void pictureTileOpensTheTilingPopup() {
        QVERIFY(Pick(QStringLiteral("Picture"), QStringLiteral("Picture Tile")));
        auto* tiling = qobject_cast<QLineEdit*>(Editor()->OptionWidget(QStringLiteral("Tiling")));
        QVERIFY(tiling);
        QVERIFY(tiling->text().contains(QStringLiteral("\"3x3\"")));
        QPushButton* edit = nullptr;
        for (QPushButton* b : Editor()->FormContainer()->findChildren<QPushButton*>()) {
            if (b->text() == QLatin1String("Edit"))
                edit = b;
        }
        QVERIFY(edit);
        QTest::qWait(200); // the form and the preview as shown
        QVERIFY(Screenshots::Save(Editor(), QStringLiteral("picture_tile_3x3")));

        m_opened.clear();
        QTest::mouseClick(edit, Qt::LeftButton);
        QCOMPARE(m_opened, QStringList{"TilingPopup"});
        const QString threeInARow =
            QStringLiteral("{\"Tiles\":[\"0,0,32,32,rr\",\"32,0,32,32,ss\",\"64,0,32,32,rr\"],\"Tiling\":\"3x1\"}");
        QCOMPARE(tiling->text(), threeInARow);
        QTRY_COMPARE(Stored(QStringLiteral("Tiling")), threeInARow);
        QTest::qWait(200);
        QVERIFY(Screenshots::Save(Editor(), QStringLiteral("picture_tile_3x1")));
    }
};

QTEST_MAIN(TestShippedEditors)
#include "test_shippededitors.moc"
