#pragma once
// A scripted stand-in for the chat program's query interface on 127.0.0.1: it greets like the real one,
// records every command line, answers the commands it has a reply for and ends each answer with the status
// line, and sends notifications when the test says so.

#include <QHash>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>

class FakeClientQuery : public QObject {
    // No meta-object: connections are made to member functions and lambdas.
public:
    static QByteArray Banner() {
        return "TS3 Client\n\rWelcome to the TeamSpeak 3 ClientQuery interface, type \"help\" for a list of "
               "commands and \"help <command>\" for information on a specific command.\n\r";
    }

    FakeClientQuery() { connect(&server, &QTcpServer::newConnection, this, &FakeClientQuery::OnNewConnection); }
    bool Listen(quint16 port = 0) { return server.listen(QHostAddress(QStringLiteral("127.0.0.1")), port); }
    quint16 Port() const { return server.serverPort(); }

    // Sends raw bytes to the connected client.
    void Send(const QByteArray& bytes) {
        if (peer)
            peer->write(bytes);
    }
    // One line in the interface's own ending.
    void SendLine(const QString& line) { Send(line.toUtf8() + "\n\r"); }
    void DropPeer() {
        if (peer)
            peer->disconnectFromHost();
    }
    int CountCommands(const QString& prefix) const {
        int n = 0;
        for (const QString& c : commands)
            n += c.startsWith(prefix) ? 1 : 0;
        return n;
    }

    QTcpServer server;
    QTcpSocket* peer = nullptr;
    QStringList commands;
    int connections = 0;
    // Whether a new connection is greeted, and with which handler selection.
    bool greet = true;
    bool answer = true;
    QString selectedOnGreeting = QStringLiteral("selected schandlerid=1");
    // Command (first word) -> answer lines sent before the status line.
    QHash<QString, QStringList> replies;

private:
    void OnNewConnection() {
        while (QTcpSocket* s = server.nextPendingConnection()) {
            ++connections;
            peer = s;
            connect(s, &QTcpSocket::readyRead, this, [this, s]() { OnRead(s); });
            connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
            connect(s, &QObject::destroyed, this, [this, s]() {
                if (peer == s)
                    peer = nullptr;
            });
            if (greet) {
                s->write(Banner());
                if (!selectedOnGreeting.isEmpty())
                    s->write(selectedOnGreeting.toUtf8() + "\n\r");
            }
        }
    }
    void OnRead(QTcpSocket* s) {
        while (s->canReadLine()) {
            QByteArray line = s->readLine();
            line.chop(1);
            const QString cmd = QString::fromUtf8(line);
            commands << cmd;
            if (!answer)
                continue;
            const QString word = cmd.section(QLatin1Char(' '), 0, 0);
            for (const QString& r : replies.value(word))
                s->write(r.toUtf8() + "\n\r");
            s->write("error id=0 msg=ok\n\r");
        }
    }
};
