#include "shell/autoupdate.h"

#include "functions/plugintools.h"
#include "shell/vellichorinstaller.h"
#include "shell/webhosts.h"
#include "shell/weblauncherversion.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>

AutoUpdate::AutoUpdate(QObject* mainWindow)
    : QObject(mainWindow), maxInstallerBytes(VellichorInstaller::MaxInstallerBytes) {
    downloadFolder = QDir::cleanPath(PluginTools::GetTempPath() + QStringLiteral("/Downloads"));
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
    return VellichorInstaller::FileMD5(GetInstallerPath());
}

bool AutoUpdate::VerifyInstaller() const {
    return !acceptedSignature.isEmpty() && VellichorInstaller::VerifyFile(GetInstallerPath(), acceptedSignature);
}

QString AutoUpdate::GetInstallerPath() const {
    static const QRegularExpression plainExtension(QStringLiteral("^[A-Za-z0-9]{1,12}$"));
    const QString name = QFileInfo(QUrl(version->Link).path()).fileName();
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    QString extension = dot > 0 ? name.mid(dot + 1) : QString();
    if (!plainExtension.match(extension).hasMatch())
        extension = QStringLiteral("exe");
    return downloadFolder + QStringLiteral("/MERVEX_Velli_Chor.") + extension;
}

bool AutoUpdate::OffersUpdate() const {
    return version->IsNewer();
}

void AutoUpdate::StartDownload() {
    if (!installer && !version->Link.isEmpty()) {
        installer = new VellichorInstaller(WebHosts::InstallerUrl(version->Link).toString(), this);
        installer->SetMaxBytes(maxInstallerBytes);
        installer->SetFilePath(GetInstallerPath());
        installer->SetFolder(downloadFolder);
        connect(installer, &NetworkAccess::dataDownloadProgress, this, &AutoUpdate::downloadProgress);
        connect(installer, &NetworkAccess::dataRequestError, this, &AutoUpdate::downloadError);
        connect(installer, &VellichorInstaller::downloadFinished, this, &AutoUpdate::downloadFinished);
        connect(installer, &VellichorInstaller::copyVellichorFinished, this, &AutoUpdate::copyFinished);
        connect(installer, &VellichorInstaller::copyVellichorFinished, this, &AutoUpdate::copyCompleted);
        connect(installer, &VellichorInstaller::signatureRejected, this, [this] {
            downloading = false;
            emit signatureRejected();
        });
        connect(this, &AutoUpdate::abortDownload, installer, &VellichorInstaller::abortAll);
        downloading = true;
    }
    if (installer) {
        // A new download replaces the file; until it verified, the earlier one is not offered.
        acceptedSignature.clear();
        installer->SetFilePath(GetInstallerPath());
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
        disconnect(this, &AutoUpdate::abortDownload, installer, &VellichorInstaller::abortAll);
    installer = nullptr;
}

void AutoUpdate::downloadFinished() {
    downloading = false;
    emit downloadCompleted();
}

void AutoUpdate::copyFinished() {
    auto* written = qobject_cast<VellichorInstaller*>(sender());
    if (written)
        acceptedSignature = written->GetSignature();
}
