#include "foundation/json.h"

#include "foundation/cryptstring.h"
#include "foundation/logger/QsLog.h"

#include <QRect>
#include <QRectF>
#include <charconv>
#include <cmath>
#include <cstring>
#include <string>

namespace {

// ---------------------------------------------------------------------------------------------------------
// Reader. It works on the UTF-16 units of the text through plain pointers; every step checks the end.

using Unit = ushort;

enum JsonToken {
    TokNone = 0,
    TokObjectOpen = 1,
    TokObjectClose = 2,
    TokListOpen = 3,
    TokListClose = 4,
    TokColon = 5,
    TokComma = 6,
    TokString = 7,
    TokNumber = 8,
    TokTrue = 9,
    TokFalse = 10,
    TokNull = 11,
    TokVerbatim = 12,
    TokCrypt = 13,
};

struct JsonReader {
    const Unit* begin;
    const Unit* end;
    const Unit* pos;
    bool failed = false;
    bool sawCrypt = false;
    int depth = 0;
    QString error;
    // Recent object keys by hash: configuration files repeat the same few keys thousands of times, and
    // sharing one text per key saves an allocation for every member.
    static const int KeyCacheSize = 256;
    static const int KeyCacheMaxLength = 32;
    QString keyCache[KeyCacheSize];
};

struct TokenAt {
    JsonToken token;
    const Unit* start; // first character of the token (after whitespace and comments)
    const Unit* after; // just past the token
};

inline bool IsKeyChar(Unit c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

inline bool IsNumberChar(Unit c) {
    return (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.' || c == 'e' || c == 'E';
}

const Unit* JsonSkipWhitespace(const Unit* p, const Unit* end) {
    bool inLine = false;
    bool inBlock = false;
    while (p < end) {
        const Unit c = *p;
        if (c == ' ' || c == '\t') {
            ++p;
        } else if (c == '\n' || c == '\r') {
            inLine = false;
            ++p;
        } else if (c == '/' && p + 1 < end && p[1] == '/' && !inBlock) {
            inLine = true;
            p += 2;
        } else if (c == '/' && p + 1 < end && p[1] == '*' && !inLine) {
            inBlock = true;
            p += 2;
        } else if (c == '*' && p + 1 < end && p[1] == '/' && inBlock) {
            inBlock = false;
            inLine = false;
            p += 2;
        } else if (inLine || inBlock) {
            ++p;
        } else {
            break;
        }
    }
    return p;
}

inline bool HasWord(const Unit* p, const Unit* end, const char* word, int len) {
    if (end - p < len)
        return false;
    for (int i = 0; i < len; ++i)
        if (p[i] != Unit(word[i]))
            return false;
    return true;
}

// Looks at the next token from p without consuming it.
TokenAt JsonNextToken(const Unit* p, const Unit* end) {
    p = JsonSkipWhitespace(p, end);
    TokenAt t{TokNone, p, p};
    if (p >= end)
        return t;
    const Unit c = *p;
    switch (c) {
    case '{':
        t.token = TokObjectOpen;
        break;
    case '}':
        t.token = TokObjectClose;
        break;
    case '[':
        t.token = TokListOpen;
        break;
    case ']':
        t.token = TokListClose;
        break;
    case ':':
        t.token = TokColon;
        break;
    case ',':
        t.token = TokComma;
        break;
    case '"':
        t.token = TokString;
        break;
    case '-':
    case '0':
    case '1':
    case '2':
    case '3':
    case '4':
    case '5':
    case '6':
    case '7':
    case '8':
    case '9':
        t.token = TokNumber;
        break;
    default:
        if (HasWord(p, end, "@\"", 2)) {
            t.token = TokVerbatim;
            t.after = p + 2;
        } else if (HasWord(p, end, "!\"", 2)) {
            t.token = TokCrypt;
            t.after = p + 2;
        } else if (HasWord(p, end, "true", 4)) {
            t.token = TokTrue;
            t.after = p + 4;
        } else if (HasWord(p, end, "false", 5)) {
            t.token = TokFalse;
            t.after = p + 5;
        } else if (HasWord(p, end, "null", 4)) {
            t.token = TokNull;
            t.after = p + 4;
        }
        return t;
    }
    t.after = p + 1;
    return t;
}

QString CharText(const TokenAt& t, const Unit* end) {
    return t.start < end ? QString(QChar(*t.start)) : QString();
}

void JsonErrorAt(JsonReader& r, const Unit* pos, const QString& message) {
    int line = 1;
    const Unit* lineStart = r.begin;
    for (const Unit* p = r.begin; p < pos; ++p) {
        if (*p == '\n') {
            ++line;
            lineStart = p + 1;
        }
    }
    const int column = int(pos - lineStart) + 1;
    r.error = QStringLiteral("(%1:%2) %3").arg(line).arg(column).arg(message);
    r.failed = true;
}

// Encrypted strings take escapes as quoted ones do: a stored text that does not decrypt is written back escaped
// and must read back as it was.
enum class StringKind { Quoted, Verbatim, Encrypted, UnquotedKey };

inline QString MakeString(const Unit* s, const Unit* e) {
    return QString(reinterpret_cast<const QChar*>(s), int(e - s));
}

QString MakeKey(JsonReader& r, const Unit* s, const Unit* e) {
    const int n = int(e - s);
    if (n > JsonReader::KeyCacheMaxLength)
        return MakeString(s, e);
    uint h = 2166136261u;
    for (const Unit* p = s; p < e; ++p)
        h = (h ^ *p) * 16777619u;
    QString& slot = r.keyCache[(h ^ (h >> 16)) & (JsonReader::KeyCacheSize - 1)];
    if (slot.size() != n || memcmp(slot.constData(), s, size_t(n) * sizeof(Unit)) != 0)
        slot = MakeString(s, e);
    return slot;
}

int HexDigit(Unit c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Reads a string whose token starts at start. False (with the error set) when the text ends inside it.
bool JsonParseString(JsonReader& r, const Unit* start, StringKind kind, QString& out, bool isKey = false) {
    const Unit* end = r.end;
    const Unit* p = start;
    if (kind == StringKind::UnquotedKey) {
        while (p < end && IsKeyChar(*p))
            ++p;
        out = MakeKey(r, start, p);
        r.pos = p;
        return true;
    }
    p += kind == StringKind::Quoted ? 1 : 2;
    const Unit* s = p;
    if (kind == StringKind::Verbatim) {
        while (p < end && *p != '"')
            ++p;
        if (p >= end) {
            JsonErrorAt(r, end, QStringLiteral("parsestring.incomplete:") + MakeString(s, end));
            return false;
        }
        out = MakeString(s, p);
        r.pos = p + 1;
        return true;
    }

    while (p < end && *p != '"' && *p != '\\')
        ++p;
    if (p < end && *p == '"') {
        out = isKey ? MakeKey(r, s, p) : MakeString(s, p);
        r.pos = p + 1;
        return true;
    }
    // Escapes: build the text in pieces, copying the plain runs between them whole.
    QString buf;
    buf.reserve(int(p - s) + 16);
    buf.append(reinterpret_cast<const QChar*>(s), int(p - s));
    while (p < end) {
        if (*p == '"') {
            out = buf;
            r.pos = p + 1;
            return true;
        }
        // *p is a backslash here
        ++p;
        if (p >= end)
            break;
        const Unit c = *p++;
        switch (c) {
        case '"':
        case '\\':
        case '/':
            buf.append(QChar(c));
            break;
        case 'b':
            buf.append(QChar('\b'));
            break;
        case 'f':
            buf.append(QChar('\f'));
            break;
        case 'n':
            buf.append(QChar('\n'));
            break;
        case 'r':
            buf.append(QChar('\r'));
            break;
        case 't':
            buf.append(QChar('\t'));
            break;
        case 'u': {
            if (end - p < 4) {
                p = end;
                break;
            }
            int v = 0;
            for (int i = 0; i < 4; ++i) {
                const int d = HexDigit(p[i]);
                if (d < 0) {
                    v = 0;
                    break;
                }
                v = v * 16 + d;
            }
            buf.append(QChar(ushort(v)));
            p += 4;
            break;
        }
        default:
            break; // an unknown escape drops both characters
        }
        const Unit* run = p;
        while (p < end && *p != '"' && *p != '\\')
            ++p;
        buf.append(reinterpret_cast<const QChar*>(run), int(p - run));
    }
    JsonErrorAt(r, end, QStringLiteral("parsestring.incomplete:") + buf);
    return false;
}

// Digits only (after an optional minus sign handled by the caller) into a magnitude; false when the text
// holds anything else or is empty; overflow set when the value does not fit in 64 bits.
bool ParseMagnitude(const Unit* s, const Unit* e, quint64& value, bool& overflow) {
    value = 0;
    overflow = false;
    if (s == e)
        return false;
    for (const Unit* p = s; p < e; ++p) {
        const Unit c = *p;
        if (c < '0' || c > '9')
            return false;
        const quint64 d = c - '0';
        if (value > (~quint64(0) - d) / 10)
            overflow = true;
        else
            value = value * 10 + d;
    }
    return true;
}

double ToDouble(const Unit* s, const Unit* e, bool& ok) {
    // The run holds only ASCII characters, so narrowing is exact.
    const int n = int(e - s);
    char small[64];
    std::string large;
    char* buf = small;
    if (n >= int(sizeof small)) {
        large.resize(size_t(n));
        buf = &large[0];
    }
    for (int i = 0; i < n; ++i)
        buf[i] = char(s[i]);
    double v = 0;
    // Out of range (1e999) counts as a failed conversion like any other malformed number.
    const auto res = std::from_chars(buf, buf + n, v);
    ok = res.ec == std::errc() && res.ptr == buf + n;
    return ok ? v : 0.0;
}

// Integers without '.' or exponent are kept exact as qint64 (negative) or quint64; a value too large for
// 64 bits reads as double; a malformed number reads as 0.
QVariant JsonParseNumber(JsonReader& r, const Unit* start) {
    const Unit* p = start;
    bool isDouble = false;
    while (p < r.end && IsNumberChar(*p)) {
        if (*p == '.' || *p == 'e' || *p == 'E')
            isDouble = true;
        ++p;
    }
    r.pos = p;
    bool ok = false;
    if (isDouble)
        return QVariant(ToDouble(start, p, ok));
    quint64 mag = 0;
    bool overflow = false;
    if (*start == '-') {
        if (!ParseMagnitude(start + 1, p, mag, overflow))
            return QVariant(qint64(0));
        if (overflow || mag > quint64(1) << 63)
            return QVariant(ToDouble(start, p, ok));
        return QVariant(qint64(0 - mag));
    }
    if (!ParseMagnitude(start, p, mag, overflow))
        return QVariant(quint64(0));
    if (overflow)
        return QVariant(ToDouble(start, p, ok));
    return QVariant(quint64(mag));
}

QVariant JsonParseValue(JsonReader& r);

QVariant JsonParseObject(JsonReader& r) {
    QVariantMap map;
    ++r.depth;
    QString key;
    for (;;) {
        const TokenAt t = JsonNextToken(r.pos, r.end);
        if (t.token == TokComma) {
            r.pos = t.after;
            continue;
        }
        if (t.token == TokObjectClose) {
            r.pos = t.after;
            break;
        }
        if (t.token == TokString) {
            if (!JsonParseString(r, t.start, StringKind::Quoted, key, true))
                break;
        } else if (t.token == TokNone && t.start < r.end && IsKeyChar(*t.start)) {
            JsonParseString(r, t.start, StringKind::UnquotedKey, key);
        } else {
            JsonErrorAt(r, r.pos, QStringLiteral("parseobject.invtoken:") + CharText(t, r.end));
            break;
        }
        const TokenAt colon = JsonNextToken(r.pos, r.end);
        if (colon.token != TokColon) {
            JsonErrorAt(r, r.pos, QStringLiteral("parseobject.expected.colon"));
            break;
        }
        r.pos = colon.after;
        QVariant value = JsonParseValue(r);
        if (r.failed)
            break;
        // Files written by this program hold their keys in order; appending at the end is then cheap.
        if (!map.isEmpty() && (map.constEnd() - 1).key() < key)
            map.insert(map.constEnd(), key, value);
        else
            map.insert(key, value);
    }
    --r.depth;
    return map;
}

QVariant JsonParseArray(JsonReader& r) {
    QVariantList list;
    ++r.depth;
    for (;;) {
        const TokenAt t = JsonNextToken(r.pos, r.end);
        if (t.token == TokComma) {
            r.pos = t.after;
            continue;
        }
        if (t.token == TokListClose) {
            r.pos = t.after;
            break;
        }
        if (t.token == TokNone) {
            JsonErrorAt(r, r.pos, QStringLiteral("parseerror.invtoken:") + CharText(t, r.end));
            list.clear();
            break;
        }
        list.append(JsonParseValue(r));
        if (r.failed) {
            list.clear();
            break;
        }
    }
    --r.depth;
    return list;
}

QVariant JsonParseValue(JsonReader& r) {
    const TokenAt t = JsonNextToken(r.pos, r.end);
    switch (t.token) {
    case TokObjectOpen:
    case TokListOpen:
        if (r.depth >= JsonMaxDepth) {
            JsonErrorAt(r, r.pos, QStringLiteral("parsevalue.depth:") + CharText(t, r.end));
            return QVariant();
        }
        r.pos = t.after;
        return t.token == TokObjectOpen ? JsonParseObject(r) : JsonParseArray(r);
    case TokString:
    case TokVerbatim:
    case TokCrypt: {
        QString s;
        const StringKind kind = t.token == TokString     ? StringKind::Quoted
                                : t.token == TokVerbatim ? StringKind::Verbatim
                                                         : StringKind::Encrypted;
        if (!JsonParseString(r, t.start, kind, s))
            return QVariant();
        if (t.token == TokCrypt) {
            r.sawCrypt = true;
            return QVariant::fromValue(CryptString(s));
        }
        return QVariant(s);
    }
    case TokNumber:
        return JsonParseNumber(r, t.start);
    case TokTrue:
        r.pos = t.after;
        return QVariant(true);
    case TokFalse:
        r.pos = t.after;
        return QVariant(false);
    case TokNull:
        r.pos = t.after;
        return QVariant();
    default:
        JsonErrorAt(r, r.pos, QStringLiteral("parsevalue.notokens:") + CharText(t, r.end));
        return QVariant();
    }
}

// ---------------------------------------------------------------------------------------------------------
// Writer. Everything is appended to one buffer; the layout is that of the joined pieces the format is
// defined by.

const QString kSerializeUnknown = QStringLiteral("serialize.unknowntype");

inline char EscapeOf(uchar c) {
    switch (c) {
    case '\\':
        return '\\';
    case '"':
        return '"';
    case '\b':
        return 'b';
    case '\f':
        return 'f';
    case '\n':
        return 'n';
    case '\r':
        return 'r';
    case '\t':
        return 't';
    default:
        return 0;
    }
}

char* AppendUnicodeEscape(char* d, uint c) {
    static const char hex[] = "0123456789abcdef";
    *d++ = '\\';
    *d++ = 'u';
    *d++ = hex[(c >> 12) & 15];
    *d++ = hex[(c >> 8) & 15];
    *d++ = hex[(c >> 4) & 15];
    *d++ = hex[c & 15];
    return d;
}

// c is a control character, a double quote or a backslash.
char* AppendEscapedAscii(char* d, uchar c) {
    const char e = EscapeOf(c);
    if (!e)
        return AppendUnicodeEscape(d, c); // a raw NUL would cut the text short in most readers
    *d++ = '\\';
    *d++ = e;
    return d;
}

// The writers below grow the buffer for the worst case (six bytes a unit) first and trim it after, so
// their loops write through a plain pointer.

// Long texts are written in blocks, so the room made for the worst case stays small.
const int kEscapeBlock = 1 << 16;

void AppendEscaped(QByteArray& out, const QString& s) {
    const ushort* u = reinterpret_cast<const ushort*>(s.constData());
    const int n = s.size();
    out.append('"');
    int i = 0;
    while (i < n) {
        const int blockEnd = qMin(n, i + kEscapeBlock);
        const int old = out.size();
        out.resize(old + 6 * (blockEnd - i) + 6); // a surrogate pair may cross the block's end
        char* d = out.data() + old;
        for (; i < blockEnd; ++i) {
            const uint c = u[i];
            if (c < 0x80) {
                if (c < 0x20 || c == '"' || c == '\\')
                    d = AppendEscapedAscii(d, uchar(c));
                else
                    *d++ = char(c);
            } else if (c < 0x800) {
                *d++ = char(0xC0 | (c >> 6));
                *d++ = char(0x80 | (c & 0x3F));
            } else if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(u[i + 1])) {
                const uint cp = QChar::surrogateToUcs4(ushort(c), u[++i]);
                *d++ = char(0xF0 | (cp >> 18));
                *d++ = char(0x80 | ((cp >> 12) & 0x3F));
                *d++ = char(0x80 | ((cp >> 6) & 0x3F));
                *d++ = char(0x80 | (cp & 0x3F));
            } else if (QChar::isSurrogate(c)) {
                // A lone surrogate half has no UTF-8 form; the escape keeps it exactly.
                d = AppendUnicodeEscape(d, c);
            } else {
                *d++ = char(0xE0 | (c >> 12));
                *d++ = char(0x80 | ((c >> 6) & 0x3F));
                *d++ = char(0x80 | (c & 0x3F));
            }
        }
        out.resize(int(d - out.constData()));
    }
    out.append('"');
}

// Bytes go out as they are (UTF-8 stays UTF-8), with the same escapes.
void AppendEscapedBytes(QByteArray& out, const QByteArray& b) {
    const int n = b.size();
    out.append('"');
    int i = 0;
    while (i < n) {
        const int blockEnd = qMin(n, i + kEscapeBlock);
        const int old = out.size();
        out.resize(old + 6 * (blockEnd - i));
        char* d = out.data() + old;
        for (; i < blockEnd; ++i) {
            const uchar c = uchar(b[i]);
            if (c < 0x20 || c == '"' || c == '\\')
                d = AppendEscapedAscii(d, c);
            else
                *d++ = char(c);
        }
        out.resize(int(d - out.constData()));
    }
    out.append('"');
}

void AppendSigned(QByteArray& out, qint64 v) {
    char buf[24];
    const auto res = std::to_chars(buf, buf + sizeof buf, v);
    out.append(buf, int(res.ptr - buf));
}

void AppendUnsigned(QByteArray& out, quint64 v) {
    char buf[24];
    const auto res = std::to_chars(buf, buf + sizeof buf, v);
    out.append(buf, int(res.ptr - buf));
}

// The text of QByteArray::number(d, 'g', 20), made with the much faster std::to_chars. The two differ
// only where the exact value lies halfway between two 20-digit texts (to_chars rounds to even, the
// toolkit up); such a value shows 21 significant digits ending in 5, and is left to the toolkit.
int FormatDouble20(char* buf, double d) {
    char probe[64];
    const auto p = std::to_chars(probe, probe + sizeof probe, d, std::chars_format::general, 21);
    int digits = 0;
    char last = 0;
    for (const char* c = probe; c < p.ptr && *c != 'e'; ++c) {
        if (*c >= '0' && *c <= '9' && (digits > 0 || *c != '0')) {
            ++digits;
            last = *c;
        }
    }
    if (digits == 21 && last == '5') {
        const QByteArray s = QByteArray::number(d, 'g', 20);
        memcpy(buf, s.constData(), size_t(s.size()));
        return s.size();
    }
    const auto r = std::to_chars(buf, buf + 63, d, std::chars_format::general, 20);
    return int(r.ptr - buf);
}

void AppendDouble(QByteArray& out, double d) {
    if (!std::isfinite(d)) {
        // "nan" or "inf" would make the whole file unreadable.
        QLOG_WARN() << "JsonWriteValue: a number that is not finite is written as null:" << d;
        out.append("null", 4);
        return;
    }
    if (d == 0 && std::signbit(d)) {
        out.append("-0.0", 4); // the toolkit drops the sign of zero
        return;
    }
    char buf[64];
    const int n = FormatDouble20(buf, d);
    out.append(buf, n);
    // A whole number keeps a point so that it reads back as a double, not as an integer.
    for (int i = 0; i < n; ++i)
        if (buf[i] == '.' || buf[i] == 'e')
            return;
    out.append(".0", 2);
}

void AppendRectNumber(QByteArray& out, qreal v) {
    if (!std::isfinite(v)) {
        QLOG_WARN() << "JsonWriteValue: a rectangle value that is not finite is written as null:" << v;
        out.append("null", 4);
        return;
    }
    out.append(QByteArray::number(v, 'g', 6));
}

// Keys the reader takes without quotes: key characters only, not starting like a number or a keyword.
bool KeyNeedsNoQuotes(const QString& key) {
    const int n = key.size();
    if (n == 0)
        return false;
    const ushort* u = reinterpret_cast<const ushort*>(key.constData());
    for (int i = 0; i < n; ++i)
        if (!IsKeyChar(u[i]))
            return false;
    if (u[0] >= '0' && u[0] <= '9')
        return false;
    return !(key.startsWith(QLatin1String("true")) || key.startsWith(QLatin1String("false")) ||
             key.startsWith(QLatin1String("null")));
}

inline void AppendTabs(QByteArray& out, int n) {
    if (n > 0)
        out.append(n, '\t');
}

bool WriteValue(QByteArray& out, const QVariant& v, int level, bool compact, bool prefix, QString& error);

bool WriteMap(QByteArray& out, const QVariantMap& map, int level, bool compact, bool prefix, QString& error) {
    bool first = true;
    if (compact) {
        out.append('{');
        for (auto it = map.constBegin(); it != map.constEnd(); ++it) {
            if (!first)
                out.append(',');
            first = false;
            AppendEscaped(out, it.key());
            out.append(':');
            if (!WriteValue(out, it.value(), 0, true, false, error)) {
                error.prepend(QLatin1String("serialize.map.1:"));
                return false;
            }
        }
        out.append('}');
        return true;
    }
    if (prefix)
        AppendTabs(out, level);
    out.append("{\n", 2);
    for (auto it = map.constBegin(); it != map.constEnd(); ++it) {
        if (!first)
            out.append(",\n", 2);
        first = false;
        AppendTabs(out, level + 1);
        if (KeyNeedsNoQuotes(it.key()))
            out.append(it.key().toLatin1()); // key characters only
        else
            AppendEscaped(out, it.key());
        out.append(':');
        if (!WriteValue(out, it.value(), level + 1, false, false, error)) {
            error.prepend(QLatin1String("serialize.map.1:"));
            return false;
        }
    }
    out.append('\n');
    AppendTabs(out, level);
    out.append('}');
    return true;
}

bool AllStrings(const QVariantList& list) {
    for (const QVariant& e : list)
        if (e.userType() != QMetaType::QString)
            return false;
    return true;
}

bool AllStrings(const QStringList&) {
    return true;
}

inline const QString& StringOf(const QString& s) {
    return s;
}

inline const QString& StringOf(const QVariant& v) {
    return *static_cast<const QString*>(v.constData());
}

inline const QVariant& AsVariant(const QVariant& v) {
    return v;
}

inline QVariant AsVariant(const QString& s) {
    return QVariant(s);
}

template <typename List> bool WriteList(QByteArray& out, const List& list, int level, bool compact, QString& error) {
    bool first = true;
    if (compact) {
        out.append('[');
        for (const auto& e : list) {
            if (!first)
                out.append(',');
            first = false;
            if (!WriteValue(out, AsVariant(e), 0, true, false, error)) {
                error.prepend(QLatin1String("serialize.list.1:"));
                return false;
            }
        }
        out.append(']');
        return true;
    }
    if (AllStrings(list)) {
        // Short lists of texts stay on one line.
        const int mark = out.size();
        out.append('[');
        for (const auto& e : list) {
            if (!first)
                out.append(',');
            first = false;
            AppendEscaped(out, StringOf(e));
        }
        if (out.size() - mark - 1 <= 80) {
            out.append(']');
            return true;
        }
        out.truncate(mark);
        out.append("[\n", 2);
        first = true;
        for (const auto& e : list) {
            if (!first)
                out.append(",\n", 2);
            first = false;
            AppendTabs(out, level + 1);
            AppendEscaped(out, StringOf(e));
        }
        out.append('\n');
        AppendTabs(out, level);
        out.append(']');
        return true;
    }
    out.append("[\n", 2);
    for (const auto& e : list) {
        if (!first)
            out.append(",\n", 2);
        first = false;
        if (!WriteValue(out, AsVariant(e), level + 1, false, true, error)) {
            error.prepend(QLatin1String("serialize.list.1:"));
            return false;
        }
    }
    out.append('\n');
    AppendTabs(out, level);
    out.append(']');
    return true;
}

// Types the format has no form of: what converts to an integer goes out as digits, what converts to text
// as a string, anything else is an error.
bool WriteOther(QByteArray& out, const QVariant& v, QString& error) {
    QVariant c = v;
    if (c.convert(QMetaType::LongLong)) {
        AppendSigned(out, c.toLongLong());
        return true;
    }
    c = v;
    if (c.convert(QMetaType::Int)) {
        AppendSigned(out, c.toInt());
        return true;
    }
    c = v;
    if (c.convert(QMetaType::QString)) {
        AppendEscaped(out, c.toString());
        return true;
    }
    error = kSerializeUnknown;
    return false;
}

bool WriteValue(QByteArray& out, const QVariant& v, int level, bool compact, bool prefix, QString& error) {
    const int type = v.userType();
    switch (type) {
    case QMetaType::UnknownType:
        out.append("null", 4);
        return true;
    case QMetaType::Bool:
        if (v.toBool())
            out.append("true", 4);
        else
            out.append("false", 5);
        return true;
    case QMetaType::ULongLong:
        AppendUnsigned(out, *static_cast<const qulonglong*>(v.constData()));
        return true;
    case QMetaType::LongLong:
        AppendSigned(out, *static_cast<const qlonglong*>(v.constData()));
        return true;
    case QMetaType::Int:
        AppendSigned(out, *static_cast<const int*>(v.constData()));
        return true;
    case QMetaType::UInt:
        AppendUnsigned(out, *static_cast<const uint*>(v.constData()));
        return true;
    case QMetaType::Double:
        AppendDouble(out, *static_cast<const double*>(v.constData()));
        return true;
    case QMetaType::Float:
        AppendDouble(out, double(*static_cast<const float*>(v.constData())));
        return true;
    case QMetaType::QString:
        AppendEscaped(out, *static_cast<const QString*>(v.constData()));
        return true;
    case QMetaType::QByteArray:
        AppendEscapedBytes(out, *static_cast<const QByteArray*>(v.constData()));
        return true;
    case QMetaType::QVariantMap:
        return WriteMap(out, *static_cast<const QVariantMap*>(v.constData()), level, compact, prefix, error);
    case QMetaType::QVariantList:
        return WriteList(out, *static_cast<const QVariantList*>(v.constData()), level, compact, error);
    case QMetaType::QStringList:
        return WriteList(out, *static_cast<const QStringList*>(v.constData()), level, compact, error);
    case QMetaType::QRect: {
        const QRect r = v.toRect();
        out.append('[');
        AppendSigned(out, r.x());
        out.append(',');
        AppendSigned(out, r.y());
        out.append(',');
        AppendSigned(out, r.width());
        out.append(',');
        AppendSigned(out, r.height());
        out.append(']');
        return true;
    }
    case QMetaType::QRectF: {
        const QRectF r = v.toRectF();
        out.append('[');
        AppendRectNumber(out, r.x());
        out.append(',');
        AppendRectNumber(out, r.y());
        out.append(',');
        AppendRectNumber(out, r.width());
        out.append(',');
        AppendRectNumber(out, r.height());
        out.append(']');
        return true;
    }
    default:
        break;
    }
    if (type == CryptStringTypeId()) {
        const CryptString* c = static_cast<const CryptString*>(v.constData());
        out.append('!');
        // A text that did not decrypt is written as read, escaped like every other text.
        AppendEscaped(out, c->Text);
        return true;
    }
    return WriteOther(out, v, error);
}

} // namespace

QVariant JsonParseText(const QString& text, QString& error) {
    error.clear();
    if (text.isNull())
        return QVariant();
    InstallCryptStringConversion();

    JsonReader r;
    r.begin = reinterpret_cast<const ushort*>(text.constData());
    r.end = r.begin + text.size();
    r.pos = r.begin;
    QVariant value = JsonParseValue(r);
    if (r.failed)
        error = r.error;
    if (r.sawCrypt)
        JsonCryptStrings(value, QString(), true);
    return value;
}

QVariant JsonParse(const QString& text) {
    QString error;
    return JsonParseText(text, error);
}

QByteArray JsonWriteValue(const QVariant& value, QString& error, int indent) {
    error.clear();
    QByteArray out;
    bool ok;
    if (indent == JsonCompact)
        ok = WriteValue(out, value, 0, true, false, error);
    else if (indent >= 0)
        ok = WriteValue(out, value, indent, false, indent > 0, error);
    else
        ok = WriteValue(out, value, -indent, false, false, error);
    if (!ok)
        return QByteArray();
    return out;
}

QByteArray JsonSerialize(const QVariant& value, QString& error, int indent) {
    QVariant copy = value;
    JsonCryptStrings(copy, QString(), false);
    return JsonWriteValue(copy, error, indent);
}

QByteArray JsonSerializeCompact(const QVariant& value) {
    QString error;
    return JsonSerialize(value, error, JsonCompact);
}

QByteArray JsonEscapeString(const QString& value) {
    QByteArray out;
    AppendEscaped(out, value);
    return out;
}

QByteArray JoinBytes(const QList<QByteArray>& parts, const QByteArray& separator) {
    QByteArray out;
    for (int i = 0; i < parts.size(); ++i) {
        if (i)
            out.append(separator);
        out.append(parts[i]);
    }
    return out;
}
