#include "editor/mtebuttonelements.h"

#include "config/tctrlset.h"
#include "config/tusercfg.h"
#include "editor/editorresources.h"
#include "editor/impexppluginpopup.h"
#include "editor/impexppopup.h"
#include "editor/mtegridedit.h"
#include "foundation/logger/QsLog.h"
#include "widgets/popupwnd.h"
#include "widgets/qcomboboxex.h"

#include <QAction>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QSignalBlocker>
#include <QStandardItemModel>
#include <QTreeView>

namespace {

bool& FirstSelectionDone() {
    static bool done = false;
    return done;
}

bool WildcardMatches(const QString& pattern, const QString& text) {
    const QRegularExpression re(
        QRegularExpression::anchoredPattern(QRegularExpression::wildcardToRegularExpression(pattern)));
    return re.match(text).hasMatch();
}

QString ButtonSheet(const QString& base) {
    return QStringLiteral("QPushButton {border:none;color:#ffffff;font-weight:bold;padding-left:24px;"
                          "background-image:url(:/images/%1N);}"
                          "QPushButton:hover {background-image:url(:/images/%1H);}"
                          "QPushButton:pressed {background-image:url(:/images/%1P);}")
        .arg(base);
}

} // namespace

bool QStandardItemSort::operator<(const QStandardItem& other) const {
    return QString::localeAwareCompare(text(), other.text()) < 0;
}

void RenamableItemDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
    QItemDelegate::setModelData(editor, model, index);
    if (auto* standard = qobject_cast<QStandardItemModel*>(model))
        emit renameItem(standard->itemFromIndex(index));
}

void MTEButtonElements::ResetFirstSelection() {
    FirstSelectionDone() = false;
}

MTEButtonElements::MTEButtonElements(QWidget* parent) : QWidgetEx(parent) {
    InitEditorResources();
    setObjectName(QStringLiteral("MTEButtonElements"));
    resize(256, 661);
    const QString labelSheet = QStringLiteral("QLabel {font-weight:504;color:#65c3f7;}");

    m_tree = new QTreeView(this);
    m_tree->setObjectName(QStringLiteral("treBElems"));
    m_tree->setGeometry(1, 27, 254, 502);
    m_tree->setHeaderHidden(true);
    m_tree->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_model = new QStandardItemModel(this);
    m_tree->setModel(m_model);
    auto* delegate = new RenamableItemDelegate(m_tree);
    m_tree->setItemDelegate(delegate);
    m_tree->installEventFilter(this);
    connect(delegate, &RenamableItemDelegate::renameItem, this, &MTEButtonElements::OnRenameItem);
    connect(m_tree->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &MTEButtonElements::OnTreeControlChanged);

    m_cmbCategory = new QComboBoxEx(this);
    m_cmbCategory->setObjectName(QStringLiteral("cmbCategory"));
    m_cmbCategory->setGeometry(80, 3, 173, 19);
    QMenu* menu = m_cmbCategory->GetMenu();
    for (QMenu*& sub : m_menus)
        sub = menu->addMenu(QString());

    m_lblControls = new QLabel(this);
    m_lblControls->setObjectName(QStringLiteral("lblControls"));
    m_lblControls->setGeometry(8, 3, 80, 21);
    m_lblControls->setStyleSheet(labelSheet);
    m_lblExImp = new QLabel(this);
    m_lblExImp->setObjectName(QStringLiteral("lblExImp"));
    m_lblExImp->setGeometry(10, 540, 231, 21);
    m_lblExImp->setStyleSheet(labelSheet);
    m_lblInfo = new QLabel(this);
    m_lblInfo->setObjectName(QStringLiteral("lblInfo"));
    m_lblInfo->setGeometry(10, 630, 241, 16);
    // A small caption: the line fits the panel at the default font.
    m_lblInfo->setStyleSheet(QStringLiteral("QLabel {color:#7f7f7f;font-size:7pt;}"));

    auto* import = new QPushButton(this);
    import->setObjectName(QStringLiteral("btnImport"));
    import->setGeometry(10, 575, 112, 47);
    import->setStyleSheet(ButtonSheet(QStringLiteral("BtnImp")));
    auto* exportBtn = new QPushButton(this);
    exportBtn->setObjectName(QStringLiteral("btnExport"));
    exportBtn->setGeometry(130, 575, 112, 47);
    exportBtn->setStyleSheet(ButtonSheet(QStringLiteral("BtnExp")));
    connect(import, &QPushButton::clicked, this, &MTEButtonElements::OnBtnImport);
    connect(exportBtn, &QPushButton::clicked, this, &MTEButtonElements::OnBtnExport);
    Retranslate();
}

