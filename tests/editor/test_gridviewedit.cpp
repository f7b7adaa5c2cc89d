// Editing a custom grid on the canvas as the grid editor does: first-fit placement, selection by clicks,
// dragging a selection (clamped, snapped, refused over other controls), deleting, resizing checks,
// configuration changes and drops.

#include "editor/gridview.h"
#include "editor/igrideditor.h"
#include "runtime/ctrlview.h"
#include "tests/editor/gridfixture.h"
#include "widgets/imgwidget.h"

#include <QApplication>
#include <QMimeData>
#include <QPushButton>

namespace {

class FakeEditor : public IGridEditor {
public:
    DataCfg::TAppSkin skin;
    QStringList boxes;
    double GetScale() const override { return 0.5; }
    QImage LoadScaledGfx(const QString&) override {
        QImage image(80, 80, QImage::Format_ARGB32);
        image.fill(Qt::gray);
        return image;
    }
    const DataCfg::TAppSkin& AppSkin() const override { return skin; }
    int AskUser(int, const QString& title, const QString& text, int) override {
        boxes << title + QLatin1Char('|') + text;
        return 0x400;
    }
};

DataCfg::TGridElem Elem(const QString& control, int left, int top) {
    DataCfg::TGridElem e;
    e.Control = control;
    e.Position = QPoint(left, top);
    return e;
}

DataCfg::TGrid CustomGrid(const QList<DataCfg::TGridElem>& elements, bool custom = true) {
    DataCfg::TGrid g;
    g.NewId();
    g.Name = QStringLiteral("Edit");
    g.Set = QStringLiteral("CustomGrid");
    g.Custom = custom;
    g.Height = 6;
    g.Elements = elements;
    return g;
}

void Mouse(QWidget* w, QEvent::Type type, QPoint pos, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(type, pos, w->mapToGlobal(pos), Qt::LeftButton, buttons, mods);
    QApplication::sendEvent(w, &e);
}

// A mouse event at a canvas position, delivered to the view (which moves while it is dragged) in its own
// coordinates, as a grabbed widget gets them.
void MouseAt(CtrlView* v, QEvent::Type type, QPoint canvasPos, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    Mouse(v, type, canvasPos - v->pos(), mods);
}

// A drag of the view by delta pixels, in steps like a hand would make.
void Drag(CtrlView* v, QPoint delta, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    const QPoint start = v->pos() + QPoint(10, 10);
    MouseAt(v, QEvent::MouseButtonPress, start, mods);
    MouseAt(v, QEvent::MouseMove, start + delta / 2, mods);
    MouseAt(v, QEvent::MouseMove, start + delta, mods);
    MouseAt(v, QEvent::MouseButtonRelease, start + delta, mods);
}

QList<QPoint> Positions(const GridView& g) {
    QList<QPoint> out;
    for (const DataCfg::TGridElem& e : g.Grid().Elements)
        out << e.Position;
    return out;
}

} // namespace

class TestGridViewEdit : public QObject {
    Q_OBJECT
    GridFixture m_fx;
    LogCapture* m_log = nullptr;
    FakeEditor m_editor;

    void Show(GridView& canvas, const DataCfg::TGrid& g) {
        canvas.InitDeck();
        canvas.SetGrid(g);
    }
    DataCfg::TControl Control(const char* name) { return m_fx.cfg->FindControl(QString::fromLatin1(name)); }

private slots:
    void initTestCase() {
        m_log = new LogCapture;
        m_fx.Load(this);
        DataCfg::TControl wide = Control("GT:Ticker");
        wide.Name = QStringLiteral("Wide");
        wide.Size = QSize(2, 1);
        DataCfg::TControl col = Control("GT:Ticker");
        col.Name = QStringLiteral("Col3");
        col.Size = QSize(1, 3);
        DataCfg::TControl huge = Control("GT:Ticker");
        huge.Name = QStringLiteral("Huge");
        huge.Size = QSize(5, 1);
        m_fx.cfg->Controls() << wide << col << huge;
    }
    void cleanupTestCase() { delete m_log; }

