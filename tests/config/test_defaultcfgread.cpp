// The default configuration of data/ read by the configuration model's own record readers: every enum text,
// inheritance, file and graphic must be understood without a complaint in the log, the layouts must fit
// their controls, the graphics must compose at the sizes the layouts ask for, and the application skin
// must give the tab and deck images of the three grids.

#include "cfgtestutil.h"
#include "datacfgrecords.h"
#include "imgdatamgr.h"
#include "json.h"

#include <QDir>
#include <QFile>
#include <QtTest>

using DC = DataCfg;

namespace {

QString dataDir() {
    return QDir::cleanPath(QStringLiteral(MERVEX_TEST_SOURCE_DIR) + QStringLiteral("/../../data"));
}

QVariantMap ReadJson(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString error;
    const QVariant v = JsonParseText(QString::fromUtf8(file.readAll()), error);
    return error.isEmpty() ? v.toMap() : QVariantMap();
}

QList<QVariantMap> Maps(const QVariant& list) {
    QList<QVariantMap> out;
    for (const QVariant& v : list.toList())
        out << v.toMap();
    return out;
}

// Fills the model with one include file and what it includes, section by section in the loader's order:
// a set before or after reading as each record kind wants, graphics and controls starting from the record
// they inherit.
void LoadIncludeFile(DataCfg& cfg, const QString& folder, const QString& fileName) {
    const QVariantMap top = ReadJson(folder + QLatin1Char('/') + fileName);
    QVERIFY2(!top.isEmpty(), qPrintable(fileName));
    const QString set = top.value(QStringLiteral("Name")).toString();
    for (const QVariantMap& m : Maps(top.value(QStringLiteral("Functions")))) {
        cfg.Functions().append(DC::TFunction());
        cfg.Functions().last().Read(m);
        cfg.Functions().last().Set = set;
    }
    int index = 0;
    for (const QVariantMap& m : Maps(top.value(QStringLiteral("Fonts")))) {
        cfg.Fonts().append(DC::TFont());
        cfg.Fonts().last().Read(m, folder);
        cfg.Fonts().last().Set = set;
        cfg.Fonts().last().Index = index++;
    }
    for (const QVariantMap& m : Maps(top.value(QStringLiteral("Gfxs")))) {
        cfg.Gfxs().append(cfg.FindGfx(m.value(QStringLiteral("Inherit")).toString(), set));
        cfg.Gfxs().last().Read(m, folder);
        cfg.Gfxs().last().Set = set;
    }
    for (const QVariantMap& m : Maps(top.value(QStringLiteral("Skins")))) {
        cfg.Skins().append(DC::TSkin());
        cfg.Skins().last().Set = set;
        cfg.Skins().last().Read(m);
    }
    const QVariantMap strings = top.value(QStringLiteral("Strings")).toMap();
    for (auto it = strings.cbegin(); it != strings.cend(); ++it)
        cfg.Strings().insert(set + QLatin1Char(':') + it.key(), it.value().toString());
    for (const QVariantMap& m : Maps(top.value(QStringLiteral("Controls")))) {
        cfg.Controls().append(cfg.FindControl(m.value(QStringLiteral("Inherit")).toString(), set));
        cfg.Controls().last().Read(m);
        cfg.Controls().last().Set = set;
    }
    for (DC::TControl& c : cfg.Controls())
        c.Config.ExpandSubConfigs();
    for (const QVariant& inc : top.value(QStringLiteral("Includes")).toList()) {
        const QString text = inc.toString();
        const int slash = text.lastIndexOf(QLatin1Char('/'));
        LoadIncludeFile(cfg, slash < 0 ? folder : folder + QLatin1Char('/') + text.left(slash), text.mid(slash + 1));
    }
    for (const QVariant& list : top.value(QStringLiteral("CtrlSets")).toList()) {
        cfg.CtrlSets().append(DC::TCtrlSet());
        cfg.CtrlSets().last().Read(ReadJson(folder + QLatin1Char('/') + list.toString()));
    }
}

const char* const kComplaints[] = {"Unknown Enum",   "Inherit not found",     "Missing file",
                                   "File not found", "Missing AppSkin Entry", "Missing Parent AppSkin"};

} // namespace

class TestDefaultCfgRead : public QObject {
    Q_OBJECT

    ImgDataMgr* m_images = nullptr; // composed graphics register here
    DataCfg* m_cfg = nullptr;
    LogRecorder* m_log = nullptr;

    void VerifyQuiet() {
        for (const char* c : kComplaints)
            QVERIFY2(!m_log->Has(QLatin1String(c)), qPrintable(m_log->lines.join(QLatin1Char('\n'))));
    }

