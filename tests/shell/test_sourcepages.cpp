// The settings pages of the built-in data sources as the shipped configuration describes them: every source
// has its page with its icon, and the news feed page's test button runs the source's address test on the
// addresses as edited, whose result the source then keeps.
#include "config/datacfg.h"
#include "config/tdatasource.h"
#include "config/tgfx.h"
#include "config/tusercfg.h"
#include "datasources/builtindatasources.h"
#include "foundation/cryptstring.h"
#include "functions/funcmgr.h"
#include "functions/plugintools.h"
#include "functions/userprompts.h"
#include "server/netserver.h"
#include "shell/mtesettingsedit.h"
#include "shell/mtsettingsctrl.h"
#include "tests/datasources/feedhttpserver.h"
#include "widgets/qlineeditex.h"
#include "widgets/stdbtn.h"

#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString DataDir() {
    return QDir::cleanPath(QStringLiteral(MERVEX_TEST_SOURCE_DIR) + QStringLiteral("/../../data"));
}

// Answers OK once the test has nothing pending.
struct OkWhenDone : IUserPrompts {
    struct Popup : ITestPopup {
        QString text, results;
        bool ok = true;
        QString Text() const override { return text; }
        void SetText(const QString& t) override { text = t; }
        bool IsOkVisible() const override { return ok; }
        void SetOkVisible(bool visible) override { ok = visible; }
        QString Results() const override { return results; }
        void SetResults(const QStringList& lines, const QString&) override { results = lines.join('\n'); }
        bool Exec() override {
            QElapsedTimer clock;
            clock.start();
            QCoreApplication::processEvents();
            while (!ok && clock.elapsed() < 10000)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            return ok;
        }
        void Finish(bool) override {}
    };
    bool AskPermission(const QString&, const QString&, const QString&, bool*) override { return false; }
    std::unique_ptr<IStatusPopup> MakeStatusPopup(const QString&, const QString&) override { return nullptr; }
    std::unique_ptr<ITestPopup> MakeTestPopup(const QString& title) override {
        titles << title;
        return std::make_unique<Popup>();
    }
    QString ChooseReplacement(const ReplacementChoice&) override { return QString(); }
    QStringList titles;
};

} // namespace

class TestSourcePages : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    DataCfg* m_cfg = nullptr;
    NetServer* m_server = nullptr;
    MTSettingsCtrl* m_tab = nullptr;

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        InstallCryptStringConversion();
        SetCryptMachineIdProvider([] { return QStringLiteral("source-pages-machine"); });
        PluginTools::SetDataPath(DataDir());
        m_cfg = new DataCfg;
        m_cfg->LoadDataFolder(DataDir());
        m_cfg->LoadUserCfg(m_dir.path() + QStringLiteral("/userCfg.json"));
        SetDataSourceSettingsMap(&m_cfg->UserCfg().CfgSrc);
        RegisterBuiltInDataSources();
        GetDataSourceList();
        m_server = new NetServer;
        m_tab = new MTSettingsCtrl(nullptr, m_cfg, m_server);
        m_tab->Init();
        m_tab->Activate();
    }

    void cleanupTestCase() {
        delete m_tab;
        delete m_server;
        DeleteDataSources();
        SetDataSourceSettingsMap(nullptr);
        delete m_cfg;
    }

    void everyBuiltInSourceHasItsPage() {
        QStringList described;
        for (const DataCfg::TDataSource& desc : m_cfg->DataSources()) {
            described << desc.Name;
            QVERIFY2(!m_cfg->FindGfx(desc.Set + QLatin1Char(':') + desc.Icon).Name.isEmpty(), qPrintable(desc.Name));
        }
        for (const QString& name : GetDataSourceNames(false)) {
            QVERIFY2(described.contains(name), qPrintable(name));
            m_tab->Edit()->Cancel();
            QVERIFY2(m_tab->OnUpdate(QStringLiteral("DataSource,") + name), qPrintable(name));
            QCOMPARE(m_tab->Edit()->PageKey(), QStringLiteral("DataSource,") + name);
        }
    }

    void newsFeedTestButtonTestsTheEditedAddresses() {
        FeedHttpServer server;
        QFile rss(QStringLiteral(MERVEX_TEST_SOURCE_DIR "/../datasources/fixtures/rss2.xml"));
        QVERIFY(rss.open(QIODevice::ReadOnly));
        server.SetBody("/feed", rss.readAll());
        OkWhenDone prompts;
        UserPrompts::Install(&prompts);
        m_tab->Edit()->Cancel();
        QVERIFY(m_tab->OnUpdate(QStringLiteral("DataSource,NewsFeed")));
        MTESettingsEdit* edit = m_tab->Edit();
        StdBtn* add = nullptr;
        StdBtn* test = nullptr;
        for (StdBtn* b : edit->findChildren<StdBtn*>()) {
            if (b->text().contains(QStringLiteral("ADD")))
                add = b;
            if (b->text() == QStringLiteral("TEST FEEDS"))
                test = b;
        }
        QVERIFY(add && test);
        add->click();
        QLineEditEx* line = edit->findChild<QLineEditEx*>(QStringLiteral("added"));
        QVERIFY(line);
        line->setText(server.Url("/feed"));
        test->click();
        UserPrompts::Install(nullptr);
        QCOMPARE(prompts.titles, QStringList{QStringLiteral("News Feed Test")});
        IIncomingDataSource* feed = FindPluginByName(GetDataSourceList(), QStringLiteral("NewsFeed"));
        QVERIFY(feed);
        QCOMPARE(feed->GetSettings().value(QStringLiteral("Sources")).toStringList(), QStringList{server.Url("/feed")});
        QCOMPARE(server.Hits("/feed"), 1);
    }
};

QTEST_MAIN(TestSourcePages)
#include "test_sourcepages.moc"
