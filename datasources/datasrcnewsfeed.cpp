#include "datasources/datasrcnewsfeed.h"

#include "datasources/datasrccommon.h"
#include "datasources/htmlentityresolver.h"
#include "datasources/newsfeedtask.h"
#include "foundation/helpers.h"
#include "foundation/logger/QsLog.h"
#include "foundation/profiler.h"
#include "functions/plugintools.h"
#include "functions/userprompts.h"

#include <QNetworkAccessManager>
#include <QNetworkRequest>
#include <QPointer>
#include <QThreadPool>
#include <QTimer>
#include <QUrl>
#include <QXmlStreamReader>

namespace {

// The redirect count of a fetch travels with its request.
const QNetworkRequest::Attribute kRedirectsAttribute = QNetworkRequest::Attribute(QNetworkRequest::User + 1);
// The stored address a redirect chain started from, and whether a permanent redirect was met on the way.
const QNetworkRequest::Attribute kOriginAttribute = QNetworkRequest::Attribute(QNetworkRequest::User + 2);
const QNetworkRequest::Attribute kPermanentAttribute = QNetworkRequest::Attribute(QNetworkRequest::User + 3);

bool IsCommentLine(const QString& line) {
    return line.trimmed().startsWith(QLatin1Char('#'));
}

QDateTime ReadFeedDate(const QString& text) {
    QDateTime when = ParseHttpDate(text.toLatin1());
    if (!when.isValid())
        when = QDateTime::fromString(text, Qt::TextDate);
    if (!when.isValid())
        when = QDateTime::fromString(text, Qt::ISODate);
    return when;
}

// What reading a feed has seen so far: the feed's title, the item being read and the element whose text comes.
class FeedReading {
public:
    // An element starts: it may tell the kind of body (a feed, an HTML page), a feed link of a page, an item,
    // or the item's link.
    void Start(const QXmlStreamReader& reader, DataSrcNewsFeed::ParseResult& result, const QString& address) {
        EndText();
        m_element = reader.name().toString();
        if (!result.isFeed) {
            if (m_element == QLatin1String("feed") || m_element == QLatin1String("rss"))
                result.isFeed = true;
            else if (m_element == QLatin1String("html"))
                result.isHtml = true;
        }
        if (m_element == QLatin1String("link")) {
            const QXmlStreamAttributes attributes = reader.attributes();
            if (m_inItem && m_itemLink.isEmpty())
                m_itemLink = attributes.value(QLatin1String("href")).toString();
            if (result.isHtml) {
                const QStringRef type = attributes.value(QLatin1String("type"));
                if (type == QLatin1String("application/atom+xml") || type == QLatin1String("application/rss+xml")) {
                    // Resolved against the page, so root-relative and relative links point where meant.
                    const QString href = attributes.value(QLatin1String("href")).toString();
                    result.foundFeeds.append(QUrl(address).resolved(QUrl(href)).toString());
                }
            }
        } else if (m_element == QLatin1String("entry") || m_element == QLatin1String("item")) {
            m_inItem = true;
        }
    }

    // An element ends. The end of an item with a time, a title and a feed title gives its entry and key (true).
    bool End(const QStringRef& name, bool isFeed, qint64* key, QVariantMap* entry) {
        EndText();
        m_element.clear();
        if (!(isFeed && name == QLatin1String("entry")) && name != QLatin1String("item"))
            return false;
        const bool whole = m_itemTime != 0 && !m_feedTitle.isEmpty() && !m_itemTitle.isEmpty();
        if (whole) {
            *key = DataSrcCommon::EntryKey(m_itemTime, m_itemId.isEmpty() ? m_itemTitle : m_itemId);
            entry->insert(QStringLiteral("title"), m_feedTitle);
            entry->insert(QStringLiteral("text"), m_itemTitle);
            entry->insert(QStringLiteral("link"), m_itemLink);
            entry->insert(QStringLiteral("id"), m_itemId);
            entry->insert(QStringLiteral("time"), *key);
        }
        m_itemTitle.clear();
        m_itemLink.clear();
        m_itemId.clear();
        m_itemTime = 0;
        m_inItem = false;
        return whole;
    }

