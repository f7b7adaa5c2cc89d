#include "shell/autoupdate.h"

#include "functions/plugintools.h"
#include "shell/vellichorinstaller.h"
#include "shell/webhosts.h"
#include "shell/weblauncherversion.h"

#include <QDir>

AutoUpdate::AutoUpdate(QObject* mainWindow)
    : QObject(mainWindow), maxInstallerBytes(VellichorInstaller::MaxInstallerBytes) {
    downloadFolder = QDir::cleanPath(PluginTools::GetTempPath() + QStringLiteral("/Downloads"));
    installerPath = downloadFolder + QStringLiteral("/MERVEX_Velli_Chor.exe");
    versionUrl = WebHosts::VersionUrl();
    version = new WebLauncherVersion(versionUrl, this);
    connect(version, &WebLauncherVersion::webRequestReceived, this, &AutoUpdate::webLauncherVersionRead);
}

bool AutoUpdate::CheckVersion() {
    return version->Get();
}

QString AutoUpdate::GetVersion() const {
    return version->Version;
}

QString AutoUpdate::GetLink() const {
    return version->Link;
}

QString AutoUpdate::GetChangelog() const {
    return version->Changelog;
}

QString AutoUpdate::GetExpectedMD5() const {
    return version->MD5;
}

QString AutoUpdate::GetFileMD5() const {
    return VellichorInstaller::FileMD5(installerPath);
}

bool AutoUpdate::OffersUpdate() const {
    return version->IsNewer();
}

void AutoUpdate::StartDownload() {
    if (!installer && !version->Link.isEmpty()) {
        installer = new VellichorInstaller(version->Link, this);
        installer->SetMaxBytes(maxInstallerBytes);
        installer->SetFilePath(installerPath);
        installer->SetFolder(downloadFolder);
        connect(installer, &NetworkAccess::dataDownloadProgress, this, &AutoUpdate::downloadProgress);
        connect(installer, &NetworkAccess::dataRequestError, this, &AutoUpdate::downloadError);
        connect(installer, &VellichorInstaller::downloadFinished, this, &AutoUpdate::downloadFinished);
        connect(installer, &VellichorInstaller::copyVellichorFinished, this, &AutoUpdate::copyCompleted);
        connect(this, &AutoUpdate::abortDownload, installer, &NetworkAccess::abortDownload);
        downloading = true;
    }
    if (installer) {
        installer->SetFilePath(installerPath);
        installer->Get();
    }
}

void AutoUpdate::AbortDownload() {
    if (!downloading)
        return;
    emit abortDownload();
    downloading = false;
    // Stays a child until the controller goes; its late signals reach nobody who cares.
    if (installer)
        disconnect(this, &AutoUpdate::abortDownload, installer, &NetworkAccess::abortDownload);
    installer = nullptr;
}

void AutoUpdate::downloadFinished() {
    downloading = false;
    emit downloadCompleted();
}

void AutoUpdate::copyFinished() {}
