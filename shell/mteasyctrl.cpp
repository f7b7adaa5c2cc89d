#include "shell/mteasyctrl.h"

#include "config/datacfg.h"
#include "config/tgrid.h"
#include "editor/gridview.h"
#include "editor/mtegridedit.h"
#include "editor/tabview.h"
#include "foundation/logger/QsLog.h"
#include "shell/browseitems.h"
#include "shell/webhosts.h"
#include "widgets/bgicnbtn.h"
#include "widgets/qscrollbarex.h"
#include "widgets/touchscrollarea.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QUrl>
#include <QVBoxLayout>

static void InitBrowseImages() {
    Q_INIT_RESOURCE(browseimages);
}

namespace {
const char* const kHeaderStyle =
    "QLabel { color : #65c3f7; font-family:'Eurostile-Demi'; font-size:16px; margin-left:%1px}";
QString ModeButtonStyle(const QString& icon) {
    return QStringLiteral("QPushButton { background-image: url(:/images/%1_n); border: none; background-color: "
                          "transparent; }"
                          "QPushButton[active=\"true\"] { background-image: url(:/images/%1_d); }"
                          "QPushButton:hover { background-image: url(:/images/%1_o); }")
        .arg(icon);
}
} // namespace

// ---------------------------------------------------------------------------------------------------------
// MTEGridList

MTEGridList::MTEGridList(QWidget* parent, MTEGridEdit* gridEdit) : MainTabElem(parent), gridEdit(gridEdit) {
    InitBrowseImages();
    BuildForm();
    scrollArea = new TouchScrollArea(wdgMainView);
    scrollArea->setGeometry(0, 0, 585, 631);
    scrollArea->keysToArea = true;
    // The tab's own background shows through the list.
    scrollArea->viewport()->setAutoFillBackground(false);
    content = new QWidget;
    content->setObjectName(QStringLiteral("BrowseContent"));
    content->setGeometry(0, 0, 585, 2000);
    content->setContentsMargins(0, 10, 0, 0);
    SetScrollAreaWidget(scrollArea, content);
    verticalScrollBar->LinkTo(scrollArea->verticalScrollBar());
    btnGridMode->setProperty("active", "true");
    btnListMode->setProperty("active", "false");
    if (gridEdit)
        connect(gridEdit, &MTEGridEdit::comboBoxItemSelected, this, &MTEGridList::onComboBoxGridSelected);
}

MTEGridList::~MTEGridList() = default;

void MTEGridList::BuildForm() {
    setObjectName(QStringLiteral("MTEGridList"));
    resize(607, 659);
    wdgMainView = new QWidget(this);
    wdgMainView->setObjectName(QStringLiteral("wdgMainView"));
    wdgMainView->setGeometry(0, 28, 585, 631);
    verticalScrollBar = new QScrollBarEx(this);
    verticalScrollBar->setObjectName(QStringLiteral("verticalScrollBar"));
    verticalScrollBar->setOrientation(Qt::Vertical);
    verticalScrollBar->setGeometry(587, 27, 19, 633);
    btnListMode = new QPushButton(this);
    btnListMode->setObjectName(QStringLiteral("btnListMode"));
    btnListMode->setGeometry(582, 5, 23, 21);
    btnListMode->setStyleSheet(ModeButtonStyle(QStringLiteral("ico_viewlist")));
    btnListMode->setFocusPolicy(Qt::NoFocus);
    btnGridMode = new QPushButton(this);
    btnGridMode->setObjectName(QStringLiteral("btnGridMode"));
    btnGridMode->setGeometry(552, 3, 23, 21);
    btnGridMode->setStyleSheet(ModeButtonStyle(QStringLiteral("ico_viewpat")));
    btnGridMode->setFocusPolicy(Qt::NoFocus);
    label = new QLabel(this);
    label->setObjectName(QStringLiteral("label"));
    label->setStyleSheet(QStringLiteral("QLabel { color : #65c3f7; font-family:'Eurostile-Demi'; font-size:13px; }"));
    // As high as the font that stands in for the title font needs, centred where the form puts it.
    label->ensurePolished();
    const int labelHeight = qMax(16, label->fontMetrics().height());
    label->setGeometry(9, 14 - labelHeight / 2, 221, labelHeight);
    lblBgImage = new QLabel(this);
    lblBgImage->setObjectName(QStringLiteral("lblBgImage"));
    lblBgImage->setGeometry(0, 0, 607, 659);
    lblBgImage->setStyleSheet(QStringLiteral("background-image:url(:/images/WndBGBrowse);"));
    lblBgImage->lower();
    label->setText(tr("BROWSE GRIDS:"));
    connect(btnListMode, &QPushButton::clicked, this, &MTEGridList::showListView);
    connect(btnGridMode, &QPushButton::clicked, this, &MTEGridList::showGridView);
}

