#pragma once
// Stateless helpers shared across the program: content hashes, the phone server's compressors, HMAC,
// date and colour texts, and a few string and file utilities.

#include <QByteArray>
#include <QColor>
#include <QDateTime>
#include <QString>
#include <QStringList>

// The start value every caller of Crc64 uses.
constexpr quint64 Crc64Start = 0xFFFFFFFFFFFFFFFFULL;

// Reflected CRC-64 (polynomial 0xAD93D23594C935A9), no final inversion. Chain calls by passing the
// previous result as the start value.
quint64 Crc64(const void* data, qint64 length, quint64 start = Crc64Start);

// 40-bit content id of a byte block (the upper 24 bits are always 0); names image data in the caches.
quint64 DataHash(const void* data, qint64 length);

// 64-bit id of a text over its UTF-16 code units (little-endian); 0 for an empty text.
quint64 StringHash(const QString& text);

// One gzip member of the data at the given zlib level (-1..9, anything else means the default).
// Empty data, or a compressor failure, gives an empty array.
QByteArray GzipCompress(const QByteArray& data, int level);

// A raw deflate stream (no header or trailer) of the data; empty data or a failure gives an empty array.
QByteArray DeflateRaw(const QByteArray& data, int level);

// HMAC-SHA1 of the message under the key's Latin-1 bytes, as standard base64 (28 characters).
QString HmacSha1Base64(const QByteArray& message, const QString& key);

// An HTTP date header value in any of its three forms (RFC 1123, RFC 850, asctime). A valid result is UTC.
QDateTime ParseHttpDate(const QByteArray& value);
// The same, with the moment that decides the century of a two-digit RFC 850 year.
QDateTime ParseHttpDate(const QByteArray& value, const QDateTime& now);

// An ISO 8601 date or date-time with an optional "Z" or numeric zone.
QDateTime ParseIsoDate(const QString& text);

// "#rrggbb" for an opaque colour, else "#aarrggbb" (lower-case).
QString ColorToText(const QColor& color);

// The inverse of ColorToText, also reading "#argb", "#rgb", "mervex" and the toolkit's colour names.
// Unknown names give an invalid colour.
QColor ColorFromText(const QString& text);

// All bytes of a file; empty when it cannot be opened (or is too large to hold).
QByteArray ReadWholeFile(const QString& path);

// QString::split where a backslash directly before a separator keeps that separator in the piece.
QStringList SplitEscaped(const QString& text, const QString& separator, Qt::SplitBehavior behavior = Qt::KeepEmptyParts,
                         Qt::CaseSensitivity cs = Qt::CaseSensitive);

// Sorts in place by the user's locale (QString::localeAwareCompare).
void SortLocaleAware(QStringList& list);
