#include "runtime/imgdatamgr.h"

#include "foundation/helpers.h"
#include "foundation/logger/QsLog.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include <limits>

namespace {

ImgDataMgr* g_imgDataMgr = nullptr;

// Reads a whole file, refusing files above the bound before allocating for them.
QByteArray ReadBoundedFile(const QString& path, const char* caller) {
    // Regular files only: opening a pipe waits for a writer, and a device reads without end.
    if (!QFileInfo(path).isFile())
        return QByteArray();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    if (file.size() > ImgDataMgr::MaxFileBytes) {
        QLOG_WARN() << caller << "file too large:" << path << file.size();
        return QByteArray();
    }
    return file.read(ImgDataMgr::MaxFileBytes);
}

} // namespace

ImgDataMgr::ImgDataMgr(QObject* parent)
    : QObject(parent), m_cacheSize(0), m_timer(new QTimer(this)), m_clock(&QDateTime::currentMSecsSinceEpoch) {
    g_imgDataMgr = this;
    connect(m_timer, &QTimer::timeout, this, &ImgDataMgr::Maintenance);
    // Runs while images are held (a phone's); an empty registry has nothing to expire.
    m_timer->setInterval(1000);
}

ImgDataMgr::~ImgDataMgr() {
    for (const Slot& slot : qAsConst(m_images))
        delete slot.data;
    if (g_imgDataMgr == this)
        g_imgDataMgr = nullptr;
}

ImgDataMgr* ImgDataMgr::Instance() {
    return g_imgDataMgr;
}

void ImgDataMgr::SetClock(Clock clock) {
    m_clock = clock ? std::move(clock) : Clock(&QDateTime::currentMSecsSinceEpoch);
}

void ImgDataMgr::Use(Slot& slot) {
    if (slot.uses < std::numeric_limits<qint32>::max())
        ++slot.uses;
    slot.lastUse = Now();
}

bool ImgDataMgr::AddImgData(ImgData& data) {
    const quint64 id = data.PixelHash();
    if (id == 0)
        return false;
    auto it = m_images.find(id);
    if (it == m_images.end()) {
        it = m_images.insert(id, Slot{new ImgData(data), 0, 0, 0});
        if (!m_timer->isActive())
            m_timer->start();
    } else
        it->passes = 1;
    Use(*it);
    const bool isNew = it->uses == 1;

    const quint64 nameId = data.NameHash();
    if (nameId != 0)
        m_aliases.insert(nameId, id);
    return isNew;
}

quint64 ImgDataMgr::AddImage(const QImage& image) {
    if (image.isNull())
        return 0;
    const auto known = m_imageIds.constFind(image.cacheKey());
    if (known != m_imageIds.constEnd()) {
        const auto it = m_images.find(known.value());
        if (it != m_images.end()) {
            it->passes = 1;
            Use(*it);
            return known.value();
        }
    }
    ImgData data;
    data.Image = image;
    AddImgData(data);
    const quint64 id = data.PixelHash();
    if (id != 0)
        m_imageIds.insert(image.cacheKey(), id);
    return id;
}

ImgData* ImgDataMgr::FindImgData(quint64 nameId) {
    if (nameId == 0)
        return nullptr;
    const auto alias = m_aliases.constFind(nameId);
    if (alias == m_aliases.constEnd())
        return nullptr;
    const auto it = m_images.find(alias.value());
    if (it == m_images.end())
        return nullptr;
    Use(*it);
    return it->data;
}

quint64 ImgDataMgr::AddFile(const QString& path) {
    const QByteArray bytes = ReadBoundedFile(path, "ImgDataMgr::AddFile:");
    if (bytes.isEmpty())
        return 0;
    const quint64 id = DataHash(bytes.constData(), bytes.size());
    if (id == 0)
        return 0;
    m_files.insert(id, path);
    return id;
}

QByteArray ImgDataMgr::GetRscData(quint64 id, double scale) {
    if (id == 0)
        return QByteArray();
    const auto it = m_images.constFind(id);
    if (it != m_images.constEnd()) {
        it->data->Encode(scale);
        return it->data->Encoded;
    }
    const auto file = m_files.constFind(id);
    if (file != m_files.constEnd())
        return ReadBoundedFile(file.value(), "ImgDataMgr::GetRscData:");
    return QByteArray();
}

void ImgDataMgr::Maintenance() {
    const qint64 now = Now();
    // 120 s for an empty cache, 16 s at 16 MiB, negative beyond about 19 MiB.
    const qint64 tdef = qint64((1.0 - double(m_cacheSize) / 16777216.0) * 104000.0 + 16000.0);

    quint64 kept = 0, deleted = 0, added = 0;
    for (auto it = m_images.begin(); it != m_images.end();) {
        Slot& slot = it.value();
        const QImage& img = slot.data->Image;
        const quint64 size =
            quint64(qMax(0, img.width())) * quint64(qMax(0, img.height())) * 4 + quint64(slot.data->EncodedBytes());
        const qint64 ttl = qMin<qint64>(tdef + 100 * qBound(0, slot.uses, 100), 120000);
        const bool expired = slot.lastUse + ttl < now;
        if (expired && slot.passes > UnusedPassesBeforeEviction) {
            deleted += size;
            delete slot.data;
            it = m_images.erase(it);
            continue;
        }
        kept += size;
        if (slot.passes == 0)
            added += size;
        if (slot.passes < std::numeric_limits<qint32>::max())
            ++slot.passes;
        ++it;
    }
    m_cacheSize = kept;

    if (deleted != 0) {
        // Drop the names of deleted images, so the name table does not outgrow the images.
        for (auto it = m_aliases.begin(); it != m_aliases.end();)
            it = m_images.contains(it.value()) ? std::next(it) : m_aliases.erase(it);
        for (auto it = m_imageIds.begin(); it != m_imageIds.end();)
            it = m_images.contains(it.value()) ? std::next(it) : m_imageIds.erase(it);
    }
    if (deleted != 0 || added != 0) {
        QLOG_DEBUG() << "ImgCache:" << kept << "del:" << deleted << "new:" << added << " tdef:" << tdef / 1000;
    }
    if (m_images.isEmpty())
        m_timer->stop();
}

void ImgDataMgr::Flush() {
    for (const Slot& slot : qAsConst(m_images))
        delete slot.data;
    m_images.clear();
    m_timer->stop();
    m_cacheSize = 0;
    m_aliases.clear();
    m_imageIds.clear();
}

void ImgDataMgr::Flush2() {
    m_aliases.clear();
}
