// Loading a data folder as at start-up: a generated configuration of 1000 controls in 10 include files and
// 100 signed grids, and the shipped default configuration. Also the cost of one script handler call.
#include "config/datacfgrecords.h"
#include "config/gridsigverifier.h"
#include "foundation/json.h"
#include "functions/plugintools.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <openssl/evp.h>
#include <openssl/pem.h>

namespace {

const int kControls = 1000;
const int kIncludes = 10;
const int kGrids = 100;

bool Write(const QString& path, const QVariant& value) {
    QString error;
    const QByteArray bytes = JsonSerialize(value, error, 0);
    QFile f(path);
    return error.isEmpty() && f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray Sign(EVP_PKEY* key, const QByteArray& data) {
    EVP_MD_CTX* ctx = EVP_MD_CTX_new();
    size_t len = 0;
    QByteArray sig;
    if (EVP_DigestSignInit(ctx, nullptr, EVP_sha256(), nullptr, key) == 1 &&
        EVP_DigestSignUpdate(ctx, data.constData(), size_t(data.size())) == 1 &&
        EVP_DigestSignFinal(ctx, nullptr, &len) == 1) {
        sig.resize(int(len));
        if (EVP_DigestSignFinal(ctx, reinterpret_cast<unsigned char*>(sig.data()), &len) == 1)
            sig.resize(int(len));
        else
            sig.clear();
    }
    EVP_MD_CTX_free(ctx);
    return sig;
}

QVariantMap Control(int i) {
    QVariantMap c{{"Name", QStringLiteral("Ctl%1").arg(i)},
                  {"Skins", QStringList{"Round"}},
                  {"Width", "1,2"},
                  {"Height", "1"},
                  {"OnMouseClick", "OnPress"}};
    if (i % 2)
        c.insert("Inherit", QStringLiteral("Ctl%1").arg(i - 1));
    QVariantList options;
    for (int o = 0; o < 4; ++o)
        options << QVariantMap{{"Name", QStringLiteral("Opt%1").arg(o)}, {"Type", "Integer"}, {"Value", o}};
    c.insert("Config", QVariantMap{{"Options", options}});
    return c;
}

// The generated data folder, made once per process.
QString GeneratedFolder() {
    static QTemporaryDir dir;
    static bool made = false;
    if (made)
        return dir.path();
    made = true;
    const QString root = dir.path();
    QVariantList includes;
    QVariantList lists;
    for (int f = 0; f < kIncludes; ++f) {
        QVariantList controls;
        QVariantList listEntries;
        for (int i = 0; i < kControls / kIncludes; ++i) {
            const int n = f * (kControls / kIncludes) + i;
            controls << Control(n);
            listEntries << QVariantMap{{"Name", QStringLiteral("e%1").arg(n)},
                                       {"Control", QStringLiteral("Set%1:Ctl%2").arg(f).arg(n)},
                                       {"Category", QStringLiteral("Cat%1").arg(n % 7)}};
        }
        QVariantList gfxs;
        for (int g = 0; g < 5; ++g)
            gfxs << QVariantMap{{"Name", QStringLiteral("G%1").arg(g)}, {"Rsc", "none.png"}, {"Tiling", "3x3"}};
        Write(root + QStringLiteral("/set%1.json").arg(f),
              QVariantMap{{"Name", QStringLiteral("Set%1").arg(f)},
                          {"Gfxs", gfxs},
                          {"Skins", QVariantList{QVariantMap{{"Name", "Round"}, {"Width", 1}, {"Height", 1}}}},
                          {"Strings", QVariantMap{{"Title", QStringLiteral("Set %1").arg(f)}}},
                          {"Controls", controls}});
        Write(root + QStringLiteral("/list%1.json").arg(f),
              QVariantMap{{"Name", "Bench Controls"}, {"Elements", listEntries}});
        includes << QStringLiteral("set%1.json").arg(f);
        lists << QStringLiteral("list%1.json").arg(f);
    }
    Write(root + QStringLiteral("/mainCfg.json"),
          QVariantMap{{"Name", "Bench"}, {"Includes", includes}, {"CtrlSets", lists}});
    Write(root + QStringLiteral("/skinCfg.json"),
          QVariantMap{{"Name", "Skins"}, {"AppSkins", QVariantList{QVariantMap{{"Name", "Default"}}}}});

    QVariantList grids;
    for (int g = 0; g < kGrids; ++g) {
        QVariantList elements;
        for (int e = 0; e < 12; ++e)
            elements << QVariantMap{{"Name", QStringLiteral("el%1").arg(e)},
                                    {"Control", QStringLiteral("Ctl%1").arg((g * 12 + e) % kControls)},
                                    {"Left", e % 4},
                                    {"Top", e / 4},
                                    {"Config", QVariantMap{{"Opt1", e}}}};
        grids << QVariantMap{{"Name", QStringLiteral("Grid %1").arg(g)},
                             {"Title", QStringLiteral("Grid %1").arg(g)},
                             {"Icon", "grid.png"},
                             {"Exe0", "player"},
                             {"Elements", elements}};
    }
    Write(root + QStringLiteral("/gridCfg.json"), QVariantMap{{"Name", "[MERVEX]"}, {"Grids", grids}});

    // Sign what the loader will check, with the key whose public half is compiled in.
    QDir().mkpath(root + QStringLiteral("/Signatures"));
    FILE* pem = std::fopen(MERVEX_SOURCE_DIR "/tools/signing/grid_signing_key.pem", "r");
    EVP_PKEY* key = pem ? PEM_read_PrivateKey(pem, nullptr, nullptr, nullptr) : nullptr;
    if (pem)
        std::fclose(pem);
    PluginTools::SetDataPath(root);
    DataCfg cfg;
    cfg.LoadGrids(root, QStringLiteral("gridCfg.json"), false);
    for (const DataCfg::TGrid& grid : cfg.Grids()) {
        QFile sig(root + QStringLiteral("/Signatures/") + GridSigVerifier::SignatureFileName(grid.GetKey()));
        if (key && sig.open(QIODevice::WriteOnly))
            sig.write(Sign(key, JsonSerializeCompact(grid.Write())));
    }
    EVP_PKEY_free(key);
    return root;
}

void LoadFolder(benchmark::State& state, const QString& folder) {
    PluginTools::SetDataPath(folder);
    int grids = 0, signedGrids = 0, controls = 0;
    for (auto _ : state) {
        DataCfg cfg;
        cfg.LoadDataFolder(folder);
        grids = cfg.Grids().size();
        controls = cfg.Controls().size();
        signedGrids = 0;
        for (const auto& g : cfg.Grids())
            signedGrids += g.Signed ? 1 : 0;
    }
    state.counters["controls"] = controls;
    state.counters["grids"] = grids;
    state.counters["signed"] = signedGrids;
}

void BM_LoadGenerated(benchmark::State& state) {
    LoadFolder(state, GeneratedFolder());
}
BENCHMARK(BM_LoadGenerated)->Unit(benchmark::kMillisecond);

void BM_LoadDefault(benchmark::State& state) {
    LoadFolder(state, QStringLiteral(MERVEX_SOURCE_DIR "/data"));
}
BENCHMARK(BM_LoadDefault)->Unit(benchmark::kMillisecond);

// One handler call on a built engine: lookup, profiler scopes, the "this" wrapper and the call.
void BM_ExecScriptfunc(benchmark::State& state) {
    QTemporaryDir dir;
    QFile js(dir.path() + QStringLiteral("/s.js"));
    js.open(QIODevice::WriteOnly);
    js.write("function OnTick(a) { return a + 1; }\n");
    js.close();
    DataCfg cfg;
    DataCfg::TScript script;
    script.Set = QStringLiteral("Bench");
    script.Read(QVariantMap{{"Name", "s"}, {"Rsc", "s.js"}, {"Functions", QStringList{"OnTick"}}}, dir.path());
    cfg.Scripts().append(script);
    QObject self;
    for (auto _ : state)
        benchmark::DoNotOptimize(cfg.ExecScriptfunc(&self, QStringLiteral("Bench:OnTick"), {QScriptValue(1)}));
}
BENCHMARK(BM_ExecScriptfunc);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
