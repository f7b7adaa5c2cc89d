// Event receivers on the service's objects.
#pragma once

#include "connectivity/context.h"
#include "connectivity/serviceapi.h"
#include "zynapi.h"

#include <mutex>

namespace Quorl::ZYN::API {

// Gadget (dispid 4) and invite (dispid 1) events, forwarded to the Context while it lives. The call runs
// without the sink's lock, counted in the Context's event gate, so that a callback may set the library up
// again or end it; the Context waits for it before it goes.
class OwnedSink : public ZYNService::Sink {
public:
    OwnedSink(Context* owner, int dispid, bool complete) : owner_(owner), dispid_(dispid), complete_(complete) {}
    // Never waits for a call that is running.
    void SetOwner(Context* owner);
    int32_t Invoke(int dispid, const std::vector<ZYNService::Value>& args) override;

private:
    std::mutex mutex_;
    Context* owner_;
    int dispid_;
    bool complete_;
};

class ZYNDiscoveryEventSink : public ZYNService::Sink {
public:
    void SetCallback(ZYNDiscoveryCallback cb, void* user);
    int32_t Invoke(int dispid, const std::vector<ZYNService::Value>& args) override;
    // The event's work; public so it can be driven directly.
    void Discovered(const std::string& eventGuid, const std::string& xml);

private:
    std::mutex mutex_;
    ZYNDiscoveryCallback callback_ = nullptr;
    void* user_ = nullptr;
};

class ZYNAuthorizationEventSink : public ZYNService::Sink {
public:
    void Set(ZYNAuthorizationCallback cb, void* user, const ZYNInitParams& params,
             const std::shared_ptr<ZYNService::Object>& gadget);
    void Release();
    int32_t Invoke(int dispid, const std::vector<ZYNService::Value>& args) override;
    void StateChanged(const std::string& text, int code);

private:
    std::mutex mutex_;
    ZYNAuthorizationCallback callback_ = nullptr;
    void* user_ = nullptr;
    int lastState_ = 0;
    ZYNInitParams params_{};
    std::shared_ptr<ZYNService::Object> gadget_;
};

} // namespace Quorl::ZYN::API
