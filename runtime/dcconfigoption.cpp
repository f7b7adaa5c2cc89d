#include "runtime/dcconfigoption.h"

#include "config/datacfgrecords.h"
#include "runtime/dcviewtarget.h"

DCConfigOption::DCConfigOption(DCViewTarget* view, const QString& optionName, QScriptEngine* engine)
    : DCFuncSet(nullptr, engine), m_view(view), m_viewObject(view ? view->HostObject() : nullptr),
      m_optionName(optionName) {}

DataCfg::TConfigOption* DCConfigOption::Option() const {
    if (!m_view || !m_viewObject)
        return nullptr;
    return m_view->Control().Config.FindOption(m_optionName);
}

DataCfg::TBase* DCConfigOption::Record() const {
    return Option();
}

QStringList DCConfigOption::getItems() const {
    const DataCfg::TConfigOption* o = Option();
    return o ? o->Items : QStringList();
}

void DCConfigOption::setItems(const QStringList& items) {
    if (DataCfg::TConfigOption* o = Option())
        o->Items = items;
}

QString DCConfigOption::getValue() const {
    const DataCfg::TConfigOption* o = Option();
    return o ? o->Value : QString();
}

void DCConfigOption::setValue(const QString& value) {
    if (DataCfg::TConfigOption* o = Option())
        o->Value = value;
}

QString DCConfigOption::getValueOrg() const {
    const DataCfg::TConfigOption* o = Option();
    return o ? o->ValueOrg : QString();
}

void DCConfigOption::OnRenamed(const QString& name) {
    m_optionName = name;
}
