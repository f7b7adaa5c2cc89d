#include "functions/pal/syscommands.h"

#include "foundation/logger/QsLog.h"
#include "functions/pal/palbackends.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QThread>

namespace PAL_INT {

namespace {
const char kService[] = "org.freedesktop.login1";
const char kPath[] = "/org/freedesktop/login1";
const char kManager[] = "org.freedesktop.login1.Manager";

// The caller's session: the one the desktop set, else empty, which logind reads as the caller's own.
QString OwnSession() {
    return QString::fromLocal8Bit(qgetenv("XDG_SESSION_ID"));
}
} // namespace

LogindSystemPower::LogindSystemPower(const QDBusConnection& bus, int callTimeoutMs, QObject* parent)
    : QObject(parent), m_bus(bus), m_timeoutMs(callTimeoutMs) {}

bool LogindSystemPower::Call(const QString& method, const QVariantList& args) {
    if (!m_bus.isConnected()) {
        QLOG_WARN() << "LogindSystemPower:" << method << "not sent, no system bus:" << m_bus.lastError().message();
        return false;
    }
    // The answer is awaited on this object's thread; a call from another thread is handed over.
    if (QThread::currentThread() != thread())
        QMetaObject::invokeMethod(
            this, [this, method, args] { Send(method, args); }, Qt::QueuedConnection);
    else
        Send(method, args);
    return true;
}

void LogindSystemPower::Send(const QString& method, const QVariantList& args) {
    QDBusMessage call = QDBusMessage::createMethodCall(QString::fromLatin1(kService), QString::fromLatin1(kPath),
                                                       QString::fromLatin1(kManager), method);
    call.setArguments(args);
    // Interactive: logind may ask the user to confirm (polkit) before it acts.
    call.setInteractiveAuthorizationAllowed(true);
    ++m_pending;
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call, m_timeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, method](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        --m_pending;
        const QDBusMessage reply = w->reply();
        if (reply.type() == QDBusMessage::ErrorMessage) {
            ++m_failed;
            QLOG_WARN() << "LogindSystemPower:" << method << "failed:" << reply.errorName() << reply.errorMessage();
            return;
        }
        QLOG_DEBUG() << "LogindSystemPower:" << method << "accepted";
    });
}

bool LogindSystemPower::Lock() {
    return Call(QStringLiteral("LockSession"), {OwnSession()});
}

bool LogindSystemPower::Suspend() {
    return Call(QStringLiteral("Suspend"), {true});
}

bool LogindSystemPower::Hibernate() {
    return Call(QStringLiteral("Hibernate"), {true});
}

bool LogindSystemPower::LogOff() {
    return Call(QStringLiteral("TerminateSession"), {OwnSession()});
}

bool LogindSystemPower::Reboot() {
    return Call(QStringLiteral("Reboot"), {true});
}

bool LogindSystemPower::PowerOff() {
    return Call(QStringLiteral("PowerOff"), {true});
}

bool RunSystemCommand(const QString& command) {
    ISystemPower& power = SystemPower();
    if (command == QLatin1String("Lock"))
        return power.Lock();
    if (command == QLatin1String("Standby"))
        return power.Suspend();
    if (command == QLatin1String("Hibernate"))
        return power.Hibernate();
    if (command == QLatin1String("LogOff"))
        return power.LogOff();
    if (command == QLatin1String("Restart"))
        return power.Reboot();
    if (command == QLatin1String("Shutdown"))
        return power.PowerOff();
    QLOG_DEBUG() << "Unknown System Cmd:" << command;
    return false;
}

} // namespace PAL_INT
