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
