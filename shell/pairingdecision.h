#pragma once
// The phone server's pairing decisions. A device stored in the user configuration is paired; an unknown one
// is asked about when it would be the first or the settings tab is in pairing mode. The question is a popup
// that stands over every modal popup opened after it, and a yes is stored (and written) at once.

#include "server/netservices.h"

#include <QObject>
#include <QPointer>

#include <functional>

class DataCfg;
class IMainTabHooks;
class NetServer;
class PopupWnd;

class PairingDecision : public QObject, public INetPairing {
    Q_OBJECT
public:
    // The answers go back to server; pairing mode is the tabs' (hooks). All three outlive this object.
    PairingDecision(DataCfg& cfg, NetServer& server, IMainTabHooks& hooks);
    ~PairingDecision() override;

    // The language chosen last, as its code ("de", "en_US"); the phone is told its first two letters.
    void SetLanguageReader(std::function<QString()> reader) { m_language = std::move(reader); }

    bool IsPaired(const QString& name, const QString& key, bool& active) override;
    bool NeedsPairingConfirm(const QString& name, const QString& key, const QString& desc) override;
    void AskPairing(quint64 ticket, const QString& name, const QString& key, const QString& desc) override;
    void WithdrawPairing(quint64 ticket) override;
    bool StorePairing(const QString& name, const QString& key, const QString& desc) override;
    QString LanguageCode() override;

    // The question shown now, or null.
    PopupWnd* Question() const;

protected:
    // While a question is shown: a modal popup opened after it would keep the user from answering.
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    // Shows the question again, modal, so that it stands over the modal popups opened after it.
    void RaiseQuestion();

    DataCfg& m_cfg;
    QPointer<NetServer> m_server;
    IMainTabHooks& m_hooks;
    std::function<QString()> m_language;
    QPointer<PopupWnd> m_popup;
    quint64 m_ticket = 0;
};
