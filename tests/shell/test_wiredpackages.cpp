// Packages reach the running program: a package dropped on the window opens the package popup, whose
// IMPORT adds the ticked grid as a custom grid and the ticked control to the user's own list; a plug-in
// package dropped there is installed after its question, and its library is asked about at once. A control
// exported by the control editor imports into a clean user folder and exports from there unchanged; the
// control list's package buttons carry the user's own controls to another user folder.
#include "config/datacfg.h"
#include "config/datacfgrecords.h"
#include "config/dataexchange.h"
#include "config/ziputils.h"
#include "editor/exchangeui.h"
#include "editor/impexppopup.h"
#include "editor/mtebuttonelements.h"
#include "editor/mteeditcontrol.h"
#include "editor/mtegridedit.h"
#include "editor/tabelem.h"
#include "editor/tabview.h"
#include "shell/mtmainctrl.h"
#include "shell/programtabhooks.h"
#include "tests/common/controllist.h"
#include "tests/common/popupanswer.h"
#include "tests/common/testzip.h"
#include "tests/common/wiredprogram.h"
#include "widgets/popupwnd.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QListView>
#include <QMimeData>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>
#include <QUrl>
#include <QtTest>

namespace {
// Every file below the folder by its path relative to it, with its bytes.
QMap<QString, QByteArray> Contents(const QString& folder) {
    QMap<QString, QByteArray> out;
    for (const QFileInfo& info : ListFilesRecursive(folder)) {
        QFile f(info.absoluteFilePath());
        if (f.open(QIODevice::ReadOnly))
            out.insert(QDir(folder).relativeFilePath(info.absoluteFilePath()), f.readAll());
    }
    return out;
}

void Drop(QWidget* wnd, const QString& path) {
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(wnd, &enter);
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(wnd, &drop);
}

// The user at the screen: ticks everything in a package popup and imports, says yes to a plug-in, no to a
// library, OK to the rest; remembers every message.
struct User : QObject {
    QStringList seen;
    bool cancelPackages = false; // CANCEL in the package popup
    QTimer timer;
    User() {
        connect(&timer, &QTimer::timeout, this, &User::Act);
        timer.start(30);
    }
    void Act() {
        auto* popup = qobject_cast<PopupWnd*>(QApplication::activeModalWidget());
        if (!popup || !popup->isVisible())
            return;
        if (auto* pkg = qobject_cast<ImpExpPopup*>(popup)) {
            seen << pkg->windowTitle();
            if (cancelPackages) {
                ClickPopupButton(pkg, PopupWnd::CANCEL);
                return;
            }
            pkg->ControlModel()->item(0)->setCheckState(Qt::Checked);
            pkg->GridModel()->item(0)->setCheckState(Qt::Checked);
            QMetaObject::invokeMethod(pkg->ActionButton(), "click", Qt::QueuedConnection);
            return;
        }
        seen << popup->windowTitle() + QLatin1Char('|') + popup->text;
        if (popup->text.contains(QLatin1String("import this plugin")))
            ClickPopupButton(popup, PopupWnd::YES);
        else if (popup->text.contains(QLatin1String("wants to load")))
            ClickPopupButton(popup, PopupWnd::NO);
        else
            ClickPopupButton(popup, PopupWnd::OK);
    }
    bool Saw(const QString& part) const { return !seen.filter(part).isEmpty(); }
    // The message boxes seen, the package popups left out.
    QStringList Boxes() const { return seen.filter(QStringLiteral("|")); }
};

// Names the folder cannot hold a file of: the JSON writer's temporary file there is a folder instead.
void BlockJsonWrite(const QString& jsonPath) {
    QDir().mkpath(JsonTempName(jsonPath));
}

// The parts of a package of one empty grid.
QByteArray NoControls() {
    return "{\"Name\":\"P\",\"Elements\":[]}";
}
QByteArray GridPackage(const QByteArray& name, const QByteArray& title) {
    return "[{\"Name\":\"" + name + "\",\"Title\":\"" + title + "\",\"Elements\":[]}]";
}

// The file names the program's own open dialog lists in the folder under the filter.
QStringList ListedByDialog(const QString& folder, const QString& filter) {
    QFileDialog dialog(nullptr, QString(), folder, filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.show();
    auto* list = dialog.findChild<QListView*>(QStringLiteral("listView"));
    QStringList names;
    if (!list)
        return names;
    // The folder is read in the background; the list fills when it is done.
    if (!QTest::qWaitFor([&] { return list->model()->rowCount(list->rootIndex()) > 0; }, 5000))
        return names;
    QTest::qWait(100);
    for (int r = 0; r < list->model()->rowCount(list->rootIndex()); ++r)
        names << list->model()->index(r, 0, list->rootIndex()).data().toString();
    names.sort();
    return names;
}
} // namespace

class TestWiredPackages : public QObject {
    Q_OBJECT
    std::unique_ptr<User> m_user;
    std::unique_ptr<WiredProgram> m_program;
    QTemporaryDir m_dir;
    QTemporaryDir m_runtime;

private slots:
    // Packages are staged below the runtime folder: one of this test alone.
    void initTestCase() { qputenv("XDG_RUNTIME_DIR", m_runtime.path().toLocal8Bit()); }
    void init() {
        m_program = std::make_unique<WiredProgram>();
        QVERIFY(m_program->Started());
        m_user = std::make_unique<User>();
    }
    // The user stays for the questions of the closing window.
    void cleanup() {
        m_program.reset();
        m_user.reset();
        ExchangeUi::SetOpenFileAsker(nullptr);
        ExchangeUi::SetSaveFileAsker(nullptr);
    }

