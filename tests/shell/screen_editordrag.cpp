// A control made in the controls tab by mouse and keyboard, on the program's real window under an X server:
// the user picks it in the control list, types its label, records its shortcut, drags its preview onto a free cell of
// the grid editor (the window stays where it is), exports it under a bare name typed into the file dialog and imports
// that file again. The control on the grid and the imported one are exactly the one made. Screenshots of the
// editor and the grid are saved for review. It runs under xvfb-run and skips elsewhere.
#include "config/datacfg.h"
#include "config/datacfgrecords.h"
#include "config/dataexchange.h"
#include "config/tconfig.h"
#include "config/tcontrol.h"
#include "config/tgrid.h"
#include "editor/gridview.h"
#include "editor/mtebuttonelements.h"
#include "editor/mteeditcontrol.h"
#include "editor/mtegridedit.h"
#include "functions/plugintools.h"
#include "runtime/ctrlview.h"
#include "shell/mervexstyle.h"
#include "shell/mervexwnd.h"
#include "shell/mtmainctrl.h"
#include "shell/programtabhooks.h"
#include "tests/common/controllist.h"
#include "tests/common/gldriver.h"
#include "tests/common/screenprogram.h"
#include "tests/common/screenshots.h"
#include "tests/common/wiredprogram.h"
#include "tests/shell/popupwatcher.h"
#include "widgets/popupwnd.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTreeView>
#include <QtTest>

// Last: the X headers define names that the toolkit headers use.
#include "tests/common/xuser.h"

namespace {
// The open popup of the program (a question), or null.
PopupWnd* OpenPopup() {
    auto* popup = qobject_cast<PopupWnd*>(QApplication::activeModalWidget());
    return popup && popup->isVisible() ? popup : nullptr;
}

QWidget* PopupButton(int value) {
    return PopupWatcher::Button(OpenPopup(), value);
}

// The file name field of the program's file dialog while it is open.
QLineEdit* FileDialogName() {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (!dialog || !dialog->isVisible())
        return nullptr;
    auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    return edit && edit->isVisible() ? edit : nullptr;
}

// Types the name into the open file dialog and confirms it with Enter (again while the dialog is still
// open: the first Enter may only close the name completion's list).
void TypeFileName(XUser& user, const QString& name) {
    user.WaitFor([] { return FileDialogName() != nullptr; });
    user.Click([] { return FileDialogName(); });
    user.Type(name);
    auto ticks = std::make_shared<int>(0);
    user.WaitFor([&user, ticks] {
        if (!qobject_cast<QFileDialog*>(QApplication::activeModalWidget()))
            return true;
        if ((*ticks)++ % 10 == 0)
            user.KeyNow(XK_Return);
        return false;
    });
}
} // namespace

class ScreenEditorDrag : public QObject {
    Q_OBJECT

    std::unique_ptr<WiredProgram> m_program;
    std::unique_ptr<XUser> m_user;
    MervexWnd* m_wnd = nullptr;
    MTMainCtrl* m_tab = nullptr;

private slots:
    void initTestCase() {
        const QString missing = ScreenMissing(&m_user);
        if (!missing.isEmpty())
            QSKIP(qPrintable(missing));
        // The toolkit's own file dialog, whatever desktop the display belongs to: the one whose fields the user
        // types into here.
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        m_wnd = StartOnScreen(m_program);
        QVERIFY(m_wnd);
        m_tab = m_program->TabHooks()->ControlsTab();
        m_tab->GridEditor()->ShowGrid(QStringLiteral("CustomGrid:Custom Grid 1"));
    }

    void cleanupTestCase() {
        // What the test made is not kept: the close asks nothing about it.
        if (m_tab)
            m_tab->GridEditor()->SetAskHandler([](int, const QString&, const QString&, int) { return 0x10000; });
        m_program.reset();
        m_user.reset();
        const QString glDriver = LoadedGlDriver();
        QVERIFY2(glDriver.isEmpty(), qPrintable(QStringLiteral("a GL driver was loaded: ") + glDriver));
    }

