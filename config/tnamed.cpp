#include "config/tnamed.h"

#include "config/cfgread.h"
#include "foundation/logger/QsLog.h"

#include <QCoreApplication>
#include <QMetaEnum>

namespace {
// Used on the main thread only, as every reader is.
qint32 g_creationCounter = 1;

bool FindEnum(const QString& enumName, QMetaEnum& out) {
    const QMetaObject& mo = DataCfg::staticMetaObject;
    const QByteArray name = enumName.toLatin1();
    for (int i = 0; i < mo.enumeratorCount(); ++i) {
        const QMetaEnum e = mo.enumerator(i);
        if (name == e.name()) {
            out = e;
            return true;
        }
    }
    return false;
}
} // namespace

qint32 DataCfg::TNamed::TakeId() {
    return g_creationCounter++;
}

void DataCfg::TNamed::NewId() {
    id = TakeId();
}

void DataCfg::TNamed::Read(const QVariantMap& map) {
    id = TakeId();
    // The loader hands over a copy of the inherited record; an empty Name means it found none.
    if (map.contains(QStringLiteral("Inherit")) && Name.isEmpty()) {
        QLOG_DEBUG() << "Inherit not found:" << CfgRead::Text(map.value(QStringLiteral("Inherit")));
    }
    const auto it = map.constFind(QStringLiteral("Name"));
    Name = it != map.constEnd() ? CfgRead::Text(it.value()) : QStringLiteral("Unknown");
}

QVariantMap DataCfg::TNamed::Write() const {
    QVariantMap m;
    if (Name != QLatin1String("Unknown"))
        m.insert(QStringLiteral("Name"), Name);
    return m;
}

QString DataCfg::TNamed::GetKey() const {
    return Set.isEmpty() ? Name : Set + QLatin1Char(':') + Name;
}

void DataCfg::TBase::Read(const QVariantMap& map) {
    TNamed::Read(map);
    auto text = [&map](const char* key) { return CfgRead::Text(map.value(QLatin1String(key))); };
    OnInit = text("OnInit");
    OnPostInit = text("OnPostInit");
    OnTick = text("OnTick");
    OnUpdate = text("OnUpdate");
    OnMousePress = text("OnMousePress");
    OnMouseMove = text("OnMouseMove");
    OnMouseRelease = text("OnMouseRelease");
    OnMouseClick = text("OnMouseClick");
    OnMouseDoubleClick = text("OnMouseDoubleClick");
    OnMouseWheel = text("OnMouseWheel");
    OnMessage = text("OnMessage");
    OnReturn = text("OnReturn");
}

void SplitFullName(QString& fullName, QString& set) {
    const int i = fullName.indexOf(QLatin1Char(':'));
    if (i < 0)
        return;
    set = fullName.left(i);
    fullName = fullName.mid(i + 1);
}

QString MakeFullName(const QString& name, const QString& set) {
    if (name.isEmpty() || name.contains(QLatin1Char(':')))
        return name;
    return set + QLatin1Char(':') + name;
}

QString TranslateAtName(const QString& text) {
    if (!text.startsWith(QLatin1Char('@')))
        return text;
    const QByteArray source = text.mid(1).toUtf8();
    return QCoreApplication::translate("Mervex", source.constData());
}

QString TranslatePath(const QString& text) {
    QStringList parts = text.split(QLatin1Char('/'));
    for (QString& p : parts)
        p = TranslateAtName(p.trimmed());
    return parts.join(QStringLiteral(" / "));
}

int EnumFromText(const QString& enumName, const QString& prefix, const QString& text) {
    QMetaEnum e;
    if (!FindEnum(enumName, e)) {
        QLOG_DEBUG() << "Unknown Enum Type:" << enumName << text;
        return -1;
    }
    if (text.isEmpty())
        return e.value(0);
    const QByteArray key = (prefix + text).toLatin1();
    for (int i = 0; i < e.keyCount(); ++i) {
        if (key == e.key(i))
            return e.value(i);
    }
    QLOG_DEBUG() << "Unknown Enum Value:" << enumName << text;
    return -1;
}

QString EnumToText(const QString& enumName, const QString& prefix, int value) {
    QMetaEnum e;
    if (!FindEnum(enumName, e)) {
        QLOG_DEBUG() << "Unknown Enum Type:" << enumName << value;
        return QString();
    }
    for (int i = 0; i < e.keyCount(); ++i) {
        if (e.value(i) == value)
            return QString::fromLatin1(e.key(i)).mid(prefix.size());
    }
    QLOG_DEBUG() << "Unknown Enum Value:" << enumName << value;
    return QString();
}

QVariantMap MergeVariantMaps(QVariantMap base, QVariantMap overlay, QStringList skip) {
    QVariantMap result = base;
    for (auto it = overlay.constBegin(); it != overlay.constEnd(); ++it) {
        if (skip.contains(it.key()))
            continue;
        const QVariant& v = it.value();
        if (v.userType() == QMetaType::QVariantMap) {
            const QVariant old = result.value(it.key());
            const QVariantMap oldMap = old.userType() == QMetaType::QVariantMap ? old.toMap() : QVariantMap();
            result.insert(it.key(), MergeVariantMaps(oldMap, v.toMap(), skip));
        } else {
            result.insert(it.key(), v);
        }
    }
    return result;
}

QString FuncNameOf(const QString& text) {
    const int i = text.indexOf(QLatin1Char('('));
    return i < 0 ? text : text.left(i);
}

QVariantList ParseCallArgs(const QString& text) {
    QVariantList result;
    const int i = text.indexOf(QLatin1Char('('));
    if (i < 0)
        return result;
    const int j = text.indexOf(QLatin1Char(')'), i);
    if (j < 0)
        return result;
    const QStringList parts = text.mid(i + 1, j - i - 1).split(QLatin1Char(','));
    for (const QString& p : parts)
        result << p;
    return result;
}