    MTMainCtrl* Tab() const { return m_program->TabHooks()->ControlsTab(); }
    // The program again, on a new user folder of its own.
    void StartClean() {
        m_program.reset();
        m_user.reset();
        m_program = std::make_unique<WiredProgram>();
        QVERIFY(m_program->Started());
        m_user = std::make_unique<User>();
    }

    void aControlExportedFromTheEditorImportsIntoACleanUserFolder() {
        MTEEditControl* edit = Tab()->ControlEditor();
        QVERIFY(SelectInControlList(Tab()->ControlList(), QStringLiteral("Previous")));
        QCOMPARE(edit->WorkingControl().Name, QStringLiteral("Key Button"));
        auto* label = qobject_cast<QLineEdit*>(edit->OptionWidget(QStringLiteral("LE_txt/Label")));
        QVERIFY(label);
        label->setText(QStringLiteral("Lights"));
        const QString first = m_dir.path() + "/first.mvlc";
        edit->SetSaveFileAsker([&](const QString& caption, const QString&, const QString& filter) {
            return caption == QLatin1String("Export Control as ...") && filter == QLatin1String("*.mvlc") ? first
                                                                                                          : QString();
        });
        edit->Button("btnExport")->click();
        QCOMPARE(DetectExchangeKind(first), int(EK_Control));
        const QString entry = edit->EntryName();
        const QVariantMap values = edit->WorkingControl().Config.GetValues();

        StartClean();
        edit = Tab()->ControlEditor();
        edit->SetOpenFileAsker([&](const QString&, const QString&, const QString&) { return first; });
        edit->Button("btnImport")->click();
        QCOMPARE(edit->WorkingControl().Name, QStringLiteral("Key Button"));
        QCOMPARE(edit->EntryName(), entry);
        QCOMPARE(edit->WorkingControl().Config.GetValues(), values);
        QCOMPARE(qobject_cast<QLineEdit*>(edit->OptionWidget(QStringLiteral("LE_txt/Label")))->text(),
                 QStringLiteral("Lights"));

        // Exported again from there: the same archive, entry for entry, byte for byte.
        const QString second = m_dir.path() + "/second.mvlc";
        edit->SetSaveFileAsker([&](const QString&, const QString&, const QString&) { return second; });
        edit->Button("btnExport")->click();
        QVERIFY(UnzipDir(first, m_dir.path() + "/first"));
        QVERIFY(UnzipDir(second, m_dir.path() + "/second"));
        const QMap<QString, QByteArray> a = Contents(m_dir.path() + "/first");
        QVERIFY(a.contains("control.json") && a.contains("rsc/ctrl_image_0.png"));
        QVERIFY(!QImage::fromData(a.value("rsc/ctrl_image_0.png")).isNull());
        QCOMPARE(Contents(m_dir.path() + "/second"), a);
        QVERIFY2(m_user->seen.isEmpty(), qPrintable(m_user->seen.join('\n')));
    }

