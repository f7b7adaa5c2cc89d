#include "functions/pal/windowmessagebus.h"

#include "foundation/logger/QsLog.h"

#include <QCoreApplication>
#include <QMutexLocker>

WindowMessageBus& WindowMessageBus::Instance() {
    static WindowMessageBus* bus = [] {
        auto* b = new WindowMessageBus;
        // Handlers run where the windows live: the main thread, whoever asked first.
        if (QCoreApplication::instance())
            b->moveToThread(QCoreApplication::instance()->thread());
        return b;
    }();
    return *bus;
}

quint32 WindowMessageBus::RegisterMessage(const QString& name) {
    if (name.isEmpty())
        return 0;
    QMutexLocker lock(&m_mutex);
    auto it = m_names.constFind(name);
    if (it != m_names.constEnd())
        return it.value();
    const quint32 id = m_nextMessage++;
    m_names.insert(name, id);
    return id;
}

quintptr WindowMessageBus::CreateWindow(const Handler& handler) {
    QMutexLocker lock(&m_mutex);
    const quintptr hwnd = m_nextHandle++;
    m_windows.insert(hwnd, handler);
    return hwnd;
}

void WindowMessageBus::DestroyWindow(quintptr hwnd) {
    QMutexLocker lock(&m_mutex);
    m_windows.remove(hwnd);
    if (hwnd == m_main)
        m_main = 0;
}

bool WindowMessageBus::IsWindow(quintptr hwnd) const {
    QMutexLocker lock(&m_mutex);
    return m_windows.contains(hwnd);
}

bool WindowMessageBus::PostMessage(quintptr hwnd, quint32 message, quintptr wParam, qintptr lParam) {
    WindowMessage m;
    m.hwnd = hwnd;
    m.message = message;
    m.wParam = wParam;
    m.lParam = lParam;
    quint64 generation;
    {
        QMutexLocker lock(&m_mutex);
        if (hwnd != kBroadcast && !m_windows.contains(hwnd))
            return false;
        if (m_pending >= kMaxPending) {
            QLOG_DEBUG() << "WindowMessageBus::PostMessage: queue full, dropped message" << message;
            return false;
        }
        ++m_pending;
        generation = m_generation;
    }
    QMetaObject::invokeMethod(
        this, [this, generation, m] { Deliver(generation, m); }, Qt::QueuedConnection);
    return true;
}

void WindowMessageBus::Deliver(quint64 generation, const WindowMessage& message) {
    {
        QMutexLocker lock(&m_mutex);
        if (generation != m_generation)
            return;
        --m_pending;
    }
    DeliverNow(message);
}

qintptr WindowMessageBus::SendMessage(quintptr hwnd, quint32 message, quintptr wParam, qintptr lParam,
                                      const QByteArray& data) {
    WindowMessage m;
    m.hwnd = hwnd;
    m.message = message;
    m.wParam = wParam;
    m.lParam = lParam;
    m.data = data;
    return DeliverNow(m);
}

qintptr WindowMessageBus::DeliverNow(const WindowMessage& message) {
    QList<quintptr> targets;
    {
        QMutexLocker lock(&m_mutex);
        if (message.hwnd == kBroadcast) {
            targets = m_windows.keys();
            std::sort(targets.begin(), targets.end()); // in creation order, so runs repeat
        } else {
            targets << message.hwnd;
        }
    }
    qintptr result = 0;
    for (quintptr hwnd : qAsConst(targets)) {
        Handler handler;
        {
            // A handler may create or destroy windows, so none is called under the lock and each is looked
            // up again: a window destroyed by an earlier handler of this round is skipped.
            QMutexLocker lock(&m_mutex);
            auto it = m_windows.constFind(hwnd);
            if (it == m_windows.constEnd())
                continue;
            handler = it.value();
        }
        if (!handler)
            continue;
        WindowMessage m = message;
        m.hwnd = hwnd;
        qintptr r = 0;
        handler(m, &r);
        if (message.hwnd != kBroadcast)
            result = r;
    }
    return result;
}

quintptr WindowMessageBus::MainWindow() {
    {
        QMutexLocker lock(&m_mutex);
        if (m_main)
            return m_main;
    }
    const quintptr hwnd = CreateWindow([this](const WindowMessage& message, qintptr* result) {
        long r = 0;
        const bool consumed = DispatchToProxies(message, &r);
        *result = r;
        return consumed;
    });
    QMutexLocker lock(&m_mutex);
    m_main = hwnd;
    return hwnd;
}

void WindowMessageBus::AddProxy(IWindowMessageProxy* proxy) {
    if (!proxy)
        return;
    QMutexLocker lock(&m_mutex);
    m_proxies.append(proxy);
}

void WindowMessageBus::RemProxy(IWindowMessageProxy* proxy) {
    QMutexLocker lock(&m_mutex);
    m_proxies.removeAll(proxy);
}

bool WindowMessageBus::DispatchToProxies(const WindowMessage& message, long* result) {
    QList<IWindowMessageProxy*> proxies;
    {
        QMutexLocker lock(&m_mutex);
        proxies = m_proxies;
    }
    for (IWindowMessageProxy* proxy : qAsConst(proxies)) {
        {
            // One proxy may remove another while the round runs.
            QMutexLocker lock(&m_mutex);
            if (!m_proxies.contains(proxy))
                continue;
        }
        if (proxy->winEvent(&message, result))
            return true;
    }
    return false;
}

void WindowMessageBus::Reset() {
    QMutexLocker lock(&m_mutex);
    m_names.clear();
    m_windows.clear();
    m_proxies.clear();
    // Handles and ids keep counting, so one kept from before never names something new.
    m_main = 0;
    m_pending = 0;
    ++m_generation;
}
