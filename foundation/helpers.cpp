#include "foundation/helpers.h"

#include "foundation/logger/QsLog.h"

#include <openssl/evp.h>
#include <openssl/hmac.h>
#include <zlib.h>

#include <QFile>
#include <QLocale>
#include <QTime>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <cctype>
#include <climits>
#include <cstring>

namespace {

// Reflected form of the CRC-64 polynomial 0xAD93D23594C935A9.
constexpr quint64 kCrc64PolyReflected = 0x95AC9329AC4BC9B5ULL;

using Crc64Tables = std::array<std::array<quint64, 256>, 8>;

// Table k gives the effect of a byte followed by k zero bytes, so eight bytes are folded in at once
// (slicing-by-8); table 0 is the classic byte table. Built once on first use, thread-safely.
const Crc64Tables& Crc64SliceTables() {
    static const Crc64Tables tables = [] {
        Crc64Tables t{};
        for (quint64 i = 0; i < 256; ++i) {
            quint64 v = i;
            for (int bit = 0; bit < 8; ++bit)
                v = (v & 1) ? (v >> 1) ^ kCrc64PolyReflected : v >> 1;
            t[0][i] = v;
        }
        for (int k = 1; k < 8; ++k)
            for (int i = 0; i < 256; ++i)
                t[k][i] = (t[k - 1][i] >> 8) ^ t[0][t[k - 1][i] & 0xFF];
        return t;
    }();
    return tables;
}

const std::array<quint64, 256>& Crc64Table() {
    return Crc64SliceTables()[0];
}

// Largest output the compressors will build; keeps every size within QByteArray's int range.
constexpr qint64 kMaxCompressedSize = INT_MAX - 1024;

// Runs raw deflate (window bits -15) over the whole input in three calls: no flush, full flush, finish.
// The full flush leaves an empty stored block before the final block, as phones have always received. The
// output is written after `offset` bytes already in `out`; answers false (with a log line) on any failure.
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

// Reads the items of a C-library scan format the way sscanf would, but never overflows: a number of more
// than nine digits ends the scan like a mismatch does.
class ScanCursor {
public:
    ScanCursor(const char* data, int size) : m_p(data), m_end(data + qstrnlen(data, uint(size))) {}

