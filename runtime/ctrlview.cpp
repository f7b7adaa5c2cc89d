#include "runtime/ctrlview.h"

#include "config/scriptmemory.h"
#include "foundation/json.h"
#include "foundation/logger/QsLog.h"
#include "foundation/profiler.h"
#include "functions/funcregistry.h"
#include "runtime/audioplayer.h"
#include "runtime/igridview.h"
#include "runtime/imgdatamgr.h"
#include "runtime/lebase.h"
#include "runtime/lecontainer.h"
#include "runtime/legfx.h"
#include "runtime/leint_net_usage_hist.h"
#include "runtime/letext.h"
#include "runtime/scriptobjectfactory.h"
#include "runtime/viewdelta.h"
#include "widgets/popupwnd.h"

#include <QAbstractButton>
#include <QApplication>
#include <QAtomicInt>
#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsSceneWheelEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScriptEngine>
#include <QTimerEvent>
#include <QWheelEvent>

#include <cmath>
#include <string>
#include <unordered_map>

namespace {

QAtomicInt g_nextViewId(0);

// Clamps an index to 0 .. count - 1 (count > 0).
int HoldIndex(int index, int count) {
    return index < 0 ? 0 : (index >= count ? count - 1 : index);
}

// Profiler labels of CallFunc, one per function name; the profiler keeps the label's address, so the texts
// live until exit.
const char* CallFuncLabel(const QString& name) {
    static std::unordered_map<std::string, std::string>* labels = new std::unordered_map<std::string, std::string>;
    const std::string key = name.toStdString();
    auto it = labels->find(key);
    if (it == labels->end())
        it = labels->emplace(key, "CtrlView::CallFunc." + key).first;
    return it->second.c_str();
}

bool AsNumber(const QVariant& v, double* out) {
    if (!v.isValid())
        return false;
    bool ok = false;
    *out = v.toDouble(&ok);
    return ok;
}

// The plain object handed to scripts while no script-object factory is installed.
QObject* PlainWrapper(QObject* parent, const char* name) {
    QObject* o = new QObject(parent);
    o->setObjectName(QLatin1String(name));
    return o;
}

// The installed registries; a missing one is told once at WARN, and the callers answer empty values.
FuncRegistry* Registry() {
    FuncRegistry* reg = FuncRegistry::Instance();
    static bool warned = false;
    if (!reg && !warned) {
        warned = true;
        QLOG_WARN() << "CtrlView: no function registry installed; functions, data sources and macros answer nothing";
    }
    return reg;
}

ScriptObjectFactory* ObjectFactory() {
    ScriptObjectFactory* factory = ScriptObjectFactory::Instance();
    static bool warned = false;
    if (!factory && !warned) {
        warned = true;
        QLOG_WARN() << "CtrlView: no script-object factory installed; scripts get inert DCSkin, DCControl and "
                       "DCLayout objects";
    }
    return factory;
}

} // namespace

CtrlView::CtrlView(QWidget* parent) : QWidgetEx(parent), m_id(g_nextViewId.fetchAndAddOrdered(1)) {
    PROFILE_SCOPE("CtrlView::CtrlView");
    resize(CellSize, CellSize);
    m_scene = new QGraphicsScene(this);
}

CtrlView::~CtrlView() {
    m_skinValues.clear();
    qDeleteAll(m_skinWrappers);
    m_skinWrappers.clear();
    qDeleteAll(m_controlWrappers);
    m_controlWrappers.clear();
    m_intervals.clear();
    m_timeouts.clear();
    m_msgBoxCallback = QScriptValue();
    // The elements call back into the view while they go, so they go while it is still whole.
    m_elements.clear();
    m_root = nullptr;
    delete m_scene;
    m_scene = nullptr;
    const QList<QObject*> wrappers = m_layoutTargets.keys();
    m_layoutTargets.clear();
    qDeleteAll(wrappers);
    delete m_macro;
    m_macro = nullptr;
}

void CtrlView::SetGridPos(int column, int row) {
    m_gridX = column;
    m_gridY = row;
}

// ---------------------------------------------------------------------------------------------------------
// Build

void CtrlView::Init(const DataCfg::TControl& control) {
    PROFILE_SCOPE("CtrlView::Init");
    m_control = control;
    // Runs before the skin is chosen, so a script may still change the control copy.
    ExecControlFunc(m_control.OnInit);
    m_skin = DataCfg::TSkin();
    if (!m_control.Skins.isEmpty()) {
        const int index = HoldIndex(m_control.SkinIdx, m_control.Skins.size());
        if (DataCfg* cfg = DataCfg::Instance())
            m_skin = cfg->FindSkin(m_control.Skins.at(index), m_control.Set);
    }
    BuildFunctions();
    Rebuild();
    ExecControlFunc(m_control.OnPostInit);
}

void CtrlView::ClearElements() {
    m_elements.clear();
    m_root = nullptr;
    m_scene->clear();
}

