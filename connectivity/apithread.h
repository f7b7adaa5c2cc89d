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

    std::atomic<int> socketMode{0};

private:
    std::recursive_mutex lock_;
    int holdCount_ = 0;
    Task* current_ = nullptr;
    Quorl::Win32::Event request_{false, false};
    Quorl::Win32::Event done_{false, false};
    std::atomic<bool> loopRunning_{false};
    std::atomic<Context*> context_{nullptr};
    std::atomic<pthread_t> self_{};
};

Thread& ApiThread();

} // namespace Quorl::ZYN::API
