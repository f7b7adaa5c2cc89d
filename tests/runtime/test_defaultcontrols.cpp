// The default configuration brought to life: every control placed on the three shipped grids is built as a
// real control view with the program's script objects and a stand-in function registry. Each must build
// without a complaint, show the figures and labels of its placement, and turn a touch from the phone into
// the PC function its placement names.

#include "config/datacfgrecords.h"
#include "functions/plugintools.h"
#include "runtime/ctrlview.h"
#include "runtime/dcscriptobjectfactory.h"
#include "runtime/imgdatamgr.h"
#include "runtime/lebase.h"
#include "runtime/letext.h"
#include "tests/runtime/ctrlviewfakes.h"

#include <QDate>
#include <QDir>
#include <QRegularExpression>
#include <QtTest>
#include <memory>

namespace {

QString DataDir() {
    return QDir::cleanPath(QStringLiteral(MERVEX_TEST_SOURCE_DIR "/../../data"));
}

// What a build of a default control must never log.
const char* const kComplaints[] = {"Unknown Function",
                                   "Skin not found",
                                   "Invalid internal",
                                   "Skin Function not found",
                                   "Layout Function not found",
                                   "Control Function not found",
                                   "Missing Script Function",
                                   "Missing Function",
                                   "QScript Error",
                                   "Gfx not found",
                                   "Missing file",
                                   "File not found",
                                   "Unknown Enum"};

} // namespace

class TestDefaultControls : public QObject {
    Q_OBJECT
    DataCfg* m_cfg = nullptr;
    ImgDataMgr* m_images = nullptr;
    FakeRegistry m_registry;

    const DataCfg::TGridElem* Placement(const QString& grid, const QString& name) {
        for (const DataCfg::TGrid& g : m_cfg->Grids())
            if (g.Name == grid)
                for (const DataCfg::TGridElem& e : g.Elements)
                    if (e.Name == name)
                        return &e;
        return nullptr;
    }

    // Builds the placed control as a grid does: its option values under the placement's, then one tick.
    std::unique_ptr<CtrlView> Build(const DataCfg::TGridElem& e) {
        DataCfg::TControl control = m_cfg->FindControl(e.Control);
        control.Config.SetValues(e.Config);
        std::unique_ptr<CtrlView> view(new CtrlView);
        view->SetGridPos(e.Position.x(), e.Position.y());
        view->Init(control);
        view->OnTick(900, 1000);
        view->OnCheckUpdate();
        QVariantMap sources, previous;
        view->BuildViewUpdate(sources, previous); // paints every element without a painter
        return view;
    }

    static LEBase* Element(CtrlView& v, const QString& name) {
        for (LEBase* e : v.Elements())
            if (e->Layout().Name == name)
                return e;
        return nullptr;
    }

    static QString Text(CtrlView& v, const QString& name) {
        LEText* t = dynamic_cast<LEText*>(Element(v, name));
        return t ? t->GetPaintedText() : QStringLiteral("<none>");
    }

private slots:
    void initTestCase() {
        PluginTools::SetDataPath(DataDir() + QLatin1Char('/'));
        DCScriptObjectFactory::Install();
        FuncRegistry::SetInstance(&m_registry);
        m_images = new ImgDataMgr(this);
        m_cfg = new DataCfg(this);
        m_cfg->LoadDataFolder(DataDir());
        QCOMPARE(m_cfg->Grids().size(), 3);
        const QList<QPair<const char*, QVariant>> values = {
            {"DFP:CPU_Usage", 0.23},        {"DFP:RAM_Usage_Prc", 0.57},      {"DFP:RAM_Usage_MB", 9123},
            {"DFP:RAM_Free_MB", 6877},      {"DFP:RAM_Total_MB", 16000},      {"DFP:CPU_Count", 8},
            {"DFP:CPU_Frequency", 3200},    {"DFP:PRC_Count", 312},           {"DFP:SND_Vol_Main_Get", 0.64},
            {"DFP:SND_Vol_Micro_Get", 0.8}, {"DFP:SND_Mute_Main_Get", false}, {"DFP:SND_Mute_Micro_Get", true}};
        for (const auto& v : values)
            m_registry.values.insert(QLatin1String(v.first), v.second);
    }

