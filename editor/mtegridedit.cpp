#include "editor/mtegridedit.h"

#include "config/tappskin.h"
#include "config/tgfx.h"
#include "config/tgrid.h"
#include "config/tusercfg.h"
#include "editor/editorresources.h"
#include "editor/gridview.h"
#include "editor/gridviewglobal.h"
#include "editor/impexppluginpopup.h"
#include "editor/impexppopup.h"
#include "editor/tabelem.h"
#include "editor/tabview.h"
#include "foundation/logger/QsLog.h"
#include "functions/plugintools.h"
#include "runtime/ctrlview.h"
#include "widgets/imgwidget.h"
#include "widgets/qcomboboxex.h"
#include "widgets/qscrollbarex.h"
#include "widgets/touchscrollarea.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>

#include "widgets/popupwnd.h"

const char* const MTEGridEdit::AppSettingsTab = "[MERVEX]:AppSettings";

namespace {

const int Ok = QMessageBox::Ok;
const int Yes = QMessageBox::Yes;
const int No = QMessageBox::No;
const int Cancel = QMessageBox::Cancel;

// Characters that would take a grid's file out of its folder or break its "set:name" key.
bool IsPlainGridName(const QString& name) {
    static const QString bad = QStringLiteral("/\\:*?\"<>|");
    if (name.trimmed().isEmpty() || name.startsWith(QLatin1Char('.')))
        return false;
    for (const QChar c : name) {
        if (bad.contains(c) || c.unicode() < 0x20)
            return false;
    }
    return true;
}

} // namespace

MTEGridEdit::MTEGridEdit(QWidget* parent)
    : QWidgetEx(parent), m_appSkin(new DataCfg::TAppSkin), m_customGridPath(DataCfg::CustomGridPath()) {
    InitEditorResources();
    BuildForm();
}

MTEGridEdit::~MTEGridEdit() = default;

