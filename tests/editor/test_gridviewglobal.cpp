// The message overlay: the popup control of the default configuration, the standard-button codes that
// reach the script's callback, message boxes that control scripts open on a grid with an overlay, and an
// overlay without its popup control.

#include "editor/gridview.h"
#include "editor/gridviewglobal.h"
#include "runtime/ctrlview.h"
#include "tests/editor/gridfixture.h"

class TestGridViewGlobal : public QObject {
    Q_OBJECT
    GridFixture m_fx;
    LogCapture* m_log = nullptr;
    QScriptEngine m_engine; // the callbacks' own engine

    // A callback that counts its calls and keeps its arguments and the name of "this".
    QScriptValue Recorder() {
        m_engine.globalObject().setProperty(QStringLiteral("calls"), 0);
        return m_engine.evaluate(QStringLiteral(
            "(function (code, text) { calls++; lastCode = code; lastText = text; self = this.objectName; })"));
    }
    QScriptValue Global(const char* name) { return m_engine.globalObject().property(QLatin1String(name)); }

    CtrlView* ViewOf(GridView& grid, const QString& name) {
        const QList<int> at = grid.FindControlIndices(name);
        return at.isEmpty() ? nullptr : grid.Views().at(at.first());
    }

private slots:
    void initTestCase() {
        m_log = new LogCapture;
        m_fx.Load(this);
    }
    void cleanupTestCase() { delete m_log; }

    void initPopupBindsTheMessageControlHidden() {
        GridViewGlobal overlay;
        QVERIFY(!overlay.IsShowing());
        overlay.InitPopup();
        QCOMPARE(overlay.Views().size(), 1);
        QCOMPARE(overlay.CtrlViews().size(), 1);
        CtrlView* popup = overlay.PopupView();
        QCOMPARE(popup->Control().Name, QStringLiteral("Popup_Msg"));
        QCOMPARE(popup->Control().Set, QStringLiteral("MVX_Popup"));
        QCOMPARE(popup->GetScale(), 0.5);
        QCOMPARE(popup->GetInteractionButtons(), Qt::LeftButton | Qt::RightButton);
        QVERIFY(!overlay.IsShowing());
        QCOMPARE(overlay.GetHeightB(), 5.0);
        overlay.SetGridHeight(7);
        QCOMPARE(popup->GetContainerHeightB(), 7.0);
    }