void CtrlView::Rebuild() {
    PROFILE_SCOPE("CtrlView::Rebuild");
    ClearElements();
    QSize cells(qBound(0, m_control.Size.width(), MaxCells), qBound(0, m_control.Size.height(), MaxCells));
    if (cells != m_control.Size && m_control.Size.width() > 0 && m_control.Size.height() > 0) {
        QLOG_DEBUG() << "CtrlView::Rebuild: control size held to" << MaxCells << "cells:" << m_control.Name
                     << m_control.Size.width() << m_control.Size.height();
    }
    m_root = new LEContainer(this, cells);
    m_scene->addItem(m_root);
    m_scene->setSceneRect(0, 0, cells.width() * CellSize, cells.height() * CellSize);
    UpdateFuncRes();
    m_buildingSkins.clear();
    if (!m_skin.Name.isEmpty())
        m_buildingSkins.insert(m_skin.GetKey());
    m_skinDepth = 0;
    m_layoutsCut = 0;
    BuildLayouts(m_root, m_skin);
    ReportLayoutsCut("CtrlView::Rebuild");
    BuildMappping(m_root);
    m_gridW = m_root->GetSize().width();
    m_gridH = m_root->GetSize().height();
    resize(int(m_gridW * CellSize * m_scale), int(m_gridH * CellSize * m_scale));
    m_updatePending = true;

    ExecSkinFunc(m_skin.OnInit);
    const QList<LEBase*> elements = m_elements;
    for (LEBase* e : elements)
        e->ExecLayoutFunc(e->Layout().OnInit);
    ExecSkinFunc(m_skin.OnPostInit);
    for (LEBase* e : elements)
        e->ExecLayoutFunc(e->Layout().OnPostInit);
    OnUpdate();
}

void CtrlView::BuildFunctions() {
    PROFILE_SCOPE("CtrlView::BuildFunctions");
    m_functions.clear();
    DataCfg* cfg = DataCfg::Instance();
    for (const QString& entry : qAsConst(m_control.Functions)) {
        const QString name = FuncNameOf(entry);
        DataCfg::TFunction record = cfg ? cfg->FindFunction(name, m_control.Set) : DataCfg::TFunction();
        if (record.Name.isEmpty()) {
            QLOG_DEBUG() << "CtrlView::BuildFunctions: Unknown Function:" << name << "in Control:" << m_control.Name;
        }
        if (entry.contains(QLatin1Char('(')))
            record.Inputs = ParseCallArgs(entry);
        // An unmatched entry keeps its place (indexes stay right) and is skipped when functions run.
        m_functions << record;
    }
}

void CtrlView::BuildLayouts(LEInterface* parent, DataCfg::TSkin skin) {
    PROFILE_SCOPE("CtrlView::BuildLayouts");
    DataCfg* cfg = DataCfg::Instance();
    for (int i = 0; i < skin.Layouts.size(); ++i) {
        if (m_elements.size() >= MaxElements) {
            m_layoutsCut += skin.Layouts.size() - i;
            return;
        }
        DataCfg::TLayout& layout = skin.Layouts[i];
        if (DataCfg::TConfigOption* o = m_control.Config.FindOption(QStringLiteral("LE_txt/") + layout.Name))
            layout.Text = o->Value;

        LEBase* element = nullptr;
        switch (layout.Type) {
        case DataCfg::LT_Text:
            element = new LEText(parent, layout, false);
            break;
        case DataCfg::LT_Gfx:
            element = new LEGfx(parent, layout);
            break;
        case DataCfg::LT_Input:
            element = new LEText(parent, layout, true);
            break;
        case DataCfg::LT_Skin: {
            DataCfg::TSkin nested = cfg ? cfg->FindSkin(layout.Skin, skin.Set) : DataCfg::TSkin();
            if (nested.Name.isEmpty()) {
                QLOG_DEBUG() << "CtrlView::BuildLayouts: Skin not found:" << layout.Skin;
                continue;
            }
            const QString key = nested.GetKey();
            if (m_buildingSkins.contains(key) || m_skinDepth >= MaxSkinDepth) {
                QLOG_DEBUG() << "CtrlView::BuildLayouts: Skin nests itself:" << layout.Skin;
                continue;
            }
            nested.ApplyOverrides(layout.Override);
            LEBase* holder = new LEBase(parent, layout);
            m_elements << holder;
            holder->SetView(this);
            holder->Setup();
            m_buildingSkins.insert(key);
            ++m_skinDepth;
            BuildLayouts(holder, nested);
            --m_skinDepth;
            m_buildingSkins.remove(key);
            holder->FitToChildren();
            continue;
        }
        case DataCfg::LT_Internal:
            if (layout.Skin != QLatin1String("NET_Usage_Hist")) {
                QLOG_DEBUG() << "CtrlView::BuildLayouts: Invalid internal:" << layout.Skin;
                continue;
            }
            element = new LEInt_NET_Usage_Hist(parent, layout);
            break;
        default:
            continue;
        }
        element->SetView(this);
        m_elements << element;
        element->Setup();
    }
}

void CtrlView::BuildMappping(LEInterface* element) {
    PROFILE_SCOPE("CtrlView::BuildMappping");
    LEBase* p = element->GetLEBase();
    const QList<QGraphicsItem*> children = element->childItems();
    for (QGraphicsItem* item : children) {
        LEBase* c = qobject_cast<LEBase*>(item->toGraphicsObject());
        if (!c)
            continue;
        if (p) {
            int i = 0;
            for (const DataCfg::TMapIdx& value : qAsConst(p->Layout().Mapping)) {
                if (value.first >= 0) {
                    DataCfg::TMapIdx key(i, 0);
                    auto own = p->InputMap().constFind(key);
                    if (own != p->InputMap().constEnd())
                        key = own.value();
                    c->InputMap().insert(key, value);
                }
                ++i;
            }
        }
        BuildMappping(c);
    }
}

void CtrlView::ReportLayoutsCut(const char* where) {
    if (m_layoutsCut == 0)
        return;
    QLOG_WARN() << where << "element limit of" << MaxElements << "reached in control" << m_control.Name
                << "layouts left out:" << m_layoutsCut;
    m_layoutsCut = 0;
}

