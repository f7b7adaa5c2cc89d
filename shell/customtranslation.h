#pragma once
// Compiles a translation source (".ts") that a user put beside the program into a loadable translation, with
// the translation compiler "lrelease", in the background and under a time limit: a compiler that hangs is
// killed and reported, and the program never waits for it.

#include <QObject>
#include <QProcess>

class QTimer;

class CustomTranslation : public QObject {
    Q_OBJECT
public:
    static constexpr int DefaultTimeoutMs = 30000;

    enum StartResult {
        NoSource,   // the source file does not exist: nothing to do, nothing to report
        NotStarted, // could not start; the reason is in *error
        Started     // Compiled or Failed follows, once
    };

    explicit CustomTranslation(QObject* parent = nullptr);
    // A compile still running is killed.
    ~CustomTranslation() override;

    // The compiler: "lrelease" of the data folder when it is there, else the system's (Qt's tools folder,
    // then PATH). Empty when there is none.
    static QString FindCompiler(const QString& dataPath);

    void SetCompiler(const QString& program) { m_compiler = program; }
    QString Compiler() const { return m_compiler; }
    void SetTimeout(int ms) { m_timeoutMs = ms; }
    // The compiler's output file; the program's temporary folder + "_merv_tmp.qm" by default. It is deleted
    // before each compile and after its result was read.
    void SetOutputPath(const QString& path) { m_output = path; }
    QString OutputPath() const { return m_output; }

    StartResult Start(const QString& tsPath, QString* error);
    bool IsRunning() const { return m_process != nullptr; }
    // Ends a running compile without a report.
    void Cancel();

signals:
    // The compiled translation, read whole (the output file is gone again).
    void Compiled(const QString& tsPath, const QByteArray& qm);
    // The compiler failed, reported errors, or did not finish in time.
    void Failed(const QString& tsPath, const QString& error);

private:
    void OnFinished(int exitCode, QProcess::ExitStatus status);
    void OnError(QProcess::ProcessError error);
    void OnTimeout();
    // Ends the compile and reports once.
    void Finish(bool ok, const QString& error, const QByteArray& qm = QByteArray());

    QString m_compiler;
    QString m_output;
    QString m_tsPath;
    int m_timeoutMs = DefaultTimeoutMs;
    QProcess* m_process = nullptr;
    QTimer* m_timer = nullptr;
};
