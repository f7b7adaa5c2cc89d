#include "helpers.h"

#include <QMessageAuthenticationCode>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>
#include <zlib.h>

namespace {
QByteArray RandomBytes(int size, quint32 seed) {
    QRandomGenerator gen(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char& c : bytes)
        c = char(gen.bounded(256));
    return bytes;
}

// Text-like data that compresses well but not trivially.
QByteArray TextBytes(int size) {
    QByteArray out;
    int i = 0;
    while (out.size() < size)
        out += "line " + QByteArray::number(i++ % 977) + " of some repeated text\n";
    out.truncate(size);
    return out;
}

QByteArray InflateRaw(const QByteArray& in, bool* ok) {
    *ok = false;
    z_stream zs{};
    if (inflateInit2(&zs, -15) != Z_OK)
        return QByteArray();
    QByteArray out;
    char buf[16384];
    zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(in.constData()));
    zs.avail_in = uInt(in.size());
    int ret = Z_OK;
    while (ret == Z_OK) {
        zs.next_out = reinterpret_cast<Bytef*>(buf);
        zs.avail_out = sizeof buf;
        ret = inflate(&zs, Z_NO_FLUSH);
        out.append(buf, int(sizeof buf - zs.avail_out));
    }
    *ok = ret == Z_STREAM_END && zs.avail_in == 0;
    inflateEnd(&zs);
    return out;
}

QByteArray Le32(quint32 v) {
    QByteArray b(4, 0);
    for (int i = 0; i < 4; ++i)
        b[i] = char((v >> (8 * i)) & 0xFF);
    return b;
}
} // namespace

class TestHelpers : public QObject {
    Q_OBJECT
private slots:
    void crc64_data() {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<quint64>("start");
        QTest::addColumn<quint64>("expected");
        QTest::newRow("check value") << QByteArray("123456789") << Crc64Start << quint64(0xcaa717168609f281ULL);
        // Zero start gives the catalogue check value of this polynomial.
        QTest::newRow("zero start") << QByteArray("123456789") << quint64(0) << quint64(0xe9c6d914c4b8d9caULL);
        QTest::newRow("empty keeps start") << QByteArray() << Crc64Start << Crc64Start;
    }
    void crc64() {
        QFETCH(QByteArray, data);
        QFETCH(quint64, start);
        QFETCH(quint64, expected);
        QCOMPARE(Crc64(data.constData(), data.size(), start), expected);
    }

    void crc64Chains() {
        const QByteArray a = RandomBytes(1000, 1), b = RandomBytes(777, 2);
        QCOMPARE(Crc64(b.constData(), b.size(), Crc64(a.constData(), a.size())),
                 Crc64((a + b).constData(), a.size() + b.size()));
    }

    void dataHashKeepsFortyBits() {
        QCOMPARE(DataHash("123456789", 9), quint64(0x168609f281ULL));
        quint64 seen = 0;
        for (quint32 seed = 0; seed < 200; ++seed) {
            const QByteArray bytes = RandomBytes(int(seed % 64) + 1, seed);
            const quint64 h = DataHash(bytes.constData(), bytes.size());
            QCOMPARE(h >> 40, quint64(0));
            QCOMPARE(h, Crc64(bytes.constData(), bytes.size()) & 0xFFFFFFFFFFULL);
            seen |= h;
        }
        QVERIFY(seen >> 39); // bit 39 is still used
    }

