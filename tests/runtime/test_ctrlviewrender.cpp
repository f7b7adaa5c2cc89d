// Renders controls of the program's default configuration at several scales and opacities and compares
// them with golden images, allowing small differences (font hinting, smoothing). MERVEX_UPDATE_GOLDEN=1
// rewrites the golden images.

#include "config/datacfgrecords.h"
#include "functions/plugintools.h"
#include "runtime/ctrlview.h"
#include "runtime/imgdatamgr.h"
#include "tests/runtime/ctrlviewfakes.h"

#include <QPainter>
#include <QtTest>

namespace {
QString DataDir() {
    return QStringLiteral(MERVEX_TEST_SOURCE_DIR "/../../data");
}
QString GoldenDir() {
    return QStringLiteral(MERVEX_TEST_SOURCE_DIR "/fixtures/ctrlview/golden");
}

QImage Render(CtrlView& v) {
    QImage img(v.size(), QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    v.render(&img, QPoint(), QRegion(), QWidget::DrawChildren);
    return img.convertToFormat(QImage::Format_ARGB32);
}

// Share of pixels whose largest channel difference exceeds 48, and the mean channel difference.
void Compare(const QImage& a, const QImage& b, double* badShare, double* mean) {
    qint64 bad = 0, sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        const QRgb* pa = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const QRgb* pb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            const int d[4] = {qAbs(qRed(pa[x]) - qRed(pb[x])), qAbs(qGreen(pa[x]) - qGreen(pb[x])),
                              qAbs(qBlue(pa[x]) - qBlue(pb[x])), qAbs(qAlpha(pa[x]) - qAlpha(pb[x]))};
            const int m = qMax(qMax(d[0], d[1]), qMax(d[2], d[3]));
            bad += m > 48;
            sum += d[0] + d[1] + d[2] + d[3];
        }
    }
    const double n = double(a.width()) * a.height();
    *badShare = n > 0 ? bad / n : 0;
    *mean = n > 0 ? sum / (n * 4) : 0;
}
} // namespace

class TestCtrlViewRender : public QObject {
    Q_OBJECT
    DataCfg* m_cfg = nullptr;
    ImgDataMgr* m_images = nullptr;
    FakeRegistry m_registry;

    DataCfg::TControl Control(const QString& name, const QVariantMap& options) {
        DataCfg::TControl c = m_cfg->FindControl(name, QStringLiteral("MVX_Base"));
        for (auto it = options.cbegin(); it != options.cend(); ++it) {
            if (DataCfg::TConfigOption* o = c.Config.FindOption(it.key()))
                o->Value = it.value().toString();
        }
        return c;
    }

private slots:
    void initTestCase() {
        PluginTools::SetDataPath(DataDir() + QLatin1Char('/'));
        m_cfg = new DataCfg(this);
        QVERIFY(m_cfg->LoadIncludeFile(DataDir(), QStringLiteral("mainCfg.json")));
        m_images = new ImgDataMgr(this);
        FuncRegistry::SetInstance(&m_registry);
        m_registry.values.insert(QStringLiteral("DFP:SND_Vol_Main_Get"), 0.5);
        m_registry.values.insert(QStringLiteral("DFP:SND_Mute_Main_Get"), false);
    }
    void cleanupTestCase() { FuncRegistry::SetInstance(nullptr); }

    void matchesGolden_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QVariantMap>("options");
        QTest::addColumn<double>("scale");
        QTest::addColumn<QSize>("size");
        QTest::newRow("key-button-1") << "Key Button" << QVariantMap{{"LE_txt/Label", "Play"}} << 1.0
                                      << QSize(160, 160);
        QTest::newRow("key-button-0.5") << "Key Button" << QVariantMap{{"LE_txt/Label", ""}} << 0.5 << QSize(80, 80);
        QTest::newRow("key-button-1.5") << "Key Button" << QVariantMap{{"LE_txt/Label", ""}} << 1.5 << QSize(240, 240);
        QTest::newRow("volume-slider-0.5") << "Volume Slider" << QVariantMap() << 0.5 << QSize(320, 80);
        QTest::newRow("mute-toggle-1") << "Mute Toggle" << QVariantMap() << 1.0 << QSize(160, 160);
    }
    void matchesGolden() {
        QFETCH(QString, control);
        QFETCH(QVariantMap, options);
        QFETCH(double, scale);
        QFETCH(QSize, size);
        CtrlView v;
        v.SetScale(scale);
        v.Init(Control(control, options));
        QVERIFY(!v.Elements().isEmpty());
        QCOMPARE(v.size(), size);
        const QImage img = Render(v);
        // Painting took the update with it.
        QVERIFY(!v.IsUpdatePending());

        const QString file = GoldenDir() + QLatin1Char('/') + QString::fromLatin1(QTest::currentDataTag()) + ".png";
        if (qEnvironmentVariableIsSet("MERVEX_UPDATE_GOLDEN")) {
            QDir().mkpath(GoldenDir());
            QVERIFY(img.save(file));
        }
        const QImage golden = QImage(file).convertToFormat(QImage::Format_ARGB32);
        QVERIFY2(!golden.isNull(), qPrintable(file));
        QCOMPARE(golden.size(), img.size());
        double bad = 0, mean = 0;
        Compare(img, golden, &bad, &mean);
        QVERIFY2(bad < 0.01 && mean < 2.0, qPrintable(QStringLiteral("bad %1 mean %2").arg(bad).arg(mean)));
    }

    void opacityFadesThePaint() {
        CtrlView v;
        v.Init(Control(QStringLiteral("Key Button"), {{"LE_txt/Label", ""}}));
        const QImage full = Render(v);
        v.setOpacity(0.5);
        const QImage half = Render(v);
        v.setOpacity(0.0);
        const QImage none = Render(v);
        const QPoint p(80, 10); // on the button face
        QVERIFY(qAlpha(full.pixel(p)) > 200);
        QVERIFY(qAbs(qAlpha(half.pixel(p)) - qAlpha(full.pixel(p)) / 2) <= 2);
        for (int y = 0; y < none.height(); y += 7) {
            for (int x = 0; x < none.width(); x += 7)
                QCOMPARE(qAlpha(none.pixel(x, y)), 0);
        }
    }
};

QTEST_MAIN(TestCtrlViewRender)
#include "test_ctrlviewrender.moc"
