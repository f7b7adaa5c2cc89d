#pragma once
// Script records: one ECMAScript file of a control set and the functions it declares. The file runs in an
// engine of its own, built the first time one of its functions is needed (DataCfg::LoadScript).

#include "config/trsc.h"

#include <QScriptValue>

class QScriptEngine;

struct DataCfg::TScriptFunc {
    qint32 id = -1;
    QString Name;          // as declared
    QString Set;           // the script's set
    bool Resolved = false; // the engine was asked for it (once)
    int Errors = 0;        // uncaught exceptions of calls so far
    QScriptValue Function; // the engine's global of that name; invalid until resolved
    QString PhoneText;     // source of the phone twin, renamed; empty when there is none

    // Looks the function (and its twin name + "$") up in the script's engine, once.
    bool Resolve(const DataCfg::TScript& script);
};

struct DataCfg::TScript : DataCfg::TRsc {
    bool Loaded = false; // evaluated without an uncaught exception
    QList<DataCfg::TScriptFunc> Functions;
    QScriptEngine* Engine = nullptr; // owned by DataCfg (its Qt parent)

    // The loader sets Set first: the declared functions take it.
    void Read(const QVariantMap& map, const QString& folder);
};
