#include "runtime/vorbisdecoder.h"

#include "foundation/logger/QsLog.h"
#include "foundation/profiler.h"

#include <QtEndian>
#include <cmath>
#include <cstring>
#include <memory>

#define STB_VORBIS_HEADER_ONLY
#include <stb/stb_vorbis.h>

namespace {
constexpr int kPageHeaderSize = 27;
constexpr quint8 kBeginOfStream = 0x2;
constexpr quint8 kEndOfStream = 0x4;
} // namespace

VorbisDecoder::VorbisDecoder(bool memoryMode, QObject* parent)
    : QObject(parent), m_file(new QFile(this)), m_memoryMode(memoryMode) {}

VorbisDecoder::~VorbisDecoder() {
    if (m_vorbis)
        stb_vorbis_close(m_vorbis);
}

qint16 VorbisDecoder::ToSample16(float sample) {
    const float scaled = std::trunc(sample * 30000.0f);
    // Samples slightly beyond +-1 would wrap around; they are held at the limits instead.
    if (std::isnan(scaled))
        return 0;
    if (scaled > 32767.0f)
        return 32767;
    if (scaled < -32768.0f)
        return -32768;
    return qint16(scaled);
}

qint64 VorbisDecoder::ReadAt(qint64 pos, char* destination, qint64 count) {
    if (m_memoryMode) {
        const qint64 n = qBound<qint64>(0, m_memory.size() - pos, count);
        if (n > 0)
            memcpy(destination, m_memory.constData() + pos, size_t(n));
        return n;
    }
    if (!m_file->seek(pos))
        return 0;
    return qMax<qint64>(0, m_file->read(destination, count));
}

bool VorbisDecoder::ReadPage(qint64& pos, OggPage& page) {
    PROFILE_SCOPE("VorbisDecoder::ReadPage");
    uchar header[kPageHeaderSize];
    if (ReadAt(pos, reinterpret_cast<char*>(header), kPageHeaderSize) != kPageHeaderSize) {
        QLOG_DEBUG() << "Failed to read a page";
        return false;
    }
    if (memcmp(header, "OggS", 4) != 0) {
        QLOG_DEBUG() << "Capture pattern mismatch";
        return false;
    }
    page.offset = pos;
    page.flags = header[5];
    page.granule = qFromLittleEndian<qint64>(header + 6);
    // The segment table is read for every page, the first one included: its length follows from it as well.
    const int segments = header[26];
    uchar table[255];
    const qint64 got = ReadAt(pos + kPageHeaderSize, reinterpret_cast<char*>(table), segments);
    if (got != segments) {
        QLOG_DEBUG() << "Read" << got << "segment lengths, expected" << segments;
        return false;
    }
    page.bodySize = 0;
    for (int i = 0; i < segments; ++i)
        page.bodySize += table[i];
    page.totalSize = kPageHeaderSize + segments + page.bodySize;
    pos += page.totalSize;
    return true;
}

