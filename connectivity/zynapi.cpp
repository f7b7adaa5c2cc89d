// The exported C functions: argument checks here, the work on the API thread.
#include "zynapi.h"

#include "connectivity/apithread.h"
#include "connectivity/context.h"

#include <functional>

using namespace Quorl::ZYN::API;

namespace {

class FunctionTask : public Task {
public:
    explicit FunctionTask(std::function<int32_t(Context&)> work) : work_(std::move(work)) {}
    void execute(Context& c) override { result = work_(c); }

private:
    std::function<int32_t(Context&)> work_;
};

#define ZYN_TASK(Name)                                                                                                 \
    class Name : public FunctionTask {                                                                                 \
    public:                                                                                                            \
        using FunctionTask::FunctionTask;                                                                              \
    };
ZYN_TASK(DiscoveryCallbackTask)
ZYN_TASK(AuthorizationCallbackTask)
ZYN_TASK(AuthorizationTokenTask)
ZYN_TASK(InviteCompleteCallbackTask)
ZYN_TASK(ListenTask)
ZYN_TASK(SendInviteRequestTask)
ZYN_TASK(SendInviteResponseTask)
ZYN_TASK(ReadyToReadCallbackTask)
ZYN_TASK(ReadyToWriteCallbackTask)
ZYN_TASK(StreamClosedCallbackTask)
ZYN_TASK(ReadStreamTask)
ZYN_TASK(WriteStreamTask)
ZYN_TASK(CloseStreamTask)
ZYN_TASK(ConnectSocketTask)
ZYN_TASK(GetLocalSessionGuidTask)
ZYN_TASK(LookupDeviceGuidTask)
#undef ZYN_TASK

template <class T> int32_t Run(std::function<int32_t(Context&)> work) {
    T task(std::move(work));
    return HandOff(task);
}

// Runs work on the stream behind handle, or answers E_INVALIDARG for an unknown one.
template <class T> int32_t OnStream(ZYNSTREAM handle, std::function<int32_t(Stream&)> work) {
    return Run<T>([handle, work](Context& c) {
        std::shared_ptr<Stream> s = c.FindStream(handle);
        return s ? work(*s) : ZYN_E_INVALIDARG;
    });
}

} // namespace

extern "C" {

ZYNRESULT ZYNInitialize(const ZYNInitParams* params, int reserved) {
    if (!params || reserved != 0)
        return ZYN_E_INVALIDARG;
    return ApiThread().Initialize(*params);
}

ZYNRESULT ZYNCleanUp(void) {
    return ApiThread().CleanUp();
}

ZYNRESULT ZYNSetDiscoveryCallback(ZYNDiscoveryCallback callback, void* user) {
    return Run<DiscoveryCallbackTask>([=](Context& c) { return c.SetDiscoveryCallback(callback, user); });
}

ZYNRESULT ZYNSetAuthorizationCallback(ZYNAuthorizationCallback callback, void* user) {
    return Run<AuthorizationCallbackTask>([=](Context& c) { return c.SetAuthorizationCallback(callback, user); });
}

ZYNRESULT ZYNSetAuthorizationToken(const char* first, const char* second) {
    if (!first || !second)
        return ZYN_E_INVALIDARG;
    std::string a(first), b(second);
    return Run<AuthorizationTokenTask>([&](Context& c) { return c.SetAuthorizationToken(a, b); });
}

ZYNRESULT ZYNSetInviteCallback(ZYNInviteCompleteCallback callback, void* user) {
    return Run<InviteCompleteCallbackTask>([=](Context& c) { return c.SetInviteCallback(callback, user); });
}

ZYNRESULT ZYNListenForInvites(ZYNInviteReceivedCallback callback, void* user, int mode) {
    mode &= 0xFF;
    if (mode != 0 && mode != 1 && mode != 3)
        return ZYN_E_INVALIDARG;
    if (mode != 0 && !callback)
        return ZYN_E_INVALIDARG;
    return Run<ListenTask>([=](Context& c) { return c.Listen(callback, user, mode); });
}

ZYNRESULT ZYNSendInviteRequest(int first, ZYNGUID guid1, ZYNGUID guid2, int last) {
    return Run<SendInviteRequestTask>([=](Context& c) { return c.SendInviteRequest(first, guid1, guid2, last); });
}

ZYNRESULT ZYNSendInviteResponse(int inviteId, int flag) {
    int serviceFlag = flag == 0 ? 1 : 0; // the service's sense is the other way round
    return Run<SendInviteResponseTask>([=](Context& c) { return c.SendInviteResponse(inviteId, serviceFlag); });
}

ZYNRESULT ZYNSetAsyncRead(ZYNSTREAM stream, ZYNStreamReadyCallback callback, void* user) {
    return OnStream<ReadyToReadCallbackTask>(stream, [=](Stream& s) {
        s.SetReadCallback(callback, user);
        return 0;
    });
}

ZYNRESULT ZYNSetAsyncWrite(ZYNSTREAM stream, ZYNStreamReadyCallback callback, void* user) {
    return OnStream<ReadyToWriteCallbackTask>(stream, [=](Stream& s) {
        s.SetWriteCallback(callback, user);
        return 0;
    });
}

ZYNRESULT ZYNSetAsyncClose(ZYNSTREAM stream, ZYNStreamClosedCallback callback, void* user) {
    return OnStream<StreamClosedCallbackTask>(stream, [=](Stream& s) {
        s.SetClosedCallback(callback, user);
        return 0;
    });
}

ZYNRESULT ZYNReadStream(ZYNSTREAM stream, uint8_t* buffer, int size, int* count) {
    if (!buffer || !count || size < 0)
        return ZYN_E_INVALIDARG;
    return OnStream<ReadStreamTask>(stream, [=](Stream& s) { return s.Read(buffer, size, count); });
}

ZYNRESULT ZYNWriteStream(ZYNSTREAM stream, const uint8_t* buffer, int size, int* count) {
    if (!buffer || !count || size < 0)
        return ZYN_E_INVALIDARG;
    return OnStream<WriteStreamTask>(stream, [=](Stream& s) { return s.Write(buffer, size, count); });
}

ZYNRESULT ZYNCloseStream(ZYNSTREAM stream, int flag) {
    return Run<CloseStreamTask>([=](Context& c) { return c.CloseStream(stream, flag); });
}

ZYNRESULT ZYNGetLocalSessionGuid(ZYNGUID* out) {
    return Run<GetLocalSessionGuidTask>([=](Context& c) { return c.GetLocalSessionGuid(out); });
}

ZYNRESULT ZYNLookupDeviceGuid(ZYNGUID device, ZYNGUID* out) {
    return Run<LookupDeviceGuidTask>([=](Context& c) { return c.LookupDeviceGuid(device, out); });
}

ZYNRESULT ZYNSocketBasedIO(int flag) {
    ApiThread().socketMode = flag;
    return 0;
}

ZYNRESULT ZYNConnectSocket(ZYNSTREAM stream, ZYNSOCKET socket) {
    return Run<ConnectSocketTask>([=](Context& c) {
        if (c.socketMode == 0)
            return ZYN_E_INVALIDARG;
        std::shared_ptr<Stream> s = c.FindStream(stream);
        return s ? s->ConnectSocket(socket) : ZYN_E_INVALIDARG;
    });
}

} // extern "C"
