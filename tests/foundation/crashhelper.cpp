// Installs the crash handler with the path given first (and the crash window given third, if any; the stack program
// given fourth, else the build's one), then fails as the second argument says; the "worker-" modes fail on a thread
// of their own.
#include "foundation/crashhandler.h"

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <thread>

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
    InstallCrashHandler(argv[1], argc > 3 ? argv[3] : nullptr, argc > 4 ? argv[4] : CRASH_STACK_PROGRAM);
    const char* mode = argv[2];
    if (!std::strncmp(mode, "worker-", 7)) {
        const char* what = mode + 7;
        std::thread worker([what] {
            if (!std::strcmp(what, "write"))
                WriteNull();
            else if (!std::strcmp(what, "overflow"))
                Recurse(1 << 30);
        });
        worker.join();
        return 0;
    }
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
