// The mail client against a private Dovecot (POP3 and IMAP, plain, STARTTLS and TLS) and against a scripted
// server for broken and hostile replies.

#include "datasources/mailfetch.h"
#include "tests/datasources/mailtestservers.h"

#include <QtTest>

namespace {

const QString kUser = QStringLiteral("mailer");
const QString kPassword = QStringLiteral("pa ss\"w\\ord");

QList<QByteArray> FixtureMails() {
    return {
        "Date: Tue, 01 Dec 2026 10:00:00 +0000\r\nFrom: Anna <anna@example.org>\r\nTo: mailer@example.org\r\n"
        "Subject: plain one\r\nMessage-ID: <m1@example.org>\r\n\r\nfirst body\r\n.starts with a dot\r\n"
        "a9 OK this is mail text\r\n* 99 EXISTS\r\n",
        "Date: Tue, 01 Dec 2026 11:00:00 +0000\r\nFrom: =?UTF-8?Q?J=C3=BCrgen?= <j@example.org>\r\n"
        "Subject: =?UTF-8?B?R3LDvMOfZQ==?= aus\r\n =?ISO-8859-1?Q?K=F6ln?=\r\nMessage-ID: <m2@example.org>\r\n"
        "MIME-Version: 1.0\r\nContent-Type: multipart/alternative; boundary=\"XX\"\r\n\r\n--XX\r\n"
        "Content-Type: text/plain; charset=utf-8\r\nContent-Transfer-Encoding: quoted-printable\r\n\r\n"
        "Sch=C3=B6n\r\n--XX\r\nContent-Type: text/html\r\n\r\n<p>html</p>\r\n--XX--\r\n",
        "Date: Tue, 01 Dec 2026 12:00:00 +0000\r\nFrom: Bob <bob@example.org>\r\nSubject: base64\r\n"
        "Message-ID: <m3@example.org>\r\nContent-Type: text/plain; charset=utf-8\r\n"
        "Content-Transfer-Encoding: base64\r\n\r\nw6TDtsO8\r\n",
    };
}

// The signals of one client, in arrival order.
struct Events {
    QStringList list;
    QList<QVariantMap> mails;
    explicit Events(MailFetch& f) {
        QObject::connect(&f, &MailFetch::LoginOk, [this]() { list << "login"; });
        QObject::connect(&f, &MailFetch::Finished, [this]() { list << "finished"; });
        QObject::connect(&f, &MailFetch::Error, [this](const QString& m) { list << "error: " + m; });
        QObject::connect(&f, &MailFetch::Mail, [this](const QVariantMap& m) {
            mails << m;
            list << "mail: " + m.value("Subject").toString();
        });
    }
    bool Done() const { return !list.isEmpty() && (list.last() == "finished" || list.last().startsWith("error: ")); }
    void Clear() {
        list.clear();
        mails.clear();
    }
};

#define WAIT_DONE(ev) QTRY_VERIFY_WITH_TIMEOUT((ev).Done(), 20000)

} // namespace

class TestMailFetch : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void fetch_data();
    void fetch();
    void newestMails_data();
    void newestMails();
    void imapTagsRunOn();
    void wrongPassword_data();
    void wrongPassword();
    void missingServerAndRefused();
    void noStartTls_data();
    void noStartTls();
    void pop3WithoutCapa();
    void hostileReplies_data();
    void hostileReplies();
    void silentServerTimesOut();
    void lineBreakInAccount();
    void untrustedCertificate_data();
    void untrustedCertificate();
    void cleanupTestCase();

private:
    DovecotServer m_dovecot;
    bool m_haveDovecot = false;
};

void TestMailFetch::initTestCase() {
    m_haveDovecot = m_dovecot.Start(kUser, kPassword, FixtureMails());
    if (!m_haveDovecot)
        qWarning() << "Dovecot tests will be skipped:" << m_dovecot.error;
    // The servers' authority is trusted as a company's own would be, by the variable every connection follows.
    qputenv("MERVEX_EXTRA_CA_FILE", m_dovecot.caFile.toLocal8Bit());
}

