// Program entry: logging, profiler and the platform hooks the foundation needs, then the event loop.
#include "QsLog.h"
#include "QsLogDest.h"
#include "cryptstring.h"
#include "dcscriptobjectfactory.h"
#include "globals.h"
#include "pal.h"
#include "profiler.h"

#include <QApplication>
#include <QDir>
#include <QThread>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);

    const QString logDir = MervexGlobals::PrivateTempRoot() + QStringLiteral("/MERVEX/Velli-Chor");
    QDir().mkpath(logDir);
    QsLogging::Logger& logger = GetLogger();
    logger.SetLevel(QsLogging::TraceLevel);
    QsLogging::Destination* debugDest = QsLogging::MakeDebugOutputDestination();
    QsLogging::Destination* fileDest = QsLogging::MakeFileDestination(logDir + QStringLiteral("/log.txt"));
    logger.AddDestination(debugDest);
    logger.AddDestination(fileDest);

    ProfileInit();
    ProfileRegisterThread(ProfileNextGroup());
    ProfileThread* profileThread = new ProfileThread;
    profileThread->start(QThread::HighestPriority);

    // Secrets in the configuration are keyed to this machine.
    SetCryptMachineIdProvider(&PAL::GetMachineId);
    // Control views hand their scripts the script objects from here on.
    DCScriptObjectFactory::Install();

    QLOG_INFO() << "MervexApp: starting, build" << MervexGlobals::BuildText().trimmed();
    if (app.arguments().contains(QStringLiteral("--smoke")))
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    const int rc = app.exec();

    profileThread->RequestStop();
    while (profileThread->IsRunning()) {
        PROFILE_SCOPE("idle");
        QThread::msleep(10);
    }
    profileThread->wait();
    delete profileThread;
    fileDest->write(ProfileReportText());

    logger.RemoveDestination(debugDest);
    logger.RemoveDestination(fileDest);
    delete debugDest;
    delete fileDest;
    return rc;
}
