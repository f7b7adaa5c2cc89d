#include "runtime/lebase.h"
#include "config/scriptmemory.h"

#include "foundation/alignoffset.h"
#include "foundation/logger/QsLog.h"
#include "foundation/profiler.h"
#include "runtime/imgdatamgr.h"
#include "runtime/lehost.h"
#include "runtime/viewdelta.h"

#include <QGraphicsSceneMouseEvent>
#include <QGraphicsSceneWheelEvent>
#include <QPainter>
#include <QScriptEngine>
#include <QTransform>
#include <atomic>
#include <cmath>

namespace {
// Element ids: shared by every view, advanced atomically (views are built on the main thread, but ids must
// never repeat whatever thread makes an element).
std::atomic<int> g_nextElementId{0};

const double kPi = 3.141592653589793;

QSize ParentSize(const QGraphicsItem* item) {
    const QGraphicsItem* p = item->parentItem();
    if (!p)
        return QSize(0, 0);
    const QRectF r = p->boundingRect();
    return QSize(static_cast<int>(r.width()), static_cast<int>(r.height()));
}

LEBase* AsElement(QGraphicsItem* item) {
    auto* e = dynamic_cast<LEInterface*>(item);
    return e ? e->GetLEBase() : nullptr;
}

// Rebuilds one cached pixmap: the image with the mask's alpha applied, rotated about its centre.
QPixmap MakePixmap(const QImage& image, const QImage& mask, double rotation) {
    if (image.isNull())
        return QPixmap();
    QImage copy = image;
    if (!mask.isNull())
        ImgData::Mask(copy, mask);
    QPixmap pm = QPixmap::fromImage(copy);
    if (rotation != 0.0) {
        const QSize old = pm.size();
        QPixmap turned = pm.transformed(QTransform().rotate(rotation * 180.0 / kPi), Qt::SmoothTransformation);
        if (turned.size() != old)
            turned = turned.copy((turned.width() - old.width()) / 2, (turned.height() - old.height()) / 2, old.width(),
                                 old.height());
        pm = turned;
    }
    return pm;
}
} // namespace

LEBase::LEBase(QGraphicsItem* parent, const DataCfg::TLayout& layout)
    : LEInterface(parent), m_rect(0, 0, -1, -1), m_id(g_nextElementId.fetch_add(1)), m_pressMaskStart(NoPressMask),
      m_pressMaskEnd(NoPressMask), m_scrollTarget(0), m_srcRect(-1, -1, -1, -1), m_dstRect(-1, -1, -1, -1),
      m_pixmapRotation(0.0), m_view(nullptr), m_layout(layout) {}

LEBase::~LEBase() {
    m_dcLayoutValues.clear();
    for (const QPointer<QObject>& w : qAsConst(m_dcLayouts))
        delete w.data();
    m_dcLayouts.clear();
}

bool LEBase::IsDrawableSize(const QSize& size) {
    return size.width() > 0 && size.height() > 0 && size.width() <= MaxImageSide && size.height() <= MaxImageSide &&
           qint64(size.width()) * size.height() <= MaxImagePixels;
}

void LEBase::Setup() {
    setFlag(ItemClipsToShape, true);
    setFlag(ItemClipsChildrenToShape, true);
    setVisible(HasState(SB_Visible));
    UpdatePosition();
}

bool LEBase::SetStateBit(quint32 bit, bool on) {
    if (HasState(bit) == on)
        return false;
    if (on)
        m_layout.State |= bit;
    else
        m_layout.State &= ~bit;
    return true;
}

bool LEBase::SetVisible(bool on) {
    if (!SetStateBit(SB_Visible, on))
        return false;
    setVisible(on);
    Invalidate();
    return true;
}

bool LEBase::SetActive(bool on) {
    if (!SetStateBit(SB_Active, on))
        return false;
    Invalidate();
    return true;
}

bool LEBase::SetPressed(bool on) {
    if (!SetStateBit(SB_Pressed, on))
        return false;
    Invalidate();
    return true;
}

void LEBase::OnUpdate() {
    ExecLayoutFunc(m_layout.OnUpdate);
}

void LEBase::OnTick() {
    ExecLayoutFunc(m_layout.OnTick);
}

void LEBase::Invalidate() {
    if (m_view)
        m_view->Invalidate();
    LEInterface::Invalidate();
}

