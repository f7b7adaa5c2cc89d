#include "functions/funcmgrregistry.h"

#include "functions/funcmgr.h"
#include "functions/macromat.h"

QVariant FuncMgrRegistry::CallProviderFunction(const QString& name, const QVariantList& args) {
    return ::CallProviderFunction(GetFuncProviderList(), name, args);
}

QStringList FuncMgrRegistry::GetDataSourceNames(bool activeOnly) {
    return ::GetDataSourceNames(activeOnly);
}

bool FuncMgrRegistry::GetDataSourceEntries(const QString& name, QVariantMap* entries) {
    IIncomingDataSource* source = FindPluginByName(GetDataSourceList(), name);
    if (!source)
        return false;
    const QMap<qint64, QVariantMap> found = source->GetEntries();
    if (entries) {
        entries->clear();
        for (auto it = found.cbegin(); it != found.cend(); ++it)
            entries->insert(QString::number(it.key()), it.value());
    }
    return true;
}

bool FuncMgrRegistry::CallDataSourceFunc(const QString& name, const QString& function, const QVariantList& args,
                                         QVariant* result) {
    IIncomingDataSource* source = FindPluginByName(GetDataSourceList(), name);
    if (!source)
        return false;
    const QVariant value = source->GetValue(function, args);
    if (result)
        *result = value;
    return true;
}

MacroPlayer* FuncMgrRegistry::NewMacroPlayer(QObject* parent) {
    return new Macromat(parent);
}
