#include "config/tskin.h"

void DataCfg::TSkin::Read(const QVariantMap& map) {
    TBase::Read(map);
    Size = QSize(map.value(QStringLiteral("Width")).toInt(), map.value(QStringLiteral("Height")).toInt());
    for (const QVariant& entry : map.value(QStringLiteral("Layouts")).toList()) {
        Layouts.append(TLayout());
        TLayout& layout = Layouts.last();
        layout.Read(entry.toMap());
        layout.Set = Set;
    }
}

void DataCfg::TSkin::ApplyOverrides(const QVariantMap& overrides) {
    for (auto it = overrides.constBegin(); it != overrides.constEnd(); ++it) {
        const QVariantMap values = it.value().toMap();
        const auto text = values.constFind(QStringLiteral("Text"));
        if (text == values.constEnd())
            continue;
        for (TLayout& layout : Layouts) {
            if (layout.Name == it.key())
                layout.Text = text.value().toString();
        }
    }
}
