#include "foundation/logger/QsLogDest.h"

#include "foundation/logger/QsLog.h"

#include <cstdio>

namespace QsLogging {

FileDestination::FileDestination(const QString& filePath, qint64 maxBytes) : mMaxBytes(maxBytes) {
    // Truncated at every start; a file that cannot be opened simply receives nothing.
    mFile.setFileName(filePath);
    mFile.open(QFile::WriteOnly | QFile::Text | QFile::Truncate);
}

FileDestination::~FileDestination() {
    mFile.close();
}

void FileDestination::write(const QString& message) {
    if (!mFile.isOpen() || mFull)
        return;
    QByteArray bytes = message.toUtf8();
    bytes.append('\n');
    if (mWritten + bytes.size() > mMaxBytes) {
        mFull = true;
        bytes = FormatLine(WarnLevel, QStringLiteral("Log: the log file reached its limit of %1 bytes for this run; "
                                                     "later lines are left out")
                                          .arg(mMaxBytes))
                    .toUtf8();
        bytes.append('\n');
    }
    mWritten += bytes.size();
    // Every line reaches the file at once: the process may end at any moment.
    mFile.write(bytes);
    mFile.flush();
}

void DebugOutputDestination::write(const QString& message) {
    // The debugger output of this platform is the standard error stream.
    const QByteArray bytes = message.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fputc('\n', stderr);
}

Destination* MakeFileDestination(const QString& filePath, qint64 maxBytes) {
    return new FileDestination(filePath, maxBytes);
}

Destination* MakeDebugOutputDestination() {
    return new DebugOutputDestination;
}

} // namespace QsLogging
