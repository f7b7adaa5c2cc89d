#include "shell/programtabhooks.h"

#include "config/datacfgrecords.h"
#include "editor/exchangerenderer.h"
#include "editor/gridsettingsdlg.h"
#include "editor/gridview.h"
#include "editor/mtebuttonelements.h"
#include "editor/mteeditcontrol.h"
#include "editor/mtegridedit.h"
#include "editor/netgridsprovider.h"
#include "editor/packageimport.h"
#include "editor/tabview.h"
#include "foundation/logger/QsLog.h"
#include "shell/mervexwnd.h"
#include "shell/mteasyctrl.h"
#include "shell/mtmainctrl.h"

ProgramTabHooks::ProgramTabHooks() = default;

ProgramTabHooks::~ProgramTabHooks() {
    if (m_renderer && ExchangeRenderer::Get() == m_renderer.get())
        ExchangeRenderer::Install(nullptr);
    if (m_wnd) {
        if (auto* grids = dynamic_cast<NetGridsProvider*>(m_wnd->GridsProvider()))
            grids->SetEditorChangeCount(nullptr);
    }
}

MTEGridEdit* ProgramTabHooks::Editor() const {
    return m_editor;
}

MTEasyCtrl* ProgramTabHooks::Browse() const {
    return m_browse;
}

void ProgramTabHooks::Attach(MervexWnd* wnd) {
    m_wnd = wnd;
    auto* tab = new MTMainCtrl;
    m_tab = tab;
    wnd->SetTab(MervexWnd::TabCreate, tab);
    m_editor = tab->GridEditor();
    m_editor->SetCustomGridPath(wnd->GetCustomGridPath());
    // New and Edit run the grid settings dialog on the shown grid.
    m_editor->SetGridSettingsRunner(&GridSettingsDlg::Run);
    // The browse tab borrows the editor whenever it shows; until then it stays on the controls tab.
    m_browse = new MTEasyCtrl(nullptr, m_editor);
    wnd->SetTab(MervexWnd::TabBrowse, m_browse);
    // Exported archives carry screenshots and tab-icon previews drawn with this editor's skin.
    m_renderer = std::make_unique<ExchangeRendererImpl>(m_editor);
    ExchangeRenderer::Install(m_renderer.get());
    MoveGridEditorTo(tab);
    if (auto* grids = dynamic_cast<NetGridsProvider*>(wnd->GridsProvider())) {
        QPointer<MTEGridEdit> editor = m_editor;
        grids->SetEditorChangeCount([editor] { return editor ? editor->ChangeCount() : 0; });
    }
}

void ProgramTabHooks::FillTabs() {
    // The control list and the control editor first; then the browse tab fills the grid editor and lists
    // the grids.
    m_tab->ControlList()->Fill();
    m_tab->ControlEditor()->InitTimers();
    m_browse->Init();
}

void ProgramTabHooks::StoreTreeState() {
    if (m_tab)
        m_tab->StoreTreeState();
}

void ProgramTabHooks::RefillGridBrowser() {
    m_browse->List()->Rebuild();
}

void ProgramTabHooks::MoveGridEditorTo(QWidget* tab) {
    if (!tab)
        return;
    if (tab == m_tab) {
        m_tab->TakeGridEditor();
        return;
    }
    if (m_editor->parentWidget() != tab)
        m_editor->setParent(tab);
    // The editor takes the right-hand part of the tab.
    m_editor->move(qMax(0, tab->width() - m_editor->width()), 0);
    m_editor->show();
}

bool ProgramTabHooks::GridEditorMayClose() {
    return m_editor->DoModifiedWarning();
}

void ProgramTabHooks::ApplyTabs() {
    m_editor->ApplyTabs();
}

void ProgramTabHooks::RevertGrid() {
    if (m_editor->Canvas()->IsModified())
        m_editor->RevertGrid();
    m_editor->RefreshTabs();
}

int ProgramTabHooks::GridTabCount() {
    return m_editor->Tabs()->Count(false);
}

// The settings and support tabs are not on the window yet: nothing is unsaved there, and the support tab
// has no test to pass.
bool ProgramTabHooks::SettingsMayLeave() {
    return true;
}

void ProgramTabHooks::RefreshSettings() {
    ReportMissing("RefreshSettings (no settings tab)");
}

void ProgramTabHooks::SaveSettings() {
    ReportMissing("SaveSettings (no settings tab)");
}

void ProgramTabHooks::RevertSettings() {
    ReportMissing("RevertSettings (no settings tab)");
}

bool ProgramTabHooks::SupportTestPassed() {
    return true;
}

void ProgramTabHooks::StartSupportTest() {
    ReportMissing("StartSupportTest (no support tab)");
}

void ProgramTabHooks::ClearSupportTest() {}

void ProgramTabHooks::RefreshSupport() {
    ReportMissing("RefreshSupport (no support tab)");
}

bool ProgramTabHooks::ImportPackage(const QString& path) {
    return PackageImport::ImportFile(path, m_wnd, m_editor);
}

bool ProgramTabHooks::IsPairingMode() {
    ReportMissing("IsPairingMode (no devices page): only the first phone can pair");
    return false;
}

bool ProgramTabHooks::RunFirstStartPairing() {
    // With no device stored every phone that connects is asked about, so the first start needs no mode of
    // its own until the devices page can switch it.
    ReportMissing("RunFirstStartPairing (no devices page)");
    return false;
}

bool ProgramTabHooks::AddInitialCustomTab(const QString& gridKey) {
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
