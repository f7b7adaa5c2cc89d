#include "datasources/networkcookiejar.h"

#include "foundation/logger/QsLog.h"

#include <QDateTime>

NetworkCookieJar::NetworkCookieJar(QObject* parent) : QNetworkCookieJar(parent) {}

NetworkCookieJar::~NetworkCookieJar() = default;

QList<QNetworkCookie> NetworkCookieJar::cookiesForUrl(const QUrl& url) const {
    return QNetworkCookieJar::cookiesForUrl(url);
}

QList<QNetworkCookie> NetworkCookieJar::GetAllCookies() const {
    return allCookies();
}

void NetworkCookieJar::DoEndSession() {
    const QDateTime now = QDateTime::currentDateTime().toUTC();
    QList<QNetworkCookie> kept;
    for (const QNetworkCookie& cookie : allCookies()) {
        if (cookie.isSessionCookie())
            continue;
        if (now > cookie.expirationDate())
            continue;
        kept.append(cookie);
    }
    setAllCookies(kept);
}

QVariant NetworkCookieJar::ToVariant() const {
    QVariantList list;
    for (const QNetworkCookie& cookie : allCookies())
        list.append(cookie.toRawForm(QNetworkCookie::Full));
    return list;
}

void NetworkCookieJar::FromVariant(const QVariant& value) {
    const QVariantList list = value.type() == QVariant::List ? value.toList() : QVariantList();
    QList<QNetworkCookie> cookies;
    int refused = 0;
    for (const QVariant& element : list) {
        const QByteArray raw = element.toString().toUtf8();
        if (raw.size() > kMaxCookieBytes) {
            ++refused;
            continue;
        }
        for (const QNetworkCookie& cookie : QNetworkCookie::parseCookies(raw)) {
            if (cookies.size() >= kMaxStoredCookies) {
                ++refused;
                break;
            }
            cookies.append(cookie);
        }
    }
    if (refused > 0) {
        QLOG_DEBUG() << "NetworkCookieJar::FromVariant: stored cookies passed over:" << refused;
    }
    setAllCookies(cookies);
}
