// The grid canvas on the default configuration and on the test set "GT": where the control views go, the
// row count, instance ids kept by cell, the 100 ms tick with the grid's whole-second script handler, the
// script slots, and grids with unknown, misplaced or empty controls.

#include "editor/gridview.h"
#include "editor/igrideditor.h"
#include "runtime/ctrlview.h"
#include "tests/editor/gridfixture.h"
#include "widgets/imgwidget.h"

#include <QTest>
#include <QTimer>

namespace {

DataCfg::TGrid OneControlGrid(int height, const QString& control, int left, int top) {
    DataCfg::TGrid g;
    g.NewId();
    g.Name = QStringLiteral("Rows");
    g.Set = QStringLiteral("GT");
    g.Height = height;
    DataCfg::TGridElem e;
    e.Control = control;
    e.Position = QPoint(left, top);
    g.Elements << e;
    return g;
}

DataCfg::TGridElem Elem(const QString& control, int left, int top) {
    DataCfg::TGridElem e;
    e.Control = control;
    e.Position = QPoint(left, top);
    return e;
}

class FakeEditor : public IGridEditor {
public:
    DataCfg::TAppSkin skin;
    QStringList asked;
    double GetScale() const override { return 0.5; }
    QImage LoadScaledGfx(const QString& entry) override {
        asked << entry;
        QImage image(80, 80, QImage::Format_ARGB32);
        image.fill(Qt::gray);
        return image;
    }
    const DataCfg::TAppSkin& AppSkin() const override { return skin; }
    int AskUser(int, const QString&, const QString&, int) override { return 0x400; }
};

} // namespace

class TestGridView : public QObject {
    Q_OBJECT
    GridFixture m_fx;
    LogCapture* m_log = nullptr;

    DataCfg::TGrid Ticks() { return m_fx.cfg->FindGrid(QStringLiteral("GT:Ticks")); }

private slots:
    void initTestCase() {
        m_log = new LogCapture;
        m_fx.Load(this);
        DataCfg::TControl zero = m_fx.cfg->FindControl(QStringLiteral("GT:Flat"));
        zero.Name = QStringLiteral("Zero");
        zero.Size = QSize(0, 0);
        m_fx.cfg->Controls() << zero;
    }
    void cleanupTestCase() { delete m_log; }

    void laysOutTheDefaultGridAtItsCells() {
        const DataCfg::TGrid media = m_fx.cfg->FindGrid(QStringLiteral("[MERVEX]:Media"));
        GridView grid;
        grid.InitDeck();
        QVERIFY(grid.UpdateTimer() && grid.UpdateTimer()->isActive());
        QCOMPARE(grid.UpdateTimer()->interval(), 100);
        QVERIFY(!grid.DeckBackground()); // no editor, no deck
        grid.SetGrid(media);

        QCOMPARE(grid.ViewCount(), media.Elements.size());
        QCOMPARE(grid.GridId(), media.id);
        QSet<int> ids;
        for (int i = 0; i < grid.ViewCount(); ++i) {
            CtrlView* v = grid.Views().at(i);
            const DataCfg::TGridElem& e = media.Elements.at(i);
            const DataCfg::TControl c = m_fx.cfg->FindControl(e.Control);
            QCOMPARE(v->parentWidget(), &grid);
            QCOMPARE(v->objectName(), QStringLiteral("CtrlView%1").arg(i));
            QCOMPARE(grid.ElementIndexOf(v), i);
            QCOMPARE(QPoint(v->GetGridX(), v->GetGridY()), e.Position);
            QCOMPARE(v->pos(), e.Position * 80);
            QCOMPARE(v->GetScale(), 0.5);
            QCOMPARE(v->size(), c.Size * 80);
            QCOMPARE(v->Control().Name, c.Name);
            // A preset grid's controls take the left button too.
            QCOMPARE(v->GetInteractionButtons(), Qt::LeftButton | Qt::RightButton);
            QVERIFY(v->isVisibleTo(&grid));
            ids.insert(GridView::InstanceId(v));
        }
        QCOMPARE(ids.size(), grid.ViewCount());
        QVERIFY(!ids.contains(-1));
        // Element options reach the control copy.
        QCOMPARE(grid.Views().at(0)->Control().Config.FindOption(QStringLiteral("Shortcut"))->Value,
                 QStringLiteral("MEDIAPREV"));
        QCOMPARE(grid.Rows(), 6);
        QCOMPARE(grid.size(), QSize(320, 480));
        // The phone's side of the same views.
        QCOMPARE(grid.CtrlViews().size(), grid.ViewCount());
        QCOMPARE(grid.CtrlViews().at(3)->CtrlId(), grid.Views().at(3)->GetId());
    }

