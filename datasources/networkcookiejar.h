#pragma once
// The cookie store of the login web windows. Its whole content converts to and from a variant list (each
// cookie's full Set-Cookie text), which the sources keep in their "WebCookies" setting so a login survives a
// restart.

#include <QList>
#include <QNetworkCookie>
#include <QNetworkCookieJar>
#include <QVariant>

class NetworkCookieJar : public QNetworkCookieJar {
    Q_OBJECT
public:
    // Bounds of the stored form, checked before a stored cookie is read.
    static const int kMaxStoredCookies = 1000;
    static const int kMaxCookieBytes = 8192;

    explicit NetworkCookieJar(QObject* parent);
    ~NetworkCookieJar() override;

    QList<QNetworkCookie> cookiesForUrl(const QUrl& url) const override;

    QList<QNetworkCookie> GetAllCookies() const;
    QVariant ToVariant() const;
    // Replaces the whole content with the cookies of the stored form; anything but a list empties the jar.
    void FromVariant(const QVariant& value);

public slots:
    // Drops session cookies and expired ones, as a browser does when its window closes.
    void DoEndSession();
};
