#pragma once
// Writes the downloaded installer to disk away from the GUI thread. It owns copies of the path and the data
// and reports back only through its queued copyFinished() signal.

#include <QByteArray>
#include <QThread>
#include <atomic>

class ThreadCopy : public QThread {
    Q_OBJECT
public:
    ThreadCopy(const QString& path, const QByteArray& data, QObject* parent = nullptr);

    // Whether the whole file was written; read after copyFinished().
    bool Succeeded() const { return ok; }

signals:
    void copyFinished();

protected:
    void run() override;

private:
    QString path;
    QByteArray data;
    std::atomic<bool> ok{false};
};
