#include "foundation/crashhandler.h"

#include <QByteArray>
#include <QFileInfo>

#include <atomic>
#include <cstring>
#include <exception>
#include <execinfo.h>
#include <fcntl.h>
#include <signal.h>
#include <time.h>
#include <ucontext.h>
#include <unistd.h>

namespace {

constexpr size_t kPathSize = 260;
constexpr int kMaxFrames = 32;
// Frames of the handler itself and of the kernel's signal trampoline that start every walk.
constexpr int kSkippedFrames = 2;

char g_crashLogPath[kPathSize] = {0};
std::atomic<bool> g_reporting{false};
// Room for the handlers when the fault was a stack overflow.
alignas(16) char g_altStack[64 * 1024];

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
const ExceptionText kUnknown = {"Win32 Exception", "unknown"};

const ExceptionText& TextFor(int sig, int code, bool writeAccess) {
    switch (sig) {
    case SIGSEGV:
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

// Writes one record: the opening, headline and name to the crash log and stderr, then the stack to both.
void Report(const ExceptionText& text, int skip) {
    Out& out = g_out;
    out.len = 0;
    out.Add("\r\n\r\n");
    StampUtc(out);
    out.Add("\r\n");
    out.Add("Assert: ");
    out.Add(text.explanation);
    out.Add(text.name);
    out.Add("\r\n");

    void* frames[kMaxFrames + kSkippedFrames];
    int count = backtrace(frames, kMaxFrames + kSkippedFrames);
    int first = skip < count ? skip : count;
    if (count - first > kMaxFrames)
        count = first + kMaxFrames;

    if (g_crashLogPath[0]) {
        const int fd = ::open(g_crashLogPath, O_WRONLY | O_CREAT | O_APPEND | O_SYNC | O_CLOEXEC, 0600);
        if (fd >= 0) {
            WriteAll(fd, out.buf, out.len);
            backtrace_symbols_fd(frames + first, count - first, fd);
            ::close(fd);
        }
    }
    // Stands in for the crash window: whoever started the program sees the same text.
    WriteAll(STDERR_FILENO, out.buf, out.len);
    backtrace_symbols_fd(frames + first, count - first, STDERR_FILENO);
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

void OnFatalSignal(int sig, siginfo_t* info, void* context) {
    // A second fault (inside the report, or on another thread meanwhile) goes straight to the system's handling.
    if (!g_reporting.exchange(true)) {
        const int code = info ? info->si_code : 0;
        Report(TextFor(sig, code, sig == SIGSEGV && IsWriteFault(context)), kSkippedFrames);
    }
    // Then the process ends exactly as it would have without us (core dump, exit status of the signal).
    RestoreDefault(sig);
    raise(sig);
}

void OnTerminate() {
    if (!g_reporting.exchange(true))
        Report(kUnknown, 1);
    RestoreDefault(SIGABRT);
    abort();
}

} // namespace

const char* CrashExceptionName(int sig, int code, bool writeAccess) {
    return TextFor(sig, code, writeAccess).name;
}

const char* CrashExceptionExplanation(int sig, int code) {
    return TextFor(sig, code, false).explanation;
}

const char* CrashLogPath() {
    return g_crashLogPath;
}

bool InstallCrashHandler(const char* crashLogPath) {
    bool kept = false;
    g_crashLogPath[0] = 0;
    if (crashLogPath && *crashLogPath) {
        const QByteArray path = QFileInfo(QString::fromLocal8Bit(crashLogPath)).absoluteFilePath().toLocal8Bit();
        if (size_t(path.size()) < kPathSize) {
            std::memcpy(g_crashLogPath, path.constData(), size_t(path.size()) + 1);
            kept = true;
        }
    }

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
    return kept;
}
