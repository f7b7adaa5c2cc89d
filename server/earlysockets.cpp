#include "server/earlysockets.h"

#include "foundation/logger/QsLog.h"
#include "server/netserver.h"

#include <QString>

#include <atomic>
#include <cstring>
#include <mutex>
#include <thread>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

struct State {
    std::mutex mutex;
    QHostAddress address;
    quint16 tcpPort = 0;
    quint16 udpPort = 0;
    int tcpFd = -1;
    int udpFd = -1;
    int wakeFd = -1;
    QByteArray answer;
    std::thread thread;
    std::atomic<bool> answering{false};
    std::atomic<int> answered{0};
};

State& S() {
    static State state;
    return state;
}

void CloseFd(int& fd) {
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

// The address as a socket address, the way the toolkit binds it: the any-address of both protocols is an IPv6
// socket that also takes IPv4, an IPv6 address takes only IPv6.
bool SocketAddress(const QHostAddress& address, quint16 port, sockaddr_storage& out, socklen_t& length, int& family,
                   bool& dualStack) {
    std::memset(&out, 0, sizeof(out));
    dualStack = false;
    if (address == QHostAddress(QHostAddress::Any)) {
        auto* a = reinterpret_cast<sockaddr_in6*>(&out);
        a->sin6_family = AF_INET6;
        a->sin6_addr = in6addr_any;
        a->sin6_port = htons(port);
        length = sizeof(sockaddr_in6);
        family = AF_INET6;
        dualStack = true;
        return true;
    }
    if (address.protocol() == QAbstractSocket::IPv4Protocol) {
        auto* a = reinterpret_cast<sockaddr_in*>(&out);
        a->sin_family = AF_INET;
        a->sin_addr.s_addr = htonl(address.toIPv4Address());
        a->sin_port = htons(port);
        length = sizeof(sockaddr_in);
        family = AF_INET;
        return true;
    }
    if (address.protocol() == QAbstractSocket::IPv6Protocol) {
        auto* a = reinterpret_cast<sockaddr_in6*>(&out);
        a->sin6_family = AF_INET6;
        const Q_IPV6ADDR v6 = address.toIPv6Address();
        std::memcpy(&a->sin6_addr, &v6, sizeof(v6));
        a->sin6_scope_id = address.scopeId().toUInt();
        a->sin6_port = htons(port);
        length = sizeof(sockaddr_in6);
        family = AF_INET6;
        return true;
    }
    return false;
}

int OpenSocket(const QHostAddress& address, quint16 port, int type) {
    sockaddr_storage sa;
    socklen_t length = 0;
    int family = AF_INET;
    bool dualStack = false;
    if (!SocketAddress(address, port, sa, length, family, dualStack))
        return -1;
    int fd = ::socket(family, type | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return -1;
    const int on = 1, off = 0;
    if (family == AF_INET6)
        ::setsockopt(fd, IPPROTO_IPV6, IPV6_V6ONLY, dualStack ? &off : &on, sizeof(int));
    // As the toolkit binds by default on this system: an address still in TIME_WAIT can be bound again.
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof(on));
    if (::bind(fd, reinterpret_cast<sockaddr*>(&sa), length) != 0 || (type == SOCK_STREAM && ::listen(fd, 50) != 0)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// Answers discovery until woken. The datagram's text up to the first NUL must be exactly "RSP", as the
// server's own discovery wants.
void Answer(int udpFd, int wakeFd, QByteArray answer) {
    pollfd fds[2] = {{udpFd, POLLIN, 0}, {wakeFd, POLLIN, 0}};
    char buffer[2048];
    for (;;) {
        if (::poll(fds, 2, -1) < 0)
            continue;
        if (fds[1].revents)
            return;
        for (;;) {
            sockaddr_storage from;
            socklen_t fromLength = sizeof(from);
            const ssize_t n = ::recvfrom(udpFd, buffer, sizeof(buffer), MSG_DONTWAIT,
                                         reinterpret_cast<sockaddr*>(&from), &fromLength);
            if (n < 0)
                break;
            const void* nul = std::memchr(buffer, 0, size_t(n));
            const size_t textLength = nul ? size_t(static_cast<const char*>(nul) - buffer) : size_t(n);
            if (textLength != 3 || std::memcmp(buffer, "RSP", 3) != 0)
                continue;
            if (::sendto(udpFd, answer.constData(), size_t(answer.size()), 0, reinterpret_cast<sockaddr*>(&from),
                         fromLength) == answer.size())
                S().answered.fetch_add(1);
        }
    }
}

void StopLocked(State& s) {
    if (s.thread.joinable()) {
        const quint64 one = 1;
        if (::write(s.wakeFd, &one, sizeof(one)) != sizeof(one))
            QLOG_WARN() << "EarlySockets: cannot wake the discovery thread";
        s.thread.join();
    }
    s.answering = false;
    CloseFd(s.wakeFd);
}

} // namespace

bool EarlySockets::Endpoints(QHostAddress& address, quint16& tcpPort, quint16& udpPort) {
    address = QHostAddress(QHostAddress::AnyIPv4);
    tcpPort = NetServer::DefaultTcpPort;
    udpPort = NetServer::DefaultUdpPort;
    const QByteArray tcp = qgetenv("MERVEX_TCP_PORT");
    const QByteArray udp = qgetenv("MERVEX_UDP_PORT");
    const QByteArray named = qgetenv("MERVEX_SERVER_ADDRESS");
    if (tcp.isEmpty() && udp.isEmpty() && named.isEmpty())
        return true;
    // Tests and load runs move the ports, and their program is reached from this machine only: unless an
    // address is named (0.0.0.0 for every one), the server binds the loopback address, where nothing outside
    // the machine reaches it. Without any of these settings the phones of the network connect to any address.
    address = QHostAddress(QHostAddress::LocalHost);
    bool ok = true;
    if (!named.isEmpty() && !address.setAddress(QString::fromLatin1(named))) {
        address = QHostAddress(QHostAddress::LocalHost);
        ok = false;
    }
    if (!tcp.isEmpty())
        tcpPort = tcp.toUShort();
    if (!udp.isEmpty())
        udpPort = udp.toUShort();
    return ok;
}

bool EarlySockets::Start(const QHostAddress& address, quint16 tcpPort, quint16 udpPort, const QString& info) {
    State& s = S();
    std::lock_guard<std::mutex> lock(s.mutex);
    if (s.tcpFd >= 0 || s.udpFd >= 0 || s.thread.joinable())
        return false;
    int tcpFd = OpenSocket(address, tcpPort, SOCK_STREAM);
    int udpFd = tcpFd >= 0 ? OpenSocket(address, udpPort, SOCK_DGRAM) : -1;
    int wakeFd = udpFd >= 0 ? ::eventfd(0, EFD_CLOEXEC) : -1;
    if (wakeFd < 0) {
        CloseFd(tcpFd);
        CloseFd(udpFd);
        return false;
    }
    s.address = address;
    s.tcpPort = tcpPort;
    s.udpPort = udpPort;
    s.tcpFd = tcpFd;
    s.udpFd = udpFd;
    s.wakeFd = wakeFd;
    s.answer = QStringLiteral("RCP %1").arg(info).toUtf8();
    s.answering = true;
    s.thread = std::thread(Answer, udpFd, wakeFd, s.answer);
    return true;
}

bool EarlySockets::Take(const QHostAddress& address, quint16 tcpPort, quint16 udpPort, qintptr& tcpFd, qintptr& udpFd) {
    tcpFd = -1;
    udpFd = -1;
    State& s = S();
    std::lock_guard<std::mutex> lock(s.mutex);
    if (s.tcpFd < 0 || s.udpFd < 0 || s.address != address || s.tcpPort != tcpPort || s.udpPort != udpPort)
        return false;
    StopLocked(s);
    tcpFd = s.tcpFd;
    udpFd = s.udpFd;
    s.tcpFd = -1;
    s.udpFd = -1;
    return true;
}

void EarlySockets::Stop() {
    State& s = S();
    std::lock_guard<std::mutex> lock(s.mutex);
    StopLocked(s);
    CloseFd(s.tcpFd);
    CloseFd(s.udpFd);
}

bool EarlySockets::IsAnswering() {
    return S().answering;
}

int EarlySockets::Answered() {
    return S().answered;
}
