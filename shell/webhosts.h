#pragma once
// Addresses of the maker's web servers used by the update check and the support tab. The hosts are build
// settings; an environment variable of the same name overrides each one at run time, so tests can point the
// program at a server of their own on 127.0.0.1 (a host may carry ":port").

#include <QString>
#include <QUrl>

namespace WebHosts {

// The web server (host[:port]) of the version page, the installer and the FAQ pages: MERVEX_WEB_HOST.
QString WebHost();
// The domain (host[:port], port 80 when none) the reachability test connects to: MERVEX_SUPPORT_DOMAIN.
QString SupportDomain();

// "http://<web host>/frontend.en,1,vellichor.dll"
QString VersionUrl();
// The FAQ page for a module (1 table of contents, 2 content) and a two-letter language, with the pages' login.
QUrl FaqUrl(int module, const QString& language);

// Splits "host[:port]"; the port is defaultPort when none (or an unusable one) is given.
void SplitHostPort(const QString& text, QString& host, quint16& port, quint16 defaultPort);

} // namespace WebHosts
