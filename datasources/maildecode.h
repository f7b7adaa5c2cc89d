#pragma once
// Decoding of the header and text lines of one fetched mail into the short preview the e-mail source shows:
// RFC 2047 encoded words, quoted-printable, base64, charsets and (nested) multipart bodies.
//
// Every input text holds the bytes as they came from the server, one character per byte (Latin-1).

#include <QString>
#include <QStringList>
#include <QVariantMap>

// The line prefix ("--" and the boundary, lower case) of a multipart Content-Type value, or an empty text when
// the value is no multipart type or names no boundary.
QString MimeBoundary(const QString& contentType);

// Quoted-printable decoding: soft line breaks are removed and every "=XY" with two hexadecimal digits becomes
// that byte; anything else after "=" is kept as it is. The bytes are then read in the given charset (an empty
// or unknown charset: Latin-1).
QString DecodeQuotedPrintable(const QString& text, const QByteArray& charset = QByteArray());
// The UTF-8 form used by the mail text: utf8 true reads the bytes as UTF-8.
QString DecodeQuotedPrintable(const QString& text, bool utf8);

// A header line with every RFC 2047 encoded word ("=?charset?B|Q?text?=") decoded. White space between two
// adjacent encoded words is dropped; decoded text is never scanned again.
QString DecodeEncodedWords(const QString& line);

// The bytes of a text read in a charset named by a mail ("utf-8", "iso-8859-15", "windows-1252", ...); an empty
// or unknown name reads them as Latin-1.
QString DecodeCharset(const QByteArray& bytes, const QByteArray& charset);

// The charset parameter of a Content-Type value, lower case and without quotes; empty when there is none.
QByteArray MimeCharset(const QString& contentType);

// The mail map of one mail ("From", "To", "Id", "Subject", "Text", "Date", "_idx", "_cnt"), or an empty map
// when either list is empty.
QVariantMap DecodeMail(const QStringList& headerLines, const QStringList& bodyLines, int index, int count);
