// The browse tab on a configuration made here: grids grouped into preset, premium and custom (an unsigned
// "[MERVEX]" grid counts as custom, hidden grids are left out), four tiles to a row, the category box, the
// list view with its installed marks, clicks and arrow keys that show the grid in the grid editor, "GET
// MORE", and the icon button's sizes and images.

#include "config/datacfg.h"
#include "config/tgrid.h"
#include "config/tusercfg.h"
#include "editor/gridview.h"
#include "editor/mtegridedit.h"
#include "editor/tabview.h"
#include "functions/plugintools.h"
#include "shell/browseitems.h"
#include "shell/mteasyctrl.h"
#include "widgets/bgicnbtn.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {
DataCfg::TGrid Grid(const QString& set, const QString& name, bool isSigned = false, const QString& category = {}) {
    DataCfg::TGrid g;
    g.NewId();
    g.Set = set;
    g.Name = name;
    g.Signed = isSigned;
    g.Category = category;
    g.Title = name;
    g.Date = QDateTime(QDate(2024, 3, 9), QTime(12, 0));
    return g;
}
} // namespace

class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

class TestGridBrowser : public QObject {
    Q_OBJECT
    QTemporaryDir m_user;
    DataCfg* m_cfg = nullptr;
    MTEGridEdit* m_editor = nullptr;
    MTEasyCtrl* m_tab = nullptr;

