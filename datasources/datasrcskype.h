#pragma once
// The data source "Skype": every chat message the user receives in a running Skype desktop client becomes an
// entry (sender as title, text, time, sender picture), and a script can answer into the chat it came from.
// The client is found and spoken to through named window messages: a discover broadcast, an attach answer
// naming the client's window, then text commands and replies as copy-data messages between the two windows.
// Main thread, apart from the discover broadcast job.

#include "datasources/runnabletask.h"
#include "foundation/datasourceglobals.h"
#include "functions/iincomingdatasource.h"
#include "functions/iwindowmessageproxy.h"

#include <QReadWriteLock>
#include <QSet>

class QTimer;

class DataSrcSkype : public IIncomingDataSource, public IWindowMessageProxy {
    Q_OBJECT
public:
    // The id of the copy-data message that carries commands and replies.
    static constexpr quint32 kCopyData = 0x004A;
    static constexpr int kMaxEntries = 64;
    static constexpr int kTickMs = 1000;
    // A reply longer than this is dropped: no message or answer of interest comes near it.
    static constexpr int kMaxReplyBytes = 1024 * 1024;
    // Senders whose pictures are asked for; later new senders show without one.
    static constexpr int kMaxAvatars = 4096;

    // The counters of the discover jobs (RunnableTask).
    static DataSourceGlobals::JobCounters& TaskCounters() { return DataSourceGlobals::SkypeJobs(); }

    explicit DataSrcSkype(QObject* parent = nullptr);
    ~DataSrcSkype() override;

    QString GetName() override;
    void SetSettings(const QVariantMap& settings) override;
    QVariantMap GetSettings() override;
    QVariant GetValue(const QString& function, const QVariantList& args) override;
    QMap<qint64, QVariantMap> GetEntries() override;
    bool IsActive() override;

    bool winEvent(const WindowMessage* message, long* result) override;

    // Starts an attach attempt: status "connecting", three ticks to answer, a discover broadcast.
    void Connect();

    QString Status() const { return m_status; }
    // The folder of the sender pictures: "Skype/" in the program's temporary folder.
    QString AvatarFolder() const { return m_avatarFolder; }
    quintptr AttachedWindow() const { return m_client; }
    // The picture file of a sender; empty for a handle that cannot safely name a file.
    QString AvatarPath(const QString& handle) const;

public slots:
    void OnTick();
    void RecvCmd(const QString& text);
    void SendCmd(const QString& text);

private:
    void SetStatus(const char* status);
    void Disconnected();
    QString NextCommandTag();

    bool m_active = false;
    bool m_connectRequested = false;
    int m_countdown = 0;
    QVariantMap m_settings;
    QString m_status;
    QString m_avatarFolder;
    QSet<QString> m_requestedAvatars;
    QTimer* m_timer = nullptr;
    RunnableTask<DataSrcSkype>::StopToken m_stopToken;

    QMap<qint64, QVariantMap> m_entries;
    mutable QReadWriteLock m_lock;

    quint32 m_attachMessage = 0;
    quint32 m_discoverMessage = 0;
    quintptr m_mainWindow = 0;
    quintptr m_client = 0;
    int m_commandCounter = 0;

    // The message being assembled from the answers to its queries; one at a time.
    quint32 m_msgId = 0;
    quint32 m_msgTimestamp = 0;
    QString m_msgBody;
    QString m_msgDisplayName;
    QString m_msgHandle;
    QString m_chatName;
    int m_entryCounter = 0;
};
