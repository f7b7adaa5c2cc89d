#include "runtime/dccontrol.h"

#include "config/datacfgrecords.h"
#include "runtime/dcconfigoption.h"
#include "runtime/dcviewtarget.h"

#include <QScriptEngine>

DCControl::DCControl(DCViewTarget* view, QScriptEngine* engine)
    : DCFuncSet(view ? &view->Control() : nullptr, engine, view ? view->HostObject() : nullptr), m_view(view) {}

void DCControl::setSkinIdx(int index) {
    if (m_view)
        m_view->Control().SkinIdx = index;
}

int DCControl::getSkinIdx() const {
    return m_view ? m_view->Control().SkinIdx : 0;
}

void DCControl::setFunctions(const QStringList& functions) {
    if (!m_view)
        return;
    m_view->Control().Functions = functions;
    m_view->BuildFunctions();
}

void DCControl::setHeight(int cells) {
    if (!m_view)
        return;
    DataCfg::TControl& c = m_view->Control();
    c.Size.setHeight(cells);
    c.MaxSize.setHeight(cells);
}

void DCControl::setWidth(int cells) {
    if (!m_view)
        return;
    DataCfg::TControl& c = m_view->Control();
    c.Size.setWidth(cells);
    c.MaxSize.setWidth(cells);
}

QVariant DCControl::getExtParams() const {
    return m_view ? QVariant(m_view->Control().ExtParams) : QVariant();
}

QVariant DCControl::getConfigData() const {
    return m_view ? QVariant(m_view->Control().Config.GetValues()) : QVariant();
}

QScriptValue DCControl::getControlView() {
    QObject* view = m_view ? m_view->HostObject() : nullptr;
    return view && m_engine ? m_engine->newQObject(view) : QScriptValue(QScriptValue::NullValue);
}

QScriptValue DCControl::getConfigOption(const QString& name) {
    if (!m_view || !m_view->Control().Config.FindOption(name))
        return QScriptValue(0);
    return ToScriptOwned(m_engine, new DCConfigOption(m_view, name, m_engine));
}
