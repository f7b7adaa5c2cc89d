#include "shell/mtsettingsctrl.h"

#include "shell/mtesettingsedit.h"
#include "shell/mtesettingselements.h"
#include "shell/pairingui.h"

#include <QTimer>

MTSettingsCtrl::MTSettingsCtrl(QWidget* parent, DataCfg* cfg, NetServer* server) : MainTab(parent) {
    m_list = new MTESettingsElements(this, cfg, server);
    m_list->move(0, 0);
    m_edit = new MTESettingsEdit(this, cfg, server);
    m_edit->move(m_list->width() + 7, 0);
    connect(m_list, &MTESettingsElements::SelChanged, this, &MTSettingsCtrl::OnUpdate);
}

void MTSettingsCtrl::Init() {
    m_list->Retranslate();
    // Runs while the page is shown (MTESettingsEdit's show and hide).
    m_edit->UpdateTimer()->setInterval(1000);
    if (m_edit->isVisible())
        m_edit->UpdateTimer()->start();
}

void MTSettingsCtrl::Activate() {
    m_edit->Revert();
}

bool MTSettingsCtrl::OnUpdate(const QString& key) {
    if (!m_edit->MayLeave())
        return false;
    m_edit->SetPageKey(key);
    m_edit->Revert();
    return true;
}

bool MTSettingsCtrl::MayLeave() {
    return m_edit->MayLeave();
}

void MTSettingsCtrl::Save() {
    m_edit->Save();
}

void MTSettingsCtrl::Cancel() {
    m_edit->Cancel();
}

bool MTSettingsCtrl::IsPairingMode() const {
    return PairingUI::IsPairingMode();
}

AddDevicePopup* MTSettingsCtrl::RunFirstStartPairing() {
    return m_edit->Pairing()->RunFirstPairing();
}
