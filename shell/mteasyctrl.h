#pragma once
// The browse tab: every grid of the configuration by category, as tiles or as table rows. A picked grid is
// shown at once in the grid editor, which this tab borrows from the controls tab. "GET MORE" opens the
// maker's grid store in the desktop browser.

#include "config/datacfgrecords.h"
#include "shell/maintab.h"

#include <QMap>

class AbstractBrowseItem;
class BGIcnBtn;
class MTEGridEdit;
class QComboBox;
class QHBoxLayout;
class QKeyEvent;
class QLabel;
class QPushButton;
class QScrollBarEx;
class QVBoxLayout;
class TouchScrollArea;

class MTEGridList : public MainTabElem {
    Q_OBJECT
public:
    enum Category { AllGrids = 0, PresetGrids = 1, PremiumGrids = 2, CustomGrids = 3 };

    MTEGridList(QWidget* parent, MTEGridEdit* gridEdit);
    ~MTEGridList() override;

    void Init();
    void Rebuild();
    void Retranslate() override;

    // The grid store page: plain http on the maker's web server.
    static QUrl StoreUrl();

    bool IsListMode() const { return listMode; }
    QList<AbstractBrowseItem*> Items() const { return items; }
    AbstractBrowseItem* Selected() const { return selected; }
    QComboBox* CategoryBox() const { return categoryBox; }
    QLabel* HeaderLabel() const { return headerLabel; }
    QPushButton* ModeButton(bool list) const { return list ? btnListMode : btnGridMode; }
    BGIcnBtn* GetMoreButton() const { return getMoreButton; }
    QScrollBarEx* ScrollBar() const { return verticalScrollBar; }
    QWidget* Content() const { return content; }
    // The categories and their grids as the last grouping left them.
    const QMap<int, QList<DataCfg::TGrid*>>& Groups() const { return groups; }

signals:
    void showGrid(const QString& name);

public slots:
    void onComboBoxGridSelected(const QString&) {}
    void onClickedComboBox(int index);
    void onClickedGridItem();
    void showListView();
    void showGridView();
    void tabElementChanged();
    void onContainerKeyPressed(QKeyEvent* e);
    void changeActualSelectedGrid(const QString& fullName);
    void openExternalLink();

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    void BuildForm();
    void Group();
    void FillCategoryBox();
    QString CategoryText(int category) const;
    QHBoxLayout* HeaderRow(int category, bool withButtons);
    void BuildView(int category);
    void ResizeContent();
    void AddSection(int category, bool withHeader);
    void AddItem(const DataCfg::TGrid& grid, QLayout* layout);
    // A tile or row of the last view that the next one takes over (of the view mode's kind), else null.
    AbstractBrowseItem* TakeSpare();
    void Empty();
    void EmptyLayout(QLayout* layout);
    void SelectItem(AbstractBrowseItem* item);
    void SetViewMode(bool list);
    void ScrollToSelected();
    int CurrentCategory() const;

    MTEGridEdit* gridEdit;
    QWidget* wdgMainView = nullptr;
    QScrollBarEx* verticalScrollBar = nullptr;
    QPushButton* btnListMode = nullptr;
    QPushButton* btnGridMode = nullptr;
    QLabel* label = nullptr;
    QLabel* lblBgImage = nullptr;

    TouchScrollArea* scrollArea = nullptr;
    QWidget* content = nullptr;
    QComboBox* categoryBox = nullptr;
    BGIcnBtn* getMoreButton = nullptr;
    QVBoxLayout* mainLayout = nullptr;
    QVBoxLayout* sectionsLayout = nullptr;
    QLabel* headerLabel = nullptr;
    AbstractBrowseItem* selected = nullptr;
    bool listMode = false;
    bool needsResize = false;
    QMap<int, QList<DataCfg::TGrid*>> groups;
    QList<AbstractBrowseItem*> items;
    // The last view's tiles or rows while the next view is built: rebuilt with the same grids, the view takes
    // them over instead of making and polishing a thousand widgets again; those left over go at the end.
    QList<AbstractBrowseItem*> spare;
};

class MTEasyCtrl : public MainTab {
    Q_OBJECT
public:
    MTEasyCtrl(QWidget* parent, MTEGridEdit* gridEdit);

    void Init();
    // Moves the grid editor onto this tab, where it keeps its place at the right.
    void TakeGridEdit();
    void setVisible(bool visible) override;
    MTEGridList* List() const { return list; }

public slots:
    void showGrid(const QString& name);

private:
    MTEGridEdit* gridEdit;
    MTEGridList* list;
};
