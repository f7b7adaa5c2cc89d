#pragma once
// Running other programs, always with an argument list and never through a shell, so no text from a
// control or a configuration can become a command. QProcessRunner does it; RecordingProcessRunner writes
// down what it was asked and answers canned replies, for tests.

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace PAL_INT {

struct ProcessResult {
    bool started = false;
    int exitCode = -1;
    QByteArray output; // standard output

    bool Ok() const { return started && exitCode == 0; }
};

class IProcessRunner {
public:
    virtual ~IProcessRunner() = default;
    // Runs the program to its end (at most timeoutMs) in the C locale and collects its output.
    virtual ProcessResult Run(const QString& program, const QStringList& args, int timeoutMs) = 0;
    // Starts the program on its own; true when it started.
    virtual bool StartDetached(const QString& program, const QStringList& args) = 0;
};

class QProcessRunner : public IProcessRunner {
public:
    // Output beyond this is not what the program's helpers write: the run is stopped and fails.
    static constexpr int kMaxOutput = 1 << 20;

    ProcessResult Run(const QString& program, const QStringList& args, int timeoutMs) override;
    bool StartDetached(const QString& program, const QStringList& args) override;
};

class RecordingProcessRunner : public IProcessRunner {
public:
    struct Call {
        bool detached = false;
        QString program;
        QStringList args;
    };

    ProcessResult Run(const QString& program, const QStringList& args, int timeoutMs) override;
    bool StartDetached(const QString& program, const QStringList& args) override;

    // The reply of Run for the program followed by its arguments, joined by blanks; defaultReply otherwise.
    void SetReply(const QString& commandLine, const ProcessResult& reply) { replies.insert(commandLine, reply); }
    // The calls so far, each as the program and its arguments joined by blanks ("detached " before the
    // program for a detached start).
    QStringList CallLines() const;

    QList<Call> calls;
    QHash<QString, ProcessResult> replies;
    ProcessResult defaultReply; // not started
    bool detachedResult = true;
};

} // namespace PAL_INT
