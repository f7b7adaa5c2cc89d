#include "connectivity/stream.h"

#include "connectivity/apithread.h"
#include "connectivity/context.h"

#include <arpa/inet.h>
#include <atomic>
#include <cstring>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

using ZYNService::Value;

namespace Quorl::ZYN::API {

static constexpr int32_t kEFail = int32_t(0x80004005);
static constexpr int32_t kEInvalidArg = int32_t(0x80070057);
static constexpr int32_t kNotReady = int32_t(0x87FF0002);
static constexpr int32_t kStreamGone = int32_t(0x87FF0003);

namespace {

class ZYNStreamEventSink : public ZYNService::Sink {
public:
    explicit ZYNStreamEventSink(std::weak_ptr<Stream> owner) : owner_(std::move(owner)) {}
    void ClearOwner() {
        std::lock_guard<std::mutex> lock(mutex_);
        owner_.reset();
    }
    int32_t Invoke(int dispid, const std::vector<Value>& args) override {
        EventDelivery delivery;
        std::shared_ptr<Stream> s;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            s = owner_.lock();
        }
        if (!s)
            return 0;
        if (dispid == 1)
            s->readyToRead();
        else if (dispid == 2)
            s->readyToWrite();
        else if (dispid == 3)
            s->closed(args.empty() ? 0 : args[0].i);
        return 0;
    }

private:
    std::mutex mutex_;
    std::weak_ptr<Stream> owner_;
};

// Removes a stream that the remote side closed, on the API thread.
class CleanupRemoteStreamCloseTask : public Task {
public:
    explicit CleanupRemoteStreamCloseTask(uint32_t handle) : handle_(handle) {}
    void execute(Context& c) override { result = c.CloseStream(handle_, 0); }

private:
    uint32_t handle_;
};

} // namespace

std::shared_ptr<Stream> Stream::Make(const std::shared_ptr<ZYNService::Object>& object, uint8_t socketMode) {
    // Ids rather than addresses: they fit the record's 32 bits and are not reused soon.
    static std::atomic<uint32_t> nextHandle{1};
    std::shared_ptr<Stream> s(new Stream());
    s->socketMode_ = socketMode;
    s->handle_ = nextHandle++;
    if (s->handle_ == 0)
        s->handle_ = nextHandle++;
    if (!object || strcmp(object->InterfaceName(), "IZYNStream") != 0)
        return s;
    auto sink = std::make_shared<ZYNStreamEventSink>(s);
    uint32_t cookie = 0;
    if (object->Advise("_IZYNStreamEvents", sink, &cookie) < 0)
        return s;
    {
        std::lock_guard<std::mutex> lock(s->mutex_);
        s->sink_ = sink;
        s->cookie_ = cookie;
        s->serviceStream_ = object;
    }
    if (socketMode == 0) {
        std::vector<Value> args{Value::Int32(0), Value()};
        object->Call(0, args);
    }
    return s;
}

Stream::~Stream() = default;

bool Stream::holds() {
    std::lock_guard<std::mutex> lock(mutex_);
    return serviceStream_ != nullptr;
}

std::shared_ptr<ZYNService::Object> Stream::service() {
    std::lock_guard<std::mutex> lock(mutex_);
    return serviceStream_;
}

void Stream::SetReadCallback(ZYNStreamReadyCallback cb, void* user) {
    std::lock_guard<std::mutex> lock(mutex_);
    readCallback_ = cb;
    readUser_ = user;
}

void Stream::SetWriteCallback(ZYNStreamReadyCallback cb, void* user) {
    std::lock_guard<std::mutex> lock(mutex_);
    writeCallback_ = cb;
    writeUser_ = user;
}

void Stream::SetClosedCallback(ZYNStreamClosedCallback cb, void* user) {
    std::lock_guard<std::mutex> lock(mutex_);
    closedCallback_ = cb;
    closedUser_ = user;
}

