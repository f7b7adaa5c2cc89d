#include "config/tdatasource.h"

#include "config/cfgread.h"

void DataCfg::TDataSource::Read(const QVariantMap& map) {
    TNamed::Read(map);
    Icon = CfgRead::Text(map.value(QStringLiteral("Icon")));
    Title = CfgRead::Text(map.value(QStringLiteral("Title")));
    Config.Read(map.value(QStringLiteral("Config")).toMap());
}

QVariantMap DataCfg::TDataSource::Write() const {
    QVariantMap m = TNamed::Write();
    if (!Title.isEmpty())
        m.insert(QStringLiteral("Title"), Title);
    if (!Icon.isEmpty())
        m.insert(QStringLiteral("Icon"), Icon);
    m.insert(QStringLiteral("Config"), Config.Write());
    return m;
}
