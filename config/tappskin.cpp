#include "config/tappskin.h"

#include "config/cfgread.h"
#include "config/gfxcache.h"
#include "foundation/helpers.h"
#include "foundation/imgroutines.h"
#include "foundation/logger/QsLog.h"
#include "functions/loadimagecached.h"
#include "functions/plugintools.h"

#include <QPainter>

void DataCfg::TAppSkin::Read(const QVariantMap& map, const QString& folder) {
    TNamed::Read(map);
    Dir = folder + QLatin1Char('/') + CfgRead::Text(map.value(QStringLiteral("Dir")));
    Parent = CfgRead::Text(map.value(QStringLiteral("Parent")));
    DataCfg* cfg = DataCfg::Instance();
    // The first skin loaded is the base of all others.
    if (cfg && cfg->AppSkins().size() > 1)
        Entries = cfg->AppSkins().first().Entries;
    if (!Parent.isEmpty()) {
        const TAppSkin parent = cfg ? cfg->FindAppSkin(Parent) : TAppSkin();
        if (parent.Name.isEmpty()) {
            QLOG_DEBUG() << "Missing Parent AppSkin:" << Parent;
        }
        for (auto it = parent.Entries.constBegin(); it != parent.Entries.constEnd(); ++it)
            Entries.insert(it.key(), it.value());
    }
    for (auto it = map.constBegin(); it != map.constEnd(); ++it)
        Entries.insert(it.key(), CfgRead::Text(it.value()));
}

QStringList DataCfg::TAppSkin::GetTabIconNames() const {
    QStringList names;
    for (auto it = Entries.constBegin(); it != Entries.constEnd(); ++it) {
        if (it.key().startsWith(QLatin1String("TabIcon")))
            names << it.key();
    }
    // The hash's order changes from run to run; the editor shows the names sorted.
    names.sort();
    return names;
}

DataCfg::TGfx DataCfg::TAppSkin::GetEntry(const QString& name) const {
    QString ref = Entries.value(name);
    if (ref.isEmpty()) {
        QLOG_DEBUG() << "Missing AppSkin Entry:" << name;
        return TGfx();
    }
    if (DataCfg* cfg = DataCfg::Instance()) {
        const TGfx found = cfg->FindGfx(ref, Name);
        if (!found.Name.isEmpty())
            return found;
    }
    QString folder = Dir;
    if (ref.startsWith(QLatin1Char('/'))) {
        folder = PluginTools::GetDataPath();
        ref.remove(0, 1);
    }
    TGfx gfx;
    gfx.Name = ref;
    gfx.Directory = folder;
    gfx.Rsc = ref;
    gfx.Set = Name;
    // A file that is not there loads as the 1 by 1 stand-in; callers must see it as missing.
    if (gfx.GetImage().isNull() || !gfx.Found)
        return TGfx();
    return gfx;
}

QImage DataCfg::TAppSkin::GetTabBG(quint64* id) const {
    const QImage image = GetEntry(QStringLiteral("TabBG")).GetImage();
    if (id)
        *id = GfxCache::Register(image);
    return image;
}

QImage DataCfg::TAppSkin::GetTabAOvl(quint64* id) const {
    const QImage image = GetEntry(QStringLiteral("TabAOvl")).GetImage();
    if (id)
        *id = GfxCache::Register(image);
    return image;
}

