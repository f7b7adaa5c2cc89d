// Script objects reached through real control views: the view's factory makes them, handlers receive
// them, and what scripts change lands in the view's own copies.

#include "config/datacfgrecords.h"
#include "runtime/ctrlview.h"
#include "runtime/dclayout.h"
#include "runtime/dcscriptobjectfactory.h"
#include "runtime/imgdatamgr.h"
#include "runtime/lebase.h"
#include "tests/runtime/ctrlviewfakes.h"

#include <QScriptEngine>
#include <QtTest>

namespace {

QString FixtureDir() {
    return QStringLiteral(MERVEX_TEST_SOURCE_DIR "/fixtures/scriptobjects");
}

} // namespace

class TestCtrlViewScripts : public QObject {
    Q_OBJECT
    DataCfg* m_cfg = nullptr;
    ImgDataMgr* m_images = nullptr;

    QScriptEngine* Engine() { return m_cfg->GetScriptEngine(QStringLiteral("SO:CtrlInit")); }
    QString Seen(const char* key) {
        return Engine()->globalObject().property("seen").property(QLatin1String(key)).toString();
    }
    LEBase* Element(CtrlView& v, const QString& name) {
        for (LEBase* e : v.Elements())
            if (e->Layout().Name == name)
                return e;
        return nullptr;
    }

private slots:
    void initTestCase() {
        m_cfg = new DataCfg(this);
        QVERIFY(m_cfg->LoadIncludeFile(FixtureDir(), QStringLiteral("mainCfg.json")));
        QVERIFY(Engine());
        m_images = new ImgDataMgr(this);
        DCScriptObjectFactory::Install();
    }
    void cleanupTestCase() { ScriptObjectFactory::SetInstance(nullptr); }

    void handlersReceiveTheScriptObjects() {
        CtrlView v;
        v.Init(m_cfg->FindControl(QStringLiteral("Knob"), QStringLiteral("SO")));
        QCOMPARE(Seen("ctrl"), QStringLiteral("Knob/3/fast"));
        QCOMPARE(Seen("skin"), QStringLiteral("Pad:2:Hello from the table"));
        QCOMPARE(Seen("sameControl"), QStringLiteral("Knob"));
        QCOMPARE(Seen("label"), QStringLiteral("start+null"));
        QCOMPARE(Seen("face"), QStringLiteral("Face 160x160"));
        QVERIFY(qobject_cast<DCLayout*>(Element(v, QStringLiteral("Face"))->GetDCLayout(Engine())));

        // A later handler of the same element gets the object that the first one stored data on.
        LEBase* face = Element(v, QStringLiteral("Face"));
        face->ExecLayoutFunc(QStringLiteral("Press"));
        QCOMPARE(Seen("pressData"), QStringLiteral("1"));
        // The option changes the view's control copy only, never the model.
        QCOMPARE(Seen("mode"), QStringLiteral("slow"));
        QCOMPARE(v.Control().Config.FindOption(QStringLiteral("Mode"))->Value, QStringLiteral("slow"));
        QCOMPARE(m_cfg->FindControl(QStringLiteral("Knob"), QStringLiteral("SO")).Config.Options.value(0).Value,
                 QStringLiteral("fast"));
        QCOMPARE(Seen("missing"), QStringLiteral("0"));
        QCOMPARE(Seen("view"), QStringLiteral("function"));
    }

    // The objects handed to handlers ("this", the skin, the layout) are made once per view and engine and
    // kept: each view's handlers still see that view in its current state, and a view made after another
    // one was deleted (likely at its address) sees itself.
    void keptScriptObjectsFollowTheirView() {
        const DataCfg::TControl knob = m_cfg->FindControl(QStringLiteral("Knob"), QStringLiteral("SO"));
        auto report = [this](CtrlView& v) {
            Element(v, QStringLiteral("Face"))->ExecLayoutFunc(QStringLiteral("Report"));
            return Seen("report");
        };
        CtrlView one, two;
        one.Init(knob);
        two.Init(knob);
        one.SetClientData(QStringLiteral("one"));
        two.SetClientData(QStringLiteral("two"));
        QCOMPARE(report(one), QStringLiteral("one/fast/Face"));
        QCOMPARE(report(two), QStringLiteral("two/fast/Face"));
        Element(one, QStringLiteral("Face"))->ExecLayoutFunc(QStringLiteral("Press"));
        one.SetClientData(QStringLiteral("one again"));
        QCOMPARE(report(one), QStringLiteral("one again/slow/Face"));
        QCOMPARE(report(two), QStringLiteral("two/fast/Face"));

        for (int i = 0; i < 4; ++i) {
            auto* v = new CtrlView;
            v->Init(knob);
            v->SetClientData(i);
            QCOMPARE(report(*v), QStringLiteral("%1/fast/Face").arg(i));
            delete v;
        }
    }

    void scriptAddedElementJoinsTheView() {
        CtrlView v;
        v.Init(m_cfg->FindControl(QStringLiteral("Knob"), QStringLiteral("SO")));
        const int before = v.Elements().size();
        LEBase* face = Element(v, QStringLiteral("Face"));
        QVERIFY(face->ExecLayoutFunc(QStringLiteral("Grow")).toBool());
        QCOMPARE(v.Elements().size(), before + 1);
        QVERIFY(Element(v, QStringLiteral("Added")));
        QVERIFY(v.IsUpdatePending());
    }

    // A feed title that a script shows: the function outputs in it are filled in, its script calls never run.
    void feedTitleNeverRunsAScriptFunction() {
        FakeRegistry registry;
        registry.values.insert(QStringLiteral("TST:val"), 40);
        registry.sources = {
            {QStringLiteral("News"), true, {{"a", QVariantMap{{"title", "Rates $(SO:Evil,0) at $(0)% $(Evil,0)"}}}}}};
        FuncRegistry::SetInstance(&registry);
        CtrlView v;
        v.Init(m_cfg->FindControl(QStringLiteral("Headline"), QStringLiteral("SO")));
        v.UpdateFuncRes();
        v.OnCheckUpdate();
        LEBase* title = Element(v, QStringLiteral("Title"));
        QVERIFY(title);
        QVariantMap src, prev;
        const QVariantMap rec = v.BuildViewUpdate(src, prev);
        const QString tx =
            rec.value("ly").toMap().value(QString::number(title->GetId())).toMap().value("tx").toString();
        QCOMPARE(tx, QStringLiteral("Rates $(SO:Evil,0) at 40% $(Evil,0)"));
        QCOMPARE(Engine()->globalObject().property("evilRuns").toInt32(), 0);

        // The configuration's own text still calls its functions.
        registry.sources.clear();
        title->Layout().Text = QStringLiteral("$(Evil,0)");
        title->Invalidate();
        v.OnCheckUpdate();
        v.BuildViewUpdate(src, prev);
        QCOMPARE(Engine()->globalObject().property("evilRuns").toInt32(), 1);
        FuncRegistry::SetInstance(nullptr);
    }
};

QTEST_MAIN(TestCtrlViewScripts)
#include "test_ctrlviewscripts.moc"
