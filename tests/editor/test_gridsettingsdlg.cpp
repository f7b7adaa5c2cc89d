// The grid settings dialog on a custom grid of the grid editor (default configuration, private user folder):
// the fields read from the record, the icon and alignment texts both ways, the caption lines that follow a
// long name, the checks of OK, the stored record, the renamed file with the tab bar and tab list following
// it, a rename that fails, and the settings of a new grid surviving a reload from disk.

#include "config/tusercfg.h"
#include "editor/gridsettingsdlg.h"
#include "editor/gridview.h"
#include "editor/mtegridedit.h"
#include "editor/tabelem.h"
#include "editor/tabview.h"
#include "tests/editor/gridfixture.h"
#include "widgets/ctrlalign.h"
#include "widgets/ctrlposition.h"
#include "widgets/spindrop.h"

#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>

class TestGridSettingsDlg : public QObject {
    Q_OBJECT
    GridFixture m_fx;
    QTemporaryDir m_user;
    QList<DataCfg::TGrid> m_baseGrids;
    QStringList m_asked;

    QString GridDir() const { return m_user.path() + QStringLiteral("/CustomGrids/"); }

    // An editor showing the new custom grid "Custom Grid 1" (saved, on the tab bar) with the given icon text.
    std::unique_ptr<MTEGridEdit> Editor(const QString& icon = QStringLiteral("TabIconCustom")) {
        QDir(GridDir()).removeRecursively();
        m_fx.cfg->Grids() = m_baseGrids;
        m_fx.cfg->UserCfg().Tabs.clear();
        m_asked.clear();
        std::unique_ptr<MTEGridEdit> ed(new MTEGridEdit);
        ed->SetAskHandler([this](int, const QString& title, const QString& text, int buttons) {
            m_asked << title + QLatin1Char('|') + text;
            return buttons;
        });
        ed->SetCustomGridPath(GridDir());
        ed->ReloadCfg();
        if (!ed->OnBtnNew())
            return nullptr;
        ed->OnBtnAdd();
        ed->ApplyTabs();
        ed->Canvas()->Grid().Icon = icon;
        return ed;
    }
    static void Type(GridSettingsDlg* dlg, const char* field, const QString& text) {
        QLineEdit* e = dlg->Field(field);
        e->setText(text);
        emit e->textEdited(text);
    }

private slots:
    void initTestCase() {
        QVERIFY(m_user.isValid());
        m_fx.Load(this);
        PluginTools::SetUserPath(m_user.path());
        m_baseGrids = m_fx.cfg->Grids();
    }

    void iconTextFillsTheFields_data() {
        QTest::addColumn<QString>("icon");
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("colour");
        QTest::addColumn<QString>("align");
        QTest::newRow("name only") << "TabIconMedia" << 50 << ""
                                   << "CC: 0,-28";
        QTest::newRow("tiny scale") << "|0.004|" << 1 << ""
                                    << "CC: 0,-28";
        QTest::newRow("huge scale") << "x.png|7.5|#ff0000|RB: 5,7" << 500 << "#ff0000"
                                    << "RB: 5,7";
        QTest::newRow("no number") << "x.png|big" << 1 << ""
                                   << "CC: 0,-28";
        QTest::newRow("whole") << "TabIconKeys|1.25|#80ffffff|LT: 2,3" << 125 << "#80ffffff"
                               << "LT: 2,3";
    }
    void iconTextFillsTheFields() {
        QFETCH(QString, icon);
        auto ed = Editor(icon);
        QVERIFY(ed);
        QPointer<GridSettingsDlg> dlg = new GridSettingsDlg(ed.get());
        QTEST(dlg->SizePicker()->Value(), "size");
        QTEST(dlg->Field("edtCol")->text(), "colour");
        QTEST(dlg->Field("edtAlign")->text(), "align");
        QCOMPARE(dlg->Field("edtGridName")->text(), QStringLiteral("Custom Grid 1"));
        QCOMPARE(dlg->Field("edtTabName0")->text(), QStringLiteral("CUSTOM"));
        QCOMPARE(dlg->Field("edtTabName1")->text(), QStringLiteral("GRID #1"));
        dlg->done(PopupWnd::CANCEL);
    }

