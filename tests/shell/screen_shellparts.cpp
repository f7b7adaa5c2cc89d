// Screenshots of the language panel, the update dialog, the account box (both forms) and the support tab, for
// review: each is saved as a PNG (into $MERVEX_SCREEN_DIR, else the temporary folder), and the test fails when
// a visible text does not fit its label or button or when an image the part names is missing. It runs on an
// X server (xvfb-run) and skips elsewhere; the texts depend on the machine's fonts, so there are no goldens.
#include "config/datacfg.h"
#include "config/tdatasource.h"
#include "config/tusercfg.h"
#include "shell/accountui.h"
#include "shell/adddevicepopup.h"
#include "shell/autoupdatedialog.h"
#include "shell/helpguideovl.h"
#include "shell/mervexstyle.h"
#include "shell/mervexwnd.h"
#include "shell/mtesettingsedit.h"
#include "shell/mtesettingselements.h"
#include "shell/mtsettingsctrl.h"
#include "shell/mtsupportctrl.h"
#include "tests/common/gldriver.h"
#include "tests/common/languages.h"
#include "tests/common/phoneclient.h"
#include "tests/common/screenshots.h"
#include "tests/common/wiredprogram.h"
#include "tests/shell/localhttpserver.h"
#include "tests/shell/popupwatcher.h"
#include "widgets/langbtn.h"
#include "widgets/langselector.h"
#include "widgets/mainctrlbtn.h"
#include "widgets/qwebviewex.h"
#include "widgets/subnavbtn.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QWebFrame>
#include <QtTest>

using Screenshots::ClippedTexts;
using Screenshots::Language;
using Screenshots::Save;

namespace {
// Saves the widget's shot and fails on clipped texts.
void Check(QWidget* w, const QString& name) {
    QCoreApplication::processEvents();
    QVERIFY(Save(w, name));
    const QStringList clipped = ClippedTexts(w);
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1Char('\n'))));
}
} // namespace

class ScreenShellParts : public QObject {
    Q_OBJECT

    QTemporaryDir m_user;
    LocalHttpServer m_web;
    std::unique_ptr<WiredProgram> m_program;
    MervexWnd* m_wnd = nullptr;

private slots:
    void initTestCase() {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X server (run under xvfb-run)");
        QApplication::setStyle(new MervexStyle);
        qputenv("MERVEX_TCP_PORT", "0");
        qputenv("MERVEX_UDP_PORT", "0");
        qputenv("MERVEX_WEB_HOST", m_web.Origin().toLatin1());
        qputenv("MERVEX_WEB_SCHEME", "http");
        qputenv("MERVEX_SUPPORT_DOMAIN", m_web.Origin().toLatin1());
        m_web.Set(QStringLiteral("/frontend.en,1,vellichor.dll"),
                  {"{\"Version\":\"0.460\",\"MD5\":\"00\",\"Changelog\":\"<ul><li>Faster grids</li><li>New "
                   "controls</li></ul>\",\"Link\":\"" +
                   m_web.Url(QStringLiteral("/i.deb")).toLatin1() + "\"}"});
        m_web.Set(QStringLiteral("/sites/velli-chor-faq/"),
                  {"<html><body style='color:white'><h3>FAQ</h3><p>Pairing a phone</p></body></html>",
                   200,
                   LocalHttpServer::Whole,
                   {"Content-Type: text/html"}});
        m_program = std::make_unique<WiredProgram>(m_user.path());
        m_wnd = m_program->Window();
        QVERIFY(m_program->Started());
        if (Language() != QLatin1String("en")) {
            m_wnd->show();
            QVERIFY(LanguageTexts::ChooseOnPanel(m_wnd, Language()));
        }
    }

    void cleanupTestCase() {
        m_program.reset();
        const QString glDriver = LoadedGlDriver();
        QVERIFY2(glDriver.isEmpty(), qPrintable(QStringLiteral("a GL driver was loaded: ") + glDriver));
    }

