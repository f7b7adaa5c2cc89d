#pragma once
// The program's log as plug-in libraries reach it: they ask for the level and build lines the way the
// program's own call sites do, and the finished line goes through the program's logger.

#include <QDebug>
#include <QString>

class PluginLogger {
public:
    enum LogLevel { TraceLevel = 0, DebugLevel, InfoLevel, WarnLevel, ErrorLevel, FatalLevel };

    static LogLevel GetLogLevel();

    // Exported with the rest of the plug-in API, so defined out of line; the class holds no data.
    PluginLogger() = default;
    PluginLogger(const PluginLogger&) = default;
    PluginLogger& operator=(const PluginLogger& other);

    // One line; written when the helper goes out of scope. Build one only when the level is not below
    // GetLogLevel(): the helper itself does not check.
    class Helper {
    public:
        explicit Helper(LogLevel level);
        Helper(const Helper& other);
        Helper& operator=(const Helper& other);
        ~Helper();
        QDebug& stream();

    private:
        void writeToLog();
        LogLevel level;
        QString buffer;
        QDebug qtDebug;
    };
};
