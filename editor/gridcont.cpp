#include "editor/gridcont.h"

#include "runtime/ctrlview.h"
#include "server/netruntimeadapters.h"

GridCont::GridCont(QWidget* parent) : QWidgetEx(parent) {}

GridCont::~GridCont() {
    // Deleted here, while the list still exists, not later by the widget tree.
    DeleteViews();
    qDeleteAll(m_adapters);
    m_adapters.clear();
}

QList<INetCtrlView*> GridCont::CtrlViews() const {
    QList<INetCtrlView*> list;
    list.reserve(m_views.size());
    for (CtrlView* v : m_views)
        list << m_adapters.value(v);
    return list;
}

void GridCont::AppendView(CtrlView* view) {
    m_views.append(view);
    // The view reaches its grid (height, phone session, message overlay) through this container.
    view->SetContainer(this);
    // A view deleted by anyone else must not stay behind in the list.
    connect(view, &QObject::destroyed, this, [this](QObject* gone) {
        CtrlView* v = static_cast<CtrlView*>(gone);
        m_views.removeAll(v);
        delete m_adapters.take(v);
    });
    if (!m_adapters.contains(view))
        m_adapters.insert(view, new NetCtrlViewAdapter(view));
}

bool GridCont::TakeView(CtrlView* view) {
    if (!m_views.removeOne(view))
        return false;
    disconnect(view, &QObject::destroyed, this, nullptr);
    delete m_adapters.take(view);
    return true;
}

void GridCont::DeleteViews() {
    const QList<CtrlView*> views = m_views;
    m_views.clear();
    for (CtrlView* v : views) {
        disconnect(v, &QObject::destroyed, this, nullptr);
        delete m_adapters.take(v);
        delete v;
    }
}
