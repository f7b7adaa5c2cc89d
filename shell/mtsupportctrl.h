#pragma once
// The support tab: the maker's online FAQ in two web views, a table of contents on the left and the pages on
// the right, and the reachability test the main window runs before it shows the tab.

#include "widgets/qwidgetex.h"

#include <QUrl>

#include <functional>

class QWebViewEx;

class MTSupportCtrl : public QWidgetEx {
    Q_OBJECT
public:
    explicit MTSupportCtrl(QWidget* parent = nullptr);

    // Builds the views and loads the pages the first time; later calls do nothing.
    void Open();
    // (Re)loads both pages in the current language; nothing while the views do not exist.
    void LoadPages();
    void Retranslate() override;

    // Connects to the maker's web domain on port 80; TestOk() or TestError() follows, once per test.
    void StartReachabilityTest();
    bool IsTestDone() const { return testDone; }
    void ClearTestDone() { testDone = false; }

    QWebViewEx* TocView() const { return tocView; }
    QWebViewEx* ContentView() const { return contentView; }
    // Answers the language chosen last, as its code ("de", "en_US"); without one the pages are English.
    void SetLanguageReader(std::function<QString()> reader) { m_language = std::move(reader); }
    // The two-letter language of the pages.
    QString PageLanguage() const;
    // The FAQ address of a module: 1 the table of contents, 2 the content.
    QUrl PageUrl(int module) const;

signals:
    void TestOk();
    void TestError();

public slots:
    void OnLinkClickedTOC(const QUrl& url);
    void OnTestOk();
    void OnTestError();

private:
    QWebViewEx* tocView = nullptr;
    QWebViewEx* contentView = nullptr;
    bool testDone = false;
    std::function<QString()> m_language;
};
