#pragma once
// What the main window asks of its tabs (browse, create, settings, support) and of the panels inside them:
// filling them at start-up, the unsaved-changes questions, OK/APPLY/CANCEL, package imports, the help
// overlay and the pairing mode. The tabs install their answers with MervexWnd::SetTabHooks; until then
// these defaults serve (nothing to fill, nothing unsaved, no pairing mode).

#include <QString>

class IMainTabHooks {
public:
    virtual ~IMainTabHooks() = default;

    // Start-up: the controls tab fills its panels, the settings tab initialises, the browse tab lists grids.
    virtual void FillTabs() {}
    // The grid editor is one widget shared by the controls and the browse tab; it moves to the tab shown.
    virtual void MoveGridEditorTo(QWidget* tab) { Q_UNUSED(tab); }

    // Leaving the settings page: false when the user cancelled its "SAVE CHANGES?" question.
    virtual bool SettingsMayLeave() { return true; }
    virtual void RefreshSettings() {}
    // The support tab opens only after its reachability test passed.
    virtual bool SupportTestPassed() { return true; }
    virtual void StartSupportTest() {}
    virtual void ClearSupportTest() {}
    virtual void RefreshSupport() {}

    // The grid editor's unsaved-changes questions (tab list, then grid): false when cancelled.
    virtual bool GridEditorMayClose() { return true; }
    // The control list's tree expansion state goes into the user configuration.
    virtual void StoreTreeState() {}
    // OK and APPLY: the grid editor writes its tab list back and the settings page its working copy.
    virtual void ApplyTabs() {}
    virtual void SaveSettings() {}
    // CANCEL: the grid editor drops unsaved edits and reloads its tab bar; the settings page reverts.
    virtual void RevertGrid() {}
    virtual void RevertSettings() {}

    // A grid or control package handed over by the command line, another start or a drop.
    virtual void ImportPackage(const QString& path) { Q_UNUSED(path); }
    virtual void RefillGridBrowser() {}

    // The grid editor's tab bar: tabs not counting empty custom ones, or -1 to count the configuration's list.
    virtual int GridTabCount() { return -1; }
    // The first custom grid became a tab; false when the tab bar did not take it (the window then appends it
    // to the configuration's tab list itself).
    virtual bool AddInitialCustomTab(const QString& gridKey) {
        Q_UNUSED(gridKey);
        return false;
    }

    // The help overlay (created only while the controls tab shows).
    virtual bool HasHelpGuide() { return false; }
    virtual void ShowHelpGuide() {}
    virtual void CloseHelpGuide() {}

    // True while the add-device popup runs its modal loop.
    virtual bool IsPairingMode() { return false; }
    // First start: the add-device popup in pairing mode until a device is registered.
    virtual void RunFirstStartPairing() {}
};
