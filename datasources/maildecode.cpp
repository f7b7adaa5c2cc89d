#include "datasources/maildecode.h"

#include "foundation/helpers.h"

#include <QRegularExpression>
#include <QTextCodec>

namespace {

// Longest preview text collected from a mail body before decoding.
constexpr int kMaxPreviewChars = 512;

int HexValue(QChar c) {
    const ushort u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

// Where an unquoted parameter value ends.
int ParamEnd(const QString& value) {
    for (int i = 0; i < value.size(); ++i)
        if (value.at(i) == QLatin1Char(';') || value.at(i).isSpace())
            return i;
    return -1;
}

bool HasWhiteSpace(const QString& text) {
    for (QChar c : text)
        if (c.isSpace())
            return true;
    return false;
}

bool IsBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

bool IsAllWhiteSpace(const QString& text) {
    for (QChar c : text)
        if (!c.isSpace())
            return false;
    return true;
}

// Headers may carry raw UTF-8 (RFC 6532); such a line is read as UTF-8 when its bytes are valid UTF-8.
QString ReadRawHeader(const QString& latin1Line) {
    bool eightBit = false;
    for (QChar c : latin1Line)
        if (c.unicode() >= 0x80) {
            eightBit = true;
            break;
        }
    if (!eightBit)
        return latin1Line;
    QTextCodec* utf8 = QTextCodec::codecForName("UTF-8");
    QTextCodec::ConverterState state;
    const QString text = utf8->toUnicode(latin1Line.toLatin1().constData(), latin1Line.size(), &state);
    return state.invalidChars == 0 && state.remainingChars == 0 ? text : latin1Line;
}

// One header line with its continuation lines appended (the leading blank or tab of each kept); idx is moved to
// the last line used.
QString UnfoldHeader(const QStringList& lines, int& idx) {
    QString line = lines.at(idx);
    while (idx + 1 < lines.size() && !lines.at(idx + 1).isEmpty() && IsBlank(lines.at(idx + 1).at(0))) {
        ++idx;
        line += lines.at(idx);
    }
    return DecodeEncodedWords(ReadRawHeader(line));
}

// Splits a decoded header line into name and value; false for a line without a usable separator.
bool SplitHeader(const QString& line, QString& name, QString& value) {
    int pos = line.indexOf(QLatin1Char(':'));
    if (pos < 1)
        pos = line.indexOf(QLatin1String("=\""));
    if (pos < 1)
        pos = line.indexOf(QLatin1Char('='));
    if (pos < 1)
        return false;
    name = line.left(pos).trimmed();
    value = line.mid(pos + 1).trimmed();
    return true;
}

bool NameIs(const QString& name, const char* wanted) {
    return name.compare(QLatin1String(wanted), Qt::CaseInsensitive) == 0;
}

qint64 MailDateMs(const QString& value) {
    QDateTime dt = ParseHttpDate(value.toLatin1());
    if (!dt.isValid())
        dt = ParseIsoDate(value);
    // An unreadable date counts as no date, so the mail is not listed at a made-up time.
    return dt.isValid() ? dt.toMSecsSinceEpoch() : 0;
}

QString StripHtml(QString text) {
    // Head, style and script blocks hold tags and '>' of their own, so they are matched up to their end tag.
    static const QRegularExpression head(QStringLiteral("<head[^>]*>.*?</head>"),
                                         QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression style(QStringLiteral("<style[^>]*>.*?</style>"),
                                          QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression script(QStringLiteral("<script[^>]*>.*?</script>"),
                                           QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    text.remove(head);
    text.remove(style);
    text.remove(script);
    text.remove(tag);
    text.replace(QLatin1String("&gt;"), QLatin1String(">"));
    text.replace(QLatin1String("&lt;"), QLatin1String("<"));
    text.replace(QLatin1String("&amp;"), QLatin1String("&"));
    text.replace(QLatin1String("&auml;"), QString(QChar(0xE4)));
    text.replace(QLatin1String("&ouml;"), QString(QChar(0xF6)));
    text.replace(QLatin1String("&uuml;"), QString(QChar(0xFC)));
    return text;
}

} // namespace

QString MimeBoundary(const QString& contentType) {
    if (!contentType.contains(QLatin1String("multipart"), Qt::CaseInsensitive))
        return QString();
    const int at = contentType.indexOf(QLatin1String("boundary="), 0, Qt::CaseInsensitive);
    if (at < 0)
        return QString();
    QString boundary = contentType.mid(at + 9).trimmed();
    if (boundary.startsWith(QLatin1Char('"'))) {
        const int close = boundary.indexOf(QLatin1Char('"'), 1);
        if (close > 0)
            boundary = boundary.mid(1, close - 1);
    } else {
        // An unquoted boundary ends at the next parameter.
        const int end = ParamEnd(boundary);
        if (end >= 0)
            boundary.truncate(end);
    }
    if (boundary.isEmpty())
        return QString();
    return (QLatin1String("--") + boundary).toLower();
}

QByteArray MimeCharset(const QString& contentType) {
    const int at = contentType.indexOf(QLatin1String("charset="), 0, Qt::CaseInsensitive);
    if (at < 0)
        return QByteArray();
    QString value = contentType.mid(at + 8).trimmed();
    if (value.startsWith(QLatin1Char('"'))) {
        const int close = value.indexOf(QLatin1Char('"'), 1);
        value = close > 0 ? value.mid(1, close - 1) : value.mid(1);
    } else {
        const int end = ParamEnd(value);
        if (end >= 0)
            value.truncate(end);
    }
    return value.trimmed().toLower().toLatin1();
}

QString DecodeCharset(const QByteArray& bytes, const QByteArray& charset) {
    if (charset.isEmpty())
        return QString::fromLatin1(bytes);
    if (charset.compare("utf-8", Qt::CaseInsensitive) == 0 || charset.compare("utf8", Qt::CaseInsensitive) == 0)
        return QString::fromUtf8(bytes);
    QTextCodec* codec = QTextCodec::codecForName(charset);
    return codec ? codec->toUnicode(bytes) : QString::fromLatin1(bytes);
}

QString DecodeQuotedPrintable(const QString& text, const QByteArray& charset) {
    QString src = text;
    src.remove(QLatin1String("=\r\n"));
    src.remove(QLatin1String("=\n"));
    QByteArray bytes;
    bytes.reserve(src.size());
    const int n = src.size();
    for (int i = 0; i < n; ++i) {
        const QChar c = src.at(i);
        if (c == QLatin1Char('=') && i + 2 < n) {
            const int hi = HexValue(src.at(i + 1));
            const int lo = HexValue(src.at(i + 2));
            // Anything but two hex digits is no escape: keep it, rather than turning it into a NUL.
            if (hi >= 0 && lo >= 0) {
                bytes.append(char(hi * 16 + lo));
                i += 2;
                continue;
            }
        }
        bytes.append(c.unicode() <= 0xFF ? char(c.unicode()) : '?');
    }
    return DecodeCharset(bytes, charset);
}

QString DecodeQuotedPrintable(const QString& text, bool utf8) {
    return DecodeQuotedPrintable(text, utf8 ? QByteArray("utf-8") : QByteArray());
}

QString DecodeEncodedWords(const QString& line) {
    QString out;
    int pos = 0;
    bool afterWord = false;
    const int n = line.size();
    while (pos < n) {
        const int start = line.indexOf(QLatin1String("=?"), pos);
        if (start < 0)
            break;
        const int q1 = line.indexOf(QLatin1Char('?'), start + 2);
        if (q1 < 0)
            break;
        if (q1 + 2 >= n || line.at(q1 + 2) != QLatin1Char('?')) {
            // "=?" that starts no encoded word: plain text.
            out += line.mid(pos, start + 2 - pos);
            pos = start + 2;
            afterWord = false;
            continue;
        }
        const int end = line.indexOf(QLatin1String("?="), q1 + 3);
        if (end < 0)
            break;
        QString charset = line.mid(start + 2, q1 - start - 2);
        const QChar enc = line.at(q1 + 1).toUpper();
        if (charset.isEmpty() || HasWhiteSpace(charset) || (enc != QLatin1Char('B') && enc != QLatin1Char('Q'))) {
            out += line.mid(pos, start + 2 - pos);
            pos = start + 2;
            afterWord = false;
            continue;
        }
        // RFC 2231 allows a language after the charset ("utf-8*de").
        const int star = charset.indexOf(QLatin1Char('*'));
        if (star >= 0)
            charset.truncate(star);
        const QString between = line.mid(pos, start - pos);
        // Only the white space between two encoded words is dropped; before plain text it stays.
        if (!(afterWord && IsAllWhiteSpace(between)))
            out += between;
        const QString payload = line.mid(q1 + 3, end - q1 - 3);
        if (enc == QLatin1Char('B')) {
            out += DecodeCharset(QByteArray::fromBase64(payload.toLatin1()), charset.toLatin1());
        } else {
            QString q = payload;
            q.replace(QLatin1Char('_'), QLatin1Char(' '));
            out += DecodeQuotedPrintable(q, charset.toLatin1());
        }
        pos = end + 2;
        afterWord = true;
    }
    out += line.mid(pos);
    return out;
}

namespace {

// What the mail's own headers tell.
struct MailHeaders {
    QString from, to, id, subject, contentType, transferEncoding;
    qint64 date = 0;
};

MailHeaders ReadMailHeaders(const QStringList& headerLines) {
    MailHeaders h;
    for (int i = 0; i < headerLines.size(); ++i) {
        if (headerLines.at(i).isEmpty())
            continue;
        const QString line = UnfoldHeader(headerLines, i);
        QString name, value;
        if (!SplitHeader(line, name, value))
            continue;
        if (NameIs(name, "Date"))
            h.date = MailDateMs(value);
        else if (NameIs(name, "From"))
            h.from = value;
        else if (NameIs(name, "To"))
            h.to = value;
        else if (NameIs(name, "Subject"))
            h.subject = value;
        else if (NameIs(name, "X-UIDL") || NameIs(name, "Message-ID"))
            h.id = value;
        else if (NameIs(name, "Content-Type"))
            h.contentType = value.toLower();
        else if (NameIs(name, "Content-Transfer-Encoding"))
            h.transferEncoding = value.toLower();
    }
    return h;
}

// The text to preview, still encoded: a single-part mail's first lines, or the first text part of a (possibly
// nested) multipart one. `contentType` and `transferEncoding` come in as the mail's and leave as the text's.
QString CollectPreviewText(const QStringList& bodyLines, QString& contentType, QString& transferEncoding) {
    QString boundary = MimeBoundary(contentType);
    const bool multipart = contentType.contains(QLatin1String("multipart")) && !boundary.isEmpty();
    int part = 0;
    bool inPartHeader = false;
    QString text;
    for (int i = 0; i < bodyLines.size(); ++i) {
        const QString& line = bodyLines.at(i);
        if (!inPartHeader) {
            if (multipart && line.toLower().startsWith(boundary)) {
                ++part;
                if (part < 2)
                    text.clear();
                else if (contentType.contains(QLatin1String("text")))
                    break;
                // Each part declares its own type and encoding; without them it is plain text.
                contentType = QStringLiteral("text/plain");
                transferEncoding.clear();
                inPartHeader = true;
                continue;
            }
            // Attachments and other non-text parts are skipped, not collected as preview text.
            if (multipart && part > 0 && !contentType.contains(QLatin1String("text")))
                continue;
            if (!text.isEmpty())
                text += QLatin1Char('\n');
            text += line;
            if (text.size() > kMaxPreviewChars)
                break;
        } else {
            if (line.isEmpty()) {
                inPartHeader = false;
                text.clear();
                continue;
            }
            const QString header = UnfoldHeader(bodyLines, i);
            QString name, value;
            if (!SplitHeader(header, name, value))
                continue;
            if (NameIs(name, "Content-Type")) {
                contentType = value.toLower();
                const QString inner = MimeBoundary(contentType);
                if (!inner.isEmpty()) {
                    boundary = inner;
                    part = 0;
                }
            } else if (NameIs(name, "Content-Transfer-Encoding")) {
                transferEncoding = value.toLower();
            }
        }
    }
    return text;
}

// The preview text decoded by its transfer encoding and character set, on one line, without HTML tags.
QString DecodePreviewText(QString text, const QString& contentType, QString transferEncoding) {
    const QByteArray charset = MimeCharset(contentType);
    const bool utf8 = charset == "utf-8" || charset == "utf8";
    if (!utf8 && transferEncoding.isEmpty() && text.contains(QLatin1Char('=')))
        transferEncoding = QStringLiteral("quoted-printable");
    if (transferEncoding == QLatin1String("quoted-printable")) {
        text = DecodeQuotedPrintable(text, charset);
    } else if (transferEncoding == QLatin1String("base64")) {
        QByteArray raw = text.toLatin1();
        raw = QByteArray::fromBase64(raw.replace('\n', "").replace('\r', "").replace(' ', ""));
        text = DecodeCharset(raw, charset);
    } else {
        text = DecodeCharset(text.toLatin1(), charset);
    }
    text = text.simplified();
    if (contentType.contains(QLatin1String("text/html")))
        text = StripHtml(text);
    return text;
}

// The sender as shown: the display name before the address, when there is one.
QString SenderName(const QString& from) {
    const int lt = from.indexOf(QLatin1Char('<'));
    if (lt >= 0) {
        const QString display = from.left(lt).trimmed();
        if (!display.isEmpty())
            return display;
    }
    return from;
}

} // namespace

QVariantMap DecodeMail(const QStringList& headerLines, const QStringList& bodyLines, int index, int count) {
    if (headerLines.isEmpty() || bodyLines.isEmpty())
        return QVariantMap();
    MailHeaders h = ReadMailHeaders(headerLines);
    const QString text = CollectPreviewText(bodyLines, h.contentType, h.transferEncoding);

    QVariantMap mail;
    mail.insert(QStringLiteral("From"), SenderName(h.from));
    mail.insert(QStringLiteral("To"), h.to);
    mail.insert(QStringLiteral("Id"), h.id);
    mail.insert(QStringLiteral("Subject"), h.subject);
    mail.insert(QStringLiteral("Text"), DecodePreviewText(text, h.contentType, h.transferEncoding));
    mail.insert(QStringLiteral("Date"), h.date);
    mail.insert(QStringLiteral("_idx"), index);
    mail.insert(QStringLiteral("_cnt"), count);
    return mail;
}
