// The embedded browser pieces on local pages: where new-window links and mailto addresses go, and the short
// context menu.

#include "widgets/qwebpageex.h"
#include "widgets/qwebviewex.h"

#include <QAction>
#include <QDesktopServices>
#include <QMenu>
#include <QSignalSpy>
#include <QWebElement>
#include <QWebFrame>
#include <QtTest>

// Stands in for the desktop: records every address handed to it.
class DesktopRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened.append(url); }
};

class TestWebView : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void newWindowLinkOpensDesktopBrowser();
    void newWindowOwnWindow();
    void mailtoDivertedOnlyForOtherNavigation_data();
    void mailtoDivertedOnlyForOtherNavigation();
    void shortMenuEntries_data();
    void shortMenuEntries();
    void otherMenuModesOfferNoShortMenu();

private:
    void Load(QWebViewEx& view, const QString& html);
    void ClickElement(QWebViewEx& view, const QString& selector);

    DesktopRecorder mDesktop;
};

static const char* kPage = "<html><body style='margin:0'>"
                           "<a id='blank' href='http://127.0.0.1:9/target.html' target='_blank' "
                           "style='display:block;width:200px;height:40px'>new window</a>"
                           "<a id='mail' href='mailto:someone@example.org' "
                           "style='display:block;width:200px;height:40px'>mail</a>"
                           "<div style='height:400px'>empty</div></body></html>";

void TestWebView::initTestCase() {
    for (const char* scheme : {"http", "https", "mailto"})
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &mDesktop, "open");
}

void TestWebView::cleanupTestCase() {
    for (const char* scheme : {"http", "https", "mailto"})
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
}

void TestWebView::init() {
    mDesktop.opened.clear();
}

void TestWebView::Load(QWebViewEx& view, const QString& html) {
    QSignalSpy loaded(&view, &QWebView::loadFinished);
    view.setHtml(html, QUrl(QStringLiteral("http://127.0.0.1:9/index.html")));
    QVERIFY(loaded.count() > 0 || loaded.wait(5000));
}

void TestWebView::ClickElement(QWebViewEx& view, const QString& selector) {
    const QWebElement element = view.page()->mainFrame()->findFirstElement(selector);
    QVERIFY(!element.isNull());
    const QPoint at = element.geometry().center();
    QTest::mouseClick(&view, Qt::LeftButton, Qt::NoModifier, at);
}

void TestWebView::newWindowLinkOpensDesktopBrowser() {
    QWebViewEx view;
    QWebPageEx* page = new QWebPageEx(&view);
    page->windowMode = 2;
    view.setPage(page);
    view.resize(400, 300);
    view.show();
    Load(view, QString::fromLatin1(kPage));
    const int windowsBefore = QApplication::topLevelWidgets().size();

    ClickElement(view, QStringLiteral("#blank"));
    QTRY_COMPARE(mDesktop.opened.size(), 1);
    QCOMPARE(mDesktop.opened.first(), QUrl(QStringLiteral("http://127.0.0.1:9/target.html")));
    QCOMPARE(page->lastUrl, QUrl(QStringLiteral("http://127.0.0.1:9/target.html")));
    QCOMPARE(QApplication::topLevelWidgets().size(), windowsBefore);
}

void TestWebView::newWindowOwnWindow() {
    QWebViewEx view;
    QWebPageEx* page = new QWebPageEx(&view);
    page->windowMode = 1;
    view.setPage(page);
    view.resize(400, 300);
    view.show();
    Load(view, QString::fromLatin1(kPage));
    const QWidgetList before = QApplication::topLevelWidgets();

    ClickElement(view, QStringLiteral("#blank"));
    QWebView* opened = nullptr;
    QTRY_VERIFY((opened = [&]() -> QWebView* {
                    for (QWidget* w : QApplication::topLevelWidgets())
                        if (!before.contains(w) && qobject_cast<QWebView*>(w) && w->isVisible())
                            return static_cast<QWebView*>(w);
                    return nullptr;
                }()) != nullptr);
    QVERIFY(mDesktop.opened.isEmpty());
    QVERIFY(opened->testAttribute(Qt::WA_DeleteOnClose));
    QCOMPARE(opened->page()->parent(), opened);
    QPointer<QWebView> guard(opened);
    opened->close();
    QTRY_VERIFY(guard.isNull());
}

void TestWebView::mailtoDivertedOnlyForOtherNavigation_data() {
    QTest::addColumn<bool>("byScript");
    QTest::addColumn<int>("desktopOpens");
    QTest::newRow("script navigation goes to the desktop") << true << 1;
    QTest::newRow("clicked link is left to the toolkit") << false << 0;
}

void TestWebView::mailtoDivertedOnlyForOtherNavigation() {
    QFETCH(bool, byScript);
    QFETCH(int, desktopOpens);
    QWebViewEx view;
    QWebPageEx* page = new QWebPageEx(&view);
    view.setPage(page);
    view.resize(400, 300);
    view.show();
    Load(view, QString::fromLatin1(kPage));

    if (byScript)
        page->mainFrame()->evaluateJavaScript(QStringLiteral("window.location.href='mailto:someone@example.org';"));
    else
        ClickElement(view, QStringLiteral("#mail"));
    QTRY_COMPARE(page->lastUrl, QUrl(QStringLiteral("mailto:someone@example.org")));
    QTest::qWait(50);
    QCOMPARE(mDesktop.opened.size(), desktopOpens);
}

void TestWebView::shortMenuEntries_data() {
    QTest::addColumn<QString>("selector");
    QTest::addColumn<QList<int>>("actions");
    QTest::newRow("empty spot") << QString() << QList<int>{QWebPage::Back, QWebPage::Reload};
    QTest::newRow("link") << QStringLiteral("#blank") << QList<int>{QWebPage::CopyLinkToClipboard};
}

void TestWebView::shortMenuEntries() {
    QFETCH(QString, selector);
    QFETCH(QList<int>, actions);
    QWebViewEx view;
    QCOMPARE(view.menuMode, 1);
    view.resize(400, 300);
    view.show();
    Load(view, QString::fromLatin1(kPage));
    const QPoint at = selector.isEmpty() ? QPoint(100, 250)
                                         : view.page()->mainFrame()->findFirstElement(selector).geometry().center();

    QScopedPointer<QMenu> menu(view.BuildContextMenu(at));
    QVERIFY(menu);
    QCOMPARE(menu->actions().size(), actions.size());
    for (int i = 0; i < actions.size(); ++i) {
        QAction* action = menu->actions().at(i);
        QCOMPARE(action, view.pageAction(QWebPage::WebAction(actions.at(i))));
        QVERIFY(action->icon().isNull());
    }
}

void TestWebView::otherMenuModesOfferNoShortMenu() {
    QWebViewEx view;
    view.resize(400, 300);
    Load(view, QString::fromLatin1(kPage));
    for (int mode : {0, 2, -1}) {
        view.menuMode = mode;
        QVERIFY(view.BuildContextMenu(QPoint(10, 10)) == nullptr);
    }
    // No menu at all: the event is swallowed without a nested loop.
    view.menuMode = 2;
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(10, 10), QPoint(10, 10));
    QApplication::sendEvent(&view, &event);
}

QTEST_MAIN(TestWebView)
#include "test_webview.moc"
