#pragma once
// Collects every log line written while it lives, at every level. Lines may arrive from any thread.

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
    ~LogCapture() override { Stop(); }
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    // Leaves the logger and gives back its level before the end of scope; the lines stay readable.
    void Stop() {
        if (!mAttached)
            return;
        mAttached = false;
        GetLogger().RemoveDestination(this);
        GetLogger().SetLevel(mOldLevel);
    }

    void write(const QString& message) override {
        QMutexLocker locker(&mMutex);
        mLines.append(message);
    }
    QStringList Lines() const {
        QMutexLocker locker(&mMutex);
        return mLines;
    }
    QString All() const { return Lines().join(QLatin1Char('\n')); }
    // How many lines contain the text.
    int Count(const QString& part) const {
        QMutexLocker locker(&mMutex);
        int n = 0;
        for (const QString& line : mLines)
            n += line.contains(part) ? 1 : 0;
        return n;
    }
    bool Has(const QString& part) const { return Count(part) > 0; }
    void Clear() {
        QMutexLocker locker(&mMutex);
        mLines.clear();
    }

private:
    mutable QMutex mMutex;
    QStringList mLines;
    int mOldLevel = 0;
    bool mAttached = true;
};
