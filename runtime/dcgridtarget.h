#pragma once
// What DCGrid needs of the grid view around a control. The grid views belong to the editors, above this
// library; they implement it, and tests fill it with fakes. The phone server installs the client reset.

#include <QList>
#include <QScriptValue>
#include <QString>
#include <QVariant>

#include "config/datacfg.h"

class QScriptEngine;

class DCGridTarget {
public:
    virtual ~DCGridTarget() = default;

    // The grid view's grid record.
    virtual DataCfg::TGrid& GridRecord() = 0;
    // The phone client the view serves; 0 for a view on the PC.
    virtual quint64 GetClientId() const = 0;
    // That client's information value.
    virtual QVariant GetClientInfo() const = 0;
    // Positions, in grid order, of the placed controls named by "set:name" or "name".
    virtual QList<int> FindControls(const QString& name) = 0;
    // The DCControl of the placed control at index for the engine; a null script value when out of range.
    virtual QScriptValue GetCtrl(QScriptEngine* engine, int index) = 0;
};
