#include "runtime/wavheader.h"

#include "foundation/profiler.h"

#include <QIODevice>
#include <QtEndian>

namespace {
constexpr int kHeaderSize = 44;
// Chunks looked at after "fmt " when looking for "data"; files with more are read as if "data" followed "fmt ".
constexpr int kMaxChunks = 64;

quint32 Read32(const char* p, bool bigEndian) {
    return bigEndian ? qFromBigEndian<quint32>(p) : qFromLittleEndian<quint32>(p);
}

quint16 Read16(const char* p, bool bigEndian) {
    return bigEndian ? qFromBigEndian<quint16>(p) : qFromLittleEndian<quint16>(p);
}

// Finds the "data" chunk after the "fmt " chunk, so that metadata chunks between them are not played as sound.
// Answers the offset of the first sample and the data size, or false when no "data" chunk is found.
bool FindDataChunk(QIODevice* device, qint64 fmtSize, bool bigEndian, qint64& start, qint64& size) {
    const qint64 fileSize = device->size();
    qint64 pos = 20 + fmtSize + (fmtSize & 1);
    for (int i = 0; i < kMaxChunks && pos + 8 <= fileSize; ++i) {
        char chunk[8];
        if (!device->seek(pos) || device->read(chunk, 8) != 8)
            return false;
        const qint64 chunkSize = Read32(chunk + 4, bigEndian);
        if (memcmp(chunk, "data", 4) == 0) {
            start = pos + 8;
            size = qMin(chunkSize, fileSize - start);
            return true;
        }
        pos += 8 + chunkSize + (chunkSize & 1);
    }
    return false;
}
} // namespace

bool ReadWavHeader(QIODevice* device, WavHeader& header) {
    PROFILE_SCOPE("ReadWavHeader");
    if (!device)
        return false;
    if (!device->isSequential() && !device->seek(0))
        return false;
    char h[kHeaderSize];
    if (device->read(h, kHeaderSize) != kHeaderSize)
        return false;

    bool bigEndian;
    if (memcmp(h, "RIFF", 4) == 0)
        bigEndian = false;
    else if (memcmp(h, "RIFX", 4) == 0)
        bigEndian = true; // every number of the file, header included, is big-endian
    else
        return false;
    if (memcmp(h + 8, "WAVE", 4) != 0 || memcmp(h + 12, "fmt ", 4) != 0)
        return false;
    if (Read16(h + 20, bigEndian) != 1)
        return false;

    const int channels = Read16(h + 22, bigEndian);
    const int rate = int(qMin<quint32>(Read32(h + 24, bigEndian), 0x7fffffff));
    const int bits = Read16(h + 34, bigEndian);
    QAudioFormat& f = header.format;
    f.setChannelCount(channels);
    f.setCodec(QStringLiteral("audio/pcm"));
    f.setSampleRate(rate);
    f.setSampleSize(bits);
    f.setByteOrder(bigEndian ? QAudioFormat::BigEndian : QAudioFormat::LittleEndian);
    if (bits == 8)
        f.setSampleType(QAudioFormat::UnSignedInt);
    else if (bits == 16)
        f.setSampleType(QAudioFormat::SignedInt);
    else
        return false;
    if (channels == 0 || rate == 0)
        return false;

    header.dataSize = device->size() - kHeaderSize;
    if (device->isSequential())
        return true;
    qint64 start = 0, size = 0;
    if (FindDataChunk(device, Read32(h + 16, bigEndian), bigEndian, start, size)) {
        header.dataSize = size;
        return device->seek(start);
    }
    return device->seek(kHeaderSize);
}

WavDataDevice::WavDataDevice(QIODevice* file, qint64 dataSize, QObject* parent)
    : QIODevice(parent), m_file(file), m_start(file->pos()), m_size(qMax<qint64>(0, dataSize)) {
    file->setParent(this);
    open(QIODevice::ReadOnly);
}

qint64 WavDataDevice::size() const {
    return m_size;
}

qint64 WavDataDevice::readData(char* data, qint64 maxSize) {
    const qint64 n = qMin(maxSize, m_size - pos());
    if (n <= 0)
        return pos() >= m_size ? -1 : 0;
    if (!m_file->seek(m_start + pos()))
        return -1;
    return m_file->read(data, n);
}
