#include "datasources/datasrcfacebook.h"

#include "datasources/datasrccommon.h"
#include "datasources/facebooktask.h"
#include "datasources/replybound.h"
#include "foundation/cryptstring.h"
#include "foundation/helpers.h"
#include "foundation/json.h"
#include "foundation/logger/QsLog.h"
#include "foundation/profiler.h"

#include <QLocale>
#include <QNetworkAccessManager>
#include <QNetworkRequest>
#include <QThreadPool>
#include <QWebPage>

using DataSourceGlobals::FacebookGraphHost;
using DataSourceGlobals::FacebookWebHost;

DataSrcFacebook::DataSrcFacebook(QObject* parent)
    : WebLoginDataSource(RunnableTask<DataSrcFacebook>::Control(), parent) {
    connect(this, &DataSrcFacebook::ShowAuthDialog, this, &DataSrcFacebook::DoAuthDialog, Qt::QueuedConnection);
}

DataSrcFacebook::~DataSrcFacebook() {
    StopOwnTasks();
}

QString DataSrcFacebook::GetName() {
    return QStringLiteral("Facebook");
}

void DataSrcFacebook::ApplySettings(const QVariantMap& settings) {
    mShowLink = DataSrcCommon::SettingIsTrue(settings, QStringLiteral("ShowLink"));
    mShowPhoto = DataSrcCommon::SettingIsTrue(settings, QStringLiteral("ShowPhoto"));
    mShowStatus = DataSrcCommon::SettingIsTrue(settings, QStringLiteral("ShowStatus"));
    mShowVideo = DataSrcCommon::SettingIsTrue(settings, QStringLiteral("ShowVideo"));
    mShowInbox = DataSrcCommon::SettingIsTrue(settings, QStringLiteral("ShowInbox"));
}

void DataSrcFacebook::Activated() {
    // The page's close request stopped the jobs of this type; switching the source on again resumes them.
    RunnableTask<DataSrcFacebook>::ClearStop();
    ScheduleImmediateTick();
}

QVariant DataSrcFacebook::GetValue(const QString& function, const QVariantList& args) {
    Q_UNUSED(args);
    if (function == QLatin1String("DoLogin")) {
        DoAuthDialog();
        return 0;
    }
    if (function == QLatin1String("GetLoginStatus")) {
        if (mSettings.value(QStringLiteral("access_token")).toString().size() > 7) {
            const QDateTime expires = mSettings.value(QStringLiteral("expires")).toDateTime();
            if (expires < QDateTime::currentDateTime())
                return StatusWithProblem(tr("Session expired."));
            return StatusWithProblem(tr("Session valid until: ") +
                                     QLocale::system().toString(expires, QLocale::ShortFormat));
        }
        return StatusWithProblem(tr("Not logged in."));
    }
    return 0;
}

void DataSrcFacebook::DoInitialUpdate() {
    if (mActive)
        ScheduleImmediateTick();
}

void DataSrcFacebook::Fetch() {
    QLOG_DEBUG() << "DataSrcFacebook::OnTick";
    DoFeedRpc();
}

void DataSrcFacebook::OnProgress(qint64, qint64) {}

// ---- Graph requests ----

void DataSrcFacebook::DoFeedRpc() {
    PROFILE_SCOPE("DataSrcFacebook::DoFeedRpc");
    if (!BeginFetch())
        return;
    QString token = mSettings.value(QStringLiteral("access_token")).toString();
    if (token.isEmpty())
        token = QStringLiteral("1");
    GetGraph(QStringLiteral("me/home"), token);
    if (mShowInbox)
        GetGraph(QStringLiteral("me/inbox"), token);
}

void DataSrcFacebook::GetGraph(const QString& path, const QString& token) {
    QUrl url(DataSourceGlobals::FacebookGraphBaseUrl() + path);
    url.setQuery(QStringLiteral("access_token=") + QString::fromLatin1(QUrl::toPercentEncoding(token)));
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    // The toolkit's default TLS settings, with the peer verified: the token travels in the address.
    request.setRawHeader("Accept-Charset", "win1251,ISO-8859-1,utf-8;q=0.7,*;q=0.7");
    request.setRawHeader("charset", "utf-8");
    QNetworkReply* reply = ApiManager()->get(request);
    connect(reply, &QNetworkReply::downloadProgress, this, &DataSrcFacebook::OnProgress);
    ReplyBound::Limit(reply, MaxReplyBytes(), "DataSrcFacebook::DoFeedRpc:");
}

