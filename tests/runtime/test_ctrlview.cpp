// The control view: build from a control record, bound functions and handlers, ticks and timers, input
// from the phone and the local mouse, and its View record written as differences.

#include <QAbstractButton>

#include "config/datacfgrecords.h"
#include "runtime/ctrlview.h"
#include "runtime/imgdatamgr.h"
#include "runtime/lebase.h"
#include "runtime/lecontainer.h"
#include "runtime/letext.h"
#include "runtime/qgraphicstextitemp.h"
#include "tests/runtime/ctrlviewfakes.h"
#include "widgets/popupwnd.h"

#include <QApplication>
#include <QGraphicsScene>
#include <QRandomGenerator>
#include <QScriptEngine>
#include <QTemporaryDir>
#include <QtTest>

namespace {
QString FixtureDir() {
    return QStringLiteral(MERVEX_TEST_SOURCE_DIR "/fixtures/ctrlview");
}
} // namespace

class TestCtrlView : public QObject {
    Q_OBJECT
    DataCfg* m_cfg = nullptr;
    ImgDataMgr* m_images = nullptr;
    FakeRegistry m_registry;
    QTemporaryDir m_tmp;

    DataCfg::TControl Control(const QString& name) { return m_cfg->FindControl(name, QStringLiteral("CV")); }
    QScriptEngine* Engine() { return m_cfg->GetScriptEngine(QStringLiteral("CV:CtrlInit")); }
    QStringList Calls() {
        const QScriptValue v = Engine()->globalObject().property(QStringLiteral("calls"));
        QStringList out;
        const int n = v.property(QStringLiteral("length")).toInt32();
        for (int i = 0; i < n; ++i)
            out << v.property(i).toString();
        return out;
    }
    void ResetCalls() { Engine()->evaluate(QStringLiteral("calls = []; fired = [];")); }
    int ScriptInt(const char* name) { return Engine()->globalObject().property(QLatin1String(name)).toInt32(); }
    LEBase* Element(CtrlView& v, const QString& name) {
        for (LEBase* e : v.Elements()) {
            if (e->Layout().Name == name)
                return e;
        }
        return nullptr;
    }
    QStringList Names(const CtrlView& v) {
        QStringList out;
        for (LEBase* e : v.Elements())
            out << e->Layout().Name;
        return out;
    }

private slots:
    void initTestCase() {
        m_cfg = new DataCfg(this);
        QVERIFY(m_cfg->LoadIncludeFile(FixtureDir(), QStringLiteral("mainCfg.json")));
        QVERIFY(Engine());
        m_images = new ImgDataMgr(this);
        FuncRegistry::SetInstance(&m_registry);
    }
    void cleanupTestCase() { FuncRegistry::SetInstance(nullptr); }
    // A test that drives the image manager's clock leaves it on the real one, also when it failed.
    void cleanup() { m_images->SetClock(nullptr); }
    void init() {
        m_registry.values.clear();
        m_registry.calls.clear();
        m_registry.macroLog.clear();
        m_registry.sources.clear();
        m_cfg->UserCfg().CfgBase.remove(QStringLiteral("ActivateBottonSounds"));
        ResetCalls();
    }

    // First of all: each missing service is told once per process.
    void missingServicesAreToldOnceAndAnswerEmpty() {
        FuncRegistry::SetInstance(nullptr);
        LogCapture log;
        CtrlView v;
        for (int i = 0; i < 2; ++i) {
            QVERIFY(!v.CallProviderFunction(QStringLiteral("TST:val"), {}).isValid());
            QVERIFY(v.GetDataSources(false).isEmpty());
            QCOMPARE(v.GetDataSourceEntries(QStringLiteral("Feed")), QVariant(0));
        }
        // Without a script-object factory the scripts get inert objects of the right names.
        QCOMPARE(v.GetDCSkin(Engine())->objectName(), QStringLiteral("DCSkin"));
        QCOMPARE(v.GetDCControl(Engine())->objectName(), QStringLiteral("DCControl"));
        FuncRegistry::SetInstance(&m_registry);
        QCOMPARE(log.Count(QStringLiteral("CtrlView: no function registry installed")), 1);
        QCOMPARE(log.Count(QStringLiteral("CtrlView: no script-object factory installed")), 1);
    }

    // --- Build ---

    void idsComeFromOneCounterAndSurviveRebuilds() {
        CtrlView a, b;
        QCOMPARE(b.GetId(), a.GetId() + 1);
        const int id = a.GetId();
        a.Init(Control(QStringLiteral("Three")));
        a.Init(Control(QStringLiteral("Button")));
        QCOMPARE(a.GetId(), id);
        QCOMPARE(a.GetHostVersionMain(), QStringLiteral("0.459"));
    }

