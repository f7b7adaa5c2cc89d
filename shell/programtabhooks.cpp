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
#include "shell/accountui.h"
#include "shell/adddevicepopup.h"
#include "shell/helpguideovl.h"
#include "shell/mervexwnd.h"
#include "shell/mteasyctrl.h"
#include "shell/mtesettingsedit.h"
#include "shell/mtmainctrl.h"
#include "shell/mtsettingsctrl.h"
#include "shell/mtsupportctrl.h"

ProgramTabHooks::ProgramTabHooks() = default;

ProgramTabHooks::~ProgramTabHooks() {
    if (m_renderer && ExchangeRenderer::Get() == m_renderer.get())
        ExchangeRenderer::Install(nullptr);
    if (m_parts.grids)
        m_parts.grids->SetEditorChangeCount(nullptr);
}

MTEGridEdit* ProgramTabHooks::Editor() const {
    return m_editor;
}

MTEasyCtrl* ProgramTabHooks::Browse() const {
    return m_browse;
}

void ProgramTabHooks::Attach(MervexWnd* wnd, const ProgramContext& parts) {
    m_wnd = wnd;
    m_parts = parts;
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
    if (parts.grids) {
        QPointer<MTEGridEdit> editor = m_editor;
        parts.grids->SetEditorChangeCount([editor] { return editor ? editor->ChangeCount() : 0; });
    }

    m_settings = new MTSettingsCtrl(wnd, parts.cfg, parts.server);
    m_settings->setObjectName(QStringLiteral("SettingsTab"));
    wnd->SetTab(MervexWnd::TabSettings, m_settings);
    // Logged in at start when the user chose "Stay logged in": silently, once the user configuration is read.
    AccountUI* account = m_settings->Edit()->Account();
    QObject::connect(wnd, &MervexWnd::StartupFinished, account, [account] { account->DoMervexLogin(0, true); });
    m_support = new MTSupportCtrl(wnd);
    // The help pages come in the language chosen last.
    QPointer<MervexWnd> window = wnd;
    m_support->SetLanguageReader([window] { return window ? window->CurrentLanguage() : QString(); });
    m_support->setObjectName(QStringLiteral("SupportTab"));
    wnd->SetTab(MervexWnd::TabSupport, m_support);
    QObject::connect(m_support, &MTSupportCtrl::TestOk, wnd, &MervexWnd::OnSupportOk);
    QObject::connect(m_support, &MTSupportCtrl::TestError, wnd, &MervexWnd::OnSupportError);
}

MTSettingsCtrl* ProgramTabHooks::Settings() const {
    return m_settings;
}

MTSupportCtrl* ProgramTabHooks::Support() const {
    return m_support;
}

void ProgramTabHooks::FillTabs() {
    // The control list and the control editor first; then the browse tab fills the grid editor and lists
    // the grids; the settings tab lists its pages.
    m_tab->ControlList()->Fill();
    m_tab->ControlEditor()->InitTimers();
    m_browse->Init();
    m_settings->Init();
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

QStringList ProgramTabHooks::KeepUnsavedChanges() {
    QStringList done = m_editor->KeepChangesUnasked();
    if (m_settings->Edit()->KeepChangesUnasked())
        done << QStringLiteral("the settings page's changes were saved");
    return done;
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

bool ProgramTabHooks::SettingsMayLeave() {
    return m_settings->MayLeave();
}

void ProgramTabHooks::RefreshSettings() {
    m_settings->Activate();
}

void ProgramTabHooks::SaveSettings() {
    m_settings->Save();
}

void ProgramTabHooks::RevertSettings() {
    m_settings->Cancel();
}

bool ProgramTabHooks::SupportTestPassed() {
    return m_support->IsTestDone();
}

void ProgramTabHooks::StartSupportTest() {
    m_support->StartReachabilityTest();
}

void ProgramTabHooks::ClearSupportTest() {
    m_support->ClearTestDone();
}

void ProgramTabHooks::RefreshSupport() {
    m_support->Open();
}

bool ProgramTabHooks::ImportPackage(const QString& path) {
    return PackageImport::ImportFile(path, m_wnd, m_editor);
}

bool ProgramTabHooks::IsPairingMode() {
    return m_settings->IsPairingMode();
}

bool ProgramTabHooks::RunFirstStartPairing() {
    AddDevicePopup* popup = m_settings->RunFirstStartPairing();
    if (!popup)
        return false;
    QObject::connect(popup, &QDialog::finished, m_wnd, &MervexWnd::FirstStartPairingEnded);
    return true;
}

bool ProgramTabHooks::HasHelpGuide() {
    return HelpGuideOvl::Current() != nullptr;
}

void ProgramTabHooks::ShowHelpGuide() {
    if (m_wnd)
        new HelpGuideOvl(m_wnd);
}

void ProgramTabHooks::CloseHelpGuide() {
    if (HelpGuideOvl* overlay = HelpGuideOvl::Current())
        overlay->OnClose();
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
