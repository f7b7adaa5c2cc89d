// Program entry: sets up logging, then runs the application.
#include "QsLog.h"
#include "QsLogDest.h"
#include "globals.h"

#include <QApplication>
#include <QDir>
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

    QLOG_INFO() << "MervexApp: starting, build" << MervexGlobals::BuildText().trimmed();
    if (app.arguments().contains(QStringLiteral("--smoke")))
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    const int rc = app.exec();

    logger.RemoveDestination(debugDest);
    logger.RemoveDestination(fileDest);
    delete debugDest;
    delete fileDest;
    return rc;
}
