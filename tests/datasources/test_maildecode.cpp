// Decoding of fetched mails: encoded header words, quoted-printable, base64, charsets and multipart walks.

#include "datasources/maildecode.h"

#include <QtTest>

namespace {
// Test texts hold bytes as the client reads them: one character per byte.
QString Bytes(const QByteArray& b) {
    return QString::fromLatin1(b);
}
QStringList Lines(const QByteArray& b) {
    QStringList out;
    for (const QByteArray& l : b.split('\n'))
        out << QString::fromLatin1(l);
    return out;
}
} // namespace

class TestMailDecode : public QObject {
    Q_OBJECT
private slots:
    void encodedWords_data();
    void encodedWords();
    void quotedPrintable_data();
    void quotedPrintable();
    void boundary_data();
    void boundary();
    void mail_data();
    void mail();
    void mailHeaders();
    void emptyListsGiveNoMail();
};

void TestMailDecode::encodedWords_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("expected");
    QTest::newRow("utf8 Q") << "Subject: =?UTF-8?Q?Gr=C3=BC=C3=9Fe?=" << QString::fromUtf8("Subject: Grüße");
    QTest::newRow("latin1 Q leading escape") << "=?ISO-8859-1?Q?=E4rger?=" << QString::fromUtf8("ärger");
    QTest::newRow("lower-case letters") << "=?utf-8?q?a_b?="
                                        << "a b";
    QTest::newRow("utf8 B") << "=?UTF-8?B?R3LDvMOfZQ==?=" << QString::fromUtf8("Grüße");
    QTest::newRow("iso-8859-15 euro") << "=?ISO-8859-15?Q?=A4?=" << QString::fromUtf8("€");
    QTest::newRow("windows-1252 quotes") << "=?windows-1252?Q?=93x=94?=" << QString::fromUtf8("“x”");
    QTest::newRow("koi8-r B") << "=?KOI8-R?B?8NLJ18XU?=" << QString::fromUtf8("Привет");
    QTest::newRow("shift_jis") << "=?Shift_JIS?B?k/qWe4zq?=" << QString::fromUtf8("日本語");
    QTest::newRow("language suffix") << "=?UTF-8*de?Q?=C3=A4?=" << QString::fromUtf8("ä");
    QTest::newRow("adjacent words join") << "=?UTF-8?Q?a?= =?UTF-8?Q?b?="
                                         << "ab";
    QTest::newRow("folded adjacent words join") << "=?UTF-8?Q?a?=\r\n\t=?UTF-8?Q?b?="
                                                << "ab";
    QTest::newRow("blank before plain text kept")
        << QString::fromLatin1("=?UTF-8?Q?Gr=C3=BC=C3=9Fe?= Welt") << QString::fromUtf8("Grüße Welt");
    QTest::newRow("plain text around") << "Re: =?UTF-8?Q?x?= end"
                                       << "Re: x end";
    QTest::newRow("underscore in base64 stays") << "=?UTF-8?B?YV9iPTQx?="
                                                << "a_b=41";
    QTest::newRow("decoded text not rescanned") << "=?UTF-8?Q?=3D=3FUTF-8=3FQ=3Fx=3F=3D?="
                                                << "=?UTF-8?Q?x?=";
    QTest::newRow("unknown charset reads latin1") << "=?x-nothing?Q?=E4?=" << QString::fromUtf8("ä");
    QTest::newRow("unknown encoding kept") << "=?UTF-8?X?abc?="
                                           << "=?UTF-8?X?abc?=";
    QTest::newRow("unterminated word") << "x =?UTF-8?Q?abc"
                                       << "x =?UTF-8?Q?abc";
    QTest::newRow("no encoding letter") << "=?UTF-8?"
                                        << "=?UTF-8?";
    QTest::newRow("lone marker then word") << "a=?b =?UTF-8?Q?c?="
                                           << "a=?b c";
    QTest::newRow("empty word") << "=?UTF-8?Q?"
                                   "?=x"
                                << "x";
    QTest::newRow("broken base64") << "=?UTF-8?B?!!!?="
                                   << "";
}

void TestMailDecode::encodedWords() {
    QFETCH(QString, line);
    QFETCH(QString, expected);
    // Folding is undone before decoding, as the header walk does.
    QString unfolded = line;
    unfolded.remove(QLatin1String("\r\n"));
    QCOMPARE(DecodeEncodedWords(unfolded), expected);
}

