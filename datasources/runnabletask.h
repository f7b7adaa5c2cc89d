#pragma once
// The base of the data sources' jobs on the process-wide thread pool. T is the source class; it names its job
// counters with a static T::TaskCounters(). All jobs of one T share a running count and a stop flag, so the
// source's destructor can stop them and wait until none runs (StopAndWait).

#include "foundation/datasourceglobals.h"
#include "functions/pal/pal.h"

#include <QByteArray>
#include <QRunnable>
#include <QSharedPointer>
#include <QString>

#include <atomic>

// The source's own stop token: set by the source before it goes, so that a job of it still queued does nothing
// even when a newer source of the same type has cleared the type's stop flag again.
using TaskStopToken = QSharedPointer<std::atomic<bool>>;

// The type-wide controls of one T's jobs, for code that serves several source types.
struct TaskControl {
    void (*clearStop)();
    void (*stopAndWait)();
};

template <class T> class RunnableTask : public QRunnable {
public:
    using StopToken = TaskStopToken;

    explicit RunnableTask(StopToken token) : mToken(std::move(token)) {
        setAutoDelete(true);
        Counters().live.ref();
    }
    ~RunnableTask() override { Counters().live.deref(); }

    void run() final {
        Counters().running.ref();
        if (!StopFlag().load() && !(mToken && mToken->load()))
            DoWork();
        Counters().running.deref();
    }

    // Sets the stop flag of T, then waits in 10 ms sleeps until no job of T runs. A job that starts later
    // returns at once.
    static void StopAndWait() {
        Counters().running.ref();
        StopFlag().store(true);
        Counters().running.deref();
        while (Counters().running.loadAcquire() > 0)
            PAL::Sleep(10);
    }

    // A new source of T clears the flag its predecessor left set; without this a source built again after a
    // close would never parse anything.
    static void ClearStop() { StopFlag().store(false); }
    static bool IsStopped() { return StopFlag().load(); }
    static int RunningCount() { return Counters().running.loadAcquire(); }
    static int LiveCount() { return Counters().live.loadAcquire(); }

    static StopToken NewStopToken() { return StopToken(new std::atomic<bool>(false)); }
    static TaskControl Control() { return {&ClearStop, &StopAndWait}; }

protected:
    // The job's work, on a pool thread.
    virtual void DoWork() = 0;

private:
    static DataSourceGlobals::JobCounters& Counters() { return T::TaskCounters(); }
    static std::atomic<bool>& StopFlag() {
        static std::atomic<bool> flag(false);
        return flag;
    }

    StopToken mToken;
};

// A job that parses one fetched body on the pool with the source's member Parse(body, address); what the member
// answers is not used.
template <class T, auto Parse> class ReplyParseTask : public RunnableTask<T> {
public:
    ReplyParseTask(T* source, const QByteArray& body, const QString& address, TaskStopToken token)
        : RunnableTask<T>(std::move(token)), mSource(source), mBody(body), mAddress(address) {}

protected:
    void DoWork() override { (mSource->*Parse)(mBody, mAddress); }

private:
    T* mSource;
    QByteArray mBody;
    QString mAddress;
};