    void cleanupTestCase() { FuncRegistry::SetInstance(nullptr); }

    void everyPlacementBuildsAndShowsItsValues_data() {
        QTest::addColumn<QString>("grid");
        QTest::addColumn<QString>("name");
        for (const DataCfg::TGrid& g : m_cfg->Grids())
            for (const DataCfg::TGridElem& e : g.Elements)
                QTest::newRow(qPrintable(g.Name + QLatin1Char('/') + e.Name)) << g.Name << e.Name;
    }

    void everyPlacementBuildsAndShowsItsValues() {
        QFETCH(QString, grid);
        QFETCH(QString, name);
        const DataCfg::TGridElem* e = Placement(grid, name);
        QVERIFY(e);
        LogCapture log;
        std::unique_ptr<CtrlView> v = Build(*e);
        for (const char* c : kComplaints)
            QVERIFY2(!log.Has(QLatin1String(c)), qPrintable(log.Lines().join(QLatin1Char('\n'))));
        QVERIFY(!v->Elements().isEmpty());

        // Labels given by the placement.
        const QVariantMap cfg = e->Config;
        for (auto it = cfg.cbegin(); it != cfg.cend(); ++it)
            if (it.key().startsWith(QLatin1String("LE_txt/")))
                QCOMPARE(Text(*v, it.key().mid(7)), it.value().toString());
        // The icon the placement picked.
        if (cfg.contains(QStringLiteral("Icon")))
            QCOMPARE(Element(*v, QStringLiteral("Icon"))->Layout().Gfx, cfg.value(QStringLiteral("Icon")).toString());
        // A figure shows the value of the function record its options bound.
        if (Element(*v, QStringLiteral("Value")) && !v->Functions().isEmpty()) {
            const DataCfg::TFuncOutput& out = v->Functions().first().Outputs.first();
            const QVariant value = m_registry.values.value(out.Name);
            QVERIFY2(value.isValid(), qPrintable(out.Name));
            const QString shown =
                out.Type == DataCfg::OT_Percent ? QString::number(int(value.toDouble() * 100)) : value.toString();
            QVERIFY2(Text(*v, QStringLiteral("Value")).startsWith(shown),
                     qPrintable(Text(*v, QStringLiteral("Value")) + " for " + out.Name));
        }
        if (cfg.contains(QStringLiteral("Function")))
            QCOMPARE(v->Control().Functions, QStringList{cfg.value(QStringLiteral("Function")).toString()});
    }

    void touchesReachThePc_data() {
        QTest::addColumn<QString>("grid");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("element");
        QTest::addColumn<QStringList>("kinds");
        QTest::addColumn<int>("x");
        QTest::addColumn<QString>("call");
        const QStringList tap = {"dn", "up"};
        QTest::newRow("copy") << "Shortcuts"
                              << "Copy"
                              << "Face" << tap << 80 << "DFP:SendShortcut(LCTRL+C)";
        QTest::newRow("task manager") << "Shortcuts"
                                      << "TaskManager"
                                      << "Face" << tap << 80 << "DFP:SendShortcut(LCTRL,LSHIFT+ESC)";
        QTest::newRow("play") << "Media"
                              << "PlayPause"
                              << "Face" << tap << 80 << "DFP:SendShortcut(MEDIAPLAY)";
        // The touch area starts at x 108 of the control and the bar at 124, 400 wide.
        QTest::newRow("volume half") << "Media"
                                     << "Volume"
                                     << "Track" << QStringList{"dn"} << 216 << "DFP:SND_Vol_Main_Set(0.5)";
        QTest::newRow("mic volume drag") << "Media"
                                         << "MicVolume"
                                         << "Track" << QStringList{"dn", "mv"} << 316 << "DFP:SND_Vol_Micro_Set(0.75)";
        QTest::newRow("mute") << "Media"
                              << "Mute"
                              << "Face" << tap << 80 << "DFP:SND_Mute_Main_Set(true)";
        // The microphone is muted on the PC, so the toggle starts pressed and a tap unmutes it.
        QTest::newRow("unmute mic") << "Media"
                                    << "MicMute"
                                    << "Face" << tap << 80 << "DFP:SND_Mute_Micro_Set(false)";
    }

