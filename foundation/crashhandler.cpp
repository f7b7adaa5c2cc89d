#include "foundation/crashhandler.h"

#include <QByteArray>
#include <QFileInfo>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <exception>
#include <execinfo.h>
#include <fcntl.h>
#include <new>
#include <poll.h>
#include <pthread.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <time.h>
#include <ucontext.h>
#include <unistd.h>

extern char** environ;

namespace {

constexpr size_t kPathSize = 260;
constexpr int kMaxFrames = 32;
// Frames of the handler itself and of the kernel's signal trampoline that start every walk.
constexpr int kSkippedFrames = 2;
// Room for the handler's own frames above the faulting one, which the walk finds by its address.
constexpr int kHandlerFrames = 8;
// How long the stack program may take to read the debugging information before the raw frames are used.
constexpr int kStackProgramMs = 20000;

char g_crashLogPath[kPathSize] = {0};
// The crash window's program, empty when no window is shown (no screen, or the program is missing).
char g_dialogProgram[4096] = {0};
// The program that names the frames' functions, files and lines, empty when there is none.
char g_stackProgram[4096] = {0};
// The stack as the stack program wrote it, kept for the log, stderr and the window.
char g_stack[256 * 1024];
size_t g_stackSize = 0;
// The thread writing a record (its kernel id), 0 while none is.
std::atomic<long> g_reportingThread{0};
std::atomic<bool> g_installed{false};
// Room for the handlers when the fault was a stack overflow: the main thread's here, every other thread's
// made when it starts (see pthread_create below).
constexpr size_t kAltStackSize = 64 * 1024;
alignas(16) char g_altStack[kAltStackSize];

const int kSignals[] = {SIGSEGV, SIGABRT, SIGFPE, SIGBUS, SIGILL};

struct ExceptionText {
    const char* name;
    const char* explanation;
};

const ExceptionText kAccessRead = {
    "EXCEPTION_ACCESS_VIOLATION(R)",
    "The thread tried to read from or write to a virtual address for which it does not have the appropriate access."};
const ExceptionText kAccessWrite = {
    "EXCEPTION_ACCESS_VIOLATION(W)",
    "The thread tried to read from or write to a virtual address for which it does not have the appropriate access."};
const ExceptionText kMisaligned = {
    "EXCEPTION_DATATYPE_MISALIGNMENT",
    "The thread tried to read or write data that is misaligned on hardware that does not provide alignment."};
const ExceptionText kInPage = {"EXCEPTION_IN_PAGE_ERROR",
                               "The thread tried to access a page that was not present, and the system was unable "
                               "to load the page."};
const ExceptionText kIllegal = {"EXCEPTION_ILLEGAL_INSTRUCTION", "The thread tried to execute an invalid instruction."};
const ExceptionText kPrivileged = {
    "EXCEPTION_PRIV_INSTRUCTION",
    "The thread tried to execute an instruction whose operation is not allowed in the current machine mode."};
const ExceptionText kBounds = {"EXCEPTION_ARRAY_BOUNDS_EXCEEDED",
                               "The thread tried to access an array element that is out of bounds and the "
                               "underlying hardware supports bounds checking."};
const ExceptionText kFltDivZero = {"EXCEPTION_FLT_DIVIDE_BY_ZERO",
                                   "The thread tried to divide a floating-point value by a floating-point divisor "
                                   "of zero."};
const ExceptionText kFltInexact = {"EXCEPTION_FLT_INEXACT_RESULT",
                                   "The result of a floating-point operation cannot be represented exactly as a "
                                   "decimal fraction."};
const ExceptionText kFltInvalid = {"EXCEPTION_FLT_INVALID_OPERATION",
                                   "This exception represents any floating-point exception not included in this "
                                   "list."};
const ExceptionText kFltOverflow = {"EXCEPTION_FLT_OVERFLOW",
                                    "The exponent of a floating-point operation is greater than the magnitude "
                                    "allowed by the corresponding type."};
const ExceptionText kFltUnderflow = {"EXCEPTION_FLT_UNDERFLOW",
                                     "The exponent of a floating-point operation is less than the magnitude allowed "
                                     "by the corresponding type."};
const ExceptionText kIntDivZero = {"EXCEPTION_INT_DIVIDE_BY_ZERO",
                                   "The thread tried to divide an integer value by an integer divisor of zero."};
const ExceptionText kIntOverflow = {"EXCEPTION_INT_OVERFLOW",
                                    "The result of an integer operation caused a carry out of the most significant "
                                    "bit of the result."};
const ExceptionText kStackOverflow = {"EXCEPTION_STACK_OVERFLOW", "The thread used up its stack."};
const ExceptionText kUnknown = {"Win32 Exception", "unknown"};

const ExceptionText& TextFor(int sig, int code, bool writeAccess, bool nearStackPointer = false) {
    switch (sig) {
    case SIGSEGV:
        if (nearStackPointer)
            return kStackOverflow;
        return writeAccess ? kAccessWrite : kAccessRead;
    case SIGBUS:
        return code == BUS_ADRALN ? kMisaligned : kInPage;
    case SIGILL:
        return (code == ILL_PRVOPC || code == ILL_PRVREG) ? kPrivileged : kIllegal;
    case SIGFPE:
        switch (code) {
        case FPE_INTDIV:
            return kIntDivZero;
        case FPE_INTOVF:
            return kIntOverflow;
        case FPE_FLTDIV:
            return kFltDivZero;
        case FPE_FLTOVF:
            return kFltOverflow;
        case FPE_FLTUND:
            return kFltUnderflow;
        case FPE_FLTRES:
            return kFltInexact;
        case FPE_FLTSUB:
            return kBounds;
        default:
            return kFltInvalid;
        }
    default:
        return kUnknown;
    }
}

// A fixed buffer filled with signal-safe appends; text beyond its end is dropped.
struct Out {
    char buf[8192];
    size_t len = 0;
    void Add(const char* s) {
        while (*s && len < sizeof(buf))
            buf[len++] = *s++;
    }
    void Num(unsigned long value, int width) {
        char digits[24];
        int n = 0;
        do {
            digits[n++] = char('0' + value % 10);
            value /= 10;
        } while (value && n < 24);
        for (int i = n; i < width && len < sizeof(buf); ++i)
            buf[len++] = '0';
        while (n > 0 && len < sizeof(buf))
            buf[len++] = digits[--n];
    }
};

Out g_out;

void WriteAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n <= 0)
            return;
        data += n;
        size -= size_t(n);
    }
}

