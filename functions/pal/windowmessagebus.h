#pragma once
// The window messages exchanged with other programs (the light-control link, chat clients, the keyboard
// capture) travel over this one in-process bus, under their own names, so the logic on both ends runs as it
// would between windows and a test can play the other program.
//
// Windows are handles with a handler. Message names are registered into ids (the same name always gives
// the same id). Posting queues the message for the event loop; sending calls the handler at once. The
// handle kBroadcast reaches every window. Messages to the main window are offered to the registered
// IWindowMessageProxy objects in order. Any thread may post; handlers run on the bus's (main) thread, so
// SendMessage, which calls them at once, is for the main thread only.

#include "functions/iwindowmessageproxy.h"

#include <QHash>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QString>

#include <functional>

class WindowMessageBus : public QObject {
    Q_OBJECT
public:
    // The handle that addresses every window at once.
    static constexpr quintptr kBroadcast = 0xFFFF;
    // Posted messages that may wait at one time; a post beyond it fails, as a full message queue does.
    static constexpr int kMaxPending = 10000;

    // Answers whether the window consumed the message; may set *result.
    using Handler = std::function<bool(const WindowMessage& message, qintptr* result)>;

    static WindowMessageBus& Instance();

    // The id of a message name, registered on first use; ids start at 0xC000. An empty name gives 0.
    quint32 RegisterMessage(const QString& name);

    // A new window receiving its messages through handler; never 0 nor kBroadcast.
    quintptr CreateWindow(const Handler& handler);
    void DestroyWindow(quintptr hwnd);
    bool IsWindow(quintptr hwnd) const;

    // Queues the message for hwnd (or every window for kBroadcast). False for an unknown window or a full
    // queue. A window that is gone when the message is due does not get it.
    bool PostMessage(quintptr hwnd, quint32 message, quintptr wParam, qintptr lParam);
    // Delivers the message at once and answers the handler's result (0 for an unknown window; for a
    // broadcast, 0 after every window had it).
    qintptr SendMessage(quintptr hwnd, quint32 message, quintptr wParam, qintptr lParam,
                        const QByteArray& data = QByteArray());

    // The main window's handle, created on first use. Its messages go to the proxies.
    quintptr MainWindow();
    // Proxies stay owned by whoever adds them. Adding does not check for duplicates; removing removes every
    // occurrence.
    void AddProxy(IWindowMessageProxy* proxy);
    void RemProxy(IWindowMessageProxy* proxy);
    // Offers a message to the proxies in order until one consumes it.
    bool DispatchToProxies(const WindowMessage& message, long* result);

    // Forgets every window, proxy, pending post and registered name (tests start from a clean bus).
    void Reset();

private:
    WindowMessageBus() = default;
    void Deliver(quint64 generation, const WindowMessage& message);
    qintptr DeliverNow(const WindowMessage& message);

    mutable QMutex m_mutex;
    QHash<QString, quint32> m_names;
    QHash<quintptr, Handler> m_windows;
    QList<IWindowMessageProxy*> m_proxies;
    quintptr m_nextHandle = 0x10000;
    quint32 m_nextMessage = 0xC000;
    quintptr m_main = 0;
    int m_pending = 0;
    // A Reset drops the posts queued before it.
    quint64 m_generation = 0;
};
