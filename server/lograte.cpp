#include "server/lograte.h"

#include <QElapsedTimer>

#include <mutex>

namespace {
std::mutex g_mutex;
LogRateLimit g_limit;
int g_leftOutLevel = -1;
qint64 g_leftOut = 0;

qint64 NowMs() {
    static const QElapsedTimer clock = [] {
        QElapsedTimer c;
        c.start();
        return c;
    }();
    return clock.elapsed();
}
} // namespace

bool OutsiderLog::Allow(int level) {
    if (GetLogger().GetLevel() > level)
        return false;
    int dropped = 0;
    int droppedLevel = -1;
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        if (!g_limit.Allow(NowMs(), dropped)) {
            ++g_leftOut;
            g_leftOutLevel = qMax(g_leftOutLevel, level);
            return false;
        }
        droppedLevel = g_leftOutLevel;
        g_leftOutLevel = -1;
    }
    if (dropped > 0)
        QLOG_AT(droppedLevel) << "NetServer: left out" << dropped << "log lines caused by peers on the network";
    return true;
}

qint64 OutsiderLog::LeftOut() {
    std::lock_guard<std::mutex> lock(g_mutex);
    return g_leftOut;
}
