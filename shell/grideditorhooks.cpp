#include "shell/grideditorhooks.h"

#include "config/datacfgrecords.h"
#include "editor/gridview.h"
#include "editor/mtegridedit.h"
#include "editor/netgridsprovider.h"
#include "editor/tabview.h"
#include "foundation/logger/QsLog.h"
#include "shell/mervexwnd.h"

GridEditorHooks::GridEditorHooks(MervexWnd* wnd) : QObject(wnd), m_wnd(wnd) {}

GridEditorHooks* GridEditorHooks::Install(MervexWnd* wnd) {
    auto* hooks = new GridEditorHooks(wnd);
    auto* tab = new QWidget;
    tab->setObjectName(QStringLiteral("ControlsTab"));
    wnd->SetTab(MervexWnd::TabCreate, tab);
    hooks->m_editor = new MTEGridEdit(tab);
    hooks->m_editor->SetCustomGridPath(wnd->GetCustomGridPath());
    hooks->MoveGridEditorTo(tab);
    if (auto* grids = dynamic_cast<NetGridsProvider*>(wnd->GridsProvider())) {
        QPointer<MTEGridEdit> editor = hooks->m_editor;
        grids->SetEditorChangeCount([editor] { return editor ? editor->ChangeCount() : 0; });
    }
    wnd->SetTabHooks(hooks);
    return hooks;
}

void GridEditorHooks::FillTabs() {
    m_editor->ReloadCfg();
}

void GridEditorHooks::MoveGridEditorTo(QWidget* tab) {
    if (!tab)
        return;
    if (m_editor->parentWidget() != tab)
        m_editor->setParent(tab);
    // The editor takes the right-hand part of the tab.
    m_editor->move(qMax(0, tab->width() - m_editor->width()), 0);
    m_editor->show();
}

bool GridEditorHooks::GridEditorMayClose() {
    return m_editor->DoModifiedWarning();
}

void GridEditorHooks::ApplyTabs() {
    m_editor->ApplyTabs();
}

void GridEditorHooks::RevertGrid() {
    if (m_editor->Canvas()->IsModified())
        m_editor->RevertGrid();
    m_editor->RefreshTabs();
}

int GridEditorHooks::GridTabCount() {
    return m_editor->Tabs()->Count(false);
}

bool GridEditorHooks::AddInitialCustomTab(const QString& gridKey) {
    DataCfg* cfg = DataCfg::Instance();
    if (!cfg)
        return false;
    const DataCfg::TGrid grid = cfg->FindGrid(gridKey);
    TabView* tabs = m_editor->Tabs();
    tabs->RemoveEmptyTabs();
    if (grid.Name.isEmpty() || tabs->Count() >= MTEGridEdit::MaxTabs)
        return false;
    tabs->AddTab(grid);
    tabs->OnTabClicked(0);
    m_editor->ApplyTabs();
    return true;
}
