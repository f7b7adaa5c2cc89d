#include "shell/termsignals.h"

#include "foundation/logger/QsLog.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

// The write end is read by the handler, which may run on any thread at any time.
volatile sig_atomic_t g_writeFd = -1;
int g_readFd = -1;
struct sigaction g_previous[sizeof(kSignals) / sizeof(kSignals[0])];

void OnSignal(int signalNumber) {
    const int saved = errno;
    const unsigned char number = static_cast<unsigned char>(signalNumber);
    // A full pipe drops the byte: an end is asked for already.
    if (g_writeFd >= 0 && ::write(g_writeFd, &number, 1) < 0) {
    }
    errno = saved;
}

} // namespace

TermSignals::TermSignals(QObject* parent) : QObject(parent) {}

TermSignals::~TermSignals() {
    if (!m_installed)
        return;
    for (size_t i = 0; i < sizeof(kSignals) / sizeof(kSignals[0]); ++i)
        ::sigaction(kSignals[i], &g_previous[i], nullptr);
    delete m_notifier;
    const int writeFd = g_writeFd;
    g_writeFd = -1;
    ::close(writeFd);
    ::close(g_readFd);
    g_readFd = -1;
}

bool TermSignals::Install() {
    if (m_installed)
        return true;
    if (g_writeFd >= 0) {
        QLOG_ERROR() << "TermSignals::Install: another handler is installed";
        return false;
    }
    int fds[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, fds) != 0) {
        QLOG_ERROR() << "TermSignals::Install: no socket pair:" << strerror(errno);
        return false;
    }
    g_readFd = fds[0];
    g_writeFd = fds[1];
    struct sigaction action = {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (size_t i = 0; i < sizeof(kSignals) / sizeof(kSignals[0]); ++i) {
        if (::sigaction(kSignals[i], &action, &g_previous[i]) != 0) {
            QLOG_ERROR() << "TermSignals::Install: signal" << kSignals[i] << "not handled:" << strerror(errno);
            for (size_t j = 0; j < i; ++j)
                ::sigaction(kSignals[j], &g_previous[j], nullptr);
            g_writeFd = -1;
            ::close(fds[1]);
            ::close(fds[0]);
            g_readFd = -1;
            return false;
        }
    }
    m_notifier = new QSocketNotifier(g_readFd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TermSignals::OnReadable);
    m_installed = true;
    return true;
}

void TermSignals::OnReadable() {
    unsigned char numbers[16];
    const ssize_t n = ::read(g_readFd, numbers, sizeof(numbers));
    for (ssize_t i = 0; i < n; ++i) {
        QLOG_INFO() << "TermSignals: signal" << int(numbers[i]) << "received, closing";
        emit Received(int(numbers[i]));
    }
}
