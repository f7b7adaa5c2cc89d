// Stand-in for the outside connectivity service: records the calls it gets and raises the events tests ask for.
#include "connectivity/serviceapi.h"
#include "connectivity/stub/zynfake.h"

#include <cstring>
#include <map>
#include <mutex>
#include <stdexcept>
#include <thread>

using namespace ZYNService;

#define STUB_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

std::mutex g_mutex;
std::string g_calls;
std::string g_callsCopy;
std::map<std::string, int32_t> g_fail;
std::map<std::string, std::string> g_texts;

class FakeObject;
std::map<std::string, std::weak_ptr<FakeObject>> g_latest;

class FakeStream;
std::map<int, std::shared_ptr<FakeStream>> g_streams;
int g_nextStream = 1;

std::string Describe(const std::vector<Value>& args) {
    std::string r;
    for (size_t i = 0; i < args.size(); ++i) {
        if (i)
            r += ",";
        const Value& v = args[i];
        switch (v.kind) {
        case Value::Null:
            r += "null";
            break;
        case Value::Int:
            r += std::to_string(v.i);
            break;
        case Value::Text:
            r += v.text;
            break;
        case Value::Bytes:
            r += "bytes[" + std::to_string(v.bytes.size()) + "]";
            break;
        case Value::ObjectRef:
            r += "object";
            break;
        }
    }
    return r;
}

class FakeObject : public Object {
public:
    explicit FakeObject(std::string cls) : cls_(std::move(cls)) {}
    const char* InterfaceName() const override { return cls_ == "Stream" ? "IZYNStream" : "IZYN"; }
    int32_t Call(int method, std::vector<Value>& args) override {
        std::string key = cls_ + "." + std::to_string(method);
        int32_t hr = 0;
        {
            std::lock_guard<std::mutex> lock(g_mutex);
            g_calls += key + "(" + Describe(args) + ")\n";
            auto it = g_fail.find(key);
            if (it != g_fail.end())
                hr = it->second;
        }
        if (hr == 1)
            throw std::runtime_error("stub failure");
        if (hr < 0)
            return hr;
        return Work(method, args);
    }
    int32_t Advise(const std::string& eventInterface, const std::shared_ptr<Sink>& sink, uint32_t* cookie) override {
        std::lock_guard<std::mutex> lock(g_mutex);
        g_calls += cls_ + ".Advise(" + eventInterface + ")\n";
        sinks_[++nextCookie_] = sink;
        *cookie = nextCookie_;
        return 0;
    }
    int32_t Unadvise(uint32_t cookie) override {
        std::lock_guard<std::mutex> lock(g_mutex);
        g_calls += cls_ + ".Unadvise\n";
        return sinks_.erase(cookie) ? 0 : E_FAIL;
    }
    // Raises an event on a thread of the service's own, as the real one does.
    void Fire(int dispid, const std::vector<Value>& args) {
        std::vector<std::shared_ptr<Sink>> sinks;
        {
            std::lock_guard<std::mutex> lock(g_mutex);
            for (auto& s : sinks_)
                sinks.push_back(s.second);
        }
        std::thread t([&] {
            for (auto& s : sinks)
                s->Invoke(dispid, args);
        });
        t.join();
    }

protected:
    virtual int32_t Work(int method, std::vector<Value>& args) {
        std::lock_guard<std::mutex> lock(g_mutex);
        if (cls_ == "Session" && method == 4 && args.size() > 2)
            args[2] = Value::Str(g_texts["Session.4"]);
        if (cls_ == "Session" && method == 5 && !args.empty())
            args[0] = Value::Str(g_texts["Session.5"]);
        return 0;
    }
    std::string cls_;
    std::map<uint32_t, std::shared_ptr<Sink>> sinks_;
    uint32_t nextCookie_ = 0;
};

class FakeStream : public FakeObject {
public:
    FakeStream() : FakeObject("Stream") {}
    std::vector<uint8_t> inbound, written;
    int port = -1;

protected:
    int32_t Work(int method, std::vector<Value>& args) override {
        std::lock_guard<std::mutex> lock(g_mutex);
        switch (method) {
        case 0: { // read: hands over what is queued, up to the maximum asked for
            size_t n = std::min(inbound.size(), size_t(std::max(args[0].i, 0)));
            args[1] = Value::Array(std::vector<uint8_t>(inbound.begin(), inbound.begin() + long(n)));
            inbound.erase(inbound.begin(), inbound.begin() + long(n));
            return 0;
        }
        case 1:
            written.insert(written.end(), args[0].bytes.begin(), args[0].bytes.end());
            args[1] = Value::Int32(int32_t(args[0].bytes.size()));
            return 0;
        case 3:
            if (port < 0)
                return E_FAIL;
            args[0] = Value::Int32(port);
            return 0;
        case 5:
            args[1] = Value::Int32(1);
            return 0;
        default:
            return 0;
        }
    }
};

