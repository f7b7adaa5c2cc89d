// Screenshots of the controls tab (control list, control editor with a control on the canvas, grid editor) and
// of the parameter popups the editor opens (shortcut, macro, tiling, program, file, web address, colour), for
// review: each is saved as a PNG (into $MERVEX_SCREEN_DIR, else the temporary folder), and the test fails when
// a visible text does not fit its label or button or when an image a style sheet or a popup names is missing.
// It runs on an X server (xvfb-run) and skips elsewhere; the texts depend on the machine's fonts, so there are
// no goldens.
#include "config/datacfg.h"
#include "editor/gridview.h"
#include "editor/impexppopup.h"
#include "editor/macropopup.h"
#include "editor/mtebuttonelements.h"
#include "editor/mteeditcontrol.h"
#include "editor/mtegridedit.h"
#include "editor/openpopup.h"
#include "editor/shortcutpopup.h"
#include "editor/tabelem.h"
#include "editor/tabview.h"
#include "editor/tilingpopup.h"
#include "editor/urlpopup.h"
#include "shell/mervexstyle.h"
#include "shell/mervexwnd.h"
#include "shell/mtmainctrl.h"
#include "shell/programtabhooks.h"
#include "tests/common/gldriver.h"
#include "tests/common/languages.h"
#include "tests/common/screenprogram.h"
#include "tests/common/screenshots.h"
#include "tests/common/wiredprogram.h"
#include "widgets/colpickpopup.h"
#include "widgets/imgwidget.h"
#include "widgets/popupwnd.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTimer>
#include <QTreeView>
#include <QtTest>

using Screenshots::ClippedTexts;
using Screenshots::Language;
using Screenshots::Save;

namespace {
// Every ":/images/..." that a style sheet of the widget or its children names and that does not load.
QStringList MissingImages(QWidget* top) {
    QStringList missing;
    QList<QWidget*> all = top->findChildren<QWidget*>();
    all << top;
    static const QRegularExpression url(QStringLiteral("url\\((:/images/[A-Za-z0-9_]+)\\)"));
    for (QWidget* w : all) {
        auto it = url.globalMatch(w->styleSheet());
        while (it.hasNext()) {
            const QString name = it.next().captured(1);
            if (QImage(name).isNull() && !missing.contains(name))
                missing << name;
        }
    }
    return missing;
}

// Pixels of the image whose colour leans clearly to blue, or (warm) to red and yellow.
int LeaningPixels(const QImage& image, bool blue) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAlpha(p) < 128)
                continue;
            n += (blue ? qBlue(p) - qRed(p) : qRed(p) - qBlue(p)) > 60 ? 1 : 0;
        }
    return n;
}

// Pixels brighter than the popup's dark background could show by itself.
int BrightPixels(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            n += 0.2126 * qRed(p) + 0.7152 * qGreen(p) + 0.0722 * qBlue(p) > 150 ? 1 : 0;
        }
    return n;
}
} // namespace

class ScreenControlsTab : public QObject {
    Q_OBJECT

    std::unique_ptr<WiredProgram> m_program;
    MervexWnd* m_wnd = nullptr;
    MTMainCtrl* m_tab = nullptr;

    void Check(QWidget* w, const QString& name) {
        QCoreApplication::processEvents();
        QVERIFY(Save(w, name));
        const QStringList clipped = ClippedTexts(w);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1Char('\n'))));
        const QStringList missing = MissingImages(w);
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1Char('\n'))));
    }

