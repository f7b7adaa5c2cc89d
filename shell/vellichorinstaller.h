#pragma once
// Downloads the installer of a new release, has a worker thread write it to the download folder, hashes it
// and starts it.

#include "shell/networkaccess.h"

class ThreadCopy;

class VellichorInstaller : public NetworkAccess {
    Q_OBJECT
public:
    // Installers are some tens of megabytes; a body above this is not one.
    static constexpr qint64 MaxInstallerBytes = 512LL * 1024 * 1024;

    VellichorInstaller(const QString& url, QObject* parent = nullptr);

    void SetFilePath(const QString& path) { filePath = path; }
    QString GetFilePath() const { return filePath; }
    void SetFolder(const QString& path) { folder = path; }
    QString GetFolder() const { return folder; }
    bool IsCopying() const { return copyThread != nullptr; }

    QString GetFileMD5() const { return FileMD5(filePath); }
    // Lower-case hexadecimal MD5 of a file; empty when it cannot be read (an unreadable file never matches).
    static QString FileMD5(const QString& path);
    // Whether a file's digest is the announced one (hexadecimal, either case).
    static bool DigestMatches(const QString& fileDigest, const QString& announced);

    // Starts a downloaded installer. Only programs this system can run are started: a native executable or a
    // script with a "#!" line, made executable for its owner and started directly (no shell in between).
    // false, with the reason in *why, for anything else (a Windows installer) or when the start failed.
    static bool StartInstaller(const QString& path, QString* why);

signals:
    void downloadFinished();
    void copyVellichorFinished();

public slots:
    void downloadVellichorFinished(QNetworkReply* reply);
    void copyFinished();

private:
    ThreadCopy* copyThread = nullptr;
    QString filePath;
    QString folder;
};
