// Layout elements: state, geometry, input, handlers, drawing at several scales and the phone record.

#include "config/datacfgrecords.h"
#include "runtime/imgdatamgr.h"
#include "runtime/lebase.h"
#include "runtime/lecontainer.h"
#include "runtime/legfx.h"
#include "runtime/letext.h"
#include "runtime/qgraphicstextitemp.h"
#include "runtime/viewdelta.h"
#include "tests/config/cfgtestutil.h"
#include "tests/runtime/fakelehost.h"

#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsSceneWheelEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QSet>
#include <QThread>
#include <QtTest>
#include <memory>

namespace {

const QString kSet = QStringLiteral("S");

QImage Solid(int w, int h, QColor c) {
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(c);
    return img;
}

DataCfg::TLayout Lay(const char* json) {
    DataCfg::TLayout l;
    l.Read(J(json));
    l.Set = kSet;
    return l;
}

// A scene with a root container of one cell and a fake view.
struct Scene {
    FakeLEHost host;
    QGraphicsScene scene;
    LEContainer* root;
    QList<LEBase*> elements;

    Scene() {
        root = new LEContainer(&host, QSize(1, 1));
        scene.addItem(root);
        scene.setSceneRect(0, 0, 160, 160);
    }
    template <typename T> T* Add(const DataCfg::TLayout& l, QGraphicsItem* parent = nullptr) {
        T* e = new T(parent ? parent : root, l);
        e->SetView(&host);
        elements << e;
        e->Setup();
        return e;
    }
    QImage Render(double scale) {
        QImage img(int(160 * scale), int(160 * scale), QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        QPainter p(&img);
        scene.render(&p, QRectF(0, 0, 160 * scale, 160 * scale), QRectF(0, 0, 160, 160));
        return img;
    }
    void SendMouse(QEvent::Type type, QPointF scenePos) {
        QGraphicsSceneMouseEvent ev(type);
        ev.setScenePos(scenePos);
        ev.setScreenPos(scenePos.toPoint());
        ev.setButton(Qt::LeftButton);
        ev.setButtons(type == QEvent::GraphicsSceneMouseRelease ? Qt::NoButton : Qt::LeftButton);
        ev.setButtonDownScenePos(Qt::LeftButton, scenePos);
        QApplication::sendEvent(&scene, &ev);
    }
};

DataCfg::TGfx Gfx(const QString& name, const QImage& img) {
    DataCfg::TGfx g;
    g.Name = name;
    g.Set = kSet;
    g.Image = img;
    g.Size = img.rect();
    g.Resolved = true;
    g.Found = true;
    return g;
}

QColor At(const QImage& img, int x, int y) {
    return QColor::fromRgba(img.pixel(x, y));
}

} // namespace

class TestLayoutElements : public QObject {
    Q_OBJECT
    std::unique_ptr<DataCfg> m_cfg;
    std::unique_ptr<ImgDataMgr> m_mgr;

private slots:
    void initTestCase() {
        m_cfg.reset(new DataCfg);
        m_mgr.reset(new ImgDataMgr);
        m_cfg->Gfxs() << Gfx("Red", Solid(4, 4, Qt::red)) << Gfx("Blue", Solid(4, 4, Qt::blue));
        QImage half = Solid(4, 4, Qt::transparent);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 2; ++x)
                half.setPixelColor(x, y, Qt::blue);
        m_cfg->Gfxs() << Gfx("HalfBlue", half) << Gfx("Wide", Solid(8, 2, Qt::green));
        DataCfg::TFont font;
        font.Name = QStringLiteral("Main");
        font.Set = kSet;
        font.Index = 0;
        font.Type = QStringLiteral("DejaVu Sans");
        font.Resolved = font.Found = true;
        m_cfg->Fonts() << font;
        font.Name = QStringLiteral("Heavy");
        font.Weight = DataCfg::FW_Bold;
        m_cfg->Fonts() << font;
        font.Name = QStringLiteral("Slanted");
        font.Weight = DataCfg::FW_Normal;
        font.Style = DataCfg::FS_Italic;
        m_cfg->Fonts() << font;
    }

    void idsAreUniqueAcrossThreads() {
        const int perThread = 300, threads = 4;
        QVector<QVector<int>> ids(threads);
        QList<QThread*> workers;
        for (int t = 0; t < threads; ++t) {
            workers << QThread::create([&ids, t, perThread]() {
                DataCfg::TLayout l;
                for (int i = 0; i < perThread; ++i) {
                    LEBase e(nullptr, l);
                    ids[t] << e.GetId();
                }
            });
        }
        for (QThread* w : workers)
            w->start();
        for (QThread* w : workers) {
            w->wait();
            delete w;
        }
        QSet<int> all;
        for (const auto& v : ids)
            for (int id : v)
                all.insert(id);
        QCOMPARE(all.size(), perThread * threads);
        DataCfg::TLayout l;
        LEBase a(nullptr, l), b(nullptr, l);
        QCOMPARE(b.GetId(), a.GetId() + 1);
    }

    void stateBitsChangeOnceAndInvalidate() {
        Scene s;
        LEBase* e = s.Add<LEBase>(Lay("{'Type':'Skin','Width':'50','Height':'50'}"));
        QCOMPARE(e->GetState(), 0x509u);
        const int before = s.host.invalidations;
        QVERIFY(!e->SetVisible(true));
        QVERIFY(e->SetVisible(false));
        QVERIFY(!e->isVisible());
        QVERIFY(e->SetActive(true));
        QVERIFY(!e->SetActive(true));
        QVERIFY(e->SetPressed(true));
        QCOMPARE(e->GetState(), (0x509u & ~0x1u) | 0x2u | 0x4u);
        QCOMPARE(s.host.invalidations, before + 3);
        QVERIFY(e->SetVisible(true));
        QVERIFY(e->isVisible());
    }

