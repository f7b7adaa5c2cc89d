// Packages reach the running program: a package dropped on the window opens the package popup, whose
// IMPORT adds the ticked grid as a custom grid and the ticked control to the user's own list; a plug-in
// package dropped there is installed after its question, and its library is asked about at once. A control
// exported by the control editor imports into a clean user folder and exports from there unchanged; the
// control list's package buttons carry the user's own controls to another user folder.
#include "config/datacfgrecords.h"
#include "config/dataexchange.h"
#include "config/ziputils.h"
#include "editor/exchangeui.h"
#include "editor/impexppopup.h"
#include "editor/mtebuttonelements.h"
#include "editor/mteeditcontrol.h"
#include "shell/mtmainctrl.h"
#include "shell/programtabhooks.h"
#include "tests/common/controllist.h"
#include "tests/common/testzip.h"
#include "tests/common/wiredprogram.h"
#include "widgets/popupwnd.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QImage>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
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
    QTimer timer;
    User() {
        connect(&timer, &QTimer::timeout, this, &User::Act);
        timer.start(30);
    }
    void Click(PopupWnd* popup, int value) {
        // The wanted button, else NO (the closing "save?" questions: nothing is kept).
        for (int v : {value, int(PopupWnd::NO)})
            for (QAbstractButton* b : popup->buttonBox()->buttons())
                if (popup->ButtonValue(b) == v) {
                    // Later, from the event loop: the click may open the next modal popup.
                    QMetaObject::invokeMethod(b, "click", Qt::QueuedConnection);
                    return;
                }
    }
    void Act() {
        auto* popup = qobject_cast<PopupWnd*>(QApplication::activeModalWidget());
        if (!popup || !popup->isVisible())
            return;
        if (auto* pkg = qobject_cast<ImpExpPopup*>(popup)) {
            seen << pkg->windowTitle();
            pkg->ControlModel()->item(0)->setCheckState(Qt::Checked);
            pkg->GridModel()->item(0)->setCheckState(Qt::Checked);
            QMetaObject::invokeMethod(pkg->ActionButton(), "click", Qt::QueuedConnection);
            return;
        }
        seen << popup->windowTitle() + QLatin1Char('|') + popup->text;
        if (popup->text.contains(QLatin1String("import this plugin")))
            Click(popup, PopupWnd::YES);
        else if (popup->text.contains(QLatin1String("wants to load")))
            Click(popup, PopupWnd::NO);
        else
            Click(popup, PopupWnd::OK);
    }
    bool Saw(const QString& part) const { return !seen.filter(part).isEmpty(); }
};
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