    void addPlacesAtTheFirstFreeCell_data() {
        QTest::addColumn<QList<QPoint>>("taken");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QPoint>("requested");
        QTest::addColumn<QPoint>("expected"); // (-1, -1): not placed
        QTest::addColumn<int>("rows");
        QTest::newRow("wide at the right edge wraps")
            << QList<QPoint>() << "GT:Wide" << QPoint(3, 0) << QPoint(0, 0) << 6;
        QTest::newRow("next column") << QList<QPoint>{{2, 4}} << "GT:Ticker" << QPoint(2, 4) << QPoint(3, 4) << 6;
        QTest::newRow("wraps to column 0")
            << QList<QPoint>{{2, 4}, {3, 4}} << "GT:Ticker" << QPoint(2, 4) << QPoint(0, 4) << 6;
        QTest::newRow("next row") << QList<QPoint>{{0, 4}, {1, 4}, {2, 4}, {3, 4}} << "GT:Ticker" << QPoint(2, 4)
                                  << QPoint(2, 5) << 6;
        QTest::newRow("tall on the last row grows the grid")
            << QList<QPoint>{{0, 0}, {1, 0}, {2, 0}, {3, 0}, {0, 1}, {1, 1}, {2, 1}, {3, 1}, {0, 2}, {1, 2},
                             {2, 2}, {3, 2}, {0, 3}, {1, 3}, {2, 3}, {3, 3}, {0, 4}, {1, 4}, {2, 4}, {3, 4}}
            << "GT:Col3" << QPoint(0, 0) << QPoint(0, 5) << 8;
        QList<QPoint> all;
        for (int r = 0; r < 6; ++r)
            for (int c = 0; c < 4; ++c)
                all << QPoint(c, r);
        QTest::newRow("full grid") << all << "GT:Ticker" << QPoint(0, 0) << QPoint(-1, -1) << 6;
        QTest::newRow("five wide fits nowhere") << QList<QPoint>() << "GT:Huge" << QPoint(0, 0) << QPoint(-1, -1) << 6;
        QTest::newRow("negative cell starts at 0")
            << QList<QPoint>() << "GT:Ticker" << QPoint(-5, -9) << QPoint(0, 0) << 6;
    }
    void addPlacesAtTheFirstFreeCell() {
        QFETCH(QList<QPoint>, taken);
        QFETCH(QString, control);
        QFETCH(QPoint, requested);
        QFETCH(QPoint, expected);
        QFETCH(int, rows);
        QList<DataCfg::TGridElem> elements;
        for (const QPoint& p : taken)
            elements << Elem(QStringLiteral("GT:Ticker"), p.x(), p.y());
        GridView canvas(nullptr, &m_editor);
        Show(canvas, CustomGrid(elements));
        const bool placed = canvas.AddCtrl(m_fx.cfg->FindControl(control), requested.x(), requested.y(), "entry");
        QCOMPARE(placed, expected.x() >= 0);
        QCOMPARE(canvas.IsModified(), placed);
        QCOMPARE(canvas.Grid().Elements.size(), taken.size() + (placed ? 1 : 0));
        QCOMPARE(canvas.ViewCount(), canvas.Grid().Elements.size());
        if (placed) {
            const DataCfg::TGridElem& e = canvas.Grid().Elements.last();
            QCOMPARE(e.Position, expected);
            QCOMPARE(e.Control, control);
            QCOMPARE(e.ResetName, QStringLiteral("entry"));
            QCOMPARE(canvas.Views().last()->GetGridX(), expected.x());
        }
        QCOMPARE(canvas.Rows(), rows);
    }

    void addDoesNothingOnAPresetGrid() {
        GridView canvas(nullptr, &m_editor);
        Show(canvas, CustomGrid({}, false));
        QVERIFY(!canvas.AddCtrl(Control("GT:Ticker"), 0, 0));
        QCOMPARE(canvas.ViewCount(), 0);
        QVERIFY(!canvas.IsModified());
    }

