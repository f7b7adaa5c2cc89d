#include "widgets/qwebpageex.h"

#include <QDesktopServices>
#include <QNetworkRequest>
#include <QWebView>

QWebPageEx::QWebPageEx(QObject* parent) : QWebPage(parent), windowMode(0) {}

QWebPage* QWebPageEx::createWindow(WebWindowType type) {
    if (windowMode == 2) {
        // The link that asked for the window was the latest navigation request.
        QDesktopServices::openUrl(lastUrl);
        return nullptr;
    }
    if (windowMode == 1) {
        QWebView* view = new QWebView;
        view->setAttribute(Qt::WA_DeleteOnClose);
        QWebPage* page = new QWebPage(view);
        view->setPage(page);
        view->show();
        return page;
    }
    return QWebPage::createWindow(type);
}

bool QWebPageEx::acceptNavigationRequest(QWebFrame* frame, const QNetworkRequest& request, NavigationType type) {
    lastUrl = request.url();
    if (type == NavigationTypeOther && lastUrl.toString().startsWith(QLatin1String("mailto:"))) {
        QDesktopServices::openUrl(lastUrl);
        return false;
    }
    return QWebPage::acceptNavigationRequest(frame, request, type);
}
