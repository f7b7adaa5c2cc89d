// The grid editor tab on the default configuration with a private user folder: the phone tab bar (add,
// remove, move, the 48-tab limit, hidden grids, applying the tab list), custom-grid files (new, save and
// read back, save as with good and bad names, clear, delete), the "SAVE CHANGES?" questions answered by a
// script, and the change counter that the phone server's grid provider reads.

#include "config/tusercfg.h"
#include "editor/gridview.h"
#include "editor/mtegridedit.h"
#include "editor/netgridsprovider.h"
#include "editor/tabview.h"
#include "runtime/ctrlview.h"
#include "tests/editor/gridfixture.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

const int Yes = QMessageBox::Yes;
const int No = QMessageBox::No;
const int Cancel = QMessageBox::Cancel;

// Answers message boxes from a queue and records every box asked.
struct ScriptedAnswers {
    QStringList asked;
    QList<int> answers;
    MTEGridEdit::AskFn Fn() {
        return [this](int, const QString& title, const QString& text, int buttons) {
            asked << title + QLatin1Char('|') + text;
            if (!answers.isEmpty())
                return answers.takeFirst();
            return buttons & QMessageBox::Ok ? int(QMessageBox::Ok) : int(Cancel);
        };
    }
};

} // namespace

class TestMTEGridEdit : public QObject {
    Q_OBJECT
    GridFixture m_fx;
    LogCapture* m_log = nullptr;
    QTemporaryDir m_user;
    QList<DataCfg::TGrid> m_baseGrids;

    QString GridDir() const { return m_user.path() + QStringLiteral("/CustomGrids/"); }

    // An editor on a fresh state: no custom grid files, the given tab list, the given answers.
    std::unique_ptr<MTEGridEdit> Editor(ScriptedAnswers& answers, const QStringList& tabs = QStringList()) {
        QDir(GridDir()).removeRecursively();
        m_fx.cfg->Grids() = m_baseGrids;
        m_fx.cfg->UserCfg().Tabs.clear();
        for (const QString& key : tabs) {
            DataCfg::TNamed t;
            t.Name = key;
            m_fx.cfg->UserCfg().Tabs << t;
        }
        std::unique_ptr<MTEGridEdit> ed(new MTEGridEdit);
        ed->SetAskHandler(answers.Fn());
        ed->SetCustomGridPath(GridDir());
        ed->ReloadCfg();
        return ed;
    }
    QStringList TabKeys(MTEGridEdit& ed) {
        QStringList keys;
        for (int i = 0; i < ed.Tabs()->Count(); ++i)
            keys << ed.Tabs()->GetTabKey(i);
        return keys;
    }
    QStringList ModelTabs() {
        QStringList keys;
        for (const DataCfg::TNamed& t : m_fx.cfg->UserCfg().Tabs)
            keys << t.Name;
        return keys;
    }
    DataCfg::TControl Ticker() { return m_fx.cfg->FindControl(QStringLiteral("GT:Ticker")); }

private slots:
    void initTestCase() {
        QVERIFY(m_user.isValid());
        m_log = new LogCapture;
        m_fx.Load(this);
        PluginTools::SetUserPath(m_user.path());
        QCOMPARE(DataCfg::CustomGridPath(), GridDir());
        DataCfg::TGrid hidden = m_fx.cfg->FindGrid(QStringLiteral("[MERVEX]:Media"));
        hidden.NewId();
        hidden.Name = QStringLiteral("Secret");
        hidden.Category = QStringLiteral("Hidden");
        m_fx.cfg->Grids() << hidden;
        m_baseGrids = m_fx.cfg->Grids();
    }
    void cleanupTestCase() { delete m_log; }

    void tabBarShowsTheTabListWithoutHiddenOrUnknownGrids() {
        ScriptedAnswers answers;
        auto ed = Editor(answers, {"[MERVEX]:Media", "[MERVEX]:Secret", "Nowhere:Grid", "GT:Ticks"});
        QCOMPARE(TabKeys(*ed), (QStringList{"[MERVEX]:Media", "GT:Ticks"}));
        QCOMPARE(ed->Tabs()->CurrentIndex(), 0);
        QCOMPARE(ed->Canvas()->Grid().GetKey(), QStringLiteral("[MERVEX]:Media"));
        QVERIFY(!ed->TabsModified());
        QVERIFY(answers.asked.isEmpty());
    }