    // After each edit that lays the grid out again, a control that stays selected shows its frame, so that
    // Delete removes only what looks selected.
    void selectionKeepsItsFrame_data() {
        QTest::addColumn<QString>("edit");
        QTest::newRow("add") << "add";
        QTest::newRow("delete") << "delete";
        QTest::newRow("apply") << "apply";
    }
    void selectionKeepsItsFrame() {
        QFETCH(QString, edit);
        GridView canvas(nullptr, &m_editor);
        Show(canvas, CustomGrid({Elem("GT:Ticker", 0, 0), Elem("GT:Ticker", 1, 0), Elem("GT:Ticker", 2, 0)}));
        Mouse(canvas.Views()[1], QEvent::MouseButtonPress, QPoint(5, 5));
        Mouse(canvas.Views()[1], QEvent::MouseButtonRelease, QPoint(5, 5));
        if (edit == "delete") {
            // Ctrl-click adds the first to the selection; Delete takes both and leaves nothing selected.
            Mouse(canvas.Views()[0], QEvent::MouseButtonPress, QPoint(5, 5), Qt::ControlModifier);
            Mouse(canvas.Views()[0], QEvent::MouseButtonRelease, QPoint(5, 5), Qt::ControlModifier);
            QTest::keyClick(&canvas, Qt::Key_Delete);
            QCOMPARE(canvas.ViewCount(), 1);
        } else if (edit == "add") {
            QVERIFY(canvas.AddCtrl(Control("GT:Ticker"), 0, 0));
        } else {
            DataCfg::TControl c = canvas.Views()[1]->Control();
            c.Config.Options.append(DataCfg::TConfigOption());
            canvas.ApplyCtrlCfg(c);
        }
        int framed = 0;
        for (CtrlView* v : canvas.Views()) {
            auto* frame = v->findChild<ImgWidget*>(QStringLiteral("CtrlSelector"), Qt::FindDirectChildrenOnly);
            const bool shown = frame && frame->isVisibleTo(v);
            QCOMPARE(shown, canvas.IsSelected(v));
            framed += shown ? 1 : 0;
        }
        QCOMPARE(framed, edit == "delete" ? 0 : 1);
    }

    void clicksSelect() {
        GridView canvas(nullptr, &m_editor);
        Show(canvas, CustomGrid({Elem("GT:Ticker", 0, 0), Elem("GT:Ticker", 1, 0), Elem("GT:Ticker", 2, 0)}));
        const QList<CtrlView*> v = canvas.Views();
        QList<CtrlView*> selected;
        connect(&canvas, &GridView::SelectCtrl, this, [&](CtrlView* view) { selected << view; });
        auto state = [&] {
            return QList<bool>{canvas.IsSelected(v[0]), canvas.IsSelected(v[1]), canvas.IsSelected(v[2])};
        };
        auto click = [&](int i, Qt::KeyboardModifiers mods) {
            Mouse(v[i], QEvent::MouseButtonPress, QPoint(5, 5), mods);
            Mouse(v[i], QEvent::MouseButtonRelease, QPoint(5, 5), mods);
        };
        click(0, Qt::NoModifier);
        QCOMPARE(state(), (QList<bool>{true, false, false}));
        QCOMPARE(selected.count(), 1);
        QCOMPARE(selected.at(0), v[0]);
        click(1, Qt::ControlModifier);
        QCOMPARE(state(), (QList<bool>{true, true, false}));
        click(2, Qt::ShiftModifier);
        QCOMPARE(state(), (QList<bool>{true, true, true}));
        click(1, Qt::ControlModifier); // ctrl-click on a selected view deselects it
        QCOMPARE(state(), (QList<bool>{true, false, true}));
        click(0, Qt::NoModifier); // a plain click on a selected view keeps the others
        QCOMPARE(state(), (QList<bool>{false, false, true}));
        click(1, Qt::NoModifier); // on an unselected one selects it alone
        QCOMPARE(state(), (QList<bool>{false, true, false}));
        auto* frame = v[1]->findChild<ImgWidget*>(QStringLiteral("CtrlSelector"));
        QVERIFY(frame);
        QCOMPARE(frame->image().size(), QSize(80, 80));

        // A press on an empty cell clears the selection.
        QVERIFY(!canvas.EmptyCells().isEmpty());
        Mouse(canvas.EmptyCells().at(5), QEvent::MouseButtonPress, QPoint(3, 3));
        QCOMPARE(state(), (QList<bool>{false, false, false}));
        QVERIFY(!canvas.IsModified());
    }