void LEBase::SetPressMask(int start, int end) {
    m_pressMaskStart = start;
    m_pressMaskEnd = end;
}

QRectF LEBase::boundingRect() const {
    if (m_rect.width() < 0) {
        const QSize ps = ParentSize(this);
        // GetRect stores a graphic's own size in a layout of width 0, so later calls need no lookup.
        const QRect r = const_cast<DataCfg::TLayout&>(m_layout).GetRect(ps.width(), ps.height());
        m_rect = QRectF(0, 0, qMax(0, r.width()), qMax(0, r.height()));
    }
    return m_rect;
}

QSize LEBase::IntSize() const {
    const QRectF r = boundingRect();
    return QSize(static_cast<int>(r.width()), static_cast<int>(r.height()));
}

QPoint LEBase::GetLayoutPos() const {
    const QSize ps = ParentSize(this);
    return const_cast<DataCfg::TLayout&>(m_layout).GetRect(ps.width(), ps.height()).topLeft();
}

void LEBase::UpdatePosition() {
    const QPoint p = GetLayoutPos();
    const int align = m_layout.Align;
    setPos(align == DataCfg::LA_None ? p : AlignOffset(align, ParentSize(this), IntSize(), p));
}

void LEBase::UpdatePositions() {
    UpdatePosition();
    for (QGraphicsItem* child : childItems()) {
        if (LEBase* e = AsElement(child))
            e->UpdatePositions();
    }
}

void LEBase::ResetGeometry() {
    prepareGeometryChange();
    m_rect = QRectF(0, 0, -1, -1);
    for (QGraphicsItem* child : childItems()) {
        if (LEBase* e = AsElement(child))
            e->ResetGeometry();
    }
}

void LEBase::FitToChildren() {
    const QSize ps = ParentSize(this);
    const QRect r = m_layout.GetRect(ps.width(), ps.height());
    if (r.width() != 0 && r.height() != 0)
        return;
    int right = 0, bottom = 0;
    for (QGraphicsItem* child : childItems()) {
        const QRectF b = child->boundingRect();
        right = qMax(right, static_cast<int>(child->x() + b.width()));
        bottom = qMax(bottom, static_cast<int>(child->y() + b.height()));
    }
    if (r.width() == 0)
        m_layout.Rect.setWidth(right);
    if (r.height() == 0)
        m_layout.Rect.setHeight(bottom);
    prepareGeometryChange();
    m_rect = QRectF(0, 0, -1, -1);
}

QRect LEBase::GetChildrenRect() const {
    int left = 10000000, top = 10000000, right = -10000000, bottom = -10000000;
    for (QGraphicsItem* child : childItems()) {
        if (!child->isVisible())
            continue;
        const QRectF b = child->boundingRect();
        left = qMin(left, static_cast<int>(child->x()));
        top = qMin(top, static_cast<int>(child->y()));
        right = qMax(right, static_cast<int>(child->x() + b.width()));
        bottom = qMax(bottom, static_cast<int>(child->y() + b.height()));
    }
    return QRect(left, top, right - left, bottom - top);
}

LEBase* LEBase::GetSibling(int offset) const {
    QGraphicsItem* p = parentItem();
    if (!p)
        return nullptr;
    const QList<QGraphicsItem*> children = p->childItems();
    const int i = children.indexOf(const_cast<LEBase*>(this));
    if (i < 0)
        return nullptr;
    const qint64 j = qint64(i) + offset;
    if (j < 0 || j >= children.size())
        return nullptr;
    return AsElement(children[static_cast<int>(j)]);
}

bool LEBase::IsDescendantOf(const QGraphicsItem* item) const {
    for (const QGraphicsItem* p = parentItem(); p; p = p->parentItem()) {
        if (p == item)
            return true;
    }
    return false;
}

bool LEBase::IsPressedInTree() const {
    for (const LEBase* e = this; e; e = e->ParentElement()) {
        if (e->HasState(SB_Pressed))
            return true;
    }
    return false;
}

LEBase* LEBase::ParentElement() const {
    return AsElement(parentItem());
}

QString LEBase::GetGfxName() const {
    if (HasState(SB_Active) && !m_layout.GfxA.isEmpty())
        return m_layout.GfxA;
    return m_layout.Gfx;
}

