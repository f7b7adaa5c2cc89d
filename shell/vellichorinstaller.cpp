#include "shell/vellichorinstaller.h"

#include "config/gridsigverifier.h"
#include "shell/threadcopy.h"

#include "foundation/logger/QsLog.h"

#include <QCryptographicHash>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

namespace {
// The same RSA/SHA-256 check as for the grids, with the update key.
GridSigVerifier* UpdateKey() {
    static GridSigVerifier verifier;
    static bool loaded = false;
    if (!loaded) {
        loaded = true;
        QFile key(QStringLiteral(":/security/MervexVL_Update_Pub"));
        if (!key.open(QIODevice::ReadOnly) || !verifier.LoadKey(key.readAll()))
            QLOG_ERROR() << "VellichorInstaller: the update key is not compiled in; no installer can be accepted";
    }
    return &verifier;
}
} // namespace

bool VellichorInstaller::UsesDevelopmentKey() {
    // Written by the build next to the key it compiled in.
    QFile origin(QStringLiteral(":/security/MervexVL_Update_Origin"));
    return origin.open(QIODevice::ReadOnly) && origin.readAll().trimmed() == "development";
}

VellichorInstaller::VellichorInstaller(const QString& url, QObject* parent) : NetworkAccess(url, parent) {
    SetMaxBytes(MaxInstallerBytes);
    connect(this, &NetworkAccess::dataRequestFinished, this, &VellichorInstaller::downloadVellichorFinished);
}

QString VellichorInstaller::GetSignatureUrl() const {
    QUrl address(url);
    address.setPath(address.path() + QStringLiteral(".sig"));
    return address.toString();
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

bool VellichorInstaller::VerifySignature(const QByteArray& data, const QByteArray& signature) {
    GridSigVerifier* key = UpdateKey();
    return key->HasKey() && key->Verify(data, signature);
}

bool VellichorInstaller::VerifyFile(const QString& path, const QByteArray& signature) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxInstallerBytes)
        return false;
    return VerifySignature(file.readAll(), signature);
}

bool VellichorInstaller::OpenInstaller(const QString& path, QString* why) {
    if (!QFileInfo(path).isFile()) {
        if (why)
            *why = QStringLiteral("the installer is not there");
        return false;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()))) {
        if (why)
            *why = QStringLiteral("the desktop has no program that opens the installer");
        return false;
    }
    QLOG_INFO() << "VellichorInstaller::OpenInstaller: handed to the desktop:" << path;
    return true;
}

void VellichorInstaller::downloadVellichorFinished(QNetworkReply* reply) {
    if (Refused(reply)) {
        reply->deleteLater();
        return;
    }
    if (copyThread || signatureAccess) {
        QLOG_DEBUG() << "VellichorInstaller::downloadVellichorFinished: a copy still runs, download dropped";
        reply->deleteLater();
        return;
    }
    body = reply->readAll();
    reply->deleteLater();
    // The body counts only with its signature, which is fetched now; nothing is written before it verified.
    signatureAccess = new NetworkAccess(GetSignatureUrl(), this);
    signatureAccess->SetMaxBytes(MaxSignatureBytes);
    connect(signatureAccess, &NetworkAccess::dataRequestFinished, this, &VellichorInstaller::OnSignatureFinished);
    signatureAccess->Get();
}

void VellichorInstaller::OnSignatureFinished(QNetworkReply* reply) {
    reply->deleteLater();
    if (sender() != signatureAccess)
        return;
    const bool fetched = !signatureAccess->Refused(reply);
    signatureAccess->deleteLater();
    signatureAccess = nullptr;
    const QByteArray sig = fetched ? reply->readAll() : QByteArray();
    QByteArray data;
    data.swap(body);
    if (!fetched || !VerifySignature(data, sig)) {
        QLOG_WARN() << "VellichorInstaller: the installer's signature" << (fetched ? "does not verify" : "is missing")
                    << "; the download is dropped:" << url;
        emit signatureRejected();
        return;
    }
    if (!folder.isEmpty() && !QDir().mkpath(folder))
        QLOG_DEBUG() << "VellichorInstaller::downloadVellichorFinished: cannot create" << folder;
    signature = sig;
    copyThread = new ThreadCopy(filePath, data, this);
    connect(copyThread, &ThreadCopy::copyFinished, this, &VellichorInstaller::copyFinished, Qt::QueuedConnection);
    emit downloadFinished();
    copyThread->start(QThread::InheritPriority);
}

void VellichorInstaller::abortAll() {
    abortDownload();
    if (signatureAccess) {
        disconnect(signatureAccess, nullptr, this, nullptr);
        signatureAccess->abortDownload();
        signatureAccess->deleteLater();
        signatureAccess = nullptr;
        body.clear();
        // The owner learns of the cancel as with the installer's own download.
        emit dataRequestError(QNetworkReply::OperationCanceledError);
    }
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
        signature.clear();
        emit dataRequestError(QNetworkReply::UnknownContentError);
        return;
    }
    emit copyVellichorFinished();
}
