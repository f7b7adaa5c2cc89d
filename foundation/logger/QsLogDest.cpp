#include "foundation/logger/QsLogDest.h"

#include <cstdio>

namespace QsLogging {

FileDestination::FileDestination(const QString& filePath) {
    // Truncated at every start; a file that cannot be opened simply receives nothing.
    mFile.setFileName(filePath);
    mFile.open(QFile::WriteOnly | QFile::Text | QFile::Truncate);
    mOutputStream.setDevice(&mFile);
    mOutputStream.setCodec("UTF-8");
}

FileDestination::~FileDestination() {
    mOutputStream.flush();
    mOutputStream.setDevice(nullptr);
    mFile.close();
}

void FileDestination::write(const QString& message) {
    if (!mFile.isOpen())
        return;
    mOutputStream << message << Qt::endl;
    mOutputStream.flush();
}

void DebugOutputDestination::write(const QString& message) {
    // The debugger output of this platform is the standard error stream.
    const QByteArray bytes = message.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fputc('\n', stderr);
}

Destination* MakeFileDestination(const QString& filePath) {
    return new FileDestination(filePath);
}

Destination* MakeDebugOutputDestination() {
    return new DebugOutputDestination;
}

} // namespace QsLogging
