// The picture-building slots of DCLayout: fitted pictures, the staged composition with its per-stage
// memories, and pictures from the web laid over or under a graphic.

#include "runtime/dclayout.h"

#include "config/datacfgrecords.h"
#include "foundation/alignoffset.h"
#include "foundation/helpers.h"
#include "foundation/json.h"
#include "foundation/logger/QsLog.h"
#include "foundation/profiler.h"
#include "functions/loadimagecached.h"
#include "functions/pal/pal.h"
#include "runtime/boundedimage.h"
#include "runtime/imgdatamgr.h"
#include "runtime/lebase.h"
#include "runtime/webimagecache.h"

#include <QFileInfo>
#include <QHash>
#include <QPainter>
#include <QSet>

namespace {

// The last input and result of each stage, shared by all elements and engines (main thread only).
struct StageMemory {
    QString callKey;
    QImage callResult;
    QColor lastColour;
    // The modification time of each file when it was last used. Kept per file: elements that load different
    // files in turn would otherwise make each other's file look changed and decode it on every call.
    QHash<QString, qint64> fileTimes;
    // The file time each composed picture of the image manager was read at. A file loaded with parameters is
    // kept once per element size: when one element has read the changed file, the others' pictures are still
    // the old ones, though the file no longer looks changed.
    QHash<QString, qint64> cachedTimes;
    // Files whose failure to load was logged, so that a script calling on every tick logs it once.
    QSet<QString> failedFiles;
    QString tintBeforeKey;
    QImage tintBefore;
    QString rescaleKey;
    QImage rescaled;
    QString tintAfterKey;
    QImage tintAfter;
};

// Scripts may name any number of files; past this many the remembered times start over.
constexpr int kMaxRememberedFiles = 4096;

StageMemory& Memory() {
    static StageMemory memory;
    return memory;
}

// Keys only matter for equality; a separator keeps neighbouring fields from running into each other.
class Key {
public:
    Key& operator<<(int value) { return Add(QString::number(value)); }
    Key& operator<<(qint64 value) { return Add(QString::number(value)); }
    Key& operator<<(bool value) { return Add(value ? QStringLiteral("1") : QStringLiteral("0")); }
    Key& operator<<(double value) { return Add(QString::number(value, 'g', 17)); }
    Key& operator<<(const QString& value) {
        m_text += QString::number(value.size());
        m_text += QLatin1Char(':');
        return Add(value);
    }
    const QString& Text() const { return m_text; }

private:
    Key& Add(const QString& text) {
        m_text += text;
        m_text += QChar(0x1f);
        return *this;
    }

