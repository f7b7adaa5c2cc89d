#pragma once
// Tiled button with an icon image at its left end.

#include "widgets/tiledbtn.h"

class ImgWidget;

class BGIcnBtn : public TiledBtn {
    Q_OBJECT

public:
    BGIcnBtn(QWidget* parent, const QString& baseName, const QString& iconPath);

    ImgWidget* iconWidget() const { return m_icon; }

private:
    ImgWidget* m_icon;
};