    // Every control that shows a skin, with the scene size of the control in pixels.
    QList<QPair<DC::TSkin, QSize>> SkinsInUse() {
        QList<QPair<DC::TSkin, QSize>> out;
        for (const DC::TControl& c : m_cfg->Controls())
            for (const QString& s : c.Skins)
                out.append({m_cfg->FindSkin(s, c.Set), c.Size * 160});
        return out;
    }

private slots:
    void initTestCase() {
        m_images = new ImgDataMgr(this);
        m_cfg = new DataCfg(this);
        m_log = new LogRecorder;
        LoadIncludeFile(*m_cfg, dataDir(), QStringLiteral("mainCfg.json"));
        const QVariantMap skins = ReadJson(dataDir() + QStringLiteral("/skinCfg.json"));
        for (const QVariantMap& m : Maps(skins.value(QStringLiteral("AppSkins")))) {
            m_cfg->AppSkins().append(DC::TAppSkin());
            m_cfg->AppSkins().last().Read(m, dataDir());
            m_cfg->AppSkins().last().Set = skins.value(QStringLiteral("Name")).toString();
        }
        const QVariantMap grids = ReadJson(dataDir() + QStringLiteral("/gridCfg.json"));
        for (const QVariantMap& m : Maps(grids.value(QStringLiteral("Grids")))) {
            m_cfg->Grids().append(DC::TGrid());
            m_cfg->Grids().last().Read(m);
            m_cfg->Grids().last().Set = grids.value(QStringLiteral("Name")).toString();
        }
    }

    void cleanupTestCase() { delete m_log; }

    void recordsReadWithoutComplaint() {
        QCOMPARE(m_cfg->Controls().size(), 10);
        QCOMPARE(m_cfg->Grids().size(), 3);
        QCOMPARE(m_cfg->CtrlSets().size(), 1);
        QVERIFY(!m_cfg->FindControl(QStringLiteral("Popup_Msg"), QStringLiteral("MVX_Popup")).Name.isEmpty());
        QVERIFY(!m_cfg->FindAppSkin(QStringLiteral("Mervex Default")).Name.isEmpty());
        for (const DC::TFunction& f : m_cfg->Functions())
            for (const DC::TFuncOutput& o : f.Outputs)
                QVERIFY2(o.Type >= DC::OT_String, qPrintable(f.Name));
        for (DC::TFont& f : m_cfg->Fonts())
            QVERIFY2(f.Weight != DC::FW_None && f.Style != DC::FS_None && f.Resolve(), qPrintable(f.Name));
        for (const DC::TControl& c : m_cfg->Controls())
            for (const DC::TConfigOption& o : c.Config.Options)
                QVERIFY2(o.Type != DC::CO_None, qPrintable(c.Name + QLatin1Char('/') + o.Name));
        VerifyQuiet();
    }

    // A bar or percentage tile shows nothing unless its output is a fraction from 0 to 1.
    void maskedFiguresArePercentages() {
        for (const QString& name : {"CPU_Load", "RAM_Load", "Volume_Main", "Volume_Micro", "Volume_Music"}) {
            const DC::TFunction f = m_cfg->FindFunction(name, QStringLiteral("MVX_Base"));
            QCOMPARE(f.Outputs.size(), 1);
            QCOMPARE(f.Outputs.first().Type, int(DC::OT_Percent));
            QCOMPARE(f.Outputs.first().RangeMax, 1.0);
        }
    }

    void inheritingControlsKeepTheirOwnValues() {
        DC::TControl mic = m_cfg->FindControl(QStringLiteral("Mic Mute Toggle"), QStringLiteral("MVX_Base"));
        QCOMPARE(mic.Functions, QStringList{QStringLiteral("Mute_Micro")});
        QCOMPARE(mic.Config.GetValues().value(QStringLiteral("Channel")).toString(), QStringLiteral("Micro"));
        DC::TControl ram = m_cfg->FindControl(QStringLiteral("Memory Meter"), QStringLiteral("MVX_Base"));
        QCOMPARE(ram.Config.GetValues().value(QStringLiteral("Function")).toString(), QStringLiteral("RAM_Load"));
        QCOMPARE(ram.Config.Options.size(), 2);
        const DC::TGfx pressed = m_cfg->FindGfx(QStringLiteral("BtnFaceP"), QStringLiteral("MVX_Base"));
        QCOMPARE(pressed.Tiling, int(DC::GT_3x3));
        QCOMPARE(pressed.Tiles.size(), 9);
        const DC::TGfx panel = m_cfg->FindGfx(QStringLiteral("PopupBG"), QStringLiteral("MVX_Popup"));
        QCOMPARE(panel.Tiles.size(), 9);
    }