void TestMailDecode::quotedPrintable_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("utf8");
    QTest::addColumn<QString>("expected");
    QTest::newRow("latin1 byte") << "caf=E9" << false << QString::fromUtf8("café");
    QTest::newRow("utf8 bytes") << "caf=C3=A9" << true << QString::fromUtf8("café");
    QTest::newRow("lower-case hex") << "=c3=a9" << true << QString::fromUtf8("é");
    QTest::newRow("soft break crlf") << "long=\r\nline" << false << "longline";
    QTest::newRow("soft break lf") << "long=\nline" << false << "longline";
    QTest::newRow("invalid escape kept") << "a=XYb" << false << "a=XYb";
    QTest::newRow("half escape kept") << "a=4" << false << "a=4";
    QTest::newRow("trailing equals") << "end=" << false << "end=";
    QTest::newRow("attribute quote kept") << "<a href=\"x\">" << false << "<a href=\"x\">";
    QTest::newRow("equals escape") << "1+1=3D2" << false << "1+1=2";
    QTest::newRow("broken utf8 survives") << "=C3(" << true << QString::fromUtf8("\xEF\xBF\xBD(");
}

void TestMailDecode::quotedPrintable() {
    QFETCH(QString, text);
    QFETCH(bool, utf8);
    QFETCH(QString, expected);
    QCOMPARE(DecodeQuotedPrintable(text, utf8), expected);
}

void TestMailDecode::boundary_data() {
    QTest::addColumn<QString>("contentType");
    QTest::addColumn<QString>("expected");
    QTest::newRow("quoted") << "multipart/mixed; boundary=\"AbC\""
                            << "--abc";
    QTest::newRow("unquoted with parameter after") << "multipart/alternative; boundary=xyz; charset=x"
                                                   << "--xyz";
    QTest::newRow("not multipart") << "text/plain; boundary=xyz"
                                   << "";
    QTest::newRow("no boundary") << "multipart/mixed"
                                 << "";
    QTest::newRow("empty boundary") << "multipart/mixed; boundary=\"\""
                                    << "";
    QTest::newRow("unclosed quote") << "multipart/mixed; boundary=\"abc"
                                    << "--\"abc";
}

void TestMailDecode::boundary() {
    QFETCH(QString, contentType);
    QFETCH(QString, expected);
    QCOMPARE(MimeBoundary(contentType), expected);
}

void TestMailDecode::mail_data() {
    QTest::addColumn<QByteArray>("header");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("text");

    QTest::newRow("plain") << QByteArray("Content-Type: text/plain") << QByteArray("Hello\nworld") << "Hello world";
    QTest::newRow("guessed qp") << QByteArray("Subject: x") << QByteArray("a=E4b") << QString::fromUtf8("aäb");
    QTest::newRow("utf8 qp soft breaks")
        << QByteArray("Content-Type: text/plain; charset=utf-8\nContent-Transfer-Encoding: quoted-printable")
        << QByteArray("Gr=C3=BC=\n=C3=9Fe aus=\nK=C3=B6ln") << QString::fromUtf8("Grüße ausKöln");
    QTest::newRow("quoted utf-8 charset") << QByteArray("Content-Type: text/plain; charset=\"utf-8\"")
                                          << QByteArray("\xC3\xBC") << QString::fromUtf8("ü");
    QTest::newRow("base64 utf8") << QByteArray(
                                        "Content-Type: text/plain; charset=UTF-8\nContent-Transfer-Encoding: base64")
                                 << QByteArray("R3LDvMOfZSBhdXMg\nS8O2bG4=") << QString::fromUtf8("Grüße aus Köln");
    QTest::newRow("base64 cut short") << QByteArray("Content-Type: text/plain\nContent-Transfer-Encoding: base64")
                                      << QByteArray("SGVsbG8gd2") << "Hello w";
    QTest::newRow("8bit windows-1252")
        << QByteArray("Content-Type: text/plain; charset=windows-1252\nContent-Transfer-Encoding: 8bit")
        << QByteArray("\x80 5") << QString::fromUtf8("€ 5");
    QTest::newRow("html stripped")
        << QByteArray("Content-Type: text/html")
        << QByteArray("<html><head><title>t</title></head><style>p{}</style><body><p>Fish &amp; chips &lt;3"
                      "</p>&auml;</body></html>")
        << QString::fromUtf8("Fish & chips <3ä");
    QTest::newRow("alternative gives plain part")
        << QByteArray("Content-Type: multipart/alternative; boundary=\"B1\"")
        << QByteArray("preamble\n--B1\nContent-Type: text/plain; charset=utf-8\n\nplain text\n--B1\n"
                      "Content-Type: text/html\n\n<b>html</b>\n--B1--")
        << "plain text";
    QTest::newRow("nested mixed then alternative")
        << QByteArray("Content-Type: multipart/mixed; boundary=outer")
        << QByteArray("--outer\nContent-Type: multipart/alternative;\n boundary=\"inner\"\n\n--inner\n"
                      "Content-Type: text/plain\nContent-Transfer-Encoding: quoted-printable\n\ninner =E4\n"
                      "--inner\nContent-Type: text/html\n\n<p>no</p>\n--inner--\n--outer\n"
                      "Content-Type: application/pdf\n\nJVBERi0=\n--outer--")
        << QString::fromUtf8("inner ä");
    QTest::newRow("attachment first skipped")
        << QByteArray("Content-Type: multipart/mixed; boundary=b")
        << QByteArray("--b\nContent-Type: image/png\nContent-Transfer-Encoding: base64\n\niVBORw0KGgo=\n--b\n"
                      "Content-Type: text/plain\n\nthe text\n--b--")
        << "the text";
    QTest::newRow("base64 part")
        << QByteArray("Content-Type: multipart/mixed; boundary=b")
        << QByteArray("--b\nContent-Type: text/plain; charset=utf-8\nContent-Transfer-Encoding: base64\n\n"
                      "w6TDtsO8\n--b--")
        << QString::fromUtf8("äöü");
    QTest::newRow("boundary never closed") << QByteArray("Content-Type: multipart/mixed; boundary=b")
                                           << QByteArray("--b\nContent-Type: text/plain\n\nx") << "x";
    QTest::newRow("part header without blank line")
        << QByteArray("Content-Type: multipart/mixed; boundary=b") << QByteArray("--b\nContent-Type: text/plain") << "";
}

