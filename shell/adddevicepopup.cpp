#include "shell/adddevicepopup.h"

#include "config/datacfg.h"
#include "config/tusercfg.h"
#include "widgets/imgwidget.h"
#include "widgets/qlabelex.h"

AddDevicePopup::AddDevicePopup(QWidget* parent, DataCfg* cfg) : PopupWnd(parent), m_cfg(cfg) {
    resize(350, 260);
    setWindowTitle(tr("ADD NEW DEVICE: PAIRING MODE"));
    AddButtons(CLOSE, CLOSE);
    auto* image = new ImgWidget(this, QStringLiteral(":/images/PairingAdd"));
    image->move(5, 34);
    auto* text =
        new QLabelEx(this,
                     tr("Please <font color='white'>connect</font> your mobile device via<br>the MERVEX™ "
                        "Velli-Chor App now."),
                     false, -1, QColor(0x3d, 0xa8, 0xdd), QStringLiteral(" qproperty-alignment: AlignCenter; "));
    text->setGeometry(10, 155, 330, 40);
}

void AddDevicePopup::CheckClose() {
    if (m_cfg && !m_cfg->UserCfg().Devices.isEmpty())
        done(0);
}