QScriptValue CtrlView::AddSubSkin(QObject* layout, const QString& skinName) {
    PROFILE_SCOPE("CtrlView::AddSubSkin");
    LEBase* target = TargetElement(layout);
    if (!target)
        return QScriptValue(QScriptValue::NullValue);
    DataCfg* cfg = DataCfg::Instance();
    const DataCfg::TSkin skin = cfg ? cfg->FindSkin(skinName, target->Layout().Set) : DataCfg::TSkin();
    if (skin.Name.isEmpty()) {
        QLOG_DEBUG() << "CtrlView::AddSubSkin: AddSubSkin not found:" << skinName;
        return QScriptValue(QScriptValue::NullValue);
    }
    if (m_elements.size() >= MaxElements) {
        m_layoutsCut = 1 + skin.Layouts.size();
        ReportLayoutsCut("CtrlView::AddSubSkin");
        return QScriptValue(QScriptValue::NullValue);
    }
    const int first = m_elements.size();
    LEBase* holder = new LEBase(target, DataCfg::TLayout());
    m_elements << holder;
    holder->SetView(this);
    holder->Setup();
    m_buildingSkins.clear();
    m_buildingSkins.insert(skin.GetKey());
    m_skinDepth = 1;
    m_layoutsCut = 0;
    BuildLayouts(holder, skin);
    ReportLayoutsCut("CtrlView::AddSubSkin");
    m_skinDepth = 0;
    m_buildingSkins.clear();
    holder->FitToChildren();

    const QList<LEBase*> added = m_elements.mid(first);
    for (LEBase* e : added)
        e->ExecLayoutFunc(e->Layout().OnInit);
    for (LEBase* e : added)
        e->ExecLayoutFunc(e->Layout().OnPostInit);
    m_updatePending = true;
    QScriptEngine* eng = engine();
    if (!eng)
        return QScriptValue(QScriptValue::NullValue);
    return holder->GetDCLayoutValue(eng);
}

void CtrlView::RemAllChildren(QObject* layout) {
    PROFILE_SCOPE("CtrlView::RemAllChildren");
    LEBase* target = TargetElement(layout);
    if (!target)
        return;
    QList<LEBase*> below;
    for (LEBase* e : qAsConst(m_elements)) {
        if (e->IsDescendantOf(target))
            below << e;
    }
    const QSet<LEBase*> removed(below.begin(), below.end());
    for (LEBase* e : qAsConst(below))
        m_elements.removeOne(e);
    // Deleting the top of each removed subtree takes the rest with it: each element goes exactly once.
    QList<LEBase*> tops;
    for (LEBase* e : qAsConst(below)) {
        if (!removed.contains(qobject_cast<LEBase*>(e->parentObject())))
            tops << e;
    }
    // A handler of one of these elements may be what called us: they leave the scene now and are deleted
    // once control is back in the event loop.
    for (LEBase* e : qAsConst(tops)) {
        if (e->scene())
            e->scene()->removeItem(e);
        e->deleteLater();
    }
}

LEBase* CtrlView::TargetElement(QObject* layout) const {
    if (!layout)
        return nullptr;
    if (LEBase* e = qobject_cast<LEBase*>(layout))
        return m_elements.contains(e) ? e : nullptr;
    const QPointer<LEBase> e = m_layoutTargets.value(layout);
    return e.data();
}

// ---------------------------------------------------------------------------------------------------------
// Wrappers and handlers

QObject* CtrlView::GetDCSkin(QScriptEngine* engine) {
    QObject*& w = m_skinWrappers[engine];
    if (!w) {
        ScriptObjectFactory* f = ObjectFactory();
        w = f ? f->MakeDCSkin(this, engine) : PlainWrapper(this, "DCSkin");
    }
    return w;
}

QObject* CtrlView::GetDCControl(QScriptEngine* engine) {
    QObject*& w = m_controlWrappers[engine];
    if (!w) {
        ScriptObjectFactory* f = ObjectFactory();
        w = f ? f->MakeDCControl(this, engine) : PlainWrapper(this, "DCControl");
    }
    return w;
}

QScriptValue CtrlView::GetDCControlValue(QScriptEngine* engine) {
    QObject* control = GetDCControl(engine);
    return control ? KeptScriptValue(m_controlValues, engine, control) : QScriptValue(QScriptValue::NullValue);
}

QScriptValue CtrlView::GetDCSkinValue(QScriptEngine* engine) {
    // Every handler call takes it.
    return KeptScriptValue(m_skinValues, engine, GetDCSkin(engine));
}

QObject* CtrlView::MakeDCLayout(LEBase* element, QScriptEngine* engine) {
    ScriptObjectFactory* f = ObjectFactory();
    QObject* w = f ? f->MakeDCLayout(this, element, engine) : PlainWrapper(this, "DCLayout");
    m_layoutTargets.insert(w, element);
    connect(w, &QObject::destroyed, this, [this](QObject* o) { m_layoutTargets.remove(o); });
    return w;
}

QScriptEngine* CtrlView::GetScriptEngine(const QString& name) {
    DataCfg* cfg = DataCfg::Instance();
    return cfg ? cfg->GetScriptEngine(name) : nullptr;
}

QScriptValue CtrlView::ExecScriptfunc(const QString& name, const QScriptValueList& args) {
    DataCfg* cfg = DataCfg::Instance();
    return cfg ? cfg->ExecScriptfunc(this, name, args) : QScriptValue();
}