QObject* LEBase::GetDCLayout(QScriptEngine* engine) {
    if (!engine)
        return nullptr;
    const auto it = m_dcLayouts.constFind(engine);
    if (it != m_dcLayouts.constEnd() && it.value())
        return it.value();
    QObject* wrapper = m_view ? m_view->MakeDCLayout(this, engine) : nullptr;
    if (wrapper)
        m_dcLayouts.insert(engine, wrapper);
    return wrapper;
}

QScriptValue LEBase::GetDCLayoutValue(QScriptEngine* engine) {
    QObject* layout = GetDCLayout(engine);
    return layout ? KeptScriptValue(m_dcLayoutValues, engine, layout) : QScriptValue(QScriptValue::NullValue);
}

QScriptValue LEBase::ExecLayoutFunc(const QString& name, const QScriptValueList& args) {
    if (name.isEmpty())
        return QScriptValue(false);
    PROFILE_SCOPE("LEBase::ExecLayoutFunc");
    const QString full = name.contains(QLatin1Char(':')) ? name : m_layout.Set + QLatin1Char(':') + name;
    QScriptEngine* engine = m_view ? m_view->GetScriptEngine(full) : nullptr;
    if (!engine) {
        QLOG_DEBUG() << "Layout Function not found:" << full;
        return QScriptValue(0);
    }
    QScriptValueList all;
    all << m_view->GetDCSkinValue(engine);
    all << GetDCLayoutValue(engine);
    all << args;
    return m_view->ExecScriptfunc(full, all);
}

void LEBase::RecordMousePos(const QPointF& pos) {
    if (m_view && HasState(SB_MouseEnabled))
        m_view->SetLastMousePos(QPoint(static_cast<int>(pos.x()), static_cast<int>(pos.y())));
}

void LEBase::mousePressEvent(QGraphicsSceneMouseEvent* event) {
    RecordMousePos(event->pos());
    if (HasState(SB_MouseEnabled)) {
        if (!HasState(SB_Toggle))
            SetPressed(true);
        ExecLayoutFunc(m_layout.OnMousePress);
        event->accept();
        return;
    }
    // A child that ignores the mouse passes presses on to the element around it.
    if (LEBase* p = ParentElement())
        PassToParent(event, p, &LEBase::mousePressEvent);
    else
        event->ignore();
}

void LEBase::PassToParent(QGraphicsSceneMouseEvent* event, LEBase* parent,
                          void (LEBase::*handler)(QGraphicsSceneMouseEvent*)) {
    // The parent reads positions in its own coordinates (its inside test, the view's last position).
    const QPointF own = event->pos();
    event->setPos(mapToParent(own));
    (parent->*handler)(event);
    event->setPos(own);
}

void LEBase::mouseMoveEvent(QGraphicsSceneMouseEvent* event) {
    RecordMousePos(event->pos());
    if (!HasState(SB_MouseEnabled)) {
        event->ignore();
        return;
    }
    ExecLayoutFunc(m_layout.OnMouseMove);
    event->accept();
}

void LEBase::mouseDoubleClickEvent(QGraphicsSceneMouseEvent* event) {
    RecordMousePos(event->pos());
    if (!HasState(SB_MouseEnabled)) {
        event->ignore();
        return;
    }
    ExecLayoutFunc(m_layout.OnMouseDoubleClick);
    event->accept();
}

void LEBase::mouseReleaseEvent(QGraphicsSceneMouseEvent* event) {
    RecordMousePos(event->pos());
    if (HasState(SB_MouseEnabled)) {
        const QRectF b = boundingRect();
        const QPointF p = event->pos();
        const bool inside = p.x() >= 0 && p.x() <= b.width() && p.y() >= 0 && p.y() <= b.height();
        SetPressed(HasState(SB_Toggle) ? !HasState(SB_Pressed) : false);
        if (inside) {
            ExecLayoutFunc(m_layout.OnMouseRelease);
            ExecLayoutFunc(m_layout.OnMouseClick);
            event->accept();
        } else {
            event->ignore();
        }
        return;
    }
    if (LEBase* p = ParentElement())
        PassToParent(event, p, &LEBase::mouseReleaseEvent);
    else
        event->ignore();
}

