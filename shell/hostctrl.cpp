#include "shell/hostctrl.h"

#include "functions/pal/pal.h"
#include "server/netserver.h"

#include <QCheckBox>
#include <QEvent>
#include <QHostAddress>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTimer>

namespace {
QString ServiceButtonStyle() {
    QString s = QStringLiteral("QPushButton { color: #f0f0f0; font-family: \"Eurostile LT Std Bold\"; font-size: 11px; "
                               "font-weight: 600; padding-left: 20px; border: none; }");
    const struct {
        const char* selector;
        const char* base;
    } states[] = {{"QPushButton", "Def"},
                  {"QPushButton[windowIconText=\"on\"]", "On"},
                  {"QPushButton[windowIconText=\"off\"]", "Off"}};
    for (const auto& st : states) {
        const QString sel = QString::fromLatin1(st.selector);
        const QString base = QStringLiteral(":/images/BtnSvc") + QString::fromLatin1(st.base);
        s += QStringLiteral("%1 { background-image: url(%2N); } %1:hover { background-image: url(%2H); } "
                            "%1:pressed { background-image: url(%2P); } ")
                 .arg(sel, base);
    }
    return s;
}
} // namespace

HostCtrl::HostCtrl(QWidget* parent, NetServer* server) : QWidget(parent), m_server(server) {
    setFixedSize(263, 126);
    m_timer = new QTimer(this);
    m_timer->setInterval(3000);
    connect(m_timer, &QTimer::timeout, this, &HostCtrl::UpdateHostAddr);

    m_btnSvc = new QPushButton(this);
    m_btnSvc->setObjectName(QStringLiteral("btnSvc"));
    m_btnSvc->setGeometry(10, 36, 132, 47);
    m_btnSvc->setStyleSheet(ServiceButtonStyle());
    m_chkAutoStart = new QCheckBox(this);
    m_chkAutoStart->setObjectName(QStringLiteral("chkAutoStart"));
    m_chkAutoStart->setGeometry(10, 90, 251, 17);
    m_chkAutoStart->setStyleSheet(
        QStringLiteral("color: #c8c8c8; font-family: \"Eurostile-Demi\"; font-size: 9px; font-weight: 504;"));
    m_lblIPAddr = new QLabel(this);
    m_lblIPAddr->setObjectName(QStringLiteral("lblIPAddr"));
    m_lblIPAddr->setGeometry(148, 40, 161, 16);
    m_lblIPName = new QLabel(this);
    m_lblIPName->setObjectName(QStringLiteral("lblIPName"));
    m_lblIPName->setGeometry(148, 60, 161, 16);
    for (QLabel* l : {m_lblIPAddr, m_lblIPName}) {
        // Light on the panel's dark ground, as the box below.
        l->setStyleSheet(QStringLiteral("color: #c8c8c8; font-family: \"Eurostile-Demi\"; font-size: 11px;"));
        l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        l->hide();
    }
    m_lblSettings = new QLabel(this);
    m_lblSettings->setObjectName(QStringLiteral("lblSettings"));
    m_lblSettings->setGeometry(10, 0, 251, 21);
    m_lblSettings->setStyleSheet(
        QStringLiteral("color: #65c3f7; font-family: \"Eurostile-Demi\"; font-size: 11px; font-weight: 504;"));
    m_btnSvc->setWindowIconText(QStringLiteral("def"));
    Retranslate();

    connect(m_btnSvc, &QPushButton::clicked, this, &HostCtrl::OnClickNetSvc);
    if (m_server) {
        connect(m_server, &NetServer::OpenSucc, this, &HostCtrl::OnNetSvcOpen);
        connect(m_server, &NetServer::OpenFail, this, &HostCtrl::OnNetSvcFail);
        connect(m_server, &NetServer::Closed, this, &HostCtrl::OnNetSvcClose);
    }
}