    void layoutsFitTheirControls() {
        for (const auto& use : SkinsInUse()) {
            DC::TSkin skin = use.first;
            QVERIFY2(!skin.Name.isEmpty(), "a control names a skin that does not exist");
            QCOMPARE(skin.Size, use.second);
            for (DC::TLayout& l : skin.Layouts) {
                const QString where = skin.Name + QLatin1Char('/') + l.Name;
                QVERIFY2(l.Type >= DC::LT_Text && l.Type <= DC::LT_Internal, qPrintable(where));
                QVERIFY2(l.Align != DC::LA_None && l.TextAlign != DC::LA_None, qPrintable(where));
                const QRect r = l.GetRect(use.second.width(), use.second.height());
                QVERIFY2(QRect(QPoint(0, 0), use.second).contains(r) && !r.isEmpty(), qPrintable(where));
                if (l.Type == DC::LT_Text) {
                    QVERIFY2(l.Color.alpha() == 255, qPrintable(where));
                    QCOMPARE(m_cfg->FindFont(l.Font, l.Set).Type, QStringLiteral("DejaVu Sans"));
                }
            }
        }
        VerifyQuiet();
    }

    void graphicsComposeAtTheirLayoutSizes() {
        for (const auto& use : SkinsInUse()) {
            DC::TSkin skin = use.first;
            for (DC::TLayout& l : skin.Layouts) {
                if (l.Type != DC::LT_Gfx)
                    continue;
                const QRect r = l.GetRect(use.second.width(), use.second.height());
                for (const QString& name : {l.Gfx, l.GfxP, l.GfxA}) {
                    if (name.isEmpty())
                        continue; // set by the skin's script
                    DC::TGfx g = m_cfg->FindGfx(name, l.Set, true);
                    QVERIFY2(!g.Name.isEmpty() && g.GetImage().width() > 1, qPrintable(name));
                    const QImage img = g.GetImageTiled(r.width(), r.height());
                    const QString where = skin.Name + QLatin1Char('/') + l.Name + QLatin1Char(' ') + name;
                    QVERIFY2(img.width() == r.width() && img.height() == r.height(), qPrintable(where));
                    // Faces and bars have rounded corners and a solid middle at any size.
                    if (g.Tiling == DC::GT_3x3 || g.Tiling == DC::GT_3x1) {
                        QVERIFY2(qAlpha(img.pixel(0, 0)) == 0, qPrintable(where));
                        QVERIFY2(qAlpha(img.pixel(img.width() / 2, img.height() / 2)) == 255, qPrintable(where));
                        QVERIFY2(qAlpha(img.pixel(img.width() - 1, img.height() - 1)) == 0, qPrintable(where));
                    }
                }
            }
        }
        for (DC::TGfx& g : m_cfg->Gfxs())
            QVERIFY2(g.GetImage().width() > 1, qPrintable(g.Name));
        VerifyQuiet();
    }

    void gridsReadAndPlaceKnownControls() {
        for (const DC::TGrid& g : m_cfg->Grids()) {
            QVERIFY(!g.Title.isEmpty());
            QVERIFY(g.Height >= 5);
            for (const DC::TGridElem& e : g.Elements) {
                DC::TControl c = m_cfg->FindControl(e.Control);
                QVERIFY2(!c.Name.isEmpty(), qPrintable(e.Control));
                // The placement's option values are ones the control knows.
                for (const QString& k : e.Config.keys())
                    QVERIFY2(c.Config.FindOption(k), qPrintable(e.Name + QLatin1Char(' ') + k));
                QVERIFY2(e.Position.x() + c.Size.width() <= 4, qPrintable(e.Name));
            }
            QVERIFY(!JsonSerializeCompact(g.Write()).isEmpty());
        }
        for (const DC::TCtrlRef& ref : m_cfg->CtrlSets().first().Elements)
            QVERIFY2(!m_cfg->FindControl(ref.Control).Name.isEmpty(), qPrintable(ref.Name));
    }

    void appSkinGivesTabAndDeckImages() {
        const DC::TAppSkin skin = m_cfg->FindAppSkin(QStringLiteral("Mervex Default"));
        QCOMPARE(skin.GetTabBG().size(), QSize(160, 140));
        QCOMPARE(skin.GetTabAOvl().size(), QSize(160, 140));
        for (const DC::TGrid& g : m_cfg->Grids()) {
            QCOMPARE(skin.GetDeckBG(g.Background, 640, g.Height * 160).size(), QSize(640, g.Height * 160));
            for (bool active : {false, true}) {
                const QImage icon = skin.GetTabIcon(g.Icon, active);
                QCOMPARE(icon.size(), QSize(160, 140));
                // Half of the 128 px glyph, centred and lifted, so the bottom stays free for the tab's label.
                QRect drawn;
                for (int y = 0; y < icon.height(); ++y)
                    for (int x = 0; x < icon.width(); ++x)
                        if (qAlpha(icon.pixel(x, y)) != 0)
                            drawn |= QRect(x, y, 1, 1);
                QVERIFY2(QRect(48, 10, 64, 64).contains(drawn) && drawn.width() > 40, qPrintable(g.Icon));
            }
        }
        QVERIFY(skin.GetTabIconNames().contains(QStringLiteral("TabIconCustom")));
        VerifyQuiet();
    }
};

QTEST_MAIN(TestDefaultCfgRead)
#include "test_defaultcfgread.moc"
