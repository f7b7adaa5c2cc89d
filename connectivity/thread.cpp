#include "connectivity/thread.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <syslog.h>
#include <unistd.h>

namespace Quorl::Win32 {

Thread::~Thread() {
    Close();
    delete finished_;
}

void Thread::Start() {
    if (!runnable_)
        throw Quorl::Exception("[Win32Thread][Start]", "Invalid runnable attached to thread");
    if (handle_ != None)
        throw Quorl::Exception("[Win32Thread][Start]", "Attempted to start already running thread");
    delete finished_;
    finished_ = new Event(true, false);
    joined_ = false;
    handle_ = 1; // running from here on, so Entry may be scheduled at once
    int rc = pthread_create(&thread_, nullptr, &Thread::Entry, this);
    if (rc != 0) {
        handle_ = None;
        throw Quorl::Win32::Exception("[Win32Thread][Start]", rc);
    }
}

void* Thread::Entry(void* arg) {
    if (!arg)
        return nullptr;
    auto* self = static_cast<Thread*>(arg);
    try {
        self->runnable_->run();
    } catch (const Quorl::Exception& e) {
        try {
            self->runnable_->onException(&e);
        } catch (...) {
        }
    } catch (...) {
        try {
            self->runnable_->onException(nullptr);
        } catch (...) {
        }
    }
    self->finished_->Set();
    return nullptr;
}

ObjectHandle::WaitResult Thread::DoWait(int milliseconds) {
    if (!finished_->Wait(milliseconds))
        return TimedOut;
    if (!joined_ && pthread_join(thread_, nullptr) == 0)
        joined_ = true;
    return Signalled;
}

void Thread::DoClose() {
    // A thread still running at close is let go rather than waited for.
    if (!joined_)
        pthread_detach(thread_);
    joined_ = true;
}

void Thread::onException(const Quorl::Exception* e) {
    std::vector<std::string> strings;
    if (e) {
        strings.push_back(e->where());
        strings.push_back(e->what());
    }
    PAL_WIN32_INT::ReportError(strings);
}

void SetThreadName(const char* name) {
    pthread_setname_np(pthread_self(), name);
}

} // namespace Quorl::Win32

namespace PAL_WIN32_INT {

std::string EventSourceName(const std::string& exePath) {
    if (exePath.empty())
        return "Application";
    std::string::size_type slash = exePath.find_last_of("/\\");
    std::string name = slash == std::string::npos ? exePath : exePath.substr(slash + 1);
    name = name.substr(0, name.find('.'));
    return name.empty() ? "Application" : name;
}

void ReportError(const std::vector<std::string>& strings) {
    static std::mutex mutex;
    std::lock_guard<std::mutex> lock(mutex);
    char path[4096];
    ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    std::string source = EventSourceName(n > 0 ? std::string(path, size_t(n)) : std::string());
    std::string line;
    for (size_t i = 0; i < strings.size() && i < 16; ++i) {
        if (i)
            line += '\t';
        line += strings[i];
    }
    openlog(source.c_str(), LOG_PID, LOG_USER);
    syslog(LOG_ERR, "%s", line.c_str());
    closelog();
}

} // namespace PAL_WIN32_INT
