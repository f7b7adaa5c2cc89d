#pragma once
// Tab answers a test scripts for a main window of its own; every call is recorded.

#include "shell/imaintabhooks.h"

#include <QStringList>

class TestTabHooks : public IMainTabHooks {
public:
    QStringList calls;
    bool settingsMayLeave = true;
    bool gridMayClose = true;
    bool pairingMode = false;
    bool importTakes = true;
    bool helpShown = false;

    void FillTabs() override { calls << QStringLiteral("FillTabs"); }
    void MoveGridEditorTo(QWidget*) override {}
    bool SettingsMayLeave() override {
        calls << QStringLiteral("SettingsMayLeave");
        return settingsMayLeave;
    }
    void RefreshSettings() override {}
    bool SupportTestPassed() override { return true; }
    void StartSupportTest() override {}
    void ClearSupportTest() override {}
    void RefreshSupport() override {}
    QStringList KeepUnsavedChanges() override {
        calls << QStringLiteral("KeepUnsavedChanges");
        return {};
    }
    bool GridEditorMayClose() override {
        calls << QStringLiteral("GridEditorMayClose");
        return gridMayClose;
    }
    void StoreTreeState() override { calls << QStringLiteral("StoreTreeState"); }
    bool ImportPackage(const QString& path) override {
        calls << QStringLiteral("Import ") + path;
        return importTakes;
    }
    void RefillGridBrowser() override { calls << QStringLiteral("RefillGridBrowser"); }
    void ApplyTabs() override { calls << QStringLiteral("ApplyTabs"); }
    void SaveSettings() override { calls << QStringLiteral("SaveSettings"); }
    void RevertGrid() override { calls << QStringLiteral("RevertGrid"); }
    void RevertSettings() override { calls << QStringLiteral("RevertSettings"); }
    int GridTabCount() override { return -1; }
    bool AddInitialCustomTab(const QString&) override { return false; }
    bool IsPairingMode() override { return pairingMode; }
    bool RunFirstStartPairing() override {
        calls << QStringLiteral("RunFirstStartPairing");
        return false;
    }
    bool HasHelpGuide() override { return helpShown; }
    void ShowHelpGuide() override {
        calls << QStringLiteral("ShowHelpGuide");
        helpShown = true;
    }
    void CloseHelpGuide() override {
        calls << QStringLiteral("CloseHelpGuide");
        helpShown = false;
    }
};
