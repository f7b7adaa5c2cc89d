// The main window in-process: its deferred start-up on the shipped data folder, tab switching, package
// messages from another start, the pairing decision with a scripted answer and the close checks.
#include "config/datacfgrecords.h"
#include "foundation/logger/QsLog.h"
#include "functions/plugintools.h"
#include "runtime/imgdatamgr.h"
#include "runtime/webimagecache.h"
#include "server/netserver.h"
#include "shell/mervexwnd.h"
#include "shell/pairingdecision.h"
#include "shell/programservices.h"
#include "shell/startoptions.h"
#include "tests/common/logcapture.h"
#include "tests/common/testtabhooks.h"
#include "widgets/mainctrlbtn.h"
#include "widgets/qlabelex.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QMimeData>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <QtTest>
#include <optional>

#include "widgets/popupwnd.h"

namespace {
void CloseRefusals() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("ImportRefused"))
            w->close();
    for (PopupWnd* box : MervexWnd::Instance()->findChildren<PopupWnd*>(QStringLiteral("ImportRefused")))
        box->close();
    QTest::qWait(1);
}

// Answers the next modal popup with the button of the given value (0: closes it without a button).
void AnswerNextPopup(int value, bool* seen) {
    QTimer::singleShot(0, [value, seen] {
        PopupWnd* popup = qobject_cast<PopupWnd*>(QApplication::activeModalWidget());
        if (!popup) {
            AnswerNextPopup(value, seen); // not up yet
            return;
        }
        *seen = true;
        for (QAbstractButton* b : popup->buttonBox()->buttons()) {
            if (value && popup->ButtonValue(b) == value) {
                b->click();
                return;
            }
        }
        popup->reject();
    });
}
} // namespace

class TestMervexWnd : public QObject {
    Q_OBJECT

    QTemporaryDir m_user;
    std::optional<LogCapture> m_log;
    TestTabHooks m_hooks;
    // The shared parts, made here as the composition root makes them.
    std::unique_ptr<DataCfg> m_cfg;
    std::unique_ptr<NetServer> m_server;
    std::unique_ptr<ImgDataMgr> m_images;
    std::unique_ptr<WebImageCache> m_webImages;
    std::unique_ptr<PairingDecision> m_pairing;
    MervexWnd* m_wnd = nullptr;

    static QString DataFolder() { return QStringLiteral(MERVEX_TEST_SOURCE_DIR "/../../data"); }

private slots:
    void initTestCase() {
        m_log.emplace();
        InstallProgramServices();
        qputenv("MERVEX_TCP_PORT", "0");
        qputenv("MERVEX_UDP_PORT", "0");
        MervexWnd::Folders folders;
        folders.data = DataFolder();
        folders.user = m_user.path();
        m_cfg = std::make_unique<DataCfg>();
        m_server = std::make_unique<NetServer>();
        m_server->SetEndpoints(QHostAddress(QHostAddress::LocalHost), 0, 0);
        m_images = std::make_unique<ImgDataMgr>();
        m_webImages = std::make_unique<WebImageCache>();
        m_pairing = std::make_unique<PairingDecision>(*m_cfg, *m_server, m_hooks);
        m_server->SetPairing(m_pairing.get());
        ProgramContext parts;
        parts.cfg = m_cfg.get();
        parts.server = m_server.get();
        parts.images = m_images.get();
        parts.webImages = m_webImages.get();
        m_wnd = new MervexWnd(m_hooks, parts, folders);
        // What the composition root tells the parts below the window.
        PluginTools::SetDataPath(m_wnd->GetDataPath());
        PluginTools::SetUserPath(m_wnd->GetUserPath());
        QSignalSpy started(m_wnd, &MervexWnd::StartupFinished);
        QVERIFY(started.wait(20000));
    }

    void cleanupTestCase() {
        m_server->Close();
        m_server->SetPairing(nullptr);
        delete m_wnd;
        m_pairing.reset();
        m_webImages.reset();
        m_images.reset();
        m_server.reset();
        m_cfg.reset();
        RemoveProgramServices();
        m_log.reset();
    }

