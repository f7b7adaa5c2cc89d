#include "widgets/qscrollbarex.h"

QScrollBarEx::QScrollBarEx(QWidget* parent) : QScrollBar(parent) {}

void QScrollBarEx::setRange(int min, int max) {
    QScrollBar::setRange(min, max);
    if (auto* slider = qobject_cast<QAbstractSlider*>(sender())) {
        setSingleStep(slider->singleStep());
        setPageStep(slider->pageStep());
    }
}

void QScrollBarEx::LinkTo(QAbstractSlider* slider) {
    if (!slider)
        return;
    connect(this, &QAbstractSlider::valueChanged, slider, &QAbstractSlider::setValue);
    connect(slider, &QAbstractSlider::valueChanged, this, &QAbstractSlider::setValue);
    connect(slider, &QAbstractSlider::rangeChanged, this, &QScrollBarEx::setRange);
    QScrollBar::setRange(slider->minimum(), slider->maximum());
    setSingleStep(slider->singleStep());
    setPageStep(slider->pageStep());
}
