#pragma once
// Choosing a control in the control list's tree as the user does; the control editor follows the choice.

#include "editor/mtebuttonelements.h"

#include <QStandardItemModel>
#include <QTreeView>

// Finds the control by its shown name in the current set (or first makes that set current); false when the
// tree has no such control.
inline bool SelectInControlList(MTEButtonElements* list, const QString& name, const QString& set = QString()) {
    if (!set.isEmpty())
        list->OnCmbCategoryChanged(set);
    QStandardItemModel* model = list->Model();
    const QModelIndexList found = model->match(model->index(0, 0), Qt::DisplayRole, name, 1, Qt::MatchRecursive);
    if (found.isEmpty())
        return false;
    list->Tree()->selectionModel()->select(found.first(), QItemSelectionModel::ClearAndSelect);
    return true;
}