QUrl MTEGridList::StoreUrl() {
    QUrl url(QStringLiteral("http://") + WebHosts::WebHost());
    url.setPath(QStringLiteral("/Store/Grids/"));
    return url;
}

QString MTEGridList::CategoryText(int category) const {
    switch (category) {
    case PresetGrids:
        return tr("Preset Grids");
    case PremiumGrids:
        return tr("Premium Grids");
    case CustomGrids:
        return tr("Custom Grids");
    default:
        return tr("All Grids");
    }
}

void MTEGridList::Init() {
    mainLayout = new QVBoxLayout(content);
    mainLayout->setContentsMargins(0, 0, 0, 0);
    mainLayout->setSpacing(0);
    mainLayout->setAlignment(Qt::AlignTop);
    headerLabel = new QLabel(content);
    headerLabel->setObjectName(QStringLiteral("headerLabel"));
    categoryBox = new QComboBox(content);
    categoryBox->setObjectName(QStringLiteral("BrowseGridComboBox"));
    categoryBox->setAttribute(Qt::WA_TranslucentBackground);
    categoryBox->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    getMoreButton =
        new BGIcnBtn(content, QStringLiteral(":/images/BtnBluIcn"), QStringLiteral(":/images/BtnAddTabIcn"));
    getMoreButton->setObjectName(QStringLiteral("getMoreButton"));
    getMoreButton->SetText(tr("GET MORE"));
    if (gridEdit)
        connect(gridEdit, &MTEGridEdit::comboBoxItemSelected, this, &MTEGridList::changeActualSelectedGrid);
    connect(categoryBox, QOverload<int>::of(&QComboBox::activated), this, &MTEGridList::onClickedComboBox);
    connect(getMoreButton, &QPushButton::clicked, this, &MTEGridList::openExternalLink);
    connect(scrollArea, &TouchScrollArea::keyPressed, this, &MTEGridList::onContainerKeyPressed);

    Group();
    FillCategoryBox();
    mainLayout->addLayout(HeaderRow(PresetGrids, true));
    listMode = false;
    BuildView(AllGrids);
}

void MTEGridList::Group() {
    groups.clear();
    DataCfg* cfg = DataCfg::Instance();
    if (!cfg)
        return;
    for (DataCfg::TGrid& g : cfg->Grids()) {
        int category = PremiumGrids;
        if (g.Custom)
            category = CustomGrids;
        else if (g.Set == QLatin1String("[MERVEX]"))
            category = g.Signed ? PresetGrids : CustomGrids;
        groups[category].append(&g);
    }
}

void MTEGridList::FillCategoryBox() {
    categoryBox->clear();
    categoryBox->addItem(CategoryText(AllGrids), int(AllGrids));
    for (auto it = groups.cbegin(); it != groups.cend(); ++it)
        categoryBox->addItem(CategoryText(it.key()), it.key());
}

int MTEGridList::CurrentCategory() const {
    return categoryBox ? categoryBox->currentData().toInt() : int(AllGrids);
}

QHBoxLayout* MTEGridList::HeaderRow(int category, bool withButtons) {
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 5);
    QLabel* text = withButtons ? headerLabel : new QLabel(content);
    text->setStyleSheet(QString::fromLatin1(kHeaderStyle).arg(withButtons ? 17 : 7));
    // The category's name as the language has it, in capitals like the top header.
    text->setText(CategoryText(category).toUpper());
    row->addWidget(text);
    if (withButtons) {
        row->addStretch(1);
        row->addWidget(getMoreButton);
        row->addSpacing(10);
        row->addWidget(categoryBox);
        row->addSpacing(17);
    }
    return row;
}

