#pragma once
// Turns the signals that ask a process to end (SIGTERM, as a logout sends; SIGINT; SIGHUP) into a Qt signal
// on the main thread, so that the program ends through its close sequence, with its saves, instead of at
// once. The handler only writes the signal number into a pipe (all a signal handler may safely do); a socket
// notifier reads it in the event loop.

#include <QObject>

class QSocketNotifier;

class TermSignals : public QObject {
    Q_OBJECT
public:
    explicit TermSignals(QObject* parent = nullptr);
    // Puts the previous handlers back.
    ~TermSignals() override;
    TermSignals(const TermSignals&) = delete;
    TermSignals& operator=(const TermSignals&) = delete;

    // Installs the handlers; false (with an ERROR line) when the pipe or a handler could not be set up. One
    // object at a time may be installed.
    bool Install();

signals:
    // Emitted in the event loop for every signal received; the number is the signal's.
    void Received(int signalNumber);

private:
    void OnReadable();

    QSocketNotifier* m_notifier = nullptr;
    bool m_installed = false;
};
