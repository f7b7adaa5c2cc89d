// Pictures that scripts compose for an element: fitted, placed, tinted and masked pictures and pictures
// from the web over or under a graphic, compared pixel by pixel with small drawn goldens
// ('.' transparent, 'R' red, 'B' blue, 'W' white, '?' anything else).

#include "config/datacfgrecords.h"
#include "functions/plugintools.h"
#include "runtime/imgdatamgr.h"
#include "runtime/lecontainer.h"
#include "runtime/legfx.h"
#include "runtime/webimagecache.h"
#include "tests/common/logcapture.h"
#include "tests/config/cfgtestutil.h"
#include "tests/runtime/dcfakes.h"

#include <QDateTime>
#include <QGraphicsScene>
#include <QScriptEngine>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace {

QImage Solid(int w, int h, QColor c) {
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(c);
    return img;
}

QString Art(const QImage& source) {
    if (source.isNull())
        return QStringLiteral("null");
    const QImage img = source.convertToFormat(QImage::Format_ARGB32);
    QString out;
    for (int y = 0; y < img.height(); ++y) {
        if (y)
            out += QLatin1Char('\n');
        for (int x = 0; x < img.width(); ++x) {
            const QRgb p = img.pixel(x, y);
            const QRgb c = p & 0xffffffu;
            if (qAlpha(p) == 0)
                out += QLatin1Char('.');
            else if (qAlpha(p) != 255)
                out += QLatin1Char('?');
            else if (c == 0xff0000u)
                out += QLatin1Char('R');
            else if (c == 0x0000ffu)
                out += QLatin1Char('B');
            else if (c == 0xffffffu)
                out += QLatin1Char('W');
            else
                out += QLatin1Char('?');
        }
    }
    return out;
}

QString Rows(std::initializer_list<const char*> rows) {
    QStringList out;
    for (const char* r : rows)
        out << QString::fromLatin1(r);
    return out.join(QLatin1Char('\n'));
}

DataCfg::TGfx Gfx(const QString& name, const QImage& img) {
    DataCfg::TGfx g;
    g.Name = name;
    g.Set = QStringLiteral("S");
    g.Image = img;
    g.Size = img.rect();
    g.Resolved = g.Found = true;
    return g;
}

} // namespace

class TestScriptCompose : public QObject {
    Q_OBJECT
    std::unique_ptr<DataCfg> m_cfg;
    std::unique_ptr<ImgDataMgr> m_mgr;
    std::unique_ptr<WebImageCache> m_web;
    QTemporaryDir m_dir;
    FakeDCView m_host;
    QGraphicsScene m_scene;
    LEContainer* m_root = nullptr;
    QScriptEngine m_engine;

