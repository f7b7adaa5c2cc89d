#include "widgets/layouttools.h"

#include <QLayout>
#include <QWidget>

void ClearLayout(QLayout* layout) {
    if (!layout)
        return;
    while (QLayoutItem* item = layout->takeAt(0)) {
        ClearLayout(item->layout());
        if (QWidget* w = item->widget())
            w->deleteLater();
        delete item;
    }
}

void FitWidthToSizeHint(QWidget* widget, int flags) {
    if (!widget)
        return;
    const int w = widget->sizeHint().width();
    QRect g = widget->geometry();
    if (flags & 2)
        g.setLeft(g.right() + 1 - w);
    else
        g.setWidth(w);
    widget->setGeometry(g);
}
