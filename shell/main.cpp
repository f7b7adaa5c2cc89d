// Program entry: the single-instance check, then style, logging, profiler and platform layer, the main
// window and the event loop; after it, everything goes down in the reverse order.
#include "config/datacfg.h"
#include "foundation/crashhandler.h"
#include "foundation/globals.h"
#include "foundation/logger/QsLog.h"
#include "foundation/logger/QsLogDest.h"
#include "foundation/profiler.h"
#include "foundation/profilerwake.h"
#include "functions/pal/pal.h"
#include "functions/trustedroots.h"
#include "server/earlysockets.h"
#include "server/httpreply.h"
#include "shell/composition.h"
#include "shell/mervapp.h"
#include "shell/mervexstyle.h"
#include "shell/mervexwnd.h"
#include "shell/startoptions.h"
#include "shell/termsignals.h"
#include "shell/vellichorinstaller.h"

#include <QDir>
#include <QFileInfo>
#include <QThread>

namespace {
// Discovery answers from here on: the toolkit, the window and the configuration take a while to start, and the
// phone server takes these sockets over when it opens. False when another instance holds the ports.
bool StartDiscoveryEarly() {
    QHostAddress serverAddress;
    quint16 tcpPort = 0, udpPort = 0;
    EarlySockets::Endpoints(serverAddress, tcpPort, udpPort);
    return EarlySockets::Start(serverAddress, tcpPort, udpPort,
                               HttpReply::InfoText(PAL::GetComputerName(), PAL::GetOSName(), PAL::GetMachineId()));
}

// Another instance serves this session: it gets our command line. The program path and the files to open are
// made absolute here, in this start's folder: the other instance runs in a folder of its own, and knows the
// program path by its being a program file.
void HandOverToRunningInstance(MervApp& app) {
    EarlySockets::Stop();
    app.sendMessage(QStringLiteral("activate"), MervApp::SendTimeoutMs);
    const QStringList args = QCoreApplication::arguments();
    bool languageCode = false;
    for (int i = 0; i < args.size(); ++i) {
        QString handed = args[i];
        if (i == 0)
            handed = QCoreApplication::applicationFilePath();
        else if (!(languageCode && StartOptions::IsLanguageCode(handed)) &&
                 StartOptions::Kind(handed) == StartOptions::File)
            handed = QFileInfo(handed.trimmed()).absoluteFilePath();
        languageCode = StartOptions::Kind(args[i]) == StartOptions::LanguageOption;
        app.sendMessage(QStringLiteral("arg: ") + handed, MervApp::SendTimeoutMs);
    }
}

// Woken, the sampler ends at once instead of after its current sleep; its report goes to the log file.
void StopProfiler(ProfileThread* profileThread, QsLogging::Destination* fileDest) {
    profileThread->RequestStop();
    ProfileWakeSamplers();
    {
        PROFILE_SCOPE("idle");
        profileThread->wait();
    }
    QLOG_INFO() << "main: profiler stopped";
    fileDest->write(ProfileReportText());
}

// The program from its composition root to the end of its event loop: the window shown, wired to another
// start's messages and the termination signals, and the user configuration written back at the end. The
// profiler stops before the program is taken down.
int RunProgram(MervApp& app, const StartOptions& options, ProfileThread* profileThread,
               QsLogging::Destination* fileDest) {
    Composition program;
    MervexWnd* wnd = program.Window();
    app.ServeWindow(wnd);
    wnd->show();
    if (options.showLog)
        wnd->ShowLogger();
    // A logout, Ctrl+C or a closed terminal ends the program through its close sequence, with its saves but
    // without a question: nobody may be there to answer.
    TermSignals termSignals;
    termSignals.Install();
    QObject::connect(&termSignals, &TermSignals::Received, wnd,
                     [wnd](int signalNumber) { wnd->CloseUnasked(QStringLiteral("signal %1").arg(signalNumber)); });
    // A headless check of the whole start and stop: quit through the close sequence once started.
    if (QCoreApplication::arguments().contains(QStringLiteral("--smoke")))
        QObject::connect(
            wnd, &MervexWnd::StartupFinished, wnd, [wnd] { wnd->CloseUnasked(QStringLiteral("headless check")); },
            Qt::QueuedConnection);

    const int rc = app.exec();
    QLOG_INFO() << "main: event loop ended with" << rc;

    const bool saved = wnd->SaveAtExit();
    StopProfiler(profileThread, fileDest);
    // A lost save is no success.
    return saved ? rc : 1;
}
} // namespace

int main(int argc, char* argv[]) {
    // The crash log and the log file live here; the folder must exist before either is written.
    const QString tempDir = MervexGlobals::PrivateTempRoot() + QStringLiteral("/MERVEX/Velli-Chor");
    InstallCrashHandler((tempDir + QStringLiteral("/crashlog.txt")).toLocal8Bit().constData());
    QDir().mkpath(tempDir);

    const bool early = StartDiscoveryEarly();
    MervApp app(argc, argv);
    if (app.isRunning()) {
        HandOverToRunningInstance(app);
        return 0;
    }

    // The longest part of the start, the system's certificate authorities, runs beside the rest until the
    // composition installs them.
    TrustedRoots::Preload();
    QApplication::setStyle(new MervexStyle);
    QApplication::setQuitOnLastWindowClosed(false);

    QsLogging::Logger& logger = GetLogger();
    // The logger's own level (INFO): TRACE and DEBUG lines of every message and datagram would grow the log
    // by the network's pace.
    QsLogging::Destination* debugDest = QsLogging::MakeDebugOutputDestination();
    QsLogging::Destination* fileDest = QsLogging::MakeFileDestination(tempDir + QStringLiteral("/log.txt"));
    logger.AddDestination(debugDest);
    logger.AddDestination(fileDest);
    QLOG_INFO() << "MervexApp: starting, build" << MervexGlobals::BuildText().trimmed();
    if (VellichorInstaller::UsesDevelopmentKey())
        QLOG_WARN() << "MervexApp: this build accepts updates signed with the development update key, whose "
                       "private half is public; a release build compiles in a key of its own";
    if (!early)
        QLOG_INFO() << "main: the phone server's ports are not free yet; discovery answers once the server opens";

    ProfileInit();
    ProfileRegisterThread(ProfileNextGroup());
    ProfileEnter("main");
    ProfileThread* profileThread = new ProfileThread;
    profileThread->start(QThread::HighestPriority);

    PAL::Init();
    QLOG_INFO() << "main: platform layer started";

    const StartOptions options = StartOptions::Parse(QCoreApplication::arguments());
    LanguageOverride() = options.language;
    const int rc = RunProgram(app, options, profileThread, fileDest);
    QLOG_INFO() << "main: main window destroyed";
    EarlySockets::Stop();
    PAL::Exit();
    QLOG_INFO() << "main: platform layer stopped";
    delete profileThread;
    ProfileLeave();

    logger.RemoveDestination(debugDest);
    logger.RemoveDestination(fileDest);
    delete debugDest;
    delete fileDest;
    return rc;
}
