#include "runtime/dcskin.h"

#include "config/datacfgrecords.h"
#include "runtime/dclayout.h"
#include "runtime/dcviewtarget.h"

#include <QScriptEngine>

DCSkin::DCSkin(DCViewTarget* view, QScriptEngine* engine)
    : DCFuncSet(view ? &view->SkinRecord() : nullptr, engine, view ? view->HostObject() : nullptr), m_view(view) {}

int DCSkin::numLayouts() {
    return m_view ? m_view->SkinRecord().Layouts.size() : 0;
}

QScriptValue DCSkin::getLayout(int i) {
    if (!m_view || i < 0 || i >= m_view->SkinRecord().Layouts.size())
        return QScriptValue(QScriptValue::NullValue);
    // The script owns the description object: nothing else keeps it.
    return ToScriptOwned(m_engine, new DCLayout(m_view->SkinRecord().Layouts[i], m_engine));
}

QScriptValue DCSkin::getModule() {
    return m_view && m_engine ? m_view->GetDCControlValue(m_engine) : QScriptValue(QScriptValue::NullValue);
}

QScriptValue DCSkin::getControl() {
    return getModule();
}