    void SkipSpace() {
        while (m_p < m_end && std::isspace(uchar(*m_p)))
            ++m_p;
    }
    // "%Ns": up to max non-blank characters; out must hold max + 1.
    bool Word(char* out, int max) {
        SkipSpace();
        int n = 0;
        while (m_p < m_end && n < max && !std::isspace(uchar(*m_p)))
            out[n++] = *m_p++;
        out[n] = 0;
        return n > 0;
    }
    // "%d".
    bool Number(int& value) {
        SkipSpace();
        const char* p = m_p;
        bool negative = false;
        if (p < m_end && (*p == '+' || *p == '-'))
            negative = *p++ == '-';
        int digits = 0;
        qint64 v = 0;
        while (p < m_end && *p >= '0' && *p <= '9') {
            if (++digits > 9)
                return false;
            v = v * 10 + (*p++ - '0');
        }
        if (digits == 0)
            return false;
        value = int(negative ? -v : v);
        m_p = p;
        return true;
    }
    bool Literal(char c) {
        if (m_p < m_end && *m_p == c) {
            ++m_p;
            return true;
        }
        return false;
    }

private:
    const char* m_p;
    const char* m_end;
};

// Month number from the first letters of its English short name; 0 when unknown.
int MonthFromName(const char* m) {
    switch (m[0]) {
    case 'J':
        if (m[1] == 'a')
            return 1;
        if (m[1] == 'u')
            return m[2] == 'n' ? 6 : m[2] == 'l' ? 7 : 0;
        return 0;
    case 'F':
        return 2;
    case 'M':
        return m[2] == 'r' ? 3 : m[2] == 'y' ? 5 : 0;
    case 'A':
        return m[1] == 'p' ? 4 : m[1] == 'u' ? 8 : 0;
    case 'S':
        return 9;
    case 'O':
        return 10;
    case 'N':
        return 11;
    case 'D':
        return 12;
    default:
        return 0;
    }
}

// "Sun, 06 Nov 1994 08:49:37 GMT" or with a numeric zone ("+0100") in place of GMT.
QDateTime ParseRfc1123(const QByteArray& value) {
    ScanCursor in(value.constData(), value.size());
    char skipped[4] = {}, monthName[4] = {};
    int day = 0, year = 0, hour = 0, minute = 0, second = 0, zone = 0;
    // The items counted as sscanf would count them for "%*3s, %d %3s %d %d:%d:%d %d".
    const int items = [&]() {
        if (!in.Word(skipped, 3) || !in.Literal(',') || !in.Number(day))
            return 0;
        if (!in.Word(monthName, 3))
            return 1;
        if (!in.Number(year))
            return 2;
        if (!in.Number(hour))
            return 3;
        if (!in.Literal(':') || !in.Number(minute))
            return 4;
        if (!in.Literal(':') || !in.Number(second))
            return 5;
        return in.Number(zone) ? 7 : 6;
    }();
    if (items < 6)
        return QDateTime();
    const QTime time(hour, minute, second);
    if (!time.isValid()) // an out-of-range time would otherwise quietly read as midnight
        return QDateTime();
    QDateTime result(QDate(year, MonthFromName(monthName), day), time, Qt::UTC);
    if (items == 7 && result.isValid()) {
        const int z = qAbs(zone);
        const qint64 offset = qint64(z / 100) * 3600 + qint64(z % 100) * 60;
        result = result.addSecs(zone > 0 ? -offset : offset);
    }
    return result;
}

// "Sunday, 06-Nov-94 08:49:37 GMT". A two-digit year is the year with those last two digits that does not
// lie more than 50 years after now (RFC 7231, 7.1.1.1): "94" read in 2025 is 1994, "30" is 2030.
QDateTime ParseRfc850(const QByteArray& value, const QDateTime& now) {
    const int comma = value.indexOf(',');
    const QByteArray rest = value.mid(comma + 1);
    ScanCursor in(rest.constData(), rest.size());
    int day = 0, yy = 0, hour = 0, minute = 0, second = 0;
    char monthName[4] = {};
    in.SkipSpace();
    if (!in.Number(day) || !in.Literal('-'))
        return QDateTime();
    // The month is three letters, then the dash: "No-94" does not read.
    if (!in.Word(monthName, 3) || !in.Literal('-') || !in.Number(yy) || yy < 0 || yy > 99)
        return QDateTime();
    if (!in.Number(hour) || !in.Literal(':') || !in.Number(minute) || !in.Literal(':') || !in.Number(second))
        return QDateTime();
    const QTime time(hour, minute, second);
    const int month = MonthFromName(monthName);
    if (!time.isValid() || month == 0 || day < 1 || day > 31)
        return QDateTime();
    const QDateTime nowUtc = now.toUTC();
    const int century = nowUtc.date().year() - nowUtc.date().year() % 100;
    for (int year : {century + 100 + yy, century + yy, century - 100 + yy}) {
        const QDateTime candidate(QDate(year, month, day), time, Qt::UTC);
        // Checked per year: 29-Feb exists in some of the candidate centuries only.
        if (candidate.isValid() && candidate <= nowUtc.addYears(50))
            return candidate;
    }
    return QDateTime();
}

int HexDigit(QChar c) {
    const ushort u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    return 0; // the text is lower-cased already; anything else counts as 0
}

// Largest file ReadWholeFile will hold in memory.
constexpr qint64 kMaxWholeFileSize = qint64(1) << 30;

} // namespace

