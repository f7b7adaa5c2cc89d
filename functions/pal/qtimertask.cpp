#include "functions/pal/qtimertask.h"

QTimerTask::QTimerTask(QObject* parent) : QObject(parent) {
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &QTimerTask::run);
}

void QTimerTask::Start(int ms) {
    m_timer.start(qMax(0, ms));
}

void QTimerTask::Finish() {
    m_timer.stop();
    deleteLater();
}
