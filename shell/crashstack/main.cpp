// vellichor-crash-stack: the stack of a crash record. The crash handler starts it with the crashed process's id and
// the frame addresses and reads the text from the standard output:
//   vellichor-crash-stack <pid> [--fault] <address>...
// --fault says the first address is the faulting instruction itself (see DescribeCrashStack). Exit code 0 with
// the stack, 1 when the process's modules cannot be read, 2 for wrong arguments (the reason on the error output).
#include "shell/crashstack/crashstack.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {
bool ParseNumber(const char* text, int base, unsigned long long& value) {
    if (!text || !*text)
        return false;
    char* end = nullptr;
    errno = 0;
    value = std::strtoull(text, &end, base);
    return errno == 0 && end && !*end;
}
} // namespace

int main(int argc, char** argv) {
    unsigned long long pid = 0;
    if (argc < 2 || !ParseNumber(argv[1], 10, pid) || pid == 0) {
        std::fprintf(stderr, "usage: %s <pid> [--fault] <address>...\n", argc ? argv[0] : "vellichor-crash-stack");
        return 2;
    }
    int next = 2;
    const bool fault = next < argc && !std::strcmp(argv[next], "--fault");
    if (fault)
        ++next;
    std::vector<uint64_t> addresses;
    for (; next < argc; ++next) {
        unsigned long long address = 0;
        if (!ParseNumber(argv[next], 16, address)) {
            std::fprintf(stderr, "vellichor-crash-stack: not an address: %s\n", argv[next]);
            return 2;
        }
        addresses.push_back(address);
    }
    std::string error;
    const std::string text = DescribeCrashStack(pid_t(pid), addresses, fault, &error);
    if (text.empty()) {
        std::fprintf(stderr, "vellichor-crash-stack: process %llu: %s\n", pid, error.c_str());
        return 1;
    }
    return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() && std::fflush(stdout) == 0 ? 0 : 1;
}
