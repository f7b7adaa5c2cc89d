#pragma once
// Compact JSON for everything the server sends to the phone.

#include <QByteArray>
#include <QVariant>

namespace NetJson {
// Compact text without line breaks; empty on failure (logged).
QByteArray Compact(const QVariant& value);
} // namespace NetJson
