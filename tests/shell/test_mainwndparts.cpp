// The main window's own parts as the running program builds them: the update check at start against a local
// server announcing a newer signed release opens the update dialog, whose DOWNLOAD takes the signed installer, and the
// language button opens the language panel whose choice is stored, changes the window's texts at once and is the
// language of the next start; a translation source beside the program is compiled and takes over.
#include "config/datacfg.h"
#include "config/tusercfg.h"
#include "shell/autoupdate.h"
#include "shell/autoupdatedialog.h"
#include "shell/languageswitcher.h"
#include "shell/mervexwnd.h"
#include "tests/common/wiredprogram.h"
#include "tests/shell/localhttpserver.h"
#include "tests/shell/popupwatcher.h"
#include "widgets/langbtn.h"
#include "widgets/langselbtn.h"
#include "widgets/langselector.h"
#include "widgets/mainctrlbtn.h"
#include "widgets/stdbtn.h"
#include "widgets/tiledbtn.h"

#include <QCryptographicHash>
#include <QLabel>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class TestMainWndParts : public QObject {
    Q_OBJECT

    QTemporaryDir m_user;
    LocalHttpServer m_web;
    std::unique_ptr<WiredProgram> m_program;
    MervexWnd* m_wnd = nullptr;

    static QString DataFolder() { return QStringLiteral(MERVEX_TEST_SOURCE_DIR "/../../data"); }

    // Opens the language panel with the flag button and clicks the language's button.
    void ChooseLanguage(const QString& code) {
        QTest::mouseClick(m_wnd->LanguageButton(), Qt::LeftButton);
        QVERIFY(m_wnd->LanguagePanel()->isVisible());
        LangSelBtn* chosen = nullptr;
        for (LangSelBtn* b : m_wnd->LanguagePanel()->findChildren<LangSelBtn*>())
            if (b->GetCode() == code)
                chosen = b;
        QVERIFY(chosen);
        QTest::mouseClick(chosen, Qt::LeftButton);
        QVERIFY(!m_wnd->LanguagePanel()->isVisible());
    }

