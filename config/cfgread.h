#pragma once
// Value conversions shared by the record readers: absent keys give empty values, and lists or maps never pass
// for a text.

#include <QVariant>

#include <cmath>

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

// The text as a number: 0 when empty or not a number, "nan" and "inf" included.
inline double Number(const QString& text) {
    const double v = text.toDouble();
    return std::isfinite(v) ? v : 0.0;
}

// The variant as a number; a value that is not finite gives 0.
inline double Real(const QVariant& v) {
    const double d = v.toDouble();
    return std::isfinite(d) ? d : 0.0;
}

// A coordinate: its text as a number (0 when empty or not a number), negated when written with a decimal
// point, which marks a fraction of the parent's size.
inline double Coord(const QString& text) {
    const double v = Number(text);
    return text.contains(QLatin1Char('.')) ? -v : v;
}

// Coordinates and sizes are held within this, so that a position plus a size still fits an int.
constexpr int MaxCoord = 0x3fffffff;

// Truncated toward zero and held to +-MaxCoord (a NaN gives 0), so that no input makes the conversion, or
// the rectangle built from it, overflow.
inline int TruncInt(double v) {
    if (!(v == v))
        return 0;
    if (v >= double(MaxCoord))
        return MaxCoord;
    if (v <= double(-MaxCoord))
        return -MaxCoord;
    return static_cast<int>(v);
}

} // namespace CfgRead
