#include "shell/webhosts.h"

#include <QUrlQuery>

// Built-in values; the build sets them from its cache entries (shell/CMakeLists.txt).
#ifndef MERVEX_WEB_HOST
#define MERVEX_WEB_HOST "www.mervex.com"
#endif
#ifndef MERVEX_WEB_SCHEME
#define MERVEX_WEB_SCHEME "https"
#endif
#ifndef MERVEX_SUPPORT_DOMAIN
#define MERVEX_SUPPORT_DOMAIN "mervex.com"
#endif
#ifndef MERVEX_ACCOUNT_HOST
#define MERVEX_ACCOUNT_HOST "world.mervex.com"
#endif
#ifndef MERVEX_ACCOUNT_WEB_HOST
#define MERVEX_ACCOUNT_WEB_HOST "world.mervex.com"
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

// "scheme://host[:port]" as a URL with an empty path.
QUrl Origin(const QString& scheme, const QString& hostPort) {
    QString host;
    quint16 port = 0;
    WebHosts::SplitHostPort(hostPort, host, port, 0);
    QUrl url;
    url.setScheme(scheme);
    url.setHost(host);
    if (port)
        url.setPort(port);
    return url;
}

QUrl Page(const QString& scheme, const QString& hostPort, const QString& path, const QString& query) {
    QUrl url = Origin(scheme, hostPort);
    url.setPath(path);
    if (!query.isEmpty())
        url.setQuery(query);
    return url;
}

} // namespace

namespace WebHosts {

QString WebHost() {
    return Setting("MERVEX_WEB_HOST", MERVEX_WEB_HOST);
}

QString WebScheme() {
    return Setting("MERVEX_WEB_SCHEME", MERVEX_WEB_SCHEME).toLower() == QLatin1String("http") ? QStringLiteral("http")
                                                                                              : QStringLiteral("https");
}

QString SupportDomain() {
    return Setting("MERVEX_SUPPORT_DOMAIN", MERVEX_SUPPORT_DOMAIN);
}

QString AccountHost() {
    return Setting("MERVEX_ACCOUNT_HOST", MERVEX_ACCOUNT_HOST);
}

QString AccountWebHost() {
    return Setting("MERVEX_ACCOUNT_WEB_HOST", MERVEX_ACCOUNT_WEB_HOST);
}

QString VersionUrl() {
    return Page(WebScheme(), WebHost(), QStringLiteral("/frontend.en,1,vellichor.dll"), QString()).toString();
}

QUrl FaqUrl(int module, const QString& language) {
    QUrl url = Page(WebScheme(), WebHost(), QStringLiteral("/sites/velli-chor-faq/"),
                    QStringLiteral("Modul=%1&Language=%2").arg(module).arg(language));
    url.setUserName(QStringLiteral(MERVEX_FAQ_USER));
    url.setPassword(QStringLiteral(MERVEX_FAQ_PASSWORD));
    return url;
}

QUrl InstallerUrl(const QString& link) {
    QUrl url(link.trimmed());
    const QUrl web = Origin(QStringLiteral("http"), WebHost());
    if (url.scheme() == QLatin1String("http") && url.host().compare(web.host(), Qt::CaseInsensitive) == 0 &&
        url.port(80) == web.port(80))
        url.setScheme(WebScheme());
    return url;
}

QUrl LoginUrl(int attempt) {
    QUrl url = Page(QStringLiteral("https"), AccountHost(), QStringLiteral("/frontend.en,4,login.dll"), QString());
    url.setFragment(QString::number(attempt));
    return url;
}

QUrl RegisterUrl(const QString& language) {
    return Page(QStringLiteral("https"), AccountWebHost(), QStringLiteral("/sites/velli-chor-register/index.php"),
                QStringLiteral("language=") + language);
}

QUrl PasswordUrl(const QString& language) {
    return Page(QStringLiteral("https"), AccountWebHost(), QStringLiteral("/sites/velli-chor-password/"),
                QStringLiteral("Language=") + language);
}

bool IsAccountWebPage(const QUrl& url) {
    const QUrl web = Origin(QStringLiteral("https"), AccountWebHost());
    return url.scheme() == QLatin1String("https") && url.host().compare(web.host(), Qt::CaseInsensitive) == 0 &&
           url.port(443) == web.port(443);
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