    void startupLoadsTheDataFolderQuietly() {
        QVERIFY(m_wnd->IsStarted());
        QVERIFY(m_wnd->IsUserCfgLoaded());
        QVERIFY(m_wnd->isVisible());
        QVERIFY(!m_wnd->Cfg()->Grids().isEmpty());
        QVERIFY(!m_wnd->Cfg()->Controls().isEmpty());
        QVERIFY(m_wnd->Server()->IsOpen());
        const QStringList bad = m_log->Lines().filter(QRegularExpression(QStringLiteral("^\\s*(ERROR|FATAL) ")));
        QVERIFY2(bad.isEmpty(), qPrintable(bad.join(QLatin1Char('\n'))));
        QCOMPARE(m_wnd->GetCustomGridPath(), m_user.path() + QStringLiteral("/CustomGrids/"));
    }

    void firstStartCreatesTheFirstCustomGrid() {
        QVERIFY(m_wnd->Cfg()->UserCfg().CfgBase.value(QStringLiteral("FirstHelpShown")).toBool());
        QVERIFY(QFileInfo::exists(m_user.path() + QStringLiteral("/CustomGrids/Custom Grid 1.json")));
        const DataCfg::TGrid grid = m_wnd->Cfg()->FindGrid(QStringLiteral("Custom Grid 1"), CustomGridSet);
        QCOMPARE(grid.Title, QStringLiteral("CUSTOM\nGRID #1"));
        QCOMPARE(grid.Icon, QStringLiteral("TabIconCustom"));
        QCOMPARE(m_wnd->Cfg()->UserCfg().Tabs.last().Name, QStringLiteral("CustomGrid:Custom Grid 1"));
        // Once made it is not made again.
        const int tabs = m_wnd->Cfg()->UserCfg().Tabs.size();
        m_wnd->CreateInitialCustomTab();
        QCOMPARE(m_wnd->Cfg()->UserCfg().Tabs.size(), tabs);
    }

