#pragma once
// Stand-ins for the control view and the grid view around the script objects: they hold the records that
// the objects expose and record what the objects ask of them.

#include "config/datacfgrecords.h"
#include "config/scriptmemory.h"
#include "runtime/dccontrol.h"
#include "runtime/dcgridtarget.h"
#include "runtime/dclayout.h"
#include "runtime/dcskin.h"
#include "runtime/dcviewtarget.h"
#include "runtime/lebase.h"
#include "tests/runtime/fakelehost.h"

#include <QHash>

class FakeDCView : public FakeLEHost, public DCViewTarget {
public:
    DataCfg::TControl control;
    DataCfg::TSkin skin;
    int buildFunctionsCalls = 0;
    QList<QObject*> remAllChildrenCalls;
    QList<LEBase*> added;
    QHash<QScriptEngine*, DCSkin*> skins;
    QHash<QScriptEngine*, DCControl*> controls;
    QHash<QScriptEngine*, QScriptValue> controlValues;

    QObject* HostObject() override { return this; }
    DataCfg::TControl& Control() override { return control; }
    DataCfg::TSkin& SkinRecord() override { return skin; }
    void BuildFunctions() override { ++buildFunctionsCalls; }
    QObject* GetDCControl(QScriptEngine* e) override {
        DCControl*& c = controls[e];
        if (!c)
            c = new DCControl(this, e);
        return c;
    }
    QScriptValue GetDCControlValue(QScriptEngine* e) override {
        return KeptScriptValue(controlValues, e, GetDCControl(e));
    }
    void RemAllChildren(QObject* layout) override { remAllChildrenCalls << layout; }
    void AddElement(LEBase* element) override { added << element; }

    DCSkin* GetDCSkin(QScriptEngine* e) {
        DCSkin*& s = skins[e];
        if (!s)
            s = new DCSkin(this, e);
        return s;
    }
    QScriptValue GetDCSkinValue(QScriptEngine* e) override { return e->newQObject(GetDCSkin(e)); }
    QObject* MakeDCLayout(LEBase* element, QScriptEngine* e) override { return new DCLayout(element, e, this); }
};

class FakeDCGrid : public DCGridTarget {
public:
    DataCfg::TGrid grid;
    quint64 clientId = 0;
    QVariant clientInfo;
    QStringList findCalls;
    QList<int> found;
    QScriptValue ctrl;

    DataCfg::TGrid& GridRecord() override { return grid; }
    quint64 GetClientId() const override { return clientId; }
    QVariant GetClientInfo() const override { return clientInfo; }
    QList<int> FindControls(const QString& name) override {
        findCalls << name;
        return found;
    }
    QScriptValue GetCtrl(QScriptEngine* engine, int index) override {
        return index >= 0 && index < 2 ? ctrl : QScriptValue(QScriptValue::NullValue);
    }
};
