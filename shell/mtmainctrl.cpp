#include "shell/mtmainctrl.h"

#include "editor/gridview.h"
#include "editor/mtebuttonelements.h"
#include "editor/mteeditcontrol.h"
#include "editor/mtegridedit.h"
#include "runtime/ctrlview.h"

MTMainCtrl::MTMainCtrl(QWidget* parent) : MainTab(parent) {
    setObjectName(QStringLiteral("ControlsTab"));
    m_list = new MTEButtonElements(this);
    m_grid = new MTEGridEdit(this);
    m_edit = new MTEEditControl(this);
    m_edit->SetGridEditor(m_grid);
    m_edit->SetControlList(m_list);
    m_list->SetGridEditor(m_grid);

    connect(m_list, &MTEButtonElements::OnSelControl, m_edit, qOverload<const QString&>(&MTEEditControl::OnSelControl));
    connect(m_edit, &MTEEditControl::Add2Grid, m_grid, &MTEGridEdit::OnAdd2Grid);
    connect(m_edit, &MTEEditControl::ApplyCfg, m_grid, &MTEGridEdit::OnApplyCfg);
    connect(m_grid->Canvas(), &GridView::SelectCtrl, m_edit, qOverload<CtrlView*>(&MTEEditControl::OnSelControl));
    connect(m_edit, &MTEEditControl::ControlsSaved, m_list, &MTEButtonElements::UpdateTree);
    MTEEditControl* edit = m_edit;
    m_grid->SetControlSource([edit](QString* resetName) {
        if (resetName)
            *resetName = edit->EntryName();
        return edit->PreviewControl();
    });

    m_list->move(0, 0);
    m_edit->move(m_list->width() + Gap, 0);
    m_grid->move(GridEditorPos());
}

MTMainCtrl::~MTMainCtrl() {
    delete m_grid;
}

QPoint MTMainCtrl::GridEditorPos() const {
    return QPoint(m_edit->x() + m_edit->width() + Gap, 0);
}

void MTMainCtrl::StoreTreeState() {
    m_list->StoreTreeState();
}

void MTMainCtrl::TakeGridEditor() {
    if (m_grid->parentWidget() != this)
        m_grid->setParent(this);
    m_grid->move(GridEditorPos());
    m_grid->show();
}
