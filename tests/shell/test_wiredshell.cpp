// The program as it runs, built as program entry builds it: the settings and support tabs are the real ones
// behind their buttons, OK/APPLY/CANCEL save and revert the settings page, pairing mode from the settings tab
// lets more phones pair over the loopback address, a deactivated or deleted device no longer connects, the
// first start asks for a phone while the window waits, and F1 opens the help overlay.
#include "config/datacfg.h"
#include "config/tdatasource.h"
#include "config/tusercfg.h"
#include "server/netserver.h"
#include "shell/adddevicepopup.h"
#include "shell/helpguideovl.h"
#include "shell/mtesettingsedit.h"
#include "shell/mtesettingselements.h"
#include "shell/mtsettingsctrl.h"
#include "shell/mtsupportctrl.h"
#include "shell/pairingui.h"
#include "shell/programtabhooks.h"
#include "tests/common/phoneclient.h"
#include "tests/common/wiredprogram.h"
#include "tests/shell/localhttpserver.h"
#include "widgets/mainctrlbtn.h"
#include "widgets/popupwnd.h"
#include "widgets/qwebviewex.h"
#include "widgets/stdbtn.h"
#include "widgets/subnavbtn.h"
#include "widgets/tiledbtn.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QTableWidget>
#include <QtTest>

#include <functional>

namespace {
void Click(QAbstractButton* button) {
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
}

QAbstractButton* ButtonOf(PopupWnd* popup, int value) {
    for (QAbstractButton* b : popup->buttonBox()->buttons())
        if (popup->ButtonValue(b) == value)
            return b;
    return nullptr;
}

// Runs fn on the next modal popup of type T once it is up (inside the popup's own loop).
template <typename T> void OnModal(const std::function<void(T*)>& fn) {
    QTimer::singleShot(0, [fn] {
        auto* popup = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!popup) {
            OnModal<T>(fn);
            return;
        }
        fn(popup);
    });
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
        QTRY_VERIFY_WITH_TIMEOUT(Wnd()->PairingQuestion() && Wnd()->PairingQuestion()->isVisible(), 5000);
        // Over a modal popup the question is the one the user can click.
        if (QApplication::activeModalWidget())
            QCOMPARE(QApplication::activeModalWidget(), Wnd()->PairingQuestion());
        Click(ButtonOf(Wnd()->PairingQuestion(), PopupWnd::YES));
        const QJsonObject reply = PhoneClient::JsonOf(phone.WaitFor("Connect?"));
        QCOMPARE(reply.value("connected").toBool(), true);
        QCOMPARE(reply.value("pairsucc").toBool(), true);
    }

private slots:
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
        OnModal<PopupWnd>([&](PopupWnd* box) {
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
        OnModal<PopupWnd>([&](PopupWnd* box) {
            asked = box->windowTitle();
            Click(ButtonOf(box, PopupWnd::CANCEL));
        });
        Click(Wnd()->TabButton(MervexWnd::TabCreate));
        QCOMPARE(asked, QStringLiteral("SAVE CHANGES?"));
        QCOMPARE(Wnd()->CurrentTab(), int(MervexWnd::TabSettings));
        QVERIFY(edit->IsModified());
        edit->Cancel();
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
        OnModal<AddDevicePopup>([&](AddDevicePopup* popup) {
            during = Wnd()->TabHooks()->IsPairingMode();
            PairThroughQuestion(second, QStringLiteral("Two"), QStringLiteral("KEY2"));
            PairThroughQuestion(third, QStringLiteral("Three"), QStringLiteral("KEY3"));
            Click(ButtonOf(popup, PopupWnd::CLOSE));
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
        OnModal<PopupWnd>([](PopupWnd* box) { Click(ButtonOf(box, PopupWnd::YES)); });
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
