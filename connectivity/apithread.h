// The one thread that runs every call's work and owns the connection to the service.
#pragma once

#include "connectivity/context.h"
#include "connectivity/thread.h"

#include <atomic>
#include <mutex>

namespace Quorl::ZYN::API {

class Thread : public Quorl::Win32::Thread {
public:
    Thread() : Quorl::Win32::Thread(nullptr) {}
    void run() override;
    void onException(const Quorl::Exception* e) override { Quorl::Win32::Thread::onException(e); }

    int32_t HandOff(Task& task);
    int32_t Initialize(const ZYNInitParams& params);
    int32_t CleanUp();
    // The host is ending without ZYNCleanUp: the thread is ended when that can be done in a short while.
    void EndAtExit();

    std::atomic<int> socketMode{0};

private:
    void RequestStop();
    // Waits for the thread to end and forgets it; the caller holds lifeLock_. false when the wait timed out.
    bool JoinLocked(int milliseconds);
    // The same for a thread that was told to end (from inside a callback) and is ending by itself.
    void JoinIfStoppingLocked();

    std::recursive_mutex lock_; // one hand-off at a time
    std::mutex lifeLock_;       // starting and ending the thread
    std::mutex stateLock_;      // the three fields below, shared by callers and the thread
    Task* current_ = nullptr;
    bool stop_ = false;    // the thread takes no new task and ends when the current one is done
    bool running_ = false; // the loop takes tasks
    int holdCount_ = 0;
    Quorl::Win32::Event request_{false, false};
    Quorl::Win32::Event done_{false, false};
    std::atomic<Context*> context_{nullptr};
    std::atomic<pthread_t> self_{};
};

Thread& ApiThread();

// Marks the calling thread as delivering an event of the service to the client (its callbacks run inside).
// From there the thread cannot be waited for: it waits for the event to end.
class EventDelivery {
public:
    EventDelivery();
    ~EventDelivery();
    EventDelivery(const EventDelivery&) = delete;
    EventDelivery& operator=(const EventDelivery&) = delete;
    static bool Active();
};

} // namespace Quorl::ZYN::API
