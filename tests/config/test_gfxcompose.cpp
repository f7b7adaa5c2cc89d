// Graphics: reading, tiled composition (1x1, 3x1, 1x3, 3x3, Scale), layers and the composition cache,
// compared with golden images pixel by pixel.
#include "config/datacfgrecords.h"
#include "config/gfxcache.h"
#include "runtime/imgdatamgr.h"
#include "runtime/imgdatamgrgfxstore.h"
#include "tests/config/cfgtestutil.h"

#include <QBuffer>
#include <QDir>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

using DC = DataCfg;

namespace {
const QString kFixtures = QStringLiteral(MERVEX_TEST_SOURCE_DIR "/fixtures/gfx");

// Nine 10x10 blocks of distinct colours, each with a dark first row and column, so that repeated and
// stretched pieces look different.
QImage MakeSource() {
    static const QRgb colours[9] = {0xffe04040, 0xff40e040, 0xff4040e0, 0xffe0e040, 0xff40e0e0,
                                    0xffe040e0, 0xff808080, 0xffe09040, 0xff9040e0};
    QImage img(30, 30, QImage::Format_ARGB32);
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 30; ++x) {
            const QRgb c = colours[(y / 10) * 3 + x / 10];
            const bool edge = x % 10 == 0 || y % 10 == 0;
            img.setPixel(x, y, edge ? qRgba(qRed(c) / 3, qGreen(c) / 3, qBlue(c) / 3, 255) : c);
        }
    }
    return img;
}

bool WriteGoldens() {
    return qEnvironmentVariableIsSet("MERVEX_WRITE_GOLDENS");
}

// Compares with the golden file; writes it instead when asked to.
void CompareGolden(const QImage& actual, const QString& name) {
    const QString path = kFixtures + QLatin1Char('/') + name + QStringLiteral(".png");
    if (WriteGoldens()) {
        QVERIFY(actual.save(path));
        return;
    }
    QImage golden(path);
    QVERIFY2(!golden.isNull(), qPrintable(path));
    golden = golden.convertToFormat(QImage::Format_ARGB32);
    const QImage a = actual.convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(a.size(), golden.size());
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != golden.pixel(x, y))
                QFAIL(qPrintable(QStringLiteral("%1: pixel (%2, %3) is %4, golden %5")
                                     .arg(name)
                                     .arg(x)
                                     .arg(y)
                                     .arg(a.pixel(x, y), 8, 16)
                                     .arg(golden.pixel(x, y), 8, 16)));
        }
    }
}

// A one-pixel PNG whose header is changed to claim another size (with its checksum mended).
bool WritePngClaimingSize(const QString& path, quint32 width, quint32 height) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImage(1, 1, QImage::Format_ARGB32).save(&buffer, "PNG");
    // Signature (8), IHDR length (4), "IHDR" (4), width (4), height (4), 5 more bytes, CRC over type and data.
    for (int i = 0; i < 4; ++i) {
        png[16 + i] = char(width >> (24 - 8 * i));
        png[20 + i] = char(height >> (24 - 8 * i));
    }
    quint32 crc = 0xffffffffu;
    for (int i = 12; i < 29; ++i) {
        crc ^= quint8(png[i]);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    crc ^= 0xffffffffu;
    for (int i = 0; i < 4; ++i)
        png[29 + i] = char(crc >> (24 - 8 * i));
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(png) == png.size();
}

DC::TGfx& AddGfx(DataCfg& cfg, const QString& json) {
    DC::TGfx gfx;
    gfx.Read(J(qPrintable(json)), kFixtures);
    gfx.Set = QStringLiteral("S");
    cfg.Gfxs().append(gfx);
    return cfg.Gfxs().last();
}
} // namespace

class TestGfxCompose : public QObject {
    Q_OBJECT
    ImgDataMgrGfxStore m_store; // as program entry installs it: graphics compose into the image manager
private slots:
    void cleanupTestCase() { GfxCache::SetStore(nullptr); }
    void initTestCase() {
        GfxCache::SetStore(&m_store);
        if (WriteGoldens())
            QVERIFY(MakeSource().save(kFixtures + QStringLiteral("/src.png")));
    }

