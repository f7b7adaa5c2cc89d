#include "tests/connectivity/syslogcapture.h"

#include <cstdarg>
#include <cstdio>
#include <mutex>
#include <string>
#include <syslog.h>

namespace {
std::mutex g_mutex;
std::string g_ident;
QStringList g_entries;
} // namespace

extern "C" void openlog(const char* ident, int, int) {
    std::lock_guard<std::mutex> lock(g_mutex);
    g_ident = ident ? ident : "";
}

extern "C" void closelog() {
    std::lock_guard<std::mutex> lock(g_mutex);
    g_ident.clear();
}

extern "C" void syslog(int, const char* format, ...) {
    char text[4096];
    va_list args;
    va_start(args, format);
    vsnprintf(text, sizeof text, format, args);
    va_end(args);
    std::lock_guard<std::mutex> lock(g_mutex);
    g_entries << QString::fromStdString(g_ident + '\t' + text);
}

QStringList TakeSyslogEntries() {
    std::lock_guard<std::mutex> lock(g_mutex);
    QStringList entries;
    entries.swap(g_entries);
    return entries;
}
