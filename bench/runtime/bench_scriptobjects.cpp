// Script objects called on every tick: a picture asked of the web image cache that already holds it, the
// staged composition repeated with the same arguments (one key comparison) against alternating arguments
// (every stage runs), two elements loading their own pictures in turn, and a script reading and writing an element
// through its layout object.

#include "config/datacfgrecords.h"
#include "config/gfxcache.h"
#include "functions/plugintools.h"
#include "runtime/dclayout.h"
#include "runtime/imgdatamgr.h"
#include "runtime/imgdatamgrgfxstore.h"
#include "runtime/lecontainer.h"
#include "runtime/legfx.h"
#include "runtime/lehost.h"
#include "runtime/webimagecache.h"

#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QScriptEngine>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

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
    QObject* MakeDCLayout(LEBase* e, QScriptEngine* engine) override { return new DCLayout(e, engine, &object); }
    QScriptEngine* GetScriptEngine(const QString&) override { return nullptr; }
    QScriptValue ExecScriptfunc(const QString&, const QScriptValueList&) override { return QScriptValue(); }
    QVariant CallProviderFunction(const QString&, const QVariantList&) override { return QVariant(); }
};

struct Fixture {
    QTemporaryDir dir;
    DataCfg cfg;
    ImgDataMgr images;
    WebImageCache web;
    QuietHost host;
    LEContainer root{&host, QSize(1, 1)};
    LEGfx* element;
    LEGfx* other;
    QString pictureA;
    QString pictureB;

    Fixture() {
        PluginTools::SetDataPath(dir.path());
        QImage img(160, 160, QImage::Format_ARGB32);
        img.fill(Qt::blue);
        pictureA = dir.filePath("a.png");
        img.save(pictureA);
        img.fill(Qt::red);
        pictureB = dir.filePath("b.png");
        img.save(pictureB);
        // Files written at different times, as the pictures of two controls are.
        for (const QString& path : {pictureA, pictureB}) {
            QFile f(path);
            f.open(QIODevice::ReadWrite);
            f.setFileTime(QDateTime::currentDateTime().addSecs(path == pictureA ? -100 : -50),
                          QFileDevice::FileModificationTime);
        }
        DataCfg::TLayout l;
        l.Name = QStringLiteral("E");
        l.Type = DataCfg::LT_Gfx;
        l.Rect = QRectF(0, 0, 80, 40);
        element = new LEGfx(&root, l);
        element->SetView(&host);
        element->Setup();
        l.Rect = QRectF(0, 0, 60, 60);
        other = new LEGfx(&root, l);
        other->SetView(&host);
        other->Setup();
    }
};

Fixture* g_fixture = nullptr;

void BM_WebImageCacheHit(benchmark::State& state) {
    const QString url = QStringLiteral("file://") + g_fixture->pictureA;
    g_fixture->web.GetImage(url);
    for (auto _ : state)
        benchmark::DoNotOptimize(g_fixture->web.GetImage(url));
}
BENCHMARK(BM_WebImageCacheHit);

void BM_LoadGfxIntRepeated(benchmark::State& state) {
    QScriptEngine engine;
    auto* l = static_cast<DCLayout*>(g_fixture->element->GetDCLayout(&engine));
    const QString tint = state.range(0) ? QStringLiteral("#80ff0000") : QString();
    for (auto _ : state) {
        benchmark::DoNotOptimize(l->LoadGfx_Int(g_fixture->pictureA, QString(), 1.0, 0, 0, 0x12, tint, QString()));
        if (state.range(1))
            benchmark::DoNotOptimize(l->LoadGfx_Int(g_fixture->pictureB, QString(), 1.0, 0, 0, 0x12, tint, QString()));
    }
}
BENCHMARK(BM_LoadGfxIntRepeated)
    ->ArgNames({"tint", "alternating"})
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({0, 1})
    ->Args({1, 1});

// Two controls of a grid, each loading its own picture on every tick: each call composes anew (the
// memories hold one call), but neither file is decoded again.
void BM_LoadGfxTwoElementsInTurn(benchmark::State& state) {
    QScriptEngine engine;
    auto* a = static_cast<DCLayout*>(g_fixture->element->GetDCLayout(&engine));
    auto* b = static_cast<DCLayout*>(g_fixture->other->GetDCLayout(&engine));
    for (auto _ : state) {
        a->LoadGfx(g_fixture->pictureA, QString(), 1.0, 0, 0, 0x12, QString(), QString());
        b->LoadGfx(g_fixture->pictureB, QString(), 1.0, 0, 0, 0x12, QString(), QString());
    }
}
BENCHMARK(BM_LoadGfxTwoElementsInTurn)->Unit(benchmark::kMicrosecond);

void BM_ScriptTouchesElement(benchmark::State& state) {
    QScriptEngine engine;
    engine.globalObject().setProperty(QStringLiteral("l"), engine.newQObject(g_fixture->element->GetDCLayout(&engine)));
    const QString script = QStringLiteral("l.setText(l.getText()); l.visible = true; l.getW() + l.getH();");
    for (auto _ : state)
        benchmark::DoNotOptimize(engine.evaluate(script));
}
BENCHMARK(BM_ScriptTouchesElement);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Composed graphics are kept in the image manager, as in the program.
    ImgDataMgrGfxStore store;
    GfxCache::SetStore(&store);
    Fixture fixture;
    g_fixture = &fixture;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    g_fixture = nullptr;
    return 0;
}