    void readTiles() {
        DC::TGfx g;
        g.Read(J("{'Name':'g','Rsc':'src','Tiling':'3x1','BaseSize':0,'Tiles':['0,0,20,20','0,0,20,20,sr',"
                 "'1,2,3,4,rs','5,6','0.5,0,1.0,1.0,R','x,y'],'Layers':[{'Gfx':'a','Width':'0.5','Left':'0.25',"
                 "'Align':'RightBottom'},{'Gfx':'b','Width':'','Top':3}]}"),
               QStringLiteral("/dir"));
        QCOMPARE(g.Tiling, 1);
        QCOMPARE(g.BaseSize, 160);
        QCOMPARE(g.Directory, QStringLiteral("/dir"));
        QCOMPARE(g.Tiles.size(), 6);
        QCOMPARE(g.Tiles[0].rect, QRectF(0, 0, 20, 20));
        QVERIFY(!g.Tiles[0].StretchX && !g.Tiles[0].StretchY);
        QVERIFY(g.Tiles[1].StretchX && !g.Tiles[1].StretchY);
        QVERIFY(!g.Tiles[2].StretchX && g.Tiles[2].StretchY);
        QCOMPARE(g.Tiles[3].rect, QRectF(5, 6, -5, -6)); // the setters move the edges of an empty rect
        QCOMPARE(g.Tiles[4].rect, QRectF(-0.5, 0, -1, -1));
        QVERIFY(!g.Tiles[4].StretchX && g.Tiles[4].StretchY); // one letter: the second counts as not 'r'
        QCOMPARE(g.Tiles[5].rect, QRectF(0, 0, 0, 0));
        QCOMPARE(g.Layers.size(), 2);
        QCOMPARE(g.Layers[0].rect, QRect(0, 0, 0, -1)); // "0.5" keeps only its whole part
        QCOMPARE(g.Layers[0].Align, 36);
        QCOMPARE(g.Layers[1].rect, QRect(0, 3, -1, -1));
        QCOMPARE(g.Layers[1].Align, 9);

        // Inherited values stay for keys read only when present; layers are always replaced.
        DC::TGfx child = g;
        child.Read(J("{'Name':'c','Inherit':'g'}"), QStringLiteral("/other"));
        QCOMPARE(child.Tiling, 1);
        QCOMPARE(child.Tiles.size(), 6);
        QCOMPARE(child.Rsc, QStringLiteral("src"));
        QVERIFY(child.Layers.isEmpty());
        QCOMPARE(child.Directory, QStringLiteral("/other"));

        // A graphic inheriting from a loaded one measures its own file, not its parent's.
        DC::TGfx parent;
        parent.Read(J("{'Name':'p','Rsc':'src'}"), kFixtures);
        QCOMPARE(parent.GetSize(), QRect(0, 0, 30, 30));
        DC::TGfx own = parent;
        own.Read(J("{'Name':'o','Inherit':'p','Rsc':'deck'}"), kFixtures);
        QVERIFY(own.Image.isNull());
        QCOMPARE(own.GetSize(), QRect(QPoint(0, 0), QImage(kFixtures + QStringLiteral("/deck.png")).size()));
    }

    void resolve() {
        LogCapture log;
        DC::TGfx png;
        png.Read(J("{'Rsc':'src'}"), kFixtures);
        QVERIFY(png.Resolve());
        QCOMPARE(png.Rsc, kFixtures + QStringLiteral("/src.png"));
        DC::TGfx bmp;
        bmp.Read(J("{'Rsc':'src.bmp'}"), kFixtures);
        QVERIFY(!bmp.Resolve());
        QCOMPARE(bmp.Rsc, QStringLiteral("src.bmp"));
        QVERIFY(log.Has(QStringLiteral("Missing file: \"src.bmp\" in:")));
        log.Clear();
        QVERIFY(!bmp.Resolve()); // once only
        QVERIFY(log.Lines().isEmpty());
        // A missing file draws as a transparent 1 by 1 image and keeps an empty size.
        const QImage stand = bmp.GetImage();
        QCOMPARE(stand.size(), QSize(1, 1));
        QCOMPARE(stand.pixel(0, 0), 0u);
        QCOMPARE(bmp.GetSize().width(), 0);
        QVERIFY(log.Has(QStringLiteral("File not found (gi):")));

        // A small file whose header claims a huge picture is refused before anything is allocated for it.
        QTemporaryDir tmp;
        const QString bomb = tmp.filePath(QStringLiteral("bomb.png"));
        QVERIFY(WritePngClaimingSize(bomb, 20000, 20000));
        DC::TGfx big;
        big.Read(J("{'Name':'big','Rsc':'bomb.png'}"), tmp.path());
        log.Clear();
        QCOMPARE(big.GetImage().size(), QSize(1, 1));
        QVERIFY(log.Has(QStringLiteral("image too large")));
    }

