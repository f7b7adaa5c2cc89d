#include "functions/pal/processrunner.h"

#include "foundation/logger/QsLog.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>

namespace PAL_INT {

ProcessResult QProcessRunner::Run(const QString& program, const QStringList& args, int timeoutMs) {
    ProcessResult result;
    if (program.isEmpty())
        return result;
    QProcess process;
    // Helpers are read by their output, which must not change with the user's language.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(program, args, QIODevice::ReadOnly);
    if (!process.waitForStarted(timeoutMs)) {
        QLOG_DEBUG() << "QProcessRunner::Run: cannot start" << program << process.errorString();
        return result;
    }
    result.started = true;
    QElapsedTimer timer;
    timer.start();
    while (process.state() != QProcess::NotRunning) {
        const qint64 left = timeoutMs - timer.elapsed();
        if (left <= 0) {
            QLOG_DEBUG() << "QProcessRunner::Run: time-out of" << program;
            process.kill();
            process.waitForFinished(1000);
            result.exitCode = -1;
            return result;
        }
        // A program that closed its output but goes on is waited for, not polled.
        if (!process.waitForReadyRead(int(left)) && process.state() != QProcess::NotRunning)
            process.waitForFinished(int(qMax<qint64>(1, timeoutMs - timer.elapsed())));
        result.output += process.readAllStandardOutput();
        process.readAllStandardError(); // not kept, but never left to pile up
        if (result.output.size() > kMaxOutput) {
            QLOG_DEBUG() << "QProcessRunner::Run: too much output from" << program;
            process.kill();
            process.waitForFinished(1000);
            result.output.clear();
            return result;
        }
    }
    result.output += process.readAllStandardOutput();
    if (result.output.size() > kMaxOutput) {
        result.output.clear();
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return result;
}

bool QProcessRunner::StartDetached(const QString& program, const QStringList& args) {
    if (program.isEmpty())
        return false;
    qint64 pid = 0;
    return QProcess::startDetached(program, args, QString(), &pid);
}

ProcessResult RecordingProcessRunner::Run(const QString& program, const QStringList& args, int timeoutMs) {
    Q_UNUSED(timeoutMs);
    calls.append(Call{false, program, args});
    const QString line = (QStringList(program) + args).join(QLatin1Char(' '));
    return replies.value(line, defaultReply);
}

bool RecordingProcessRunner::StartDetached(const QString& program, const QStringList& args) {
    calls.append(Call{true, program, args});
    return detachedResult;
}

QStringList RecordingProcessRunner::CallLines() const {
    QStringList lines;
    for (const Call& call : calls) {
        QStringList parts(call.program);
        parts += call.args;
        lines << (call.detached ? QStringLiteral("detached ") : QString()) + parts.join(QLatin1Char(' '));
    }
    return lines;
}

} // namespace PAL_INT
