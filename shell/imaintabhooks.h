#pragma once
// What the main window asks of its tabs (browse, create, settings, support) and of the panels inside them:
// filling them at start-up, the unsaved-changes questions, OK/APPLY/CANCEL, package imports and the pairing
// mode. The program's answers are ProgramTabHooks, made by the composition root and handed to the window at
// construction; tests give their own. Everything the window cannot do without is pure virtual. The few
// answers that only some tabs have (the control list's tree state, the grid browser, the help overlay) have
// defaults that log once at WARN that nothing answers them.

#include <QString>
#include <QStringList>

class QWidget;

class IMainTabHooks {
public:
    virtual ~IMainTabHooks() = default;

    // Start-up: the controls tab fills its panels, the settings tab initialises, the browse tab lists grids.
    virtual void FillTabs() = 0;
    // The grid editor is one widget shared by the controls and the browse tab; it moves to the tab shown.
    virtual void MoveGridEditorTo(QWidget* tab) = 0;

    // Leaving the settings page: false when the user cancelled its "SAVE CHANGES?" question.
    virtual bool SettingsMayLeave() = 0;
    virtual void RefreshSettings() = 0;
    // The support tab opens only after its reachability test passed.
    virtual bool SupportTestPassed() = 0;
    virtual void StartSupportTest() = 0;
    virtual void ClearSupportTest() = 0;
    virtual void RefreshSupport() = 0;

    // The grid editor's unsaved-changes questions (tab list, then grid): false when cancelled.
    virtual bool GridEditorMayClose() = 0;
    // OK and APPLY: the grid editor writes its tab list back and the settings page its working copy.
    virtual void ApplyTabs() = 0;
    virtual void SaveSettings() = 0;
    // CANCEL: the grid editor drops unsaved edits and reloads its tab bar; the settings page reverts.
    virtual void RevertGrid() = 0;
    virtual void RevertSettings() = 0;
    // Nobody can be asked (a signal ends the program): the grid editor's and the settings page's unsaved edits
    // are kept as their OK keeps them, without a question or a box. One line per edit says what became of it.
    virtual QStringList KeepUnsavedChanges() = 0;

    // A grid, control or plug-in package handed over by the command line, another start or a drop. False
    // when nothing was imported: the importer has told the user why, or the user cancelled.
    virtual bool ImportPackage(const QString& path) = 0;

    // The grid editor's tab bar: tabs not counting empty custom ones, or -1 to count the configuration's list.
    virtual int GridTabCount() = 0;
    // The first custom grid became a tab; false when the tab bar did not take it (the window then appends it
    // to the configuration's tab list itself).
    virtual bool AddInitialCustomTab(const QString& gridKey) = 0;

    // True while new phones may pair (set on the settings tab's devices page).
    virtual bool IsPairingMode() = 0;
    // First start: pairing mode until a device is registered or the user skips it, without holding up the
    // start-up. True while that goes on (the window then shows itself once FirstStartPairingEnded is called);
    // false when it is over already.
    virtual bool RunFirstStartPairing() = 0;

    // The control list's tree expansion state goes into the user configuration.
    virtual void StoreTreeState();
    // The grid browser lists the grids again (after an import).
    virtual void RefillGridBrowser();
    // The help overlay (created only while the controls tab shows).
    virtual bool HasHelpGuide();
    virtual void ShowHelpGuide();
    virtual void CloseHelpGuide();

protected:
    // Logs once per process, at WARN, that nothing answers `what`.
    static void ReportMissing(const char* what);
};
