// Script objects as control scripts see them: slots and properties called from ECMAScript through a real
// script engine, one wrapper per target and engine, failures as null, 0 or false.

#include "config/datacfgrecords.h"
#include "foundation/helpers.h"
#include "functions/plugintools.h"
#include "runtime/dcgrid.h"
#include "runtime/dcpal.h"
#include "runtime/imgdatamgr.h"
#include "runtime/lecontainer.h"
#include "runtime/legfx.h"
#include "runtime/qwimage.h"
#include "tests/config/cfgtestutil.h"
#include "tests/runtime/dcfakes.h"

#include <QGraphicsScene>
#include <QPainter>
#include <QScriptEngine>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace {

const QString kSet = QStringLiteral("S");

DataCfg::TLayout Lay(const char* json) {
    DataCfg::TLayout l;
    l.Read(J(json));
    l.Set = kSet;
    return l;
}

QImage Solid(int w, int h, QColor c) {
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(c);
    return img;
}

// A control view stand-in with a scene of elements.
struct View {
    FakeDCView host;
    QGraphicsScene scene;
    LEContainer* root;

    View() {
        root = new LEContainer(&host, QSize(1, 1));
        scene.addItem(root);
        host.skin.Name = QStringLiteral("Skin1");
        host.skin.Set = kSet;
        host.skin.Layouts << Lay("{'Name':'Title','Type':'Text','Text':'Hello'}")
                          << Lay("{'Name':'Icon','Type':'Gfx','Gfx':'Red'}");
        host.control.Name = QStringLiteral("Ctrl");
        host.control.Set = kSet;
        host.control.Size = QSize(1, 1);
        host.control.MaxSize = QSize(2, 2);
        host.control.ExtParams.insert(QStringLiteral("k"), 7);
        host.control.Config.Read(J("{'Options':[{'Name':'Speed','Type':'Integer','Value':'5','Items':['a','b']}]}"));
    }
    template <typename T> T* Add(const DataCfg::TLayout& l, QGraphicsItem* parent = nullptr) {
        T* e = new T(parent ? parent : root, l);
        e->SetView(&host);
        e->Setup();
        return e;
    }
};

// Evaluates a script with the named objects as globals; a script exception fails the test.
QScriptValue Run(QScriptEngine& engine, const QString& script) {
    const QScriptValue v = engine.evaluate(script);
    if (engine.hasUncaughtException()) {
        qWarning() << "script exception:" << v.toString() << engine.uncaughtExceptionBacktrace();
        engine.clearExceptions();
        return QScriptValue(QStringLiteral("EXCEPTION"));
    }
    return v;
}

void Set(QScriptEngine& engine, const char* name, QObject* object) {
    engine.globalObject().setProperty(QString::fromLatin1(name), engine.newQObject(object));
}

} // namespace

class TestScriptObjects : public QObject {
    Q_OBJECT
    std::unique_ptr<DataCfg> m_cfg;
    std::unique_ptr<ImgDataMgr> m_mgr;
    QTemporaryDir m_dir;

    QString WritePng(const QString& name, const QImage& img) {
        const QString path = m_dir.filePath(name);
        img.save(path, "PNG");
        return path;
    }

private slots:
    void initTestCase() {
        m_cfg.reset(new DataCfg);
        // Absolute paths inside the data folder are taken as they are; others name files of the data folder.
        PluginTools::SetDataPath(m_dir.path());
        m_mgr.reset(new ImgDataMgr);
        DataCfg::TGfx red;
        red.Name = QStringLiteral("Red");
        red.Set = kSet;
        red.Image = Solid(4, 4, Qt::red);
        red.Size = red.Image.rect();
        red.Resolved = red.Found = true;
        m_cfg->Gfxs() << red;
        m_cfg->Strings().insert(QStringLiteral("S:greeting"), QStringLiteral("Hi there"));
    }

