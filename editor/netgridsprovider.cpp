#include "editor/netgridsprovider.h"

#include "config/datacfgrecords.h"
#include "config/gfxcache.h"
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

QImage NetGridsProvider::Picture(const QString& key, const std::function<QImage()>& make) {
    // A few dozen at most (one per tab background size and tab icon state); the bound only guards the memory.
    constexpr int MaxPictures = 256;
    const int change = EditorChangeCount();
    if (change != m_picturesChange || m_pictures.size() >= MaxPictures) {
        m_pictures.clear();
        m_picturesChange = change;
    }
    const auto it = m_pictures.constFind(key);
    if (it != m_pictures.constEnd())
        return it.value();
    const QImage image = make();
    m_pictures.insert(key, image);
    return image;
}

quint64 NetGridsProvider::TabBGId() {
    return GfxCache::Register(Picture(QStringLiteral("TabBG"), [] { return AppSkin().GetTabBG(nullptr); }));
}

quint64 NetGridsProvider::TabAOvlId() {
    return GfxCache::Register(Picture(QStringLiteral("TabAOvl"), [] { return AppSkin().GetTabAOvl(nullptr); }));
}

quint64 NetGridsProvider::DeckBGId(const QString& background, int width, int height) {
    const QString key = QStringLiteral("DeckBG|%1|%2|%3").arg(background).arg(width).arg(height);
    return GfxCache::Register(Picture(key, [&] { return AppSkin().GetDeckBG(background, width, height, nullptr); }));
}

quint64 NetGridsProvider::TabIconId(const QString& icon, int state) {
    const QString key = QStringLiteral("TabIcon|%1|%2").arg(icon).arg(state);
    return GfxCache::Register(Picture(key, [&] { return AppSkin().GetTabIcon(icon, state != 0, nullptr); }));
}

INetGridView* NetGridsProvider::CreateGridView() {
    return new GridView(nullptr, nullptr);
}

INetOverlayView* NetGridsProvider::CreateOverlayView() {
    return new GridViewGlobal(nullptr);
}
