// The e-mail source: fetching on demand, entries made of mails, status texts and the connection tests, against
// a scripted POP3 server.

#include "datasources/builtindatasources.h"
#include "datasources/datasrccommon.h"
#include "datasources/datasrcemail.h"
#include "datasources/mailfetch.h"
#include "foundation/cryptstring.h"
#include "functions/funcmgr.h"
#include "functions/userprompts.h"
#include "tests/datasources/mailtestservers.h"
#include "widgets/popupprompts.h"

#include <QApplication>
#include <QFile>
#include <QSslKey>
#include <QSslSocket>
#include <QTcpServer>
#include <QtTest>

namespace {

QByteArray Mail(int n, const QByteArray& extraHeader = QByteArray()) {
    return "Date: Tue, 01 Dec 2026 10:00:0" + QByteArray::number(n) + " +0000\r\nFrom: Sender " +
           QByteArray::number(n) + " <s@example.org>\r\nSubject: subject " + QByteArray::number(n) +
           "\r\nMessage-ID: <" + QByteArray::number(n) + "@x>\r\n" + extraHeader + "\r\nbody " + QByteArray::number(n) +
           "\r\n";
}

// A POP3 server holding the given mails, with one account.
struct Pop3Server : ScriptedServer {
    QList<QByteArray> mails;
    QByteArray password = "secret";
    Pop3Server() {
        greeting = "+OK ready\r\n";
        reply = [this](QTcpSocket* p, const QByteArray& line) {
            if (line == "CAPA")
                p->write("+OK\r\nTOP\r\nUSER\r\n.\r\n");
            else if (line.startsWith("USER"))
                p->write("+OK\r\n");
            else if (line.startsWith("PASS"))
                p->write(line.mid(5) == password ? "+OK\r\n" : "-ERR [AUTH] nope\r\n");
            else if (line == "STAT")
                p->write("+OK " + QByteArray::number(mails.size()) + " 100\r\n");
            else if (line.startsWith("TOP ")) {
                const int n = line.split(' ').at(1).toInt();
                p->write("+OK\r\n" + mails.value(n - 1) + ".\r\n");
            }
        };
    }
};

QVariantMap Settings(const Pop3Server& s, const QVariant& password = QStringLiteral("secret")) {
    QVariantMap m;
    m.insert("Active", "1");
    m.insert("Server", s.Address());
    m.insert("UserName", "me");
    m.insert("Password", password);
    m.insert("Security", 0);
    m.insert("Type", 0);
    return m;
}

QString Status(DataSrcEmail& src) {
    return src.GetValue("GetMailStatus", {}).toString();
}

} // namespace

class TestDataSrcEmail : public QObject {
    Q_OBJECT
private slots:
    void activeRule_data();
    void activeRule();
    void fetchesOnDemandOnly();
    void entriesFromMails_data();
    void entriesFromMails();
    void entryStoreKeepsNewest64();
    void statusTexts();
    void testConnectParam();
    void testConnectWithoutPrompts();
    void testConnectUntrustedServer();
    void sourceGoesDuringTest();
    void accountSettings();
    void registeredAsBuiltIn();
};

void TestDataSrcEmail::activeRule_data() {
    QTest::addColumn<QVariant>("active");
    QTest::addColumn<bool>("expected");
    QTest::newRow("missing") << QVariant() << false;
    QTest::newRow("0") << QVariant("0") << false;
    QTest::newRow("false") << QVariant("false") << false;
    QTest::newRow("False") << QVariant("False") << true;
    QTest::newRow("empty") << QVariant("") << true;
    QTest::newRow("true bool") << QVariant(true) << true;
}

void TestDataSrcEmail::activeRule() {
    QFETCH(QVariant, active);
    QFETCH(bool, expected);
    Pop3Server s;
    DataSrcEmail src;
    QVariantMap m = Settings(s);
    m.remove("Active");
    if (active.isValid())
        m.insert("Active", active);
    src.SetSettings(m);
    QCOMPARE(src.IsActive(), expected);
    src.GetEntries();
    QCOMPARE(src.DemandCounter(), expected ? 2 : 0);
    QCOMPARE(src.GetName(), QStringLiteral("EMail"));
}

