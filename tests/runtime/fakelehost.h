#pragma once
// A view stand-in for element tests: records what elements ask of their view and answers script calls
// from a table.

#include "runtime/lehost.h"

#include <QObject>
#include <QScriptEngine>
#include <QStringList>
#include <functional>

class FakeLEHost : public QObject, public LEHost {
public:
    int invalidations = 0;
    bool netClient = false;
    QPoint lastMouse;
    int wheelDelta = 0;
    QList<DataCfg::TFunction> functions;
    QList<LEBase*> removed;
    QStringList knownHandlers; // full names that have an engine
    QStringList calls;         // "name/argument count"
    QList<QScriptValueList> callArgs;
    std::function<QScriptValue(const QString&, const QScriptValueList&)> onCall;
    QStringList providerCalls;
    std::function<QVariant(const QString&, const QVariantList&)> onProvider;
    QScriptEngine engine;

    QObject* HostObject() override { return this; }
    void Invalidate() override { ++invalidations; }
    bool IsNetClient() const override { return netClient; }
    void SetLastMousePos(const QPoint& pos) override { lastMouse = pos; }
    void SetLastWheelDelta(int delta) override { wheelDelta = delta; }
    int GetLastWheelDelta() const override { return wheelDelta; }
    int GetFunctionCount() const override { return functions.size(); }
    const DataCfg::TFunction* GetFunction(int index) const override {
        return index >= 0 && index < functions.size() ? &functions[index] : nullptr;
    }
    void RemoveElement(LEBase* element) override { removed << element; }
    QScriptValue GetDCSkinValue(QScriptEngine* e) override { return e->newObject(); }
    QObject* MakeDCLayout(LEBase* element, QScriptEngine* e) override { return new QObject(this); }
    QScriptEngine* GetScriptEngine(const QString& name) override {
        return knownHandlers.contains(name) ? &engine : nullptr;
    }
    QScriptValue ExecScriptfunc(const QString& name, const QScriptValueList& args) override {
        calls << QStringLiteral("%1/%2").arg(name).arg(args.size());
        callArgs << args;
        return onCall ? onCall(name, args) : QScriptValue();
    }
    QVariant CallProviderFunction(const QString& name, const QVariantList& args) override {
        providerCalls << name;
        return onProvider ? onProvider(name, args) : QVariant();
    }

    // A bound function whose outputs have these types and values.
    void AddFunction(const QList<QPair<int, QVariant>>& outputs, const QStringList& outputNames = QStringList()) {
        DataCfg::TFunction fn;
        fn.Name = QStringLiteral("F%1").arg(functions.size());
        for (int i = 0; i < outputs.size(); ++i) {
            DataCfg::TFuncOutput out;
            out.Name = outputNames.value(i);
            out.Type = outputs[i].first;
            out.Value = outputs[i].second;
            fn.Outputs << out;
        }
        functions << fn;
    }
};
