#include "config/tfunction.h"

#include "config/cfgread.h"

void DataCfg::TFunction::Read(const QVariantMap& map) {
    TNamed::Read(map);
    for (const QVariant& entry : map.value(QStringLiteral("Outputs")).toList()) {
        Outputs.append(TFuncOutput());
        Outputs.last().Read(entry.toMap());
    }
    const auto it = map.constFind(QStringLiteral("Inputs"));
    if (it != map.constEnd())
        Inputs = it.value().toList();
}

void DataCfg::TFuncOutput::Read(const QVariantMap& map) {
    TNamed::Read(map);
    Type = EnumFromText(QStringLiteral("OutputType"), QStringLiteral("OT_"),
                        CfgRead::Text(map.value(QStringLiteral("Type"))));
    RangeMin = 0.0;
    RangeMax = 1000000.0;
    Resolution = 0.0;
    const auto it = map.constFind(QStringLiteral("Resolution"));
    if (it != map.constEnd())
        Resolution = CfgRead::Real(it.value());
    if (Type == DataCfg::OT_Percent) {
        RangeMin = 0.0;
        RangeMax = 1.0;
    }
    const QString range = CfgRead::Text(map.value(QStringLiteral("Range")));
    if (!range.isEmpty()) {
        const int i = range.indexOf(QLatin1Char(','));
        RangeMin = CfgRead::Number(range.left(qMax(i, 0)));
        RangeMax = CfgRead::Number(range.mid(i + 1));
    }
}
