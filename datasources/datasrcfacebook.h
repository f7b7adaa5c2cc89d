#pragma once
// The built-in data source "Facebook": the user logs in through the service's OAuth dialog in a web window
// (the access token comes back in the address it finally redirects to); then the news feed and, when wanted,
// the message inbox are fetched from the Graph API every 60 s while control scripts ask, parsed on the thread
// pool, filtered by kind; the newest 64 posts are its entries. A refused token opens the login window again.

#include "datasources/weblogindatasource.h"
#include "foundation/datasourceglobals.h"

#include <atomic>

class DataSrcFacebook : public WebLoginDataSource {
    Q_OBJECT
public:
    explicit DataSrcFacebook(QObject* parent = nullptr);
    ~DataSrcFacebook() override;

    QString GetName() override;
    QVariant GetValue(const QString& function, const QVariantList& args) override;

    // Reads a Graph reply (pool thread): posts and inbox messages become entries; error 190 or 2500 (a refused
    // or expired token) asks for the login window.
    void ParseRpcResult(const QByteArray& body, const QString& address);

    // The address the login window opens.
    static QString LoginAddress();

    static DataSourceGlobals::JobCounters& TaskCounters() { return DataSourceGlobals::FacebookJobs(); }

signals:
    void ShowAuthDialog();

public slots:
    void DoFeedRpc();
    void OnProgress(qint64 received, qint64 total);
    void OnHttpDoneWWW(QNetworkReply* reply) override;
    void OnHttpDoneRPC(QNetworkReply* reply) override;
    void DoInitialUpdate();
    void windowCloseRequest();

protected:
    void ApplySettings(const QVariantMap& settings) override;
    void Activated() override;
    void Fetch() override;
    QString LoginTitle() const override;
    QUrl LoginPage() const override;
    void LoginViewOpened(QWebView* view) override;
    bool AcceptsLink(const QUrl& url) const override;

private:
    void HandleLoginAddress(const QUrl& url);
    void GetGraph(const QString& path, const QString& token);

    std::atomic<bool> mShowLink{false}, mShowPhoto{false}, mShowStatus{false}, mShowVideo{false}, mShowInbox{false};
};