    void rowCount_data() {
        QTest::addColumn<int>("height");
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("rows");
        QTest::newRow("below the least") << 3 << "GT:Ticker" << 0 << 6;
        QTest::newRow("zero") << 0 << "GT:Ticker" << 0 << 6;
        QTest::newRow("negative") << -4 << "GT:Ticker" << 0 << 6;
        QTest::newRow("between") << 9 << "GT:Ticker" << 0 << 9;
        QTest::newRow("above the most") << 20 << "GT:Ticker" << 0 << 12;
        QTest::newRow("control reaches lower") << 20 << "GT:Tall" << 11 << 13;
        // The reader holds a size of 0 to one cell; a record made in code may still have none.
        QTest::newRow("size 0 in the file") << 6 << "GT:Flat" << 8 << 9;
        QTest::newRow("zero-size record") << 6 << "GT:Zero" << 8 << 8;
    }
    void rowCount() {
        QFETCH(int, height);
        QFETCH(QString, control);
        QFETCH(int, top);
        QFETCH(int, rows);
        GridView grid;
        grid.SetGrid(OneControlGrid(height, control, 0, top));
        QCOMPARE(grid.ViewCount(), 1);
        QCOMPARE(grid.Rows(), rows);
        QCOMPARE(grid.size(), QSize(320, rows * 80));
    }

    void keepsInstanceIdsByCell() {
        GridView grid;
        DataCfg::TGrid ticks = Ticks();
        grid.SetGrid(ticks);
        QCOMPARE(grid.ViewCount(), 5);
        const int id00 = GridView::InstanceId(grid.Views().at(0)); // (0,0)
        const int id20 = GridView::InstanceId(grid.Views().at(1)); // (2,0)
        grid.SetSelected(grid.Views().at(0), true);

        // T1 moves from (2,0) to (2,2): a cell no view held before gets a new id.
        ticks.Elements[2].Position = QPoint(2, 2);
        grid.SetGrid(ticks);
        QCOMPARE(GridView::InstanceId(grid.Views().at(0)), id00);
        QVERIFY(grid.IsSelected(grid.Views().at(0)));
        QVERIFY(GridView::InstanceId(grid.Views().at(1)) != id20);
        QVERIFY(!grid.IsSelected(grid.Views().at(1)));

        // Another grid: ids still go by cell, selections do not.
        grid.SetGrid(m_fx.cfg->FindGrid(QStringLiteral("[MERVEX]:Media")));
        QCOMPARE(GridView::InstanceId(grid.Views().at(0)), id00);
        QVERIFY(!grid.IsSelected(grid.Views().at(0)));
    }

    void skipsUnknownAndMisplacedControls() {
        DataCfg::TGrid ticks = Ticks();
        ticks.Elements << Elem(QStringLiteral("GT:Ticker"), 7, 0) << Elem(QStringLiteral("GT:Ticker"), 0, -1)
                       << Elem(QStringLiteral("GT:Ticker"), 0, 100000) << Elem(QStringLiteral("GT:Ticker"), -3, 2)
                       << Elem(QStringLiteral("GT:Ticker"), 1, 2);
        const int before = m_log->Count(QStringLiteral("Can't find Control: \"GT:Missing\""));
        const int outside = m_log->Count(QStringLiteral("control outside the grid"));
        GridView grid;
        grid.SetGrid(ticks);
        QCOMPARE(m_log->Count(QStringLiteral("Can't find Control: \"GT:Missing\"")), before + 1);
        QCOMPARE(m_log->Count(QStringLiteral("control outside the grid")), outside + 4);
        // Each view still knows its own element, whatever was skipped before it.
        const QList<int> expected{0, 2, 3, 4, 5, 10};
        QCOMPARE(grid.ViewCount(), expected.size());
        for (int i = 0; i < expected.size(); ++i) {
            CtrlView* v = grid.Views().at(i);
            QCOMPARE(grid.ElementIndexOf(v), expected.at(i));
            QCOMPARE(QPoint(v->GetGridX(), v->GetGridY()), ticks.Elements.at(expected.at(i)).Position);
        }
        QCOMPARE(grid.ResetNameOf(grid.Views().at(0)), QStringLiteral("First"));
        QCOMPARE(grid.Rows(), 6);
        // The skipped elements stay in the grid record: nothing is lost when it is stored.
        QCOMPARE(grid.Grid().Elements.size(), ticks.Elements.size());

        // An empty record clears the canvas.
        grid.SetGrid(DataCfg::TGrid());
        QCOMPARE(grid.ViewCount(), 0);
        QCOMPARE(grid.GridId(), -1);
        QVERIFY(grid.CtrlViews().isEmpty());
    }