void MTEGridList::BuildView(int category) {
    // Attached first, so that every widget below lands on the content widget as it is added.
    sectionsLayout = new QVBoxLayout;
    sectionsLayout->setContentsMargins(0, 0, 0, 0);
    sectionsLayout->setSpacing(0);
    mainLayout->addLayout(sectionsLayout);
    mainLayout->setAlignment(sectionsLayout, Qt::AlignTop);
    if (category == AllGrids) {
        AddSection(PresetGrids, false);
        AddSection(PremiumGrids, true);
        AddSection(CustomGrids, true);
    } else {
        AddSection(category, false);
    }
    qDeleteAll(spare);
    spare.clear();
    // Widgets a layout shows only later count for nothing in its size: show them now, so that the content
    // takes its full height at once.
    for (QWidget* w : content->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (w->isHidden() && !w->testAttribute(Qt::WA_WState_ExplicitShowHide))
            w->show();
    }
    needsResize = true;
    ResizeContent();
    update();
}

void MTEGridList::ResizeContent() {
    if (!needsResize || !mainLayout)
        return;
    content->resize(585, mainLayout->sizeHint().height() + 15);
    needsResize = false;
}

void MTEGridList::AddSection(int category, bool withHeader) {
    const QList<DataCfg::TGrid*> grids = groups.value(category);
    if (grids.isEmpty())
        return;
    if (withHeader) {
        sectionsLayout->addSpacing(listMode ? 15 : 10);
        sectionsLayout->addLayout(HeaderRow(category, false));
    } else {
        headerLabel->setText(CategoryText(category).toUpper());
    }
    auto* section = new QVBoxLayout;
    section->setSpacing(0);
    section->setAlignment(Qt::AlignTop);
    sectionsLayout->addLayout(section);
    if (!listMode) {
        section->setContentsMargins(20, 0, 0, 0);
        auto* divider = new QLabel(content);
        divider->setPixmap(QPixmap(QStringLiteral(":/images/divider-line")));
        divider->setStyleSheet(QStringLiteral("margin-bottom: 10px; margin-right:17px"));
        section->addWidget(divider);
        QHBoxLayout* row = nullptr;
        int shown = 0;
        for (const DataCfg::TGrid* g : grids) {
            if (g->Category == QLatin1String("Hidden"))
                continue;
            if (shown % 4 == 0) {
                auto* rowBox = new QVBoxLayout;
                section->addLayout(rowBox);
                row = new QHBoxLayout;
                row->setAlignment(Qt::AlignLeft);
                rowBox->addLayout(row);
            }
            AddItem(*g, row);
            ++shown;
        }
        return;
    }
    section->setContentsMargins(10, 0, 0, 0);
    auto* columns = new QHBoxLayout;
    columns->setContentsMargins(0, 0, 0, 5);
    columns->addSpacing(10);
    const struct {
        QString text;
        int width;
    } heads[] = {{tr("Grid name"), 260}, {QString(), 141}, {tr("Last modified"), 85}, {tr("Added"), 62}};
    for (const auto& h : heads) {
        auto* l = new QLabel(h.text, content);
        l->setFixedWidth(h.width);
        l->setStyleSheet(
            QStringLiteral("background-image:url(:/images/divider-line_listview); color:#ababab; font-size:11px;"));
        columns->addWidget(l);
    }
    auto* nameHead = qobject_cast<QLabel*>(columns->itemAt(1)->widget());
    nameHead->setMinimumHeight(25);
    nameHead->setContentsMargins(10, 0, 0, 0);
    qobject_cast<QLabel*>(columns->itemAt(4)->widget())->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    columns->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    section->addLayout(columns);
    for (const DataCfg::TGrid* g : grids) {
        if (g->Category != QLatin1String("Hidden"))
            AddItem(*g, section);
    }
}