    // Text of one element can come in several pieces (around entity references): later pieces are added to
    // what the first one set.
    void Text(const QString& text, bool whitespace) {
        if (m_continuing) {
            if (m_setFeedTitle)
                m_feedTitle += text;
            if (m_setItemTitle)
                m_itemTitle += text;
            if (m_setLink)
                m_itemLink += text;
            if (m_setId)
                m_itemId += text;
            return;
        }
        if (whitespace)
            return;
        m_setFeedTitle = m_setItemTitle = m_setLink = m_setId = false;
        if (m_element == QLatin1String("title")) {
            if (m_feedTitle.isEmpty()) {
                m_feedTitle = text;
                m_setFeedTitle = true;
            }
            if (m_inItem) {
                m_itemTitle = text;
                m_setItemTitle = true;
            }
        } else if (m_element == QLatin1String("link")) {
            if (m_inItem) {
                m_itemLink = text;
                m_setLink = true;
            }
        } else if (m_element == QLatin1String("id") || m_element == QLatin1String("guid")) {
            if (m_inItem) {
                m_itemId = text;
                m_setId = true;
            }
        } else if (m_element == QLatin1String("published") || m_element == QLatin1String("updated") ||
                   m_element == QLatin1String("pubDate")) {
            if (m_inItem) {
                const QDateTime when = ReadFeedDate(text.trimmed());
                if (when.isValid() && (m_element != QLatin1String("updated") || m_itemTime == 0))
                    m_itemTime = when.toMSecsSinceEpoch();
            }
        }
        m_continuing = true;
    }

    // The text met next belongs to no earlier piece.
    void EndText() { m_continuing = false; }

private:
    bool m_inItem = false;
    QString m_element;
    QString m_feedTitle, m_itemTitle, m_itemLink, m_itemId;
    qint64 m_itemTime = 0;
    bool m_continuing = false;
    bool m_setFeedTitle = false, m_setItemTitle = false, m_setLink = false, m_setId = false;
};

} // namespace

DataSrcNewsFeed::DataSrcNewsFeed(QObject* parent) : IIncomingDataSource(parent) {
    RunnableTask<DataSrcNewsFeed>::ClearStop();
    mStopToken = RunnableTask<DataSrcNewsFeed>::NewStopToken();

    mNetwork = new QNetworkAccessManager(this);
    connect(mNetwork, &QNetworkAccessManager::finished, this, &DataSrcNewsFeed::OnHttpDone);
    connect(mNetwork, &QNetworkAccessManager::sslErrors, this, &DataSrcNewsFeed::OnSslErrors);
    // The parse runs on the pool; the chooser it asks for runs here.
    connect(this, &DataSrcNewsFeed::InvalidFeedUrl, this, &DataSrcNewsFeed::OnInvalidFeedUrl, Qt::QueuedConnection);
    connect(this, &DataSrcNewsFeed::UpdatePending, this, &DataSrcNewsFeed::ShowPending);

    mTimer = new QTimer(this);
    connect(mTimer, &QTimer::timeout, this, &DataSrcNewsFeed::OnTick);
    mTimer->start(kTickIntervalMs);
}

DataSrcNewsFeed::~DataSrcNewsFeed() {
    // A test popup still running ends with its source; the test's caller sees that the source is gone.
    if (mTestPopup)
        mTestPopup->Finish(false);
    mStopToken->store(true);
    RunnableTask<DataSrcNewsFeed>::StopAndWait();
}

QString DataSrcNewsFeed::GetName() {
    return QStringLiteral("NewsFeed");
}

bool DataSrcNewsFeed::IsActive() {
    return mActive;
}

void DataSrcNewsFeed::SetSettings(const QVariantMap& settings) {
    PROFILE_SCOPE("DataSrcNewsFeed::SetSettings");
    const bool wasActive = mActive;
    mSettings = settings;

    QWriteLocker locker(&mLock);
    const QStringList oldSources = mSources;
    mSources = settings.value(QStringLiteral("Sources")).toStringList();
    mActive = DataSrcCommon::SettingIsTrue(settings, QStringLiteral("Active"));
    for (QString& line : mSources) {
        if (!IsCommentLine(line) && !line.contains(QLatin1String("://")))
            line.prepend(QLatin1String("http://"));
    }
    const bool sourcesChanged = mSources != oldSources;
    locker.unlock();

    if ((!mFirstSettings && sourcesChanged) || (!wasActive && mActive)) {
        mDemand = 1;
        ScheduleImmediateTick();
    }
    mFirstSettings = false;
}

