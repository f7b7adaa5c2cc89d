#include "widgets/qwebviewex.h"

#include <QContextMenuEvent>
#include <QIcon>
#include <QMenu>
#include <QWebFrame>
#include <QWebHitTestResult>
#include <QWebPage>

QWebViewEx::QWebViewEx(QWidget* parent) : QWebView(parent), menuMode(1) {}

QMenu* QWebViewEx::BuildContextMenu(const QPoint& pos) {
    if (menuMode != 1)
        return nullptr;
    const QWebHitTestResult hit = page()->mainFrame()->hitTestContent(pos);
    QMenu* menu = new QMenu(this);
    if (hit.linkUrl().isEmpty()) {
        // The page's own actions keep their enabled state in step with the history; their icons do not fit
        // the program's menus.
        QAction* back = pageAction(QWebPage::Back);
        QAction* reload = pageAction(QWebPage::Reload);
        back->setIcon(QIcon());
        reload->setIcon(QIcon());
        menu->addAction(back);
        menu->addAction(reload);
    } else {
        menu->addAction(pageAction(QWebPage::CopyLinkToClipboard));
    }
    return menu;
}

void QWebViewEx::contextMenuEvent(QContextMenuEvent* event) {
    if (menuMode == 0) {
        QWebView::contextMenuEvent(event);
        return;
    }
    if (menuMode != 1)
        return;
    QMenu* menu = BuildContextMenu(event->pos());
    menu->exec(event->globalPos());
    delete menu;
}
