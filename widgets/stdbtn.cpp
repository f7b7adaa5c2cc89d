#include "widgets/stdbtn.h"

StdBtn::StdBtn(QWidget* parent, int type) : TiledBtn(parent) {
    QString base = QStringLiteral(":/images/BtnStd");
    if (type == 1)
        base = QStringLiteral(":/images/BtnSml");
    else if (type == 2)
        base = QStringLiteral(":/images/BtnBlu");
    imageNames = QStringList(base);
    setMinimumHeight(type == 1 ? 19 : 23);
    setTextColor(Disabled, QColor(112, 113, 113));
    padLeft = padRight = 6;
    update();
    ApplyImages();
}
