#include "foundation/helpers.h"

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

    // The eight-bytes-at-a-time form must give exactly what the byte-by-byte definition gives, for every
    // length (the tail of 0 to 7 bytes), alignment and start value: stored image ids depend on it.
    void crc64MatchesTheByteWiseDefinition() {
        auto byteWise = [](const unsigned char* p, qint64 n, quint64 crc) {
            for (qint64 i = 0; i < n; ++i) {
                crc ^= p[i];
                for (int bit = 0; bit < 8; ++bit)
                    crc = (crc & 1) ? (crc >> 1) ^ 0x95AC9329AC4BC9B5ULL : crc >> 1;
            }
            return crc;
        };
        const QByteArray data = RandomBytes(4096 + 16, 3);
        const auto* bytes = reinterpret_cast<const unsigned char*>(data.constData());
        for (quint64 start : {Crc64Start, quint64(0), quint64(0x0123456789ABCDEFULL)})
            for (int offset = 0; offset < 8; ++offset)
                for (int length : {0, 1, 7, 8, 9, 15, 16, 17, 63, 64, 65, 1000, 4096})
                    QCOMPARE(Crc64(bytes + offset, length, start), byteWise(bytes + offset, length, start));
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
    void httpDate_data() {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QDateTime>("expected"); // invalid when the value must not read
        const QDateTime sample(QDate(1994, 11, 6), QTime(8, 49, 37), Qt::UTC);
        QTest::newRow("rfc1123 GMT") << QByteArray("Sun, 06 Nov 1994 08:49:37 GMT") << sample;
        QTest::newRow("rfc1123 +0100") << QByteArray("Sun, 06 Nov 1994 08:49:37 +0100") << sample.addSecs(-3600);
        QTest::newRow("rfc1123 -0130") << QByteArray("Sun, 06 Nov 1994 08:49:37 -0130") << sample.addSecs(5400);
        QTest::newRow("rfc850") << QByteArray("Sunday, 06-Nov-94 08:49:37 GMT") << sample;
        QTest::newRow("asctime") << QByteArray("Sun Nov  6 08:49:37 1994") << sample;
        QTest::newRow("unknown month") << QByteArray("Sun, 06 Xyz 1994 08:49:37 GMT") << QDateTime();
        QTest::newRow("unknown J month") << QByteArray("Sun, 06 Jux 1994 08:49:37 GMT") << QDateTime();
        QTest::newRow("time out of range") << QByteArray("Sun, 06 Nov 1994 25:61:99 GMT") << QDateTime();
        QTest::newRow("huge day") << QByteArray("Sun, 99999999999999 Nov 1994 08:49:37 GMT") << QDateTime();
        QTest::newRow("truncated") << QByteArray("Sun, 06 Nov 1994 08:49") << QDateTime();
        QTest::newRow("comma only") << QByteArray("Sun,") << QDateTime();
        QTest::newRow("empty") << QByteArray() << QDateTime();
        QTest::newRow("rfc850 garbage") << QByteArray("Sunday, x") << QDateTime();
        QTest::newRow("asctime garbage") << QByteArray("not a date") << QDateTime();
        QTest::newRow("embedded zero") << QByteArray("Sun, 06 Nov\0 1994 08:49:37 GMT", 30) << QDateTime();
    }
    void httpDate() {
        QFETCH(QByteArray, value);
        QFETCH(QDateTime, expected);
        const QDateTime parsed = ParseHttpDate(value);
        QCOMPARE(parsed.isValid(), expected.isValid());
        if (expected.isValid()) {
            QCOMPARE(parsed, expected);
            QCOMPARE(parsed.timeSpec(), Qt::UTC);
        }
    }

    void httpDateTwoDigitYears_data() {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QDateTime>("expected"); // invalid when the value must not read
        const QTime t(8, 49, 37);
        const QDateTime y2025(QDate(2025, 6, 1), QTime(12, 0), Qt::UTC);
        // A year more than 50 years ahead is the latest past year with the same two digits.
        QTest::newRow("94 in 2025") << QByteArray("Sunday, 06-Nov-94 08:49:37 GMT") << y2025
                                    << QDateTime(QDate(1994, 11, 6), t, Qt::UTC);
        QTest::newRow("25 in 2025") << QByteArray("Sunday, 01-Jun-25 08:49:37 GMT") << y2025
                                    << QDateTime(QDate(2025, 6, 1), t, Qt::UTC);
        QTest::newRow("30 ahead") << QByteArray("Monday, 03-Jun-30 08:49:37 GMT") << y2025
                                  << QDateTime(QDate(2030, 6, 3), t, Qt::UTC);
        QTest::newRow("75 is 50 years ahead")
            << QByteArray("Saturday, 01-Jun-75 08:49:37 GMT") << y2025 << QDateTime(QDate(2075, 6, 1), t, Qt::UTC);
        QTest::newRow("75 past the 50 years")
            << QByteArray("Sunday, 02-Jun-75 08:49:37 GMT") << y2025 << QDateTime(QDate(1975, 6, 2), t, Qt::UTC);
        QTest::newRow("00 in 2025") << QByteArray("Saturday, 01-Jan-00 00:00:00 GMT") << y2025
                                    << QDateTime(QDate(2000, 1, 1), QTime(0, 0), Qt::UTC);
        // Near the end of a century the next one is reached: "05" read in 2095 is 2105.
        QTest::newRow("05 in 2095") << QByteArray("Monday, 05-Jan-05 00:00:00 GMT")
                                    << QDateTime(QDate(2095, 1, 1), QTime(0, 0), Qt::UTC)
                                    << QDateTime(QDate(2105, 1, 5), QTime(0, 0), Qt::UTC);
        QTest::newRow("99 in 2001") << QByteArray("Friday, 31-Dec-99 23:59:59 GMT")
                                    << QDateTime(QDate(2001, 1, 1), QTime(0, 0), Qt::UTC)
                                    << QDateTime(QDate(1999, 12, 31), QTime(23, 59, 59), Qt::UTC);
        // 29 February of "00" exists in 2000 but not in 1900.
        QTest::newRow("leap day 00") << QByteArray("Tuesday, 29-Feb-00 10:00:00 GMT") << y2025
                                     << QDateTime(QDate(2000, 2, 29), QTime(10, 0), Qt::UTC);
        QTest::newRow("three-digit year") << QByteArray("Sunday, 06-Nov-994 08:49:37 GMT") << y2025 << QDateTime();
        QTest::newRow("short month") << QByteArray("Sunday, 06-No-94 08:49:37 GMT") << y2025 << QDateTime();
        QTest::newRow("day 32") << QByteArray("Sunday, 32-Nov-94 08:49:37 GMT") << y2025 << QDateTime();
        QTest::newRow("no time") << QByteArray("Sunday, 06-Nov-94") << y2025 << QDateTime();
    }
    void httpDateTwoDigitYears() {
        QFETCH(QByteArray, value);
        QFETCH(QDateTime, now);
        QFETCH(QDateTime, expected);
        const QDateTime parsed = ParseHttpDate(value, now);
        QCOMPARE(parsed.isValid(), expected.isValid());
        if (expected.isValid()) {
            QCOMPARE(parsed, expected);
            QCOMPARE(parsed.timeSpec(), Qt::UTC);
        }
    }

    void httpDateMonths() {
        const char* const names[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                     "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
        for (int m = 1; m <= 12; ++m) {
            const QByteArray value = "Mon, 01 " + QByteArray(names[m - 1]) + " 2024 00:00:00 GMT";
            QCOMPARE(ParseHttpDate(value).date(), QDate(2024, m, 1));
        }
    }

    void httpDateOddInputDoesNotCrash() {
        // Extreme numbers must come back as some date or none, never a crash.
        for (const QByteArray& value :
             {QByteArray("Sun, 06 Nov 999999999 08:49:37 +999999999"), QByteArray("Sun, -1 Nov -1 -1:-1:-1 -1"),
              QByteArray("Sun, 06 Nov 1994 08:49:37 -999999999"), QByteArray(",,,,"), QByteArray("a,"),
              QByteArray(5000, ','), QByteArray(5000, '9'), RandomBytes(300, 11)})
            ParseHttpDate(value);
    }

    void isoDate_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDateTime>("expected"); // invalid when the text must not read
        const QDate d(2024, 3, 5);
        const QTime t(10, 20, 30);
        QTest::newRow("date only") << QStringLiteral("2024-03-05") << QDateTime(d, QTime(0, 0), Qt::LocalTime);
        QTest::newRow("utc") << QStringLiteral("2024-03-05T10:20:30Z") << QDateTime(d, t, Qt::UTC);
        QTest::newRow("local") << QStringLiteral("2024-03-05T10:20:30") << QDateTime(d, t, Qt::LocalTime);
        QTest::newRow("blank separator") << QStringLiteral("2024-03-05 10:20:30Z") << QDateTime(d, t, Qt::UTC);
        QTest::newRow("milliseconds") << QStringLiteral("2024-03-05T10:20:30.250Z")
                                      << QDateTime(d, QTime(10, 20, 30, 250), Qt::UTC);
        QTest::newRow("+01:00") << QStringLiteral("2024-03-05T10:20:30+01:00")
                                << QDateTime(d, t, Qt::OffsetFromUTC, 3600);
        QTest::newRow("+0100") << QStringLiteral("2024-03-05T10:20:30+0100")
                               << QDateTime(d, t, Qt::OffsetFromUTC, 3600);
        QTest::newRow("-05:30") << QStringLiteral("2024-03-05T10:20:30-05:30")
                                << QDateTime(d, t, Qt::OffsetFromUTC, -19800);
        QTest::newRow("-05") << QStringLiteral("2024-03-05T10:20:30-05") << QDateTime(d, t, Qt::OffsetFromUTC, -18000);
        QTest::newRow("zone out of range") << QStringLiteral("2024-03-05T10:20:30+99:00") << QDateTime();
        QTest::newRow("zone not numeric") << QStringLiteral("2024-03-05T10:20+xx") << QDateTime();
        QTest::newRow("bad date") << QStringLiteral("2024-13-45") << QDateTime();
        QTest::newRow("short") << QStringLiteral("2024") << QDateTime();
        QTest::newRow("empty") << QString() << QDateTime();
    }
    void isoDate() {
        QFETCH(QString, text);
        QFETCH(QDateTime, expected);
        const QDateTime parsed = ParseIsoDate(text);
        QCOMPARE(parsed.isValid(), expected.isValid());
        if (expected.isValid()) {
            QCOMPARE(parsed, expected);
            QCOMPARE(parsed.timeSpec(), expected.timeSpec());
            QCOMPARE(parsed.offsetFromUtc(), expected.offsetFromUtc());
        }
    }

    void colorFromText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("expected");
        QTest::newRow("#rgb") << QStringLiteral("#f00") << QColor(255, 0, 0, 255);
        QTest::newRow("#argb") << QStringLiteral("#8f00") << QColor(255, 0, 0, 0x88);
        QTest::newRow("#argb and one more") << QStringLiteral("#8f00e") << QColor(255, 0, 0, 0x88);
        QTest::newRow("#rrggbb") << QStringLiteral("#12ab9C") << QColor(0x12, 0xab, 0x9c, 255);
        QTest::newRow("#rrggbb and one more") << QStringLiteral("#1234567") << QColor(0x12, 0x34, 0x56, 255);
        QTest::newRow("#aarrggbb in blanks") << QStringLiteral("  #80112233 ") << QColor(0x11, 0x22, 0x33, 0x80);
        QTest::newRow("longer than #aarrggbb") << QStringLiteral("#123456789abc") << QColor(0x34, 0x56, 0x78, 0x12);
        QTest::newRow("not hexadecimal counts 0") << QStringLiteral("#zz00ff") << QColor(0, 0, 255, 255);
        QTest::newRow("two digits") << QStringLiteral("#12") << QColor(0, 0, 0, 255);
        QTest::newRow("one digit") << QStringLiteral("#1") << QColor(0, 0, 0, 255);
        QTest::newRow("hash only") << QStringLiteral("#") << QColor(0, 0, 0, 255);
        QTest::newRow("empty") << QString() << QColor(255, 255, 255, 255);
        QTest::newRow("blanks") << QStringLiteral("   ") << QColor(255, 255, 255, 255);
        QTest::newRow("program colour") << QStringLiteral(" MERVEX ") << QColor(0x65, 0xC3, 0xF7, 0xFF);
        QTest::newRow("named") << QStringLiteral("red") << QColor(255, 0, 0, 255);
        QTest::newRow("unknown name") << QStringLiteral("nosuchcolour") << QColor();
        QTest::newRow("garbage") << QString::fromLatin1(RandomBytes(40, 5).replace('#', 'x')) << QColor();
    }
    void colorFromText() {
        QFETCH(QString, text);
        QFETCH(QColor, expected);
        const QColor c = ColorFromText(text);
        QCOMPARE(c.isValid(), expected.isValid());
        if (expected.isValid())
            QCOMPARE(c.rgba(), expected.rgba());
    }

    void colorToText_data() {
        QTest::addColumn<QColor>("color");
        QTest::addColumn<QString>("text");
        QTest::newRow("opaque") << QColor(0xab, 0x01, 0xff) << QStringLiteral("#ab01ff");
        QTest::newRow("translucent") << QColor(1, 2, 3, 4) << QStringLiteral("#04010203");
        QTest::newRow("transparent") << QColor(0, 0, 0, 0) << QStringLiteral("#00000000");
    }
    void colorToText() {
        QFETCH(QColor, color);
        QFETCH(QString, text);
        QCOMPARE(ColorToText(color), text);
        QCOMPARE(ColorFromText(text).rgba(), color.rgba());
    }

    void readWholeFile() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QByteArray content = RandomBytes(200000, 9); // holds zero bytes, spans several reads
        QFile file(dir.filePath(QStringLiteral("data.bin")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        QVERIFY(ReadWholeFile(file.fileName()) == content);
        QVERIFY(ReadWholeFile(dir.filePath(QStringLiteral("missing"))).isEmpty());
        QVERIFY(ReadWholeFile(dir.path()).isEmpty());
        QVERIFY(ReadWholeFile(QString()).isEmpty());
        // A file that reports no size is still read to its end.
        if (QFile::exists(QStringLiteral("/proc/self/status")))
            QVERIFY(ReadWholeFile(QStringLiteral("/proc/self/status")).contains("Name:"));
    }

    void splitEscaped_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<bool>("skipEmpty");
        QTest::addColumn<bool>("caseInsensitive");
        QTest::addColumn<QStringList>("expected");
        const QStringList none;
        QTest::newRow("plain") << "a;b;c"
                               << ";" << false << false << QStringList{"a", "b", "c"};
        QTest::newRow("escaped") << "a\\;b;c"
                                 << ";" << false << false << QStringList{"a;b", "c"};
        QTest::newRow("escaped run") << "a\\;b\\;c;d"
                                     << ";" << false << false << QStringList{"a;b;c", "d"};
        QTest::newRow("double backslash") << "a\\\\;b"
                                          << ";" << false << false << QStringList{"a\\\\", "b"};
        QTest::newRow("trailing backslash") << "a;b\\"
                                            << ";" << false << false << QStringList{"a", "b"};
        QTest::newRow("other backslashes") << "a\\b;c"
                                           << ";" << false << false << QStringList{"a\\b", "c"};
        QTest::newRow("lone escape") << "\\;"
                                     << ";" << false << false << QStringList{";"};
        QTest::newRow("long separator") << "a\\::b::c"
                                        << "::" << false << false << QStringList{"a::b", "c"};
        QTest::newRow("empty keeps") << ""
                                     << ";" << false << false << QStringList{""};
        QTest::newRow("empty skipped") << ""
                                       << ";" << true << false << none;
        QTest::newRow("empty parts skipped") << "a;;b;"
                                             << ";" << true << false << QStringList{"a", "b"};
        QTest::newRow("case-insensitive") << "aXb\\xc"
                                          << "x" << false << true << QStringList{"a", "bxc"};
        QTest::newRow("empty separator") << "a\\b"
                                         << "" << false << false << QStringList{"", "a", "b", ""};
    }
    void splitEscaped() {
        QFETCH(QString, text);
        QFETCH(QString, separator);
        QFETCH(bool, skipEmpty);
        QFETCH(bool, caseInsensitive);
        QFETCH(QStringList, expected);
        QCOMPARE(SplitEscaped(text, separator, skipEmpty ? Qt::SkipEmptyParts : Qt::KeepEmptyParts,
                              caseInsensitive ? Qt::CaseInsensitive : Qt::CaseSensitive),
                 expected);
    }

    void sortLocaleAware() {
        QStringList list{"pear", "Apple", "banana", "apple", "Äpfel", "", "zebra", "10", "9"};
        QStringList sorted = list;
        SortLocaleAware(sorted);
        QCOMPARE(sorted.size(), list.size());
        for (int i = 1; i < sorted.size(); ++i)
            QVERIFY2(QString::localeAwareCompare(sorted[i - 1], sorted[i]) <= 0, qPrintable(sorted.join(',')));
        std::sort(list.begin(), list.end());
        std::sort(sorted.begin(), sorted.end());
        QCOMPARE(sorted, list);
        QStringList empty;
        SortLocaleAware(empty);
        QVERIFY(empty.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestHelpers)
#include "test_helpers.moc"
