#include "functions/pluginlogger.h"

#include "foundation/logger/QsLog.h"

PluginLogger::LogLevel PluginLogger::GetLogLevel() {
    return LogLevel(GetLogger().GetLevel());
}

PluginLogger& PluginLogger::operator=(const PluginLogger&) {
    return *this;
}

PluginLogger::Helper::Helper(LogLevel level) : level(level), qtDebug(&buffer) {}

PluginLogger::Helper::Helper(const Helper& other) : level(other.level), buffer(other.buffer), qtDebug(&buffer) {}

PluginLogger::Helper& PluginLogger::Helper::operator=(const Helper& other) {
    level = other.level;
    buffer = other.buffer;
    qtDebug = QDebug(&buffer);
    return *this;
}

QDebug& PluginLogger::Helper::stream() {
    return qtDebug;
}

PluginLogger::Helper::~Helper() {
    writeToLog();
}

void PluginLogger::Helper::writeToLog() {
    // Only the six levels of the logger exist; anything else would index past its level names.
    const int lvl = qBound(int(TraceLevel), int(level), int(FatalLevel));
    QsLogging::Logger::Helper(lvl).stream().noquote() << buffer.trimmed();
}
