#include "tests/common/wiredprogram.h"

#include "config/datacfg.h"
#include "server/netserver.h"
#include "shell/pairingdecision.h"

#include <QAbstractButton>

#include "widgets/popupwnd.h" // after QAbstractButton, which its guarded pointers need whole

#include <QApplication>
#include <QSignalSpy>

WiredProgram::WiredProgram(const QString& userFolder, bool skipFirstPairing) {
    qputenv("MERVEX_TCP_PORT", "0");
    qputenv("MERVEX_UDP_PORT", "0");
    qputenv("MERVEX_SERVER_ADDRESS", "127.0.0.1");
    MervexWnd::Folders folders;
    folders.data = DataFolder();
    // The program's command line: its path alone, not the test's arguments.
    folders.arguments = QStringList{QCoreApplication::applicationFilePath()};
    if (userFolder.isEmpty()) {
        m_tempUser = std::make_unique<QTemporaryDir>();
        folders.user = m_tempUser->path();
    } else {
        folders.user = userFolder;
    }
    m_program = std::make_unique<Composition>(folders);
    QSignalSpy started(m_program->Window(), &MervexWnd::StartupFinished);
    m_started = m_program->Window()->IsStarted() || started.wait(30000);
    if (skipFirstPairing) {
        if (auto* popup = qobject_cast<PopupWnd*>(FirstPairingPopup())) {
            const QList<QAbstractButton*> buttons = popup->buttonBox()->buttons();
            if (!buttons.isEmpty())
                buttons.first()->click(); // "SKIP"
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }
}

QWidget* WiredProgram::FirstPairingPopup() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String("FirstPairing") && w->isVisible())
            return w;
    }
    return nullptr;
}

WiredProgram::~WiredProgram() {
    // As the program ends: the close sequence, the user configuration written back, then the teardown.
    MervexWnd* wnd = m_program->Window();
    wnd->prepclose();
    if (wnd->IsUserCfgLoaded())
        wnd->Cfg()->SaveUserCfg();
    m_program.reset();
}

NetServer* WiredProgram::Server() const {
    return m_program->Parts().server;
}

PopupWnd* WiredProgram::PairingQuestion() const {
    return m_program->Pairing()->Question();
}

quint16 WiredProgram::TcpPort() const {
    return Server()->TcpPort();
}

QString WiredProgram::UserPath() const {
    return m_program->Window()->GetUserPath();
}

QString WiredProgram::DataFolder() {
    return QStringLiteral(MERVEX_SOURCE_DIR "/data");
}
