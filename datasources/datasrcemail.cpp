#include "datasources/datasrcemail.h"

#include "datasources/datasrccommon.h"
#include "datasources/mailfetch.h"
#include "foundation/cryptstring.h"
#include "foundation/logger/QsLog.h"
#include "functions/userprompts.h"

#include <QPointer>
#include <QTimer>

namespace {

constexpr int kTickMs = 60000;
constexpr int kMailsPerFetch = 32;
constexpr int kMaxEntries = 64;
constexpr int kMaxTextChars = 160;

// Password fields are kept as encrypted settings; in memory they hold the clear text.
QString SecretText(const QVariant& value) {
    if (value.userType() == CryptStringTypeId())
        return value.value<CryptString>().ToString();
    return value.toString();
}

// 0 none, 1 STARTTLS, anything else TLS from the start.
int SecurityMode(int value) {
    return value == 0 || value == 1 ? value : 2;
}

QString Cut(const QString& text) {
    return text.size() > kMaxTextChars ? text.left(kMaxTextChars) : text;
}

} // namespace

DataSrcEmail::DataSrcEmail(QObject* parent) : IIncomingDataSource(parent), m_fetcher(new MailFetch(this)) {
    connect(m_fetcher, &MailFetch::Error, this, &DataSrcEmail::OnError);
    connect(m_fetcher, &MailFetch::Finished, this, &DataSrcEmail::OnFinished);
    connect(m_fetcher, &MailFetch::LoginOk, this, &DataSrcEmail::OnLoginOk);
    connect(m_fetcher, &MailFetch::Mail, this, &DataSrcEmail::OnMail);
    m_timer = new QTimer(this);
    connect(m_timer, &QTimer::timeout, this, &DataSrcEmail::OnTick);
    m_timer->start(kTickMs);
}

DataSrcEmail::~DataSrcEmail() {
    // A connection test still showing its popup (only when the source goes during the test's own loop).
    if (m_testPopup)
        m_testPopup->Close();
    m_fetcher->Reset();
}

IStatusPopup* DataSrcEmail::TestPopup() const {
    return m_testPopup;
}

QString DataSrcEmail::GetName() {
    return QStringLiteral("EMail");
}

void DataSrcEmail::SetSettings(const QVariantMap& settings) {
    const bool wasActive = m_active;
    m_settings = settings;
    m_active = DataSrcCommon::SettingIsTrue(settings, QStringLiteral("Active"));
    m_fetcher->SetAccount(
        settings.value(QStringLiteral("UserName")).toString(), SecretText(settings.value(QStringLiteral("Password"))),
        settings.value(QStringLiteral("Server")).toString(), settings.value(QStringLiteral("Type")).toInt() != 0,
        SecurityMode(settings.value(QStringLiteral("Security")).toInt()), -1);
    if (!wasActive && m_active)
        ScheduleTickNow();
}

QVariantMap DataSrcEmail::GetSettings() {
    return m_settings;
}

bool DataSrcEmail::IsActive() {
    return m_active;
}

void DataSrcEmail::ScheduleTickNow() {
    // The next regular tick then comes one full interval after this one.
    m_timer->stop();
    QTimer::singleShot(0, this, &DataSrcEmail::OnTick);
    m_timer->start(kTickMs);
}

QMap<qint64, QVariantMap> DataSrcEmail::GetEntries() {
    if (!m_active)
        return QMap<qint64, QVariantMap>();
    if (m_demand <= 0)
        ScheduleTickNow();
    m_demand = 2;
    QReadLocker lock(&m_lock);
    return m_entries;
}

void DataSrcEmail::OnTick() {
    UpdateSources();
}

void DataSrcEmail::UpdateSources() {
    if (m_demand <= 0)
        return;
    --m_demand;
    QLOG_DEBUG() << "DataSrcEmail::UpdateSources";
    m_fetcher->DoFetch(kMailsPerFetch);
}

QVariant DataSrcEmail::GetValue(const QString& function, const QVariantList& args) {
    if (function == QLatin1String("GetMailStatus"))
        return m_status;
    if (function == QLatin1String("DoTestConnect")) {
        m_status = tr("connecting...");
        m_fetcher->DoFetch(0);
        return 0;
    }
    if (function == QLatin1String("DoTestConnectParam") && args.size() >= 5) {
        if (args.at(0).toString().isEmpty())
            return 1;
        RunConnectionTest(args);
        return 0;
    }
    QLOG_DEBUG() << "DataSrcEmail::GetValue" << function;
    return 0;
}

