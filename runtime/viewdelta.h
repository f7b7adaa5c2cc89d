#pragma once
// The change rule of the records sent to the phone: a key is written only when its value differs from
// what the phone holds under that key or, when it holds nothing there, from the key's default.

#include <QString>
#include <QVariant>
#include <QVariantMap>

namespace ViewDelta {

// Compares two record values the way the phone sees them: numbers by value whatever their width, a
// number against a text by its text form, lists and maps element by element (a rectangle as its list
// [x, y, w, h]); the invalid value equals only itself.
bool Same(const QVariant& a, const QVariant& b);

// Writes out[key] = value when it differs from previous[key] or, with no such key, from def. previous is
// never changed. True when written.
bool Write(const QVariantMap& previous, QVariantMap& out, const QString& key, const QVariant& value,
           const QVariant& def);

} // namespace ViewDelta
