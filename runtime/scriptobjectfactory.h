#pragma once
// Makes the per-engine script wrappers of control views and layout elements (DCSkin, DCControl, DCLayout).
// The script objects install their factory at start-up; until one is installed the views hand scripts a
// plain object, so handlers still run (they reach the view itself through "this").

#include <QString>

class CtrlView;
class LEBase;
class QObject;
class QScriptEngine;

class ScriptObjectFactory {
public:
    virtual ~ScriptObjectFactory() = default;

    // Each answers a new object parented to view, over the view's skin copy, control copy or the element.
    virtual QObject* MakeDCSkin(CtrlView* view, QScriptEngine* engine) = 0;
    virtual QObject* MakeDCControl(CtrlView* view, QScriptEngine* engine) = 0;
    virtual QObject* MakeDCLayout(CtrlView* view, LEBase* element, QScriptEngine* engine) = 0;

    // The installed factory (not owned); null before one is installed.
    static ScriptObjectFactory* Instance();
    static void SetInstance(ScriptObjectFactory* factory);
};
