// Reading one JSON file of the data folder or the user's files: missing, oversized and broken files are told
// apart and reported, a readable one gives its top-level object.
#include "config/cfgjsonfile.h"
#include "tests/config/cfgtestutil.h"

#include <QtTest>

class TestCfgJsonFile : public QObject {
    Q_OBJECT
    QTemporaryDir m_tmp;

    QString Write(const QString& name, const QByteArray& bytes) {
        const QString path = m_tmp.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return QString();
        return path;
    }

private slots:
    void readResults_data() {
        QTest::addColumn<QByteArray>("bytes"); // empty: no file
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("error"); // a part of the error text
        QTest::addColumn<QVariantMap>("map");
        using R = CfgJsonFile::Result;
        QTest::newRow("missing") << QByteArray() << int(R::NotOpened) << QString() << QVariantMap();
        QTest::newRow("object") << QByteArray("{\"Name\": \"x\", \"N\": 2}") << int(R::Ok) << QString()
                                << QVariantMap{{"Name", "x"}, {"N", 2}};
        QTest::newRow("utf-8") << QByteArray("{\"Name\": \"gr\xc3\xbc\xc3\x9f\"}") << int(R::Ok) << QString()
                               << QVariantMap{{"Name", QString::fromUtf8("gr\xc3\xbc\xc3\x9f")}};
        QTest::newRow("list gives an empty map") << QByteArray("[1, 2]") << int(R::Ok) << QString() << QVariantMap();
        QTest::newRow("broken") << QByteArray("{\"Name\": ") << int(R::Invalid) << QString("parsevalue")
                                << QVariantMap();
    }

    void readResults() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, result);
        QFETCH(QString, error);
        QFETCH(QVariantMap, map);
        const QString path = bytes.isEmpty() ? m_tmp.filePath(QStringLiteral("none.json"))
                                             : Write(QString::fromLatin1(QTest::currentDataTag()) + ".json", bytes);
        QVERIFY(!path.isEmpty());
        QVariantMap read{{"untouched", true}};
        QString readError;
        QCOMPARE(int(CfgJsonFile::Read(path, read, readError)), result);
        QVERIFY2(readError.contains(error) && readError.isEmpty() == error.isEmpty(), qPrintable(readError));
        if (result == int(CfgJsonFile::Result::Ok))
            QCOMPARE(read, map);

        // Load is the same answer, with the error as a log line.
        LogCapture log;
        QVariantMap loaded;
        QCOMPARE(CfgJsonFile::Load(path, loaded), result == int(CfgJsonFile::Result::Ok));
        if (!readError.isEmpty())
            QVERIFY(log.Has(readError));
    }

    void oversizedFileRefusedUnread() {
        // A sparse file: the size is what counts, not the content.
        const QString path = m_tmp.filePath(QStringLiteral("huge.json"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(CfgJsonFile::kMaxBytes + 1));
        file.close();
        QVariantMap map;
        QString error;
        QCOMPARE(CfgJsonFile::Read(path, map, error), CfgJsonFile::Result::Invalid);
        QCOMPARE(error, QStringLiteral("file too large: %1 bytes").arg(CfgJsonFile::kMaxBytes + 1));
    }

    void canonicalPathThroughLink() {
        const QString target = Write(QStringLiteral("real.json"), "{}");
        const QString link = m_tmp.filePath(QStringLiteral("link.json"));
        QVERIFY(QFile::link(target, link));
        QVariantMap map;
        QString canonical;
        QVERIFY(CfgJsonFile::Load(link, map, &canonical));
        QCOMPARE(canonical, QFileInfo(target).canonicalFilePath());
    }
};

QTEST_MAIN(TestCfgJsonFile)
#include "test_cfgjsonfile.moc"
