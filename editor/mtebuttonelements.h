#pragma once
// The control list of the controls tab: a menu of the configuration's control sets, the chosen set's controls
// in a category tree that remembers which categories were open, and the package buttons. Choosing a control
// tells the control editor which one to edit.

#include "config/datacfgrecords.h"
#include "widgets/qwidgetex.h"

#include <QItemDelegate>
#include <QStandardItem>
#include <QVariantMap>

#include <functional>

class MTEGridEdit;
class QComboBoxEx;
class QItemSelection;
class QLabel;
class QMenu;
class QPushButton;
class QStandardItemModel;
class QTreeView;

// Tree items sort by the locale's order of their texts.
class QStandardItemSort : public QStandardItem {
public:
    using QStandardItem::QStandardItem;
    bool operator<(const QStandardItem& other) const override;
};

// A delegate that reports each rename of an item.
class RenamableItemDelegate : public QItemDelegate {
    Q_OBJECT
public:
    using QItemDelegate::QItemDelegate;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
signals:
    void renameItem(QStandardItem* item) const;
};

class MTEButtonElements : public QWidgetEx {
    Q_OBJECT
public:
    // Item data: the category path of a folder or the key of a control; -1 or the entry's index in the set.
    static constexpr int PathRole = Qt::UserRole + 1;
    static constexpr int IndexRole = Qt::UserRole + 2;

    explicit MTEButtonElements(QWidget* parent = nullptr);

    // The grid editor: asked about unsaved changes before an import, shows imported grids. The controls tab
    // sets it once.
    void SetGridEditor(MTEGridEdit* editor) { m_gridEdit = editor; }

    // Start-up: the category menu and the tree of the first set.
    void Fill();
    // The tree's open and closed categories of the current set go into the user configuration.
    void StoreTreeState();
    // Fills a tree with a control set's entries under their categories (also for the package popups).
    void FillCtrlTree(QTreeView* tree, const DataCfg::TCtrlSet& set, bool withRoot);
    void Retranslate() override;

    QString CurrentSetName() const { return m_setName; }
    QString CurrentCategory() const { return m_category; }
    QString CurrentCategoryPath() const { return m_categoryPath; }
    QString CurrentEntryName() const { return m_entryName; }
    QString CurrentKey() const { return m_key; }
    int CurrentIndex() const { return m_index; }
    QVariantMap CurrentSettings() const { return m_settings; }
    QTreeView* Tree() const { return m_tree; }
    QStandardItemModel* Model() const { return m_model; }
    QComboBoxEx* CategoryCombo() const { return m_cmbCategory; }
    QMenu* SubMenu(int i) const { return m_menus[i]; }
    QPushButton* Button(const char* objectName) const;

    // Deleting a custom control asks first: title, text -> the button code (unset: the question box).
    using AskFn = std::function<int(const QString& title, const QString& text)>;
    void SetAskHandler(AskFn ask) { m_ask = std::move(ask); }
    // Resets the once-per-run selection of the first control (tests start several panels in one process).
    static void ResetFirstSelection();

signals:
    void OnSelControl(const QString& key);

public slots:
    void UpdateTree();
    void OnCmbCategoryChanged(const QString& setName);
    void UpdateCtrlsCmb();
    void OnCmbMenuClick();
    void OnTreeControlChanged(const QItemSelection& selected, const QItemSelection& deselected);
    void OnRenameItem(QStandardItem* item);
    void OnBtnImport();
    void OnBtnExport();
    void Deselect();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void RestoreTreeState();
    void ForEachFolder(const QModelIndex& parent, const std::function<void(const QModelIndex&)>& fn);

    QString m_setName;
    QString m_category;
    QString m_categoryPath;
    QString m_entryName;
    QString m_key;
    int m_index = -1;
    QVariantMap m_settings;

    QTreeView* m_tree = nullptr;
    QStandardItemModel* m_model = nullptr;
    QComboBoxEx* m_cmbCategory = nullptr;
    QLabel* m_lblControls = nullptr;
    QLabel* m_lblExImp = nullptr;
    QLabel* m_lblInfo = nullptr;
    QMenu* m_menus[4] = {nullptr, nullptr, nullptr, nullptr};
    AskFn m_ask;
    MTEGridEdit* m_gridEdit = nullptr;
};
