// The library's connection to the connectivity service; lives on the API thread.
#pragma once

#include "connectivity/serviceapi.h"
#include "connectivity/stream.h"
#include "zynapi.h"

#include <condition_variable>
#include <memory>
#include <mutex>
#include <vector>

namespace Quorl::ZYN::API {

class Context;
class ZYNAuthorizationEventSink;
class ZYNDiscoveryEventSink;
class OwnedSink;

class Task {
public:
    virtual ~Task() = default;
    virtual void execute(Context& context) = 0;
    int32_t result = int32_t(0x87FF0001);
};

class InviteHandler {
public:
    virtual ~InviteHandler() = default;
    virtual void inviteReceived(const std::vector<ZYNService::Value>& args) = 0;
    virtual void inviteComplete(const std::vector<ZYNService::Value>& args) = 0;
};

// Counts the service's event calls that run inside an object, so that the object can wait for them
// before it goes. Nothing is held while a call runs: a callback may call back into the library.
class EventGate {
public:
    void Enter();
    void Leave();
    void WaitIdle();

private:
    std::mutex mutex_;
    std::condition_variable idle_;
    int calls_ = 0;
};

class Context : public InviteHandler {
public:
    Context();
    ~Context() override;

    int32_t Initialize(const ZYNInitParams& block, const ZYNGUID& gadget);
    int32_t SetDiscoveryCallback(ZYNDiscoveryCallback cb, void* user);
    int32_t SetAuthorizationCallback(ZYNAuthorizationCallback cb, void* user);
    int32_t SetAuthorizationToken(const std::string& first, const std::string& second);
    int32_t SetInviteCallback(ZYNInviteCompleteCallback cb, void* user);
    int32_t Listen(ZYNInviteReceivedCallback cb, void* user, int mode);
    int32_t SendInviteRequest(int first, const ZYNGUID& g1, const ZYNGUID& g2, int last);
    int32_t SendInviteResponse(int id, int flag);
    int32_t LookupDeviceGuid(const ZYNGUID& device, ZYNGUID* out);
    int32_t GetLocalSessionGuid(ZYNGUID* out);

    std::shared_ptr<Stream> FindStream(uintptr_t handle);
    int32_t CloseStream(uintptr_t handle, int flag);

    void inviteReceived(const std::vector<ZYNService::Value>& args) override;
    void inviteComplete(const std::vector<ZYNService::Value>& args) override;

    // The invite sinks' calls into this Context.
    EventGate& Events() { return events_; }

    void SetSocketMode(uint8_t mode) {
        std::lock_guard<std::mutex> lock(mutex_);
        socketMode = mode;
    }

    ZYNGUID nilGuid{};
    ZYNGUID gadgetGuid{};
    uint8_t socketMode = 0;
    ZYNInitParams params{};

private:
    void Release();

    EventGate events_;
    std::mutex mutex_; // callbacks and streams, shared with the service's event threads
    ZYNInviteCompleteCallback inviteCompleteCallback_ = nullptr;
    void* inviteCompleteUser_ = nullptr;
    ZYNInviteReceivedCallback inviteReceivedCallback_ = nullptr;
    void* inviteReceivedUser_ = nullptr;
    std::vector<std::shared_ptr<Stream>> streams_;

    std::shared_ptr<ZYNService::Object> sessionObject_;
    std::shared_ptr<ZYNService::Object> gadgetObject_;
    std::shared_ptr<OwnedSink> gadgetSink_;
    std::shared_ptr<ZYNService::Object> inviteObject_;
    std::shared_ptr<OwnedSink> inviteSink_;
    std::shared_ptr<ZYNAuthorizationEventSink> authorizationSink_;
    std::shared_ptr<ZYNService::Object> discoveryObject_;
    std::shared_ptr<ZYNDiscoveryEventSink> discoverySink_;
};

// Runs a task on the API thread and returns its result; E_FAIL when no API thread runs.
int32_t HandOff(Task& task);

} // namespace Quorl::ZYN::API