void TestMailFetch::untrustedCertificate_data() {
    QTest::addColumn<bool>("imap");
    QTest::addColumn<int>("security");
    for (bool imap : {false, true})
        for (int security : {1, 2})
            QTest::addRow("%s security %d", imap ? "IMAP" : "POP3", security) << imap << security;
}

void TestMailFetch::untrustedCertificate() {
    // Without its authority the server's certificate does not verify: the fetch ends with the reason before
    // the account is sent.
    QFETCH(bool, imap);
    QFETCH(int, security);
    if (!m_haveDovecot)
        QSKIP("no Dovecot");
    const QByteArray trusted = qgetenv("MERVEX_EXTRA_CA_FILE");
    qunsetenv("MERVEX_EXTRA_CA_FILE");
    const quint16 port =
        imap ? (security == 2 ? m_dovecot.imaps : m_dovecot.imap) : (security == 2 ? m_dovecot.pop3s : m_dovecot.pop3);
    MailFetch f;
    Events ev(f);
    f.SetAccount(kUser, kPassword, QStringLiteral("127.0.0.1:%1").arg(port), imap, security, -1);
    f.DoFetch(1);
    WAIT_DONE(ev);
    qputenv("MERVEX_EXTRA_CA_FILE", trusted);
    QCOMPARE(ev.list.size(), 1);
    QVERIFY2(ev.list.first().startsWith("error: the certificate of 127.0.0.1 is not trusted: "),
             qPrintable(ev.list.first()));
}

void TestMailFetch::cleanupTestCase() {
    m_dovecot.Stop();
}

void TestMailFetch::fetch_data() {
    QTest::addColumn<bool>("imap");
    QTest::addColumn<int>("security");
    for (bool imap : {false, true})
        for (int security : {0, 1, 2})
            QTest::addRow("%s security %d", imap ? "IMAP" : "POP3", security) << imap << security;
}

void TestMailFetch::fetch() {
    QFETCH(bool, imap);
    QFETCH(int, security);
    if (!m_haveDovecot)
        QSKIP("no Dovecot");
    const quint16 port =
        imap ? (security == 2 ? m_dovecot.imaps : m_dovecot.imap) : (security == 2 ? m_dovecot.pop3s : m_dovecot.pop3);
    LogCapture log;
    MailFetch f;
    Events ev(f);
    f.SetAccount(kUser, kPassword, QStringLiteral("127.0.0.1:%1").arg(port), imap, security, -1);
    f.DoFetch(32);
    WAIT_DONE(ev);
    QCOMPARE(ev.list, QStringList() << "login"
                                    << "mail: plain one" << QString::fromUtf8("mail: Grüße aus Köln") << "mail: base64"
                                    << "finished");
    const QVariantMap first = ev.mails.at(0);
    QCOMPARE(first.value("From").toString(), QStringLiteral("Anna"));
    QCOMPARE(first.value("Id").toString(), QStringLiteral("<m1@example.org>"));
    QCOMPARE(first.value("Date").toLongLong(),
             QDateTime(QDate(2026, 12, 1), QTime(10, 0), Qt::UTC).toMSecsSinceEpoch());
    // IMAP sends mail text as literals, so lines that look like responses stay mail text; POP3 undoes dot-stuffing.
    QVERIFY2(first.value("Text").toString().startsWith("first body .starts with a dot"),
             qPrintable(first.value("Text").toString()));
    QCOMPARE(ev.mails.at(1).value("From").toString(), QString::fromUtf8("Jürgen"));
    // POP3 asks for four text lines only, which a multipart mail spends on its first part header.
    QCOMPARE(ev.mails.at(1).value("Text").toString(), imap ? QString::fromUtf8("Schön") : QString());
    QCOMPARE(ev.mails.at(2).value("Text").toString(), QString::fromUtf8("äöü"));
    QCOMPARE(ev.mails.at(2).value("_idx").toInt(), 3);
    QCOMPARE(ev.mails.at(2).value("_cnt").toInt(), 3);
    QCOMPARE(f.GetState(), int(MailFetch::StIdle));
    for (const QString& l : log.Lines())
        QVERIFY2(!l.contains(kPassword), "the password reached the log");
}

