#pragma once
// Value conversions shared by the record readers: absent keys give empty values, and lists or maps never pass
// for a text.

#include <QVariant>

namespace CfgRead {

// The variant's text; a list or a map gives an empty text.
inline QString Text(const QVariant& v) {
    switch (v.userType()) {
    case QMetaType::QVariantList:
    case QMetaType::QVariantMap:
    case QMetaType::QVariantHash:
    case QMetaType::QStringList:
        return QString();
    default:
        return v.toString();
    }
}

// A coordinate: its text as a number (0 when empty or not a number), negated when written with a decimal
// point, which marks a fraction of the parent's size.
inline double Coord(const QString& text) {
    const double v = text.toDouble();
    return text.contains(QLatin1Char('.')) ? -v : v;
}

} // namespace CfgRead