QScriptValue CtrlView::ExecSkinFunc(const QString& name, const QVariantList& args) {
    PROFILE_SCOPE("CtrlView::ExecSkinFunc");
    if (name.isEmpty())
        return QScriptValue();
    const QString full = name.contains(QLatin1Char(':')) ? name : m_skin.Set + QLatin1Char(':') + name;
    QScriptEngine* eng = GetScriptEngine(full);
    if (!eng) {
        QLOG_DEBUG() << "CtrlView::ExecSkinFunc: Skin Function not found:" << full;
        return QScriptValue();
    }
    QScriptValueList list;
    list << GetDCSkinValue(eng);
    for (const QVariant& a : args)
        list << eng->toScriptValue(a);
    return ExecScriptfunc(full, list);
}

void CtrlView::ExecControlFunc(const QString& name) {
    PROFILE_SCOPE("CtrlView::ExecControlFunc");
    if (name.isEmpty())
        return;
    const QString full = name.contains(QLatin1Char(':')) ? name : m_control.Set + QLatin1Char(':') + name;
    QScriptEngine* eng = GetScriptEngine(full);
    if (!eng) {
        QLOG_DEBUG() << "CtrlView::ExecControlFunc: Control Function not found:" << full;
        return;
    }
    ExecScriptfunc(full, QScriptValueList() << GetDCControlValue(eng));
}

// ---------------------------------------------------------------------------------------------------------
// Functions

QVariant CtrlView::CallProviderFunction(const QString& name, const QVariantList& args) {
    FuncRegistry* reg = Registry();
    return reg ? reg->CallProviderFunction(name, args) : QVariant();
}

const DataCfg::TFunction* CtrlView::GetFunction(int index) const {
    return index >= 0 && index < m_functions.size() ? &m_functions.at(index) : nullptr;
}

QVariant CtrlView::CallFunc(const QString& name, const QVariantList& args) {
    PROFILE_SCOPE("CtrlView::CallFunc");
    PROFILE_SCOPE(CallFuncLabel(name));
    return CallProviderFunction(name, args);
}

void CtrlView::UpdateFuncRes() {
    PROFILE_SCOPE("CtrlView::UpdateFuncRes");
    bool changed = false;
    for (DataCfg::TFunction& fn : m_functions) {
        if (fn.Name.isEmpty())
            continue;
        for (DataCfg::TFuncOutput& out : fn.Outputs) {
            if (out.Name.isEmpty())
                continue;
            const QVariant value = CallProviderFunction(out.Name, fn.Inputs);
            // The resolution filter only compares two numbers: a first value, or a text, always counts.
            double now = 0, last = 0;
            if (out.Resolution > 0 && AsNumber(value, &now) && AsNumber(out.Value, &last) &&
                std::fabs(now - last) < out.Resolution)
                continue;
            if (!ViewDelta::Same(value, out.Value))
                changed = true;
            out.Value = value;
        }
    }
    if (changed)
        m_updatePending = true;
}

QVariant CtrlView::GetFuncRes(int function, int output) {
    if (m_functions.isEmpty())
        return 0;
    const DataCfg::TFunction& fn = m_functions.at(HoldIndex(function, m_functions.size()));
    if (fn.Name.isEmpty() || fn.Outputs.isEmpty())
        return 0;
    return fn.Outputs.at(HoldIndex(output, fn.Outputs.size())).Value;
}

void CtrlView::SetFuncRes(int function, int output, const QVariant& value) {
    if (m_functions.isEmpty())
        return;
    DataCfg::TFunction& fn = m_functions[HoldIndex(function, m_functions.size())];
    if (fn.Name.isEmpty() || fn.Outputs.isEmpty())
        return;
    fn.Outputs[HoldIndex(output, fn.Outputs.size())].Value = value;
}

void CtrlView::SetFuncInput(int function, int input, const QVariant& value) {
    if (m_functions.isEmpty())
        return;
    DataCfg::TFunction& fn = m_functions[HoldIndex(function, m_functions.size())];
    if (fn.Name.isEmpty() || fn.Inputs.isEmpty())
        return;
    fn.Inputs[HoldIndex(input, fn.Inputs.size())] = value;
}

// ---------------------------------------------------------------------------------------------------------
// Data sources, script settings, macros

QStringList CtrlView::GetDataSources(bool activeOnly) {
    FuncRegistry* reg = Registry();
    return reg ? reg->GetDataSourceNames(activeOnly) : QStringList();
}

QVariant CtrlView::GetDataSourceEntries(const QString& name) {
    FuncRegistry* reg = Registry();
    QVariantMap entries;
    if (!reg || !reg->GetDataSourceEntries(name, &entries))
        return 0;
    QVariantList list;
    for (auto it = entries.cbegin(); it != entries.cend(); ++it) {
        QVariantMap entry = it.value().toMap();
        entry.insert(QStringLiteral("src"), name);
        list << entry;
    }
    return list;
}

QVariant CtrlView::GetAllDataSourceEntries() {
    PROFILE_SCOPE("CtrlView::GetAllDataSourceEntries");
    FuncRegistry* reg = Registry();
    if (!reg)
        return QVariantList();
    QVariantMap merged;
    const QStringList names = reg->GetDataSourceNames(true);
    for (const QString& name : names) {
        QVariantMap entries;
        if (!reg->GetDataSourceEntries(name, &entries))
            continue;
        for (auto it = entries.cbegin(); it != entries.cend(); ++it) {
            QVariantMap entry = it.value().toMap();
            entry.insert(QStringLiteral("src"), name);
            merged.insert(it.key(), entry);
        }
    }
    return merged.values();
}

QVariant CtrlView::GetDataSourceDesc(const QString& name) {
    DataCfg* cfg = DataCfg::Instance();
    if (!cfg)
        return QVariantMap();
    return cfg->FindDataSource(name, QString()).Write();
}

