#include "connectivity/objecthandle.h"

#include "connectivity/exception.h"

#include <chrono>

namespace Quorl::Win32 {

bool ObjectHandle::Wait(int milliseconds) {
    if (handle_ == 0)
        throw Quorl::Exception("Quorl::Win32::ObjectHandle::Wait()", "Attempted to wait non-started thread");
    if (handle_ == None)
        return true;
    switch (DoWait(milliseconds)) {
    case Signalled:
        return true;
    case TimedOut:
        return false;
    case Failed:
        throw Quorl::Win32::Exception("Quorl::Win32::ObjectHandle::Wait()", EINVAL);
    }
    throw Quorl::Exception("Quorl::Win32::ObjectHandle::Wait()", "Unexpected result from wait");
}

void ObjectHandle::Close() {
    if (handle_ == 0 || handle_ == None)
        return;
    DoClose();
    handle_ = None;
}

Event::Event(bool manualReset, bool initialState) : manual_(manualReset), state_(initialState) {
    handle_ = reinterpret_cast<intptr_t>(this);
}

Event::~Event() {
    Close();
}

void Event::Set() {
    std::lock_guard<std::mutex> lock(mutex_);
    state_ = true;
    if (manual_)
        cond_.notify_all();
    else
        cond_.notify_one();
}

void Event::Reset() {
    std::lock_guard<std::mutex> lock(mutex_);
    state_ = false;
}

ObjectHandle::WaitResult Event::DoWait(int milliseconds) {
    std::unique_lock<std::mutex> lock(mutex_);
    if (milliseconds < 0)
        cond_.wait(lock, [this] { return state_; });
    else if (!cond_.wait_for(lock, std::chrono::milliseconds(milliseconds), [this] { return state_; }))
        return TimedOut;
    if (!manual_)
        state_ = false;
    return Signalled;
}

} // namespace Quorl::Win32
