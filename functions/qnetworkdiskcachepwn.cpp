#include "functions/qnetworkdiskcachepwn.h"

#include <QNetworkDiskCache>

QNetworkDiskCachePwn::QNetworkDiskCachePwn(QNetworkDiskCache* shared, QObject* parent)
    : QAbstractNetworkCache(parent), m_shared(shared) {}

QNetworkCacheMetaData QNetworkDiskCachePwn::metaData(const QUrl& url) {
    return m_shared->metaData(url);
}

void QNetworkDiskCachePwn::updateMetaData(const QNetworkCacheMetaData& metaData) {
    m_shared->updateMetaData(metaData);
}

QIODevice* QNetworkDiskCachePwn::data(const QUrl& url) {
    return m_shared->data(url);
}

bool QNetworkDiskCachePwn::remove(const QUrl& url) {
    return m_shared->remove(url);
}

qint64 QNetworkDiskCachePwn::cacheSize() const {
    return m_shared->cacheSize();
}

QIODevice* QNetworkDiskCachePwn::prepare(const QNetworkCacheMetaData& metaData) {
    return m_shared->prepare(metaData);
}

void QNetworkDiskCachePwn::insert(QIODevice* device) {
    m_shared->insert(device);
}

void QNetworkDiskCachePwn::clear() {
    m_shared->clear();
}
