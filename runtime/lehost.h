#pragma once
// What a layout element needs from the view that owns it. The control view implements it; tests fill it
// with fakes. It also carries the two outside services that elements call in the view's name: the script
// engines of the configuration model and the registry of function providers.

#include <QList>
#include <QPoint>
#include <QScriptValue>
#include <QString>
#include <QVariant>

#include "config/tfunction.h"

class LEBase;
class QObject;
class QScriptEngine;

class LEHost {
public:
    virtual ~LEHost() = default;

    // The view as an object: "this" of every handler and the parent of the elements' script wrappers.
    virtual QObject* HostObject() = 0;

    // Marks the view's update pending.
    virtual void Invalidate() = 0;
    // True when the view serves a phone session.
    virtual bool IsNetClient() const = 0;
    // Position (scene pixels) and wheel delta of the last mouse event, read back by scripts.
    virtual void SetLastMousePos(const QPoint& pos) = 0;
    virtual void SetLastWheelDelta(int delta) = 0;
    virtual int GetLastWheelDelta() const = 0;
    // The view's bound functions with their outputs and last values; null for an index out of range.
    virtual int GetFunctionCount() const = 0;
    virtual const DataCfg::TFunction* GetFunction(int index) const = 0;
    // Drops the element from the view's element list (it does not delete it).
    virtual void RemoveElement(LEBase* element) = 0;

    // Script wrappers: the view's skin object for an engine (as a script value), and a new layout object
    // for an element in an engine, parented to the view (the element keeps and deletes it).
    virtual QScriptValue GetDCSkinValue(QScriptEngine* engine) = 0;
    virtual QObject* MakeDCLayout(LEBase* element, QScriptEngine* engine) = 0;

    // Script engines: the engine that runs a handler ("set:function"), null when none declares it; and the
    // call itself, with the view as "this".
    virtual QScriptEngine* GetScriptEngine(const QString& name) = 0;
    virtual QScriptValue ExecScriptfunc(const QString& name, const QScriptValueList& args) = 0;

    // Function registry: "provider:function" with arguments; invalid when no provider has that name.
    virtual QVariant CallProviderFunction(const QString& name, const QVariantList& args) = 0;
};
