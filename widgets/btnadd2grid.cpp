#include "widgets/btnadd2grid.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

BtnAdd2Grid::BtnAdd2Grid(QWidget* parent) : QPushButtonEx(parent) {}

void BtnAdd2Grid::SetText(const QString& text) {
    if (text.contains(QLatin1Char('\n'))) {
        twoLineText = text;
        update();
        setText(QString());
    } else {
        setText(text);
    }
}

void BtnAdd2Grid::paintEvent(QPaintEvent* e) {
    if (twoLineText.isEmpty()) {
        QPushButtonEx::paintEvent(e);
        return;
    }
    QPainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    style()->drawControl(QStyle::CE_PushButton, &option, &painter, this);

    QRect r = rect().adjusted(0, 7, -32, 0);
    QFont f = painter.font();
    f.setPixelSize(10);
    painter.setFont(f);
    const QStringList lines = twoLineText.split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        style()->drawItemText(&painter, r, Qt::AlignHCenter | Qt::AlignTop, QPalette(), true, line);
        r.setTop(r.top() + 10);
        f.setPixelSize(20);
        painter.setFont(f);
    }
}