    void compose_data() {
        QTest::addColumn<QString>("json");
        QTest::addColumn<QSize>("size");
        QTest::newRow("1x1") << "{'Tiling':'1x1','Tiles':['0,0,20,20']}" << QSize(40, 30);
        QTest::newRow("3x1") << "{'Tiling':'3x1','Tiles':['0,0,10,30','10,0,1,30','20,0,10,30']}" << QSize(100, 30);
        QTest::newRow("3x1 repeat") << "{'Tiling':'3x1','Tiles':['0,0,10,30','10,0,10,30','20,0,10,30']}"
                                    << QSize(47, 30);
        QTest::newRow("3x1 stretch") << "{'Tiling':'3x1','Tiles':['0,0,10,30','10,0,10,30,ss','20,0,10,30']}"
                                     << QSize(47, 40);
        QTest::newRow("1x3") << "{'Tiling':'1x3','Tiles':['0,0,30,10','0,10,30,10','0,20,30,10']}" << QSize(30, 55);
        QTest::newRow("3x3") << "{'Tiling':'3x3','Tiles':['0,0,10,10','10,0,10,10','20,0,10,10','0,10,10,10',"
                                "'10,10,10,10','20,10,10,10','0,20,10,10','10,20,10,10','20,20,10,10']}"
                             << QSize(64, 48);
        QTest::newRow("3x3 stretch") << "{'Tiling':'3x3','Tiles':['0,0,10,10','10,0,10,10,sr','20,0,10,10',"
                                        "'0,10,10,10,rs','10,10,10,10,ss','20,10,10,10,rs','0,20,10,10',"
                                        "'10,20,10,10,sr','20,20,10,10']}"
                                     << QSize(64, 48);
        QTest::newRow("scale") << "{'Tiling':'Scale'}" << QSize(45, 60);
        QTest::newRow("scale tile") << "{'Tiling':'Scale','Tiles':['0.5,0,1.0,1.0']}" << QSize(200, 100);
        QTest::newRow("layers") << "{'Tiling':'1x1','Tiles':['20,20,10,10'],'Layers':["
                                   "{'Gfx':'Nine','Width':40,'Height':20,'Align':'CenterCenter'},"
                                   "{'Gfx':'Plain','Align':'RightBottom','Width':5,'Height':5},"
                                   "{'Gfx':'Nine','Width':'1.0','Height':10,'Top':'0.5'},"
                                   "{'Gfx':'Missing'}]}"
                                << QSize(64, 48);
    }
    void compose() {
        QFETCH(QString, json);
        QFETCH(QSize, size);
        DataCfg cfg;
        AddGfx(cfg, QStringLiteral("{'Name':'Nine','Rsc':'src','Tiling':'3x3','Tiles':['0,0,10,10','10,0,10,10',"
                                   "'20,0,10,10','0,10,10,10','10,10,10,10','20,10,10,10','0,20,10,10',"
                                   "'10,20,10,10','20,20,10,10']}"));
        AddGfx(cfg, QStringLiteral("{'Name':'Plain','Rsc':'src'}"));
        QVariantMap m = J(qPrintable(json));
        m.insert(QStringLiteral("Name"), QStringLiteral("Under test"));
        m.insert(QStringLiteral("Rsc"), QStringLiteral("src"));
        DC::TGfx g;
        g.Read(m, kFixtures);
        g.Set = QStringLiteral("S");
        const QImage img = g.GetImageTiled(size.width(), size.height());
        QCOMPARE(img.size(), size);
        CompareGolden(img, QString::fromLatin1(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('_')));
    }