    void skinIndexIsHeldToTheList_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("skin");
        QTest::newRow("below") << -3 << "Plain";
        QTest::newRow("first") << 0 << "Plain";
        QTest::newRow("middle") << 1 << "Second";
        QTest::newRow("past the end") << 7 << "Third";
    }
    void skinIndexIsHeldToTheList() {
        QFETCH(int, index);
        QFETCH(QString, skin);
        DataCfg::TControl c = Control(QStringLiteral("Three"));
        c.SkinIdx = index;
        CtrlView v;
        v.Init(c);
        QCOMPARE(v.Skin().Name, skin);
    }

    void sizeFollowsCellsAndScale() {
        CtrlView v;
        v.SetScale(0.5);
        v.Init(Control(QStringLiteral("Three")));
        QCOMPARE(v.Scene()->sceneRect(), QRectF(0, 0, 320, 160));
        QCOMPARE(v.size(), QSize(160, 80));
        QCOMPARE(v.GetGridW(), 2);
        QCOMPARE(v.GetGridH(), 1);
    }

    void oversizedControlIsHeld() {
        LogCapture log;
        CtrlView v;
        v.SetScale(0.25);
        v.Init(Control(QStringLiteral("Huge")));
        QCOMPARE(v.GetGridW(), int(CtrlView::MaxCells));
        QCOMPARE(v.GetGridH(), 2);
        QCOMPARE(v.size(), QSize(CtrlView::MaxCells * 40, 80));
        QVERIFY(log.Has(QStringLiteral("control size held")));
    }

    void controlWithoutSkinsBuildsAnEmptyRoot() {
        CtrlView v;
        v.Init(Control(QStringLiteral("Bare")));
        QVERIFY(v.Root());
        QVERIFY(v.Elements().isEmpty());
        QCOMPARE(v.size(), QSize(160, 160));
    }

    void textOptionOverridesOnlyItsLayout() {
        CtrlView v;
        v.Init(Control(QStringLiteral("Button")));
        QCOMPARE(Element(v, QStringLiteral("Label"))->Layout().Text, QStringLiteral("label $(0)"));
        QCOMPARE(Element(v, QStringLiteral("Entry"))->Layout().Text, QString());
    }

    void functionsBindWithTheirArguments() {
        LogCapture log;
        CtrlView v;
        v.Init(Control(QStringLiteral("Button")));
        QCOMPARE(v.Functions().size(), 3);
        QCOMPARE(v.Functions()[0].Inputs, QVariantList({7}));
        // An unknown entry keeps its place with an empty name.
        QVERIFY(v.Functions()[2].Name.isEmpty());
        QVERIFY(log.Has(QStringLiteral("Unknown Function:")));

        CtrlView w;
        w.Init(Control(QStringLiteral("Args")));
        QCOMPARE(w.Functions()[0].Inputs, QVariantList({"3", "4"}));
        QCOMPARE(w.Functions()[1].Inputs, QVariantList({7}));
    }

    void handlersRunInBuildOrder() {
        CtrlView v;
        v.Init(Control(QStringLiteral("Button")));
        QCOMPARE(Calls(), QStringList({"CtrlInit", "SkinInit", "LayInit", "SkinPostInit", "LayPostInit", "SkinUpdate",
                                       "CtrlPostInit"}));
    }

    void nestedSkinsBuildEveryLevelOnce() {
        LogCapture log;
        CtrlView v;
        v.Init(Control(QStringLiteral("Nested")));
        // Each nested-skin element comes before its children; the skin that names itself, the missing one
        // and the unknown internal element are skipped. AddSubSkin (skin OnPostInit) added Leaf under Host.
        QCOMPARE(Names(v).join(QLatin1Char(',')), QStringLiteral("Top,Mid,Dot,Net,Host,,Dot"));
        QVERIFY(log.Has(QStringLiteral("Skin nests itself:")));
        QVERIFY(log.Has(QStringLiteral("Skin not found:")));
        QVERIFY(log.Has(QStringLiteral("Invalid internal:")));
        QVERIFY(Calls().contains(QStringLiteral("AddSub:ok")));
        QVERIFY(Calls().contains(QStringLiteral("AddSub:missing-null")));
        // The override reached the nested layout.
        QCOMPARE(v.Elements()[2]->Layout().Text, QStringLiteral("over"));
        // Three levels deep.
        QCOMPARE(v.Elements()[2]->parentItem(), v.Elements()[1]);
        QCOMPARE(v.Elements()[1]->parentItem(), v.Elements()[0]);
    }

    // Seven levels of four nested skins would make about 22,000 elements; the view stops at its bound, says so,
    // and what it built is whole: the first branch down to its texts, and a record with every element.
    void nestedSkinsStopAtTheElementBound() {
        LogCapture log;
        CtrlView v;
        v.Init(Control(QStringLiteral("Fan")));
        QCOMPARE(v.Elements().size(), int(CtrlView::MaxElements));
        QVERIFY(log.Has(QStringLiteral("element limit of 2000 reached in control \"Fan\"")));
        QCOMPARE(Names(v).mid(0, 12).join(QLatin1Char(',')), QStringLiteral("F0,F0,F0,F0,F0,F0,F0,L0,L1,L2,L3,F1"));
        QVariantMap sources, previous;
        const QVariantMap record = v.BuildViewUpdate(sources, previous);
        QCOMPARE(record.value(QStringLiteral("ly")).toMap().size(), int(CtrlView::MaxElements));
    }

    void removingChildrenDestroysEachOnce() {
        CtrlView v;
        v.Init(Control(QStringLiteral("Nested")));
        QPointer<LEBase> top = v.Elements()[0];
        QPointer<LEBase> mid = v.Elements()[1];
        QPointer<LEBase> dot = v.Elements()[2];
        v.RemAllChildren(top);
        QVERIFY(!mid->scene());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(top);
        QVERIFY(!mid);
        QVERIFY(!dot);
        QCOMPARE(Names(v), QStringList({"Top", "Net", "Host", "", "Dot"}));
    }

    void elementMayRemoveItselfFromItsHandler() {
        CtrlView v;
        v.Init(Control(QStringLiteral("Nested")));
        ResetCalls();
        QPointer<LEBase> dot = v.Elements().last();
        QCOMPARE(dot->Layout().Name, QStringLiteral("Dot"));
        v.OnExtMouseEvent(QStringLiteral("dn"), 1, 1, dot->GetId());
        v.OnExtMouseEvent(QStringLiteral("up"), 1, 1, dot->GetId());
        QVERIFY(Calls().contains(QStringLiteral("RemSub")));
        QCOMPARE(Names(v), QStringList({"Top", "Mid", "Dot", "Net", "Host"}));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!dot);
    }

    // --- Functions ---

    void resolutionFiltersSmallMoves_data() {
        QTest::addColumn<QVariant>("last");
        QTest::addColumn<QVariant>("now");
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<bool>("update");
        QTest::newRow("below resolution") << QVariant(40) << QVariant(44) << QVariant(40) << false;
        QTest::newRow("exactly resolution") << QVariant(40) << QVariant(45) << QVariant(45) << true;
        QTest::newRow("downwards") << QVariant(40) << QVariant(30) << QVariant(30) << true;
        QTest::newRow("first value is never dropped") << QVariant() << QVariant(1) << QVariant(1) << true;
        QTest::newRow("text always counts") << QVariant("a") << QVariant("b") << QVariant("b") << true;
        QTest::newRow("equal") << QVariant(40) << QVariant(40.0) << QVariant(40.0) << false;
    }
    void resolutionFiltersSmallMoves() {
        QFETCH(QVariant, last);
        QFETCH(QVariant, now);
        QFETCH(QVariant, stored);
        QFETCH(bool, update);
        CtrlView v;
        v.Init(Control(QStringLiteral("Button")));
        v.OnCheckUpdate();
        v.SetFuncRes(0, 0, last);
        m_registry.values[QStringLiteral("TST:val")] = now;
        v.UpdateFuncRes();
        QCOMPARE(v.GetFuncRes(0, 0), stored);
        QCOMPARE(v.IsUpdatePending(), update);
        QVERIFY(m_registry.calls.contains(QStringLiteral("TST:val(7)")));
    }

    void funcResIndexesAreHeld() {
        CtrlView v;
        v.Init(Control(QStringLiteral("Button")));
        v.SetFuncRes(1, 0, QStringLiteral("first"));
        v.SetFuncRes(1, 99, QStringLiteral("last"));
        QCOMPARE(v.GetFuncRes(1, -5).toString(), QStringLiteral("first"));
        QCOMPARE(v.GetFuncRes(1, 1).toString(), QStringLiteral("last"));
        // Index 99 is held to the unbound third entry, which answers 0.
        QCOMPARE(v.GetFuncRes(99, 99), QVariant(0));
        v.SetFuncInput(-1, 5, 9);
        QCOMPARE(v.Functions()[0].Inputs, QVariantList({9}));

        CtrlView bare;
        bare.Init(Control(QStringLiteral("Bare")));
        QCOMPARE(bare.GetFuncRes(), QVariant(0));
        QCOMPARE(bare.CallFunc(QStringLiteral("TST:val"), {}), QVariant());
    }

    void dataSourcesMergeAndCarryTheirName() {
        m_registry.sources = {
            {QStringLiteral("News"),
             true,
             {{"a", QVariantMap{{"title", "n-a"}}}, {"b", QVariantMap{{"title", "n-b"}}}}},
            {QStringLiteral("Mail"), false, {{"a", QVariantMap{{"title", "m-a"}}}}},
            {QStringLiteral("Chat"), true, {{"b", QVariantMap{{"title", "c-b"}}}}},
        };
        CtrlView v;
        QCOMPARE(v.GetDataSources(), QStringList({"News", "Mail", "Chat"}));
        QCOMPARE(v.GetDataSources(true), QStringList({"News", "Chat"}));
        const QVariantList news = v.GetDataSourceEntries(QStringLiteral("News:x")).toList();
        QCOMPARE(news.size(), 2);
        QCOMPARE(news[0].toMap().value("src").toString(), QStringLiteral("News:x"));
        QCOMPARE(v.GetDataSourceEntries(QStringLiteral("None")), QVariant(0));
        const QVariantList all = v.GetAllDataSourceEntries().toList();
        QCOMPARE(all.size(), 2);
        QCOMPARE(all[1].toMap().value("title").toString(), QStringLiteral("c-b"));
        QCOMPARE(all[1].toMap().value("src").toString(), QStringLiteral("Chat"));
        QCOMPARE(v.CallDataSourceFunc(QStringLiteral("Chat"), QStringLiteral("f"), {1, 2}).toString(),
                 QStringLiteral("f/2"));
        QCOMPARE(v.CallDataSourceFunc(QStringLiteral("None"), QStringLiteral("f"), {}), QVariant(0));
    }

    void scriptSettingsLiveUnderSetAndScript() {
        CtrlView v;
        v.Init(Control(QStringLiteral("Button")));
        const QScriptValue r = m_cfg->ExecScriptfunc(&v, QStringLiteral("CV:ScriptCfg"), {});
        QCOMPARE(r.toInt32(), 42);
        QCOMPARE(m_cfg->UserCfg().CfgScripts.value("CV").toMap().value("cv").toMap().value("k").toInt(), 42);
    }

    void scriptSettingsPath_data() {
        QTest::addColumn<QString>("engineName");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("set");
        QTest::addColumn<QString>("script");
        QTest::newRow("set and script") << "S:main"
                                        << "Button"
                                        << "S"
                                        << "main";
        QTest::newRow("no set") << "solo"
                                << "Button"
                                << "unknown"
                                << "solo";
        QTest::newRow("three parts") << "a:b:c"
                                     << "Button"
                                     << "a"
                                     << "c";
        QTest::newRow("nameless engine") << ""
                                         << "Button"
                                         << ""
                                         << "";
        QTest::newRow("nameless control") << "S:main"
                                          << ""
                                          << ""
                                          << "";
    }
    void scriptSettingsPath() {
        QFETCH(QString, engineName);
        QFETCH(QString, control);
        QFETCH(QString, set);
        QFETCH(QString, script);
        m_cfg->UserCfg().CfgScripts.clear();
        DataCfg::TControl c = Control(QStringLiteral("Button"));
        c.Name = control;
        CtrlView v;
        v.Init(c);
        QScriptEngine engine;
        engine.setObjectName(engineName);
        engine.globalObject().setProperty(QStringLiteral("view"), engine.newQObject(&v));
        const QScriptValue r = engine.evaluate(QStringLiteral("view.SetScriptCfg('k', 7); view.GetScriptCfg('k')"));
        if (set.isEmpty()) {
            QCOMPARE(r.toInt32(), 0);
            QVERIFY(m_cfg->UserCfg().CfgScripts.isEmpty());
        } else {
            QCOMPARE(r.toInt32(), 7);
            QCOMPARE(m_cfg->UserCfg().CfgScripts.value(set).toMap().value(script).toMap().value("k").toInt(), 7);
        }
        QCOMPARE(v.GetScriptCfg(QStringLiteral("k")), QVariant(0)); // no script runs
    }

    void runMacroStopsARunningOne() {
        CtrlView v;
        v.RunMacro(QStringLiteral("ab-cd"));
        QCOMPARE(m_registry.macroLog, QStringList({"reset", "a", "b"}));
        QVERIFY(v.IsMacroRunning());
        // A second call while running stops it and releases what it holds.
        v.RunMacro(QStringLiteral("xy"));
        QVERIFY(!v.IsMacroRunning());
        QCOMPARE(m_registry.macroLog.mid(3), QStringList({"release", "reset"}));
        v.RunMacro(QStringLiteral("x-y"));
        QVERIFY(v.IsMacroRunning());
        // The rest runs on the next tick, even with ticks switched off; the player then goes.
        v.SetTickInterval(-1);
        v.OnTick(0, 100);
        QVERIFY(!v.IsMacroRunning());
        QCOMPARE(m_registry.macroLog.last(), QStringLiteral("y"));
        QCOMPARE(v.GetMacroProgress(), 0.0);
    }

    // --- Ticks, updates, timers ---

    void tickWorkRunsAtIntervalCrossings_data() {
        QTest::addColumn<int>("interval");
        QTest::addColumn<uint>("previous");
        QTest::addColumn<uint>("current");
        QTest::addColumn<bool>("runs");
        QTest::newRow("inside a second") << 1000 << 999u << 1099u << false;
        QTest::newRow("reaching a second") << 1000 << 900u << 1000u << true;
        QTest::newRow("first steps") << 1000 << 0u << 100u << false;
        QTest::newRow("every tick") << 0 << 0u << 100u << true;
        QTest::newRow("never") << -1 << 900u << 1000u << false;
    }
    void tickWorkRunsAtIntervalCrossings() {
        QFETCH(int, interval);
        QFETCH(uint, previous);
        QFETCH(uint, current);
        QFETCH(bool, runs);
        CtrlView v;
        v.Init(Control(QStringLiteral("Button")));
        v.SetTickInterval(interval);
        ResetCalls();
        m_registry.calls.clear();
        v.OnTick(previous, current);
        QCOMPARE(Calls().contains(QStringLiteral("SkinTick")), runs);
        QCOMPARE(m_registry.calls.contains(QStringLiteral("TST:val(7)")), runs);
    }

    void updateCheckRunsOnlyWhenPending() {
        CtrlView v;
        v.Init(Control(QStringLiteral("Button")));
        QVariantMap src, prev;
        v.BuildViewUpdate(src, prev);
        v.OnCheckUpdate();
        QVERIFY(v.IsRepaintedSinceRecord());
        v.BuildViewUpdate(src, prev);
        ResetCalls();
        v.OnCheckUpdate();
        QVERIFY(Calls().isEmpty());
        QVERIFY(!v.IsRepaintedSinceRecord());
        v.Invalidate();
        v.OnCheckUpdate();
        QCOMPARE(Calls(), QStringList({"SkinUpdate"}));
        QVERIFY(v.IsRepaintedSinceRecord());
        QVERIFY(!v.IsUpdatePending());
    }

    void scriptTimers() {
        CtrlView v;
        v.Init(Control(QStringLiteral("Button")));
        ResetCalls();
        QCOMPARE(v.setTimeout(Engine()->toScriptValue(5), 10), -1);
        QCOMPARE(v.setInterval(Engine()->newObject(), 10), -1);
        m_cfg->ExecScriptfunc(&v, QStringLiteral("CV:Timers"), {});
        QCOMPARE(v.TimerCount(), 2);
        QTRY_VERIFY(
            Engine()->evaluate(QStringLiteral("fired.filter(function(x){return x=='interval';}).length")).toInt32() >=
            3);
        const QString fired = Engine()->evaluate(QStringLiteral("fired.join()")).toString();
        QCOMPARE(fired.count(QStringLiteral("timeout")), 1);
        QCOMPARE(v.TimerCount(), 1);
    }

    void timerErrorsAreLogged() {
        LogCapture log;
        CtrlView v;
        v.Init(Control(QStringLiteral("Button")));
        v.setTimeout(Engine()->evaluate(QStringLiteral("(function(){ throw new Error('boom'); })")), 0);
        QTRY_VERIFY(log.Has(QStringLiteral("boom")));
        QCOMPARE(v.TimerCount(), 0);
    }

    // --- Message boxes and sounds ---

    void imagesAreRegisteredByTheirRecordsAndRefreshedOnceASecond() {
        qint64 now = 5000000;
        m_images->SetClock([&now] { return now; });
        CtrlView v;
        v.Init(Control(QStringLiteral("Button")));
        QVariantMap src, prev;
        v.BuildViewUpdate(src, prev);
        LEBase* face = Element(v, QStringLiteral("Face"));
        QVERIFY(face);
        ImgData& main = face->MainImage();
        auto filled = [](QRgb color) {
            QImage image(8, 8, QImage::Format_ARGB32);
            image.fill(color);
            return image;
        };

        main.Image = filled(0xff102030);
        v.BuildRemoteData();
        const quint64 first = main.PixelHash();
        QVERIFY(m_images->HasImage(first));

        // Within the second the pass is skipped: the changed image is not looked at, let alone hashed.
        main.Image = filled(0xff405060);
        now += CtrlView::RegistrationRefreshMs - 1;
        v.BuildRemoteData();
        QVERIFY(main.ImageKey != main.Image.cacheKey());
        // The record naming it sends it and registers it.
        QVariantMap record;
        face->BuildDataUpdate(QVariantMap{{QStringLiteral("cI"), QString::number(first)}}, record);
        const quint64 second = main.PixelHash();
        QVERIFY(second != first);
        QCOMPARE(record.value(QStringLiteral("cI")).toString(), QString::number(second));
        QVERIFY(m_images->HasImage(second));

        // Due again a second on, and at once when the clock was set back.
        for (const qint64 step : {qint64(1), qint64(-60000)}) {
            main.Image = filled(0xff000000 | QRgb(step & 0xffff));
            now += step;
            v.BuildRemoteData();
            QCOMPARE(main.ImageKey, main.Image.cacheKey());
            QVERIFY(m_images->HasImage(main.PixelHash()));
        }

        // Shown for minutes and pressed ten times a second, an unchanged image stays fetchable though it is
        // registered only once a second.
        const quint64 shown = main.PixelHash();
        for (int tenth = 0; tenth < 3000; ++tenth) {
            now += 100;
            v.BuildRemoteData();
            if (tenth % 10 == 9)
                m_images->Maintenance();
        }
        QVERIFY(m_images->HasImage(shown));
    }

    void msgBoxGoesToTheOverlay() {
        FakeOverlay overlay;
        FakeGridView grid;
        grid.overlay = &overlay;
        CtrlView* v = grid.NewView();
        v->DoMsgBox(QStringLiteral("T"), QStringLiteral("X"), QStringLiteral("YesNo"),
                    Engine()->evaluate(QStringLiteral("(function(c){})")));
        QCOMPARE(overlay.shown, QStringList({"T|X|YesNo|fn"}));

        CtrlView* inOverlay = overlay.NewView();
        inOverlay->OnMsgBoxClick(QStringLiteral("Yes"), QStringLiteral("t"));
        QCOMPARE(overlay.clicks, QStringList({"Yes|t"}));
        v->OnMsgBoxClick(QStringLiteral("No"), QString());
        QCOMPARE(overlay.clicks.size(), 1);
    }

    void msgBoxOnThePcCallsBackOnce() {
        CtrlView v;
        Engine()->evaluate(QStringLiteral("var boxResults = [];"));
        v.DoMsgBox(QStringLiteral("Title"), QStringLiteral("Text"), QStringLiteral("YesNo"),
                   Engine()->evaluate(QStringLiteral("(function(c){ boxResults.push(c); })")));
        PopupWnd* popup = nullptr;
        QTRY_VERIFY((popup = qobject_cast<PopupWnd*>(QApplication::activeModalWidget())) ||
                    !QApplication::topLevelWidgets().isEmpty());
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto p = qobject_cast<PopupWnd*>(w))
                popup = p;
        }
        QVERIFY(popup);
        QCOMPARE(popup->windowTitle(), QStringLiteral("Title"));
        QCOMPARE(popup->text, QStringLiteral("Text"));
        QVERIFY(popup->noButton());
        popup->done(PopupWnd::YES);
        v.OnMsgBoxDone(PopupWnd::NO);
        QCOMPARE(Engine()->evaluate(QStringLiteral("boxResults.join()")).toString(),
                 QString::number(int(PopupWnd::YES)));
    }

    void msgBoxButtonsOnThePc_data() {
        QTest::addColumn<QString>("buttons");
        QTest::addColumn<bool>("icon");
        QTest::addColumn<int>("count");
        QTest::newRow("YesNo") << "YesNo" << true << 2;
        QTest::newRow("OkCancel") << "OkCancel" << true << 2;
        // The view sets no buttons; the popup itself keeps one so that it can be closed.
        QTest::newRow("other") << "Maybe" << false << 1;
    }
    void msgBoxButtonsOnThePc() {
        QFETCH(QString, buttons);
        QFETCH(bool, icon);
        QFETCH(int, count);
        // A grid without an overlay, and an overlay that declines, both fall back to the PC's popup.
        FakeOverlay declining;
        declining.accept = false;
        FakeGridView grid;
        grid.overlay = &declining;
        CtrlView* v = grid.NewView();
        v->DoMsgBox(QStringLiteral("T"), QStringLiteral("X"), buttons, QScriptValue());
        QCOMPARE(declining.shown.size(), 1);
        PopupWnd* popup = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto p = qobject_cast<PopupWnd*>(w);
            if (p && p->isVisible())
                popup = p;
        }
        QVERIFY(popup);
        QCOMPARE(popup->icon() != nullptr, icon);
        QCOMPARE(popup->buttonBox()->buttons().size(), count);
        // Without a function callback the answer goes nowhere.
        popup->done(PopupWnd::OK);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void soundsNeedTheSetting() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("click.wav"));
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(64, 'x'));
        f.close();

        CtrlView v;
        v.Init(Control(QStringLiteral("Bare")));
        v.SetSound(file);
        QVERIFY(v.GetButtonSoundId() != 0);
        v.PlaySound(file, true);
        QCOMPARE(v.GetOneShotSoundId(), quint64(0));
        QVariantMap src, prev;
        QVariantMap rec = v.BuildViewUpdate(src, prev);
        QVERIFY(!rec.contains(QStringLiteral("bs")));

        m_cfg->UserCfg().CfgBase.insert(QStringLiteral("ActivateBottonSounds"), true);
        v.PlaySound(QStringLiteral("  "), true);
        QCOMPARE(v.GetOneShotSoundId(), quint64(0));
        v.PlaySound(file, true);
        const quint64 id = v.GetOneShotSoundId();
        QVERIFY(id != 0);
        rec = v.BuildViewUpdate(src, prev);
        QCOMPARE(rec.value(QStringLiteral("ps")).toULongLong(), id);
        QCOMPARE(rec.value(QStringLiteral("bs")).toULongLong(), v.GetButtonSoundId());
        prev = MergeVariantMaps(prev, rec, {QStringLiteral("ld")});
        rec = v.BuildViewUpdate(src, prev);
        QCOMPARE(rec.value(QStringLiteral("ps")), QVariant(quint64(0)));
        prev = MergeVariantMaps(prev, rec, {QStringLiteral("ld")});
        rec = v.BuildViewUpdate(src, prev);
        QCOMPARE(rec.keys(), QStringList({"id"}));
    }

    // --- Input ---

    void clientMessageReachesOnlyItsView_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("seen");
        QTest::newRow("object") << "{\"a\":1}"
                                << "SkinMessage:{\"a\":1}";
        QTest::newRow("not json") << "{\"a\":"
                                  << "SkinMessage:undefined";
        QTest::newRow("garbage") << "\x01\x02zz"
                                 << "SkinMessage:undefined";
        QTest::newRow("deep") << QString(100000, QLatin1Char('[')) << "SkinMessage:undefined";
    }
    void clientMessageReachesOnlyItsView() {
        QFETCH(QString, text);
        QFETCH(QString, seen);
        CtrlView a, b;
        a.Init(Control(QStringLiteral("Button")));
        b.Init(Control(QStringLiteral("Button")));
        ResetCalls();
        b.OnClientMessage(a.GetId(), text);
        QVERIFY(Calls().isEmpty());
        a.OnClientMessage(a.GetId(), text);
        QCOMPARE(Calls(), QStringList({seen}));
    }

    void phoneMouseReachesElementsById() {
        CtrlView a, b;
        a.Init(Control(QStringLiteral("Button")));
        b.Init(Control(QStringLiteral("Button")));
        const int face = Element(a, QStringLiteral("Face"))->GetId();
        ResetCalls();
        b.OnExtMouseEvent(QStringLiteral("dn"), 3, 4, face);
        QVERIFY(!b.IsRemotePressed());
        QVERIFY(Calls().isEmpty());

        a.OnExtMouseEvent(QStringLiteral("dn"), 3, 4, face);
        QVERIFY(a.IsRemotePressed());
        QVERIFY(a.GetMousePressed());
        QCOMPARE(a.GetMouseLastEvtX(), 3);
        QCOMPARE(a.GetMouseLastEvtY(), 4);
        a.OnExtMouseEvent(QStringLiteral("up2"), 5, 6, face);
        QVERIFY(!a.IsRemotePressed());
        QVERIFY(!a.GetMousePressed());
        QCOMPARE(Calls(), QStringList({"LayPress", "SkinUpdate", "LayClick", "SkinUpdate"}));
    }

    void phoneTextIsLiteralAndNotLogged() {
        LogCapture log;
        CtrlView v;
        v.Init(Control(QStringLiteral("Button")));
        LEBase* label = Element(v, QStringLiteral("Label"));
        const QString secret = QStringLiteral("hunter2 $(Evil,0) $(Evil,0");
        v.OnExtSetText(label->GetId(), secret);
        QCOMPARE(label->Layout().Text, secret);
        QVariantMap src, prev;
        const QVariantMap rec = v.BuildViewUpdate(src, prev);
        const QString tx =
            rec.value("ly").toMap().value(QString::number(label->GetId())).toMap().value("tx").toString();
        QCOMPARE(tx, secret);
        QCOMPARE(ScriptInt("evilRuns"), 0);
        QVERIFY(!log.Has(QStringLiteral("hunter2")));
        QVERIFY(log.Has(QStringLiteral("length: %1").arg(secret.size())));
        // Unknown element ids change nothing.
        v.OnExtSetText(-5, QStringLiteral("x"));
    }

    void localMouseNeedsAnInteractionButton_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("pressed");
        QTest::newRow("left, not an interaction button") << int(Qt::LeftButton) << false;
        QTest::newRow("right") << int(Qt::RightButton) << true;
    }
    void localMouseNeedsAnInteractionButton() {
        QFETCH(int, button);
        QFETCH(bool, pressed);
        CtrlView v;
        v.SetScale(0.5);
        v.Init(Control(QStringLiteral("Button")));
        ResetCalls();
        QTest::mousePress(&v, Qt::MouseButton(button), Qt::NoModifier, QPoint(40, 60));
        QCOMPARE(Calls().contains(QStringLiteral("LayPress")), pressed);
        if (pressed) {
            // Widget (40, 60) at scale 0.5 is scene (80, 120).
            QCOMPARE(v.GetMouseLastEvtX(), 80);
            QCOMPARE(v.GetMouseLastEvtY(), 120);
        }
    }

    void wheelAndKeysReachTheScene() {
        CtrlView v;
        v.Init(Control(QStringLiteral("Button")));
        v.show();
        QWheelEvent wheel(QPointF(80, 80), QPointF(v.mapToGlobal(QPoint(80, 80))), QPoint(), QPoint(0, 120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&v, &wheel);
        // No element here scrolls, so the wheel delta stays unrecorded.
        QCOMPARE(v.GetLastWheelDelta(), 0);

        // Keys go to the scene's focus item: the input element's editable text.
        LEText* entry = qobject_cast<LEText*>(Element(v, QStringLiteral("Entry")));
        QVERIFY(entry && entry->GetEditItem());
        v.Scene()->setFocusItem(entry->GetEditItem());
        QTest::keyClicks(&v, QStringLiteral("ab"));
        QCOMPARE(entry->Layout().Text, QStringLiteral("ab"));
    }

    void hostileInputNeverBreaksTheView() {
        CtrlView v;
        v.Init(Control(QStringLiteral("Nested")));
        QRandomGenerator rng(1234);
        const QStringList kinds = {"dn", "tr", "up", "up2", "ca", "mv", "sc", "", "zz"};
        QString alphabet = QStringLiteral("{}[]\"\\:,$()0123456789abc ");
        alphabet += QChar(0);
        alphabet += QChar(0xe9);
        alphabet += QChar(0xd800); // a lone surrogate
        for (int i = 0; i < 400; ++i) {
            QString text;
            const int n = int(rng.bounded(40));
            for (int k = 0; k < n; ++k)
                text += alphabet.at(int(rng.bounded(alphabet.size())));
            const QList<LEBase*> elements = v.Elements();
            const int id = elements.isEmpty() || rng.bounded(4) == 0
                               ? int(rng.generate())
                               : elements.at(int(rng.bounded(elements.size())))->GetId();
            switch (rng.bounded(3)) {
            case 0:
                v.OnClientMessage(v.GetId(), text);
                break;
            case 1:
                v.OnExtMouseEvent(kinds.at(int(rng.bounded(kinds.size()))), int(rng.generate()), int(rng.generate()),
                                  id);
                break;
            default:
                v.OnExtSetText(id, text);
                break;
            }
            QVariantMap src, prev;
            v.BuildViewUpdate(src, prev);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        QCOMPARE(ScriptInt("evilRuns"), 0);
    }

    // --- Grid ---

    void gridQuestionsGoToTheContainer() {
        FakeGridView grid;
        CtrlView* v = grid.NewView();
        QVERIFY(!v->IsNetClient());
        QCOMPARE(v->GetContainerHeightB(), 2.5);
        grid.clientId = 9;
        QVERIFY(v->IsNetClient());
        CtrlView loose;
        QVERIFY(!loose.IsNetClient());
        QCOMPARE(loose.GetContainerHeightB(), 1.0);
    }

    void scriptReachesGridAndLayouts() {
        FakeGridView grid;
        CtrlView* v = grid.NewView();
        v->Init(Control(QStringLiteral("Button")));
        QCOMPARE(m_cfg->ExecScriptfunc(v, QStringLiteral("CV:Lookups"), {}).toString(),
                 QStringLiteral("DCGrid,DCLayout,null,1,0.459"));
        CtrlView loose;
        loose.Init(Control(QStringLiteral("Button")));
        QCOMPARE(m_cfg->ExecScriptfunc(&loose, QStringLiteral("CV:Lookups"), {}).toString(),
                 QStringLiteral("no grid,DCLayout,null,1,0.459"));
    }

    // --- View record ---

    void firstRecordHoldsWhatDiffersFromDefaults() {
        FakeGridView grid;
        grid.clientId = 7;
        CtrlView* v = grid.NewView();
        v->SetGridPos(2, 1);
        v->Init(Control(QStringLiteral("Args")));
        QVariantMap src, prev;
        int changed = -1;
        const QVariantMap rec = v->BuildViewUpdate(src, prev, &changed);
        QStringList keys = rec.keys();
        QCOMPARE(keys, QStringList({"h", "id", "ly", "w", "x", "y"}));
        QCOMPARE(rec.value("x").toInt(), 2);
        QCOMPARE(rec.value("y").toInt(), 1);
        QCOMPARE(rec.value("w").toInt(), 1);
        QCOMPARE(rec.value("h").toInt(), 1);
        QCOMPARE(changed, 5);
        const QVariantMap ly = rec.value("ly").toMap();
        QCOMPARE(ly.size(), 1);
        QCOMPARE(ly.first().toMap().value("idx").toInt(), 1);
    }

    void unchangedRecordHoldsOnlyTheId() {
        FakeGridView grid;
        grid.clientId = 7;
        CtrlView* v = grid.NewView();
        v->Init(Control(QStringLiteral("Button")));
        QVariantMap src, prev;
        prev = MergeVariantMaps(prev, v->BuildViewUpdate(src, prev), {QStringLiteral("ld")});
        int changed = -1;
        QVariantMap rec = v->BuildViewUpdate(src, prev, &changed);
        QCOMPARE(rec.keys(), QStringList({"id"}));
        QCOMPARE(changed, 0);

        v->SetShown(false);
        rec = v->BuildViewUpdate(src, prev, &changed);
        QCOMPARE(rec.value("v"), QVariant(0));
        prev = MergeVariantMaps(prev, rec, {QStringLiteral("ld")});
        v->SetShown(true);
        rec = v->BuildViewUpdate(src, prev, &changed);
        QCOMPARE(rec.value("v"), QVariant(1));
        QCOMPARE(changed, 1);
    }

    void phoneSessionFieldsAndClientFunctions() {
        FakeGridView grid;
        CtrlView* pc = grid.NewView();
        pc->Init(Control(QStringLiteral("ClientCtl")));
        pc->SetClientData(5);
        pc->SetClientTickInterval(200);
        QVariantMap src, prev;
        QVariantMap rec = pc->BuildViewUpdate(src, prev);
        for (const char* k : {"ct", "cd", "f_i", "f_t", "f_mc"})
            QVERIFY2(!rec.contains(QLatin1String(k)), k);
        QVERIFY(src.isEmpty());

        grid.clientId = 3;
        prev.clear();
        rec = pc->BuildViewUpdate(src, prev);
        QCOMPARE(rec.value("ct").toInt(), 200);
        QCOMPARE(rec.value("cd").toInt(), 5);
        // OnTick has a phone twin; OnInit has none, so no "f_i".
        QCOMPARE(rec.value("f_t").toString(), QStringLiteral("CV_SkinClient"));
        QVERIFY(!rec.contains("f_i"));
        QVERIFY(src.value(QStringLiteral("function CV_SkinClient")).toString().contains("function CV_SkinClient("));
    }

    void removedElementsAreListedOnce() {
        CtrlView v;
        v.Init(Control(QStringLiteral("Nested")));
        QVariantMap src, prev;
        prev = MergeVariantMaps(prev, v.BuildViewUpdate(src, prev), {QStringLiteral("ld")});
        const int mid = v.Elements()[1]->GetId();
        const int dot = v.Elements()[2]->GetId();
        v.RemAllChildren(v.Elements()[0]);
        int changed = 0;
        QVariantMap rec = v.BuildViewUpdate(src, prev, &changed);
        QVariantList ld = rec.value("ld").toList();
        QStringList gone;
        for (const QVariant& id : ld)
            gone << id.toString();
        QStringList expected = {QString::number(mid), QString::number(dot)};
        std::sort(expected.begin(), expected.end());
        QCOMPARE(gone, expected);
        QVERIFY(!prev.value("ly").toMap().contains(QString::number(mid)));
        // Elements behind the removed ones move up; the one before them keeps its "idx".
        const QVariantMap ly = rec.value("ly").toMap();
        QVERIFY(!ly.contains(QString::number(v.Elements()[0]->GetId())));
        QCOMPARE(ly.value(QString::number(v.Elements()[1]->GetId())).toMap().value("idx").toInt(), 2);
        prev = MergeVariantMaps(prev, rec, {QStringLiteral("ld")});
        rec = v.BuildViewUpdate(src, prev);
        QVERIFY(!rec.contains("ld"));
    }
};

QTEST_MAIN(TestCtrlView)
#include "test_ctrlview.moc"