    void touchesReachThePc() {
        QFETCH(QString, grid);
        QFETCH(QString, name);
        QFETCH(QString, element);
        QFETCH(QStringList, kinds);
        QFETCH(int, x);
        QFETCH(QString, call);
        const DataCfg::TGridElem* e = Placement(grid, name);
        QVERIFY(e);
        std::unique_ptr<CtrlView> v = Build(*e);
        LEBase* target = Element(*v, element);
        QVERIFY(target);
        m_registry.calls.clear();
        for (const QString& kind : kinds)
            v->OnExtMouseEvent(kind, x, 80, target->GetId());
        QStringList setters;
        for (const QString& c : m_registry.calls)
            if (!c.contains(QLatin1String("_Get(")) && !c.startsWith(QLatin1String("DFP:CPU")) &&
                !c.startsWith(QLatin1String("DFP:RAM")) && !c.startsWith(QLatin1String("DFP:PRC")))
                setters << c;
        QCOMPARE(setters.value(setters.size() - 1), call);
    }

    void mutedMicrophoneShowsPressed() {
        std::unique_ptr<CtrlView> v = Build(*Placement(QStringLiteral("Media"), QStringLiteral("MicMute")));
        QVERIFY(Element(*v, QStringLiteral("Face"))->Layout().State & 0x4);
        QCOMPARE(Element(*v, QStringLiteral("Icon"))->Layout().GfxA, QStringLiteral("IcoMicMuted"));
        QVERIFY(Element(*v, QStringLiteral("Icon"))->Layout().State & 0x2);
    }

    void clockShowsTheTime() {
        std::unique_ptr<CtrlView> v = Build(*Placement(QStringLiteral("System"), QStringLiteral("Clock")));
        QVERIFY2(
            QRegularExpression(QStringLiteral("^\\d\\d:\\d\\d$")).match(Text(*v, QStringLiteral("Time"))).hasMatch(),
            qPrintable(Text(*v, QStringLiteral("Time"))));
        QVERIFY(Text(*v, QStringLiteral("Date")).contains(QString::number(QDate::currentDate().year())));
    }

    void messageBoxShowsAndAnswers_data() {
        QTest::addColumn<QString>("buttons");
        QTest::addColumn<bool>("twoButtons");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("answer");
        QTest::newRow("YesNo") << "YesNo" << true << "No"
                               << "No|";
        QTest::newRow("OkCancel") << "OkCancel" << true << "Cancel"
                                  << "Cancel|";
        QTest::newRow("Ok") << "Ok" << false << "OK"
                            << "Ok|";
    }

    // The overlay grid shows the box through the control's skin and takes the tapped button back.
    void messageBoxShowsAndAnswers() {
        QFETCH(QString, buttons);
        QFETCH(bool, twoButtons);
        QFETCH(QString, last);
        QFETCH(QString, answer);
        LogCapture log;
        FakeOverlay overlay;
        CtrlView* v = overlay.NewView();
        v->Init(m_cfg->FindControl(QStringLiteral("Popup_Msg"), QStringLiteral("MVX_Popup")));
        v->ExecSkinFunc(v->Skin().OnInit, {QStringLiteral("Delete?"), QStringLiteral("The grid goes."), buttons});
        v->OnCheckUpdate();
        QVariantMap sources, previous;
        v->BuildViewUpdate(sources, previous);
        QCOMPARE(Text(*v, QStringLiteral("Title")), QStringLiteral("Delete?"));
        QCOMPARE(Text(*v, QStringLiteral("Text")), QStringLiteral("The grid goes."));
        QCOMPARE(bool(Element(*v, QStringLiteral("Btn1"))->Layout().State & 0x1), twoButtons);
        QCOMPARE(Text(*v, QStringLiteral("Btn2Text")), last);

        const int btn2 = Element(*v, QStringLiteral("Btn2"))->GetId();
        v->OnExtMouseEvent(QStringLiteral("dn"), 80, 40, btn2);
        v->OnExtMouseEvent(QStringLiteral("up"), 80, 40, btn2);
        QCOMPARE(overlay.clicks, QStringList{answer});
        for (const char* c : kComplaints)
            QVERIFY2(!log.Has(QLatin1String(c)), qPrintable(log.Lines().join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestDefaultControls)
#include "test_defaultcontrols.moc"
