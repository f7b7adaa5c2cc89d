#pragma once
// Holds the log lines that outsiders can cause (malformed requests, broken frames, stray datagrams, connections
// coming and going, messages of sessions that are not connected) to a few lines per second, so that nobody on
// the network can flood the log. The first line after some were left out says how many.

#include "foundation/logger/QsLog.h"

#include <QtGlobal>

class LogRateLimit {
public:
    explicit LogRateLimit(int linesPerWindow = 10, qint64 windowMs = 1000)
        : m_linesPerWindow(linesPerWindow), m_windowMs(windowMs) {}

    // Whether a line may be written now (time in milliseconds of any steady clock). When it may, dropped
    // holds the number of lines left out since the last one written.
    bool Allow(qint64 nowMs, int& dropped) {
        if (nowMs - m_windowStart >= m_windowMs || nowMs < m_windowStart) {
            m_windowStart = nowMs;
            m_written = 0;
        }
        if (m_written >= m_linesPerWindow) {
            ++m_dropped;
            return false;
        }
        ++m_written;
        dropped = m_dropped;
        m_dropped = 0;
        return true;
    }

private:
    int m_linesPerWindow;
    qint64 m_windowMs;
    qint64 m_windowStart = -(qint64(1) << 62);
    int m_written = 0;
    int m_dropped = 0;
};

// The one limit that every line a peer can cause goes through, whichever part of the server writes it.
namespace OutsiderLog {
// Whether a line of this level may be written now: false when the logger leaves the level out (nothing is
// counted then) or when this second's share is used up. When lines were left out before, a line saying how many
// is written first, at the highest level among them. Any thread.
bool Allow(int level);
// Lines left out since the process started.
qint64 LeftOut();
} // namespace OutsiderLog

// QLOG_AT for a line that a peer caused.
#define QLOG_OUTSIDER(lvl)                                                                                             \
    for (bool qlogPending_ = OutsiderLog::Allow(lvl); qlogPending_; qlogPending_ = false)                              \
    QsLogging::Logger::Helper(lvl).stream()