QPushButton* MTEButtonElements::Button(const char* objectName) const {
    return findChild<QPushButton*>(QLatin1String(objectName));
}

void MTEButtonElements::Retranslate() {
    m_lblControls->setText(tr("CONTROLS:"));
    // The combo starts right after its label, whatever the label's translated width.
    m_lblControls->resize(qMax(m_lblControls->sizeHint().width(), 60), 21);
    const int comboX = m_lblControls->x() + m_lblControls->width() + 4;
    m_cmbCategory->setGeometry(comboX, 3, width() - comboX - 3, 19);
    m_lblExImp->setText(tr("IMPORT AND EXPORT:"));
    m_lblInfo->setText(tr("EXCHANGE YOUR CONTROLS AND GRIDS."));
    Button("btnImport")->setText(tr("IMPORT\nPACKAGE"));
    Button("btnImport")->setStatusTip(tr("Import grid and controls package"));
    Button("btnExport")->setText(tr("EXPORT\nPACKAGE"));
    Button("btnExport")->setStatusTip(tr("Export grid and controls package"));
    m_cmbCategory->setStatusTip(tr("Button Element Category"));
    UpdateCtrlsCmb();
    // The entries show the configuration's names in the new language; open folders and the chosen entry stay,
    // and the editor keeps what was typed for it (the choice is not made again).
    const QModelIndexList chosen = m_tree->selectionModel()->selectedIndexes();
    const int entry = chosen.isEmpty() ? -1 : chosen.first().data(IndexRole).toInt();
    UpdateTree();
    if (entry < 0)
        return;
    const QModelIndexList found = m_model->match(m_model->index(0, 0), IndexRole, entry, 1, Qt::MatchRecursive);
    if (found.isEmpty())
        return;
    const QSignalBlocker quiet(m_tree->selectionModel());
    m_tree->selectionModel()->setCurrentIndex(found.first(), QItemSelectionModel::ClearAndSelect);
    m_tree->viewport()->update();
}

void MTEButtonElements::Fill() {
    UpdateCtrlsCmb();
    UpdateTree();
}

void MTEButtonElements::UpdateCtrlsCmb() {
    const char* titles[4] = {QT_TR_NOOP("Preset Controls"), QT_TR_NOOP("Premium Controls"),
                             QT_TR_NOOP("Plugin Controls"), QT_TR_NOOP("Custom Controls")};
    for (int i = 0; i < 4; ++i) {
        m_menus[i]->setTitle(tr(titles[i]) + QStringLiteral("      "));
        m_menus[i]->clear();
    }
    DataCfg* cfg = DataCfg::Instance();
    if (!cfg)
        return;
    for (const DataCfg::TCtrlSet& set : cfg->CtrlSets()) {
        int target = 1;
        if (set.Set == QLatin1String("[MERVEX]") || set.Name.startsWith(QLatin1String("@[MERVEX]")) ||
            set.Name.startsWith(QLatin1String("[MERVEX]")))
            target = 0;
        else if (set.Name.startsWith(QLatin1String("@[Plugin]")) || set.Name.startsWith(QLatin1String("[Plugin]")))
            target = 2;
        else if (set.UserList)
            target = 3;
        QAction* action = m_menus[target]->addAction(TranslateAtName(set.Name));
        action->setData(set.Name);
        connect(action, &QAction::triggered, this, &MTEButtonElements::OnCmbMenuClick);
    }
    for (int i = 1; i < 4; ++i)
        m_menus[i]->setEnabled(!m_menus[i]->isEmpty());
    if (m_setName.isEmpty() && !cfg->CtrlSets().isEmpty())
        OnCmbCategoryChanged(cfg->CtrlSets().first().Name);
    else if (!m_setName.isEmpty())
        m_cmbCategory->SetSingleItem(TranslateAtName(m_setName));
}

void MTEButtonElements::OnCmbMenuClick() {
    if (auto* action = qobject_cast<QAction*>(sender()))
        OnCmbCategoryChanged(action->data().toString());
}

void MTEButtonElements::OnCmbCategoryChanged(const QString& setName) {
    DataCfg* cfg = DataCfg::Instance();
    if (!cfg)
        return;
    if (!m_setName.isEmpty())
        StoreTreeState();
    const DataCfg::TCtrlSet set = cfg->FindCtrlSet(setName);
    if (set.Name.isEmpty())
        return;
    m_setName = set.Name;
    m_cmbCategory->SetSingleItem(TranslateAtName(m_setName));
    UpdateTree();
}

