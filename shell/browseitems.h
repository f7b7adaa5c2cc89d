#pragma once
// The grid browser's entries: a grid as a tile (BrowseGridItem) or as a table row (BrowseListItem). Both show
// the grid's icon in a WidgetButton, which composes a background, the icon, a border and a gloss overlay and,
// on tiles, the "installed" mark of a grid that is on the phone's tab bar.

#include "config/datacfgrecords.h"

#include <QDateTime>
#include <QImage>
#include <QWidget>

class QLabel;

class WidgetButton : public QWidget {
    Q_OBJECT
public:
    explicit WidgetButton(QWidget* parent = nullptr);

    // A new button size; the icon area shrinks or grows with it.
    void SetSize(const QSize& size);
    void UpdateImages();
    // The part of an icon text before its first "|": an entry of the application skin, else an image path.
    void SetIcon(const QString& text);

    QString backgroundPath;
    QImage background;
    QImage icon;
    QImage borderOverlay;
    QImage glossOverlay;
    QImage installedMark;
    QSize buttonSize{90, 90};
    QSize iconSize{50, 50};
    bool installed = false;
    // The grid editor's application skin (not owned); without one every icon name is a path.
    const DataCfg::TAppSkin* appSkin = nullptr;

protected:
    void paintEvent(QPaintEvent* e) override;
};

class AbstractBrowseItem : public QWidget {
    Q_OBJECT
public:
    AbstractBrowseItem(const QString& name, QWidget* parent);
    ~AbstractBrowseItem() override;

    virtual void SetSelected(bool selected);
    virtual void UpdateTexts() {}
    // The grid's icon text; an empty one shows no icon.
    void SetIcon(const QString& text);
    virtual void SetInstalled(bool installed);
    void SetAppSkin(const DataCfg::TAppSkin* skin);
    QSize sizeHint() const override { return size(); }

    QString Name() const { return name; }
    bool IsSelected() const { return selected; }
    // The grid's key as the configuration and the tab bar name it: set, ':' and name, or the name alone.
    QString Key() const { return set.isEmpty() ? name : set + QLatin1Char(':') + name; }
    WidgetButton* IconButton() const { return iconButton; }
    QLabel* NameLabel() const { return nameLabel; }

    QImage selectionImage;
    QString name;
    QPoint pressPos;
    QDateTime date;
    QString set;
    bool pressed = false;
    bool selected = false;
    int index = 0;

signals:
    void onChangeGrid(const QString& name);
    void mouseClickEvent();

public slots:
    virtual void onSelectNewGrid();

protected:
    void mousePressEvent(QMouseEvent* e) override;

    QLabel* nameLabel = nullptr;
    QLabel* infoLabel = nullptr;
    WidgetButton* iconButton = nullptr;
};

class BrowseGridItem : public AbstractBrowseItem {
    Q_OBJECT
public:
    BrowseGridItem(const QString& name, QWidget* parent);

    void SetSelected(bool selected) override;
    void UpdateTexts() override;
    void SetInstalled(bool installed) override;

public slots:
    void onSelectNewGrid() override;

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
};

class BrowseListItem : public AbstractBrowseItem {
    Q_OBJECT
public:
    BrowseListItem(const QString& name, QWidget* parent);

    void SetSelected(bool selected) override;
    void UpdateTexts() override;
    void SetInstalled(bool installed) override { this->installed = installed; }
    void SetIconSize(int width, int height);
    void ShowInstalled();
    QLabel* DateLabel() const { return dateLabel; }
    QLabel* InstalledLabel() const { return installedLabel; }

    QSize iconSize;
    QLabel* dateLabel = nullptr;
    QLabel* installedLabel = nullptr;
    bool installed = false;

public slots:
    void onSelectNewGrid() override;

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
};