    QString File(const QString& name, const QImage& img) {
        const QString path = m_dir.filePath(name);
        img.save(path, "PNG");
        return path;
    }
    // An element of w x h with its script object as "l".
    LEGfx* Element(int w, int h) {
        DataCfg::TLayout l;
        l.Read(J(QStringLiteral("{'Name':'E','Type':'Gfx','Gfx':'Base','Width':'%1','Height':'%2'}")
                     .arg(w)
                     .arg(h)
                     .toLatin1()
                     .constData()));
        l.Set = QStringLiteral("S");
        auto* e = new LEGfx(m_root, l);
        e->SetView(&m_host);
        e->Setup();
        m_engine.globalObject().setProperty(QStringLiteral("l"), m_engine.newQObject(e->GetDCLayout(&m_engine)));
        return e;
    }
    static bool SetTime(const QString& path, const QDateTime& time) {
        QFile f(path);
        return f.open(QIODevice::ReadWrite) && f.setFileTime(time, QFileDevice::FileModificationTime);
    }
    QScriptValue Run(const QString& script) {
        const QScriptValue v = m_engine.evaluate(script);
        if (m_engine.hasUncaughtException()) {
            qWarning() << v.toString();
            m_engine.clearExceptions();
        }
        return v;
    }

private slots:
    void initTestCase() {
        m_cfg.reset(new DataCfg);
        // Absolute paths inside the data folder are taken as they are; others name files of the data folder.
        PluginTools::SetDataPath(m_dir.path());
        m_mgr.reset(new ImgDataMgr);
        m_web.reset(new WebImageCache);
        m_root = new LEContainer(&m_host, QSize(1, 1));
        m_scene.addItem(m_root);
        QImage holed = Solid(8, 4, Qt::red);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x)
                holed.setPixelColor(x, y, Qt::transparent);
        m_cfg->Gfxs() << Gfx(QStringLiteral("Base"), Solid(8, 4, Qt::red)) << Gfx(QStringLiteral("Holed"), holed);
    }

    void composition_data() {
        QTest::addColumn<int>("w");
        QTest::addColumn<int>("h");
        QTest::addColumn<QString>("call");
        QTest::addColumn<QString>("golden");
        QTest::newRow("fit and centre") << 8 << 4 << "l.LoadGfx(blue16, '', 1.0, 0, 0, 0x12, '')"
                                        << Rows({"..BBBB..", "..BBBB..", "..BBBB..", "..BBBB.."});
        QTest::newRow("right bottom wins") << 8 << 4 << "l.LoadGfx(blue16, '', 0.5, 0, 0, 0x2 | 0x4 | 0x10 | 0x20, '')"
                                           << Rows({"........", "........", "......BB", "......BB"});
        QTest::newRow("relative scale") << 8 << 4 << "l.LoadGfx(blue16, '', -0.125, 1, 1, 0x1, '')"
                                        << Rows({"........", ".BB.....", ".BB.....", "........"});
        QTest::newRow("offset past the edge") << 8 << 4 << "l.LoadGfx(blue16, '', 1.0, 6, -2, 0x1, '')"
                                              << Rows({"......BB", "......BB", "........", "........"});
        QTest::newRow("masked") << 8 << 4 << "l.LoadGfx(blue16, leftMask, 2.0, 0, 0, 0x1, '')"
                                << Rows({"BBBB....", "BBBB....", "BBBB....", "BBBB...."});
        QTest::newRow("alpha-0 tint leaves colours") << 8 << 4 << "l.LoadGfx(blue16, '', 2.0, 0, 0, 0x1, '#00ff0000')"
                                                     << Rows({"BBBBBBBB", "BBBBBBBB", "BBBBBBBB", "BBBBBBBB"});
        QTest::newRow("params stretch the picture")
            << 8 << 4 << "l.LoadGfx(blue16, '', 1.0, 0, 0, 0x12, '', '{\"Tiling\":\"Scale\"}')"
            << Rows({"BBBBBBBB", "BBBBBBBB", "BBBBBBBB", "BBBBBBBB"});
        QTest::newRow("graphic of the model") << 8 << 4 << "l.LoadGfx('Base', '', 0.5, 0, 0, 0x1, '')"
                                              << Rows({"RRRR....", "RRRR....", "........", "........"});
        QTest::newRow("none") << 8 << 4 << "l.LoadGfx('None', '', 1.0, 0, 0, 0, '')"
                              << "null";
        QTest::newRow("pressed image too")
            << 4 << 2 << "l.LoadGfxP(blue16, '', 1.0, 0, 0, 0x12, ''); l.LoadGfx(blue16, '', 1.0, 0, 0, 0x1, '')"
            << Rows({"BB..", "BB.."});
        QTest::newRow("web picture over the base")
            << 8 << 4 << "l.ComposeGfx('Base', web2, 5, 1)" << Rows({"RRRRRRRR", "RRRRRBBR", "RRRRRBBR", "RRRRRRRR"});
        QTest::newRow("web picture under the base") << 8 << 4 << "l.ComposeGfx('Holed', web2, 3, 1, -1, '', true)"
                                                    << Rows({"....RRRR", "...BRRRR", "...BRRRR", "....RRRR"});
        QTest::newRow("web picture scaled to cover") << 8 << 4 << "l.ComposeGfx('Base', webWide, 0, 0, 2)"
                                                     << Rows({"BBBBRRRR", "BBBBRRRR", "RRRRRRRR", "RRRRRRRR"});
        QTest::newRow("web picture without base")
            << 8 << 4 << "l.ComposeGfx('NoSuchGfx', web2, 0, 0)" << Rows({"BB", "BB"});
    }
    void composition() {
        QFETCH(int, w);
        QFETCH(int, h);
        QFETCH(QString, call);
        QFETCH(QString, golden);
        LEGfx* e = Element(w, h);
        QImage left = Solid(8, 4, Qt::transparent);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x)
                left.setPixelColor(x, y, Qt::black);
        Run(QStringLiteral("var blue16 = '%1', leftMask = '%2', web2 = 'file://%3', webWide = 'file://%4';")
                .arg(File("blue16.png", Solid(16, 16, Qt::blue)), File("leftmask.png", left),
                     File("web2.png", Solid(2, 2, Qt::blue)), File("wide.png", Solid(4, 2, Qt::blue))));
        Run(call);
        QCOMPARE(Art(e->MainImage().Image), golden);
        if (call.contains(QLatin1String("LoadGfxP")))
            QCOMPARE(Art(e->PressedImage().Image), Rows({".BB.", ".BB."}));
        if (golden != QLatin1String("null") && !call.contains(QLatin1String("LoadGfxP")))
            QCOMPARE(e->Layout().Gfx, QStringLiteral("None"));
        delete e;
    }

    void tintReachesEveryVisiblePixel() {
        LEGfx* e = Element(8, 4);
        const QString white = File("white.png", Solid(16, 16, Qt::white));
        QImage reference = Solid(1, 1, Qt::white);
        ImgData::Colorize(reference, QColor(Qt::red));
        Run(QStringLiteral("l.LoadGfx('%1', '', 1.0, 0, 0, 0x1, '#ff0000')").arg(white));
        const QImage img = e->MainImage().Image.convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(QColor::fromRgba(img.pixel(0, 0)), QColor::fromRgba(reference.pixel(0, 0)));
        QCOMPARE(QColor::fromRgba(img.pixel(3, 3)), QColor::fromRgba(reference.pixel(0, 0)));
        QCOMPARE(qAlpha(img.pixel(4, 0)), 0);
        delete e;
    }

    void repeatedCallReusesItsResultUntilTheFileChanges() {
        LEGfx* e = Element(8, 4);
        const QString path = File("changing.png", Solid(8, 8, Qt::blue));
        const QString call = QStringLiteral("l.LoadGfx('%1', '', 1.0, 0, 0, 0x1, '')").arg(path);
        Run(call);
        const QImage first = e->MainImage().Image;
        Run(call);
        QCOMPARE(e->MainImage().Image.cacheKey(), first.cacheKey());
        // New contents with a new modification time are composed again.
        QVERIFY(Solid(8, 8, Qt::red).save(path, "PNG"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime));
        f.close();
        Run(call);
        QCOMPARE(Art(e->MainImage().Image), Rows({"RRRR....", "RRRR....", "RRRR....", "RRRR...."}));
        delete e;
    }

    // With parameters a file's picture is kept per element size; after the file changed, the element that reads
    // it second shows the new contents too.
    void changedFileReachesEveryElementThatLoadsItWithParameters() {
        LEGfx* a = Element(8, 4);
        Run(QStringLiteral("var la = l;"));
        LEGfx* b = Element(4, 2);
        const QString path = File("shared.png", Solid(8, 8, Qt::blue));
        const QDateTime stamp = QDateTime::currentDateTime().addSecs(-100);
        QVERIFY(SetTime(path, stamp));
        const QString callA =
            QStringLiteral("la.LoadGfx('%1', '', 1.0, 0, 0, 0x12, '', '{\"Tiling\":\"Scale\"}')").arg(path);
        const QString callB =
            QStringLiteral("l.LoadGfx('%1', '', 1.0, 0, 0, 0x12, '', '{\"Tiling\":\"Scale\"}')").arg(path);
        Run(callA);
        Run(callB);
        QCOMPARE(Art(b->MainImage().Image), Rows({"BBBB", "BBBB"}));
        QVERIFY(Solid(8, 8, Qt::red).save(path, "PNG"));
        QVERIFY(SetTime(path, stamp.addSecs(50)));
        Run(callA);
        Run(callB);
        QCOMPARE(Art(a->MainImage().Image), Rows({"RRRRRRRR", "RRRRRRRR", "RRRRRRRR", "RRRRRRRR"}));
        QCOMPARE(Art(b->MainImage().Image), Rows({"RRRR", "RRRR"}));
        delete a;
        delete b;
    }

    void elementsLoadingInTurnDoNotDecodeAgain() {
        LEGfx* a = Element(8, 4);
        Run(QStringLiteral("var la = l;"));
        LEGfx* b = Element(8, 4);
        // Two files with different times, as two controls of a grid show them.
        const QString first = File("turn-a.png", Solid(8, 8, Qt::blue));
        const QString second = File("turn-b.png", Solid(8, 8, Qt::blue));
        const QDateTime stamp = QDateTime::currentDateTime().addSecs(-100);
        QVERIFY(SetTime(first, stamp));
        QVERIFY(SetTime(second, stamp.addSecs(50)));
        const QString callA = QStringLiteral("la.LoadGfx('%1', '', 1.0, 0, 0, 0x1, '')").arg(first);
        const QString callB = QStringLiteral("l.LoadGfx('%1', '', 1.0, 0, 0, 0x1, '')").arg(second);
        Run(callA);
        Run(callB);
        // New contents under the old time: a decode would show them, the kept picture does not.
        QVERIFY(Solid(8, 8, Qt::red).save(first, "PNG"));
        QVERIFY(SetTime(first, stamp));
        Run(callA);
        Run(callB);
        QCOMPARE(Art(a->MainImage().Image), Rows({"BBBB....", "BBBB....", "BBBB....", "BBBB...."}));
        QCOMPARE(Art(b->MainImage().Image), Rows({"BBBB....", "BBBB....", "BBBB....", "BBBB...."}));
        delete a;
        delete b;
    }

    void absolutePathOutsideTheProgramFolders() {
        LEGfx* e = Element(8, 4);
        QTemporaryDir elsewhere;
        const QString path = elsewhere.filePath(QStringLiteral("outside.png"));
        QVERIFY(Solid(4, 4, Qt::blue).save(path, "PNG"));
        QVERIFY(!path.startsWith(PluginTools::GetDataPath()));
        Run(QStringLiteral("l.LoadGfx('%1', '', 1.0, 0, 0, 0x1, '')").arg(path));
        QCOMPARE(Art(e->MainImage().Image), Rows({"BBBB....", "BBBB....", "BBBB....", "BBBB...."}));
        // The three-argument form finds the same file.
        Run(QStringLiteral("l.LoadGfx('%1', '', 0)").arg(path));
        QCOMPARE(Art(e->MainImage().Image), Rows({"..BBBB..", "..BBBB..", "..BBBB..", "..BBBB.."}));

        // A picture that does not load says so, once however often a script asks for it.
        LogCapture log;
        const QString missing = elsewhere.filePath(QStringLiteral("missing.png"));
        QFile broken(elsewhere.filePath(QStringLiteral("broken.png")));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("no picture");
        broken.close();
        for (int i = 0; i < 3; ++i) {
            Run(QStringLiteral("l.LoadGfx('%1', '', 1.0, 0, 0, 0x1, '')").arg(missing));
            Run(QStringLiteral("l.LoadGfx('%1', '', 1.0, 0, 0, 0x1, '')").arg(broken.fileName()));
        }
        QCOMPARE(log.Count(QStringLiteral("cannot load picture:")), 2);
        QCOMPARE(log.Count(missing), 1);
        delete e;
    }

    void webPictureNotThereYetShowsTheBase() {
        LEGfx* e = Element(8, 4);
        QCOMPARE(Run("l.ComposeGfx('Holed', 'http://127.0.0.1:1/never.png', 0, 0)").toBool(), false);
        QCOMPARE(e->Layout().Gfx, QStringLiteral("Holed"));
        delete e;
    }

    void oversizeRequestsAreRefused() {
        LEGfx* e = Element(8, 4);
        const QString path = File("small.png", Solid(2, 2, Qt::blue));
        Run(QStringLiteral("l.LoadGfx('%1', '', -100000, 0, 0, 0x1, '')").arg(path));
        QVERIFY(e->MainImage().Image.isNull());
        QCOMPARE(Run(QStringLiteral("l.ComposeGfx('Base', 'file://%1', 0, 0, 100000)").arg(path)).toBool(), false);
        delete e;
    }
};

QTEST_MAIN(TestScriptCompose)
#include "test_scriptcompose.moc"
