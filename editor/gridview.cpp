#include "editor/gridview.h"

#include "editor/gridviewglobal.h"
#include "editor/igrideditor.h"
#include "foundation/logger/QsLog.h"
#include "foundation/profiler.h"
#include "runtime/ctrlview.h"
#include "runtime/dcgrid.h"
#include "widgets/imgwidget.h"

#include <QScriptEngine>
#include <QTimer>

GridView::GridView(QWidget* parent, IGridEditor* editor) : GridCont(parent), m_editor(editor), m_dcTarget(this) {}

GridView::~GridView() {
    // The views run their scripts against this canvas until they are gone.
    DeleteViews();
    m_info.clear();
    // The script objects refer to this canvas; they go before it does.
    qDeleteAll(m_scriptObjects);
    m_scriptObjects.clear();
}

QSize GridView::CanvasSize(int rows) const {
    return QSize(int(Columns * CellSize * m_scale), int(rows * CellSize * m_scale));
}

QPoint GridView::CellPos(int column, int row) const {
    return QPoint(int(column * CellSize * m_scale), int(row * CellSize * m_scale));
}

bool GridView::CellOnGrid(int column, int row) {
    return column >= 0 && column < Columns && row >= 0 && row < MaxRows;
}

int GridView::InstanceId(CtrlView* view) {
    return view ? view->Control().id : -1;
}

// ---------------------------------------------------------------------------------------------------------
// Set-up

void GridView::InitDeck() {
    PROFILE_SCOPE("GridView::InitDeck");
    if (m_editor) {
        m_scale = m_editor->GetScale();
        delete m_deck;
        m_deck = new ImgWidget(this, m_editor->LoadScaledGfx(QStringLiteral("DeckBG")));
        m_deck->lower();
        m_deck->show();
    }
    // A reload of the editor runs this again: one timer is enough.
    if (!m_timer) {
        m_timer = new QTimer(this);
        connect(m_timer, &QTimer::timeout, this, &GridView::OnUpdate);
        m_timer->setInterval(UpdateIntervalMs);
    }
    // A phone's view always ticks; the editor's canvas only while it is shown (see showEvent).
    if (m_editor && !isVisible()) {
        m_timer->stop();
        if (!m_hiddenSince.isValid())
            m_hiddenSince.start();
    } else {
        m_timer->start();
    }
    setEnabled(true);
}

void GridView::ClearScriptObjects() {
    for (DCGrid* dc : qAsConst(m_scriptObjects))
        dc->deleteLater();
    m_scriptObjects.clear();
}

void GridView::SetGrid(const NetGrid& grid) {
    DataCfg* cfg = DataCfg::Instance();
    if (!cfg || !grid.IsFound()) {
        SetGrid(DataCfg::TGrid());
        return;
    }
    SetGrid(cfg->FindGrid(grid.key.isEmpty() ? grid.name : grid.key));
}

namespace {

// A cell's key in the maps that carry ids and selections across a relayout.
int CellKey(int column, int row) {
    return (row << 16) | (column & 0xFFFF);
}

// The control an element of the grid shows: the configuration's control with the element's skin, parameters
// and option values over it, and the id given.
DataCfg::TControl ElementControl(DataCfg::TControl c, const DataCfg::TGridElem& e, const int* keptId) {
    if (keptId)
        c.id = *keptId;
    else
        c.NewId();
    if (e.SkinIdx != -1)
        c.SkinIdx = e.SkinIdx;
    c.ExtParams = MergeVariantMaps(c.ExtParams, e.ExtParams, QStringList());
    for (auto it = e.Config.cbegin(); it != e.Config.cend(); ++it) {
        DataCfg::TConfigOption* option = c.Config.FindOption(it.key());
        if (!option) {
            DataCfg::TConfigOption added;
            added.Name = it.key();
            c.Config.Options.append(added);
            option = &c.Config.Options.last();
        }
        option->Value = it.value().toString();
    }
    return c;
}

} // namespace

void GridView::ClearGrid() {
    ClearScriptObjects();
    m_pressed = nullptr;
    m_gridId = -1;

    m_info.clear();
    DeleteViews();
    qDeleteAll(m_emptyCells);
    m_emptyCells.clear();
}

