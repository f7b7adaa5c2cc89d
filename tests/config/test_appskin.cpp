// Application skins: entry inheritance, entry resolution, tab icons and deck backgrounds.
#include "config/datacfgrecords.h"
#include "config/gfxcache.h"
#include "functions/plugintools.h"
#include "runtime/imgdatamgr.h"
#include "runtime/imgdatamgrgfxstore.h"
#include "tests/config/cfgtestutil.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using DC = DataCfg;

namespace {
const QString kFixtures = QStringLiteral(MERVEX_TEST_SOURCE_DIR "/fixtures/gfx");

DC::TAppSkin& AddSkin(DataCfg& cfg, const char* json, const QString& folder = kFixtures) {
    cfg.AppSkins().append(DC::TAppSkin());
    DC::TAppSkin& skin = cfg.AppSkins().last();
    skin.Read(J(json), folder);
    skin.Set = QStringLiteral("Skins");
    return skin;
}

// The rectangle of pixels that are not fully transparent.
QRect Opaque(const QImage& img) {
    QRect r;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(img.pixel(x, y)) != 0)
                r |= QRect(x, y, 1, 1);
    return r;
}

void CompareGolden(const QImage& actual, const QString& name) {
    const QString path = kFixtures + QLatin1Char('/') + name + QStringLiteral(".png");
    if (qEnvironmentVariableIsSet("MERVEX_WRITE_GOLDENS")) {
        QVERIFY(actual.save(path));
        return;
    }
    const QImage golden = QImage(path).convertToFormat(QImage::Format_ARGB32);
    QVERIFY2(!golden.isNull(), qPrintable(path));
    const QImage a = actual.convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(a.size(), golden.size());
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != golden.pixel(x, y))
                QFAIL(qPrintable(QStringLiteral("%1: pixel (%2, %3) differs").arg(name).arg(x).arg(y)));
}
} // namespace

class TestAppSkin : public QObject {
    Q_OBJECT
    ImgDataMgrGfxStore m_store; // as program entry installs it: graphics compose into the image manager
private slots:
    void initTestCase() { GfxCache::SetStore(&m_store); }
    void cleanupTestCase() { GfxCache::SetStore(nullptr); }
    void inheritance() {
        DataCfg cfg;
        LogCapture log;
        const DC::TAppSkin& first = AddSkin(cfg, "{'Name':'Base','TabBG':'bg','TabIconA':'a'}");
        QCOMPARE(first.Dir, kFixtures + QStringLiteral("/"));
        QCOMPARE(first.Entries.value(QStringLiteral("TabBG")), QStringLiteral("bg"));
        QCOMPARE(first.Entries.value(QStringLiteral("Name")), QStringLiteral("Base")); // every key is an entry
        AddSkin(cfg, "{'Name':'Mid','Dir':'mid','TabBG':'midbg','DeckBG':'deck'}");
        const DC::TAppSkin& mid = cfg.AppSkins()[1];
        QCOMPARE(mid.Dir, kFixtures + QStringLiteral("/mid"));
        QCOMPARE(mid.Entries.value(QStringLiteral("TabIconA")), QStringLiteral("a")); // from the first skin
        AddSkin(cfg, "{'Name':'Leaf','Parent':'Mid','TabIconB':'b'}");
        const DC::TAppSkin& leaf = cfg.AppSkins()[2];
        QCOMPARE(leaf.Entries.value(QStringLiteral("TabBG")), QStringLiteral("midbg"));
        QCOMPARE(leaf.Entries.value(QStringLiteral("DeckBG")), QStringLiteral("deck"));
        QCOMPARE(leaf.GetTabIconNames(), QStringList({"TabIconA", "TabIconB"}));
        QVERIFY(log.Lines().isEmpty());
        AddSkin(cfg, "{'Name':'Orphan','Parent':'Nobody','Own':'x'}");
        QVERIFY(log.Has(QStringLiteral("Missing Parent AppSkin: \"Nobody\"")));
        QCOMPARE(cfg.AppSkins()[3].Entries.value(QStringLiteral("TabBG")), QStringLiteral("bg"));
        AddSkin(cfg, "{'Name':'Self','Parent':'Self'}"); // names itself: no recursion
        QCOMPARE(cfg.AppSkins()[4].Entries.value(QStringLiteral("TabBG")), QStringLiteral("bg"));
    }

