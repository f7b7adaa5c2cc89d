#pragma once
// Memory of the script engines.

#include <QHash>
#include <QScriptValue>

class DataCfg;
class QObject;
class QScriptEngine;

// The script value that stands for the object in the engine, made once and kept in the table while it still
// stands for that object there: handlers run for every phone message and tick, and a new wrapper per call is
// costly.
QScriptValue KeptScriptValue(QHash<QScriptEngine*, QScriptValue>& kept, QScriptEngine* engine, QObject* object);
// The same for one value kept by its owner.
QScriptValue KeptScriptValue(QScriptValue& kept, QScriptEngine* engine, QObject* object);

// Collects the garbage of every script engine built so far: after many objects were handed to scripts (the
// views of phone sessions that have gone), so that their memory can go back to the system.
void CollectScriptGarbage(DataCfg& cfg);
