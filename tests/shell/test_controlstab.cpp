// The controls tab in the program as program entry builds it: a control taken from the control list is added
// to a custom grid, opened in the control editor, changed there, applied and saved; the grid file holds the
// change, a paired phone's view of the grid shows it, and after a restart the grid and the saved control are
// still there. Also the panels' places and the start-up fill.

#include "config/datacfgrecords.h"
#include "config/tcontrol.h"
#include "config/tgrid.h"
#include "editor/gridview.h"
#include "editor/mtebuttonelements.h"
#include "editor/mteeditcontrol.h"
#include "editor/mtegridedit.h"
#include "editor/netgridsprovider.h"
#include "foundation/json.h"
#include "runtime/ctrlview.h"
#include "server/netserver.h"
#include "server/netservices.h"
#include "server/websocketud.h"
#include "shell/mervexwnd.h"
#include "shell/mtmainctrl.h"
#include "shell/programtabhooks.h"
#include "tests/common/phoneclient.h"
#include "tests/common/wiredprogram.h"
#include "tests/shell/popupwatcher.h"
#include "widgets/popupwnd.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest>

class TestControlsTab : public QObject {
    Q_OBJECT
    QTemporaryDir m_user;
    std::unique_ptr<WiredProgram> m_program;
    MervexWnd* m_wnd = nullptr;
    MTMainCtrl* m_tab = nullptr;

    void Start() {
        m_program = std::make_unique<WiredProgram>(m_user.path());
        QVERIFY(m_program->Started());
        m_wnd = m_program->Window();
        m_tab = m_program->TabHooks()->ControlsTab();
        QVERIFY(m_tab);
        m_tab->GridEditor()->SetAskHandler([](int, const QString&, const QString&, int) { return 0x400; });
    }

private slots:
    void initTestCase() { Start(); }
    void cleanupTestCase() { m_program.reset(); }

    void threePanelsSideBySide() {
        QCOMPARE(m_wnd->Tab(MervexWnd::TabCreate), static_cast<QWidget*>(m_tab));
        m_wnd->showMainWindow();
        QCOMPARE(m_tab->ControlList()->geometry(), QRect(0, 0, 256, 661));
        QCOMPARE(m_tab->ControlEditor()->pos(), QPoint(263, 0));
        QCOMPARE(m_tab->GridEditor()->parentWidget(), static_cast<QWidget*>(m_tab));
        QCOMPARE(m_tab->GridEditor()->pos(), QPoint(263 + 344 + 7, 0));
        // Filled at start-up: the first set's tree, with its first control chosen for the editor.
        QVERIFY(m_tab->ControlList()->Model()->rowCount() > 0);
        QVERIFY(!m_tab->ControlEditor()->WorkingControl().Name.isEmpty());
    }

