#pragma once
// The program as program entry builds it (the composition root, its real hooks, the phone server), on the
// shipped data folder with a user folder of its own and the server on free ports of the loopback address.
// Tests drive it as a user and a phone would.

#include "shell/composition.h"

#include <QTemporaryDir>

#include <memory>

class NetServer;
class PopupWnd;
class ProgramTabHooks;

class WiredProgram {
public:
    // Builds the program and waits for its start-up to finish (false from Started() when it did not).
    // userFolder: a folder to keep (a restart); empty: a new temporary one. A first start opens the add-device
    // popup; skipFirstPairing answers it with SKIP, as a user who pairs a phone later.
    explicit WiredProgram(const QString& userFolder = QString(), bool skipFirstPairing = true);
    ~WiredProgram();

    bool Started() const { return m_started; }
    MervexWnd* Window() const { return m_program->Window(); }
    ProgramTabHooks* TabHooks() const { return m_program->TabHooks(); }
    const ProgramContext& Parts() const { return m_program->Parts(); }
    NetServer* Server() const;
    // The pairing question shown now, or null.
    PopupWnd* PairingQuestion() const;
    quint16 TcpPort() const;
    // The user folder, ending in '/'.
    QString UserPath() const;
    // The shipped default configuration.
    static QString DataFolder();
    // The first start's add-device popup while it is open, else null.
    static QWidget* FirstPairingPopup();

private:
    std::unique_ptr<QTemporaryDir> m_tempUser;
    std::unique_ptr<Composition> m_program;
    bool m_started = false;
};