// UTC calendar date from days since 1970-01-01 (gmtime is not signal-safe).
void CivilFromDays(long z, long& y, unsigned& m, unsigned& d) {
    z += 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = unsigned(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    y = long(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    if (m <= 2)
        ++y;
}

void StampUtc(Out& out) {
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    const long secs = long(ts.tv_sec);
    long days = secs / 86400;
    long rest = secs % 86400;
    if (rest < 0) {
        rest += 86400;
        --days;
    }
    long y;
    unsigned m, d;
    CivilFromDays(days, y, m, d);
    out.Num(static_cast<unsigned long>(y), 4);
    out.Num(m, 2);
    out.Num(d, 2);
    out.Add(".");
    out.Num(static_cast<unsigned long>(rest / 3600), 2);
    out.Num(static_cast<unsigned long>(rest / 60 % 60), 2);
    out.Num(static_cast<unsigned long>(rest % 60), 2);
    out.Add(".");
    out.Num(static_cast<unsigned long>(ts.tv_nsec / 1000000), 3);
}

long ThreadId() {
    return long(syscall(SYS_gettid));
}

void SendAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        const ssize_t n = ::send(fd, data, size, MSG_NOSIGNAL);
        if (n <= 0)
            return;
        data += n;
        size -= size_t(n);
    }
}

