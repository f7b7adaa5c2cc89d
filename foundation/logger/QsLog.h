#pragma once
// The process-wide logging core: six levels, a list of destinations, whole lines under one mutex.

#include <QDebug>
#include <QString>

namespace QsLogging {

enum Level { TraceLevel = 0, DebugLevel, InfoLevel, WarnLevel, ErrorLevel, FatalLevel };

class Destination;
class LoggerImpl;

class Logger {
public:
    Logger();
    ~Logger();
    Logger(const Logger&) = delete;
    Logger& operator=(const Logger&) = delete;

    int GetLevel() const { return m_level; }
    void SetLevel(int level) { m_level = level; }
    void AddDestination(Destination* destination);
    void RemoveDestination(Destination* destination);
    // Hands a finished line to every destination; the caller holds the mutex.
    void Write(const QString& line);
    // Hands a text to every destination as it is, taking the mutex itself (a report from the log window).
    void WriteText(const QString& text);

    // One line under construction at a call site; written when it goes out of scope.
    class Helper {
    public:
        explicit Helper(int level) : level(level), qtDebug(&buffer) {}
        ~Helper();
        QDebug& stream() { return qtDebug; }

    private:
        void writeToLog();
        int level;
        QString buffer;
        QDebug qtDebug;
    };

private:
    friend class Helper;
    LoggerImpl* d;
    int m_level;
};

// Formats a line as the logger writes it: level right-aligned in five columns, local time, text.
QString FormatLine(int level, const QString& text);

} // namespace QsLogging

QsLogging::Logger& GetLogger();

// A call site costs one comparison when the level is below the logger's: nothing is formatted.
// A loop of at most one pass rather than an if/else, so a call site inside an unbraced if/else stays unambiguous.
#define QLOG_AT(lvl)                                                                                                   \
    for (bool qlogPending_ = GetLogger().GetLevel() <= (lvl); qlogPending_; qlogPending_ = false)                      \
    QsLogging::Logger::Helper(lvl).stream()
#define QLOG_TRACE() QLOG_AT(QsLogging::TraceLevel)
#define QLOG_DEBUG() QLOG_AT(QsLogging::DebugLevel)
#define QLOG_INFO() QLOG_AT(QsLogging::InfoLevel)
#define QLOG_WARN() QLOG_AT(QsLogging::WarnLevel)
#define QLOG_ERROR() QLOG_AT(QsLogging::ErrorLevel)
#define QLOG_FATAL() QLOG_AT(QsLogging::FatalLevel)
