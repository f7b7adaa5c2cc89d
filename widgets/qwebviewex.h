#pragma once
// The program's embedded browser view: its context menu is the toolkit's, a short one of our own, or none.

#include <QWebView>

class QMenu;

class QWebViewEx : public QWebView {
    Q_OBJECT
public:
    explicit QWebViewEx(QWidget* parent = nullptr);

    // 0: the toolkit's context menu; 1: Back and Reload, or Copy Link on a link; anything else: no menu.
    int menuMode;

    // The menu the short mode offers at a point of the view (in view coordinates); nullptr in the other modes.
    // The caller owns it. The context-menu handler runs it; tests look at its entries.
    QMenu* BuildContextMenu(const QPoint& pos);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
};
