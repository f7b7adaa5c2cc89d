// Script engines of the configuration model: one QScriptEngine per script file, built when one of its
// functions is first needed, and the calls of handler functions.

#include "config/datacfg.h"
#include "config/scriptmemory.h"
#include "config/tscript.h"

#include "foundation/logger/QsLog.h"
#include "foundation/profiler.h"

#include <QFile>
#include <QHash>
#include <QScriptContext>
#include <QScriptEngine>
#include <QTextCodec>
#include <QTextStream>
#include <QVector>

namespace {

const qint64 kMaxScriptSize = 16 * 1024 * 1024;

// The call's arguments as text joined by blanks; stops at an argument whose conversion threw.
QString JoinScriptArgs(QScriptContext* context) {
    QStringList parts;
    for (int i = 0; i < context->argumentCount(); ++i) {
        const QString text = context->argument(i).toString();
        if (context->state() == QScriptContext::ExceptionState)
            break;
        parts << text;
    }
    return parts.join(QLatin1Char(' '));
}

QScriptValue ScriptLog(QScriptContext* context, int level, bool always) {
    if (always || GetLogger().GetLevel() <= level)
        QsLogging::Logger::Helper(level).stream().noquote() << JoinScriptArgs(context);
    return QScriptValue(0);
}

QScriptValue ScriptLogInfo(QScriptContext* context, QScriptEngine*) {
    return ScriptLog(context, QsLogging::InfoLevel, false);
}
QScriptValue ScriptLogTrace(QScriptContext* context, QScriptEngine*) {
    return ScriptLog(context, QsLogging::TraceLevel, false);
}
QScriptValue ScriptLogDebug(QScriptContext* context, QScriptEngine*) {
    return ScriptLog(context, QsLogging::DebugLevel, false);
}
QScriptValue ScriptLogWarn(QScriptContext* context, QScriptEngine*) {
    return ScriptLog(context, QsLogging::WarnLevel, false);
}
QScriptValue ScriptLogError(QScriptContext* context, QScriptEngine*) {
    return ScriptLog(context, QsLogging::ErrorLevel, false);
}
QScriptValue ScriptLogFatal(QScriptContext* context, QScriptEngine*) {
    return ScriptLog(context, QsLogging::FatalLevel, true);
}

void LogScriptError(const QString& path, QScriptEngine* engine) {
    QLOG_ERROR().noquote() << QStringLiteral("QScript Error: %1 %2 @ Line: %3")
                                  .arg(path, engine->uncaughtException().toString())
                                  .arg(engine->uncaughtExceptionLineNumber());
}

// Profiler labels per handler name. The profiler keeps each label's address as long as it runs, so the labels are
// never freed; the table that holds them is not destroyed at exit either, so they stay reachable to the end.
const char* HandlerLabel(const QString& name) {
    static auto* const labels = new QHash<QString, QByteArray>();
    QByteArray& label = (*labels)[name];
    if (label.isNull())
        label = QByteArray("DataCfg::ExecScriptfunc.") + name.toLatin1();
    return label.constData();
}

// The script value that stands for an object as "this", per engine. A handler runs for every phone message
// and tick, and a new wrapper per call is costly: each object's wrappers are kept until the object goes.
QScriptValue SelfValue(QScriptEngine* engine, QObject* object) {
    if (!object)
        return engine->newQObject(nullptr, QScriptEngine::QtOwnership);
    // Never freed: objects may still go while the program's statics are taken down.
    static auto* kept = new QHash<const QObject*, QVector<QScriptValue>>;
    auto values = kept->find(object);
    if (values == kept->end()) {
        values = kept->insert(object, {});
        QObject::connect(object, &QObject::destroyed, [](QObject* gone) { kept->remove(gone); });
    }
    for (int i = values->size() - 1; i >= 0; --i) {
        // A script that was loaded again has a new engine; the values of the old one are invalid.
        if (!values->at(i).isValid() || !values->at(i).engine())
            values->removeAt(i);
        else if (values->at(i).engine() == engine)
            return values->at(i);
    }
    // The wrapper must not delete the object: controls and grids own themselves. Making it may collect
    // garbage and so delete other objects (changing the table): it is stored by a new look-up.
    const QScriptValue value = engine->newQObject(object, QScriptEngine::QtOwnership);
    (*kept)[object].append(value);
    return value;
}

} // namespace

DataCfg::TScript* DataCfg::FindScriptFunc(const QString& name, int* index) {
    if (index)
        *index = -1;
    if (name.isEmpty())
        return nullptr;
    QString set;
    QString func = name;
    const QStringList parts = name.split(QLatin1Char(':'));
    if (parts.size() >= 2) {
        set = parts[0];
        func = parts[1];
    }
    QList<TScript>& scripts = Scripts();
    for (int pass = 0; pass < 2; ++pass) {
        for (TScript& script : scripts) {
            if (pass == 0 && script.Set != set)
                continue;
            for (int i = 0; i < script.Functions.size(); ++i) {
                if (script.Functions[i].Name == func) {
                    if (index)
                        *index = i;
                    return &script;
                }
            }
        }
    }
    return nullptr;
}

