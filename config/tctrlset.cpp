#include "config/tctrlset.h"

#include "config/cfgread.h"

void DataCfg::TCtrlRef::Read(const QVariantMap& map) {
    TNamed::Read(map);
    Control = CfgRead::Text(map.value(QStringLiteral("Control")));
    Category = CfgRead::Text(map.value(QStringLiteral("Category")));
    Config = map.value(QStringLiteral("Config")).toMap();
}

QVariantMap DataCfg::TCtrlRef::Write() const {
    QVariantMap m = TNamed::Write();
    if (!Control.isEmpty())
        m.insert(QStringLiteral("Control"), Control);
    if (!Category.isEmpty())
        m.insert(QStringLiteral("Category"), Category);
    if (!Config.isEmpty())
        m.insert(QStringLiteral("Config"), Config);
    if (!Screenshot.isEmpty())
        m.insert(QStringLiteral("Screenshot"), Screenshot);
    return m;
}

void DataCfg::TCtrlSet::Read(const QVariantMap& map) {
    TNamed::Read(map);
    ExpandCategories = map.value(QStringLiteral("ExpandCategories")).toStringList();
    CollapseCategories = map.value(QStringLiteral("CollapseCategories")).toStringList();
    for (const QVariant& entry : map.value(QStringLiteral("Elements")).toList()) {
        Elements.append(TCtrlRef());
        Elements.last().Read(entry.toMap());
    }
}

QVariantMap DataCfg::TCtrlSet::Write() const {
    QVariantMap m = TNamed::Write();
    QVariantList elements;
    for (const TCtrlRef& e : Elements)
        elements << e.Write();
    m.insert(QStringLiteral("Elements"), elements);
    return m;
}

int DataCfg::TCtrlSet::IndexOf(const QString& name) const {
    for (int i = 0; i < Elements.size(); ++i) {
        if (Elements[i].Name == name)
            return i;
    }
    return -1;
}
