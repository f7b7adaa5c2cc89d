// The configuration model object: lookups with their fallbacks, copies, the user's list, strings, macros.
#include "config/datacfgrecords.h"
#include "tests/config/cfgtestutil.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {
template <class T> void Add(QList<T>& list, const QString& set, const QString& name, const QString& tag = QString()) {
    T r;
    r.NewId();
    r.Name = name;
    r.Set = set;
    r.Title = tag;
    list.append(r);
}
} // namespace

class TestDataCfg : public QObject {
    Q_OBJECT
private slots:
    void instancePointer() {
        QVERIFY(!DataCfg::Instance());
        {
            DataCfg cfg;
            QCOMPARE(DataCfg::Instance(), &cfg);
        }
        QVERIFY(!DataCfg::Instance());
    }

    void lookupFallbacks_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("set");
        QTest::addColumn<QString>("title");
        QTest::newRow("set B") << "B:Volume"
                               << ""
                               << "b";
        QTest::newRow("bare finds first read") << "Volume"
                                               << ""
                                               << "a";
        QTest::newRow("bare with set arg") << "Volume"
                                           << "B"
                                           << "b";
        QTest::newRow("unknown set falls back") << "C:Volume"
                                                << ""
                                                << "a";
        QTest::newRow("two colons") << "A:x:y"
                                    << ""
                                    << "colon";
        QTest::newRow("case sensitive") << "volume"
                                        << ""
                                        << "";
        QTest::newRow("unknown") << "Nope"
                                 << ""
                                 << "";
    }
    void lookupFallbacks() {
        DataCfg cfg;
        Add(cfg.DataSources(), "A", "Volume", "a");
        Add(cfg.DataSources(), "B", "Volume", "b");
        Add(cfg.DataSources(), "A", "x:y", "colon");
        QFETCH(QString, key);
        QFETCH(QString, set);
        QFETCH(QString, title);
        const DataCfg::TDataSource found = cfg.FindDataSource(key, set);
        QCOMPARE(found.Title, title);
        if (title.isEmpty()) {
            QCOMPARE(found.id, -1);
            QVERIFY(found.Name.isEmpty());
        }
    }

    void emptyRecordsAndCopies() {
        DataCfg cfg;
        QCOMPARE(cfg.FindSkin(QStringLiteral("x")).Size, QSize(-1, -1));
        QCOMPARE(cfg.FindFont(QStringLiteral("x")).Weight, 50);
        QCOMPARE(cfg.FindFont(QStringLiteral("x")).Style, 0);
        QCOMPARE(cfg.FindGrid(QStringLiteral("x")).Height, 5);
        QCOMPARE(cfg.FindControl(QStringLiteral("x")).id, -1);
        QVERIFY(cfg.FindFunction(QStringLiteral("x")).Outputs.isEmpty());
        QVERIFY(cfg.FindAppSkin(QStringLiteral("x")).Entries.isEmpty());
        QVERIFY(!cfg.FindCtrlSet(QStringLiteral("x")).UserList);
        QCOMPARE(cfg.FindGfx(QStringLiteral("x"), QString(), true).Tiling, -1);

        Add(cfg.Grids(), "S", "G", "t");
        DataCfg::TGrid copy = cfg.FindGrid(QStringLiteral("S:G"));
        copy.Title = QStringLiteral("changed");
        copy.Elements.append(DataCfg::TGridElem());
        QCOMPARE(cfg.Grids()[0].Title, QStringLiteral("t"));
        QVERIFY(cfg.Grids()[0].Elements.isEmpty());
    }

    void gfxResolveLoadsOnce() {
        QTemporaryDir dir;
        QImage img(4, 3, QImage::Format_ARGB32);
        img.fill(Qt::red);
        QVERIFY(img.save(dir.filePath(QStringLiteral("btn.png"))));
        DataCfg cfg;
        DataCfg::TGfx gfx;
        gfx.Read(J("{'Name':'Btn','Rsc':'btn'}"), dir.path());
        gfx.Set = QStringLiteral("S");
        cfg.Gfxs().append(gfx);

        QVERIFY(cfg.FindGfx(QStringLiteral("Btn")).Image.isNull()); // without the flag nothing loads
        const DataCfg::TGfx first = cfg.FindGfx(QStringLiteral("Btn"), QString(), true);
        QCOMPARE(first.Rsc, dir.path() + QStringLiteral("/btn.png"));
        QCOMPARE(first.Image.size(), QSize(4, 3));
        QCOMPARE(first.Size, QRect(0, 0, 4, 3));
        QVERIFY(QFile::remove(dir.filePath(QStringLiteral("btn.png"))));
        // Loaded in the list: the file is not read again.
        const DataCfg::TGfx second = cfg.FindGfx(QStringLiteral("Btn"), QString(), true);
        QCOMPARE(second.Image.cacheKey(), first.Image.cacheKey());
        QVERIFY(!cfg.FindGfx(QStringLiteral("Btn")).Image.isNull());
    }

    void windowsResourceNamesResolve_data() {
        QTest::addColumn<QString>("rsc");
        QTest::addColumn<QString>("expected"); // below the declaring folder; empty: not found
        QTest::newRow("backslashes, other case") << "images\\btn.PNG"
                                                 << "Images/Btn.png";
        QTest::newRow("without extension") << "IMAGES\\BTN"
                                           << "Images/Btn.png";
        QTest::newRow("exact") << "Images/Btn.png"
                               << "Images/Btn.png";
        QTest::newRow("missing") << "images\\other.png"
                                 << "";
    }
    void windowsResourceNamesResolve() {
        QFETCH(QString, rsc);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("Images"))));
        QImage img(4, 3, QImage::Format_ARGB32);
        img.fill(Qt::red);
        QVERIFY(img.save(dir.filePath(QStringLiteral("Images/Btn.png"))));
        DataCfg cfg;
        DataCfg::TGfx gfx;
        gfx.Read(QVariantMap{{QStringLiteral("Name"), QStringLiteral("Btn")}, {QStringLiteral("Rsc"), rsc}},
                 dir.path());
        gfx.Set = QStringLiteral("S");
        cfg.Gfxs().append(gfx);
        const DataCfg::TGfx loaded = cfg.FindGfx(QStringLiteral("Btn"), QString(), true);
        QCOMPARE(loaded.Found, !expected.isEmpty());
        if (!expected.isEmpty()) {
            QCOMPARE(loaded.Rsc, dir.path() + QLatin1Char('/') + expected);
            QCOMPARE(loaded.Image.size(), QSize(4, 3));
        }
    }

    void fontResolve() {
        QTemporaryDir dir;
        QFile f(dir.filePath(QStringLiteral("face.ttf")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        DataCfg cfg;
        DataCfg::TFont font;
        font.Read(J("{'Name':'F','Rsc':'face.ttf','Weight':'Bold','Style':'Italic','Type':'Face'}"), dir.path());
        cfg.Fonts().append(font);
        QCOMPARE(cfg.FindFont(QStringLiteral("F")).Rsc, QStringLiteral("face.ttf"));
        const DataCfg::TFont resolved = cfg.FindFont(QStringLiteral("F"), QString(), true);
        QCOMPARE(resolved.Rsc, dir.path() + QStringLiteral("/face.ttf"));
        QCOMPARE(resolved.Weight, 75);
        QCOMPARE(resolved.Style, 1);
        QCOMPARE(resolved.Type, QStringLiteral("Face"));
        QVERIFY(cfg.Fonts()[0].Resolved);
    }

    void myControlsSet() {
        DataCfg cfg;
        DataCfg::TCtrlSet other;
        other.Name = QStringLiteral("Media");
        cfg.CtrlSets().append(other);
        DataCfg::TCtrlSet& mine = cfg.GetMyControlsSet();
        QVERIFY(mine.UserList);
        QCOMPARE(mine.Name, QStringLiteral("@My Controls"));
        QCOMPARE(mine.id, -1);
        mine.Elements.append(DataCfg::TCtrlRef());
        QCOMPARE(cfg.CtrlSets().size(), 2);
        QCOMPARE(&cfg.GetMyControlsSet(), &mine);
        QCOMPARE(cfg.GetMyControlsSet().Elements.size(), 1);
        QCOMPARE(cfg.CtrlSets().size(), 2);
    }

    void ctrlSetOfControl() {
        DataCfg cfg;
        DataCfg::TCtrlSet a, b;
        a.Name = QStringLiteral("A");
        a.Read(J("{'Name':'A','Elements':[{'Name':'x'},{'Name':'vol'}]}"));
        b.Read(J("{'Name':'B','Elements':[{'Name':'vol'}]}"));
        b.UserList = true;
        cfg.CtrlSets() << a << b;
        int index = 7;
        QCOMPARE(cfg.FindCtrlSetOfControl(QStringLiteral("vol"), &index, false).Name, QStringLiteral("A"));
        QCOMPARE(index, 1);
        QCOMPARE(cfg.FindCtrlSetOfControl(QStringLiteral("vol"), &index, true).Name, QStringLiteral("B"));
        QCOMPARE(index, 0);
        const DataCfg::TCtrlSet none = cfg.FindCtrlSetOfControl(QStringLiteral("x"), &index, true);
        QCOMPARE(none.id, -1);
        QCOMPARE(index, -1);
    }

    void strings() {
        DataCfg cfg;
        cfg.Strings().insert(QStringLiteral("S:hello"), QStringLiteral("Hi"));
        cfg.Strings().insert(QStringLiteral(":bare"), QStringLiteral("@Bare"));
        QCOMPARE(cfg.GetString(QStringLiteral("S:hello")), QStringLiteral("Hi"));
        QCOMPARE(cfg.GetString(QStringLiteral("hello"), QStringLiteral("S")), QStringLiteral("Hi"));
        QCOMPARE(cfg.GetString(QStringLiteral("bare")), QStringLiteral("Bare"));
        QVERIFY(cfg.GetString(QStringLiteral("hello")).isEmpty()); // no fallback by name
    }

    void findMacro_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("data");
        QTest::newRow("prefixed") << "Macro:Media/Play"
                                  << "d1";
        QTest::newRow("prefixed blank") << "Macro: Media/Play"
                                        << "d1";
        QTest::newRow("bare") << "Media/Play"
                              << "d1";
        QTest::newRow("with semicolon") << "Media/Play;"
                                        << "";
        QTest::newRow("no slash") << "MediaPlay"
                                  << "";
        QTest::newRow("empty") << "Macro:"
                               << "";
        QTest::newRow("other") << "Media/Stop"
                               << "";
    }
    void findMacro() {
        DataCfg cfg;
        cfg.SetMacro(QStringLiteral("Macro:Media/Play"), QStringLiteral("d1"));
        QFETCH(QString, text);
        QTEST(cfg.FindMacro(text).Data, "data");
    }

    void setMacro() {
        DataCfg cfg;
        cfg.SetMacro(QStringLiteral("Macro: Tools/Two  blanks"), QStringLiteral("a"));
        QCOMPARE(cfg.UserCfg().Macros.size(), 1);
        QCOMPARE(cfg.UserCfg().Macros[0].Name, QStringLiteral("Two blanks"));
        QCOMPARE(cfg.UserCfg().Macros[0].Category, QStringLiteral("Tools"));
        cfg.SetMacro(QStringLiteral("Tools/Two blanks"), QStringLiteral("b"));
        QCOMPARE(cfg.UserCfg().Macros.size(), 1);
        QCOMPARE(cfg.UserCfg().Macros[0].Data, QStringLiteral("b"));
        cfg.SetMacro(QStringLiteral("a/b/c"), QStringLiteral("x"));
        cfg.SetMacro(QStringLiteral("/b"), QStringLiteral("x"));
        cfg.SetMacro(QString(), QStringLiteral("x"));
        QCOMPARE(cfg.UserCfg().Macros.size(), 1);
        QCOMPARE(cfg.FindMacroByData(QStringLiteral("b")).Name, QStringLiteral("Two blanks"));
        QCOMPARE(cfg.FindMacroByData(QStringLiteral("zz")).id, -1);
    }
};

QTEST_MAIN(TestDataCfg)
#include "test_datacfg.moc"
