// Installs the crash handler with the path given first, then fails as the second argument says.
#include "foundation/crashhandler.h"

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace {
volatile int g_zero = 0;

__attribute__((noinline)) void WriteNull() {
    volatile int* p = nullptr;
    *p = 1;
}

__attribute__((noinline)) int ReadNull() {
    volatile int* p = nullptr;
    return *p;
}

__attribute__((noinline)) void Recurse(int depth) {
    volatile char pad[256];
    pad[0] = char(depth);
    if (depth > 0)
        Recurse(depth - 1);
    (void)pad[0];
}
} // namespace

int main(int argc, char** argv) {
    if (argc < 3)
        return 2;
    InstallCrashHandler(argv[1]);
    const char* mode = argv[2];
    if (!std::strcmp(mode, "write"))
        WriteNull();
    else if (!std::strcmp(mode, "read"))
        return ReadNull();
    else if (!std::strcmp(mode, "divide"))
        return 10 / g_zero;
    else if (!std::strcmp(mode, "abort"))
        std::abort();
    else if (!std::strcmp(mode, "throw"))
        throw std::runtime_error("nobody catches this");
    else if (!std::strcmp(mode, "overflow"))
        Recurse(1 << 30);
    return 0;
}
