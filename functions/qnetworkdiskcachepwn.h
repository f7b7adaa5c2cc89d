#pragma once
// A network cache that forwards every call to the program's one shared disk cache. Each network manager
// takes over and deletes the cache object it is given; handing out forwarders lets several managers share
// one disk cache that outlives them all.

#include <QAbstractNetworkCache>

class QNetworkDiskCache;

class QNetworkDiskCachePwn : public QAbstractNetworkCache {
    Q_OBJECT
public:
    // shared is not owned and must outlive this object.
    explicit QNetworkDiskCachePwn(QNetworkDiskCache* shared, QObject* parent = nullptr);

    QNetworkCacheMetaData metaData(const QUrl& url) override;
    void updateMetaData(const QNetworkCacheMetaData& metaData) override;
    QIODevice* data(const QUrl& url) override;
    bool remove(const QUrl& url) override;
    qint64 cacheSize() const override;
    QIODevice* prepare(const QNetworkCacheMetaData& metaData) override;
    void insert(QIODevice* device) override;

public slots:
    void clear() override;

private:
    QNetworkDiskCache* m_shared;
};