QVariant CtrlView::CallDataSourceFunc(const QString& source, const QString& function, const QVariantList& args) {
    FuncRegistry* reg = Registry();
    QVariant result;
    if (!reg || !reg->CallDataSourceFunc(source, function, args, &result))
        return 0;
    return result;
}

namespace {
// set and script of the engine running a script ("set:script", else "unknown" and the whole name).
bool ScriptCfgPath(QScriptEngine* eng, const QString& controlName, QString* set, QString* script) {
    if (controlName.isEmpty() || !eng || eng->objectName().isEmpty())
        return false;
    const QStringList parts = eng->objectName().split(QLatin1Char(':'));
    *set = parts.size() >= 2 ? parts.first() : QStringLiteral("unknown");
    *script = parts.last();
    return true;
}
} // namespace

QVariant CtrlView::GetScriptCfg(const QString& key) {
    QString set, script;
    DataCfg* cfg = DataCfg::Instance();
    if (!cfg || !ScriptCfgPath(engine(), m_control.Name, &set, &script))
        return 0;
    return cfg->UserCfg().CfgScripts.value(set).toMap().value(script).toMap().value(key);
}

void CtrlView::SetScriptCfg(const QString& key, const QVariant& value) {
    QString set, script;
    DataCfg* cfg = DataCfg::Instance();
    if (!cfg || !ScriptCfgPath(engine(), m_control.Name, &set, &script))
        return;
    QVariantMap& all = cfg->UserCfg().CfgScripts;
    QVariantMap setMap = all.value(set).toMap();
    QVariantMap scriptMap = setMap.value(script).toMap();
    scriptMap.insert(key, value);
    setMap.insert(script, scriptMap);
    all.insert(set, setMap);
}

void CtrlView::RunMacro(const QString& text) {
    if (!m_macro) {
        FuncRegistry* reg = Registry();
        m_macro = reg ? reg->NewMacroPlayer(this) : nullptr;
        if (!m_macro)
            return;
    }
    if (m_macro->IsRunning()) {
        // A second start stops the running macro rather than queueing the new one.
        m_macro->ReleaseAll();
        m_macro->Reset();
        return;
    }
    m_macro->Reset();
    m_macro->Parse(text);
    AdvanceMacro();
}

bool CtrlView::AdvanceMacro() {
    // The player carries out every due step itself and stops at the next delay or at the end.
    m_macro->Process();
    return !m_macro->IsRunning();
}

double CtrlView::GetMacroProgress() const {
    return m_macro ? m_macro->GetProgress() : 0.0;
}

bool CtrlView::IsMacroRunning() const {
    return m_macro && m_macro->IsRunning();
}

// ---------------------------------------------------------------------------------------------------------
// Ticks, updates, timers

void CtrlView::OnTick(uint previous, uint current) {
    PROFILE_SCOPE("CtrlView::OnTick");
    if (m_macro) {
        if (AdvanceMacro()) {
            m_macro->deleteLater();
            m_macro = nullptr;
        }
    }
    const int d = m_tickInterval;
    if (d < 0)
        return;
    if (d != 0 && (previous + 1) / uint(d) == current / uint(d))
        return;
    UpdateFuncRes();
    ExecSkinFunc(m_skin.OnTick);
    const QList<LEBase*> elements = m_elements;
    for (LEBase* e : elements)
        e->OnTick();
}

void CtrlView::OnUpdate() {
    PROFILE_SCOPE("CtrlView::OnUpdate");
    ExecSkinFunc(m_skin.OnUpdate);
    const QList<LEBase*> elements = m_elements;
    for (LEBase* e : elements)
        e->OnUpdate();
}

void CtrlView::OnCheckUpdate() {
    PROFILE_SCOPE("CtrlView::OnCheckUpdate");
    if (!m_updatePending)
        return;
    m_repaintedSinceRecord = true;
    OnUpdate();
    update();
    m_updatePending = false;
}

int CtrlView::StartScriptTimer(const QScriptValue& callback, int ms, QHash<int, QScriptValue>& table) {
    if (!callback.isString() && !callback.isFunction())
        return -1;
    const int id = startTimer(qMax(0, ms));
    if (id == 0)
        return -1;
    table.insert(id, callback);
    return id;
}

int CtrlView::setInterval(const QScriptValue& callback, int ms) {
    return StartScriptTimer(callback, ms, m_intervals);
}

int CtrlView::setTimeout(const QScriptValue& callback, int ms) {
    return StartScriptTimer(callback, ms, m_timeouts);
}

void CtrlView::clearInterval(int id) {
    if (m_intervals.remove(id))
        killTimer(id);
}

void CtrlView::clearTimeout(int id) {
    if (m_timeouts.remove(id))
        killTimer(id);
}

void CtrlView::timerEvent(QTimerEvent* e) {
    const int id = e->timerId();
    QScriptValue value = m_intervals.value(id);
    if (!value.isValid()) {
        value = m_timeouts.take(id);
        if (!value.isValid()) {
            QWidgetEx::timerEvent(e);
            return;
        }
        killTimer(id);
    }
    QScriptEngine* eng = value.engine();
    if (!eng)
        return;
    if (value.isString())
        eng->evaluate(value.toString(), QString(), 1);
    else if (value.isFunction())
        value.call(QScriptValue());
    if (eng->hasUncaughtException()) {
        QLOG_DEBUG() << "CtrlView::timerEvent:" << eng->uncaughtException().toString();
        eng->clearExceptions();
    }
}

// ---------------------------------------------------------------------------------------------------------
// Message boxes and sounds

