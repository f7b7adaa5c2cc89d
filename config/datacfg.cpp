#include "config/datacfg.h"

#include "config/datacfgrecords.h"
#include "config/tscript.h"
#include "foundation/profiler.h"
#include "functions/macromat.h"

#include <QRegularExpression>

struct DataCfg::Lists {
    QString configName;
    QList<TFunction> functions;
    QList<TFont> fonts;
    QList<TGfx> gfxs;
    QList<TSkin> skins;
    QList<TControl> controls;
    QList<TCtrlSet> ctrlSets;
    QList<TGrid> grids;
    QList<TAppSkin> appSkins;
    QList<TDataSource> dataSources;
    QHash<QString, QString> strings;
    TUserCfg userCfg;
    QList<TScript> scripts;
};

namespace {
DataCfg* g_dataCfg = nullptr;

// The record of that set and name, else the first of that name; -1 when none.
template <class T> int FindIndex(const QList<T>& list, QString name, QString set) {
    SplitFullName(name, set);
    for (int i = 0; i < list.size(); ++i) {
        if (list[i].Name == name && list[i].Set == set)
            return i;
    }
    for (int i = 0; i < list.size(); ++i) {
        if (list[i].Name == name)
            return i;
    }
    return -1;
}

template <class T> T FindCopy(const QList<T>& list, const QString& name, const QString& set) {
    const int i = FindIndex(list, name, set);
    return i >= 0 ? list[i] : T();
}

// A macro reference without its "Macro:" lead, trimmed.
QString MacroPath(const QString& text) {
    QString t = text;
    if (t.startsWith(QLatin1String("Macro:")))
        t.remove(0, 6);
    return t.trimmed();
}
} // namespace

DataCfg::DataCfg(QObject* parent) : QObject(parent), d(new Lists) {
    g_dataCfg = this;
}

void DataCfg::InstallStoredMacroLookup() {
    // The macro player lives below the model and finds stored macros through it.
    Macromat::SetStoredMacroLookup([](const QString& text) {
        if (!g_dataCfg)
            return QString();
        const TMacro macro = g_dataCfg->FindMacro(text);
        return macro.Name.isEmpty() ? QString() : (macro.Data.isNull() ? QStringLiteral("") : macro.Data);
    });
}

void DataCfg::RemoveStoredMacroLookup() {
    Macromat::SetStoredMacroLookup(nullptr);
}

DataCfg::~DataCfg() {
    if (g_dataCfg == this)
        g_dataCfg = nullptr;
}

DataCfg* DataCfg::Instance() {
    return g_dataCfg;
}

DataCfg::TGrid DataCfg::FindGrid(const QString& name, const QString& set) {
    PROFILE_SCOPE("DataCfg::FindGrid");
    return FindCopy(d->grids, name, set);
}

DataCfg::TCtrlSet DataCfg::FindCtrlSet(const QString& name, const QString& set) {
    PROFILE_SCOPE("DataCfg::FindCtrlSet");
    return FindCopy(d->ctrlSets, name, set);
}

DataCfg::TGfx DataCfg::FindGfx(const QString& name, const QString& set, bool resolve) {
    PROFILE_SCOPE("DataCfg::FindGfx");
    const int i = FindIndex(d->gfxs, name, set);
    if (i < 0)
        return TGfx();
    TGfx& gfx = d->gfxs[i];
    // Resolved and loaded in the list, so later lookups find the image ready.
    if (resolve) {
        gfx.Resolve();
        gfx.GetImage();
    }
    return gfx;
}

DataCfg::TAppSkin DataCfg::FindAppSkin(const QString& name, const QString& set) {
    PROFILE_SCOPE("DataCfg::FindAppSkin");
    return FindCopy(d->appSkins, name, set);
}

DataCfg::TControl DataCfg::FindControl(const QString& name, const QString& set) {
    PROFILE_SCOPE("DataCfg::FindControl");
    return FindCopy(d->controls, name, set);
}

DataCfg::TFunction DataCfg::FindFunction(const QString& name, const QString& set) {
    PROFILE_SCOPE("DataCfg::FindFunction");
    return FindCopy(d->functions, name, set);
}

DataCfg::TSkin DataCfg::FindSkin(const QString& name, const QString& set) {
    PROFILE_SCOPE("DataCfg::FindSkin");
    return FindCopy(d->skins, name, set);
}

DataCfg::TDataSource DataCfg::FindDataSource(const QString& name, const QString& set) {
    PROFILE_SCOPE("DataCfg::FindDataSource");
    return FindCopy(d->dataSources, name, set);
}

