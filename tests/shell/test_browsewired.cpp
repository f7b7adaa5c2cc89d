// The browse tab and the grid settings dialog in the program as program entry builds it: BROWSE lists the
// preset grids and the first start's custom grid, a pick shows the grid in the shared grid editor, and a
// custom grid renamed and given a caption through the real dialog is found under its new name, with its tab,
// after a restart; the phone's tab list names it too.

#include "config/datacfg.h"
#include "config/tgrid.h"
#include "config/tusercfg.h"
#include "editor/gridsettingsdlg.h"
#include "editor/gridview.h"
#include "editor/mtegridedit.h"
#include "editor/tabelem.h"
#include "editor/tabview.h"
#include "shell/browseitems.h"
#include "shell/mervexwnd.h"
#include "shell/mteasyctrl.h"
#include "shell/programtabhooks.h"
#include "tests/common/phoneclient.h"
#include "tests/common/wiredprogram.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {
MTEasyCtrl* Browse(WiredProgram& p) {
    return qobject_cast<MTEasyCtrl*>(p.Window()->Tab(MervexWnd::TabBrowse));
}
AbstractBrowseItem* Item(WiredProgram& p, const QString& name) {
    for (AbstractBrowseItem* item : Browse(p)->List()->Items()) {
        if (item->Name() == name)
            return item;
    }
    return nullptr;
}
// Answers the grid settings dialog that the program opens modally: the new name, then OK.
void AnswerSettingsDialog(const QString& name) {
    QTimer::singleShot(0, [name] {
        auto* dlg = qobject_cast<GridSettingsDlg*>(QApplication::activeModalWidget());
        QVERIFY(dlg);
        dlg->Field("edtGridName")->setText(name);
        emit dlg->Field("edtGridName")->textEdited(name);
        dlg->done(PopupWnd::OK);
    });
}

// Counts the grid settings dialogs that the program opens modally and ends each with CANCEL.
class SettingsDialogWatcher : public QObject {
public:
    explicit SettingsDialogWatcher(QWidget* window) {
        connect(&m_timer, &QTimer::timeout, this, [this, window] {
            auto* dlg = qobject_cast<GridSettingsDlg*>(QApplication::activeModalWidget());
            if (!dlg || m_handled.contains(dlg))
                return;
            m_handled << dlg;
            ++opened;
            dlg->done(PopupWnd::CANCEL);
            // The desktop gives the window its activation (and focus) back; the offscreen platform does not.
            QTimer::singleShot(0, window, [window] { QApplication::setActiveWindow(window); });
        });
        m_timer.start(10);
    }
    int opened = 0;

private:
    QTimer m_timer;
    QList<QPointer<GridSettingsDlg>> m_handled;
};
} // namespace

class TestBrowseWired : public QObject {
    Q_OBJECT

private slots:
    void browseListsTheGridsAndShowsThePick() {
        WiredProgram program;
        QVERIFY(program.Started());
        // Start-up ends on BROWSE, with the grid editor beside the list.
        MTEasyCtrl* browse = Browse(program);
        QVERIFY(browse);
        QVERIFY(browse->isVisible());
        MTEGridEdit* editor = program.TabHooks()->Editor();
        QCOMPARE(editor->parentWidget(), static_cast<QWidget*>(browse));
        QVERIFY(Item(program, QStringLiteral("Media")));
        QVERIFY(Item(program, QStringLiteral("Custom Grid 1")));
        QTest::mouseClick(Item(program, QStringLiteral("Media")), Qt::LeftButton);
        QCOMPARE(editor->Canvas()->Grid().GetKey(), QStringLiteral("[MERVEX]:Media"));
        // The controls tab takes the editor back; BROWSE borrows it again.
        program.Window()->showMainWindow();
        QVERIFY(editor->parentWidget() != browse);
        program.Window()->showEasyWindow();
        QCOMPARE(editor->parentWidget(), static_cast<QWidget*>(browse));
    }

    void editCtrlEAndCtrlClickOpenTheGridSettings() {
        WiredProgram program;
        QVERIFY(program.Started());
        MervexWnd* wnd = program.Window();
        QVERIFY(QTest::qWaitForWindowActive(wnd));
        MTEGridEdit* editor = program.TabHooks()->Editor();
        SettingsDialogWatcher dialogs(wnd);
        // Each opening is counted once the window has its activation back.
        auto opened = [&] {
            [&] { QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(wnd)); }();
            return dialogs.opened;
        };

