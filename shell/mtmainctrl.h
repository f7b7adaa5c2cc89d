#pragma once
// The controls tab ("CREATE"): the control list, the control editor and the grid editor side by side, wired
// together. The grid editor also serves the browse tab; it comes back here when this tab is shown.

#include "editor/mtegridedit.h"
#include "shell/maintab.h"

#include <QPointer>

class MTEButtonElements;
class MTEEditControl;

class MTMainCtrl : public MainTab {
    Q_OBJECT
public:
    // Gap between the panels.
    static constexpr int Gap = 7;

    explicit MTMainCtrl(QWidget* parent = nullptr);
    // The grid editor may sit in the browse tab: it is deleted here, once, wherever it is.
    ~MTMainCtrl() override;

    MTEButtonElements* ControlList() const { return m_list; }
    MTEEditControl* ControlEditor() const { return m_edit; }
    MTEGridEdit* GridEditor() const { return m_grid; }
    // Where the grid editor sits in this tab.
    QPoint GridEditorPos() const;

    void StoreTreeState();
    // Takes the grid editor back from the browse tab.
    void TakeGridEditor();

private:
    MTEButtonElements* m_list = nullptr;
    MTEEditControl* m_edit = nullptr;
    QPointer<MTEGridEdit> m_grid;
};
