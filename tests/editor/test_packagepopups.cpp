// The package popups on the default configuration: export of the user's controls and custom grids, import on
// a second, clean user folder (free grid names, merged controls, the same bytes), tick propagation, packages
// that hold nothing, and plug-in packages: installed into their own folder under a safe name, decided on at
// once, replaced whole or not at all.

#include "config/dataexchange.h"
#include "config/tusercfg.h"
#include "config/ziputils.h"
#include "editor/exchangerenderer.h"
#include "editor/exchangeui.h"
#include "editor/impexppluginpopup.h"
#include "editor/impexppopup.h"
#include "editor/packageimport.h"
#include "functions/userprompts.h"
#include "tests/common/testfiles.h"
#include "tests/common/testzip.h"
#include "tests/editor/gridfixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTreeView>

namespace {

// The person in front of the popups: every box is recorded, answers come from a queue (else OK / the
// escape button), and file questions are answered with a set path.
struct ScriptedPerson : IUserPrompts {
    QStringList boxes;
    QList<int> answers;
    QString openPath, savePath;
    QStringList permissions;
    bool allow = false;
    void Install() {
        ExchangeUi::SetAsker([this](QWidget*, int, const QString& title, const QString& text, int buttons) {
            boxes << title + QLatin1Char('|') + text;
            if (!answers.isEmpty())
                return answers.takeFirst();
            return buttons & PopupWnd::OK ? int(PopupWnd::OK) : int(PopupWnd::NO);
        });
        ExchangeUi::SetOpenFileAsker(
            [this](QWidget*, const QString&, const QString&, const QString&) { return openPath; });
        ExchangeUi::SetSaveFileAsker(
            [this](QWidget*, const QString&, const QString&, const QString&) { return savePath; });
        UserPrompts::Install(this);
    }
    bool Saw(const QString& part) const {
        for (const QString& b : boxes)
            if (b.contains(part))
                return true;
        return false;
    }
    bool AskPermission(const QString&, const QString& text, const QString&, bool* remember) override {
        permissions << text;
        *remember = false;
        return allow;
    }
    std::unique_ptr<IStatusPopup> MakeStatusPopup(const QString&, const QString&) override { return nullptr; }
    std::unique_ptr<ITestPopup> MakeTestPopup(const QString&) override { return nullptr; }
    QString ChooseReplacement(const ReplacementChoice&) override { return QString(); }
};

void TickAll(QStandardItemModel* model) {
    model->item(0)->setCheckState(Qt::Checked);
}
} // namespace

class TestPackagePopups : public QObject {
    Q_OBJECT
    GridFixture m_fx;
    QTemporaryDir m_tmp;
    ScriptedPerson m_person;
    ExchangeRendererImpl m_renderer;
    DataCfg::TControl m_control; // a shipped control with a file option

    QString P(const QString& rel) const { return m_tmp.path() + QLatin1Char('/') + rel; }
    QString User() const { return PluginTools::GetUserPath(); }
    QString Staging() const { return PluginTools::GetTempPath() + QStringLiteral("Exchange/_tmp"); }

