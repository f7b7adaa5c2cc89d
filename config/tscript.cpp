#include "config/tscript.h"

#include "config/cfgread.h"
#include "foundation/logger/QsLog.h"

#include <QScriptEngine>

void DataCfg::TScript::Read(const QVariantMap& map, const QString& folder) {
    TRsc::Read(map, folder);
    for (const QVariant& entry : map.value(QStringLiteral("Functions")).toList()) {
        TScriptFunc f;
        f.Name = CfgRead::Text(entry);
        f.Set = Set;
        Functions.append(f);
    }
}

bool DataCfg::TScriptFunc::Resolve(const DataCfg::TScript& script) {
    if (Resolved)
        return Function.isValid();
    Resolved = true;
    if (!script.Engine) {
        QLOG_DEBUG() << "Missing Script for Function:" << Name << " in: " << script.Rsc;
        return false;
    }
    const QScriptValue global = script.Engine->globalObject();
    const QScriptValue twin = global.property(Name + QLatin1Char('$'));
    if (twin.isValid() && !twin.isUndefined()) {
        PhoneText = twin.toString();
        // The phone knows the function by set and name, so both twins of equal names in two sets can coexist.
        PhoneText.replace(QStringLiteral("function ") + Name + QStringLiteral("$("),
                          QStringLiteral("function ") + Set + QLatin1Char('_') + Name + QLatin1Char('('));
    }
    const QScriptValue f = global.property(Name);
    if (f.isValid() && !f.isUndefined()) {
        Function = f;
        return true;
    }
    QLOG_DEBUG() << "Missing Function:" << Name << " in: " << script.Rsc;
    return false;
}