void TestMailFetch::newestMails_data() {
    QTest::addColumn<bool>("imap");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<QList<int>>("indexes");
    QTest::newRow("IMAP newest two") << true << 2 << QList<int>{2, 3};
    QTest::newRow("IMAP none") << true << 0 << QList<int>{};
    // POP3 reads one more than asked, the newest last.
    QTest::newRow("POP3 one") << false << 1 << QList<int>{2, 3};
    QTest::newRow("POP3 none") << false << 0 << QList<int>{3};
}

void TestMailFetch::newestMails() {
    QFETCH(bool, imap);
    QFETCH(int, maximum);
    QFETCH(QList<int>, indexes);
    if (!m_haveDovecot)
        QSKIP("no Dovecot");
    MailFetch f;
    Events ev(f);
    f.SetAccount(kUser, kPassword, "127.0.0.1", imap, 0, imap ? m_dovecot.imap : m_dovecot.pop3);
    f.DoFetch(maximum);
    WAIT_DONE(ev);
    QCOMPARE(ev.list.first(), QStringLiteral("login"));
    QCOMPARE(ev.list.last(), QStringLiteral("finished"));
    QList<int> got;
    for (const QVariantMap& m : ev.mails)
        got << m.value("_idx").toInt();
    QCOMPARE(got, indexes);
}

void TestMailFetch::imapTagsRunOn() {
    if (!m_haveDovecot)
        QSKIP("no Dovecot");
    MailFetch f;
    Events ev(f);
    f.SetAccount(kUser, kPassword, QStringLiteral("127.0.0.1:%1").arg(m_dovecot.imap), true, 0, -1);
    f.DoFetch(1);
    WAIT_DONE(ev);
    const int afterFirst = f.GetTagCounter();
    QVERIFY(afterFirst > 0);
    ev.Clear();
    f.DoFetch(1);
    WAIT_DONE(ev);
    QCOMPARE(ev.list.last(), QStringLiteral("finished"));
    QCOMPARE(f.GetTagCounter(), 2 * afterFirst);
}

void TestMailFetch::wrongPassword_data() {
    QTest::addColumn<bool>("imap");
    QTest::addColumn<QString>("error");
    QTest::newRow("POP3") << false << "error: -ERR [AUTH] Authentication failed.";
    QTest::newRow("IMAP") << true << "NO [AUTHENTICATIONFAILED] Authentication failed.";
}

void TestMailFetch::wrongPassword() {
    QFETCH(bool, imap);
    QFETCH(QString, error);
    if (!m_haveDovecot)
        QSKIP("no Dovecot");
    LogCapture log;
    MailFetch f;
    Events ev(f);
    f.SetAccount(kUser, "wrong", "127.0.0.1", imap, 1, imap ? m_dovecot.imap : m_dovecot.pop3);
    f.DoFetch(32);
    WAIT_DONE(ev);
    QCOMPARE(ev.list.size(), 1);
    QVERIFY2(ev.list.first().startsWith("error: ") && ev.list.first().endsWith(error), qPrintable(ev.list.first()));
    QVERIFY(log.Has(QStringLiteral("MailFetch (%1) Error: ").arg(imap ? "IMAP" : "POP3")));
    QCOMPARE(f.GetState(), int(MailFetch::StIdle));
}