void CtrlView::DoMsgBox(const QString& title, const QString& text, const QString& buttons,
                        const QScriptValue& callback) {
    if (IGridView* grid = m_container ? m_container->AsGridView() : nullptr) {
        if (IGridViewGlobal* overlay = grid->GetOverlay()) {
            if (overlay->ShowMsgPopup(title, text, buttons, callback))
                return;
        }
    }
    PopupWnd* popup = new PopupWnd(nullptr);
    popup->setWindowTitle(title);
    popup->text = text;
    if (buttons == QLatin1String("YesNo")) {
        popup->SetIcon(4);
        popup->AddButtons(PopupWnd::YES | PopupWnd::NO, 0);
    } else if (buttons == QLatin1String("OkCancel")) {
        popup->SetIcon(1);
        popup->AddButtons(PopupWnd::OK | PopupWnd::CANCEL, 0);
    }
    connect(popup, &QDialog::finished, this, &CtrlView::OnMsgBoxDone);
    m_msgBoxCallback = callback;
    popup->setWindowModality(Qt::WindowModal);
    popup->open();
}

void CtrlView::OnMsgBoxDone(int code) {
    QScriptValue callback = m_msgBoxCallback;
    if (!callback.isFunction() || !callback.engine())
        return;
    m_msgBoxCallback = QScriptValue();
    QScriptEngine* eng = callback.engine();
    callback.call(eng->newQObject(this), QScriptValueList() << QScriptValue(code));
    if (eng->hasUncaughtException()) {
        QLOG_DEBUG() << "CtrlView::OnMsgBoxDone:" << eng->uncaughtException().toString();
        eng->clearExceptions();
    }
}

void CtrlView::OnMsgBoxClick(const QString& button, const QString& text) {
    if (IGridViewGlobal* overlay = m_container ? m_container->AsMessageOverlay() : nullptr)
        overlay->DoButtonClicked(button, text);
}

bool CtrlView::ButtonSoundsOn() const {
    DataCfg* cfg = DataCfg::Instance();
    return cfg && cfg->UserCfg().CfgBase.value(QStringLiteral("ActivateBottonSounds")).toBool();
}

void CtrlView::SetSound(const QString& file) {
    m_buttonSoundFile = file;
    ImgDataMgr* mgr = ImgDataMgr::Instance();
    m_buttonSoundId = mgr && !file.isEmpty() ? mgr->AddFile(file) : 0;
}

void CtrlView::SetClientData(const QVariant& data) {
    if (data == m_clientData)
        return;
    m_clientData = data;
    m_sentSinceRecord = true;
}

void CtrlView::PlaySound(const QString& file, bool remote) {
    if (file.trimmed().isEmpty() || !ButtonSoundsOn())
        return;
    if (remote) {
        ImgDataMgr* mgr = ImgDataMgr::Instance();
        m_oneShotSoundId = mgr ? mgr->AddFile(file) : 0;
        if (m_oneShotSoundId != 0)
            m_sentSinceRecord = true;
        return;
    }
    if (!m_audio)
        m_audio = new AudioPlayer(this);
    m_audio->PlaySound(file);
}

// ---------------------------------------------------------------------------------------------------------
// Grid

bool CtrlView::IsNetClient() const {
    IGridView* grid = m_container ? m_container->AsGridView() : nullptr;
    return grid && grid->GetClientId() != 0;
}

double CtrlView::GetContainerHeightB() const {
    return m_container ? m_container->GetHeightB() : 1.0;
}

QScriptValue CtrlView::GetGrid() {
    IGridView* grid = m_container ? m_container->AsGridView() : nullptr;
    QScriptEngine* eng = engine();
    if (!grid || !eng)
        return QScriptValue(QScriptValue::NullValue);
    QObject* dc = grid->GetDCGrid(eng);
    return dc ? eng->newQObject(dc) : QScriptValue(QScriptValue::NullValue);
}

QScriptValue CtrlView::FindLayout(const QString& name) {
    QScriptEngine* eng = engine();
    if (!eng)
        return QScriptValue(QScriptValue::NullValue);
    for (LEBase* e : qAsConst(m_elements)) {
        if (e->Layout().Name == name)
            return e->GetDCLayoutValue(eng);
    }
    return QScriptValue(QScriptValue::NullValue);
}

void CtrlView::RemoveElement(LEBase* element) {
    m_elements.removeOne(element);
}

// ---------------------------------------------------------------------------------------------------------
// Input

LEBase* CtrlView::FindElement(int elementId) const {
    for (LEBase* e : m_elements) {
        if (e->GetId() == elementId)
            return e;
    }
    return nullptr;
}

void CtrlView::OnClientMessage(int id, const QString& message) {
    if (id != m_id)
        return;
    QString error;
    QVariant value = JsonParseText(message, error);
    if (!error.isEmpty()) {
        QLOG_DEBUG() << "CtrlView::OnClientMessage: not JSON:" << error;
        value = QVariant();
    }
    ExecSkinFunc(m_skin.OnMessage, QVariantList() << value);
}

void CtrlView::OnExtMouseEvent(const QString& kind, int x, int y, int elementId) {
    LEBase* e = FindElement(elementId);
    if (!e)
        return;
    if (kind == QLatin1String("dn"))
        m_remotePressed = true;
    else if (kind == QLatin1String("up") || kind == QLatin1String("up2") || kind == QLatin1String("ca"))
        m_remotePressed = false;
    e->OnExtMouseEvent(kind, x, y);
    OnCheckUpdate();
}

