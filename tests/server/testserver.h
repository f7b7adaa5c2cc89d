#pragma once
// A small server for the tests: a QTcpServer on 127.0.0.1 whose connections run the real HTTP reader,
// replies and WebSocket upgrade. Upgraded sockets answer with a few commands so that outside clients
// can check both directions:
//   text "close"      -> server closes (close frame without status)
//   text "ping"       -> server pings; the client's pong comes back as the message "pong"
//   text "send:N"     -> N pattern bytes as one frame;  "frag:N" -> the same in 1400-byte frames
//   text "same:N"     -> N times 'a' as one frame (compressible)
//   any other text T  -> "T:" + T;   binary B -> "B:" + B   (always binary messages)

#include "server/httpreply.h"
#include "server/httprequestreader.h"
#include "server/qwssocket.h"
#include "server/wshandshake.h"

#include <QHostAddress>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

inline QByteArray PatternBytes(int n) {
    QByteArray b(n, Qt::Uninitialized);
    for (int i = 0; i < n; ++i)
        b[i] = char((i * 7 + i / 256) & 0xFF);
    return b;
}

// No Q_OBJECT: the header is shared by several tests and needs no signals of its own.
class TestServer : public QObject, public IHttpRequestHandler, public IHttpInfoSource {
public:
    QTcpServer listener;
    QMap<quint64, QByteArray> resources; // GetRscData by id (scale ignored)
    QList<double> scalesAsked;
    QList<QPointer<QWsSocket>> sockets;
    QStringList textsReceived;
    int upgradesRefused = 0;

    explicit TestServer(QObject* parent = nullptr) : QObject(parent) {
        connect(&listener, &QTcpServer::newConnection, this, [this] { onNewConnection(); });
    }
    bool listen() { return listener.listen(QHostAddress::LocalHost, 0); }
    quint16 port() const { return listener.serverPort(); }

    QString ComputerName() const override { return QStringLiteral("testpc"); }
    QString OsName() const override { return QStringLiteral("Debian GNU/Linux 12"); }
    QString MachineId() const override { return QStringLiteral("{0123-abcd}"); }
    QByteArray GetRscData(quint64 id, double scale) const override {
        const_cast<TestServer*>(this)->scalesAsked << scale;
        return resources.value(id);
    }

    QByteArray HandleHttpGet(const QString& path, const QMap<QString, QString>& query) override {
        return HttpReply::HandleHttpGet(path, query, *this);
    }

    void DoWebSocketHandshake(QTcpSocket* socket, const QString&, const QMap<QString, QString>&,
                              const QMap<QString, QString>& headers, const QByteArray& pending) override {
        socket->disconnect(this);
        QObject::disconnect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        QWsSocket* ws = WsHandshake::Accept(socket, headers, this, pending);
        if (!ws) {
            ++upgradesRefused;
            return;
        }
        sockets << ws;
        connect(ws, qOverload<QString>(&QWsSocket::frameReceived), this, [this, ws](const QString& t) {
            textsReceived << t;
            if (t == QLatin1String("close")) {
                ws->close();
            } else if (t == QLatin1String("ping")) {
                ws->ping();
            } else if (t.startsWith(QLatin1String("send:"))) {
                const QByteArray b = PatternBytes(t.mid(5).toInt());
                ws->sendMessage(b, b.size() + 32);
            } else if (t.startsWith(QLatin1String("frag:"))) {
                ws->sendMessage(PatternBytes(t.mid(5).toInt()), 0);
            } else if (t.startsWith(QLatin1String("same:"))) {
                const QByteArray b(t.mid(5).toInt(), 'a');
                ws->sendMessage(b, b.size() + 32);
            } else {
                ws->sendMessage("T:" + t.toLatin1(), t.size() + 34);
            }
        });
        connect(ws, qOverload<QByteArray>(&QWsSocket::frameReceived), this,
                [ws](const QByteArray& b) { ws->sendMessage("B:" + b, b.size() + 34); });
        connect(ws, &QWsSocket::pong, this, [ws](quint64) { ws->sendMessage("pong", 36); });
        connect(ws, &QWsSocket::disconnected, ws, &QObject::deleteLater);
    }

private:
    void onNewConnection() {
        while (QTcpSocket* s = listener.nextPendingConnection()) {
            connect(s, &QTcpSocket::readyRead, this, [this, s] { HttpRequestReader::ServeSocket(s, this); });
            connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
        }
    }
};
