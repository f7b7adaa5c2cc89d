// The login windows' cookie jar: end of session, and the round trip through the stored "WebCookies" setting.
#include "datasources/networkcookiejar.h"
#include "foundation/json.h"

#include <QtTest>

namespace {

QNetworkCookie Cookie(const QByteArray& name, const QByteArray& value, const QDateTime& expiry = QDateTime()) {
    QNetworkCookie cookie(name, value);
    cookie.setDomain(QStringLiteral(".login.example"));
    cookie.setPath(QStringLiteral("/"));
    if (expiry.isValid())
        cookie.setExpirationDate(expiry);
    return cookie;
}

QStringList Names(const QList<QNetworkCookie>& cookies) {
    QStringList names;
    for (const QNetworkCookie& c : cookies)
        names.append(QString::fromLatin1(c.name()));
    return names;
}

// What the jar can hold: setAllCookies takes the list as it is.
class FilledJar : public NetworkCookieJar {
public:
    FilledJar(const QList<QNetworkCookie>& cookies) : NetworkCookieJar(nullptr) { setAllCookies(cookies); }
};

} // namespace

class TestNetworkCookieJar : public QObject {
    Q_OBJECT

private slots:
    void endSession() {
        const QDateTime now = QDateTime::currentDateTimeUtc();
        FilledJar jar(
            {Cookie("session", "1"), Cookie("stale", "2", now.addSecs(-60)), Cookie("kept", "3", now.addDays(1))});
        jar.DoEndSession();
        QCOMPARE(Names(jar.GetAllCookies()), QStringList{QStringLiteral("kept")});
    }

    void roundTripThroughStoredSetting() {
        QNetworkCookie secure = Cookie("token", "a=b/c+d", QDateTime(QDate(2031, 5, 6), QTime(7, 8, 9), Qt::UTC));
        secure.setSecure(true);
        secure.setHttpOnly(true);
        QNetworkCookie plain = Cookie("lang", "de");
        plain.setDomain(QStringLiteral("www.login.example"));
        plain.setPath(QStringLiteral("/app"));
        FilledJar jar({secure, plain});

        // Kept in the settings map, written to the user configuration and read back.
        QVariantMap settings;
        settings.insert(QStringLiteral("WebCookies"), jar.ToVariant());
        QString error;
        const QByteArray json = JsonSerialize(settings, error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        const QVariantMap restored = JsonParseText(QString::fromUtf8(json), error).toMap();
        QVERIFY2(error.isEmpty(), qPrintable(error));

        NetworkCookieJar again(nullptr);
        again.FromVariant(restored.value(QStringLiteral("WebCookies")));
        const QList<QNetworkCookie> cookies = again.GetAllCookies();
        QCOMPARE(cookies.size(), 2);
        for (int i = 0; i < 2; ++i) {
            const QNetworkCookie& want = jar.GetAllCookies().at(i);
            QCOMPARE(cookies[i].name(), want.name());
            QCOMPARE(cookies[i].value(), want.value());
            QCOMPARE(cookies[i].domain(), want.domain());
            QCOMPARE(cookies[i].path(), want.path());
            QCOMPARE(cookies[i].expirationDate(), want.expirationDate());
            QCOMPARE(cookies[i].isSecure(), want.isSecure());
            QCOMPARE(cookies[i].isHttpOnly(), want.isHttpOnly());
        }
        // The jar serves what it holds.
        QCOMPARE(Names(again.cookiesForUrl(QUrl(QStringLiteral("https://www.login.example/app/x")))),
                 (QStringList{QStringLiteral("lang"), QStringLiteral("token")}));
    }

    void fromVariant_data() {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("two cookies in one element")
            << QVariant(QVariantList{QStringLiteral("a=1; path=/\nb=2; path=/")})
            << QStringList{QStringLiteral("a"), QStringLiteral("b")};
        QTest::newRow("bytes element") << QVariant(QVariantList{QByteArray("c=3")}) << QStringList{QStringLiteral("c")};
        QTest::newRow("empty list") << QVariant(QVariantList()) << QStringList();
        QTest::newRow("not a list") << QVariant(QStringLiteral("a=1")) << QStringList();
        QTest::newRow("invalid") << QVariant() << QStringList();
        QTest::newRow("garbage element") << QVariant(QVariantList{QStringLiteral(";;;=")}) << QStringList();
        QTest::newRow("oversized element passed over")
            << QVariant(QVariantList{QString(QStringLiteral("big=") + QString(20000, QLatin1Char('x'))),
                                     QStringLiteral("d=4")})
            << QStringList{QStringLiteral("d")};
    }
    void fromVariant() {
        QFETCH(QVariant, stored);
        QFETCH(QStringList, names);
        FilledJar jar({Cookie("old", "0")});
        jar.FromVariant(stored);
        QCOMPARE(Names(jar.GetAllCookies()), names);
    }

    void manyCookiesBounded() {
        QVariantList stored;
        for (int i = 0; i < NetworkCookieJar::kMaxStoredCookies + 50; ++i)
            stored.append(QStringLiteral("n%1=v").arg(i));
        NetworkCookieJar jar(nullptr);
        jar.FromVariant(stored);
        QCOMPARE(jar.GetAllCookies().size(), NetworkCookieJar::kMaxStoredCookies);
    }
};

QTEST_GUILESS_MAIN(TestNetworkCookieJar)
#include "test_networkcookiejar.moc"