    void entries() {
        QTemporaryDir data;
        QTemporaryDir child;
        QImage red(4, 2, QImage::Format_ARGB32);
        red.fill(Qt::red);
        QVERIFY(red.save(data.filePath(QStringLiteral("top.png"))));
        QVERIFY(red.save(child.filePath(QStringLiteral("rel.png"))));
        PluginTools::SetDataPath(data.path() + QLatin1Char('/'));
        DataCfg cfg;
        DC::TGfx gfx;
        gfx.Read(J("{'Name':'Named','Rsc':'src'}"), kFixtures);
        gfx.Set = QStringLiteral("Parent");
        cfg.Gfxs().append(gfx);
        AddSkin(cfg, "{'Name':'Parent','Rel':'rel.png','Top':'/top.png','Gfx':'Named','Gone':'none.png'}");
        AddSkin(cfg, "{'Name':'Child','Parent':'Parent'}", child.path());
        const DC::TAppSkin& c = cfg.AppSkins()[1];
        // An inherited relative file is looked for in the child's folder.
        QCOMPARE(c.GetEntry(QStringLiteral("Rel")).GetImage().size(), QSize(4, 2));
        QCOMPARE(c.GetEntry(QStringLiteral("Top")).GetImage().size(), QSize(4, 2));
        QCOMPARE(c.GetEntry(QStringLiteral("Gfx")).GetImage().size(), QSize(30, 30));
        LogCapture log;
        QVERIFY(c.GetEntry(QStringLiteral("Gone")).Name.isEmpty());
        QVERIFY(c.GetEntry(QStringLiteral("Nothing")).Name.isEmpty());
        QVERIFY(log.Has(QStringLiteral("Missing AppSkin Entry: \"Nothing\"")));
        QVERIFY(c.GetTabBG().isNull());

        ImgDataMgr mgr;
        AddSkin(cfg, "{'Name':'WithBG','TabBG':'src.png','TabAOvl':'none.png'}");
        quint64 id = 7;
        const QImage bg = cfg.AppSkins()[2].GetTabBG(&id);
        QCOMPARE(bg.size(), QSize(30, 30));
        QVERIFY(id != 0 && mgr.HasImage(id));
        QVERIFY(cfg.AppSkins()[2].GetTabAOvl(&id).isNull());
        QCOMPARE(id, quint64(0));
    }

