// Waitable handles: the base of events and threads.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <mutex>

namespace Quorl::Win32 {

class ObjectHandle {
public:
    static constexpr intptr_t None = -1;

    enum WaitResult { Signalled, TimedOut, Failed };

    virtual ~ObjectHandle() = default;
    // Handle 0 (never made) throws; handle -1 (none) is signalled at once. ms < 0 waits without limit.
    bool Wait(int milliseconds);
    // Closing twice closes once.
    void Close();
    intptr_t Handle() const { return handle_; }

protected:
    virtual WaitResult DoWait(int milliseconds) = 0;
    virtual void DoClose() {}
    intptr_t handle_ = None;
};

class Event : public ObjectHandle {
public:
    Event(bool manualReset, bool initialState);
    ~Event() override;
    void Set();
    void Reset();

protected:
    WaitResult DoWait(int milliseconds) override;

private:
    std::mutex mutex_;
    std::condition_variable cond_;
    bool manual_;
    bool state_;
};

} // namespace Quorl::Win32
