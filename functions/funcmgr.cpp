#include "functions/funcmgr.h"

#include "foundation/logger/QsLog.h"
#include "foundation/profiler.h"

namespace {

FuncProviderList* g_funcProviders = nullptr;
DataSourceList* g_dataSources = nullptr;
QVariantMap* g_dataSourceSettings = nullptr;

QList<FuncProviderFactory>& BuiltInFuncProviders() {
    static QList<FuncProviderFactory> factories;
    return factories;
}

QList<DataSourceFactory>& BuiltInDataSources() {
    static QList<DataSourceFactory> factories;
    return factories;
}

// The provider name of "provider:function": everything before the first ':', or the whole text.
QString PluginPart(const QString& name) {
    const int colon = name.indexOf(QLatin1Char(':'));
    return colon < 0 ? name : name.left(colon);
}

template <class T> T* FindByName(const QList<T*>& list, const QString& name) {
    const QString wanted = PluginPart(name);
    for (T* object : list) {
        if (object && object->GetName() == wanted)
            return object;
    }
    return nullptr;
}

template <class T> void DeleteList(QList<T*>*& list) {
    if (!list)
        return;
    // Each slot is cleared before its object goes, so a destructor that looks something up meets neither a
    // dying object nor a freed one.
    for (int i = 0; i < list->size(); ++i) {
        T* object = (*list)[i];
        (*list)[i] = nullptr;
        delete object;
    }
    delete list;
    list = nullptr;
}

} // namespace

FuncProviderList& GetFuncProviderList() {
    if (!g_funcProviders) {
        g_funcProviders = new FuncProviderList;
        for (const FuncProviderFactory& make : BuiltInFuncProviders()) {
            if (IFuncProvider* provider = make())
                g_funcProviders->append(provider);
        }
    }
    return *g_funcProviders;
}

DataSourceList& GetDataSourceList() {
    if (!g_dataSources) {
        g_dataSources = new DataSourceList;
        for (const DataSourceFactory& make : BuiltInDataSources()) {
            IIncomingDataSource* source = make();
            if (source && !AddDataSource(*g_dataSources, source))
                delete source;
        }
    }
    return *g_dataSources;
}

IFuncProvider* FindPluginByName(const FuncProviderList& list, const QString& name) {
    return FindByName(list, name);
}

IIncomingDataSource* FindPluginByName(const DataSourceList& list, const QString& name) {
    return FindByName(list, name);
}

QVariant CallProviderFunction(const FuncProviderList& list, const QString& name, const QVariantList& args) {
    PROFILE_SCOPE("CallProviderFunction");
    IFuncProvider* provider = FindPluginByName(list, name);
    if (!provider) {
        QLOG_DEBUG() << "Missing Function Provider for:" << name;
        return QVariant(int(0));
    }
    const int colon = name.indexOf(QLatin1Char(':'));
    return provider->GetValue(colon < 0 ? name : name.mid(colon + 1), args);
}

QStringList GetDataSourceNames(bool activeOnly) {
    QStringList names;
    for (IIncomingDataSource* source : GetDataSourceList()) {
        if (source && (!activeOnly || source->IsActive()))
            names.append(source->GetName());
    }
    return names;
}

bool AddDataSource(DataSourceList& list, IIncomingDataSource* source) {
    if (!source)
        return false;
    const QString name = source->GetName();
    if (name.isEmpty()) {
        QLOG_DEBUG() << "Data Source needs a name!";
        return false;
    }
    if (FindPluginByName(list, name)) {
        QLOG_DEBUG() << "Data Source already added:" << name;
        return false;
    }
    // A stored entry that is no map counts as no settings.
    const QVariantMap settings = g_dataSourceSettings ? g_dataSourceSettings->value(name).toMap() : QVariantMap();
    source->SetSettings(settings);
    list.append(source);
    return true;
}

void SaveDataSourceSettings() {
    if (!g_dataSources || !g_dataSourceSettings)
        return;
    for (IIncomingDataSource* source : *g_dataSources) {
        if (source)
            g_dataSourceSettings->insert(source->GetName(), source->GetSettings());
    }
}

void DeleteFuncProviders() {
    DeleteList(g_funcProviders);
}

void DeleteDataSources() {
    DeleteList(g_dataSources);
}

void SetDataSourceSettingsMap(QVariantMap* settings) {
    g_dataSourceSettings = settings;
}

QVariantMap* DataSourceSettingsMap() {
    return g_dataSourceSettings;
}

void RegisterBuiltInFuncProvider(const FuncProviderFactory& factory) {
    BuiltInFuncProviders().append(factory);
}

void RegisterBuiltInDataSource(const DataSourceFactory& factory) {
    BuiltInDataSources().append(factory);
}

void ClearBuiltInFuncProviders() {
    BuiltInFuncProviders().clear();
}

void ClearBuiltInDataSources() {
    BuiltInDataSources().clear();
}
