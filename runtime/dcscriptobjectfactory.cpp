#include "runtime/dcscriptobjectfactory.h"

#include "runtime/ctrlview.h"
#include "runtime/dccontrol.h"
#include "runtime/dclayout.h"
#include "runtime/dcskin.h"

QObject* DCScriptObjectFactory::MakeDCSkin(CtrlView* view, QScriptEngine* engine) {
    return new DCSkin(view, engine);
}

QObject* DCScriptObjectFactory::MakeDCControl(CtrlView* view, QScriptEngine* engine) {
    return new DCControl(view, engine);
}

QObject* DCScriptObjectFactory::MakeDCLayout(CtrlView* view, LEBase* element, QScriptEngine* engine) {
    return new DCLayout(element, engine, view);
}

void DCScriptObjectFactory::Install() {
    static DCScriptObjectFactory factory;
    ScriptObjectFactory::SetInstance(&factory);
}
