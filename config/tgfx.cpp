#include "config/tgfx.h"

#include "config/cfgread.h"
#include "config/gfxcache.h"
#include "foundation/alignoffset.h"
#include "foundation/logger/QsLog.h"
#include "foundation/profiler.h"

#include <QImageReader>
#include <QPainter>
#include <QSet>
#include <QTextStream>
#include <cmath>

namespace {
const int kMaxLayerDepth = 16;

// Graphics whose composition is under way on this (the main) thread: a layer naming one of them is a cycle.
QSet<QString>& InProgress() {
    static QSet<QString> keys;
    return keys;
}

int Trunc(double v) {
    return CfgRead::TruncInt(v);
}
} // namespace

void DataCfg::TGfxLayer::Read(const QVariantMap& map) {
    Gfx = CfgRead::Text(map.value(QStringLiteral("Gfx")));
    Align = EnumFromText(QStringLiteral("LayoutAlign"), QStringLiteral("LA_"),
                         CfgRead::Text(map.value(QStringLiteral("Align"))));
    auto coord = [&map](const char* key, bool fullWhenEmpty) {
        QString t = CfgRead::Text(map.value(QLatin1String(key)));
        if (fullWhenEmpty && t.isEmpty())
            t = QStringLiteral("1.0");
        return Trunc(CfgRead::Coord(t));
    };
    rect.setLeft(coord("Left", false));
    rect.setTop(coord("Top", false));
    rect.setWidth(coord("Width", true));
    rect.setHeight(coord("Height", true));
}

void DataCfg::TGfx::Read(const QVariantMap& map, const QString& folder) {
    TRsc::Read(map, folder);
    // The size belongs to the image: a graphic that starts as a copy of a loaded one takes its own file's size.
    Image = QImage();
    Size = QRect();
    ParseTiling(map, Name);
}

void DataCfg::TGfx::ParseTiling(const QVariantMap& map, const QString& name) {
    auto it = map.constFind(QStringLiteral("Tiling"));
    if (it != map.constEnd())
        Tiling = EnumFromText(QStringLiteral("GfxTiling"), QStringLiteral("GT_"), CfgRead::Text(it.value()));
    it = map.constFind(QStringLiteral("BaseSize"));
    if (it != map.constEnd())
        BaseSize = it.value().toInt();
    if (BaseSize == 0)
        BaseSize = 160;
    it = map.constFind(QStringLiteral("Tiles"));
    if (it != map.constEnd()) {
        Tiles.clear();
        for (const QVariant& entry : it.value().toList()) {
            const QStringList parts = CfgRead::Text(entry).split(QLatin1Char(','));
            if (parts.size() < 4)
                QLOG_DEBUG() << "DataCfg::TGfx::ParseTiling:" << name << "has a tile of" << parts.size()
                             << "parts:" << CfgRead::Text(entry);
            TGfxTile tile;
            QRectF r(0, 0, 0, 0);
            if (parts.size() > 0)
                r.setLeft(CfgRead::Coord(parts[0]));
            if (parts.size() > 1)
                r.setTop(CfgRead::Coord(parts[1]));
            if (parts.size() > 2)
                r.setWidth(CfgRead::Coord(parts[2]));
            if (parts.size() > 3)
                r.setHeight(CfgRead::Coord(parts[3]));
            tile.rect = r;
            if (parts.size() > 4) {
                const QString flags = parts[4].toLower();
                tile.StretchX = !(flags.size() > 0 && flags[0] == QLatin1Char('r'));
                tile.StretchY = !(flags.size() > 1 && flags[1] == QLatin1Char('r'));
            }
            Tiles.append(tile);
        }
    }
    Layers.clear();
    for (const QVariant& entry : map.value(QStringLiteral("Layers")).toList()) {
        TGfxLayer layer;
        layer.Read(entry.toMap());
        Layers.append(layer);
    }
}

