#pragma once
// What the control runtime asks of the registries of function providers and data sources and of the macro
// player. The registries themselves (GetFuncProviderList, GetDataSourceList, Macromat) live with the PC
// functions; they install one FuncRegistry at start-up, and tests install fakes. Without one installed,
// every call answers as the registries do for a name that nothing serves.

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

// The macro player as a control view drives it (Macromat).
class MacroPlayer : public QObject {
    Q_OBJECT
public:
    explicit MacroPlayer(QObject* parent = nullptr) : QObject(parent) {}

    // Empties both step lists and the position and repeat counters.
    virtual void Reset() = 0;
    // Parses the macro notation into steps and starts from the first step.
    virtual void Parse(const QString& text) = 0;
    // Carries out the due steps until a delay, the end or the repeat count stops it; IsRunning tells the rest.
    virtual bool Process() = 0;
    // Releases every key and mouse button the macro still holds down.
    virtual void ReleaseAll() = 0;
    // 0 .. 1, by the delays still to come.
    virtual double GetProgress() const = 0;
    // The step position lies before the step count.
    virtual bool IsRunning() const = 0;
};

class FuncRegistry {
public:
    virtual ~FuncRegistry() = default;

    // CallProviderFunction over GetFuncProviderList: "provider:function" with arguments; 0 when no provider
    // has that name (the registry writes its own DEBUG line then).
    virtual QVariant CallProviderFunction(const QString& name, const QVariantList& args) = 0;
    // GetDataSourceNames over GetDataSourceList, in registry order.
    virtual QStringList GetDataSourceNames(bool activeOnly) = 0;
    // The source found by FindPluginByName (the name cut at its first ':'): a copy of its entries
    // (GetEntries, which marks them as asked for). False when no source has that name.
    virtual bool GetDataSourceEntries(const QString& name, QVariantMap* entries) = 0;
    // The source's GetValue (function, args). False when no source has that name.
    virtual bool CallDataSourceFunc(const QString& name, const QString& function, const QVariantList& args,
                                    QVariant* result) = 0;
    // A new macro player, child of parent; null when macros cannot be played.
    virtual MacroPlayer* NewMacroPlayer(QObject* parent) = 0;

    // The registry installed at start-up (not owned); null before.
    static FuncRegistry* Instance();
    static void SetInstance(FuncRegistry* registry);
};