void CtrlView::OnExtSetText(int elementId, const QString& text) {
    LEBase* e = FindElement(elementId);
    if (!e)
        return;
    if (LEText* t = qobject_cast<LEText*>(e))
        t->SetOutsideText(text);
    else
        e->Layout().Text = text;
    e->Invalidate();
    OnCheckUpdate();
    // What the phone types may be a password: its length is enough to follow what happened.
    QLOG_DEBUG() << "CtrlView::OnExtSetText: ID::" << elementId << " got text set, length:" << text.size();
}

bool CtrlView::GetMousePressed() const {
    return m_remotePressed || (QApplication::mouseButtons() & m_interactionButtons);
}

void CtrlView::BuildRemoteData() {
    PROFILE_SCOPE("CtrlView::BuildRemoteData");
    ImgDataMgr* mgr = ImgDataMgr::Instance();
    if (!mgr)
        return;
    // A clock set back counts as due.
    const qint64 now = mgr->Now();
    if (m_registeredAt >= 0 && now >= m_registeredAt && now - m_registeredAt < RegistrationRefreshMs)
        return;
    m_registeredAt = now;
    const QList<LEBase*> elements = m_elements;
    for (LEBase* e : elements) {
        mgr->AddImgData(e->MainImage());
        mgr->AddImgData(e->PressedImage());
        mgr->AddImgData(e->MaskImage());
        mgr->AddImgData(e->MouseHitImage());
    }
}

bool CtrlView::OfferPress(QMouseEvent* e) {
    if (m_offeringPress)
        return false;
    m_offeringPress = true;
    e->setAccepted(false);
    const bool stopped = testAttribute(Qt::WA_NoMousePropagation);
    setAttribute(Qt::WA_NoMousePropagation);
    QCoreApplication::sendEvent(this, e);
    setAttribute(Qt::WA_NoMousePropagation, stopped);
    m_offeringPress = false;
    return e->isAccepted();
}

void CtrlView::mousePressEvent(QMouseEvent* e) {
    QWidgetEx::mousePressEvent(e);
    setFocus();
    if (e->buttons() & m_interactionButtons) {
        HandleMouseEvent(e);
        OnCheckUpdate();
    }
}

void CtrlView::mouseReleaseEvent(QMouseEvent* e) {
    QWidgetEx::mouseReleaseEvent(e);
    HandleMouseEvent(e);
    OnCheckUpdate();
}

void CtrlView::mouseMoveEvent(QMouseEvent* e) {
    QWidgetEx::mouseMoveEvent(e);
    HandleMouseEvent(e);
    OnCheckUpdate();
}

void CtrlView::keyPressEvent(QKeyEvent* e) {
    QWidgetEx::keyPressEvent(e);
    QApplication::sendEvent(m_scene, e);
    OnCheckUpdate();
}

void CtrlView::keyReleaseEvent(QKeyEvent* e) {
    QWidgetEx::keyReleaseEvent(e);
    QApplication::sendEvent(m_scene, e);
    OnCheckUpdate();
}

void CtrlView::wheelEvent(QWheelEvent* e) {
    QWidgetEx::wheelEvent(e);
    HandleWheelEvent(e);
    OnCheckUpdate();
}

void CtrlView::HandleMouseEvent(QMouseEvent* e) {
    PROFILE_SCOPE("CtrlView::HandleMouseEvent");
    const double s = m_scale > 0 ? m_scale : 1.0;
    const QPoint p = (QPointF(e->pos()) / s).toPoint();
    QEvent::Type type;
    switch (e->type()) {
    case QEvent::MouseButtonPress:
        type = QEvent::GraphicsSceneMousePress;
        break;
    case QEvent::MouseButtonRelease:
        type = QEvent::GraphicsSceneMouseRelease;
        break;
    case QEvent::MouseButtonDblClick:
        type = QEvent::GraphicsSceneMouseDoubleClick;
        break;
    default:
        type = QEvent::GraphicsSceneMouseMove;
        break;
    }
    QGraphicsSceneMouseEvent se(type);
    se.setWidget(this);
    se.setButtonDownScenePos(e->button(), p);
    se.setButtonDownScreenPos(e->button(), p);
    se.setScenePos(p);
    se.setScreenPos(p);
    se.setLastScenePos(p);
    se.setLastScreenPos(p);
    se.setButtons(e->buttons());
    se.setButton(e->button());
    se.setModifiers(e->modifiers());
    se.setAccepted(false);
    QApplication::sendEvent(m_scene, &se);
    e->setAccepted(se.isAccepted());
}

void CtrlView::HandleWheelEvent(QWheelEvent* e) {
    PROFILE_SCOPE("CtrlView::HandleWheelEvent");
    const double s = m_scale > 0 ? m_scale : 1.0;
    const QPoint p = (e->position() / s).toPoint();
    QGraphicsSceneWheelEvent se(e->type() == QEvent::Wheel ? QEvent::GraphicsSceneWheel
                                                           : QEvent::GraphicsSceneMouseMove);
    se.setWidget(this);
    se.setScenePos(p);
    se.setScreenPos(p);
    se.setDelta(e->angleDelta().y() != 0 ? e->angleDelta().y() : e->angleDelta().x());
    se.setOrientation(e->angleDelta().y() != 0 ? Qt::Vertical : Qt::Horizontal);
    se.setButtons(e->buttons());
    se.setModifiers(e->modifiers());
    se.setAccepted(false);
    QApplication::sendEvent(m_scene, &se);
    e->setAccepted(se.isAccepted());
}

// ---------------------------------------------------------------------------------------------------------
// Painting