    void invalidateReachesTheSubtree() {
        Scene s;
        LEBase* outer = s.Add<LEBase>(Lay("{'Type':'Skin','Width':'50','Height':'50'}"));
        s.Add<LEBase>(Lay("{'Type':'Skin','Width':'10','Height':'10'}"), outer);
        s.Add<LEBase>(Lay("{'Type':'Skin','Width':'10','Height':'10'}"), outer);
        s.host.invalidations = 0;
        outer->Invalidate();
        QCOMPARE(s.host.invalidations, 3);
    }

    void alignment_data() {
        QTest::addColumn<QString>("align");
        QTest::addColumn<QPoint>("pos");
        QTest::newRow("none keeps layout position") << "None" << QPoint(5, 7);
        QTest::newRow("centre") << "CenterCenter" << QPoint(60, 70);
        QTest::newRow("right bottom") << "RightBottom" << QPoint(120, 140);
        QTest::newRow("left top keeps position") << "LeftTop" << QPoint(5, 7);
    }
    void alignment() {
        QFETCH(QString, align);
        QFETCH(QPoint, pos);
        Scene s;
        const QByteArray json =
            "{'Type':'Skin','Left':'5','Top':'7','Width':'40','Height':'20','Align':'" + align.toLatin1() + "'}";
        LEBase* e = s.Add<LEBase>(Lay(json.constData()));
        QCOMPARE(e->pos().toPoint(), pos);
    }

    void rightAlignmentWinsOverCentre() {
        Scene s;
        DataCfg::TLayout l = Lay("{'Type':'Skin','Width':'40','Height':'20'}");
        l.Align = 2 | 4 | 8;
        QCOMPARE(s.Add<LEBase>(l)->pos().toPoint(), QPoint(120, 0));
    }

    void fractionsOfTheParent() {
        Scene s;
        LEBase* e = s.Add<LEBase>(Lay("{'Type':'Skin','Left':'0.25','Top':'0.5','Width':'0.5','Height':'0.25'}"));
        QCOMPARE(e->boundingRect(), QRectF(0, 0, 80, 40));
        QCOMPARE(e->pos().toPoint(), QPoint(40, 80));
    }

    void fitToChildren_data() {
        QTest::addColumn<QString>("w");
        QTest::addColumn<QString>("h");
        QTest::addColumn<QSize>("size");
        auto row = [](const char* name, const char* w, const char* h, QSize size) {
            QTest::newRow(name) << QString(w) << QString(h) << size;
        };
        row("width", "0", "30", QSize(70, 30));
        row("both", "0", "0", QSize(70, 45));
        row("none", "12", "13", QSize(12, 13));
    }
    void fitToChildren() {
        QFETCH(QString, w);
        QFETCH(QString, h);
        QFETCH(QSize, size);
        Scene s;
        const QByteArray json = "{'Type':'Skin','Width':'" + w.toLatin1() + "','Height':'" + h.toLatin1() + "'}";
        LEBase* e = s.Add<LEBase>(Lay(json.constData()));
        s.Add<LEBase>(Lay("{'Type':'Skin','Left':'10','Top':'5','Width':'60','Height':'10'}"), e);
        s.Add<LEBase>(Lay("{'Type':'Skin','Left':'0','Top':'20','Width':'20','Height':'25'}"), e);
        e->FitToChildren();
        QCOMPARE(e->boundingRect().size().toSize(), size);
    }

    void handlerCalls() {
        Scene s;
        LogCapture log;
        LEBase* e = s.Add<LEBase>(Lay("{'Type':'Skin','Width':'10','Height':'10'}"));
        QCOMPARE(e->ExecLayoutFunc(QString()).toBool(), false);
        QVERIFY(s.host.calls.isEmpty());
        QCOMPARE(e->ExecLayoutFunc(QStringLiteral("missing")).toInt32(), 0);
        QVERIFY(log.Has(QStringLiteral("Layout Function not found: \"S:missing\"")));
        s.host.knownHandlers << QStringLiteral("S:go") << QStringLiteral("T:other");
        s.host.onCall = [](const QString&, const QScriptValueList&) { return QScriptValue(7); };
        QCOMPARE(e->ExecLayoutFunc(QStringLiteral("go"), {QScriptValue(1), QScriptValue(2)}).toInt32(), 7);
        e->ExecLayoutFunc(QStringLiteral("T:other"));
        QCOMPARE(s.host.calls, QStringList({"S:go/4", "T:other/2"}));
        // The same layout wrapper comes back for one engine.
        QCOMPARE(s.host.callArgs[0][1].toQObject(), e->GetDCLayout(&s.host.engine));
        QCOMPARE(s.host.callArgs[1][1].toQObject(), e->GetDCLayout(&s.host.engine));
    }