    void alignmentTextSetsThePickers_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<quint32>("bits");
        QTest::addColumn<QPoint>("margin");
        // The dialog starts at "CC: 0,-28": centre and middle, margin (0, -28).
        QTest::newRow("lower case") << " rb: 5,7" << quint32(4 | 0x20) << QPoint(5, 7);
        QTest::newRow("letters match nothing") << "XY: 1,2" << quint32(2 | 0x10) << QPoint(1, 2);
        QTest::newRow("no blank") << "LT" << quint32(1 | 8) << QPoint(0, -28);
        QTest::newRow("one piece") << "CB: 9" << quint32(2 | 0x20) << QPoint(0, -28);
    }
    void alignmentTextSetsThePickers() {
        QFETCH(QString, text);
        auto ed = Editor();
        QVERIFY(ed);
        QPointer<GridSettingsDlg> dlg = new GridSettingsDlg(ed.get());
        Type(dlg, "edtAlign", text);
        QTEST(dlg->AlignPicker()->value, "bits");
        QTEST(dlg->MarginPicker()->value, "margin");
        dlg->done(PopupWnd::CANCEL);
    }

    void pickersWriteTheAlignmentAndThePreview() {
        auto ed = Editor();
        QVERIFY(ed);
        QPointer<GridSettingsDlg> dlg = new GridSettingsDlg(ed.get());
        dlg->AlignPicker()->value = 4 | 8;
        dlg->MarginPicker()->value = QPoint(3, -4);
        emit dlg->MarginPicker()->changed(dlg->MarginPicker()->value);
        QCOMPARE(dlg->Field("edtAlign")->text(), QStringLiteral("RT: 3,-4"));
        dlg->SizePicker()->SetValue(125);
        QCOMPARE(dlg->IconText(), QStringLiteral("TabIconCustom|1.25||RT: 3,-4"));
        QVERIFY(dlg->Preview()->IsActive());
        QCOMPARE(dlg->Preview()->Kind(), int(TabElem::None));
        dlg->done(PopupWnd::CANCEL);
    }

    void longNameWrapsIntoTheSecondCaptionLine() {
        auto ed = Editor();
        QVERIFY(ed);
        QPointer<GridSettingsDlg> dlg = new GridSettingsDlg(ed.get());
        QFont tabFont(QStringLiteral("Eurostile LT Std"), 8, 63);
        tabFont.setPixelSize(24);
        const QFontMetrics fm(tabFont);
        Type(dlg, "edtGridName", QStringLiteral("Alpha Beta Gamma Delta"));
        const QString line1 = dlg->Field("edtTabName0")->text();
        const QString line2 = dlg->Field("edtTabName1")->text();
        QVERIFY(fm.horizontalAdvance(line1) < 150);
        QVERIFY(line2.endsWith(QLatin1Char(' ')));
        QCOMPARE(line1 + QLatin1Char(' ') + line2.trimmed(), QStringLiteral("Alpha Beta Gamma Delta"));
        QCOMPARE(dlg->Preview()->Caption(), line1 + QLatin1Char('\n') + line2);

        Type(dlg, "edtGridName", QStringLiteral("Supercalifragilisticexpialidocious"));
        QCOMPARE(dlg->Field("edtTabName0")->text(), QStringLiteral("Supercalifragilisticexpialidocious"));
        QCOMPARE(dlg->Field("edtTabName1")->text(), QString());
        dlg->done(PopupWnd::CANCEL);
    }

    void returnMovesBetweenTheCaptionLines() {
        auto ed = Editor();
        QVERIFY(ed);
        QPointer<GridSettingsDlg> dlg = new GridSettingsDlg(ed.get());
        dlg->show();
        QVERIFY(QTest::qWaitForWindowExposed(dlg));
        dlg->activateWindow();
        dlg->Field("edtTabName0")->setFocus();
        QTest::keyClick(dlg->Field("edtTabName0"), Qt::Key_Return);
        QVERIFY(dlg);
        QVERIFY(dlg->isVisible());
        QVERIFY(dlg->Field("edtTabName1")->hasFocus());
        QTest::keyClick(dlg->Field("edtTabName1"), Qt::Key_Down);
        QVERIFY(dlg->Field("edtTabName0")->hasFocus());
        dlg->done(PopupWnd::CANCEL);
    }

    void okRefusesEmptyAndTakenNames_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::newRow("only removed characters") << "/\\:*?\"<>|"
                                                 << "Error|Grid Name must not be empty!";
        QTest::newRow("a preset's name") << "Media"
                                         << "Error|Grid Media already exists!";
    }
    void okRefusesEmptyAndTakenNames() {
        QFETCH(QString, name);
        auto ed = Editor();
        QVERIFY(ed);
        QPointer<GridSettingsDlg> dlg = new GridSettingsDlg(ed.get());
        Type(dlg, "edtGridName", name);
        dlg->done(PopupWnd::OK);
        QTEST(m_asked.join(QLatin1Char('\n')), "message");
        QVERIFY(dlg);
        QCOMPARE(ed->Canvas()->Grid().Name, QStringLiteral("Custom Grid 1"));
        QVERIFY(QFileInfo::exists(GridDir() + QStringLiteral("Custom Grid 1.json")));
        dlg->done(PopupWnd::CANCEL);
    }

    void okStoresTheSettingsAndRenamesTheGrid() {
        auto ed = Editor();
        QVERIFY(ed);
        QPointer<GridSettingsDlg> dlg = new GridSettingsDlg(ed.get());
        Type(dlg, "edtGridName", QStringLiteral("My/Race:Grid"));
        Type(dlg, "edtTabName0", QStringLiteral("MY"));
        Type(dlg, "edtTabName1", QStringLiteral("RACE"));
        Type(dlg, "edtExe1", QStringLiteral("/usr/games/race"));
        const QString picture = m_fx.DataDir() + QStringLiteral("/AppSkin/tab_icon_media.png");
        dlg->pickFile = [picture](const QString&, const QString&, const QString&) { return picture; };
        dlg->findChild<QPushButton*>(QStringLiteral("btnBGFile"))->click();
        dlg->findChild<QPushButton*>(QStringLiteral("btnCFile0"))->click();
        QCOMPARE(dlg->Field("edtBG")->text(), picture);
        dlg->done(PopupWnd::OK);
        QCOMPARE(dlg->result(), int(PopupWnd::OK));
        QVERIFY(m_asked.isEmpty());

        const DataCfg::TGrid& g = ed->Canvas()->Grid();
        QCOMPARE(g.Name, QStringLiteral("MyRaceGrid"));
        QCOMPARE(g.Title, QStringLiteral("MY\nRACE"));
        QCOMPARE(g.Exe1, QStringLiteral("/usr/games/race"));
        // The background keeps its absolute path, the icon is stored relative to the data folder.
        QCOMPARE(g.Background, picture);
        QCOMPARE(g.Icon, QStringLiteral("/AppSkin/tab_icon_media.png|0.5||CC: 0,-28"));
        QCOMPARE(g.File, GridDir() + QStringLiteral("MyRaceGrid.json"));
        QVERIFY(ed->Canvas()->IsModified());
        QVERIFY(QFileInfo::exists(GridDir() + QStringLiteral("MyRaceGrid.json")));
        QVERIFY(!QFileInfo::exists(GridDir() + QStringLiteral("Custom Grid 1.json")));
        QCOMPARE(m_fx.cfg->FindGrid(QStringLiteral("MyRaceGrid"), CustomGridSet).Title, QStringLiteral("MY\nRACE"));
        // The tab bar's tab and the stored tab list follow the new name.
        QCOMPARE(ed->Tabs()->GetTabKey(0), QStringLiteral("CustomGrid:MyRaceGrid"));
        QCOMPARE(ed->Tabs()->Tab(0)->Caption(), QStringLiteral("MY\nRACE"));
        QCOMPARE(m_fx.cfg->UserCfg().Tabs.value(0).Name, QStringLiteral("CustomGrid:MyRaceGrid"));

        // Saved and read back, the grid is there once, under its new name.
        ed->OnBtnSave(true);
        m_fx.cfg->LoadCustomGrids();
        int count = 0;
        for (const DataCfg::TGrid& x : m_fx.cfg->Grids())
            count += x.Custom ? 1 : 0;
        QCOMPARE(count, 1);
        QCOMPARE(m_fx.cfg->FindGrid(QStringLiteral("MyRaceGrid"), CustomGridSet).Exe1,
                 QStringLiteral("/usr/games/race"));
    }

    void failedRenameIsReportedAndKeepsNameAndPath() {
        auto ed = Editor();
        QVERIFY(ed);
        // A folder in the way of the new file name: the rename cannot happen.
        QVERIFY(QDir().mkpath(GridDir() + QStringLiteral("Blocked.json/inside")));
        QPointer<GridSettingsDlg> dlg = new GridSettingsDlg(ed.get());
        Type(dlg, "edtGridName", QStringLiteral("Blocked"));
        dlg->done(PopupWnd::OK);
        QCOMPARE(m_asked.size(), 1);
        QVERIFY2(m_asked.first().startsWith(QStringLiteral("Error|")), qPrintable(m_asked.first()));
        QVERIFY(dlg);
        const DataCfg::TGrid& g = ed->Canvas()->Grid();
        QCOMPARE(g.Name, QStringLiteral("Custom Grid 1"));
        QCOMPARE(g.File, GridDir() + QStringLiteral("Custom Grid 1.json"));
        QCOMPARE(m_fx.cfg->FindGrid(QStringLiteral("Custom Grid 1"), CustomGridSet).File, g.File);
        QVERIFY(QFileInfo::exists(g.File));
        dlg->done(PopupWnd::CANCEL);
    }

    void cancelStoresNothing() {
        auto ed = Editor();
        QVERIFY(ed);
        QPointer<GridSettingsDlg> dlg = new GridSettingsDlg(ed.get());
        Type(dlg, "edtGridName", QStringLiteral("Other"));
        Type(dlg, "edtTabName0", QStringLiteral("X"));
        dlg->done(PopupWnd::CANCEL);
        QCOMPARE(ed->Canvas()->Grid().Name, QStringLiteral("Custom Grid 1"));
        QCOMPARE(ed->Canvas()->Grid().Title, QStringLiteral("CUSTOM\nGRID #1"));
        QVERIFY(!ed->Canvas()->IsModified());
        QTRY_VERIFY(!dlg);
    }

    void newGridKeepsItsSettingsAfterAReload() {
        auto ed = Editor();
        QVERIFY(ed);
        ed->SetGridSettingsRunner([this](MTEGridEdit* e) {
            auto* dlg = new GridSettingsDlg(e);
            Type(dlg, "edtGridName", QStringLiteral("Deck"));
            Type(dlg, "edtAlign", QStringLiteral("LT: 1,2"));
            dlg->done(PopupWnd::OK);
            return dlg->result();
        });
        QVERIFY(ed->OnBtnNew());
        QCOMPARE(m_asked, QStringList());
        QCOMPARE(ed->Canvas()->Grid().Name, QStringLiteral("Deck"));
        m_fx.cfg->LoadCustomGrids();
        const DataCfg::TGrid stored = m_fx.cfg->FindGrid(QStringLiteral("Deck"), CustomGridSet);
        QCOMPARE(stored.Name, QStringLiteral("Deck"));
        QCOMPARE(stored.Title, QStringLiteral("Deck"));
        QCOMPARE(stored.Icon, QStringLiteral("TabIconCustom|0.5||LT: 1,2"));
        QVERIFY(!ed->Canvas()->IsModified());
    }
};

QTEST_MAIN(TestGridSettingsDlg)
#include "test_gridsettingsdlg.moc"
