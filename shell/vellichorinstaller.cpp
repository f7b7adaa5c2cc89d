#include "shell/vellichorinstaller.h"

#include "shell/threadcopy.h"

#include "foundation/logger/QsLog.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

VellichorInstaller::VellichorInstaller(const QString& url, QObject* parent) : NetworkAccess(url, parent) {
    SetMaxBytes(MaxInstallerBytes);
    connect(this, &NetworkAccess::dataRequestFinished, this, &VellichorInstaller::downloadVellichorFinished);
}

QString VellichorInstaller::FileMD5(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        QLOG_DEBUG() << "VellichorInstaller::FileMD5: cannot read" << path;
        return QString();
    }
    QCryptographicHash hash(QCryptographicHash::Md5);
    QByteArray block(8192, Qt::Uninitialized);
    for (;;) {
        const qint64 n = file.read(block.data(), block.size());
        if (n < 0)
            return QString();
        if (n == 0)
            break;
        hash.addData(block.constData(), int(n));
    }
    return QString::fromLatin1(hash.result().toHex());
}

bool VellichorInstaller::DigestMatches(const QString& fileDigest, const QString& announced) {
    return !fileDigest.isEmpty() && fileDigest.compare(announced.trimmed(), Qt::CaseInsensitive) == 0;
}

bool VellichorInstaller::StartInstaller(const QString& path, QString* why) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (why)
            *why = QStringLiteral("cannot read the installer");
        return false;
    }
    const QByteArray head = file.read(4);
    file.close();
    if (!head.startsWith("\x7f"
                         "ELF") &&
        !head.startsWith("#!")) {
        if (why)
            *why = QStringLiteral("the installer is not a program for this system");
        return false;
    }
    file.setPermissions(file.permissions() | QFileDevice::ExeOwner | QFileDevice::ReadOwner);
    if (!QProcess::startDetached(QFileInfo(path).absoluteFilePath(), QStringList(), QFileInfo(path).absolutePath())) {
        if (why)
            *why = QStringLiteral("the installer did not start");
        return false;
    }
    QLOG_INFO() << "VellichorInstaller::StartInstaller: started" << path;
    return true;
}

void VellichorInstaller::downloadVellichorFinished(QNetworkReply* reply) {
    if (Refused(reply)) {
        reply->deleteLater();
        return;
    }
    if (!folder.isEmpty() && !QDir().mkpath(folder))
        QLOG_DEBUG() << "VellichorInstaller::downloadVellichorFinished: cannot create" << folder;
    if (copyThread) {
        QLOG_DEBUG() << "VellichorInstaller::downloadVellichorFinished: a copy still runs, download dropped";
        reply->deleteLater();
        return;
    }
    copyThread = new ThreadCopy(filePath, reply->readAll(), this);
    connect(copyThread, &ThreadCopy::copyFinished, this, &VellichorInstaller::copyFinished, Qt::QueuedConnection);
    emit downloadFinished();
    copyThread->start(QThread::InheritPriority);
    reply->deleteLater();
}

void VellichorInstaller::copyFinished() {
    ThreadCopy* thread = copyThread;
    if (!thread)
        return;
    copyThread = nullptr;
    const bool ok = thread->Succeeded();
    // The signal is queued from run(); wait for the thread to end before it is released.
    thread->wait();
    thread->deleteLater();
    if (!ok) {
        // A file that was not written must not be offered for installing.
        emit dataRequestError(QNetworkReply::UnknownContentError);
        return;
    }
    emit copyVellichorFinished();
}