void TestMailFetch::missingServerAndRefused() {
    LogCapture log;
    MailFetch f;
    Events ev(f);
    f.SetAccount(kUser, kPassword, QString(), false, 0, -1);
    f.DoFetch(1);
    QCOMPARE(ev.list, QStringList() << "error: missing server");

    ev.Clear();
    const quint16 closed = FreeLocalPort();
    f.SetAccount(kUser, kPassword, QStringLiteral("127.0.0.1:%1").arg(closed), true, 0, -1);
    f.DoFetch(1);
    WAIT_DONE(ev);
    QCOMPARE(ev.list, QStringList() << "error: connection to 127.0.0.1 failed");
    QVERIFY(log.Has("MailFetch::OnSockError()"));
    QVERIFY(log.Has("MailFetch (IMAP) Error: connection to 127.0.0.1 failed"));
}

void TestMailFetch::noStartTls_data() {
    QTest::addColumn<bool>("imap");
    QTest::addColumn<QByteArray>("greeting");
    QTest::newRow("POP3") << false << QByteArray("+OK hi\r\n");
    QTest::newRow("IMAP") << true << QByteArray("* OK hi\r\n");
}

void TestMailFetch::noStartTls() {
    // A server that does not offer STARTTLS never sees the password when the account asks for it.
    QFETCH(bool, imap);
    QFETCH(QByteArray, greeting);
    ScriptedServer s;
    s.greeting = greeting;
    s.reply = [](QTcpSocket* p, const QByteArray& line) {
        if (line == "CAPA")
            p->write("+OK\r\nUSER\r\nTOP\r\n.\r\n");
        else if (line.endsWith("CAPABILITY"))
            p->write("* CAPABILITY IMAP4rev1 AUTH=PLAIN\r\n" + line.split(' ').first() + " OK done\r\n");
    };
    MailFetch f;
    Events ev(f);
    f.SetAccount(kUser, kPassword, s.Address(), imap, 1, -1);
    f.DoFetch(1);
    WAIT_DONE(ev);
    QCOMPARE(ev.list, QStringList() << "error: Server doesn't support STARTTLS security");
    QVERIFY(!s.Received("pa ss"));
    QVERIFY(!s.Received("USER"));
}

void TestMailFetch::pop3WithoutCapa() {
    // An old server refuses CAPA: no capabilities, so no TOP either, and the mail is read with RETR.
    ScriptedServer s;
    s.greeting = "+OK ready\r\n";
    s.reply = [](QTcpSocket* p, const QByteArray& line) {
        if (line == "CAPA")
            p->write("-ERR unknown command\r\n");
        else if (line.startsWith("USER") || line.startsWith("PASS"))
            p->write("+OK\r\n");
        else if (line == "STAT")
            p->write("+OK 1 20\r\n");
        else if (line == "RETR 1")
            p->write("+OK\r\nSubject: s\r\nFrom: f\r\n\r\nbody\r\n.\r\n");
    };
    MailFetch f;
    Events ev(f);
    f.SetAccount("user", "pw", s.Address(), false, 0, -1);
    f.DoFetch(5);
    WAIT_DONE(ev);
    QCOMPARE(ev.list, QStringList() << "login"
                                    << "mail: s"
                                    << "finished");
    QVERIFY(s.Received("PASS pw\r\n"));
}

