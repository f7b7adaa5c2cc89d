#pragma once
// Puts the grid editor into the main window: the editor sits on the controls tab (and moves to the browse
// tab), answers the window's questions about unsaved edits and tabs, and gives the phone server its change
// counter.

#include "shell/imaintabhooks.h"

#include <QObject>

class MervexWnd;
class MTEGridEdit;

class GridEditorHooks : public QObject, public IMainTabHooks {
    Q_OBJECT
public:
    // Builds the editor and installs it in the window (the hooks live as long as the window).
    static GridEditorHooks* Install(MervexWnd* wnd);

    MTEGridEdit* Editor() const { return m_editor; }

    void FillTabs() override;
    void MoveGridEditorTo(QWidget* tab) override;
    bool GridEditorMayClose() override;
    void ApplyTabs() override;
    void RevertGrid() override;
    int GridTabCount() override;
    bool AddInitialCustomTab(const QString& gridKey) override;

private:
    explicit GridEditorHooks(MervexWnd* wnd);

    MervexWnd* m_wnd;
    MTEGridEdit* m_editor = nullptr;
};
