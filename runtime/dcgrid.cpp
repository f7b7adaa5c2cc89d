#include "runtime/dcgrid.h"

#include "config/datacfgrecords.h"
#include "runtime/dcgridtarget.h"

namespace {
DCGrid::ClientResetFn& ResetHandler() {
    static DCGrid::ClientResetFn fn;
    return fn;
}
} // namespace

DCGrid::DCGrid(DCGridTarget* grid, QScriptEngine* engine, QObject* parent)
    : DCFuncSet(grid ? &grid->GridRecord() : nullptr, engine, parent), m_grid(grid) {}

void DCGrid::SetClientResetHandler(ClientResetFn fn) {
    ResetHandler() = std::move(fn);
}

int DCGrid::getHeight() const {
    return m_grid ? m_grid->GridRecord().Height : 0;
}

bool DCGrid::isNetClient() const {
    return m_grid && m_grid->GetClientId() != 0;
}

QVariant DCGrid::getNetClientInfo() const {
    return m_grid ? m_grid->GetClientInfo() : QVariant();
}

void DCGrid::resetNetClient() {
    const quint64 id = m_grid ? m_grid->GetClientId() : 0;
    if (id != 0 && ResetHandler())
        ResetHandler()(id);
}

QVariantList DCGrid::FindControls(const QString& name) {
    QVariantList out;
    if (m_grid)
        for (int i : m_grid->FindControls(name))
            out << i;
    return out;
}

QScriptValue DCGrid::GetCtrl(int index) {
    if (!m_grid || !m_engine)
        return QScriptValue(QScriptValue::NullValue);
    const QScriptValue v = m_grid->GetCtrl(m_engine, index);
    return v.isValid() ? v : QScriptValue(QScriptValue::NullValue);
}
