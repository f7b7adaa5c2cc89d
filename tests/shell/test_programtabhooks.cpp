// The grid editor installed in the main window: it fills itself at start-up, takes the first custom grid
// as a tab, gives the phone server its change counter, and answers the window's close, OK and CANCEL.

#include "config/datacfgrecords.h"
#include "config/tusercfg.h"
#include "editor/gridview.h"
#include "editor/mtegridedit.h"
#include "editor/netgridsprovider.h"
#include "editor/tabview.h"
#include "shell/mervexwnd.h"
#include "shell/programtabhooks.h"
#include "tests/common/wiredprogram.h"

#include <QMessageBox>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class TestProgramTabHooks : public QObject {
    Q_OBJECT
    QTemporaryDir m_user;
    std::unique_ptr<WiredProgram> m_program;
    MervexWnd* m_wnd = nullptr;
    ProgramTabHooks* m_hooks = nullptr;
    QList<int> m_answers;
    QStringList m_asked;

private slots:
    void initTestCase() {
        qputenv("MERVEX_TCP_PORT", "0");
        qputenv("MERVEX_UDP_PORT", "0");
        m_program = std::make_unique<WiredProgram>(m_user.path());
        m_wnd = m_program->Window();
        m_hooks = m_program->TabHooks();
        m_hooks->Editor()->SetAskHandler([this](int, const QString& title, const QString&, int) {
            m_asked << title;
            return m_answers.isEmpty() ? int(QMessageBox::Cancel) : m_answers.takeFirst();
        });
        QVERIFY(m_program->Started());
    }
    void cleanupTestCase() { m_program.reset(); }

    void theEditorIsOnTheControlsTabAndFilled() {
        MTEGridEdit* ed = m_hooks->Editor();
        QCOMPARE(m_wnd->TabHooks(), static_cast<IMainTabHooks*>(m_hooks));
        // It sits on the controls tab or, when the browse tab was shown last, on that one.
        QVERIFY(ed->parentWidget() == m_wnd->Tab(MervexWnd::TabCreate) ||
                ed->parentWidget() == m_wnd->Tab(MervexWnd::TabBrowse));
        m_wnd->showMainWindow();
        QCOMPARE(ed->parentWidget(), m_wnd->Tab(MervexWnd::TabCreate));
        QCOMPARE(ed->CustomGridPath(), m_wnd->GetCustomGridPath());
        QVERIFY(ed->Tabs()->Count() > 0);
        // The first start's custom grid became the last tab, and the list was written back.
        QCOMPARE(ed->Tabs()->GetTabKey(ed->Tabs()->Count() - 1), QStringLiteral("CustomGrid:Custom Grid 1"));
        QCOMPARE(m_wnd->Cfg()->UserCfg().Tabs.last().Name, QStringLiteral("[MERVEX]:AppSettings"));
        QCOMPARE(m_hooks->GridTabCount(), ed->Tabs()->Count());
        QCOMPARE(m_program->Parts().grids->EditorChangeCount(), ed->ChangeCount());
        QVERIFY(ed->ChangeCount() > 0);
        QVERIFY(m_asked.isEmpty());
    }

    void closeAsksAndCancelReverts() {
        MTEGridEdit* ed = m_hooks->Editor();
        ed->ShowGrid(QStringLiteral("CustomGrid:Custom Grid 1"));
        const DataCfg::TControl c = m_wnd->Cfg()->Controls().first();
        QVERIFY(ed->Canvas()->AddCtrl(c, 0, 0));
        m_answers = {QMessageBox::Cancel};
        QVERIFY(!m_hooks->GridEditorMayClose());
        QCOMPARE(m_asked, QStringList{QStringLiteral("SAVE CHANGES?")});
        QVERIFY(ed->Canvas()->IsModified());

        const int count = m_program->Parts().grids->EditorChangeCount();
        m_wnd->OnClickCancel();
        QVERIFY(!ed->Canvas()->IsModified());
        QCOMPARE(ed->Canvas()->ViewCount(), 0);
        QVERIFY(m_program->Parts().grids->EditorChangeCount() > count);
        m_asked.clear();
        QVERIFY(m_hooks->GridEditorMayClose());
        QVERIFY(m_asked.isEmpty());
    }
};

QTEST_MAIN(TestProgramTabHooks)
#include "test_programtabhooks.moc"
