#include "datasources/datasrctwitter.h"

#include "datasources/datasrccommon.h"
#include "datasources/replybound.h"
#include "datasources/twittertask.h"
#include "foundation/cryptstring.h"
#include "foundation/helpers.h"
#include "foundation/json.h"
#include "foundation/logger/QsLog.h"
#include "foundation/profiler.h"

#include <QNetworkAccessManager>
#include <QNetworkRequest>
#include <QThreadPool>
#include <QUuid>

using DataSourceGlobals::TwitterSessionTexts;

namespace {

// The service's own domain: the API host without its "api." label (and without a port). Login pages outside it
// are not followed, and tweets without a link of their own point into it.
QString ServiceDomain() {
    QString host = QUrl(QStringLiteral("https://") + DataSourceGlobals::TwitterApiHost()).host();
    if (host.startsWith(QLatin1String("api.")))
        host = host.mid(4);
    return host;
}

QString ServiceWebAddress() {
    return QStringLiteral("https://") + ServiceDomain() + QLatin1Char('/');
}

QNetworkRequest MakeRequest(const QString& url, const QByteArray& contentType, const QByteArray& authorization) {
    QNetworkRequest request{QUrl(url)};
    request.setHeader(QNetworkRequest::ContentTypeHeader, contentType);
    request.setRawHeader("Authorization", authorization);
    return request;
}

} // namespace

DataSrcTwitter::DataSrcTwitter(QObject* parent) : WebLoginDataSource(RunnableTask<DataSrcTwitter>::Control(), parent) {}

DataSrcTwitter::~DataSrcTwitter() {
    StopOwnTasks();
}

QString DataSrcTwitter::GetName() {
    return QStringLiteral("Twitter");
}

void DataSrcTwitter::ApplySettings(const QVariantMap& settings) {
    DataSourceGlobals::TwitterSession& session = TwitterSessionTexts();
    const auto take = [&settings](const char* key, QString& target) {
        const QString name = QString::fromLatin1(key);
        if (settings.contains(name))
            target = settings.value(name).toString();
    };
    take("oauth_token", session.token);
    take("oauth_token_secret", session.tokenSecret);
    take("user_id", session.userId);
    take("screen_name", session.screenName);
}

QVariant DataSrcTwitter::GetValue(const QString& function, const QVariantList& args) {
    Q_UNUSED(args);
    if (function == QLatin1String("DoLogin")) {
        TwitterSessionTexts().token.clear();
        RequestToken();
        return 0;
    }
    if (function == QLatin1String("GetLoginStatus")) {
        const DataSourceGlobals::TwitterSession& session = TwitterSessionTexts();
        if (!session.screenName.isEmpty())
            return StatusWithProblem(tr("Logged in: ") + session.screenName + QLatin1Char(' ') + session.userId);
        return StatusWithProblem(tr("Not logged in."));
    }
    return 0;
}

// ---- OAuth 1.0a ----

