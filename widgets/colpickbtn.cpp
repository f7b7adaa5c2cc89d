#include "widgets/colpickbtn.h"

#include "foundation/helpers.h"
#include "foundation/profiler.h"
#include "functions/loadimagecached.h"
#include "widgets/colpickpopup.h"
#include "widgets/widgetresources.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

ColPickBtn::ColPickBtn(QWidget* parent) : QWidgetEx(parent) {
    InitWidgetResources();
    m_background = LoadImageCached(QStringLiteral(":/images/BtnColPickBG"), false);
    m_mask = LoadImageCached(QStringLiteral(":/images/BtnColPickMask"), false);
    m_normal = LoadImageCached(QStringLiteral(":/images/BtnColPickN"), false);
    m_hover = LoadImageCached(QStringLiteral(":/images/BtnColPickH"), false);
    m_pressedImg = LoadImageCached(QStringLiteral(":/images/BtnColPickP"), false);
    if (!m_mask.isNull())
        m_layer = QImage(m_mask.size(), QImage::Format_ARGB32);
    resize(m_background.size());
    setMinimumSize(m_background.size());
    setMaximumSize(m_background.size());
}

void ColPickBtn::SetColor(const QString& text) {
    m_color = ColorFromText(text).rgba();
    update();
}

QString ColPickBtn::GetColor() const {
    return ColorToText(QColor::fromRgba(m_color));
}

void ColPickBtn::OnColorChanged(const QColor& color) {
    m_color = color.rgba();
    emit changed(m_color);
    update();
}

void ColPickBtn::OpenColorDialog() {
    const QRgb before = m_color;
    // On the heap: the popup schedules its own deletion when it ends.
    QPointer<ColPickPopup> popup = new ColPickPopup;
    connect(popup, &ColPickPopup::currentColorChanged, this, &ColPickBtn::OnColorChanged);
    popup->SetCurrentColor(QColor::fromRgba(m_color));
    popup->SetFirstEdit(true);
    const int result = popup->exec();
    QRgb after = before;
    if (popup) {
        disconnect(popup, nullptr, this, nullptr);
        if (result == PopupWnd::OK)
            after = popup->currentColor().rgba();
        delete popup;
    }
    m_color = after;
    emit changed(m_color);
    update();
}

void ColPickBtn::mousePressEvent(QMouseEvent* e) {
    m_pressed = true;
    update();
    e->accept();
}

void ColPickBtn::mouseReleaseEvent(QMouseEvent* e) {
    if (m_pressed && rect().contains(e->pos()))
        OpenColorDialog();
    m_pressed = false;
    update();
}

void ColPickBtn::enterEvent(QEvent* e) {
    QWidgetEx::enterEvent(e);
    update();
}

void ColPickBtn::leaveEvent(QEvent* e) {
    QWidgetEx::leaveEvent(e);
    update();
}

void ColPickBtn::paintEvent(QPaintEvent*) {
    PROFILE_SCOPE("ColPickBtn::paintEvent");
    if (m_background.isNull())
        return;
    const bool hover = underMouse() && isEnabled();
    if (m_color != m_rendered && !m_layer.isNull()) {
        m_rendered = m_color;
        const int a = qAlpha(m_color);
        for (int y = 0; y < m_layer.height(); ++y) {
            for (int x = 0; x < m_layer.width(); ++x) {
                const int alpha = (qAlpha(m_mask.pixel(x, y)) * a) >> 8;
                m_layer.setPixel(x, y, qRgba(qRed(m_color), qGreen(m_color), qBlue(m_color), alpha));
            }
        }
    }
    QPainter p(this);
    p.setOpacity(opacity());
    p.drawImage(0, 0, m_background);
    if (!m_layer.isNull())
        p.drawImage(0, 0, m_layer);
    p.drawImage(0, 0, m_pressed ? m_pressedImg : hover ? m_hover : m_normal);
}