    void baseSlotsAndProperties() {
        View v;
        QScriptEngine engine;
        Set(engine, "skin", v.host.GetDCSkin(&engine));
        QCOMPARE(Run(engine, "skin.name").toString(), QStringLiteral("Skin1"));
        Run(engine, "skin.name = 'Other'; skin.setNameSpace('T')");
        QCOMPARE(v.host.skin.Name, QStringLiteral("Other"));
        QCOMPARE(Run(engine, "skin.getNameSpace() + skin.nameSpace").toString(), QStringLiteral("TT"));
        Run(engine, "skin.setNameSpace('S'); skin.data = {n: 4}");
        QCOMPARE(Run(engine, "skin.getData().n + skin.data.n").toInt32(), 8);
        QCOMPARE(Run(engine, "skin.GetString('greeting')").toString(), QStringLiteral("Hi there"));
        QCOMPARE(Run(engine, "skin.GetString('nothing')").toString(), QString());
        QCOMPARE(Run(engine, "typeof skin.getPAL().GetDescForFile('/no/such/program')").toString(),
                 QStringLiteral("string"));
        QCOMPARE(Run(engine, "var im = skin.newImage(); im.width + im.height + im.GetW()").toInt32(), 0);
    }

    void skinLayoutsAndControl() {
        View v;
        QScriptEngine engine;
        Set(engine, "skin", v.host.GetDCSkin(&engine));
        QCOMPARE(Run(engine, "skin.numLayouts()").toInt32(), 2);
        QVERIFY(Run(engine, "skin.getLayout(-1)").isNull());
        QVERIFY(Run(engine, "skin.getLayout(2)").isNull());
        QCOMPARE(Run(engine, "skin.getLayout(0).text + skin.getLayout(1).gfx").toString(), QStringLiteral("HelloRed"));
        // A description object changes its own copy only.
        Run(engine, "skin.getLayout(0).text = 'changed'");
        QCOMPARE(v.host.skin.Layouts[0].Text, QStringLiteral("Hello"));
        // Both names answer the one object of this engine, as one script value on every call.
        QCOMPARE(Run(engine, "skin.getControl().data = 5; skin.getModule().data").toInt32(), 5);
        QVERIFY(Run(engine, "skin.getControl() === skin.getModule()").toBool());
        QCOMPARE(Run(engine, "skin.getControl().name").toString(), QStringLiteral("Ctrl"));
    }

    void controlSlots() {
        View v;
        QScriptEngine engine;
        Set(engine, "ctl", v.host.GetDCControl(&engine));
        Run(engine, "ctl.skinIdx = 3");
        QCOMPARE(v.host.control.SkinIdx, 3);
        QCOMPARE(Run(engine, "ctl.getSkinIdx()").toInt32(), 3);
        Run(engine, "ctl.setFunctions(['P:a', 'P:b'])");
        QCOMPARE(v.host.control.Functions, QStringList({"P:a", "P:b"}));
        QCOMPARE(v.host.buildFunctionsCalls, 1);
        Run(engine, "ctl.setHeight(3); ctl.setWidth(4)");
        QCOMPARE(v.host.control.Size, QSize(4, 3));
        QCOMPARE(v.host.control.MaxSize, QSize(4, 3));
        QCOMPARE(Run(engine, "ctl.getExtParams().k").toInt32(), 7);
        QCOMPARE(Run(engine, "ctl.getConfigData().Speed").toString(), QStringLiteral("5"));
        QVERIFY(Run(engine, "ctl.getControlView() !== null").toBool());
        QCOMPARE(Run(engine, "ctl.getControlView().objectName").toString(), v.host.objectName());
    }

    void configOptions() {
        View v;
        QScriptEngine engine;
        Set(engine, "ctl", v.host.GetDCControl(&engine));
        // A name no option has gives the number 0, not null.
        QVERIFY(Run(engine, "ctl.getConfigOption('Nope') === 0").toBool());
        Run(engine, "var o = ctl.getConfigOption('Speed'); o.value = '9'; o.setItems(['x'])");
        DataCfg::TConfigOption* opt = v.host.control.Config.FindOption(QStringLiteral("Speed"));
        QVERIFY(opt);
        QCOMPARE(opt->Value, QStringLiteral("9"));
        QCOMPARE(opt->Items, QStringList({"x"}));
        QCOMPARE(Run(engine, "o.getValue() + o.getValueOrg() + o.items.length").toString(), QStringLiteral("951"));
        // A rename is followed.
        Run(engine, "o.name = 'Pace'; o.value = '11'");
        QCOMPARE(v.host.control.Config.FindOption(QStringLiteral("Pace"))->Value, QStringLiteral("11"));
        // The view drops its options (rebuilt control): the object answers empty values and changes nothing.
        v.host.control.Config.Options.clear();
        QCOMPARE(Run(engine, "o.value + '|' + o.getItems().length + '|' + o.name").toString(), QStringLiteral("|0|"));
        Run(engine, "o.value = 'late'; o.name = 'x'");
        QVERIFY(v.host.control.Config.Options.isEmpty());
    }