QPushButton* MTEGridEdit::MakeButton(QWidget* parent, const char* name, const QRect& geometry) {
    auto* b = new QPushButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(geometry);
    // Each button shows the four images named after it: "btnSave" -> ":/images/BtnGridSaveN" ... "D".
    const QString image = QStringLiteral(":/images/BtnGrid") + QLatin1String(name + 3);
    b->setStyleSheet(QStringLiteral("QPushButton {background-image:url(%1N);}"
                                    "QPushButton:hover {background-image:url(%1H);}"
                                    "QPushButton:pressed {background-image:url(%1P);}"
                                    "QPushButton:disabled {background-image:url(%1D);}")
                         .arg(image));
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

QPushButton* MTEGridEdit::Button(const char* objectName) const {
    return findChild<QPushButton*>(QLatin1String(objectName));
}

void MTEGridEdit::BuildForm() {
    BuildFrame();
    BuildCanvas();
    BuildTabBar();
    ConnectButtons();
    BuildMenu();
    Retranslate();
    UpdateButtons();
}

void MTEGridEdit::BuildFrame() {
    resize(396, 660);
    m_appArea = new QWidget(this);
    m_appArea->setObjectName(QStringLiteral("wdgAppArea"));
    m_appArea->setGeometry(54, 28, 320, 480);
    m_scrbAppV = new QScrollBarEx(this);
    m_scrbAppV->setObjectName(QStringLiteral("scrbAppV"));
    m_scrbAppV->setGeometry(376, 27, 19, 485);
    m_tabArea = new QWidget(this);
    m_tabArea->setObjectName(QStringLiteral("wdgTabArea"));
    m_tabArea->setGeometry(54, 558, 320, 80);
    m_scrbTabH = new QScrollBarEx(this);
    m_scrbTabH->setObjectName(QStringLiteral("scrbTabH"));
    m_scrbTabH->setOrientation(Qt::Horizontal);
    m_scrbTabH->setGeometry(53, 639, 325, 19);
    m_scrbTabV = new QScrollBarEx(this);
    m_scrbTabV->setObjectName(QStringLiteral("scrbTabV"));
    m_scrbTabV->setOrientation(Qt::Horizontal);
    m_scrbTabV->setGeometry(53, 510, 325, 19);
    m_btnBar = new QWidget(this);
    m_btnBar->setObjectName(QStringLiteral("wdgBtnBar"));
    m_btnBar->setGeometry(0, 28, 49, 630);
    MakeButton(m_btnBar, "btnNew", QRect(0, 0, 49, 50));
    MakeButton(m_btnBar, "btnSave", QRect(0, 51, 49, 50));
    MakeButton(m_btnBar, "btnSaveAs", QRect(0, 102, 49, 50));
    MakeButton(m_btnBar, "btnEdit", QRect(0, 153, 49, 50));
    auto* spacer = new QWidget(m_btnBar);
    spacer->setObjectName(QStringLiteral("wdgSpacer0"));
    spacer->setGeometry(0, 204, 49, 10);
    MakeButton(m_btnBar, "btnClear", QRect(0, 215, 49, 50));
    MakeButton(m_btnBar, "btnDelete", QRect(0, 266, 49, 50));
    MakeButton(m_btnBar, "btnTabHelp", QRect(9, 596, 32, 30));
    m_lblEditGrid = new QLabel(this);
    m_lblEditGrid->setObjectName(QStringLiteral("lblEditGrid"));
    m_lblEditGrid->setGeometry(8, 3, 69, 21);
    m_lblEditGrid->setStyleSheet(
        QStringLiteral("color: #f0f0f0; font-family: \"Eurostile LT Std\"; font-weight: 700; font-size: 10px;"));
    m_cmbGrids = new QComboBoxEx(this);
    m_cmbGrids->setObjectName(QStringLiteral("cmbGrids"));
    m_cmbGrids->setGeometry(78, 3, 171, 19);
    m_lblSelTab = new QLabel(this);
    m_lblSelTab->setObjectName(QStringLiteral("lblSelTab"));
    m_lblSelTab->setGeometry(60, 533, 71, 21);
    MakeButton(this, "btnArrL", QRect(135, 532, 22, 22));
    MakeButton(this, "btnArrR", QRect(158, 532, 22, 22));
    MakeButton(this, "btnHide1", QRect(340, 532, 22, 22));
    MakeButton(this, "btnHide2", QRect(340, 532, 22, 22));
    MakeButton(this, "btnAdd", QRect(200, 532, 120, 22));
    for (const auto& d :
         {std::make_pair("divider0", QRect(188, 533, 2, 19)), std::make_pair("divider1", QRect(328, 533, 2, 19))}) {
        auto* w = new QWidget(this);
        w->setObjectName(QLatin1String(d.first));
        w->setGeometry(d.second);
    }
    MakeButton(this, "btnGArrL", QRect(258, 3, 22, 22));
    MakeButton(this, "btnGArrR", QRect(282, 3, 22, 22));
    MakeButton(this, "btnScreenshot", QRect(376, 3, 22, 22))->hide();
    setStyleSheet(
        QStringLiteral("#wdgBtnBar QPushButton {border:none;color:#636363;font-family:\"Eurostile LT Std Condensed\";"
                       "font-weight:700;padding-top:20px;}"
                       "#wdgBtnBar QPushButton:hover {color:#cccccc;} #wdgBtnBar QPushButton:pressed {color:#878787;}"
                       "QPushButton#btnAdd {border:none;color:#ffffff;font-weight:bold;}"
                       "QPushButton#btnArrL, QPushButton#btnArrR, QPushButton#btnGArrL, QPushButton#btnGArrR, "
                       "QPushButton#btnHide1, QPushButton#btnHide2, QPushButton#btnTabHelp {border:none;}"
                       "QLabel#lblEditGrid, QLabel#lblSelTab {font-weight:504;font-size:10pt;color:#65c3f7;}"
                       "#wdgSpacer0 {background-image:url(:/images/BtnGridSpacer);}"
                       "#divider0, #divider1 {background-color:#30363b;}"));
    for (const char* name : {"wdgSpacer0", "divider0", "divider1"})
        findChild<QWidget*>(QLatin1String(name))->setAttribute(Qt::WA_StyledBackground);
}

void MTEGridEdit::BuildCanvas() {
    m_scale = m_appArea->width() / 640.0;
    // The canvas, in a touch scroll area over the app area.
    auto* inner = new QWidget(m_appArea);
    inner->setGeometry(m_appArea->rect());
    m_appScroll = new TouchScrollArea(inner);
    m_appScroll->setGeometry(inner->rect());
    m_appScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_appScroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_canvas = new GridView(nullptr, this);
    m_canvas->setObjectName(QStringLiteral("GridView"));
    m_canvas->SetHeightCells(6.0);
    m_appScroll->setWidget(m_canvas);
    m_scrbAppV->LinkTo(m_appScroll->verticalScrollBar());

    m_overlay = new GridViewGlobal(this);
    m_overlay->SetHeightCells(6.0);
    m_overlay->setGeometry(m_appArea->geometry());
    // Shown only while a control script's message is up.
    m_overlay->hide();
    m_canvas->SetOverlay(m_overlay);
}

void MTEGridEdit::BuildTabBar() {
    m_tabBarBg = new ImgWidget(m_tabArea, QImage());
    m_tabScroll = new TouchScrollArea(m_tabArea);
    m_tabScroll->setGeometry(0, 0, m_tabArea->width(), int(160 * m_scale));
    m_tabScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_tabScroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_tabScroll->setWidgetResizable(false);
    m_tabs = new TabView(nullptr, this);
    m_tabScroll->setWidget(m_tabs);
    m_scrbTabH->LinkTo(m_tabScroll->horizontalScrollBar());
    m_scrbTabV->LinkTo(m_tabScroll->verticalScrollBar());
    m_tabs->mayChange = [this] { return DoModifiedWarningGrid(); };
    m_tabs->createCustomOnEmpty = [this] {
        if (!OnBtnNew())
            return;
        DataCfg* cfg = DataCfg::Instance();
        if (cfg && !cfg->Grids().isEmpty() && cfg->Grids().last().Custom) {
            OnBtnSave();
            OnBtnAdd();
        }
    };
    connect(m_tabs, &TabView::TabIndexChanged, this, &MTEGridEdit::OnTabIndexChanged);
}

void MTEGridEdit::ConnectButtons() {
    connect(Button("btnNew"), &QPushButton::clicked, this, [this] { OnBtnNew(); });
    connect(Button("btnSave"), &QPushButton::clicked, this, [this] { OnBtnSave(false); });
    connect(Button("btnSaveAs"), &QPushButton::clicked, this, &MTEGridEdit::OnBtnSaveAs);
    connect(Button("btnEdit"), &QPushButton::clicked, this, &MTEGridEdit::OnBtnEdit);
    connect(Button("btnClear"), &QPushButton::clicked, this, &MTEGridEdit::OnBtnClear);
    connect(Button("btnDelete"), &QPushButton::clicked, this, &MTEGridEdit::OnBtnDelete);
    connect(Button("btnArrL"), &QPushButton::clicked, this, &MTEGridEdit::OnBtnArrL);
    connect(Button("btnArrR"), &QPushButton::clicked, this, &MTEGridEdit::OnBtnArrR);
    connect(Button("btnGArrL"), &QPushButton::clicked, this, &MTEGridEdit::OnBtnGArrL);
    connect(Button("btnGArrR"), &QPushButton::clicked, this, &MTEGridEdit::OnBtnGArrR);
    connect(Button("btnHide1"), &QPushButton::clicked, this, &MTEGridEdit::OnBtnHide);
    connect(Button("btnHide2"), &QPushButton::clicked, this, &MTEGridEdit::OnBtnHide);
    connect(Button("btnAdd"), &QPushButton::clicked, this, &MTEGridEdit::OnBtnAdd);
    connect(Button("btnTabHelp"), &QPushButton::clicked, this, &MTEGridEdit::OnBtnTabHelp);
    connect(Button("btnScreenshot"), &QPushButton::clicked, this, &MTEGridEdit::takeScreenshot);
    Button("btnHide2")->hide();
    connect(m_cmbGrids, &QComboBoxEx::menuOpen, this, &MTEGridEdit::UpdateGridCmb);
}

void MTEGridEdit::BuildMenu() {
    m_cmbGrids->clear();
    m_menu = m_cmbGrids->GetMenu();
    m_menuPreset = m_menu->addMenu(QString());
    m_menuPremium = m_menu->addMenu(QString());
    m_menuCustom = m_menu->addMenu(QString());
    m_menu->addSeparator();
    auto action = [this](const QKeySequence& keys, void (MTEGridEdit::*slot)()) {
        QAction* a = m_menu->addAction(QString());
        // Wherever the focus is while the editor is shown (in BROWSE it mostly rests in the grid list).
        a->setShortcut(keys);
        a->setShortcutContext(Qt::WindowShortcut);
        if (slot)
            connect(a, &QAction::triggered, this, slot);
        addAction(a);
        return a;
    };
    m_actNew = action(QKeySequence(Qt::CTRL + Qt::Key_N), nullptr);
    connect(m_actNew, &QAction::triggered, this, [this] { OnBtnNew(); });
    m_actSave = action(QKeySequence(Qt::CTRL + Qt::Key_S), nullptr);
    connect(m_actSave, &QAction::triggered, this, [this] { OnBtnSave(false); });
    m_actSaveAs = action(QKeySequence(Qt::CTRL + Qt::SHIFT + Qt::Key_S), &MTEGridEdit::OnBtnSaveAs);
    m_actEdit = action(QKeySequence(Qt::CTRL + Qt::Key_E), &MTEGridEdit::OnBtnEdit);
    m_actClear = action(QKeySequence(Qt::CTRL + Qt::Key_B), &MTEGridEdit::OnBtnClear);
    m_actDelete = action(QKeySequence(Qt::CTRL + Qt::Key_D), &MTEGridEdit::OnBtnDelete);
    m_menu->addSeparator();
    m_actExport = m_menu->addAction(QString(), this, &MTEGridEdit::OnExportPackage);
    m_actExport->setObjectName(QStringLiteral("actExportPackage"));
    m_actImport = m_menu->addAction(QString(), this, &MTEGridEdit::OnImportPackage);
    m_actImport->setObjectName(QStringLiteral("actImportPackage"));
}

// ---------------------------------------------------------------------------------------------------------
// Images and messages

QImage MTEGridEdit::LoadScaledGfx(const QString& entry) {
    DataCfg::TGfx gfx = m_appSkin->GetEntry(entry);
    const QImage image = gfx.GetImage();
    if (image.isNull())
        return image;
    return image.scaled(int(image.width() * m_scale), int(image.height() * m_scale), Qt::IgnoreAspectRatio,
                        Qt::SmoothTransformation);
}

QImage MTEGridEdit::GetGfxImage(const QString& icon, bool active) {
    const QImage image = m_appSkin->GetTabIcon(icon, active);
    if (image.isNull())
        return image;
    return image.scaled(int(image.width() * m_scale), int(image.height() * m_scale), Qt::IgnoreAspectRatio,
                        Qt::SmoothTransformation);
}

int MTEGridEdit::AskUser(int icon, const QString& title, const QString& text, int buttons) {
    if (m_ask)
        return m_ask(icon, title, text, buttons);
    const int first = buttons & Yes ? Yes : Ok;
    return MsgBox(this, icon, title, text, buttons, first);
}

void MTEGridEdit::ErrorBox(const QString& text) {
    QLOG_WARN() << "MTEGridEdit: error:" << text;
    AskUser(3, tr("ERROR"), text, Ok);
}

// ---------------------------------------------------------------------------------------------------------
// Set-up

void MTEGridEdit::ReloadCfg() {
    if (DataCfg* cfg = DataCfg::Instance())
        *m_appSkin = cfg->FindAppSkin(QStringLiteral("Mervex Default"));
    const QImage bar = LoadScaledGfx(QStringLiteral("TabBarBG"));
    if (bar != m_tabBarBg->image()) {
        delete m_tabBarBg;
        m_tabBarBg = new ImgWidget(m_tabArea, bar);
        m_tabBarBg->lower();
        m_tabBarBg->show();
    }
    m_canvas->InitDeck();
    m_overlay->InitPopup();
    UpdateGridCmb();
    ReloadTabs();
    m_tabs->OnTabClicked(0);
    Retranslate();
}

void MTEGridEdit::Retranslate() {
    const struct {
        const char* name;
        QString tip;
    } tips[] = {{"btnNew", tr("Create new grid")},
                {"btnSave", tr("Save grid")},
                {"btnSaveAs", tr("Save grid as")},
                {"btnEdit", tr("Edit grid settings")},
                {"btnClear", tr("Clear all controls from grid")},
                {"btnDelete", tr("Delete grid")},
                {"btnTabHelp", tr("Show Tabs Help")},
                {"btnArrL", tr("Move Tab to the left")},
                {"btnArrR", tr("Move Tab to the right")},
                {"btnHide1", tr("Show Tab on mobile device")},
                {"btnHide2", tr("Remove Tab from mobile device")},
                {"btnAdd", tr("Add grid to tab bar")},
                {"btnGArrL", tr("Switch to previous Grid")},
                {"btnGArrR", tr("Switch to next Grid")}};
    for (const auto& t : tips) {
        QPushButton* b = Button(t.name);
        b->setStatusTip(t.tip);
        b->setToolTip(t.tip);
    }
    m_cmbGrids->setStatusTip(tr("Grid settings"));
    Button("btnAdd")->setText(tr("ADD TO BAR"));
    m_lblEditGrid->setText(tr("EDIT GRID:"));
    m_lblSelTab->setText(tr("EDIT TABS:"));
    // The labels take the width of their texts; what stands to their right follows them, and the two
    // widgets after "ADD TO BAR" follow its width.
    auto follow = [this](QLabel* label, int designedWidth, std::initializer_list<std::pair<const char*, int>> right) {
        const int delta = label->sizeHint().width() - designedWidth;
        label->resize(label->sizeHint().width(), label->height());
        for (const auto& w : right) {
            QWidget* widget = findChild<QWidget*>(QLatin1String(w.first));
            widget->move(w.second + delta, widget->y());
        }
        return delta;
    };
    follow(m_lblEditGrid, 61, {{"cmbGrids", 78}, {"btnGArrL", 258}, {"btnGArrR", 282}});
    const int tabDelta =
        follow(m_lblSelTab, 71, {{"btnArrL", 135}, {"btnArrR", 158}, {"divider0", 188}, {"btnAdd", 200}});
    QPushButton* add = Button("btnAdd");
    const int addWidth = qMax(add->fontMetrics().horizontalAdvance(add->text()) + 24, 60);
    add->resize(addWidth, add->height());
    for (const auto& w :
         {std::make_pair("divider1", 328), std::make_pair("btnHide1", 340), std::make_pair("btnHide2", 340)}) {
        QWidget* widget = findChild<QWidget*>(QLatin1String(w.first));
        widget->move(w.second + tabDelta + addWidth - 120, widget->y());
    }
    m_menuPreset->setTitle(tr("Preset Grids"));
    m_menuPremium->setTitle(tr("Premium Grids"));
    m_menuCustom->setTitle(tr("Custom Grids"));
    m_actNew->setText(tr("New Grid..."));
    m_actSave->setText(tr("Save Grid"));
    m_actSaveAs->setText(tr("Save Grid as ..."));
    m_actEdit->setText(tr("Edit/Rename Grid"));
    m_actClear->setText(tr("Clear all Blocks"));
    m_actDelete->setText(tr("Delete Grid"));
    m_actExport->setText(tr("Export Package ..."));
    m_actImport->setText(tr("Import Package ..."));
}

void MTEGridEdit::UpdateGridCmb() {
    m_menuPreset->clear();
    m_menuPremium->clear();
    m_menuCustom->clear();
    m_gridKeys.clear();
    DataCfg* cfg = DataCfg::Instance();
    if (cfg) {
        cfg->LoadCustomGrids();
        const QString shown = m_canvas->Grid().Name.isEmpty() ? QString() : m_canvas->Grid().GetKey();
        for (const DataCfg::TGrid& g : cfg->Grids()) {
            const bool mervex = g.Set == QLatin1String("[MERVEX]");
            QMenu* menu = nullptr;
            if (g.Custom || (mervex && !g.Signed))
                menu = m_menuCustom;
            else if (mervex)
                menu = g.Category == QLatin1String("Hidden") ? nullptr : m_menuPreset;
            else
                menu = m_menuPremium;
            if (!menu)
                continue;
            const QString key = g.GetKey();
            QAction* a = menu->addAction(g.GetDisplayName());
            a->setData(key);
            connect(a, &QAction::triggered, this, &MTEGridEdit::OnCmbMenuClick);
            m_gridKeys << key;
            if (key == shown)
                menu->setDefaultAction(a);
        }
    }
    m_menuPremium->setEnabled(!m_menuPremium->isEmpty());
    m_menuCustom->setEnabled(!m_menuCustom->isEmpty());
    UpdateButtons();
}

void MTEGridEdit::UpdateButtons() {
    const DataCfg::TGrid& g = m_canvas->Grid();
    m_cmbGrids->SetSingleItem(g.Name.isEmpty() ? tr("none") : g.GetDisplayName());
    DataCfg* cfg = DataCfg::Instance();
    const bool held =
        cfg && !g.Name.isEmpty() && cfg->FindGrid(g.GetKey()).Name == g.Name && cfg->FindGrid(g.GetKey()).Set == g.Set;
    Button("btnSave")->setEnabled(g.Custom && held);
    Button("btnEdit")->setEnabled(g.Custom);
    Button("btnClear")->setEnabled(g.Custom);
    Button("btnDelete")->setEnabled(g.Custom);
    m_actNew->setEnabled(Button("btnNew")->isEnabled());
    m_actSave->setEnabled(Button("btnSave")->isEnabled());
    m_actSaveAs->setEnabled(Button("btnSaveAs")->isEnabled());
    m_actEdit->setEnabled(Button("btnEdit")->isEnabled());
    m_actClear->setEnabled(Button("btnClear")->isEnabled());
    m_actDelete->setEnabled(Button("btnDelete")->isEnabled());
}

// ---------------------------------------------------------------------------------------------------------
// Choosing grids

void MTEGridEdit::ShowOnCanvas(const DataCfg::TGrid& grid) {
    const QString before = m_canvas->Grid().Name;
    m_canvas->SetGrid(grid);
    UpdateButtons();
    if (grid.Name != before)
        m_appScroll->ensureVisible(0, 0, 50, 50);
}

void MTEGridEdit::SetGridRecord(const DataCfg::TGrid& grid) {
    ShowOnCanvas(grid);
}

void MTEGridEdit::OnCmbMenuClick() {
    auto* a = qobject_cast<QAction*>(sender());
    if (!a)
        return;
    const QString key = a->data().toString();
    ShowGrid(key);
    emit comboBoxItemSelected(key);
}

void MTEGridEdit::StepGrid(int step) {
    if (m_gridKeys.isEmpty())
        return;
    const QString shown = m_canvas->Grid().Name.isEmpty() ? QString() : m_canvas->Grid().GetKey();
    int i = m_gridKeys.indexOf(shown) + step;
    if (step < 0 && i < 0)
        i = m_gridKeys.size() - 1;
    if (step > 0 && i >= m_gridKeys.size())
        i = 0;
    // Not in the menu: left goes to the last, right to the first.
    if (step < 0 && !m_gridKeys.contains(shown))
        i = m_gridKeys.size() - 1;
    const QString key = m_gridKeys.at(i);
    ShowGrid(key);
    emit comboBoxItemSelected(key);
}

void MTEGridEdit::OnBtnGArrL() {
    StepGrid(-1);
}

void MTEGridEdit::OnBtnGArrR() {
    StepGrid(1);
}

void MTEGridEdit::ShowGrid(const QString& key) {
    DataCfg* cfg = DataCfg::Instance();
    const DataCfg::TGrid grid = cfg ? cfg->FindGrid(key) : DataCfg::TGrid();
    if (!DoModifiedWarningGrid())
        return;
    ShowOnCanvas(grid);
    m_tabs->Inactivate();
}

// ---------------------------------------------------------------------------------------------------------
// Phone tab bar

void MTEGridEdit::ReloadTabs() {
    ++m_changeCount;
    const int scroll = m_tabScroll->horizontalScrollBar()->value();
    const int current = m_tabs->CurrentIndex();
    m_tabs->Clear();
    if (DataCfg* cfg = DataCfg::Instance()) {
        for (const DataCfg::TNamed& tab : cfg->UserCfg().Tabs) {
            if (m_tabs->Count() >= MaxTabs)
                break;
            const DataCfg::TGrid g = cfg->FindGrid(tab.Name);
            if (g.Name.isEmpty() || g.Category == QLatin1String("Hidden"))
                continue;
            m_tabs->AddTab(g);
            if (g.Custom)
                m_tabs->SetTabType(m_tabs->Count() - 1, TabElem::Custom);
        }
    }
    // An unsaved canvas is not replaced by the reselected tab's grid: its edits would be gone unasked.
    if (m_canvas->IsModified())
        m_tabs->SetCurrentSilently(current);
    else
        m_tabs->OnTabClicked(current);
    m_tabScroll->horizontalScrollBar()->setValue(scroll);
    UpdateArrows();
}

void MTEGridEdit::RefreshTabs() {
    ReloadTabs();
    ++m_changeCount;
    m_tabsModified = false;
}

void MTEGridEdit::RemoveTabOfKey(const QString& key) {
    const int index = m_tabs->IndexOf(key);
    if (index < 0)
        return;
    const int current = m_tabs->CurrentIndex();
    m_tabs->RemoveTab(index);
    m_tabs->SetCurrentSilently(qMin(current, m_tabs->Count() - 1));
}

void MTEGridEdit::UpdateArrows() {
    const int i = m_tabs->CurrentIndex();
    Button("btnArrL")->setEnabled(i > 0);
    Button("btnArrR")->setEnabled(i >= 0 && i < m_tabs->Count() - 1);
}

void MTEGridEdit::OnBtnAdd() {
    const DataCfg::TGrid grid = m_canvas->Grid();
    if (grid.Name.isEmpty())
        return;
    const int count = m_tabs->Count();
    if (count >= MaxTabs) {
        AskUser(3, tr("ERROR"), tr("Maximum number of Tabs exceeded!"), Ok);
        return;
    }
    m_tabs->AddTab(grid);
    if (grid.Custom)
        m_tabs->SetTabType(count, TabElem::Custom);
    m_tabs->OnTabClicked(count);
    m_tabsModified = true;
    UpdateArrows();
    emit TabElementAction();
}

void MTEGridEdit::OnBtnHide() {
    const int i = m_tabs->CurrentIndex();
    if (m_canvas->Grid().Name.isEmpty() || i < 0)
        return;
    m_tabs->RemoveTab(i);
    if (m_tabs->Count() > 0)
        m_tabs->OnTabClicked(qMax(i - 1, 0));
    m_tabsModified = true;
    UpdateArrows();
    emit TabElementAction();
}

void MTEGridEdit::OnBtnArrL() {
    const int i = m_tabs->CurrentIndex();
    if (i <= 0)
        return;
    m_tabs->SwapTabs(i, i - 1);
    m_tabsModified = true;
    UpdateArrows();
}

void MTEGridEdit::OnBtnArrR() {
    const int i = m_tabs->CurrentIndex();
    if (i < 0 || i >= m_tabs->Count() - 1)
        return;
    m_tabs->SwapTabs(i, i + 1);
    m_tabsModified = true;
    UpdateArrows();
}

void MTEGridEdit::OnTabIndexChanged(int index) {
    QLOG_DEBUG() << "OnTabIndexChanged:" << index << m_tabs->GetCurrentKey();
    DataCfg* cfg = DataCfg::Instance();
    ShowOnCanvas(cfg ? cfg->FindGrid(m_tabs->GetCurrentKey()) : DataCfg::TGrid());
    Button("btnHide1")->hide();
    Button("btnHide2")->show();
    UpdateArrows();
    if (QApplication::keyboardModifiers() & Qt::ControlModifier)
        OnBtnEdit();
}

// ---------------------------------------------------------------------------------------------------------
// From the control editor

void MTEGridEdit::OnAdd2Grid() {
    if (!m_controlSource)
        return;
    QString resetName;
    const DataCfg::TControl c = m_controlSource(&resetName);
    m_canvas->AddCtrlOrTell(c, 0, 0, resetName);
}

void MTEGridEdit::OnApplyCfg() {
    if (!m_controlSource)
        return;
    m_canvas->ApplyCtrlCfg(m_controlSource(nullptr));
}

// ---------------------------------------------------------------------------------------------------------
// Grid files

void MTEGridEdit::OnBtnSave(bool quiet) {
    const DataCfg::TGrid& g = m_canvas->Grid();
    DataCfg* cfg = DataCfg::Instance();
    if (!g.Custom || !cfg)
        return;
    const QString name = g.Name;
    m_canvas->StoreGrid();
    QDir().mkpath(m_customGridPath);
    const QString error = cfg->SaveCustomGrid(QString(), name);
    if (!error.isEmpty()) {
        ErrorBox(error);
        return;
    }
    if (!quiet)
        AskUser(1, tr("SUCCESS"), tr("Saved Custom Grid: ") + name, Ok);
    m_canvas->SetModified(false);
    ++m_changeCount;
}

void MTEGridEdit::OnBtnSaveAs() {
    DataCfg* cfg = DataCfg::Instance();
    const DataCfg::TGrid shown = m_canvas->Grid();
    if (!cfg || shown.Name.isEmpty())
        return;
    auto heldCustom = [cfg](const QString& name) {
        const DataCfg::TGrid g = cfg->FindGrid(name, CustomGridSet);
        return g.Custom && g.Name == name;
    };
    if (shown.Custom && !heldCustom(shown.Name)) {
        cfg->Grids().append(shown);
        UpdateGridCmb();
    }
    const QString start = m_customGridPath + QStringLiteral("/") + shown.Name + QStringLiteral(".json");
    const QString caption = tr("Save Custom Grid as ...");
    const QString filter = QStringLiteral("*.json");
    const QString chosen = m_saveFile ? m_saveFile(caption, QDir::cleanPath(start), filter)
                                      : QFileDialog::getSaveFileName(this, caption, QDir::cleanPath(start), filter);
    if (chosen.isEmpty())
        return;
    const QString newName = QFileInfo(chosen).completeBaseName();
    if (!IsPlainGridName(newName)) {
        ErrorBox(tr("invalid filename: ") + chosen);
        return;
    }
    // Custom grids are read back only from their folder: a file elsewhere would vanish from the editor at
    // the next reload.
    QDir().mkpath(m_customGridPath);
    const QString path = m_customGridPath + newName + QStringLiteral(".json");
    QString oldName = shown.Name;
    const QString oldFile = shown.File;
    if (!shown.Custom) {
        // A preset saved under a name of its own becomes a custom grid of that name.
        if (heldCustom(newName)) {
            ErrorBox(tr("Grid %1 already exists!").arg(newName));
            return;
        }
        DataCfg::TGrid copy = shown;
        copy.NewId();
        copy.Name = newName;
        copy.Set = CustomGridSet;
        copy.Custom = true;
        copy.Signed = false;
        copy.SavedFile.clear();
        copy.File = path;
        cfg->Grids().append(copy);
        m_canvas->Grid() = copy;
        oldName = newName;
    }
    m_canvas->Grid().File = path;
    m_canvas->StoreGrid();
    const QString error = cfg->SaveCustomGrid(path, oldName);
    if (!error.isEmpty()) {
        // The chosen path stays out of the records: a later Save would write this grid over another's file.
        m_canvas->Grid().File = oldFile;
        for (DataCfg::TGrid& g : cfg->Grids()) {
            if (g.Custom && g.Name == oldName)
                g.File = shown.Custom ? oldFile : g.File;
        }
        if (!shown.Custom) {
            for (int i = cfg->Grids().size() - 1; i >= 0; --i) {
                if (cfg->Grids()[i].id == m_canvas->Grid().id)
                    cfg->Grids().removeAt(i);
            }
            m_canvas->Grid() = shown;
        }
        ErrorBox(error);
        return;
    }
    AskUser(1, tr("SUCCESS"), tr("Saved Custom Grid: ") + newName, Ok);
    cfg->LoadCustomGrid(path);
    UpdateGridCmb();
    ++m_changeCount;
    m_canvas->SetModified(false);
    SetGridRecord(cfg->FindGrid(CustomGridSet + QLatin1Char(':') + newName));
    emit TabElementAction();
}

bool MTEGridEdit::OnBtnNew() {
    if (!DoModifiedWarningTabs() || !DoModifiedWarningGrid())
        return false;
    DataCfg* cfg = DataCfg::Instance();
    if (!cfg)
        return false;
    const QString previousName = m_canvas->Grid().Name;
    const QString previousSet = m_canvas->Grid().Set;
    int number = 0;
    for (int i = 1; i <= 1023; ++i) {
        const DataCfg::TGrid g = cfg->FindGrid(QStringLiteral("Custom Grid %1").arg(i), CustomGridSet);
        if (g.Name.isEmpty() || g.Set != CustomGridSet) {
            number = i;
            break;
        }
    }
    if (!number)
        return false;
    DataCfg::TGrid grid;
    grid.NewId();
    grid.Name = QStringLiteral("Custom Grid %1").arg(number);
    grid.Set = CustomGridSet;
    grid.Custom = true;
    grid.File = m_customGridPath + grid.Name + QStringLiteral(".json");
    grid.Icon = QStringLiteral("TabIconCustom");
    grid.Title = QStringLiteral("CUSTOM\nGRID #%1").arg(number);
    cfg->Grids().append(grid);
    QDir().mkpath(m_customGridPath);
    const QString error = cfg->SaveCustomGrid(QString(), grid.Name);
    if (!error.isEmpty()) {
        // Without its file the record would vanish at the next reload: drop it now and say why.
        for (int i = cfg->Grids().size() - 1; i >= 0; --i) {
            if (cfg->Grids()[i].id == grid.id)
                cfg->Grids().removeAt(i);
        }
        ErrorBox(error);
        return false;
    }
    ShowOnCanvas(cfg->FindGrid(grid.Name, CustomGridSet));
    const int answer = m_settings ? m_settings(this) : Ok;
    if (answer == Ok) {
        // The name, caption and icon just chosen belong in the file: left unsaved with the grid marked
        // unchanged, they would be gone at the next start without a question.
        OnBtnSave(true);
        m_tabs->Inactivate();
        UpdateGridCmb();
        emit TabElementAction();
        return true;
    }
    const QString error2 = cfg->DeleteCustomGrid(grid.Name);
    if (!error2.isEmpty())
        QLOG_WARN() << "MTEGridEdit::OnBtnNew: the cancelled grid stays:" << error2;
    ShowOnCanvas(previousName.isEmpty() ? DataCfg::TGrid() : cfg->FindGrid(previousName, previousSet));
    UpdateGridCmb();
    return false;
}

void MTEGridEdit::OnBtnClear() {
    if (!m_canvas->Grid().Custom)
        return;
    if (AskUser(4, tr("ARE YOU SURE?"), tr("Do you want to clear your Grid?"), Yes | No) == Yes)
        m_canvas->RemoveCtrls(false);
}

void MTEGridEdit::OnBtnDelete() {
    const DataCfg::TGrid g = m_canvas->Grid();
    DataCfg* cfg = DataCfg::Instance();
    if (!g.Custom || !cfg)
        return;
    if (AskUser(4, tr("ARE YOU SURE?"),
                tr("Do you really want to delete Custom Grid: ") + g.Name + QStringLiteral(" ?"), Yes | No) != Yes)
        return;
    const QString error = cfg->DeleteCustomGrid(g.Name);
    if (!error.isEmpty()) {
        ErrorBox(error);
        return;
    }
    UpdateGridCmb();
    RemoveTabOfKey(g.GetKey());
    m_canvas->SetModified(false);
    ShowOnCanvas(DataCfg::TGrid());
    UpdateGridCmb();
    emit TabElementAction();
}

void MTEGridEdit::OnBtnEdit() {
    if (!Button("btnEdit")->isEnabled() || !m_settings)
        return;
    if (m_settings(this) == Ok)
        emit TabElementAction();
}

void MTEGridEdit::RevertGrid() {
    DataCfg* cfg = DataCfg::Instance();
    const DataCfg::TGrid g = m_canvas->Grid();
    if (!cfg || g.Name.isEmpty())
        return;
    if (g.Custom)
        cfg->LoadCustomGrid(g.SavedFile.isEmpty() ? g.File : g.SavedFile);
    m_canvas->SetModified(false);
    UpdateGridCmb();
    const DataCfg::TGrid again = cfg->FindGrid(g.Name, g.Set);
    m_canvas->SetGrid(again.Name == g.Name ? again : DataCfg::TGrid());
    UpdateButtons();
    if (g.Custom && again.Name == g.Name)
        m_tabs->UpdateCustomTab(again);
}

void MTEGridEdit::ApplyTabs() {
    DoModifiedWarningGrid();
    StoreTabs();
}

void MTEGridEdit::StoreTabs() {
    DataCfg* cfg = DataCfg::Instance();
    if (!cfg)
        return;
    QList<DataCfg::TNamed>& list = cfg->UserCfg().Tabs;
    list.clear();
    for (int i = 0; i < m_tabs->Count(); ++i) {
        const QString key = m_tabs->GetTabKey(i);
        const DataCfg::TGrid g = cfg->FindGrid(key);
        if (g.Name.isEmpty() || g.Category == QLatin1String("Hidden"))
            continue;
        DataCfg::TNamed entry;
        entry.Name = key;
        list << entry;
    }
    DataCfg::TNamed settings;
    settings.Name = QLatin1String(AppSettingsTab);
    list << settings;
    m_tabsModified = false;
    ReloadTabs();
    ++m_changeCount;
}

bool MTEGridEdit::DoModifiedWarningGrid() {
    if (!m_canvas->Grid().Custom || !m_canvas->IsModified())
        return true;
    const int answer = AskUser(4, tr("SAVE CHANGES?"),
                               tr("You've modified your Grid. Do you want to Save your changes?"), Yes | No | Cancel);
    if (answer == Yes) {
        OnBtnSave(true);
        // A failed save keeps the edits and the editor: going on would drop them.
        return !m_canvas->IsModified();
    }
    if (answer == No) {
        RevertGrid();
        return true;
    }
    return false;
}

bool MTEGridEdit::DoModifiedWarningTabs() {
    if (!m_tabsModified)
        return true;
    const int answer = AskUser(4, tr("SAVE CHANGES?"),
                               tr("You've modified your Tabs. Do you want to Save your changes?"), Yes | No | Cancel);
    if (answer == Yes) {
        ApplyTabs();
        return true;
    }
    if (answer == No) {
        ReloadTabs();
        ++m_changeCount;
        m_tabsModified = false;
        return true;
    }
    return false;
}

bool MTEGridEdit::DoModifiedWarning() {
    return DoModifiedWarningTabs() && DoModifiedWarningGrid();
}

QStringList MTEGridEdit::KeepChangesUnasked() {
    QStringList done;
    DataCfg* cfg = DataCfg::Instance();
    if (cfg && m_canvas->Grid().Custom && m_canvas->IsModified()) {
        const QString name = m_canvas->Grid().Name;
        m_canvas->StoreGrid();
        QDir().mkpath(m_customGridPath);
        const QString error = cfg->SaveCustomGrid(QString(), name);
        if (error.isEmpty()) {
            m_canvas->SetModified(false);
            ++m_changeCount;
            done << QStringLiteral("the grid \"%1\" was saved").arg(name);
        } else {
            QLOG_ERROR() << "MTEGridEdit::KeepChangesUnasked: the grid" << name << "could not be saved:" << error;
        }
    }
    if (m_tabsModified) {
        // Written to the user configuration when it is saved at the end.
        StoreTabs();
        done << QStringLiteral("the tab list was kept");
    }
    return done;
}

// ---------------------------------------------------------------------------------------------------------
// Help and screenshot

void MTEGridEdit::OnBtnTabHelp() {
    auto* popup = new PopupWnd(this);
    popup->setAttribute(Qt::WA_DeleteOnClose);
    popup->resize(450, 480);
    popup->setWindowTitle(tr("TABS HELP"));
    popup->text = tr("Tabs Overview:");
    popup->SetIcon(4);
    auto* image = new ImgWidget(popup, QStringLiteral(":/images/PopupTabsHelp"));
    image->move(25, 90);
    auto* row = new QLabel(popup);
    row->setObjectName(QStringLiteral("lblTabsHelpPreset"));
    // Light text on the popup's dark background; the colour of "blue" comes from the text itself.
    row->setStyleSheet(QStringLiteral("QLabel {border:none;background-color:transparent;color:#dcdcdc;}"));
    row->setWordWrap(true);
    row->setText(tr("<b>Pre-installed Tab</b><br>Tabs with a <span style='color:#28a3dd;'>blue</span> LED in the "
                    "upper right-hand corner are pre-installed and ready for use."));
    // Centred in the row's 50 px band; a longer text (some languages take three lines) grows out of it evenly.
    const int width = popup->width() - 140;
    const int height = row->heightForWidth(width);
    row->setGeometry(115, 104 + (50 - height) / 2, width, height);
    popup->open();
}

void MTEGridEdit::takeScreenshot() {
    QPixmap pixmap(m_canvas->size());
    m_canvas->render(&pixmap, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    pixmap.save(PluginTools::GetUserPath() + QDir::separator() + QStringLiteral("screenshot.png"));
}

void MTEGridEdit::OnExportPackage() {
    ImpExpPopup::Show(false, this, QString(), this);
}

void MTEGridEdit::OnImportPackage() {
    if (!DoModifiedWarning())
        return;
    const QString package = ImpExpPluginPopUp::ImportPlugin(0, this, QString());
    if (!package.isEmpty())
        ImpExpPopup::Exec(true, this, package, this);
}
