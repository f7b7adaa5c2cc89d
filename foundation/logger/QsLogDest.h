#pragma once
// Where finished log lines go: a file rewritten at each start, or the debug output (stderr here).

#include <QByteArray>
#include <QString>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <functional>
#include <mutex>
#include <thread>

namespace QsLogging {

class Destination {
public:
    virtual ~Destination() = default;
    virtual void write(const QString& message) = 0;
};

// The log of a run takes at most maxBytes on the disk, whatever a peer on the network or a loop in a script
// writes, and always keeps the latest lines: when the file would pass half of maxBytes it becomes the file
// "<name>.1" (replacing the one before) and a new file begins. A line longer than a file can hold is cut. The
// file is opened and written by a worker thread of its own, so a caller (the main thread among them) never
// waits for the disk; it waits only when maxQueuedBytes are still on their way. Every line handed over is in
// the file once the destination is deleted.
class FileDestination : public Destination {
public:
    static constexpr qint64 DefaultMaxBytes = 8 * 1024 * 1024;
    static constexpr qint64 DefaultMaxQueuedBytes = 1024 * 1024;
    // The smallest bound taken.
    static constexpr qint64 MinMaxBytes = 4096;

    explicit FileDestination(const QString& filePath, qint64 maxBytes = DefaultMaxBytes,
                             qint64 maxQueuedBytes = DefaultMaxQueuedBytes);
    ~FileDestination() override;
    void write(const QString& message) override;

private:
    void Run(const QString& filePath);

    // Bytes one of the two files holds at most.
    const qint64 mFileBytes;
    const qint64 mMaxQueuedBytes;
    std::mutex mMutex;
    std::condition_variable mWorkArrived;
    std::condition_variable mRoomFreed;
    QByteArray mQueue;
    bool mStop = false;
    std::thread mWorker;
};

// The copy of the log on the standard error stream, which cannot be rotated, is held to bytesPerSecond on
// average, with bursts of up to burstBytes (the start-up): what goes beyond is left out, and the next line
// written says how many lines were. Every line still reaches the log file. The rate is measured on `now`
// (the monotonic clock when empty).
class DebugOutputDestination : public Destination {
public:
    static constexpr qint64 DefaultBytesPerSecond = 16 * 1024;
    static constexpr qint64 DefaultBurstBytes = 256 * 1024;
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    explicit DebugOutputDestination(std::FILE* stream = stderr, qint64 bytesPerSecond = DefaultBytesPerSecond,
                                    qint64 burstBytes = DefaultBurstBytes, Clock now = {});
    void write(const QString& message) override;

private:
    std::FILE* const mStream;
    const qint64 mBytesPerSecond;
    const qint64 mBurstBytes;
    const Clock mNow;
    std::mutex mMutex;
    double mTokens;
    std::chrono::steady_clock::time_point mLast;
    qint64 mLeftOut = 0;
};

// The caller owns the result and removes it from the logger before deleting it.
Destination* MakeFileDestination(const QString& filePath, qint64 maxBytes = FileDestination::DefaultMaxBytes,
                                 qint64 maxQueuedBytes = FileDestination::DefaultMaxQueuedBytes);
Destination* MakeDebugOutputDestination();

} // namespace QsLogging