void MTEButtonElements::UpdateTree() {
    DataCfg* cfg = DataCfg::Instance();
    if (!cfg || m_setName.isEmpty())
        return;
    StoreTreeState();
    FillCtrlTree(m_tree, cfg->FindCtrlSet(m_setName), false);
    RestoreTreeState();
}

void MTEButtonElements::FillCtrlTree(QTreeView* tree, const DataCfg::TCtrlSet& set, bool withRoot) {
    auto* model = qobject_cast<QStandardItemModel*>(tree->model());
    if (!model || set.Name.isEmpty())
        return;
    QSet<QString> openBefore;
    std::function<void(const QModelIndex&)> collect = [&](const QModelIndex& parent) {
        for (int r = 0; r < model->rowCount(parent); ++r) {
            const QModelIndex i = model->index(r, 0, parent);
            if (i.data(IndexRole).toInt() == -1 && tree->isExpanded(i))
                openBefore.insert(i.data(PathRole).toString());
            collect(i);
        }
    };
    collect(QModelIndex());
    model->clear();
    QStandardItem* root = nullptr;
    if (withRoot) {
        root = new QStandardItemSort(QString());
        root->setFlags(Qt::ItemIsEnabled);
        model->appendRow(root);
    }
    QHash<QString, QStandardItem*> folders;
    QList<QStandardItem*> toExpand;
    QStandardItem* first = nullptr;
    for (int index = 0; index < set.Elements.size(); ++index) {
        const DataCfg::TCtrlRef& entry = set.Elements.at(index);
        QStandardItem* parent = root;
        QString path;
        bool firstPart = true;
        for (const QString& rawPart : entry.Category.split(QLatin1Char('/'))) {
            const QString part = rawPart.trimmed();
            path = firstPart ? part : path + QLatin1Char('/') + part;
            firstPart = false;
            QStandardItem*& folder = folders[path];
            if (!folder) {
                folder = new QStandardItemSort(part.startsWith(QLatin1Char('@')) ? TranslateAtName(part) : part);
                folder->setFlags(Qt::NoItemFlags | Qt::ItemIsEnabled);
                folder->setData(path, PathRole);
                folder->setData(-1, IndexRole);
                if (parent)
                    parent->appendRow(folder);
                else
                    model->appendRow(folder);
                bool open = false;
                if (set.UserList) {
                    open = openBefore.contains(path);
                } else {
                    for (const QString& p : set.ExpandCategories) {
                        if (WildcardMatches(p, path))
                            open = true;
                    }
                    for (const QString& p : set.CollapseCategories) {
                        if (WildcardMatches(p, path))
                            open = false;
                    }
                }
                if (open)
                    toExpand << folder;
            }
            parent = folder;
        }
        auto* item = new QStandardItemSort(TranslateAtName(entry.Name));
        item->setData(entry.Control, PathRole);
        item->setData(index, IndexRole);
        Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        if (set.UserList)
            flags |= Qt::ItemIsEditable;
        item->setFlags(flags);
        parent->appendRow(item);
        if (!first)
            first = item;
    }
    model->sort(0, Qt::AscendingOrder);
    for (QStandardItem* folder : qAsConst(toExpand))
        tree->setExpanded(folder->index(), true);
    if (first && tree == m_tree && !FirstSelectionDone()) {
        FirstSelectionDone() = true;
        tree->selectionModel()->select(first->index(), QItemSelectionModel::ClearAndSelect);
    }
    if (root)
        tree->setExpanded(root->index(), true);
}

void MTEButtonElements::ForEachFolder(const QModelIndex& parent, const std::function<void(const QModelIndex&)>& fn) {
    for (int r = 0; r < m_model->rowCount(parent); ++r) {
        const QModelIndex i = m_model->index(r, 0, parent);
        if (i.data(IndexRole).toInt() != -1)
            continue;
        fn(i);
        ForEachFolder(i, fn);
    }
}

void MTEButtonElements::RestoreTreeState() {
    DataCfg* cfg = DataCfg::Instance();
    if (!cfg)
        return;
    for (const DataCfg::TCtrlSetState& state : cfg->UserCfg().CtrlSets) {
        if (state.Name != m_setName)
            continue;
        ForEachFolder(QModelIndex(), [&](const QModelIndex& i) {
            const QString path = i.data(PathRole).toString();
            if (state.Collapsed.contains(path))
                m_tree->setExpanded(i, false);
            if (state.Expanded.contains(path))
                m_tree->setExpanded(i, true);
        });
    }
}