CtrlView* GridView::AddElementView(int element, const DataCfg::TControl& c, bool selected) {
    const DataCfg::TGridElem& e = m_grid.Elements.at(element);
    const int left = e.Position.x();
    const int top = e.Position.y();
    auto* view = new CtrlView(this);
    view->setObjectName(QStringLiteral("CtrlView%1").arg(element));
    view->hide();
    view->SetScale(m_scale);
    view->move(CellPos(left, top));
    view->SetGridPos(left, top);
    if (!m_grid.Custom)
        view->SetInteractionButtons(Qt::LeftButton | Qt::RightButton);
    if (m_editor && m_grid.Custom)
        view->installEventFilter(this);
    ViewInfo info;
    info.element = element;
    info.resetName = e.ResetName;
    info.selected = selected;
    m_info.insert(view, info);
    AppendView(view);
    // The view takes its own copy again when it is bound.
    view->Control() = c;
    return view;
}

void GridView::SetGrid(const DataCfg::TGrid& g) {
    PROFILE_SCOPE("GridView::SetGrid");
    const bool sameGrid = g.Name == m_grid.Name;

    // Instance ids stay with their cell across a relayout; selections only within the same grid.
    QHash<int, int> idByCell;
    QSet<int> selectedCells;
    for (CtrlView* v : Views()) {
        const int key = CellKey(v->GetGridX(), v->GetGridY());
        idByCell.insert(key, InstanceId(v));
        if (sameGrid && IsSelected(v))
            selectedCells.insert(key);
    }

    ClearGrid();
    m_grid = g;
    if (m_grid.Name.isEmpty())
        return;

    m_gridId = m_grid.id;
    int rows = qBound(MinRows, m_grid.Height, MaxGridRows);

    if (m_editor && m_grid.Custom)
        MakeEmptyCells();

    DataCfg* cfg = DataCfg::Instance();
    for (int i = 0; i < m_grid.Elements.size(); ++i) {
        const DataCfg::TGridElem& e = m_grid.Elements.at(i);
        const DataCfg::TControl found = cfg ? cfg->FindControl(e.Control) : DataCfg::TControl();
        if (found.Name.isEmpty()) {
            QLOG_WARN() << "Can't find Control:" << e.Control;
            continue;
        }
        const int left = e.Position.x();
        const int top = e.Position.y();
        if (!CellOnGrid(left, top)) {
            QLOG_WARN() << "GridView::SetGrid: control outside the grid:" << e.Control << left << top;
            continue;
        }
        const int key = CellKey(left, top);
        const auto kept = idByCell.constFind(key);
        const DataCfg::TControl c = ElementControl(found, e, kept != idByCell.cend() ? &kept.value() : nullptr);
        rows = qMax(rows, top + qBound(0, c.Size.height(), CtrlView::MaxCells));
        AddElementView(i, c, selectedCells.contains(key));
    }

    const QList<CtrlView*> views = Views();
    for (CtrlView* v : views) {
        v->show();
        const DataCfg::TControl c = v->Control();
        v->Init(c);
        // A selection that survives the relayout keeps its frame: Delete acts on what looks selected.
        if (m_editor && IsSelected(v))
            ShowSelector(v, 1.0);
    }

    if (m_editor)
        UpdateDeckBackground(rows);

    m_grid.Height = rows;
    resize(CanvasSize(rows));
    setAcceptDrops(true);
    ExecGridFunc(m_grid.OnInit);
}

void GridView::MakeEmptyCells() {
    const QImage empty = m_editor->LoadScaledGfx(QStringLiteral("ControlEmpty"));
    const QImage divider = m_editor->LoadScaledGfx(QStringLiteral("DividerBar"));
    // Ten rows of empty cells whatever the row count: the editor shows that many.
    for (int row = 0; row < 10; ++row) {
        for (int column = 0; column < Columns; ++column) {
            auto* cell = new ImgWidget(this, empty);
            cell->move(CellPos(column, row));
            cell->SetOpacity(0.5, 0);
            cell->setObjectName(QStringLiteral("ImgEmpty%1,%2").arg(column).arg(row));
            connect(cell, &QWidgetEx::OnMouseEnter, this, &GridView::OnEnterAnim);
            connect(cell, &QWidgetEx::OnMouseLeave, this, &GridView::OnEnterLeave);
            cell->installEventFilter(this);
            cell->show();
            m_emptyCells << cell;
        }
    }
    auto* bar = new ImgWidget(this, divider);
    bar->move(CellPos(0, 5));
    bar->show();
    m_emptyCells << bar;
}

