#pragma once
// The update controller the main window owns: it asks for the latest release once, keeps its record, starts
// and aborts the installer download and relays its progress to the update dialog.

#include <QNetworkReply>
#include <QObject>

class VellichorInstaller;
class WebLauncherVersion;

class AutoUpdate : public QObject {
    Q_OBJECT
public:
    explicit AutoUpdate(QObject* mainWindow);

    // Runs the version page request; false when there is no address to ask.
    bool CheckVersion();

    QString GetVersion() const;
    QString GetLink() const;
    QString GetChangelog() const;
    QString GetExpectedMD5() const;
    // MD5 of the written installer; empty when there is none that can be read.
    QString GetFileMD5() const;
    WebLauncherVersion* GetVersionRecord() const { return version; }
    // Whether the record announces a release newer than this program.
    bool OffersUpdate() const;

    void StartDownload();
    void AbortDownload();

    bool IsDownloading() const { return downloading; }
    VellichorInstaller* GetInstaller() const { return installer; }
    QString GetDownloadFolder() const { return downloadFolder; }
    QString GetInstallerPath() const { return installerPath; }
    QString GetVersionUrl() const { return versionUrl; }
    // Bound of the installer's size (tests lower it).
    void SetMaxInstallerBytes(qint64 bytes) { maxInstallerBytes = bytes; }

signals:
    void webLauncherVersionRead(bool ok);
    void downloadProgress(int percent);
    void downloadError(QNetworkReply::NetworkError code);
    void downloadCompleted();
    void copyCompleted();
    void abortDownload();

public slots:
    void downloadFinished();
    void copyFinished();

private:
    WebLauncherVersion* version = nullptr;
    VellichorInstaller* installer = nullptr;
    QString downloadFolder;
    QString installerPath;
    QString versionUrl;
    bool downloading = false;
    qint64 maxInstallerBytes;
};
