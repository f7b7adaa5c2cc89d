#pragma once
// The system commands a control can ask for ("!Lock", "!Standby", ...). ISystemPower carries them out:
// LogindSystemPower through loginctl and systemctl, RecordingSystemPower only writes them down (tests,
// and any run that must never touch the machine).

#include <QString>
#include <QStringList>

namespace PAL_INT {

class IProcessRunner;

class ISystemPower {
public:
    virtual ~ISystemPower() = default;
    // Each answers whether the request was accepted.
    virtual bool Lock() = 0;
    virtual bool Suspend() = 0;
    virtual bool Hibernate() = 0;
    virtual bool LogOff() = 0;
    virtual bool Reboot() = 0;
    virtual bool PowerOff() = 0;
};

class LogindSystemPower : public ISystemPower {
public:
    // Commands go through runner (not owned), or the platform layer's runner when null.
    explicit LogindSystemPower(IProcessRunner* runner = nullptr) : m_runner(runner) {}

    bool Lock() override;
    bool Suspend() override;
    bool Hibernate() override;
    bool LogOff() override;
    bool Reboot() override;
    bool PowerOff() override;

private:
    bool Run(const QString& program, const QStringList& args);
    IProcessRunner* m_runner;
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
// "Shutdown", compared case-sensitively); an unknown name is only logged. Answers whether it was accepted.
bool RunSystemCommand(const QString& command);

} // namespace PAL_INT
