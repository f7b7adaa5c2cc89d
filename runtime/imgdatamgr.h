#pragma once
// The process-wide registry of the images and sound files that the phone fetches by 64-bit id, doubling as a
// cache of decoded images by source name. Main thread only.

#include "runtime/imgdata.h"

#include <QHash>
#include <QObject>
#include <QString>

#include <functional>

class QTimer;

class ImgDataMgr : public QObject {
    Q_OBJECT
public:
    // Milliseconds since the epoch; replaceable so that ageing can be driven without waiting.
    using Clock = std::function<qint64()>;

    // Files larger than this are not registered or served (a control's sound is far smaller).
    static constexpr qint64 MaxFileBytes = 64 * 1024 * 1024;

    explicit ImgDataMgr(QObject* parent = nullptr);
    ~ImgDataMgr() override;

    // The manager made last, or null once it is gone.
    static ImgDataMgr* Instance();

    // Registers the record's image (a copy) or refreshes its entry; refreshes the record's derived values.
    // True when a new entry was made; false for an existing one or a null image.
    bool AddImgData(ImgData& data);
    // Registers a bare image; its id, 0 for a null image.
    quint64 AddImage(const QImage& image);
    // The manager's entry registered under StringHash(source name), or null.
    ImgData* FindImgData(quint64 nameId);
    // Registers a file by its contents (not kept); its id, 0 when unreadable, empty or too large.
    quint64 AddFile(const QString& path);
    // PNG bytes of an image at the scale, or a registered file's current bytes; empty for unknown ids.
    QByteArray GetRscData(quint64 id, double scale);

    void SetClock(Clock clock);
    // The manager's clock, in milliseconds.
    qint64 Now() const { return m_clock(); }
    // An entry goes only after it was not registered again for more than this many maintenance passes (one a
    // second): refreshing the registrations of what is shown once a second keeps them.
    static constexpr qint32 UnusedPassesBeforeEviction = 32;
    // Bytes of the entries that the last maintenance pass kept.
    quint64 CacheSize() const { return m_cacheSize; }
    int ImageCount() const { return m_images.size(); }
    bool HasImage(quint64 id) const { return m_images.contains(id); }

public slots:
    // Every 1000 ms: evicts entries unused for longer than a time-to-live that shrinks as the cache grows.
    void Maintenance();
    void Flush();
    void Flush2();

private:
    struct Slot {
        ImgData* data;
        qint64 lastUse;
        qint32 uses;
        qint32 passes;
    };

    // Counts a use of the entry and restarts its time to live.
    void Use(Slot& slot);

    QHash<quint64, Slot> m_images;
    QHash<quint64, quint64> m_aliases;
    // The ids of bare images by QImage::cacheKey: an image registered again unchanged is not hashed again.
    QHash<qint64, quint64> m_imageIds;
    QHash<quint64, QString> m_files;
    quint64 m_cacheSize;
    QTimer* m_timer;
    Clock m_clock;
};