    void stringHash_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("utf16le");
        QTest::newRow("a") << QStringLiteral("a") << QByteArray("a\0", 2);
        QTest::newRow("non-latin") << QString(QChar(0x20AC)) + QLatin1String("x") << QByteArray("\xAC\x20x\0", 4);
        QTest::newRow("surrogates") << QString::fromUcs4(U"\U0001F600") << QByteArray("\x3D\xD8\x00\xDE", 4);
    }
    void stringHash() {
        QFETCH(QString, text);
        QFETCH(QByteArray, utf16le);
        QCOMPARE(StringHash(text), Crc64(utf16le.constData(), utf16le.size()));
    }
    void stringHashOfEmptyIsZero() {
        QCOMPARE(StringHash(QString()), quint64(0));
        QCOMPARE(StringHash(QStringLiteral("")), quint64(0));
    }

    void compressors_data() {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<int>("level");
        QTest::newRow("abc") << QByteArray("abc") << -1;
        QTest::newRow("one byte, stored") << QByteArray("x") << 0;
        QTest::newRow("text, best") << TextBytes(200000) << 9;
        QTest::newRow("random, fast") << RandomBytes(300000, 7) << 1;
        QTest::newRow("level too high") << TextBytes(5000) << 42;
        QTest::newRow("level too low") << TextBytes(5000) << -5;
    }
    void compressors() {
        QFETCH(QByteArray, data);
        QFETCH(int, level);

        const QByteArray gz = GzipCompress(data, level);
        QVERIFY(gz.size() > 18);
        QCOMPARE(gz.left(10), QByteArray("\x1F\x8B\x08\0\0\0\0\0\0\x0B", 10));
        const quint32 crc = quint32(crc32(0, reinterpret_cast<const Bytef*>(data.constData()), uInt(data.size())));
        QCOMPARE(gz.right(8), Le32(crc) + Le32(quint32(data.size())));

        // The system's gzip must accept the member as it is.
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QFile file(dir.filePath(QStringLiteral("body.gz")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(gz);
        file.close();
        QProcess gzip;
        gzip.start(QStringLiteral("gzip"), {QStringLiteral("-d"), file.fileName()});
        QVERIFY(gzip.waitForFinished(30000));
        QCOMPARE(gzip.exitStatus(), QProcess::NormalExit);
        QCOMPARE(gzip.exitCode(), 0);
        QFile plain(dir.filePath(QStringLiteral("body")));
        QVERIFY(plain.open(QIODevice::ReadOnly));
        QVERIFY(plain.readAll() == data);

        const QByteArray raw = DeflateRaw(data, level);
        QVERIFY(!raw.isEmpty());
        QVERIFY(raw.contains(QByteArray("\0\0\xFF\xFF", 4))); // the full flush's empty stored block
        bool ok = false;
        QVERIFY(InflateRaw(raw, &ok) == data);
        QVERIFY(ok);
    }

    void compressorsOfEmptyAreEmpty() {
        QVERIFY(GzipCompress(QByteArray(), -1).isEmpty());
        QVERIFY(DeflateRaw(QByteArray(), 9).isEmpty());
    }

    void hmacSha1_data() {
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QByteArray>("message");
        QTest::addColumn<QByteArray>("macHex");
        QByteArray key4;
        for (int i = 1; i <= 25; ++i)
            key4.append(char(i));
        // The test vectors of RFC 2202.
        QTest::newRow("rfc2202-1") << QByteArray(20, '\x0b') << QByteArray("Hi There")
                                   << QByteArray("b617318655057264e28bc0b6fb378c8ef146be00");
        QTest::newRow("rfc2202-2") << QByteArray("Jefe") << QByteArray("what do ya want for nothing?")
                                   << QByteArray("effcdf6ae5eb2fa2d27416d5f184df9c259a7c79");
        QTest::newRow("rfc2202-3") << QByteArray(20, '\xaa') << QByteArray(50, '\xdd')
                                   << QByteArray("125d7342b9ac11cd91a39af48aa17b4f63f175d3");
        QTest::newRow("rfc2202-4") << key4 << QByteArray(50, '\xcd')
                                   << QByteArray("4c9007f4026250c6bc8414f9bf50c86c2d7235da");
        QTest::newRow("rfc2202-5") << QByteArray(20, '\x0c') << QByteArray("Test With Truncation")
                                   << QByteArray("4c1a03424b55e07fe7f27be1d58bb9324a9a5a04");
        QTest::newRow("rfc2202-6") << QByteArray(80, '\xaa')
                                   << QByteArray("Test Using Larger Than Block-Size Key - Hash Key First")
                                   << QByteArray("aa4ae5e15272d00e95705637ce8a3b55ed402112");
        QTest::newRow("rfc2202-7") << QByteArray(80, '\xaa')
                                   << QByteArray(
                                          "Test Using Larger Than Block-Size Key and Larger Than One Block-Size Data")
                                   << QByteArray("e8e99d0f45237d786d6bbaa7965c7808bbff1a91");
        QTest::newRow("empty key and message")
            << QByteArray() << QByteArray() << QByteArray("fbdb1d1b18aa6c08324b7d64b71fb76370690e1d");
    }
    void hmacSha1() {
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, message);
        QFETCH(QByteArray, macHex);
        const QString mac = HmacSha1Base64(message, QString::fromLatin1(key));
        QCOMPARE(mac.size(), 28);
        QCOMPARE(mac, QString::fromLatin1(QByteArray::fromHex(macHex).toBase64()));
    }

    void hmacSha1KeyLengthsAroundTheBlock() {
        const QByteArray message = RandomBytes(100, 3);
        for (int length : {63, 64, 65}) {
            const QByteArray key = RandomBytes(length, quint32(length));
            const QByteArray expected =
                QMessageAuthenticationCode::hash(message, key, QCryptographicHash::Sha1).toBase64();
            // Pass the size: a key may hold zero bytes.
            QCOMPARE(HmacSha1Base64(message, QString::fromLatin1(key.constData(), key.size())),
                     QString::fromLatin1(expected));
        }
    }
};

QTEST_GUILESS_MAIN(TestHelpers)
#include "test_helpers.moc"