void LEBase::wheelEvent(QGraphicsSceneWheelEvent* event) {
    if (!HasState(SB_Scrollable)) {
        event->ignore();
        return;
    }
    int delta = event->delta();
    if (m_view) {
        m_view->SetLastWheelDelta(delta);
        ExecLayoutFunc(m_layout.OnMouseWheel);
        delta = m_view->GetLastWheelDelta();
    }
    ScrollBy(delta / 4);
    event->accept();
}

void LEBase::OnExtMouseEvent(const QString& kind, int x, int y) {
    if (!HasState(SB_MouseEnabled))
        return;
    if (m_view)
        m_view->SetLastMousePos(QPoint(x, y));
    auto release = [this]() { SetPressed(HasState(SB_Toggle) ? !HasState(SB_Pressed) : false); };
    if (kind == QLatin1String("dn")) {
        if (!HasState(SB_Toggle))
            SetPressed(true);
        ExecLayoutFunc(m_layout.OnMousePress);
    } else if (kind == QLatin1String("tr")) {
        if (HasState(SB_MouseRepeat))
            ExecLayoutFunc(m_layout.OnMousePress);
    } else if (kind == QLatin1String("up")) {
        release();
        ExecLayoutFunc(m_layout.OnMouseRelease);
        ExecLayoutFunc(m_layout.OnMouseClick);
    } else if (kind == QLatin1String("up2")) {
        release();
        ExecLayoutFunc(m_layout.OnMouseRelease);
        ExecLayoutFunc(!m_layout.OnMouseDoubleClick.isEmpty() ? m_layout.OnMouseDoubleClick : m_layout.OnMouseClick);
    } else if (kind == QLatin1String("ca")) {
        release();
        ExecLayoutFunc(m_layout.OnMouseRelease);
    } else if (kind == QLatin1String("mv")) {
        ExecLayoutFunc(m_layout.OnMouseMove);
    } else if (kind == QLatin1String("sc")) {
        m_scrollPoint = QPoint(x, y);
    } else {
        QLOG_DEBUG() << "Unknown Mouse Event: " << kind;
    }
}

void LEBase::UnregisterFromView() {
    if (!m_view)
        return;
    m_view->RemoveElement(this);
    for (QGraphicsItem* child : childItems()) {
        if (LEBase* e = AsElement(child))
            m_view->RemoveElement(e);
    }
}

void LEBase::ScrollBy(int delta) {
    const QRect r = GetChildrenRect();
    // With every child hidden there is nothing to scroll; the empty rectangle's far edges would move the
    // hidden children out of reach for good.
    if (r.width() < 0)
        return;
    const int H = IntSize().height();
    if (delta < 0 && r.top() + delta < H - r.height())
        delta = (H - r.height()) - r.top();
    if (delta > 0 && r.top() + delta > 0)
        delta = -r.top();
    if (delta == 0)
        return;
    for (QGraphicsItem* child : childItems())
        child->setY(child->y() + delta);
    Invalidate();
}

void LEBase::ScrollTo(int position) {
    if (m_view && m_view->IsNetClient()) {
        // The phone scrolls itself; a changed value makes the record carry the request again.
        if (position == m_scrollTarget)
            ++position;
        m_scrollTarget = position;
        m_scrollPoint.setY(position);
        return;
    }
    ScrollBy(GetChildrenRect().top() - position);
}

int LEBase::GetScrollPos() const {
    if (m_view && m_view->IsNetClient())
        return m_scrollPoint.y();
    return GetChildrenRect().top();
}

void LEBase::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) {
    if (!painter)
        return;
    PROFILE_SCOPE("LEBase::paint");
    m_main.SyncCacheKey();
    m_pressed.SyncCacheKey();
    m_mask.SyncCacheKey();
    const double rotation = m_layout.Rotation;
    if (!m_main.PixmapValid || !m_mask.PixmapValid || m_mainPixmap.isNull() || rotation != m_pixmapRotation) {
        m_mainPixmap = MakePixmap(m_main.Image, m_mask.Image, rotation);
        m_main.PixmapValid = true;
    }
    if (!m_pressed.PixmapValid || !m_mask.PixmapValid || m_pressedPixmap.isNull()) {
        m_pressedPixmap = MakePixmap(m_pressed.Image, m_mask.Image, rotation);
        m_pressed.PixmapValid = true;
    }
    m_mask.PixmapValid = true;
    m_pixmapRotation = rotation;

    const QRect src = m_srcRect.width() < 0 ? m_mainPixmap.rect() : m_srcRect;
    const QRect dst = m_dstRect.width() < 0 ? QRect(QPoint(0, 0), IntSize()) : m_dstRect;
    painter->save();
    painter->setOpacity(m_layout.Opacity);
    if (IsPressedInTree() && !m_pressed.Image.isNull()) {
        if (HasState(SB_PressedOvl))
            painter->drawPixmap(dst, m_mainPixmap, src);
        painter->drawPixmap(dst, m_pressedPixmap, src);
    } else {
        painter->drawPixmap(dst, m_mainPixmap, src);
    }
    painter->restore();
}