void DataSrcFacebook::OnHttpDoneRPC(QNetworkReply* reply) {
    PROFILE_SCOPE("DataSrcFacebook::OnHttpDoneRPC");
    // The address carries the token: it is logged without its query.
    const QString address = reply->url().toString(QUrl::RemoveQuery);
    reply->deleteLater();
    QLOG_DEBUG() << "DataSrcFacebook::OnHttpDoneRPC:" << address;
    if (ReplyBound::TooLarge(reply))
        return;
    // The status is not looked at: the service reports a refused token in the body of an error reply.
    QThreadPool::globalInstance()->start(new FACEBOOK::FacebookTask(this, reply->readAll(), address, StopToken()));
}

// ---- Parsing ----

void DataSrcFacebook::ParseRpcResult(const QByteArray& body, const QString& address) {
    PROFILE_SCOPE("DataSrcFacebook::ParseRpcResult");
    EndFetch();
    QString error;
    // The Graph API writes UTF-8.
    const QVariant parsed = JsonParseText(QString::fromUtf8(body), error);
    if (!error.isEmpty()) {
        QLOG_DEBUG() << "DataSrcFacebook::ParseRpcResult: not JSON:" << address << error;
        return;
    }
    const QVariantMap root = parsed.toMap();
    if (root.contains(QStringLiteral("error"))) {
        const int code = root.value(QStringLiteral("error")).toMap().value(QStringLiteral("code")).toInt();
        if (code == 190 || code == 2500)
            emit ShowAuthDialog();
        return;
    }
    if (!root.contains(QStringLiteral("data")))
        return;
    const bool inInbox = address.contains(QLatin1String("/inbox"));
    const QString pictureBase = QStringLiteral("http://") + FacebookGraphHost() + QLatin1Char('/');

    const QVariantList posts = root.value(QStringLiteral("data")).toList();
    for (const QVariant& postValue : posts) {
        const QVariantMap post = postValue.toMap();
        const QVariantMap from = post.value(QStringLiteral("from")).toMap();
        const QString id = post.value(QStringLiteral("id")).toString();
        QString link = post.value(QStringLiteral("link")).toString();
        QString type = post.value(QStringLiteral("type")).toString();
        const QString message = post.value(QStringLiteral("message")).toString();
        const QString story = post.value(QStringLiteral("story")).toString();
        const QString description = post.value(QStringLiteral("description")).toString();
        const QString created = post.value(QStringLiteral("created_time")).toString();
        const QString fromName = from.value(QStringLiteral("name")).toString();
        const QString fromId = from.value(QStringLiteral("id")).toString();
        if (inInbox)
            type = QStringLiteral("inbox");

        const QVariantList actions = post.value(QStringLiteral("actions")).toList();
        if (link.isEmpty() && !actions.isEmpty())
            link = actions.first().toMap().value(QStringLiteral("link")).toString();
        const QDateTime when = ParseIsoDate(created);
        const qint64 time = when.isValid() ? when.toMSecsSinceEpoch() : 0;
        if (type == QLatin1String("swf"))
            type = QStringLiteral("video");

        if ((type == QLatin1String("link") && !mShowLink) || (type == QLatin1String("photo") && !mShowPhoto) ||
            (type == QLatin1String("status") && !mShowStatus) || (type == QLatin1String("video") && !mShowVideo) ||
            (type == QLatin1String("inbox") && !mShowInbox))
            continue;

        if (inInbox) {
            const QVariantList messages =
                post.value(QStringLiteral("comments")).toMap().value(QStringLiteral("data")).toList();
            for (const QVariant& messageValue : messages) {
                const QVariantMap msg = messageValue.toMap();
                const QVariantMap sender = msg.value(QStringLiteral("from")).toMap();
                const QString msgId = msg.value(QStringLiteral("id")).toString();
                const QString senderId = sender.value(QStringLiteral("id")).toString();
                const QString senderName = sender.value(QStringLiteral("name")).toString();
                const QDateTime msgWhen = ParseIsoDate(msg.value(QStringLiteral("created_time")).toString());
                const qint64 msgTime = msgWhen.isValid() ? msgWhen.toMSecsSinceEpoch() : 0;
                if (msgTime == 0 || msgId.isEmpty() || senderName.isEmpty())
                    continue;
                const qint64 key = DataSrcCommon::EntryKey(msgTime, msgId);
                QVariantMap entry;
                entry.insert(QStringLiteral("title"), senderName);
                entry.insert(QStringLiteral("text"), msg.value(QStringLiteral("message")).toString());
                entry.insert(QStringLiteral("link"),
                             QStringLiteral("http://") + FacebookWebHost() + QStringLiteral("/messages/") + senderId);
                entry.insert(QStringLiteral("id"), msgId);
                entry.insert(QStringLiteral("time"), key);
                if (!senderId.isEmpty())
                    entry.insert(QStringLiteral("icon"), pictureBase + senderId + QStringLiteral("/picture/"));
                StoreEntry(key, entry);
            }
        }

        if (created.isEmpty())
            continue;
        if (time == 0 || id.isEmpty() || fromName.isEmpty())
            continue;
        QString text = message;
        if (text.isEmpty())
            text = description;
        if (text.isEmpty())
            text = story;
        const qint64 key = DataSrcCommon::EntryKey(time, id);
        QVariantMap entry;
        entry.insert(QStringLiteral("title"), fromName);
        entry.insert(QStringLiteral("text"), text);
        entry.insert(QStringLiteral("link"), link);
        entry.insert(QStringLiteral("id"), id);
        entry.insert(QStringLiteral("time"), key);
        if (!fromId.isEmpty())
            entry.insert(QStringLiteral("icon"), pictureBase + fromId + QStringLiteral("/picture/"));
        StoreEntry(key, entry);
    }
}

