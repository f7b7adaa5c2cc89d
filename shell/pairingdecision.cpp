#include "shell/pairingdecision.h"

#include <QAbstractButton>

#include "config/datacfgrecords.h"
#include "foundation/logger/QsLog.h"
#include "foundation/profiler.h"
#include "server/netserver.h"
#include "shell/imaintabhooks.h"
#include "widgets/imgwidget.h"
#include "widgets/popupwnd.h" // after QAbstractButton, which its guarded pointers need whole
#include "widgets/qlabelex.h"

#include <QApplication>
#include <QTimer>

namespace {
// The question's texts are translated where they were first written, with the main window's; they are marked
// here so that the translation sources carry them.
const char* const kTitle = QT_TRANSLATE_NOOP("MervexWnd", "CONFIRM PAIRING REQUEST");
const char* const kQuestion = QT_TRANSLATE_NOOP("MervexWnd", "Do you want to pair with this device?");

QString Text(const char* source) {
    return QCoreApplication::translate("MervexWnd", source);
}
} // namespace

PairingDecision::PairingDecision(DataCfg& cfg, NetServer& server, IMainTabHooks& hooks)
    : m_cfg(cfg), m_server(&server), m_hooks(hooks) {}

PairingDecision::~PairingDecision() {
    qApp->removeEventFilter(this);
    // The question has no parent: it goes with the decision it answers to.
    delete m_popup.data();
}

bool PairingDecision::IsPaired(const QString& name, const QString& key, bool& active) {
    if (name.isEmpty() && key.isEmpty())
        return false;
    return m_cfg.UserCfg().FindDevice(name, key, &active);
}

bool PairingDecision::NeedsPairingConfirm(const QString& name, const QString& key, const QString& desc) {
    Q_UNUSED(desc);
    if (name.isEmpty() && key.isEmpty())
        return false;
    bool active = false;
    if (m_cfg.UserCfg().FindDevice(name, key, &active))
        return false;
    return m_cfg.UserCfg().Devices.isEmpty() || m_hooks.IsPairingMode();
}

void PairingDecision::AskPairing(quint64 ticket, const QString& name, const QString& key, const QString& desc) {
    PROFILE_SCOPE("PairingDecision::AskPairing");
    Q_UNUSED(key);
    Q_UNUSED(desc);
    // One question at a time: the server asks the next only after this one was answered or withdrawn.
    if (m_popup)
        WithdrawPairing(m_ticket);
    PopupWnd* popup = new PopupWnd(nullptr);
    popup->setObjectName(QStringLiteral("PairingQuestion"));
    popup->setAttribute(Qt::WA_DeleteOnClose);
    popup->resize(350, 260);
    popup->setWindowTitle(Text(kTitle));
    popup->AddButtons(PopupWnd::YES | PopupWnd::NO, PopupWnd::YES);
    ImgWidget* image = new ImgWidget(popup, QStringLiteral(":/images/PairingPop"));
    image->move(5, 34);
    const QString centred = QStringLiteral(" qproperty-alignment: AlignCenter; ");
    QLabelEx* question = new QLabelEx(popup, Text(kQuestion), true, 14, QColor(0x3d, 0xa8, 0xdd), centred);
    question->setGeometry(10, 155, 330, 20);
    QLabelEx* device =
        new QLabelEx(popup, QStringLiteral("\u25aa ") + name, true, 14, QColor(0xff, 0xff, 0xff), centred);
    device->setGeometry(10, 175, 330, 20);
    // Over a modal popup (the add-device popup of pairing mode) the question must be modal too, or that
    // popup would keep the user from answering it.
    if (QApplication::activeModalWidget())
        popup->setWindowModality(Qt::ApplicationModal);
    m_popup = popup;
    m_ticket = ticket;
    QPointer<NetServer> server = m_server;
    connect(popup, &QDialog::finished, this, [this, server, popup, ticket](int answer) {
        // A withdrawn question closes without an answer.
        if (m_popup != popup)
            return;
        m_popup = nullptr;
        m_ticket = 0;
        qApp->removeEventFilter(this);
        if (server)
            server->AnswerPairing(ticket, answer == PopupWnd::YES);
    });
    // A modal popup opened while the question waits (the add-device popup of pairing mode above all) must
    // not cover it: the question is raised over it.
    qApp->installEventFilter(this);
    popup->show();
    popup->raise();
    popup->activateWindow();
}

bool PairingDecision::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::Show && m_popup && watched != m_popup && watched->isWidgetType()) {
        const QWidget* shown = static_cast<QWidget*>(watched);
        if (shown->isWindow() && shown->isModal())
            QTimer::singleShot(0, this, &PairingDecision::RaiseQuestion);
    }
    return QObject::eventFilter(watched, e);
}

void PairingDecision::RaiseQuestion() {
    PopupWnd* popup = m_popup;
    if (!popup || !popup->isVisible() || QApplication::activeModalWidget() == popup)
        return;
    // Modality takes effect on showing, and the window shown last stands over the earlier modal ones.
    popup->hide();
    popup->setWindowModality(Qt::ApplicationModal);
    popup->show();
    popup->raise();
    popup->activateWindow();
}

void PairingDecision::WithdrawPairing(quint64 ticket) {
    if (!m_popup || ticket != m_ticket)
        return;
    PopupWnd* popup = m_popup;
    m_popup = nullptr;
    m_ticket = 0;
    qApp->removeEventFilter(this);
    popup->close();
}

bool PairingDecision::StorePairing(const QString& name, const QString& key, const QString& desc) {
    PROFILE_SCOPE("PairingDecision::StorePairing");
    if (name.isEmpty() && key.isEmpty())
        return false;
    m_cfg.UserCfg().AddDevice(name, key, desc);
    const QString error = m_cfg.SaveUserCfg();
    if (!error.isEmpty()) {
        QLOG_ERROR() << "PairingDecision::StorePairing:" << error;
    }
    return true;
}

PopupWnd* PairingDecision::Question() const {
    return m_popup;
}

QString PairingDecision::LanguageCode() {
    return m_language ? m_language().left(2) : QString();
}