    void tickReachesEveryViewAndTheGridScriptEachSecond() {
        GridView grid;
        grid.OnUpdate();
        QCOMPARE(grid.Elapsed(), 0u); // nothing placed: the clock stands

        grid.SetGrid(Ticks());
        m_fx.SetGlobal("gridTicks", 0);
        m_fx.SetGlobal("tickerTicks", 0);
        // Three tickers tick every 100 ms (their skin asks for it); the grid's handler runs each second.
        const struct {
            int updates;
            int gridTicks;
        } steps[] = {{1, 0}, {9, 0}, {10, 1}, {11, 1}, {19, 1}, {20, 2}};
        int done = 0;
        for (const auto& s : steps) {
            for (; done < s.updates; ++done)
                grid.OnUpdate();
            QCOMPARE(grid.Elapsed(), uint(s.updates * 100));
            QCOMPARE(m_fx.Global("gridTicks").toInt32(), s.gridTicks);
            QCOMPARE(m_fx.Global("tickerTicks").toInt32(), 3 * s.updates);
        }
    }

    // The editor's canvas wakes nobody while hidden: its timer stops, and shown again the time it was away
    // passes in one step (each ticker and the grid's handler once) before the timer runs again. A phone's view,
    // never shown, ticks all along.
    void theEditorsCanvasTicksOnlyWhileShown() {
        GridView phone;
        phone.InitDeck();
        QVERIFY(phone.UpdateTimer()->isActive());

        FakeEditor editor;
        GridView canvas(nullptr, &editor);
        canvas.InitDeck();
        canvas.SetGrid(Ticks());
        QVERIFY(!canvas.UpdateTimer()->isActive());
        canvas.show();
        QVERIFY(QTest::qWaitForWindowExposed(&canvas));
        QVERIFY(canvas.UpdateTimer()->isActive());
        canvas.hide();
        QVERIFY(!canvas.UpdateTimer()->isActive());
        QVERIFY(phone.UpdateTimer()->isActive());

        const uint before = canvas.Elapsed();
        m_fx.SetGlobal("gridTicks", 0);
        m_fx.SetGlobal("tickerTicks", 0);
        QTest::qWait(1100);
        QCOMPARE(canvas.Elapsed(), before);
        QCOMPARE(m_fx.Global("tickerTicks").toInt32(), 0);
        canvas.show();
        QVERIFY(canvas.UpdateTimer()->isActive());
        QCoreApplication::processEvents();
        QVERIFY2(canvas.Elapsed() - before >= 1000, qPrintable(QString::number(canvas.Elapsed() - before)));
        QCOMPARE(m_fx.Global("tickerTicks").toInt32(), 3);
        QCOMPARE(m_fx.Global("gridTicks").toInt32(), 1);
        QTRY_VERIFY(m_fx.Global("tickerTicks").toInt32() > 3);
    }

    void clockWrapsAfterWeeks() {
        // 2^32 ms is about 49 days: the counter wraps to 0 and the tick still reaches everyone.
        struct LongRunning : GridView {
            void Set(uint ms) { m_elapsed = ms; }
        } grid;
        grid.SetGrid(Ticks());
        grid.Set(0xFFFFFFFFu - 99u);
        m_fx.SetGlobal("gridTicks", 0);
        m_fx.SetGlobal("tickerTicks", 0);
        grid.OnUpdate();
        QCOMPARE(grid.Elapsed(), 0u);
        QCOMPARE(m_fx.Global("gridTicks").toInt32(), 1);
        QCOMPARE(m_fx.Global("tickerTicks").toInt32(), 3);
        grid.OnUpdate();
        QCOMPARE(grid.Elapsed(), 100u);
        QCOMPARE(m_fx.Global("gridTicks").toInt32(), 1);
    }