void DataSrcEmail::RunConnectionTest(const QVariantList& args) {
    const QString server = args.at(0).toString();
    // The test's outcome is shown only in its popup.
    IUserPrompts* prompts = UserPrompts::Get(QStringLiteral("mail connection tests are not run"));
    if (!prompts)
        return;
    MailFetch* fetch = new MailFetch;
    fetch->SetAccount(args.at(3).toString(), SecretText(args.at(4)), server, args.at(1).toInt() != 0,
                      SecurityMode(args.at(2).toInt()), -1);
    connect(fetch, &MailFetch::Error, this, &DataSrcEmail::OnTestError);
    connect(fetch, &MailFetch::Finished, this, &DataSrcEmail::OnTestFinished);
    connect(fetch, &MailFetch::LoginOk, this, &DataSrcEmail::OnTestLoginOk);

    std::unique_ptr<IStatusPopup> popup =
        prompts->MakeStatusPopup(tr("Testing Mail Connection"), tr("connecting to: %1").arg(server));
    m_testPopup = popup.get();
    fetch->DoFetch(0);
    // The source may go while the popup runs its own event loop.
    const QPointer<DataSrcEmail> alive(this);
    popup->Exec();

    if (alive)
        m_testPopup = nullptr;
    // The popup goes now, with the test's connection.
    popup.reset();
    delete fetch;
}

void DataSrcEmail::SetTestPopupText(const QString& text) {
    m_testPopup->SetText(text);
}

void DataSrcEmail::OnError(QString message) {
    m_status = tr("error: %1").arg(message);
}

void DataSrcEmail::OnFinished() {
    m_status = tr("finished successfully");
}

void DataSrcEmail::OnLoginOk() {
    m_status = tr("login successful");
}

void DataSrcEmail::OnMail(QVariantMap mail) {
    m_status = QStringLiteral("recieve mail (%1/%2)")
                   .arg(mail.value(QStringLiteral("_idx")).toInt())
                   .arg(mail.value(QStringLiteral("_cnt")).toInt());
    const QString id = Cut(mail.value(QStringLiteral("Id")).toString());
    const QString from = Cut(mail.value(QStringLiteral("From")).toString());
    const QString subject = Cut(mail.value(QStringLiteral("Subject")).toString());
    const QString text = Cut(mail.value(QStringLiteral("Text")).toString());
    const qint64 date = mail.value(QStringLiteral("Date")).toLongLong();
    if (date == 0 || subject.isEmpty() || from.isEmpty())
        return;
    const qint64 key = DataSrcCommon::EntryKey(date, id.isEmpty() ? subject : id);
    QString link = m_settings.value(QStringLiteral("OpenWith")).toString();
    if (link.startsWith(QLatin1String("Execute: ")))
        link = link.mid(9);

    QVariantMap entry;
    entry.insert(QStringLiteral("title"), from);
    entry.insert(QStringLiteral("text"), subject + QLatin1Char('\n') + text);
    entry.insert(QStringLiteral("id"), id);
    entry.insert(QStringLiteral("time"), key);
    if (!link.isEmpty() && link != QLatin1String("none"))
        entry.insert(QStringLiteral("link"), link);

    QWriteLocker lock(&m_lock);
    m_entries.insert(key, entry);
    // The oldest mail goes once the store is full; a mail that only replaced one of the same key costs none.
    while (m_entries.size() > kMaxEntries)
        m_entries.erase(m_entries.begin());
}

void DataSrcEmail::OnTestLoginOk() {
    if (!m_testPopup)
        return;
    m_status = tr("login successful");
    SetTestPopupText(m_status);
}

void DataSrcEmail::OnTestFinished() {
    if (!m_testPopup)
        return;
    m_status = tr("finished successfully");
    SetTestPopupText(m_status);
}

void DataSrcEmail::OnTestError(QString message) {
    if (!m_testPopup)
        return;
    SetTestPopupText(tr("error: %1").arg(message));
    OnError(message);
}
