#include "shell/threadcopy.h"

#include "foundation/logger/QsLog.h"

#include <QSaveFile>

ThreadCopy::ThreadCopy(const QString& path, const QByteArray& data, QObject* parent)
    : QThread(parent), path(path), data(data) {}

void ThreadCopy::run() {
    // Written beside and renamed at the end, so a failed write never leaves half an installer behind.
    QSaveFile file(path);
    // A file already at the path would hand its mode on; a download is never made executable.
    bool written = file.open(QIODevice::WriteOnly) &&
                   file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                                       QFileDevice::ReadOther) &&
                   file.write(data) == data.size();
    written = file.commit() && written;
    if (!written)
        QLOG_DEBUG() << "ThreadCopy::run: error writing file" << path << file.errorString();
    ok = written;
    emit copyFinished();
}
