#include "widgets/qpushbuttonex.h"

#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextDocument>

QPushButtonEx::QPushButtonEx(QWidget* parent) : QPushButton(parent) {}

void QPushButtonEx::setHtmlText(const QString& text) {
    m_htmlText = text;
    update();
}

void QPushButtonEx::setOpacity(double opacity) {
    if (opacity == m_opacity)
        return;
    m_opacity = opacity;
    update();
}

void QPushButtonEx::SetText(const QString& text) {
    if (text.contains(QLatin1Char('<')) && text.contains(QLatin1Char('>'))) {
        setHtmlText(text);
        setText(QString());
    } else {
        setText(text);
    }
}

void QPushButtonEx::setEnabled(bool enabled) {
    if (isEnabled() == enabled)
        return;
    QPushButton::setEnabled(enabled);
    style()->unpolish(this);
    style()->polish(this);
}

void QPushButtonEx::setDisabled(bool disabled) {
    setEnabled(!disabled);
}

void QPushButtonEx::mousePressEvent(QMouseEvent* e) {
    QPushButton::mousePressEvent(e);
    emit mousepressed(e);
}

void QPushButtonEx::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    if (m_htmlText.isEmpty()) {
        painter.setOpacity(m_opacity);
        style()->drawControl(QStyle::CE_PushButton, &option, &painter, this);
        return;
    }

    QTextDocument doc;
    doc.setHtml(m_htmlText);
    QPixmap pixmap(doc.size().toSize());
    pixmap.fill(Qt::transparent);
    {
        QPainter docPainter(&pixmap);
        doc.drawContents(&docPainter);
    }
    const QRect r = rect();
    QPoint centre(r.x() + r.width() / 2 - 1, r.y() + r.height() / 2);
    if (!icon().isNull())
        centre = QPoint(r.x() + iconSize().width() / 2 + r.width() / 2 + 2, r.y() + r.height() / 2);
    style()->drawControl(QStyle::CE_PushButton, &option, &painter, this);
    painter.drawPixmap(centre.x() - pixmap.width() / 2, centre.y() - pixmap.height() / 2, pixmap);
}