    // A user folder of its own: no custom grids, no own controls, no macros.
    void Profile(const QString& name) {
        PluginTools::SetUserPath(P(name) + QLatin1Char('/'));
        QDir().mkpath(P(name) + "/CustomGrids");
        DataCfg& cfg = *m_fx.cfg;
        cfg.LoadCustomGrids();
        cfg.GetMyControlsSet().Elements.clear();
        cfg.UserCfg().Macros.clear();
        cfg.UserCfg().File = P(name) + "/userCfg.json";
        m_person.boxes.clear();
        m_person.answers.clear();
    }
    void AddCustomGrid(const QString& name, const QString& icon) {
        DataCfg::TGrid g;
        g.Name = name;
        g.Custom = true;
        g.Set = CustomGridSet;
        g.File = User() + "CustomGrids/" + name + ".json";
        g.Icon = icon;
        DataCfg::TGridElem e;
        e.Control = m_control.GetKey();
        e.Position = QPoint(1, 2);
        g.Elements << e;
        m_fx.cfg->Grids() << g;
        QCOMPARE(m_fx.cfg->SaveCustomGrid(QString(), name), QString());
    }
    QString FileOption() const {
        for (const DataCfg::TConfigOption& o : m_control.Config.Options)
            if (o.Type == DataCfg::CO_File)
                return o.Name;
        return QString();
    }

private slots:
    void initTestCase() {
        qputenv("XDG_RUNTIME_DIR", m_tmp.path().toLocal8Bit());
        m_fx.Load(this);
        // A shipped control (so it draws) with a picture option of its own.
        QVERIFY(!m_fx.cfg->Controls().isEmpty());
        m_control = m_fx.cfg->Controls().first();
        m_control.Name = QStringLiteral("PkgButton");
        DataCfg::TConfigOption picture;
        picture.Read(QVariantMap{{"Name", "Picture"}, {"Type", "File"}});
        m_control.Config.Options << picture;
        m_fx.cfg->Controls() << m_control;
        WriteFile(P("A/pics/mine.png"), "MY-PICTURE");
        WriteFile(P("secret/key.pem"), "PRIVATE-KEY");
        QImage icon(40, 30, QImage::Format_ARGB32);
        icon.fill(Qt::yellow);
        QVERIFY(icon.save(P("A/pics/tab.png")));
        m_person.Install();
        ExchangeRenderer::Install(&m_renderer);
    }
    void cleanupTestCase() {
        ExchangeRenderer::Install(nullptr);
        UserPrompts::Install(nullptr);
        ExchangeUi::SetAsker(nullptr);
        ExchangeUi::SetOpenFileAsker(nullptr);
        ExchangeUi::SetSaveFileAsker(nullptr);
    }