quint64 Crc64(const void* data, qint64 length, quint64 start) {
    const Crc64Tables& t = Crc64SliceTables();
    const auto* p = static_cast<const unsigned char*>(data);
    quint64 crc = start;
    // Eight bytes per step: images are hashed whenever they change, so this runs at memory speed.
    for (; length >= 8; length -= 8, p += 8) {
        quint64 word;
        std::memcpy(&word, p, 8);
        crc ^= qFromLittleEndian(word);
        crc = t[7][crc & 0xFF] ^ t[6][(crc >> 8) & 0xFF] ^ t[5][(crc >> 16) & 0xFF] ^ t[4][(crc >> 24) & 0xFF] ^
              t[3][(crc >> 32) & 0xFF] ^ t[2][(crc >> 40) & 0xFF] ^ t[1][(crc >> 48) & 0xFF] ^ t[0][crc >> 56];
    }
    for (; length > 0; --length, ++p)
        crc = t[0][(crc ^ *p) & 0xFF] ^ (crc >> 8);
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

QDateTime ParseHttpDate(const QByteArray& value) {
    return ParseHttpDate(value, QDateTime::currentDateTimeUtc());
}

QDateTime ParseHttpDate(const QByteArray& value, const QDateTime& now) {
    const int comma = value.indexOf(',');
    QDateTime result;
    if (comma < 0) // asctime: "Sun Nov  6 08:49:37 1994"
        result = QDateTime::fromString(QString::fromLatin1(value.constData(), value.size()), Qt::TextDate);
    else if (comma != 3) // RFC 850: "Sunday, 06-Nov-94 08:49:37 GMT"
        result = ParseRfc850(value, now);
    else
        result = ParseRfc1123(value);
    if (result.isValid())
        result.setTimeSpec(Qt::UTC);
    return result;
}

QDateTime ParseIsoDate(const QString& text) {
    const QDate date = QDate::fromString(text.left(10), Qt::ISODate);
    if (text.size() == 10)
        return QDateTime(date, QTime(0, 0), Qt::LocalTime);

    QString rest = text.mid(11);
    bool utc = false;
    if (rest.endsWith(QLatin1Char('Z'))) {
        rest.chop(1);
        utc = true;
    }
    int zoneAt = -1;
    for (int i = 0; i < rest.size() && zoneAt < 0; ++i)
        if (rest[i] == QLatin1Char('+') || rest[i] == QLatin1Char('-'))
            zoneAt = i;
    if (zoneAt < 0)
        return QDateTime(date, QTime::fromString(rest, Qt::ISODate), utc ? Qt::UTC : Qt::LocalTime);

    // The zone reads as "+hh:mm", "+hhmm" or "+hh".
    const QString zone = rest.mid(zoneAt);
    const QStringRef minutesText = zone.midRef(zone.size() > 3 && zone[3] == QLatin1Char(':') ? 4 : 3, 2);
    bool hoursOk = false, minutesOk = true;
    const int hours = zone.midRef(1, 2).toInt(&hoursOk);
    const int minutes = minutesText.isEmpty() ? 0 : minutesText.toInt(&minutesOk);
    const QTime zoneTime(hoursOk ? hours : -1, minutesOk ? minutes : -1);
    if (!zoneTime.isValid()) // an unreadable zone must not shift the time by a made-up amount
        return QDateTime();
    int offset = (zoneTime.hour() * 60 + zoneTime.minute()) * 60;
    if (zone.startsWith(QLatin1Char('-')))
        offset = -offset;
    return QDateTime(date, QTime::fromString(rest.left(zoneAt), Qt::ISODate), Qt::OffsetFromUTC, offset);
}

QString ColorToText(const QColor& color) {
    if (color.alpha() == 255)
        return QString::asprintf("#%02x%02x%02x", color.red(), color.green(), color.blue());
    return QString::asprintf("#%02x%02x%02x%02x", color.alpha(), color.red(), color.green(), color.blue());
}

QColor ColorFromText(const QString& text) {
    const QString t = text.trimmed().toLower();
    if (t.isEmpty())
        return QColor(255, 255, 255, 255);
    if (t.startsWith(QLatin1Char('#'))) {
        const QString h = t.mid(1);
        const auto d = [&h](int i) { return HexDigit(h[i]); };
        const auto pair = [&d](int i) { return d(i) * 16 + d(i + 1); };
        const int n = h.size();
        if (n >= 8)
            return QColor(pair(2), pair(4), pair(6), pair(0));
        if (n >= 6)
            return QColor(pair(0), pair(2), pair(4), 255);
        if (n >= 4)
            return QColor(d(1) * 17, d(2) * 17, d(3) * 17, d(0) * 17);
        if (n == 3)
            return QColor(d(0) * 17, d(1) * 17, d(2) * 17, 255);
        return QColor(0, 0, 0, 255);
    }
    if (t == QLatin1String("mervex"))
        return QColor(0x65, 0xC3, 0xF7, 0xFF);
    QColor named;
    named.setNamedColor(text);
    return named;
}

QByteArray ReadWholeFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    const qint64 size = file.size();
    if (size > kMaxWholeFileSize) {
        QLOG_WARN() << "ReadWholeFile: file too large:" << path << size;
        return QByteArray();
    }
    QByteArray out;
    out.reserve(int(size));
    // Read in pieces: pipes and /proc files report no size, so the bound is checked as the data comes.
    char buffer[65536];
    for (;;) {
        const qint64 n = file.read(buffer, sizeof buffer);
        if (n == 0)
            break;
        if (n < 0) {
            QLOG_WARN() << "ReadWholeFile: read failed:" << path << file.errorString();
            return QByteArray();
        }
        if (out.size() + n > kMaxWholeFileSize) {
            QLOG_WARN() << "ReadWholeFile: file too large:" << path;
            return QByteArray();
        }
        out.append(buffer, int(n));
    }
    return out;
}

QStringList SplitEscaped(const QString& text, const QString& separator, Qt::SplitBehavior behavior,
                         Qt::CaseSensitivity cs) {
    const QStringList parts = text.split(separator, behavior, cs);
    const QLatin1String doubleBackslash("\\\\");
    QStringList out;
    out.reserve(parts.size());
    // One pass, appending to the piece being built: a text of many escaped separators stays linear.
    for (int i = 0; i < parts.size();) {
        QString piece = parts.at(i++);
        // A piece that ends escaped takes the separator and the next part, and is then looked at again.
        while (piece.endsWith(QLatin1Char('\\')) && !piece.endsWith(doubleBackslash)) {
            piece.chop(1);
            if (i >= parts.size())
                break;
            piece += separator;
            piece += parts.at(i++);
        }
        out.append(piece);
    }
    return out;
}

void SortLocaleAware(QStringList& list) {
    // A merge sort stays in bounds even if the locale's collation were not a strict order.
    std::stable_sort(list.begin(), list.end(),
                     [](const QString& a, const QString& b) { return QString::localeAwareCompare(a, b) < 0; });
}