    // The model's grids: five signed presets, one unsigned "[MERVEX]" grid, a hidden preset, two premium
    // grids and one custom grid file.
    void MakeGrids() {
        QList<DataCfg::TGrid>& grids = m_cfg->Grids();
        grids.clear();
        for (int i = 1; i <= 5; ++i)
            grids << Grid(QStringLiteral("[MERVEX]"), QStringLiteral("Preset %1").arg(i), true);
        grids << Grid(QStringLiteral("[MERVEX]"), QStringLiteral("Unsigned"));
        grids << Grid(QStringLiteral("[MERVEX]"), QStringLiteral("Secret"), true, QStringLiteral("Hidden"));
        grids << Grid(QStringLiteral("Racing"), QStringLiteral("Pit Wall"));
        grids << Grid(QStringLiteral("Racing"), QStringLiteral("A grid name far too long for any tile"));
        DataCfg::TGrid custom = Grid(CustomGridSet, QStringLiteral("Mine"));
        custom.Custom = true;
        custom.File = DataCfg::CustomGridPath() + QStringLiteral("Mine.json");
        grids << custom;
        QDir().mkpath(DataCfg::CustomGridPath());
        QCOMPARE(m_cfg->SaveCustomGrid(QString(), QStringLiteral("Mine")), QString());
    }
    MTEGridList* List() { return m_tab->List(); }
    QStringList Names() {
        QStringList names;
        for (AbstractBrowseItem* item : List()->Items())
            names << item->Name();
        return names;
    }

private slots:
    void initTestCase() {
        QVERIFY(m_user.isValid());
        PluginTools::SetUserPath(m_user.path());
        m_cfg = new DataCfg(this);
        MakeGrids();
        DataCfg::TNamed tab;
        tab.Name = QStringLiteral("Racing:Pit Wall");
        m_cfg->UserCfg().Tabs << tab;
        m_editor = new MTEGridEdit;
        m_tab = new MTEasyCtrl(nullptr, m_editor);
        m_tab->Init();
        m_tab->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_tab));
    }
    void cleanupTestCase() { delete m_tab; }

    void gridsAreGroupedAndHiddenOnesLeftOut() {
        QCOMPARE(m_editor->parentWidget(), static_cast<QWidget*>(m_tab));
        QCOMPARE(m_editor->x(), 1014 - 396);
        QStringList box;
        for (int i = 0; i < List()->CategoryBox()->count(); ++i)
            box << List()->CategoryBox()->itemText(i) + QLatin1Char('=') +
                       List()->CategoryBox()->itemData(i).toString();
        QCOMPARE(box, (QStringList{"All Grids=0", "Preset Grids=1", "Premium Grids=2", "Custom Grids=3"}));
        QCOMPARE(Names(), (QStringList{"Preset 1", "Preset 2", "Preset 3", "Preset 4", "Preset 5", "Pit Wall",
                                       "A grid name far too long for any tile", "Unsigned", "Mine"}));
        QCOMPARE(List()->HeaderLabel()->text(), QStringLiteral("PRESET GRIDS"));
    }

    void tilesStandFourToARow() {
        const QList<AbstractBrowseItem*> items = List()->Items();
        QCOMPARE(items[0]->size(), QSize(136, 148));
        QCOMPARE(items[4]->x(), items[0]->x());
        QVERIFY(items[4]->y() > items[0]->y());
        QCOMPARE(items[3]->y(), items[0]->y());
        QVERIFY(items[3]->x() > items[2]->x());
        // A name wider than the tile ends in an ellipsis; the tile of a grid on the tab bar has its mark.
        QVERIFY(items[6]->NameLabel()->text().endsWith(QChar(0x2026)));
        QVERIFY(items[5]->IconButton()->installed);
        QVERIFY(!items[0]->IconButton()->installed);
        QVERIFY(!items[0]->IconButton()->background.isNull());
    }

    void clickShowsTheGridAndMovesTheSelection() {
        QSignalSpy shown(List(), &MTEGridList::showGrid);
        AbstractBrowseItem* pit = List()->Items()[5];
        QTest::mouseClick(pit, Qt::LeftButton);
        QCOMPARE(shown.count(), 1);
        QCOMPARE(shown.first().first().toString(), QStringLiteral("Racing:Pit Wall"));
        QCOMPARE(m_editor->Canvas()->Grid().GetKey(), QStringLiteral("Racing:Pit Wall"));
        QCOMPARE(List()->Selected(), pit);
        QTest::mouseClick(List()->Items()[8], Qt::LeftButton);
        QVERIFY(!pit->IsSelected());
        QCOMPARE(m_editor->Canvas()->Grid().GetKey(), QStringLiteral("CustomGrid:Mine"));
    }

    void arrowKeysWalkTheTiles_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("to");
        QTest::newRow("left") << 2 << int(Qt::Key_Left) << 1;
        QTest::newRow("left at the start") << 0 << int(Qt::Key_Left) << 0;
        QTest::newRow("right at the end") << 8 << int(Qt::Key_Right) << 8;
        QTest::newRow("down a row") << 0 << int(Qt::Key_Down) << 4;
        QTest::newRow("down into the premium grids") << 1 << int(Qt::Key_Down) << 6;
        QTest::newRow("up into the presets") << 5 << int(Qt::Key_Up) << 4;
        QTest::newRow("up from the first row") << 2 << int(Qt::Key_Up) << 2;
    }
    void arrowKeysWalkTheTiles() {
        QFETCH(int, from);
        QFETCH(int, key);
        QTest::mouseClick(List()->Items()[from], Qt::LeftButton);
        QSignalSpy shown(List(), &MTEGridList::showGrid);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        List()->onContainerKeyPressed(&press);
        QFETCH(int, to);
        QCOMPARE(List()->Selected(), List()->Items()[to]);
        QCOMPARE(shown.count(), 1);
        QCOMPARE(shown.first().first().toString(), List()->Items()[to]->Key());
    }

    void oneCategoryAndTheListView() {
        QComboBox* box = List()->CategoryBox();
        box->setCurrentIndex(3);
        emit box->activated(3);
        QCOMPARE(Names(), (QStringList{"Unsigned", "Mine"}));
        QCOMPARE(List()->HeaderLabel()->text(), QStringLiteral("CUSTOM GRIDS"));

        // The list view starts again from "All Grids".
        QTest::mouseClick(List()->ModeButton(true), Qt::LeftButton);
        QVERIFY(List()->IsListMode());
        QCOMPARE(List()->ModeButton(true)->property("active").toString(), QStringLiteral("true"));
        QCOMPARE(List()->ModeButton(false)->property("active").toString(), QStringLiteral("false"));
        QCOMPARE(box->currentIndex(), 0);
        QCOMPARE(Names().size(), 9);
        auto* row = qobject_cast<BrowseListItem*>(List()->Items()[6]);
        QVERIFY(row);
        QCOMPARE(row->height(), 26);
        QCOMPARE(row->NameLabel()->text(), QStringLiteral("A grid name far too long for any tile"));
        QCOMPARE(row->DateLabel()->text(), QStringLiteral("09.03.2024"));
        QVERIFY(row->InstalledLabel()->pixmap(Qt::ReturnByValue).isNull());
        auto* pit = qobject_cast<BrowseListItem*>(List()->Items()[5]);
        QVERIFY(!pit->InstalledLabel()->pixmap(Qt::ReturnByValue).isNull());
        QCOMPARE(pit->IconButton()->iconSize, QSize(13, 13));
        // Left and right do not move in the list view.
        QTest::mouseClick(pit, Qt::LeftButton);
        QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
        List()->onContainerKeyPressed(&right);
        QCOMPARE(List()->Selected(), static_cast<AbstractBrowseItem*>(pit));
        QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
        List()->onContainerKeyPressed(&down);
        QCOMPARE(List()->Selected(), List()->Items()[6]);

        QTest::mouseClick(List()->ModeButton(false), Qt::LeftButton);
        QVERIFY(!List()->IsListMode());
    }

    void aNewCustomGridAppearsWhenTheTabShowsAgain() {
        m_tab->hide();
        DataCfg::TGrid extra = Grid(CustomGridSet, QStringLiteral("Later"));
        extra.Custom = true;
        extra.File = DataCfg::CustomGridPath() + QStringLiteral("Later.json");
        m_cfg->Grids() << extra;
        QCOMPARE(m_cfg->SaveCustomGrid(QString(), QStringLiteral("Later")), QString());
        m_cfg->Grids().removeLast();
        m_tab->show();
        QVERIFY(Names().contains(QStringLiteral("Later")));
        // Rebuilt while shown, the content is at once as high as its three rows of tiles.
        QVERIFY2(List()->Content()->height() > 3 * 148, qPrintable(QString::number(List()->Content()->height())));
        // The editor's grid is marked.
        m_editor->ShowGrid(QStringLiteral("CustomGrid:Later"));
        emit m_editor->comboBoxItemSelected(QStringLiteral("CustomGrid:Later"));
        QCOMPARE(List()->Selected()->Name(), QStringLiteral("Later"));
    }

    // A rebuild takes the last view's tiles and rows over: each must show its new grid, its own mark and no
    // selection or icon left from the grid it showed before, and a click must show the new grid.
    void aRebuiltViewShowsEachGridOnItsOwn() {
        const QList<DataCfg::TGrid> kept = m_cfg->Grids();
        m_cfg->Grids().first().Icon = QStringLiteral(":/images/tab-installed"); // "Preset 1" alone has an icon
        List()->Rebuild();
        const QList<AbstractBrowseItem*> before = List()->Items();
        QVERIFY(!before.first()->IconButton()->icon.isNull());
        QTest::mouseClick(before[1], Qt::LeftButton); // "Preset 2", selected
        m_cfg->Grids().removeFirst();                 // "Preset 1"
        List()->Rebuild();
        QList<AbstractBrowseItem*> items = List()->Items();
        QCOMPARE(items.first(), before.first()); // taken over, not made anew
        QCOMPARE(Names(), (QStringList{"Preset 2", "Preset 3", "Preset 4", "Preset 5", "Pit Wall",
                                       "A grid name far too long for any tile", "Unsigned", "Later", "Mine"}));
        for (AbstractBrowseItem* item : items) {
            QCOMPARE(item->NameLabel()->text().left(6), item->Name().left(6));
            QCOMPARE(item->IconButton()->installed, item->Name() == QLatin1String("Pit Wall"));
            QVERIFY2(item->IconButton()->icon.isNull(), qPrintable(item->Name()));
            // The editor's grid; the tile that was selected shows "Preset 3" now.
            QCOMPARE(item->IsSelected(), item->Name() == QLatin1String("Preset 2"));
        }
        QVERIFY(items[5]->NameLabel()->text().endsWith(QChar(0x2026)));
        QVERIFY(!items[6]->NameLabel()->text().endsWith(QChar(0x2026)));
        QSignalSpy shown(List(), &MTEGridList::showGrid);
        QTest::mouseClick(items[4], Qt::LeftButton);
        QCOMPARE(shown.count(), 1);
        QCOMPARE(shown.first().first().toString(), QStringLiteral("Racing:Pit Wall"));
        QVERIFY(!items[1]->IsSelected());

        // The rows likewise: the row that showed the grid on the tab bar loses its mark with the grid.
        QTest::mouseClick(List()->ModeButton(true), Qt::LeftButton);
        m_cfg->Grids() = kept;
        List()->Rebuild();
        items = List()->Items();
        QCOMPARE(items.size(), 10);
        for (AbstractBrowseItem* item : items) {
            auto* row = qobject_cast<BrowseListItem*>(item);
            QVERIFY(row);
            QCOMPARE(row->NameLabel()->text(), row->Name());
            QCOMPARE(!row->InstalledLabel()->pixmap(Qt::ReturnByValue).isNull(),
                     row->Name() == QLatin1String("Pit Wall"));
        }
        QTest::mouseClick(List()->ModeButton(false), Qt::LeftButton);
    }

    void getMoreOpensTheStore() {
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &catcher, "open");
        QTest::mouseClick(List()->GetMoreButton(), Qt::LeftButton);
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        QCOMPARE(catcher.urls.size(), 1);
        QCOMPARE(catcher.urls.first().path(), QStringLiteral("/Store/Grids/"));
        QCOMPARE(catcher.urls.first().scheme(), QStringLiteral("http"));
    }

    void iconButtonImages_data() {
        QTest::addColumn<QString>("icon");
        QTest::addColumn<bool>("hasIcon");
        QTest::newRow("resource") << ":/images/tab-installed" << true;
        QTest::newRow("missing file") << "/nowhere/none.png" << false;
        QTest::newRow("empty name, no skin entry") << "|0.5" << false;
    }
    void iconButtonImages() {
        QFETCH(QString, icon);
        BrowseGridItem tile(QStringLiteral("T"), nullptr);
        tile.SetIcon(icon);
        QTEST(!tile.IconButton()->icon.isNull(), "hasIcon");
        QCOMPARE(tile.IconButton()->background.size(), QSize(90, 90));
        QVERIFY(!tile.IconButton()->borderOverlay.isNull());
        QVERIFY(!tile.IconButton()->glossOverlay.isNull());
        if (!tile.IconButton()->icon.isNull())
            QVERIFY(tile.IconButton()->icon.width() <= 50);
    }
};

QTEST_MAIN(TestGridBrowser)
#include "test_gridbrowser.moc"