    void theControlListsPackageButtonsCarryTheUsersControls() {
        MTEEditControl* edit = Tab()->ControlEditor();
        MTEButtonElements* list = Tab()->ControlList();
        QVERIFY(SelectInControlList(list, QStringLiteral("Previous")));
        edit->SetSaveAsAsker([](QString& category, QString& name) {
            category = QStringLiteral("Carried");
            name = QStringLiteral("Back key");
            return true;
        });
        edit->Button("btnSaveAs")->click();
        QVERIFY(DataCfg::Instance()->GetMyControlsSet().IndexOf("Back key") >= 0);

        const QString package = m_dir.path() + "/mine.mvlp";
        ExchangeUi::SetSaveFileAsker([&](QWidget*, const QString&, const QString&, const QString&) { return package; });
        list->Button("btnExport")->click();
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(package), 10000);
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QVERIFY(m_user->Saw("EXPORT A VELLI-CHOR"));
        QCOMPARE(DetectExchangeKind(package), int(EK_Package));

        StartClean();
        list = Tab()->ControlList();
        QVERIFY(DataCfg::Instance()->GetMyControlsSet().IndexOf("Back key") < 0);
        ExchangeUi::SetOpenFileAsker([&](QWidget*, const QString&, const QString&, const QString&) { return package; });
        list->Button("btnImport")->click();
        QVERIFY(m_user->Saw("IMPORT A VELLI-CHOR"));
        QVERIFY(DataCfg::Instance()->GetMyControlsSet().IndexOf("Back key") >= 0);
        // The list shows the user's own controls, the imported one among them.
        QCOMPARE(list->CurrentSetName(), QStringLiteral("@My Controls"));
        QVERIFY(SelectInControlList(list, QStringLiteral("Back key")));
        QCOMPARE(Tab()->ControlEditor()->WorkingControl().Name, QStringLiteral("Key Button"));
    }

