#include "widgets/imgwidget.h"

#include "foundation/profiler.h"
#include "functions/loadimagecached.h"
#include "widgets/widgetresources.h"

#include <QPainter>

ImgWidget::ImgWidget(QWidget* parent, const QString& imagePath) : QWidgetEx(parent), m_path(imagePath) {
    Reload();
}

ImgWidget::ImgWidget(QWidget* parent, const QImage& image) : QWidgetEx(parent), m_image(image) {
    Reload();
}

void ImgWidget::Reload() {
    if (!m_path.isEmpty()) {
        InitWidgetResources(); // the path may name one of the kit's own images
        const QImage image = LoadImageCached(m_path, true);
        if (image != m_image) {
            m_image = image;
            update();
        }
    }
    // The minimum first: resizing under an older, larger minimum would keep the old size.
    setMinimumHeight(m_image.height());
    setMinimumWidth(m_image.width());
    resize(m_image.size());
    show();
}

QSize ImgWidget::sizeHint() const {
    return m_image.size();
}

void ImgWidget::paintEvent(QPaintEvent*) {
    PROFILE_SCOPE("ImgWidget::paintEvent");
    if (qint64(m_image.width()) * m_image.height() == 0)
        return;
    QPainter painter(this);
    painter.setOpacity(opacity());
    painter.drawImage(0, 0, m_image);
}

void ImgWidget::SetImage(const QImage& image) {
    if (image == m_image)
        return;
    m_image = image;
    update();
}
