#include "config/tusercfg.h"

#include "config/cfgread.h"

namespace {
int IndexOfToken(const QList<DataCfg::TDevice>& devices, const QString& token) {
    for (int i = 0; i < devices.size(); ++i) {
        if (devices[i].Token == token)
            return i;
    }
    return -1;
}
} // namespace

void DataCfg::TUserCfg::Read(const QVariantMap& map) {
    TNamed::Read(map);
    Name = QStringLiteral("UserConfig");
    for (const QVariant& entry : map.value(QStringLiteral("Tabs")).toList()) {
        Tabs.append(TNamed());
        Tabs.last().Read(entry.toMap());
    }
    for (const QVariant& entry : map.value(QStringLiteral("Devices")).toList()) {
        const QVariantMap m = entry.toMap();
        TDevice d;
        d.TNamed::Read(m);
        d.Token = CfgRead::Text(m.value(QStringLiteral("Token")));
        d.Desc = CfgRead::Text(m.value(QStringLiteral("Desc")));
        d.Active = m.value(QStringLiteral("Active")).toBool();
        Devices.append(d);
    }
    for (const QVariant& entry : map.value(QStringLiteral("Macros")).toList()) {
        const QVariantMap m = entry.toMap();
        TMacro macro;
        macro.TNamed::Read(m);
        macro.Category = CfgRead::Text(m.value(QStringLiteral("Category")));
        macro.Data = CfgRead::Text(m.value(QStringLiteral("Data")));
        Macros.append(macro);
    }
    for (const QVariant& entry : map.value(QStringLiteral("DynamicLibraries")).toList()) {
        const QVariantMap m = entry.toMap();
        TDynLib lib;
        lib.TRsc::Read(m, QString());
        lib.Plugin = CfgRead::Text(m.value(QStringLiteral("Plugin")));
        lib.CheckSum = CfgRead::Text(m.value(QStringLiteral("CheckSum")));
        lib.Permission = EnumFromText(QStringLiteral("LoadPermission"), QStringLiteral("LP_"),
                                      CfgRead::Text(m.value(QStringLiteral("Permission"))));
        DynamicLibraries.append(lib);
    }
    for (const QVariant& entry : map.value(QStringLiteral("CtrlSets")).toList()) {
        const QVariantMap m = entry.toMap();
        TCtrlSetState s;
        s.TNamed::Read(m);
        s.Expanded = m.value(QStringLiteral("Expanded")).toStringList();
        s.Collapsed = m.value(QStringLiteral("Collapsed")).toStringList();
        CtrlSets.append(s);
    }
    CfgBase = map.value(QStringLiteral("CfgBase")).toMap();
    CfgSrc = map.value(QStringLiteral("CfgSrc")).toMap();
    CfgCtrls = map.value(QStringLiteral("CfgCtrls")).toMap();
    CfgScripts = map.value(QStringLiteral("CfgScripts")).toMap();
    Version = map.value(QStringLiteral("Version")).toInt();
}

QVariantMap DataCfg::TUserCfg::Write() {
    QVariantMap m = TNamed::Write();
    QVariantList tabs;
    for (const TNamed& t : Tabs)
        tabs << t.Write();
    m.insert(QStringLiteral("Tabs"), tabs);

    QVariantList devices;
    for (const TDevice& d : Devices) {
        QVariantMap e = d.TNamed::Write();
        e.insert(QStringLiteral("Token"), d.Token);
        e.insert(QStringLiteral("Desc"), d.Desc);
        e.insert(QStringLiteral("Active"), d.Active);
        devices << e;
    }
    m.insert(QStringLiteral("Devices"), devices);

    QVariantList macros;
    for (const TMacro& macro : Macros) {
        QVariantMap e = macro.TNamed::Write();
        e.insert(QStringLiteral("Category"), macro.Category);
        e.insert(QStringLiteral("Data"), macro.Data);
        macros << e;
    }
    m.insert(QStringLiteral("Macros"), macros);

    QVariantList libs;
    for (const TDynLib& lib : DynamicLibraries) {
        QVariantMap e = lib.TRsc::Write();
        if (!lib.Plugin.isEmpty())
            e.insert(QStringLiteral("Plugin"), lib.Plugin);
        if (!lib.CheckSum.isEmpty())
            e.insert(QStringLiteral("CheckSum"), lib.CheckSum);
        const QString permission = EnumToText(QStringLiteral("LoadPermission"), QStringLiteral("LP_"), lib.Permission);
        if (!permission.isEmpty())
            e.insert(QStringLiteral("Permission"), permission);
        libs << e;
    }
    m.insert(QStringLiteral("DynamicLibraries"), libs);

    QVariantList sets;
    for (const TCtrlSetState& s : CtrlSets) {
        QVariantMap e = s.TNamed::Write();
        e.insert(QStringLiteral("Expanded"), s.Expanded);
        e.insert(QStringLiteral("Collapsed"), s.Collapsed);
        sets << e;
    }
    m.insert(QStringLiteral("CtrlSets"), sets);

    m.insert(QStringLiteral("CfgBase"), CfgBase);
    m.insert(QStringLiteral("CfgSrc"), CfgSrc);
    m.insert(QStringLiteral("CfgCtrls"), CfgCtrls);
    m.insert(QStringLiteral("CfgScripts"), CfgScripts);
    Version = 1;
    m.insert(QStringLiteral("Version"), 1);
    return m;
}

bool DataCfg::TUserCfg::FindDevice(const QString& name, const QString& token, bool* active) const {
    if (active)
        *active = false;
    for (const TDevice& d : Devices) {
        if (d.Name == name && d.Token == token) {
            if (active)
                *active = d.Active;
            return true;
        }
    }
    return false;
}

void DataCfg::TUserCfg::AddDevice(const QString& name, const QString& token, const QString& label) {
    const int i = IndexOfToken(Devices, token);
    if (i >= 0) {
        Devices[i].Name = name;
        return;
    }
    TDevice d;
    d.Name = name;
    d.Token = token;
    d.Desc = label;
    d.Active = true;
    Devices.append(d);
}

void DataCfg::TUserCfg::RemoveDevice(const QString& token) {
    const int i = IndexOfToken(Devices, token);
    if (i >= 0)
        Devices.removeAt(i);
}

void DataCfg::TUserCfg::SetDeviceLabel(const QString& token, const QString& label) {
    const int i = IndexOfToken(Devices, token);
    if (i >= 0)
        Devices[i].Desc = label;
}

DataCfg::TDevice DataCfg::TUserCfg::GetDevice(const QString& token) const {
    const int i = IndexOfToken(Devices, token);
    return i >= 0 ? Devices[i] : TDevice();
}

void DataCfg::TUserCfg::SetDeviceActive(const QString& token, bool active) {
    const int i = IndexOfToken(Devices, token);
    if (i >= 0)
        Devices[i].Active = active;
}

int DataCfg::TUserCfg::FindDynLib(const QString& path) const {
    for (int i = 0; i < DynamicLibraries.size(); ++i) {
        if (DynamicLibraries[i].Rsc == path)
            return i;
    }
    return -1;
}
