#include "shell/customtranslation.h"

#include "foundation/logger/QsLog.h"
#include "functions/plugintools.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QStandardPaths>
#include <QTimer>

namespace {
// A compiled translation is a few hundred kilobytes; a larger output is not one.
constexpr qint64 kMaxOutputBytes = 64LL * 1024 * 1024;

bool IsProgram(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}
} // namespace

CustomTranslation::CustomTranslation(QObject* parent) : QObject(parent) {
    m_output = PluginTools::GetTempPath() + QStringLiteral("_merv_tmp.qm");
    m_timer = new QTimer(this);
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &CustomTranslation::OnTimeout);
}

CustomTranslation::~CustomTranslation() {
    Cancel();
}

QString CustomTranslation::FindCompiler(const QString& dataPath) {
    QStringList candidates;
    if (!dataPath.isEmpty())
        candidates << dataPath + QStringLiteral("/lrelease");
    candidates << QLibraryInfo::location(QLibraryInfo::BinariesPath) + QStringLiteral("/lrelease")
               << QStringLiteral("/usr/lib/qt5/bin/lrelease");
    for (const QString& candidate : candidates) {
        if (IsProgram(candidate))
            return QFileInfo(candidate).absoluteFilePath();
    }
    return QStandardPaths::findExecutable(QStringLiteral("lrelease"));
}

CustomTranslation::StartResult CustomTranslation::Start(const QString& tsPath, QString* error) {
    if (!QFileInfo(tsPath).isFile())
        return NoSource;
    Cancel();
    if (QFile::exists(m_output) && !QFile::remove(m_output)) {
        if (error)
            *error = tr("Cannot delete tmp file: ") + m_output;
        return NotStarted;
    }
    if (m_compiler.isEmpty()) {
        if (error)
            *error = tr("The translation compiler \"lrelease\" was not found; cannot compile: ") + tsPath;
        return NotStarted;
    }
    // The temporary folder is made at program start; a compile that comes first makes it itself.
    QDir().mkpath(QFileInfo(m_output).absolutePath());
    m_tsPath = tsPath;
    m_process = new QProcess(this);
    connect(m_process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this,
            &CustomTranslation::OnFinished);
    connect(m_process, &QProcess::errorOccurred, this, &CustomTranslation::OnError);
    QLOG_DEBUG() << "CustomTranslation::Start:" << m_compiler << tsPath << "-qm" << m_output;
    m_process->start(m_compiler, {tsPath, QStringLiteral("-qm"), m_output}, QIODevice::ReadWrite);
    m_timer->start(m_timeoutMs);
    return Started;
}

void CustomTranslation::Cancel() {
    m_timer->stop();
    if (!m_process)
        return;
    QProcess* process = m_process;
    m_process = nullptr;
    disconnect(process, nullptr, this, nullptr);
    if (process->state() != QProcess::NotRunning) {
        process->kill();
        process->waitForFinished(1000);
    }
    process->deleteLater();
    QFile::remove(m_output);
}

void CustomTranslation::OnError(QProcess::ProcessError error) {
    // A crash and a normal end are read in OnFinished; only a start that failed ends here.
    if (error == QProcess::FailedToStart && m_process)
        Finish(false, m_process->errorString());
}

void CustomTranslation::OnFinished(int exitCode, QProcess::ExitStatus status) {
    if (!m_process)
        return;
    if (status == QProcess::CrashExit) {
        Finish(false, m_process->errorString());
        return;
    }
    const QString errors = QString::fromLocal8Bit(m_process->readAllStandardError()).trimmed();
    if (!errors.isEmpty()) {
        Finish(false, errors);
        return;
    }
    if (exitCode != 0) {
        const QString output = QString::fromLocal8Bit(m_process->readAllStandardOutput()).trimmed();
        Finish(false, output.isEmpty() ? tr("The translation compiler ended with code %1: ").arg(exitCode) + m_tsPath
                                       : output);
        return;
    }
    QFile file(m_output);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxOutputBytes) {
        Finish(false, tr("Cannot load: ") + m_output);
        return;
    }
    const QByteArray qm = file.readAll();
    file.close();
    Finish(true, QString(), qm);
}

void CustomTranslation::OnTimeout() {
    if (!m_process)
        return;
    QLOG_WARN() << "CustomTranslation: the compiler did not finish within" << m_timeoutMs << "ms; killed:" << m_tsPath;
    Finish(false, tr("The translation compiler did not finish within %1 seconds and was stopped: ")
                          .arg((m_timeoutMs + 999) / 1000) +
                      m_tsPath);
}

void CustomTranslation::Finish(bool ok, const QString& error, const QByteArray& qm) {
    const QString tsPath = m_tsPath;
    Cancel();
    if (ok) {
        emit Compiled(tsPath, qm);
    } else {
        QLOG_WARN() << "CustomTranslation:" << tsPath << "not compiled:" << error;
        emit Failed(tsPath, error);
    }
}
