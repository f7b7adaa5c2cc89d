#include "widgets/langselector.h"

#include "functions/loadimagecached.h"
#include "widgets/langselbtn.h"
#include "widgets/widgetresources.h"

#include <QPainter>

LangSelector::LangSelector(QWidget* parent) : QWidgetEx(parent) {
    InitWidgetResources();
    setStyleSheet(QStringLiteral(
        "LangSelector {    background-image: url(:/images/language/LTitle);    background-repeat:norepeat;}"));
    m_codes = QStringList{QStringLiteral("en"), QStringLiteral("fr"), QStringLiteral("de"), QStringLiteral("ru"),
                          QStringLiteral("es"), QStringLiteral("pt"), QStringLiteral("cn"), QStringLiteral("tw")};
    resize(100, m_codes.size() * 16 + 17);
    for (int i = 0; i < m_codes.size(); ++i) {
        LangSelBtn* btn = new LangSelBtn(this);
        btn->SetCode(m_codes.at(i));
        // A click must not take the focus from the panel, which closes when it loses it.
        btn->setFocusPolicy(Qt::NoFocus);
        btn->move(0, 16 + 16 * i);
        connect(btn, QOverload<const QString&>::of(&LangSelBtn::clicked), this, &LangSelector::LanguageClicked);
    }
    m_foot = LoadImageCached(QStringLiteral(":/images/language/LFoot"), false);
}

void LangSelector::setVisible(bool visible) {
    QWidgetEx::setVisible(visible);
    if (visible)
        setFocus();
}

void LangSelector::focusOutEvent(QFocusEvent* e) {
    QWidgetEx::focusOutEvent(e);
    hide();
}

void LangSelector::hideEvent(QHideEvent* e) {
    QWidgetEx::hideEvent(e);
}

void LangSelector::paintEvent(QPaintEvent* e) {
    QWidgetEx::paintEvent(e);
    if (m_foot.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(0, height() - 1, m_foot);
}
