#pragma once
// The script face of a control view's skin: the view's copy of its skin record, its layout descriptions and
// the way to the control. Every handler of the view gets it as its first argument.

#include "runtime/dcfuncset.h"

class DCViewTarget;

class DCSkin : public DCFuncSet {
    Q_OBJECT
public:
    // Made by the view, one per engine, with the view's object as parent.
    DCSkin(DCViewTarget* view, QScriptEngine* engine);

    DCViewTarget* View() const { return m_view; }

public slots:
    int numLayouts();
    // A new description-only layout object (no element) over layout i of the skin; null when out of range.
    QScriptValue getLayout(int i);
    // The view's control object for this engine; both names answer the same object.
    QScriptValue getModule();
    QScriptValue getControl();

private:
    DCViewTarget* m_view;
};