    void aPressTheControlTakesReachesItOnce() {
        // In a custom grid a control keeps the right button for itself: the canvas offers it the press, and a
        // press it takes must not reach it a second time nor select it.
        GridView canvas(nullptr, &m_editor);
        Show(canvas, CustomGrid({Elem("GT:Presser", 0, 0), Elem("GT:Ticker", 1, 0)}));
        const QList<CtrlView*> v = canvas.Views();
        QList<CtrlView*> selected;
        connect(&canvas, &GridView::SelectCtrl, this, [&](CtrlView* view) { selected << view; });
        m_fx.SetGlobal("presses", 0);
        auto click = [&](CtrlView* view, Qt::MouseButton button) {
            QMouseEvent press(QEvent::MouseButtonPress, QPoint(5, 5), view->mapToGlobal(QPoint(5, 5)), button, button,
                              Qt::NoModifier);
            QApplication::sendEvent(view, &press);
            QMouseEvent release(QEvent::MouseButtonRelease, QPoint(5, 5), view->mapToGlobal(QPoint(5, 5)), button,
                                Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(view, &release);
        };
        click(v[0], Qt::RightButton);
        QCOMPARE(m_fx.Global("presses").toInt32(), 1);
        QVERIFY(selected.isEmpty());
        QVERIFY(!canvas.IsSelected(v[0]));
        // The left button belongs to the canvas: it selects, and the control's handler stays out of it.
        click(v[0], Qt::LeftButton);
        QCOMPARE(m_fx.Global("presses").toInt32(), 1);
        QCOMPARE(selected, QList<CtrlView*>{v[0]});
        // A right press that the control does not take selects as any other.
        click(v[1], Qt::RightButton);
        QCOMPARE(selected, (QList<CtrlView*>{v[0], v[1]}));
        QCOMPARE(m_fx.Global("presses").toInt32(), 1);
    }

    void dragsTheSelection_data() {
        QTest::addColumn<QPoint>("delta");
        QTest::addColumn<QList<QPoint>>("expected"); // positions of the three elements afterwards
        QTest::addColumn<bool>("modified");
        // (0,0) and (0,1) are selected and dragged; (2,0) stays.
        QTest::newRow("one cell right") << QPoint(80, 0) << QList<QPoint>{{1, 0}, {1, 1}, {2, 0}} << true;
        QTest::newRow("halfway rounds away from zero")
            << QPoint(40, 40) << QList<QPoint>{{1, 1}, {1, 2}, {2, 0}} << true;
        QTest::newRow("below half stays") << QPoint(39, 0) << QList<QPoint>{{0, 0}, {0, 1}, {2, 0}} << false;
        QTest::newRow("far right stops at the edge")
            << QPoint(2000, 160) << QList<QPoint>{{3, 2}, {3, 3}, {2, 0}} << true;
        QTest::newRow("above the grid is clamped") << QPoint(0, -500) << QList<QPoint>{{0, 0}, {0, 1}, {2, 0}} << false;
        QTest::newRow("below the grid is clamped") << QPoint(0, 5000) << QList<QPoint>{{0, 4}, {0, 5}, {2, 0}} << true;
        QTest::newRow("onto another control is refused")
            << QPoint(160, 0) << QList<QPoint>{{0, 0}, {0, 1}, {2, 0}} << false;
    }
    void dragsTheSelection() {
        QFETCH(QPoint, delta);
        QFETCH(QList<QPoint>, expected);
        QFETCH(bool, modified);
        GridView canvas(nullptr, &m_editor);
        Show(canvas, CustomGrid({Elem("GT:Ticker", 0, 0), Elem("GT:Ticker", 0, 1), Elem("GT:Ticker", 2, 0)}));
        const QList<CtrlView*> v = canvas.Views();
        Mouse(v[0], QEvent::MouseButtonPress, QPoint(5, 5));
        Mouse(v[0], QEvent::MouseButtonRelease, QPoint(5, 5));
        Mouse(v[1], QEvent::MouseButtonPress, QPoint(5, 5), Qt::ControlModifier);
        Mouse(v[1], QEvent::MouseButtonRelease, QPoint(5, 5), Qt::ControlModifier);
        Drag(v[0], delta);
        QVERIFY(!canvas.PressedView());
        QVERIFY(!canvas.IsDragging());
        QCOMPARE(Positions(canvas), expected);
        QCOMPARE(canvas.IsModified(), modified);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(v[i]->pos(), QPoint(expected[i].x() * 80, expected[i].y() * 80));
    }

    void aDragFollowsTheMouseAndSnapsNearCells() {
        GridView canvas(nullptr, &m_editor);
        Show(canvas, CustomGrid({Elem("GT:Ticker", 1, 1)}));
        CtrlView* v = canvas.Views().first();
        const QPoint start(90, 90);
        MouseAt(v, QEvent::MouseButtonPress, start);
        MouseAt(v, QEvent::MouseMove, start + QPoint(30, 0));
        QVERIFY(canvas.IsDragging());
        QCOMPARE(v->pos(), QPoint(80 + 30, 80));
        MouseAt(v, QEvent::MouseMove, start + QPoint(85, -4));
        QCOMPARE(v->pos(), QPoint(160, 80)); // within 6 px of a cell: snapped
        MouseAt(v, QEvent::MouseButtonRelease, start + QPoint(85, -4));
        QCOMPARE(Positions(canvas), QList<QPoint>{QPoint(2, 1)});
    }

    void deleteAndBackspaceRemoveTheSelection_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("delete") << int(Qt::Key_Delete);
        QTest::newRow("backspace") << int(Qt::Key_Backspace);
    }
    void deleteAndBackspaceRemoveTheSelection() {
        QFETCH(int, key);
        GridView canvas(nullptr, &m_editor);
        // The unknown control has no view; its element must survive and stay paired correctly.
        Show(canvas, CustomGrid({Elem("GT:Ticker", 0, 0), Elem("GT:Missing", 3, 3), Elem("GT:Tall", 1, 0),
                                 Elem("GT:Ticker", 2, 0)}));
        QCOMPARE(canvas.ViewCount(), 3);
        CtrlView* tall = canvas.Views().at(1);
        Mouse(tall, QEvent::MouseButtonPress, QPoint(5, 5));
        Mouse(tall, QEvent::MouseButtonRelease, QPoint(5, 5));
        QTest::keyClick(&canvas, Qt::Key(key));
        QCOMPARE(canvas.ViewCount(), 2);
        QCOMPARE(canvas.Grid().Elements.size(), 3);
        QCOMPARE(canvas.Grid().Elements.at(1).Control, QStringLiteral("GT:Missing"));
        QCOMPARE(canvas.Grid().Elements.at(2).Position, QPoint(2, 0));
        QVERIFY(canvas.IsModified());

        canvas.RemoveCtrls(false);
        QCOMPARE(canvas.ViewCount(), 0);
        QVERIFY(canvas.Grid().Elements.isEmpty());
        QCOMPARE(canvas.Grid().Name, QStringLiteral("Edit"));
    }

