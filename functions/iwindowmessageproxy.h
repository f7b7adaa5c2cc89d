#pragma once
// Receivers of the main window's messages. Programs talk to each other through named window messages; here
// those travel over the in-process message bus (WindowMessageBus), and the messages that reach the main
// window are offered to the registered proxies in registration order.

#include <QByteArray>
#include <QtGlobal>

// One window message: the receiving window, the message id and its two parameters. data carries the bytes
// of a copy-data message; it is empty for every other message.
struct WindowMessage {
    quintptr hwnd = 0;
    quint32 message = 0;
    quintptr wParam = 0;
    qintptr lParam = 0;
    QByteArray data;
};

class IWindowMessageProxy {
public:
    virtual ~IWindowMessageProxy() = default;
    // Offered each message of the main window; answers true when it consumed the message, and may then
    // set *result, the answer a sender of the message receives.
    virtual bool winEvent(const WindowMessage* message, long* result) {
        Q_UNUSED(message);
        Q_UNUSED(result);
        return false;
    }
};