void TestDataSrcEmail::fetchesOnDemandOnly() {
    Pop3Server s;
    s.mails = {Mail(1)};
    DataSrcEmail src;
    src.SetSettings(Settings(s));
    QTest::qWait(50);
    QCOMPARE(s.connections, 0); // never asked, never connects

    QVERIFY(src.GetEntries().isEmpty());
    src.GetEntries(); // a second request in a row schedules no second fetch
    QTRY_COMPARE(Status(src), QStringLiteral("finished successfully"));
    QCOMPARE(s.connections, 1);
    QCOMPARE(src.DemandCounter(), 1);
    QCOMPARE(src.GetEntries().size(), 1);
    QCOMPARE(src.DemandCounter(), 2);

    src.OnTick(); // the two ticks after the last request fetch, then the source rests
    QTRY_COMPARE(s.connections, 2);
    src.OnTick();
    QTRY_COMPARE(s.connections, 3);
    src.OnTick();
    QTest::qWait(50);
    QCOMPARE(s.connections, 3);
    QCOMPARE(src.DemandCounter(), 0);
}

void TestDataSrcEmail::entriesFromMails_data() {
    QTest::addColumn<QString>("openWith");
    QTest::addColumn<QVariant>("link");
    QTest::newRow("program") << "Execute: /usr/bin/mailer" << QVariant("/usr/bin/mailer");
    QTest::newRow("none") << "none" << QVariant();
    QTest::newRow("address") << "https://mail.example.org/" << QVariant("https://mail.example.org/");
    QTest::newRow("unset") << "" << QVariant();
}

void TestDataSrcEmail::entriesFromMails() {
    QFETCH(QString, openWith);
    QFETCH(QVariant, link);
    DataSrcEmail src;
    QVariantMap settings;
    settings.insert("Active", "1");
    settings.insert("OpenWith", openWith);
    src.SetSettings(settings);
    const qint64 date = QDateTime(QDate(2026, 12, 1), QTime(10, 0, 5), Qt::UTC).toMSecsSinceEpoch() + 123;
    QVariantMap mail{{"From", "Anna"}, {"Subject", "Hello"}, {"Text", QString(300, 'x')},
                     {"Id", "<id1>"},  {"Date", date},       {"_idx", 4},
                     {"_cnt", 9}};
    src.OnMail(mail);
    QCOMPARE(Status(src), QStringLiteral("recieve mail (4/9)"));
    const auto entries = src.GetEntries();
    QCOMPARE(entries.size(), 1);
    const qint64 key = entries.firstKey();
    QCOMPARE(key, DataSrcCommon::EntryKey(date, "<id1>"));
    QCOMPARE(key / 1000, date / 1000);
    const QVariantMap e = entries.first();
    QCOMPARE(e.value("title").toString(), QStringLiteral("Anna"));
    QCOMPARE(e.value("text").toString(), "Hello\n" + QString(160, 'x'));
    QCOMPARE(e.value("id").toString(), QStringLiteral("<id1>"));
    QCOMPARE(e.value("time").toLongLong(), key);
    QCOMPARE(e.value("link"), link);

    // The same second and identifier: the later mail replaces the first.
    mail.insert("Subject", "Second");
    src.OnMail(mail);
    QCOMPARE(src.GetEntries().size(), 1);
    QCOMPARE(src.GetEntries().first().value("text").toString().section('\n', 0, 0), QStringLiteral("Second"));

    // Without an identifier the subject keys the entry; without date, subject or sender nothing is stored.
    mail.insert("Id", "");
    src.OnMail(mail);
    QVERIFY(src.GetEntries().contains(DataSrcCommon::EntryKey(date, "Second")));
    for (const char* missing : {"Date", "Subject", "From"}) {
        QVariantMap bad = mail;
        bad.insert("Subject", "other");
        bad.remove(missing);
        src.OnMail(bad);
    }
    QCOMPARE(src.GetEntries().size(), 2);
}

void TestDataSrcEmail::entryStoreKeepsNewest64() {
    DataSrcEmail src;
    src.SetSettings({{"Active", "1"}});
    const qint64 base = QDateTime(QDate(2026, 12, 1), QTime(0, 0), Qt::UTC).toMSecsSinceEpoch();
    for (int i = 0; i < 70; ++i)
        src.OnMail({{"From", "a"}, {"Subject", "s"}, {"Id", QString::number(i)}, {"Date", base + i * 60000}});
    // An old mail arriving last does not push a newer one out.
    src.OnMail({{"From", "a"}, {"Subject", "s"}, {"Id", "old"}, {"Date", base - 60000}});
    const auto entries = src.GetEntries();
    QCOMPARE(entries.size(), 64);
    QCOMPARE(entries.first().value("id").toString(), QStringLiteral("6"));
    QCOMPARE(entries.last().value("id").toString(), QStringLiteral("69"));
}

