#include "shell/mervapp.h"

#include "foundation/globals.h"
#include "foundation/logger/QsLog.h"
#include "shell/mervexwnd.h"

#include <QDataStream>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSessionManager>

#include <unistd.h>

namespace {
// Each message is a 32-bit big-endian length and that many bytes of UTF-8; the receiver answers one byte
// per message, so a sender knows its message arrived before it sends the next.
QByteArray Frame(const QString& message) {
    const QByteArray text = message.toUtf8();
    QByteArray out;
    QDataStream s(&out, QIODevice::WriteOnly);
    s << quint32(text.size());
    out.append(text);
    return out;
}
} // namespace

MervApp::MervApp(int& argc, char** argv, const QString& instanceName) : QApplication(argc, argv) {
    m_name = instanceName;
    if (m_name.isEmpty())
        m_name = QString::fromLocal8Bit(qgetenv("MERVEX_INSTANCE_NAME"));
    if (m_name.isEmpty())
        m_name = QStringLiteral("MERVEX_Velli_Chor_App-%1").arg(::getuid());
    connect(this, &QGuiApplication::commitDataRequest, this, &MervApp::OnCommitDataRequest, Qt::DirectConnection);
    // The session's end asks its questions once, in OnCommitDataRequest: the toolkit's own fallback would close
    // every window after it and ask them again.
    QGuiApplication::setFallbackSessionManagementEnabled(false);
}

MervApp::~MervApp() {
    if (m_server)
        m_server->close();
}

QString MervApp::ServerName(const QString& instanceName) {
    return MervexGlobals::PrivateTempRoot() + QLatin1Char('/') + instanceName + QStringLiteral(".sock");
}

QString MervApp::LockPath(const QString& instanceName) {
    return MervexGlobals::PrivateTempRoot() + QLatin1Char('/') + instanceName + QStringLiteral(".lock");
}

bool MervApp::isRunning() {
    if (m_running >= 0)
        return m_running == 1;
    m_lock.reset(new QLockFile(LockPath(m_name)));
    // A lock left by a process that died is taken over by QLockFile itself.
    m_lock->setStaleLockTime(0);
    if (!m_lock->tryLock(0)) {
        m_running = 1;
        return true;
    }
    m_running = 0;
    const QString server = ServerName(m_name);
    QLocalServer::removeServer(server); // a socket file left by a crash
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(server))
        QLOG_WARN() << "MervApp::isRunning: cannot listen:" << server << m_server->errorString();
    connect(m_server, &QLocalServer::newConnection, this, &MervApp::OnNewConnection);
    return false;
}

bool MervApp::sendMessage(const QString& message, int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(ServerName(m_name));
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(Frame(message));
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    // The one-byte answer tells that the running instance took the message.
    while (socket.bytesAvailable() < 1) {
        if (!socket.waitForReadyRead(timeoutMs))
            return false;
    }
    socket.disconnectFromServer();
    return true;
}

void MervApp::setActivationWindow(QWidget* window, bool activateOnMessage) {
    m_window = window;
    m_activateOnMessage = activateOnMessage;
}

void MervApp::ServeWindow(MervexWnd* window) {
    setActivationWindow(window, true);
    connect(this, &MervApp::messageReceived, window, &MervexWnd::OnAppMessageReceived);
}

void MervApp::activateWindow() {
    if (!m_window)
        return;
    m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

void MervApp::OnNewConnection() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { ReadMessages(socket); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        ReadMessages(socket);
    }
}

void MervApp::ReadMessages(QLocalSocket* socket) {
    // Every whole message is read and answered here, and acted on later from the event loop: acting may open a
    // box whose own event loop sees the sender disconnect and the socket go away, while the socket is still
    // inside its signal.
    QPointer<QLocalSocket> guard(socket);
    while (guard && guard->bytesAvailable() >= 4) {
        QByteArray head = guard->peek(4);
        QDataStream s(head);
        quint32 size = 0;
        s >> size;
        if (size > quint32(MaxMessageBytes)) {
            QLOG_WARN() << "MervApp::ReadMessages: message too long:" << size;
            guard->abort();
            break;
        }
        if (guard->bytesAvailable() < qint64(4 + size))
            break;
        guard->read(4);
        m_pending.append(QString::fromUtf8(guard->read(size)));
        guard->write("1", 1);
        guard->flush();
    }
    if (!m_pending.isEmpty())
        QMetaObject::invokeMethod(this, &MervApp::DeliverPending, Qt::QueuedConnection);
}

void MervApp::DeliverPending() {
    // A message that arrives while one is being acted on waits for it, so imports run one after another and in
    // the order sent, never one inside another's box.
    if (m_delivering)
        return;
    m_delivering = true;
    while (!m_pending.isEmpty()) {
        const QString message = m_pending.takeFirst();
        if (m_activateOnMessage)
            activateWindow();
        emit messageReceived(message);
    }
    m_delivering = false;
}

bool MervApp::QueryEndSession() {
    MervexWnd* wnd = MervexWnd::Instance();
    if (!wnd || wnd->IsQuitting())
        return true;
    // A window in the tray comes up first, so the user sees what the questions are about.
    if (!wnd->isVisible())
        wnd->showNormal();
    return wnd->prepclose();
}

void MervApp::OnCommitDataRequest(QSessionManager& manager) {
    if (!QueryEndSession())
        manager.cancel();
}
