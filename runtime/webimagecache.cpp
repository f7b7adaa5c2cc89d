#include "runtime/webimagecache.h"

#include "foundation/logger/QsLog.h"
#include "foundation/profiler.h"
#include "functions/plugintools.h"
#include "runtime/boundedimage.h"

#include <QDateTime>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTimer>
#include <QUrl>

namespace {

WebImageCache* g_instance = nullptr;

const QString kFilePrefix = QStringLiteral("file://");

// Request attributes carrying the entry key, the key the script asked for and the redirect count, so that a
// reply fills the entry it was started for whatever form the network layer gives its URL.
const QNetworkRequest::Attribute kKeyAttr = QNetworkRequest::User;
const QNetworkRequest::Attribute kOriginAttr = static_cast<QNetworkRequest::Attribute>(QNetworkRequest::User + 1);
const QNetworkRequest::Attribute kHopsAttr = static_cast<QNetworkRequest::Attribute>(QNetworkRequest::User + 2);
const char* const kTooLarge = "mvTooLarge";

} // namespace

WebImageCache::WebImageCache(QObject* parent)
    : QObject(parent), m_nam(nullptr), m_timer(nullptr), m_clock([] { return QDateTime::currentMSecsSinceEpoch(); }),
      m_transferTimeoutMs(DefaultTransferTimeoutMs) {
    g_instance = this;
}

WebImageCache::~WebImageCache() {
    if (g_instance == this)
        g_instance = nullptr;
}

WebImageCache* WebImageCache::Instance() {
    return g_instance;
}

void WebImageCache::SetClock(Clock clock) {
    m_clock = clock ? std::move(clock) : Clock([] { return QDateTime::currentMSecsSinceEpoch(); });
}

void WebImageCache::StartMaintenanceTimer() {
    if (m_timer)
        return;
    m_timer = new QTimer(this);
    m_timer->setInterval(MaintenanceIntervalMs);
    connect(m_timer, &QTimer::timeout, this, &WebImageCache::Maintenance);
    m_timer->start();
}

QString WebImageCache::UrlKey(const QString& url) {
    if (url.startsWith(kFilePrefix))
        return url;
    return QUrl(url).toString(QUrl::RemoveFragment | QUrl::StripTrailingSlash);
}

QImage WebImageCache::FailureImage() {
    static const QImage failure = [] {
        QImage img(1, 1, QImage::Format_ARGB32);
        img.fill(Qt::transparent);
        return img;
    }();
    return failure;
}

void WebImageCache::EnsureManager() {
    if (m_nam)
        return;
    m_nam = new QNetworkAccessManager(this);
    if (QAbstractNetworkCache* cache = PluginTools::GetWebCache())
        m_nam->setCache(cache);
    connect(m_nam, &QNetworkAccessManager::finished, this, &WebImageCache::OnHttpDone);
    connect(m_nam, &QNetworkAccessManager::sslErrors, this, &WebImageCache::OnSslErrors);
}

QImage WebImageCache::GetImage(const QString& url) {
    PROFILE_SCOPE("WebImageCache::GetImage");
    QString key = UrlKey(url);
    if (key.size() < 4)
        return QImage();
    const auto redirect = m_redirects.constFind(key);
    if (redirect != m_redirects.constEnd())
        key = redirect.value();
    EnsureManager();
    const qint64 now = Now();
    auto it = m_images.find(key);
    if (it != m_images.end()) {
        it->lastUse = now;
        if (now - it->fetched > RefreshMs) {
            it->fetched = now;
            // A file comes from disk again; asking the network layer for it would end as a failure.
            if (key.startsWith(kFilePrefix))
                it->image = BoundedImage::ReadFile(key.mid(kFilePrefix.size()));
            else
                StartRequest(key, QNetworkRequest::PreferNetwork, key, 0);
        }
        return it->image;
    }
    MakeRoom();
    Entry e;
    e.url = key;
    e.fetched = now;
    e.lastUse = now;
    if (key.startsWith(kFilePrefix)) {
        e.image = BoundedImage::ReadFile(key.mid(kFilePrefix.size()));
        m_images.insert(key, e);
        return e.image;
    }
    m_images.insert(key, e);
    StartRequest(key, QNetworkRequest::PreferCache, key, 0);
    return QImage();
}

void WebImageCache::MakeRoom() {
    if (m_images.size() < MaxEntries)
        return;
    auto oldest = m_images.begin();
    for (auto it = m_images.begin(); it != m_images.end(); ++it)
        if (it->lastUse < oldest->lastUse)
            oldest = it;
    m_images.erase(oldest);
}