void MTEButtonElements::StoreTreeState() {
    DataCfg* cfg = DataCfg::Instance();
    if (!cfg || m_setName.isEmpty() || m_model->rowCount() == 0)
        return;
    QList<DataCfg::TCtrlSetState>& states = cfg->UserCfg().CtrlSets;
    for (int i = states.size() - 1; i >= 0; --i) {
        if (states.at(i).Name == m_setName)
            states.removeAt(i);
    }
    DataCfg::TCtrlSetState state;
    state.Name = m_setName;
    ForEachFolder(QModelIndex(), [&](const QModelIndex& i) {
        if (!m_model->hasChildren(i))
            return;
        (m_tree->isExpanded(i) ? state.Expanded : state.Collapsed) << i.data(PathRole).toString();
    });
    states.append(state);
}

void MTEButtonElements::OnTreeControlChanged(const QItemSelection& selected, const QItemSelection&) {
    if (selected.indexes().isEmpty())
        return;
    const QModelIndex index = selected.indexes().first();
    const QString key = index.data(PathRole).toString();
    if (key.isEmpty() || index.data(IndexRole).toInt() < 0)
        return;
    QStringList parents;
    for (QModelIndex p = index.parent(); p.isValid(); p = p.parent())
        parents.prepend(p.data().toString());
    m_categoryPath = parents.join(QStringLiteral(" / "));
    m_key = key;
    m_index = index.data(IndexRole).toInt();
    DataCfg* cfg = DataCfg::Instance();
    const DataCfg::TCtrlSet set = cfg ? cfg->FindCtrlSet(m_setName) : DataCfg::TCtrlSet();
    if (m_index < set.Elements.size()) {
        m_settings = set.Elements.at(m_index).Config;
        m_entryName = set.Elements.at(m_index).Name;
        // The stored category, not its translated display: a save files the control under it again.
        m_category = set.Elements.at(m_index).Category;
    }
    QLOG_DEBUG() << "m_iCurTreeSel: " << m_index << "Name: " << m_entryName;
    emit OnSelControl(key);
}

void MTEButtonElements::OnRenameItem(QStandardItem* item) {
    DataCfg* cfg = DataCfg::Instance();
    if (!cfg || !item)
        return;
    DataCfg::TCtrlSet& mine = cfg->GetMyControlsSet();
    if (mine.Name != m_setName)
        return;
    const int index = item->data(IndexRole).toInt();
    const QString name = item->text().trimmed();
    if (index < 0 || index >= mine.Elements.size() || name.isEmpty())
        return;
    mine.Elements[index].Name = name;
    const QString error = cfg->SaveUserCfg();
    if (!error.isEmpty())
        QLOG_WARN() << "MTEButtonElements::OnRenameItem:" << error;
    OnTreeControlChanged(QItemSelection(item->index(), item->index()), QItemSelection());
}

bool MTEButtonElements::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_tree && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        DataCfg* cfg = DataCfg::Instance();
        // While an item is renamed its editor has the keys, so Backspace never gets here.
        if ((key == Qt::Key_Delete || key == Qt::Key_Backspace) && cfg && m_index >= 0) {
            DataCfg::TCtrlSet& mine = cfg->GetMyControlsSet();
            if (mine.Name == m_setName && m_index < mine.Elements.size()) {
                const QString title = tr("DELETE CUSTOM CONTROL?");
                const QString text =
                    tr("Do you want to delete: ") + TranslateAtName(m_entryName) + QStringLiteral(" ?");
                const int answer =
                    m_ask ? m_ask(title, text)
                          : MsgBoxQuestion(this, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
                if (answer == QMessageBox::Yes) {
                    mine.Elements.removeAt(m_index);
                    m_index = -1;
                    const QString error = cfg->SaveUserCfg();
                    if (!error.isEmpty())
                        QLOG_WARN() << "MTEButtonElements: delete:" << error;
                    UpdateTree();
                }
            }
        }
    }
    return QWidgetEx::eventFilter(watched, event);
}

void MTEButtonElements::OnBtnImport() {
    if (m_gridEdit && !m_gridEdit->DoModifiedWarning())
        return;
    // A plug-in package is installed there; any other package comes back for the package popup.
    const QString package = ImpExpPluginPopUp::ImportPlugin(0, this, QString());
    if (package.isEmpty())
        return;
    ImpExpPopup::Exec(true, this, package, m_gridEdit);
    DataCfg* cfg = DataCfg::Instance();
    if (ImpExpPopup::ControlsImported && cfg) {
        UpdateCtrlsCmb();
        OnCmbCategoryChanged(cfg->GetMyControlsSet().Name);
    }
}

void MTEButtonElements::OnBtnExport() {
    ImpExpPopup::Show(false, this, QString(), m_gridEdit);
}

void MTEButtonElements::Deselect() {
    m_tree->selectionModel()->clearSelection();
}
