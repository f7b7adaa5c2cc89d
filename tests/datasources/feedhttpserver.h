#pragma once
// A small HTTP server on 127.0.0.1 for the news-feed tests: each path answers with a fixed reply, a stalled
// reply that never ends, or an endless body; the requests of each path are counted.

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QPair>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

class FeedHttpServer : public QObject {

public:
    enum Mode { Normal, Stall, Endless };
    struct Route {
        int status = 200;
        QByteArray body;
        QList<QPair<QByteArray, QByteArray>> headers;
        Mode mode = Normal;
    };

    FeedHttpServer() {
        connect(&mServer, &QTcpServer::newConnection, this, &FeedHttpServer::OnNewConnection);
        mServer.listen(QHostAddress::LocalHost, 0);
    }

    QString Url(const QString& path) const {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(mServer.serverPort()).arg(path);
    }
    void SetRoute(const QByteArray& path, const Route& route) { mRoutes.insert(path, route); }
    void SetBody(const QByteArray& path, const QByteArray& body, const QByteArray& type = "application/rss+xml") {
        Route r;
        r.body = body;
        r.headers.append(qMakePair(QByteArray("Content-Type"), type));
        mRoutes.insert(path, r);
    }
    int Hits(const QByteArray& path) const { return mHits.value(path); }
    int TotalHits() const {
        int n = 0;
        for (int h : mHits)
            n += h;
        return n;
    }
    qint64 EndlessBytesSent() const { return mEndlessSent; }
    int OpenSockets() const {
        int n = 0;
        for (const QPointer<QTcpSocket>& s : mSockets)
            n += s && s->state() == QAbstractSocket::ConnectedState ? 1 : 0;
        return n;
    }

private:
    void OnNewConnection() {
        while (QTcpSocket* socket = mServer.nextPendingConnection()) {
            mSockets.append(socket);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket]() { OnRead(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    }

private:
    void OnRead(QTcpSocket* socket) {
        QByteArray& buffer = mBuffers[socket];
        buffer += socket->readAll();
        const int end = buffer.indexOf("\r\n\r\n");
        if (end < 0)
            return;
        const QList<QByteArray> words = buffer.left(buffer.indexOf("\r\n")).split(' ');
        buffer.clear();
        const QByteArray path = words.value(1);
        ++mHits[path];
        if (!mRoutes.contains(path)) {
            Send(socket, 404, "not here", {});
            return;
        }
        const Route route = mRoutes.value(path);
        if (route.mode == Stall)
            return;
        if (route.mode == Endless) {
            socket->write("HTTP/1.1 200 OK\r\nContent-Type: application/rss+xml\r\nConnection: close\r\n\r\n");
            connect(socket, &QTcpSocket::bytesWritten, this, [this, socket]() {
                if (socket->bytesToWrite() < 65536 && mEndlessSent < qint64(256) * 1024 * 1024) {
                    const QByteArray chunk(65536, 'x');
                    mEndlessSent += socket->write(chunk);
                }
            });
            mEndlessSent += socket->write("<rss><channel><title>");
            return;
        }
        Send(socket, route.status, route.body, route.headers);
    }

    void Send(QTcpSocket* socket, int status, const QByteArray& body,
              const QList<QPair<QByteArray, QByteArray>>& headers) {
        QByteArray out = "HTTP/1.1 " + QByteArray::number(status) + " X\r\n";
        for (const auto& h : headers)
            out += h.first + ": " + h.second + "\r\n";
        out += "Content-Length: " + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
        socket->write(out);
        socket->disconnectFromHost();
    }

    QTcpServer mServer;
    QHash<QByteArray, Route> mRoutes;
    QHash<QByteArray, int> mHits;
    QHash<QTcpSocket*, QByteArray> mBuffers;
    QList<QPointer<QTcpSocket>> mSockets;
    qint64 mEndlessSent = 0;
};
