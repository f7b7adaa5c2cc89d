#include "tappskin.h"

#include "QsLog.h"
#include "cfgread.h"

void DataCfg::TAppSkin::Read(const QVariantMap& map, const QString& folder) {
    TNamed::Read(map);
    Dir = folder + QLatin1Char('/') + CfgRead::Text(map.value(QStringLiteral("Dir")));
    Parent = CfgRead::Text(map.value(QStringLiteral("Parent")));
    DataCfg* cfg = DataCfg::Instance();
    // The first skin loaded is the base of all others.
    if (cfg && cfg->AppSkins().size() > 1)
        Entries = cfg->AppSkins().first().Entries;
    if (!Parent.isEmpty()) {
        const TAppSkin parent = cfg ? cfg->FindAppSkin(Parent) : TAppSkin();
        if (parent.Name.isEmpty()) {
            QLOG_DEBUG() << "Missing Parent AppSkin:" << Parent;
        }
        for (auto it = parent.Entries.constBegin(); it != parent.Entries.constEnd(); ++it)
            Entries.insert(it.key(), it.value());
    }
    for (auto it = map.constBegin(); it != map.constEnd(); ++it)
        Entries.insert(it.key(), CfgRead::Text(it.value()));
}

QStringList DataCfg::TAppSkin::GetTabIconNames() const {
    QStringList names;
    for (auto it = Entries.constBegin(); it != Entries.constEnd(); ++it) {
        if (it.key().startsWith(QLatin1String("TabIcon")))
            names << it.key();
    }
    // The hash's order changes from run to run; the editor shows the names sorted.
    names.sort();
    return names;
}
