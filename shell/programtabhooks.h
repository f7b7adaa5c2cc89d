#pragma once
// The program's answers to the main window's tab questions. It builds what sits on the tabs: the controls
// tab with the control list, the control editor and the grid editor (which moves to the browse tab when that
// shows), with its unsaved-edits questions, its tab list and the phone server's change counter; the
// settings tab with its pages, devices and pairing mode; the support tab with its reachability test; and
// the help overlay. Made by the composition root before the window, attached to it right after with the
// shared parts the tabs use (the configuration model, the phone server and its view of the grids).

#include "shell/imaintabhooks.h"
#include "shell/mtmainctrl.h"
#include "shell/programcontext.h"

#include <QObject>
#include <QPointer>

#include <memory>

class MervexWnd;
class MTEasyCtrl;
class ExchangeRendererImpl;
class MTEGridEdit;
class MTSettingsCtrl;
class MTSupportCtrl;

class ProgramTabHooks : public QObject, public IMainTabHooks {
    Q_OBJECT
public:
    ProgramTabHooks();
    ~ProgramTabHooks() override;

    // Builds the tabs' contents into the window, handing them the parts they use.
    void Attach(MervexWnd* wnd, const ProgramContext& parts);

    MTEGridEdit* Editor() const;
    MTEasyCtrl* Browse() const;
    MTMainCtrl* ControlsTab() const { return m_tab; }
    MTSettingsCtrl* Settings() const;
    MTSupportCtrl* Support() const;

    void FillTabs() override;
    void MoveGridEditorTo(QWidget* tab) override;
    bool SettingsMayLeave() override;
    void RefreshSettings() override;
    bool SupportTestPassed() override;
    void StartSupportTest() override;
    void ClearSupportTest() override;
    void RefreshSupport() override;
    bool GridEditorMayClose() override;
    QStringList KeepUnsavedChanges() override;
    void ApplyTabs() override;
    void SaveSettings() override;
    void RevertGrid() override;
    void RevertSettings() override;
    bool ImportPackage(const QString& path) override;
    void RefillGridBrowser() override;
    void StoreTreeState() override;
    int GridTabCount() override;
    bool AddInitialCustomTab(const QString& gridKey) override;
    bool IsPairingMode() override;
    bool RunFirstStartPairing() override;
    bool HasHelpGuide() override;
    void ShowHelpGuide() override;
    void CloseHelpGuide() override;

private:
    QPointer<MervexWnd> m_wnd;
    ProgramContext m_parts;
    QPointer<MTMainCtrl> m_tab;
    QPointer<MTEGridEdit> m_editor;
    QPointer<MTEasyCtrl> m_browse;
    std::unique_ptr<ExchangeRendererImpl> m_renderer;
    QPointer<MTSettingsCtrl> m_settings;
    QPointer<MTSupportCtrl> m_support;
};
