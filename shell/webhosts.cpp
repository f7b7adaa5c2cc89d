#include "shell/webhosts.h"

#include <QUrlQuery>

// Built-in values; the build sets them from its cache entries.
#ifndef MERVEX_WEB_HOST
#define MERVEX_WEB_HOST "www.mervex.com"
#endif
#ifndef MERVEX_SUPPORT_DOMAIN
#define MERVEX_SUPPORT_DOMAIN "mervex.com"
#endif
#ifndef MERVEX_FAQ_USER
#define MERVEX_FAQ_USER "newsite"
#endif
#ifndef MERVEX_FAQ_PASSWORD
#define MERVEX_FAQ_PASSWORD "daKKop!"
#endif

namespace {

QString Setting(const char* name, const char* builtIn) {
    const QString v = QString::fromLocal8Bit(qgetenv(name)).trimmed();
    return v.isEmpty() ? QString::fromLatin1(builtIn) : v;
}

} // namespace

namespace WebHosts {

QString WebHost() {
    return Setting("MERVEX_WEB_HOST", MERVEX_WEB_HOST);
}

QString SupportDomain() {
    return Setting("MERVEX_SUPPORT_DOMAIN", MERVEX_SUPPORT_DOMAIN);
}

QString VersionUrl() {
    return QStringLiteral("http://%1/frontend.en,1,vellichor.dll").arg(WebHost());
}

QUrl FaqUrl(int module, const QString& language) {
    QUrl url(QStringLiteral("http://%1/sites/velli-chor-faq/").arg(WebHost()));
    url.setQuery(QStringLiteral("Modul=%1&Language=%2").arg(module).arg(language));
    url.setUserName(QStringLiteral(MERVEX_FAQ_USER));
    url.setPassword(QStringLiteral(MERVEX_FAQ_PASSWORD));
    return url;
}

void SplitHostPort(const QString& text, QString& host, quint16& port, quint16 defaultPort) {
    host = text;
    port = defaultPort;
    const int colon = text.lastIndexOf(QLatin1Char(':'));
    if (colon <= 0 || text.count(QLatin1Char(':')) != 1)
        return;
    bool ok = false;
    const uint p = text.midRef(colon + 1).toUInt(&ok);
    host = text.left(colon);
    if (ok && p > 0 && p <= 65535)
        port = quint16(p);
}

} // namespace WebHosts