private slots:
    void initTestCase() {
        const QString missing = ScreenMissing();
        if (!missing.isEmpty())
            QSKIP(qPrintable(missing));
        m_wnd = StartOnScreen(m_program);
        QVERIFY(m_wnd);
        m_tab = m_program->TabHooks()->ControlsTab();
        if (Language() != QLatin1String("en"))
            QVERIFY(LanguageTexts::ChooseOnPanel(m_wnd, Language()));
    }

    void cleanupTestCase() {
        // The added control is not kept: the close does not ask about it.
        if (m_tab)
            m_tab->GridEditor()->SetAskHandler([](int, const QString&, const QString&, int) { return 0x10000; });
        m_program.reset();
        const QString glDriver = LoadedGlDriver();
        QVERIFY2(glDriver.isEmpty(), qPrintable(QStringLiteral("a GL driver was loaded: ") + glDriver));
    }

    void controlsTab() {
        MTEGridEdit* grid = m_tab->GridEditor();
        grid->ShowGrid(QStringLiteral("CustomGrid:Custom Grid 1"));
        QStandardItemModel* model = m_tab->ControlList()->Model();
        const QModelIndexList found = model->match(model->index(0, 0), Qt::DisplayRole,
                                                   TranslateAtName(QStringLiteral("@Previous")), 1, Qt::MatchRecursive);
        QVERIFY(!found.isEmpty());
        m_tab->ControlList()->Tree()->selectionModel()->select(found.first(), QItemSelectionModel::ClearAndSelect);
        QTest::mouseClick(m_tab->ControlEditor()->Button("btnAdd2Grid"), Qt::LeftButton);
        QTest::qWait(300);
        Check(m_wnd, QStringLiteral("controls_tab"));
        Check(m_tab->ControlList(), QStringLiteral("controls_list"));
        Check(m_tab->ControlEditor(), QStringLiteral("controls_editor"));
        Check(grid, QStringLiteral("controls_grid_editor"));
        for (const char* image : {":/images/ScrCorner", ":/images/PopupTabsHelp", ":/images/BtnGridSpacer"})
            QVERIFY2(!QImage(QLatin1String(image)).isNull(), image);
    }

    // The tab bar tells pre-installed tabs by a blue LED in their upper right-hand corner (as TABS HELP
    // explains), custom tabs by one of another colour.
    void tabBarLeds() {
        TabView* tabs = m_tab->GridEditor()->Tabs();
        int presets = 0, customs = 0;
        for (int i = 0; i < tabs->Count(true); ++i) {
            TabElem* tab = tabs->Tab(i);
            if (tab->Kind() != TabElem::Preset && tab->Kind() != TabElem::Custom)
                continue;
            ImgWidget* led = tab->Led();
            QVERIFY2(led && led->isVisibleTo(tab) && !led->image().isNull(), qPrintable(tab->Key()));
            QCOMPARE(led->geometry().topRight(), QPoint(tab->width() - 1, 0));
            QVERIFY(tab->Mark() && !tab->Mark()->image().isNull());
            const bool preset = tab->Kind() == TabElem::Preset;
            const QImage shown = tab->grab(led->geometry()).toImage();
            QVERIFY2(LeaningPixels(shown, preset) > 8, qPrintable(tab->Key()));
            QCOMPARE(LeaningPixels(shown, !preset), 0);
            ++(preset ? presets : customs);
        }
        QVERIFY(presets >= 3);
        QVERIFY(customs >= 1);
        Check(m_tab->GridEditor(), QStringLiteral("controls_grid_editor_tabs"));
    }

    // TABS HELP: its text is light on the popup's dark background, and its picture shows the blue LED.
    void tabsHelp() {
        m_tab->GridEditor()->Button("btnTabHelp")->click();
        QTRY_VERIFY(qobject_cast<PopupWnd*>(QApplication::activeModalWidget()));
        auto* popup = qobject_cast<PopupWnd*>(QApplication::activeModalWidget());
        QCOMPARE(popup->windowTitle(), QCoreApplication::translate("MTEGridEdit", "TABS HELP"));
        QTest::qWait(100);
        Check(popup, QStringLiteral("popup_tabs_help"));
        auto* text = popup->findChild<QLabel*>(QStringLiteral("lblTabsHelpPreset"));
        QVERIFY(text && text->isVisible());
        QVERIFY2(text->heightForWidth(text->width()) <= text->height(), "the help text is cut off");
        QVERIFY2(BrightPixels(popup->grab(text->geometry()).toImage()) > 200, "the help text is not readable");
        popup->reject();
        QTRY_VERIFY(!QApplication::activeModalWidget());
    }

    void popups() {
        ShortcutPopup shortcut(m_wnd);
        shortcut.show();
        Check(&shortcut, QStringLiteral("popup_shortcut"));
        QVERIFY(!QImage(QStringLiteral(":/images/ShortcutPlus")).isNull());

        TilingPopup tiling(
            m_wnd,
            QStringLiteral(R"({"Tiling":"3x3","Tiles":["0,0,0.25,0.25,rr","0.25,0,0.5,0.25,sr",)"
                           R"("0.75,0,0.25,0.25,rr","0,0.25,0.25,0.5,rs","0.25,0.25,0.5,0.5,ss",)"
                           R"("0.75,0.25,0.25,0.5,rs","0,0.75,16,16,rr","16,48,32,16,sr","48,48,16,16,rr"]})"),
            QString());
        tiling.show();
        Check(&tiling, QStringLiteral("popup_tiling"));
        for (const char* name : {"L", "HC", "R", "T", "VC", "B", "TL", "TC", "TR", "CL", "CC", "CR", "BL", "BC", "BR"})
            QVERIFY2(!QImage(QStringLiteral(":/images/TileIcn_") + QLatin1String(name)).isNull(), name);

        MacroPopup macro(m_wnd, QString());
        macro.show();
        Check(&macro, QStringLiteral("popup_macro"));

        // The parameter popups of programs, files and web addresses, and the colour picker.
        OpenPopup program(m_wnd, true);
        program.show();
        Check(&program, QStringLiteral("popup_open_program"));
        OpenPopup document(m_wnd, false);
        document.show();
        Check(&document, QStringLiteral("popup_open_file"));
        UrlPopup url(m_wnd);
        url.show();
        Check(&url, QStringLiteral("popup_open_url"));
        ColPickPopup colour(m_wnd);
        colour.show();
        Check(&colour, QStringLiteral("popup_colour"));
        QVERIFY2(colour.text.isEmpty(), "a message text drawn over the colour well");
        for (const char* name : {"MCIcon_Dn", "MCIcon_Up", "MCIcon_Press", "MCIcon_Text", "MCIcon_MouseUp",
                                 "MCIcon_MouseDn", "MCIcon_Delay", "IcnTextPlus", "IcnTextX"})
            QVERIFY2(!QImage(QStringLiteral(":/images/") + QLatin1String(name)).isNull(), name);
    }

    // The control list's EXPORT PACKAGE opens the package popup over the window.
    void packagePopupFromTheControlList() {
        m_tab->ControlList()->Button("btnExport")->click();
        QTRY_VERIFY(qobject_cast<ImpExpPopup*>(QApplication::activeModalWidget()));
        auto* popup = qobject_cast<ImpExpPopup*>(QApplication::activeModalWidget());
        QTest::qWait(200);
        Check(popup, QStringLiteral("popup_package_export"));
        popup->reject();
        QTRY_VERIFY(!QApplication::activeModalWidget());
    }

    // ADD TO GRID on a grid without a free place says so in the program's message box.
    void fullGridBox() {
        MTEGridEdit* grid = m_tab->GridEditor();
        // Shown already after the controls tab (whose added control would be asked about here).
        if (grid->Canvas()->Grid().Name != QLatin1String("Custom Grid 1"))
            grid->ShowGrid(QStringLiteral("CustomGrid:Custom Grid 1"));
        const DataCfg::TControl control = m_tab->ControlEditor()->PreviewControl();
        while (grid->Canvas()->AddCtrl(control, 0, 0)) {
        }
        const int placed = grid->Canvas()->ViewCount();
        // The box's text in the language of the run.
        const QString full =
            QCoreApplication::translate("GridView", "There is no free place for this Control on the Grid.");
        QString shown;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* box = qobject_cast<PopupWnd*>(w);
                if (!box || !box->isVisible() || box->text != full)
                    continue;
                poll.stop();
                shown = box->text;
                Check(box, QStringLiteral("box_grid_full"));
                box->done(PopupWnd::OK);
                return;
            }
        });
        poll.start(200);
        m_tab->ControlEditor()->Button("btnAdd2Grid")->click();
        QVERIFY2(shown == full, qPrintable(shown));
        QCOMPARE(grid->Canvas()->ViewCount(), placed);
    }
};

QTEST_MAIN(ScreenControlsTab)
#include "screen_controlstab.moc"
