#pragma once
// The settings tab: the settings list on the left, the edit pane with the chosen page on the right.

#include "shell/maintab.h"

class AddDevicePopup;
class DataCfg;
class MTESettingsEdit;
class MTESettingsElements;
class NetServer;

class MTSettingsCtrl : public MainTab {
    Q_OBJECT
public:
    MTSettingsCtrl(QWidget* parent, DataCfg* cfg, NetServer* server);

    // Second start-up step: fills the list and starts the pane's refresh of function labels.
    void Init();
    // The tab was brought to the front: the page shows the stored values unless it holds edits.
    void Activate();

    // What the main window asks of its settings page: leaving it (false when the user cancelled the
    // "SAVE CHANGES?" question), OK and APPLY, CANCEL.
    bool MayLeave();
    void Save();
    void Cancel();

    // True while an add-device popup of this tab runs: a phone that is not yet known may pair only then
    // (or while no phone is registered at all).
    bool IsPairingMode() const;
    // First start: the add-device popup in pairing mode until the first phone is registered or SKIP; returns
    // at once with the open popup.
    AddDevicePopup* RunFirstStartPairing();

    MTESettingsElements* List() const { return m_list; }
    MTESettingsEdit* Edit() const { return m_edit; }

public slots:
    bool OnUpdate(const QString& key);

private:
    MTESettingsElements* m_list;
    MTESettingsEdit* m_edit;
};