QVariantMap DataSrcNewsFeed::GetSettings() {
    QReadLocker locker(&mLock);
    mSettings.insert(QStringLiteral("Sources"), mSources);
    return mSettings;
}

QVariant DataSrcNewsFeed::GetValue(const QString& function, const QVariantList& args) {
    if (function == QLatin1String("DoTestConnectParam") && !args.isEmpty())
        return QVariant(RunAddressTest(args.first().toStringList()));
    QLOG_DEBUG() << "DataSrcNewsFeed::GetValue:" << function;
    return QVariant(0);
}

bool DataSrcNewsFeed::RunAddressTest(const QStringList& lines) {
    if (mTestRunning)
        return false;
    IUserPrompts* prompts = UserPrompts::Get(QStringLiteral("news feed address tests are not run"));
    if (!prompts)
        return false;
    mPending.clear();
    mSucceeded.clear();
    mFailed.clear();
    mFailReasons.clear();
    // Only this test's redirects lead back to a tested address: an older one would list an address the user
    // has since removed in place of the one now tested directly.
    mRedirectMap.clear();
    mTestPopup = prompts->MakeTestPopup(tr("News Feed Test"));
    mTestRunning = true;
    for (const QString& line : lines) {
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty())
            continue;
        if (trimmed.startsWith(QLatin1Char('#'))) {
            mSucceeded.append(trimmed);
            continue;
        }
        const QString address = trimmed.contains(QLatin1String("://")) ? trimmed : QStringLiteral("http://") + trimmed;
        // Replies report their address as the URL type writes it back.
        mPending.append(QUrl(address).toString());
        Fetch(address, 0);
    }
    ShowPending();
    ++mPauseCount;
    QPointer<DataSrcNewsFeed> self(this);
    const bool ok = mTestPopup->Exec();
    if (!self)
        return false;
    --mPauseCount;
    if (ok) {
        QWriteLocker locker(&mLock);
        mSources = mSucceeded;
    }
    mTestRunning = false;
    mTestPopup.reset();
    mPending.clear();
    mSucceeded.clear();
    mFailed.clear();
    mFailReasons.clear();
    return ok;
}

void DataSrcNewsFeed::SetTestResult(const QString& address, bool passed) {
    if (!mTestRunning)
        return;
    mPending.removeAll(address);
    // A redirected address is listed as the one the test was given.
    QString tested = address;
    for (int hops = 0; mRedirectMap.contains(tested) && hops <= kMaxRedirects; ++hops) {
        tested = mRedirectMap.value(tested);
        mPending.removeAll(tested);
    }
    if (!passed && mFailReasons.contains(address))
        mFailReasons.insert(tested, mFailReasons.value(address));
    // A feed chosen from a page may have been listed before its own test answered: it is listed once.
    QStringList& list = passed ? mSucceeded : mFailed;
    if (!list.contains(tested))
        list.append(tested);
    emit UpdatePending();
}

void DataSrcNewsFeed::ShowPending() {
    if (!mTestPopup)
        return;
    if (!mPending.isEmpty()) {
        mTestPopup->SetOkVisible(false);
        mTestPopup->SetText(tr("testing URLs ... %1").arg(mPending.size()));
        return;
    }
    mTestPopup->SetOkVisible(true);
    if (mSucceeded.isEmpty() && mFailed.isEmpty()) {
        mTestPopup->SetText(tr("No valid URLs found.") + QLatin1Char('\n') + tr("Apply results?"));
        return;
    }
    QStringList lines;
    if (mSucceeded.isEmpty())
        lines << tr("No valid URLs found.");
    else
        lines << tr("Succeeded:") << mSucceeded;
    // Each failure with its reason: a certificate nobody vouches for reads differently from a server that is down.
    if (!mFailed.isEmpty()) {
        lines << tr("Failed:");
        for (const QString& address : qAsConst(mFailed)) {
            const QString reason = mFailReasons.value(address);
            lines << (reason.isEmpty() ? address : address + QStringLiteral(" (") + reason + QLatin1Char(')'));
        }
    }
    mTestPopup->SetText(QString());
    mTestPopup->SetResults(lines, tr("Apply results?"));
}