QImage DataCfg::TGfx::GetImage() {
    PROFILE_SCOPE("DataCfg::TGfx::GetImage");
    if (Image.isNull() && Rsc.size() >= 2) {
        Resolve();
        if (Layers.isEmpty()) {
            // The header tells the size: a small file must not make us allocate a huge picture.
            QImageReader reader(Rsc);
            const QSize size = reader.size();
            if (size.isValid() && qint64(size.width()) * size.height() > MaxComposedPixels)
                QLOG_DEBUG() << "DataCfg::TGfx::GetImage: image too large:" << Rsc << size;
            else
                Image = reader.read();
            if (Image.isNull()) {
                QLOG_DEBUG() << "File not found (gi):" << Name << Rsc;
                // Transparent, so that the stand-in always has the same content id.
                Image = QImage(1, 1, QImage::Format_ARGB32);
                Image.fill(Qt::transparent);
            }
            if (Size.width() <= 0 && Found)
                Size = QRect(0, 0, Image.width(), Image.height());
        }
    }
    return Image;
}

QRect DataCfg::TGfx::GetSize() {
    GetImage();
    return Size;
}

QString DataCfg::TGfx::Description(int W, int H) const {
    // Fields are separated so that different inputs never give the same text ((1, 13) against (11, 3)).
    QString text;
    QTextStream s(&text);
    const QChar sep(QLatin1Char('|'));
    // Texts carry their length, numbers their full precision.
    s.setRealNumberPrecision(17);
    auto field = [&s](const QString& t) { s << t.size() << ':' << t; };
    field(Name);
    s << sep;
    field(Rsc);
    s << sep;
    field(Set);
    s << sep << Tiling << sep << W << sep << H << sep << Tiles.size() << sep << Layers.size();
    // Whole numbers (the usual tile values) print fast; others with every digit.
    auto num = [&s](double v) {
        if (v == std::trunc(v) && std::fabs(v) < 1e15)
            s << static_cast<qint64>(v);
        else
            s << v;
    };
    for (const TGfxTile& t : Tiles) {
        s << sep;
        num(t.rect.left());
        s << sep;
        num(t.rect.top());
        s << sep;
        num(t.rect.width());
        s << sep;
        num(t.rect.height());
        s << sep << t.StretchX << sep << t.StretchY;
    }
    for (const TGfxLayer& l : Layers)
        s << sep << l.rect.left() << sep << l.rect.top() << sep << l.rect.width() << sep << l.rect.height() << sep
          << l.Gfx.size() << ':' << l.Gfx << sep << l.Align;
    s.flush();
    return text;
}

void DataCfg::TGfx::RenderTile(const QImage& source, QPainter& painter, const QRectF& tile, const QRect& target,
                               bool stretchX, bool stretchY) {
    PROFILE_SCOPE("DataCfg::TGfx::RenderTile");
    if (target.width() < 1 || target.height() < 1)
        return;
    // A piece below one pixel would never advance the repeat loops (and has nothing to draw).
    if (Trunc(tile.width()) < 1 || Trunc(tile.height()) < 1)
        return;
    int y = 0;
    while (y < target.height()) {
        int x = 0;
        while (x < target.width()) {
            QRectF s = tile;
            if (!stretchX && target.width() - x < Trunc(s.width()))
                s.setWidth(target.width() - x);
            if (!stretchY && target.height() - y < Trunc(s.height()))
                s.setHeight(target.height() - y);
            const int px = target.left() + x;
            const int py = target.top() + y;
            if (!stretchX && !stretchY) {
                painter.drawImage(QPointF(px, py), source, s);
                x = Trunc(s.width() + x);
            } else if (!stretchX && stretchY) {
                painter.drawImage(QRectF(px, py, s.width(), target.height()), source, s);
                x = Trunc(s.width() + x);
            } else if (stretchX && !stretchY) {
                painter.drawImage(QRectF(px, py, target.width(), s.height()), source, s);
                break;
            } else {
                painter.drawImage(QRectF(px, py, target.width(), target.height()), source, s);
                break;
            }
        }
        if (stretchY)
            break;
        y = Trunc(tile.height() + y);
    }
}

