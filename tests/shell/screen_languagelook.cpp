// The wired program in languages whose letters the program's own font lacks or marks: Chinese captions draw
// real glyphs (from the desktop's CJK font, which the shipped font falls back to) on the custom-drawn buttons,
// and the settings header keeps its French and Portuguese accents. Each tab is saved as a PNG for review (into
// $MERVEX_SCREEN_DIR, else the temporary folder). It runs on an X server (xvfb-run) and skips elsewhere.
#include "shell/mervexstyle.h"
#include "shell/mervexwnd.h"
#include "shell/mtesettingsedit.h"
#include "shell/mtesettingselements.h"
#include "shell/mtsettingsctrl.h"
#include "tests/common/gldriver.h"
#include "tests/common/screenshots.h"
#include "tests/common/wiredprogram.h"
#include "tests/shell/localhttpserver.h"
#include "widgets/mainctrlbtn.h"
#include "widgets/qpushbuttonex.h"
#include "widgets/subnavbtn.h"

#include <QAbstractButton>
#include <QtTest>

using Screenshots::Save;

namespace {
// A caption drawn with real glyphs changes its picture when its letters change places; missing glyphs (empty
// or all the same box) do not.
bool DrawsGlyphs(QAbstractButton* button) {
    const QString caption = button->text();
    QString swapped = caption;
    std::reverse(swapped.begin(), swapped.end());
    if (swapped == caption)
        swapped = caption + caption.left(1);
    const auto set = [button](const QString& text) {
        if (auto* ex = qobject_cast<QPushButtonEx*>(button))
            ex->SetText(text);
        else
            button->setText(text);
    };
    const QImage drawn = button->grab().toImage();
    set(swapped);
    const QImage other = button->grab().toImage();
    set(QString());
    const QImage empty = button->grab().toImage();
    set(caption);
    return drawn != other && drawn != empty;
}
} // namespace

class ScreenLanguageLook : public QObject {
    Q_OBJECT

    LocalHttpServer m_web;
    std::unique_ptr<WiredProgram> m_program;
    MervexWnd* m_wnd = nullptr;

    MTSettingsCtrl* Settings() const { return qobject_cast<MTSettingsCtrl*>(m_wnd->Tab(MervexWnd::TabSettings)); }

private slots:
    void initTestCase() {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X server (run under xvfb-run)");
        QApplication::setStyle(new MervexStyle);
        // The support tab shows a page of the program's web server: one of the test's own.
        qputenv("MERVEX_WEB_HOST", m_web.Origin().toLatin1());
        qputenv("MERVEX_WEB_SCHEME", "http");
        qputenv("MERVEX_SUPPORT_DOMAIN", m_web.Origin().toLatin1());
        m_web.Set(QStringLiteral("/sites/velli-chor-faq/"),
                  {"<html><body style='color:white'><h3>FAQ</h3></body></html>",
                   200,
                   LocalHttpServer::Whole,
                   {"Content-Type: text/html"}});
        m_program = std::make_unique<WiredProgram>();
        QVERIFY(m_program->Started());
        m_wnd = m_program->Window();
        m_wnd->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_wnd));
    }

    void cleanupTestCase() {
        if (m_wnd)
            m_wnd->LanguageClicked(QStringLiteral("en"));
        m_program.reset();
        const QString glDriver = LoadedGlDriver();
        QVERIFY2(glDriver.isEmpty(), qPrintable(QStringLiteral("a GL driver was loaded: ") + glDriver));
    }

    // Before, a machine without a CJK font showed the captions as boxes, and the custom-drawn buttons nothing.
    void chineseCaptionsDrawTheirGlyphs_data() {
        QTest::addColumn<QString>("code");
        QTest::newRow("cn") << QStringLiteral("cn");
        QTest::newRow("tw") << QStringLiteral("tw");
    }
    void chineseCaptionsDrawTheirGlyphs() {
        QFETCH(QString, code);
        m_wnd->LanguageClicked(code);
        QTest::qWait(50); // the new translations are announced through the event loop
        QList<QAbstractButton*> buttons;
        const char* const tabNames[] = {"create", "settings", "support", "browse"};
        for (int i = 0; i < MervexWnd::MainTabCount; ++i) {
            MainCtrlBtn* tab = m_wnd->TabButton(MervexWnd::MainTabKind(i));
            QTest::mouseClick(tab, Qt::LeftButton);
            QTest::qWait(300); // the tab marker's slide
            QVERIFY(Save(m_wnd, QStringLiteral("look_%1_%2").arg(code, QLatin1String(tabNames[i]))));
            buttons << tab;
        }
        for (const char* name : {"btnOk", "btnApply", "btnCancel"})
            buttons << m_wnd->findChild<QPushButtonEx*>(QLatin1String(name));
        QTest::mouseClick(m_wnd->TabButton(MervexWnd::TabSettings), Qt::LeftButton);
        buttons << Settings()->List()->Entry(QStringLiteral("MVX_Settings"));
        for (QAbstractButton* button : buttons) {
            QVERIFY(button);
            QVERIFY2(button->text().contains(QRegularExpression(QStringLiteral("[\\x{4e00}-\\x{9fff}]"))),
                     qPrintable(button->objectName() + QStringLiteral(": ") + button->text()));
            QVERIFY2(DrawsGlyphs(button), qPrintable(button->objectName() + QStringLiteral(": ") + button->text()));
        }
    }

    // The header's title in capitals keeps its accents: "PARAMÈTRES", "CONFIGURAÇÕES".
    void settingsHeaderKeepsItsAccents_data() {
        QTest::addColumn<QString>("code");
        QTest::newRow("fr") << QStringLiteral("fr");
        QTest::newRow("pt") << QStringLiteral("pt");
    }
    void settingsHeaderKeepsItsAccents() {
        QFETCH(QString, code);
        m_wnd->LanguageClicked(code);
        QTest::qWait(50); // the new translations are announced through the event loop
        QTest::mouseClick(m_wnd->TabButton(MervexWnd::TabSettings), Qt::LeftButton);
        QVERIFY(Settings()->isVisible());
        QTest::mouseClick(Settings()->List()->Entry(QStringLiteral("MVX_Settings")), Qt::LeftButton);
        QWidget* header = Settings()->Edit()->findChild<QWidget*>(QStringLiteral("headerImage"));
        QVERIFY(header && header->isVisible());
        QVERIFY(Save(header, QStringLiteral("look_%1_settings_header").arg(code)));
        QVERIFY(Save(m_wnd, QStringLiteral("look_%1_settings").arg(code)));
    }
};

QTEST_MAIN(ScreenLanguageLook)
#include "screen_languagelook.moc"