    void aControlDraggedExportedAndImportedEndsUpAsMade() {
        MTEEditControl* edit = m_tab->ControlEditor();
        MTEGridEdit* grids = m_tab->GridEditor();
        GridView* canvas = grids->Canvas();
        QTreeView* tree = m_tab->ControlList()->Tree();
        QStandardItemModel* model = m_tab->ControlList()->Model();
        const QModelIndexList found = model->match(model->index(0, 0), Qt::DisplayRole,
                                                   TranslateAtName(QStringLiteral("@Previous")), 1, Qt::MatchRecursive);
        QVERIFY(!found.isEmpty());
        tree->scrollTo(found.first());

        // Picked in the list and given a label of the user's own.
        m_user->Click([tree] { return tree->viewport(); }, tree->visualRect(found.first()).center());
        m_user->WaitFor([edit] { return edit->WorkingControl().Name == QLatin1String("Key Button"); });
        m_user->Click([edit] { return qobject_cast<QWidget*>(edit->OptionWidget(QStringLiteral("LE_txt/Label"))); });
        m_user->Key(XK_a, {XK_Control_L});
        m_user->Type(QStringLiteral("Lights On"));
        // And a shortcut of its own, recorded by pressing it.
        m_user->Click([edit]() -> QWidget* {
            return edit->FormContainer()->findChild<QPushButton*>(QStringLiteral("ShortcutRecord"));
        });
        m_user->Key(XK_l, {XK_Control_L, XK_Shift_L});
        m_user->WaitFor([edit] {
            const QVariantMap values = edit->PreviewControl().Config.GetValues();
            return !edit->ApplyPending() &&
                   values.value(QStringLiteral("LE_txt/Label")).toString() == QLatin1String("Lights On") &&
                   values.value(QStringLiteral("Shortcut")).toString() == QLatin1String("LSHIFT,LCTRL+L");
        });
        QVERIFY(m_user->Run());
        const DataCfg::TControl made = edit->PreviewControl();
        const QVariantMap madeValues = made.Config.GetValues();

        // A free cell of the grid that the screen shows whole.
        const QSize cells(qMax(made.Size.width(), 1), qMax(made.Size.height(), 1));
        const QRect shown = canvas->visibleRegion().boundingRect();
        QRect target;
        for (int row = 0; row < 8 && target.isNull(); ++row) {
            for (int column = 0; column < 8 && target.isNull(); ++column) {
                const QRect r(column * GridView::EditCell, row * GridView::EditCell, cells.width() * GridView::EditCell,
                              cells.height() * GridView::EditCell);
                bool free = shown.contains(r);
                for (CtrlView* v : canvas->findChildren<CtrlView*>())
                    free = free && !(v->isVisible() && v->geometry().intersects(r));
                if (free)
                    target = r;
            }
        }
        QVERIFY2(!target.isNull(), "no free cell on the screen");
        const int before = canvas->Grid().Elements.size();
        const QPoint windowAt = m_wnd->pos();

        // Pressed on the preview and dropped on the cell.
        CtrlView* preview = edit->Preview();
        const QPoint grip = preview->rect().center();
        const QPoint dropAt = target.topLeft() + QPoint(20, 20);
        m_user->MoveTo([preview] { return preview; }, grip, 3);
        m_user->Press();
        m_user->MoveTo([preview] { return preview; }, grip + QPoint(30, 0), 4);
        m_user->MoveTo([canvas] { return canvas; }, dropAt, 16);
        m_user->Pause(3);
        m_user->Release();
        m_user->WaitFor([canvas, before] { return canvas->Grid().Elements.size() > before; });
        QVERIFY2(m_user->Run(), "the dropped control did not reach the grid");
        QTest::qWait(200);
        QCOMPARE(m_wnd->pos(), windowAt);
        QCOMPARE(canvas->Grid().Elements.size(), before + 1);
        const DataCfg::TGridElem placed = canvas->Grid().Elements.last();
        QCOMPARE(placed.Position, QPoint(target.x() / GridView::EditCell, target.y() / GridView::EditCell));
        QCOMPARE(placed.Config.value(QStringLiteral("LE_txt/Label")).toString(), QStringLiteral("Lights On"));
        QCOMPARE(placed.Config.value(QStringLiteral("Shortcut")).toString(), QStringLiteral("LSHIFT,LCTRL+L"));
        QVERIFY(Screenshots::Save(grids, QStringLiteral("dragged_to_grid")));

        // Exported under a bare name typed into the file dialog.
        const QString exchange = PluginTools::GetUserPath() + QStringLiteral("Exchange/");
        QFile::remove(exchange + QStringLiteral("made by hand.mvlc"));
        m_user->Click([edit] { return edit->Button("btnExport"); });
        TypeFileName(*m_user, QStringLiteral("made by hand"));
        m_user->WaitFor([] { return !QApplication::activeModalWidget(); });
        QVERIFY2(m_user->Run(), "the export did not end");
        const QString file = exchange + QStringLiteral("made by hand.mvlc");
        QCOMPARE(DetectExchangeKind(file), int(EK_Control));

        // Another control in the editor, then the file imported: the grid's change is saved first.
        QVERIFY(SelectInControlList(m_tab->ControlList(), TranslateAtName(QStringLiteral("@Volume"))));
        QTRY_VERIFY(edit->WorkingControl().Config.GetValues() != madeValues);
        m_user->Click([edit] { return edit->Button("btnImport"); });
        auto answered = std::make_shared<bool>(false);
        m_user->WaitFor([this, answered] {
            if (FileDialogName())
                return true;
            QWidget* yes = PopupButton(PopupWnd::YES);
            if (yes && !*answered) {
                *answered = true;
                m_user->ClickNow(yes);
            }
            return false;
        });
        TypeFileName(*m_user, QStringLiteral("made by hand.mvlc"));
        m_user->WaitFor([] { return !QApplication::activeModalWidget(); });
        QVERIFY2(m_user->Run(), "the import did not end");
        QTRY_COMPARE(edit->WorkingControl().Name, made.Name);
        QCOMPARE(edit->WorkingControl().Config.GetValues(), madeValues);
        QCOMPARE(qobject_cast<QLineEdit*>(edit->OptionWidget(QStringLiteral("LE_txt/Label")))->text(),
                 QStringLiteral("Lights On"));
        QTest::qWait(200);
        QVERIFY(Screenshots::Save(edit, QStringLiteral("imported_control")));
        QVERIFY(Screenshots::Save(m_wnd, QStringLiteral("controls_tab_after_import")));
    }
};

QTEST_MAIN(ScreenEditorDrag)
#include "screen_editordrag.moc"
