#include "connectivity/apithread.h"

#include <cstdlib>
#include <cstring>

namespace Quorl::ZYN::API {

static constexpr int32_t kEFail = int32_t(0x80004005);
// How long a host's exit waits for the thread it did not end itself.
static constexpr int kExitWaitMs = 2000;

namespace {
thread_local int t_eventDepth = 0;

void EndAtProcessExit() {
    ApiThread().EndAtExit();
}
} // namespace

EventDelivery::EventDelivery() {
    ++t_eventDepth;
}

EventDelivery::~EventDelivery() {
    --t_eventDepth;
}

bool EventDelivery::Active() {
    return t_eventDepth > 0;
}

Thread& ApiThread() {
    // Never destroyed: at exit the thread may still wait on its events, and events destroyed under a waiter
    // would block the exit for ever. EndAtExit ends the thread first where it can.
    static Thread* thread = new Thread;
    return *thread;
}

int32_t HandOff(Task& task) {
    return ApiThread().HandOff(task);
}

namespace {
class InitializationTask : public Task {
public:
    InitializationTask(const ZYNInitParams& p) : params_(p) { memcpy(&gadget_, &p, sizeof gadget_); }
    void execute(Context& c) override { result = c.Initialize(params_, gadget_); }

private:
    ZYNInitParams params_;
    ZYNGUID gadget_;
};
} // namespace

int32_t Thread::HandOff(Task& task) {
    std::lock_guard<std::recursive_mutex> lock(lock_);
    ++holdCount_;
    int32_t result;
    bool handed = false;
    {
        std::lock_guard<std::mutex> state(stateLock_);
        if (running_ && !stop_ && !(pthread_equal(self_.load(), pthread_self()) && context_.load())) {
            current_ = &task;
            handed = true;
        }
    }
    if (handed) {
        request_.Set();
        done_.Wait(-1);
        result = task.result;
    } else if (pthread_equal(self_.load(), pthread_self()) && context_.load()) {
        task.execute(*context_.load()); // an event raised on the API thread itself
        result = task.result;
    } else {
        result = kEFail; // no thread runs it, or the thread is ending
    }
    if (holdCount_ > 0)
        --holdCount_;
    return result;
}

int32_t Thread::Initialize(const ZYNInitParams& params) {
    // Inside a callback the thread may be ending and waiting for this very callback: nothing here waits.
    const bool inEvent = EventDelivery::Active();
    std::unique_lock<std::mutex> life(lifeLock_, std::defer_lock);
    if (inEvent) {
        if (!life.try_lock())
            return kEFail; // another caller is ending the thread
    } else {
        life.lock();
    }
    // A thread told to end from inside a callback ends once that callback returns; waited for before the
    // hand-off lock is taken, as the callbacks still running may hand tasks over (which then fail).
    if (!inEvent)
        JoinIfStoppingLocked();
    std::lock_guard<std::recursive_mutex> lock(lock_);
    ++holdCount_;
    int32_t result = kEFail;
    bool stopping;
    {
        std::lock_guard<std::mutex> state(stateLock_);
        stopping = stop_;
    }
    if (!stopping) {
        try {
            if (Handle() == None) {
                {
                    std::lock_guard<std::mutex> state(stateLock_);
                    running_ = true;
                }
                Start();
            }
        } catch (const Quorl::Exception&) {
        }
        if (Handle() == None) {
            std::lock_guard<std::mutex> state(stateLock_);
            running_ = false;
        } else {
            InitializationTask task(params);
            result = HandOff(task);
            // Registered once the service module is loaded, so that at exit the thread ends before the
            // module's own objects go.
            static std::once_flag exitHandler;
            std::call_once(exitHandler, [] { atexit(EndAtProcessExit); });
        }
    }
    if (holdCount_ > 0)
        --holdCount_;
    return result;
}

void Thread::RequestStop() {
    {
        std::lock_guard<std::mutex> state(stateLock_);
        stop_ = true;
    }
    request_.Set();
}

void Thread::JoinIfStoppingLocked() {
    bool stopping;
    {
        std::lock_guard<std::mutex> state(stateLock_);
        stopping = stop_;
    }
    if (stopping)
        JoinLocked(-1);
}

bool Thread::JoinLocked(int milliseconds) {
    if (Handle() != None) {
        if (!Wait(milliseconds))
            return false;
        Close();
    }
    std::lock_guard<std::mutex> state(stateLock_);
    stop_ = false;
    return true;
}

int32_t Thread::CleanUp() {
    if (EventDelivery::Active()) {
        // From inside a callback: the thread's connection waits for the callback to return, so it is told
        // to end and ends then; a later ZYNInitialize waits for that.
        RequestStop();
        return 0;
    }
    std::lock_guard<std::mutex> life(lifeLock_);
    if (Handle() == None)
        return 0;
    RequestStop();
    JoinLocked(-1);
    return 0;
}

void Thread::EndAtExit() {
    // An exit from inside a callback cannot wait for the thread, and another caller may hold the thread's
    // life at this moment: then the process ends with the thread still there, as it would without us.
    if (EventDelivery::Active()) {
        RequestStop();
        return;
    }
    std::unique_lock<std::mutex> life(lifeLock_, std::try_to_lock);
    if (!life.owns_lock() || Handle() == None)
        return;
    RequestStop();
    JoinLocked(kExitWaitMs);
}

void Thread::run() {
    Quorl::Win32::SetThreadName("ZYN API THREAD");
    self_ = pthread_self();
    {
        Context context;
        context_ = &context;
        for (;;) {
            request_.Wait(-1);
            Task* task;
            {
                std::lock_guard<std::mutex> state(stateLock_);
                task = current_;
            }
            if (task) {
                context.SetSocketMode(uint8_t(socketMode.load() != 0));
                // A failing task answers E_FAIL and is reported; the caller is let go either way.
                try {
                    task->execute(context);
                } catch (const Quorl::Exception& e) {
                    task->result = kEFail;
                    onException(&e);
                } catch (...) {
                    task->result = kEFail;
                    onException(nullptr);
                }
                {
                    std::lock_guard<std::mutex> state(stateLock_);
                    current_ = nullptr;
                }
                done_.Set();
            }
            std::lock_guard<std::mutex> state(stateLock_);
            // A task handed over before the stop still runs: its caller waits for it.
            if (stop_ && !current_) {
                running_ = false;
                break;
            }
        }
        context_ = nullptr;
    }
    self_ = pthread_t{};
}

} // namespace Quorl::ZYN::API