void TestDataSrcEmail::statusTexts() {
    Pop3Server s;
    s.mails = {Mail(1)};
    DataSrcEmail src;
    QCOMPARE(Status(src), QString());
    src.SetSettings(Settings(s, QVariant::fromValue(CryptString("wrong"))));
    QCOMPARE(src.GetValue("DoTestConnect", {}).toInt(), 0);
    QCOMPARE(Status(src), QStringLiteral("connecting..."));
    QTRY_COMPARE(Status(src), QStringLiteral("error: -ERR [AUTH] nope"));
    QVERIFY(src.GetEntries().isEmpty());

    LogCapture log;
    QCOMPARE(src.GetValue("NoSuchFunction", {}).toInt(), 0);
    QVERIFY(log.Has("DataSrcEmail::GetValue \"NoSuchFunction\""));
}

void TestDataSrcEmail::testConnectParam() {
    // The program's own popups, as program entry installs them.
    PopupPrompts popups;
    UserPrompts::Install(&popups);
    DataSrcEmail src;
    LogCapture log;
    QCOMPARE(src.GetValue("DoTestConnectParam", {"x", 0, 0, "u"}).toInt(), 0);
    QVERIFY(log.Has("DataSrcEmail::GetValue \"DoTestConnectParam\""));
    QCOMPARE(src.GetValue("DoTestConnectParam", {"", 0, 0, "u", "p"}).toInt(), 1);
    QVERIFY(!src.TestPopup());

    // A failing login shows the server's line in the popup and in the status; the test's own connection goes
    // with the popup.
    Pop3Server s;
    QString shown;
    QTimer watch;
    watch.setInterval(10);
    int waited = 0;
    connect(&watch, &QTimer::timeout, [&]() {
        IStatusPopup* p = src.TestPopup();
        if (!p)
            return;
        if (p->Text().startsWith("error: ") || ++waited > 1000) {
            shown = p->Text();
            p->Close();
        }
    });
    watch.start();
    QCOMPARE(src.GetValue("DoTestConnectParam", {s.Address(), 0, 0, "u", "bad"}).toInt(), 0);
    watch.stop();
    QCOMPARE(shown, QStringLiteral("error: -ERR [AUTH] nope"));
    QCOMPARE(Status(src), shown);
    QVERIFY(!src.TestPopup());
    QVERIFY(s.Received("PASS bad"));

    // A good login: the popup ends at "finished successfully".
    shown.clear();
    waited = 0;
    connect(&watch, &QTimer::timeout, [&]() {
        IStatusPopup* p = src.TestPopup();
        if (p && p->Text() == QLatin1String("finished successfully")) {
            shown = p->Text();
            p->Close();
        }
    });
    watch.start();
    src.GetValue("DoTestConnectParam", {s.Address(), 0, 0, "u", "secret"});
    watch.stop();
    QCOMPARE(shown, QStringLiteral("finished successfully"));
    UserPrompts::Install(nullptr);
}

namespace {
// A TLS server on 127.0.0.1 with a self-signed certificate; it says nothing.
class SelfSignedServer : public QTcpServer {
public:
    SelfSignedServer() {
        auto read = [](const char* name) {
            QFile f(QStringLiteral(MERVEX_TEST_SOURCE_DIR "/fixtures/") + QLatin1String(name));
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        };
        m_cert = QSslCertificate(read("selfsigned.crt"));
        m_key = QSslKey(read("selfsigned.key"), QSsl::Ec);
        listen(QHostAddress::LocalHost, 0);
    }

protected:
    void incomingConnection(qintptr handle) override {
        auto* socket = new QSslSocket(this);
        socket->setSocketDescriptor(handle);
        socket->setLocalCertificate(m_cert);
        socket->setPrivateKey(m_key);
        socket->startServerEncryption();
    }

private:
    QSslCertificate m_cert;
    QSslKey m_key;
};
} // namespace