// Starts `argv[0]` with one end of a new socket pair as its descriptor `childFd` (its standard input or output) and
// hands back the other end in `ourFd`; -1 when it cannot start. A socket rather than a pipe: a child that went
// away must not end this process with SIGPIPE. Signal-safe calls only.
pid_t Spawn(char* const argv[], int childFd, int& ourFd) {
    int fds[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, fds) != 0)
        return -1;
    const pid_t pid = _Fork();
    if (pid == 0) {
        dup2(fds[1], childFd);
        // The fault's signal is blocked while its handler runs, and a program started from here would keep it so.
        sigset_t none;
        sigemptyset(&none);
        sigprocmask(SIG_SETMASK, &none, nullptr);
        execve(argv[0], argv, environ);
        _exit(127);
    }
    ::close(fds[1]);
    if (pid < 0) {
        ::close(fds[0]);
        return -1;
    }
    ourFd = fds[0];
    return pid;
}

// The child's exit status; -1 when it did not exit by itself.
int WaitExit(pid_t pid) {
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR)
            return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

long MonotonicMs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return long(ts.tv_sec) * 1000 + long(ts.tv_nsec / 1000000);
}

void HexText(unsigned long value, char* text) {
    char digits[16];
    int n = 0;
    do {
        digits[n++] = "0123456789abcdef"[value & 15];
        value >>= 4;
    } while (value && n < 16);
    while (n > 0)
        *text++ = digits[--n];
    *text = 0;
}

// Fills g_stack with the frames named by the stack program, which reads this process's module map and the
// modules' debugging information while this process waits. False when there is no such program, or it failed, or
// it took too long; the caller then writes the raw frames. `fault` says the first frame is the faulting
// instruction itself rather than a return address.
bool NameFrames(void* const* frames, int count, bool fault) {
    g_stackSize = 0;
    if (!g_stackProgram[0] || count <= 0)
        return false;
    static char pidText[24];
    static char addressText[kMaxFrames][20];
    static char faultFlag[] = "--fault";
    static char* argv[kMaxFrames + 4];
    int n = 0;
    argv[n++] = g_stackProgram;
    {
        // The id in decimal.
        char digits[24];
        int d = 0;
        unsigned long value = static_cast<unsigned long>(getpid());
        do {
            digits[d++] = char('0' + value % 10);
            value /= 10;
        } while (value && d < 23);
        int i = 0;
        while (d > 0)
            pidText[i++] = digits[--d];
        pidText[i] = 0;
    }
    argv[n++] = pidText;
    if (fault)
        argv[n++] = faultFlag;
    for (int i = 0; i < count && i < kMaxFrames; ++i) {
        HexText(reinterpret_cast<unsigned long>(frames[i]), addressText[i]);
        argv[n++] = addressText[i];
    }
    argv[n] = nullptr;

    int fd = -1;
    const pid_t pid = Spawn(argv, STDOUT_FILENO, fd);
    if (pid < 0)
        return false;
    const long deadline = MonotonicMs() + kStackProgramMs;
    bool complete = false;
    for (;;) {
        const long left = deadline - MonotonicMs();
        if (left <= 0)
            break;
        pollfd p = {fd, POLLIN, 0};
        const int ready = poll(&p, 1, int(left));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            break;
        if (g_stackSize == sizeof(g_stack))
            break;
        const ssize_t got = ::read(fd, g_stack + g_stackSize, sizeof(g_stack) - g_stackSize);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            complete = got == 0;
            break;
        }
        g_stackSize += size_t(got);
    }
    ::close(fd);
    if (!complete)
        kill(pid, SIGKILL);
    const int status = WaitExit(pid);
    if (!complete || status != 0 || g_stackSize == 0) {
        g_stackSize = 0;
        return false;
    }
    return true;
}

const char kRawStack[] = "Stack without names (the stack program gave no answer):\r\n";

// Writes the stack: the named frames, else the note and the raw frames.
void WriteStack(int fd, bool socket, void* const* frames, int count) {
    if (g_stackSize) {
        if (socket)
            SendAll(fd, g_stack, g_stackSize);
        else
            WriteAll(fd, g_stack, g_stackSize);
        return;
    }
    if (socket)
        SendAll(fd, kRawStack, sizeof(kRawStack) - 1);
    else
        WriteAll(fd, kRawStack, sizeof(kRawStack) - 1);
    backtrace_symbols_fd(frames, count, fd);
}