void DataSrcNewsFeed::OnInvalidFeedUrl(const QString& address, const QStringList& feeds) {
    QLOG_DEBUG() << "DataSrcNewsFeed::OnInvalidFeedUrl:" << address << feeds;
    // The test may have ended while the page was parsed.
    if (!mTestRunning)
        return;
    QString selected;
    if (IUserPrompts* prompts = UserPrompts::Get(QStringLiteral("web pages in a news feed test are dropped"))) {
        ReplacementChoice choice;
        choice.title = tr("RSS Feed Source");
        choice.problem = address + tr(" is not an RSS/Atom Feed.");
        choice.offer = tr("Select another Feed URL instead:");
        choice.choices = feeds;
        choice.chooseText = tr("Select");
        choice.chooseTip = tr("Select this RSS/Atom Feed instead");
        choice.dropText = tr("Remove URL");
        choice.dropTip = tr("Remove URL from List");
        ++mPauseCount;
        QPointer<DataSrcNewsFeed> self(this);
        selected = prompts->ChooseReplacement(choice);
        if (!self)
            return;
        --mPauseCount;
    }
    DoReplaceURL(address, selected);
}

QMap<qint64, QVariantMap> DataSrcNewsFeed::GetEntries() {
    PROFILE_SCOPE("DataSrcNewsFeed::GetEntries");
    if (!mActive)
        return QMap<qint64, QVariantMap>();
    if (mDemand <= 0)
        ScheduleImmediateTick();
    mDemand = 2;
    QReadLocker locker(&mLock);
    return mEntries;
}

void DataSrcNewsFeed::ScheduleImmediateTick() {
    // The regular tick then comes one whole interval after this one.
    mTimer->stop();
    QTimer::singleShot(0, this, &DataSrcNewsFeed::OnTick);
    mTimer->start(kTickIntervalMs);
}

void DataSrcNewsFeed::DoInitialUpdate() {
    mDemand = 1;
    ScheduleImmediateTick();
}

void DataSrcNewsFeed::OnTick() {
    PROFILE_SCOPE("DataSrcNewsFeed::OnTick");
    if (mPauseCount > 0 || mDemand <= 0)
        return;
    --mDemand;
    QLOG_DEBUG() << "DataSrcNewsFeed::OnTick: UpdateSources";
    QStringList sources;
    {
        QReadLocker locker(&mLock);
        sources = mSources;
    }
    for (const QString& line : sources) {
        const QString address = line.trimmed();
        if (!address.isEmpty() && !address.startsWith(QLatin1Char('#')))
            Fetch(address, 0);
    }
}

void DataSrcNewsFeed::Fetch(const QString& address, int redirects, const QString& origin, bool permanent) {
    const QUrl url(address);
    const QString key = url.toString();
    if (mInFlight.contains(key)) {
        QLOG_DEBUG() << "DataSrcNewsFeed::Fetch: still waiting for" << key;
        return;
    }
    QNetworkRequest request(url);
    request.setAttribute(kRedirectsAttribute, redirects);
    request.setAttribute(kOriginAttribute, origin);
    request.setAttribute(kPermanentAttribute, permanent);
    // Redirects are handled here: a permanent one rewrites the stored address.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    request.setTransferTimeout(mTransferTimeoutMs);
    QNetworkReply* reply = mNetwork->get(request);
    mInFlight.insert(key);

    // A body is held in memory until it is parsed: it is collected here as it arrives and abandoned once it
    // would grow past the bound. The read buffer keeps the network from running ahead of the collection.
    const qint64 maxBytes = mMaxReplyBytes;
    reply->setReadBufferSize(qMin<qint64>(maxBytes + 1, 256 * 1024));
    auto tooLarge = [reply, maxBytes]() {
        if (reply->property("mvTooLarge").toBool())
            return;
        QLOG_DEBUG() << "DataSrcNewsFeed::Fetch: reply larger than" << maxBytes << "bytes:" << reply->url().toString();
        reply->setProperty("mvTooLarge", true);
        reply->abort();
    };
    connect(reply, &QNetworkReply::readyRead, reply, [this, reply, maxBytes, tooLarge]() {
        QByteArray& body = mBodies[reply];
        if (body.size() + reply->bytesAvailable() > maxBytes) {
            tooLarge();
            return;
        }
        body += reply->readAll();
    });
    connect(reply, &QNetworkReply::metaDataChanged, reply, [reply, maxBytes, tooLarge]() {
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > maxBytes)
            tooLarge();
    });
}

