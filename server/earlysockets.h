#pragma once
// The phone server's two sockets, opened at the very start of the program: building the window and loading
// the configuration take a while, and meanwhile a phone looking for the PC should already find it. Until the
// server opens, a thread of its own answers discovery ("RSP") and the listening socket holds the connections
// in the system's backlog; the server then takes both sockets over and serves them as if it had opened them.

#include <QByteArray>
#include <QHostAddress>

class EarlySockets {
public:
    // The endpoints the program's server uses: the environment's test settings (MERVEX_TCP_PORT,
    // MERVEX_UDP_PORT, MERVEX_SERVER_ADDRESS; with any of them set the address is the loopback one unless
    // named) or the defaults (every address). False when MERVEX_SERVER_ADDRESS is no address (the loopback
    // address used).
    static bool Endpoints(QHostAddress& address, quint16& tcpPort, quint16& udpPort);

    // Binds both sockets and starts answering discovery with "RCP " + info. False (nothing left open) when
    // either cannot be opened; the server then opens its own sockets as ever.
    static bool Start(const QHostAddress& address, quint16 tcpPort, quint16 udpPort, const QString& info);
    // Stops answering and hands over the descriptors when they were opened for these endpoints; false
    // otherwise (nothing handed over). Each descriptor is handed over once.
    static bool Take(const QHostAddress& address, quint16 tcpPort, quint16 udpPort, qintptr& tcpFd, qintptr& udpFd);
    // Stops answering and closes what was not taken (the program ends without its server having opened).
    static void Stop();
    // Whether discovery is being answered from here now.
    static bool IsAnswering();
    // Datagrams answered so far from here.
    static int Answered();
};