// Shows the record in the crash window, a program of its own (the crashed process cannot draw safely), and
// answers its choice: 0 Continue, 1 Abort, 2 Debug. A window that cannot be shown, or that ends without an
// answer, counts as Continue. The window gets the headline on a line of its own, then the exception's name
// and the stack. Signal-safe calls only.
int AskDialog(const char* headline, size_t headlineSize, const char* body, size_t bodySize, void* const* frames,
              int count) {
    if (!g_dialogProgram[0])
        return 0;
    char* const argv[] = {g_dialogProgram, nullptr};
    int fd = -1;
    const pid_t pid = Spawn(argv, STDIN_FILENO, fd);
    if (pid < 0)
        return 0;
    SendAll(fd, headline, headlineSize);
    SendAll(fd, "\r\n", 2);
    SendAll(fd, body, bodySize);
    WriteStack(fd, true, frames, count);
    ::close(fd);
    const int status = WaitExit(pid);
    return status == 1 || status == 2 ? status : 0;
}

// Writes one record: the opening, headline and name, then the stack, to the crash log and stderr; then asks the
// crash window what to do. `faultAddress` is the faulting instruction's address when a signal tells it (0 when
// not): the walk starts at that frame, else `skip` frames down.
int Report(const ExceptionText& text, int skip, void* faultAddress = nullptr) {
    Out& out = g_out;
    out.len = 0;
    out.Add("\r\n\r\n");
    StampUtc(out);
    out.Add("\r\n");
    const size_t headlineStart = out.len;
    out.Add("Assert: ");
    out.Add(text.explanation);
    const size_t headlineEnd = out.len;
    out.Add(text.name);
    out.Add("\r\n");

    void* frames[kMaxFrames + kHandlerFrames];
    int count = backtrace(frames, kMaxFrames + kHandlerFrames);
    int first = skip < count ? skip : count;
    bool fault = false;
    for (int i = 0; faultAddress && i < count && i < kHandlerFrames; ++i) {
        if (frames[i] == faultAddress) {
            first = i;
            fault = true;
            break;
        }
    }
    if (count - first > kMaxFrames)
        count = first + kMaxFrames;
    NameFrames(frames + first, count - first, fault);

    if (g_crashLogPath[0]) {
        const int fd = ::open(g_crashLogPath, O_WRONLY | O_CREAT | O_APPEND | O_SYNC | O_CLOEXEC, 0600);
        if (fd >= 0) {
            WriteAll(fd, out.buf, out.len);
            WriteStack(fd, false, frames + first, count - first);
            ::close(fd);
        }
    }
    // Whoever started the program sees the same text.
    WriteAll(STDERR_FILENO, out.buf, out.len);
    WriteStack(STDERR_FILENO, false, frames + first, count - first);
    return AskDialog(out.buf + headlineStart, headlineEnd - headlineStart, out.buf + headlineEnd, out.len - headlineEnd,
                     frames + first, count - first);
}

void RestoreDefault(int sig) {
    struct sigaction sa;
    std::memset(&sa, 0, sizeof(sa));
    sa.sa_handler = SIG_DFL;
    sigemptyset(&sa.sa_mask);
    sigaction(sig, &sa, nullptr);
}

bool IsWriteFault(void* context) {
#if defined(__x86_64__)
    // Bit 1 of the page-fault error code is set for a write.
    const ucontext_t* uc = static_cast<const ucontext_t*>(context);
    return uc && (uc->uc_mcontext.gregs[REG_ERR] & 2) != 0;
#else
    (void)context;
    return false;
#endif
}

// The faulting instruction's address, null when the context does not tell it.
void* FaultAddress(void* context) {
#if defined(__x86_64__)
    const ucontext_t* uc = static_cast<const ucontext_t*>(context);
    return uc ? reinterpret_cast<void*>(uc->uc_mcontext.gregs[REG_RIP]) : nullptr;
#else
    (void)context;
    return nullptr;
#endif
}

