// The shared web cache: every caller gets its own forwarder (which its network manager deletes), all of
// them seeing the one disk cache in the temporary folder.

#include "functions/plugintools.h"

#include <QAbstractNetworkCache>
#include <QBuffer>
#include <QNetworkCacheMetaData>
#include <QtTest>
#include <memory>

class TestWebCache : public QObject {
    Q_OBJECT
private slots:
    void forwardersShareOneDiskCache() {
        std::unique_ptr<QAbstractNetworkCache> a(PluginTools::GetWebCache());
        std::unique_ptr<QAbstractNetworkCache> b(PluginTools::GetWebCache());
        QVERIFY(a && b);
        QVERIFY(a.get() != b.get());
        QVERIFY(QDir(PluginTools::GetTempPath() + QStringLiteral("WebCache")).exists());

        const QUrl url(QStringLiteral("http://cache.test/picture.png"));
        QNetworkCacheMetaData meta;
        meta.setUrl(url);
        meta.setSaveToDisk(true);
        QIODevice* device = a->prepare(meta);
        QVERIFY(device);
        device->write("bytes of a picture");
        a->insert(device);

        // Gone with its owner, the first forwarder leaves the shared cache to the second.
        a.reset();
        std::unique_ptr<QIODevice> data(b->data(url));
        QVERIFY(data);
        QCOMPARE(data->readAll(), QByteArray("bytes of a picture"));
        QVERIFY(b->cacheSize() > 0);
        QVERIFY(b->remove(url));
        QVERIFY(!std::unique_ptr<QIODevice>(b->data(url)));
    }
};

QTEST_MAIN(TestWebCache)
#include "test_webcache.moc"