void CtrlView::paintEvent(QPaintEvent*) {
    PROFILE_SCOPE("CtrlView::paintEvent");
    if (!m_root)
        return;
    const double o = opacity();
    if (o <= 0)
        return;
    const QRectF r = m_root->boundingRect();
    const QRectF target(0, 0, r.width() * m_scale, r.height() * m_scale);
    QPixmap pixmap;
    QPainter widgetPainter(this);
    QPainter pixmapPainter;
    QPainter* p = &widgetPainter;
    const QSize pixmapSize(int(r.width() * m_scale), int(r.height() * m_scale));
    // A fade goes through a pixmap of the view's size; an absurd scale would not get one.
    const bool fade =
        o < 1 && pixmapSize.width() <= LEBase::MaxImageSide && pixmapSize.height() <= LEBase::MaxImageSide;
    if (o < 1 && !fade)
        widgetPainter.setOpacity(o);
    if (fade) {
        pixmap = QPixmap(pixmapSize);
        pixmap.fill(Qt::transparent);
        pixmapPainter.begin(&pixmap);
        p = &pixmapPainter;
    }
    p->setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    m_scene->render(p, target, r, Qt::KeepAspectRatio);
    m_updatePending = false;
    if (fade) {
        pixmapPainter.end();
        widgetPainter.setOpacity(o);
        widgetPainter.drawPixmap(0, 0, pixmap);
    }
}

// ---------------------------------------------------------------------------------------------------------
// The View record

QVariantMap CtrlView::BuildViewUpdate(QVariantMap& sources, QVariantMap& previous, int* changed) {
    PROFILE_SCOPE("CtrlView::BuildViewUpdate");
    int count = 0;
    m_sentSinceRecord = false;
    if (m_repaintedSinceRecord) {
        m_repaintedSinceRecord = false;
        // Without a painter the elements bring their images and texts up to date and draw nothing.
        const QList<LEBase*> elements = m_elements;
        for (LEBase* e : elements)
            e->paint(nullptr, nullptr, nullptr);
    }
    quint64 bs = m_buttonSoundId;
    if (bs != 0 && !ButtonSoundsOn())
        bs = 0;

    static const QString kId = QStringLiteral("id"), kX = QStringLiteral("x"), kY = QStringLiteral("y"),
                         kW = QStringLiteral("w"), kH = QStringLiteral("h"), kV = QStringLiteral("v"),
                         kBs = QStringLiteral("bs"), kPs = QStringLiteral("ps"), kCt = QStringLiteral("ct"),
                         kCd = QStringLiteral("cd"), kLy = QStringLiteral("ly"), kLd = QStringLiteral("ld"),
                         kIdx = QStringLiteral("idx");
    QVariantMap record;
    record.insert(kId, m_id);
    const QSize cells = m_root ? m_root->GetSize() : QSize(0, 0);
    count += ViewDelta::Write(previous, record, kX, m_gridX, QVariant());
    count += ViewDelta::Write(previous, record, kY, m_gridY, QVariant());
    count += ViewDelta::Write(previous, record, kW, cells.width(), QVariant());
    count += ViewDelta::Write(previous, record, kH, cells.height(), QVariant());
    count += ViewDelta::Write(previous, record, kV, m_shown ? 1 : 0, 1);
    count += ViewDelta::Write(previous, record, kBs, bs, 0);
    count += ViewDelta::Write(previous, record, kPs, m_oneShotSoundId, 0);
    m_oneShotSoundId = 0;

    if (IsNetClient()) {
        count += ViewDelta::Write(previous, record, kCt, m_clientTickInterval, 1000);
        count += ViewDelta::Write(previous, record, kCd, m_clientData, QVariant());
        DataCfg* cfg = DataCfg::Instance();
        const struct {
            const QString* handler;
            const char* key;
        } handlers[] = {{&m_skin.OnInit, "f_i"}, {&m_skin.OnTick, "f_t"}, {&m_skin.OnMouseClick, "f_mc"}};
        for (const auto& h : handlers) {
            if (!cfg || h.handler->isEmpty())
                continue;
            const QString full = MakeFullName(*h.handler, m_skin.Set);
            const QString text = cfg->GetScriptFuncText(full);
            if (text.isEmpty())
                continue;
            QString name = full;
            name.replace(QLatin1Char(':'), QLatin1Char('_'));
            sources.insert(QStringLiteral("function ") + name, text);
            count += ViewDelta::Write(previous, record, QLatin1String(h.key), name, QVariant());
        }
    }

    QVariantMap prevElements = previous.value(kLy).toMap();
    QVariantMap newElements;
    QSet<QString> present;
    int index = 0;
    const QList<LEBase*> elements = m_elements;
    for (LEBase* e : elements) {
        const QString key = QString::number(e->GetId());
        present.insert(key);
        const QVariantMap elementPrev = prevElements.value(key).toMap();
        QVariantMap elementRecord;
        e->BuildDataUpdate(elementPrev, elementRecord);
        ++index;
        ViewDelta::Write(elementPrev, elementRecord, kIdx, index, QVariant());
        if (!elementRecord.isEmpty())
            newElements.insert(key, elementRecord);
    }
    QVariantList gone;
    for (auto it = prevElements.begin(); it != prevElements.end();) {
        if (present.contains(it.key())) {
            ++it;
            continue;
        }
        gone << it.key().toInt();
        it = prevElements.erase(it);
    }
    if (previous.contains(kLy) || !gone.isEmpty())
        previous.insert(kLy, prevElements);
    if (!newElements.isEmpty())
        record.insert(kLy, newElements);
    count += newElements.size() + gone.size();
    if (!gone.isEmpty())
        record.insert(kLd, gone);
    if (changed)
        *changed = count;
    return record;
}
