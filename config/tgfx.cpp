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
        for (const TGfxLayer& layer : Layers) {
            TGfx lg = DataCfg::Instance() ? DataCfg::Instance()->FindGfxOrFile(layer.Gfx, Set) : TGfx();
            if (lg.Name.isEmpty())
                continue;
            lg.GetSize();
            const QRect& r = layer.rect;
            // A negative value is a multiple of the composed size (computed wide: it may not fit an int).
            auto rel = [](int v, int size) { return v < 0 ? Trunc(-double(v) * size) : v; };
            const int w = rel(r.width(), W);
            const int h = rel(r.height(), H);
            int x = rel(r.left(), W);
            int y = rel(r.top(), H);
            const QImage img = lg.GetImageTiled(w, h);
            // "None" (also what an unknown alignment reads as) leaves the layer where its rectangle puts it.
            const QPoint offset =
                layer.Align == DataCfg::LA_None ? QPoint() : AlignOffset(layer.Align, QSize(W, H), img.size());
            if (!img.isNull())
                p.drawImage(QPoint(x, y) + offset, img);
        }

        const int n = Tiles.size();
        auto tw = [this](int i) { return Trunc(Tiles[i].rect.width()); };
        auto th = [this](int i) { return Trunc(Tiles[i].rect.height()); };
        auto draw = [&](int i, const QRect& r) {
            if (i < n)
                RenderTile(source, p, Tiles[i].rect, r, Tiles[i].StretchX, Tiles[i].StretchY);
        };
        switch (Tiling) {
        case GT_1x1:
            if (n > 0)
                draw(0, QRect(0, 0, tw(0), th(0)));
            break;
        case GT_3x1: {
            if (n < 1)
                break;
            const int r = n >= 3 ? tw(2) : 0;
            draw(0, QRect(0, 0, tw(0), H));
            int x = tw(0);
            draw(1, QRect(x, 0, W - r - x, H));
            x += W - r - x;
            if (n >= 3)
                draw(2, QRect(x, 0, tw(2), H));
            break;
        }
        case GT_1x3: {
            if (n < 1)
                break;
            const int b = n >= 3 ? th(2) : 0;
            draw(0, QRect(0, 0, W, th(0)));
            int y = th(0);
            draw(1, QRect(0, y, W, H - b - y));
            y += H - b - y;
            if (n >= 3)
                draw(2, QRect(0, y, W, th(2)));
            break;
        }
        case GT_3x3: {
            if (n < 1)
                break;
            // Top row; its height is taken from T2.
            const int r = n >= 3 ? tw(2) : 0;
            draw(0, QRect(0, 0, tw(0), th(0)));
            int x = tw(0);
            if (n >= 2)
                draw(1, QRect(x, 0, W - r - x, th(1)));
            x += W - r - x;
            if (n >= 3)
                draw(2, QRect(x, 0, tw(2), th(2)));
            int y = n >= 3 ? th(2) : 0;
            if (n < 4)
                break;
            // Middle row.
            const int b = n >= 7 ? th(6) : 0;
            const int r2 = n >= 6 ? tw(5) : 0;
            draw(3, QRect(0, y, tw(3), H - b - y));
            x = tw(3);
            draw(4, QRect(x, y, W - r2 - x, H - b - y));
            x += W - r2 - x;
            if (n >= 6) {
                draw(5, QRect(x, y, tw(5), H - b - y));
                y += H - b - y;
            }
            if (n < 7)
                break;
            // Bottom row.
            const int r3 = n >= 9 ? tw(8) : 0;
            draw(6, QRect(0, y, tw(6), th(6)));
            x = tw(6);
            if (n >= 8)
                draw(7, QRect(x, y, W - r3 - x, th(7)));
            x += W - r3 - x;
            if (n >= 9)
                draw(8, QRect(x, y, tw(8), th(8)));
            break;
        }
        case GT_Scale: {
            if (source.isNull())
                break;
            if (n == 0) {
                p.drawImage(QPoint(0, 0), source.scaled(W, H, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
                break;
            }
            const QRectF& t = Tiles[0].rect;
            const int l = Trunc(t.left() < 0 ? -(t.left() * W) : t.left());
            const int tp = Trunc(t.top() < 0 ? -(t.top() * H) : t.top());
            const int w = Trunc(t.width() < 0 ? -(t.width() * W) : t.width());
            const int h = Trunc(t.height() < 0 ? -(t.height() * H) : t.height());
            // The scaled copy is made whole before it is drawn, so its size needs the same bound as ours.
            if (qint64(w) * h > MaxComposedPixels) {
                QLOG_DEBUG() << "DataCfg::TGfx::GetImageTiled: scaled size too large:" << Name << w << h;
                break;
            }
            if (w >= 1 && h >= 1)
                p.drawImage(QPoint(l, tp), source.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
            break;
        }
        default:
            break;
        }
    }
    busy.remove(selfKey);
    GfxCache::Add(desc, target);
    return target;
}