    void addMoveRemoveAndApplyTabs() {
        ScriptedAnswers answers;
        auto ed = Editor(answers, {"[MERVEX]:Media", "GT:Ticks", "[MERVEX]:Secret"});
        NetGridsProvider provider;
        MTEGridEdit* raw = ed.get();
        provider.SetEditorChangeCount([raw] { return raw->ChangeCount(); });
        const int before = provider.EditorChangeCount();
        QVERIFY(before > 0);

        // Add the shown grid ("Media") again, then move it to the front and remove the middle one.
        ed->OnBtnAdd();
        QCOMPARE(TabKeys(*ed), (QStringList{"[MERVEX]:Media", "GT:Ticks", "[MERVEX]:Media"}));
        QCOMPARE(ed->Tabs()->CurrentIndex(), 2);
        QVERIFY(ed->TabsModified());
        ed->ShowGrid(QStringLiteral("GT:Ticks"));
        ed->Tabs()->OnTabClicked(1);
        ed->OnBtnArrL();
        QCOMPARE(TabKeys(*ed), (QStringList{"GT:Ticks", "[MERVEX]:Media", "[MERVEX]:Media"}));
        QCOMPARE(ed->Tabs()->CurrentIndex(), 0);
        QVERIFY(!ed->Button("btnArrL")->isEnabled());
        ed->OnBtnArrL(); // already first: nothing
        ed->OnBtnArrR();
        ed->OnBtnArrR();
        QCOMPARE(TabKeys(*ed), (QStringList{"[MERVEX]:Media", "[MERVEX]:Media", "GT:Ticks"}));
        QVERIFY(!ed->Button("btnArrR")->isEnabled());
        ed->Tabs()->OnTabClicked(1);
        ed->OnBtnHide();
        QCOMPARE(TabKeys(*ed), (QStringList{"[MERVEX]:Media", "GT:Ticks"}));
        QCOMPARE(ed->Tabs()->CurrentIndex(), 0);
        QCOMPARE(ModelTabs(), (QStringList{"[MERVEX]:Media", "GT:Ticks", "[MERVEX]:Secret"}));

        ed->ApplyTabs();
        QVERIFY(!ed->TabsModified());
        QCOMPARE(ModelTabs(), (QStringList{"[MERVEX]:Media", "GT:Ticks", "[MERVEX]:AppSettings"}));
        QVERIFY(provider.EditorChangeCount() > before);
        QCOMPARE(provider.TabList().mid(0, 2), (QStringList{"[MERVEX]:Media", "GT:Ticks"}));
        QVERIFY(answers.asked.isEmpty());
    }

    void theTabBarHoldsAtMost48_data() {
        QTest::addColumn<int>("tabs");
        QTest::addColumn<bool>("added");
        QTest::newRow("47 takes one more") << 47 << true;
        QTest::newRow("48 is full") << 48 << false;
    }
    void theTabBarHoldsAtMost48() {
        QFETCH(int, tabs);
        QFETCH(bool, added);
        ScriptedAnswers answers;
        QStringList keys;
        for (int i = 0; i < tabs + 5; ++i) // more in the list than the bar may show
            keys << QStringLiteral("GT:Ticks");
        auto ed = Editor(answers, keys.mid(0, tabs));
        QCOMPARE(ed->Tabs()->Count(), tabs);
        ed->OnBtnAdd();
        QCOMPARE(ed->Tabs()->Count(), added ? tabs + 1 : tabs);
        QCOMPARE(answers.asked,
                 added ? QStringList() : QStringList{QStringLiteral("ERROR|Maximum number of Tabs exceeded!")});
        QCOMPARE(ed->TabsModified(), added);

        // A list longer than the phone can show is cut at 48, not lost from the model before an apply.
        auto more = Editor(answers, keys + keys);
        QCOMPARE(more->Tabs()->Count(), MTEGridEdit::MaxTabs);
    }

