#pragma once
// The state of one phone session, attached to its WebSocket and destroyed with it.

#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantMap>

class QWsSocket;
class INetGridView;
class INetOverlayView;

class WebSocketUD {
public:
    WebSocketUD(QWsSocket* socket, quint64 sessionId);
    ~WebSocketUD();
    WebSocketUD(const WebSocketUD&) = delete;
    WebSocketUD& operator=(const WebSocketUD&) = delete;

    // Drops every built view (deleted later: a script of theirs may be on the stack) and asks for the tab
    // list again. The view index, the sent script sources and the running programs stay.
    void ResetViews();
    // The view at the view index; none when there is no such entry or the socket is gone.
    INetGridView* CurrentView() const;

    // Hangs the record on its socket; it is destroyed together with the socket.
    static void Attach(QObject* socket, WebSocketUD* record);
    // The record attached to a socket, or none.
    static WebSocketUD* Of(const QObject* socket);

    QWsSocket* socket;
    quint64 sessionId;
    INetOverlayView* overlay = nullptr;
    QList<INetGridView*> views;
    QVariantMap sentScripts; // "function <name>" -> source already shipped to the phone
    QStringList runningPrograms;
    int viewIndex = -1;
    bool overlayShown = false;
    int editorChangeSeen = 0;
    bool tabsDirty = true;
    bool closed = false;
    int inFlight = 0;
    bool connected = false;
    // A Connect is waiting for the user's pairing answer; further Connects are ignored meanwhile. The
    // request is kept, as its reply repeats it.
    bool pairingPending = false;
    QByteArray connectRequest;
    double hb = 5;
    QString n, t, d, v;
    // The peer's address (an IPv4 address in IPv6 form as IPv4): one host holds one pairing place.
    QHostAddress host;
    // Pinged for silence, no frame since.
    bool heartbeatPinged = false;
};

// Raises a session's handler count for the lifetime of a message handler.
class SessionInFlight {
public:
    explicit SessionInFlight(WebSocketUD* ud) : m_ud(ud) { ++m_ud->inFlight; }
    ~SessionInFlight() { --m_ud->inFlight; }
    SessionInFlight(const SessionInFlight&) = delete;
    SessionInFlight& operator=(const SessionInFlight&) = delete;

private:
    WebSocketUD* m_ud;
};