    void aControlFromTheListIsEditedOnACustomGridAndSaved() {
        MTEButtonElements* list = m_tab->ControlList();
        MTEEditControl* edit = m_tab->ControlEditor();
        MTEGridEdit* grid = m_tab->GridEditor();
        const QString gridKey = QStringLiteral("CustomGrid:Custom Grid 1");
        grid->ShowGrid(gridKey);
        QVERIFY(grid->Canvas()->Grid().Custom);
        const int before = grid->Canvas()->ViewCount();

        // The key button "Previous" of the preset list.
        QStandardItemModel* model = list->Model();
        const QModelIndexList found =
            model->match(model->index(0, 0), Qt::DisplayRole, QStringLiteral("Previous"), 1, Qt::MatchRecursive);
        QVERIFY(!found.isEmpty());
        list->Tree()->selectionModel()->select(found.first(), QItemSelectionModel::ClearAndSelect);
        QCOMPARE(edit->WorkingControl().Name, QStringLiteral("Key Button"));
        // With the values its list entry stores.
        const QVariantMap entry = list->CurrentSettings();
        QVERIFY(!entry.isEmpty());
        QCOMPARE(edit->GetConfigValue(QStringLiteral("Shortcut")), entry.value(QStringLiteral("Shortcut")));

        QTest::mouseClick(edit->Button("btnAdd2Grid"), Qt::LeftButton);
        QCOMPARE(grid->Canvas()->ViewCount(), before + 1);
        QVERIFY(grid->Canvas()->IsModified());

        // Chosen on the canvas, it comes into the editor; the label is changed there and applied.
        CtrlView* placed = grid->Canvas()->Views().last();
        QSignalSpy chosen(grid->Canvas(), &GridView::SelectCtrl);
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent e(type, QPointF(5, 5), placed->mapToGlobal(QPoint(5, 5)), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(placed, &e);
        }
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(edit->WorkingControl().id, placed->Control().id);
        auto* label = qobject_cast<QLineEdit*>(edit->OptionWidget(QStringLiteral("LE_txt/Label")));
        QVERIFY(label);
        label->selectAll();
        QTest::keyClicks(label, QStringLiteral("Lights"));
        QTRY_VERIFY(!edit->ApplyPending());
        const DataCfg::TGridElem& element = grid->Canvas()->Grid().Elements.last();
        QCOMPARE(element.Config.value(QStringLiteral("LE_txt/Label")).toString(), QStringLiteral("Lights"));
        // The placed control keeps its selection frame after the apply.
        CtrlView* applied = grid->Canvas()->Views().last();
        QVERIFY(grid->Canvas()->IsSelected(applied));

        grid->OnBtnSave(true);
        QVERIFY(!grid->Canvas()->IsModified());

        // The file holds it.
        QFile file(m_wnd->GetCustomGridPath() + QStringLiteral("Custom Grid 1.json"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QString error;
        const QVariantList elements =
            JsonParseText(QString::fromUtf8(file.readAll()), error).toMap().value("Elements").toList();
        QVERIFY2(!elements.isEmpty(), qPrintable(error));
        QCOMPARE(elements.last().toMap().value("Config").toMap().value("LE_txt/Label").toString(),
                 QStringLiteral("Lights"));

        // A paired phone asks for the grid's tab and gets the control as it is now.
        const int tabIndex = m_program->Parts().grids->TabList().indexOf(gridKey);
        QVERIFY(tabIndex >= 0);
        PhoneClient phone(m_program->TcpPort());
        QVERIFY(phone.WaitConnected());
        phone.SendConnect(QStringLiteral("Pixel"), QStringLiteral("KEY1"));
        QTRY_VERIFY_WITH_TIMEOUT(m_program->PairingQuestion() && m_program->PairingQuestion()->isVisible(), 5000);
        QVERIFY(PopupWatcher::Answer(m_program->PairingQuestion(), PopupWnd::YES));
        QCOMPARE(PhoneClient::JsonOf(phone.WaitFor("Connect?")).value("connected").toBool(), true);
        const QByteArray view = QByteArrayLiteral("View?t=") + QByteArray::number(tabIndex);
        phone.Send(QString::fromLatin1(view));
        QVERIFY(!phone.WaitFor(view).isEmpty());
        WebSocketUD* session = m_program->Server()->Sessions().value(0);
        QVERIFY(session);
        auto* canvas = dynamic_cast<GridView*>(session->views.value(tabIndex));
        QVERIFY(canvas);
        QCOMPARE(canvas->ViewCount(), before + 1);
        DataCfg::TControl shown = canvas->Views().last()->Control();
        QCOMPARE(shown.Config.FindOption(QStringLiteral("LE_txt/Label"))->Value, QStringLiteral("Lights"));
    }

    void theSavedControlAndGridAreThereAfterARestart() {
        MTEEditControl* edit = m_tab->ControlEditor();
        edit->SetSaveAsAsker([](QString& category, QString& name) {
            category = QStringLiteral("Home");
            name = QStringLiteral("Lights");
            return true;
        });
        edit->OnSave();

        m_program.reset();
        Start();
        MTEButtonElements* list = m_tab->ControlList();
        list->OnCmbCategoryChanged(QStringLiteral("@My Controls"));
        QStandardItemModel* model = list->Model();
        const QModelIndexList found =
            model->match(model->index(0, 0), Qt::DisplayRole, QStringLiteral("Lights"), 1, Qt::MatchRecursive);
        QVERIFY(!found.isEmpty());
        list->Tree()->selectionModel()->select(found.first(), QItemSelectionModel::ClearAndSelect);
        QCOMPARE(m_tab->ControlEditor()->EntryName(), QStringLiteral("Lights"));
        QCOMPARE(m_tab->ControlEditor()->WorkingControl().Config.GetValues().value("LE_txt/Label").toString(),
                 QStringLiteral("Lights"));
        MTEGridEdit* grid = m_tab->GridEditor();
        grid->ShowGrid(QStringLiteral("CustomGrid:Custom Grid 1"));
        QVERIFY(grid->Canvas()->ViewCount() > 0);
        DataCfg::TControl placed = grid->Canvas()->Views().last()->Control();
        QCOMPARE(placed.Config.FindOption(QStringLiteral("LE_txt/Label"))->Value, QStringLiteral("Lights"));
    }
};

QTEST_MAIN(TestControlsTab)
#include "test_controlstab.moc"
