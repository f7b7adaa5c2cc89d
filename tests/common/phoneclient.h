#pragma once
// A phone for tests of the wired program: the server tests' phone, speaking the phone's Connect and reading
// the JSON of the replies.

#include "tests/server/netfakes.h"

#include <QJsonDocument>
#include <QJsonObject>

class PhoneClient : public FakePhone {
public:
    explicit PhoneClient(quint16 port) : FakePhone(port) {}
    // The phone's Connect as it sends it.
    void SendConnect(const QString& name, const QString& key) {
        Send(QStringLiteral("Connect?n=%1&t=%2&d=Test%20phone&v=0.45&hb=5").arg(name, key));
    }
    // The JSON after the request a reply repeats.
    static QJsonObject JsonOf(const QByteArray& reply) {
        return QJsonDocument::fromJson(reply.mid(reply.indexOf('\0') + 1)).object();
    }
};