    void tabSwitching_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<bool>("settingsMayLeave");
        QTest::addColumn<int>("target");
        QTest::addColumn<int>("expected");
        QTest::newRow("browse to create")
            << int(MervexWnd::TabBrowse) << true << int(MervexWnd::TabCreate) << int(MervexWnd::TabCreate);
        QTest::newRow("settings kept when refused")
            << int(MervexWnd::TabSettings) << false << int(MervexWnd::TabCreate) << int(MervexWnd::TabSettings);
        QTest::newRow("settings left when allowed")
            << int(MervexWnd::TabSettings) << true << int(MervexWnd::TabSupport) << int(MervexWnd::TabSupport);
        QTest::newRow("support to browse")
            << int(MervexWnd::TabSupport) << false << int(MervexWnd::TabBrowse) << int(MervexWnd::TabBrowse);
    }
    void tabSwitching() {
        QFETCH(int, from);
        QFETCH(bool, settingsMayLeave);
        QFETCH(int, target);
        QFETCH(int, expected);
        auto show = [this](int tab) {
            switch (tab) {
            case MervexWnd::TabCreate:
                m_wnd->showMainWindow();
                break;
            case MervexWnd::TabSettings:
                m_wnd->showSettingsWindow();
                break;
            case MervexWnd::TabSupport:
                m_wnd->showSupportWindow();
                break;
            default:
                m_wnd->showEasyWindow();
                break;
            }
        };
        m_hooks.settingsMayLeave = true;
        show(from);
        m_hooks.settingsMayLeave = settingsMayLeave;
        show(target);
        m_hooks.settingsMayLeave = true;
        QCOMPARE(m_wnd->CurrentTab(), expected);
        for (int i = 0; i < MervexWnd::MainTabCount; ++i)
            QCOMPARE(m_wnd->Tab(MervexWnd::MainTabKind(i))->isVisible(), i == expected);
        QVERIFY(m_wnd->TabButton(MervexWnd::MainTabKind(expected))->isActive());
    }

    void messagesFromAnotherStart_data() {
        QTest::addColumn<QStringList>("messages"); // %D: a folder holding "a b.mvlp", "x.mvlc" and "photo.png"
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<bool>("refused");
        QTest::newRow("activate") << QStringList{"activate"} << QStringList() << false;
        // The other start's own path: a program file.
        QTest::newRow("program path") << QStringList{"arg: %P"} << QStringList() << false;
        QTest::newRow("grid package") << QStringList{"arg:  %D/a b.mvlp "}
                                      << (QStringList() << QStringLiteral("Import %D/a b.mvlp")
                                                        << QStringLiteral("RefillGridBrowser"))
                                      << false;
        QTest::newRow("control package") << QStringList{"arg: %D/x.mvlc"}
                                         << (QStringList() << QStringLiteral("Import %D/x.mvlc")
                                                           << QStringLiteral("RefillGridBrowser"))
                                         << false;
        QTest::newRow("missing package") << QStringList{"arg: %D/gone.mvlp"} << QStringList() << true;
        // What is no package is refused with a box, as a drop of it is.
        QTest::newRow("extension in capitals") << QStringList{"arg: %D/x.MVLP"} << QStringList() << true;
        QTest::newRow("a picture") << QStringList{"arg: %D/photo.png"} << QStringList() << true;
        QTest::newRow("options") << QStringList{"arg: -log", "arg: /m", "arg: -unknown"} << QStringList() << false;
        QTest::newRow("language code") << QStringList{"arg: -lang", "arg: de"} << QStringList() << false;
        QTest::newRow("one-letter code is a file") << QStringList{"arg: -lang", "arg: d"} << QStringList() << true;
        QTest::newRow("no arg prefix") << QStringList{"Arg: x.mvlp"} << QStringList() << false;
    }
    void messagesFromAnotherStart() {
        QFETCH(QStringList, messages);
        QFETCH(QStringList, calls);
        QFETCH(bool, refused);
        QTemporaryDir dir;
        for (const char* name : {"/a b.mvlp", "/x.mvlc", "/x.MVLP", "/photo.png"})
            QVERIFY(QFile(dir.path() + QLatin1String(name)).open(QIODevice::WriteOnly));
        m_hooks.calls.clear();
        const QString refusal = m_wnd->LastImportRefusal();
        for (QString message : messages)
            m_wnd->OnAppMessageReceived(message.replace(QLatin1String("%D"), dir.path())
                                            .replace(QLatin1String("%P"), QCoreApplication::applicationFilePath()));
        QCOMPARE(m_hooks.calls, calls.replaceInStrings(QLatin1String("%D"), dir.path()));
        QCOMPARE(m_wnd->LastImportRefusal() != refusal, refused);
        CloseRefusals();
    }

    void pairing_data() {
        QTest::addColumn<QStringList>("devices"); // name|token|active
        QTest::addColumn<bool>("pairingMode");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("token");
        QTest::addColumn<bool>("needs");
        QTest::addColumn<bool>("paired");
        QTest::addColumn<bool>("active");

        QTest::newRow("first phone") << QStringList() << false << "Phone"
                                     << "T1" << true << false << false;
        QTest::newRow("unknown, list not empty") << (QStringList() << "Old|T0|1") << false << "Phone"
                                                 << "T1" << false << false << false;
        QTest::newRow("unknown, pairing mode") << (QStringList() << "Old|T0|1") << true << "Phone"
                                               << "T1" << true << false << false;
        QTest::newRow("registered inactive") << (QStringList() << "Phone|T1|0") << false << "Phone"
                                             << "T1" << false << true << false;
        QTest::newRow("registered active") << (QStringList() << "Phone|T1|1") << false << "Phone"
                                           << "T1" << false << true << true;
        QTest::newRow("no name, no token") << QStringList() << true << ""
                                           << "" << false << false << false;
    }
    void pairing() {
        QFETCH(QStringList, devices);
        QFETCH(bool, pairingMode);
        QFETCH(QString, name);
        QFETCH(QString, token);
        QFETCH(bool, needs);
        QFETCH(bool, paired);
        QFETCH(bool, active);

        DataCfg::TUserCfg& user = m_wnd->Cfg()->UserCfg();
        user.Devices.clear();
        for (const QString& d : devices) {
            const QStringList f = d.split(QLatin1Char('|'));
            DataCfg::TDevice dev;
            dev.Name = f[0];
            dev.Token = f[1];
            dev.Active = f[2] == QLatin1String("1");
            user.Devices << dev;
        }
        m_hooks.pairingMode = pairingMode;
        QCOMPARE(m_pairing->NeedsPairingConfirm(name, token, QStringLiteral("desc")), needs);
        bool isActive = false;
        QCOMPARE(m_pairing->IsPaired(name, token, isActive), paired);
        QCOMPARE(isActive, active);
        m_hooks.pairingMode = false;
        user.Devices.clear();
    }

    void pairingQuestionShowsWithoutWaitingAndStores() {
        DataCfg::TUserCfg& user = m_wnd->Cfg()->UserCfg();
        user.Devices.clear();
        m_pairing->AskPairing(41, QStringLiteral("My Phone"), QStringLiteral("T9"), QStringLiteral("desc"));
        QPointer<PopupWnd> question = m_pairing->Question();
        QVERIFY(question);
        QVERIFY(question->isVisible());
        QVERIFY(!QApplication::activeModalWidget());
        QStringList texts;
        for (QLabel* l : question->findChildren<QLabel*>())
            texts << l->text();
        QVERIFY2(texts.contains(QStringLiteral("\u25aa My Phone")), qPrintable(texts.join('|')));
        // A second question replaces the first; withdrawing a question that is not open changes nothing.
        m_pairing->AskPairing(42, QStringLiteral("Other"), QStringLiteral("T8"), QString());
        QTRY_VERIFY(!question);
        m_pairing->WithdrawPairing(41);
        QVERIFY(m_pairing->Question());
        m_pairing->WithdrawPairing(42);
        QVERIFY(!m_pairing->Question());

        QVERIFY(m_pairing->StorePairing(QStringLiteral("My Phone"), QStringLiteral("T9"), QStringLiteral("desc")));
        bool stored = false;
        QVERIFY(user.FindDevice(QStringLiteral("My Phone"), QStringLiteral("T9"), &stored));
        QVERIFY(stored);
        QFile file(m_user.path() + QStringLiteral("/userCfg.json"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("T9"));
        user.Devices.clear();
    }

    void okApplyCancel_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<bool>("visible");
        QTest::newRow("OK") << "btnOk"
                            << (QStringList() << "ApplyTabs"
                                              << "SaveSettings")
                            << true << false;
        QTest::newRow("APPLY") << "btnApply"
                               << (QStringList() << "ApplyTabs"
                                                 << "SaveSettings")
                               << true << true;
        QTest::newRow("CANCEL") << "btnCancel"
                                << (QStringList() << "RevertGrid"
                                                  << "RevertSettings")
                                << false << false;
    }
    void okApplyCancel() {
        QFETCH(QString, button);
        QFETCH(QStringList, calls);
        QFETCH(bool, saved);
        QFETCH(bool, visible);
        const QString file = m_user.path() + QStringLiteral("/userCfg.json");
        QFile::remove(file);
        m_wnd->show();
        m_hooks.calls.clear();
        auto* b = m_wnd->findChild<QAbstractButton*>(button);
        QVERIFY(b);
        b->click();
        QCOMPARE(m_hooks.calls, calls);
        QCOMPARE(QFileInfo::exists(file), saved);
        QCOMPARE(m_wnd->isVisible(), visible);
        m_wnd->show();
    }

    void keys() {
        m_wnd->show();
        m_hooks.calls.clear();
        // '#' held shows the build label.
        QTest::keyPress(m_wnd, Qt::Key_NumberSign);
        QVERIFY(!m_wnd->BuildLabel()->isHidden());
        QTest::keyRelease(m_wnd, Qt::Key_NumberSign);
        QVERIFY(m_wnd->BuildLabel()->isHidden());
        // F1 opens the help only on the controls tab; Escape closes it and opens nothing.
        m_wnd->showEasyWindow();
        QTest::keyClick(m_wnd, Qt::Key_F1);
        QTest::keyClick(m_wnd, Qt::Key_Escape);
        QVERIFY(m_hooks.calls.filter("Help").isEmpty());
        m_wnd->showMainWindow();
        m_hooks.calls.clear();
        QTest::keyClick(m_wnd, Qt::Key_F1);
        QTest::keyClick(m_wnd, Qt::Key_Escape);
        QTest::keyClick(m_wnd, Qt::Key_Escape);
        QCOMPARE(m_hooks.calls, QStringList() << "ShowHelpGuide"
                                              << "CloseHelpGuide");
    }

    void drops_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("create");
        QTest::addColumn<bool>("asFileNameW");
        QTest::addColumn<bool>("hookTakes");
        QTest::addColumn<QString>("refusal"); // empty: imported
        QTest::newRow("grid package, uri list") << "g.mvlp" << true << false << true << "";
        QTest::newRow("control package, FileNameW") << "c.mvlc" << true << true << true << "";
        QTest::newRow("missing file") << "m.mvlp" << false << false << true << "was not found";
        QTest::newRow("other extension") << "x.zip" << true << false << true << "is not a grid";
        QTest::newRow("extension in capitals") << "X.MVLC" << true << true << true << "is not a grid";
        // The importer has told why (or the user cancelled): the window adds no box of its own.
        QTest::newRow("nothing taken") << "n.mvlp" << true << false << false << "-";
    }
    void drops() {
        QFETCH(QString, file);
        QFETCH(bool, create);
        QFETCH(bool, asFileNameW);
        QFETCH(bool, hookTakes);
        QFETCH(QString, refusal);
        QTemporaryDir dir;
        const QString path = dir.path() + QLatin1Char('/') + file;
        if (create)
            QVERIFY(QFile(path).open(QIODevice::WriteOnly));
        QMimeData mime;
        if (asFileNameW) {
            const QString text = path + QChar(0);
            mime.setData(QStringLiteral("FileNameW"),
                         QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2));
        } else {
            mime.setUrls({QUrl::fromLocalFile(path)});
        }
        // Every file is taken; one that is not imported is refused with a message, never dropped silently.
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        enter.setAccepted(false);
        QApplication::sendEvent(m_wnd, &enter);
        QVERIFY(enter.isAccepted());
        m_hooks.calls.clear();
        m_hooks.importTakes = hookTakes;
        const QString before = m_wnd->LastImportRefusal();
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_wnd, &drop);
        QTest::qWait(10);
        m_hooks.importTakes = true;
        if (refusal.isEmpty() || refusal == QLatin1String("-")) {
            QStringList expected = QStringList() << "Import " + path;
            if (refusal.isEmpty())
                expected << "RefillGridBrowser";
            QCOMPARE(m_hooks.calls, expected);
            QCOMPARE(m_wnd->LastImportRefusal(), before);
            QVERIFY(!m_wnd->findChild<PopupWnd*>(QStringLiteral("ImportRefused")));
        } else {
            QVERIFY2(m_wnd->LastImportRefusal().contains(refusal), qPrintable(m_wnd->LastImportRefusal()));
            auto* box = m_wnd->findChild<PopupWnd*>(QStringLiteral("ImportRefused"));
            QVERIFY(box && box->isVisible());
            QVERIFY(!m_hooks.calls.contains(QStringLiteral("RefillGridBrowser")));
        }
        CloseRefusals();
    }

    // Each row names the folders that hold a data folder ("Data" with mainCfg.json); the others hold an empty
    // "Data". The installed places come last, the first of them before the second; MERVEX_DATA_DIR overrides
    // all, and a wrong one is an error rather than a reason to take another.
    void dataFolder_data() {
        QTest::addColumn<QStringList>("holding");
        QTest::addColumn<QString>("env");
        QTest::addColumn<QString>("expected");
        const QStringList all = {"work", "prog", "inst1", "inst2", "env"};
        QTest::newRow("working folder first") << all << ""
                                              << "work/Data/";
        QTest::newRow("beside the program") << QStringList{"prog", "inst1", "inst2"} << ""
                                            << "prog/Data/";
        QTest::newRow("installed") << QStringList{"inst1", "inst2"} << ""
                                   << "inst1/Data/";
        QTest::newRow("installed at the configured path") << QStringList{"inst2"} << ""
                                                          << "inst2/Data/";
        QTest::newRow("none") << QStringList() << ""
                              << "";
        QTest::newRow("environment over all") << all << "env/Data"
                                              << "env/Data/";
        QTest::newRow("environment without a data folder") << all << "inst9/Data"
                                                           << "";
    }
    void dataFolder() {
        QFETCH(QStringList, holding);
        QFETCH(QString, env);
        QFETCH(QString, expected);
        QTemporaryDir root;
        for (const QString place : {"work", "prog", "inst1", "inst2", "env"}) {
            const QString data = root.path() + "/" + place + "/Data";
            QVERIFY(QDir().mkpath(data));
            if (holding.contains(place))
                QVERIFY(QFile(data + "/mainCfg.json").open(QIODevice::WriteOnly));
        }
        const QByteArray saved = qgetenv("MERVEX_DATA_DIR");
        if (env.isEmpty())
            qunsetenv("MERVEX_DATA_DIR");
        else
            qputenv("MERVEX_DATA_DIR", (root.path() + "/" + env).toLocal8Bit());
        const QString found = MervexWnd::FindDataFolder(root.path() + "/work", root.path() + "/prog",
                                                        {root.path() + "/inst1/Data", root.path() + "/inst2/Data"});
        if (saved.isEmpty())
            qunsetenv("MERVEX_DATA_DIR");
        else
            qputenv("MERVEX_DATA_DIR", saved);
        QCOMPARE(found, expected.isEmpty() ? QString() : root.path() + "/" + expected);
    }

    void userFolderMoves() {
        QTemporaryDir home, docs;
        const QString old = home.path() + "/MERVEX/Velli-Chor/";
        QVERIFY(QDir().mkpath(old + "CustomGrids"));
        for (const QString& f : {old + "userCfg.json", old + "CustomGrids/A.json"}) {
            QFile file(f);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(f.toUtf8());
        }
        const QString user = MervexWnd::MigrateUserFolder(home.path(), docs.path());
        QCOMPARE(user, docs.path() + "/MERVEX/Velli-Chor/");
        QVERIFY(QFileInfo::exists(user + "userCfg.json"));
        QVERIFY(QFileInfo::exists(user + "CustomGrids/A.json"));
        QVERIFY(!QFileInfo::exists(home.path() + "/MERVEX"));
        // Without a Documents folder the home-based folder stays, the older name renamed into it.
        QVERIFY(QDir().mkpath(home.path() + "/MERVEX/Vellichor"));
        QCOMPARE(MervexWnd::MigrateUserFolder(home.path(), QString()), old);
        QVERIFY(QFileInfo(old).isDir());
    }

    void startOptions_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("log");
        QTest::addColumn<QStringList>("files");
        QTest::newRow("dash") << QStringList{"prog", "-lang", "de"} << "de" << false << QStringList();
        QTest::newRow("slash, capitals") << QStringList{"prog", "/LANG", "de"} << "de" << false << QStringList();
        // The one-letter code is no code: it is a file to open, as any other argument.
        QTest::newRow("one-letter code") << QStringList{"prog", "-lang", "x", "-log"} << "" << true << QStringList{"x"};
        QTest::newRow("code read as option")
            << QStringList{"prog", "-lang", "-log"} << "-log" << false << QStringList();
        QTest::newRow("last argument") << QStringList{"prog", "-lang"} << "" << false << QStringList();
        QTest::newRow("log trimmed") << QStringList{"prog", " /Log "} << "" << true << QStringList();
        QTest::newRow("code unchanged") << QStringList{"prog", "-lang", " de_DE"} << " de_DE" << false << QStringList();
        // Everything that is no option is a file to open, packages or not; the program path is none.
        QTest::newRow("files among options")
            << QStringList{"/usr/bin/prog", "/m", " a b.mvlp ", "photo.png", "--smoke", "-x", "/tmp/y.MVLC"} << ""
            << false << QStringList{"a b.mvlp", "photo.png", "/tmp/y.MVLC"};
    }
    void startOptions() {
        QFETCH(QStringList, args);
        QFETCH(QString, language);
        QFETCH(bool, log);
        QFETCH(QStringList, files);
        const StartOptions o = StartOptions::Parse(args);
        QCOMPARE(o.language, language);
        QCOMPARE(o.showLog, log);
        QCOMPARE(o.files, files);
    }

    void closeChecks() {
        // A refusal keeps the program running and can be asked again.
        m_hooks.calls.clear();
        m_hooks.gridMayClose = false;
        QVERIFY(!m_wnd->prepclose());
        QCOMPARE(m_hooks.calls, QStringList() << "GridEditorMayClose");
        m_hooks.gridMayClose = true;
        m_hooks.settingsMayLeave = false;
        m_hooks.calls.clear();
        QVERIFY(!m_wnd->prepclose());
        QCOMPARE(m_hooks.calls, QStringList() << "GridEditorMayClose"
                                              << "SettingsMayLeave");
        // Accepted, the clean-up runs once even though close() reaches closeEvent too.
        m_hooks.settingsMayLeave = true;
        m_hooks.calls.clear();
        QVERIFY(m_wnd->close());
        QCOMPARE(m_hooks.calls, QStringList() << "GridEditorMayClose"
                                              << "SettingsMayLeave"
                                              << "StoreTreeState");
        QVERIFY(!m_wnd->isVisible());
    }
};

QTEST_MAIN(TestMervexWnd)
#include "test_mervexwnd.moc"
