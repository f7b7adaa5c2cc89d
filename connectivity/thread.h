// Threads of the library; an exception that escapes one is reported to the system log.
#pragma once

#include "connectivity/exception.h"
#include "connectivity/objecthandle.h"

#include <pthread.h>
#include <string>
#include <vector>

namespace Quorl::Win32 {

class Runnable {
public:
    virtual ~Runnable() = default;
    virtual void run() = 0;
    // e is null when the escaped exception was no Quorl::Exception.
    virtual void onException(const Quorl::Exception* e) = 0;
};

class Thread : public Runnable, public ObjectHandle {
public:
    explicit Thread(Runnable* runnable = nullptr) : runnable_(runnable ? runnable : this) {}
    ~Thread() override;
    void Start();
    void onException(const Quorl::Exception* e) override;
    void SetRunnable(Runnable* r) { runnable_ = r; }

protected:
    WaitResult DoWait(int milliseconds) override;
    void DoClose() override;

private:
    static void* Entry(void* arg);
    Runnable* runnable_;
    pthread_t thread_{};
    bool joined_ = false;
    Event* finished_ = nullptr;
};

// Sets the name that debuggers and ps show for the calling thread.
void SetThreadName(const char* name);

} // namespace Quorl::Win32

namespace PAL_WIN32_INT {
// The event source: the executable's file name cut at its first ".", or "Application".
std::string EventSourceName(const std::string& exePath);
// Writes one error entry to syslog, under the event source name.
void ReportError(const std::vector<std::string>& strings);
} // namespace PAL_WIN32_INT