    void droppedPackageIsImportedThroughThePopup() {
        DataCfg* cfg = DataCfg::Instance();
        QVERIFY(cfg && !cfg->Controls().isEmpty());
        const QByteArray control = cfg->Controls().first().GetKey().toUtf8();
        const QString path = m_dir.path() + "/dropped.mvlp";
        QVERIFY(MakeZip(path, {{"info.json", "{\"Name\":\"Dropped\"}"},
                               {"controls.json", "{\"Name\":\"P\",\"Elements\":[{\"Name\":\"Dropped knob\","
                                                 "\"Category\":\"Mine\",\"Control\":\"" +
                                                     control + "\"}]}"},
                               {"grids.json", "[{\"Name\":\"Dropped grid\",\"Elements\":[]}]"}}));
        User& user = *m_user;
        Drop(m_program->Window(), path);
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(m_program->UserPath() + "CustomGrids/Dropped grid.json"), 10000);
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QVERIFY(user.Saw("IMPORT A VELLI-CHOR"));
        QCOMPARE(cfg->FindGrid("Dropped grid", CustomGridSet).Set, CustomGridSet);
        QCOMPARE(cfg->GetMyControlsSet().IndexOf("Dropped knob") >= 0, true);
        QVERIFY(m_program->Window()->LastImportRefusal().isEmpty());
    }

    // What the import dialog shows: every package, of both kinds, and nothing else; an export under a bare
    // name still makes a package it shows.
    void theImportDialogListsPackagesAndExportsAddTheExtension() {
        MTEEditControl* edit = Tab()->ControlEditor();
        QVERIFY(SelectInControlList(Tab()->ControlList(), QStringLiteral("Previous")));
        const QString folder = m_dir.path() + "/listed";
        QDir().mkpath(folder);
        QVERIFY(QFile(folder + "/notes.txt").open(QIODevice::WriteOnly));
        edit->SetSaveFileAsker([&](const QString&, const QString&, const QString&) { return folder + "/bare"; });
        edit->Button("btnExport")->click();
        QVERIFY(QFileInfo::exists(folder + "/bare.mvlc"));
        QVERIFY(!QFileInfo::exists(folder + "/bare"));

        edit->SetSaveAsAsker([](QString& category, QString& name) {
            category = QStringLiteral("Listed");
            name = QStringLiteral("Listed key");
            return true;
        });
        edit->Button("btnSaveAs")->click();
        ExchangeUi::SetSaveFileAsker(
            [&](QWidget*, const QString&, const QString&, const QString&) { return folder + "/both"; });
        Tab()->ControlList()->Button("btnExport")->click();
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(folder + "/both.mvlp"), 10000);
        QTRY_VERIFY(!QApplication::activeModalWidget());

        // The filters the import buttons hand to the open dialog.
        QStringList filters;
        edit->SetOpenFileAsker([&](const QString&, const QString&, const QString& filter) {
            filters << filter;
            return QString();
        });
        edit->Button("btnImport")->click();
        ExchangeUi::SetOpenFileAsker([&](QWidget*, const QString&, const QString&, const QString& filter) {
            filters << filter;
            return QString();
        });
        Tab()->ControlList()->Button("btnImport")->click();
        QCOMPARE(filters.size(), 2);
        for (const QString& filter : filters)
            QCOMPARE(ListedByDialog(folder, filter), QStringList() << "bare.mvlc"
                                                                   << "both.mvlp");
        QVERIFY2(m_user->Boxes().isEmpty(), qPrintable(m_user->seen.join('\n')));
    }

    // The same grid imported twice: the second is a grid of its own, told apart by name and by its tab.
    void aGridImportedTwiceGetsADistinctName() {
        const QString path = m_dir.path() + "/twice.mvlp";
        QVERIFY(MakeZip(path, {{"info.json", "{\"Name\":\"Twice\"}"},
                               {"controls.json", NoControls()},
                               {"grids.json", GridPackage("Twice", "Lamps")}}));
        DataCfg* cfg = DataCfg::Instance();
        MTEGridEdit* grids = m_program->TabHooks()->Editor();
        for (const char* name : {"Twice", "Twice_1"}) {
            Drop(m_program->Window(), path);
            QTRY_VERIFY_WITH_TIMEOUT(!cfg->FindGrid(name, CustomGridSet).Name.isEmpty(), 10000);
            QTRY_VERIFY(!QApplication::activeModalWidget());
            // The user keeps the new tab (APPLY) before the next import.
            m_program->Window()->OnClickApply();
        }
        QCOMPARE(cfg->FindGrid("Twice", CustomGridSet).Title, QStringLiteral("Lamps"));
        QCOMPARE(cfg->FindGrid("Twice_1", CustomGridSet).Title, QStringLiteral("Lamps_1"));
        QVERIFY(QFileInfo::exists(m_program->UserPath() + "CustomGrids/Twice_1.json"));
        QStringList captions;
        for (int i = 0; i < grids->Tabs()->Count(); ++i)
            captions << grids->Tabs()->Tab(i)->Caption();
        QCOMPARE(captions.filter(QRegularExpression("^Lamps(_1)?$")).size(), 2);
        QCOMPARE(captions.count("Lamps"), 1);
        QVERIFY2(m_user->Boxes().isEmpty(), qPrintable(m_user->seen.join('\n')));
    }

    // A failed import is told once; a cancelled one not at all; and nothing that was not written counts as
    // imported.
    void failedImportsAreToldOnceAndCancelsNotAtAll_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("told"); // the one box's text; empty: no box
        QTest::newRow("not an archive") << "broken"
                                        << "Invalid File";
        QTest::newRow("package popup cancelled") << "cancel"
                                                 << "";
        QTest::newRow("grid file not written") << "unwritable grid"
                                               << "was not written";
        QTest::newRow("grid archive not written") << "unwritable grid archive"
                                                  << "was not written";
    }
    void failedImportsAreToldOnceAndCancelsNotAtAll() {
        QFETCH(QString, kind);
        QFETCH(QString, told);
        const QString path = m_dir.path() + "/" + kind + ".mvlp";
        if (kind == QLatin1String("broken")) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write("not a zip") > 0);
        } else if (kind.endsWith(QLatin1String("archive")))
            QVERIFY(MakeZip(path, {{"grid.json", "{\"Name\":\"Lost\",\"Elements\":[]}"}}));
        else
            QVERIFY(MakeZip(
                path,
                {{"info.json", "{}"}, {"controls.json", NoControls()}, {"grids.json", GridPackage("Lost", "Lost")}}));
        m_user->cancelPackages = kind == QLatin1String("cancel");
        const QString file = m_program->UserPath() + "CustomGrids/Lost.json";
        if (kind.startsWith(QLatin1String("unwritable")))
            BlockJsonWrite(file);
        Drop(m_program->Window(), path);
        QTRY_VERIFY_WITH_TIMEOUT(!m_user->seen.isEmpty(), 10000);
        QTest::qWait(300);
        QTRY_VERIFY(!QApplication::activeModalWidget());
        const QStringList boxes = m_user->Boxes();
        if (told.isEmpty()) {
            QVERIFY2(boxes.isEmpty(), qPrintable(boxes.join('\n')));
        } else {
            QCOMPARE(boxes.size(), 1);
            QVERIFY2(boxes.first().contains(told), qPrintable(boxes.first()));
        }
        QVERIFY(!m_program->Window()->findChild<PopupWnd*>(QStringLiteral("ImportRefused")));
        QVERIFY(DataCfg::Instance()->FindGrid("Lost", CustomGridSet).Name.isEmpty());
        QVERIFY(!QFileInfo(file).isFile());
    }

    // Save of a control whose user configuration cannot be written says so, keeps the edit in the form and
    // adds nothing to the user's list; once the file can be written, Save saves it.
    void aControlSaveThatIsNotWrittenIsToldAndKept() {
        MTEEditControl* edit = Tab()->ControlEditor();
        QVERIFY(SelectInControlList(Tab()->ControlList(), QStringLiteral("Previous")));
        auto* label = qobject_cast<QLineEdit*>(edit->OptionWidget(QStringLiteral("LE_txt/Label")));
        QVERIFY(label);
        label->setText(QStringLiteral("Unsaved"));
        edit->SetSaveAsAsker([](QString& category, QString& name) {
            category = QStringLiteral("Kept");
            name = QStringLiteral("Kept key");
            return true;
        });
        const QString userCfg = DataCfg::Instance()->UserCfg().File;
        BlockJsonWrite(userCfg);
        edit->Button("btnSaveAs")->click();
        QTRY_VERIFY_WITH_TIMEOUT(m_user->Saw("was not saved"), 10000);
        QCOMPARE(m_user->Boxes().size(), 1);
        QVERIFY(DataCfg::Instance()->GetMyControlsSet().IndexOf("Kept key") < 0);
        QCOMPARE(label->text(), QStringLiteral("Unsaved"));

        QVERIFY(QDir(JsonTempName(userCfg)).removeRecursively());
        edit->Button("btnSave")->click();
        const int at = DataCfg::Instance()->GetMyControlsSet().IndexOf("Kept key");
        QVERIFY(at >= 0);
        QCOMPARE(DataCfg::Instance()->GetMyControlsSet().Elements.at(at).Config.value("LE_txt/Label").toString(),
                 QStringLiteral("Unsaved"));
        QFile written(userCfg);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QVERIFY(written.readAll().contains("Kept key"));
        QCOMPARE(m_user->Boxes().size(), 1);
    }

    void droppedPluginIsInstalledAndItsLibraryDecidedOn() {
        const QString path = m_dir.path() + "/plugin.mvlp";
        QVERIFY(MakeZip(path, {{"plugin.json", "{\"Name\":\"Lamp\",\"DynamicLibraries\":[\"lib/liblamp.so\"]}"},
                               {"info.json", "{\"Name\":\"Lamp\",\"Author\":\"Me\"}"},
                               {"lib/liblamp.so", "NOT-A-LIBRARY"}}));
        User& user = *m_user;
        Drop(m_program->Window(), path);
        QTRY_VERIFY_WITH_TIMEOUT(user.Saw("Plugin imported|"), 10000);
        QTRY_VERIFY(!QApplication::activeModalWidget());
        const QString lib = m_program->UserPath() + "Plugins/Lamp/lib/liblamp.so";
        QVERIFY(QFileInfo::exists(lib));
        // The library was asked about by its whole path, before the end of the import.
        QVERIFY2(user.Saw(QFileInfo(lib).canonicalFilePath()), qPrintable(user.seen.join('\n')));
        QVERIFY(m_program->Window()->LastImportRefusal().isEmpty());
    }
};

QTEST_MAIN(TestWiredPackages)
#include "test_wiredpackages.moc"