        // On BROWSE: a custom grid picked from the list; its settings open from the button and with Ctrl+E,
        // wherever the focus is in the tab.
        AbstractBrowseItem* custom = Item(program, QStringLiteral("Custom Grid 1"));
        QVERIFY(custom);
        QTest::mouseClick(custom, Qt::LeftButton);
        QCOMPARE(editor->Canvas()->Grid().Name, QStringLiteral("Custom Grid 1"));
        QVERIFY(editor->Button("btnEdit")->isEnabled());
        QTest::mouseClick(editor->Button("btnEdit"), Qt::LeftButton);
        QCOMPARE(opened(), 1);
        QTest::keyClick(wnd, Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(opened(), 2);
        custom->setFocus();
        QTest::keyClick(custom, Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(opened(), 3);

        // A Ctrl+click on a custom grid's tab opens its settings; a plain click only shows the grid.
        TabView* tabs = editor->Tabs();
        const int index = tabs->IndexOf(QStringLiteral("CustomGrid:Custom Grid 1"));
        QVERIFY(index >= 0);
        QTest::mouseClick(tabs->Tab(index), Qt::LeftButton);
        QCOMPARE(opened(), 3);
        QTest::mouseClick(tabs->Tab(index), Qt::LeftButton, Qt::ControlModifier);
        QCOMPARE(opened(), 4);

        // The same in the controls tab.
        wnd->showMainWindow();
        QTRY_VERIFY(editor->isVisible());
        QTest::mouseClick(tabs->Tab(index), Qt::LeftButton, Qt::ControlModifier);
        QCOMPARE(opened(), 5);
        QTest::keyClick(wnd, Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(opened(), 6);

        // A preset grid has no settings to edit.
        const int preset = tabs->IndexOf(QStringLiteral("[MERVEX]:Media"));
        QVERIFY(preset >= 0);
        QTest::mouseClick(tabs->Tab(preset), Qt::LeftButton, Qt::ControlModifier);
        QVERIFY(!editor->Button("btnEdit")->isEnabled());
        QTest::keyClick(wnd, Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(opened(), 6);
    }

    void renamedGridIsFoundAfterARestart() {
        QTemporaryDir user;
        {
            WiredProgram program(user.path());
            QVERIFY(program.Started());
            MTEGridEdit* editor = program.TabHooks()->Editor();
            QTest::mouseClick(Item(program, QStringLiteral("Custom Grid 1")), Qt::LeftButton);
            QCOMPARE(editor->Canvas()->Grid().Name, QStringLiteral("Custom Grid 1"));
            AnswerSettingsDialog(QStringLiteral("Race"));
            editor->OnBtnEdit();
            QCOMPARE(editor->Canvas()->Grid().Name, QStringLiteral("Race"));
            editor->OnBtnSave(true);
            QVERIFY(Item(program, QStringLiteral("Race")));
            QVERIFY(!Item(program, QStringLiteral("Custom Grid 1")));

            // A new grid asks for its name at once.
            AnswerSettingsDialog(QStringLiteral("Deck"));
            QVERIFY(editor->OnBtnNew());
            QVERIFY(QFileInfo::exists(program.Window()->GetCustomGridPath() + QStringLiteral("Deck.json")));
        }
        WiredProgram again(user.path());
        QVERIFY(again.Started());
        DataCfg* cfg = again.Window()->Cfg();
        QCOMPARE(cfg->FindGrid(QStringLiteral("CustomGrid:Race")).Title, QStringLiteral("Race"));
        QVERIFY(!cfg->FindGrid(QStringLiteral("CustomGrid:Deck")).Name.isEmpty());
        QVERIFY(cfg->FindGrid(QStringLiteral("CustomGrid:Custom Grid 1")).Name.isEmpty() ||
                cfg->FindGrid(QStringLiteral("CustomGrid:Custom Grid 1")).Set != CustomGridSet);
        QStringList tabs;
        for (const DataCfg::TNamed& t : cfg->UserCfg().Tabs)
            tabs << t.Name;
        QVERIFY2(tabs.contains(QStringLiteral("CustomGrid:Race")), qPrintable(tabs.join(QLatin1Char(','))));
        QVERIFY(Item(again, QStringLiteral("Race")));

        // The phone's tab list names the grid by its new caption.
        cfg->UserCfg().AddDevice(QStringLiteral("Phone"), QStringLiteral("key-1"), QStringLiteral("Test phone"));
        PhoneClient phone(again.TcpPort());
        QVERIFY(phone.WaitConnected());
        phone.SendConnect(QStringLiteral("Phone"), QStringLiteral("key-1"));
        const QByteArray tabList = phone.WaitFor("Tabs");
        QVERIFY2(tabList.contains("Race"), tabList.constData());
    }
};

QTEST_MAIN(TestBrowseWired)
#include "test_browsewired.moc"
