#pragma once
// The program's embedded browser page: decides where links that want a new window go, and hands "mailto:"
// addresses to the desktop's mail program.

#include <QUrl>
#include <QWebPage>

class QWebPageEx : public QWebPage {
    Q_OBJECT
public:
    explicit QWebPageEx(QObject* parent = nullptr);

    // The address of the latest navigation request.
    QUrl lastUrl;
    // 0: the toolkit decides; 1: a window of the program's own; 2: the desktop's browser.
    int windowMode;

protected:
    QWebPage* createWindow(WebWindowType type) override;
    bool acceptNavigationRequest(QWebFrame* frame, const QNetworkRequest& request, NavigationType type) override;
};
