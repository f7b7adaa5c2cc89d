#pragma once
// The program's JSON dialect, used for every configuration file and every message to and from the phone.
// Values are the variant tree: QVariantMap, QVariantList, QString, numbers (double, qint64, quint64), bool,
// and the invalid variant for null.
//
// Beyond standard JSON the reader takes unquoted object keys ([0-9A-Za-z_], not starting like a number or
// a keyword), // and /* */ comments, verbatim strings @"C:\path" (backslashes kept), encrypted strings
// !"base64" (CryptString values, see cryptstring.h), and missing, doubled or trailing commas.
//
// Errors are texts, "(line:column) code:offending text", with the codes
//   parsevalue.notokens:<c>  parsevalue.depth:<c>  parseobject.invtoken:<c>  parseobject.expected.colon
//   parseerror.invtoken:<c>  parsestring.incomplete:<text so far>
// and, from the writer, "serialize.unknowntype" prefixed by one "serialize.map.1:" or "serialize.list.1:"
// per enclosing map or list.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVariant>

// Maps and lists may nest this deep; deeper input is refused with "parsevalue.depth:" (it comes from
// files and from the network, and the reader recurses).
const int JsonMaxDepth = 512;

// Indent of the one-line layout; 0 gives the tab-indented layout of files.
const int JsonCompact = -10000;

// Reads the first value of text (text after it is ignored) and decrypts its CryptString values. error is
// emptied first and set on failure; the value is then what was read up to the error (a partial map, an
// empty list), so callers test the error, not the value. A null text gives the invalid variant, no error.
QVariant JsonParseText(const QString& text, QString& error);
QVariant JsonParse(const QString& text);

// Encrypts a copy of value's CryptString values and writes it. Indent 0 gives the indented layout,
// JsonCompact the one-line layout. A null result (and a non-empty error) means the tree held a value that
// cannot be written; do not write the result anywhere then.
QByteArray JsonSerialize(const QVariant& value, QString& error, int indent = 0);
QByteArray JsonSerializeCompact(const QVariant& value);

// The writer itself, without the encryption pass (CryptString text goes out as it is held).
// A positive indent n starts a map with n tabs; a negative one other than JsonCompact means level -n
// without that prefix.
QByteArray JsonWriteValue(const QVariant& value, QString& error, int indent);

// value's UTF-8 between double quotes, with backslash, double quote, backspace, form feed, line feed,
// carriage return and tab escaped; nothing else is changed.
QByteArray JsonEscapeString(const QString& value);

// The parts joined by the separator.
QByteArray JoinBytes(const QList<QByteArray>& parts, const QByteArray& separator);
