#include "foundation/logger/QsLogDest.h"

#include "foundation/logger/QsLog.h"

#include <QFile>
#include <QFileInfo>

namespace QsLogging {

namespace {
// Room kept in each file for the line that says where the earlier lines are.
constexpr qint64 NoticeRoom = 256;
} // namespace

FileDestination::FileDestination(const QString& filePath, qint64 maxBytes, qint64 maxQueuedBytes)
    : mFileBytes(qMax(maxBytes, MinMaxBytes) / 2), mMaxQueuedBytes(qMax<qint64>(maxQueuedBytes, 1)) {
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
    const qint64 longest = mFileBytes - NoticeRoom;
    if (bytes.size() + 1 > longest) {
        const QByteArray suffix = QStringLiteral(" [cut from %1 bytes]").arg(bytes.size()).toUtf8();
        int keep = int(longest - 1 - suffix.size());
        // Whole characters only.
        while (keep > 0 && (uchar(bytes.at(keep)) & 0xC0) == 0x80)
            --keep;
        bytes = bytes.left(keep) + suffix;
    }
    bytes.append('\n');
    std::unique_lock<std::mutex> lock(mMutex);
    // The queue is bounded: a caller that outruns the disk waits for room rather than losing lines.
    mRoomFreed.wait(lock,
                    [this, &bytes] { return mQueue.isEmpty() || mQueue.size() + bytes.size() <= mMaxQueuedBytes; });
    mQueue.append(bytes);
    lock.unlock();
    mWorkArrived.notify_one();
}

void FileDestination::Run(const QString& filePath) {
    // Truncated at every start, and the older half of the last run goes; a file that cannot be opened simply
    // receives nothing.
    const QString older = filePath + QStringLiteral(".1");
    QFile::remove(older);
    QFile file(filePath);
    file.open(QFile::WriteOnly | QFile::Text | QFile::Truncate);
    qint64 size = 0;
    bool fresh = true; // nothing but the notice in the file
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
        int pos = 0;
        while (pos < bytes.size() && file.isOpen()) {
            // The whole lines that still fit into this file.
            const int limit = int(qMin<qint64>(bytes.size(), pos + qMax<qint64>(0, mFileBytes - size)));
            int lastEnd = limit > pos ? bytes.lastIndexOf('\n', limit - 1) : -1;
            if (lastEnd < pos && fresh) {
                // Longer than a new file holds (lines are cut to fit; a text written as it is may not be).
                lastEnd = bytes.indexOf('\n', pos);
                if (lastEnd < 0)
                    lastEnd = bytes.size() - 1;
            }
            if (lastEnd < pos) {
                // Full: this file becomes the older one and a new one begins.
                file.close();
                QFile::remove(older);
                QFile::rename(filePath, older);
                file.open(QFile::WriteOnly | QFile::Text | QFile::Truncate);
                const QByteArray notice =
                    FormatLine(
                        InfoLevel,
                        QStringLiteral("Log: continued; the lines before are in %1").arg(QFileInfo(older).fileName()))
                        .toUtf8() +
                    '\n';
                file.write(notice);
                size = notice.size();
                fresh = true;
                continue;
            }
            file.write(bytes.constData() + pos, lastEnd + 1 - pos);
            size += lastEnd + 1 - pos;
            fresh = false;
            pos = lastEnd + 1;
        }
        // Each batch reaches the system at once: the process may end at any moment.
        file.flush();
        lock.lock();
    }
    lock.unlock();
    file.close();
}

DebugOutputDestination::DebugOutputDestination(std::FILE* stream, qint64 bytesPerSecond, qint64 burstBytes, Clock now)
    : mStream(stream), mBytesPerSecond(qMax<qint64>(bytesPerSecond, 1)), mBurstBytes(qMax<qint64>(burstBytes, 1)),
      mNow(now ? std::move(now) : Clock(&std::chrono::steady_clock::now)), mTokens(double(mBurstBytes)), mLast(mNow()) {
}

void DebugOutputDestination::write(const QString& message) {
    // The debugger output of this platform is the standard error stream.
    QByteArray bytes = message.toUtf8();
    bytes.append('\n');
    std::lock_guard<std::mutex> lock(mMutex);
    const auto now = mNow();
    const double seconds = std::chrono::duration<double>(now - mLast).count();
    mLast = now;
    mTokens = qMin(double(mBurstBytes), mTokens + seconds * double(mBytesPerSecond));
    if (mLeftOut > 0) {
        const QByteArray notice =
            FormatLine(WarnLevel, QStringLiteral("Log: %1 lines were left out here (more than %2 bytes a second); "
                                                 "the log file has them")
                                      .arg(mLeftOut)
                                      .arg(mBytesPerSecond))
                .toUtf8() +
            '\n';
        if (mTokens < double(notice.size() + bytes.size())) {
            ++mLeftOut;
            return;
        }
        std::fwrite(notice.constData(), 1, size_t(notice.size()), mStream);
        mTokens -= double(notice.size());
        mLeftOut = 0;
    }
    if (mTokens < double(bytes.size())) {
        ++mLeftOut;
        return;
    }
    mTokens -= double(bytes.size());
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), mStream);
}

Destination* MakeFileDestination(const QString& filePath, qint64 maxBytes, qint64 maxQueuedBytes) {
    return new FileDestination(filePath, maxBytes, maxQueuedBytes);
}

Destination* MakeDebugOutputDestination() {
    return new DebugOutputDestination;
}

} // namespace QsLogging
