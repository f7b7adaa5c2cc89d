#pragma once
// A small HTTP server on 127.0.0.1 that plays a social service in the tests: each path (without its query)
// answers with a fixed reply; every request is recorded with its method, target, headers and body.

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMap>
#include <QPair>
#include <QTcpServer>
#include <QTcpSocket>

class SocialHttpServer : public QObject {
public:
    struct Reply {
        int status = 200;
        QByteArray body;
        QList<QPair<QByteArray, QByteArray>> headers;
        // A declared length far above the body's: the client sees a huge reply coming.
        qint64 declaredLength = -1;
    };
    struct Request {
        QByteArray method;
        QByteArray target;                    // path and query as sent
        QByteArray path;                      // without the query
        QMap<QByteArray, QByteArray> headers; // names in lower case
        QByteArray body;
    };

    SocialHttpServer() {
        connect(&mServer, &QTcpServer::newConnection, this, [this]() {
            while (QTcpSocket* socket = mServer.nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, this, [this, socket]() { OnRead(socket); });
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
        mServer.listen(QHostAddress::LocalHost, 0);
    }

    QString Origin() const { return QStringLiteral("http://127.0.0.1:%1").arg(mServer.serverPort()); }
    void SetReply(const QByteArray& path, const Reply& reply) { mReplies.insert(path, reply); }
    void SetReply(const QByteArray& path, int status, const QByteArray& body,
                  const QByteArray& type = "application/json") {
        Reply r;
        r.status = status;
        r.body = body;
        r.headers.append(qMakePair(QByteArray("Content-Type"), type));
        mReplies.insert(path, r);
    }
    void SetRedirect(const QByteArray& path, const QByteArray& location) {
        Reply r;
        r.status = 302;
        r.headers.append(qMakePair(QByteArray("Location"), location));
        mReplies.insert(path, r);
    }
    QList<Request> Requests(const QByteArray& path) const {
        QList<Request> out;
        for (const Request& r : mRequests)
            if (r.path == path)
                out.append(r);
        return out;
    }
    int Hits(const QByteArray& path) const { return Requests(path).size(); }
    void Clear() { mRequests.clear(); }

private:
    void OnRead(QTcpSocket* socket) {
        QByteArray& buffer = mBuffers[socket];
        buffer += socket->readAll();
        const int end = buffer.indexOf("\r\n\r\n");
        if (end < 0)
            return;
        Request request;
        const QList<QByteArray> lines = buffer.left(end).split('\n');
        const QList<QByteArray> words = lines.value(0).trimmed().split(' ');
        request.method = words.value(0);
        request.target = words.value(1);
        const int q = request.target.indexOf('?');
        request.path = q < 0 ? request.target : request.target.left(q);
        for (int i = 1; i < lines.size(); ++i) {
            const int colon = lines.at(i).indexOf(':');
            if (colon > 0)
                request.headers.insert(lines.at(i).left(colon).trimmed().toLower(),
                                       lines.at(i).mid(colon + 1).trimmed());
        }
        const int length = request.headers.value("content-length").toInt();
        if (buffer.size() < end + 4 + length)
            return;
        request.body = buffer.mid(end + 4, length);
        buffer.clear();
        mRequests.append(request);

        const Reply reply = mReplies.value(request.path, Reply{404, "not here", {}, -1});
        QByteArray out = "HTTP/1.1 " + QByteArray::number(reply.status) + " X\r\n";
        for (const auto& h : reply.headers)
            out += h.first + ": " + h.second + "\r\n";
        const qint64 sent = reply.declaredLength >= 0 ? reply.declaredLength : reply.body.size();
        out += "Content-Length: " + QByteArray::number(sent) + "\r\nConnection: close\r\n\r\n" + reply.body;
        socket->write(out);
        if (reply.declaredLength < 0)
            socket->disconnectFromHost();
    }

    QTcpServer mServer;
    QHash<QByteArray, Reply> mReplies;
    QHash<QTcpSocket*, QByteArray> mBuffers;
    QList<Request> mRequests;
};
