#pragma once
// Collects every log line written while it lives, at every level.

#include "foundation/logger/QsLog.h"
#include "foundation/logger/QsLogDest.h"

#include <QMutex>
#include <QStringList>

class LogCapture : public QsLogging::Destination {
public:
    LogCapture() {
        mOldLevel = GetLogger().GetLevel();
        GetLogger().SetLevel(QsLogging::TraceLevel);
        GetLogger().AddDestination(this);
    }
    ~LogCapture() override {
        GetLogger().RemoveDestination(this);
        GetLogger().SetLevel(mOldLevel);
    }
    void write(const QString& message) override {
        QMutexLocker locker(&mMutex);
        mLines.append(message);
    }
    QString All() {
        QMutexLocker locker(&mMutex);
        return mLines.join(QLatin1Char('\n'));
    }

private:
    QMutex mMutex;
    QStringList mLines;
    int mOldLevel = 0;
};
