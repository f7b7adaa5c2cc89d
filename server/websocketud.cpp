#include "server/websocketud.h"

#include "server/netservices.h"

WebSocketUD::WebSocketUD(QWsSocket* socket, quint64 sessionId) : socket(socket), sessionId(sessionId) {}

WebSocketUD::~WebSocketUD() {
    ResetViews();
}

void WebSocketUD::ResetViews() {
    for (INetGridView* view : views) {
        if (view)
            view->DeleteLater();
    }
    views.clear();
    if (overlay) {
        overlay->DeleteLater();
        overlay = nullptr;
    }
    overlayShown = false;
    tabsDirty = true;
}

INetGridView* WebSocketUD::CurrentView() const {
    if (viewIndex < 0 || viewIndex >= views.size() || !socket)
        return nullptr;
    return views.at(viewIndex);
}

namespace {
const char kRecordProperty[] = "mervexSession";
}

void WebSocketUD::Attach(QObject* socket, WebSocketUD* record) {
    socket->setProperty(kRecordProperty, QVariant::fromValue(static_cast<void*>(record)));
    // Connected without a receiver so it also fires while the server itself is being destroyed.
    QObject::connect(socket, &QObject::destroyed, [record]() { delete record; });
}

WebSocketUD* WebSocketUD::Of(const QObject* socket) {
    return socket ? static_cast<WebSocketUD*>(socket->property(kRecordProperty).value<void*>()) : nullptr;
}