    QString m_text;
};

qint64 FileTime(const QString& path) {
    if (path.isEmpty())
        return 0;
    const QFileInfo info(path);
    return info.isFile() ? info.lastModified().toMSecsSinceEpoch() : 0;
}

QImage GfxImageTiled(const QString& name, int W, int H, bool* found) {
    DataCfg* cfg = DataCfg::Instance();
    DataCfg::TGfx gfx = cfg && !name.isEmpty() ? cfg->FindGfx(name) : DataCfg::TGfx();
    *found = !gfx.Name.isEmpty();
    return *found ? gfx.GetImageTiled(W, H) : QImage();
}

// Remembers the file's modification time; true when the file is new to the memory or changed since.
bool NoteFileTime(StageMemory& mem, const QString& file) {
    const qint64 fileTime = FileTime(file);
    if (fileTime == 0)
        return false;
    const auto known = mem.fileTimes.constFind(file);
    const bool changed = known == mem.fileTimes.cend() || known.value() != fileTime;
    if (changed) {
        if (known == mem.fileTimes.cend() && mem.fileTimes.size() >= kMaxRememberedFiles)
            mem.fileTimes.clear();
        mem.fileTimes.insert(file, fileTime);
    }
    return changed;
}

// A picture file as the layout parameters lay it out in W x H (a tiling other than 1x1 tiles it), else the
// icon the desktop shows for the file. A file that cannot be read is logged once.
QImage ReadPicture(StageMemory& mem, const QString& file, const QString& params, int W, int H) {
    QImage image = BoundedImage::ReadFile(file);
    if (image.isNull()) {
        if (!mem.failedFiles.contains(file)) {
            if (mem.failedFiles.size() >= kMaxRememberedFiles)
                mem.failedFiles.clear();
            mem.failedFiles.insert(file);
            QLOG_WARN() << "DCLayout::LoadGfx: cannot load picture:" << file;
        }
    } else {
        mem.failedFiles.remove(file);
    }
    if (image.width() >= 1 && !params.isEmpty()) {
        QVariantMap map = JsonParse(params).toMap();
        if (!map.contains(QStringLiteral("Name")))
            map.insert(QStringLiteral("Name"), QStringLiteral("none"));
        DataCfg::TGfx rec;
        rec.Read(map, QString());
        rec.Rsc = file;
        rec.Resolved = true;
        rec.Found = true;
        rec.Image = image;
        rec.Size = QRect(0, 0, image.width(), image.height());
        if (rec.Tiling > DataCfg::GT_1x1)
            image = rec.GetImageTiled(W, H);
    }
    if (image.width() < 1)
        image = PAL::LoadIconImage(file);
    return image;
}

// The first stage: a graphics record of that name tiled to W x H, else the picture file, kept in the image
// registry under its name, parameters and size. name receives what the later stages key their results by.
QImage LoadStageImage(StageMemory& mem, const QString& file, const QString& params, int W, int H, bool fileChanged,
                      QString* name) {
    PROFILE_SCOPE("DCLayout::LoadGfx_Int.load.img");
    const QString sizeText = QStringLiteral("%1,%2").arg(W).arg(H);
    DataCfg* cfg = DataCfg::Instance();
    DataCfg::TGfx gfx = cfg ? cfg->FindGfx(file) : DataCfg::TGfx();
    if (!gfx.Name.isEmpty()) {
        *name = file + sizeText;
        QImage image = gfx.GetImageTiled(W, H);
        if (image.isNull() && (W < 1 || H < 1))
            image = gfx.GetImage();
        return image;
    }
    *name = file + sizeText + params;
    const QString cacheName = params.isEmpty() ? file + params : file + params + sizeText;
    ImgDataMgr* mgr = ImgDataMgr::Instance();
    ImgData* cached = mgr ? mgr->FindImgData(StringHash(cacheName)) : nullptr;
    const qint64 fileTime = FileTime(file);
    const auto cachedTime = mem.cachedTimes.constFind(cacheName);
    const bool cachedCurrent = cachedTime != mem.cachedTimes.cend() && cachedTime.value() == fileTime;
    if (cached && !fileChanged && cachedCurrent)
        return cached->Image;
    const QImage image = ReadPicture(mem, file, params, W, H);
    if (mgr && !image.isNull()) {
        ImgData data;
        data.Image = image;
        data.SourceName = cacheName;
        mgr->AddImgData(data);
        if (!mem.cachedTimes.contains(cacheName) && mem.cachedTimes.size() >= kMaxRememberedFiles)
            mem.cachedTimes.clear();
        mem.cachedTimes.insert(cacheName, fileTime);
    }
    return image;
}

// The mask: a graphics record of that name tiled to W x H, else the file; none without a name.
QImage LoadStageMask(const QString& mask, int W, int H) {
    if (mask.isEmpty())
        return QImage();
    PROFILE_SCOPE("DCLayout::LoadGfx_Int.load.mask");
    bool found = false;
    const QImage image = GfxImageTiled(mask, W, H, &found);
    return found ? image : BoundedImage::ReadFile(mask);
}

// A stage's result: the one kept from the last call when its key is the same and the file did not change,
// else made anew and kept.
template <class Make>
QImage KeptStage(const QString& key, bool fileChanged, QString& keptKey, QImage& kept, Make make) {
    if (key == keptKey && !fileChanged)
        return kept;
    kept = make();
    keptKey = key;
    return kept;
}

QImage Tinted(QImage image, const QColor& colour) {
    ImgData::Colorize(image, colour);
    return image;
}

// The picture placed on a transparent canvas of the given size by the alignment, moved by offset.
QImage Plotted(const QImage& image, const QSize& size, int align, const QPoint& offset) {
    QImage canvas(size, QImage::Format_ARGB32);
    canvas.fill(Qt::transparent);
    if (!image.isNull()) {
        QPainter p(&canvas);
        p.drawImage(AlignOffset(align, size, image.size()) + offset, image);
    }
    return canvas;
}

} // namespace

