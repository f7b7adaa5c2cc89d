#include "connectivity/context.h"

#include "connectivity/eventsinks.h"
#include "connectivity/serviceloader.h"
#include "connectivity/textutil.h"

#include <cstring>

using Quorl::Text::GuidFromText;
using Quorl::Text::GuidToText;
using ZYNService::Value;

namespace Quorl::ZYN::API {

static constexpr int32_t kEFail = int32_t(0x80004005);
static constexpr int32_t kEInvalidArg = int32_t(0x80070057);
static constexpr int32_t kNotReady = int32_t(0x87FF0002);

// The texts of the block may fill all 250 bytes without a terminator.
static std::string BoundedText(const char* text, size_t width) {
    return std::string(text, strnlen(text, width));
}

static bool ValidUtf8(const std::string& s) {
    size_t i = 0;
    while (i < s.size()) {
        unsigned char c = s[i];
        int extra = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
        if (extra < 0 || i + size_t(extra) >= s.size())
            return false;
        for (int k = 1; k <= extra; ++k)
            if ((static_cast<unsigned char>(s[i + k]) >> 6) != 2)
                return false;
        i += size_t(extra) + 1;
    }
    return true;
}

void EventGate::Enter() {
    std::lock_guard<std::mutex> lock(mutex_);
    ++calls_;
}

void EventGate::Leave() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (--calls_ == 0)
        idle_.notify_all();
}

void EventGate::WaitIdle() {
    std::unique_lock<std::mutex> lock(mutex_);
    idle_.wait(lock, [this] { return calls_ == 0; });
}

Context::Context() = default;

Context::~Context() {
    Release();
    // An invite event may still run in here (its callback may even be what ended the thread): after
    // Release no new one comes in, and the ones running are waited for.
    events_.WaitIdle();
}

void Context::Release() {
    // Sinks may outlive us inside the service: cut them loose first.
    if (gadgetSink_)
        gadgetSink_->SetOwner(nullptr);
    if (inviteSink_)
        inviteSink_->SetOwner(nullptr);
    if (authorizationSink_)
        authorizationSink_->Release();
    if (discoverySink_)
        discoverySink_->SetCallback(nullptr, nullptr);
    discoveryObject_.reset();
    inviteObject_.reset();
    gadgetObject_.reset();
    sessionObject_.reset();
    std::vector<std::shared_ptr<Stream>> streams;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        streams.swap(streams_);
    }
    for (auto& s : streams)
        s->Close(0);
}

int32_t Context::Initialize(const ZYNInitParams& block, const ZYNGUID& gadget) {
    Release(); // a second set-up replaces the first
    params = block;
    gadgetGuid = gadget;

    std::string clientId = "C/" + GuidToText(Quorl::Text::NewGuid(), false);
    int32_t hr = CreateServiceObject("Session", &sessionObject_);
    if (hr < 0)
        return hr;
    if ((hr = CreateServiceObject("Gadget", &gadgetObject_)) < 0)
        return hr;
    std::vector<Value> args{Value::Str(clientId)};
    if ((hr = gadgetObject_->Call(7, args)) < 0)
        return hr;
    gadgetSink_ = std::make_shared<OwnedSink>(this, 4, false);
    authorizationSink_ = std::make_shared<ZYNAuthorizationEventSink>();
    uint32_t cookie = 0;
    gadgetObject_->Advise("_IZYNGadgetEvents", gadgetSink_, &cookie);
    if ((hr = gadgetObject_->Advise("_IZYNGadgetEvents", authorizationSink_, &cookie)) < 0)
        return hr;
    if ((hr = CreateServiceObject("Invite", &inviteObject_)) < 0)
        return hr;
    args = {Value::Str(clientId)};
    if ((hr = inviteObject_->Call(4, args)) < 0)
        return hr;
    inviteSink_ = std::make_shared<OwnedSink>(this, 1, true);
    if ((hr = inviteObject_->Advise("_IZYNInviteEvents", inviteSink_, &cookie)) < 0)
        return hr;
    if ((hr = CreateServiceObject("Discovery", &discoveryObject_)) < 0)
        return hr;
    discoverySink_ = std::make_shared<ZYNDiscoveryEventSink>();
    return discoveryObject_->Advise("_IZYNDiscoveryEvents", discoverySink_, &cookie);
}

int32_t Context::SetDiscoveryCallback(ZYNDiscoveryCallback cb, void* user) {
    if (!discoverySink_ || !discoveryObject_)
        return kEFail;
    discoverySink_->SetCallback(cb, user);
    std::vector<Value> none;
    return discoveryObject_->Call(0, none);
}

int32_t Context::SetAuthorizationCallback(ZYNAuthorizationCallback cb, void* user) {
    if (!authorizationSink_)
        return 0;
    authorizationSink_->Set(cb, user, params, gadgetObject_);
    if (!gadgetObject_)
        return 0;
    std::string text1 = BoundedText(params.authorizationText1, sizeof params.authorizationText1);
    if (!ValidUtf8(text1))
        text1.clear(); // a text that does not convert is sent empty
    std::vector<Value> args{Value::Str(GuidToText(params.authorizationGuid, true)), Value::Str(text1),
                            Value::Str(BoundedText(params.authorizationText2, sizeof params.authorizationText2)),
                            Value::Str("")};
    gadgetObject_->Call(3, args);
    return 0;
}

int32_t Context::SetAuthorizationToken(const std::string& first, const std::string& second) {
    if (!gadgetObject_)
        return kEFail;
    std::vector<Value> args{Value::Str(GuidToText(params.authorizationGuid, true)), Value::Str(first),
                            Value::Str(second)};
    return gadgetObject_->Call(4, args);
}