DataCfg::TFont DataCfg::FindFont(const QString& name, const QString& set, bool resolve) {
    PROFILE_SCOPE("DataCfg::FindFont");
    const int i = FindIndex(d->fonts, name, set);
    if (i < 0)
        return TFont();
    if (resolve)
        d->fonts[i].Resolve();
    return d->fonts[i];
}

DataCfg::TGfx DataCfg::FindGfxOrFile(const QString& name, const QString& set) {
    const QString scheme = QStringLiteral("file://");
    const int i = name.indexOf(scheme);
    if (i < 0)
        return FindGfx(name, set, true);
    TGfx gfx;
    gfx.Rsc = name.mid(i + scheme.size());
    gfx.Name = gfx.Rsc;
    gfx.Resolve();
    gfx.GetImage();
    return gfx;
}

DataCfg::TCtrlSet DataCfg::FindCtrlSetOfControl(const QString& controlName, int* index, bool userList) {
    if (index)
        *index = -1;
    for (const TCtrlSet& set : d->ctrlSets) {
        if (set.UserList != userList)
            continue;
        const int i = set.IndexOf(controlName);
        if (index)
            *index = i;
        if (i >= 0)
            return set;
    }
    if (index)
        *index = -1;
    return TCtrlSet();
}

DataCfg::TCtrlSet& DataCfg::GetMyControlsSet() {
    // The one place that names the user's own list: whatever was read, it is "@My Controls".
    static const QString name = QStringLiteral("@My Controls");
    for (int i = d->ctrlSets.size() - 1; i >= 0; --i) {
        if (d->ctrlSets[i].UserList) {
            d->ctrlSets[i].Name = name;
            return d->ctrlSets[i];
        }
    }
    TCtrlSet mine;
    mine.UserList = true;
    mine.Name = name;
    d->ctrlSets.append(mine);
    return d->ctrlSets.last();
}

QString DataCfg::GetString(const QString& name, const QString& set) {
    QString n = name;
    QString s = set;
    SplitFullName(n, s);
    const auto it = d->strings.constFind(s + QLatin1Char(':') + n);
    return it == d->strings.constEnd() ? QString() : TranslateAtName(it.value());
}

DataCfg::TMacro DataCfg::FindMacro(const QString& text) {
    const QString path = MacroPath(text);
    // A text with ';' or without '/' is a macro written out in place, not a reference.
    if (path.isEmpty() || path.contains(QLatin1Char(';')) || !path.contains(QLatin1Char('/')))
        return TMacro();
    for (const TMacro& m : d->userCfg.Macros) {
        if (m.Category + QLatin1Char('/') + m.Name == path)
            return m;
    }
    return TMacro();
}

void DataCfg::SetMacro(const QString& text, const QString& data) {
    const QString path = MacroPath(text);
    if (path.isEmpty())
        return;
    const QStringList parts = path.split(QLatin1Char('/'));
    if (parts.size() != 2)
        return;
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    const QString category = QString(parts[0]).replace(blanks, QStringLiteral(" "));
    const QString name = QString(parts[1]).replace(blanks, QStringLiteral(" "));
    if (category.isEmpty() || name.isEmpty())
        return;
    for (TMacro& m : d->userCfg.Macros) {
        if (m.Category == category && m.Name == name) {
            m.Data = data;
            return;
        }
    }
    TMacro m;
    m.Name = name;
    m.Category = category;
    m.Data = data;
    d->userCfg.Macros.append(m);
}

DataCfg::TMacro DataCfg::FindMacroByData(const QString& data) {
    for (const TMacro& m : d->userCfg.Macros) {
        if (m.Data == data)
            return m;
    }
    return TMacro();
}

QString& DataCfg::ConfigName() {
    return d->configName;
}
QList<DataCfg::TFunction>& DataCfg::Functions() {
    return d->functions;
}
QList<DataCfg::TFont>& DataCfg::Fonts() {
    return d->fonts;
}
QList<DataCfg::TGfx>& DataCfg::Gfxs() {
    return d->gfxs;
}
QList<DataCfg::TSkin>& DataCfg::Skins() {
    return d->skins;
}
QList<DataCfg::TControl>& DataCfg::Controls() {
    return d->controls;
}
QList<DataCfg::TCtrlSet>& DataCfg::CtrlSets() {
    return d->ctrlSets;
}
QList<DataCfg::TGrid>& DataCfg::Grids() {
    return d->grids;
}
QList<DataCfg::TAppSkin>& DataCfg::AppSkins() {
    return d->appSkins;
}
QList<DataCfg::TDataSource>& DataCfg::DataSources() {
    return d->dataSources;
}
QHash<QString, QString>& DataCfg::Strings() {
    return d->strings;
}
DataCfg::TUserCfg& DataCfg::UserCfg() {
    return d->userCfg;
}
QList<DataCfg::TScript>& DataCfg::Scripts() {
    return d->scripts;
}
