#pragma once
// The "Registered Devices" box of the program settings page, and the process-wide pairing mode: on
// exactly while an add-device popup runs its modal loop.

#include "widgets/stdbtn.h"
#include <QObject>

#include <QButtonGroup>
#include <QGroupBox>
#include <QPointer>
#include <QTableWidget>

class AddDevicePopup;
class DataCfg;
class NetServer;
class QTimer;

class PairingUI : public QObject {
    Q_OBJECT
public:
    PairingUI(QWidget* parent, DataCfg* cfg, NetServer* server);

    // Builds the box into the container; nothing unless the container's layout is a vertical box.
    void BuildDevicesBox(QWidget* container);
    // Puts a fresh box with the stored devices in the place of the one built last; false when that box is not
    // on a page any more.
    bool RebuildDevicesBox();
    QGroupBox* DevicesBox() const { return m_box; }
    // The key of the device whose row selector is checked; empty when none.
    QString SelectedDevice() const;
    // A row's status lamp image and status text.
    QString RowLamp(int row) const;
    QString RowStatus(int row) const;

    static bool IsPairingMode();
    // First start: the add-device popup with "SKIP", until the first device is registered. Returns at once
    // with the open popup, which deletes itself when it ends (its finished signal).
    AddDevicePopup* RunFirstPairing();

    QTableWidget* Table() const { return m_table; }
    StdBtn* ActivateButton() const { return m_btnActivate; }
    StdBtn* DeactivateButton() const { return m_btnDeactivate; }

signals:
    // The device list changed under the table: the devices box is to be rebuilt.
    void UpdateUI();

public slots:
    void OnTableDevUpdate();
    void OnDevClickActivate();
    void OnDevClickDeactivate();
    void OnDevClickDelete();
    void OnDevClickAdd();
    void OnTableDevClicked(int row, int column);
    void OnTableDevEdited(int row, int column);
    void OnTableDevResize(int index, int oldSize, int newSize);
    void OnTableDevAutosize();

private:
    QString RowKey(int row) const;
    QGroupBox* MakeDevicesBox();
    // Runs a popup modally with pairing mode on.
    static int RunPairing(class QDialog* popup);
    // Device edits are kept at once: a crash must not lose them.
    void SaveDevices();

    QWidget* m_parent;
    DataCfg* m_cfg;
    QPointer<NetServer> m_server;
    QPointer<QGroupBox> m_box;
    QPointer<QTableWidget> m_table;
    QPointer<StdBtn> m_btnActivate;
    QPointer<StdBtn> m_btnDeactivate;
    QPointer<QButtonGroup> m_group;
    bool m_filling = false;
};
