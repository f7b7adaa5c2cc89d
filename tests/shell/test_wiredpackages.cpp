// Packages reach the running program: a package dropped on the window opens the package popup, whose
// IMPORT adds the ticked grid as a custom grid and the ticked control to the user's own list; a plug-in
// package dropped there is installed after its question, and its library is asked about at once.
#include "config/datacfgrecords.h"
#include "editor/impexppopup.h"
#include "shell/programtabhooks.h"
#include "tests/common/wiredprogram.h"
#include "widgets/popupwnd.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QMimeData>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <QtTest>

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipnewinfo.h>

namespace {
bool MakeZip(const QString& path, const QList<QPair<QString, QByteArray>>& entries) {
    QuaZip zip(path);
    zip.setFileNameCodec("UTF-8");
    if (!zip.open(QuaZip::mdCreate))
        return false;
    QuaZipFile out(&zip);
    for (const auto& e : entries) {
        if (!out.open(QIODevice::WriteOnly, QuaZipNewInfo(e.first)))
            return false;
        out.write(e.second);
        out.close();
    }
    zip.close();
    return zip.getZipError() == 0;
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

private slots:
    void init() {
        m_program = std::make_unique<WiredProgram>();
        QVERIFY(m_program->Started());
        m_user = std::make_unique<User>();
    }
    // The user stays for the questions of the closing window.
    void cleanup() {
        m_program.reset();
        m_user.reset();
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