namespace {
// Draws the layers, each a graphic composed at its rectangle's size and placed by its alignment.
void DrawLayers(QPainter& p, const QList<DataCfg::TGfxLayer>& layers, const QString& set, const QSize& size) {
    const int W = size.width(), H = size.height();
    for (const DataCfg::TGfxLayer& layer : layers) {
        DataCfg::TGfx lg = DataCfg::Instance() ? DataCfg::Instance()->FindGfxOrFile(layer.Gfx, set) : DataCfg::TGfx();
        if (lg.Name.isEmpty())
            continue;
        lg.GetSize();
        const QRect& r = layer.rect;
        // A negative value is a multiple of the composed size (computed wide: it may not fit an int).
        auto rel = [](int v, int size) { return v < 0 ? Trunc(-double(v) * size) : v; };
        const int w = rel(r.width(), W);
        const int h = rel(r.height(), H);
        const int x = rel(r.left(), W);
        const int y = rel(r.top(), H);
        const QImage img = lg.GetImageTiled(w, h);
        // "None" (also what an unknown alignment reads as) leaves the layer where its rectangle puts it.
        const QPoint offset = layer.Align == DataCfg::LA_None ? QPoint() : AlignOffset(layer.Align, size, img.size());
        if (!img.isNull())
            p.drawImage(QPoint(x, y) + offset, img);
    }
}

// Draws a graphic's tiles by its tiling into a target of a given size: the corner and edge tiles at their
// own size, the middle ones across what is left.
class TileDrawer {
public:
    TileDrawer(const DataCfg::TGfx& gfx, const QImage& source, QPainter& p) : m_gfx(gfx), m_source(source), m_p(p) {}

    void Draw(const QSize& size) {
        const int W = size.width(), H = size.height();
        switch (m_gfx.Tiling) {
        case DataCfg::GT_1x1:
            if (Count() > 0)
                Tile(0, QRect(0, 0, TW(0), TH(0)));
            break;
        case DataCfg::GT_3x1:
            if (Count() > 0)
                Row(W, H);
            break;
        case DataCfg::GT_1x3:
            if (Count() > 0)
                Column(W, H);
            break;
        case DataCfg::GT_3x3:
            if (Count() > 0)
                Grid(W, H);
            break;
        case DataCfg::GT_Scale:
            Scaled(W, H);
            break;
        default:
            break;
        }
    }

private:
    int Count() const { return m_gfx.Tiles.size(); }
    int TW(int i) const { return Trunc(m_gfx.Tiles[i].rect.width()); }
    int TH(int i) const { return Trunc(m_gfx.Tiles[i].rect.height()); }
    void Tile(int i, const QRect& r) {
        if (i < Count()) {
            const DataCfg::TGfxTile& t = m_gfx.Tiles[i];
            DataCfg::TGfx::RenderTile(m_source, m_p, t.rect, r, t.StretchX, t.StretchY);
        }
    }

    void Row(int W, int H) {
        const int r = Count() >= 3 ? TW(2) : 0;
        Tile(0, QRect(0, 0, TW(0), H));
        int x = TW(0);
        Tile(1, QRect(x, 0, W - r - x, H));
        x += W - r - x;
        if (Count() >= 3)
            Tile(2, QRect(x, 0, TW(2), H));
    }

    void Column(int W, int H) {
        const int b = Count() >= 3 ? TH(2) : 0;
        Tile(0, QRect(0, 0, W, TH(0)));
        int y = TH(0);
        Tile(1, QRect(0, y, W, H - b - y));
        y += H - b - y;
        if (Count() >= 3)
            Tile(2, QRect(0, y, W, TH(2)));
    }