bool VorbisDecoder::Open(const QString& path) {
    PROFILE_SCOPE("VorbisDecoder::Open");
    m_file->setFileName(path);
    if (!m_file->open(QIODevice::ReadOnly)) {
        QLOG_DEBUG() << "Failed to open file" << path;
        return false;
    }
    if (m_memoryMode) {
        const qint64 size = m_file->size();
        if (size > kMaxMemoryFileBytes) {
            QLOG_DEBUG() << "Failed to allocate" << size << "bytes";
            return false;
        }
        m_memory = m_file->readAll();
        m_file->close();
        if (m_memory.size() != size) {
            QLOG_DEBUG() << "Read" << m_memory.size() << "bytes, expected" << size;
            return false;
        }
    }

    m_pages.clear();
    qint64 pos = 0;
    OggPage page;
    if (!ReadPage(pos, page) || !(page.flags & kBeginOfStream)) {
        QLOG_DEBUG() << "Failed to read BOS page";
        return false;
    }
    m_pages.append(page);
    while (!(page.flags & kEndOfStream) && m_pages.size() < kMaxPages && ReadPage(pos, page))
        m_pages.append(page);
    m_totalSamples = m_pages.last().granule;

    // The header pages (granule 0) go to the decoder whole.
    qint64 headerBytes = 0;
    for (const OggPage& p : qAsConst(m_pages)) {
        if (p.granule != 0)
            break;
        headerBytes += p.totalSize;
    }
    if (headerBytes > kMaxHeaderBytes) {
        QLOG_DEBUG() << "Failed to allocate" << headerBytes << "bytes";
        return false;
    }
    QByteArray headers(int(headerBytes), Qt::Uninitialized);
    const qint64 got = ReadAt(0, headers.data(), headerBytes);
    if (got != headerBytes) {
        QLOG_DEBUG() << "Read" << got << "bytes, expected" << headerBytes;
        return false;
    }
    int used = 0, error = 0;
    m_vorbis = stb_vorbis_open_pushdata(reinterpret_cast<const uchar*>(headers.constData()), headers.size(), &used,
                                        &error, nullptr);
    QLOG_DEBUG() << "stb vorbis init complete, used" << used << "bytes, error" << error;
    if (!m_vorbis) {
        QLOG_DEBUG() << "Failed to initialize vorbis decoder";
        return false;
    }
    const stb_vorbis_info info = stb_vorbis_get_info(m_vorbis);
    m_sampleRate = int(info.sample_rate);
    m_channels = info.channels;
    m_maxFrameSize = info.max_frame_size;
    QLOG_DEBUG() << "   sample_rate:" << m_sampleRate;
    QLOG_DEBUG() << "      channels:" << m_channels;
    QLOG_DEBUG() << "max_frame_size:" << m_maxFrameSize;
    return true;
}

QByteArray VorbisDecoder::DecodeAll() {
    PROFILE_SCOPE("VorbisDecoder::DecodeAll");
    if (!m_vorbis)
        return QByteArray();
    qint64 offset = -1;
    for (const OggPage& p : qAsConst(m_pages)) {
        if (p.granule != 0) {
            offset = p.offset;
            break;
        }
    }
    if (offset < 0) {
        QLOG_DEBUG() << "VorbisDecoder::DecodeAll: no audio page";
        return QByteArray();
    }

    QByteArray result;
    std::unique_ptr<char[]> block(new char[kBlockSize]);
    const auto* input = reinterpret_cast<const uchar*>(block.get());
    for (;;) {
        const qint64 got = ReadAt(offset, block.get(), kBlockSize);
        if (got <= 0)
            break; // everything read: the result is complete
        int consumed = 0;
        while (consumed < got) {
            int channels = 0, samples = 0;
            float** output = nullptr;
            const int used = stb_vorbis_decode_frame_pushdata(m_vorbis, input + consumed, int(got) - consumed,
                                                              &channels, &output, &samples);
            if (used == 0 && samples == 0)
                break; // the rest of the block is an incomplete page: read it again with what follows
            consumed += used;
            if (samples <= 0)
                continue;
            const qint64 bytes = qint64(samples) * channels * qint64(sizeof(qint16));
            if (result.size() + bytes > kMaxDecodedBytes) {
                QLOG_DEBUG() << "Failed to allocate" << result.size() + bytes << "bytes";
                return QByteArray();
            }
            const int start = result.size();
            result.resize(start + int(bytes));
            auto* out = reinterpret_cast<qint16*>(result.data() + start);
            for (int s = 0; s < samples; ++s)
                for (int c = 0; c < channels; ++c)
                    *out++ = ToSample16(output[c][s]);
        }
        if (consumed == 0) {
            QLOG_DEBUG() << "vorbisDecode failed";
            return QByteArray();
        }
        offset += consumed;
    }
    return result;
}