    void plainAndEmpty() {
        DC::TGfx plain;
        plain.Read(J("{'Name':'p','Rsc':'src'}"), kFixtures);
        QCOMPARE(plain.GetImageTiled(100, 100).size(), QSize(30, 30)); // the natural image at any size
        QVERIFY(plain.GetImageTiled(0, 50).isNull());
        QVERIFY(plain.GetImageTiled(50, -1).isNull());
        // A composition far beyond any screen is refused before anything is allocated or drawn.
        DC::TGfx tiled;
        tiled.Read(J("{'Name':'t','Rsc':'src','Tiling':'1x1','Tiles':['0,0,1,1']}"), kFixtures);
        LogCapture log;
        QVERIFY(tiled.GetImageTiled(20000, 20000).isNull());
        QVERIFY(log.Has(QStringLiteral("size too large")));
        QCOMPARE(tiled.GetImageTiled(20000, 100).size(), QSize(20000, 100)); // long but within the bound
    }

    void layerWithoutAlignmentStaysInItsRectangle_data() {
        QTest::addColumn<QString>("align");
        QTest::addColumn<bool>("likeLeftTop");
        QTest::newRow("None") << "None" << true;
        QTest::newRow("unknown name") << "Middle" << true;
        QTest::newRow("RightBottom") << "RightBottom" << false;
    }
    void layerWithoutAlignmentStaysInItsRectangle() {
        // A layer without an alignment is drawn at its rectangle's corner, as "LeftTop" draws it, and not
        // pushed out of the picture by every offset at once.
        QFETCH(QString, align);
        QFETCH(bool, likeLeftTop);
        DataCfg cfg;
        AddGfx(cfg, QStringLiteral("{'Name':'Plain','Rsc':'src'}"));
        auto compose = [](const QString& layerAlign) {
            DC::TGfx g;
            g.Read(J(qPrintable(QStringLiteral("{'Name':'Layered %1','Rsc':'src','Tiling':'1x1','Tiles':['20,20,10,"
                                               "10'],'Layers':[{'Gfx':'Plain','Align':'%1','Left':3,'Top':4,"
                                               "'Width':12,'Height':12}]}")
                                    .arg(layerAlign))),
                   kFixtures);
            g.Set = QStringLiteral("S");
            return g.GetImageTiled(64, 48);
        };
        const QImage leftTop = compose(QStringLiteral("LeftTop"));
        QVERIFY(!leftTop.isNull());
        QCOMPARE(compose(align) == leftTop, likeLeftTop);
    }

    void hostileInput_data() {
        QTest::addColumn<QString>("json");
        QTest::newRow("negative tile from two parts") << "{'Tiling':'1x1','Tiles':['5,6']}";
        QTest::newRow("fractional tile") << "{'Tiling':'3x3','Tiles':['0,0,0.5,0.5','0,0,0.2,10']}";
        QTest::newRow("zero tiles") << "{'Tiling':'3x1','Tiles':['0,0,0,0','0,0,0,0','0,0,0,0']}";
        QTest::newRow("self layer") << "{'Name':'Loop','Layers':[{'Gfx':'Loop'},{'Gfx':'S:Loop'}]}";
        QTest::newRow("cycle") << "{'Name':'A','Layers':[{'Gfx':'B'}]}";
        QTest::newRow("unknown tiling") << "{'Tiling':'4x4','Tiles':['0,0,10,10']}";
        QTest::newRow("wrong types") << "{'Tiling':[1],'Tiles':'x','Layers':{'a':1},'BaseSize':'q'}";
        QTest::newRow("layer beyond the integers")
            << "{'Layers':[{'Gfx':'A','Width':'-1000000000','Height':'-1e12','Left':'-1000000000','Top':'nan'}]}";
        QTest::newRow("tiles not finite") << "{'Tiling':'Scale','Tiles':['nan,inf,-1e300,1e300']}";
    }
    void hostileInput() {
        QFETCH(QString, json);
        DataCfg cfg;
        AddGfx(cfg, QStringLiteral("{'Name':'A','Rsc':'src','Layers':[{'Gfx':'B'}]}"));
        AddGfx(cfg, QStringLiteral("{'Name':'B','Rsc':'src','Layers':[{'Gfx':'A'}]}"));
        AddGfx(cfg, QStringLiteral("{'Name':'Loop','Rsc':'src','Layers':[{'Gfx':'Loop'}]}"));
        QVariantMap m = J(qPrintable(json));
        m.insert(QStringLiteral("Rsc"), QStringLiteral("src"));
        DC::TGfx g;
        g.Read(m, kFixtures);
        g.Set = QStringLiteral("S");
        const QImage img = g.GetImageTiled(40, 40);
        QVERIFY(img.isNull() || img.size() == QSize(40, 40) || img.size() == QSize(30, 30));
    }