    void newSaveAndReadBack() {
        ScriptedAnswers answers;
        auto ed = Editor(answers);
        QVERIFY(ed->OnBtnNew());
        const DataCfg::TGrid made = ed->Canvas()->Grid();
        QCOMPARE(made.Name, QStringLiteral("Custom Grid 1"));
        QCOMPARE(made.Title, QStringLiteral("CUSTOM\nGRID #1"));
        QVERIFY(made.Custom);
        QVERIFY(QFileInfo::exists(GridDir() + "Custom Grid 1.json"));
        QVERIFY(ed->Button("btnSave")->isEnabled());

        QVERIFY(ed->Canvas()->AddCtrl(Ticker(), 1, 2, QStringLiteral("entry")));
        QVERIFY(ed->Canvas()->AddCtrl(Ticker(), 1, 2));
        QVERIFY(ed->Canvas()->IsModified());
        const int count = ed->ChangeCount();
        ed->OnBtnSave();
        QVERIFY(!ed->Canvas()->IsModified());
        QCOMPARE(ed->ChangeCount(), count + 1);
        QCOMPARE(answers.asked.last(), QStringLiteral("SUCCESS|Saved Custom Grid: Custom Grid 1"));

        // Read back from the file alone.
        m_fx.cfg->LoadCustomGrids();
        const DataCfg::TGrid read = m_fx.cfg->FindGrid(QStringLiteral("CustomGrid:Custom Grid 1"));
        QVERIFY(read.Custom);
        QCOMPARE(read.Elements.size(), 2);
        QCOMPARE(read.Elements.at(0).Position, QPoint(1, 2));
        QCOMPARE(read.Elements.at(0).ResetName, QStringLiteral("entry"));
        QCOMPARE(read.Elements.at(1).Position, QPoint(2, 2));
        QCOMPARE(read.Elements.at(1).Control, QStringLiteral("GT:Ticker"));

        // A second New takes the next free number; a cancelled settings dialog takes it back.
        QVERIFY(ed->OnBtnNew());
        QCOMPARE(ed->Canvas()->Grid().Name, QStringLiteral("Custom Grid 2"));
        ed->SetGridSettingsRunner([](MTEGridEdit*) { return int(QMessageBox::Cancel); });
        QVERIFY(!ed->OnBtnNew());
        QVERIFY(!QFileInfo::exists(GridDir() + "Custom Grid 3.json"));
        QVERIFY(m_fx.cfg->FindGrid(QStringLiteral("Custom Grid 3"), CustomGridSet).Set != CustomGridSet);
        QCOMPARE(ed->Canvas()->Grid().Name, QStringLiteral("Custom Grid 2"));
    }

    void savingAPresetDoesNothing() {
        ScriptedAnswers answers;
        auto ed = Editor(answers, {"[MERVEX]:Media"});
        ed->OnBtnSave();
        QVERIFY(answers.asked.isEmpty());
        QVERIFY(!QDir(GridDir()).exists() || QDir(GridDir()).entryList(QDir::Files).isEmpty());
    }

    void saveChangesQuestions_data() {
        QTest::addColumn<bool>("tabsChanged");
        QTest::addColumn<QList<int>>("replies");
        QTest::addColumn<bool>("mayClose");
        QTest::addColumn<int>("questions");
        QTest::addColumn<int>("elementsInFile");
        QTest::addColumn<int>("elementsShown");
        QTest::newRow("grid yes saves") << false << QList<int>{Yes} << true << 1 << 1 << 1;
        QTest::newRow("grid no reverts") << false << QList<int>{No} << true << 1 << 0 << 0;
        QTest::newRow("grid cancel keeps the edit") << false << QList<int>{Cancel} << false << 1 << 0 << 1;
        QTest::newRow("tabs cancel asks nothing more") << true << QList<int>{Cancel} << false << 1 << 0 << 1;
        QTest::newRow("tabs no, grid yes") << true << QList<int>{No, Yes} << true << 2 << 1 << 1;
        // Writing the tab list asks the grid question first, and leaving asks it again when still modified.
        QTest::newRow("tabs yes, grid yes") << true << QList<int>{Yes, Yes} << true << 2 << 1 << 1;
        QTest::newRow("tabs yes, grid cancel twice") << true << QList<int>{Yes, Cancel, Cancel} << false << 3 << 0 << 1;
    }
    void saveChangesQuestions() {
        QFETCH(bool, tabsChanged);
        QFETCH(QList<int>, replies);
        QFETCH(bool, mayClose);
        QFETCH(int, questions);
        QFETCH(int, elementsInFile);
        QFETCH(int, elementsShown);
        ScriptedAnswers answers;
        auto ed = Editor(answers);
        QVERIFY(ed->OnBtnNew());
        if (tabsChanged)
            ed->OnBtnAdd();
        QVERIFY(ed->Canvas()->AddCtrl(Ticker(), 0, 0));
        QVERIFY(answers.asked.isEmpty());
        answers.answers = replies;
        QCOMPARE(ed->DoModifiedWarning(), mayClose);
        QCOMPARE(answers.asked.size(), questions);
        QCOMPARE(answers.asked.first().section('|', 0, 0), QStringLiteral("SAVE CHANGES?"));
        if (tabsChanged)
            QVERIFY(answers.asked.first().contains("Tabs"));
        else
            QVERIFY(answers.asked.first().contains("Grid"));
        QCOMPARE(ed->Canvas()->ViewCount(), elementsShown);
        QCOMPARE(ed->Canvas()->IsModified(), elementsShown != elementsInFile);

        QVERIFY(m_fx.cfg->LoadCustomGrid(GridDir() + "Custom Grid 1.json"));
        QCOMPARE(m_fx.cfg->FindGrid(QStringLiteral("CustomGrid:Custom Grid 1")).Elements.size(), elementsInFile);
    }

