#pragma once
// The factory through which control views make their script objects (DCSkin, DCControl, DCLayout).
// The program entry installs it once; views built before that hand scripts plain objects.

#include "runtime/scriptobjectfactory.h"

class DCScriptObjectFactory : public ScriptObjectFactory {
public:
    QObject* MakeDCSkin(CtrlView* view, QScriptEngine* engine) override;
    QObject* MakeDCControl(CtrlView* view, QScriptEngine* engine) override;
    QObject* MakeDCLayout(CtrlView* view, LEBase* element, QScriptEngine* engine) override;

    // Installs the one process-wide factory.
    static void Install();
};
