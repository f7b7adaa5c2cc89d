#include "widgets/spinner.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QTimer>
#include <QWheelEvent>

namespace {
constexpr int kRepeatMs = 250;

// Decimal text as an int; empty, malformed or out-of-int-range text reads as 0.
int ReadInt(const QString& text) {
    bool ok = false;
    const int v = text.trimmed().toInt(&ok, 10);
    return ok ? v : 0;
}
} // namespace

Spinner::Spinner(QWidget* parent) : QWidgetEx(parent) {
    setFixedSize(13, 19);
    setMouseTracking(true);
    m_upTimer = new QTimer(this);
    m_upTimer->setInterval(kRepeatMs);
    m_dnTimer = new QTimer(this);
    m_dnTimer->setInterval(kRepeatMs);
    connect(m_upTimer, &QTimer::timeout, this, &Spinner::ChangeUp);
    connect(m_dnTimer, &QTimer::timeout, this, &Spinner::ChangeDn);
}

int Spinner::Clamp(int v) const {
    return qMax(minimum, qMin(maximum, v));
}

void Spinner::SetValue(int v) {
    value = Clamp(v);
    dragBase = value;
    emit changed(value);
}

void Spinner::SetSpec(const QString& rangeText) {
    const QStringList parts = rangeText.split(QLatin1Char(':'));
    QString range = rangeText;
    if (parts.size() >= 2) {
        defaultValue = ReadInt(parts.at(0));
        range = parts.at(1);
    }
    const QStringList bounds = range.split(QLatin1Char('-'));
    if (bounds.size() < 2)
        return;
    minimum = ReadInt(bounds.at(0));
    maximum = ReadInt(bounds.at(1));
    SetValue(value);
}

void Spinner::ChangeUp() {
    // Wide enough not to overflow at INT_MAX.
    value = Clamp(int(qBound<qint64>(INT_MIN, qint64(value) + 1, INT_MAX)));
    emit changed(value);
}

void Spinner::ChangeDn() {
    value = Clamp(int(qBound<qint64>(INT_MIN, qint64(value) - 1, INT_MAX)));
    emit changed(value);
}

void Spinner::Hover(const QPoint& pos) {
    const int state = pos.y() < height() / 2 ? HoverUp : HoverDown;
    if (state != mouseState) {
        mouseState = state;
        update();
    }
}

void Spinner::mousePressEvent(QMouseEvent* e) {
    mouseState = Idle;
    if (e->buttons() & Qt::RightButton) {
        SetValue(defaultValue);
        update();
        return;
    }
    pressPos = e->pos();
    Hover(pressPos);
    if (mouseState == HoverUp) {
        mouseState = DragUp;
        ChangeUp();
        m_upTimer->start();
    } else {
        mouseState = DragDown;
        ChangeDn();
        m_dnTimer->start();
    }
    dragBase = value;
    update();
}

void Spinner::mouseMoveEvent(QMouseEvent* e) {
    if (mouseState != DragUp && mouseState != DragDown) {
        Hover(e->pos());
        return;
    }
    const int dx = pressPos.x() - e->pos().x();
    const int dy = pressPos.y() - e->pos().y();
    if (qAbs(dx) > 1 || qAbs(dy) > 1) {
        m_upTimer->stop();
        m_dnTimer->stop();
    }
    if (m_upTimer->isActive() || m_dnTimer->isActive())
        return;

    // Past a screen edge the cursor wraps to the other edge and the reference moves with it, so the drag goes on.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int h = screen ? screen->geometry().height() : 0;
    if (h > 2) {
        const QPoint global = e->globalPos();
        if (global.y() <= 0) {
            QCursor::setPos(global.x(), h - 2);
            pressPos.ry() += h - 2;
            return;
        }
        if (global.y() >= h - 1) {
            QCursor::setPos(global.x(), 1);
            pressPos.ry() -= h - 2;
            return;
        }
    }

    const qint64 candidate = qint64(dragBase) + dy / 2;
    const int newValue = int(qBound<qint64>(minimum, candidate, maximum < minimum ? minimum : maximum));
    // At a bound the reference follows the pointer, so reversing acts at once.
    pressPos.ry() += int(qBound<qint64>(INT_MIN / 2, 2 * (qint64(newValue) - candidate), INT_MAX / 2));
    if (newValue == value)
        return;
    mouseState = newValue > value ? DragUp : DragDown;
    value = newValue;
    dragBase = value;
    pressPos = e->pos();
    setCursor(Qt::SizeVerCursor);
    emit changed(value);
    update();
}

void Spinner::mouseReleaseEvent(QMouseEvent* e) {
    setCursor(Qt::ArrowCursor);
    m_upTimer->stop();
    m_dnTimer->stop();
    mouseState = Idle;
    if (rect().contains(e->pos()))
        Hover(e->pos());
    update();
}

void Spinner::enterEvent(QEvent* e) {
    QWidgetEx::enterEvent(e);
    update();
}

void Spinner::leaveEvent(QEvent* e) {
    QWidgetEx::leaveEvent(e);
    update();
}

void Spinner::wheelEvent(QWheelEvent* e) {
    const int delta = e->angleDelta().y();
    if (delta > 0)
        ChangeUp();
    else if (delta < 0)
        ChangeDn();
    e->accept();
}

void Spinner::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOptionSpinBox opt;
    opt.initFrom(this);
    opt.rect = rect();
    opt.subControls = QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown | QStyle::SC_SpinBoxFrame;
    opt.buttonSymbols = QAbstractSpinBox::UpDownArrows;
    opt.stepEnabled = QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
    opt.frame = true;
    if (mouseState == HoverUp || mouseState == DragUp)
        opt.activeSubControls = QStyle::SC_SpinBoxUp;
    else if (mouseState == HoverDown || mouseState == DragDown)
        opt.activeSubControls = QStyle::SC_SpinBoxDown;
    else
        opt.activeSubControls = QStyle::SC_None;
    style()->drawComplexControl(QStyle::CC_SpinBox, &opt, &painter, this);
}