    void gridScriptReachesTheCanvas() {
        GridView grid;
        m_fx.SetGlobal("gridInits", 0);
        grid.SetGrid(Ticks());
        QCOMPARE(m_fx.Global("gridInits").toInt32(), 1);
        QCOMPARE(m_fx.Global("numControls").toInt32(), 5);
        QCOMPARE(m_fx.Global("found").toInt32(), 3);
        QCOMPARE(m_fx.Global("foundBare").toInt32(), 3);
        QCOMPARE(m_fx.Global("foundOtherSet").toInt32(), 0);
        QVERIFY(m_fx.Global("outOfRange").isNumber());
        QCOMPARE(m_fx.Global("outOfRange").toInt32(), 0);
        QCOMPARE(m_fx.Global("inRangeType").toString(), QStringLiteral("object"));
        QCOMPARE(m_fx.Global("isNet").toBool(), false);

        // One DCGrid per engine, dropped at the next layout.
        QScriptEngine* engine = m_fx.cfg->GetScriptEngine(QStringLiteral("GT:GridInit"));
        QObject* dc = grid.GetDCGrid(engine);
        QVERIFY(dc);
        QCOMPARE(grid.GetDCGrid(engine), dc);
        QPointer<QObject> old(dc);
        grid.SetSessionId(77);
        grid.SetGrid(Ticks());
        QCOMPARE(m_fx.Global("isNet").toBool(), true);
        QVERIFY(grid.GetDCGrid(engine) != old.data());

        // An unknown grid handler is only a debug line.
        grid.ExecGridFunc(QStringLiteral("NoSuchHandler"));
        QVERIFY(m_log->Count(QStringLiteral("Grid Function not found: \"GT:NoSuchHandler\"")) >= 1);
    }

    void findControls_data() {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QList<int>>("indices");
        QTest::newRow("set and name") << "GT:Ticker" << QList<int>{0, 1, 3};
        QTest::newRow("bare name") << "Ticker" << QList<int>{0, 1, 3};
        QTest::newRow("other set") << "XX:Ticker" << QList<int>{};
        QTest::newRow("single") << "GT:Tall" << QList<int>{2};
        QTest::newRow("unknown") << "Nope" << QList<int>{};
        QTest::newRow("empty") << "" << QList<int>{};
    }
    void findControls() {
        QFETCH(QString, id);
        QFETCH(QList<int>, indices);
        GridView grid;
        grid.SetGrid(Ticks());
        QCOMPARE(grid.FindControlIndices(id), indices);
        QCOMPARE(grid.FindControls(id).size(), indices.size());
    }

