// The program as it runs, built as program entry builds it: the settings and support tabs are the real ones
// behind their buttons, OK/APPLY/CANCEL save and revert the settings page, pairing mode from the settings tab
// lets more phones pair over the loopback address, a pairing question stays answerable over the add-device
// popups opened after it and speaks the chosen language, a deactivated or deleted device no longer connects, the first
// start asks for a phone while the window waits, F1 opens the help overlay, a close that leaves the program running
// keeps it whole, and the stored account logs in at start only with the account host's valid certificate.
#include "config/datacfg.h"
#include "config/tdatasource.h"
#include "config/tusercfg.h"
#include "editor/mtebuttonelements.h"
#include "editor/mteeditcontrol.h"
#include "editor/mtegridedit.h"
#include "foundation/cryptstring.h"
#include "functions/funcmgr.h"
#include "functions/pal/pal.h"
#include "server/netserver.h"
#include "shell/accountui.h"
#include "shell/adddevicepopup.h"
#include "shell/helpguideovl.h"
#include "shell/hostctrl.h"
#include "shell/mervapp.h"
#include "shell/mteasyctrl.h"
#include "shell/mtesettingsedit.h"
#include "shell/mtesettingselements.h"
#include "shell/mtmainctrl.h"
#include "shell/mtsettingsctrl.h"
#include "shell/mtsupportctrl.h"
#include "shell/pairingui.h"
#include "shell/programtabhooks.h"
#include "tests/common/phoneclient.h"
#include "tests/common/wiredprogram.h"
#include "tests/shell/localhttpserver.h"
#include "tests/shell/popupwatcher.h"
#include "widgets/bgicnbtn.h"
#include "widgets/mainctrlbtn.h"
#include "widgets/popupwnd.h"
#include "widgets/qlabelex.h"
#include "widgets/qwebviewex.h"
#include "widgets/stdbtn.h"
#include "widgets/subnavbtn.h"
#include "widgets/tiledbtn.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTreeView>
#include <QWindow>
#include <QtTest>

#include <functional>

