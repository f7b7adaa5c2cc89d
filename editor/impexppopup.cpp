#include "editor/impexppopup.h"

#include "config/dataexchange.h"
#include "config/tcontrol.h"
#include "config/tusercfg.h"
#include "editor/exchangeui.h"
#include "editor/mtegridedit.h"
#include "foundation/logger/QsLog.h"
#include "foundation/profiler.h"
#include "functions/plugintools.h"
#include "widgets/blustdbtn.h"
#include "widgets/qcomboboxex.h"

#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStandardItemModel>
#include <QTreeView>

bool ImpExpPopup::ControlsImported = false;

namespace {
const int CancelCode = PopupWnd::CANCEL;

QLabel* MakeLabel(QWidget* parent, const char* name, const QRect& geometry, const QString& text, const QString& style) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setStyleSheet(style);
    return label;
}

QLineEdit* MakeEdit(QWidget* parent, const char* name, const QRect& geometry) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setGeometry(geometry);
    return edit;
}

QTreeView* MakeTree(QWidget* parent, const char* name, const QRect& geometry, QStandardItemModel** model) {
    auto* tree = new QTreeView(parent);
    tree->setObjectName(QLatin1String(name));
    tree->setGeometry(geometry);
    tree->setHeaderHidden(true);
    tree->setRootIsDecorated(false);
    *model = new QStandardItemModel(tree);
    tree->setModel(*model);
    return tree;
}

void MakeCheckable(QStandardItem* item) {
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled |
                   Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    item->setEditable(false);
    item->setCheckState(Qt::Unchecked);
    if (item->hasChildren())
        item->setAutoTristate(false), item->setUserTristate(false);
    for (int i = 0; i < item->rowCount(); ++i)
        MakeCheckable(item->child(i));
}

void CollectItem(QStandardItem* item, QStringList& names, QList<int>* indexes) {
    if (item->checkState() != Qt::Unchecked) {
        const QString id = item->data(ImpExpPopup::IdRole).toString();
        if (!id.isEmpty()) {
            names << id;
            if (indexes)
                *indexes << item->data(ImpExpPopup::IndexRole).toInt();
        }
    }
    for (int i = 0; i < item->rowCount(); ++i)
        CollectItem(item->child(i), names, indexes);
}

void SetTree(QStandardItem* item, Qt::CheckState state) {
    for (int i = 0; i < item->rowCount(); ++i) {
        item->child(i)->setCheckState(state);
        SetTree(item->child(i), state);
    }
}
} // namespace

void CollectTicked(QStandardItemModel* model, QStringList& names, QList<int>* indexes) {
    for (int i = 0; i < model->rowCount(); ++i)
        CollectItem(model->item(i), names, indexes);
}

ImpExpPopup::ImpExpPopup(bool import, QWidget* parent, const QString& path, MTEGridEdit* editor)
    : PopupWnd(parent), m_import(import), m_path(path), m_editor(editor) {
    setObjectName(QStringLiteral("ImpExpPopup"));
    resize(792, 611);
    setModal(true);
    ControlsImported = false;
    setWindowTitle(import ? tr("IMPORT A VELLI-CHOR™ PACKAGE") : tr("EXPORT A VELLI-CHOR™ PACKAGE"));
    AddButtons(CANCEL, CANCEL);
    auto* action = new BluStdBtn(this);
    action->setObjectName(QStringLiteral("btnAction"));
    action->setText(import ? tr("IMPORT") : tr("EXPORT"));
    AddButton(action, QDialogButtonBox::AcceptRole);
    m_btnAction = action;
    BuildForm();
}

ImpExpPopup::~ImpExpPopup() = default;