    void exportThenImportOnACleanUserFolder() {
        Profile("A");
        DataCfg& cfg = *m_fx.cfg;
        cfg.SetMacro("Games/Jump", "p SPACE");
        DataCfg::TCtrlRef mine;
        mine.Name = "Mine";
        mine.Category = "Games/Arcade";
        mine.Control = m_control.GetKey();
        mine.Config = QVariantMap{{FileOption(), P("A/pics/mine.png")}};
        // One imported earlier, naming a file of this computer outside the data and user folders.
        DataCfg::TCtrlRef foreign = mine;
        foreign.Name = "Foreign";
        foreign.Config = QVariantMap{{FileOption(), P("A/../secret/key.pem")}};
        cfg.GetMyControlsSet().Elements << mine << foreign;
        AddCustomGrid("Racing_2", P("A/pics/tab.png") + "|0.5");
        const QByteArray storedA = ReadAll(User() + "CustomGrids/Racing_2.json");

        auto* out = new ImpExpPopup(false, nullptr, QString());
        QVERIFY(out->PrepareExport());
        out->NameEdit()->setText("Racing pack");
        TickAll(out->ControlModel());
        TickAll(out->GridModel());
        m_person.savePath = P("racing.mvlp");
        QVERIFY(out->DoExport());
        out->done(PopupWnd::CANCEL);
        // Even a cancelled export popup keeps what was typed.
        QCOMPARE(cfg.UserCfg().CfgBase.value("Export").toMap().value("Name").toString(), QStringLiteral("Racing pack"));
        const QStringList names = EnumZip(P("racing.mvlp"));
        for (const char* n : {"info.json", "controls.json", "grids.json", "rsc/ctrl_image_0.png",
                              "rsc/grid_image_0.png", "rsc/mine.png", "rsc/tab.png"})
            QVERIFY2(names.contains(n), n);
        QVERIFY2(!names.contains("rsc/key.pem"), qPrintable(names.join(' ')));
        const QString secret = QDir::cleanPath(P("secret/key.pem"));
        QCOMPARE(m_person.boxes, QStringList{"WARNING|Not packed, outside the data and user folders:\n" + secret});
        QVERIFY(!QFileInfo::exists(Staging()));

        // The second user folder already has a "Racing".
        Profile("B");
        AddCustomGrid("Racing", QString());
        auto* in = new ImpExpPopup(true, nullptr, P("racing.mvlp"));
        QVERIFY(in->PrepareImport());
        QCOMPARE(in->NameEdit()->text(), QStringLiteral("Racing pack"));
        TickAll(in->ControlModel());
        TickAll(in->GridModel());
        QVERIFY(in->DoImport());
        delete in;
        QVERIFY(ImpExpPopup::ControlsImported);
        const DataCfg::TGrid grid = cfg.FindGrid("Racing_1", CustomGridSet);
        QCOMPARE(grid.Set, CustomGridSet);
        QCOMPARE(grid.Elements.size(), 1);
        QCOMPARE(grid.Elements.first().Position, QPoint(1, 2));
        QVERIFY(QFileInfo::exists(User() + "CustomGrids/Racing_1.json"));
        QCOMPARE(ReadAll(grid.Icon.section('|', 0, 0)), ReadAll(P("A/pics/tab.png")));
        QVERIFY(grid.Icon.startsWith(User() + "Import/rsc/"));
        const DataCfg::TCtrlSet& own = cfg.GetMyControlsSet();
        QCOMPARE(own.Elements.size(), 2);
        QCOMPARE(own.Elements.first().Category, QStringLiteral("Games/Arcade"));
        // What was not packed is named as it was, not as a file of the archive.
        QCOMPARE(own.Elements.at(1).Config.value(FileOption()).toString(), P("A/../secret/key.pem"));
        const QString file = own.Elements.first().Config.value(FileOption()).toString();
        QVERIFY(file.startsWith(User() + "Import/rsc/"));
        QCOMPARE(ReadAll(file), QByteArray("MY-PICTURE"));
        QVERIFY(QFileInfo::exists(User() + "userCfg.json"));
        QVERIFY(!storedA.isEmpty());

        // The same control again replaces its entry instead of adding one.
        in = new ImpExpPopup(true, nullptr, P("racing.mvlp"));
        QVERIFY(in->PrepareImport());
        TickAll(in->ControlModel());
        QVERIFY(in->DoImport());
        delete in;
        QCOMPARE(cfg.GetMyControlsSet().Elements.size(), 2);
    }

    void popupLooksRight() {
        Profile("L");
        DataCfg::TCtrlRef mine;
        mine.Name = "Volume knob";
        mine.Category = "Audio";
        mine.Control = m_control.GetKey();
        m_fx.cfg->GetMyControlsSet().Elements << mine;
        AddCustomGrid("Racing", QString());
        std::unique_ptr<ImpExpPopup> popup(new ImpExpPopup(false, nullptr, QString()));
        QVERIFY(popup->PrepareExport());
        popup->show();
        QVERIFY(QTest::qWaitForWindowExposed(popup.get()));
        const QImage shot = popup->grab().toImage();
        const QString dir = qEnvironmentVariable("MERVEX_SCREENSHOT_DIR", m_tmp.path());
        QVERIFY(shot.save(dir + "/impexppopup.png"));
        QCOMPARE(shot.size(), QSize(792, 611));
        // Every label's text fits its box.
        for (QLabel* label : popup->findChildren<QLabel*>()) {
            if (label->text().isEmpty() || !label->isVisible())
                continue;
            const QRect need = label->fontMetrics().boundingRect(QRect(0, 0, 10000, 10000), 0, label->text());
            QVERIFY2(need.width() <= label->width() && need.height() <= label->height() + 2,
                     qPrintable(label->objectName() + ": " + label->text()));
        }
        popup->hide();
    }