// A fault within reach of the stack pointer is the stack's guard page: the thread ran out of stack.
bool IsNearStackPointer(const siginfo_t* info, void* context) {
#if defined(__x86_64__)
    const ucontext_t* uc = static_cast<const ucontext_t*>(context);
    if (!uc || !info)
        return false;
    const unsigned long sp = static_cast<unsigned long>(uc->uc_mcontext.gregs[REG_RSP]);
    const unsigned long address = reinterpret_cast<unsigned long>(info->si_addr);
    const unsigned long reach = 64 * 1024;
    return address + reach >= sp && address <= sp + reach;
#else
    (void)info;
    (void)context;
    return false;
#endif
}

// True when this thread is to write the record. Another thread that faults meanwhile waits here for the
// outcome (the window's choice ends the process); a fault inside the report itself goes on to the system.
bool TakeReport() {
    const long self = ThreadId();
    long expected = 0;
    if (g_reportingThread.compare_exchange_strong(expected, self))
        return true;
    if (expected != self) {
        for (;;)
            pause();
    }
    return false;
}

// Acts on the window's choice. Continue returns: the caller lets the system end the process its own way.
void Act(int choice) {
    if (choice == 1) {
        // Abort. Only _exit is safe after a fault: the handlers of exit() would run on a broken process.
        _exit(1);
    }
    if (choice == 2) {
        // Debug: the breakpoint signal's own ending, a core dump for the debugger.
        RestoreDefault(SIGTRAP);
        raise(SIGTRAP);
    }
}

void OnFatalSignal(int sig, siginfo_t* info, void* context) {
    if (TakeReport()) {
        const int code = info ? info->si_code : 0;
        const bool overflow = sig == SIGSEGV && IsNearStackPointer(info, context);
        Act(Report(TextFor(sig, code, sig == SIGSEGV && IsWriteFault(context), overflow), kSkippedFrames,
                   FaultAddress(context)));
    }
    // Then the process ends exactly as it would have without us (core dump, exit status of the signal).
    RestoreDefault(sig);
    raise(sig);
}

void OnTerminate() {
    if (TakeReport())
        Act(Report(kUnknown, 1));
    RestoreDefault(SIGABRT);
    abort();
}

// --- An alternate signal stack for every thread ---

// Sanitizer builds keep their own interceptor of pthread_create (and give every thread a signal stack themselves).
#if !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)
#define MERVEX_WRAP_PTHREAD_CREATE 1
#endif

#ifdef MERVEX_WRAP_PTHREAD_CREATE

// Without one, a thread that overflows its stack cannot run the handler and the process ends with no record.
class AltStack {
public:
    AltStack() {
        const long page = sysconf(_SC_PAGESIZE);
        m_size = kAltStackSize + size_t(page);
        void* p = mmap(nullptr, m_size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_STACK, -1, 0);
        if (p == MAP_FAILED)
            return;
        // A guard page below, so that an overflowing handler faults instead of writing over other memory.
        mprotect(p, size_t(page), PROT_NONE);
        stack_t ss;
        std::memset(&ss, 0, sizeof(ss));
        ss.ss_sp = static_cast<char*>(p) + page;
        ss.ss_size = kAltStackSize;
        if (sigaltstack(&ss, nullptr) == 0)
            m_memory = p;
        else
            munmap(p, m_size);
    }
    ~AltStack() {
        if (!m_memory)
            return;
        stack_t ss;
        std::memset(&ss, 0, sizeof(ss));
        ss.ss_flags = SS_DISABLE;
        sigaltstack(&ss, nullptr);
        munmap(m_memory, m_size);
    }
    AltStack(const AltStack&) = delete;
    AltStack& operator=(const AltStack&) = delete;

private:
    void* m_memory = nullptr;
    size_t m_size = 0;
};

struct ThreadStart {
    void* (*routine)(void*);
    void* arg;
};

void* StartWithAltStack(void* p) {
    const ThreadStart start = *static_cast<ThreadStart*>(p);
    delete static_cast<ThreadStart*>(p);
    // Unwound by pthread_exit and cancellation as well, so the stack goes with the thread.
    AltStack stack;
    return start.routine(start.arg);
}
#endif

} // namespace