bool DCLayout::LoadGfx(const QString& file, const QString& mask, int border) {
    PROFILE_SCOPE("DCLayout::LoadGfx");
    if (!m_element)
        return false;
    QImage img = LoadImageCached(file, false);
    if (img.width() < 1)
        img = PAL::LoadIconImage(file);
    const QRectF bounds = m_element->boundingRect();
    int W = int(bounds.width()), H = int(bounds.height());
    if (W < 1)
        W = img.width();
    if (H < 1)
        H = img.height();
    const QSize inner(W - 2 * border, H - 2 * border);
    if (img.size() != inner) {
        if (!BoundedImage::SizeAllowed(W, H)) {
            QLOG_DEBUG() << "DCLayout::LoadGfx: element too large:" << W << H;
            return false;
        }
        const QImage fitted = inner.width() > 0 && inner.height() > 0 && !img.isNull()
                                  ? img.scaled(inner, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                                  : QImage();
        QImage canvas(W, H, QImage::Format_ARGB32);
        canvas.fill(Qt::transparent);
        if (!fitted.isNull()) {
            QPainter p(&canvas);
            p.drawImage(W / 2 - fitted.width() / 2, H / 2 - fitted.height() / 2, fitted);
        }
        img = canvas;
    }
    if (!mask.isEmpty())
        ImgData::Mask(img, BoundedImage::ReadFile(mask));
    m_element->Layout().Gfx = QStringLiteral("None");
    m_element->MainImage().Image = img;
    m_element->Invalidate();
    return false;
}

bool DCLayout::LoadGfx(const QString& file, const QString& mask, double scale, int dx, int dy, int align,
                       const QString& colour, const QString& params) {
    if (!m_element)
        return false;
    const QImage img = LoadGfx_Int(file, mask, scale, dx, dy, align, colour, params);
    m_element->Layout().Gfx = QStringLiteral("None");
    m_element->MainImage().Image = img;
    m_element->Invalidate();
    return false;
}

bool DCLayout::LoadGfxP(const QString& file, const QString& mask, double scale, int dx, int dy, int align,
                        const QString& colour, const QString& params) {
    if (!m_element)
        return false;
    const QImage img = LoadGfx_Int(file, mask, scale, dx, dy, align, colour, params);
    m_element->Layout().GfxP = QStringLiteral("None");
    m_element->PressedImage().Image = img;
    m_element->Invalidate();
    return false;
}

QImage DCLayout::LoadGfx_Int(const QString& fileIn, const QString& mask, double scale, int dx, int dy, int align,
                             const QString& colourText, const QString& params) {
    PROFILE_SCOPE("DCLayout::LoadGfx_Int");
    const QString trimmed = fileIn.trimmed();
    if (trimmed.isEmpty() || trimmed.compare(QLatin1String("none"), Qt::CaseInsensitive) == 0)
        return QImage();
    const QString file = fileIn.startsWith(QLatin1Char('/')) ? ResolveImagePath(fileIn) : fileIn;
    StageMemory& mem = Memory();

    const QColor colour = colourText.isEmpty() ? QColor(0, 0, 0, 0) : ColorFromText(colourText);
    const bool colourChanged = colour != mem.lastColour;
    mem.lastColour = colour;
    const QString colourKey = ColorToText(colour);

    int W = 0, H = 0;
    if (m_element) {
        const QRectF bounds = m_element->boundingRect();
        W = int(bounds.width());
        H = int(bounds.height());
    }
    if (W > LEBase::MaxImageSide || H > LEBase::MaxImageSide) {
        QLOG_DEBUG() << "DCLayout::LoadGfx_Int: element too large:" << W << H;
        return QImage();
    }

    const bool fileChanged = NoteFileTime(mem, file);
    // The parameters and the mask file's time belong to the call too: either changes the result.
    const QString callKey =
        (Key() << file << mask << FileTime(mask) << params << scale << W << H << dx << dy << align << colourKey).Text();
    if (callKey == mem.callKey && !fileChanged)
        return mem.callResult;
    mem.callKey = callKey;

    QString name;
    QImage image = LoadStageImage(mem, file, params, W, H, fileChanged, &name);
    const QImage maskImage = LoadStageMask(mask, W, H);

    const int w = image.width(), h = image.height();
    if (W < 1)
        W = w;
    if (H < 1)
        H = h;
    const QSize target = scale < 0 ? QSize(int(-scale * w), int(-scale * h)) : QSize(int(W * scale), int(H * scale));
    if ((target.width() > 0 && target.height() > 0 && !BoundedImage::SizeAllowed(target.width(), target.height())) ||
        (W > 0 && H > 0 && !BoundedImage::SizeAllowed(W, H))) {
        QLOG_DEBUG() << "DCLayout::LoadGfx_Int: size refused:" << target.width() << target.height();
        mem.callResult = QImage();
        return mem.callResult;
    }

    // The tint runs on the smaller of the picture before and after scaling.
    const bool tint = colour.alpha() != 0;
    const bool tintBefore = tint && (qint64(target.width()) * target.height() > qint64(w) * h || colourChanged);
    const bool tintAfter = tint && !tintBefore;

    if (tintBefore) {
        PROFILE_SCOPE("DCLayout::LoadGfx_Int.colorize.b");
        const QString key = (Key() << name << colourKey << colourChanged).Text();
        image = KeptStage(key, fileChanged, mem.tintBeforeKey, mem.tintBefore, [&] { return Tinted(image, colour); });
    }
    if (image.size() != target) {
        PROFILE_SCOPE("DCLayout::LoadGfx_Int.rescale");
        const QString key =
            (Key() << name << target.width() << target.height() << (tintBefore ? colourKey : QString())).Text();
        image = KeptStage(key, fileChanged, mem.rescaleKey, mem.rescaled, [&] {
            return target.width() > 0 && target.height() > 0
                       ? image.scaled(target, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                       : QImage();
        });
    }
    if (tintAfter) {
        PROFILE_SCOPE("DCLayout::LoadGfx_Int.colorize.a");
        const QString key = (Key() << name << target.width() << target.height() << colourKey << colourChanged).Text();
        image = KeptStage(key, fileChanged, mem.tintAfterKey, mem.tintAfter, [&] { return Tinted(image, colour); });
    }
    if ((image.size() != QSize(W, H) || dx != 0 || dy != 0) && W > 0 && H > 0) {
        PROFILE_SCOPE("DCLayout::LoadGfx_Int.plot");
        image = Plotted(image, QSize(W, H), align, QPoint(dx, dy));
    }
    ImgData::Mask(image, maskImage);
    mem.callResult = image;
    return image;
}

bool DCLayout::ComposeGfx(const QString& base, const QString& url, int x, int y, int size, const QString& mask,
                          bool under) {
    PROFILE_SCOPE("DCLayout::ComposeGfx");
    if (!m_element)
        return false;
    WebImageCache* cache = WebImageCache::Instance();
    QImage picture = cache ? cache->GetImage(url) : QImage();
    if (picture.isNull()) {
        setGfx(base);
        return false;
    }
    if (size > 0) {
        const QSize covered = picture.size().scaled(size, size, Qt::KeepAspectRatioByExpanding);
        if (!BoundedImage::SizeAllowed(covered.width(), covered.height())) {
            QLOG_DEBUG() << "DCLayout::ComposeGfx: size refused:" << covered.width() << covered.height();
            setGfx(base);
            return false;
        }
        picture = picture.scaled(size, size, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
    }
    if (!mask.isEmpty()) {
        DataCfg* cfg = DataCfg::Instance();
        DataCfg::TGfx gfx = cfg ? cfg->FindGfx(mask) : DataCfg::TGfx();
        ImgData::Mask(picture, !gfx.Name.isEmpty() ? gfx.GetImage() : BoundedImage::ReadFile(mask));
    }
    const QRectF bounds = m_element->boundingRect();
    bool found = false;
    QImage background = GfxImageTiled(base, int(bounds.width()), int(bounds.height()), &found);
    QImage result;
    if (background.isNull()) {
        result = picture;
    } else if (!under) {
        QPainter p(&background);
        p.drawImage(x, y, picture);
        p.end();
        result = background;
    } else {
        QImage canvas(background.size(), background.format());
        canvas.fill(0);
        QPainter p(&canvas);
        p.drawImage(x, y, picture);
        p.drawImage(0, 0, background);
        p.end();
        result = canvas;
    }
    m_element->MainImage().Image = result;
    m_element->Layout().Gfx = QStringLiteral("None");
    m_element->ResetGeometry();
    m_element->Invalidate();
    return true;
}
