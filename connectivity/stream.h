// A byte stream of an accepted invite, wrapping the service's stream object.
#pragma once

#include "connectivity/objecthandle.h"
#include "connectivity/serviceapi.h"
#include "zynapi.h"

#include <memory>
#include <mutex>

namespace Quorl::ZYN::API {

class Context;

class ZYNStreamEventHandler {
public:
    virtual ~ZYNStreamEventHandler() = default;
    virtual void readyToRead() = 0;
    virtual void readyToWrite() = 0;
    virtual void closed(int reason) = 0;
};

class Stream : public ZYNStreamEventHandler, public std::enable_shared_from_this<Stream> {
public:
    // Made from the invite-complete event; holds() tells whether it took the service stream.
    static std::shared_ptr<Stream> Make(const std::shared_ptr<ZYNService::Object>& object, uint8_t socketMode);
    ~Stream() override;

    bool holds();
    uint32_t handle() const { return handle_; }

    void SetReadCallback(ZYNStreamReadyCallback cb, void* user);
    void SetWriteCallback(ZYNStreamReadyCallback cb, void* user);
    void SetClosedCallback(ZYNStreamClosedCallback cb, void* user);

    int32_t Read(uint8_t* buffer, int size, int* count);
    int32_t Write(const uint8_t* buffer, int size, int* count);
    int32_t Close(int flag);
    int32_t ConnectSocket(int socket);

    void readyToRead() override;
    void readyToWrite() override;
    void closed(int reason) override;

    uint8_t socketMode() const { return socketMode_; }

private:
    Stream() = default;
    std::shared_ptr<ZYNService::Object> service();

    std::mutex mutex_; // guards the fields below against the service's event threads
    std::shared_ptr<ZYNService::Object> serviceStream_;
    std::shared_ptr<ZYNService::Sink> sink_;
    uint32_t cookie_ = 0;
    Quorl::Win32::Event readable_{false, false};
    ZYNStreamReadyCallback readCallback_ = nullptr;
    void* readUser_ = nullptr;
    Quorl::Win32::Event writable_{true, false};
    ZYNStreamReadyCallback writeCallback_ = nullptr;
    void* writeUser_ = nullptr;
    ZYNStreamClosedCallback closedCallback_ = nullptr;
    void* closedUser_ = nullptr;
    uint8_t socketMode_ = 0;
    uint8_t connected_ = 0;
    uint32_t handle_ = 0;
};

} // namespace Quorl::ZYN::API