void GridView::UpdateDeckBackground(int rows) {
    const QImage image = m_editor->AppSkin().GetDeckBG(m_grid.Background, 320, qMax(rows, 1) * 80);
    if (m_deck && m_deck->image() == image)
        return;
    delete m_deck;
    m_deck = new ImgWidget(this, image);
    m_deck->lower();
    m_deck->show();
    m_deck->update();
}

void GridView::StoreGrid() {
    PROFILE_SCOPE("GridView::StoreGrid");
    if (!m_grid.Custom)
        return;
    if (DataCfg* cfg = DataCfg::Instance()) {
        for (DataCfg::TGrid& g : cfg->Grids()) {
            if (g.Custom && g.Name == m_grid.Name)
                g = m_grid;
        }
    }
    m_modified = true;
}

void GridView::UpdateRows() {
    int rows = 5;
    for (CtrlView* v : Views())
        rows = qMax(rows, v->GetGridY() + v->GetGridH());
    m_grid.Height = rows;
    resize(CanvasSize(rows));
}

// ---------------------------------------------------------------------------------------------------------
// Scripts

DCGrid* GridView::GetDCGridObject(QScriptEngine* engine) {
    PROFILE_SCOPE("GridView::GetDCGrid");
    if (!engine)
        return nullptr;
    DCGrid* dc = m_scriptObjects.value(engine);
    if (!dc) {
        dc = new DCGrid(&m_dcTarget, engine, this);
        m_scriptObjects.insert(engine, dc);
    }
    return dc;
}

QObject* GridView::GetDCGrid(QScriptEngine* engine) {
    return GetDCGridObject(engine);
}

void GridView::ExecGridFunc(const QString& name) {
    PROFILE_SCOPE("GridView::ExecGridFunc");
    if (name.isEmpty())
        return;
    const QString full = name.contains(QLatin1Char(':')) ? name : m_grid.Set + QLatin1Char(':') + name;
    DataCfg* cfg = DataCfg::Instance();
    QScriptEngine* engine = cfg ? cfg->GetScriptEngine(full) : nullptr;
    if (!engine) {
        QLOG_DEBUG() << "Grid Function not found:" << full;
        return;
    }
    DCGrid* dc = GetDCGridObject(engine);
    cfg->ExecScriptfunc(this, full, QScriptValueList() << engine->newQObject(dc));
}

IGridViewGlobal* GridView::GetOverlay() {
    return m_overlay;
}

void GridView::SetOverlay(INetOverlayView* overlay) {
    m_overlay = dynamic_cast<GridViewGlobal*>(overlay);
}

// ---------------------------------------------------------------------------------------------------------
// Tick

void GridView::OnUpdate() {
    Tick(uint(UpdateIntervalMs));
}

void GridView::showEvent(QShowEvent* e) {
    GridCont::showEvent(e);
    if (!m_editor || !m_timer || m_timer->isActive() || !m_hiddenSince.isValid())
        return;
    // Whole update steps, at least one, at most an hour: every control whose tick fell due meanwhile ticks
    // once, so the canvas shows current values at once.
    const qint64 away = qBound<qint64>(UpdateIntervalMs, m_hiddenSince.elapsed(), 3600000);
    const uint step = uint(away / UpdateIntervalMs * UpdateIntervalMs);
    m_hiddenSince.invalidate();
    m_timer->start();
    QTimer::singleShot(0, this, [this, step] { Tick(step); });
}

void GridView::hideEvent(QHideEvent* e) {
    GridCont::hideEvent(e);
    // Nobody sees the editor's canvas: it does not wake the program ten times a second.
    if (m_editor && m_timer && m_timer->isActive()) {
        m_timer->stop();
        m_hiddenSince.start();
    }
}

void GridView::Tick(uint stepMs) {
    PROFILE_SCOPE("GridView::OnUpdate");
    if (Views().isEmpty())
        return;
    const uint old = m_elapsed;
    m_elapsed = old + stepMs;
    if ((old + 1) / 1000 != m_elapsed / 1000)
        ExecGridFunc(m_grid.OnTick);

    // A handler may remove views (RemControl) or lay the grid out anew while the list is walked.
    QList<QPointer<CtrlView>> views;
    for (CtrlView* v : Views())
        views << v;
    for (const QPointer<CtrlView>& v : qAsConst(views)) {
        if (v && Views().contains(v))
            v->OnTick(old, m_elapsed);
    }
    for (const QPointer<CtrlView>& v : qAsConst(views)) {
        if (v && Views().contains(v))
            v->OnCheckUpdate();
    }
}

