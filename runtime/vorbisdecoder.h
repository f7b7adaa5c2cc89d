#pragma once
// Decodes a whole Ogg Vorbis file into 16-bit samples with stb_vorbis' push interface.

#include <QByteArray>
#include <QFile>
#include <QObject>
#include <QVector>

struct stb_vorbis;

class VorbisDecoder : public QObject {
    Q_OBJECT
public:
    // One Ogg page as the decoder found it in the file.
    struct OggPage {
        qint64 offset = 0;    // file offset of the page
        qint64 bodySize = 0;  // sum of the segment table
        qint64 totalSize = 0; // header, segment table and body
        qint64 granule = 0;
        quint8 flags = 0; // 0x2 beginning of stream, 0x4 end of stream
    };

    // In memory mode the whole file is read at open and every read comes from that copy.
    explicit VorbisDecoder(bool memoryMode, QObject* parent = nullptr);
    ~VorbisDecoder() override;

    bool Open(const QString& path);
    int SampleRate() const { return m_sampleRate; }
    int Channels() const { return m_channels; }
    int MaxFrameSize() const { return m_maxFrameSize; }
    // The granule position of the last page: the stream's length in sample frames.
    qint64 TotalSamples() const { return m_totalSamples; }
    const QVector<OggPage>& Pages() const { return m_pages; }

    // All audio as interleaved 16-bit samples in the machine's byte order; empty on failure or without audio.
    QByteArray DecodeAll();

    // A decoded sample as a 16-bit value: trunc(sample x 30000), held to the 16-bit range.
    static qint16 ToSample16(float sample);

    // Limits on what a file can make the decoder allocate.
    static constexpr qint64 kMaxDecodedBytes = 64 * 1024 * 1024;
    static constexpr qint64 kMaxHeaderBytes = 16 * 1024 * 1024;
    static constexpr qint64 kMaxMemoryFileBytes = 64 * 1024 * 1024;
    static constexpr int kMaxPages = 1 << 20;
    static constexpr int kBlockSize = 131072;

private:
    qint64 ReadAt(qint64 pos, char* destination, qint64 count);
    bool ReadPage(qint64& pos, OggPage& page);

    QFile* m_file;
    bool m_memoryMode;
    QByteArray m_memory;
    QVector<OggPage> m_pages;
    stb_vorbis* m_vorbis = nullptr;
    int m_sampleRate = 0;
    int m_channels = 0;
    int m_maxFrameSize = 0;
    qint64 m_totalSamples = 0;
};