    void layoutWrappersPerEngine() {
        View v;
        LEGfx* e = v.Add<LEGfx>(Lay("{'Name':'Icon','Type':'Gfx','Gfx':'Red','Width':'40','Height':'20'}"));
        QScriptEngine a, b;
        QObject* la = e->GetDCLayout(&a);
        QVERIFY(qobject_cast<DCLayout*>(la));
        QCOMPARE(e->GetDCLayout(&a), la);
        QVERIFY(e->GetDCLayout(&b) != la);
        // Through handler calls, too: the same object reaches both calls of one engine.
        v.host.knownHandlers << QStringLiteral("S:h");
        e->ExecLayoutFunc(QStringLiteral("h"));
        e->ExecLayoutFunc(QStringLiteral("h"));
        QCOMPARE(v.host.callArgs.size(), 2);
        QCOMPARE(v.host.callArgs[0][1].toQObject(), v.host.callArgs[1][1].toQObject());
        QCOMPARE(v.host.callArgs[0][0].toQObject(), v.host.callArgs[1][0].toQObject());
    }

    void layoutProperties_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("expected");
        QTest::newRow("text") << "l.text = 'abc'; l.getText()"
                              << "abc";
        QTest::newRow("gfx") << "l.gfx = 'Blue'; l.gfx"
                             << "Blue";
        QTest::newRow("skin") << "l.setSkin('Sk'); l.skin"
                              << "Sk";
        QTest::newRow("font") << "l.font = 'F'; l.getFont()"
                              << "F";
        QTest::newRow("color") << "l.color = '#ff0000'; l.getColor() == l.color"
                               << "true";
        QTest::newRow("colorP") << "l.setColorP('#00ff00'); l.colorP === l.getColorP()"
                                << "true";
        QTest::newRow("visible") << "l.visible = false; l.getVisible()"
                                 << "false";
        QTest::newRow("active") << "l.setActive(true); l.active"
                                << "true";
        QTest::newRow("pressed") << "l.pressed = true; l.getPressed()"
                                 << "true";
        QTest::newRow("enabled") << "l.enabled = false; l.getEnabled()"
                                 << "false";
        QTest::newRow("toggle") << "l.toggle = true; l.getToggle()"
                                << "true";
        QTest::newRow("pressedOvl") << "l.pressedOvl = false; l.getPressedOvl()"
                                    << "false";
        QTest::newRow("mouseEnabled") << "l.mouseEnabled = true; l.getMouseEnabled()"
                                      << "true";
        QTest::newRow("mouseRepeat") << "l.mouseRepeat = true; l.getMouseRepeat()"
                                     << "true";
        QTest::newRow("textStroke") << "l.textStroke = true; l.getTextStroke()"
                                    << "true";
        QTest::newRow("textUnderline") << "l.textUnderline = true; l.getTextUnderline()"
                                       << "true";
        QTest::newRow("extendHitTest") << "l.extendHitTest = 6; l.getExtendHitTest()"
                                       << "6";
        QTest::newRow("textAlign") << "l.textAlign = 18; l.getTextAlign()"
                                   << "18";
        QTest::newRow("fontSize") << "l.fontSize = 22; l.getFontSize()"
                                  << "22";
        QTest::newRow("opacity") << "l.opacity = 0.5; l.getOpacity()"
                                 << "0.5";
        QTest::newRow("rotation") << "l.setRotation(1.5); l.rotation"
                                  << "1.5";
        QTest::newRow("type") << "l.type = 0; l.getType()"
                              << "0";
        QTest::newRow("colorOpacity") << "l.setColorOpacity('#800000ff'); Math.round(l.opacity * 100)"
                                      << "50";
        QTest::newRow("rendered") << "l.renderedTextWidth + l.getRenderedTextHeight()"
                                  << "0";
        QTest::newRow("id") << "l.getID() > 0"
                            << "true";
        QTest::newRow("pos") << "l.setPos(3, 4); l.setX(7); l.getX() * 10 + l.getY()"
                             << "74";
        QTest::newRow("setY") << "l.setPos(3, 4); l.setY(9); l.getX() * 10 + l.getY()"
                              << "39";
        QTest::newRow("size") << "l.setSize(30, 12); l.getW() * 100 + l.getH()"
                              << "3012";
        QTest::newRow("setW keeps height") << "l.setW(40); l.getW() * 100 + l.getH()"
                                           << "4020";
        QTest::newRow("setH keeps width") << "l.setH(8); l.getW() * 100 + l.getH()"
                                          << "5008";
        QTest::newRow("mask")
            << "l.setMask({Type:'Radial', Start:'0.5', End:'2'}); Math.round((l.getMaskStart() + l.getMaskEnd()) * 1e4)"
            << "436";
        QTest::newRow("io map default") << "l.GetIOMapFunction(5, 2) * 10 + l.GetIOMapOutput(5, 2)"
                                        << "52";
        QTest::newRow("io map short forms") << "l.GetIOMapFunction(4) + l.GetIOMapFunction() + l.GetIOMapOutput()"
                                            << "4";
        QTest::newRow("io map clamped") << "l.GetIOMapFunction(500, 1) * 100 + l.GetIOMapOutput(0, -9)"
                                        << "6300";
        QTest::newRow("io map mapped") << "l.GetIOMapFunction(1, 0) * 10 + l.GetIOMapOutput(1, 0)"
                                       << "23";
        QTest::newRow("text width") << "l.GetTextW('WWW', 20) > l.GetTextW('W', 20)"
                                    << "true";
        QTest::newRow("text width default") << "l.text = 'iiii'; l.GetTextW() == l.GetTextW('iiii')"
                                            << "true";
        QTest::newRow("scroll") << "l.DoScrollBy(5); l.DoScrollTo(0); typeof l.GetScrollPosY()"
                                << "number";
        QTest::newRow("no parent element") << "l.getParent() === null"
                                           << "true";
        QTest::newRow("child missing") << "l.findChild('nobody') === null"
                                       << "true";
        QTest::newRow("no exception on bad types") << "l.setOpacity('x'); l.setText(null); 1"
                                                   << "1";
    }

    void layoutProperties() {
        QFETCH(QString, script);
        QFETCH(QString, expected);
        View v;
        LEGfx* e = v.Add<LEGfx>(Lay("{'Name':'Icon','Type':'Gfx','Gfx':'Red','Width':'50','Height':'20'}"));
        e->InputMap().insert(DataCfg::TMapIdx(1, 0), DataCfg::TMapIdx(2, 3));
        QScriptEngine engine;
        Set(engine, "l", e->GetDCLayout(&engine));
        QCOMPARE(Run(engine, script).toString(), expected);
    }

    void invalidationRules() {
        View v;
        LEGfx* e = v.Add<LEGfx>(Lay("{'Name':'Icon','Type':'Gfx','Gfx':'Red','Text':'t','Width':'50','Height':'20'}"));
        QScriptEngine engine;
        Set(engine, "l", e->GetDCLayout(&engine));
        const int before = v.host.invalidations;
        Run(engine, "l.setText('t'); l.setGfx('Red'); l.setColor(l.getColor()); l.setOpacity(l.opacity)");
        QCOMPARE(v.host.invalidations, before);
        Run(engine, "l.setToggle(false)");
        QVERIFY(v.host.invalidations > before);
        const int afterToggle = v.host.invalidations;
        Run(engine, "l.setText('u')");
        QVERIFY(v.host.invalidations > afterToggle);
    }

    void treeSlots() {
        View v;
        LEGfx* parent = v.Add<LEGfx>(Lay("{'Name':'Outer','Type':'Gfx','Gfx':'Red','Width':'80','Height':'80'}"));
        LEGfx* child =
            v.Add<LEGfx>(Lay("{'Name':'Inner','Type':'Gfx','Gfx':'Red','Width':'10','Height':'10'}"), parent);
        QScriptEngine engine;
        Set(engine, "outer", parent->GetDCLayout(&engine));
        Set(engine, "inner", child->GetDCLayout(&engine));
        // The element's own wrapper comes back: what the script stored on it is there.
        Run(engine, "inner.data = 'in'; outer.data = 'out'");
        QCOMPARE(Run(engine, "outer.findChild('Inner').data + inner.getParent().data").toString(),
                 QStringLiteral("inout"));
        LogCapture log;
        QCOMPARE(Run(engine, "outer.addChildGfx('Added', 'Red', 5, 6, 0, 0)").toInt32(), 3);
        QCOMPARE(v.host.added.size(), 1);
        LEBase* added = v.host.added.first();
        QCOMPARE(added->parentItem(), static_cast<QGraphicsItem*>(parent));
        QCOMPARE(added->pos(), QPointF(5, 6));
        QCOMPARE(added->Layout().Gfx, QStringLiteral("Red"));
        QVERIFY(added->HasState(LEBase::SB_Visible));
        QVERIFY(log.Has("EX:: setting position to 5 , 6"));
        QVERIFY(log.Has("EX:: ------------------------------------------------"));
        QVERIFY(Run(engine, "outer.findChild('Added').gfx == 'Red'").toBool());
        Run(engine, "outer.remAllChildren()");
        QCOMPARE(v.host.remAllChildrenCalls, QList<QObject*>({parent->GetDCLayout(&engine)}));
    }

    void elementGoneLeavesSafeObject() {
        View v;
        LEGfx* e = v.Add<LEGfx>(Lay("{'Name':'Icon','Type':'Gfx','Gfx':'Red','Width':'50','Height':'20'}"));
        QScriptEngine engine;
        auto* wrapper = new DCLayout(e, &engine, nullptr);
        Set(engine, "l", wrapper);
        delete e;
        QCOMPARE(
            Run(engine, "l.text = 'x'; l.getText() + l.getW() + l.getID() + l.addChildGfx('a','b',1,2,3,4)").toString(),
            QStringLiteral("000"));
        QCOMPARE(Run(engine, "l.LoadGfx('x', '', 1, 0, 0, 0, '') || l.ComposeGfx('a', 'http://x/y', 0, 0)").toBool(),
                 false);
        delete wrapper;
    }

    void alignedElementPlacedByItsNewSize() {
        View v;
        LEBase* parent = v.Add<LEBase>(Lay("{'Name':'Box','Type':'Skin','Width':'100','Height':'50'}"));
        LEGfx* right = v.Add<LEGfx>(
            Lay("{'Name':'R','Type':'Gfx','Gfx':'Red','Width':'20','Height':'10','Align':'RightTop'}"), parent);
        LEGfx* corner = v.Add<LEGfx>(
            Lay("{'Name':'C','Type':'Gfx','Gfx':'Red','Width':'20','Height':'10','Align':'RightBottom'}"), parent);
        // Inside the element that grows, a right-aligned child follows its new right edge.
        LEGfx* inner = v.Add<LEGfx>(
            Lay("{'Name':'I','Type':'Gfx','Gfx':'Red','Width':'4','Height':'4','Align':'RightTop'}"), right);
        QScriptEngine engine;
        Set(engine, "r", right->GetDCLayout(&engine));
        Set(engine, "c", corner->GetDCLayout(&engine));
        Run(engine, "r.setW(40); c.setSize(30, 20)");
        QCOMPARE(right->pos(), QPointF(60, 0));
        QCOMPARE(corner->pos(), QPointF(70, 30));
        QCOMPARE(inner->pos(), QPointF(36, 0));
    }

    void fitPictureWithBorder() {
        View v;
        LEGfx* e = v.Add<LEGfx>(Lay("{'Name':'Pic','Type':'Gfx','Gfx':'Red','Width':'100','Height':'50'}"));
        const QString file = WritePng(QStringLiteral("big.png"), Solid(200, 200, Qt::blue));
        QScriptEngine engine;
        Set(engine, "l", e->GetDCLayout(&engine));
        QCOMPARE(Run(engine, QStringLiteral("l.LoadGfx('%1', '', 4)").arg(file)).toBool(), false);
        const QImage img = e->MainImage().Image;
        QCOMPARE(img.size(), QSize(100, 50));
        QCOMPARE(e->Layout().Gfx, QStringLiteral("None"));
        // 42 x 42 at (29, 4): transparent around it, blue inside.
        QCOMPARE(qAlpha(img.pixel(28, 25)), 0);
        QCOMPARE(QColor(img.pixel(29, 4)), QColor(Qt::blue));
        QCOMPARE(QColor(img.pixel(70, 45)), QColor(Qt::blue));
        QCOMPARE(qAlpha(img.pixel(71, 25)), 0);
        QCOMPARE(qAlpha(img.pixel(50, 3)), 0);
        QCOMPARE(qAlpha(img.pixel(50, 46)), 0);
        // A missing file and no icon: a transparent canvas, no failure raised.
        QCOMPARE(Run(engine, "l.LoadGfx('/no/such/file.png', '')").toBool(), false);
    }

    void gridSlots() {
        FakeDCGrid grid;
        grid.grid.Height = 7;
        grid.clientInfo = QVariantMap{{"model", "P1"}};
        grid.found = {2, 0};
        QScriptEngine engine;
        grid.ctrl = engine.newObject();
        grid.ctrl.setProperty("tag", 5);
        QObject owner;
        auto* dc = new DCGrid(&grid, &engine, &owner);
        Set(engine, "g", dc);
        QList<quint64> resets;
        DCGrid::SetClientResetHandler([&](quint64 id) { resets << id; });
        QCOMPARE(Run(engine, "g.getHeight()").toInt32(), 7);
        QCOMPARE(Run(engine, "g.isNetClient()").toBool(), false);
        Run(engine, "g.resetNetClient()");
        QVERIFY(resets.isEmpty());
        grid.clientId = 42;
        QCOMPARE(Run(engine, "g.isNetClient() && g.getNetClientInfo().model == 'P1'").toBool(), true);
        Run(engine, "g.resetNetClient()");
        QCOMPARE(resets, QList<quint64>({42}));
        QCOMPARE(Run(engine, "g.FindControls('S:Btn').join(',')").toString(), QStringLiteral("2,0"));
        QCOMPARE(grid.findCalls, QStringList({"S:Btn"}));
        QCOMPARE(Run(engine, "g.GetCtrl(1).tag").toInt32(), 5);
        QVERIFY(Run(engine, "g.GetCtrl(-1) === null && g.GetCtrl(99) === null").toBool());
        DCGrid::SetClientResetHandler(nullptr);
    }

    void imageSlots() {
        QScriptEngine engine;
        QObject holder;
        DCObj obj(nullptr, &engine, &holder);
        Set(engine, "o", &obj);
        const QString file = WritePng(QStringLiteral("img.png"), Solid(6, 3, Qt::green));
        Run(engine, "var im = o.newImage()");
        QCOMPARE(Run(engine, "im.LoadGfx('')").toBool(), false);
        QCOMPARE(Run(engine, "im.LoadGfx('Red') + ':' + im.width + 'x' + im.height").toString(),
                 QStringLiteral("true:4x4"));
        QCOMPARE(
            Run(engine, QStringLiteral("im.LoadGfx('%1') + ':' + im.GetW() + 'x' + im.GetH()").arg(file)).toString(),
            QStringLiteral("true:6x3"));
        // The decoded file is kept by the image manager under its name.
        QVERIFY(m_mgr->FindImgData(StringHash(file)));
        QCOMPARE(Run(engine, "im.LoadGfx('/no/such/picture.png') + ':' + im.width").toString(),
                 QStringLiteral("false:0"));
        Run(engine, QStringLiteral("im.LoadGfx('%1'); var c = im.Copy(); im.Resize(10, 20); im.Mask(c)").arg(file));
        QCOMPARE(Run(engine, "im.width + 'x' + im.height + ' ' + c.width + 'x' + c.height").toString(),
                 QStringLiteral("10x20 6x3"));
        // An allocation beyond the bound is refused and leaves the picture.
        QCOMPARE(Run(engine, "im.Resize(100000, 100000); im.width").toInt32(), 10);
        QCOMPARE(Run(engine, "im.data = 'd'; im.Clear(); im.width + im.getData()").toString(), QStringLiteral("0d"));
        // Without a web image cache nothing arrives.
        QCOMPARE(Run(engine, "c.LoadUrl('http://127.0.0.1:1/x.png') + ':' + c.width").toString(),
                 QStringLiteral("false:6"));
    }
};

QTEST_MAIN(TestScriptObjects)
#include "test_scriptobjects.moc"