QByteArray DataSrcTwitter::PercentEncode(const QByteArray& bytes) {
    static const char hex[] = "0123456789ABCDEF";
    QByteArray out;
    out.reserve(bytes.size() * 3);
    for (const char c : bytes) {
        const uchar u = uchar(c);
        if ((u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9') || u == '-' || u == '.' ||
            u == '_' || u == '~') {
            out += c;
        } else {
            out += '%';
            out += hex[u >> 4];
            out += hex[u & 0xF];
        }
    }
    return out;
}

QByteArray DataSrcTwitter::SignatureBaseString(const QString& method, const QString& url,
                                               const QMap<QString, QString>& params) {
    QByteArray paramString;
    for (auto it = params.constBegin(); it != params.constEnd(); ++it) {
        if (it.key() == QLatin1String("oauth_signature"))
            continue;
        if (!paramString.isEmpty())
            paramString += '&';
        paramString += it.key().toLatin1() + '=' + PercentEncode(it.value().toLatin1());
    }
    const QString verb = method.isEmpty() ? QStringLiteral("GET") : method.toUpper();
    return verb.toLatin1() + '&' + PercentEncode(url.toLatin1()) + '&' + PercentEncode(paramString);
}

void DataSrcTwitter::SignRequest(const QString& method, const QString& url, QMap<QString, QString>& params,
                                 const QString& consumerSecret, const QString& tokenSecret) {
    QString key = QString::fromLatin1(PercentEncode(consumerSecret.toLatin1())) + QLatin1Char('&');
    if (!tokenSecret.isEmpty())
        key += QString::fromLatin1(PercentEncode(tokenSecret.toLatin1()));
    params.insert(QStringLiteral("oauth_signature"), HmacSha1Base64(SignatureBaseString(method, url, params), key));
}

void DataSrcTwitter::SignRequest(const QString& method, const QString& url, QMap<QString, QString>& params) {
    SignRequest(method, url, params, DataSourceGlobals::TwitterConsumerSecret(), TwitterSessionTexts().tokenSecret);
}

QString DataSrcTwitter::MakeNonce() {
    QString nonce = QString::fromLatin1(QUuid::createUuid().toString().toUtf8().toBase64());
    nonce.remove(QLatin1Char('='));
    nonce.remove(QLatin1Char('+'));
    return nonce;
}

QByteArray DataSrcTwitter::MakeAuthHeader(const QString& method, const QString& url, QMap<QString, QString>& params,
                                          const QString& token) {
    params.insert(QStringLiteral("oauth_consumer_key"), DataSourceGlobals::TwitterConsumerKey());
    params.insert(QStringLiteral("oauth_nonce"), MakeNonce());
    params.insert(QStringLiteral("oauth_signature_method"), QStringLiteral("HMAC-SHA1"));
    params.insert(QStringLiteral("oauth_timestamp"), QString::number(QDateTime::currentMSecsSinceEpoch() / 1000));
    if (!token.isEmpty())
        params.insert(QStringLiteral("oauth_token"), token);
    params.insert(QStringLiteral("oauth_version"), QStringLiteral("1.0"));
    SignRequest(method, url, params);

    QByteArray header;
    for (auto it = params.constBegin(); it != params.constEnd(); ++it) {
        if (!it.key().startsWith(QLatin1String("oauth_")))
            continue;
        header += header.isEmpty() ? "OAuth " : ", ";
        header += it.key().toUtf8() + "=\"" + PercentEncode(it.value().toUtf8()) + '"';
    }
    return header;
}

void DataSrcTwitter::ExtractValue(const QString& text, const QString& key, QString& target) {
    const QString marker = key + QLatin1Char('=');
    const int at = text.indexOf(marker);
    if (at < 0)
        return;
    const int start = at + marker.size();
    const int end = text.indexOf(QLatin1Char('&'), start);
    target = end < 0 ? text.mid(start) : text.mid(start, end - start);
}

// ---- Login ----

void DataSrcTwitter::RequestToken() {
    PROFILE_SCOPE("DataSrcTwitter::RequestToken");
    DataSourceGlobals::TwitterSession& session = TwitterSessionTexts();
    session.token.clear();
    session.tokenSecret.clear();
    QMap<QString, QString> params;
    params.insert(QStringLiteral("oauth_callback"), DataSourceGlobals::LoginCloseUrl());
    const QString url = DataSourceGlobals::TwitterRequestTokenUrl();
    const QByteArray auth = MakeAuthHeader(QStringLiteral("POST"), url, params, QString());
    QNetworkReply* reply = ApiManager()->post(MakeRequest(url, "text/html; charset=utf-8", auth), QByteArray());
    ReplyBound::Limit(reply, MaxReplyBytes(), "DataSrcTwitter::RequestToken:");
}

void DataSrcTwitter::RequestAccessToken() {
    PROFILE_SCOPE("DataSrcTwitter::RequestAccessToken");
    const DataSourceGlobals::TwitterSession& session = TwitterSessionTexts();
    QMap<QString, QString> params;
    params.insert(QStringLiteral("oauth_verifier"), session.verifier);
    const QString url = DataSourceGlobals::TwitterAccessTokenUrl();
    const QByteArray auth = MakeAuthHeader(QStringLiteral("POST"), url, params, session.token);
    const QByteArray body = "oauth_verifier=" + session.verifier.toUtf8() + "\r\n";
    QNetworkReply* reply = ApiManager()->post(MakeRequest(url, "application/x-www-form-urlencoded", auth), body);
    ReplyBound::Limit(reply, MaxReplyBytes(), "DataSrcTwitter::RequestAccessToken:");
}

QString DataSrcTwitter::LoginTitle() const {
    return tr("Twitter Login");
}

QUrl DataSrcTwitter::LoginPage() const {
    return QUrl(DataSourceGlobals::TwitterAuthenticateUrl() + QStringLiteral("?oauth_token=") +
                TwitterSessionTexts().token);
}

bool DataSrcTwitter::AcceptsLink(const QUrl& url) const {
    if (!url.host().contains(ServiceDomain()))
        return false;
    QLOG_DEBUG() << "DataSrcTwitter::OnLinkClicked: contains" << url.toString(QUrl::RemoveQuery);
    return true;
}

void DataSrcTwitter::OnHttpDoneWWW(QNetworkReply* reply) {
    PROFILE_SCOPE("DataSrcTwitter::OnHttpDoneWWW");
    const QString url = reply->url().toString();
    // Only what the view left unread; the page itself has its data already.
    const QByteArray body =
        reply->bytesAvailable() > 0 ? reply->read(qMin<qint64>(reply->bytesAvailable(), 65536)) : QByteArray();
    reply->deleteLater();
    if (!url.contains(DataSourceGlobals::LoginCloseUrl()) && !body.contains("oauth_verifier="))
        return;

    DataSourceGlobals::TwitterSession& session = TwitterSessionTexts();
    session.token.clear();
    ExtractValue(url, QStringLiteral("oauth_token"), session.token);
    ExtractValue(url, QStringLiteral("oauth_verifier"), session.verifier);
    // The request token and the verifier are credentials: the log only says whether they came.
    QLOG_DEBUG() << "DataSrcTwitter::OnHttpDoneWWW: RQVer:" << !session.token.isEmpty() << !session.verifier.isEmpty();
    if (!session.token.isEmpty() && !session.verifier.isEmpty())
        RequestAccessToken();
    CloseLoginView();
}

// ---- Polling ----

void DataSrcTwitter::Fetch() {
    RequestTimeline();
}

void DataSrcTwitter::RequestTimeline() {
    PROFILE_SCOPE("DataSrcTwitter::RequestTimeline");
    if (!BeginFetch())
        return;
    QMap<QString, QString> params;
    const QString url = DataSourceGlobals::TwitterTimelineUrl();
    const QByteArray auth = MakeAuthHeader(QStringLiteral("GET"), url, params, TwitterSessionTexts().token);
    QNetworkReply* reply = ApiManager()->get(MakeRequest(url, "text/html; charset=utf-8", auth));
    ReplyBound::Limit(reply, MaxReplyBytes(), "DataSrcTwitter::RequestTimeline:");
}

void DataSrcTwitter::OnHttpDoneRPC(QNetworkReply* reply) {
    PROFILE_SCOPE("DataSrcTwitter::OnHttpDoneRPC");
    EndFetch();
    const QString url = reply->url().toString();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const bool tooLarge = ReplyBound::TooLarge(reply);
    const QByteArray body = tooLarge ? QByteArray() : reply->readAll();
    reply->deleteLater();
    // OAuth replies are credentials: the log shows the address, the status and the size only.
    QLOG_DEBUG() << "DataSrcTwitter::OnHttpDoneRPC:" << reply->url().toString(QUrl::RemoveQuery) << status
                 << body.size();
    if (tooLarge)
        return;
    if (status < 200 || status > 299) {
        QLOG_DEBUG() << "DataSrcTwitter::OnHttpDoneRPC: refused:" << status << reply->errorString();
        return;
    }

    DataSourceGlobals::TwitterSession& session = TwitterSessionTexts();
    if (url.contains(DataSourceGlobals::TwitterTimelineUrl())) {
        QThreadPool::globalInstance()->start(new TWITTER::TwitterTask(this, body, url, StopToken()));
    } else if (url.contains(DataSourceGlobals::TwitterRequestTokenUrl())) {
        const QString text = QString::fromLatin1(body);
        session.token.clear();
        session.tokenSecret.clear();
        ExtractValue(text, QStringLiteral("oauth_token"), session.token);
        ExtractValue(text, QStringLiteral("oauth_token_secret"), session.tokenSecret);
        QLOG_DEBUG() << "DataSrcTwitter::OnHttpDoneRPC: RQTok:" << !session.token.isEmpty()
                     << !session.tokenSecret.isEmpty();
        if (!session.token.isEmpty() && !session.tokenSecret.isEmpty())
            DoAuthDialog();
    } else if (url.contains(DataSourceGlobals::TwitterAccessTokenUrl())) {
        const QString text = QString::fromLatin1(body);
        session.token.clear();
        session.tokenSecret.clear();
        session.userId.clear();
        session.screenName.clear();
        ExtractValue(text, QStringLiteral("oauth_token"), session.token);
        ExtractValue(text, QStringLiteral("oauth_token_secret"), session.tokenSecret);
        ExtractValue(text, QStringLiteral("user_id"), session.userId);
        ExtractValue(text, QStringLiteral("screen_name"), session.screenName);
        if (!session.token.isEmpty() && !session.tokenSecret.isEmpty()) {
            QLOG_DEBUG() << "DataSrcTwitter::OnHttpDoneRPC: Connected:" << session.userId << session.screenName;
            // The token pair is a secret: it is stored encrypted.
            mSettings.insert(QStringLiteral("oauth_token"), QVariant::fromValue(CryptString(session.token)));
            mSettings.insert(QStringLiteral("oauth_token_secret"),
                             QVariant::fromValue(CryptString(session.tokenSecret)));
            mSettings.insert(QStringLiteral("user_id"), session.userId);
            mSettings.insert(QStringLiteral("screen_name"), session.screenName);
        }
    }
}

// ---- Timeline ----

QDateTime DataSrcTwitter::ParseTwitterDate(const QString& text) {
    if (text.size() < 19)
        return QDateTime();
    const QDate date = QDate::fromString(text.left(11) + text.right(4), Qt::TextDate);
    const QTime time = QTime::fromString(text.mid(11, 8), QStringLiteral("hh:mm:ss"));
    if (!date.isValid() || !time.isValid())
        return QDateTime();
    return QDateTime(date, time, Qt::UTC);
}

void DataSrcTwitter::ParseTimeline(const QByteArray& body, const QString& address) {
    PROFILE_SCOPE("DataSrcTwitter::ParseTimeline");
    EndFetch();
    QString error;
    // The service writes UTF-8.
    const QVariant root = JsonParseText(QString::fromUtf8(body), error);
    // A reply cut short reads as a partial list: only a whole one counts.
    if (!error.isEmpty() || root.type() != QVariant::List) {
        QLOG_DEBUG() << "DataSrcTwitter::ParseTimeline: no tweets in" << address << error;
        return;
    }
    const QVariantList items = root.toList();
    for (const QVariant& itemValue : items) {
        const QVariantMap item = itemValue.toMap();
        const QVariantMap user = item.value(QStringLiteral("user")).toMap();
        const QString name = user.value(QStringLiteral("name")).toString();
        const QString screenName = user.value(QStringLiteral("screen_name")).toString();
        QString icon = user.value(QStringLiteral("profile_image_url")).toString();
        if (icon.isEmpty())
            icon = user.value(QStringLiteral("profile_image_url_https")).toString();
        const QVariant idValue = item.value(QStringLiteral("id"));
        // Large ids arrive as 64-bit integers; the text form must not go through a double.
        const QString id =
            idValue.type() == QVariant::Double ? QString::number(qint64(idValue.toDouble())) : idValue.toString();
        QString text = item.value(QStringLiteral("text")).toString();
        QString link = item.value(QStringLiteral("link")).toString();

        text.replace(QLatin1String("&gt;"), QLatin1String(">"));
        text.replace(QLatin1String("&lt;"), QLatin1String("<"));
        text.replace(QLatin1String("&amp;"), QLatin1String("&"));
        text.replace(QLatin1String("&auml;"), QStringLiteral("\u00e4"));
        text.replace(QLatin1String("&ouml;"), QStringLiteral("\u00f6"));
        text.replace(QLatin1String("&uuml;"), QStringLiteral("\u00fc"));
        if (!icon.isEmpty()) {
            icon.replace(QLatin1String("normal.jpg"), QLatin1String("reasonably_small.jpg"));
            icon.replace(QLatin1String("normal.png"), QLatin1String("reasonably_small.png"));
        }
        if (link.isEmpty())
            link = ServiceWebAddress() + QStringLiteral("#!/") + screenName + QStringLiteral("/status/") + id;

        const QDateTime when = ParseTwitterDate(item.value(QStringLiteral("created_at")).toString());
        const qint64 time = when.isValid() ? when.toMSecsSinceEpoch() : 0;
        if (time == 0 || id.isEmpty() || name.isEmpty())
            continue;
        const qint64 key = DataSrcCommon::EntryKey(time, id);
        QVariantMap entry;
        entry.insert(QStringLiteral("title"), name);
        entry.insert(QStringLiteral("text"), text);
        entry.insert(QStringLiteral("link"), link);
        entry.insert(QStringLiteral("id"), id);
        entry.insert(QStringLiteral("time"), key);
        if (!icon.isEmpty())
            entry.insert(QStringLiteral("icon"), icon);
        StoreEntry(key, entry);
    }
}