void TestDataSrcEmail::testConnectUntrustedServer() {
    // A server whose certificate nobody vouches for: the test popup names the reason.
    SelfSignedServer tls;
    QVERIFY(tls.isListening());
    PopupPrompts popups;
    UserPrompts::Install(&popups);
    DataSrcEmail src;
    QString shown;
    QTimer watch;
    watch.setInterval(10);
    connect(&watch, &QTimer::timeout, [&]() {
        IStatusPopup* p = src.TestPopup();
        if (p && p->Text().startsWith("error: ")) {
            shown = p->Text();
            p->Close();
        }
    });
    watch.start();
    src.GetValue("DoTestConnectParam", {QStringLiteral("127.0.0.1:%1").arg(tls.serverPort()), 1, 2, "u", "p"});
    watch.stop();
    UserPrompts::Install(nullptr);
    QVERIFY2(shown.startsWith("error: the certificate of 127.0.0.1 is not trusted: "), qPrintable(shown));
}

void TestDataSrcEmail::testConnectWithoutPrompts() {
    // Nothing to show the test in: it is not run, and the log says so once.
    UserPrompts::Install(nullptr);
    Pop3Server s;
    DataSrcEmail src;
    LogCapture log;
    QCOMPARE(src.GetValue("DoTestConnectParam", {s.Address(), 0, 0, "u", "secret"}).toInt(), 0);
    QVERIFY(!src.TestPopup());
    QVERIFY(log.Has("WARN"));
    QVERIFY(log.Has("mail connection tests are not run"));
    QTest::qWait(50);
    QVERIFY(!s.Received("USER u"));
}

void TestDataSrcEmail::sourceGoesDuringTest() {
    // A source deleted while its test popup runs ends the popup and leaves nothing behind.
    PopupPrompts popups;
    UserPrompts::Install(&popups);
    Pop3Server s;
    auto* src = new DataSrcEmail;
    QPointer<DataSrcEmail> watched(src);
    QTimer::singleShot(50, [src]() {
        QVERIFY(src->TestPopup());
        delete src;
    });
    src->GetValue("DoTestConnectParam", {s.Address(), 0, 0, "u", "secret"});
    QVERIFY(!watched);
    UserPrompts::Install(nullptr);
}

void TestDataSrcEmail::accountSettings() {
    // Type other than 0 is IMAP; Security other than 0 or 1 is TLS from the start; the password comes out of its
    // encrypted setting and never reaches the log.
    ScriptedServer imap;
    imap.greeting = "* OK hi\r\n";
    DataSrcEmail src;
    LogCapture log;
    QVariantMap m{{"Active", "1"},    {"Server", imap.Address()},
                  {"UserName", "me"}, {"Password", QVariant::fromValue(CryptString("s3cr3t"))},
                  {"Security", 0},    {"Type", 7}};
    imap.reply = [](QTcpSocket* p, const QByteArray& line) { p->write(line.split(' ').first() + " OK\r\n"); };
    src.SetSettings(m);
    src.GetEntries();
    QTRY_VERIFY(imap.Received("a0 CAPABILITY"));
    QTRY_VERIFY(imap.Received("login \"me\" \"s3cr3t\""));
    for (const QString& l : log.Lines())
        QVERIFY(!l.contains("s3cr3t"));

    ScriptedServer tls;
    m.insert("Server", tls.Address());
    m.insert("Security", 5);
    src.SetSettings(m);
    src.GetEntries();
    // A TLS client hello: a handshake record of TLS 1.x.
    QTRY_VERIFY(tls.raw.startsWith("\x16\x03"));
}

void TestDataSrcEmail::registeredAsBuiltIn() {
    // Listed between the chat sources, with the settings stored under its name, which go back there at close.
    QVariantMap stored{{"EMail", QVariantMap{{"Active", "1"}, {"Server", "mail.example"}}}};
    SetDataSourceSettingsMap(&stored);
    RegisterBuiltInDataSources();
    const QStringList names = GetDataSourceNames(false);
    QCOMPARE(names.indexOf("EMail"), names.indexOf("Skype") + 1);
    QCOMPARE(names.indexOf("EMail") + 1, names.indexOf("Teamspeak"));
    IIncomingDataSource* source = FindPluginByName(GetDataSourceList(), "EMail");
    QVERIFY(qobject_cast<DataSrcEmail*>(source));
    QVERIFY(source->IsActive());
    QCOMPARE(GetDataSourceNames(true), QStringList{"EMail"});
    stored.clear();
    SaveDataSourceSettings();
    DeleteDataSources();
    SetDataSourceSettingsMap(nullptr);
    QCOMPARE(stored.value("EMail").toMap().value("Server").toString(), QStringLiteral("mail.example"));
}

QTEST_MAIN(TestDataSrcEmail)
#include "test_datasrcemail.moc"