    void Grid(int W, int H) {
        const int n = Count();
        // Top row; its height is taken from T2.
        const int r = n >= 3 ? TW(2) : 0;
        Tile(0, QRect(0, 0, TW(0), TH(0)));
        int x = TW(0);
        if (n >= 2)
            Tile(1, QRect(x, 0, W - r - x, TH(1)));
        x += W - r - x;
        if (n >= 3)
            Tile(2, QRect(x, 0, TW(2), TH(2)));
        int y = n >= 3 ? TH(2) : 0;
        if (n < 4)
            return;
        // Middle row.
        const int b = n >= 7 ? TH(6) : 0;
        const int r2 = n >= 6 ? TW(5) : 0;
        Tile(3, QRect(0, y, TW(3), H - b - y));
        x = TW(3);
        Tile(4, QRect(x, y, W - r2 - x, H - b - y));
        x += W - r2 - x;
        if (n >= 6) {
            Tile(5, QRect(x, y, TW(5), H - b - y));
            y += H - b - y;
        }
        if (n < 7)
            return;
        // Bottom row.
        const int r3 = n >= 9 ? TW(8) : 0;
        Tile(6, QRect(0, y, TW(6), TH(6)));
        x = TW(6);
        if (n >= 8)
            Tile(7, QRect(x, y, W - r3 - x, TH(7)));
        x += W - r3 - x;
        if (n >= 9)
            Tile(8, QRect(x, y, TW(8), TH(8)));
    }

    // The whole picture scaled to the target, or to the first tile's rectangle (negative values are
    // fractions of the target).
    void Scaled(int W, int H) {
        if (m_source.isNull())
            return;
        if (Count() == 0) {
            m_p.drawImage(QPoint(0, 0), m_source.scaled(W, H, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
            return;
        }
        const QRectF& t = m_gfx.Tiles[0].rect;
        const int l = Trunc(t.left() < 0 ? -(t.left() * W) : t.left());
        const int tp = Trunc(t.top() < 0 ? -(t.top() * H) : t.top());
        const int w = Trunc(t.width() < 0 ? -(t.width() * W) : t.width());
        const int h = Trunc(t.height() < 0 ? -(t.height() * H) : t.height());
        // The scaled copy is made whole before it is drawn, so its size needs the same bound as ours.
        if (qint64(w) * h > DataCfg::TGfx::MaxComposedPixels) {
            QLOG_DEBUG() << "DataCfg::TGfx::GetImageTiled: scaled size too large:" << m_gfx.Name << w << h;
            return;
        }
        if (w >= 1 && h >= 1)
            m_p.drawImage(QPoint(l, tp), m_source.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }

    const DataCfg::TGfx& m_gfx;
    const QImage& m_source;
    QPainter& m_p;
};
} // namespace

QImage DataCfg::TGfx::GetImageTiled(int W, int H) {
    PROFILE_SCOPE("DataCfg::TGfx::GetImageTiled");
    if (W < 1 || H < 1)
        return QImage();
    if (Tiles.isEmpty() && Layers.isEmpty() && Tiling != GT_Scale)
        return GetImage();
    if (qint64(W) * H > MaxComposedPixels) {
        QLOG_DEBUG() << "DataCfg::TGfx::GetImageTiled: size too large:" << Name << W << H;
        return QImage();
    }

    // The description names the resolved file, so the first request and the later ones share one key.
    if (Rsc.size() >= 2)
        Resolve();
    const QString desc = Description(W, H);
    QImage cached;
    if (GfxCache::Find(desc, cached))
        return cached;

    const QString selfKey = GetKey();
    QSet<QString>& busy = InProgress();
    if (busy.contains(selfKey) || busy.size() >= kMaxLayerDepth) {
        QLOG_DEBUG() << "DataCfg::TGfx::GetImageTiled: layer cycle or depth skipped:" << selfKey;
        return QImage();
    }

    const QImage source = GetImage();
    QImage target(W, H, QImage::Format_ARGB32);
    if (target.isNull()) {
        QLOG_DEBUG() << "DataCfg::TGfx::GetImageTiled: cannot allocate" << W << H;
        return QImage();
    }
    target.fill(QColor(0, 0, 0, 0));
    busy.insert(selfKey);
    {
        QPainter p(&target);
        DrawLayers(p, Layers, Set, QSize(W, H));
        TileDrawer(*this, source, p).Draw(QSize(W, H));
    }
    busy.remove(selfKey);
    GfxCache::Add(desc, target);
    return target;
}
