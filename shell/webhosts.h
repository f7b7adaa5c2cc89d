#pragma once
// Addresses of the maker's web servers used by the update check, the support tab and the account login. The
// hosts, the web server's scheme and the FAQ pages' login are build settings (shell/CMakeLists.txt); an
// environment variable of the same name overrides each one at run time, so tests can point the program at a
// server of their own on 127.0.0.1 (a host may carry ":port").

#include <QString>
#include <QUrl>

namespace WebHosts {

// The web server (host[:port]) of the version page, the installer and the FAQ pages: MERVEX_WEB_HOST.
QString WebHost();
// "https" unless the build or MERVEX_WEB_SCHEME says "http" (for a server that offers no TLS).
QString WebScheme();
// The domain (host[:port], port 80 when none) the reachability test connects to: MERVEX_SUPPORT_DOMAIN.
QString SupportDomain();
// The account service's host (host[:port]) that takes the login: MERVEX_ACCOUNT_HOST. Always https.
QString AccountHost();
// The account service's web host (host[:port]) of the create-account and forgotten-password pages:
// MERVEX_ACCOUNT_WEB_HOST. Always https.
QString AccountWebHost();

// "<scheme>://<web host>/frontend.en,1,vellichor.dll"
QString VersionUrl();
// The FAQ page for a module (1 table of contents, 2 content) and a two-letter language, with the pages' login.
QUrl FaqUrl(int module, const QString& language);
// The installer's address as announced: a plain-http address on the web host itself is fetched with the web
// server's scheme (so over TLS where it offers it); any other address stays as it is.
QUrl InstallerUrl(const QString& link);

// The login post: "https://<account host>/frontend.en,4,login.dll#<attempt>".
QUrl LoginUrl(int attempt);
// "https://<account web host>/sites/velli-chor-register/index.php?language=<language>"
QUrl RegisterUrl(const QString& language);
// "https://<account web host>/sites/velli-chor-password/?Language=<language>"
QUrl PasswordUrl(const QString& language);
// Whether url is a page of the account service's web host (https, same host and port).
bool IsAccountWebPage(const QUrl& url);

// Splits "host[:port]"; the port is defaultPort when none (or an unusable one) is given.
void SplitHostPort(const QString& text, QString& host, quint16& port, quint16 defaultPort);

} // namespace WebHosts
