// The check boxes of a data source's settings page, used with a real pointer on the program's window under an X
// server: the news feed page shows "Read news feeds" as stored, a click on the box turns it off where the user
// can see it, APPLY writes "0" into the user folder's configuration and a second click and APPLY write "2" again.
// Screenshots of the page in both states are saved for review. It runs under xvfb-run and skips elsewhere.
#include "config/datacfg.h"
#include "foundation/json.h"
#include "shell/mervexstyle.h"
#include "shell/mervexwnd.h"
#include "shell/mtesettingsedit.h"
#include "shell/mtesettingselements.h"
#include "shell/mtsettingsctrl.h"
#include "tests/common/gldriver.h"
#include "tests/common/screenprogram.h"
#include "tests/common/screenshots.h"
#include "tests/common/wiredprogram.h"
#include "widgets/mainctrlbtn.h"
#include "widgets/subnavbtn.h"

#include <QCheckBox>
#include <QStyleOptionButton>
#include <QtTest>

// Last: the X headers define names that the toolkit headers use.
#include "tests/common/xuser.h"

namespace {
const char* const kPage = "DataSource,NewsFeed";

// The news feed's stored "Active" value in the user folder's configuration ("" when it is not there).
QString StoredActive(const QString& userPath) {
    QFile file(userPath + QStringLiteral("userCfg.json"));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    const QVariantMap sources = JsonParse(QString::fromUtf8(file.readAll())).toMap().value("CfgSrc").toMap();
    return sources.value("NewsFeed").toMap().value("Active").toString();
}

// Where the box draws its mark.
QRect IndicatorRect(QCheckBox* box) {
    QStyleOptionButton option;
    option.initFrom(box);
    return box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
}

// The box's mark as drawn on the page.
QImage Indicator(QCheckBox* box) {
    return box->grab(IndicatorRect(box)).toImage().convertToFormat(QImage::Format_RGB32);
}

// Pixels of the program's blue (a blue channel well above red) in the image.
int BluePixels(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            n += qBlue(p) > 150 && qBlue(p) - qRed(p) > 60 ? 1 : 0;
        }
    return n;
}
} // namespace

class ScreenSourceChecks : public QObject {
    Q_OBJECT

    std::unique_ptr<WiredProgram> m_program;
    std::unique_ptr<XUser> m_user;
    MervexWnd* m_wnd = nullptr;
    MTSettingsCtrl* m_settings = nullptr;

    QCheckBox* ActiveBox() const {
        return qobject_cast<QCheckBox*>(m_settings->Edit()->ValueWidget(QStringLiteral("Active")));
    }

private slots:
    void initTestCase() {
        const QString missing = ScreenMissing(&m_user);
        if (!missing.isEmpty())
            QSKIP(qPrintable(missing));
        m_wnd = StartOnScreen(m_program);
        QVERIFY(m_wnd);
        m_settings = qobject_cast<MTSettingsCtrl*>(m_wnd->Tab(MervexWnd::TabSettings));
        QVERIFY(m_settings);
    }

    void cleanupTestCase() {
        m_user.reset();
        m_program.reset();
        const QString glDriver = LoadedGlDriver();
        QVERIFY2(glDriver.isEmpty(), qPrintable(QStringLiteral("a GL driver was loaded: ") + glDriver));
    }

    void activeBoxShowsAndSetsTheStoredState() {
        // The shipped default is "2" (on): the page shows it checked.
        m_user->Click([this] { return m_wnd->TabButton(MervexWnd::TabSettings); });
        m_user->WaitFor([this] { return m_settings->isVisible(); });
        m_user->Click([this] { return m_settings->List()->Entry(QLatin1String(kPage)); });
        m_user->WaitFor([this] { return m_settings->Edit()->PageKey() == QLatin1String(kPage) && ActiveBox(); });
        QVERIFY2(m_user->Run(), "the news feed page did not open");
        QCheckBox* box = ActiveBox();
        QTRY_VERIFY(box->isVisible());
        QCOMPARE(box->text(), TranslateAtName(QStringLiteral("@Read news feeds")));
        QCOMPARE(box->checkState(), Qt::Checked);
        const QImage checked = Indicator(box);
        QVERIFY(Screenshots::Save(m_wnd, QStringLiteral("shell_source_check_on")));

        // One click on the mark: off, and the box looks different.
        m_user->Click([this] { return ActiveBox(); }, IndicatorRect(box).center());
        m_user->WaitFor([this] { return ActiveBox()->checkState() == Qt::Unchecked; });
        QVERIFY2(m_user->Run(), "the click did not reach the check box");
        QTest::qWait(50);
        const QImage unchecked = Indicator(box);
        QVERIFY(Screenshots::Save(m_wnd, QStringLiteral("shell_source_check_off")));
        QVERIFY2(checked != unchecked, "the check box looks the same checked and unchecked");
        QVERIFY2(BluePixels(checked) > BluePixels(unchecked) + 4, "the checked box shows no mark");

        const QString user = m_program->UserPath();
        m_user->Click([this] { return m_wnd->findChild<QWidget*>(QStringLiteral("btnApply")); });
        m_user->WaitFor([user] { return StoredActive(user) == QLatin1String("0"); });
        QVERIFY2(m_user->Run(), qPrintable(QStringLiteral("APPLY stored ") + StoredActive(user)));

        // A click on the caption turns it on again; the page rebuilt from the saved value shows it.
        box = ActiveBox();
        const QPoint caption(IndicatorRect(box).right() + 20, box->height() / 2);
        m_user->Click([this] { return ActiveBox(); }, caption);
        m_user->WaitFor([this] { return ActiveBox()->checkState() == Qt::Checked; });
        m_user->Click([this] { return m_wnd->findChild<QWidget*>(QStringLiteral("btnApply")); });
        m_user->WaitFor([user] { return StoredActive(user) == QLatin1String("2"); });
        QVERIFY2(m_user->Run(), qPrintable(QStringLiteral("APPLY stored ") + StoredActive(user)));
        m_settings->Edit()->Revert();
        QTRY_VERIFY(ActiveBox() && ActiveBox() != box);
        QCOMPARE(ActiveBox()->checkState(), Qt::Checked);
    }
};

QTEST_MAIN(ScreenSourceChecks)
#include "screen_sourcechecks.moc"