void TestMailFetch::hostileReplies_data() {
    QTest::addColumn<bool>("imap");
    QTest::addColumn<QByteArray>("afterSelect"); // IMAP: what follows the answer to the first fetch command
    QTest::addColumn<QString>("error");
    QTest::newRow("gigantic literal") << true << QByteArray("* 1 FETCH (BODY[TEXT]<0> {99999999999999}\r\n")
                                      << "invalid reply from 127.0.0.1";
    QTest::newRow("literal just too big")
        << true << QByteArray("* 1 FETCH (BODY[TEXT]<0> {16777217}\r\n") << "invalid reply from 127.0.0.1";
    QTest::newRow("endless line") << true << QByteArray(200000, 'x') << "invalid reply from 127.0.0.1";
    QTest::newRow("closed mid-literal") << true << QByteArray("* 1 FETCH (BODY[TEXT]<0> {500}\r\nabc")
                                        << "connection to 127.0.0.1 failed";
    QTest::newRow("tagged BAD") << true << QByteArray("a4 BAD what\r\n") << "a4 BAD what";
    QTest::newRow("POP3 garbage") << false << QByteArray("garbage\r\n") << "garbage";
    QTest::newRow("POP3 short STAT") << false << QByteArray("+OK\r\n") << "invalid STAT: +OK";
    QTest::newRow("POP3 closed mid-mail") << false << QByteArray("+OK 1 5\r\n") << "connection to 127.0.0.1 failed";
}

void TestMailFetch::hostileReplies() {
    QFETCH(bool, imap);
    QFETCH(QByteArray, afterSelect);
    QFETCH(QString, error);
    const bool closeAfter = QString(QTest::currentDataTag()).contains("closed");
    LogCapture log;
    ScriptedServer s;
    s.greeting = imap ? "* OK hi\r\n" : "+OK hi\r\n";
    s.reply = [&](QTcpSocket* p, const QByteArray& line) {
        const QByteArray tag = line.split(' ').first();
        if (imap) {
            if (line.endsWith("CAPABILITY"))
                p->write("* CAPABILITY IMAP4rev1\r\n" + tag + " OK\r\n");
            else if (line.contains(" login "))
                p->write(tag + " OK\r\n");
            else if (line.contains(" list "))
                p->write(tag + " OK\r\n");
            else if (line.contains("SELECT"))
                p->write("* 1 EXISTS\r\n" + tag + " OK\r\n");
            else if (line.contains(" fetch ")) {
                p->write(afterSelect);
                if (closeAfter) {
                    p->flush();
                    p->disconnectFromHost();
                }
            }
        } else {
            if (line == "CAPA")
                p->write("+OK\r\n.\r\n");
            else if (line.startsWith("USER") || line.startsWith("PASS"))
                p->write("+OK\r\n");
            else if (line == "STAT") {
                p->write(afterSelect);
                if (closeAfter)
                    p->write("");
            } else if (line == "RETR 1") {
                p->write("+OK\r\nSubject: s\r\n");
                p->flush();
                p->disconnectFromHost();
            }
        }
    };
    MailFetch f;
    Events ev(f);
    f.SetAccount("user", "pw", s.Address(), imap, 0, -1);
    f.DoFetch(5);
    WAIT_DONE(ev);
    QCOMPARE(ev.list.last(), "error: " + error);
    QVERIFY(ev.mails.isEmpty());
    QVERIFY(log.Has(QStringLiteral("MailFetch (%1) Error: ").arg(imap ? "IMAP" : "POP3") + error));
    QCOMPARE(f.GetState(), int(MailFetch::StIdle));
}

void TestMailFetch::silentServerTimesOut() {
    ScriptedServer s; // accepts and never says a word
    MailFetch f;
    f.SetIdleTimeout(300);
    Events ev(f);
    f.SetAccount("user", "pw", s.Address(), true, 0, -1);
    f.DoFetch(1);
    WAIT_DONE(ev);
    QCOMPARE(ev.list, QStringList() << "error: connection to 127.0.0.1 failed");
}

void TestMailFetch::lineBreakInAccount() {
    ScriptedServer s;
    s.greeting = "+OK\r\n";
    MailFetch f;
    Events ev(f);
    f.SetAccount("user", "pw\r\nDELE 1", s.Address(), false, 0, -1);
    f.DoFetch(1);
    QCOMPARE(ev.list, QStringList() << "error: invalid user name or password");
    QTest::qWait(50);
    QVERIFY(s.received.isEmpty());
}

QTEST_GUILESS_MAIN(TestMailFetch)
#include "test_mailfetch.moc"
