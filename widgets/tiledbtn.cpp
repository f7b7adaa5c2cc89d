#include "widgets/tiledbtn.h"

#include "widgets/widgetresources.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyle>

TiledBtn::TiledBtn(QWidget* parent) : QPushButtonEx(parent) {
    InitWidgetResources();
    for (int s = 0; s < Disabled; ++s)
        m_colors[s] = QColor(255, 255, 255);
    m_colors[Disabled] = QColor(80, 80, 80);
    captionFont = QFont(QStringLiteral("Eurostile LT Std Bold"), 11, QFont::Bold);
    captionFont.setPixelSize(11);
    setFont(captionFont);
}

void TiledBtn::setActive(bool on) {
    if (active == on)
        return;
    active = on;
    update();
}

void TiledBtn::ApplyImages() {
    if (imageNames.size() != 1)
        return;
    const QString base = imageNames.first();
    static const char* const kEndings[] = {"LN", "CN", "RN", "LH", "CH", "RH", "LP", "CP",
                                           "RP", "LA", "CA", "RA", "LD", "CD", "RD"};
    imageNames.clear();
    for (const char* ending : kEndings)
        imageNames << base + QLatin1String(ending);
}

void TiledBtn::ComposeImages() {
    const int W = width();
    const int H = height();
    if (qint64(W) * H < 1)
        return;
    if (imageNames.size() > 8) {
        const int groups = qMin(int(imageNames.size() / 3), int(StateCount));
        for (int g = 0; g < groups; ++g) {
            const QImage left(imageNames.at(g * 3));
            const QImage centre(imageNames.at(g * 3 + 1));
            const QImage right(imageNames.at(g * 3 + 2));
            if (left.isNull() && centre.isNull() && right.isNull())
                continue; // a tile set without this state keeps what it had
            QImage image(W, H, QImage::Format_ARGB32);
            image.fill(0);
            QPainter p(&image);
            p.drawImage(0, 0, left);
            const int cw = centre.width();
            if (cw >= 1) {
                for (int x = left.width(); x < W - right.width(); x += cw) {
                    const int columns = qMin(cw, W - x - right.width());
                    p.drawImage(QPoint(x, 0), centre, QRect(0, 0, columns, centre.height()));
                }
            }
            p.drawImage(W - right.width(), 0, right);
            p.end();
            m_images[g] = image;
        }
    }
    update();
}

void TiledBtn::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const bool hovered = underMouse() && isEnabled();

    QImage image;
    QColor color;
    QIcon::Mode mode = QIcon::Normal;
    if (active && !m_images[Active].isNull()) {
        image = m_images[Active];
        color = m_colors[Active];
        mode = QIcon::Active;
    } else if (isDown() && !m_images[Pressed].isNull()) {
        image = m_images[Pressed];
        color = m_colors[Pressed];
        mode = QIcon::Selected;
    } else if (hovered && !m_images[Hover].isNull()) {
        image = m_images[Hover];
        color = m_colors[Hover];
    } else if (!isEnabled() && !m_images[Disabled].isNull()) {
        image = m_images[Disabled];
        color = m_colors[Disabled];
        mode = QIcon::Disabled;
    } else {
        image = m_images[Normal];
        color = isEnabled() ? m_colors[Normal] : m_colors[Disabled];
        if (!isEnabled())
            painter.setOpacity(0.5);
    }
    painter.drawImage(0, 0, image);
    painter.setOpacity(1.0);

    painter.setFont(captionFont);
    if (!icon().isNull()) {
        const QPixmap pm = icon().pixmap(iconSize(), mode, QIcon::Off);
        painter.drawPixmap(iconX, (height() - 2) / 2 - pm.height() / 2, pm);
    }

    QPalette pal = palette();
    pal.setColor(QPalette::ButtonText, color);
    const QRect r(padLeft + 4, padTop, width() - padRight - padLeft - 10, height() - padTop - 2);
    style()->drawItemText(&painter, r, Qt::AlignHCenter | Qt::AlignVCenter, pal, true, text(), QPalette::ButtonText);
}

QSize TiledBtn::sizeHint() const {
    const QString caption = text();
    if (m_hint.width() > 0 && caption == m_hintText)
        return m_hint;

    const int maxW = maximumWidth();
    const int maxH = maximumHeight();
    const int minW = qMax(minimumWidth(), 4);
    const int minH = qMax(minimumHeight(), 4);
    int w, h;
    if (caption.isEmpty()) {
        w = padLeft + padRight + 10;
        h = 6;
    } else {
        const QRect r = QFontMetrics(captionFont).boundingRect(QRect(0, 0, maxW, maxH), 0, caption);
        w = r.width() + padLeft + padRight + 20;
        h = r.height() + 6;
    }
    m_hint = QSize(qMax(minW, qMin(maxW, w)), qMax(minH, qMin(maxH, h)));
    m_hintText = caption;
    return m_hint;
}

void TiledBtn::focusOutEvent(QFocusEvent* e) {
    if (!keepFocus)
        QPushButtonEx::focusOutEvent(e);
}

void TiledBtn::enterEvent(QEvent* e) {
    QPushButtonEx::enterEvent(e);
    update();
}

void TiledBtn::leaveEvent(QEvent* e) {
    QPushButtonEx::leaveEvent(e);
    update();
}

void TiledBtn::resizeEvent(QResizeEvent* e) {
    QPushButtonEx::resizeEvent(e);
    ComposeImages();
}
