// Interface between the library and the connectivity service module, which is loaded at run time.
// Objects are addressed as the service defines them: methods by number, events by dispid.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace ZYNService {

constexpr int32_t S_OK = 0;
constexpr int32_t E_FAIL = int32_t(0x80004005);
constexpr int32_t E_NOINTERFACE = int32_t(0x80004002);
constexpr int32_t CLASS_NOT_REGISTERED = int32_t(0x80040154);

class Object;

// One argument or result of a method or event.
struct Value {
    enum Kind { Null, Int, Text, Bytes, ObjectRef };
    Kind kind = Null;
    int32_t i = 0;
    std::string text;
    std::vector<uint8_t> bytes;
    bool isArray = false; // a one-dimensional byte array (bytes) as opposed to any other variant
    std::shared_ptr<Object> object;

    static Value Int32(int32_t v) {
        Value r;
        r.kind = Int;
        r.i = v;
        return r;
    }
    static Value Str(const std::string& s) {
        Value r;
        r.kind = Text;
        r.text = s;
        return r;
    }
    static Value Array(const std::vector<uint8_t>& b) {
        Value r;
        r.kind = Bytes;
        r.bytes = b;
        r.isArray = true;
        return r;
    }
};

// Event receiver; the service calls it on threads of its own.
class Sink {
public:
    virtual ~Sink() = default;
    virtual int32_t Invoke(int dispid, const std::vector<Value>& args) = 0;
};

class Object {
public:
    virtual ~Object() = default;
    virtual const char* InterfaceName() const = 0;
    // args are in/out: out parameters are written back into their slots.
    virtual int32_t Call(int method, std::vector<Value>& args) = 0;
    virtual int32_t Advise(const std::string& eventInterface, const std::shared_ptr<Sink>& sink, uint32_t* cookie) = 0;
    virtual int32_t Unadvise(uint32_t cookie) = 0;
};

// Entry point of the module: class names "Session", "Gadget", "Invite", "Discovery".
using CreateFunction = int32_t (*)(const char* className, std::shared_ptr<Object>* out);
constexpr const char* CreateSymbol = "zynservice_create";

} // namespace ZYNService
