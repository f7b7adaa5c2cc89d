#include "foundation/logger/QsLogDest.h"

#include "foundation/logger/QsLog.h"

#include <QFile>

#include <cstdio>

namespace QsLogging {

FileDestination::FileDestination(const QString& filePath, qint64 maxBytes, qint64 maxQueuedBytes)
    : mMaxBytes(maxBytes), mMaxQueuedBytes(qMax<qint64>(maxQueuedBytes, 1)) {
    // Even the opening may wait (a file on a slow or hung disk): the worker does it.
    mWorker = std::thread(&FileDestination::Run, this, filePath);
}

FileDestination::~FileDestination() {
    {
        std::lock_guard<std::mutex> lock(mMutex);
        mStop = true;
    }
    mWorkArrived.notify_one();
    // The worker writes what is still queued before it ends.
    mWorker.join();
}

void FileDestination::write(const QString& message) {
    QByteArray bytes = message.toUtf8();
    bytes.append('\n');
    std::unique_lock<std::mutex> lock(mMutex);
    if (mFull)
        return;
    if (mWritten + bytes.size() > mMaxBytes) {
        mFull = true;
        bytes = FormatLine(WarnLevel, QStringLiteral("Log: the log file reached its limit of %1 bytes for this run; "
                                                     "later lines are left out")
                                          .arg(mMaxBytes))
                    .toUtf8();
        bytes.append('\n');
    }
    mWritten += bytes.size();
    // The queue is bounded: a caller that outruns the disk waits for room rather than losing lines.
    mRoomFreed.wait(lock,
                    [this, &bytes] { return mQueue.isEmpty() || mQueue.size() + bytes.size() <= mMaxQueuedBytes; });
    mQueue.append(bytes);
    lock.unlock();
    mWorkArrived.notify_one();
}

void FileDestination::Run(const QString& filePath) {
    // Truncated at every start; a file that cannot be opened simply receives nothing.
    QFile file(filePath);
    file.open(QFile::WriteOnly | QFile::Text | QFile::Truncate);
    std::unique_lock<std::mutex> lock(mMutex);
    for (;;) {
        mWorkArrived.wait(lock, [this] { return mStop || !mQueue.isEmpty(); });
        if (mQueue.isEmpty())
            break; // stopped, and nothing left
        QByteArray bytes;
        bytes.swap(mQueue);
        lock.unlock();
        // The queue has room again.
        mRoomFreed.notify_all();
        if (file.isOpen()) {
            // Each batch reaches the system at once: the process may end at any moment.
            file.write(bytes);
            file.flush();
        }
        lock.lock();
    }
    lock.unlock();
    file.close();
}

void DebugOutputDestination::write(const QString& message) {
    // The debugger output of this platform is the standard error stream.
    const QByteArray bytes = message.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fputc('\n', stderr);
}

Destination* MakeFileDestination(const QString& filePath, qint64 maxBytes, qint64 maxQueuedBytes) {
    return new FileDestination(filePath, maxBytes, maxQueuedBytes);
}

Destination* MakeDebugOutputDestination() {
    return new DebugOutputDestination;
}

} // namespace QsLogging
