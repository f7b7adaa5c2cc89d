// The default configuration of data/ loaded by the configuration model as the program loads it: every enum
// text, inheritance, file, graphic and grid signature must be understood without a complaint in the log, the
// layouts must fit their controls, the graphics must compose at the sizes the layouts ask for, and the
// application skin must give the tab and deck images of the three grids.

#include "config/datacfgrecords.h"
#include "config/gfxcache.h"
#include "foundation/json.h"
#include "functions/plugintools.h"
#include "runtime/imgdatamgr.h"
#include "runtime/imgdatamgrgfxstore.h"
#include "tests/config/cfgtestutil.h"

#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QtTest>

using DC = DataCfg;

namespace {

QString dataDir() {
    return QDir::cleanPath(QStringLiteral(MERVEX_TEST_SOURCE_DIR) + QStringLiteral("/../../data"));
}

const char* const kComplaints[] = {"Unknown Enum",   "Inherit not found",     "Missing file",
                                   "File not found", "Missing AppSkin Entry", "Missing Parent AppSkin"};

} // namespace

class TestDefaultCfgRead : public QObject {
    Q_OBJECT
    ImgDataMgrGfxStore m_store; // as program entry installs it: graphics compose into the image manager

    ImgDataMgr* m_images = nullptr; // composed graphics register here
    DataCfg* m_cfg = nullptr;
    LogCapture* m_log = nullptr;

    void VerifyQuiet() {
        for (const char* c : kComplaints)
            QVERIFY2(!m_log->Has(QLatin1String(c)), qPrintable(m_log->Lines().join(QLatin1Char('\n'))));
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
        GfxCache::SetStore(&m_store);
        m_images = new ImgDataMgr(this);
        m_cfg = new DataCfg(this);
        m_log = new LogCapture;
        PluginTools::SetDataPath(dataDir()); // where the grid signatures are looked for
        m_cfg->LoadDataFolder(dataDir());
    }

    void cleanupTestCase() {
        GfxCache::SetStore(nullptr);
        delete m_log;
    }

    void recordsReadWithoutComplaint() {
        QCOMPARE(m_cfg->Controls().size(), 12);
        QCOMPARE(m_cfg->Grids().size(), 3);
        for (const DC::TGrid& g : m_cfg->Grids())
            QVERIFY2(g.Signed, qPrintable(g.GetDisplayName() + " does not verify: sign the grids again"));
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

    // Every declared handler resolves in the engine of its script, which evaluates without an error.
    void scriptsLoadAndResolve() {
        QCOMPARE(m_cfg->Scripts().size(), 3);
        for (DC::TScript& script : m_cfg->Scripts()) {
            for (const DC::TScriptFunc& f : script.Functions)
                QVERIFY2(m_cfg->GetScriptEngine(script.Set + QLatin1Char(':') + f.Name), qPrintable(f.Name));
            QVERIFY2(script.Loaded, qPrintable(script.Rsc));
        }
        VerifyQuiet();
    }

    // A bar or percentage tile shows nothing unless its output is a fraction from 0 to 1.
    void maskedFiguresArePercentages() {
        for (const QString name : {"CPU_Load", "RAM_Load", "Volume_Main", "Volume_Micro", "Volume_Music"}) {
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

    // Labels and figures must fit their text layouts in the shipped fonts, with every set of option values
    // that a grid placement or the control list gives the control.
    void textsFitTheirLayouts() {
        QList<QPair<DC::TControl, QVariantMap>> uses;
        for (const DC::TControl& c : m_cfg->Controls())
            uses.append({c, QVariantMap()});
        for (const DC::TGrid& g : m_cfg->Grids())
            for (const DC::TGridElem& e : g.Elements)
                uses.append({m_cfg->FindControl(e.Control), e.Config});
        for (const DC::TCtrlRef& ref : m_cfg->CtrlSets().first().Elements)
            uses.append({m_cfg->FindControl(ref.Control), ref.Config});

        for (auto& use : uses) {
            DC::TControl& c = use.first;
            c.Config.SetValues(use.second);
            const QVariantMap values = c.Config.GetValues();
            DC::TSkin skin = m_cfg->FindSkin(c.Skins.value(0), c.Set);
            for (DC::TLayout& l : skin.Layouts) {
                if (l.Type != DC::LT_Text)
                    continue;
                QString text = values.value(QStringLiteral("LE_txt/") + l.Name, l.Text).toString();
                // The widest figure a placeholder shows: a percentage or five digits of megabytes.
                text.replace(QStringLiteral("$(0)%"), QStringLiteral("100%"));
                text.replace(QStringLiteral("$(0)"), QStringLiteral("88888"));
                const DC::TFont font = m_cfg->FindFont(l.Font, l.Set);
                QFont f(font.Type);
                f.setPixelSize(l.FontSize);
                f.setWeight(font.Weight);
                const QRect r = l.GetRect(skin.Size.width(), skin.Size.height());
                const int flags = l.State & DC::TLayout::SB_WordWrap ? int(Qt::TextWordWrap) : 0;
                const QRect need = QFontMetrics(f).boundingRect(QRect(0, 0, r.width(), 10000), flags, text);
                const QString where = c.Name + QLatin1Char('/') + l.Name + QStringLiteral(": ") + text;
                QVERIFY2(need.width() <= r.width() && need.height() <= r.height(), qPrintable(where));
            }
        }
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
