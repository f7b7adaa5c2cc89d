#include "widgets/stdicnbtnnd.h"

StdIcnBtnND::StdIcnBtnND(QWidget* parent, const QString& iconPath)
    : BGIcnBtn(parent, QStringLiteral(":/images/BtnStd"), iconPath) {
    setMinimumHeight(23);
}