// ---- Login window ----

QString DataSrcFacebook::LoginAddress() {
    return DataSourceGlobals::FacebookWebBaseUrl() + QStringLiteral("dialog/oauth?client_id=") +
           DataSourceGlobals::FacebookAppId() + QStringLiteral("&redirect_uri=") + QStringLiteral("http://") +
           FacebookWebHost() + QStringLiteral("/connect/login_success.html") + QStringLiteral("&type=user_agent") +
           QStringLiteral("&display=popup") + QStringLiteral("&scope=user_status,read_stream,read_mailbox");
}

QString DataSrcFacebook::LoginTitle() const {
    return tr("Facebook Login");
}

QUrl DataSrcFacebook::LoginPage() const {
    return QUrl(LoginAddress());
}

void DataSrcFacebook::LoginViewOpened(QWebView* view) {
    connect(view->page(), &QWebPage::windowCloseRequested, this, &DataSrcFacebook::windowCloseRequest);
    view->setStyleSheet(QStringLiteral("* { background-color:white; color:black;}"));
}

bool DataSrcFacebook::AcceptsLink(const QUrl& url) const {
    return url.host() == LoginView()->url().host();
}

void DataSrcFacebook::OnHttpDoneWWW(QNetworkReply* reply) {
    PROFILE_SCOPE("DataSrcFacebook::OnHttpDoneWWW");
    const QUrl url = reply->url();
    reply->deleteLater();
    HandleLoginAddress(url);
}

void DataSrcFacebook::HandleLoginAddress(const QUrl& url) {
    if (!LoginView())
        return;
    const QString path = url.path();
    if (path.contains(QLatin1String("login_failure.html"))) {
        QLOG_DEBUG() << "DataSrcFacebook::OnHttpDoneWWW: Facebook Login Fail!!!";
        CloseLoginView();
        return;
    }
    if (!path.contains(QLatin1String("login_success.html")))
        return;
    const QString address = url.toString();
    if (url.fragment().contains(QLatin1String("access_token"))) {
        const QString marker = QStringLiteral("access_token=");
        const int start = address.indexOf(marker) + marker.size();
        const int end = address.indexOf(QLatin1Char('&'), start);
        const QString token = end < 0 ? address.mid(start) : address.mid(start, end - start);
        // The token is a secret: stored encrypted, never logged.
        mSettings.insert(QStringLiteral("access_token"), QVariant::fromValue(CryptString(token)));
    }
    const QString expiresMarker = QStringLiteral("expires_in=");
    const int expiresAt = address.indexOf(expiresMarker);
    if (expiresAt >= 0) {
        const int start = expiresAt + expiresMarker.size();
        const int end = address.indexOf(QLatin1Char('&'), start);
        bool ok = false;
        qint64 seconds = (end < 0 ? address.mid(start) : address.mid(start, end - start)).toLongLong(&ok);
        // A year is far beyond any token's life; more would overflow the date arithmetic.
        if (!ok || seconds < 0 || seconds > 366LL * 24 * 3600)
            seconds = 0;
        mSettings.insert(QStringLiteral("expires"), QDateTime::currentDateTime().addSecs(seconds));
    }
    QLOG_DEBUG() << "DataSrcFacebook::OnHttpDoneWWW: login done";
    CloseLoginView();
}

void DataSrcFacebook::windowCloseRequest() {
    if (!LoginView())
        return;
    QVariantMap settings = GetSettings();
    settings.insert(QStringLiteral("Active"), 0);
    SetSettings(settings);
    RunnableTask<DataSrcFacebook>::StopAndWait();
    CloseLoginView();
}
