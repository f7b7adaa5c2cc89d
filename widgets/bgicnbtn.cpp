#include "widgets/bgicnbtn.h"

#include "widgets/imgwidget.h"

BGIcnBtn::BGIcnBtn(QWidget* parent, const QString& baseName, const QString& iconPath) : TiledBtn(parent) {
    setMinimumHeight(22);
    padLeft = 20;
    setTextColor(Disabled, QColor(112, 113, 113));
    m_icon = new ImgWidget(this, iconPath);
    m_icon->move(0, 0);
    imageNames = QStringList(baseName);
    ApplyImages();
}
