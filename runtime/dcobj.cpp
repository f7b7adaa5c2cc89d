#include "runtime/dcobj.h"

#include "config/tnamed.h"
#include "runtime/dcpal.h"
#include "runtime/qwimage.h"

#include <QScriptEngine>

DCObj::DCObj(DataCfg::TBase* record, QScriptEngine* engine, QObject* parent)
    : QObject(parent), m_record(record), m_engine(engine) {}

QScriptValue DCObj::GetScriptValue() {
    return m_engine ? m_engine->newQObject(this) : QScriptValue();
}

QScriptValue DCObj::ToScriptOwned(QScriptEngine* engine, QObject* object) {
    if (!engine || !object) {
        delete object;
        return QScriptValue(QScriptValue::NullValue);
    }
    return engine->newQObject(object, QScriptEngine::ScriptOwnership);
}

void DCObj::setName(const QString& name) {
    if (DataCfg::TBase* r = Record()) {
        r->Name = name;
        OnRenamed(name);
    }
}

QString DCObj::getName() const {
    const DataCfg::TBase* r = Record();
    return r ? r->Name : QString();
}

void DCObj::setNameSpace(const QString& set) {
    if (DataCfg::TBase* r = Record())
        r->Set = set;
}

QString DCObj::getNameSpace() const {
    const DataCfg::TBase* r = Record();
    return r ? r->Set : QString();
}

QScriptValue DCObj::getPAL() {
    return ToScriptOwned(m_engine, new DCPal());
}

QScriptValue DCObj::newImage() {
    return ToScriptOwned(m_engine, new QWImage(m_engine));
}

QString DCObj::GetString(const QString& name) const {
    DataCfg* cfg = DataCfg::Instance();
    const DataCfg::TBase* r = Record();
    return cfg && r ? cfg->GetString(name, r->Set) : QString();
}
