#pragma once
// The built-in data source "EMail": the newest mails of one POP3 or IMAP mailbox as entries, fetched every
// 60000 ms while control scripts keep asking for them, plus a status text and connection tests for the
// settings page. Everything runs on the main thread.

#include "functions/iincomingdatasource.h"

#include <QMap>
#include <QReadWriteLock>

class IStatusPopup;
class MailFetch;
class QTimer;

class DataSrcEmail : public IIncomingDataSource {
    Q_OBJECT
public:
    explicit DataSrcEmail(QObject* parent = nullptr);
    ~DataSrcEmail() override;

    QString GetName() override;
    void SetSettings(const QVariantMap& settings) override;
    QVariantMap GetSettings() override;
    QVariant GetValue(const QString& function, const QVariantList& args) override;
    QMap<qint64, QVariantMap> GetEntries() override;
    bool IsActive() override;

    // For the settings page's tests and the source's own tests.
    MailFetch* Fetcher() const { return m_fetcher; }
    // The connection test's popup while it shows, else null.
    IStatusPopup* TestPopup() const;
    int DemandCounter() const { return m_demand; }
    QTimer* Timer() const { return m_timer; }

public slots:
    void OnTick();
    void OnError(QString message);
    void OnFinished();
    void OnMail(QVariantMap mail);
    void OnLoginOk();
    void OnTestError(QString message);
    void OnTestFinished();
    void OnTestLoginOk();

private:
    void UpdateSources();
    void ScheduleTickNow();
    void RunConnectionTest(const QVariantList& args);
    void SetTestPopupText(const QString& text);

    bool m_active = false;
    QVariantMap m_settings;
    QMap<qint64, QVariantMap> m_entries;
    QReadWriteLock m_lock;
    QTimer* m_timer = nullptr;
    QString m_status;
    MailFetch* m_fetcher = nullptr;
    IStatusPopup* m_testPopup = nullptr; // owned by the running connection test
    int m_demand = 0;
};