    void cacheHitAndKeys() {
        ImgDataMgr mgr;
        DataCfg cfg;
        DC::TGfx& g = AddGfx(cfg, QStringLiteral("{'Name':'Nine','Rsc':'src','Tiling':'3x3','Tiles':['0,0,10,10',"
                                                 "'10,0,10,10','20,0,10,10','0,10,10,10','10,10,10,10','20,10,10,10',"
                                                 "'0,20,10,10','10,20,10,10','20,20,10,10']}"));
        const QImage first = g.GetImageTiled(64, 48);
        const QImage second = g.GetImageTiled(64, 48);
        QCOMPARE(second.cacheKey(), first.cacheKey()); // served from the cache, not drawn again
        // Sizes whose digits run together must not share a cache entry.
        const QImage a = g.GetImageTiled(1, 13);
        const QImage b = g.GetImageTiled(11, 3);
        QCOMPARE(a.size(), QSize(1, 13));
        QCOMPARE(b.size(), QSize(11, 3));
        QVERIFY(g.Description(1, 13) != g.Description(11, 3));
        // Texts that run into each other, and tiles that differ only in a far decimal, differ too.
        DC::TGfx left = g, right = g;
        left.Name = QStringLiteral("a|b");
        left.Rsc = QStringLiteral("c");
        right.Name = QStringLiteral("a");
        right.Rsc = QStringLiteral("b|c");
        QVERIFY(left.Description(64, 48) != right.Description(64, 48));
        DC::TGfx fine = g;
        fine.Tiles[0].rect.setWidth(10.0000001);
        QVERIFY(fine.Description(64, 48) != g.Description(64, 48));
    }

    void withoutStore() {
        // Without an image store graphics still compose, only nothing is kept; the log says so once.
        GfxCache::SetStore(nullptr);
        ImgDataMgr mgr;
        DataCfg cfg;
        DC::TGfx& g = AddGfx(
            cfg, QStringLiteral(
                     "{'Name':'Row','Rsc':'src','Tiling':'3x1','Tiles':['0,0,10,30','10,0,10,30','20,0,10,30']}"));
        LogCapture log;
        const QImage first = g.GetImageTiled(50, 30);
        QCOMPARE(first.size(), QSize(50, 30));
        QVERIFY(g.GetImageTiled(50, 30).cacheKey() != first.cacheKey());
        QCOMPARE(mgr.ImageCount(), 0);
        QCOMPARE(log.Lines().filter(QStringLiteral("no image store installed")).size(), 1);
        GfxCache::SetStore(&m_store);
    }

    void fileLayer() {
        DataCfg cfg;
        const DC::TGfx viaFile = cfg.FindGfxOrFile(QStringLiteral("file://") + kFixtures + QStringLiteral("/src.png"));
        QCOMPARE(viaFile.Image.size(), QSize(30, 30));
        QVERIFY(cfg.Gfxs().isEmpty());
        const DC::TGfx missing = cfg.FindGfxOrFile(QStringLiteral("file:///nowhere/x.png"));
        QCOMPARE(missing.Image.size(), QSize(1, 1));
    }
};

QTEST_MAIN(TestGfxCompose)
#include "test_gfxcompose.moc"
