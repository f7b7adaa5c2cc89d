#include "shell/weblauncherversion.h"

#include "foundation/logger/QsLog.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkReply>

#include <cmath>
#include <limits>

WebLauncherVersion::WebLauncherVersion(const QString& url, QObject* parent) : NetworkAccess(url, parent) {
    SetMaxBytes(MaxAnswerBytes);
    // Our own slot, beside the base's relay of the manager's finished signal.
    connect(this, &NetworkAccess::dataRequestFinished, this, &WebLauncherVersion::slotReadyRead);
}

int WebLauncherVersion::GetVersionNumber() const {
    if (Version.isEmpty())
        return 0;
    QString digits = Version;
    digits.remove(QLatin1Char('.'));
    bool ok = false;
    const int n = digits.toInt(&ok, 10);
    return ok ? n : 0;
}

QString WebLauncherVersion::GetVersionText() const {
    if (Version.isEmpty())
        return QString();
    return QStringLiteral("V0.%1").arg(GetVersionNumber());
}

bool WebLauncherVersion::IsNewer() const {
    if (Version.isEmpty())
        return false;
    if (GetVersionNumber() >= NewestOffered)
        return true;
    bool ok = false;
    const int major = Version.section(QLatin1Char('.'), 0, 0).toInt(&ok, 10);
    return ok && major >= 1;
}

void WebLauncherVersion::ReadAnswer(const QByteArray& body) {
    // The answer is plain data: read it as JSON, never run it.
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(body, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject()) {
        QLOG_DEBUG() << "WebLauncherVersion::ReadAnswer: no version object:" << error.errorString();
        return;
    }
    const QJsonObject o = doc.object();
    auto readString = [&o](const char* key, QString& into) {
        const QJsonValue v = o.value(QLatin1String(key));
        if (v.isString())
            into = v.toString();
    };
    readString("Version", Version);
    readString("MD5", MD5);
    readString("Changelog", Changelog);
    readString("Link", Link);
    const QJsonValue build = o.value(QLatin1String("Build"));
    if (build.isDouble()) {
        const double d = std::trunc(build.toDouble());
        if (d >= double(std::numeric_limits<int>::min()) && d <= double(std::numeric_limits<int>::max()))
            Build = int(d);
    }
}

void WebLauncherVersion::slotReadyRead(QNetworkReply* reply) {
    if (!Refused(reply))
        ReadAnswer(reply->readAll());
    else
        QLOG_DEBUG() << "WebLauncherVersion::slotReadyRead: no answer:" << int(reply->error());
    emit webRequestReceived(true);
    reply->deleteLater();
}