    void buttonReachesTheCallbackOnce_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<uint>("code");
        QTest::newRow("Yes") << "Yes" << 0x4000u;
        QTest::newRow("No") << "No" << 0x10000u;
        QTest::newRow("Ok") << "Ok" << 1024u;
        QTest::newRow("Cancel") << "Cancel" << 0x400000u;
        QTest::newRow("OK in capitals") << "OK" << 0u;
        QTest::newRow("other") << "Close" << 0u;
        QTest::newRow("empty") << "" << 0u;
    }
    void buttonReachesTheCallbackOnce() {
        QFETCH(QString, button);
        QFETCH(uint, code);
        QWidget editor; // an overlay with a parent is shown while a message is up
        auto* overlay = new GridViewGlobal(&editor);
        overlay->setObjectName(QStringLiteral("Overlay"));
        overlay->InitPopup();
        QVERIFY(overlay->isHidden());

        QVERIFY(overlay->ShowMsgPopup(QStringLiteral("TITLE"), QStringLiteral("Text"), QStringLiteral("YesNo"),
                                      Recorder()));
        QVERIFY(overlay->IsShowing());
        QVERIFY(!overlay->isHidden());
        QVERIFY(overlay->PopupView()->IsUpdatePending());

        overlay->DoButtonClicked(button, QStringLiteral("second"));
        QVERIFY(!overlay->IsShowing());
        QVERIFY(overlay->isHidden());
        QCOMPARE(Global("calls").toInt32(), 1);
        QCOMPARE(Global("lastCode").toUInt32(), code);
        QCOMPARE(Global("lastText").toString(), QStringLiteral("second"));
        QCOMPARE(Global("self").toString(), QStringLiteral("Overlay"));

        // The callback was used up.
        overlay->DoButtonClicked(QStringLiteral("Yes"), QString());
        QCOMPARE(Global("calls").toInt32(), 1);
    }

    void onlyTheLastCallbackIsCalled() {
        GridViewGlobal overlay;
        overlay.InitPopup();
        QScriptValue first = Recorder();
        overlay.ShowMsgPopup(QStringLiteral("A"), QString(), QStringLiteral("Ok"), first);
        m_engine.globalObject().setProperty(QStringLiteral("other"), 0);
        overlay.ShowMsgPopup(QStringLiteral("B"), QString(), QStringLiteral("Ok"),
                             m_engine.evaluate(QStringLiteral("(function () { other++; })")));
        overlay.DoButtonClicked(QStringLiteral("Ok"), QString());
        QCOMPARE(Global("calls").toInt32(), 0);
        QCOMPARE(Global("other").toInt32(), 1);

        // Not a function: nothing is called, the box still closes.
        overlay.ShowMsgPopup(QStringLiteral("C"), QString(), QStringLiteral("Ok"), QScriptValue(5));
        overlay.DoButtonClicked(QStringLiteral("Ok"), QString());
        QVERIFY(!overlay.IsShowing());
        // A callback that throws is logged and leaves the engine clean.
        overlay.ShowMsgPopup(QStringLiteral("D"), QString(), QStringLiteral("Ok"),
                             m_engine.evaluate(QStringLiteral("(function () { throw 'boom'; })")));
        overlay.DoButtonClicked(QStringLiteral("Ok"), QString());
        QVERIFY(!m_engine.hasUncaughtException());
    }

    void controlScriptsAskThroughTheGridsOverlay() {
        GridViewGlobal overlay;
        overlay.InitPopup();
        GridView grid;
        grid.SetOverlay(&overlay);
        QCOMPARE(grid.GetOverlay(), static_cast<IGridViewGlobal*>(&overlay));
        grid.SetGrid(m_fx.cfg->FindGrid(QStringLiteral("GT:Ticks")));
        CtrlView* ask = ViewOf(grid, QStringLiteral("GT:Ask"));
        QVERIFY(ask);
        m_fx.SetGlobal("answer", -1);

        ask->OnClientMessage(ask->GetId(), QStringLiteral("1"));
        QVERIFY(overlay.IsShowing());
        // The popup control's script reports the button; the overlay hands it to the asking script.
        overlay.PopupView()->OnMsgBoxClick(QStringLiteral("No"), QString());
        QVERIFY(!overlay.IsShowing());
        QCOMPARE(m_fx.Global("answer").toUInt32(), 0x10000u);
        QCOMPARE(ask->GetClientData().toString(), QStringLiteral("answer:65536"));
    }

    void aCallbackMayOpenTheNextBox() {
        GridViewGlobal overlay;
        overlay.InitPopup();
        GridView grid;
        grid.SetOverlay(&overlay);
        grid.SetGrid(m_fx.cfg->FindGrid(QStringLiteral("GT:Ticks")));
        CtrlView* ask = ViewOf(grid, QStringLiteral("GT:Ask"));
        QVERIFY(ask);
        m_engine.globalObject().setProperty(QStringLiteral("view"), m_engine.newQObject(ask));
        m_engine.globalObject().setProperty(QStringLiteral("answers"), m_engine.newArray());
        const QScriptValue chain =
            m_engine.evaluate(QStringLiteral("(function next(code) { answers.push(code); if (answers.length == 1) "
                                             "view.DoMsgBox('NEXT', '', 'Ok', next); })"));
        overlay.ShowMsgPopup(QStringLiteral("FIRST"), QString(), QStringLiteral("YesNo"), chain);
        overlay.DoButtonClicked(QStringLiteral("Yes"), QString());
        QVERIFY(overlay.IsShowing());
        overlay.DoButtonClicked(QStringLiteral("Ok"), QString());
        QVERIFY(!overlay.IsShowing());
        QCOMPARE(Global("answers").property(QStringLiteral("length")).toInt32(), 2);
        QCOMPARE(Global("answers").property(1).toUInt32(), 1024u);
    }

    // Last: it replaces the process-wide model by one without the popup control.
    void withoutThePopupControl() {
        DataCfg empty;
        GridViewGlobal overlay;
        overlay.InitPopup();
        QVERIFY(overlay.PopupView()->Control().Name.isEmpty());
        QVERIFY(m_log->Count(QStringLiteral("Popup_Msg not found")) >= 1);
        QVERIFY(!overlay.IsShowing());
        QVERIFY(overlay.ShowMsgPopup(QStringLiteral("T"), QStringLiteral("X"), QStringLiteral("Ok"), Recorder()));
        QVERIFY(overlay.IsShowing());
        overlay.DoButtonClicked(QStringLiteral("Ok"), QString());
        QCOMPARE(Global("lastCode").toUInt32(), 1024u);
    }
};

QTEST_MAIN(TestGridViewGlobal)
#include "test_gridviewglobal.moc"
