#include "widgets/bluicnbtn.h"

BluIcnBtn::BluIcnBtn(QWidget* parent, const QString& iconPath)
    : BGIcnBtn(parent, QStringLiteral(":/images/BtnBluIcn"), iconPath) {}
