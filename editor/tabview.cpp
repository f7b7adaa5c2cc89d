#include "editor/tabview.h"

#include "editor/igrideditor.h"
#include "editor/tabelem.h"
#include "widgets/popupwnd.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QScrollArea>

TabView::TabView(QWidget* parent, IGridEditor* editor) : QWidgetEx(parent), m_editor(editor) {
    const double scale = m_editor ? m_editor->GetScale() : 0.5;
    setGeometry(0, int(800 * scale), int(640 * scale), int(160 * scale));
}

void TabView::Layout() {
    const double scale = m_editor ? m_editor->GetScale() : 0.5;
    for (int i = 0; i < m_tabs.size(); ++i)
        m_tabs[i]->move(int(i * 160 * scale), int(20 * scale));
    setGeometry(0, 0, int(m_tabs.size() * 160 * scale), int(160 * scale));
}

void TabView::AddTab(const DataCfg::TGrid& grid) {
    auto* tab = new TabElem(this, m_editor);
    tab->Init(grid);
    connect(tab, &TabElem::clicked, this, &TabView::OnTabClicked);
    m_tabs << tab;
    tab->show();
    Layout();
}

void TabView::RemoveTab(int index) {
    if (index < 0 || index >= m_tabs.size())
        return;
    TabElem* tab = m_tabs.takeAt(index);
    tab->hide();
    tab->deleteLater();
    if (m_current >= m_tabs.size())
        m_current = m_tabs.size() - 1;
    Layout();
}

int TabView::RemoveEmptyTabs() {
    for (int i = m_tabs.size() - 1; i >= 0; --i) {
        if (m_tabs[i]->Kind() == TabElem::Empty)
            RemoveTab(i);
    }
    return m_tabs.size();
}

void TabView::Clear() {
    for (TabElem* tab : qAsConst(m_tabs)) {
        tab->hide();
        tab->deleteLater();
    }
    m_tabs.clear();
    m_current = -1;
}

void TabView::SwapTabs(int a, int b) {
    if (a < 0 || b < 0 || a >= m_tabs.size() || b >= m_tabs.size() || a == b)
        return;
    m_tabs.swapItemsAt(a, b);
    if (m_current == a)
        m_current = b;
    else if (m_current == b)
        m_current = a;
    Layout();
}

int TabView::Count(bool withEmpty) const {
    int n = 0;
    for (TabElem* tab : m_tabs)
        n += (withEmpty || tab->Kind() != TabElem::Empty) ? 1 : 0;
    return n;
}

QString TabView::GetTabKey(int index) const {
    return index >= 0 && index < m_tabs.size() ? m_tabs[index]->Key() : QString();
}

int TabView::IndexOf(const QString& key) const {
    for (int i = 0; i < m_tabs.size(); ++i) {
        if (m_tabs[i]->Key() == key)
            return i;
    }
    return -1;
}

void TabView::SetTabType(int index, int kind) {
    if (TabElem* tab = m_tabs.value(index))
        tab->SetType(kind);
}

void TabView::UpdateCustomTab(const QString& oldName, const DataCfg::TGrid& grid) {
    const int index = IndexOf(QStringLiteral("CustomGrid:") + oldName);
    if (index < 0)
        return;
    TabElem* tab = m_tabs[index];
    const int kind = tab->Kind();
    tab->Init(grid);
    tab->SetType(kind);
    tab->SetActive(index == m_current);
}

void TabView::Redraw() {
    for (int i = 0; i < m_tabs.size(); ++i)
        m_tabs[i]->SetActive(i == m_current);
}

void TabView::OnTabClicked(int index) {
    if (index < 0)
        return;
    if (mayChange && !mayChange())
        return;
    if (GetTabKey(index) == QLatin1String("Empty") && sender()) {
        const int answer =
            m_editor ? m_editor->AskUser(4, tr("CREATE CUSTOM TAB?"), tr("Do you want to create a custom tab?"),
                                         QMessageBox::Yes | QMessageBox::No)
                     : QMessageBox::No;
        if (answer == QMessageBox::Yes && createCustomOnEmpty)
            createCustomOnEmpty();
        return;
    }
    if (m_tabs.isEmpty())
        return;
    m_current = qBound(0, index, m_tabs.size() - 1);
    Redraw();
    if (auto* area = qobject_cast<QScrollArea*>(parentWidget() ? parentWidget()->parentWidget() : nullptr))
        area->ensureWidgetVisible(m_tabs[m_current], 0, 0);
    emit TabIndexChanged(m_current);
}

void TabView::Inactivate() {
    m_current = -1;
    Redraw();
}

void TabView::SetCurrentSilently(int index) {
    m_current = index >= 0 && index < m_tabs.size() ? index : -1;
    Redraw();
}