bool LEBase::IsTextElement() const {
    return (m_layout.Type == DataCfg::LT_Text && !HasState(SB_Rasterize)) || m_layout.Type == DataCfg::LT_Input;
}

QVariantMap& LEBase::BuildDataUpdate(const QVariantMap& previous, QVariantMap& out) {
    PROFILE_SCOPE("LEBase::BuildDataUpdate");
    ImgDataMgr* mgr = ImgDataMgr::Instance();
    auto write = [&](const QString& key, const QVariant& value, const QVariant& def) {
        ViewDelta::Write(previous, out, key, value, def);
    };
    auto writeImage = [&](const QString& key, ImgData& img) {
        write(key, QString::number(img.PixelHash()), 0);
        if (mgr)
            mgr->AddImgData(img);
    };

    const LEBase* parent = ParentElement();
    write(QStringLiteral("pid"), parent ? parent->GetId() : -1, -1);
    const QRect src = m_srcRect.width() < 0 ? QRect(0, 0, m_main.Image.width(), m_main.Image.height()) : m_srcRect;
    const QRect dst = m_dstRect.width() < 0 ? QRect(QPoint(0, 0), IntSize()) : m_dstRect;
    write(QStringLiteral("rS"), src, QVariant());
    write(QStringLiteral("rD"), dst, QVariant());
    write(QStringLiteral("st"), m_scrollTarget, 0);

    if (IsTextElement()) {
        WriteTextRecord(previous, out);
    } else {
        writeImage(QStringLiteral("cI"), m_main);
        writeImage(QStringLiteral("cP"), m_pressed);
    }
    if (m_pressMaskStart != NoPressMask)
        write(QStringLiteral("pM"), QVariantList{m_pressMaskStart, m_pressMaskEnd}, QVariant());
    else
        writeImage(QStringLiteral("cM"), m_mask);
    writeImage(QStringLiteral("cC"), m_hit);

    write(QStringLiteral("x"), static_cast<int>(x()), 0);
    write(QStringLiteral("y"), static_cast<int>(y()), 0);
    write(QStringLiteral("o"), m_layout.Opacity, 1.0);
    write(QStringLiteral("r"), m_layout.Rotation, 0.0);
    write(QStringLiteral("xh"), m_layout.ExtendHitTest, 0);
    write(QStringLiteral("co"), m_layout.ControlClass, -1);
    write(QStringLiteral("mmd"), m_layout.MouseMoveDelay, 100);
    if (m_layout.ControlClass == DataCfg::CC_Wheel) {
        if (const LEBase* next = GetSibling(1))
            write(QStringLiteral("com"), QVariantList{next->Layout().Mask.start, next->Layout().Mask.end}, QVariant());
    }

    int f = 0;
    if (HasState(SB_MouseEnabled))
        f |= 0x1;
    if (HasState(SB_Pressed) && HasState(SB_Toggle))
        f |= 0x2;
    if (HasState(SB_Toggle))
        f |= 0x4;
    if (HasState(SB_Scrollable))
        f |= 0x8;
    if (!m_layout.OnMouseMove.isEmpty())
        f |= 0x10;
    if (!isVisible())
        f |= 0x20;
    if (!HasState(SB_Fresh))
        f |= 0x40;
    if (!HasState(SB_PressedOvl))
        f |= 0x80;
    if (HasState(SB_Internal))
        f |= 0x100;
    if (HasState(SB_MouseRepeat))
        f |= 0x200;
    write(QStringLiteral("f"), f, 0);
    return out;
}