    void remoteMouse_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("toggle");
        QTest::addColumn<bool>("repeat");
        QTest::addColumn<bool>("pressedBefore");
        QTest::addColumn<bool>("pressedAfter");
        QTest::addColumn<QStringList>("handlers");
        QTest::newRow("dn") << "dn" << false << false << false << true << QStringList{"S:press/2"};
        QTest::newRow("dn toggle") << "dn" << true << false << false << false << QStringList{"S:press/2"};
        QTest::newRow("tr no repeat") << "tr" << false << false << true << true << QStringList{};
        QTest::newRow("tr repeat") << "tr" << false << true << true << true << QStringList{"S:press/2"};
        QTest::newRow("up") << "up" << false << false << true << false << QStringList{"S:release/2", "S:click/2"};
        QTest::newRow("up toggle") << "up" << true << false << false << true << QStringList{"S:release/2", "S:click/2"};
        QTest::newRow("up2") << "up2" << false << false << true << false << QStringList{"S:release/2", "S:dbl/2"};
        QTest::newRow("ca toggle") << "ca" << true << false << true << false << QStringList{"S:release/2"};
        QTest::newRow("mv") << "mv" << false << false << true << true << QStringList{"S:move/2"};
        QTest::newRow("sc") << "sc" << false << false << false << false << QStringList{};
        QTest::newRow("unknown") << "zz" << false << false << false << false << QStringList{};
    }
    void remoteMouse() {
        QFETCH(QString, kind);
        QFETCH(bool, toggle);
        QFETCH(bool, repeat);
        QFETCH(bool, pressedBefore);
        QFETCH(bool, pressedAfter);
        QFETCH(QStringList, handlers);
        Scene s;
        LogCapture log;
        s.host.knownHandlers = QStringList{"S:press", "S:release", "S:click", "S:dbl", "S:move"};
        DataCfg::TLayout l = Lay("{'Type':'Skin','Width':'10','Height':'10','OnMousePress':'press',"
                                 "'OnMouseRelease':'release','OnMouseClick':'click','OnMouseDoubleClick':'dbl',"
                                 "'OnMouseMove':'move'}");
        if (toggle)
            l.State |= LEBase::SB_Toggle;
        if (repeat)
            l.State |= LEBase::SB_MouseRepeat;
        LEBase* e = s.Add<LEBase>(l);
        e->SetPressed(pressedBefore);
        e->OnExtMouseEvent(kind, 3, 4);
        QCOMPARE(e->HasState(LEBase::SB_Pressed), pressedAfter);
        QCOMPARE(s.host.calls, handlers);
        QCOMPARE(s.host.lastMouse, QPoint(3, 4));
        if (kind == "zz")
            QVERIFY(log.Has("Unknown Mouse Event:  \"zz\""));
    }

    void remoteMouseIgnoredWithoutMouse() {
        Scene s;
        LEBase* e = s.Add<LEBase>(Lay("{'Type':'Skin','Width':'10','Height':'10'}"));
        QVERIFY(!e->HasState(LEBase::SB_MouseEnabled));
        e->OnExtMouseEvent("dn", 3, 4);
        QVERIFY(!e->HasState(LEBase::SB_Pressed));
        QCOMPARE(s.host.lastMouse, QPoint());
    }

    void localReleaseOutsideUnpressesOnly() {
        Scene s;
        s.host.knownHandlers = QStringList{"S:release", "S:click", "S:press"};
        LEBase* e = s.Add<LEBase>(Lay("{'Type':'Skin','Left':'10','Top':'10','Width':'40','Height':'40',"
                                      "'OnMousePress':'press','OnMouseRelease':'release','OnMouseClick':'click'}"));
        s.SendMouse(QEvent::GraphicsSceneMousePress, QPointF(20, 20));
        QVERIFY(e->HasState(LEBase::SB_Pressed));
        QCOMPARE(s.host.lastMouse, QPoint(10, 10));
        s.SendMouse(QEvent::GraphicsSceneMouseRelease, QPointF(100, 100));
        QVERIFY(!e->HasState(LEBase::SB_Pressed));
        QCOMPARE(s.host.calls, QStringList{"S:press/2"});
        s.SendMouse(QEvent::GraphicsSceneMousePress, QPointF(20, 20));
        s.SendMouse(QEvent::GraphicsSceneMouseRelease, QPointF(30, 30));
        QCOMPARE(s.host.calls, QStringList({"S:press/2", "S:press/2", "S:release/2", "S:click/2"}));
    }

    void childWithoutMouseHandsOnToItsParent() {
        Scene s;
        s.host.knownHandlers = QStringList{"S:release", "S:click", "S:press"};
        LEBase* outer = s.Add<LEBase>(Lay("{'Type':'Skin','Left':'10','Top':'10','Width':'100','Height':'100',"
                                          "'OnMousePress':'press','OnMouseRelease':'release','OnMouseClick':'click'}"));
        LEBase* inner = s.Add<LEBase>(Lay("{'Type':'Skin','Left':'50','Top':'50','Width':'20','Height':'20'}"), outer);
        s.SendMouse(QEvent::GraphicsSceneMousePress, QPointF(65, 65));
        QVERIFY(outer->HasState(LEBase::SB_Pressed));
        QVERIFY(!inner->HasState(LEBase::SB_Pressed));
        QCOMPARE(s.host.lastMouse, QPoint(55, 55));
        // Outside the child but inside the parent: a click of the parent.
        s.SendMouse(QEvent::GraphicsSceneMouseRelease, QPointF(100, 100));
        QVERIFY(!outer->HasState(LEBase::SB_Pressed));
        QCOMPARE(s.host.calls, QStringList({"S:press/2", "S:release/2", "S:click/2"}));
    }

    void transparentPixelFallsThrough() {
        Scene s;
        s.host.knownHandlers = QStringList{"S:below", "S:above"};
        LEGfx* below =
            s.Add<LEGfx>(Lay("{'Type':'Gfx','Gfx':'Red','Width':'40','Height':'40','OnMousePress':'below'}"));
        LEGfx* above =
            s.Add<LEGfx>(Lay("{'Type':'Gfx','Gfx':'HalfBlue','Width':'40','Height':'40','OnMousePress':'above'}"));
        s.Render(1);
        // HalfBlue is opaque on its left half only.
        s.SendMouse(QEvent::GraphicsSceneMousePress, QPointF(30, 10));
        s.SendMouse(QEvent::GraphicsSceneMouseRelease, QPointF(30, 10));
        QCOMPARE(s.host.calls, QStringList{"S:below/2"});
        QVERIFY(!above->HasState(LEBase::SB_Pressed));
        s.SendMouse(QEvent::GraphicsSceneMousePress, QPointF(5, 10));
        QCOMPARE(s.host.calls, QStringList({"S:below/2", "S:above/2"}));
        QVERIFY(!below->HasState(LEBase::SB_Pressed));
    }

    void scrolling() {
        Scene s;
        s.host.knownHandlers << "S:wheel";
        LEBase* box =
            s.Add<LEBase>(Lay("{'Type':'Skin','Width':'50','Height':'100','Scrollable':true,'OnMouseWheel':'wheel'}"));
        s.Add<LEBase>(Lay("{'Type':'Skin','Width':'50','Height':'300'}"), box);
        box->ScrollBy(-50);
        QCOMPARE(box->GetChildrenRect().top(), -50);
        box->ScrollBy(-1000);
        QCOMPARE(box->GetChildrenRect().bottom() + 1, 100);
        box->ScrollBy(5000);
        QCOMPARE(box->GetChildrenRect().top(), 0);
        box->ScrollTo(40);
        QCOMPARE(box->GetScrollPos(), -40);

        // Content shorter than the element ends at the top.
        LEBase* small = s.Add<LEBase>(Lay("{'Type':'Skin','Width':'50','Height':'100','Scrollable':true}"));
        s.Add<LEBase>(Lay("{'Type':'Skin','Width':'50','Height':'30','Top':'10'}"), small);
        small->ScrollBy(-7);
        QCOMPARE(small->GetChildrenRect().top(), 0);
        small->ScrollBy(3);
        QCOMPARE(small->GetChildrenRect().top(), 0);
    }

    void hiddenChildrenComeBackInPlace() {
        Scene s;
        LEBase* box = s.Add<LEBase>(Lay("{'Type':'Skin','Width':'50','Height':'100','Scrollable':true}"));
        LEBase* a = s.Add<LEBase>(Lay("{'Type':'Skin','Width':'50','Height':'300','Top':'0'}"), box);
        LEBase* b = s.Add<LEBase>(Lay("{'Type':'Skin','Width':'50','Height':'20','Top':'40'}"), box);
        box->ScrollBy(-30);
        a->SetVisible(false);
        b->SetVisible(false);
        for (int delta : {-50, 50, 0})
            box->ScrollBy(delta);
        box->ScrollTo(10);
        a->SetVisible(true);
        b->SetVisible(true);
        QCOMPARE(a->y(), -30.0);
        QCOMPARE(b->y(), 10.0);
    }

    void wheelScrollsAQuarter() {
        Scene s;
        s.host.knownHandlers << "S:wheel";
        LEBase* box =
            s.Add<LEBase>(Lay("{'Type':'Skin','Width':'50','Height':'100','Scrollable':true,'OnMouseWheel':'wheel'}"));
        s.Add<LEBase>(Lay("{'Type':'Skin','Width':'50','Height':'300'}"), box);
        box->ScrollBy(-100);
        QGraphicsSceneWheelEvent ev(QEvent::GraphicsSceneWheel);
        ev.setScenePos(QPointF(10, 10));
        ev.setDelta(120);
        QApplication::sendEvent(&s.scene, &ev);
        QCOMPARE(s.host.wheelDelta, 120);
        QCOMPARE(s.host.calls, QStringList{"S:wheel/2"});
        QCOMPARE(box->GetChildrenRect().top(), -70);
    }

    void scrollToOnNetClientAlwaysChanges() {
        Scene s;
        s.host.netClient = true;
        LEBase* e = s.Add<LEBase>(Lay("{'Type':'Skin','Width':'50','Height':'100'}"));
        e->ScrollTo(5);
        QCOMPARE(e->GetScrollTarget(), 5);
        e->ScrollTo(5);
        QCOMPARE(e->GetScrollTarget(), 6);
        QCOMPARE(e->GetScrollPos(), 6);
    }

    void drawsAtScales_data() {
        QTest::addColumn<double>("scale");
        QTest::newRow("1") << 1.0;
        QTest::newRow("0.5") << 0.5;
        QTest::newRow("2") << 2.0;
    }
    void drawsAtScales() {
        QFETCH(double, scale);
        Scene s;
        s.Add<LEGfx>(Lay("{'Type':'Gfx','Gfx':'Red','Left':'20','Top':'40','Width':'80','Height':'40'}"));
        const QImage img = s.Render(scale);
        auto sc = [scale](int v) { return int(v * scale); };
        QCOMPARE(At(img, sc(22), sc(42)), QColor(Qt::red));
        QCOMPARE(At(img, sc(98) - 1, sc(78) - 1), QColor(Qt::red));
        QCOMPARE(At(img, sc(18), sc(42)).alpha(), 0);
        QCOMPARE(At(img, sc(60), sc(82) + 1).alpha(), 0);
    }

    void pressedImages_data() {
        QTest::addColumn<bool>("overlay");
        QTest::addColumn<QColor>("left");
        QTest::addColumn<QColor>("right");
        QTest::newRow("pressed only") << false << QColor(Qt::blue) << QColor(Qt::transparent);
        QTest::newRow("over main") << true << QColor(Qt::blue) << QColor(Qt::red);
    }
    void pressedImages() {
        QFETCH(bool, overlay);
        QFETCH(QColor, left);
        QFETCH(QColor, right);
        Scene s;
        DataCfg::TLayout l = Lay("{'Type':'Gfx','Gfx':'Red','GfxP':'HalfBlue','Width':'40','Height':'40'}");
        if (!overlay)
            l.State &= ~LEBase::SB_PressedOvl;
        LEGfx* e = s.Add<LEGfx>(l);
        QCOMPARE(At(s.Render(1), 30, 10), QColor(Qt::red));
        e->SetPressed(true);
        const QImage img = s.Render(1);
        QCOMPARE(At(img, 5, 10), left);
        QCOMPARE(At(img, 30, 10).alpha(), right.alpha());
        if (right.alpha())
            QCOMPARE(At(img, 30, 10), right);
    }

    void opacityAndActiveGraphic() {
        Scene s;
        DataCfg::TLayout l = Lay("{'Type':'Gfx','Gfx':'Red','GfxA':'Blue','Width':'40','Height':'40','Opacity':0.5}");
        LEGfx* e = s.Add<LEGfx>(l);
        QVERIFY(qAbs(At(s.Render(1), 10, 10).alpha() - 128) <= 1);
        e->Layout().Opacity = 1.0;
        e->SetActive(true);
        QCOMPARE(At(s.Render(1), 10, 10), QColor(Qt::blue));
    }

    void rotationKeepsSize() {
        Scene s;
        LEGfx* e = s.Add<LEGfx>(Lay("{'Type':'Gfx','Gfx':'Wide','Width':'80','Height':'20'}"));
        e->Layout().Rotation = 3.141592653589793 / 4;
        const QImage img = s.Render(1);
        // The turned bar covers the centre and leaves the corners.
        QVERIFY(At(img, 40, 10).green() > 240);
        QCOMPARE(At(img, 1, 1).alpha(), 0);
        QCOMPARE(At(img, 78, 1).alpha(), 0);
    }

    void valueMasks_data() {
        QTest::addColumn<QString>("type");
        QTest::addColumn<double>("value");
        QTest::addColumn<QPoint>("painted");
        QTest::addColumn<QPoint>("empty");
        QTest::newRow("vertical") << "Vertical" << 0.25 << QPoint(50, 76) << QPoint(50, 73);
        QTest::newRow("horizontal") << "Horizontal" << 0.5 << QPoint(48, 50) << QPoint(52, 50);
    }
    void valueMasks() {
        QFETCH(QString, type);
        QFETCH(double, value);
        QFETCH(QPoint, painted);
        QFETCH(QPoint, empty);
        Scene s;
        s.host.AddFunction({{DataCfg::OT_Percent, value}});
        const QByteArray json =
            "{'Type':'Gfx','Gfx':'Red','Width':'100','Height':'100','Mask':{'Type':'" + type.toLatin1() + "'}}";
        s.Add<LEGfx>(Lay(json.constData()));
        const QImage img = s.Render(1);
        QCOMPARE(At(img, painted.x(), painted.y()), QColor(Qt::red));
        QCOMPARE(At(img, empty.x(), empty.y()).alpha(), 0);
    }

    void maskOfATextOutputIsEmpty() {
        Scene s;
        s.host.AddFunction({{DataCfg::OT_String, 0.5}});
        s.Add<LEGfx>(Lay("{'Type':'Gfx','Gfx':'Red','Width':'100','Height':'100','Mask':{'Type':'Horizontal'}}"));
        QCOMPARE(At(s.Render(1), 10, 10).alpha(), 0);
    }

    void radialMaskSetsPressRange() {
        Scene s;
        s.host.AddFunction({{DataCfg::OT_Percent, 0.5}});
        LEGfx* e =
            s.Add<LEGfx>(Lay("{'Type':'Gfx','Gfx':'Red','Width':'100','Height':'100','Mask':{'Type':'Radial'}}"));
        e->paint(nullptr, nullptr, nullptr);
        QCOMPARE(e->GetPressMaskStart(), -90);
        QCOMPARE(e->GetPressMaskEnd(), -180);
        QVERIFY(!e->MaskImage().Image.isNull());
        QVariantMap out;
        e->BuildDataUpdate(QVariantMap(), out);
        QCOMPARE(out.value("pM").toList(), QVariantList({-90, -180}));
        QVERIFY(!out.contains("cM"));
        QVERIFY(!m_mgr->HasImage(e->MaskImage().PixelHash()));
    }

    void graphicNames() {
        Scene s;
        LogCapture log;
        LEGfx* e = s.Add<LEGfx>(Lay("{'Type':'Gfx','Gfx':'Red','Width':'40','Height':'40','MouseEnabled':true}"));
        e->paint(nullptr, nullptr, nullptr);
        const qint64 redKey = e->MainImage().Image.cacheKey();
        QVERIFY(!e->MainImage().Image.isNull());
        // The main image doubles as hit-test image.
        QCOMPARE(e->MouseHitImage().Image.cacheKey(), redKey);
        e->Layout().Gfx = QStringLiteral("None");
        e->paint(nullptr, nullptr, nullptr);
        QCOMPARE(e->MainImage().Image.cacheKey(), redKey);
        e->Layout().Gfx = QStringLiteral("+Blue");
        e->paint(nullptr, nullptr, nullptr);
        QCOMPARE(e->MainImage().Image.pixelColor(0, 0), QColor(Qt::blue));
        e->Layout().Gfx = QStringLiteral("NoSuchGfx");
        e->paint(nullptr, nullptr, nullptr);
        QVERIFY(log.Has("Gfx not found: \"NoSuchGfx\""));
        QVERIFY(e->MainImage().Image.isNull());
        e->Layout().Gfx = QString();
        e->paint(nullptr, nullptr, nullptr);
        QVERIFY(e->MainImage().Image.isNull());
        s.Render(1);
    }

    void mouseMaskNoneAcceptsEveryPress() {
        Scene s;
        LEGfx* e = s.Add<LEGfx>(
            Lay("{'Type':'Gfx','Gfx':'HalfBlue','Width':'40','Height':'40','MouseEnabled':true,'MouseMask':'None'}"));
        e->paint(nullptr, nullptr, nullptr);
        QVERIFY(e->MouseHitImage().Image.isNull());
        s.SendMouse(QEvent::GraphicsSceneMousePress, QPointF(30, 10));
        QVERIFY(e->HasState(LEBase::SB_Pressed));
    }

    void badSizesDrawNothing_data() {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("w");
        QTest::addColumn<QString>("h");
        auto row = [](const char* name, const char* type, const char* w, const char* h) {
            QTest::newRow(name) << QString(type) << QString(w) << QString(h);
        };
        row("gfx zero", "Gfx", "0", "0");
        row("gfx huge", "Gfx", "100000000", "100000000");
        row("text zero", "Text", "0", "10");
        row("text huge", "Text", "90000", "90000");
        row("text large area", "Text", "16000", "16000");
    }
    void badSizesDrawNothing() {
        QFETCH(QString, type);
        QFETCH(QString, w);
        QFETCH(QString, h);
        Scene s;
        const QByteArray json = "{'Type':'" + type.toLatin1() + "','Gfx':'NoGfx','Text':'x','Width':'" + w.toLatin1() +
                                "','Height':'" + h.toLatin1() + "'}";
        LEBase* e = type == "Gfx" ? static_cast<LEBase*>(s.Add<LEGfx>(Lay(json.constData())))
                                  : static_cast<LEBase*>(s.Add<LEText>(Lay(json.constData())));
        e->paint(nullptr, nullptr, nullptr);
        s.Render(1);
        s.Render(1000.0 / 160); // a large scale of a small scene still ends
        QVariantMap out;
        e->BuildDataUpdate(QVariantMap(), out);
        QVERIFY(e->MainImage().Image.isNull());
    }

    void hugeScale() {
        Scene s;
        s.Add<LEGfx>(Lay("{'Type':'Gfx','Gfx':'Red','Width':'40','Height':'40'}"));
        s.Add<LEText>(Lay("{'Type':'Text','Text':'Hi','Width':'40','Height':'40'}"));
        QImage img(64, 64, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        QPainter p(&img);
        s.scene.render(&p, QRectF(0, 0, 64, 64), QRectF(20, 20, 0.001, 0.001));
        p.end();
        QVERIFY(At(img, 32, 32).red() > 200);
    }

    void placeholders_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        auto row = [](const char* name, const char* text, const char* shown) {
            QTest::newRow(name) << QString(text) << QString(shown);
        };
        row("output 1 of function 0", "v=$(0.1)", "v=b");
        row("percent", "$(1)%", "25%");
        row("script function", "[$(fmt,0)]", "[<a>]");
        row("function out of range", "x$(5)y", "xy");
        row("output out of range", "x$(0.7)y", "xy");
        row("not a number", "x$(q)y", "xy");
        row("unclosed stays", "a$(0", "a$(0");
        row("two", "$(0)$(0.1)", "ab");
        row("replacement not scanned again", "$(2)", "$(0)");
        row("empty", "", "");
    }
    void placeholders() {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        Scene s;
        s.host.AddFunction({{DataCfg::OT_String, "a"}, {DataCfg::OT_String, "b"}});
        s.host.AddFunction({{DataCfg::OT_Percent, 0.256}});
        s.host.AddFunction({{DataCfg::OT_String, "$(0)"}});
        s.host.onCall = [](const QString& name, const QScriptValueList& args) {
            return QScriptValue(name == "S:fmt" ? "<" + args.value(0).toString() + ">" : QString());
        };
        DataCfg::TLayout l = Lay("{'Type':'Text','Width':'100','Height':'20'}");
        l.Text = text;
        LEText* e = s.Add<LEText>(l);
        e->paint(nullptr, nullptr, nullptr);
        QCOMPARE(e->GetPaintedText(), shown);
    }

    void textRendering() {
        Scene s;
        DataCfg::TLayout l = Lay("{'Type':'Text','Text':'Hello','Font':'Main,14','Width':'100','Height':'30',"
                                 "'TextAlign':'CenterCenter'}");
        l.Color = Qt::white;
        LEText* e = s.Add<LEText>(l);
        e->paint(nullptr, nullptr, nullptr);
        const QImage first = e->MainImage().Image;
        QCOMPARE(first.size(), QSize(100, 30));
        QCOMPARE(e->GetFont().pixelSize(), 14);
        QVERIFY(e->Layout().TextWidth > 0 && e->Layout().TextWidth < 100);
        QVERIFY(e->Layout().TextHeight > 0);
        bool inked = false;
        for (int y = 0; y < 30 && !inked; ++y)
            for (int x = 0; x < 100 && !inked; ++x)
                inked = qAlpha(first.pixel(x, y)) > 0;
        QVERIFY(inked);
        // Unchanged key: the image is kept.
        e->paint(nullptr, nullptr, nullptr);
        QCOMPARE(e->MainImage().Image.cacheKey(), first.cacheKey());
        e->Layout().State |= LEBase::SB_TextStroke;
        e->paint(nullptr, nullptr, nullptr);
        QVERIFY(e->MainImage().Image.cacheKey() != first.cacheKey());
        QCOMPARE(At(s.Render(1), 0, 0).alpha(), 0);
    }

    void textRedrawnWhenOnlyTheFaceChanges_data() {
        QTest::addColumn<QString>("font");
        QTest::addColumn<bool>("underline");
        QTest::newRow("underline") << "Main" << true;
        QTest::newRow("weight") << "Heavy" << false;
        QTest::newRow("style") << "Slanted" << false;
    }
    void textRedrawnWhenOnlyTheFaceChanges() {
        QFETCH(QString, font);
        QFETCH(bool, underline);
        Scene s;
        DataCfg::TLayout l = Lay("{'Type':'Text','Text':'Hello','Font':'Main,14','Width':'100','Height':'30',"
                                 "'TextAlign':'CenterCenter'}");
        l.Color = Qt::white;
        LEText* e = s.Add<LEText>(l);
        e->paint(nullptr, nullptr, nullptr);
        const QImage plain = e->MainImage().Image.copy();
        e->Layout().Font = font;
        if (underline)
            e->Layout().State |= LEBase::SB_TextUnderline;
        e->paint(nullptr, nullptr, nullptr);
        QCOMPARE(e->GetFont().family(), QStringLiteral("DejaVu Sans"));
        QVERIFY(e->MainImage().Image != plain);
    }

    void inputElement() {
        Scene s;
        DataCfg::TLayout l = Lay("{'Type':'Input','Text':'ab','Width':'100','Height':'30'}");
        LEText* e = new LEText(s.root, l, true);
        e->SetView(&s.host);
        e->Setup();
        QVERIFY(e->GetEditItem());
        QCOMPARE(e->GetEditItem()->toPlainText(), QString("ab"));
        QCOMPARE(e->GetEditItem()->boundingRect(), e->boundingRect());
        s.scene.setFocusItem(e->GetEditItem());
        QKeyEvent ret(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
        QApplication::sendEvent(&s.scene, &ret);
        QKeyEvent end(QEvent::KeyPress, Qt::Key_End, Qt::NoModifier);
        QApplication::sendEvent(&s.scene, &end);
        QKeyEvent c(QEvent::KeyPress, Qt::Key_C, Qt::NoModifier, "c");
        QApplication::sendEvent(&s.scene, &c);
        QCOMPARE(e->Layout().Text, QString("abc"));
        e->paint(nullptr, nullptr, nullptr);
        QVariantMap out;
        e->BuildDataUpdate(QVariantMap(), out);
        QCOMPARE(out.value("inp").toInt(), 1);
        QCOMPARE(out.value("tx").toString(), QString());
        QCOMPARE(At(s.Render(1), 50, 15).alpha(), 255);
        delete e;
    }

    void recordOfAGraphicElement() {
        Scene s;
        LEGfx* e = s.Add<LEGfx>(Lay("{'Type':'Gfx','Gfx':'Red','Left':'3','Top':'4','Width':'40','Height':'20'}"));
        e->paint(nullptr, nullptr, nullptr);
        QVariantMap out;
        e->BuildDataUpdate(QVariantMap(), out);
        const QString id = QString::number(e->MainImage().PixelHash());
        QVERIFY(!out.contains("pid"));
        QCOMPARE(out.value("rS").toRect(), QRect(0, 0, 4, 4));
        QCOMPARE(out.value("rD").toRect(), QRect(0, 0, 40, 20));
        QCOMPARE(out.value("cI").toString(), id);
        QVERIFY(!out.contains("cP"));
        QVERIFY(!out.contains("cM"));
        QVERIFY(!out.contains("tf"));
        QCOMPARE(out.value("x").toInt(), 3);
        QCOMPARE(out.value("y").toInt(), 4);
        QVERIFY(m_mgr->HasImage(e->MainImage().PixelHash()));
        QCOMPARE(out.keys(), QStringList({"cI", "rD", "rS", "x", "y"}));

        // What the phone then holds: a second record with nothing changed is empty.
        QVariantMap second;
        e->BuildDataUpdate(out, second);
        QVERIFY2(second.isEmpty(), qPrintable(QStringList(second.keys()).join(',')));

        e->SetPressed(true);
        e->Layout().State |= LEBase::SB_Toggle;
        e->SetVisible(false);
        QVariantMap third;
        e->BuildDataUpdate(out, third);
        QCOMPARE(third.keys(), QStringList{"f"});
        QCOMPARE(third.value("f").toInt(), 0x2 | 0x4 | 0x20);
    }

    void recordOfNestedAndWheelElements() {
        Scene s;
        LEBase* outer = s.Add<LEBase>(Lay("{'Type':'Skin','Width':'100','Height':'100'}"));
        DataCfg::TLayout wheel = Lay("{'Type':'Gfx','Gfx':'Red','Width':'10','Height':'10','Control':'Wheel'}");
        LEGfx* w = s.Add<LEGfx>(wheel, outer);
        s.Add<LEGfx>(Lay("{'Type':'Gfx','Gfx':'Red','Width':'10','Height':'10','Mask':{'Type':'Radial'}}"), outer);
        QVariantMap out;
        w->BuildDataUpdate(QVariantMap(), out);
        QCOMPARE(out.value("pid").toInt(), outer->GetId());
        QCOMPARE(out.value("co").toInt(), 1);
        const QVariantList com = out.value("com").toList();
        QCOMPARE(com.size(), 2);
        QCOMPARE(com[0].toDouble(), 0.0);
        QVERIFY(qAbs(com[1].toDouble() - 2 * 3.141592653589793) < 1e-6);
    }

    void recordOfTextElements_data() {
        QTest::addColumn<bool>("rasterize");
        QTest::newRow("text") << false;
        QTest::newRow("rasterized") << true;
    }
    void recordOfTextElements() {
        QFETCH(bool, rasterize);
        Scene s;
        DataCfg::TLayout l = Lay("{'Type':'Text','Text':'Hi $(0)','Font':'Main,12','Width':'100','Height':'30',"
                                 "'WordWrap':true,'TextAlign':'CenterCenter'}");
        l.Color = Qt::white;
        if (rasterize)
            l.State |= LEBase::SB_Rasterize;
        s.host.AddFunction({{DataCfg::OT_Integer, 5}});
        LEText* e = s.Add<LEText>(l);
        e->paint(nullptr, nullptr, nullptr);
        QVariantMap out;
        e->BuildDataUpdate(QVariantMap(), out);
        if (rasterize) {
            QVERIFY(!out.contains("tf") && !out.contains("tx"));
            QCOMPARE(out.value("cI").toString(), QString::number(e->MainImage().PixelHash()));
        } else {
            QCOMPARE(out.value("tf").toString(), QString("12,ffffff,1,18,0"));
            QCOMPARE(out.value("tx").toString(), QString("Hi 5"));
            QVERIFY(!out.contains("cI") && !out.contains("inp"));
        }
        QVariantMap second;
        e->BuildDataUpdate(out, second);
        QVERIFY(second.isEmpty());
    }

    void unregisterAndSiblings() {
        Scene s;
        LEBase* outer = s.Add<LEBase>(Lay("{'Type':'Skin','Width':'100','Height':'100'}"));
        LEBase* a = s.Add<LEBase>(Lay("{'Type':'Skin','Width':'10','Height':'10'}"), outer);
        LEBase* b = s.Add<LEBase>(Lay("{'Type':'Skin','Width':'10','Height':'10'}"), outer);
        QCOMPARE(a->GetSibling(1), b);
        QCOMPARE(b->GetSibling(1), nullptr);
        QCOMPARE(b->GetSibling(-1), a);
        QVERIFY(b->IsDescendantOf(s.root));
        QVERIFY(!outer->IsDescendantOf(b));
        outer->SetPressed(true);
        QVERIFY(a->IsPressedInTree());
        outer->UnregisterFromView();
        QCOMPARE(s.host.removed, QList<LEBase*>({outer, a, b}));
    }

    void deltaComparison_data() {
        QTest::addColumn<QVariant>("a");
        QTest::addColumn<QVariant>("b");
        QTest::addColumn<bool>("same");
        QTest::newRow("int and int64") << QVariant(5) << QVariant(qint64(5)) << true;
        QTest::newRow("int and double") << QVariant(1) << QVariant(1.0) << true;
        QTest::newRow("text and number") << QVariant("0") << QVariant(0) << true;
        QTest::newRow("id text") << QVariant("123456789012") << QVariant(quint64(123456789012ULL)) << true;
        QTest::newRow("text differs") << QVariant("1") << QVariant(0) << false;
        QTest::newRow("invalid and zero") << QVariant() << QVariant(0) << false;
        QTest::newRow("invalid and invalid") << QVariant() << QVariant() << true;
        QTest::newRow("rect and list") << QVariant(QRect(1, 2, 3, 4)) << QVariant(QVariantList{1, 2, 3, 4}) << true;
        QTest::newRow("rect differs") << QVariant(QRect(1, 2, 3, 4)) << QVariant(QRect(1, 2, 3, 5)) << false;
        QTest::newRow("negative and unsigned") << QVariant(-1) << QVariant(quint64(-1)) << false;
    }
    void deltaComparison() {
        QFETCH(QVariant, a);
        QFETCH(QVariant, b);
        QFETCH(bool, same);
        QCOMPARE(ViewDelta::Same(a, b), same);
        QCOMPARE(ViewDelta::Same(b, a), same);
    }

    void deltaWrite() {
        QVariantMap out;
        QVERIFY(!ViewDelta::Write({}, out, "k", 0, 0));
        QVERIFY(ViewDelta::Write({}, out, "k", 1, 0));
        QVERIFY(!ViewDelta::Write({{"k", 1}}, out, "k", 1, 0));
        QVERIFY(ViewDelta::Write({{"k", 1}}, out, "k", 0, 0));
        QCOMPARE(out.value("k").toInt(), 0);
        QVERIFY(ViewDelta::Write({}, out, "n", QString(), QVariant()));
    }

    void cleanupTestCase() {
        m_mgr.reset();
        m_cfg.reset();
    }
};

QTEST_MAIN(TestLayoutElements)
#include "test_layoutelements.moc"
