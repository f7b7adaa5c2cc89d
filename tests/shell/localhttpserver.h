#pragma once
// A tiny HTTP/1.0 server on 127.0.0.1 for the update and support tests: one canned answer per path.

#include <QHash>
#include <QPointer>
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
        QByteArray body;
        int status = 200;
        Mode mode = Whole;
    };

    LocalHttpServer() {
        listen(QHostAddress::LocalHost, 0);
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* s = nextPendingConnection())
                connect(s, &QTcpSocket::readyRead, this, [this, s] { OnRead(s); });
        });
    }

    QString Origin() const { return QStringLiteral("127.0.0.1:%1").arg(serverPort()); }
    QString Url(const QString& path) const { return QStringLiteral("http://") + Origin() + path; }
    void Set(const QString& path, const Answer& a) { answers[path] = a; }

    QByteArray lastUserAgent;
    QString lastPath;
    int requests = 0;

private:
    void OnRead(QTcpSocket* s) {
        QByteArray& buf = pending[s];
        buf += s->readAll();
        if (!buf.contains("\r\n\r\n"))
            return;
        const QList<QByteArray> lines = buf.split('\n');
        const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
        lastPath = QString::fromLatin1(first.value(1));
        for (const QByteArray& l : lines)
            if (l.toLower().startsWith("user-agent:"))
                lastUserAgent = l.mid(11).trimmed();
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

    QHash<QString, Answer> answers;
    QHash<QTcpSocket*, QByteArray> pending;
};
