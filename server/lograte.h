#pragma once
// Holds a kind of log line that outsiders can cause (messages of sessions that are not connected, stray
// datagrams) to a few lines per second, so that nobody can fill the log from the network. The first line
// after a quiet spell says how many were left out.

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
