#include "editor/netgridsprovider.h"

#include "config/datacfgrecords.h"
#include "editor/gridview.h"
#include "editor/gridviewglobal.h"
#include "server/netserver.h"

const char* const NetGridsProvider::AppSkinName = "Mervex Default";

namespace {
DataCfg::TAppSkin AppSkin() {
    DataCfg* cfg = DataCfg::Instance();
    return cfg ? cfg->FindAppSkin(QLatin1String(NetGridsProvider::AppSkinName)) : DataCfg::TAppSkin();
}
} // namespace

QStringList NetGridsProvider::TabList() {
    QStringList tabs;
    DataCfg* cfg = DataCfg::Instance();
    if (!cfg)
        return tabs;
    for (const DataCfg::TNamed& tab : cfg->UserCfg().Tabs) {
        if (tabs.size() >= NetServer::MaxTabs)
            break;
        tabs << tab.Name;
    }
    return tabs;
}

NetGrid NetGridsProvider::FindGrid(const QString& key) {
    NetGrid out;
    DataCfg* cfg = DataCfg::Instance();
    if (!cfg)
        return out;
    const DataCfg::TGrid g = cfg->FindGrid(key);
    if (g.Name.isEmpty())
        return out;
    out.name = g.Name;
    out.key = g.GetKey();
    out.title = g.Title;
    out.icon = g.Icon;
    out.background = g.Background;
    out.exe[0] = g.Exe0;
    out.exe[1] = g.Exe1;
    out.exe[2] = g.Exe2;
    out.verified = g.Signed;
    return out;
}

quint64 NetGridsProvider::TabBGId() {
    quint64 id = 0;
    AppSkin().GetTabBG(&id);
    return id;
}

quint64 NetGridsProvider::TabAOvlId() {
    quint64 id = 0;
    AppSkin().GetTabAOvl(&id);
    return id;
}

quint64 NetGridsProvider::DeckBGId(const QString& background, int width, int height) {
    quint64 id = 0;
    AppSkin().GetDeckBG(background, width, height, &id);
    return id;
}

quint64 NetGridsProvider::TabIconId(const QString& icon, int state) {
    quint64 id = 0;
    AppSkin().GetTabIcon(icon, state != 0, &id);
    return id;
}

INetGridView* NetGridsProvider::CreateGridView() {
    return new GridView(nullptr, nullptr);
}

INetOverlayView* NetGridsProvider::CreateOverlayView() {
    return new GridViewGlobal(nullptr);
}
