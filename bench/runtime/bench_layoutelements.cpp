// Layout elements: the phone record of an unchanged element, and drawing an element at scale 1.

#include "config/datacfgrecords.h"
#include "config/gfxcache.h"
#include "runtime/imgdatamgr.h"
#include "runtime/imgdatamgrgfxstore.h"
#include "runtime/lebase.h"
#include "runtime/lecontainer.h"
#include "runtime/legfx.h"
#include "runtime/lehost.h"
#include "runtime/letext.h"

#include <QApplication>
#include <QGraphicsScene>
#include <QPainter>
#include <QScriptEngine>

#include <benchmark/benchmark.h>

namespace {

// A view with no functions and no scripts.
class QuietHost : public LEHost {
public:
    QObject object;
    QObject* HostObject() override { return &object; }
    void Invalidate() override {}
    bool IsNetClient() const override { return true; }
    void SetLastMousePos(const QPoint&) override {}
    void SetLastWheelDelta(int) override {}
    int GetLastWheelDelta() const override { return 0; }
    int GetFunctionCount() const override { return 0; }
    const DataCfg::TFunction* GetFunction(int) const override { return nullptr; }
    void RemoveElement(LEBase*) override {}
    QScriptValue GetDCSkinValue(QScriptEngine*) override { return QScriptValue(); }
    QObject* MakeDCLayout(LEBase*, QScriptEngine*) override { return nullptr; }
    QScriptEngine* GetScriptEngine(const QString&) override { return nullptr; }
    QScriptValue ExecScriptfunc(const QString&, const QScriptValueList&) override { return QScriptValue(); }
    QVariant CallProviderFunction(const QString&, const QVariantList&) override { return QVariant(); }
};

struct Fixture {
    DataCfg cfg;
    ImgDataMgr mgr;
    QuietHost host;
    QGraphicsScene scene;
    LEContainer* root;

    Fixture() {
        DataCfg::TGfx g;
        g.Name = QStringLiteral("Btn");
        g.Set = QStringLiteral("S");
        g.Image = QImage(160, 160, QImage::Format_ARGB32);
        g.Image.fill(QColor(40, 120, 200, 230));
        g.Size = g.Image.rect();
        g.Resolved = g.Found = true;
        cfg.Gfxs() << g;
        root = new LEContainer(&host, QSize(1, 1));
        scene.addItem(root);
    }
    template <typename T> T* Add(int type, const QString& gfx, const QString& text) {
        DataCfg::TLayout l;
        l.Set = QStringLiteral("S");
        l.Type = type;
        l.Gfx = gfx;
        l.Text = text;
        l.Color = Qt::white;
        l.Rect = QRectF(0, 0, 160, 160);
        T* e = new T(root, l);
        e->SetView(&host);
        e->Setup();
        return e;
    }
};

// Every phone update asks every element for its record; an unchanged one must write nothing.
void BM_UnchangedRecord(benchmark::State& state) {
    Fixture f;
    LEBase* e = state.range(0) ? static_cast<LEBase*>(f.Add<LEText>(DataCfg::LT_Text, QString(), "Volume 42"))
                               : static_cast<LEBase*>(f.Add<LEGfx>(DataCfg::LT_Gfx, "Btn", QString()));
    e->paint(nullptr, nullptr, nullptr);
    QVariantMap previous;
    e->BuildDataUpdate(QVariantMap(), previous);
    for (auto _ : state) {
        QVariantMap out;
        e->BuildDataUpdate(previous, out);
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(BM_UnchangedRecord)->ArgName("text")->Arg(0)->Arg(1);

// Drawing a 160 x 160 element at scale 1 once its pixmaps are cached.
void BM_DrawElement(benchmark::State& state) {
    Fixture f;
    LEBase* e = state.range(0) ? static_cast<LEBase*>(f.Add<LEText>(DataCfg::LT_Text, QString(), "Volume 42"))
                               : static_cast<LEBase*>(f.Add<LEGfx>(DataCfg::LT_Gfx, "Btn", QString()));
    QImage target(160, 160, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&target);
    for (auto _ : state)
        e->paint(&p, nullptr, nullptr);
}
BENCHMARK(BM_DrawElement)->ArgName("text")->Arg(0)->Arg(1);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Composed graphics are kept in the image manager, as in the program.
    ImgDataMgrGfxStore store;
    GfxCache::SetStore(&store);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