void GridView::OnEnterAnim() {
    if (auto* cell = qobject_cast<ImgWidget*>(sender()))
        cell->SetOpacity(1.0, 100);
}

void GridView::OnEnterLeave() {
    if (auto* cell = qobject_cast<ImgWidget*>(sender()))
        cell->SetOpacity(0.5, 250);
}

// ---------------------------------------------------------------------------------------------------------
// Views

int GridView::ElementIndexOf(const CtrlView* view) const {
    return m_info.value(view).element;
}

QString GridView::ResetNameOf(const CtrlView* view) const {
    return m_info.value(view).resetName;
}

bool GridView::IsSelected(const CtrlView* view) const {
    return m_info.value(view).selected;
}

void GridView::SetSelected(const CtrlView* view, bool selected) {
    auto it = m_info.find(view);
    if (it != m_info.end())
        it->selected = selected;
}

QList<int> GridView::FindControlIndices(const QString& id) const {
    QString name = id;
    QString set;
    SplitFullName(name, set);
    // A bare name has no set to match.
    if (!id.contains(QLatin1Char(':')))
        set.clear();
    QList<int> out;
    const QList<CtrlView*>& views = Views();
    for (int i = 0; i < views.size(); ++i) {
        const DataCfg::TControl& c = views.at(i)->Control();
        if (c.Name == name && (set.isEmpty() || c.Set == set))
            out << i;
    }
    return out;
}

QVariantList GridView::FindControls(const QString& id) const {
    QVariantList out;
    for (int i : FindControlIndices(id))
        out << i;
    return out;
}

QScriptValue GridView::DCTarget::GetCtrl(QScriptEngine* engine, int index) {
    const QList<CtrlView*>& views = m_grid->Views();
    if (!engine || index < 0 || index >= views.size())
        return QScriptValue();
    CtrlView* view = views.at(index);
    return view->GetDCControl(engine) ? view->GetDCControlValue(engine) : QScriptValue();
}

QScriptValue GridView::GetCtrl(int index) {
    const QScriptValue value = m_dcTarget.GetCtrl(engine(), index);
    return value.isValid() ? value : QScriptValue(0);
}

void GridView::MoveCtrl(int index, int x, int y) {
    if (index < 0 || index >= ViewCount())
        return;
    if (!CellOnGrid(x, y)) {
        QLOG_DEBUG() << "GridView::MoveCtrl: cell outside the grid:" << x << y;
        return;
    }
    CtrlView* v = Views().at(index);
    v->move(CellPos(x, y));
    v->SetGridPos(x, y);
    v->Invalidate();
    UpdateRows();
}

uint GridView::AddControl(int x, int y, const QString& id) {
    return AddControl(x, y, id, QVariantMap());
}

uint GridView::AddControl(int x, int y, const QString& id, const QVariantMap& params) {
    PROFILE_SCOPE("GridView::AddControl");
    DataCfg* cfg = DataCfg::Instance();
    DataCfg::TControl c = cfg ? cfg->FindControl(id) : DataCfg::TControl();
    if (c.Name.isEmpty())
        return 0;
    if (!CellOnGrid(x, y)) {
        QLOG_DEBUG() << "GridView::AddControl: cell outside the grid:" << id << x << y;
        return 0;
    }
    c.NewId();
    c.ExtParams = MergeVariantMaps(c.ExtParams, params, QStringList());

    auto* view = new CtrlView(this);
    view->setObjectName(QStringLiteral("CtrlView%1x%2").arg(x).arg(y));
    view->hide();
    view->SetScale(m_scale);
    view->move(CellPos(x, y));
    view->SetGridPos(x, y);
    if (!m_grid.Custom)
        view->SetInteractionButtons(Qt::LeftButton | Qt::RightButton);
    m_info.insert(view, ViewInfo());
    AppendView(view);
    view->Init(c);
    view->show();
    UpdateRows();
    return uint(c.id);
}

void GridView::RemControl(uint id) {
    for (CtrlView* v : Views()) {
        if (uint(InstanceId(v)) == id) {
            TakeView(v);
            m_info.remove(v);
            if (m_pressed == v)
                m_pressed = nullptr;
            v->deleteLater();
            return;
        }
    }
}

int GridView::FindControl(uint id) const {
    const QList<CtrlView*>& views = Views();
    for (int i = 0; i < views.size(); ++i) {
        if (uint(InstanceId(views.at(i))) == id)
            return i;
    }
    return -1;
}