    void scriptSlotsAddMoveAndRemove() {
        GridView grid;
        grid.SetGrid(Ticks());
        QCOMPARE(grid.NumControls(), 5);
        QVERIFY(grid.GetCtrl(99).isNumber());
        QCOMPARE(grid.GetCtrl(-1).toInt32(), 0);

        QCOMPARE(grid.AddControl(1, 4, QStringLiteral("GT:Missing")), 0u);
        QCOMPARE(grid.AddControl(4, 0, QStringLiteral("GT:Ticker")), 0u); // no such column
        QCOMPARE(grid.NumControls(), 5);

        const uint id = grid.AddControl(1, 4, QStringLiteral("GT:Tall"), QVariantMap{{QStringLiteral("k"), 1}});
        QVERIFY(id != 0);
        QCOMPARE(grid.FindControl(id), 5);
        CtrlView* added = grid.Views().at(5);
        QCOMPARE(added->objectName(), QStringLiteral("CtrlView1x4"));
        QCOMPARE(added->pos(), QPoint(80, 320));
        QCOMPARE(added->Control().ExtParams.value(QStringLiteral("k")).toInt(), 1);
        QCOMPARE(grid.ElementIndexOf(added), -1); // not stored with the grid
        QCOMPARE(grid.Rows(), 6);

        grid.MoveCtrl(5, 2, 7);
        QCOMPARE(added->pos(), QPoint(160, 560));
        QCOMPARE(QPoint(added->GetGridX(), added->GetGridY()), QPoint(2, 7));
        QCOMPARE(grid.Rows(), 9);
        QCOMPARE(grid.size(), QSize(320, 720));
        grid.MoveCtrl(99, 0, 0);
        grid.MoveCtrl(5, 9, 0);
        grid.MoveCtrl(5, 0, 1 << 24);
        QCOMPARE(added->pos(), QPoint(160, 560));

        // Removing a view leaves the other views' elements as they were.
        grid.RemControl(uint(GridView::InstanceId(grid.Views().at(1))));
        QCOMPARE(grid.NumControls(), 5);
        QCOMPARE(grid.ElementIndexOf(grid.Views().at(1)), 3);
        grid.RemControl(id);
        grid.RemControl(123456789u);
        QCOMPARE(grid.NumControls(), 4);
        QCOMPARE(grid.FindControl(id), -1);
        QCOMPARE(grid.CtrlViews().size(), 4);

        // A relayout brings back what the grid holds, and nothing that a script added.
        grid.AddControl(0, 5, QStringLiteral("GT:Ticker"));
        grid.SetGrid(Ticks());
        QCOMPARE(grid.NumControls(), 5);
    }

    void storesCustomGridsOnly() {
        DataCfg::TGrid mine = OneControlGrid(6, QStringLiteral("GT:Ticker"), 0, 0);
        mine.Name = QStringLiteral("Mine");
        mine.Set = CustomGridSet;
        mine.Custom = true;
        m_fx.cfg->Grids() << mine;

        GridView grid;
        grid.SetGrid(mine);
        grid.Grid().Title = QStringLiteral("CHANGED");
        grid.StoreGrid();
        QVERIFY(grid.IsModified());
        QCOMPARE(m_fx.cfg->FindGrid(QStringLiteral("Mine")).Title, QStringLiteral("CHANGED"));
        QCOMPARE(m_fx.cfg->FindGrid(QStringLiteral("Mine")).Height, 6);
        // A custom grid's controls leave the left button to the editor.
        QCOMPARE(grid.Views().at(0)->GetInteractionButtons(), Qt::RightButton);

        GridView preset;
        preset.SetGrid(Ticks());
        preset.Grid().Title = QStringLiteral("CHANGED");
        preset.StoreGrid();
        QVERIFY(!preset.IsModified());
        QCOMPARE(Ticks().Title, QStringLiteral("Ticks"));
    }

    void editorShowsDeckAndEmptyCells() {
        FakeEditor editor;
        editor.skin = m_fx.cfg->FindAppSkin(QStringLiteral("Mervex Default"));
        GridView grid(nullptr, &editor);
        grid.InitDeck();
        QVERIFY(grid.DeckBackground());
        QCOMPARE(editor.asked, QStringList{QStringLiteral("DeckBG")});
        grid.InitDeck(); // a reload keeps one timer
        QCOMPARE(grid.findChildren<QTimer*>().size(), 1);

        DataCfg::TGrid mine = OneControlGrid(7, QStringLiteral("GT:Ticker"), 1, 1);
        mine.Custom = true;
        mine.Background = QStringLiteral("DeckBG");
        grid.SetGrid(mine);
        QCOMPARE(grid.EmptyCells().size(), 41);
        QCOMPARE(grid.EmptyCells().first()->objectName(), QStringLiteral("ImgEmpty0,0"));
        QCOMPARE(grid.EmptyCells().at(39)->objectName(), QStringLiteral("ImgEmpty3,9"));
        QCOMPARE(grid.EmptyCells().at(39)->pos(), QPoint(240, 720));
        QCOMPARE(grid.EmptyCells().last()->pos(), QPoint(0, 400));
        QCOMPARE(grid.DeckBackground()->image().size(), QSize(320, 7 * 80));

        grid.SetGrid(Ticks());
        QVERIFY(grid.EmptyCells().isEmpty());
        QCOMPARE(grid.DeckBackground()->image().size(), QSize(320, 6 * 80));
    }
};

QTEST_MAIN(TestGridView)
#include "test_gridview.moc"
