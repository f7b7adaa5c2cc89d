#include "datasources/datasrcskype.h"

#include "datasources/datasrccommon.h"
#include "datasources/skypeconnecttask.h"
#include "foundation/logger/QsLog.h"
#include "functions/pal/windowmessagebus.h"
#include "functions/plugintools.h"

#include <QDir>
#include <QFile>
#include <QThreadPool>
#include <QTimer>

namespace {

const char* const kDiscoverName = "SkypeControlAPIDiscover";
const char* const kAttachName = "SkypeControlAPIAttach";

// A handle names a file of ours, and the old file there is deleted before the client writes the new one, so
// it may hold only characters that cannot leave the picture folder.
bool IsSafeHandle(const QString& handle) {
    if (handle.isEmpty() || handle.size() > 128 || handle.contains(QLatin1String("..")))
        return false;
    for (const QChar c : handle) {
        const ushort u = c.unicode();
        const bool ok = (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '.' ||
                        u == '_' || u == '-' || u == ':' || u == ',';
        if (!ok)
            return false;
    }
    return true;
}

QString JoinFrom(const QStringList& parts, int first) {
    return QStringList(parts.mid(first)).join(QLatin1Char(' '));
}

} // namespace

DataSrcSkype::DataSrcSkype(QObject* parent) : IIncomingDataSource(parent) {
    // A source built again after a close must be able to attach.
    RunnableTask<DataSrcSkype>::ClearStop();
    m_stopToken = RunnableTask<DataSrcSkype>::NewStopToken();
    WindowMessageBus& bus = WindowMessageBus::Instance();
    m_attachMessage = bus.RegisterMessage(QLatin1String(kAttachName));
    m_discoverMessage = bus.RegisterMessage(QLatin1String(kDiscoverName));
    m_mainWindow = PluginTools::GetMainWindowHandle();
    PluginTools::AddWindowMessageProxy(this);

    m_timer = new QTimer(this);
    connect(m_timer, &QTimer::timeout, this, &DataSrcSkype::OnTick);
    m_timer->start(kTickMs);

    m_avatarFolder = PluginTools::GetTempPath() + QStringLiteral("Skype/");
    QDir().mkpath(m_avatarFolder);
}

DataSrcSkype::~DataSrcSkype() {
    m_stopToken->store(true);
    RunnableTask<DataSrcSkype>::StopAndWait();
    PluginTools::RemWindowMessageProxy(this);
}

QString DataSrcSkype::GetName() {
    return QStringLiteral("Skype");
}

void DataSrcSkype::SetStatus(const char* status) {
    m_status = tr(status);
}

void DataSrcSkype::SetSettings(const QVariantMap& settings) {
    const bool wasActive = m_active;
    m_settings = settings;
    m_active = DataSrcCommon::SettingIsTrue(settings, QStringLiteral("Active"));
    if (!m_active)
        SetStatus(QT_TR_NOOP("inactive"));
    else if (!wasActive)
        Connect();
}

QVariantMap DataSrcSkype::GetSettings() {
    return m_settings;
}

bool DataSrcSkype::IsActive() {
    return m_active;
}

QMap<qint64, QVariantMap> DataSrcSkype::GetEntries() {
    if (!m_active)
        return QMap<qint64, QVariantMap>();
    m_connectRequested = true;
    QReadLocker lock(&m_lock);
    return m_entries;
}

QVariant DataSrcSkype::GetValue(const QString& function, const QVariantList& args) {
    if (function == QLatin1String("DoConnect")) {
        Connect();
        return 0;
    }
    if (function == QLatin1String("GetConnectStatus"))
        return m_status;
    if (function == QLatin1String("SendResponse") && args.size() >= 2) {
        const QString chat = args.at(0).toString();
        const QString text = args.at(1).toString();
        if (text.trimmed().isEmpty())
            return 0;
        QLOG_DEBUG() << "CHATMESSAGE" << chat << text;
        SendCmd(QStringLiteral("CHATMESSAGE ") + chat + QLatin1Char(' ') + text + QLatin1Char('\n'));
        return 1;
    }
    return 0;
}

void DataSrcSkype::Connect() {
    SetStatus(QT_TR_NOOP("connecting"));
    m_countdown = 3;
    QThreadPool::globalInstance()->start(new SKYPE::SkypeConnectTask(m_stopToken, m_discoverMessage, m_mainWindow));
}

void DataSrcSkype::Disconnected() {
    m_client = 0;
    SetStatus(QT_TR_NOOP("disconnected"));
    QLOG_DEBUG() << "!!! Skype Disconnected!!!";
}

void DataSrcSkype::OnTick() {
    if (m_client && !WindowMessageBus::Instance().IsWindow(m_client))
        Disconnected();
    if (m_connectRequested && !m_client)
        Connect();
    m_connectRequested = false;
    if (m_countdown > 0) {
        --m_countdown;
        if (m_countdown == 0)
            SetStatus(QT_TR_NOOP("connection timeout"));
    }
}

bool DataSrcSkype::winEvent(const WindowMessage* message, long* result) {
    if (!message)
        return false;
    if (message->message == kCopyData && m_client && message->wParam == m_client) {
        if (message->data.size() > kMaxReplyBytes) {
            QLOG_DEBUG() << "DataSrcSkype::winEvent: reply of" << message->data.size() << "bytes dropped";
        } else {
            const int nul = message->data.indexOf('\0');
            const QString text = QString::fromUtf8(nul < 0 ? message->data : message->data.left(nul));
            QLOG_DEBUG() << "SkypeMsg:" << text;
            RecvCmd(text);
        }
        if (result)
            *result = 1;
        return true;
    }
    if (message->message == m_attachMessage && m_attachMessage != 0) {
        QLOG_DEBUG() << "skype:" << message->lParam;
        switch (message->lParam) {
        case 0:
            SetStatus(QT_TR_NOOP("connected"));
            m_countdown = 0;
            m_client = message->wParam;
            break;
        case 1:
            SetStatus(QT_TR_NOOP("authorization pending"));
            break;
        case 2:
            SetStatus(QT_TR_NOOP("connection refused"));
            break;
        case 3:
            SetStatus(QT_TR_NOOP("api not available"));
            break;
        default:
            break;
        }
        if (result)
            *result = 1;
        return true;
    }
    return false;
}

void DataSrcSkype::SendCmd(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    if (!m_client || bytes.isEmpty())
        return;
    const qintptr answer = WindowMessageBus::Instance().SendMessage(m_client, kCopyData, m_mainWindow, 0, bytes);
    if (answer == 0)
        Disconnected();
}

QString DataSrcSkype::NextCommandTag() {
    return QLatin1Char('#') + QString::number(++m_commandCounter);
}

QString DataSrcSkype::AvatarPath(const QString& handle) const {
    if (!IsSafeHandle(handle))
        return QString();
    return m_avatarFolder + QStringLiteral("ui_") + handle + QStringLiteral(".jpg");
}

void DataSrcSkype::RecvCmd(const QString& text) {
    const QStringList parts = text.split(QLatin1Char(' '));

    if (parts.size() >= 4 && parts.at(0) == QLatin1String("MESSAGE") && parts.at(2) == QLatin1String("STATUS") &&
        parts.at(3) == QLatin1String("RECEIVED")) {
        // The id goes back into our queries: only a plain number is taken.
        bool ok = false;
        const quint32 id = parts.at(1).toUInt(&ok);
        if (!ok || id == 0 || parts.at(1) != QString::number(id)) {
            QLOG_DEBUG() << "DataSrcSkype::RecvCmd: bad message id:" << parts.at(1).left(64);
            return;
        }
        m_msgId = id;
        m_msgTimestamp = 0;
        m_msgBody.clear();
        m_msgDisplayName.clear();
        m_msgHandle.clear();
        const QString idText = QString::number(id);
        // The answers may come in any order; each one is checked against the message being assembled.
        for (const char* field : {"TIMESTAMP", "BODY", "FROM_DISPNAME", "FROM_HANDLE"}) {
            const QString tag = NextCommandTag();
            SendCmd(QStringLiteral("%1 GET CHATMESSAGE %2 %3\n").arg(tag, idText, QLatin1String(field)));
        }
        return;
    }

    if (parts.size() >= 2 && parts.at(0) == QLatin1String("CHAT"))
        m_chatName = parts.at(1);

    if (parts.size() >= 5 && parts.at(0).startsWith(QLatin1Char('#')) && parts.at(1) == QLatin1String("MESSAGE")) {
        bool ok = false;
        const quint32 id = parts.at(2).toUInt(&ok);
        if (!ok || id != m_msgId)
            return;
        const QString& field = parts.at(3);
        if (field == QLatin1String("BODY")) {
            m_msgBody = JoinFrom(parts, 4);
        } else if (field == QLatin1String("TIMESTAMP")) {
            m_msgTimestamp = parts.at(4).toUInt();
        } else if (field == QLatin1String("FROM_HANDLE")) {
            m_msgHandle = parts.at(4);
            if (!m_msgHandle.isEmpty() && !m_requestedAvatars.contains(m_msgHandle)) {
                const QString path = AvatarPath(m_msgHandle);
                if (path.isEmpty()) {
                    QLOG_DEBUG() << "DataSrcSkype::RecvCmd: no picture for the sender handle" << m_msgHandle.left(64);
                } else if (m_requestedAvatars.size() < kMaxAvatars) {
                    QFile::remove(path);
                    const QString tag = NextCommandTag();
                    SendCmd(QStringLiteral("%1 GET USER %2 AVATAR 1 %3\n").arg(tag, m_msgHandle, path));
                    m_requestedAvatars.insert(m_msgHandle);
                }
            }
        } else if (field == QLatin1String("FROM_DISPNAME")) {
            m_msgDisplayName = JoinFrom(parts, 4);
        }
    }

    if (m_msgId == 0 || m_msgTimestamp == 0 || m_msgDisplayName.isEmpty() || m_msgBody.isEmpty())
        return;

    const qint64 key = qint64(m_msgTimestamp) * 1000 + m_entryCounter;
    m_entryCounter = (m_entryCounter + 1) % 1000;
    QVariantMap entry;
    entry.insert(QStringLiteral("title"), m_msgDisplayName);
    entry.insert(QStringLiteral("text"), m_msgBody);
    entry.insert(QStringLiteral("id"), QString::number(m_msgId));
    entry.insert(QStringLiteral("time"), key);
    if (!m_chatName.isEmpty())
        entry.insert(QStringLiteral("resp"), m_chatName);
    if (!m_msgHandle.isEmpty() && m_requestedAvatars.contains(m_msgHandle))
        entry.insert(QStringLiteral("icon"), QStringLiteral("file://") + AvatarPath(m_msgHandle));
    {
        QWriteLocker lock(&m_lock);
        while (m_entries.size() >= kMaxEntries)
            m_entries.erase(m_entries.begin());
        m_entries.insert(key, entry);
    }
    m_msgId = 0;
}