void ImpExpPopup::BuildForm() {
    const QString head = QStringLiteral("QLabel { font-family: \"Eurostile-Demi\"; font-weight: 504; font-size: 11px; "
                                        "color: #65c3f7; }");
    const QString info = QStringLiteral("QLabel { font-family: Arial; font-size: 11px; color: #65c3f7; }");
    const QString field =
        QStringLiteral("QLabel { font-family: Arial; font-size: 11px; font-weight: bold; color: #65c3f7; }");
    // The two list heads take their column's whole width: translated, they run longer than in English.
    m_lblHeadC = MakeLabel(this, "lblHeadC", QRect(68, 50, 255, 21),
                           m_import ? tr("SELECT CONTROL/S TO IMPORT") : tr("SELECT CONTROL/S TO EXPORT"), head);
    m_lblHeadG = MakeLabel(this, "lblHeadG", QRect(332, 50, 255, 21),
                           m_import ? tr("SELECT GRID/S TO IMPORT") : tr("SELECT GRID/S TO EXPORT"), head);
    MakeLabel(this, "lblHeadI", QRect(593, 50, 201, 21), tr("PACKAGE INFORMATION"), head);
    MakeLabel(this, "lblControls", QRect(10, 88, 80, 21), tr("CONTROLS:"), head);
    auto* cmbCategory = new QComboBoxEx(this);
    cmbCategory->setObjectName(QStringLiteral("cmbCategory"));
    cmbCategory->setGeometry(82, 88, 173, 19);
    cmbCategory->addItem(tr("Custom Controls"));
    MakeLabel(this, "lblGrid", QRect(275, 88, 80, 21), tr("GRID/S:"), head);
    auto* cmbGrid = new QComboBoxEx(this);
    cmbGrid->setObjectName(QStringLiteral("cmbGrid"));
    cmbGrid->setGeometry(347, 88, 173, 19);
    cmbGrid->addItem(tr("Custom Grids"));
    MakeLabel(this, "lblInfo", QRect(540, 88, 211, 21), tr("INFORMATION:"), head);
    MakeLabel(this, "lblInfoTxt", QRect(540, 120, 241, 31),
              tr("Feel free to add more information to your\nMERVEX™ Velli-Chor™ Package."), info);
    MakeLabel(this, "lblInfoName", QRect(540, 170, 150, 16), tr("Package Name:"), field);
    m_edtName = MakeEdit(this, "edtName", QRect(540, 185, 201, 20));
    MakeLabel(this, "lblInfoAuthor", QRect(540, 215, 150, 16), tr("Author:"), field);
    m_edtAuthor = MakeEdit(this, "edtAuthor", QRect(540, 230, 201, 20));
    MakeLabel(this, "lblInfoEmail", QRect(540, 260, 150, 16), tr("E-Mail Address:"), field);
    m_edtEmail = MakeEdit(this, "edtEmail", QRect(540, 275, 201, 20));
    MakeLabel(this, "lblInfoWeb", QRect(540, 305, 150, 16), tr("Website:"), field);
    m_edtWeb = MakeEdit(this, "edtWeb", QRect(540, 320, 201, 20));
    MakeLabel(this, "lblInfoDesc", QRect(540, 350, 150, 16), tr("Description:"), field);
    m_edtDesc = new QPlainTextEdit(this);
    m_edtDesc->setObjectName(QStringLiteral("edtDesc"));
    m_edtDesc->setGeometry(540, 365, 231, 141);
    m_treCtrls = MakeTree(this, "treCtrls", QRect(6, 111, 254, 452), &m_ctrlModel);
    m_treGrids = MakeTree(this, "treGrids", QRect(269, 111, 254, 452), &m_gridModel);
    connect(m_ctrlModel, &QStandardItemModel::itemChanged, this, &ImpExpPopup::OnTreeCtrlChanged);
    connect(m_gridModel, &QStandardItemModel::itemChanged, this, &ImpExpPopup::OnTreeGridChanged);
}

void ImpExpPopup::Show(bool import, QWidget* parent, const QString& path, MTEGridEdit* editor) {
    auto* popup = new ImpExpPopup(import, parent, path, editor);
    if (import ? popup->PrepareImport() : popup->PrepareExport())
        popup->show();
    else
        delete popup;
}

int ImpExpPopup::Exec(bool import, QWidget* parent, const QString& path, MTEGridEdit* editor) {
    auto* popup = new ImpExpPopup(import, parent, path, editor);
    if (!(import ? popup->PrepareImport() : popup->PrepareExport())) {
        delete popup;
        return CancelCode;
    }
    return popup->exec();
}

void ImpExpPopup::FillInfo(const QVariantMap& info) {
    m_edtName->setText(info.value(QStringLiteral("Name")).toString());
    m_edtAuthor->setText(info.value(QStringLiteral("Author")).toString());
    m_edtDesc->setPlainText(info.value(QStringLiteral("Desc")).toString());
    m_edtEmail->setText(info.value(QStringLiteral("Email")).toString());
    m_edtWeb->setText(info.value(QStringLiteral("Web")).toString());
}

QVariantMap ImpExpPopup::InfoMap() const {
    QVariantMap info;
    info.insert(QStringLiteral("Name"), m_edtName->text());
    info.insert(QStringLiteral("Author"), m_edtAuthor->text());
    info.insert(QStringLiteral("Desc"), m_edtDesc->toPlainText());
    info.insert(QStringLiteral("Email"), m_edtEmail->text());
    info.insert(QStringLiteral("Web"), m_edtWeb->text());
    return info;
}

