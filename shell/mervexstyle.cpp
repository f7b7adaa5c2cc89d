#include "shell/mervexstyle.h"

#include "foundation/profiler.h"
#include "widgets/tabfont.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QListView>
#include <QPainter>
#include <QStyleFactory>

// Exported by QtWidgets (the blur of QGraphicsBlurEffect).
Q_DECL_IMPORT void qt_blurImage(QImage& blurImage, qreal radius, bool quality, int transposed = 0);

namespace {
constexpr qreal kBlurRadius = 10;

QImage TextImage(const QRect& rect) {
    QImage image(rect.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void DrawText(QImage& image, const QFont& font, int flags, const QString& text, const QColor& color,
              const QPoint& offset) {
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    p.setFont(font);
    p.setPen(color);
    p.drawText(QRect(offset, image.size()), flags, text);
}
} // namespace

MervexStyle::MervexStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Windows"))) {}

void MervexStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                const QWidget* widget) const {
    PROFILE_SCOPE("MervexStyle::drawPrimitive");
    if (element == PE_FrameFocusRect && widget) {
        if (qobject_cast<const QAbstractButton*>(widget))
            return;
        // The popup list of a combo box sits in a container whose parent is the combo box.
        if (qobject_cast<const QListView*>(widget) && widget->parentWidget() &&
            qobject_cast<const QComboBox*>(widget->parentWidget()->parentWidget()))
            return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void MervexStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const {
    PROFILE_SCOPE("MervexStyle::drawControl");
    QProxyStyle::drawControl(element, option, painter, widget);
}

void MervexStyle::drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& pal, bool enabled,
                               const QString& text, QPalette::ColorRole textRole) const {
    PROFILE_SCOPE("MervexStyle::drawItemText");
    Q_UNUSED(enabled);
    if (text.isEmpty() || rect.width() < 1 || rect.height() < 1)
        return;
    QRect r = rect;
    const QFont font = painter->font();
    const QString family = font.family();
    if (textRole == QPalette::ButtonText && family.startsWith(QLatin1String("Eurostile")) &&
        family.contains(QLatin1String("Condensed"))) {
        QImage shadow = TextImage(r);
        DrawText(shadow, font, flags, text, QColor(0, 0, 0, 255), QPoint(0, 0));
        qt_blurImage(shadow, kBlurRadius, false);
        painter->drawImage(r.topLeft() + QPoint(1, 1), shadow);
    }
    if (textRole != QPalette::NoRole && pal.color(textRole) == GlowColor()) {
        QImage glow = TextImage(r);
        QColor c = GlowColor();
        c.setAlpha(100);
        for (const QPoint& at : {QPoint(2, 0), QPoint(4, -2), QPoint(6, 0), QPoint(4, 2)})
            DrawText(glow, font, flags, text, c, at);
        qt_blurImage(glow, kBlurRadius, false);
        painter->drawImage(r.topLeft(), glow);
        r.translate(4, 0);
    }
    if (textRole != QPalette::NoRole) {
        const QPen saved = painter->pen();
        painter->setPen(QPen(pal.brush(textRole), saved.widthF(), Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
        painter->drawText(r, flags, text);
        painter->setPen(saved);
    } else {
        painter->drawText(r, flags, text);
    }
}

QFont MervexStyle::GetTabFont() {
    return TabCaptionFont();
}