    void releasingOverTheDeleteButtonDeletes() {
        QPushButton del;
        del.setObjectName(QStringLiteral("btnDelete"));
        del.setGeometry(500, 500, 60, 60);
        del.show();
        QVERIFY(QTest::qWaitForWindowExposed(&del));
        QCursor::setPos(del.mapToGlobal(QPoint(20, 20)));
        if (QApplication::widgetAt(QCursor::pos()) != &del)
            QSKIP("this platform cannot place the cursor");
        GridView canvas(nullptr, &m_editor);
        Show(canvas, CustomGrid({Elem("GT:Ticker", 0, 0), Elem("GT:Ticker", 1, 0)}));
        CtrlView* v = canvas.Views().first();
        Mouse(v, QEvent::MouseButtonPress, QPoint(5, 5));
        Mouse(v, QEvent::MouseMove, QPoint(50, 50));
        Mouse(v, QEvent::MouseButtonRelease, QPoint(50, 50));
        QCoreApplication::processEvents();
        QCOMPARE(canvas.ViewCount(), 1);
        QCOMPARE(Positions(canvas), QList<QPoint>{QPoint(1, 0)});

        // Hovered on the way but released elsewhere: nothing is deleted.
        v = canvas.Views().first();
        Mouse(v, QEvent::MouseButtonPress, QPoint(5, 5));
        Mouse(v, QEvent::MouseMove, QPoint(50, 50));
        QCursor::setPos(QPoint(0, 0));
        Mouse(v, QEvent::MouseMove, QPoint(60, 60));
        Mouse(v, QEvent::MouseButtonRelease, QPoint(60, 60));
        QCoreApplication::processEvents();
        QCOMPARE(canvas.ViewCount(), 1);

        // A ctrl-click that only touches the button: the pressed view is deselected and survives, the
        // other selected view goes.
        canvas.AddCtrl(m_fx.cfg->FindControl("GT:Ticker"), 0, 0);
        const QList<CtrlView*> two = canvas.Views();
        QCOMPARE(two.size(), 2);
        canvas.SetSelected(two[0], true);
        canvas.SetSelected(two[1], true);
        QCursor::setPos(del.mapToGlobal(QPoint(20, 20)));
        Mouse(two[1], QEvent::MouseButtonPress, QPoint(5, 5), Qt::ControlModifier);
        Mouse(two[1], QEvent::MouseMove, QPoint(6, 5), Qt::ControlModifier);
        Mouse(two[1], QEvent::MouseButtonRelease, QPoint(6, 5), Qt::ControlModifier);
        QCoreApplication::processEvents();
        QCOMPARE(canvas.ViewCount(), 1);
        QCOMPARE(canvas.Grid().Elements.size(), 1);
    }

