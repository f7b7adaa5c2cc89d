// Screenshots of the browse tab (tiles and rows) and of the grid settings dialog on the default configuration,
// in the system's language, for review: each is saved as a PNG (into $MERVEX_SCREEN_DIR, else the temporary folder),
// and the test fails when a visible text does not fit its label or button or when an image the parts name is missing.
// It runs on an X server (xvfb-run) and skips elsewhere; the texts depend on the machine's fonts, so there are no
// goldens.
#include "config/datacfg.h"
#include "config/gfxcache.h"
#include "config/tgrid.h"
#include "editor/gridsettingsdlg.h"
#include "editor/gridview.h"
#include "editor/mtegridedit.h"
#include "editor/tabview.h"
#include "functions/plugintools.h"
#include "runtime/imgdatamgr.h"
#include "runtime/imgdatamgrgfxstore.h"
#include "shell/browseitems.h"
#include "shell/languageswitcher.h"
#include "shell/mervexstyle.h"
#include "shell/mteasyctrl.h"
#include "shell/programlook.h"

#include "tests/common/gldriver.h"
#include "tests/common/screenshots.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QtTest>

using Screenshots::ClippedTexts;
using Screenshots::Language;
using Screenshots::Save;

namespace {
// The images the browse tab and the grid settings dialog name.
const char* const kImages[] = {"WndBGBrowse",           "ico_viewlist_n",     "ico_viewlist_d", "ico_viewlist_o",
                               "ico_viewpat_n",         "ico_viewpat_d",      "ico_viewpat_o",  "divider-line",
                               "divider-line_listview", "selector_pattern",   "selector_list",  "ic_in_layers_bg",
                               "icon_border_overlay",   "icon_gloss_overlay", "tab-installed",  "BtnAddTabIcn",
                               "WndBGGridSettings",     "BtnFormFileN",       "BtnFormFileH",   "BtnFormFileP",
                               "BtnFormResetN",         "BtnFormResetH",      "BtnFormResetP"};
} // namespace

class ScreenGridBrowse : public QObject {
    Q_OBJECT
    QTemporaryDir m_user;
    DataCfg* m_cfg = nullptr;
    MTEGridEdit* m_editor = nullptr;
    MTEasyCtrl* m_tab = nullptr;

private slots:
    void initTestCase() {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X server (run under xvfb-run)");
        QApplication::setStyle(new MervexStyle);
        ProgramLook::Install();
        static ImgDataMgrGfxStore store;
        GfxCache::SetStore(&store);
        new ImgDataMgr(this);
        const QString data = QDir::cleanPath(QStringLiteral(MERVEX_TEST_SOURCE_DIR "/../../data"));
        PluginTools::SetDataPath(data);
        PluginTools::SetUserPath(m_user.path());
        // The program's and the configuration's translations of the run's language (the system's unless the run
        // names one), as a switch installs them.
        auto* languages = new LanguageSwitcher(this);
        languages->SetDataPath(data);
        languages->SetCustomFolder(m_user.path());
        languages->Switch(Language());
        m_cfg = new DataCfg(this);
        m_cfg->LoadDataFolder(data);
        m_editor = new MTEGridEdit;
        m_editor->SetCustomGridPath(DataCfg::CustomGridPath());
        m_editor->SetAskHandler([](int, const QString&, const QString&, int buttons) { return buttons; });
        m_tab = new MTEasyCtrl(nullptr, m_editor);
        m_tab->Init();
        QVERIFY(m_editor->OnBtnNew());
        m_tab->resize(1014, 660);
        m_tab->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_tab));
    }
    void cleanupTestCase() {
        delete m_tab;
        const QString glDriver = LoadedGlDriver();
        QVERIFY2(glDriver.isEmpty(), qPrintable(QStringLiteral("a GL driver was loaded: ") + glDriver));
    }

    void everyNamedImageIsThere() {
        for (const char* name : kImages)
            QVERIFY2(!QImage(QStringLiteral(":/images/") + QLatin1String(name)).isNull(), name);
    }

    void tilesAndRows() {
        MTEGridList* list = m_tab->List();
        // A language switch rebuilds the list.
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(list, &change);
        QCoreApplication::sendEvent(list, &change);
        QVERIFY(list->Items().size() > 1);
        QTest::mouseClick(list->Items().first(), Qt::LeftButton);
        QTest::qWait(100);
        QVERIFY(Save(m_tab, QStringLiteral("browse_tiles")));
        QStringList clipped = ClippedTexts(list);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1Char('\n'))));
        for (AbstractBrowseItem* item : list->Items())
            QVERIFY2(!item->IconButton()->icon.isNull(), qPrintable(item->Name()));

        list->showListView();
        QTest::mouseClick(list->Items().first(), Qt::LeftButton);
        QTest::qWait(100);
        QVERIFY(Save(m_tab, QStringLiteral("browse_rows")));
        clipped = ClippedTexts(list);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1Char('\n'))));
        list->showGridView();
    }

    void gridSettingsDialog() {
        m_editor->ShowGrid(QStringLiteral("CustomGrid:Custom Grid 1"));
        QPointer<GridSettingsDlg> dlg = new GridSettingsDlg(m_editor);
        dlg->show();
        QVERIFY(QTest::qWaitForWindowExposed(dlg));
        QTest::qWait(100);
        QVERIFY(Save(dlg, QStringLiteral("grid_settings")));
        const QStringList clipped = ClippedTexts(dlg);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1Char('\n'))));
        dlg->done(PopupWnd::CANCEL);
    }
};

QTEST_MAIN(ScreenGridBrowse)
#include "screen_gridbrowse.moc"
