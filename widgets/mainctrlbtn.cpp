#include "widgets/mainctrlbtn.h"

MainCtrlBtn::MainCtrlBtn(QWidget* parent) : TiledBtn(parent) {
    setTextColor(Normal, QColor(80, 80, 80));
    connect(this, &QAbstractButton::clicked, this, &MainCtrlBtn::OnClick);
    imageNames = QStringList(QStringLiteral(":/images/BtnMainCtrl"));
    ApplyImages();
}

void MainCtrlBtn::OnClick() {
    emit clicked(id);
}