    void ticksPropagate() {
        Profile("T");
        for (const char* n : {"a", "b"}) {
            DataCfg::TCtrlRef r;
            r.Name = n;
            r.Category = "Cat";
            r.Control = m_control.GetKey();
            m_fx.cfg->GetMyControlsSet().Elements << r;
        }
        std::unique_ptr<ImpExpPopup> popup(new ImpExpPopup(false, nullptr, QString()));
        QVERIFY(popup->PrepareExport());
        QStandardItem* category = popup->ControlModel()->item(0)->child(0);
        category->setCheckState(Qt::Checked);
        QCOMPARE(category->child(0)->checkState(), Qt::Checked);
        QCOMPARE(popup->ControlModel()->item(0)->checkState(), Qt::Checked);
        category->child(1)->setCheckState(Qt::Unchecked);
        QCOMPARE(category->checkState(), Qt::PartiallyChecked);
        QStringList names;
        QList<int> indexes;
        CollectTicked(popup->ControlModel(), names, &indexes);
        QCOMPARE(indexes, (QList<int>{-1, 0}));
        // Nothing ticked: a warning, the popup stays.
        category->setCheckState(Qt::Unchecked);
        QVERIFY(!popup->DoExport());
        QVERIFY(m_person.Saw("No items selected."));
    }

    void packagesThatHoldNothing() {
        Profile("E");
        QVERIFY(MakeZip(P("empty.mvlp"),
                        {{"info.json", "{}"}, {"controls.json", "{\"Elements\":[]}"}, {"grids.json", "[]"}}));
        QCOMPARE(ImpExpPopup::Exec(true, nullptr, P("empty.mvlp")), int(PopupWnd::CANCEL));
        QVERIFY(m_person.Saw("The package holds no controls and no grids"));
        QVERIFY(!m_person.Saw("imported"));
        QVERIFY(!PackageImport::ImportFile(P("empty.mvlp"), nullptr, nullptr));
        WriteFile(P("junk.mvlp"), "not a package");
        QVERIFY(!PackageImport::ImportFile(P("junk.mvlp"), nullptr, nullptr));
        QVERIFY(m_person.Saw("Error|Invalid File: "));
    }

    void gridArchiveTakesAFreeSafeName() {
        Profile("G");
        AddCustomGrid("Deck", QString());
        const QByteArray json = "{\"Name\":\"../../Deck_3\",\"Elements\":[]}";
        QVERIFY(MakeZip(P("deck.mvlp"), {{"grid.json", json}}));
        QVERIFY(PackageImport::ImportFile(P("deck.mvlp"), nullptr, nullptr));
        // The separators are gone, and "Deck" is taken.
        QCOMPARE(m_fx.cfg->FindGrid("Deck_1", CustomGridSet).Set, CustomGridSet);
        QVERIFY(QFileInfo::exists(User() + "CustomGrids/Deck_1.json"));
        QVERIFY(!QFileInfo::exists(P("Deck_3.json")) && !QFileInfo::exists(P("Deck_1.json")));
        QVERIFY(!QFileInfo::exists(Staging()));
    }