    void canResize_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<bool>("allowed");
        // The control sits at (1, 0); another at (3, 0); 6 rows.
        QTest::newRow("same") << 1 << 1 << true;
        QTest::newRow("wider into free") << 2 << 1 << true;
        QTest::newRow("onto the neighbour") << 3 << 1 << false;
        QTest::newRow("past the right edge") << 4 << 1 << false;
        QTest::newRow("down to the last row") << 1 << 6 << true;
        QTest::newRow("below the last row") << 1 << 7 << false;
        QTest::newRow("zero") << 0 << 1 << false;
    }
    void canResize() {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(bool, allowed);
        GridView canvas(nullptr, &m_editor);
        Show(canvas, CustomGrid({Elem("GT:Ticker", 1, 0), Elem("GT:Ticker", 3, 0)}));
        const DataCfg::TControl placed = canvas.Views().first()->Control();
        QCOMPARE(canvas.CanResizeCtrl(placed, width, height), allowed);
        DataCfg::TControl elsewhere = placed;
        elsewhere.id = -77; // not on this grid: anything goes
        QVERIFY(canvas.CanResizeCtrl(elsewhere, width, height));
    }

    void applyCfgGoesIntoTheElement() {
        GridView canvas(nullptr, &m_editor);
        Show(canvas, CustomGrid({Elem("GT:Ticker", 0, 0), Elem("GT:Ticker", 1, 0)}));
        DataCfg::TControl c = canvas.Views().at(1)->Control();
        DataCfg::TConfigOption option;
        option.Name = QStringLiteral("Colour");
        option.Value = QStringLiteral("red");
        c.Config.Options << option;
        canvas.ApplyCtrlCfg(c);
        QVERIFY(canvas.IsModified());
        QCOMPARE(canvas.Grid().Elements.at(1).Config.value("Colour").toString(), QStringLiteral("red"));
        QVERIFY(canvas.Grid().Elements.at(0).Config.isEmpty());
    }

    void drops() {
        CtrlView source;
        source.Init(Control("GT:Ticker"));
        QMimeData mime;
        mime.setText(QString::fromLatin1(GridView::DragMarker));
        QMimeData other;
        other.setText(QStringLiteral("something else"));

        GridView custom(nullptr, &m_editor);
        Show(custom, CustomGrid({}));
        QVERIFY(!custom.DropControl(&source, &other, QPoint(10, 10)));
        QVERIFY(!custom.DropControl(nullptr, &mime, QPoint(10, 10)));
        QVERIFY(custom.DropControl(&source, &mime, QPoint(170, 90)));
        QCOMPARE(Positions(custom), QList<QPoint>{QPoint(2, 1)});

        m_editor.boxes.clear();
        GridView preset(nullptr, &m_editor);
        Show(preset, CustomGrid({}, false));
        QVERIFY(!preset.DropControl(&source, &mime, QPoint(10, 10)));
        QCOMPARE(preset.ViewCount(), 0);
        QCOMPARE(m_editor.boxes, QStringList{QStringLiteral("WARNING|Controls can only be added to custom Grids.")});
    }
};

QTEST_MAIN(TestGridViewEdit)
#include "test_gridviewedit.moc"
