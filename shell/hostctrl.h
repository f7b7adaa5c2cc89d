#pragma once
// The host-service box under the settings list: starts and stops the phone server, switches the autostart
// with the user's session and shows the computer's address while the server listens.

#include <QWidget>

class NetServer;
class QCheckBox;
class QLabel;
class QPushButton;
class QTimer;

class HostCtrl : public QWidget {
    Q_OBJECT
public:
    HostCtrl(QWidget* parent, NetServer* server);

    // Reads the autostart and shows the server's current state.
    void Start();

    QPushButton* ServiceButton() const { return m_btnSvc; }
    QCheckBox* AutoStartBox() const { return m_chkAutoStart; }
    QLabel* AddressLabel() const { return m_lblIPAddr; }
    QLabel* NameLabel() const { return m_lblIPName; }
    QTimer* AddressTimer() const { return m_timer; }

public slots:
    void OnClickNetSvc();
    void OnCheckAutoStart(int state);
    void OnNetSvcOpen();
    void OnNetSvcFail();
    void OnNetSvcClose();
    void UpdateHostAddr();

protected:
    void changeEvent(QEvent* e) override;

private:
    void Retranslate();
    // Sets the service button's state ("on", "off", "def") and its caption.
    void ApplyState(const QString& state);
    QString ServiceText(const QString& state) const;

    NetServer* m_server;
    QTimer* m_timer = nullptr;
    QPushButton* m_btnSvc = nullptr;
    QCheckBox* m_chkAutoStart = nullptr;
    QLabel* m_lblIPAddr = nullptr;
    QLabel* m_lblIPName = nullptr;
    QLabel* m_lblSettings = nullptr;
};
