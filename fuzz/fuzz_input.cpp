#include "fuzz/inputentries.h"

#include <cstring>

namespace {
using Entry = int (*)(const uint8_t*, size_t);

Entry Pick() {
    static const struct {
        const char* name;
        Entry entry;
    } table[] = {{"json", FuzzJsonReader},         {"usercfg", FuzzUserCfg},
                 {"datafolder", FuzzDataFolder},   {"zipimport", FuzzZipImport},
                 {"maildecode", FuzzMailDecode},   {"newsfeed", FuzzNewsFeed},
                 {"wshandshake", FuzzWsHandshake}, {"clientmessage", FuzzClientMessage}};
    for (const auto& t : table) {
        if (strcmp(t.name, FUZZ_TARGET) == 0)
            return t.entry;
    }
    return nullptr;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const Entry entry = Pick();
    return entry(data, size);
}