    void aFailedSaveKeepsTheEditor() {
        ScriptedAnswers answers;
        auto ed = Editor(answers);
        QVERIFY(ed->OnBtnNew());
        QVERIFY(ed->Canvas()->AddCtrl(Ticker(), 0, 0));
        // The file cannot be replaced: a folder of the same name takes its place.
        QVERIFY(QFile::remove(GridDir() + "Custom Grid 1.json"));
        QVERIFY(QDir().mkpath(GridDir() + "Custom Grid 1.json/x"));
        answers.asked.clear();
        answers.answers = {Yes};
        QVERIFY(!ed->DoModifiedWarningGrid());
        QCOMPARE(answers.asked.size(), 2);
        QVERIFY(answers.asked.last().startsWith("ERROR|"));
        QVERIFY(ed->Canvas()->IsModified());
        QCOMPARE(ed->Canvas()->ViewCount(), 1);
    }

    void saveAs_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("newName"); // empty: refused with an error
        QTest::newRow("plain") << "Lights.json"
                               << "Lights";
        QTest::newRow("outside the folder lands inside it") << "/tmp/elsewhere/Desk.json"
                                                            << "Desk";
        QTest::newRow("dot dot") << "../../Up.json"
                                 << "Up";
        QTest::newRow("colon") << "a:b.json"
                               << "";
        QTest::newRow("backslash") << "a\\b.json"
                                   << "";
        QTest::newRow("hidden file") << ".json"
                                     << "";
        QTest::newRow("name taken") << "Custom Grid 2.json"
                                    << "";
    }
    void saveAs() {
        QFETCH(QString, chosen);
        QFETCH(QString, newName);
        ScriptedAnswers answers;
        auto ed = Editor(answers);
        QVERIFY(ed->OnBtnNew());
        QVERIFY(ed->OnBtnNew());
        ed->ShowGrid(QStringLiteral("CustomGrid:Custom Grid 1"));
        QVERIFY(ed->Canvas()->AddCtrl(Ticker(), 0, 0));
        QString start;
        ed->SetSaveFileAsker([&](const QString&, const QString& s, const QString&) {
            start = s;
            return chosen.startsWith('/') ? chosen : GridDir() + chosen;
        });
        answers.asked.clear();
        ed->OnBtnSaveAs();
        QCOMPARE(start, GridDir() + "Custom Grid 1.json");
        if (newName.isEmpty()) {
            QCOMPARE(answers.asked.size(), 1);
            QVERIFY(answers.asked.first().startsWith("ERROR|"));
            QVERIFY(QFileInfo::exists(GridDir() + "Custom Grid 1.json"));
            QCOMPARE(ed->Canvas()->ViewCount(), 1); // the edit is still there
            // A plain save afterwards writes the grid's own file, not the refused one.
            ed->OnBtnSave(true);
            m_fx.cfg->LoadCustomGrids();
            QCOMPARE(m_fx.cfg->FindGrid("CustomGrid:Custom Grid 1").Elements.size(), 1);
            QCOMPARE(m_fx.cfg->FindGrid("CustomGrid:Custom Grid 2").Elements.size(), 0);
            return;
        }
        QCOMPARE(answers.asked, QStringList{"SUCCESS|Saved Custom Grid: " + newName});
        QCOMPARE(ed->Canvas()->Grid().Name, newName);
        QVERIFY(!ed->Canvas()->IsModified());
        QVERIFY(QFileInfo::exists(GridDir() + newName + ".json"));
        QVERIFY(!QFileInfo::exists(GridDir() + "Custom Grid 1.json"));
        QVERIFY(!QFileInfo::exists("/tmp/elsewhere/Desk.json"));
        m_fx.cfg->LoadCustomGrids();
        QCOMPARE(m_fx.cfg->FindGrid(CustomGridSet + ":" + newName).Elements.size(), 1);
        QVERIFY(ed->GridKeys().contains(CustomGridSet + ":" + newName));
    }

    void clearAndDelete() {
        ScriptedAnswers answers;
        auto ed = Editor(answers, {"[MERVEX]:Media"});
        QVERIFY(ed->OnBtnNew());
        QVERIFY(ed->Canvas()->AddCtrl(Ticker(), 0, 0));
        ed->OnBtnSave(true);
        ed->OnBtnAdd();
        ed->ApplyTabs();
        QCOMPARE(TabKeys(*ed), (QStringList{"[MERVEX]:Media", "CustomGrid:Custom Grid 1"}));

        answers.answers = {No};
        ed->OnBtnClear();
        QCOMPARE(ed->Canvas()->ViewCount(), 1);
        answers.answers = {Yes};
        ed->OnBtnClear();
        QCOMPARE(ed->Canvas()->ViewCount(), 0);
        QVERIFY(ed->Canvas()->IsModified()); // clearing does not save

        answers.asked.clear();
        answers.answers = {No};
        ed->OnBtnDelete();
        QCOMPARE(answers.asked, QStringList{"ARE YOU SURE?|Do you really want to delete Custom Grid: Custom Grid 1 ?"});
        QVERIFY(QFileInfo::exists(GridDir() + "Custom Grid 1.json"));
        answers.answers = {Yes};
        ed->OnBtnDelete();
        QVERIFY(!QFileInfo::exists(GridDir() + "Custom Grid 1.json"));
        QVERIFY(ed->Canvas()->Grid().Name.isEmpty());
        QCOMPARE(TabKeys(*ed), QStringList{"[MERVEX]:Media"});
        QVERIFY(!ed->GridKeys().contains("CustomGrid:Custom Grid 1"));
        // Nothing asked on leaving: the deleted grid's edits went with it.
        answers.asked.clear();
        QVERIFY(ed->DoModifiedWarningGrid());
        QVERIFY(answers.asked.isEmpty());
    }

    void gridMenuAndArrows() {
        ScriptedAnswers answers;
        auto ed = Editor(answers);
        QVERIFY(ed->OnBtnNew());
        const QStringList keys = ed->GridKeys();
        QVERIFY(keys.contains("[MERVEX]:Media"));
        QVERIFY(keys.contains("CustomGrid:Custom Grid 1"));
        QVERIFY(!keys.contains("[MERVEX]:Secret") || !m_fx.cfg->FindGrid("[MERVEX]:Secret").Signed);
        QSignalSpy chosen(ed.get(), &MTEGridEdit::comboBoxItemSelected);
        ed->ShowGrid(keys.first());
        ed->OnBtnGArrL();
        QCOMPARE(ed->Canvas()->Grid().GetKey(), keys.last());
        ed->OnBtnGArrR();
        QCOMPARE(ed->Canvas()->Grid().GetKey(), keys.first());
        QCOMPARE(chosen.count(), 2);
        ed->ShowGrid(QStringLiteral("Nowhere:Grid"));
        QVERIFY(ed->Canvas()->Grid().Name.isEmpty());
        ed->OnBtnGArrR();
        QCOMPARE(ed->Canvas()->Grid().GetKey(), keys.first());
    }
};

QTEST_MAIN(TestMTEGridEdit)
#include "test_mtegridedit.moc"