    void pluginPackages_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("folder"); // below Plugins/, empty: not installed
        QTest::addColumn<QString>("message");
        QTest::addColumn<QByteArray>("library"); // the description's library entry
        QTest::newRow("plain") << "Lights"
                               << "Lights"
                               << "Plugin imported|" << QByteArray("lib/liblights.so");
        QTest::newRow("climbing name") << "../../../Evil"
                                       << "Evil"
                                       << "Plugin imported|" << QByteArray("lib/liblights.so");
        QTest::newRow("no usable name") << "/.."
                                        << ""
                                        << "The plugin has no usable name" << QByteArray("lib/liblights.so");
        // Installed, but the library it names will not load: told so, and no restart is asked for.
        QTest::newRow("library missing") << "Lights"
                                         << "Lights"
                                         << "Error|The plugin was installed, but its library is refused:\n"
                                            "lib/gone.so (missing)"
                                         << QByteArray("lib/gone.so");
        QTest::newRow("library outside its folder") << "Lights"
                                                    << "Lights"
                                                    << "Error|The plugin was installed, but its library is refused:"
                                                       "\n../../liblights.so (outside the plugin folder)"
                                                    << QByteArray("../../liblights.so");
    }
    void pluginPackages() {
        QFETCH(QString, name);
        QFETCH(QString, folder);
        QFETCH(QString, message);
        QFETCH(QByteArray, library);
        Profile(QStringLiteral("P_") + QString::fromLatin1(QTest::currentDataTag()).replace(' ', '_'));
        WriteFile(User() + "liblights.so", "NOT-REALLY-A-LIBRARY");
        const QByteArray plugin = "{\"Name\":\"Lights\",\"DynamicLibraries\":[\"" + library + "\"]}";
        const QByteArray info = "{\"Name\":\"" + name.toUtf8() + "\",\"Author\":\"Me\"}";
        QVERIFY(MakeZip(P("plug.mvlp"), {{"plugin.json", plugin},
                                         {"info.json", info},
                                         {"scripts/lights.js", "function f() {}"},
                                         {"lib/liblights.so", "NOT-REALLY-A-LIBRARY"}}));
        m_person.answers = {PopupWnd::YES};
        m_person.permissions.clear();
        QCOMPARE(PackageImport::ImportFile(P("plug.mvlp"), nullptr, nullptr), !folder.isEmpty());
        QVERIFY2(m_person.Saw(message), qPrintable(m_person.boxes.join('\n')));
        QVERIFY(!QFileInfo::exists(Staging()));
        QVERIFY(!QFileInfo::exists(P("Evil")) && !QFileInfo::exists(User() + "Evil"));
        if (folder.isEmpty() || !library.endsWith("liblights.so") || library.startsWith("..")) {
            QVERIFY(!m_person.Saw("Plugin imported"));
            return;
        }
        const QString installed = User() + "Plugins/" + folder + "/";
        QCOMPARE(ReadAll(installed + "plugin.json"), plugin);
        QCOMPARE(ReadAll(installed + "scripts/lights.js"), QByteArray("function f() {}"));
        QCOMPARE(ReadAll(installed + "lib/liblights.so"), QByteArray("NOT-REALLY-A-LIBRARY"));
        // The decision ran at once, and the question named the library by its whole path.
        QCOMPARE(m_person.permissions.size(), 1);
        QVERIFY2(m_person.permissions.first().contains(QFileInfo(installed + "lib/liblights.so").canonicalFilePath()),
                 qPrintable(m_person.permissions.first()));

        // Again: the user is told the folder is replaced, and it is, whole.
        WriteFile(installed + "stale.txt", "OLD");
        m_person.answers = {PopupWnd::YES};
        m_person.boxes.clear();
        PackageImport::ImportFile(P("plug.mvlp"), nullptr, nullptr);
        QVERIFY(m_person.Saw("The folder already exists"));
        QVERIFY(!QFileInfo::exists(installed + "stale.txt"));
        QCOMPARE(ReadAll(installed + "plugin.json"), plugin);

        // Declined: nothing changes.
        WriteFile(installed + "kept.txt", "K");
        m_person.answers = {PopupWnd::NO};
        PackageImport::ImportFile(P("plug.mvlp"), nullptr, nullptr);
        QCOMPARE(ReadAll(installed + "kept.txt"), QByteArray("K"));
    }

    void failedPluginCopyIsReported() {
        Profile("F");
        // The plug-in folder cannot be made: a file stands where it should be.
        WriteFile(User() + "Plugins", "in the way");
        QVERIFY(MakeZip(P("plugf.mvlp"), {{"plugin.json", "{\"Name\":\"X\"}"}, {"info.json", "{\"Name\":\"X\"}"}}));
        m_person.answers = {PopupWnd::YES};
        PackageImport::ImportFile(P("plugf.mvlp"), nullptr, nullptr);
        QVERIFY(m_person.Saw("The plugin could not be installed"));
        QVERIFY(!m_person.Saw("Plugin imported"));
        QVERIFY(!QFileInfo::exists(Staging()));
    }
};

QTEST_MAIN(TestPackagePopups)
#include "test_packagepopups.moc"