void WebImageCache::StartRequest(const QString& key, QNetworkRequest::CacheLoadControl control, const QString& origin,
                                 int hops) {
    EnsureManager();
    QNetworkRequest request{QUrl(key)};
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, control);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    request.setAttribute(kKeyAttr, key);
    request.setAttribute(kOriginAttr, origin);
    request.setAttribute(kHopsAttr, hops);
    request.setTransferTimeout(m_transferTimeoutMs);
    QNetworkReply* reply = m_nam->get(request);
    connect(reply, &QNetworkReply::downloadProgress, this,
            [this, reply](qint64 received, qint64 total) { OnDownloadProgress(reply, received, total); });
}

void WebImageCache::OnDownloadProgress(QNetworkReply* reply, qint64 received, qint64 total) {
    // A body beyond the decoder's bound is never read whole.
    if (received > BoundedImage::MaxBytes || total > BoundedImage::MaxBytes) {
        if (!reply->property(kTooLarge).toBool()) {
            reply->setProperty(kTooLarge, true);
            reply->abort();
        }
    }
}

void WebImageCache::Store(const QString& key, const QImage& image) {
    auto it = m_images.find(key);
    if (it == m_images.end()) {
        MakeRoom();
        it = m_images.insert(key, Entry());
        it->url = key;
    }
    const qint64 now = Now();
    it->fetched = now;
    it->lastUse = now;
    it->image = image;
}

void WebImageCache::OnHttpDone(QNetworkReply* reply) {
    PROFILE_SCOPE("WebImageCache::OnHttpDone");
    if (!reply)
        return;
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    reply->deleteLater();
    const QNetworkRequest request = reply->request();
    QString key = request.attribute(kKeyAttr).toString();
    if (key.isEmpty())
        key = UrlKey(reply->url().toString());
    QString origin = request.attribute(kOriginAttr).toString();
    if (origin.isEmpty())
        origin = key;
    const int hops = request.attribute(kHopsAttr).toInt();

    if (status == 200 && reply->error() == QNetworkReply::NoError && !reply->property(kTooLarge).toBool()) {
        const QImage img =
            reply->bytesAvailable() > BoundedImage::MaxBytes ? QImage() : BoundedImage::Decode(reply->readAll());
        Store(key, img.isNull() ? FailureImage() : img);
        return;
    }
    if (status == 301 || status == 302) {
        const QUrl target =
            reply->url().resolved(reply->attribute(QNetworkRequest::RedirectionTargetAttribute).toUrl());
        const QString text = target.toString();
        if (text.isEmpty())
            return; // nothing to follow: the entry waits for its refresh
        const QString scheme = target.scheme().toLower();
        if (hops >= MaxRedirects || (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
            QLOG_DEBUG() << "WebImageCache::OnHttpDone: redirect not followed:" << key << "->" << text;
            Store(key, FailureImage());
            return;
        }
        const QString targetKey = UrlKey(text);
        m_redirects.insert(origin, targetKey);
        if (key != origin)
            m_redirects.insert(key, targetKey);
        if (!m_images.contains(targetKey)) {
            // Held while the target downloads, so lookups meanwhile do not start it again.
            MakeRoom();
            Entry e;
            e.url = targetKey;
            e.fetched = e.lastUse = Now();
            m_images.insert(targetKey, e);
        }
        StartRequest(targetKey, QNetworkRequest::PreferCache, origin, hops + 1);
        return;
    }
    Store(key, FailureImage());
}

void WebImageCache::OnSslErrors(QNetworkReply* reply, const QList<QSslError>& errors) {
    QLOG_DEBUG() << "WebImageCache::OnSslErrors:" << (reply ? reply->url().toString() : QString())
                 << (errors.isEmpty() ? QString() : errors.first().errorString());
}

void WebImageCache::Maintenance() {
    PROFILE_SCOPE("WebImageCache::Maintenance");
    const qint64 now = Now();
    for (auto it = m_images.begin(); it != m_images.end();) {
        if (now - it->lastUse > UnusedMs)
            it = m_images.erase(it);
        else
            ++it;
    }
    // A redirect whose target is gone is learned again on the next request; this keeps the table bounded.
    for (auto it = m_redirects.begin(); it != m_redirects.end();) {
        if (!m_images.contains(it.value()))
            it = m_redirects.erase(it);
        else
            ++it;
    }
}