void TestMailDecode::mail() {
    QFETCH(QByteArray, header);
    QFETCH(QByteArray, body);
    QFETCH(QString, text);
    const QVariantMap m = DecodeMail(Lines(header), Lines(body), 3, 9);
    QCOMPARE(m.value("Text").toString(), text);
    QCOMPARE(m.value("_idx").toInt(), 3);
    QCOMPARE(m.value("_cnt").toInt(), 9);
}

void TestMailDecode::mailHeaders() {
    // Header names in any case, folded lines, display names, the later identifier, dates in both forms.
    const QVariantMap m =
        DecodeMail(Lines("date: Tue, 01 Dec 2026 10:00:00 +0100\nFROM: =?UTF-8?Q?J=C3=BCrgen?= <j@example.org>\n"
                         "To: a@example.org\nSubject: Part one\n\t and =?UTF-8?Q?two?=\nMessage-Id: <m1@x>\n"
                         "X-UIDL: uidl-7\nno separator here\n: empty name\n\n"),
                   Lines("x"), 1, 1);
    QCOMPARE(m.value("From").toString(), QString::fromUtf8("Jürgen"));
    QCOMPARE(m.value("To").toString(), QStringLiteral("a@example.org"));
    QCOMPARE(m.value("Subject").toString(), QStringLiteral("Part one\t and two"));
    QCOMPARE(m.value("Id").toString(), QStringLiteral("uidl-7"));
    QCOMPARE(m.value("Date").toLongLong(), QDateTime(QDate(2026, 12, 1), QTime(9, 0), Qt::UTC).toMSecsSinceEpoch());

    const QVariantMap bare = DecodeMail(Lines("From: <only@address>\nDate: 2026-12-01T09:00:00Z"), Lines("x"), 1, 1);
    QCOMPARE(bare.value("From").toString(), QStringLiteral("<only@address>"));
    QCOMPARE(bare.value("Date").toLongLong(), QDateTime(QDate(2026, 12, 1), QTime(9, 0), Qt::UTC).toMSecsSinceEpoch());

    const QVariantMap raw = DecodeMail(QStringList() << Bytes("Subject: Gr\xC3\xBC\xC3\x9F"
                                                              "e")
                                                     << "Date: not a date",
                                       Lines("x"), 1, 1);
    QCOMPARE(raw.value("Subject").toString(), QString::fromUtf8("Grüße"));
    QCOMPARE(raw.value("Date").toLongLong(), 0);
    QCOMPARE(DecodeMail(Lines("Subject: y"), Lines("x"), 1, 1).value("Date").toLongLong(), 0);

    // A long single-part text stops after the line that passes 512 characters.
    QStringList body;
    for (int i = 0; i < 100; ++i)
        body << QString(100, QLatin1Char('a' + i % 26));
    const QString text = DecodeMail(Lines("Subject: y"), body, 1, 1).value("Text").toString();
    QCOMPARE(text.size(), 6 * 100 + 5);
}

void TestMailDecode::emptyListsGiveNoMail() {
    QVERIFY(DecodeMail(QStringList(), Lines("x"), 1, 1).isEmpty());
    QVERIFY(DecodeMail(Lines("Subject: y"), QStringList(), 1, 1).isEmpty());
}

QTEST_GUILESS_MAIN(TestMailDecode)
#include "test_maildecode.moc"
