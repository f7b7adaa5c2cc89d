#pragma once
// The control runtime's view of the registries (FuncRegistry) served by the real ones of funcmgr.h; program
// entry installs one with FuncRegistry::SetInstance.

#include "functions/funcregistry.h"

class FuncMgrRegistry : public FuncRegistry {
public:
    QVariant CallProviderFunction(const QString& name, const QVariantList& args) override;
    QStringList GetDataSourceNames(bool activeOnly) override;
    // Entry keys become their decimal text (times in milliseconds, so they keep their order).
    bool GetDataSourceEntries(const QString& name, QVariantMap* entries) override;
    bool CallDataSourceFunc(const QString& name, const QString& function, const QVariantList& args,
                            QVariant* result) override;
    // A Macromat.
    MacroPlayer* NewMacroPlayer(QObject* parent) override;
};