void HostCtrl::Retranslate() {
    setWindowTitle(tr("Form"));
    m_btnSvc->setStatusTip(tr("Start/Stop Velli-Chor Launcher Service"));
#ifdef Q_OS_WIN
    m_chkAutoStart->setStatusTip(tr("Autostart Velli-Chor on Windows User Logon"));
    m_chkAutoStart->setText(tr("RUN WITH WINDOWS USER LOGON"));
#else
    // Here the box writes the desktop's autostart entry: the program starts when the user logs in.
    m_chkAutoStart->setStatusTip(tr("Autostart Velli-Chor when the user logs in"));
    m_chkAutoStart->setText(tr("RUN AT USER LOGIN"));
#endif
    m_lblIPAddr->setStatusTip(tr("Host IP Address"));
    m_lblIPName->setStatusTip(tr("Host Computer Name"));
    m_lblSettings->setText(tr("HOST SERVICE – LAUNCHER"));
    // The caption of the service's present state, in the new language (not the first state's).
    m_btnSvc->setText(ServiceText(m_btnSvc->windowIconText()));
}

QString HostCtrl::ServiceText(const QString& state) const {
    if (state == QLatin1String("on"))
        return tr("SERVICE\nSTARTED");
    if (state == QLatin1String("off"))
        return tr("SERVICE\nFAILED");
    return tr("SERVICE\nDISABLED");
}

void HostCtrl::changeEvent(QEvent* e) {
    if (e->type() == QEvent::LanguageChange)
        Retranslate();
    QWidget::changeEvent(e);
}

void HostCtrl::Start() {
    {
        const QSignalBlocker block(m_chkAutoStart);
        m_chkAutoStart->setChecked(PAL::GetAutostart());
    }
    connect(m_chkAutoStart, &QCheckBox::stateChanged, this, &HostCtrl::OnCheckAutoStart, Qt::UniqueConnection);
    if (m_server && m_server->IsOpen())
        OnNetSvcOpen();
    else
        OnNetSvcClose();
}

void HostCtrl::ApplyState(const QString& state) {
    m_btnSvc->setWindowIconText(state);
    m_btnSvc->setText(ServiceText(state));
    m_btnSvc->style()->unpolish(m_btnSvc);
    m_btnSvc->style()->polish(m_btnSvc);
}

void HostCtrl::OnClickNetSvc() {
    if (!m_server)
        return;
    if (m_btnSvc->windowIconText() == QLatin1String("on"))
        m_server->Close();
    else
        m_server->Open();
}

void HostCtrl::OnCheckAutoStart(int state) {
    if (!PAL::SetAutostart(state != 0)) {
        // The check box must not claim what was not written.
        const QSignalBlocker block(m_chkAutoStart);
        m_chkAutoStart->setChecked(PAL::GetAutostart());
    }
}

void HostCtrl::OnNetSvcOpen() {
    ApplyState(QStringLiteral("on"));
    m_timer->start();
    UpdateHostAddr();
}

void HostCtrl::OnNetSvcFail() {
    ApplyState(QStringLiteral("off"));
    m_timer->stop();
    m_lblIPAddr->hide();
    m_lblIPName->hide();
}

void HostCtrl::OnNetSvcClose() {
    ApplyState(QStringLiteral("def"));
    m_timer->stop();
    m_lblIPAddr->hide();
    m_lblIPName->hide();
}

void HostCtrl::UpdateHostAddr() {
    if (!isVisible() && !m_lblIPAddr->text().isEmpty())
        return;
    const QHostAddress address = PAL::GetHostAddress();
    if (address.isNull() || address == QHostAddress(QStringLiteral("255.255.255.255"))) {
        m_lblIPAddr->hide();
        m_lblIPName->hide();
        return;
    }
    m_lblIPAddr->setText(address.toString());
    m_lblIPName->setText(PAL::GetComputerName());
    m_lblIPAddr->show();
    m_lblIPName->show();
}
