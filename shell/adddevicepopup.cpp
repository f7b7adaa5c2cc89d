#include "shell/adddevicepopup.h"

#include "config/datacfg.h"
#include "config/tusercfg.h"
#include "widgets/imgwidget.h"
#include "widgets/qlabelex.h"

#include <QCoreApplication>

namespace {
// The first start's button was named with the pairing box's texts.
const char* const kSkip = QT_TRANSLATE_NOOP("PairingUI", "SKIP");
} // namespace

AddDevicePopup::AddDevicePopup(QWidget* parent, DataCfg* cfg) : PopupWnd(parent), m_cfg(cfg) {
    resize(350, 260);
    AddButtons(CLOSE, CLOSE);
    auto* image = new ImgWidget(this, QStringLiteral(":/images/PairingAdd"));
    image->move(5, 34);
    m_text = new QLabelEx(this, QString(), false, -1, QColor(0x3d, 0xa8, 0xdd),
                          QStringLiteral(" qproperty-alignment: AlignCenter; "));
    m_text->setGeometry(10, 155, 330, 40);
    Retranslate();
}

void AddDevicePopup::SetSkip() {
    m_skip = true;
    Retranslate();
}

void AddDevicePopup::Retranslate() {
    setWindowTitle(tr("ADD NEW DEVICE: PAIRING MODE"));
    m_text->setText(tr("Please <font color='white'>connect</font> your mobile device via<br>the MERVEX™ "
                       "Velli-Chor App now."));
    const QList<QAbstractButton*> buttons = buttonBox()->buttons();
    if (!buttons.isEmpty())
        buttons.first()->setText(m_skip ? QCoreApplication::translate("PairingUI", kSkip)
                                        : QCoreApplication::translate("PopupWnd", "CLOSE"));
    update(); // the title is drawn by the popup
}

void AddDevicePopup::CheckClose() {
    if (m_cfg && !m_cfg->UserCfg().Devices.isEmpty())
        done(0);
}
