#include "foundation/json.h"

#include <QJsonDocument>
#include <QRandomGenerator>
#include <benchmark/benchmark.h>

// Reading and writing a configuration-sized document (about 1 MB of plain JSON), next to the toolkit's own
// JSON classes doing the same job (bytes to variant tree and back).

namespace {

// A configuration-like tree: control sets of controls with names, positions, functions, parameters,
// colours and a few real numbers and non-ASCII texts, plus some skins with layer lists.
const QVariantMap& ConfigTree() {
    static const QVariantMap tree = [] {
        QRandomGenerator gen(1102);
        QVariantMap root;
        QVariantList sets;
        for (int s = 0; s < 12; ++s) {
            QVariantMap set;
            set[QStringLiteral("Name")] = QStringLiteral("Set%1").arg(s);
            set[QStringLiteral("Author")] = QStringLiteral("Zoë Müller");
            QVariantList controls;
            for (int c = 0; c < 70; ++c) {
                QVariantMap ctrl;
                ctrl[QStringLiteral("Name")] = QStringLiteral("Control_%1_%2").arg(s).arg(c);
                ctrl[QStringLiteral("Set")] = QStringLiteral("Set%1").arg(s);
                ctrl[QStringLiteral("Skin")] = QStringLiteral("Std:Button%1").arg(c % 7);
                ctrl[QStringLiteral("Inherit")] = QStringLiteral("Std:Base");
                ctrl[QStringLiteral("Width")] = quint64(1 + c % 3);
                ctrl[QStringLiteral("Height")] = quint64(1 + c % 2);
                ctrl[QStringLiteral("Visible")] = (c % 5) != 0;
                ctrl[QStringLiteral("Opacity")] = 0.25 + (c % 4) * 0.25;
                ctrl[QStringLiteral("Id")] = quint64(gen.generate64() >> 8);
                ctrl[QStringLiteral("Color")] =
                    QStringLiteral("#%1").arg(gen.bounded(0x1000000), 6, 16, QLatin1Char('0'));
                ctrl[QStringLiteral("OnPress")] = QStringLiteral("Script:OnPress_%1").arg(c);
                ctrl[QStringLiteral("Description")] =
                    QStringLiteral("Sends the \"%1\" key sequence to the\tactive window; see C:\\Help\\keys.txt")
                        .arg(c);
                QVariantList funcs;
                for (int f = 0; f < 3; ++f)
                    funcs << QStringLiteral("Def:Key%1").arg(f + c);
                ctrl[QStringLiteral("Functions")] = funcs;
                QVariantMap params;
                params[QStringLiteral("Key")] = QStringLiteral("Ctrl+Shift+%1").arg(QChar('A' + c % 26));
                params[QStringLiteral("Repeat")] = quint64(c % 10);
                params[QStringLiteral("Delay")] = qint64(-(c % 50));
                params[QStringLiteral("Scale")] = 1.0 / (1 + c % 9);
                params[QStringLiteral("Range")] = QVariantList{0, 100, 2.5};
                ctrl[QStringLiteral("Params")] = params;
                controls << ctrl;
            }
            set[QStringLiteral("Controls")] = controls;
            sets << set;
        }
        root[QStringLiteral("CtrlSets")] = sets;
        QVariantList skins;
        for (int k = 0; k < 200; ++k) {
            QVariantMap skin;
            skin[QStringLiteral("Name")] = QStringLiteral("Button%1").arg(k);
            QVariantList layers;
            for (int l = 0; l < 4; ++l) {
                QVariantMap layer;
                layer[QStringLiteral("Gfx")] = QStringLiteral("Images/btn_%1_%2.png").arg(k).arg(l);
                layer[QStringLiteral("Align")] = QStringLiteral("Center");
                layer[QStringLiteral("Left")] = quint64(l * 4);
                layer[QStringLiteral("Top")] = quint64(l * 2);
                layer[QStringLiteral("Width")] = 1.0;
                layer[QStringLiteral("Height")] = 0.5;
                layers << layer;
            }
            skin[QStringLiteral("Layers")] = layers;
            skins << skin;
        }
        root[QStringLiteral("Skins")] = skins;
        return root;
    }();
    return tree;
}

// The tree as standard JSON text, so both readers can take it.
const QByteArray& ConfigBytes() {
    static const QByteArray bytes = QJsonDocument::fromVariant(ConfigTree()).toJson(QJsonDocument::Indented);
    return bytes;
}

const QString& ConfigText() {
    static const QString text = QString::fromUtf8(ConfigBytes());
    return text;
}

void BM_ReadOurs(benchmark::State& state) {
    const QString& text = ConfigText();
    QString error;
    for (auto _ : state) {
        QVariant v = JsonParseText(text, error);
        benchmark::DoNotOptimize(v);
    }
    if (!error.isEmpty())
        state.SkipWithError(qPrintable(error));
    state.SetBytesProcessed(state.iterations() * ConfigBytes().size());
}
BENCHMARK(BM_ReadOurs)->Unit(benchmark::kMillisecond);

// From the file's bytes, including their decoding to text.
void BM_ReadOursFromUtf8(benchmark::State& state) {
    const QByteArray& bytes = ConfigBytes();
    QString error;
    for (auto _ : state) {
        QVariant v = JsonParseText(QString::fromUtf8(bytes), error);
        benchmark::DoNotOptimize(v);
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_ReadOursFromUtf8)->Unit(benchmark::kMillisecond);

void BM_ReadQtJson(benchmark::State& state) {
    const QByteArray& bytes = ConfigBytes();
    for (auto _ : state) {
        QVariant v = QJsonDocument::fromJson(bytes).toVariant();
        benchmark::DoNotOptimize(v);
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_ReadQtJson)->Unit(benchmark::kMillisecond);

void BM_WriteOursIndented(benchmark::State& state) {
    const QVariant tree = ConfigTree();
    QString error;
    qint64 size = 0;
    for (auto _ : state) {
        const QByteArray out = JsonSerialize(tree, error, 0);
        size = out.size();
        benchmark::DoNotOptimize(out.constData());
    }
    state.SetBytesProcessed(state.iterations() * size);
}
BENCHMARK(BM_WriteOursIndented)->Unit(benchmark::kMillisecond);

void BM_WriteOursCompact(benchmark::State& state) {
    const QVariant tree = ConfigTree();
    qint64 size = 0;
    for (auto _ : state) {
        const QByteArray out = JsonSerializeCompact(tree);
        size = out.size();
        benchmark::DoNotOptimize(out.constData());
    }
    state.SetBytesProcessed(state.iterations() * size);
}
BENCHMARK(BM_WriteOursCompact)->Unit(benchmark::kMillisecond);

// The toolkit from the same variant tree to text, as a caller holding the tree would have to do.
void BM_WriteQtJsonFromVariant(benchmark::State& state) {
    const QVariant tree = ConfigTree();
    qint64 size = 0;
    for (auto _ : state) {
        const QByteArray out = QJsonDocument::fromVariant(tree).toJson(QJsonDocument::Indented);
        size = out.size();
        benchmark::DoNotOptimize(out.constData());
    }
    state.SetBytesProcessed(state.iterations() * size);
}
BENCHMARK(BM_WriteQtJsonFromVariant)->Unit(benchmark::kMillisecond);

// The toolkit's text output alone, from a document it already holds.
void BM_WriteQtJsonDocumentOnly(benchmark::State& state) {
    const QJsonDocument doc = QJsonDocument::fromVariant(ConfigTree());
    qint64 size = 0;
    for (auto _ : state) {
        const QByteArray out = doc.toJson(QJsonDocument::Indented);
        size = out.size();
        benchmark::DoNotOptimize(out.constData());
    }
    state.SetBytesProcessed(state.iterations() * size);
}
BENCHMARK(BM_WriteQtJsonDocumentOnly)->Unit(benchmark::kMillisecond);

void BM_WriteQtJsonCompactDocumentOnly(benchmark::State& state) {
    const QJsonDocument doc = QJsonDocument::fromVariant(ConfigTree());
    qint64 size = 0;
    for (auto _ : state) {
        const QByteArray out = doc.toJson(QJsonDocument::Compact);
        size = out.size();
        benchmark::DoNotOptimize(out.constData());
    }
    state.SetBytesProcessed(state.iterations() * size);
}
BENCHMARK(BM_WriteQtJsonCompactDocumentOnly)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
