#pragma once
// A phone for tests of the wired program: a WebSocket client on the loopback address that keeps every
// message it receives and speaks the phone's texts.

#include <QEventLoop>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>
#include <QWebSocket>

class PhoneClient : public QObject {
public:
    explicit PhoneClient(quint16 port) {
        connect(&socket, &QWebSocket::binaryMessageReceived, this, [this](const QByteArray& m) { received << m; });
        connect(&socket, &QWebSocket::textMessageReceived, this, [this](const QString& m) { received << m.toUtf8(); });
        socket.open(QUrl(QStringLiteral("ws://127.0.0.1:%1/").arg(port)));
    }
    bool WaitConnected() {
        for (int i = 0; i < 500 && socket.state() != QAbstractSocket::ConnectedState; ++i)
            Spin();
        return socket.state() == QAbstractSocket::ConnectedState;
    }
    void Send(const QString& text) { socket.sendTextMessage(text); }
    // The phone's Connect as it sends it.
    void SendConnect(const QString& name, const QString& key) {
        Send(QStringLiteral("Connect?n=%1&t=%2&d=Test%20phone&v=0.45&hb=5").arg(name, key));
    }
    // Waits (bounded) until a message starting with prefix arrived from index fromIndex on; returns it or empty.
    QByteArray WaitFor(const QByteArray& prefix, int fromIndex = 0, int ms = 5000) {
        for (int waited = 0; waited <= ms; waited += 10) {
            for (int j = fromIndex; j < received.size(); ++j) {
                if (received.at(j).startsWith(prefix))
                    return received.at(j);
            }
            Spin();
        }
        return QByteArray();
    }
    int Count(const QByteArray& prefix) const {
        int n = 0;
        for (const QByteArray& m : received)
            n += m.startsWith(prefix) ? 1 : 0;
        return n;
    }
    // The JSON after the request a reply repeats.
    static QJsonObject JsonOf(const QByteArray& reply) {
        return QJsonDocument::fromJson(reply.mid(reply.indexOf('\0') + 1)).object();
    }
    static void Spin() {
        QEventLoop loop;
        QTimer::singleShot(10, &loop, &QEventLoop::quit);
        loop.exec();
    }

    QWebSocket socket;
    QList<QByteArray> received;
};
