#include "widgets/imgbtn.h"

#include "foundation/logger/QsLog.h"
#include "foundation/profiler.h"
#include "functions/loadimagecached.h"
#include "widgets/widgetresources.h"

#include <QFile>
#include <QPainter>

namespace {
// A set has only some of the six looks (often just N, H and P): a look that is not there is expected and is
// not read, so only a look that is there and does not decode is logged.
QImage LoadLook(const QString& path) {
    return QFile::exists(path) ? LoadImageCached(path, false) : QImage();
}
} // namespace

ImgBtn::ImgBtn(QWidget* parent) : QPushButtonEx(parent) {
    InitWidgetResources();
}

void ImgBtn::SetImage(const QString& base) {
    if (base.isEmpty())
        return;
    const QString prefix = QStringLiteral(":/images/") + base;
    static const char* const kEndings[6] = {"AN", "AH", "AP", "IN", "IH", "IP"};
    for (int i = 0; i < 6; ++i)
        m_images[i] = LoadLook(prefix + QLatin1String(kEndings[i]));
    if (m_images[AN].width() < 1 && m_images[IN].width() < 1) {
        // A set without checked looks: the same three images in either state.
        m_images[IN] = LoadLook(prefix + QStringLiteral("N"));
        m_images[IH] = LoadLook(prefix + QStringLiteral("H"));
        m_images[IP] = LoadLook(prefix + QStringLiteral("P"));
    }
    if (m_images[AN].isNull() && m_images[IN].isNull())
        QLOG_WARN() << "ImgBtn: no image for the button" << base;
    const int w = m_images[AN].width() >= 1 ? m_images[AN].width() : m_images[IN].width();
    const int h = m_images[AN].height() >= 1 ? m_images[AN].height() : m_images[IN].height();
    setMinimumSize(w, h);
    setMaximumSize(w, h);
    resize(w, h);
}

void ImgBtn::enterEvent(QEvent* e) {
    QPushButtonEx::enterEvent(e);
    update();
}

void ImgBtn::leaveEvent(QEvent* e) {
    QPushButtonEx::leaveEvent(e);
    update();
}

void ImgBtn::paintEvent(QPaintEvent*) {
    PROFILE_SCOPE("ImgBtn::paintEvent");
    const bool checked = isChecked();
    Look look;
    if (isDown())
        look = checked ? AP : IP;
    else if (underMouse() && isEnabled())
        look = checked ? AH : IH;
    else
        look = checked ? AN : IN;
    // A checked button drawn from a set without checked looks uses the unchecked ones.
    if (m_images[look].isNull() && look <= AP)
        look = Look(look + 3);
    QPainter painter(this);
    painter.setOpacity(opacity());
    painter.drawImage(0, 0, m_images[look]);
}