int32_t Context::SetInviteCallback(ZYNInviteCompleteCallback cb, void* user) {
    std::lock_guard<std::mutex> lock(mutex_);
    inviteCompleteCallback_ = cb;
    inviteCompleteUser_ = user;
    return 0;
}

int32_t Context::Listen(ZYNInviteReceivedCallback cb, void* user, int mode) {
    if (!gadgetObject_)
        return kEFail;
    bool listening;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        listening = inviteReceivedCallback_ != nullptr;
    }
    if (listening) {
        std::vector<Value> args{Value::Str(GuidToText(nilGuid, false)), Value::Str(GuidToText(gadgetGuid, false))};
        int32_t hr = gadgetObject_->Call(1, args);
        if (hr < 0)
            return hr;
        std::lock_guard<std::mutex> lock(mutex_);
        inviteReceivedCallback_ = nullptr;
        inviteReceivedUser_ = nullptr;
    }
    if (mode == 0)
        return 0;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (!inviteCompleteCallback_)
            return kNotReady;
        inviteReceivedCallback_ = cb;
        inviteReceivedUser_ = user;
    }
    std::vector<Value> args{Value::Str(GuidToText(gadgetGuid, false)),
                            Value::Int32(0),
                            Value::Int32(0),
                            Value::Int32(0),
                            Value::Int32(0),
                            Value::Int32(mode),
                            Value()};
    int32_t hr = gadgetObject_->Call(0, args);
    if (hr < 0) {
        std::lock_guard<std::mutex> lock(mutex_);
        inviteReceivedCallback_ = nullptr;
        inviteReceivedUser_ = nullptr;
    }
    return hr;
}

int32_t Context::SendInviteRequest(int first, const ZYNGUID& g1, const ZYNGUID& g2, int last) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (!inviteCompleteCallback_)
            return kNotReady;
    }
    if (!inviteObject_)
        return kEFail;
    std::string t2 = GuidToText(g2, false);
    std::vector<Value> args{Value::Str(GuidToText(g1, false)),
                            Value::Str(t2),
                            Value::Str(t2),
                            Value::Int32(0),
                            Value::Int32(last),
                            Value::Int32(first)};
    return inviteObject_->Call(0, args);
}

int32_t Context::SendInviteResponse(int id, int flag) {
    if (!gadgetObject_)
        return kEFail;
    std::vector<Value> args{Value::Int32(id), Value::Int32(flag)};
    return gadgetObject_->Call(2, args);
}

int32_t Context::LookupDeviceGuid(const ZYNGUID& device, ZYNGUID* out) {
    if (!out)
        return kEInvalidArg;
    if (!sessionObject_)
        return kEFail;
    std::vector<Value> args{Value::Str(GuidToText(device, true)), Value::Int32(2), Value()};
    if (sessionObject_->Call(4, args) < 0)
        return kEFail;
    *out = GuidFromText(args[2].text);
    return 0;
}

int32_t Context::GetLocalSessionGuid(ZYNGUID* out) {
    if (!out)
        return 1;
    if (!sessionObject_)
        return kEFail;
    std::vector<Value> args{Value()};
    int32_t hr = sessionObject_->Call(5, args);
    if (hr >= 0)
        *out = GuidFromText(args[0].text);
    return hr;
}

std::shared_ptr<Stream> Context::FindStream(uintptr_t handle) {
    std::lock_guard<std::mutex> lock(mutex_);
    for (const auto& s : streams_)
        if (handle != 0 && s->handle() == handle)
            return s;
    return nullptr;
}

int32_t Context::CloseStream(uintptr_t handle, int flag) {
    std::shared_ptr<Stream> s = FindStream(handle);
    if (!s)
        return kEInvalidArg;
    int32_t hr = s->Close(flag);
    std::lock_guard<std::mutex> lock(mutex_);
    for (auto it = streams_.begin(); it != streams_.end(); ++it) {
        if (*it == s) {
            streams_.erase(it);
            break;
        }
    }
    return hr;
}

static int32_t IntArg(const std::vector<Value>& args, size_t i) {
    return i < args.size() ? args[i].i : 0;
}
static std::string TextArg(const std::vector<Value>& args, size_t i) {
    return i < args.size() ? args[i].text : std::string();
}

void Context::inviteReceived(const std::vector<Value>& args) {
    ZYNInviteReceivedCallback cb;
    void* user;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        cb = inviteReceivedCallback_;
        user = inviteReceivedUser_;
    }
    if (!cb)
        return;
    ZYNInviteRecord r{};
    r.first = IntArg(args, 0);
    r.guid2 = GuidFromText(TextArg(args, 1));
    r.guid4 = GuidFromText(TextArg(args, 3));
    r.guid5 = GuidFromText(TextArg(args, 4));
    r.sixth = IntArg(args, 5);
    r.guid7 = GuidFromText(TextArg(args, 6));
    cb(&r, user);
}

void Context::inviteComplete(const std::vector<Value>& args) {
    ZYNInviteCompleteCallback cb;
    void* user;
    uint8_t mode;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        cb = inviteCompleteCallback_;
        user = inviteCompleteUser_;
        mode = socketMode;
    }
    if (!cb)
        return;
    ZYNInviteCompleteRecord r{};
    r.first = IntArg(args, 0);
    r.second = IntArg(args, 1);
    r.guid = GuidFromText(TextArg(args, 2));
    if (args.size() > 3 && args[3].object) {
        std::shared_ptr<Stream> s = Stream::Make(args[3].object, mode);
        if (s && s->holds()) {
            std::lock_guard<std::mutex> lock(mutex_);
            streams_.push_back(s);
            r.stream = s->handle();
        }
    }
    cb(&r, user);
}

} // namespace Quorl::ZYN::API
