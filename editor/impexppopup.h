#pragma once
// The popup that moves the user's own controls and custom grids between installations as one package file:
// in export mode it offers "@My Controls" and the custom grids, in import mode the contents of a package, and
// takes what is ticked.

#include "config/tctrlset.h"
#include "config/tgrid.h"
#include "widgets/popupwnd.h"

#include <QList>

class MTEGridEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QStandardItem;
class QStandardItemModel;
class QTreeView;

class ImpExpPopup : public PopupWnd {
    Q_OBJECT
public:
    // Tree roles: the item's identifier (control key, category path, grid name) and a control's index.
    static constexpr int IdRole = Qt::UserRole + 1;
    static constexpr int IndexRole = Qt::UserRole + 2;

    // The editor shows imported grids and puts them on the tab bar; it may be null.
    ImpExpPopup(bool import, QWidget* parent, const QString& path, MTEGridEdit* editor = nullptr);
    ~ImpExpPopup() override;

    // Prepares a popup and shows it (modal, returning at once); a popup that cannot be prepared is deleted.
    static void Show(bool import, QWidget* parent, const QString& path, MTEGridEdit* editor = nullptr);
    // The same, run modally: its result code, Cancel (0x400000) when it could not be prepared.
    static int Exec(bool import, QWidget* parent, const QString& path, MTEGridEdit* editor = nullptr);
    // Set when the last popup merged at least one control.
    static bool ControlsImported;

    bool PrepareImport();
    bool PrepareExport();
    // The button actions: true when the popup may close.
    bool DoImport();
    bool DoExport();

    QTreeView* ControlTree() const { return m_treCtrls; }
    QTreeView* GridTree() const { return m_treGrids; }
    QStandardItemModel* ControlModel() const { return m_ctrlModel; }
    QStandardItemModel* GridModel() const { return m_gridModel; }
    QLineEdit* NameEdit() const { return m_edtName; }
    QAbstractButton* ActionButton() const { return m_btnAction; }

public slots:
    void done(int result) override;
    void OnTreeCtrlChanged(QStandardItem* item);
    void OnTreeGridChanged(QStandardItem* item);

private:
    void BuildForm();
    void FillInfo(const QVariantMap& info);
    QVariantMap InfoMap() const;
    void FillControlTree(const DataCfg::TCtrlSet& list);
    void FillGridTree(const QList<DataCfg::TGrid>& grids);
    void Propagate(QStandardItem* item);

    bool m_import;
    QString m_path;
    MTEGridEdit* m_editor;
    DataCfg::TCtrlSet m_pkgControls;
    QList<DataCfg::TGrid> m_pkgGrids;
    bool m_busy = false;

    QLabel* m_lblHeadC = nullptr;
    QLabel* m_lblHeadG = nullptr;
    QLineEdit* m_edtName = nullptr;
    QLineEdit* m_edtAuthor = nullptr;
    QLineEdit* m_edtEmail = nullptr;
    QLineEdit* m_edtWeb = nullptr;
    QPlainTextEdit* m_edtDesc = nullptr;
    QTreeView* m_treCtrls = nullptr;
    QTreeView* m_treGrids = nullptr;
    QStandardItemModel* m_ctrlModel = nullptr;
    QStandardItemModel* m_gridModel = nullptr;
    QAbstractButton* m_btnAction = nullptr;
};

// Collects the ticked (or partly ticked) items' identifiers, depth first; with indexes, their index role too.
void CollectTicked(QStandardItemModel* model, QStringList& names, QList<int>* indexes);
