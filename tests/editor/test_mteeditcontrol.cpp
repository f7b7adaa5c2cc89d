// The control editor and the control list: the form generated from a control's options, the value texts of
// its widgets, the apply step, zoom, the parameter popups reached from the drop-down tags, saving into the
// user's own list, import, file drops, and the control list's menu, tree and remembered categories.

#include "config/dataexchange.h"
#include "config/tconfig.h"
#include "config/tcontrol.h"
#include "config/tctrlset.h"
#include "config/tgrid.h"
#include "config/tusercfg.h"
#include "config/ziputils.h"
#include "editor/gridview.h"
#include "editor/macropopup.h"
#include "editor/mtebuttonelements.h"
#include "editor/mteeditcontrol.h"
#include "editor/mtegridedit.h"
#include "editor/openpopup.h"
#include "editor/shortcutpopup.h"
#include "editor/urlpopup.h"
#include "foundation/json.h"
#include "runtime/ctrlview.h"
#include "tests/editor/gridfixture.h"
#include "widgets/ctrlposition.h"
#include "widgets/qcomboboxex.h"
#include "widgets/spinner.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>
#include <QTreeView>
#include <QUrl>

#include <algorithm>

namespace {

// A file dropped as the Windows shell hands it over (wide file name) or as a Linux file manager does (URI list).
QMimeData* FileDrop(const QString& path, bool uriList = false) {
    auto* mime = new QMimeData;
    if (uriList) {
        mime->setUrls({QUrl::fromLocalFile(path)});
        return mime;
    }
    QString text = path;
    text.append(QChar(0));
    mime->setData(QStringLiteral("FileNameW"),
                  QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2));
    return mime;
}

} // namespace

class TestMTEEditControl : public QObject {
    Q_OBJECT
    GridFixture m_fx;
    LogCapture* m_log = nullptr;
    QTemporaryDir m_user;

    DataCfg::TControl Control(const char* key) { return m_fx.cfg->FindControl(QString::fromLatin1(key)); }
    // A fresh editor with the form control selected.
    MTEEditControl* FormEditor(QWidget* parent) {
        auto* ed = new MTEEditControl(parent);
        DataCfg::TControl c = Control("CE:Form");
        ed->OnSelControl(c);
        return ed;
    }

private slots:
    void initTestCase() {
        // Packages are staged below the runtime folder: one of this test alone, not one that other tests
        // running at the same time empty.
        qputenv("XDG_RUNTIME_DIR", m_user.path().toLocal8Bit());
        m_log = new LogCapture;
        PluginTools::SetUserPath(m_user.path() + QLatin1Char('/'));
        m_fx.Load(this);
        QVERIFY(m_fx.cfg->LoadIncludeFile(QStringLiteral(MERVEX_TEST_SOURCE_DIR "/fixtures/ctrledit"),
                                          QStringLiteral("ctrledit.json")));
        m_fx.cfg->LoadUserCfg(m_user.filePath(QStringLiteral("userCfg.json")));
    }
    void cleanupTestCase() {
        MTEEditControl::SetPopupRunner(nullptr);
        delete m_log;
    }

    void formHasOneWidgetPerEditableOption() {
        QWidget top;
        MTEEditControl* ed = FormEditor(&top);
        const QStringList names = ed->OptionWidgetNames();
        // Passwords have no widget, an unknown button type neither; the label text of the layout element is
        // edited in its own row, never as an option row of its own.
        QCOMPARE(names, (QStringList{"Action", "Align", "Colour", "Dir", "Flag", "Go", "Image", "Keys", "LE_txt/Label",
                                     "Level", "Level#", "Mode", "Notes", "One", "Pick", "Size", "Title", "Where"}));
        QVERIFY(qobject_cast<QTextEdit*>(ed->OptionWidget("Notes")));
        QCOMPARE(qobject_cast<QTextEdit*>(ed->OptionWidget("Notes"))->maximumHeight(), 16 * 21);
        QVERIFY(qobject_cast<QLineEdit*>(ed->OptionWidget("One")));
        QVERIFY(qobject_cast<QButtonGroup*>(ed->OptionWidget("Mode")));
        QCOMPARE(qobject_cast<QLineEdit*>(ed->OptionWidget("LE_txt/Label"))->text(), QStringLiteral("hello"));
        QCOMPARE(m_log->Count("Invalid Config Button type="), 1);
        // Every tag of the drop-down list became an entry that opens its editor, and the box is editable.
        auto* action = qobject_cast<QComboBoxEx*>(ed->OptionWidget("Action"));
        QVERIFY(action->isEditable());
        QCOMPARE(action->itemData(1).toString(), QStringLiteral("shortcut"));
        QCOMPARE(action->itemText(5), QStringLiteral("Assign a macro ..."));
    }

