#pragma once
// The phone tab bar of the grid editor: one TabElem per tab, in display order, with one current tab.

#include "config/datacfgrecords.h"
#include "widgets/qwidgetex.h"

#include <functional>

class IGridEditor;
class TabElem;

class TabView : public QWidgetEx {
    Q_OBJECT
public:
    TabView(QWidget* parent, IGridEditor* editor);

    void AddTab(const DataCfg::TGrid& grid);
    void RemoveTab(int index);
    // Removes the empty custom slots; answers the tabs left.
    int RemoveEmptyTabs();
    void Clear();
    void SwapTabs(int a, int b);
    int Count(bool withEmpty = true) const;
    QString GetTabKey(int index) const;
    int IndexOf(const QString& key) const;
    QString GetCurrentKey() const { return GetTabKey(m_current); }
    int CurrentIndex() const { return m_current; }
    void SetTabType(int index, int kind);
    void UpdateCustomTab(const DataCfg::TGrid& grid) { UpdateCustomTab(grid.Name, grid); }
    // The custom grid's tab that was keyed by its old name takes the record's name, caption and icon.
    void UpdateCustomTab(const QString& oldName, const DataCfg::TGrid& grid);
    TabElem* Tab(int index) const { return m_tabs.value(index); }
    // Marks the tab current without asking or signalling (the shown grid stays).
    void SetCurrentSilently(int index);

    // The editor's unsaved-changes question before another tab is chosen (false: stay), and the creation of
    // a custom grid on an empty slot. Unset: nothing is asked or created.
    std::function<bool()> mayChange;
    std::function<void()> createCustomOnEmpty;

signals:
    void TabIndexChanged(int index);

public slots:
    void OnTabClicked(int index);
    void Inactivate();

private:
    void Layout();
    void Redraw();

    IGridEditor* m_editor;
    int m_current = -1;
    QList<TabElem*> m_tabs;
};
