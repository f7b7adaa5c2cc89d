#pragma once
// Blue button with an icon.

#include "widgets/bgicnbtn.h"

class BluIcnBtn : public BGIcnBtn {
    Q_OBJECT

public:
    BluIcnBtn(QWidget* parent, const QString& iconPath);
};