    void valuesReadAndWriteTheirTextForms() {
        QWidget top;
        MTEEditControl* ed = FormEditor(&top);
        QCOMPARE(ed->GetConfigValue("Flag").toInt(), 1); // partially checked
        QCOMPARE(ed->GetConfigValue("Where").toString(), QStringLiteral("3,7"));
        QCOMPARE(ed->GetConfigValue("Mode").toInt(), 1);
        QCOMPARE(ed->GetConfigValue("Pick").toString(), QStringLiteral("y")); // verbatim: the text
        QCOMPARE(ed->GetConfigValue("Size").toInt(), 7);
        QCOMPARE(ed->GetConfigValue("Nothing").toInt(), 0);
        auto* title = qobject_cast<QLineEdit*>(ed->OptionWidget("Title"));
        title->setText(QStringLiteral("xy"));
        title->setCursorPosition(1);
        ed->SetConfigValue("Title", QStringLiteral("::ins::abc"));
        QCOMPARE(title->text(), QStringLiteral("xabcy"));
        QCOMPARE(title->cursorPosition(), 1);
        ed->SetConfigValue("Size", QStringLiteral("500"));
        QCOMPARE(ed->GetConfigValue("Size").toInt(), 100);
    }

    void spinnerWithListTakesTypedDigits() {
        QWidget top;
        MTEEditControl* ed = FormEditor(&top);
        auto* box = qobject_cast<QComboBoxEx*>(ed->OptionWidget("Level#"));
        box->setEditText(QStringLiteral("1a2"));
        QCOMPARE(ed->GetConfigValue("Level").toInt(), 12);
        QCOMPARE(box->currentText(), QStringLiteral("12%"));
    }

