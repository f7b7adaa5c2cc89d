#pragma once
// The popup that keeps the program in pairing mode while it is open: a phone that is not yet known may
// pair only then (or while no phone is registered at all).

#include "widgets/popupwnd.h"

#include <QAbstractButton>

class DataCfg;
class QLabelEx;

class AddDevicePopup : public PopupWnd {
    Q_OBJECT
public:
    AddDevicePopup(QWidget* parent, DataCfg* cfg);
    // The first start's variant: its one button says SKIP.
    void SetSkip();
    // The texts in the language now installed; a language chosen while the popup is open reaches it here.
    void Retranslate() override;

public slots:
    // The first-start variant closes itself once a device was registered.
    void CheckClose();

private:
    DataCfg* m_cfg;
    QLabelEx* m_text = nullptr;
    bool m_skip = false;
};
