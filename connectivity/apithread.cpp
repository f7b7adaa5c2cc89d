#include "connectivity/apithread.h"

#include <cstring>

namespace Quorl::ZYN::API {

static constexpr int32_t kEFail = int32_t(0x80004005);

Thread& ApiThread() {
    static Thread thread;
    return thread;
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
    if (!loopRunning_) {
        result = kEFail; // nobody would ever run it
    } else if (pthread_equal(self_.load(), pthread_self()) && context_.load()) {
        task.execute(*context_.load()); // an event raised on the API thread itself
        result = task.result;
    } else {
        current_ = &task;
        request_.Set();
        done_.Wait(-1);
        result = task.result;
    }
    if (holdCount_ > 0)
        --holdCount_;
    return result;
}

int32_t Thread::Initialize(const ZYNInitParams& params) {
    std::lock_guard<std::recursive_mutex> lock(lock_);
    ++holdCount_;
    try {
        if (Handle() == None) {
            loopRunning_ = true;
            Start();
        }
    } catch (const Quorl::Exception&) {
    }
    int32_t result = kEFail;
    if (Handle() == None) {
        loopRunning_ = false;
    } else {
        InitializationTask task(params);
        result = HandOff(task);
    }
    if (holdCount_ > 0)
        --holdCount_;
    return result;
}

int32_t Thread::CleanUp() {
    // Under the lock, so a caller in the middle of a hand-off finishes first.
    std::lock_guard<std::recursive_mutex> lock(lock_);
    if (Handle() == None)
        return 0;
    current_ = nullptr;
    request_.Set();
    Wait(-1);
    Close();
    return 0;
}

void Thread::run() {
    Quorl::Win32::SetThreadName("ZYN API THREAD");
    self_ = pthread_self();
    {
        Context context;
        context_ = &context;
        for (;;) {
            request_.Wait(-1);
            context.SetSocketMode(uint8_t(socketMode.load() != 0));
            Task* task = current_;
            if (!task)
                break;
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
            current_ = nullptr;
            done_.Set();
        }
        loopRunning_ = false;
        context_ = nullptr;
    }
    self_ = pthread_t{};
}

} // namespace Quorl::ZYN::API