int32_t Stream::Read(uint8_t* buffer, int size, int* count) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (!readCallback_ || !closedCallback_)
            return kNotReady;
    }
    *count = 0;
    std::shared_ptr<ZYNService::Object> svc = service();
    if (!svc)
        return kStreamGone;
    std::vector<Value> args{Value::Int32(size), Value()};
    int32_t hr = svc->Call(0, args);
    if (hr < 0)
        return hr;
    if (args[1].kind == Value::Bytes && args[1].isArray) {
        // Never past the caller's buffer, whatever the service sent.
        size_t n = std::min(args[1].bytes.size(), size_t(size));
        if (n)
            memcpy(buffer, args[1].bytes.data(), n);
        *count = int(n);
    }
    return hr;
}

int32_t Stream::Write(const uint8_t* buffer, int size, int* count) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (!writeCallback_ || !closedCallback_)
            return kNotReady;
    }
    *count = 0;
    std::vector<uint8_t> bytes;
    try {
        bytes.assign(buffer, buffer + size);
    } catch (const std::bad_alloc&) {
        return int32_t(0x8007000E);
    }
    std::shared_ptr<ZYNService::Object> svc = service();
    if (!svc)
        return kStreamGone;
    std::vector<Value> args{Value::Array(bytes), Value::Int32(0)};
    int32_t hr = svc->Call(1, args);
    if (hr >= 0)
        *count = args[1].i;
    return hr;
}

int32_t Stream::Close(int flag) {
    std::shared_ptr<ZYNService::Object> svc;
    std::shared_ptr<ZYNService::Sink> sink;
    uint32_t cookie;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        svc = std::move(serviceStream_);
        serviceStream_.reset();
        sink = std::move(sink_);
        sink_.reset();
        cookie = cookie_;
    }
    if (!svc)
        return 0;
    if (sink)
        static_cast<ZYNStreamEventSink*>(sink.get())->ClearOwner();
    int32_t hr = svc->Unadvise(cookie);
    sink.reset();
    if (hr >= 0) {
        std::vector<Value> args{Value::Int32(flag ? -1 : 0)};
        hr = svc->Call(2, args);
    }
    svc.reset();
    readable_.Set();
    writable_.Set();
    return hr;
}

int32_t Stream::ConnectSocket(int socket) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (socket < 0 || socketMode_ == 0 || connected_)
            return kEInvalidArg;
    }
    for (int attempt = 0; attempt < 11; ++attempt) {
        std::shared_ptr<ZYNService::Object> svc = service();
        if (!svc)
            break;
        std::vector<Value> args{Value()};
        if (svc->Call(3, args) < 0)
            continue;
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_port = htons(uint16_t(args[0].i));
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (::connect(socket, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0)
            continue;
        std::vector<Value> confirm{Value::Int32(1), Value()};
        if (svc->Call(5, confirm) >= 0) {
            std::lock_guard<std::mutex> lock(mutex_);
            connected_ = 1;
            return 0;
        }
        // The socket is closed now; trying again would reuse a dead descriptor.
        ::close(socket);
        return kEFail;
    }
    return kEFail;
}

void Stream::readyToRead() {
    readable_.Set();
    ZYNStreamReadyCallback cb;
    void* user;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        cb = readCallback_;
        user = readUser_;
    }
    if (cb)
        cb(handle_, user);
}

void Stream::readyToWrite() {
    writable_.Set();
    ZYNStreamReadyCallback cb;
    void* user;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        cb = writeCallback_;
        user = writeUser_;
    }
    if (cb)
        cb(handle_, user);
}

void Stream::closed(int reason) {
    ZYNStreamClosedCallback cb;
    void* user;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        cb = closedCallback_;
        user = closedUser_;
    }
    if (cb)
        cb(handle_, reason, user);
    CleanupRemoteStreamCloseTask task(handle_);
    HandOff(task);
}

} // namespace Quorl::ZYN::API
