#include "shell/mtsupportctrl.h"

#include "shell/webhosts.h"
#include "widgets/qwebpageex.h"
#include "widgets/qwebviewex.h"

#include "foundation/logger/QsLog.h"

#include <QTcpSocket>
#include <QWebPage>

MTSupportCtrl::MTSupportCtrl(QWidget* parent) : QWidgetEx(parent) {}

QString MTSupportCtrl::PageLanguage() const {
    QString code = m_language ? m_language() : QString();
    code = code.left(2).toLower();
    return code.isEmpty() ? QStringLiteral("en") : code;
}

QUrl MTSupportCtrl::PageUrl(int module) const {
    return WebHosts::FaqUrl(module, PageLanguage());
}

void MTSupportCtrl::Open() {
    if (tocView)
        return;
    tocView = new QWebViewEx(this);
    tocView->setGeometry(0, 0, 256, 660);
    tocView->menuMode = 2;
    tocView->page()->setLinkDelegationPolicy(QWebPage::DelegateAllLinks);
    connect(tocView, &QWebView::linkClicked, this, &MTSupportCtrl::OnLinkClickedTOC);

    contentView = new QWebViewEx(this);
    contentView->setGeometry(263, 0, 747, 660);
    contentView->menuMode = 2;
    auto* page = new QWebPageEx(contentView);
    page->windowMode = 2;
    contentView->setPage(page);

    for (QWebViewEx* v : {tocView, contentView})
        v->setStyleSheet(QStringLiteral("QWebView { background-color:black; }"));
    LoadPages();
}

void MTSupportCtrl::LoadPages() {
    if (!tocView || !contentView)
        return;
    tocView->load(PageUrl(1));
    contentView->load(PageUrl(2));
    tocView->show();
    contentView->show();
}

void MTSupportCtrl::Retranslate() {
    LoadPages();
}

void MTSupportCtrl::OnLinkClickedTOC(const QUrl& url) {
    QLOG_DEBUG() << "MTSupportCtrl::OnLinkClickedTOC: TOC:" << url.toString();
    if (url.toString().contains(QLatin1String("/TOC/")))
        tocView->load(url);
    else
        contentView->load(url);
}

void MTSupportCtrl::StartReachabilityTest() {
    QString host;
    quint16 port = 80;
    WebHosts::SplitHostPort(WebHosts::SupportDomain(), host, port, 80);
    auto* socket = new QTcpSocket(this);
    connect(socket, &QTcpSocket::connected, this, &MTSupportCtrl::OnTestOk);
    connect(socket, &QAbstractSocket::errorOccurred, this, &MTSupportCtrl::OnTestError);
    socket->connectToHost(host, port, QIODevice::ReadWrite);
}

void MTSupportCtrl::OnTestOk() {
    auto* socket = qobject_cast<QTcpSocket*>(sender());
    if (socket) {
        // A socket reports once: a later error of the same socket must not report again.
        disconnect(socket, nullptr, this, nullptr);
        socket->close();
        socket->deleteLater();
    }
    testDone = true;
    emit TestOk();
}

void MTSupportCtrl::OnTestError() {
    auto* socket = qobject_cast<QTcpSocket*>(sender());
    if (socket) {
        disconnect(socket, nullptr, this, nullptr);
        socket->close();
        socket->deleteLater();
    }
    testDone = true;
    emit TestError();
}