void DataSrcNewsFeed::OnHttpDone(QNetworkReply* reply) {
    PROFILE_SCOPE("DataSrcNewsFeed::OnHttpDone");
    const QString address = reply->url().toString();
    mInFlight.remove(reply->request().url().toString());
    QByteArray body = mBodies.take(reply);
    reply->deleteLater();
    QLOG_DEBUG() << "DataSrcNewsFeed::OnHttpDone:" << address << reply->error();
    const bool testing = mTestRunning;
    if (reply->property("mvTooLarge").toBool()) {
        if (testing)
            Fail(address, tr("too large"));
        return;
    }
    if (reply->error() != QNetworkReply::NoError) {
        if (testing) {
            // A certificate that does not verify is named with its reason: the user can tell it from a server
            // that is down.
            const QString sslError = reply->property("mvSslError").toString();
            Fail(address, sslError.isEmpty()
                              ? reply->errorString()
                              : tr("the certificate of %1 is not trusted: %2").arg(reply->url().host(), sslError));
        }
        return;
    }

    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status == 200) {
        if (body.size() + reply->bytesAvailable() > mMaxReplyBytes) {
            QLOG_DEBUG() << "DataSrcNewsFeed::OnHttpDone: reply larger than" << mMaxReplyBytes << "bytes:" << address;
            if (testing)
                Fail(address, tr("too large"));
            return;
        }
        body += reply->readAll();
        QThreadPool::globalInstance()->start(new NEWS_FEED::NewsFeedTask(this, body, address, mStopToken));
        return;
    }
    if (status == 301 || status == 302) {
        const QString locationText = QString::fromUtf8(reply->rawHeader("Location")).trimmed();
        if (locationText.isEmpty()) {
            if (testing)
                Fail(address, tr("redirect without a target"));
            return;
        }
        // A relative Location is meant against the address that answered.
        const QString location = reply->url().resolved(QUrl(locationText)).toString();
        // Every redirect of one chain counts, permanent or not, so that no loop of them runs on.
        const int redirects = reply->request().attribute(kRedirectsAttribute).toInt() + 1;
        if (redirects > kMaxRedirects) {
            QLOG_DEBUG() << "DataSrcNewsFeed::OnHttpDone: too many redirects:" << address << location;
            if (testing)
                Fail(address, tr("too many redirects"));
            return;
        }
        if (testing) {
            mRedirectMap.insert(location, address);
            mPending.removeAll(address);
            mPending.append(location);
            ShowPending();
            Fetch(location, redirects);
            return;
        }
        QString origin = reply->request().attribute(kOriginAttribute).toString();
        if (origin.isEmpty())
            origin = address;
        bool permanent = reply->request().attribute(kPermanentAttribute).toBool();
        if (status == 301) {
            QLOG_DEBUG() << "DataSrcNewsFeed::OnHttpDone: Moved Permanently:" << address << location;
            permanent = true;
        }
        // The stored address the chain started from follows a permanent move to where the chain leads; the
        // chain itself goes on from here, so the feed is read in this same update.
        if (permanent) {
            RewriteSource(origin, location);
            origin = location;
        }
        Fetch(location, redirects, origin, permanent);
        return;
    }
    QLOG_DEBUG() << "DataSrcNewsFeed::OnHttpDone: unexpected status" << status << address;
    if (testing)
        Fail(address, tr("HTTP status %1").arg(status));
}

