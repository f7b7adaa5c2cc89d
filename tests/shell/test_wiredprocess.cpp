// The running program and the world around its process. Opening a package from a file manager starts the
// program again with the package's path; that second start hands the path over and the running program imports
// it with its questions and boxes, or refuses what is no package, and goes on. A signal (a logout, Ctrl+C)
// ends it without a question, its unsaved edits kept; a save that fails at the end is no success; a refused
// session end asks once; a plug-in library's question waits until the phone server is open.
#include "config/datacfg.h"
#include "config/datacfgrecords.h"
#include "config/tusercfg.h"
#include "editor/gridview.h"
#include "editor/impexppopup.h"
#include "editor/mtegridedit.h"
#include "editor/tabview.h"
#include "functions/funcmgr.h"
#include "server/netserver.h"
#include "shell/mervapp.h"
#include "shell/programtabhooks.h"
#include "shell/termsignals.h"
#include "tests/common/logcapture.h"
#include "tests/common/popupanswer.h"
#include "tests/common/testzip.h"
#include "tests/common/wiredprogram.h"
#include "widgets/popupwnd.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QProcess>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <csignal>
#include <functional>
#include <unistd.h>

namespace {
// The user at the screen: imports everything a package popup offers and answers every box with OK (or NO where
// there is none, as for the closing "save?" questions), or as answer says; remembers what was shown.
struct User : QObject {
    QStringList seen;
    std::function<int(PopupWnd*)> answer = [](PopupWnd*) { return int(PopupWnd::OK); };
    QTimer timer;
    User() {
        connect(&timer, &QTimer::timeout, this, &User::Act);
        timer.start(30);
    }
    void Act() {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            auto* popup = qobject_cast<PopupWnd*>(top);
            if (!popup || !popup->isVisible() || handled.contains(popup))
                continue;
            handled << popup;
            if (auto* pkg = qobject_cast<ImpExpPopup*>(popup)) {
                seen << QStringLiteral("package popup");
                for (QStandardItemModel* model : {pkg->GridModel(), pkg->ControlModel()})
                    for (int r = 0; r < model->rowCount(); ++r)
                        model->item(r)->setCheckState(Qt::Checked);
                QMetaObject::invokeMethod(pkg->ActionButton(), "click", Qt::QueuedConnection);
                continue;
            }
            seen << popup->windowTitle() + QLatin1Char('|') + popup->text;
            ClickPopupButton(popup, answer(popup));
        }
    }
    QList<QPointer<PopupWnd>> handled;
};

QByteArray Grids(int count) {
    QByteArray out = "[";
    for (int i = 1; i <= count; ++i)
        out += (i > 1 ? "," : "") + QByteArray("{\"Name\":\"Opened ") + QByteArray::number(i) + "\",\"Elements\":[]}";
    return out + "]";
}
} // namespace

class TestWiredProcess : public QObject {
    Q_OBJECT
    std::unique_ptr<WiredProgram> m_program;
    std::unique_ptr<User> m_user;
    QTemporaryDir m_dir;

    // The program started again with these arguments, as a file manager does; true when it handed them over
    // and ended as a second start ends.
    bool StartAgain(const QStringList& args) {
        QProcess second;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("MERVEX_INSTANCE_NAME"), static_cast<MervApp*>(qApp)->instanceName());
        env.insert(QStringLiteral("MERVEX_TCP_PORT"), QStringLiteral("0"));
        env.insert(QStringLiteral("MERVEX_UDP_PORT"), QStringLiteral("0"));
        second.setProcessEnvironment(env);
        second.setProcessChannelMode(QProcess::ForwardedChannels);
        second.start(QStringLiteral(VELLICHOR_BINARY), args);
        if (!second.waitForStarted())
            return false;
        // The messages reach this process through its own event loop.
        if (!QTest::qWaitFor([&] { return second.state() == QProcess::NotRunning; }, 30000))
            return false;
        return second.exitStatus() == QProcess::NormalExit && second.exitCode() == 0;
    }

    // The program's event loop, as program entry runs it, ends by itself; the tests' own loops go on after it.
    static bool RunsToTheEnd() {
        bool ended = true;
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [&ended] {
            ended = false;
            qApp->quit();
        });
        guard.start(20000);
        qApp->exec();
        QApplication::setQuitOnLastWindowClosed(false);
        return ended;
    }

