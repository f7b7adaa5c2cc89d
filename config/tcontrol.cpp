#include "config/tcontrol.h"

#include "config/cfgread.h"

namespace {
// "min,max" or a single number for both; min at least 1, max never below min.
void ReadSizePair(const QString& text, int& min, int& max) {
    const int comma = text.indexOf(QLatin1Char(','));
    const QString a = comma < 0 ? text : text.left(comma);
    const QString b = comma < 0 ? text : text.mid(comma + 1);
    min = a.toInt(nullptr, 10);
    max = b.toInt(nullptr, 10);
    if (min < 1)
        min = 1;
    if (max < min)
        max = min;
}
} // namespace

void DataCfg::TControl::Read(const QVariantMap& map) {
    TBase::Read(map);
    Skins = map.value(QStringLiteral("Skins")).toStringList();
    Functions = map.value(QStringLiteral("Functions")).toStringList();
    SkinIdx = map.value(QStringLiteral("SkinIdx")).toInt();
    ExtParams = map.value(QStringLiteral("ExtParams")).toMap();
    int w = 0, mw = 0, h = 0, mh = 0;
    ReadSizePair(CfgRead::Text(map.value(QStringLiteral("Width"))), w, mw);
    ReadSizePair(CfgRead::Text(map.value(QStringLiteral("Height"))), h, mh);
    Size = QSize(w, h);
    MaxSize = QSize(mw, mh);
    // A copy of an inherited control arrives expanded; its own new sub-configurations still need expanding
    // (options expanded before are of type CO_None by now and stay as they are).
    Config.Expanded = false;
    Config.Read(map.value(QStringLiteral("Config")).toMap());
}
