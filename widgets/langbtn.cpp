#include "widgets/langbtn.h"

#include "functions/loadimagecached.h"
#include "widgets/widgetresources.h"

#include <QPainter>

LangBtn::LangBtn(QWidget* parent) : QPushButton(parent) {
    InitWidgetResources();
    resize(32, 17);
    setStyleSheet(QStringLiteral("LangBtn         {border:none;background-image:url(:/images/language/LBtnN);}\n"
                                 "LangBtn:hover   {background-image:url(:/images/language/LBtnH);}\n"
                                 "LangBtn:pressed {background-image:url(:/images/language/LBtnD);}\n"));
}

void LangBtn::SetFlag(const QString& code) {
    m_flag = LoadImageCached(QStringLiteral(":/images/language/Flag_") + code, false);
    update();
}

void LangBtn::paintEvent(QPaintEvent* e) {
    QPushButton::paintEvent(e);
    if (m_flag.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(12, 3, m_flag);
}
