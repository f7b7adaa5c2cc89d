#pragma once
// A tiny HTTP/1.0 server on 127.0.0.1 for the update, support and account tests: one canned answer per path,
// plain or over TLS with the test authority's certificate (tests/shell/tls/). It records the last request.

#include <QFile>
#include <QHash>
#include <QPointer>
#include <QSslCertificate>
#include <QSslKey>
#include <QSslSocket>
#include <QTcpServer>
#include <QTcpSocket>

class LocalHttpServer : public QTcpServer {
public:
    enum Mode {
        Whole,    // status line, headers, the whole body, close
        Stall,    // headers with Content-Length, then nothing
        CutShort, // announces the body's size, sends half of it, closes
        Endless,  // no Content-Length; streams data until the client goes
    };
    struct Answer {
        // Any trailing members may be left out.
        Answer(const QByteArray& body = QByteArray(), int status = 200, Mode mode = Whole,
               const QList<QByteArray>& headers = QList<QByteArray>())
            : body(body), status(status), mode(mode), headers(headers) {}
        QByteArray body;
        int status = 200;
        Mode mode = Whole;
        // Further header lines, e.g. "Set-Cookie: a=b" or "Content-Type: text/html".
        QList<QByteArray> headers;
    };
    enum Tls {
        Plain,
        Trusted,  // a certificate for 127.0.0.1 from the test authority (tls/ca.pem)
        Stranger, // a self-signed certificate for 127.0.0.1 that nobody trusts
    };

    explicit LocalHttpServer(Tls tls = Plain) : tls(tls) {
        if (tls != Plain) {
            const QString base = QStringLiteral(MERVEX_TEST_SOURCE_DIR "/tls/") +
                                 (tls == Trusted ? QStringLiteral("server") : QStringLiteral("stranger"));
            QFile certFile(base + QStringLiteral(".pem"));
            QFile keyFile(base + QStringLiteral(".key"));
            if (certFile.open(QIODevice::ReadOnly) && keyFile.open(QIODevice::ReadOnly)) {
                certificate = QSslCertificate(&certFile, QSsl::Pem);
                key = QSslKey(&keyFile, QSsl::Rsa, QSsl::Pem);
            }
        }
        listen(QHostAddress::LocalHost, 0);
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* s = nextPendingConnection())
                connect(s, &QTcpSocket::readyRead, this, [this, s] { OnRead(s); });
        });
    }

    // The authority file that makes a Trusted server's certificate verify.
    static QString AuthorityFile() { return QStringLiteral(MERVEX_TEST_SOURCE_DIR "/tls/ca.pem"); }

    QString Origin() const { return QStringLiteral("127.0.0.1:%1").arg(serverPort()); }
    QString Url(const QString& path) const {
        return (tls == Plain ? QStringLiteral("http://") : QStringLiteral("https://")) + Origin() + path;
    }
    void Set(const QString& path, const Answer& a) { answers[path] = a; }

    QByteArray lastUserAgent;
    QByteArray lastMethod;
    QByteArray lastBody;
    QList<QByteArray> lastHeaders;
    QString lastPath;
    int requests = 0;

protected:
    void incomingConnection(qintptr descriptor) override {
        if (tls == Plain) {
            QTcpServer::incomingConnection(descriptor);
            return;
        }
        auto* s = new QSslSocket(this);
        if (!s->setSocketDescriptor(descriptor)) {
            delete s;
            return;
        }
        s->setLocalCertificate(certificate);
        s->setPrivateKey(key);
        s->setPeerVerifyMode(QSslSocket::VerifyNone);
        addPendingConnection(s);
        s->startServerEncryption();
    }

private:
    void OnRead(QTcpSocket* s) {
        QByteArray& buf = pending[s];
        buf += s->readAll();
        const int headEnd = buf.indexOf("\r\n\r\n");
        if (headEnd < 0)
            return;
        const QList<QByteArray> lines = buf.left(headEnd).split('\n');
        qint64 length = 0;
        QList<QByteArray> headers;
        QByteArray agent;
        for (int i = 1; i < lines.size(); ++i) {
            const QByteArray l = lines.at(i).trimmed();
            headers << l;
            if (l.toLower().startsWith("user-agent:"))
                agent = l.mid(11).trimmed();
            if (l.toLower().startsWith("content-length:"))
                length = l.mid(15).trimmed().toLongLong();
        }
        if (buf.size() - headEnd - 4 < length)
            return; // the body is still coming
        const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
        lastMethod = first.value(0);
        lastPath = QString::fromLatin1(first.value(1));
        lastBody = buf.mid(headEnd + 4, int(length));
        lastHeaders = headers;
        lastUserAgent = agent;
        pending.remove(s);
        ++requests;
        const QString path = lastPath.section(QLatin1Char('?'), 0, 0);
        if (!answers.contains(path)) {
            s->write("HTTP/1.0 404 Not Found\r\nContent-Length: 9\r\n\r\nnot found");
            s->disconnectFromHost();
            return;
        }
        const Answer a = answers.value(path);
        QByteArray head = "HTTP/1.0 " + QByteArray::number(a.status) + " X\r\n";
        if (a.mode != Endless)
            head += "Content-Length: " + QByteArray::number(a.body.size()) + "\r\n";
        for (const QByteArray& h : a.headers)
            head += h + "\r\n";
        head += "\r\n";
        s->write(head);
        switch (a.mode) {
        case Whole:
            s->write(a.body);
            s->disconnectFromHost();
            break;
        case Stall:
            break;
        case CutShort:
            s->write(a.body.left(a.body.size() / 2));
            s->flush();
            s->disconnectFromHost();
            break;
        case Endless: {
            QPointer<QTcpSocket> guard(s);
            const QByteArray chunk(64 * 1024, 'x');
            auto pump = [guard, chunk] {
                if (guard && guard->state() == QAbstractSocket::ConnectedState && guard->bytesToWrite() < 1024 * 1024)
                    guard->write(chunk);
            };
            pump();
            connect(s, &QTcpSocket::bytesWritten, s, pump);
            break;
        }
        }
    }

    Tls tls;
    QSslCertificate certificate;
    QSslKey key;
    QHash<QString, Answer> answers;
    QHash<QTcpSocket*, QByteArray> pending;
};
