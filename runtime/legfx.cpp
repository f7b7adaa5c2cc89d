#include "runtime/legfx.h"

#include "config/datacfgrecords.h"
#include "foundation/logger/QsLog.h"
#include "foundation/profiler.h"
#include "runtime/lehost.h"

#include <QGraphicsSceneMouseEvent>
#include <QPainter>

namespace {
const double kPi = 3.141592653589793;
const double kHalfPi = 1.5707963268;
} // namespace

LEGfx::LEGfx(QGraphicsItem* parent, const DataCfg::TLayout& layout)
    : LEBase(parent, layout), m_renderedW(0), m_renderedH(0) {}

void LEGfx::Setup() {
    LEBase::Setup();
    m_renderedW = 0;
    m_renderedH = 0;
}

void LEGfx::GenGfx(int kind) {
    PROFILE_SCOPE("LEGfx::GenGfx");
    DataCfg::TLayout& lay = Layout();
    DataCfg* cfg = DataCfg::Instance();
    QString name = kind == GK_Main ? m_gfxName : (kind == GK_Pressed ? m_gfxNameP : m_gfxNameM);
    ImgData& entry = kind == GK_Main ? MainImage() : (kind == GK_Pressed ? PressedImage() : MaskImage());
    const QString none = QStringLiteral("None");

    if (kind != GK_Main && !lay.MouseMask.isEmpty() && lay.MouseMask != none) {
        DataCfg::TGfx mask = cfg ? cfg->FindGfx(lay.MouseMask, lay.Set, true) : DataCfg::TGfx();
        if (mask.Name.isEmpty()) {
            QLOG_DEBUG() << "Gfx not found:" << lay.MouseMask;
        }
        MouseHitImage().Image = mask.GetImage();
    }
    if (name.startsWith(QLatin1Char('+')))
        name.remove(0, 1);
    if (name == none)
        return;
    if (name.isEmpty()) {
        entry.Image = QImage();
        return;
    }
    DataCfg::TGfx gfx = cfg ? cfg->FindGfxOrFile(name, lay.Set) : DataCfg::TGfx();
    if (gfx.Name.isEmpty()) {
        QLOG_DEBUG() << "Gfx not found:" << name;
    }
    const QSize size = IntSize();
    if (!size.isEmpty() && !IsDrawableSize(size)) {
        QLOG_DEBUG() << "LEGfx::GenGfx: element too large to draw:" << name << size.width() << size.height();
        entry.Image = QImage();
        return;
    }
    QImage img = gfx.GetImageTiled(size.width(), size.height());
    ImgData::Colorize(img, kind == GK_Main ? lay.Color : lay.ColorP);
    entry.Image = img;
    if (HasState(SB_MouseEnabled) && MouseHitImage().Image.isNull() && lay.MouseMask != none)
        MouseHitImage().Image = img;
}

double LEGfx::MaskValue() const {
    const DataCfg::TLayout& lay = Layout();
    DataCfg::TMapIdx idx(lay.Mask.input, 0);
    idx = const_cast<LEGfx*>(this)->InputMap().value(idx, idx);
    LEHost* view = GetView();
    if (!view || idx.first < 0 || idx.first >= view->GetFunctionCount())
        return 0.0;
    const DataCfg::TFunction* fn = view->GetFunction(idx.first);
    if (!fn || idx.second < 0 || idx.second >= fn->Outputs.size())
        return 0.0;
    const DataCfg::TFuncOutput& out = fn->Outputs[idx.second];
    if (out.Type != DataCfg::OT_Percent)
        return 0.0;
    return out.Value.toDouble();
}

void LEGfx::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) {
    PROFILE_SCOPE("LEGfx::paint");
    DataCfg::TLayout& lay = Layout();
    const QString name = GetGfxName();
    const QSize size = IntSize();
    const int w = size.width(), h = size.height();
    if (name != m_gfxName || lay.GfxP != m_gfxNameP || lay.GfxM != m_gfxNameM || w != m_renderedW || h != m_renderedH) {
        m_gfxName = name;
        m_gfxNameP = lay.GfxP;
        m_gfxNameM = lay.GfxM;
        m_renderedW = w;
        m_renderedH = h;
        GenGfx(GK_Main);
        GenGfx(GK_Pressed);
        GenGfx(GK_Mask);
    }

    QRect dst(0, 0, w, h);
    const QImage& main = MainImage().Image;
    const QImage& source = main.width() == 0 ? PressedImage().Image : main;
    QRect src(0, 0, source.width(), source.height());

    if (lay.Mask.type != DataCfg::MT_None) {
        const double d = MaskValue();
        switch (lay.Mask.type) {
        case DataCfg::MT_Horizontal:
            dst.setWidth(static_cast<int>(d * w + 0.5));
            src.setWidth(static_cast<int>(d * src.width() + 0.5));
            break;
        case DataCfg::MT_Vertical:
            // The source moves by the same share of its own height: a graphic drawn at its own size is
            // stretched over the element, so element pixels would cut it at the wrong place.
            dst.moveTop(static_cast<int>(h - d * h));
            src.moveTop(static_cast<int>(src.height() - d * src.height()));
            break;
        case DataCfg::MT_Radial: {
            const int a = static_cast<int>((lay.Mask.start + kHalfPi) / kPi * 180 * 16);
            const int b = static_cast<int>((lay.Mask.end + kHalfPi) / kPi * 180 * 16) - a;
            const int s = static_cast<int>(d * b);
            QImage pie(main.size(), QImage::Format_ARGB32);
            if (!pie.isNull()) {
                pie.fill(Qt::transparent);
                QPainter p(&pie);
                p.setPen(Qt::NoPen);
                p.setBrush(Qt::white);
                p.drawPie(pie.rect(), -a, -s);
            }
            MaskImage().Image = pie;
            SetPressMask(a / -16, s / -16);
            break;
        }
        default:
            break;
        }
    }
    SetSourceRect(src);
    SetTargetRect(dst);
    LEBase::paint(painter, option, widget);
}

void LEGfx::mousePressEvent(QGraphicsSceneMouseEvent* event) {
    const QImage& hit = MouseHitImage().Image;
    if (HasState(SB_MouseEnabled) && !hit.isNull()) {
        // The hit image may be drawn stretched over the element: read the pixel under the point.
        const QSize size = IntSize();
        const QPointF p = event->pos();
        int px = static_cast<int>(p.x()), py = static_cast<int>(p.y());
        if (size.width() > 0 && size.height() > 0 && size != hit.size()) {
            px = static_cast<int>(p.x() * hit.width() / size.width());
            py = static_cast<int>(p.y() * hit.height() / size.height());
        }
        const int alpha = hit.valid(px, py) ? qAlpha(hit.pixel(px, py)) : 0;
        if (alpha < Layout().MouseEvtMinAlpha) {
            event->ignore();
            return;
        }
    }
    LEBase::mousePressEvent(event);
}
