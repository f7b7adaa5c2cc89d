#include "widgets/stdicnbtn.h"

#include "widgets/imgwidget.h"

StdIcnBtn::StdIcnBtn(QWidget* parent, const QString& iconPath)
    : BGIcnBtn(parent, QStringLiteral(":/images/BtnStd"), iconPath) {
    setMinimumHeight(23);
    AddDivider();
}

void StdIcnBtn::AddDivider() {
    if (m_divider)
        m_divider->deleteLater();
    m_divider = new ImgWidget(this, QStringLiteral(":/images/BtnStdDivider"));
    m_divider->move(20, 0);
}