namespace {
void Click(QAbstractButton* button) {
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
}

QByteArray StoredUserCfg(WiredProgram& program) {
    QFile file(program.UserPath() + QStringLiteral("userCfg.json"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

class TestWiredShell : public QObject {
    Q_OBJECT
    std::unique_ptr<WiredProgram> m_program;
    LocalHttpServer m_web;

    MervexWnd* Wnd() const { return m_program->Window(); }
    MTSettingsCtrl* Settings() const { return qobject_cast<MTSettingsCtrl*>(Wnd()->Tab(MervexWnd::TabSettings)); }
    TiledBtn* WindowButton(const char* name) const { return Wnd()->findChild<TiledBtn*>(QLatin1String(name)); }

    void ShowSettings() {
        if (!Wnd()->isVisible())
            Wnd()->show();
        Click(Wnd()->TabButton(MervexWnd::TabSettings));
        QVERIFY(Settings() && Settings()->isVisible());
    }

    // A phone that pairs through the window's question, answered YES; the question must be reachable.
    void PairThroughQuestion(PhoneClient& phone, const QString& name, const QString& key) {
        QVERIFY(phone.WaitConnected());
        phone.SendConnect(name, key);
        QVERIFY(!phone.WaitFor("PairPending").isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(m_program->PairingQuestion() && m_program->PairingQuestion()->isVisible(), 5000);
        // Over a modal popup the question is the one the user can click.
        if (QApplication::activeModalWidget())
            QCOMPARE(QApplication::activeModalWidget(), m_program->PairingQuestion());
        QVERIFY(PopupWatcher::Answer(m_program->PairingQuestion(), PopupWnd::YES));
        const QJsonObject reply = PhoneClient::JsonOf(phone.WaitFor("Connect?"));
        QCOMPARE(reply.value("connected").toBool(), true);
        QCOMPARE(reply.value("pairsucc").toBool(), true);
    }

private slots:
    // As program entry: the platform layer's threads (the statistics behind the System grid's values) run
    // before the program is built.
    void initTestCase() { PAL::Init(); }
    void cleanupTestCase() { PAL::Exit(); }
    void init() {
        qputenv("MERVEX_WEB_HOST", "127.0.0.1:9");
        qputenv("MERVEX_SUPPORT_DOMAIN", "127.0.0.1:9");
        m_program = std::make_unique<WiredProgram>();
        QVERIFY(m_program->Started());
        QVERIFY(m_program->Server()->IsOpen());
    }
    void cleanup() {
        m_program.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void settingsAndSupportAreTheRealTabs() {
        ShowSettings();
        MTSettingsCtrl* settings = Settings();
        QCOMPARE(Wnd()->CurrentTab(), int(MervexWnd::TabSettings));
        // The list holds the program's entry and one per data source of the shipped configuration.
        QVERIFY(settings->List()->Entry(QStringLiteral("MVX_Settings")));
        QCOMPARE(settings->List()->Entries().size(), 1 + Wnd()->Cfg()->DataSources().size());
        QVERIFY(Wnd()->Cfg()->DataSources().size() > 0);
        QVERIFY(settings->Edit()->Pairing()->DevicesBox()->isVisible());
        QVERIFY(settings->Edit()->ValueWidget(QStringLiteral("DefaultMediaPlayer"))->isVisible());
        // A data source's form, built from its description.
        const QString sourceKey = QStringLiteral("DataSource,") + Wnd()->Cfg()->DataSources().first().Name;
        SubnavBtn* source = settings->List()->Entry(sourceKey);
        QVERIFY(source);
        Click(source);
        QVERIFY(settings->Edit()->PageKey().startsWith(QStringLiteral("DataSource,")));
        QVERIFY(settings->Edit()->CurrentSource());
        QVERIFY(!settings->Edit()->ValueKeys().isEmpty());

        // SUPPORT tests the maker's server first; unreachable, it says so and the tab stays.
        bool told = false;
        PopupWatcher::OnModal<PopupWnd>([&](PopupWnd* box) {
            told = box->windowTitle() == QLatin1String("NO INTERNET CONNECTION");
            box->reject();
        });
        Click(Wnd()->TabButton(MervexWnd::TabSupport));
        QTRY_VERIFY_WITH_TIMEOUT(told, 10000);
        QCOMPARE(Wnd()->CurrentTab(), int(MervexWnd::TabSettings));

        // Reachable, the support tab opens with its FAQ views.
        m_web.Set(QStringLiteral("/sites/velli-chor-faq/"), {"<html><body><p>Pairing a phone</p></body></html>",
                                                             200,
                                                             LocalHttpServer::Whole,
                                                             {"Content-Type: text/html"}});
        qputenv("MERVEX_SUPPORT_DOMAIN", m_web.Origin().toLatin1());
        qputenv("MERVEX_WEB_HOST", m_web.Origin().toLatin1());
        qputenv("MERVEX_WEB_SCHEME", "http");
        Click(Wnd()->TabButton(MervexWnd::TabSupport));
        auto* support = qobject_cast<MTSupportCtrl*>(Wnd()->Tab(MervexWnd::TabSupport));
        QVERIFY(support);
        QTRY_VERIFY_WITH_TIMEOUT(support->isVisible(), 10000);
        QCOMPARE(Wnd()->CurrentTab(), int(MervexWnd::TabSupport));
        QVERIFY(support->ContentView() && support->TocView());
        // Every press tests again.
        QVERIFY(!support->IsTestDone());
        qunsetenv("MERVEX_WEB_SCHEME");
    }

    void okApplyAndCancelSaveAndRevertTheSettingsPage() {
        ShowSettings();
        MTESettingsEdit* edit = Settings()->Edit();
        QVariantMap& stored = Wnd()->Cfg()->UserCfg().CfgBase;
        stored.insert(QStringLiteral("DefaultMediaPlayer"), QStringLiteral("Winamp"));
        edit->Cancel();
        auto* players = qobject_cast<QComboBox*>(edit->ValueWidget(QStringLiteral("DefaultMediaPlayer")));
        players->setCurrentIndex(1);
        Click(WindowButton("btnCancel"));
        QVERIFY(!Wnd()->isVisible());
        QVERIFY(!edit->IsModified());
        players = qobject_cast<QComboBox*>(edit->ValueWidget(QStringLiteral("DefaultMediaPlayer")));
        QCOMPARE(players->currentIndex(), 0);
        QCOMPARE(stored.value(QStringLiteral("DefaultMediaPlayer")).toString(), QStringLiteral("Winamp"));

        ShowSettings();
        players = qobject_cast<QComboBox*>(edit->ValueWidget(QStringLiteral("DefaultMediaPlayer")));
        players->setCurrentIndex(1);
        Click(WindowButton("btnApply"));
        QVERIFY(Wnd()->isVisible());
        QCOMPARE(stored.value(QStringLiteral("DefaultMediaPlayer")).toString(), QStringLiteral("iTunes"));
        QVERIFY(StoredUserCfg(*m_program).contains("iTunes"));

        players->setCurrentIndex(2);
        Click(WindowButton("btnOk"));
        QVERIFY(!Wnd()->isVisible());
        QVERIFY(StoredUserCfg(*m_program).contains("Windows Media Player"));

        // A modified page asks before another tab shows; Cancel keeps the page and its edit.
        ShowSettings();
        players = qobject_cast<QComboBox*>(edit->ValueWidget(QStringLiteral("DefaultMediaPlayer")));
        players->setCurrentIndex(0);
        QString asked;
        PopupWatcher::OnModal<PopupWnd>([&](PopupWnd* box) {
            asked = box->windowTitle();
            QVERIFY(PopupWatcher::Answer(box, PopupWnd::CANCEL));
        });
        Click(Wnd()->TabButton(MervexWnd::TabCreate));
        QCOMPARE(asked, QStringLiteral("SAVE CHANGES?"));
        QCOMPARE(Wnd()->CurrentTab(), int(MervexWnd::TabSettings));
        QVERIFY(edit->IsModified());
        edit->Cancel();
    }

    // TEST FEEDS tests the addresses as typed; OK on "Apply results?" puts the ones that passed on the page in
    // place of the typed list, and APPLY stores them: the failing address is not in the saved file.
    void newsFeedTestResultIsWhatApplyStores() {
        QFile rss(QStringLiteral(MERVEX_TEST_SOURCE_DIR "/../datasources/fixtures/rss2.xml"));
        QVERIFY(rss.open(QIODevice::ReadOnly));
        m_web.Set(QStringLiteral("/feed"),
                  {rss.readAll(), 200, LocalHttpServer::Whole, {"Content-Type: application/rss+xml"}});
        const QString good = m_web.Url(QStringLiteral("/feed"));
        const QString bad = m_web.Url(QStringLiteral("/gone"));
        ShowSettings();
        Click(Settings()->List()->Entry(QStringLiteral("DataSource,NewsFeed")));
        MTESettingsEdit* edit = Settings()->Edit();
        QCOMPARE(edit->PageKey(), QStringLiteral("DataSource,NewsFeed"));
        StdBtn* add = nullptr;
        StdBtn* test = nullptr;
        for (StdBtn* b : edit->findChildren<StdBtn*>()) {
            if (b->text() == QLatin1String("+ ADD"))
                add = b;
            if (b->text() == QLatin1String("TEST FEEDS"))
                test = b;
        }
        QVERIFY(add && test);
        for (const QString& address : {bad, good}) {
            Click(add);
            QLineEdit* line = nullptr;
            for (QLineEdit* e : edit->findChildren<QLineEdit*>(QStringLiteral("added")))
                if (e->text().isEmpty())
                    line = e;
            QVERIFY(line);
            QTest::keyClicks(line, address);
        }

        QString results;
        PopupWatcher::OnModal<PopupWnd>([&](PopupWnd* box) {
            QAbstractButton* ok = PopupWatcher::Button(box, PopupWnd::OK);
            QTRY_VERIFY_WITH_TIMEOUT(ok && ok->isVisible(), 10000);
            for (QLabel* label : box->findChildren<QLabel*>())
                results += label->text();
            QVERIFY(PopupWatcher::Answer(box, PopupWnd::OK));
        });
        Click(test);
        QVERIFY2(results.contains(QStringLiteral("Succeeded:\n") + good) && results.contains(QStringLiteral("Failed:")),
                 qPrintable(results));
        // The page shows the result, and it is not yet stored.
        QCOMPARE(edit->GetSettingsValue(QStringLiteral("Sources")).toList().size(), 1);
        QCOMPARE(edit->GetSettingsValue(QStringLiteral("Sources")).toList().value(0).toString(), good);
        QVERIFY(edit->IsModified());
        QVERIFY(!StoredUserCfg(*m_program).contains(good.toUtf8()));

        Click(WindowButton("btnApply"));
        const QByteArray stored = StoredUserCfg(*m_program);
        QVERIFY2(stored.contains(good.toUtf8()), stored.constData());
        QVERIFY2(!stored.contains(bad.toUtf8()), stored.constData());
    }

    void pairingModeFromTheSettingsTabPairsMorePhones() {
        // The first phone pairs while no device is stored.
        PhoneClient first(m_program->TcpPort());
        PairThroughQuestion(first, QStringLiteral("One"), QStringLiteral("KEY1"));
        QVERIFY(!Wnd()->TabHooks()->IsPairingMode());

        // "+ ADD NEW DEVICE" opens the pairing popup; while it runs, two more phones pair.
        ShowSettings();
        PhoneClient second(m_program->TcpPort());
        PhoneClient third(m_program->TcpPort());
        bool during = false;
        PopupWatcher::OnModal<AddDevicePopup>([&](AddDevicePopup* popup) {
            during = Wnd()->TabHooks()->IsPairingMode();
            PairThroughQuestion(second, QStringLiteral("Two"), QStringLiteral("KEY2"));
            PairThroughQuestion(third, QStringLiteral("Three"), QStringLiteral("KEY3"));
            QVERIFY(PopupWatcher::Answer(popup, PopupWnd::CLOSE));
        });
        Click(Settings()->Edit()->Pairing()->DevicesBox()->findChild<StdBtn*>(QStringLiteral("btnAdd")));
        QVERIFY(during);
        QVERIFY(!Wnd()->TabHooks()->IsPairingMode());
        QCOMPARE(Wnd()->Cfg()->UserCfg().Devices.size(), 3);
        const QByteArray file = StoredUserCfg(*m_program);
        QVERIFY(file.contains("KEY1") && file.contains("KEY2") && file.contains("KEY3"));
        QTRY_COMPARE_WITH_TIMEOUT(Settings()->Edit()->Pairing()->Table()->rowCount(), 3, 3000);
        QVERIFY(!third.WaitFor("Tabs").isEmpty());

        // Pairing mode over: a fourth phone is refused without a question.
        PhoneClient fourth(m_program->TcpPort());
        QVERIFY(fourth.WaitConnected());
        fourth.SendConnect(QStringLiteral("Four"), QStringLiteral("KEY4"));
        QCOMPARE(PhoneClient::JsonOf(fourth.WaitFor("Connect?")).value("error").toString(),
                 QStringLiteral("Not Paired"));
        QCOMPARE(fourth.Count("PairPending"), 0);
    }

    // Five neighbours that ask to pair and then say nothing hold the question and every waiting place. The
    // user's own phone is refused while they do, and pairs once their silence closed them; a second session
    // of one of their hosts gets no place; a paired phone connects at once behind a full queue of strangers.
    void silentStrangersKeepNoPhoneOut() {
        const int heartbeat = 1500;
        m_program->Server()->SetHeartbeatMs(heartbeat);
        const quint16 port = m_program->TcpPort();
        auto silentStrangers = [port](std::vector<std::unique_ptr<RawPhone>>& strangers) {
            strangers.clear();
            for (int i = 0; i < 1 + NetServer::MaxPairingWaiting; ++i) {
                const QHostAddress host(QHostAddress(QStringLiteral("127.0.0.2")).toIPv4Address() + quint32(i));
                strangers.push_back(std::make_unique<RawPhone>(host, port));
                QVERIFY(strangers.back()->Upgrade());
                strangers.back()->Send(QStringLiteral("Connect?n=Stranger%1&t=S%1&v=0.45").arg(i));
                QVERIFY(!strangers.back()->WaitFor("PairPending").isEmpty());
            }
        };
        std::vector<std::unique_ptr<RawPhone>> strangers;
        silentStrangers(strangers);
        if (QTest::currentTestFailed())
            return;
        RawPhone sameHost(QHostAddress(QStringLiteral("127.0.0.2")), port, true);
        QVERIFY(sameHost.Upgrade());
        sameHost.Send(QStringLiteral("Connect?n=Second&t=S9&v=0.45"));
        QCOMPARE(PhoneClient::JsonOf(sameHost.WaitFor("Connect?")).value("error").toString(),
                 QStringLiteral("Not Paired"));
        QCOMPARE(sameHost.Count("PairPending"), 0);

        PhoneClient mine(port);
        QVERIFY(mine.WaitConnected());
        mine.SendConnect(QStringLiteral("Pixel"), QStringLiteral("KEYP"));
        QCOMPARE(PhoneClient::JsonOf(mine.WaitFor("Connect?")).value("error").toString(), QStringLiteral("Not Paired"));
        QCOMPARE(mine.Count("PairPending"), 0);

        // Silent through a heartbeat: closed, and the question shown for one of them withdrawn. The user's phone
        // answered the pings and is still there.
        for (const auto& stranger : strangers)
            QTRY_VERIFY_WITH_TIMEOUT(!stranger->IsOpen(), 4 * heartbeat);
        QTRY_VERIFY_WITH_TIMEOUT(!m_program->PairingQuestion(), 5000);
        QCOMPARE(mine.socket.state(), QAbstractSocket::ConnectedState);
        QVERIFY(sameHost.IsOpen());
        mine.received.clear();
        PairThroughQuestion(mine, QStringLiteral("Pixel"), QStringLiteral("KEYP"));
        QVERIFY(!mine.WaitFor("Tabs").isEmpty());

        // In pairing mode the strangers fill the queue again; the paired phone's new session is not held.
        ShowSettings();
        PopupWatcher::OnModal<AddDevicePopup>([&](AddDevicePopup* popup) {
            silentStrangers(strangers);
            QTRY_VERIFY_WITH_TIMEOUT(m_program->PairingQuestion(), 5000);
            PhoneClient again(port);
            QVERIFY(again.WaitConnected());
            again.SendConnect(QStringLiteral("Pixel"), QStringLiteral("KEYP"));
            QCOMPARE(PhoneClient::JsonOf(again.WaitFor("Connect?")).value("connected").toBool(), true);
            QCOMPARE(again.Count("PairPending"), 0);
            QVERIFY(!again.WaitFor("Tabs").isEmpty());
            for (const auto& stranger : strangers)
                QTRY_VERIFY_WITH_TIMEOUT(!stranger->IsOpen(), 4 * heartbeat);
            QTRY_VERIFY_WITH_TIMEOUT(!m_program->PairingQuestion(), 5000);
            QCOMPARE(again.socket.state(), QAbstractSocket::ConnectedState);
            QVERIFY(PopupWatcher::Answer(popup, PopupWnd::CLOSE));
        });
        Click(Settings()->Edit()->Pairing()->DevicesBox()->findChild<StdBtn*>(QStringLiteral("btnAdd")));
        QCOMPARE(Wnd()->Cfg()->UserCfg().Devices.size(), 1);
        QCOMPARE(mine.socket.state(), QAbstractSocket::ConnectedState);
    }

    void deactivatedAndDeletedDevicesNoLongerConnect() {
        DataCfg::TUserCfg& user = Wnd()->Cfg()->UserCfg();
        user.AddDevice(QStringLiteral("Kept"), QStringLiteral("KEYA"), QString());
        user.AddDevice(QStringLiteral("Gone"), QStringLiteral("KEYB"), QString());
        ShowSettings();
        Settings()->Edit()->Cancel(); // the page shows the two devices
        PairingUI* pairing = Settings()->Edit()->Pairing();
        QTRY_COMPARE(pairing->Table()->rowCount(), 2);
        auto a = std::make_unique<PhoneClient>(m_program->TcpPort());
        auto b = std::make_unique<PhoneClient>(m_program->TcpPort());
        for (auto* phone : {a.get(), b.get()})
            QVERIFY(phone->WaitConnected());
        a->SendConnect(QStringLiteral("Kept"), QStringLiteral("KEYA"));
        b->SendConnect(QStringLiteral("Gone"), QStringLiteral("KEYB"));
        QCOMPARE(PhoneClient::JsonOf(a->WaitFor("Connect?")).value("connected").toBool(), true);
        QCOMPARE(PhoneClient::JsonOf(b->WaitFor("Connect?")).value("connected").toBool(), true);
        // Connected and active: green lamps within a second.
        QTRY_COMPARE_WITH_TIMEOUT(pairing->RowLamp(0), QStringLiteral(":/images/LEDGreen"), 3000);
        QCOMPARE(pairing->RowStatus(0), QStringLiteral("Active (Paired)"));

        // DEACTIVATE on the first row: its phone is dropped and stored inactive at once.
        pairing->OnTableDevClicked(0, 1);
        Click(pairing->DeactivateButton());
        QTRY_VERIFY_WITH_TIMEOUT(!Wnd()->Server()->IsDeviceConnected(QStringLiteral("KEYA")), 5000);
        QVERIFY(Wnd()->Server()->IsDeviceConnected(QStringLiteral("KEYB")));
        QVERIFY(!user.GetDevice(QStringLiteral("KEYA")).Active);
        QVERIFY(StoredUserCfg(*m_program).contains("KEYA"));
        QCOMPARE(pairing->RowLamp(0), QStringLiteral(":/images/LEDGray"));
        QCOMPARE(pairing->RowStatus(0), QStringLiteral("Deactivated"));
        QCOMPARE(pairing->RowLamp(1), QStringLiteral(":/images/LEDGreen"));
        a = std::make_unique<PhoneClient>(m_program->TcpPort());
        QVERIFY(a->WaitConnected());
        a->SendConnect(QStringLiteral("Kept"), QStringLiteral("KEYA"));
        const QJsonObject again = PhoneClient::JsonOf(a->WaitFor("Connect?"));
        QCOMPARE(again.value("connected").toBool(), false);
        QCOMPARE(again.value("error").toString(), QStringLiteral("Not Active"));

        // DELETE DEVICE on the second row, confirmed: dropped, gone from the file, refused afterwards.
        pairing->OnTableDevClicked(1, 1);
        PopupWatcher::OnModal<PopupWnd>([](PopupWnd* box) { QVERIFY(PopupWatcher::Answer(box, PopupWnd::YES)); });
        Click(pairing->DevicesBox()->findChild<StdBtn*>(QStringLiteral("btnDelete")));
        QTRY_VERIFY_WITH_TIMEOUT(!Wnd()->Server()->IsDeviceConnected(QStringLiteral("KEYB")), 5000);
        QVERIFY(!StoredUserCfg(*m_program).contains("KEYB"));
        QCOMPARE(pairing->Table()->rowCount(), 1);
        b = std::make_unique<PhoneClient>(m_program->TcpPort());
        QVERIFY(b->WaitConnected());
        b->SendConnect(QStringLiteral("Gone"), QStringLiteral("KEYB"));
        QCOMPARE(PhoneClient::JsonOf(b->WaitFor("Connect?")).value("error").toString(), QStringLiteral("Not Paired"));
        QCOMPARE(b->Count("PairPending"), 0);
    }

    void firstStartWaitsForAPhoneWithTheWindowHidden() {
        m_program.reset();
        m_program = std::make_unique<WiredProgram>(QString(), false);
        QVERIFY(m_program->Started());
        auto* popup = qobject_cast<AddDevicePopup*>(WiredProgram::FirstPairingPopup());
        QVERIFY(popup);
        QVERIFY(!Wnd()->isVisible());
        QVERIFY(Wnd()->TabHooks()->IsPairingMode());
        QVERIFY(Wnd()->Cfg()->UserCfg().CfgBase.value(QStringLiteral("FirstHelpShown")).toBool());
        PhoneClient phone(m_program->TcpPort());
        PairThroughQuestion(phone, QStringLiteral("First"), QStringLiteral("KEYF"));
        // Within a second of the first device the popup goes and the window shows.
        QTRY_VERIFY_WITH_TIMEOUT(!WiredProgram::FirstPairingPopup(), 3000);
        QTRY_VERIFY_WITH_TIMEOUT(Wnd()->isVisible(), 3000);
        QVERIFY(!Wnd()->TabHooks()->IsPairingMode());
    }

    // A pairing question already waiting when an add-device popup opens (the first start's, or the one of
    // "+ ADD NEW DEVICE") comes over it, so the user can answer it; before, it stayed behind the modal popup.
    void pairingQuestionStaysAnswerableOverALaterAddDevicePopup_data() {
        QTest::addColumn<bool>("firstStart");
        QTest::newRow("first start") << true;
        QTest::newRow("add new device") << false;
    }
    void pairingQuestionStaysAnswerableOverALaterAddDevicePopup() {
        QFETCH(bool, firstStart);
        PhoneClient phone(m_program->TcpPort());
        QVERIFY(phone.WaitConnected());
        phone.SendConnect(QStringLiteral("Early"), QStringLiteral("KEYE"));
        QVERIFY(!phone.WaitFor("PairPending").isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(m_program->PairingQuestion() && m_program->PairingQuestion()->isVisible(), 5000);
        QPointer<PopupWnd> question = m_program->PairingQuestion();
        QVERIFY(!QApplication::activeModalWidget());

        bool answered = false;
        const auto answerOver = [&](QWidget* popup) {
            QVERIFY(popup && popup->isVisible());
            QTRY_COMPARE_WITH_TIMEOUT(QApplication::activeModalWidget(), static_cast<QWidget*>(question.data()), 3000);
            QVERIFY(PopupWatcher::Answer(question, PopupWnd::YES));
            const QJsonObject reply = PhoneClient::JsonOf(phone.WaitFor("Connect?"));
            QCOMPARE(reply.value("pairsucc").toBool(), true);
            answered = true;
        };
        if (firstStart) {
            QVERIFY(Wnd()->TabHooks()->RunFirstStartPairing());
            auto* popup = qobject_cast<AddDevicePopup*>(WiredProgram::FirstPairingPopup());
            answerOver(popup);
            // With the phone stored, the first-start popup goes by itself.
            QTRY_VERIFY_WITH_TIMEOUT(!WiredProgram::FirstPairingPopup(), 3000);
        } else {
            ShowSettings();
            // Found among the windows: once the question stands over it, the popup is no longer the active one.
            std::function<void()> whenUp = [&] {
                AddDevicePopup* popup = nullptr;
                for (QWidget* w : QApplication::topLevelWidgets())
                    if (auto* p = qobject_cast<AddDevicePopup*>(w); p && p->isVisible())
                        popup = p;
                if (!popup) {
                    QTimer::singleShot(10, whenUp);
                    return;
                }
                answerOver(popup);
                if (!answered) {
                    popup->done(0); // a failed check must not leave the popup's loop running
                    return;
                }
                QVERIFY(PopupWatcher::Answer(popup, PopupWnd::CLOSE));
            };
            QTimer::singleShot(0, whenUp);
            Click(Settings()->Edit()->Pairing()->DevicesBox()->findChild<StdBtn*>(QStringLiteral("btnAdd")));
        }
        QVERIFY(answered);
        QVERIFY(!Wnd()->TabHooks()->IsPairingMode());
        bool active = false;
        QVERIFY(Wnd()->Cfg()->UserCfg().FindDevice(QStringLiteral("Early"), QStringLiteral("KEYE"), &active));
        QVERIFY(!phone.WaitFor("Tabs").isEmpty());
    }

    // The pairing question is in the language the user chose; before, its title and question stayed English
    // in every language, as the translation sources lacked them.
    void pairingQuestionSpeaksTheChosenLanguage() {
        Wnd()->LanguageClicked(QStringLiteral("de"));
        PhoneClient phone(m_program->TcpPort());
        QVERIFY(phone.WaitConnected());
        phone.SendConnect(QStringLiteral("Fremd"), QStringLiteral("KEYG"));
        QVERIFY(!phone.WaitFor("PairPending").isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(m_program->PairingQuestion() && m_program->PairingQuestion()->isVisible(), 5000);
        PopupWnd* question = m_program->PairingQuestion();
        QCOMPARE(question->windowTitle(), QStringLiteral("KOPPLUNG BESTÄTIGEN"));
        QStringList texts;
        for (QLabel* label : question->findChildren<QLabel*>())
            texts << label->text();
        QVERIFY2(texts.contains(QStringLiteral("Möchten Sie dieses Gerät koppeln?")), qPrintable(texts.join(" | ")));
        QVERIFY(PopupWatcher::Answer(question, PopupWnd::NO));
    }

    // The settings entries and the page title put the name where the language wants it; before, every
    // language read name + " " + "Settings" in the English order.
    void settingsCaptionsFollowTheLanguagesWordOrder_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("title");
        QTest::newRow("de") << "de" << QStringLiteral("Velli-Chor™-Einstellungen")
                            << QStringLiteral("MERVEX™ VELLI-CHOR™-Einstellungen");
        QTest::newRow("ru") << "ru" << QStringLiteral("Velli-Chor™: настройки")
                            << QStringLiteral("MERVEX™ VELLI-CHOR™: настройки");
        QTest::newRow("es") << "es" << QStringLiteral("Ajustes de Velli-Chor™")
                            << QStringLiteral("Ajustes de MERVEX™ VELLI-CHOR™");
        QTest::newRow("en") << "en" << QStringLiteral("Velli-Chor™ Settings")
                            << QStringLiteral("MERVEX™ VELLI-CHOR™ Settings");
    }
    void settingsCaptionsFollowTheLanguagesWordOrder() {
        QFETCH(QString, code);
        QFETCH(QString, entry);
        QFETCH(QString, title);
        Wnd()->LanguageClicked(code);
        ShowSettings();
        SubnavBtn* program = Settings()->List()->Entry(QStringLiteral("MVX_Settings"));
        QVERIFY(program);
        QCOMPARE(program->text(), entry);
        Click(program);
        QCOMPARE(Settings()->Edit()->TitleLabel()->text(), title);
        // A data source's entry is built the same way.
        SubnavBtn* news = Settings()->List()->Entry(QStringLiteral("DataSource,NewsFeed"));
        QVERIFY(news);
        const QString newsName = TranslateAtName(Wnd()->Cfg()->FindDataSource(QStringLiteral("NewsFeed")).Title);
        QCOMPARE(news->text(), entry.replace(QStringLiteral("Velli-Chor™"), newsName));
    }

    // A language chosen while the program runs reaches every part built before: the browse tab's "GET MORE" and
    // its category box, the grid editor's labels, the service button, the control editor's form, and the first
    // start's add-device popup. Chinese has no locale of its own, so its switch changes no locale: the parts hear
    // of it only from the new translations. A user's own translation source in the working folder is compiled
    // after the switch and arrives later.
    void languageSwitchWhileRunningReachesEveryPart_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("custom");
        QTest::newRow("de") << QStringLiteral("de") << false;
        QTest::newRow("cn") << QStringLiteral("cn") << false;
        QTest::newRow("de, custom translation") << QStringLiteral("de") << true;
    }
    void languageSwitchWhileRunningReachesEveryPart() {
        QFETCH(QString, code);
        QFETCH(bool, custom);
        QTemporaryDir working;
        if (custom) {
            QFile ts(working.filePath(QStringLiteral("mervexsrv_de.ts")));
            QVERIFY(ts.open(QIODevice::WriteOnly));
            ts.write(
                "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n<TS version=\"2.1\" language=\"de\">"
                "<context><name>MTEGridList</name>"
                "<message><source>GET MORE</source><translation>MEHR DAVON</translation></message>"
                "<message><source>All Grids</source><translation>Alle meine Raster</translation></message>"
                "</context><context><name>MTEGridEdit</name>"
                "<message><source>EDIT GRID:</source><translation>RASTER:</translation></message>"
                "<message><source>ADD TO BAR</source><translation>IN DIE LEISTE</translation></message>"
                "</context><context><name>AddDevicePopup</name>"
                "<message><source>ADD NEW DEVICE: PAIRING MODE</source><translation>KOPPELN</translation></message>"
                "</context><context><name>HostCtrl</name>"
                "<message><source>SERVICE\nSTARTED</source><translation>DIENST\nLÄUFT</translation></message>"
                "</context><context><name>MTEEditControl</name>"
                "<message><source>Record</source><translation>Tasten aufnehmen</translation></message>"
                "</context></TS>\n");
            ts.close();
            // The program looks for custom sources in the working folder it started in.
            const QString previous = QDir::currentPath();
            QDir::setCurrent(working.path());
            m_program.reset();
            m_program = std::make_unique<WiredProgram>();
            QDir::setCurrent(previous);
            QVERIFY(m_program->Started());
        }
        Wnd()->show();
        // A shortcut control chosen in the controls tab: its form has a Record button.
        Click(Wnd()->TabButton(MervexWnd::TabCreate));
        auto* controls = qobject_cast<MTMainCtrl*>(Wnd()->Tab(MervexWnd::TabCreate));
        QVERIFY(controls);
        QStandardItemModel* model = controls->ControlList()->Model();
        const QModelIndexList found = model->match(model->index(0, 0), Qt::DisplayRole,
                                                   TranslateAtName(QStringLiteral("@Previous")), 1, Qt::MatchRecursive);
        QVERIFY(!found.isEmpty());
        controls->ControlList()->Tree()->selectionModel()->select(found.first(), QItemSelectionModel::ClearAndSelect);
        const auto record = [controls] {
            // The form is rebuilt in place; the old one goes with the next turn of the event loop.
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            return controls->ControlEditor()->findChild<QAbstractButton*>(QStringLiteral("ShortcutRecord"));
        };
        QTRY_VERIFY(record());
        QCOMPARE(record()->text(), QStringLiteral("Record"));
        Click(Wnd()->TabButton(MervexWnd::TabBrowse));
        auto* browse = qobject_cast<MTEasyCtrl*>(Wnd()->Tab(MervexWnd::TabBrowse));
        QVERIFY(browse);
        QCOMPARE(browse->List()->GetMoreButton()->text(), QStringLiteral("GET MORE"));
        QPointer<AddDevicePopup> first = Settings()->RunFirstStartPairing();
        QVERIFY(first);

        PopupWatcher popups;
        Wnd()->LanguageClicked(code);
        if (custom) {
            QTRY_VERIFY2_WITH_TIMEOUT(
                !popups.seen.filter(QLatin1String("Custom translation successfully loaded")).isEmpty(),
                qPrintable(popups.seen.join(QLatin1Char('\n'))), 20000);
            QCOMPARE(QCoreApplication::translate("MTEGridList", "GET MORE"), QStringLiteral("MEHR DAVON"));
        }
        QTest::qWait(0); // the running program's event loop: the new translations are announced through it
        const auto tr = [](const char* context, const char* text) {
            return QCoreApplication::translate(context, text);
        };
        QVERIFY(tr("MTEGridList", "GET MORE") != QLatin1String("GET MORE"));
        QCOMPARE(browse->List()->GetMoreButton()->text(), tr("MTEGridList", "GET MORE"));
        QCOMPARE(browse->List()->CategoryBox()->itemText(0), tr("MTEGridList", "All Grids"));
        MTEGridEdit* grid = m_program->TabHooks()->Editor();
        QCOMPARE(grid->findChild<QLabel*>(QStringLiteral("lblEditGrid"))->text(), tr("MTEGridEdit", "EDIT GRID:"));
        QCOMPARE(grid->findChild<QPushButton*>(QStringLiteral("btnAdd"))->text(), tr("MTEGridEdit", "ADD TO BAR"));
        QCOMPARE(Settings()->List()->Host()->ServiceButton()->text(), tr("HostCtrl", "SERVICE\nSTARTED"));
        QVERIFY(record());
        QCOMPARE(record()->text(), tr("MTEEditControl", "Record"));
        QVERIFY(record()->text() != QLatin1String("Record"));
        QVERIFY(first);
        QCOMPARE(first->windowTitle(), tr("AddDevicePopup", "ADD NEW DEVICE: PAIRING MODE"));
        QVERIFY(PopupWatcher::Answer(first, PopupWnd::CLOSE));
    }

    // A close that does not end the program (the window manager's close into the tray, a session end that
    // another program cancels) leaves it whole: the very same function providers and data sources, a phone
    // still served with function values, and the next Quit still asks about unsaved changes. Before, the
    // close took the providers and sources down and the next Quit skipped the questions.
    void closeThatLeavesTheProgramRunningKeepsItWhole() {
        QApplication::setQuitOnLastWindowClosed(false); // as program entry runs it
        PhoneClient phone(m_program->TcpPort());
        PairThroughQuestion(phone, QStringLiteral("Tray"), QStringLiteral("KEYT"));
        QVERIFY(!phone.WaitFor("Tabs").isEmpty());
        // The settings tab shows a data source's form, which reads its live source.
        ShowSettings();
        const QString sourceKey = QStringLiteral("DataSource,") + Wnd()->Cfg()->DataSources().first().Name;
        Click(Settings()->List()->Entry(sourceKey));
        IIncomingDataSource* shown = Settings()->Edit()->CurrentSource();
        QVERIFY(shown);
        const FuncProviderList providers = GetFuncProviderList();
        const DataSourceList sources = GetDataSourceList();
        QVERIFY(!providers.isEmpty() && sources.contains(shown));

        // The window manager closes the window: it goes, the program stays.
        QVERIFY(Wnd()->windowHandle());
        Wnd()->windowHandle()->close();
        QVERIFY(!Wnd()->isVisible());
        QVERIFY(!Wnd()->IsQuitting());
        // The session is to end: the hidden window shows and asks; then another program cancels the end.
        QVERIFY(MervApp::QueryEndSession());
        QVERIFY(Wnd()->isVisible());
        QCOMPARE(GetFuncProviderList(), providers);
        QCOMPARE(GetDataSourceList(), sources);
        QCOMPARE(Settings()->Edit()->CurrentSource(), shown);
        QVERIFY(Wnd()->Server()->IsOpen());

        // The phone's System grid shows the processor count, a value of the function providers, on its "CPUs"
        // tile (at first 0, until the statistics have come in).
        const QString cores = GetFuncProviderList().first()->GetValue(QStringLiteral("CPU_Count"), {}).toString();
        QVERIFY(cores.toInt() > 0);
        const auto showsCores = [&phone, &cores] {
            static const QRegularExpression text(QStringLiteral("\"tx\":\"([^\"]*)\""));
            for (const QByteArray& message : phone.received) {
                if (!message.startsWith("View?t=1"))
                    continue;
                QStringList texts;
                const QString json = QString::fromUtf8(message.mid(message.indexOf('\0') + 1));
                for (auto it = text.globalMatch(json); it.hasNext();)
                    texts << it.next().captured(1);
                const int title = texts.indexOf(QStringLiteral("CPUs"));
                if (title >= 0 && texts.value(title + 1) == cores)
                    return true;
            }
            return false;
        };
        phone.Send(QStringLiteral("View?t=1&r=1"));
        QTRY_VERIFY_WITH_TIMEOUT(showsCores(), 10000);

        // An unsaved change; Quit asks about it, and Cancel keeps the program running.
        Click(Settings()->List()->Entry(QStringLiteral("MVX_Settings")));
        auto* players = qobject_cast<QComboBox*>(Settings()->Edit()->ValueWidget(QStringLiteral("DefaultMediaPlayer")));
        QVERIFY(players);
        players->setCurrentIndex((players->currentIndex() + 1) % players->count());
        QVERIFY(Settings()->Edit()->IsModified());
        QString asked;
        PopupWatcher::OnModal<PopupWnd>([&](PopupWnd* box) {
            asked = box->windowTitle();
            QVERIFY(PopupWatcher::Answer(box, PopupWnd::CANCEL));
        });
        QVERIFY(!Wnd()->close());
        QCOMPARE(asked, QStringLiteral("SAVE CHANGES?"));
        QVERIFY(Wnd()->isVisible());
        QVERIFY(!Wnd()->IsQuitting());
        QCOMPARE(GetFuncProviderList(), providers);
        Settings()->Edit()->Cancel();
    }

    // "Stay logged in": the stored account logs in as the program starts, over https to the account host,
    // whose certificate must verify (an authority of the tests' own, given by setting); a host whose
    // certificate does not verify is never sent the credentials.
    void storedAccountLogsInAtStartOnlyWithAValidCertificate_data() {
        QTest::addColumn<bool>("trusted");
        QTest::newRow("trusted host") << true;
        QTest::newRow("stranger host") << false;
    }
    void storedAccountLogsInAtStartOnlyWithAValidCertificate() {
        QFETCH(bool, trusted);
        QTemporaryDir user;
        QVariantMap login;
        login.insert(QStringLiteral("Username"), QStringLiteral("ada@example.org"));
        login.insert(QStringLiteral("Password"), QVariant::fromValue(CryptString(QStringLiteral("secret"))));
        login.insert(QStringLiteral("AutoLogin"), true);
        m_program.reset();
        m_program = std::make_unique<WiredProgram>(user.path());
        QVERIFY(m_program->Started());
        Wnd()->Cfg()->UserCfg().CfgBase.insert(QStringLiteral("MervexLogin"), login);
        QVERIFY(Wnd()->Cfg()->SaveUserCfg().isEmpty());
        m_program.reset();

        LocalHttpServer account(trusted ? LocalHttpServer::Trusted : LocalHttpServer::Stranger);
        account.Set(QStringLiteral("/frontend.en,4,login.dll"), {"{\"Status\":1,\"Id\":\"7\",\"Name\":\"Ada\"}", 200});
        qputenv("MERVEX_ACCOUNT_HOST", account.Origin().toLatin1());
        qputenv("MERVEX_EXTRA_CA_FILE", LocalHttpServer::AuthorityFile().toLocal8Bit());
        m_program = std::make_unique<WiredProgram>(user.path());
        QVERIFY(m_program->Started());
        ShowSettings();
        Click(Settings()->List()->Entry(QStringLiteral("MVX_Settings")));
        QLabelEx* name = Settings()->Edit()->Account()->AccountNameLabel();
        QVERIFY(name);
        if (trusted) {
            QTRY_VERIFY_WITH_TIMEOUT(AccountUI::IsLoggedIn(), 15000);
            QCOMPARE(AccountUI::AccountName(), QStringLiteral("Ada"));
            QTRY_COMPARE(name->text(), QStringLiteral("Ada"));
            QCOMPARE(account.lastMethod, QByteArray("POST"));
            QVERIFY(account.lastBody.contains("email=ada%40example.org"));
        } else {
            QTRY_COMPARE_WITH_TIMEOUT(AccountUI::AccountName(), QStringLiteral("<unknown>"), 15000);
            QVERIFY(!AccountUI::IsLoggedIn());
            QCOMPARE(account.requests, 0);
            QVERIFY(account.lastBody.isEmpty());
        }
        m_program.reset();
        qunsetenv("MERVEX_ACCOUNT_HOST");
    }

    void f1OpensTheHelpOverlayOnTheControlsTab() {
        Wnd()->show();
        Click(Wnd()->TabButton(MervexWnd::TabCreate));
        QCOMPARE(Wnd()->CurrentTab(), int(MervexWnd::TabCreate));
        QTest::keyClick(Wnd(), Qt::Key_F1);
        QVERIFY(HelpGuideOvl::Current());
        QCOMPARE(HelpGuideOvl::Current()->parentWidget(), static_cast<QWidget*>(Wnd()));
        QVERIFY(HelpGuideOvl::Current()->isVisible());
        QTest::keyClick(Wnd(), Qt::Key_F1); // a second F1 closes it
        QVERIFY(!HelpGuideOvl::Current());
        QTest::keyClick(Wnd(), Qt::Key_F1);
        QVERIFY(HelpGuideOvl::Current());
        // Another tab closes it; F1 there opens nothing.
        ShowSettings();
        QVERIFY(!HelpGuideOvl::Current());
        QTest::keyClick(Wnd(), Qt::Key_F1);
        QVERIFY(!HelpGuideOvl::Current());
    }
};

QTEST_MAIN(TestWiredShell)
#include "test_wiredshell.moc"
