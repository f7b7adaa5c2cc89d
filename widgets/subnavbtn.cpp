#include "widgets/subnavbtn.h"

SubnavBtn::SubnavBtn(QWidget* parent) : TiledBtn(parent) {
    setMinimumHeight(30);
    setTextColor(Disabled, QColor(112, 113, 113));
    imageNames = QStringList(QStringLiteral(":/images/BtnSubnav"));
    ApplyImages();
}