QImage DataCfg::TAppSkin::GetDeckBG(const QString& nameIn, int width, int height, quint64* id) const {
    const QString name = nameIn.isEmpty() ? QStringLiteral("DeckBG") : nameIn;
    QImage image = Entries.contains(name) ? GetEntry(name).GetImage() : LoadImageCached(name, true);
    if (image.width() == 0)
        return image;
    if (height < 0)
        return image;
    if (image.width() != width) {
        if (width < 1) {
            QLOG_DEBUG() << "DataCfg::TAppSkin::GetDeckBG: width below one pixel:" << name << width;
            return QImage();
        }
        const qint64 scaledHeight = qMax<qint64>(1, qint64(image.height()) * width / image.width());
        if (qint64(width) * scaledHeight > TGfx::MaxComposedPixels) {
            QLOG_DEBUG() << "DataCfg::TAppSkin::GetDeckBG: size too large:" << name << width << scaledHeight;
            return QImage();
        }
        image = image.scaledToWidth(width, Qt::SmoothTransformation);
    }
    // A very wide image scales to no height; repeating it would never reach the requested height.
    if (image.height() < 1) {
        QLOG_DEBUG() << "DataCfg::TAppSkin::GetDeckBG: scaled to no height:" << name << width;
        return QImage();
    }
    if (image.height() < height) {
        if (qint64(width) * height > TGfx::MaxComposedPixels) {
            QLOG_DEBUG() << "DataCfg::TAppSkin::GetDeckBG: size too large:" << name << width << height;
            return QImage();
        }
        QImage canvas(width, height, QImage::Format_ARGB32);
        if (canvas.isNull()) {
            QLOG_DEBUG() << "DataCfg::TAppSkin::GetDeckBG: cannot allocate" << width << height;
            return QImage();
        }
        canvas.fill(Qt::transparent);
        QPainter p(&canvas);
        for (int y = 0; y < height; y += image.height())
            p.drawImage(QPoint(0, y), image);
        p.end();
        image = canvas;
    }
    if (id)
        *id = GfxCache::Register(image);
    return image;
}

QImage DataCfg::TAppSkin::GetTabIcon(const QString& iconText, bool active, quint64* id, bool raw) const {
    const QStringList fields = iconText.split(QLatin1Char('|'));
    QString name = fields.value(0);
    if (name.isEmpty())
        name = QStringLiteral("TabIconCustom");
    QImage image = Entries.contains(name) ? GetEntry(name).GetImage() : LoadImageCached(name, true);
    if (image.width() == 0)
        return image;
    if (!raw) {
        double scale = 0.5;
        if (fields.size() >= 2)
            scale = fields[1].toDouble();
        if (!(scale > 0.01)) // also a text that is no number
            scale = 0.01;
        if (scale > 10)
            scale = 10;
        const int sw = static_cast<int>(image.width() * scale), sh = static_cast<int>(image.height() * scale);
        // Only a 160 by 140 canvas is shown; a huge picture scaled up tenfold would exhaust memory first.
        if (qint64(sw) * sh > TGfx::MaxComposedPixels) {
            QLOG_DEBUG() << "DataCfg::TAppSkin::GetTabIcon: size too large:" << name << sw << sh;
            return QImage();
        }
        const QImage scaled = image.scaled(sw, sh, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const int cw = 160, ch = 140;
        QImage canvas(cw, ch, QImage::Format_ARGB32);
        canvas.fill(QColor(0, 0, 0, 0));
        enum { Start, Center, End } h = Center, v = Center;
        int dx = 0, dy = -28;
        if (fields.size() >= 4) {
            const QString place = fields[3].trimmed();
            const QChar c0 = place.size() > 0 ? place[0].toUpper() : QChar();
            const QChar c1 = place.size() > 1 ? place[1].toUpper() : QChar();
            if (c0 == QLatin1Char('L') || c0 == QLatin1Char('C') || c0 == QLatin1Char('R')) {
                h = c0 == QLatin1Char('L') ? Start : (c0 == QLatin1Char('C') ? Center : End);
                v = Start;
            }
            if (c1 == QLatin1Char('C'))
                v = Center;
            else if (c1 == QLatin1Char('B'))
                v = End;
            const int blank = place.indexOf(QLatin1Char(' '));
            if (blank >= 0) {
                const QStringList offsets = place.mid(blank + 1).trimmed().split(QLatin1Char(','));
                if (offsets.size() >= 2) {
                    dx = offsets[0].toInt(nullptr, 10);
                    dy = offsets[1].toInt(nullptr, 10);
                }
            }
        }
        const int w = scaled.width(), hgt = scaled.height();
        const int x = h == Start ? dx : (h == Center ? cw / 2 - w / 2 + dx : cw - w + dx);
        const int y = v == Start ? dy : (v == Center ? ch / 2 - hgt / 2 + dy : ch - hgt + dy);
        if (!scaled.isNull()) {
            QPainter p(&canvas);
            p.drawImage(QPoint(x, y), scaled);
        }
        image = canvas;
        if (active && fields.size() >= 3 && !fields[2].trimmed().isEmpty())
            ImgRoutines::Colorize(image, ColorFromText(fields[2].trimmed()));
    }
    if (!active)
        ImgRoutines::TabIconDesat(image);
    if (id)
        *id = GfxCache::Register(image);
    return image;
}
