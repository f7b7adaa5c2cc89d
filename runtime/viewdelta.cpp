#include "runtime/viewdelta.h"

#include <QRect>
#include <QRectF>
#include <QVariantList>

namespace {

bool IsNumber(const QVariant& v) {
    switch (static_cast<int>(v.type())) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::Bool:
        return true;
    default:
        return false;
    }
}

bool IsIntegral(const QVariant& v) {
    return IsNumber(v) && v.type() != QVariant::Double && static_cast<int>(v.type()) != QMetaType::Float;
}

QString NumberText(const QVariant& v) {
    if (v.type() == QVariant::Bool)
        return v.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    // Integers as digits, doubles in their shortest exact form.
    return v.toString();
}

// Rectangles travel as [x, y, w, h]; compare them in that form.
QVariant Normal(const QVariant& v) {
    if (v.type() == QVariant::Rect) {
        const QRect r = v.toRect();
        return QVariantList{r.x(), r.y(), r.width(), r.height()};
    }
    if (v.type() == QVariant::RectF) {
        const QRectF r = v.toRectF();
        return QVariantList{r.x(), r.y(), r.width(), r.height()};
    }
    if (v.type() == QVariant::StringList)
        return v.toList();
    return v;
}

} // namespace

bool ViewDelta::Same(const QVariant& a0, const QVariant& b0) {
    if (!a0.isValid() || !b0.isValid())
        return a0.isValid() == b0.isValid();
    // Most records compare a value with one of its own kind; those need no conversion.
    if (a0.userType() == b0.userType()) {
        switch (a0.userType()) {
        case QMetaType::Int:
            return *static_cast<const int*>(a0.constData()) == *static_cast<const int*>(b0.constData());
        case QMetaType::Double:
            return *static_cast<const double*>(a0.constData()) == *static_cast<const double*>(b0.constData());
        case QMetaType::QString:
            return *static_cast<const QString*>(a0.constData()) == *static_cast<const QString*>(b0.constData());
        case QMetaType::QRect:
            return *static_cast<const QRect*>(a0.constData()) == *static_cast<const QRect*>(b0.constData());
        default:
            break;
        }
    }
    const QVariant a = Normal(a0), b = Normal(b0);
    const bool an = IsNumber(a), bn = IsNumber(b);
    if (an && bn) {
        if (IsIntegral(a) && IsIntegral(b)) {
            // Both fit one of the two 64-bit forms unless signs differ.
            const bool au = a.type() == QVariant::ULongLong, bu = b.type() == QVariant::ULongLong;
            if (au || bu) {
                if ((!au && a.toLongLong() < 0) || (!bu && b.toLongLong() < 0))
                    return false;
                return a.toULongLong() == b.toULongLong();
            }
            return a.toLongLong() == b.toLongLong();
        }
        return a.toDouble() == b.toDouble();
    }
    if (an && b.type() == QVariant::String)
        return NumberText(a) == b.toString();
    if (bn && a.type() == QVariant::String)
        return NumberText(b) == a.toString();
    if (a.type() == QVariant::List && b.type() == QVariant::List) {
        const QVariantList la = a.toList(), lb = b.toList();
        if (la.size() != lb.size())
            return false;
        for (int i = 0; i < la.size(); ++i) {
            if (!Same(la[i], lb[i]))
                return false;
        }
        return true;
    }
    if (a.type() == QVariant::Map && b.type() == QVariant::Map) {
        const QVariantMap ma = a.toMap(), mb = b.toMap();
        if (ma.size() != mb.size())
            return false;
        for (auto it = ma.constBegin(); it != ma.constEnd(); ++it) {
            const auto jt = mb.constFind(it.key());
            if (jt == mb.constEnd() || !Same(it.value(), jt.value()))
                return false;
        }
        return true;
    }
    return a == b;
}

bool ViewDelta::Write(const QVariantMap& previous, QVariantMap& out, const QString& key, const QVariant& value,
                      const QVariant& def) {
    const auto it = previous.constFind(key);
    if (it == previous.constEnd()) {
        if (Same(value, def))
            return false;
    } else if (Same(it.value(), value)) {
        return false;
    }
    out.insert(key, value);
    return true;
}