void ImpExpPopup::FillControlTree(const DataCfg::TCtrlSet& list) {
    // One root above the categories; a category path "A/B" nests; controls carry their key and index.
    m_busy = true;
    m_ctrlModel->clear();
    auto* root = new QStandardItem(QString());
    m_ctrlModel->appendRow(root);
    QHash<QString, QStandardItem*> categories;
    for (int i = 0; i < list.Elements.size(); ++i) {
        const DataCfg::TCtrlRef& entry = list.Elements[i];
        QStandardItem* parent = root;
        QString path;
        for (const QString& part : entry.Category.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
            path = path.isEmpty() ? part.trimmed() : path + QLatin1Char('/') + part.trimmed();
            QStandardItem*& item = categories[path];
            if (!item) {
                item = new QStandardItem(TranslateAtName(part.trimmed()));
                item->setData(path, IdRole);
                item->setData(-1, IndexRole);
                parent->appendRow(item);
            }
            parent = item;
        }
        auto* item = new QStandardItem(TranslateAtName(entry.Name));
        item->setData(entry.Control, IdRole);
        item->setData(i, IndexRole);
        parent->appendRow(item);
    }
    m_ctrlModel->sort(0);
    MakeCheckable(root);
    m_treCtrls->expandAll();
    m_busy = false;
}

void ImpExpPopup::FillGridTree(const QList<DataCfg::TGrid>& grids) {
    m_busy = true;
    m_gridModel->clear();
    auto* root = new QStandardItem(QString());
    m_gridModel->appendRow(root);
    for (const DataCfg::TGrid& grid : grids) {
        auto* item = new QStandardItem(grid.GetDisplayName());
        item->setData(grid.Name, IdRole);
        root->appendRow(item);
    }
    MakeCheckable(root);
    m_treGrids->expandAll();
    m_busy = false;
}

bool ImpExpPopup::PrepareExport() {
    PROFILE_SCOPE("ImpExpPopup::PrepareExport");
    DataCfg* cfg = DataCfg::Instance();
    if (!cfg)
        return false;
    FillInfo(cfg->UserCfg().CfgBase.value(QStringLiteral("Export")).toMap());
    FillControlTree(cfg->GetMyControlsSet());
    cfg->LoadCustomGrids();
    QList<DataCfg::TGrid> custom;
    for (const DataCfg::TGrid& grid : cfg->Grids())
        if (grid.Custom)
            custom << grid;
    FillGridTree(custom);
    return true;
}

bool ImpExpPopup::PrepareImport() {
    PROFILE_SCOPE("ImpExpPopup::PrepareImport");
    const QString user = PluginTools::GetUserPath();
    QDir().mkpath(user + QStringLiteral("Exchange/"));
    QDir().mkpath(user + QStringLiteral("Import/rsc/"));
    if (m_path.isEmpty())
        m_path = ExchangeUi::OpenFile(this, tr("Import Package ..."), user + QStringLiteral("Exchange/"),
                                      ExchangeUi::PackageFilter());
    if (m_path.isEmpty())
        return false;
    QVariant info;
    m_pkgControls = DataCfg::TCtrlSet();
    m_pkgGrids.clear();
    if (!ImportPackage(m_path, m_pkgControls, m_pkgGrids, info, user + QStringLiteral("Import/rsc/"))) {
        ExchangeUi::Ask(this, 3, tr("Error"), tr("Can't import File: ") + m_path, OK);
        return false;
    }
    if (m_pkgControls.Elements.isEmpty() && m_pkgGrids.isEmpty()) {
        // Nothing to offer: say so rather than show an empty choice.
        ExchangeUi::Ask(this, 3, tr("Error"), tr("The package holds no controls and no grids: ") + m_path, OK);
        return false;
    }
    FillInfo(info.toMap());
    FillControlTree(m_pkgControls);
    for (DataCfg::TGrid& grid : m_pkgGrids)
        grid.Custom = true;
    FillGridTree(m_pkgGrids);
    return true;
}

void ImpExpPopup::Propagate(QStandardItem* item) {
    if (m_busy || !item)
        return;
    m_busy = true;
    SetTree(item, item->checkState());
    for (QStandardItem* parent = item->parent(); parent; parent = parent->parent()) {
        int checked = 0, unchecked = 0;
        for (int i = 0; i < parent->rowCount(); ++i) {
            const Qt::CheckState s = parent->child(i)->checkState();
            checked += s == Qt::Checked;
            unchecked += s == Qt::Unchecked;
        }
        parent->setCheckState(checked == parent->rowCount()     ? Qt::Checked
                              : unchecked == parent->rowCount() ? Qt::Unchecked
                                                                : Qt::PartiallyChecked);
    }
    m_busy = false;
}