    void tabIconPlacement_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QRect>("rect");
        QTest::newRow("name only") << "Icon" << QRect(73, 35, 15, 15);
        QTest::newRow("empty name") << "|2" << QRect(50, 12, 60, 60);
        QTest::newRow("scale 100") << "Icon|100" << QRect(0, 0, 160, 140);
        QTest::newRow("scale 0") << "Icon|0" << QRect();
        QTest::newRow("scale text") << "Icon|big" << QRect();
        QTest::newRow("left bottom") << "Icon|1||LB 4,-2" << QRect(4, 108, 30, 30);
        QTest::newRow("right top") << "Icon|1||r" << QRect(130, 0, 30, 2);
        QTest::newRow("centre centre offsets") << "Icon|1||cc 0,0" << QRect(65, 55, 30, 30);
        QTest::newRow("one offset") << "Icon|1||X 5" << QRect(65, 27, 30, 30);
    }
    void tabIconPlacement() {
        QFETCH(QString, text);
        QFETCH(QRect, rect);
        DataCfg cfg;
        AddSkin(cfg, "{'Name':'S','Icon':'src.png','TabIconCustom':'src.png'}");
        const QImage icon = cfg.AppSkins()[0].GetTabIcon(text, true);
        QCOMPARE(icon.size(), QSize(160, 140));
        if (rect.isEmpty()) // 0.3 by 0.3 pixels: nothing visible
            QVERIFY(Opaque(icon).width() <= 1);
        else
            QCOMPARE(Opaque(icon), rect);
    }

    void tabIconLooks() {
        DataCfg cfg;
        ImgDataMgr mgr;
        AddSkin(cfg, "{'Name':'S','Icon':'src.png'}");
        const DC::TAppSkin& s = cfg.AppSkins()[0];
        quint64 id = 0;
        CompareGolden(s.GetTabIcon(QStringLiteral("Icon|1|#40a0ff|cc 0,0"), true, &id),
                      QStringLiteral("tabicon_active"));
        QVERIFY(mgr.HasImage(id));
        CompareGolden(s.GetTabIcon(QStringLiteral("Icon|1|#40a0ff|cc 0,0"), false), QStringLiteral("tabicon_inactive"));
        const QImage raw = s.GetTabIcon(QStringLiteral("Icon|5"), true, nullptr, true);
        QCOMPARE(raw.size(), QSize(30, 30));
        QCOMPARE(raw.pixel(5, 5), QImage(kFixtures + QStringLiteral("/src.png")).pixel(5, 5));
        const QImage rawGrey = s.GetTabIcon(QStringLiteral("Icon"), false, nullptr, true);
        QCOMPARE(qRed(rawGrey.pixel(5, 5)), qGreen(rawGrey.pixel(5, 5)));
        quint64 none = 9;
        QVERIFY(s.GetTabIcon(QStringLiteral("Missing.png"), true, &none).isNull());
        QCOMPARE(none, quint64(9)); // nothing stored

        // A large picture scaled up tenfold is refused rather than allocated.
        QTemporaryDir tmp;
        QImage big(820, 820, QImage::Format_ARGB32);
        big.fill(Qt::red);
        QVERIFY(big.save(tmp.filePath(QStringLiteral("big.png"))));
        DataCfg bigCfg;
        AddSkin(bigCfg, "{'Name':'B','Big':'big.png'}", tmp.path());
        LogCapture log;
        QVERIFY(bigCfg.AppSkins()[0].GetTabIcon(QStringLiteral("Big|10"), true, &none).isNull());
        QCOMPARE(none, quint64(9));
        QVERIFY(log.Has(QStringLiteral("size too large")));
        QCOMPARE(bigCfg.AppSkins()[0].GetTabIcon(QStringLiteral("Big|0.1"), true).size(), QSize(160, 140));
    }

    void deckBackground() {
        QTemporaryDir tmp;
        QImage wide(300, 2, QImage::Format_ARGB32);
        wide.fill(Qt::blue);
        QVERIFY(wide.save(tmp.filePath(QStringLiteral("wide.png"))));
        QVERIFY(QFile::copy(kFixtures + QStringLiteral("/src.png"), tmp.filePath(QStringLiteral("src.png"))));
        PluginTools::SetDataPath(tmp.path() + QLatin1Char('/'));
        DataCfg cfg;
        ImgDataMgr mgr;
        AddSkin(cfg, "{'Name':'S','DeckBG':'src.png','Wide':'wide.png'}");
        const DC::TAppSkin& s = cfg.AppSkins()[0];
        quint64 id = 0;
        const QImage deck = s.GetDeckBG(QString(), 45, 100, &id);
        CompareGolden(deck, QStringLiteral("deck"));
        QVERIFY(mgr.HasImage(id));
        QCOMPARE(deck.pixel(20, 10), deck.pixel(20, 55));               // repeated every 45 rows
        QCOMPARE(s.GetDeckBG(QString(), 60, 20).size(), QSize(60, 60)); // a higher image is not cut
        QCOMPARE(s.GetDeckBG(QString(), 60, -1).size(), QSize(30, 30)); // as loaded
        // A file named directly (in the stored form, "/" for the data folder), not an entry.
        QCOMPARE(s.GetDeckBG(QStringLiteral("/src.png"), 30, 31).size(), QSize(30, 31));
        // A very wide image keeps at least one row and is repeated; a width below one pixel gives an empty
        // image. Neither repeats without end.
        QCOMPARE(s.GetDeckBG(QStringLiteral("/wide.png"), 10, 100).size(), QSize(10, 100));
        LogCapture log;
        quint64 none = 5;
        QVERIFY(s.GetDeckBG(QString(), 0, 100, &none).isNull());
        QVERIFY(s.GetDeckBG(QString(), -5, 100, &none).isNull());
        QCOMPARE(none, quint64(5));
        QVERIFY(log.Has(QStringLiteral("width below one pixel")));
        QVERIFY(s.GetDeckBG(QStringLiteral("Missing"), 10, 10).isNull());
        // Sizes far beyond any screen are refused before allocating: a tall repeat, a huge scale.
        log.Clear();
        QVERIFY(s.GetDeckBG(QString(), 45, 2000000, &none).isNull());
        QVERIFY(s.GetDeckBG(QString(), 100000, 10, &none).isNull());
        QCOMPARE(none, quint64(5));
        QCOMPARE(log.Lines().filter(QStringLiteral("size too large")).size(), 2);
    }
};

QTEST_MAIN(TestAppSkin)
#include "test_appskin.moc"
