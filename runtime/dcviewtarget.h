#pragma once
// What the script objects of a control view (DCSkin, DCControl, DCLayout, DCConfigOption) need of the view.
// The control view implements it; tests fill it with fakes. The names are those of the view's own
// operations, so the view's existing members serve as the implementation.

#include <QScriptValue>
#include <QString>

#include "config/datacfg.h"

class LEBase;
class QObject;
class QScriptEngine;

class DCViewTarget {
public:
    virtual ~DCViewTarget() = default;

    // The view as an object: its script face, and the parent of its wrappers.
    virtual QObject* HostObject() = 0;
    // The view's own copies of its control and skin records (scripts change these, never the model).
    virtual DataCfg::TControl& Control() = 0;
    virtual DataCfg::TSkin& SkinRecord() = 0;
    // Binds the control record's Functions again.
    virtual void BuildFunctions() = 0;
    // The view's control wrapper for the engine, made on first request and owned by the view.
    virtual QObject* GetDCControl(QScriptEngine* engine) = 0;
    // Its script value in that engine, the same one on every call (null without a wrapper).
    virtual QScriptValue GetDCControlValue(QScriptEngine* engine) = 0;
    // Deletes every element below the element behind the layout wrapper.
    virtual void RemAllChildren(QObject* layout) = 0;
    // Takes a new element (made by a script) into the view's element list and marks the view for update.
    virtual void AddElement(LEBase* element) = 0;
};