    void languagePanel() {
        // The language the run began in is the one of the later shots.
        const QString before = m_wnd->CurrentLanguage();
        QStringList codes = {QStringLiteral("en"), QStringLiteral("de")};
        if (!codes.contains(before))
            codes << before;
        for (const QString& code : codes) {
            m_wnd->LanguageClicked(code);
            QTest::mouseClick(m_wnd->LanguageButton(), Qt::LeftButton);
            QVERIFY(m_wnd->LanguagePanel()->isVisible());
            QVERIFY(m_wnd->LanguageButton()->HasFlag());
            QCoreApplication::processEvents();
            QVERIFY(Save(m_wnd, QStringLiteral("shell_language_panel_") + code));
            const QStringList clipped = ClippedTexts(m_wnd);
            QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1Char('\n'))));
            m_wnd->LanguagePanel()->hide();
        }
        m_wnd->SwitchLanguage(before);
    }

    void updateDialog() {
        QTRY_VERIFY_WITH_TIMEOUT(m_wnd->UpdateDialog() != nullptr, 10000);
        AutoUpdateDialog* dialog = m_wnd->UpdateDialog();
        QTest::qWait(100);
        QVERIFY(Save(dialog, QStringLiteral("shell_update_dialog")));
        QStringList clipped = ClippedTexts(dialog);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1Char('\n'))));
        for (const char* image : {":/images/autoupdate_icon_update", ":/images/autoupdate_icon_download",
                                  ":/images/autoupdate_notification_bg", ":/images/autoupdate_downloadbar_bg",
                                  ":/images/autoupdate_downloadbar", ":/images/autoudpate_bg2", ":/images/WndPopupBG",
                                  ":/images/BtnWndCloseN"})
            QVERIFY2(!QImage(QLatin1String(image)).isNull(), image);
        m_wnd->slotCloseAutoUpdateDialog();
    }

    void accountBox_data() {
        QTest::addColumn<bool>("loginForm");
        QTest::newRow("login") << true;
        QTest::newRow("profile") << false;
    }
    void accountBox() {
        QFETCH(bool, loginForm);
        QWidget page;
        page.setStyleSheet(QStringLiteral("background-color:#202020"));
        page.resize(720, 240);
        AccountUI account(&page, m_wnd->Cfg());
        auto* box = new QWidget(&page);
        account.BuildAccountBox(box, loginForm);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QVERIFY(Save(&page, QStringLiteral("shell_account_") + QLatin1String(QTest::currentDataTag())));
        const QStringList clipped = ClippedTexts(&page);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1Char('\n'))));
        for (const char* image :
             {":/images/LoginBox", ":/images/LogoSecureLogin", ":/images/ProfilePicBG", ":/images/ProfilePicDefUser",
              ":/images/IcnAccountN", ":/images/IcnAccountD", ":/images/BtnLoginIcn"})
            QVERIFY2(!QImage(QLatin1String(image)).isNull(), image);
    }

    // The popups of pairing: the first start's add-device popup, the one of "+ ADD NEW DEVICE" (clicked on the
    // program page) and the question a new phone raises meanwhile.
    void pairingPopups() {
        m_wnd->show();
        QTest::mouseClick(m_wnd->TabButton(MervexWnd::TabSettings), Qt::LeftButton);
        auto* settings = qobject_cast<MTSettingsCtrl*>(m_wnd->Tab(MervexWnd::TabSettings));
        QVERIFY(settings);
        QPointer<AddDevicePopup> first = settings->RunFirstStartPairing();
        QVERIFY(first);
        QTest::qWait(100);
        Check(first, QStringLiteral("popup_first_pairing"));
        QVERIFY(PopupWatcher::Answer(first, PopupWnd::CLOSE));
        QTRY_VERIFY(!first);

        QTest::mouseClick(settings->List()->Entry(QStringLiteral("MVX_Settings")), Qt::LeftButton);
        QAbstractButton* add = nullptr;
        for (QAbstractButton* b : settings->Edit()->findChildren<QAbstractButton*>())
            if (b->text() == QCoreApplication::translate("PairingUI", "+ ADD NEW DEVICE"))
                add = b;
        QVERIFY(add);
        bool shown = false;
        PopupWatcher::OnModal<AddDevicePopup>([&](AddDevicePopup* popup) {
            QTest::qWait(100);
            Check(popup, QStringLiteral("popup_add_device"));
            PhoneClient phone(m_program->TcpPort());
            QVERIFY(phone.WaitConnected());
            phone.SendConnect(QStringLiteral("Pixel 7"), QStringLiteral("KEYP"));
            QTRY_VERIFY_WITH_TIMEOUT(m_program->PairingQuestion() && m_program->PairingQuestion()->isVisible(), 5000);
            QTest::qWait(100);
            Check(m_program->PairingQuestion(), QStringLiteral("popup_pairing_question"));
            QVERIFY(PopupWatcher::Answer(m_program->PairingQuestion(), PopupWnd::NO));
            shown = true;
            QVERIFY(PopupWatcher::Answer(popup, PopupWnd::CLOSE));
        });
        QTest::mouseClick(add, Qt::LeftButton);
        QVERIFY(shown);
        for (const char* image : {":/images/PairingAdd", ":/images/PairingPop"})
            QVERIFY2(!QImage(QLatin1String(image)).isNull(), image);
    }

    void settingsTab_data() {
        QTest::addColumn<QString>("page");
        QTest::newRow("program") << QStringLiteral("MVX_Settings");
        QTest::newRow("source") << QString(); // the first data source of the shipped configuration
    }
    void settingsTab() {
        QFETCH(QString, page);
        if (page.isEmpty())
            page = QStringLiteral("DataSource,") + m_wnd->Cfg()->DataSources().first().Name;
        if (m_wnd->Cfg()->UserCfg().Devices.isEmpty()) {
            m_wnd->Cfg()->UserCfg().AddDevice(QStringLiteral("Pixel 7"), QStringLiteral("K1"), QStringLiteral("Desk"));
            m_wnd->Cfg()->UserCfg().AddDevice(QStringLiteral("Tablet"), QStringLiteral("K2"), QString());
        }
        m_wnd->show();
        QTest::mouseClick(m_wnd->TabButton(MervexWnd::TabSettings), Qt::LeftButton);
        auto* settings = qobject_cast<MTSettingsCtrl*>(m_wnd->Tab(MervexWnd::TabSettings));
        QVERIFY(settings && settings->isVisible());
        QTest::mouseClick(settings->List()->Entry(page), Qt::LeftButton);
        QCOMPARE(settings->Edit()->PageKey(), page);
        QTest::qWait(1200); // the lamps and function labels refresh once a second
        QVERIFY(Save(m_wnd, QStringLiteral("shell_settings_") + QLatin1String(QTest::currentDataTag())));
        const QStringList clipped = ClippedTexts(settings);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1Char('\n'))));
        for (const char* image : {":/images/Settings-Teaser_BG", ":/images/WndSettingsEditBG", ":/images/LEDGray",
                                  ":/images/LEDRed", ":/images/LEDGreen", ":/images/BtnSvcOnN", ":/images/BtnSvcDefN",
                                  ":/images/BtnSvcOffN", ":/images/PairingAdd"})
            QVERIFY2(!QImage(QLatin1String(image)).isNull(), image);
    }

    void helpOverlay() {
        m_wnd->show();
        QTest::mouseClick(m_wnd->TabButton(MervexWnd::TabCreate), Qt::LeftButton);
        QTest::keyClick(m_wnd, Qt::Key_F1);
        HelpGuideOvl* overlay = HelpGuideOvl::Current();
        QVERIFY(overlay && overlay->isVisible());
        QCoreApplication::processEvents();
        QVERIFY(Save(m_wnd, QStringLiteral("shell_help_overlay")));
        const QStringList clipped = ClippedTexts(overlay);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1Char('\n'))));
        overlay->OnClose();
    }

    void supportTabInTheWindow() {
        m_wnd->show();
        QTest::mouseClick(m_wnd->TabButton(MervexWnd::TabSupport), Qt::LeftButton);
        auto* support = qobject_cast<MTSupportCtrl*>(m_wnd->Tab(MervexWnd::TabSupport));
        QVERIFY(support);
        QTRY_VERIFY_WITH_TIMEOUT(support->isVisible(), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(support->ContentView()->page()->mainFrame()->toPlainText().contains("Pairing"), 10000);
        QVERIFY(Save(m_wnd, QStringLiteral("shell_support_window")));
    }

    void supportTab() {
        MTSupportCtrl support;
        support.resize(MervexWnd::MainTabRect().size());
        support.setStyleSheet(QStringLiteral("background-color:black"));
        QSignalSpy ok(&support, &MTSupportCtrl::TestOk);
        support.StartReachabilityTest();
        QVERIFY(ok.wait(10000));
        support.Open();
        support.show();
        QVERIFY(QTest::qWaitForWindowExposed(&support));
        QTRY_VERIFY_WITH_TIMEOUT(support.ContentView()->page()->mainFrame()->toPlainText().contains("Pairing"), 10000);
        QVERIFY(Save(&support, QStringLiteral("shell_support")));
    }
};

QTEST_MAIN(ScreenShellParts)
#include "screen_shellparts.moc"
