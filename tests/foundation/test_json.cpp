#include "foundation/cryptstring.h"
#include "foundation/json.h"

#include <QFile>
#include <QPoint>
#include <QRandomGenerator>
#include <QRect>
#include <QtTest>
#include <cmath>
#include <limits>

namespace {

// A typed text of a tree, so tables can state exactly what the reader built: u/i/d prefix the three number
// types, s a string, c a CryptString.
QString Dump(const QVariant& v, bool integersByValue = false) {
    const int t = v.userType();
    if (t == CryptStringTypeId()) {
        const CryptString c = v.value<CryptString>();
        return QStringLiteral("c%1\"%2\"").arg(c.Undecryptable ? QStringLiteral("?") : QString(), c.Text);
    }
    switch (t) {
    case QMetaType::UnknownType:
        return QStringLiteral("null");
    case QMetaType::Bool:
        return v.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case QMetaType::ULongLong:
        return QStringLiteral("u") + QString::number(v.toULongLong());
    case QMetaType::LongLong:
        if (integersByValue && v.toLongLong() >= 0)
            return QStringLiteral("u") + QString::number(v.toLongLong());
        return QStringLiteral("i") + QString::number(v.toLongLong());
    case QMetaType::Double: {
        const double d = v.toDouble();
        return QStringLiteral("d") + (std::signbit(d) && d == 0 ? QStringLiteral("-0") : QString::number(d, 'g', 17));
    }
    case QMetaType::QString:
        return QStringLiteral("s\"") + v.toString() + QLatin1Char('"');
    case QMetaType::QVariantMap: {
        QStringList parts;
        const QVariantMap m = v.toMap();
        for (auto it = m.begin(); it != m.end(); ++it)
            parts << it.key() + QLatin1Char(':') + Dump(it.value(), integersByValue);
        return QLatin1Char('{') + parts.join(QLatin1Char(',')) + QLatin1Char('}');
    }
    case QMetaType::QVariantList: {
        QStringList parts;
        for (const QVariant& e : v.toList())
            parts << Dump(e, integersByValue);
        return QLatin1Char('[') + parts.join(QLatin1Char(',')) + QLatin1Char(']');
    }
    default:
        return QStringLiteral("?") + QLatin1String(v.typeName());
    }
}

QString ReadFixture(const QString& name) {
    QFile f(QStringLiteral(MERVEX_TEST_SOURCE_DIR "/fixtures/json/") + name);
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(f.readAll());
}

// Where two dumps part, for a readable failure message.
QByteArray Difference(const QString& a, const QString& b) {
    int i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i])
        ++i;
    const int from = qMax(0, i - 30);
    return (QStringLiteral("differ at %1: ...%2 vs ...%3").arg(i).arg(a.mid(from, 80), b.mid(from, 80))).toUtf8();
}

struct Unwritable {
    int x = 0;
};

} // namespace
Q_DECLARE_METATYPE(Unwritable)

