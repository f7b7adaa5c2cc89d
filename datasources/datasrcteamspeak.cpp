#include "datasources/datasrcteamspeak.h"

#include "datasources/datasrccommon.h"
#include "datasources/tsclientquery.h"
#include "foundation/logger/QsLog.h"

#include <QDateTime>

DataSrcTeamspeak::DataSrcTeamspeak(QObject* parent) : IIncomingDataSource(parent), m_client(new TSClientQuery(this)) {
    connect(m_client, &TSClientQuery::Connected, this, &DataSrcTeamspeak::OnConnected);
    connect(m_client, &TSClientQuery::Disconnected, this, &DataSrcTeamspeak::OnDisconnected);
    connect(m_client, &TSClientQuery::ChatMsg, this, &DataSrcTeamspeak::OnChatMsg);
    connect(m_client, &TSClientQuery::ClientEnter, this, &DataSrcTeamspeak::OnClientEnter);
    connect(m_client, &TSClientQuery::ClientLeave, this, &DataSrcTeamspeak::OnClientLeave);
}

DataSrcTeamspeak::~DataSrcTeamspeak() = default;

QString DataSrcTeamspeak::GetName() {
    return QStringLiteral("Teamspeak");
}

void DataSrcTeamspeak::SetSettings(const QVariantMap& settings) {
    const bool wasActive = m_active;
    m_settings = settings;
    m_active = DataSrcCommon::SettingIsTrue(settings, QStringLiteral("Active"));
    m_showChat = DataSrcCommon::SettingIsTrue(settings, QStringLiteral("ShowChat"));
    m_showEnter = DataSrcCommon::SettingIsTrue(settings, QStringLiteral("ShowEnter"));
    m_showLeave = DataSrcCommon::SettingIsTrue(settings, QStringLiteral("ShowLeave"));
    if (!wasActive && m_active)
        DoConnect();
    if (!m_active) {
        m_client->Reset();
        m_status = tr("inactive");
    }
}

QVariantMap DataSrcTeamspeak::GetSettings() {
    return m_settings;
}

bool DataSrcTeamspeak::IsActive() {
    return m_active;
}

QMap<qint64, QVariantMap> DataSrcTeamspeak::GetEntries() {
    if (!m_active)
        return QMap<qint64, QVariantMap>();
    QReadLocker lock(&m_lock);
    return m_entries;
}

QVariant DataSrcTeamspeak::GetValue(const QString& function, const QVariantList& args) {
    if (function == QLatin1String("GetFullInfo")) {
        // The only way back after a lost connection: a script that shows the state asks for it.
        if (m_active && !m_client->IsConnected() && !m_client->IsConnecting())
            DoConnect();
        QVariantMap info;
        info.insert(QStringLiteral("status"), m_status);
        info.insert(QStringLiteral("active"), m_active);
        info.insert(QStringLiteral("nick"), m_client->GetNick());
        info.insert(QStringLiteral("channel"), m_client->ChannelPath());
        info.insert(QStringLiteral("clients"), m_client->ChannelClients());
        info.insert(QStringLiteral("speakers"), m_client->Speakers());
        return info;
    }
    if (function == QLatin1String("GetTSStatus"))
        return m_status;
    if (function == QLatin1String("IsActive"))
        return m_active;
    if (function == QLatin1String("SendResponse")) {
        if (args.size() < 2)
            return 0;
        const QString target = args.at(0).toString();
        const QString message = args.at(1).toString();
        if (message.trimmed().isEmpty())
            return 0;
        QLOG_DEBUG() << "CHATMESSAGE" << target << message;
        m_client->SendTextMessage(target, message);
        return 1;
    }
    return 0;
}

void DataSrcTeamspeak::DoConnect() {
    m_status = tr("connecting ...");
    m_client->Connect();
}

void DataSrcTeamspeak::OnConnected() {
    m_status = tr("connected");
}

void DataSrcTeamspeak::OnDisconnected() {
    m_status = tr("disconnected");
}

void DataSrcTeamspeak::AddEntry(const QString& title, const QString& text, const QString& resp) {
    QWriteLocker lock(&m_lock);
    // Several events of one read arrive in the same millisecond; each keeps an entry of its own on the next
    // free key instead of replacing the one before it.
    qint64 key = QDateTime::currentMSecsSinceEpoch();
    if (!m_entries.isEmpty() && key <= m_entries.lastKey())
        key = m_entries.lastKey() + 1;
    while (m_entries.size() >= kMaxEntries)
        m_entries.erase(m_entries.begin());
    QVariantMap entry;
    entry.insert(QStringLiteral("title"), title);
    entry.insert(QStringLiteral("text"), text);
    entry.insert(QStringLiteral("id"), QString::number(key));
    entry.insert(QStringLiteral("time"), quint64(key));
    if (!resp.isEmpty())
        entry.insert(QStringLiteral("resp"), resp);
    m_entries.insert(key, entry);
}

void DataSrcTeamspeak::OnChatMsg(QString sender, QString message, QString target) {
    if (m_showChat)
        AddEntry(sender, message, target);
}

void DataSrcTeamspeak::OnClientEnter(QString nickname) {
    if (m_showEnter)
        AddEntry(nickname, tr("entered channel"), QString());
}

void DataSrcTeamspeak::OnClientLeave(QString nickname) {
    QLOG_DEBUG() << "Leave:" << nickname;
    if (m_showLeave)
        AddEntry(nickname, tr("left channel"), QString());
}
