#include "widgets/ctrlposition.h"

#include "foundation/profiler.h"
#include "functions/loadimagecached.h"
#include "widgets/widgetresources.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
const char* const kPartImages[9] = {":/images/CtrlPosLT", ":/images/CtrlPosCT", ":/images/CtrlPosRT",
                                    ":/images/CtrlPosLC", ":/images/CtrlPosCC", ":/images/CtrlPosRC",
                                    ":/images/CtrlPosLB", ":/images/CtrlPosCB", ":/images/CtrlPosRB"};
const QPoint kSteps[9] = {{-1, -1}, {0, -1}, {1, -1}, {-1, 0}, {0, 0}, {1, 0}, {-1, 1}, {0, 1}, {1, 1}};
constexpr int kCentre = 4;

int ReadInt(const QString& text) {
    bool ok = false;
    const int v = text.trimmed().toInt(&ok, 10);
    return ok ? v : 0;
}
} // namespace

CtrlPosition::CtrlPosition(QWidget* parent) : QWidgetEx(parent) {
    InitWidgetResources();
    m_background = LoadImageCached(QStringLiteral(":/images/CtrlPosBG"), false);
    for (const char* name : kPartImages)
        m_parts.append(LoadImageCached(QLatin1String(name), false));
    resize(m_background.size());
    setMinimumSize(m_background.size());
    setMaximumSize(m_background.size());
    setMouseTracking(true);
}

void CtrlPosition::SetValue(const QString& text) {
    const QStringList pieces = text.split(QLatin1Char(','));
    if (pieces.size() < 2)
        return;
    value = QPoint(ReadInt(pieces.at(0)), ReadInt(pieces.at(1)));
}

int CtrlPosition::HitTest(const QPoint& pos) const {
    int best = -1;
    int bestAlpha = 0;
    for (int i = 0; i < m_parts.size(); ++i) {
        const QImage& part = m_parts.at(i);
        if (!part.rect().contains(pos))
            continue;
        const int alpha = qAlpha(part.pixel(pos));
        if (alpha > bestAlpha) {
            best = i;
            bestAlpha = alpha;
        }
    }
    return best;
}

void CtrlPosition::HandleMouse(const QPoint& pos, Kind kind, Qt::MouseButtons held) {
    if (kind == Kind::Press) {
        pressPos = pos;
        if (held & Qt::RightButton) {
            value = QPoint(0, 0);
            emit changed(value);
        }
        if (held & Qt::LeftButton)
            pressed = true;
        dragBase = value;
    }
    if (!(held & Qt::LeftButton) || kind == Kind::Release) {
        if (kind == Kind::Release && pressed) {
            pressed = false;
            dragging = false;
            if (hoverIndex >= 0)
                value += kSteps[hoverIndex];
            emit changed(value);
        }
        const int hit = HitTest(pos);
        if (hit != hoverIndex) {
            hoverIndex = hit;
            update();
        }
        return;
    }
    if (hoverIndex != kCentre)
        return;
    const int dx = pos.x() - pressPos.x();
    const int dy = pos.y() - pressPos.y();
    if (dragging) {
        value = dragBase + QPoint(dx, dy);
        emit changed(value);
    } else if (qAbs(dx) > 1 || qAbs(dy) > 1) {
        dragging = true;
    }
}

void CtrlPosition::mousePressEvent(QMouseEvent* e) {
    HandleMouse(e->pos(), Kind::Press, e->buttons());
}

void CtrlPosition::mouseMoveEvent(QMouseEvent* e) {
    if (rect().contains(e->pos()))
        HandleMouse(e->pos(), Kind::Move, e->buttons());
}

void CtrlPosition::mouseReleaseEvent(QMouseEvent* e) {
    if (rect().contains(e->pos()))
        HandleMouse(e->pos(), Kind::Release, e->buttons());
    else
        pressed = false;
}

void CtrlPosition::mouseDoubleClickEvent(QMouseEvent* e) {
    // The second click of a double click is one more step.
    pressed = true;
    HandleMouse(e->pos(), Kind::Release, e->buttons());
    pressed = false;
}

void CtrlPosition::leaveEvent(QEvent* e) {
    QWidgetEx::leaveEvent(e);
    pressed = false;
    hoverIndex = -1;
    update();
}

void CtrlPosition::paintEvent(QPaintEvent*) {
    PROFILE_SCOPE("CtrlPosition::paintEvent");
    if (m_background.isNull())
        return;
    QPainter painter(this);
    painter.setOpacity(opacity());
    painter.drawImage(0, 0, m_background);
    if (hoverIndex >= 0 && hoverIndex < m_parts.size())
        painter.drawImage(0, 0, m_parts.at(hoverIndex));
}
