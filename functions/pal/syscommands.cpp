#include "functions/pal/syscommands.h"

#include "foundation/logger/QsLog.h"
#include "functions/pal/palbackends.h"
#include "functions/pal/processrunner.h"

namespace PAL_INT {

namespace {
// loginctl and systemctl answer at once; they only hand the request to logind.
constexpr int kCommandTimeoutMs = 10000;

// The caller's session: the one the desktop set, else logind's own name for the caller's.
QString OwnSession() {
    const QString id = QString::fromLocal8Bit(qgetenv("XDG_SESSION_ID"));
    return id.isEmpty() ? QStringLiteral("self") : id;
}
} // namespace

bool LogindSystemPower::Run(const QString& program, const QStringList& args) {
    const ProcessResult result = (m_runner ? *m_runner : ProcessRunner()).Run(program, args, kCommandTimeoutMs);
    if (!result.Ok()) {
        QLOG_DEBUG() << "LogindSystemPower::Run: failed:" << program << args << result.exitCode;
    }
    return result.Ok();
}

bool LogindSystemPower::Lock() {
    return Run(QStringLiteral("loginctl"), {QStringLiteral("lock-session"), OwnSession()});
}

bool LogindSystemPower::Suspend() {
    return Run(QStringLiteral("systemctl"), {QStringLiteral("suspend")});
}

bool LogindSystemPower::Hibernate() {
    return Run(QStringLiteral("systemctl"), {QStringLiteral("hibernate")});
}

bool LogindSystemPower::LogOff() {
    return Run(QStringLiteral("loginctl"), {QStringLiteral("terminate-session"), OwnSession()});
}

bool LogindSystemPower::Reboot() {
    return Run(QStringLiteral("systemctl"), {QStringLiteral("reboot")});
}

bool LogindSystemPower::PowerOff() {
    return Run(QStringLiteral("systemctl"), {QStringLiteral("poweroff")});
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