private slots:
    void initTestCase() {
        qputenv("MERVEX_TCP_PORT", "0");
        qputenv("MERVEX_UDP_PORT", "0");
        // The maker's web server is the local one, without TLS.
        qputenv("MERVEX_WEB_HOST", m_web.Origin().toLatin1());
        qputenv("MERVEX_WEB_SCHEME", "http");
        const QByteArray installer("installer of the next release");
        const QByteArray md5 = QCryptographicHash::hash(installer, QCryptographicHash::Md5).toHex();
        m_web.Set(QStringLiteral("/frontend.en,1,vellichor.dll"),
                  {"{\"Version\":\"0.460\",\"Build\":460,\"MD5\":\"" + md5 +
                   "\",\"Changelog\":\"<ul><li>New</li></ul>\","
                   "\"Link\":\"" +
                   m_web.Url(QStringLiteral("/MERVEX_Velli_Chor.deb")).toLatin1() + "\"}"});
        m_web.Set(QStringLiteral("/MERVEX_Velli_Chor.deb"), {installer});
        // Its signature, made as tools/signing/sign-installer.sh makes it, with the development key.
        QProcess sign;
        sign.start(QStringLiteral("openssl"),
                   {QStringLiteral("dgst"), QStringLiteral("-sha256"), QStringLiteral("-sign"),
                    QStringLiteral(MERVEX_TEST_SOURCE_DIR "/../../tools/signing/update_signing_key.pem")});
        QVERIFY(sign.waitForStarted(5000));
        sign.write(installer);
        sign.closeWriteChannel();
        QVERIFY(sign.waitForFinished(10000));
        const QByteArray signature = sign.readAllStandardOutput();
        QVERIFY(!signature.isEmpty());
        m_web.Set(QStringLiteral("/MERVEX_Velli_Chor.deb.sig"), {signature});
        m_program = std::make_unique<WiredProgram>(m_user.path());
        m_wnd = m_program->Window();
        QVERIFY(m_program->Started());
    }

    void cleanupTestCase() { m_program.reset(); }

    // The check runs once at start; 0.460 is newer than this program, so the dialog offers it.
    void updateCheckAtStartOffersTheNewerRelease() {
        QVERIFY(m_wnd->UpdateController());
        QTRY_VERIFY_WITH_TIMEOUT(m_wnd->UpdateDialog() != nullptr, 10000);
        QCOMPARE(m_web.lastUserAgent, QByteArray("Velli-Chor"));
        AutoUpdateDialog* dialog = m_wnd->UpdateDialog();
        QVERIFY(dialog->isVisible());
        QCOMPARE(m_wnd->UpdateController()->GetVersion(), QStringLiteral("0.460"));
        QVERIFY(dialog->findChild<QLabel*>(QStringLiteral("lblLatestVersion")));
        QCOMPARE(dialog->findChild<QLabel*>(QStringLiteral("lblLatestVersion"))->text(), QStringLiteral("V0.460"));
        // DOWNLOAD fetches the signed installer; once it verified and was written, INSTALL is enabled.
        QVERIFY(!dialog->InstallButton()->isEnabled());
        QTest::mouseClick(dialog->DownloadButton(), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(dialog->InstallButton()->isEnabled(), 10000);
        QVERIFY(m_wnd->UpdateController()->VerifyInstaller());
        QFile::remove(m_wnd->UpdateController()->GetInstallerPath());
        // A second answer does not open a second dialog.
        m_wnd->newVellichorVersionReady(true);
        QCOMPARE(m_wnd->findChildren<AutoUpdateDialog*>().size(), 1);
        m_wnd->slotCloseAutoUpdateDialog();
        QTRY_VERIFY(m_wnd->UpdateDialog() == nullptr);
    }

    // The flag button opens the panel above it; a choice hides it, is stored and sets the texts at once.
    void languageButtonSwitchesTheTexts() {
        LangBtn* button = m_wnd->LanguageButton();
        LangSelector* panel = m_wnd->LanguagePanel();
        QVERIFY(button && panel);
        // Whatever the system's locale (tests run in the C locale), the button shows a flag.
        QVERIFY2(button->HasFlag(), qPrintable(m_wnd->CurrentLanguage()));
        QVERIFY(!panel->isVisible());
        QCOMPARE(m_wnd->TabButton(MervexWnd::TabSettings)->text(), QStringLiteral("SETTINGS"));
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(panel->isVisible());
        QCOMPARE(panel->geometry().bottom(), button->y());

        LangSelBtn* german = nullptr;
        for (LangSelBtn* b : panel->findChildren<LangSelBtn*>())
            if (b->GetCode() == QLatin1String("de"))
                german = b;
        QVERIFY(german);
        QTest::mouseClick(german, Qt::LeftButton);
        QVERIFY(!panel->isVisible());
        QCOMPARE(m_wnd->Cfg()->UserCfg().CfgBase.value(QStringLiteral("Language")).toString(), QStringLiteral("de"));
        QCOMPARE(m_wnd->CurrentLanguage(), QStringLiteral("de"));
        QCOMPARE(CurrentLanguage(), QStringLiteral("de"));
        QCOMPARE(m_wnd->TabButton(MervexWnd::TabSettings)->text(), QStringLiteral("EINSTELLUNGEN"));
        QCOMPARE(button->statusTip(), QStringLiteral("Sprache ändern"));
        QVERIFY(button->HasFlag());
        QVERIFY(m_wnd->Languages()->Translator(LanguageSwitcher::Program));

        m_wnd->LanguageClicked(QStringLiteral("en"));
        QCOMPARE(m_wnd->TabButton(MervexWnd::TabSettings)->text(), QStringLiteral("SETTINGS"));
        QCOMPARE(m_wnd->Cfg()->UserCfg().CfgBase.value(QStringLiteral("Language")).toString(), QStringLiteral("en"));
        const QImage english = button->Flag();
        QVERIFY(!english.isNull());

        // A language without a flag speaks the program's English texts, and the button says so.
        m_wnd->LanguageClicked(QStringLiteral("it"));
        QCOMPARE(m_wnd->TabButton(MervexWnd::TabSettings)->text(), QStringLiteral("SETTINGS"));
        QCOMPARE(button->Flag(), english);
        m_wnd->LanguageClicked(QStringLiteral("en"));
    }

    // The choice is written with the user configuration (APPLY here) and the next start comes up in it.
    void chosenLanguageIsTheNextStartsLanguage() {
        ChooseLanguage(QStringLiteral("de"));
        QTest::mouseClick(m_wnd->findChild<TiledBtn*>(QStringLiteral("btnApply")), Qt::LeftButton);
        m_program.reset();
        m_program = std::make_unique<WiredProgram>(m_user.path());
        m_wnd = m_program->Window();
        QVERIFY(m_program->Started());
        QCOMPARE(m_wnd->CurrentLanguage(), QStringLiteral("de"));
        QCOMPARE(m_wnd->TabButton(MervexWnd::TabSettings)->text(), QStringLiteral("EINSTELLUNGEN"));
        ChooseLanguage(QStringLiteral("en"));
        QCOMPARE(m_wnd->TabButton(MervexWnd::TabSettings)->text(), QStringLiteral("SETTINGS"));
    }

    // A translation source of the chosen language beside the program is compiled with lrelease in the
    // background; once loaded it serves in place of the shipped translation, the user is told, and the
    // window's texts follow without another switch.
    void customTranslationSourceTakesOver() {
        QTemporaryDir folder;
        const QString ts = folder.path() + QStringLiteral("/mervexsrv_de.ts");
        QFile file(ts);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n<TS version=\"2.1\" language=\"de\">\n"
                   "<context><name>MervexWnd</name><message><source>SETTINGS</source>"
                   "<translation>MEINE EINSTELLUNGEN</translation></message></context>\n</TS>\n");
        file.close();
        // The working folder at the program's start is where it looks; here the test's folder, which also takes
        // the compiler's output (the temporary folder's is shared with other tests running at the same time).
        m_wnd->Languages()->SetCustomFolder(folder.path());
        m_wnd->Languages()->SetCompileOutput(folder.path() + QStringLiteral("/out.qm"));
        PopupWatcher popups;
        ChooseLanguage(QStringLiteral("de"));
        // Until the compile ends, the shipped translation serves.
        QCOMPARE(m_wnd->TabButton(MervexWnd::TabSettings)->text(), QStringLiteral("EINSTELLUNGEN"));
        QTRY_COMPARE_WITH_TIMEOUT(m_wnd->TabButton(MervexWnd::TabSettings)->text(),
                                  QStringLiteral("MEINE EINSTELLUNGEN"), 30000);
        QVERIFY(m_wnd->Languages()->IsCustom(LanguageSwitcher::Program));
        QVERIFY(popups.WaitSeen(1));
        QCOMPARE(popups.seen.first(), QStringLiteral("Info|Custom translation successfully loaded: ") + ts);
        m_wnd->Languages()->SetCustomFolder(m_user.path());
        ChooseLanguage(QStringLiteral("en"));
        QVERIFY(!m_wnd->Languages()->IsCustom(LanguageSwitcher::Program));
    }
};

QTEST_MAIN(TestMainWndParts)
#include "test_mainwndparts.moc"
