#include "foundation/logger/QsLog.h"
#include "foundation/globals.h"
#include "foundation/logger/QsLogDest.h"

#include <QDateTime>
#include <QList>
#include <QMutex>
#include <QMutexLocker>
#include <cassert>
#include <cstdlib>
#include <exception>

namespace QsLogging {

class LoggerImpl {
public:
    QMutex logMutex;
    QList<Destination*> destList;
};

namespace {
const char* const kLevelNames[] = {"TRACE", "DEBUG", "INFO", "WARN", "ERROR", "FATAL"};

Logger* g_instance = nullptr;
bool g_constructed = false;

void DestroyLogger() {
    delete g_instance;
    g_instance = nullptr;
}
} // namespace

Logger::Logger() : d(new LoggerImpl), m_level(InfoLevel) {}

Logger::~Logger() {
    // The destinations belong to whoever added them.
    delete d;
}

void Logger::AddDestination(Destination* destination) {
    assert(destination && "destination");
    if (!destination)
        return;
    QMutexLocker lock(&d->logMutex);
    d->destList.append(destination);
}

void Logger::RemoveDestination(Destination* destination) {
    assert(destination && "destination");
    if (!destination)
        return;
    QMutexLocker lock(&d->logMutex);
    d->destList.removeAll(destination);
}

void Logger::Write(const QString& line) {
    for (Destination* dest : qAsConst(d->destList)) {
        assert(dest && "null log destination");
        if (dest)
            dest->write(line);
    }
}

void Logger::WriteText(const QString& text) {
    QMutexLocker lock(&d->logMutex);
    Write(text);
}

QString FormatLine(int level, const QString& text) {
    const char* name = "INFO";
    if (level >= TraceLevel && level <= FatalLevel)
        name = kLevelNames[level];
    else
        assert(!"bad log level");
    return QStringLiteral("%1 %2 %3")
        .arg(QLatin1String(name), 5)
        .arg(QDateTime::currentDateTime().toString(MervexGlobals::LogTimeFormat()), text);
}

void Logger::Helper::writeToLog() {
    // Formatting happens on the caller's thread without the lock; only the hand-over is serialised.
    const QString line = FormatLine(level, buffer);
    Logger& logger = GetLogger();
    QMutexLocker lock(&logger.d->logMutex);
    logger.Write(line);
}

Logger::Helper::~Helper() {
    try {
        writeToLog();
    } catch (...) {
        assert(!"exception in logger helper destructor");
    }
}

} // namespace QsLogging

QsLogging::Logger& GetLogger() {
    using namespace QsLogging;
    if (!g_constructed) {
        g_instance = new Logger;
        g_constructed = true;
        std::atexit(DestroyLogger);
    } else if (!g_instance) {
        // A destructor that runs at exit after the logger's own may still log: a bare logger without
        // destinations takes such lines; the process reclaims it.
        g_instance = new Logger;
    }
    return *g_instance;
}
