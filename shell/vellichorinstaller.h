#pragma once
// Downloads the installer of a new release and its detached signature, keeps the installer only when the
// signature verifies with the program's compiled-in update key, has a worker thread write it to the download
// folder, and hands it to the desktop to open. An installer without a valid signature is never written,
// made executable or opened.

#include "shell/networkaccess.h"

class ThreadCopy;

class VellichorInstaller : public NetworkAccess {
    Q_OBJECT
public:
    // Installers are some tens of megabytes; a body above this is not one.
    static constexpr qint64 MaxInstallerBytes = 512LL * 1024 * 1024;
    // An RSA signature is a few hundred bytes.
    static constexpr qint64 MaxSignatureBytes = 4096;

    VellichorInstaller(const QString& url, QObject* parent = nullptr);

    void SetFilePath(const QString& path) { filePath = path; }
    QString GetFilePath() const { return filePath; }
    void SetFolder(const QString& path) { folder = path; }
    QString GetFolder() const { return folder; }
    bool IsCopying() const { return copyThread != nullptr; }
    // The address of the signature: the installer's address with ".sig" appended to its path.
    QString GetSignatureUrl() const;
    // The signature that the written installer was accepted with (empty before).
    QByteArray GetSignature() const { return signature; }

    QString GetFileMD5() const { return FileMD5(filePath); }
    // Lower-case hexadecimal MD5 of a file; empty when it cannot be read (an unreadable file never matches).
    static QString FileMD5(const QString& path);
    // Whether a file's digest is the announced one (hexadecimal, either case).
    static bool DigestMatches(const QString& fileDigest, const QString& announced);

    // Whether the compiled-in update key is the development key, whose private half is no secret.
    static bool UsesDevelopmentKey();
    // Whether signature is a valid signature of data by the compiled-in update key.
    static bool VerifySignature(const QByteArray& data, const QByteArray& signature);
    // Whether the file at path (read whole, at most MaxInstallerBytes) verifies with signature.
    static bool VerifyFile(const QString& path, const QByteArray& signature);
    // Hands a verified installer to the desktop, which opens it with the handler it has for its kind (a
    // package installer for a ".deb"). Nothing is made executable. false with the reason in *why.
    static bool OpenInstaller(const QString& path, QString* why);

signals:
    void downloadFinished();
    void copyVellichorFinished();
    // The installer's signature is missing or does not verify; nothing was written.
    void signatureRejected();

public slots:
    void downloadVellichorFinished(QNetworkReply* reply);
    void copyFinished();
    // Aborts the installer's download and the signature's.
    void abortAll();

private:
    void OnSignatureFinished(QNetworkReply* reply);

    ThreadCopy* copyThread = nullptr;
    QString filePath;
    QString folder;
    // The installer's body while its signature is fetched.
    QByteArray body;
    QByteArray signature;
    NetworkAccess* signatureAccess = nullptr;
};
