#pragma once
// The update controller the main window owns: it asks for the latest release once, keeps its record, starts
// and aborts the installer download and relays its progress to the update dialog. It keeps the signature the
// written installer was accepted with, so the file can be checked again before it is opened.

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
    // Whether the written installer still verifies with the signature it was accepted with.
    bool VerifyInstaller() const;
    WebLauncherVersion* GetVersionRecord() const { return version; }
    // Whether the record announces a release newer than this program.
    bool OffersUpdate() const;

    void StartDownload();
    void AbortDownload();

    bool IsDownloading() const { return downloading; }
    VellichorInstaller* GetInstaller() const { return installer; }
    QString GetDownloadFolder() const { return downloadFolder; }
    // The download folder + "/MERVEX_Velli_Chor" + the extension of the announced installer's file name
    // (".exe" when it has none), so the desktop knows what kind of file it opens.
    QString GetInstallerPath() const;
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
    // The downloaded installer carried no valid signature and was dropped.
    void signatureRejected();

public slots:
    void downloadFinished();
    void copyFinished();

private:
    WebLauncherVersion* version = nullptr;
    VellichorInstaller* installer = nullptr;
    QString downloadFolder;
    QString versionUrl;
    QByteArray acceptedSignature;
    bool downloading = false;
    qint64 maxInstallerBytes;
};
