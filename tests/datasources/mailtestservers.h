#pragma once
// Mail servers for the mail tests, on 127.0.0.1 and free ports: a private Dovecot (own configuration, passwd-file
// users, Maildir and a certificate of its own test authority under a temporary folder, run as the test's own child
// process) and a scripted fake server for replies no real server gives.

#include "foundation/logger/QsLog.h"
#include "tests/common/logcapture.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <grp.h>
#include <pwd.h>
#include <unistd.h>

inline quint16 FreeLocalPort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

class DovecotServer {
public:
    quint16 imap = 0, imaps = 0, pop3 = 0, pop3s = 0;
    QString error;
    QString caFile; // the authority that signed the servers' certificate

    ~DovecotServer() { Stop(); }

    // One mail per entry, stored in this order (the servers number them the same way).
    bool Start(const QString& user, const QString& password, const QList<QByteArray>& mails) {
        const QString dovecot = QStandardPaths::findExecutable(QStringLiteral("dovecot"), {"/usr/sbin", "/usr/bin"});
        if (dovecot.isEmpty() || !m_dir.isValid()) {
            error = QStringLiteral("dovecot is not installed");
            return false;
        }
        const QString d = m_dir.path();
        // Dovecot walks up the path as its unprivileged users; the temporary folder is private by default.
        QFile::setPermissions(d, QFile::permissions(d) | QFile::ExeOther | QFile::ExeGroup | QFile::ReadOther |
                                     QFile::ReadGroup);
        QDir(d).mkpath(QStringLiteral("run"));
        const QString maildir = d + QStringLiteral("/home/") + user + QStringLiteral("/Maildir");
        for (const char* sub : {"cur", "new", "tmp"})
            QDir().mkpath(maildir + QLatin1Char('/') + QLatin1String(sub));
        for (int i = 0; i < mails.size(); ++i) {
            QFile f(QStringLiteral("%1/cur/%2.M%3P1.test:2,").arg(maildir).arg(1700000000 + i).arg(i));
            if (!f.open(QIODevice::WriteOnly))
                return false;
            f.write(mails.at(i));
        }
        // A test authority (caFile, for the client to trust) signs the server's certificate for 127.0.0.1.
        const QList<QStringList> steps{
            {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-subj", "/CN=Mervex Test CA", "-days", "2", "-keyout",
             d + "/ca.key", "-out", d + "/ca.pem", "-addext", "basicConstraints=critical,CA:TRUE", "-addext",
             "keyUsage=critical,keyCertSign,cRLSign"},
            {"req", "-newkey", "rsa:2048", "-nodes", "-subj", "/CN=localhost", "-keyout", d + "/key.pem", "-out",
             d + "/req.csr", "-addext", "subjectAltName=DNS:localhost,IP:127.0.0.1"},
            {"x509", "-req", "-in", d + "/req.csr", "-CA", d + "/ca.pem", "-CAkey", d + "/ca.key", "-CAcreateserial",
             "-days", "2", "-copy_extensions", "copy", "-out", d + "/cert.pem"}};
        for (const QStringList& step : steps) {
            QProcess openssl;
            openssl.setProcessChannelMode(QProcess::MergedChannels);
            openssl.start(QStringLiteral("openssl"), step);
            if (!openssl.waitForFinished(60000) || openssl.exitCode() != 0) {
                error = QStringLiteral("openssl could not make a certificate: ") + openssl.readAll();
                return false;
            }
        }
        caFile = d + QStringLiteral("/ca.pem");
        QFile pw(d + QStringLiteral("/passwd"));
        pw.open(QIODevice::WriteOnly);
        pw.write(QStringLiteral("%1:{PLAIN}%2\n").arg(user, password).toUtf8());
        pw.close();

        // As root, Dovecot's own users run the login side and own the mail; otherwise everything runs as us.
        uid_t mailUid = getuid();
        gid_t mailGid = getgid();
        QString loginUser, internalUser, internalGroup;
        if (getuid() == 0) {
            const passwd* dv = getpwnam("dovecot");
            if (!dv || !getpwnam("dovenull")) {
                error = QStringLiteral("the dovecot users are missing");
                return false;
            }
            mailUid = dv->pw_uid;
            mailGid = dv->pw_gid;
            loginUser = QStringLiteral("dovenull");
            internalUser = QStringLiteral("dovecot");
            internalGroup = QStringLiteral("dovecot");
            QProcess::execute(QStringLiteral("chown"),
                              {"-R", QStringLiteral("%1:%2").arg(mailUid).arg(mailGid), d + "/home"});
        } else {
            const passwd* me = getpwuid(getuid());
            const group* g = getgrgid(getgid());
            loginUser = internalUser = QString::fromLocal8Bit(me ? me->pw_name : "nobody");
            internalGroup = QString::fromLocal8Bit(g ? g->gr_name : "nogroup");
        }
        imap = FreeLocalPort();
        imaps = FreeLocalPort();
        pop3 = FreeLocalPort();
        pop3s = FreeLocalPort();
        QFile conf(d + QStringLiteral("/dovecot.conf"));
        conf.open(QIODevice::WriteOnly);
        conf.write(
            QStringLiteral("base_dir = %1/run\nstate_dir = %1/run\nlog_path = %1/log.txt\nprotocols = imap pop3\n"
                           "listen = 127.0.0.1\ndisable_plaintext_auth = no\nauth_mechanisms = plain\n"
                           "auth_failure_delay = 0\nssl = yes\nssl_cert = <%1/cert.pem\nssl_key = <%1/key.pem\n"
                           "mail_location = maildir:~/Maildir\ndefault_internal_user = %2\ndefault_login_user = %3\n"
                           "default_internal_group = %4\nfirst_valid_uid = 1\nfirst_valid_gid = 1\n"
                           "passdb {\n  driver = passwd-file\n  args = scheme=PLAIN username_format=%u %1/passwd\n}\n"
                           "userdb {\n  driver = static\n  args = uid=%5 gid=%6 home=%1/home/%u\n}\n"
                           "service imap-login {\n  inet_listener imap {\n    port = %7\n  }\n"
                           "  inet_listener imaps {\n    port = %8\n    ssl = yes\n  }\n}\n"
                           "service pop3-login {\n  inet_listener pop3 {\n    port = %9\n  }\n"
                           "  inet_listener pop3s {\n    port = %10\n    ssl = yes\n  }\n}\n")
                .arg(d, internalUser, loginUser, internalGroup)
                .arg(mailUid)
                .arg(mailGid)
                .arg(imap)
                .arg(imaps)
                .arg(pop3)
                .arg(pop3s)
                .toUtf8());
        conf.write("pop3_uidl_format = %08Xu%08Xv\n");
        conf.close();
        m_proc.setProcessChannelMode(QProcess::MergedChannels);
        m_proc.start(dovecot, {"-F", "-c", d + "/dovecot.conf"});
        if (!m_proc.waitForStarted(5000)) {
            error = QStringLiteral("dovecot did not start");
            return false;
        }
        // Ready once every listener accepts and the POP3 side greets (auth process up).
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 15000) {
            if (m_proc.state() != QProcess::Running)
                break;
            if (Greets(pop3, "+OK Dovecot") && Greets(imap, "* OK [CAPABILITY"))
                return true;
            QTest::qWait(100);
        }
        error = QStringLiteral("dovecot is not answering: ") + QString::fromLocal8Bit(m_proc.readAll()) + Log();
        return false;
    }

    void Stop() {
        if (m_proc.state() == QProcess::NotRunning)
            return;
        m_proc.terminate();
        if (!m_proc.waitForFinished(10000)) {
            m_proc.kill();
            m_proc.waitForFinished(5000);
        }
    }

    QString Log() const {
        QFile f(m_dir.path() + QStringLiteral("/log.txt"));
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }

private:
    static bool Greets(quint16 port, const char* greeting) {
        QTcpSocket s;
        s.connectToHost(QHostAddress::LocalHost, port);
        if (!s.waitForConnected(1000))
            return false;
        QByteArray got;
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 3000 && !got.contains(greeting) && s.waitForReadyRead(500))
            got += s.readAll();
        return got.contains(greeting);
    }

    QTemporaryDir m_dir;
    QProcess m_proc;
};

// A fake server that answers each received line through a script; it keeps every line it received.
class ScriptedServer : public QObject {
public:
    using Reply = std::function<void(QTcpSocket* peer, const QByteArray& line)>;

    QByteArray greeting;
    Reply reply;
    QList<QByteArray> received;
    QByteArray raw; // every byte received, lines or not
    int connections = 0;

    ScriptedServer() {
        m_server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&m_server, &QTcpServer::newConnection, this, [this]() {
            while (QTcpSocket* peer = m_server.nextPendingConnection()) {
                ++connections;
                QObject::connect(peer, &QTcpSocket::readyRead, peer, [this, peer]() {
                    const QByteArray data = peer->readAll();
                    raw += data;
                    QByteArray& pending = m_pending[peer];
                    pending += data;
                    int nl;
                    while ((nl = pending.indexOf('\n')) >= 0) {
                        const QByteArray line = pending.left(nl + 1);
                        pending.remove(0, nl + 1);
                        received << line;
                        if (reply)
                            reply(peer, line.trimmed());
                    }
                });
                if (!greeting.isEmpty())
                    peer->write(greeting);
            }
        });
    }
    quint16 Port() const { return m_server.serverPort(); }
    QString Address() const { return QStringLiteral("127.0.0.1:%1").arg(Port()); }
    bool Received(const QByteArray& part) const {
        for (const QByteArray& l : received)
            if (l.contains(part))
                return true;
        return false;
    }

private:
    QTcpServer m_server;
    QHash<QTcpSocket*, QByteArray> m_pending;
};