AbstractBrowseItem* MTEGridList::TakeSpare() {
    for (int i = 0; i < spare.size(); ++i) {
        AbstractBrowseItem* item = spare.at(i);
        if (listMode ? qobject_cast<BrowseListItem*>(item) != nullptr : qobject_cast<BrowseGridItem*>(item) != nullptr)
            return spare.takeAt(i);
    }
    return nullptr;
}

void MTEGridList::AddItem(const DataCfg::TGrid& grid, QLayout* layout) {
    AbstractBrowseItem* item = TakeSpare();
    const bool reused = item != nullptr;
    if (reused) {
        item->name = grid.Name;
        item->selected = false;
        item->pressed = false;
        if (!listMode)
            item->UpdateTexts();
        item->update();
    } else if (listMode) {
        item = new BrowseListItem(grid.Name, content);
    } else {
        item = new BrowseGridItem(grid.Name, content);
    }
    BrowseListItem* row = qobject_cast<BrowseListItem*>(item);
    item->date = grid.Date;
    item->set = grid.Set;
    if (gridEdit)
        item->SetAppSkin(&gridEdit->AppSkin());
    if (row)
        row->SetIconSize(25, 25);
    item->SetInstalled(gridEdit && gridEdit->Tabs()->IndexOf(item->Key()) >= 0);
    if (row)
        row->ShowInstalled();
    item->SetIcon(grid.Icon);
    layout->addWidget(item);
    if (!reused) {
        item->show();
        // The key, not the bare name: a custom grid may carry a preset's name.
        connect(item, &AbstractBrowseItem::onChangeGrid, this, [this, item] { emit showGrid(item->Key()); });
        connect(item, &AbstractBrowseItem::mouseClickEvent, this, &MTEGridList::onClickedGridItem);
    }
    item->index = items.size();
    items.append(item);
}

void MTEGridList::EmptyLayout(QLayout* layout) {
    while (QLayoutItem* child = layout->takeAt(0)) {
        if (auto* item = qobject_cast<AbstractBrowseItem*>(child->widget()))
            spare << item;
        else if (QWidget* w = child->widget())
            delete w;
        else if (QLayout* nested = child->layout())
            EmptyLayout(nested);
        delete child;
    }
}

void MTEGridList::Empty() {
    if (sectionsLayout) {
        EmptyLayout(sectionsLayout);
        mainLayout->removeItem(sectionsLayout);
        delete sectionsLayout;
        sectionsLayout = nullptr;
    }
    items.clear();
    selected = nullptr;
}

void MTEGridList::Rebuild() {
    if (!sectionsLayout)
        return;
    Group();
    Empty();
    BuildView(CurrentCategory());
    if (gridEdit && !gridEdit->Canvas()->Grid().Name.isEmpty())
        changeActualSelectedGrid(gridEdit->Canvas()->Grid().GetKey());
}

void MTEGridList::onClickedComboBox(int index) {
    Empty();
    Group();
    BuildView(categoryBox->itemData(index).toInt());
    selected = nullptr;
}

void MTEGridList::SetViewMode(bool list) {
    listMode = list;
    Empty();
    Group();
    BuildView(CurrentCategory());
    btnListMode->setProperty("active", list ? "true" : "false");
    btnGridMode->setProperty("active", list ? "false" : "true");
    // Re-applying a style sheet re-polishes the buttons, so their property rules take effect.
    for (QPushButton* b : {btnListMode, btnGridMode})
        b->setStyleSheet(b->styleSheet());
    setStyleSheet(styleSheet());
    if (gridEdit && !gridEdit->Canvas()->Grid().Name.isEmpty())
        changeActualSelectedGrid(gridEdit->Canvas()->Grid().GetKey());
    Retranslate();
}

void MTEGridList::showListView() {
    SetViewMode(true);
}

void MTEGridList::showGridView() {
    SetViewMode(false);
}

void MTEGridList::tabElementChanged() {
    Rebuild();
}

void MTEGridList::Retranslate() {
    label->setText(tr("BROWSE GRIDS:"));
    if (!categoryBox)
        return;
    getMoreButton->SetText(tr("GET MORE"));
    FillCategoryBox();
    categoryBox->setCurrentIndex(0);
    Rebuild();
}