void DataSrcNewsFeed::Fail(const QString& address, const QString& reason) {
    mFailReasons.insert(address, reason);
    SetTestResult(address, false);
}

void DataSrcNewsFeed::OnSslErrors(QNetworkReply* reply, const QList<QSslError>& errors) {
    // Logged, not ignored: a feed whose certificate does not verify is not read.
    QLOG_DEBUG() << "DataSrcNewsFeed::OnSslErrors:" << reply->url().toString() << errors;
    reply->setProperty("mvSslError", errors.isEmpty() ? tr("unknown error") : errors.first().errorString());
}

void DataSrcNewsFeed::RewriteSource(const QString& from, const QString& to) {
    QWriteLocker locker(&mLock);
    for (QString& line : mSources) {
        const QString trimmed = line.trimmed();
        if (trimmed == from || (!IsCommentLine(trimmed) && QUrl(trimmed).toString() == from)) {
            line = to;
            return;
        }
    }
}

void DataSrcNewsFeed::DoReplaceURL(const QString& from, const QString& to) {
    if (from.isEmpty())
        return;
    if (mTestRunning) {
        mPending.removeAll(from);
        // A chosen feed that passed on its own is listed once.
        if (!to.isEmpty() && !mSucceeded.contains(to))
            mSucceeded.append(to);
        ShowPending();
        return;
    }
    QWriteLocker locker(&mLock);
    // The reply reports the address as the URL type writes it, which may differ in form from the stored line.
    int found = -1;
    for (int i = 0; i < mSources.size(); ++i) {
        const QString line = mSources.at(i).trimmed();
        if (line == from || (!IsCommentLine(line) && QUrl(line).toString() == from)) {
            found = i;
            break;
        }
    }
    if (found < 0)
        return;
    if (to.isEmpty()) {
        mSources.removeAt(found);
        return;
    }
    mSources[found] = to;
    locker.unlock();
    DoInitialUpdate();
}

void DataSrcNewsFeed::StoreEntry(qint64 key, const QVariantMap& entry) {
    QWriteLocker locker(&mLock);
    mEntries.insert(key, entry);
    // Inserting first and then dropping the oldest keeps the newest items whatever order the feed lists them in.
    while (mEntries.size() > kMaxEntries)
        mEntries.erase(mEntries.begin());
}

DataSrcNewsFeed::ParseResult DataSrcNewsFeed::ParseHttpResult(const QByteArray& body, const QString& address) {
    PROFILE_SCOPE("DataSrcNewsFeed::ParseHttpResult");
    QLOG_DEBUG() << "DataSrcNewsFeed::ParseHttpResult:" << body.size() << address;

    ParseResult result;
    FeedReading feed;
    HtmlEntityResolver entities;
    QXmlStreamReader reader(body);
    reader.setEntityResolver(&entities);
    QByteArray tidiedBody;

    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::Invalid) {
            QLOG_DEBUG() << "DataSrcNewsFeed::ParseHttpResult: XMLError:" << reader.errorString();
            if (result.tidied || !result.foundFeeds.isEmpty())
                break;
            // QByteArray keeps a terminating NUL behind its data.
            tidiedBody = PluginTools::DoTidyHtml2Xml(body.constData());
            reader.clear();
            reader.addData(tidiedBody);
            result.tidied = true;
            feed.EndText();
        } else if (token == QXmlStreamReader::StartElement) {
            feed.Start(reader, result, address);
        } else if (token == QXmlStreamReader::EndElement) {
            QVariantMap entry;
            qint64 key = 0;
            if (feed.End(reader.name(), result.isFeed, &key, &entry)) {
                ++result.itemCount;
                // A test only counts what it finds.
                if (!mTestRunning)
                    StoreEntry(key, entry);
            }
        } else if (token == QXmlStreamReader::Characters) {
            feed.Text(reader.text().toString(), reader.isWhitespace());
        }
    }
    if (mTestRunning) {
        if (result.isHtml) {
            emit InvalidFeedUrl(address, result.foundFeeds);
        } else {
            const bool passed = result.itemCount > 0;
            QMetaObject::invokeMethod(
                this, [this, address, passed]() { SetTestResult(address, passed); }, Qt::QueuedConnection);
        }
    }
    return result;
}