private slots:
    void init() {
        m_program = std::make_unique<WiredProgram>();
        QVERIFY(m_program->Started());
        static_cast<MervApp*>(qApp)->ServeWindow(m_program->Window());
        m_user = std::make_unique<User>();
    }
    void cleanup() {
        m_program.reset();
        m_user.reset();
    }

    // The box of an import runs while the second start that asked for it has already gone.
    void anOpenedPackageIsImportedAndTheProgramGoesOn_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("gridsAdded");
        QTest::newRow("refused archive") << "refused.mvlp" << QByteArray("PK\3\4 but no archive") << "Error|" << 0;
        QTest::newRow("empty archive") << "empty.mvlp" << QByteArray() << "|" << 0;
        QTest::newRow("valid package of five grids") << "five.mvlp" << QByteArray("five") << "package popup" << 5;
    }
    void anOpenedPackageIsImportedAndTheProgramGoesOn() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, shown);
        QFETCH(int, gridsAdded);
        const QString path = m_dir.path() + QLatin1Char('/') + name;
        if (bytes.isEmpty()) {
            QVERIFY(MakeZip(path, {}));
        } else if (bytes == "five") {
            QVERIFY(MakeZip(path, {{"info.json", "{\"Name\":\"Five\"}"},
                                   {"controls.json", "{\"Name\":\"P\",\"Elements\":[]}"},
                                   {"grids.json", Grids(5)}}));
        } else {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
        }
        const int grids = m_program->Parts().cfg->Grids().size();

        QVERIFY(StartAgain({path}));
        QTRY_VERIFY_WITH_TIMEOUT(!m_user->seen.filter(shown).isEmpty(), 20000);
        // Every box answered, the program still takes the next start.
        QTRY_VERIFY_WITH_TIMEOUT(!QApplication::activeModalWidget(), 20000);
        QCOMPARE(m_program->Parts().cfg->Grids().size(), grids + gridsAdded);
        for (int i = 1; i <= gridsAdded; ++i)
            QVERIFY(QFileInfo::exists(m_program->UserPath() + QStringLiteral("CustomGrids/Opened %1.json").arg(i)));
        const int seen = m_user->seen.size();
        QVERIFY(StartAgain({path}));
        QTRY_VERIFY_WITH_TIMEOUT(m_user->seen.size() > seen, 20000);
        QTRY_VERIFY_WITH_TIMEOUT(!QApplication::activeModalWidget(), 20000);
        QVERIFY(m_program->Window()->isVisible());
    }

    // A file that is no package, named on another start's command line, is refused with a box and a log line
    // as a drop of it is; the other start's own path and its options are no files.
    void aSecondStartsOtherFileIsRefused() {
        QTemporaryDir folder;
        QFile picture(folder.path() + QStringLiteral("/photo.png"));
        QVERIFY(picture.open(QIODevice::WriteOnly));
        picture.close();
        LogCapture log;
        QProcess second;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("MERVEX_INSTANCE_NAME"), static_cast<MervApp*>(qApp)->instanceName());
        env.insert(QStringLiteral("MERVEX_TCP_PORT"), QStringLiteral("0"));
        env.insert(QStringLiteral("MERVEX_UDP_PORT"), QStringLiteral("0"));
        second.setProcessEnvironment(env);
        second.setWorkingDirectory(folder.path());
        second.start(QStringLiteral(VELLICHOR_BINARY), {QStringLiteral("-log"), QStringLiteral("photo.png"),
                                                        QStringLiteral("-lang"), QStringLiteral("de")});
        QVERIFY(second.waitForStarted());
        QVERIFY(QTest::qWaitFor([&] { return second.state() == QProcess::NotRunning; }, 30000));
        const QString path = QDir(folder.path()).canonicalPath() + QStringLiteral("/photo.png");
        const QString told = QStringLiteral("IMPORT|%1 is not a grid, control or plug-in package.").arg(path);
        QTRY_COMPARE_WITH_TIMEOUT(m_user->seen, QStringList{told}, 10000);
        QTest::qWait(200);
        QCOMPARE(m_user->seen, QStringList{told});
        QCOMPARE(log.Lines().filter(QRegularExpression(QStringLiteral("^ WARN .*photo.png is not a grid"))).size(), 1);
    }

    // A plug-in library nobody decided on is asked about once the start is done: the phone server is open
    // while the question waits, and the library loads once the user allows it.
    void aPluginQuestionDoesNotHoldUpThePhoneServer() {
        m_program.reset();
        QTemporaryDir user;
        const QString folder = user.path() + QStringLiteral("/Plugins/Prov/");
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(QFile::copy(QStringLiteral(MERVEX_TEST_PROVIDER), folder + QStringLiteral("provider.so")));
        QFile description(folder + QStringLiteral("plugin.json"));
        QVERIFY(description.open(QIODevice::WriteOnly));
        description.write(R"({ "Name": "Prov", "DynamicLibraries": ["provider.dll"] })");
        description.close();

        bool serverOpenWhenAsked = false;
        m_user->answer = [&](PopupWnd* popup) {
            if (!popup->text.contains(QLatin1String("wants to load")))
                return int(PopupWnd::OK);
            // Asked maybe before the wired program is handed back: the window knows its server.
            serverOpenWhenAsked = MervexWnd::Instance() && MervexWnd::Instance()->Server()->IsOpen();
            return int(PopupWnd::YES);
        };
        m_program = std::make_unique<WiredProgram>(user.path());
        QVERIFY(m_program->Started());
        QVERIFY(m_program->Server()->IsOpen());
        QTRY_VERIFY_WITH_TIMEOUT(!m_user->seen.filter(QStringLiteral("wants to load")).isEmpty(), 10000);
        QVERIFY(serverOpenWhenAsked);
        QTRY_VERIFY_WITH_TIMEOUT(FindPluginByName(GetFuncProviderList(), QStringLiteral("X")), 10000);
        QCOMPARE(m_user->seen.filter(QStringLiteral("wants to load")).size(), 1);
    }

    // A signal ends the program with nobody to ask: the edited grid and the moved tab are kept as their SAVE
    // and APPLY keep them, the log says so, and a further signal asks nothing either.
    void aSignalKeepsUnsavedEditsWithoutAQuestion() {
        MTEGridEdit* editor = m_program->TabHooks()->Editor();
        const QString key = QStringLiteral("CustomGrid:Custom Grid 1");
        int at = -1;
        for (int i = 0; i < editor->Tabs()->Count(); ++i)
            if (editor->Tabs()->GetTabKey(i) == key)
                at = i;
        QVERIFY(at > 0);
        editor->Tabs()->OnTabClicked(at);
        const DataCfg::TControl control = m_program->Parts().cfg->Controls().first();
        QVERIFY(editor->Canvas()->AddCtrl(control, 0, 0));
        QVERIFY(editor->Canvas()->IsModified());
        editor->Button("btnArrL")->click();
        const QString gridFile = m_program->UserPath() + QStringLiteral("CustomGrids/Custom Grid 1.json");
        const auto fileText = [](const QString& path) {
            QFile f(path);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        };
        QVERIFY(!fileText(gridFile).contains(control.GetKey().toUtf8()));

        LogCapture log;
        TermSignals termSignals;
        QVERIFY(termSignals.Install());
        MervexWnd* wnd = m_program->Window();
        // As program entry wires it.
        QObject::connect(&termSignals, &TermSignals::Received, wnd,
                         [wnd](int n) { wnd->CloseUnasked(QStringLiteral("signal %1").arg(n)); });
        // Both arrive while the program runs; the first ends it, the second finds it ending.
        QCOMPARE(::raise(SIGTERM), 0);
        QCOMPARE(::raise(SIGHUP), 0);
        QVERIFY(RunsToTheEnd());
        QVERIFY(wnd->IsQuitting());
        QCOMPARE(log.Lines().filter(QStringLiteral("is ending already")).size(), 1);

        QVERIFY2(m_user->seen.isEmpty(), qPrintable(m_user->seen.join('\n')));
        QVERIFY(!editor->Canvas()->IsModified());
        QVERIFY(fileText(gridFile).contains(control.GetKey().toUtf8()));
        const QList<DataCfg::TNamed>& tabs = m_program->Parts().cfg->UserCfg().Tabs;
        QVERIFY(at - 1 < tabs.size());
        QCOMPARE(tabs.at(at - 1).Name, key);
        const QStringList kept = log.Lines().filter(QStringLiteral("ending without asking"));
        QCOMPARE(kept.size(), 2);
        QVERIFY(kept.first().startsWith(QLatin1String(" WARN ")));
        QVERIFY(kept.filter(QRegularExpression(QStringLiteral("the grid .*Custom Grid 1.* was saved"))).size() == 1);
        QVERIFY(kept.filter(QStringLiteral("the tab list was kept")).size() == 1);
    }

    // The user configuration cannot be written at the end: an ERROR line, not a "saved" one, and the user who
    // quit is told in a box; after a signal nobody is there for a box.
    void aFailedSaveAtTheEndIsAnError_data() {
        QTest::addColumn<bool>("bySignal");
        QTest::newRow("the user quits") << false;
        QTest::newRow("a signal") << true;
    }
    void aFailedSaveAtTheEndIsAnError() {
        QFETCH(bool, bySignal);
        MervexWnd* wnd = m_program->Window();
        QDir().mkpath(JsonTempName(m_program->UserPath() + QStringLiteral("userCfg.json")));
        if (bySignal)
            wnd->CloseUnasked(QStringLiteral("signal 15"));
        else
            QVERIFY(wnd->close());
        QVERIFY(RunsToTheEnd());
        LogCapture log;
        QVERIFY(!wnd->SaveAtExit());
        const QStringList errors = log.Lines().filter(QStringLiteral("user configuration was not saved"));
        QCOMPARE(errors.size(), 1);
        QVERIFY(errors.first().startsWith(QLatin1String("ERROR ")));
        QVERIFY(log.Lines().filter(QStringLiteral("user configuration saved")).isEmpty());
        const QStringList boxes = m_user->seen.filter(QStringLiteral("Your settings could not be saved"));
        QCOMPARE(boxes.size(), bySignal ? 0 : 1);
        QDir(JsonTempName(m_program->UserPath() + QStringLiteral("userCfg.json"))).removeRecursively();
    }

    // The desktop session is to end while the window sits in the tray with an unsaved grid: the window comes
    // up and asks once; the user refuses, the session end is refused, and nothing asks again after it (the
    // toolkit's own session handling would close every window and ask a second time).
    void refusingASessionEndAsksOnce() {
        MTEGridEdit* editor = m_program->TabHooks()->Editor();
        editor->ShowGrid(QStringLiteral("CustomGrid:Custom Grid 1"));
        QVERIFY(editor->Canvas()->AddCtrl(m_program->Parts().cfg->Controls().first(), 0, 0));
        MervexWnd* wnd = m_program->Window();
        wnd->hide();
        m_user->answer = [](PopupWnd* popup) {
            return popup->windowTitle() == QLatin1String("SAVE CHANGES?") ? int(PopupWnd::CANCEL) : int(PopupWnd::OK);
        };
        QVERIFY(!MervApp::QueryEndSession());
        // What the toolkit does next on a session end when its fallback handling is on.
        if (QGuiApplication::isFallbackSessionManagementEnabled())
            QApplication::closeAllWindows();
        QTest::qWait(100);
        QCOMPARE(m_user->seen.filter(QStringLiteral("SAVE CHANGES?|")).size(), 1);
        QVERIFY(wnd->isVisible());
        QVERIFY(!wnd->IsQuitting());
        QVERIFY(editor->Canvas()->IsModified());
        editor->RevertGrid();
    }
};

int main(int argc, char** argv) {
    // The instance lock, the socket and the packages' staging folder: below a runtime folder of this test.
    QTemporaryDir runtime;
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    MervApp app(argc, argv, QStringLiteral("second-start-test-%1").arg(::getpid()));
    if (app.isRunning())
        return 1;
    TestWiredProcess test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_wiredprocess.moc"
