#pragma once
// The data source "Teamspeak": what happens in the own TeamSpeak channel (chat messages, clients entering
// and leaving) as entries, and the connection, nickname, channel, its clients and the speakers for scripts.
// It has no timer and fetches nothing: entries come from its query client's signals on the main thread.

#include "functions/iincomingdatasource.h"

#include <QReadWriteLock>

class TSClientQuery;

class DataSrcTeamspeak : public IIncomingDataSource {
    Q_OBJECT
public:
    // The store keeps this many entries; the oldest goes first.
    static constexpr int kMaxEntries = 64;

    explicit DataSrcTeamspeak(QObject* parent = nullptr);
    ~DataSrcTeamspeak() override;

    QString GetName() override;
    void SetSettings(const QVariantMap& settings) override;
    QVariantMap GetSettings() override;
    QVariant GetValue(const QString& function, const QVariantList& args) override;
    QMap<qint64, QVariantMap> GetEntries() override;
    bool IsActive() override;

    // The status text shown to scripts (translated).
    QString Status() const { return m_status; }
    TSClientQuery* Client() const { return m_client; }

public slots:
    void DoConnect();
    void OnConnected();
    void OnDisconnected();
    void OnChatMsg(QString sender, QString message, QString target);
    void OnClientEnter(QString nickname);
    void OnClientLeave(QString nickname);

private:
    void AddEntry(const QString& title, const QString& text, const QString& resp);

    QVariantMap m_settings;
    bool m_active = false;
    bool m_showChat = false;
    bool m_showEnter = false;
    bool m_showLeave = false;
    QString m_status;
    TSClientQuery* m_client = nullptr;

    QMap<qint64, QVariantMap> m_entries;
    mutable QReadWriteLock m_lock;
};
