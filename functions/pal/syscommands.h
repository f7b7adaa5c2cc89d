#pragma once
// The system commands a control can ask for ("!Lock", "!Standby", ...). ISystemPower carries them out:
// LogindSystemPower asks logind on the system bus without waiting for its answer, RecordingSystemPower only
// writes them down (tests, and any run that must never touch the machine).

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantList>

namespace PAL_INT {

class ISystemPower {
public:
    virtual ~ISystemPower() = default;
    // Each answers whether the request went out; a refusal that comes later is only logged.
    virtual bool Lock() = 0;
    virtual bool Suspend() = 0;
    virtual bool Hibernate() = 0;
    virtual bool LogOff() = 0;
    virtual bool Reboot() = 0;
    virtual bool PowerOff() = 0;
};

class LogindSystemPower : public QObject, public ISystemPower {
    Q_OBJECT
public:
    // logind answers at once unless it asks the user for a password first.
    static constexpr int DefaultCallTimeoutMs = 25000;

    // Calls go to logind on `bus`; its answer is taken on the thread this object lives on.
    explicit LogindSystemPower(const QDBusConnection& bus, int callTimeoutMs = DefaultCallTimeoutMs,
                               QObject* parent = nullptr);

    bool Lock() override;
    bool Suspend() override;
    bool Hibernate() override;
    bool LogOff() override;
    bool Reboot() override;
    bool PowerOff() override;

    // Requests that logind has not answered yet, and those it refused or left unanswered.
    int Pending() const { return m_pending; }
    int Failed() const { return m_failed; }

private:
    bool Call(const QString& method, const QVariantList& args);
    void Send(const QString& method, const QVariantList& args);

    QDBusConnection m_bus;
    int m_timeoutMs;
    int m_pending = 0;
    int m_failed = 0;
};

class RecordingSystemPower : public ISystemPower {
public:
    bool Lock() override { return Note(QStringLiteral("Lock")); }
    bool Suspend() override { return Note(QStringLiteral("Suspend")); }
    bool Hibernate() override { return Note(QStringLiteral("Hibernate")); }
    bool LogOff() override { return Note(QStringLiteral("LogOff")); }
    bool Reboot() override { return Note(QStringLiteral("Reboot")); }
    bool PowerOff() override { return Note(QStringLiteral("PowerOff")); }

    QStringList requests; // in order
    bool result = true;

private:
    bool Note(const QString& request) {
        requests << request;
        return result;
    }
};

// Carries out a system command named without its '!' ("Lock", "Standby", "Hibernate", "LogOff", "Restart",
// "Shutdown", compared case-sensitively); an unknown name is only logged. Answers whether it went out.
bool RunSystemCommand(const QString& command);

} // namespace PAL_INT
