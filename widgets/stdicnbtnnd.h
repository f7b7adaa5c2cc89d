#pragma once
// Standard button with an icon and no divider.

#include "widgets/bgicnbtn.h"

class StdIcnBtnND : public BGIcnBtn {
    Q_OBJECT

public:
    StdIcnBtnND(QWidget* parent, const QString& iconPath);
};