class TestJson : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        SetCryptMachineIdProvider([] { return QStringLiteral("test-machine"); });
    }

    void readValues_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");

        QTest::newRow("unquoted keys, number types") << "{Name:\"Play\", Size:3, Neg:-3, Real:3.0}"
                                                     << "{Name:s\"Play\",Neg:i-3,Real:d3,Size:u3}";
        QTest::newRow("quoted key with blank") << "{\"a b\":1}"
                                               << "{a b:u1}";
        QTest::newRow("keywords") << "[true,false,null]"
                                  << "[true,false,null]";
        QTest::newRow("keyword is a prefix match") << "nullx"
                                                   << "null";
        QTest::newRow("text after the first value is ignored") << "1 2"
                                                               << "u1";
        QTest::newRow("loose commas in objects") << "{,a:1,,b:2,}"
                                                 << "{a:u1,b:u2}";
        QTest::newRow("missing commas in objects") << "{a:1 b:2}"
                                                   << "{a:u1,b:u2}";
        QTest::newRow("loose commas in lists") << "[,1,,2,]"
                                               << "[u1,u2]";
        QTest::newRow("repeated key keeps the last") << "{a:1,a:2}"
                                                     << "{a:u2}";
        QTest::newRow("nested") << "{a:[{b:[[]]},{}]}"
                                << "{a:[{b:[[]]},{}]}";
        QTest::newRow("line and block comments")
            << "// head\n{/* a */a:1, // rest of line\n /* multi\n line */ b : 2 /**/}"
            << "{a:u1,b:u2}";
        QTest::newRow("comment markers inside strings are text") << "\"//x/*y*/\""
                                                                 << "s\"//x/*y*/\"";

        QTest::newRow("verbatim keeps backslashes") << "@\"C:\\dir\\file.txt\""
                                                    << "s\"C:\\dir\\file.txt\"";
        QTest::newRow("unknown escape drops both") << "\"a\\qb\""
                                                   << "s\"ab\"";
        QTest::newRow("escapes") << "\"\\\"\\\\\\/\\b\\f\\n\\r\\t\\u0041\\u00e9\\u20AC\""
                                 << QStringLiteral("s\"\"\\/\b\f\n\r\tA\u00e9\u20ac\"");
        QTest::newRow("non-hex \\u gives unit 0") << "\"a\\u12G4b\"" << QStringLiteral("s\"a") + QChar(0) + "b\"";
        QTest::newRow("raw unicode") << QStringLiteral("\"\u00e9t\u00e9 \U0001F600\"")
                                     << QStringLiteral("s\"\u00e9t\u00e9 \U0001F600\"");

        QTest::newRow("exponent reads as double") << "1e5"
                                                  << "d100000";
        QTest::newRow("negative exponent") << "-2.5E-3"
                                           << "d-0.0025000000000000001";
        QTest::newRow("largest unsigned") << "18446744073709551615"
                                          << "u18446744073709551615";
        QTest::newRow("smallest signed") << "-9223372036854775808"
                                         << "i-9223372036854775808";
        QTest::newRow("too large for 64 bits reads as double") << "18446744073709551616"
                                                               << "d1.8446744073709552e+19";
        QTest::newRow("too small for 64 bits reads as double") << "-9223372036854775809"
                                                               << "d-9.2233720368547758e+18";
        QTest::newRow("malformed number reads as 0") << "[1-2, -, 1.2.3, 1e, 1e999]"
                                                     << "[u0,i0,d0,d0,d0]";
        QTest::newRow("negative zero double") << "-0.0"
                                              << "d-0";
    }

    void readValues() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QString error;
        const QVariant v = JsonParseText(text, error);
        QCOMPARE(error, QString());
        QCOMPARE(Dump(v), expected);
    }

    void readErrors_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("value");

        QTest::newRow("empty text") << ""
                                    << "(1:1) parsevalue.notokens:"
                                    << "null";
        QTest::newRow("blanks only") << "  \n "
                                     << "(1:1) parsevalue.notokens:"
                                     << "null";
        QTest::newRow("number run stops at other characters") << "[12abc]"
                                                              << "(1:4) parseerror.invtoken:a"
                                                              << "[]";
        QTest::newRow("unterminated block comment ends the text") << "[1 /* no end"
                                                                  << "(1:3) parseerror.invtoken:"
                                                                  << "[]";
        QTest::newRow("lone slash") << "/"
                                    << "(1:1) parsevalue.notokens:/"
                                    << "null";
        QTest::newRow("object open after member and comma") << "{a:1,"
                                                            << "(1:6) parseobject.invtoken:"
                                                            << "{a:u1}";
        QTest::newRow("missing colon") << "{a 1}"
                                       << "(1:3) parseobject.expected.colon"
                                       << "{}";
        QTest::newRow("invalid key start") << "{a:1, -b:2}"
                                           << "(1:6) parseobject.invtoken:-"
                                           << "{a:u1}";
        QTest::newRow("keyword in key position") << "{true:1}"
                                                 << "(1:2) parseobject.invtoken:t"
                                                 << "{}";
        QTest::newRow("list in key position") << "{[1]:2}"
                                              << "(1:2) parseobject.invtoken:["
                                              << "{}";
        QTest::newRow("missing value") << "{\"a\":}"
                                       << "(1:6) parsevalue.notokens:}"
                                       << "{}";
        QTest::newRow("bad list element empties the list") << "[1,2,x]"
                                                           << "(1:6) parseerror.invtoken:x"
                                                           << "[]";
        QTest::newRow("error inside nested list keeps outer members") << "{a:1,b:[1,}]}"
                                                                      << "(1:11) parsevalue.notokens:}"
                                                                      << "{a:u1}";
        QTest::newRow("position is before the blanks, on its line") << "{\n  a:1,\n  b:   }"
                                                                    << "(3:5) parsevalue.notokens:}"
                                                                    << "{a:u1}";
        QTest::newRow("incomplete string") << "\"abc"
                                           << "(1:5) parsestring.incomplete:abc"
                                           << "null";
        QTest::newRow("incomplete after backslash") << "[\"ab\\"
                                                    << "(1:6) parsestring.incomplete:ab"
                                                    << "[]";
        QTest::newRow("incomplete unicode escape") << "\"ab\\u12"
                                                   << "(1:8) parsestring.incomplete:ab"
                                                   << "null";
        QTest::newRow("incomplete verbatim") << "{a:@\"C:\\x"
                                             << "(1:10) parsestring.incomplete:C:\\x"
                                             << "{}";
        QTest::newRow("incomplete quoted key") << "{\"ab"
                                               << "(1:5) parsestring.incomplete:ab"
                                               << "{}";
        QTest::newRow("unquoted key at the end") << "{ab"
                                                 << "(1:4) parseobject.expected.colon"
                                                 << "{}";
        QTest::newRow("nesting too deep") << QString(JsonMaxDepth, QLatin1Char('[')) + QLatin1Char('[')
                                          << QStringLiteral("(1:%1) parsevalue.depth:[").arg(JsonMaxDepth + 1) << "[]";
        QTest::newRow("nesting too deep in an object")
            << QString("{a:").repeated(JsonMaxDepth + 1)
            << QStringLiteral("(1:%1) parsevalue.depth:{").arg(3 * JsonMaxDepth + 1) << "{}";
    }

    void readErrors() {
        QFETCH(QString, text);
        QFETCH(QString, error);
        QFETCH(QString, value);
        QString err = QStringLiteral("stale");
        const QVariant v = JsonParseText(text, err);
        QCOMPARE(err, error);
        QCOMPARE(Dump(v), value);
    }

    void nullTextIsNoError() {
        QString err = QStringLiteral("stale");
        QVERIFY(!JsonParseText(QString(), err).isValid());
        QVERIFY(err.isEmpty());
    }

    void deepestAllowedNestingReads() {
        const QString text = QString(JsonMaxDepth, QLatin1Char('[')) + QString(JsonMaxDepth, QLatin1Char(']'));
        QString err;
        QVariant v = JsonParseText(text, err);
        QVERIFY2(err.isEmpty(), qPrintable(err));
        int depth = 0;
        while (v.userType() == QMetaType::QVariantList) {
            ++depth;
            const QVariantList l = v.toList();
            v = l.isEmpty() ? QVariant() : l.first();
        }
        QCOMPARE(depth, JsonMaxDepth);
    }

    void hugeNestingFailsFast() {
        // A phone message of a million brackets must end in an error, not in a stack overflow.
        QString err;
        JsonParseText(QString(1000000, QLatin1Char('[')), err);
        QVERIFY(err.contains(QLatin1String("parsevalue.depth:[")));
        JsonParseText(QString("{\"k\":").repeated(200000), err);
        QVERIFY(err.contains(QLatin1String("parsevalue.depth:{")));
    }

    void write_data() {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QByteArray>("indented");
        QTest::addColumn<QByteArray>("compact");

        QVariantMap m;
        m[QStringLiteral("Tags")] = QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};
        QTest::newRow("short strings on one line") << QVariant(m) << QByteArray("{\n\tTags:[\"a\",\"b\",\"c\"]\n}")
                                                   << QByteArray("{\"Tags\":[\"a\",\"b\",\"c\"]}");

        const QString longText(40, QLatin1Char('x'));
        m.clear();
        m[QStringLiteral("L")] = QVariantList{longText, longText};
        QTest::newRow("long strings one per line")
            << QVariant(m)
            << ("{\n\tL:[\n\t\t\"" + longText.toLatin1() + "\",\n\t\t\"" + longText.toLatin1() + "\"\n\t]\n}")
            << ("{\"L\":[\"" + longText.toLatin1() + "\",\"" + longText.toLatin1() + "\"]}");

        QTest::newRow("empty map") << QVariant(QVariantMap()) << QByteArray("{\n\n}") << QByteArray("{}");
        m.clear();
        m[QStringLiteral("e")] = QVariantMap();
        QTest::newRow("empty map at level one")
            << QVariant(m) << QByteArray("{\n\te:{\n\n\t}\n}") << QByteArray("{\"e\":{}}");
        QTest::newRow("empty list") << QVariant(QVariantList()) << QByteArray("[]") << QByteArray("[]");

        QVariantMap inner;
        inner[QStringLiteral("a")] = 1;
        QTest::newRow("maps in a list are indented")
            << QVariant(QVariantList{inner, 2}) << QByteArray("[\n\t{\n\t\ta:1\n\t},\n2\n]")
            << QByteArray("[{\"a\":1},2]");

        m.clear();
        for (const char* k : {"a b", "1a", "trueish", "nullable", "falsey", "", "_x9", "Ok", "\xc3\xa9"})
            m[QString::fromUtf8(k)] = true;
        QTest::newRow("keys quoted only where the reader needs it")
            << QVariant(m)
            << QByteArray(
                   "{\n\t\"\":true,\n\t\"1a\":true,\n\tOk:true,\n\t_x9:true,\n\t\"a b\":true,\n\t\"falsey\":true,"
                   "\n\t\"nullable\":true,\n\t\"trueish\":true,\n\t\"\xc3\xa9\":true\n}")
            << QByteArray("{\"\":true,\"1a\":true,\"Ok\":true,\"_x9\":true,\"a b\":true,\"falsey\":true,"
                          "\"nullable\":true,\"trueish\":true,\"\xc3\xa9\":true}");

        const QVariantList numbers{0.5,
                                   3.0,
                                   1e20,
                                   -0.0,
                                   0.1,
                                   std::numeric_limits<double>::quiet_NaN(),
                                   std::numeric_limits<double>::infinity(),
                                   QVariant(std::numeric_limits<qint64>::min()),
                                   QVariant(std::numeric_limits<quint64>::max()),
                                   QVariant(int(-7)),
                                   QVariant(uint(7))};
        QTest::newRow("numbers")
            << QVariant(numbers)
            << QByteArray("[\n0.5,\n3.0,\n1e+20,\n-0.0,\n0.10000000000000000555,\nnull,\nnull,\n-9223372036854775808,"
                          "\n18446744073709551615,\n-7,\n7\n]")
            << QByteArray("[0.5,3.0,1e+20,-0.0,0.10000000000000000555,null,null,-9223372036854775808,"
                          "18446744073709551615,-7,7]");
        QTest::newRow("scalars") << QVariant(QVariantList{true, false, QVariant()})
                                 << QByteArray("[\ntrue,\nfalse,\nnull\n]") << QByteArray("[true,false,null]");
        QTest::newRow("rects") << QVariant(QVariantList{QRect(1, -2, 30, 40), QRectF(0.5, 1, 2.25, 1e7)})
                               << QByteArray("[\n[1,-2,30,40],\n[0.5,1,2.25,1e+07]\n]")
                               << QByteArray("[[1,-2,30,40],[0.5,1,2.25,1e+07]]");
        QTest::newRow("escaping") << QVariant(QStringLiteral("a\"b\\c\n\r\t\b\f/\u00e9\x01") + QChar(0))
                                  << QByteArray("\"a\\\"b\\\\c\\n\\r\\t\\b\\f/\xc3\xa9\\u0001\\u0000\"")
                                  << QByteArray("\"a\\\"b\\\\c\\n\\r\\t\\b\\f/\xc3\xa9\\u0001\\u0000\"");
        QTest::newRow("byte array as text")
            << QVariant(QByteArray("x\"y")) << QByteArray("\"x\\\"y\"") << QByteArray("\"x\\\"y\"");
        QTest::newRow("other types by conversion")
            << QVariant(QVariantList{QVariant(QDate(2024, 2, 29)), QVariant(short(5))})
            << QByteArray("[\n\"2024-02-29\",\n5\n]") << QByteArray("[\"2024-02-29\",5]");
    }

    void write() {
        QFETCH(QVariant, value);
        QFETCH(QByteArray, indented);
        QFETCH(QByteArray, compact);
        QString err;
        QCOMPARE(JsonSerialize(value, err, 0), indented);
        QVERIFY(err.isEmpty());
        QCOMPARE(JsonSerializeCompact(value), compact);
    }

    void doublesAreWrittenAsTheToolkitWritesThem() {
        // The writer formats doubles itself for speed; its text must equal QByteArray::number(d, 'g', 20),
        // including values that lie halfway between two 20-digit texts.
        QRandomGenerator rng(1103);
        QVector<double> values{
            0.5,    1e20,      1e-5, 7.0482492446899414062e-06, -29035250225898.851562, 5e-324, 1.7976931348623157e308,
            2.5e-1, 123456.789};
        for (int i = 0; i < 30000; ++i) {
            const quint64 bits = rng.generate64();
            double d;
            memcpy(&d, &bits, sizeof d);
            values << d << std::ldexp(double(rng.bounded(1000000)), int(rng.bounded(140)) - 70)
                   << double(rng.bounded(100000)) / (1 + rng.bounded(1000));
        }
        for (double d : values) {
            if (!std::isfinite(d) || d == 0)
                continue;
            QByteArray expected = QByteArray::number(d, 'g', 20);
            if (!expected.contains('.') && !expected.contains('e'))
                expected += ".0";
            QCOMPARE(JsonSerializeCompact(d), expected);
        }
    }

    void writeLevelsAndPrefix() {
        QVariantMap m;
        m[QStringLiteral("a")] = 1;
        QString err;
        QCOMPARE(JsonWriteValue(m, err, 2), QByteArray("\t\t{\n\t\t\ta:1\n\t\t}"));
        QCOMPARE(JsonWriteValue(m, err, -2), QByteArray("{\n\t\t\ta:1\n\t\t}"));
        QCOMPARE(JsonWriteValue(5, err, 2), QByteArray("5"));
    }

    void unwritableValues_data() {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("error");
        const QVariant bad = QVariant::fromValue(Unwritable());
        QVariantMap m;
        m[QStringLiteral("a")] = 1;
        m[QStringLiteral("b")] = bad;
        QTest::newRow("top level") << bad << "serialize.unknowntype";
        QTest::newRow("in a map") << QVariant(m) << "serialize.map.1:serialize.unknowntype";
        QVariantMap outer;
        outer[QStringLiteral("x")] = QVariantList{1, m};
        QTest::newRow("map in list in map")
            << QVariant(outer) << "serialize.map.1:serialize.list.1:serialize.map.1:serialize.unknowntype";
    }

    void unwritableValues() {
        QFETCH(QVariant, value);
        QFETCH(QString, error);
        for (int indent : {0, JsonCompact}) {
            QString err;
            const QByteArray out = JsonSerialize(value, err, indent);
            QVERIFY(out.isNull());
            QCOMPARE(err, error);
        }
    }

    void longTextsRoundTrip() {
        // Longer than one block of the escaping writer, with pairs and escapes across block ends.
        QString text;
        for (int i = 0; text.size() < 200000; ++i)
            text += i % 3 ? QStringLiteral("ab\"\n\u00e9") : QStringLiteral("\U0001F600x");
        QString err;
        const QByteArray w = JsonSerializeCompact(QVariantList{text, text.toUtf8()});
        QCOMPARE(Dump(JsonParseText(QString::fromUtf8(w), err)), Dump(QVariantList{text, text}));
        QVERIFY(err.isEmpty());
    }

    void roundTrip_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("dialect fixture") << ReadFixture(QStringLiteral("dialect.json"));
        QTest::newRow("numbers")
            << "[0,1,-1,0.5,-0.0,3.0,1e300,-1e-300,2.2250738585072014e-308,4.9e-324,1.7976931348623157e308,"
               "0.1,123456789012345678,18446744073709551615,-9223372036854775808,1e20,5e19,-5e19]";
        QTest::newRow("strings") << QStringLiteral("[\"\",\"\\u0000\\u0001\\u001f\",\"a\\/b\",\"\u00e9\U0001F600\","
                                                   "\"\\\\\\\"\\b\\f\\n\\r\\t\",@\"C:\\x\"]");
    }

    void roundTrip() {
        QFETCH(QString, text);
        QVERIFY(!text.isEmpty());
        QString err;
        const QVariant first = JsonParseText(text, err);
        QVERIFY2(err.isEmpty(), qPrintable(err));
        for (int indent : {0, JsonCompact}) {
            const QByteArray written = JsonSerialize(first, err, indent);
            QVERIFY2(err.isEmpty(), qPrintable(err));
            const QVariant second = JsonParseText(QString::fromUtf8(written.constData(), written.size()), err);
            QVERIFY2(err.isEmpty(), qPrintable(err));
            QCOMPARE(Dump(second), Dump(first));
            QCOMPARE(JsonSerialize(second, err, indent), written);
        }
    }

    void cryptStringsInFiles() {
        QVariantMap account;
        account[QStringLiteral("User")] = QStringLiteral("me");
        account[QStringLiteral("Password")] = QVariant::fromValue(CryptString(QStringLiteral("s3cret \u00e9")));
        QVariantMap root;
        root[QStringLiteral("Mail")] = account;

        QString err;
        const QByteArray text = JsonSerialize(root, err, 0);
        QVERIFY(err.isEmpty());
        QVERIFY(!text.contains("s3cret"));
        QVERIFY(text.contains("Password:!\""));
        // The caller's tree keeps its clear text.
        QCOMPARE(root[QStringLiteral("Mail")].toMap()[QStringLiteral("Password")].value<CryptString>().Text,
                 QStringLiteral("s3cret \u00e9"));

        const QVariant back = JsonParseText(QString::fromUtf8(text.constData(), text.size()), err);
        QVERIFY(err.isEmpty());
        const QVariant pw = back.toMap()[QStringLiteral("Mail")].toMap()[QStringLiteral("Password")];
        QCOMPARE(pw.userType(), CryptStringTypeId());
        QCOMPARE(pw.toString(), QStringLiteral("s3cret \u00e9"));
    }

    void mutatedInputNeverBreaksTheReader() {
        // Bounded and seeded: random edits of valid documents, each read must end (with or without an
        // error), and whatever reads without error must write and read back to the same tree.
        QStringList corpus{ReadFixture(QStringLiteral("dialect.json")),
                           QStringLiteral("{a:[1,2,{b:\"c\\u0041\"}],d:@\"x\\y\",e:!\"AQID\",f:-1.5e3}"),
                           QStringLiteral("[[[[{}]]],{\"k\":[true,false,null]}] // tail")};
        const char pieces[] = "{}[]:,\"\\@!/*-+.eE0123456789tfnu \n\t";
        QRandomGenerator rng(20240229);
        int parsedClean = 0;
        for (int round = 0; round < 20000; ++round) {
            QString t = corpus[int(rng.bounded(corpus.size()))];
            const int edits = 1 + int(rng.bounded(6));
            for (int e = 0; e < edits && !t.isEmpty(); ++e) {
                const int at = int(rng.bounded(t.size()));
                switch (rng.bounded(5)) {
                case 0:
                    t.remove(at, 1 + int(rng.bounded(8)));
                    break;
                case 1:
                    t.insert(at, QLatin1Char(pieces[rng.bounded(int(sizeof pieces) - 1)]));
                    break;
                case 2:
                    // any unit but a surrogate half, which no UTF-8 file can hold alone
                    t[at] = QChar(ushort(rng.bounded(0xD800)));
                    break;
                case 3:
                    t.insert(at, t.mid(int(rng.bounded(t.size())), int(rng.bounded(40))));
                    break;
                default:
                    t.truncate(at);
                    break;
                }
            }
            QString err;
            const QVariant v = JsonParseText(t, err);
            if (!err.isEmpty()) {
                QVERIFY2(err.startsWith(QLatin1Char('(')), qPrintable(err));
                continue;
            }
            ++parsedClean;
            const QByteArray w = JsonSerialize(v, err, round % 2 ? 0 : JsonCompact);
            QVERIFY2(err.isEmpty(), qPrintable(err));
            const QVariant again = JsonParseText(QString::fromUtf8(w.constData(), w.size()), err);
            QVERIFY2(err.isEmpty(), qPrintable(err + QLatin1Char(' ') + QString::fromUtf8(w)));
            const QString before = Dump(v, true), after = Dump(again, true);
            QVERIFY2(after == before, Difference(after, before).constData());
        }
        QVERIFY(parsedClean > 100);
    }
};

QTEST_GUILESS_MAIN(TestJson)
#include "test_json.moc"