void ImpExpPopup::OnTreeCtrlChanged(QStandardItem* item) {
    Propagate(item);
}

void ImpExpPopup::OnTreeGridChanged(QStandardItem* item) {
    Propagate(item);
}

void ImpExpPopup::done(int result) {
    if (!m_import) {
        if (DataCfg* cfg = DataCfg::Instance())
            cfg->UserCfg().CfgBase.insert(QStringLiteral("Export"), InfoMap());
    }
    if (result != CancelCode && currentButton()) {
        if (!(m_import ? DoImport() : DoExport()))
            return;
    }
    PopupWnd::done(result);
}

bool ImpExpPopup::DoImport() {
    PROFILE_SCOPE("ImpExpPopup::DoImport");
    QStringList controls, grids;
    QList<int> indexes;
    CollectTicked(m_ctrlModel, controls, &indexes);
    CollectTicked(m_gridModel, grids, nullptr);
    // Category items are collected too; only the controls' indexes count.
    indexes.removeAll(-1);
    grids.removeAll(QString());
    if (indexes.isEmpty() && grids.isEmpty()) {
        ExchangeUi::Ask(this, 1, tr("WARNING"), tr("No items selected."), OK);
        return false;
    }
    if (!DataCfg::Instance())
        return false;
    QList<DataCfg::TCtrlRef> picked;
    for (int i = 0; i < m_pkgControls.Elements.size(); ++i) {
        if (indexes.contains(i))
            picked << m_pkgControls.Elements[i];
    }
    QStringList problems;
    // Written even with no control picked: the import may have added macros that the grids use.
    const QString saveError = ExchangeUi::SaveToMyControls(picked);
    if (saveError.isEmpty())
        ControlsImported = !picked.isEmpty();
    else
        problems << tr("The controls were not imported: ") + saveError;
    for (const DataCfg::TGrid& grid : m_pkgGrids) {
        if (!grids.contains(grid.Name))
            continue;
        QString problem;
        if (ExchangeUi::AddImportedGrid(grid, m_editor, true, &problem).isEmpty())
            problems << problem;
    }
    if (!problems.isEmpty())
        ExchangeUi::Ask(this, 3, tr("Error"), problems.join(QLatin1Char('\n')), OK);
    return true;
}

bool ImpExpPopup::DoExport() {
    PROFILE_SCOPE("ImpExpPopup::DoExport");
    DataCfg* cfg = DataCfg::Instance();
    if (!cfg)
        return false;
    const QVariantMap info = InfoMap();
    QStringList controls, grids;
    QList<int> indexes;
    CollectTicked(m_ctrlModel, controls, &indexes);
    CollectTicked(m_gridModel, grids, nullptr);
    for (int i = controls.size() - 1; i >= 0; --i) {
        if (cfg->FindControl(controls[i]).Name.isEmpty() || indexes.value(i) < 0) {
            controls.removeAt(i);
            indexes.removeAt(i);
        }
    }
    if (controls.isEmpty() && grids.isEmpty()) {
        ExchangeUi::Ask(this, 1, tr("WARNING"), tr("No items selected."), OK);
        return false;
    }
    DataCfg::TCtrlSet list = cfg->GetMyControlsSet();
    for (int i = list.Elements.size() - 1; i >= 0; --i)
        if (!indexes.contains(i))
            list.Elements.removeAt(i);
    QList<DataCfg::TGrid> package;
    for (const QString& name : grids)
        package << cfg->FindGrid(name, CustomGridSet);
    const QString folder = PluginTools::GetUserPath() + QStringLiteral("Exchange/");
    QDir().mkpath(folder);
    const QString file =
        ExchangeUi::WithExtension(ExchangeUi::SaveFile(this, tr("Export Package as ..."), folder,
                                                       QStringLiteral("*.") + ExchangeUi::GridPackageExt()),
                                  ExchangeUi::GridPackageExt());
    if (file.isEmpty())
        return false;
    QStringList leftOut;
    if (!ExportPackage(file, list, package, info, &leftOut)) {
        ExchangeUi::Ask(this, 3, tr("Error"), tr("Can't write File: ") + file, OK);
        return false;
    }
    if (!leftOut.isEmpty())
        ExchangeUi::Ask(this, 1, tr("WARNING"),
                        tr("Not packed, outside the data and user folders:") + QLatin1Char('\n') +
                            leftOut.join(QLatin1Char('\n')),
                        OK);
    return true;
}