// Every thread of the process, whichever library starts it, comes through here once the handler is installed.
#ifdef MERVEX_WRAP_PTHREAD_CREATE
extern "C" int pthread_create(pthread_t* thread, const pthread_attr_t* attr, void* (*routine)(void*),
                              void* arg) noexcept {
    using Create = int (*)(pthread_t*, const pthread_attr_t*, void* (*)(void*), void*);
    static const Create real = reinterpret_cast<Create>(dlsym(RTLD_NEXT, "pthread_create"));
    if (!real)
        return EAGAIN;
    if (!g_installed.load(std::memory_order_relaxed))
        return real(thread, attr, routine, arg);
    auto* start = new (std::nothrow) ThreadStart{routine, arg};
    if (!start)
        return real(thread, attr, routine, arg);
    const int rc = real(thread, attr, StartWithAltStack, start);
    if (rc != 0)
        delete start;
    return rc;
}
#endif

const char* CrashExceptionName(int sig, int code, bool writeAccess) {
    return TextFor(sig, code, writeAccess).name;
}

const char* CrashExceptionExplanation(int sig, int code) {
    return TextFor(sig, code, false).explanation;
}

const char* CrashLogPath() {
    return g_crashLogPath;
}

namespace {

// The crash window needs a screen; a program run offscreen (tests, services) has nobody to answer it.
bool HasScreen() {
    const char* platform = getenv("QT_QPA_PLATFORM");
    if (platform && (!std::strncmp(platform, "offscreen", 9) || !std::strncmp(platform, "minimal", 7)))
        return false;
    const char* x = getenv("DISPLAY");
    const char* wayland = getenv("WAYLAND_DISPLAY");
    return (x && *x) || (wayland && *wayland);
}

// Keeps `program` in `kept` (4096 bytes) when it can be run; null names the program `name` beside the running one.
void KeepProgram(const char* program, const char* name, char* kept) {
    constexpr size_t kSize = sizeof(g_dialogProgram);
    kept[0] = 0;
    char beside[kSize];
    if (!program) {
        // The program's own folder holds its crash helpers.
        const ssize_t n = readlink("/proc/self/exe", beside, sizeof(beside) - 1);
        if (n <= 0)
            return;
        beside[n] = 0;
        char* slash = std::strrchr(beside, '/');
        const size_t nameSize = std::strlen(name) + 1;
        if (!slash || size_t(slash - beside) + nameSize + 1 > sizeof(beside))
            return;
        std::memcpy(slash + 1, name, nameSize);
        program = beside;
    }
    if (!*program || std::strlen(program) >= kSize || access(program, X_OK) != 0)
        return;
    std::memcpy(kept, program, std::strlen(program) + 1);
}

} // namespace

bool InstallCrashHandler(const char* crashLogPath, const char* dialogProgram, const char* stackProgram) {
    bool kept = false;
    g_crashLogPath[0] = 0;
    if (crashLogPath && *crashLogPath) {
        const QByteArray path = QFileInfo(QString::fromLocal8Bit(crashLogPath)).absoluteFilePath().toLocal8Bit();
        if (size_t(path.size()) < kPathSize) {
            std::memcpy(g_crashLogPath, path.constData(), size_t(path.size()) + 1);
            kept = true;
        }
    }

    if (HasScreen())
        KeepProgram(dialogProgram, "vellichor-crash", g_dialogProgram);
    else
        g_dialogProgram[0] = 0;
    KeepProgram(stackProgram, "vellichor-crash-stack", g_stackProgram);

    // backtrace() loads its unwinder on first use, which allocates: do that now, not inside a handler.
    void* warm[2];
    backtrace(warm, 2);

    stack_t ss;
    std::memset(&ss, 0, sizeof(ss));
    ss.ss_sp = g_altStack;
    ss.ss_size = sizeof(g_altStack);
    sigaltstack(&ss, nullptr);

    for (int sig : kSignals) {
        struct sigaction sa;
        std::memset(&sa, 0, sizeof(sa));
        sa.sa_sigaction = OnFatalSignal;
        sa.sa_flags = SA_SIGINFO | SA_ONSTACK;
        sigemptyset(&sa.sa_mask);
        sigaction(sig, &sa, nullptr);
    }
    std::set_terminate(OnTerminate);
    g_installed = true;
    return kept;
}
