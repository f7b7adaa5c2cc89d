#pragma once
// The popup that keeps the program in pairing mode while it is open: a phone that is not yet known may
// pair only then (or while no phone is registered at all).

#include "widgets/popupwnd.h"

#include <QAbstractButton>

class DataCfg;

class AddDevicePopup : public PopupWnd {
    Q_OBJECT
public:
    AddDevicePopup(QWidget* parent, DataCfg* cfg);

public slots:
    // The first-start variant closes itself once a device was registered.
    void CheckClose();

private:
    DataCfg* m_cfg;
};