void DataCfg::LoadScript(TScript& script) {
    if (script.Engine || !script.Resolve())
        return;
    auto* engine = new QScriptEngine(this);
    script.Engine = engine;
    engine->setObjectName(script.GetKey());
    QScriptValue global = engine->globalObject();
    global.setProperty(QStringLiteral("print"), engine->newFunction(ScriptLogInfo));
    global.setProperty(QStringLiteral("info"), engine->newFunction(ScriptLogInfo));
    global.setProperty(QStringLiteral("trace"), engine->newFunction(ScriptLogTrace));
    global.setProperty(QStringLiteral("debug"), engine->newFunction(ScriptLogDebug));
    global.setProperty(QStringLiteral("warning"), engine->newFunction(ScriptLogWarn));
    global.setProperty(QStringLiteral("error"), engine->newFunction(ScriptLogError));
    global.setProperty(QStringLiteral("fatal"), engine->newFunction(ScriptLogFatal));

    QFile file(script.Rsc);
    if (!file.open(QIODevice::ReadOnly)) {
        QLOG_DEBUG().noquote() << QStringLiteral("Missing QScript File: ") + script.Rsc;
        return;
    }
    // Scripts also arrive in packages from elsewhere; the whole text is held while it is evaluated.
    if (file.size() > kMaxScriptSize) {
        QLOG_DEBUG() << "DataCfg::LoadScript: file too large:" << script.Rsc << file.size();
        return;
    }
    QTextStream stream(&file);
    stream.setCodec("UTF-8");
    const QString program = stream.readAll();
    file.close();
    engine->evaluate(program, script.Rsc, 1);
    if (engine->hasUncaughtException()) {
        LogScriptError(script.Rsc, engine);
        engine->clearExceptions();
        return;
    }
    script.Loaded = true;
}

QScriptEngine* DataCfg::GetScriptEngine(const QString& name) {
    int index = -1;
    TScript* script = FindScriptFunc(name, &index);
    if (!script)
        return nullptr;
    LoadScript(*script);
    if (script->Name.isEmpty() || !script->Functions[index].Resolve(*script))
        return nullptr;
    return script->Engine;
}

QString DataCfg::GetScriptFuncText(const QString& name) {
    int index = -1;
    TScript* script = FindScriptFunc(name, &index);
    if (!script)
        return QString();
    LoadScript(*script);
    if (script->Name.isEmpty())
        return QString();
    TScriptFunc& func = script->Functions[index];
    func.Resolve(*script);
    return func.PhoneText;
}

QScriptValue KeptScriptValue(QHash<QScriptEngine*, QScriptValue>& kept, QScriptEngine* engine, QObject* object) {
    return KeptScriptValue(kept[engine], engine, object);
}

QScriptValue KeptScriptValue(QScriptValue& kept, QScriptEngine* engine, QObject* object) {
    if (!kept.isValid() || kept.engine() != engine || kept.toQObject() != object)
        kept = engine->newQObject(object);
    return kept;
}

void CollectScriptGarbage(DataCfg& cfg) {
    PROFILE_SCOPE("CollectScriptGarbage");
    for (DataCfg::TScript& script : cfg.Scripts()) {
        if (script.Engine)
            script.Engine->collectGarbage();
    }
}

QScriptValue DataCfg::ExecScriptfunc(QObject* thisObject, const QString& name, const QScriptValueList& args,
                                     QScriptEngine** enginePlace) {
    PROFILE_SCOPE("DataCfg::ExecScriptfunc");
    if (enginePlace)
        *enginePlace = nullptr;
    int index = -1;
    TScript* script = FindScriptFunc(name, &index);
    if (!script) {
        QLOG_DEBUG() << "Missing Script Function:" << name;
        return QScriptValue(QStringLiteral("inv_fnc"));
    }
    LoadScript(*script);
    if (script->Name.isEmpty())
        return QScriptValue(QStringLiteral("inv_scr"));
    TScriptFunc& func = script->Functions[index];
    if (!func.Resolve(*script))
        return QScriptValue(QStringLiteral("no_fnc"));
    QScriptEngine* engine = script->Engine;
    if (!engine)
        return QScriptValue(QStringLiteral("no_eng"));
    if (enginePlace)
        *enginePlace = engine;

    PROFILE_SCOPE(HandlerLabel(name));
    const QScriptValue self = SelfValue(engine, thisObject);
    QScriptValue result = func.Function.call(self, args);
    if (engine->hasUncaughtException()) {
        // Logged once per function: a handler that throws on every tick would flood the log.
        if (++func.Errors == 1)
            LogScriptError(script->Rsc, engine);
        engine->clearExceptions();
    }
    return result;
}