    // A left press on the preview is the start of a drag onto a grid: the control is offered it, and it goes
    // no further up (the main window moves itself by a press that reaches it).
    void aPressOnThePreviewStaysThere() {
        struct Window : QWidget {
            int presses = 0;
            void mousePressEvent(QMouseEvent* e) override {
                ++presses;
                e->accept();
            }
        };
        Window top;
        MTEEditControl* ed = FormEditor(&top);
        top.show();
        QVERIFY(QTest::qWaitForWindowExposed(&top));
        QTest::mousePress(ed->Preview(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        QTest::mouseRelease(ed->Preview(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        QCOMPARE(top.presses, 0);
        // A press beside the preview still reaches the window.
        QTest::mousePress(&top, Qt::LeftButton, Qt::NoModifier, QPoint(1, 1));
        QCOMPARE(top.presses, 1);
    }

    void anEditReachesTheOptionAndThePreview() {
        QWidget top;
        MTEEditControl* ed = FormEditor(&top);
        QSignalSpy applied(ed, &MTEEditControl::ApplyCfg);
        ed->InitTimers();
        // The 10 ms apply check runs only while an edit waits: an idle editor does not keep waking the program.
        auto applyChecking = [ed]() {
            const QList<QTimer*> timers = ed->findChildren<QTimer*>(QString(), Qt::FindDirectChildrenOnly);
            return std::count_if(timers.cbegin(), timers.cend(),
                                 [](const QTimer* t) { return t->isActive() && t->interval() == 10; });
        };
        QCOMPARE(applyChecking(), 0);
        auto* title = qobject_cast<QLineEdit*>(ed->OptionWidget("Title"));
        QTest::keyClicks(title, QStringLiteral("!"));
        QVERIFY(ed->ApplyPending());
        QCOMPARE(applyChecking(), 1);
        QTRY_COMPARE(applied.count(), 1);
        QVERIFY(!ed->ApplyPending());
        QCOMPARE(applyChecking(), 0);
        QCOMPARE(ed->WorkingControl().Config.Options.at(0).Value, QStringLiteral("hi!"));
        DataCfg::TControl shown = ed->PreviewControl();
        QCOMPARE(shown.Config.FindOption("Title")->Value, QStringLiteral("hi!"));
        // The element text is applied as its own option.
        QCOMPARE(shown.Config.FindOption("LE_txt/Label")->Value, QStringLiteral("hello"));
        // The preview's 100 ms tick runs only while the editor is shown; the edit above reached the preview
        // of the hidden editor all the same.
        auto ticking = [ed]() {
            const QList<QTimer*> timers = ed->findChildren<QTimer*>(QString(), Qt::FindDirectChildrenOnly);
            return std::count_if(timers.cbegin(), timers.cend(),
                                 [](const QTimer* t) { return t->isActive() && t->interval() == 100; });
        };
        QCOMPARE(ticking(), 0);
        top.show();
        QVERIFY(QTest::qWaitForWindowExposed(&top));
        QCOMPARE(ticking(), 1);
        top.hide();
        QCOMPARE(ticking(), 0);
    }

    void zoomFollowsTheControlSize_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("scale");
        QTest::addColumn<QString>("shown");
        QTest::newRow("2x2 fits at half size") << "CE:Square" << QString() << 0.5 << "100%";
        QTest::newRow("4x4 fits the area height") << "CE:Big" << QString() << 0.375 << "75%";
        QTest::newRow("300 clamps to 200%") << "CE:Square"
                                            << "300" << 1.0 << "";
        QTest::newRow("no digits read as 0: 50%") << "CE:Square"
                                                  << "abc" << 0.25 << "";
    }
    void zoomFollowsTheControlSize() {
        QFETCH(QString, control);
        QFETCH(QString, typed);
        QFETCH(double, scale);
        QFETCH(QString, shown);
        MTEEditControl ed;
        DataCfg::TControl c = m_fx.cfg->FindControl(control);
        ed.OnSelControl(c);
        if (!typed.isEmpty())
            ed.ZoomBox()->setEditText(typed);
        else
            QCOMPARE(ed.ZoomBox()->currentText(), shown);
        QCOMPARE(ed.Preview()->GetScale(), scale);
        QCOMPARE(ed.Preview()->width(), int(c.Size.width() * 160 * scale));
    }

    // A control the configuration lacks (a list entry or grid element of a removed plug-in) changes nothing:
    // the edited control stays with the form that shows it, so a save or export still takes the right one.
    void aMissingControlChangesNothing() {
        QWidget top;
        MTEEditControl* ed = FormEditor(&top);
        const QString title = ed->Title();
        const QVariantMap values = ed->WorkingControl().Config.GetValues();
        LogCapture rec;
        DataCfg::TControl empty;
        ed->OnSelControl(empty);
        ed->OnSelControl(QStringLiteral("Gone:Knob"));
        QVERIFY(rec.Has("Can't find Control: \"Gone:Knob\""));
        QCOMPARE(ed->Title(), title);
        QVERIFY(ed->OptionWidget("Title"));
        QCOMPARE(ed->WorkingControl().Name, QStringLiteral("Form"));
        QCOMPARE(ed->WorkingControl().Config.GetValues(), values);
    }

    // Each tag of a drop-down list opens its own popup; OK shows the value with its prefix, any other end
    // brings back what the box showed before.
    void dropDownTagsOpenTheirPopups_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("popup");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("shown");
        QTest::newRow("shortcut") << 1 << "ShortcutPopup" << true << "Shortcut: A";
        QTest::newRow("shortcut cancelled") << 1 << "ShortcutPopup" << false << "before";
        QTest::newRow("program") << 2 << "OpenPopup" << true << "Execute: /bin/true";
        QTest::newRow("document") << 3 << "OpenPopup" << true << "Execute: /bin/true";
        QTest::newRow("website") << 4 << "UrlPopup" << true << "Execute: https://example.org";
        QTest::newRow("macro") << 5 << "MacroPopup" << false << "before";
    }
    void dropDownTagsOpenTheirPopups() {
        QFETCH(int, index);
        QFETCH(QString, popup);
        QFETCH(bool, ok);
        QFETCH(QString, shown);
        QWidget top;
        MTEEditControl* ed = FormEditor(&top);
        auto* box = qobject_cast<QComboBoxEx*>(ed->OptionWidget("Action"));
        box->setEditText(QStringLiteral("before"));
        QString opened;
        MTEEditControl::SetPopupRunner([&](QDialog* d) {
            opened = QString::fromLatin1(d->metaObject()->className());
            if (auto* s = qobject_cast<ShortcutPopup*>(d)) {
                s->KeyEdit()->setText(QStringLiteral("A"));
            } else if (auto* o = qobject_cast<OpenPopup*>(d)) {
                o->PathEdit()->setText(QStringLiteral("/bin/true"));
            } else if (auto* u = qobject_cast<UrlPopup*>(d)) {
                u->UrlEdit()->setText(QStringLiteral("https://example.org"));
            }
            return ok ? MTEEditControl::Ok : 0;
        });
        box->setCurrentIndex(index);
        MTEEditControl::SetPopupRunner(nullptr);
        QCOMPARE(opened, popup);
        QCOMPARE(box->currentText(), shown);
        QVERIFY(ed->ApplyPending());
    }

    void savingFilesTheControlInTheUsersList() {
        QWidget top;
        MTEEditControl* ed = FormEditor(&top);
        QSignalSpy saved(ed, &MTEEditControl::ControlsSaved);
        int asked = 0;
        QString category = QStringLiteral("Mine");
        ed->SetSaveAsAsker([&](QString& c, QString& n) {
            ++asked;
            c = category;
            n = QStringLiteral(" Form copy ");
            return true;
        });
        // Selected from no user list: Save asks for the name.
        ed->OnSave();
        QCOMPARE(asked, 1);
        QCOMPARE(saved.count(), 1);
        DataCfg::TCtrlSet mine = m_fx.cfg->GetMyControlsSet();
        QCOMPARE(mine.Elements.size(), 1);
        QCOMPARE(mine.Elements.at(0).Name, QStringLiteral("Form copy"));
        QCOMPARE(mine.Elements.at(0).Control, QStringLiteral("CE:Form"));
        QCOMPARE(mine.Elements.at(0).Config.value("Title").toString(), QStringLiteral("hi"));
        // Now from the user's list: Save updates the same entry without asking.
        qobject_cast<QLineEdit*>(ed->OptionWidget("Title"))->setText(QStringLiteral("changed"));
        ed->OnSave();
        QCOMPARE(asked, 1);
        mine = m_fx.cfg->GetMyControlsSet();
        QCOMPARE(mine.Elements.size(), 1);
        QCOMPARE(mine.Elements.at(0).Config.value("Title").toString(), QStringLiteral("changed"));
        // A new category makes a second entry.
        category = QStringLiteral("Other");
        ed->OnSaveAs();
        QCOMPARE(m_fx.cfg->GetMyControlsSet().Elements.size(), 2);
        // A blank category saves nothing and says so.
        QStringList told;
        ed->SetAskHandler([&](int, const QString&, const QString& text, int) {
            told << text;
            return 0;
        });
        category = QStringLiteral("  ");
        ed->OnSaveAs();
        QCOMPARE(m_fx.cfg->GetMyControlsSet().Elements.size(), 2);
        QCOMPARE(told.size(), 1);
        QVERIFY(told.first().contains(QLatin1String("needs a category and a name")));
        QCOMPARE(saved.count(), 3);
        // It is on disk.
        QFile file(m_user.filePath(QStringLiteral("userCfg.json")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray stored = file.readAll();
        QVERIFY(stored.contains("\"Other\""));
        QVERIFY(stored.contains("\"changed\""));
        m_fx.cfg->GetMyControlsSet().Elements.clear();
    }

    void exportedControlImportsAgain() {
        QWidget top;
        MTEEditControl* ed = FormEditor(&top);
        qobject_cast<QLineEdit*>(ed->OptionWidget("Title"))->setText(QStringLiteral("packed"));
        const QString path = m_user.filePath(QStringLiteral("form.mvlc"));
        QStringList boxes;
        ed->SetAskHandler([&](int, const QString& title, const QString& text, int) {
            boxes << title + QLatin1Char('|') + text;
            return 0x400;
        });
        ed->SetSaveFileAsker([&](const QString&, const QString&, const QString&) { return path; });
        ed->OnExport();
        QCOMPARE(boxes, QStringList());
        QCOMPARE(DetectExchangeKind(path), int(EK_Control));
        DataCfg::TControl square = Control("CE:Square");
        ed->OnSelControl(square);
        ed->OnImport(path);
        QCOMPARE(ed->WorkingControl().Name, QStringLiteral("Form"));
        QCOMPARE(ed->WorkingControl().Config.GetValues().value("Title").toString(), QStringLiteral("packed"));
    }

    void aFailedImportKeepsTheEditedControl() {
        QWidget top;
        MTEEditControl* ed = FormEditor(&top);
        qobject_cast<QLineEdit*>(ed->OptionWidget("Title"))->setText(QStringLiteral("kept"));
        ed->CheckApplyCfg();
        QStringList boxes;
        ed->SetAskHandler([&](int, const QString& title, const QString& text, int) {
            boxes << title + QLatin1Char('|') + text;
            return 0x400;
        });
        const QString broken = m_user.filePath(QStringLiteral("broken.mvlc"));
        QFile file(broken);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a package");
        file.close();
        ed->OnImport(broken);
        QCOMPARE(boxes.size(), 1);
        QVERIFY(boxes.at(0).startsWith(QStringLiteral("Error|")));
        QCOMPARE(ed->WorkingControl().Name, QStringLiteral("Form"));
        QCOMPARE(qobject_cast<QLineEdit*>(ed->OptionWidget("Title"))->text(), QStringLiteral("kept"));
    }

    void importedGridNamesStayInTheirFolder_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("filed");
        QTest::newRow("numbered copy of an existing grid") << "Deck_3"
                                                           << "Deck_1";
        QTest::newRow("leading underscore kept") << "_5"
                                                 << "_5";
        QTest::newRow("path characters dropped") << "../../evil/x"
                                                 << "evilx";
        QTest::newRow("nothing left") << "/.."
                                      << "Imported Grid";
    }
    void importedGridNamesStayInTheirFolder() {
        QFETCH(QString, name);
        QFETCH(QString, filed);
        QWidget top;
        auto* grid = new MTEGridEdit(&top);
        const QString folder = m_user.filePath(QStringLiteral("CustomGrids/"));
        QDir().mkpath(folder);
        grid->SetCustomGridPath(folder);
        DataCfg::TGrid existing;
        existing.NewId();
        existing.Name = QStringLiteral("Deck");
        existing.Set = CustomGridSet;
        existing.Custom = true;
        existing.File = folder + QStringLiteral("Deck.json");
        m_fx.cfg->Grids() << existing;
        QVERIFY(m_fx.cfg->SaveCustomGrid(QString(), QStringLiteral("Deck")).isEmpty());

        // A grid package of a grid by that name.
        DataCfg::TGrid g;
        g.Name = name;
        g.Height = 6;
        QString error;
        const QString staging = m_user.filePath(QStringLiteral("pkg/"));
        QDir().mkpath(staging);
        QFile json(staging + QStringLiteral("grid.json"));
        QVERIFY(json.open(QIODevice::WriteOnly));
        json.write(JsonSerialize(g.WriteStored(), error, 1));
        json.close();
        const QString archive = m_user.filePath(QStringLiteral("grid.mvlp"));
        QFile::remove(archive);
        QVERIFY(ZipDir(staging, archive));

        MTEEditControl ed;
        ed.SetGridEditor(grid);
        ed.OnImport(archive);
        QCOMPARE(grid->Canvas()->Grid().Name, filed);
        QVERIFY(QFileInfo::exists(folder + filed + QStringLiteral(".json")));
        QCOMPARE(QFileInfo(grid->Canvas()->Grid().File).absolutePath(), QFileInfo(folder).absolutePath());
        m_fx.cfg->LoadCustomGrids();
        QVERIFY(m_fx.cfg->DeleteCustomGrid(filed).isEmpty());
        QVERIFY(m_fx.cfg->DeleteCustomGrid(QStringLiteral("Deck")).isEmpty());
    }

    void droppedFilesFillTheMatchingOption_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("option");
        QTest::addColumn<bool>("uriList");
        for (bool uri : {false, true}) {
            const char* form = uri ? ", URI list" : ", file name";
            QTest::addRow("png%s", form) << "a.png"
                                         << "Image" << uri;
            QTest::addRow("PNG is not *.png%s", form) << "b.PNG"
                                                      << "" << uri;
            QTest::addRow("folder%s", form) << "dir"
                                            << "Dir" << uri;
            QTest::addRow("space in name%s", form) << "my icon.png"
                                                   << "Image" << uri;
        }
    }
    void droppedFilesFillTheMatchingOption() {
        QFETCH(QString, file);
        QFETCH(QString, option);
        QFETCH(bool, uriList);
        QWidget top;
        MTEEditControl* ed = FormEditor(&top);
        const QString path = m_user.filePath(file);
        if (file == QLatin1String("dir")) {
            QDir().mkpath(path);
        } else {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        std::unique_ptr<QMimeData> mime(FileDrop(path, uriList));
        // The drop reaches the widget whose drag-enter took it.
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(ed, &enter);
        QCOMPARE(enter.isAccepted(), !option.isEmpty());
        if (option.isEmpty())
            return;
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(ed, &drop);
        QVERIFY(drop.isAccepted());
        QCOMPARE(qobject_cast<QLineEdit*>(ed->OptionWidget(option))->text(), path);
    }

    void theControlListGroupsSetsAndRemembersCategories() {
        MTEButtonElements::ResetFirstSelection();
        QList<DataCfg::TCtrlSet>& sets = m_fx.cfg->CtrlSets();
        const int before = sets.size();
        DataCfg::TCtrlSet plugin;
        plugin.Name = QStringLiteral("[Plugin] Lights");
        DataCfg::TCtrlSet preset;
        preset.Name = QStringLiteral("Anything");
        preset.Set = QStringLiteral("[MERVEX]");
        DataCfg::TCtrlSet tree;
        tree.Name = QStringLiteral("Tree");
        tree.ExpandCategories = QStringList{QStringLiteral("*")};
        tree.CollapseCategories = QStringList{QStringLiteral("A/B")};
        for (const char* category : {"A", "A/B", "C"}) {
            DataCfg::TCtrlRef e;
            e.Name = QString::fromLatin1(category) + QStringLiteral(" form");
            e.Category = QString::fromLatin1(category);
            e.Control = QStringLiteral("CE:Form");
            e.Config.insert(QStringLiteral("Title"), QString::fromLatin1(category));
            tree.Elements << e;
        }
        sets << plugin << preset << tree;

        MTEButtonElements list;
        MTEEditControl ed;
        ed.SetControlList(&list);
        connect(&list, &MTEButtonElements::OnSelControl, &ed, qOverload<const QString&>(&MTEEditControl::OnSelControl));
        list.Fill();
        auto titles = [](QMenu* m) {
            QStringList out;
            for (QAction* a : m->actions())
                out << a->data().toString();
            return out;
        };
        QVERIFY(titles(list.SubMenu(0)).contains(QStringLiteral("Anything")));
        QVERIFY(titles(list.SubMenu(2)).contains(QStringLiteral("[Plugin] Lights")));

        list.OnCmbCategoryChanged(QStringLiteral("Tree"));
        QStandardItemModel* model = list.Model();
        auto folder = [&](const QString& path) {
            const QModelIndexList found =
                model->match(model->index(0, 0), MTEButtonElements::PathRole, path, 1, Qt::MatchRecursive);
            return found.isEmpty() ? QModelIndex() : found.first();
        };
        QVERIFY(list.Tree()->isExpanded(folder("A")));
        QVERIFY(!list.Tree()->isExpanded(folder("A/B")));
        QVERIFY(list.Tree()->isExpanded(folder("C")));

        // Choosing a control selects it in the editor with the entry's stored values.
        const QModelIndex control = model->index(0, 0, folder("C"));
        list.Tree()->selectionModel()->select(control, QItemSelectionModel::ClearAndSelect);
        QCOMPARE(ed.EntryName(), QStringLiteral("C form"));
        QCOMPARE(ed.Category(), QStringLiteral("C"));
        QCOMPARE(ed.WorkingControl().Config.GetValues().value("Title").toString(), QStringLiteral("C"));

        // Open and closed categories survive a refill.
        list.Tree()->setExpanded(folder("A/B"), true);
        list.Tree()->setExpanded(folder("C"), false);
        list.StoreTreeState();
        list.UpdateTree();
        QVERIFY(list.Tree()->isExpanded(folder("A/B")));
        QVERIFY(!list.Tree()->isExpanded(folder("C")));
        sets.erase(sets.begin() + before, sets.end());
    }
};

QTEST_MAIN(TestMTEEditControl)
#include "test_mteeditcontrol.moc"
