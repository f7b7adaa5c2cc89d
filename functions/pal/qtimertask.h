#pragma once
// A deferred job on the main thread, run in steps by a single-shot timer. A job that needs more steps
// calls Start again from run(); a finished job calls Finish, which deletes it through the event loop.

#include <QObject>
#include <QTimer>

class QTimerTask : public QObject {
    Q_OBJECT
public:
    explicit QTimerTask(QObject* parent = nullptr);

    // Runs the next step after ms milliseconds; a step already due is replaced, never doubled.
    void Start(int ms);
    // Ends the job: no further step runs and the object deletes itself later.
    void Finish();

public slots:
    // One step of the job.
    virtual void run() = 0;

private:
    QTimer m_timer;
};
