#pragma once
// Where finished log lines go: a file rewritten at each start, or the debug output (stderr here).

#include <QByteArray>
#include <QString>

#include <condition_variable>
#include <mutex>
#include <thread>

namespace QsLogging {

class Destination {
public:
    virtual ~Destination() = default;
    virtual void write(const QString& message) = 0;
};

// Each run may write at most maxBytes into the file: a peer on the network or a loop in a script must not fill
// the disk. When the next line would pass the limit, one notice says so and the rest of the run is left out.
// The file is opened and written by a worker thread of its own, so a caller (the main thread among them) never
// waits for the disk; it waits only when maxQueuedBytes are still on their way. Every line handed over is in
// the file once the destination is deleted.
class FileDestination : public Destination {
public:
    static constexpr qint64 DefaultMaxBytes = 8 * 1024 * 1024;
    static constexpr qint64 DefaultMaxQueuedBytes = 1024 * 1024;

    explicit FileDestination(const QString& filePath, qint64 maxBytes = DefaultMaxBytes,
                             qint64 maxQueuedBytes = DefaultMaxQueuedBytes);
    ~FileDestination() override;
    void write(const QString& message) override;

private:
    void Run(const QString& filePath);

    const qint64 mMaxBytes;
    const qint64 mMaxQueuedBytes;
    qint64 mWritten = 0;
    bool mFull = false;
    std::mutex mMutex;
    std::condition_variable mWorkArrived;
    std::condition_variable mRoomFreed;
    QByteArray mQueue;
    bool mStop = false;
    std::thread mWorker;
};

class DebugOutputDestination : public Destination {
public:
    void write(const QString& message) override;
};

// The caller owns the result and removes it from the logger before deleting it.
Destination* MakeFileDestination(const QString& filePath, qint64 maxBytes = FileDestination::DefaultMaxBytes,
                                 qint64 maxQueuedBytes = FileDestination::DefaultMaxQueuedBytes);
Destination* MakeDebugOutputDestination();

} // namespace QsLogging