std::shared_ptr<FakeObject> Latest(const char* cls) {
    std::lock_guard<std::mutex> lock(g_mutex);
    return g_latest[cls].lock();
}

std::shared_ptr<FakeStream> StreamById(int id) {
    std::lock_guard<std::mutex> lock(g_mutex);
    auto it = g_streams.find(id);
    return it == g_streams.end() ? nullptr : it->second;
}

} // namespace

STUB_EXPORT int32_t zynservice_create(const char* className, std::shared_ptr<Object>* out) {
    std::string cls = className;
    if (cls != "Session" && cls != "Gadget" && cls != "Invite" && cls != "Discovery")
        return CLASS_NOT_REGISTERED;
    std::lock_guard<std::mutex> lock(g_mutex);
    g_calls += "create(" + cls + ")\n";
    auto it = g_fail.find("create." + cls);
    if (it != g_fail.end() && it->second < 0)
        return it->second;
    auto obj = std::make_shared<FakeObject>(cls);
    g_latest[cls] = obj;
    *out = obj;
    return 0;
}

STUB_EXPORT void zynfake_reset(void) {
    std::lock_guard<std::mutex> lock(g_mutex);
    g_calls.clear();
    g_fail.clear();
    g_texts.clear();
}

STUB_EXPORT const char* zynfake_calls(void) {
    std::lock_guard<std::mutex> lock(g_mutex);
    g_callsCopy = g_calls;
    return g_callsCopy.c_str();
}

STUB_EXPORT void zynfake_fail(const char* call, int32_t hr) {
    std::lock_guard<std::mutex> lock(g_mutex);
    if (hr == 0)
        g_fail.erase(call);
    else
        g_fail[call] = hr;
}

STUB_EXPORT void zynfake_set_text(const char* call, const char* text) {
    std::lock_guard<std::mutex> lock(g_mutex);
    g_texts[call] = text;
}

STUB_EXPORT void zynfake_emit_discovery(const char* guid, const char* xml) {
    if (auto d = Latest("Discovery"))
        d->Fire(1, {Value::Str(guid), Value::Str(xml)});
}

STUB_EXPORT void zynfake_emit_authorization(const char* text, int code) {
    if (auto g = Latest("Gadget"))
        g->Fire(1, {Value::Str(text ? text : ""), Value::Int32(code)});
}

STUB_EXPORT void zynfake_emit_invite_received(int first, const char* t2, const char* t4, const char* t5, int sixth,
                                              const char* t7) {
    if (auto g = Latest("Gadget"))
        g->Fire(4, {Value::Int32(first), Value::Str(t2), Value::Str("unused"), Value::Str(t4), Value::Str(t5),
                    Value::Int32(sixth), Value::Str(t7)});
}

STUB_EXPORT int zynfake_emit_invite_complete(int first, int second, const char* text, int withStream) {
    auto inv = Latest("Invite");
    if (!inv)
        return 0;
    int id = 0;
    Value obj;
    if (withStream) {
        auto s = std::make_shared<FakeStream>();
        std::lock_guard<std::mutex> lock(g_mutex);
        id = g_nextStream++;
        g_streams[id] = s;
        obj.kind = Value::ObjectRef;
        obj.object = s;
    }
    inv->Fire(1, {Value::Int32(first), Value::Int32(second), Value::Str(text), obj});
    return id;
}

STUB_EXPORT void zynfake_stream_feed(int id, const uint8_t* bytes, int count) {
    auto s = StreamById(id);
    if (!s)
        return;
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        s->inbound.insert(s->inbound.end(), bytes, bytes + count);
    }
    s->Fire(1, {});
}

STUB_EXPORT int zynfake_stream_take(int id, uint8_t* buffer, int max) {
    auto s = StreamById(id);
    if (!s)
        return 0;
    std::lock_guard<std::mutex> lock(g_mutex);
    int n = int(std::min(s->written.size(), size_t(max)));
    memcpy(buffer, s->written.data(), size_t(n));
    s->written.erase(s->written.begin(), s->written.begin() + n);
    return n;
}

STUB_EXPORT void zynfake_stream_event(int id, int dispid, int reason) {
    if (auto s = StreamById(id))
        s->Fire(dispid, {Value::Int32(reason)});
}

STUB_EXPORT void zynfake_stream_port(int id, int port) {
    if (auto s = StreamById(id)) {
        std::lock_guard<std::mutex> lock(g_mutex);
        s->port = port;
    }
}