void MTEGridList::SelectItem(AbstractBrowseItem* item) {
    item->SetSelected(true);
    if (selected && selected != item)
        selected->SetSelected(false);
    selected = item;
}

void MTEGridList::onClickedGridItem() {
    if (auto* item = qobject_cast<AbstractBrowseItem*>(sender()))
        SelectItem(item);
}

void MTEGridList::changeActualSelectedGrid(const QString& fullName) {
    if (fullName.isEmpty())
        return;
    for (AbstractBrowseItem* item : items) {
        if (item->Key() == fullName)
            SelectItem(item);
    }
}

void MTEGridList::onContainerKeyPressed(QKeyEvent* e) {
    if (!selected)
        return;
    int i = selected->index;
    const int x = selected->x();
    const int last = items.size() - 1;
    switch (e->key()) {
    case Qt::Key_Left:
        if (!listMode && i > 0)
            --i;
        break;
    case Qt::Key_Right:
        if (!listMode && i < last)
            ++i;
        break;
    case Qt::Key_Up:
        for (int j = i - 1; j >= 0 && j >= i - 7; --j) {
            if (items[j]->x() == x) {
                i = j;
                break;
            }
        }
        break;
    case Qt::Key_Down:
        for (int j = i + 1; j <= last && j <= i + 7; ++j) {
            if (items[j]->x() == x) {
                i = j;
                break;
            }
        }
        break;
    default:
        return;
    }
    if (i >= 0 && i <= last) {
        selected->SetSelected(false);
        selected = items[i];
        selected->SetSelected(true);
    }
    emit showGrid(selected->Key());
    ScrollToSelected();
}

void MTEGridList::ScrollToSelected() {
    const int y = selected->y();
    const int h = selected->height();
    const int v = verticalScrollBar->value();
    const int H = verticalScrollBar->height();
    if (y + h >= v + H)
        verticalScrollBar->setValue(y + 2 * h - H);
    if (v >= y)
        verticalScrollBar->setValue(y - h);
}

void MTEGridList::openExternalLink() {
    const QUrl url = StoreUrl();
    if (!QDesktopServices::openUrl(url))
        QLOG_WARN() << "MTEGridList: the desktop did not open" << url.toString();
}

void MTEGridList::paintEvent(QPaintEvent* e) {
    ResizeContent();
    MainTabElem::paintEvent(e);
}

// ---------------------------------------------------------------------------------------------------------
// MTEasyCtrl

MTEasyCtrl::MTEasyCtrl(QWidget* parent, MTEGridEdit* gridEdit)
    : MainTab(parent), gridEdit(gridEdit), list(new MTEGridList(this, gridEdit)) {
    setObjectName(QStringLiteral("MTEasyCtrl"));
    list->setObjectName(QStringLiteral("MTEGridList"));
    connect(list, &MTEGridList::showGrid, this, &MTEasyCtrl::showGrid);
    if (gridEdit)
        connect(gridEdit, &MTEGridEdit::TabElementAction, list, &MTEGridList::tabElementChanged);
    TakeGridEdit();
    if (DataCfg* cfg = DataCfg::Instance())
        cfg->LoadCustomGrids();
    hide();
}

void MTEasyCtrl::Init() {
    if (gridEdit)
        gridEdit->ReloadCfg();
    list->Init();
}

void MTEasyCtrl::TakeGridEdit() {
    if (!gridEdit)
        return;
    if (gridEdit->parentWidget() != this)
        gridEdit->setParent(this);
    // The editor keeps the place it has on the controls tab: at the right, beside the list.
    gridEdit->move(width() - gridEdit->width(), 0);
    gridEdit->show();
}

void MTEasyCtrl::setVisible(bool visible) {
    if (DataCfg* cfg = DataCfg::Instance())
        cfg->LoadCustomGrids();
    if (visible)
        list->Rebuild();
    MainTab::setVisible(visible);
}

void MTEasyCtrl::showGrid(const QString& name) {
    if (gridEdit)
        gridEdit->ShowGrid(name);
}
