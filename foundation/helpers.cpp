#include "helpers.h"

#include "QsLog.h"

#include <openssl/evp.h>
#include <openssl/hmac.h>
#include <zlib.h>

#include <array>
#include <climits>

namespace {

// Reflected form of the CRC-64 polynomial 0xAD93D23594C935A9.
constexpr quint64 kCrc64PolyReflected = 0x95AC9329AC4BC9B5ULL;

const std::array<quint64, 256>& Crc64Table() {
    // Built once on first use; a function-local static is initialised thread-safely.
    static const std::array<quint64, 256> table = [] {
        std::array<quint64, 256> t{};
        for (quint64 i = 0; i < 256; ++i) {
            quint64 v = i;
            for (int bit = 0; bit < 8; ++bit)
                v = (v & 1) ? (v >> 1) ^ kCrc64PolyReflected : v >> 1;
            t[i] = v;
        }
        return t;
    }();
    return table;
}

// Largest output the compressors will build; keeps every size within QByteArray's int range.
constexpr qint64 kMaxCompressedSize = INT_MAX - 1024;

// Runs raw deflate (window bits -15) over the whole input in three calls: no flush, full flush, finish.
// The phone relies on the full flush's empty stored block before the final block. The output is
// written after `offset` bytes already in `out`; answers false (with a log line) on any failure.
bool DeflateInto(const char* caller, const QByteArray& data, int level, QByteArray& out, int offset) {
    if (level < -1 || level > 9)
        level = Z_DEFAULT_COMPRESSION;
    z_stream zs{};
    if (deflateInit2(&zs, level, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY) != Z_OK) {
        QLOG_ERROR() << caller << "deflate initialisation failed";
        return false;
    }
    // deflateBound covers one finishing call; the full flush adds an empty stored block and a block header.
    const qint64 bound = qint64(deflateBound(&zs, uLong(data.size()))) + 64;
    if (bound + offset > kMaxCompressedSize) {
        QLOG_WARN() << caller << "input too large:" << data.size();
        deflateEnd(&zs);
        return false;
    }
    out.resize(int(offset + bound));
    zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.constData()));
    zs.avail_in = uInt(data.size());
    zs.next_out = reinterpret_cast<Bytef*>(out.data()) + offset;
    zs.avail_out = uInt(bound);

    bool ok = true;
    for (int flush : {Z_NO_FLUSH, Z_FULL_FLUSH, Z_FINISH}) {
        for (;;) {
            const int ret = deflate(&zs, flush);
            if (ret == Z_STREAM_ERROR) {
                ok = false;
                break;
            }
            if (flush == Z_FINISH ? ret == Z_STREAM_END : zs.avail_out != 0)
                break;
            if (zs.avail_out != 0) { // finishing made no progress although there was room
                ok = false;
                break;
            }
            // Out of room (should not happen with the bound above): grow and call again with the same flush.
            const qint64 used = reinterpret_cast<char*>(zs.next_out) - out.constData();
            const qint64 grown = qMin<qint64>(qint64(out.size()) * 3 / 2 + 64, kMaxCompressedSize);
            if (grown <= out.size()) {
                ok = false;
                break;
            }
            out.resize(int(grown));
            zs.next_out = reinterpret_cast<Bytef*>(out.data()) + used;
            zs.avail_out = uInt(grown - used);
        }
        if (!ok)
            break;
    }
    const qint64 produced = qint64(zs.total_out);
    deflateEnd(&zs);
    if (!ok) {
        QLOG_ERROR() << caller << "deflate did not finish the stream";
        return false;
    }
    out.resize(int(offset + produced));
    return true;
}

void AppendLittleEndian32(QByteArray& out, quint32 v) {
    const char bytes[4] = {char(v & 0xFF), char((v >> 8) & 0xFF), char((v >> 16) & 0xFF), char((v >> 24) & 0xFF)};
    out.append(bytes, 4);
}

} // namespace

quint64 Crc64(const void* data, qint64 length, quint64 start) {
    const auto& table = Crc64Table();
    const auto* p = static_cast<const unsigned char*>(data);
    quint64 crc = start;
    for (qint64 i = 0; i < length; ++i)
        crc = table[(crc ^ p[i]) & 0xFF] ^ (crc >> 8);
    return crc;
}

quint64 DataHash(const void* data, qint64 length) {
    return Crc64(data, length, Crc64Start) & 0xFFFFFFFFFFULL;
}

quint64 StringHash(const QString& text) {
    if (text.isEmpty())
        return 0;
    // Hash the UTF-16 units as little-endian byte pairs whatever the host's byte order, so ids stay the same.
    const auto& table = Crc64Table();
    quint64 crc = Crc64Start;
    for (const QChar ch : text) {
        const ushort unit = ch.unicode();
        crc = table[(crc ^ (unit & 0xFF)) & 0xFF] ^ (crc >> 8);
        crc = table[(crc ^ (unit >> 8)) & 0xFF] ^ (crc >> 8);
    }
    return crc;
}

QByteArray GzipCompress(const QByteArray& data, int level) {
    if (data.isEmpty())
        return QByteArray();
    // Magic, deflate, no flags, no modification time, no extra flags, operating system 11.
    static const char header[10] = {'\x1F', '\x8B', '\x08', 0, 0, 0, 0, 0, 0, '\x0B'};
    QByteArray out(header, 10);
    if (!DeflateInto("GzipCompress:", data, level, out, 10))
        return QByteArray();
    const uLong crc = crc32(0L, reinterpret_cast<const Bytef*>(data.constData()), uInt(data.size()));
    AppendLittleEndian32(out, quint32(crc));
    AppendLittleEndian32(out, quint32(data.size()));
    return out;
}

QByteArray DeflateRaw(const QByteArray& data, int level) {
    if (data.isEmpty())
        return QByteArray();
    QByteArray out;
    if (!DeflateInto("DeflateRaw:", data, level, out, 0))
        return QByteArray();
    return out;
}

QString HmacSha1Base64(const QByteArray& message, const QString& key) {
    // The key is taken as 8-bit text; HMAC hashes keys longer than the 64-byte block itself.
    const QByteArray keyBytes = key.toLatin1();
    static const unsigned char empty[1] = {0};
    const unsigned char* keyData =
        keyBytes.isEmpty() ? empty : reinterpret_cast<const unsigned char*>(keyBytes.constData());
    const unsigned char* msgData =
        message.isEmpty() ? empty : reinterpret_cast<const unsigned char*>(message.constData());
    unsigned char mac[EVP_MAX_MD_SIZE];
    unsigned int macLength = 0;
    if (!HMAC(EVP_sha1(), keyData, keyBytes.size(), msgData, size_t(message.size()), mac, &macLength)) {
        QLOG_ERROR() << "HmacSha1Base64: HMAC failed";
        return QString();
    }
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(mac), int(macLength)).toBase64());
}
