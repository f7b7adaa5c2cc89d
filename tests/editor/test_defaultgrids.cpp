// The three grids of the default configuration on the real grid canvas, and its message box on the real
// overlay: every placement becomes a view at its cell without a warning, and a tap on a button of the shown
// message reaches the waiting script with the button's code.

#include "editor/gridview.h"
#include "editor/gridviewglobal.h"
#include "runtime/ctrlview.h"
#include "runtime/dcscriptobjectfactory.h"
#include "runtime/lebase.h"
#include "tests/editor/gridfixture.h"

#include <QScriptEngine>
#include <QtTest>

namespace {
const char* const kComplaints[] = {"Can't find Control", "outside the grid",      "Unknown Function",
                                   "Skin not found",     "Function not found",    "Missing Function",
                                   "QScript Error",      "Gfx not found",         "Missing file",
                                   "Unknown Enum",       "Grid Signature Failed", "Popup_Msg not found"};
} // namespace

class TestDefaultGrids : public QObject {
    Q_OBJECT
    GridFixture m_fx;

private slots:
    void initTestCase() {
        DCScriptObjectFactory::Install();
        m_fx.Load(this);
    }

    void gridLaysOutEveryPlacement_data() {
        QTest::addColumn<QString>("key");
        for (const char* k : {"[MERVEX]:Media", "[MERVEX]:System", "[MERVEX]:Shortcuts"})
            QTest::newRow(k) << QString::fromLatin1(k);
    }

    void gridLaysOutEveryPlacement() {
        QFETCH(QString, key);
        LogCapture log;
        const DataCfg::TGrid g = m_fx.cfg->FindGrid(key);
        QVERIFY(g.Signed);
        GridView grid;
        grid.InitDeck();
        grid.SetGrid(g);
        QCOMPARE(grid.ViewCount(), g.Elements.size());
        for (int i = 0; i < grid.ViewCount(); ++i)
            QCOMPARE(QPoint(grid.Views().at(i)->GetGridX(), grid.Views().at(i)->GetGridY()), g.Elements.at(i).Position);
        for (const char* c : kComplaints)
            QVERIFY2(log.Count(QLatin1String(c)) == 0, qPrintable(log.Lines().join(QLatin1Char('\n'))));
    }

    void messageBoxAnswersTheScript_data() {
        QTest::addColumn<QString>("buttons");
        QTest::addColumn<QString>("tapped");
        QTest::addColumn<uint>("code");
        QTest::newRow("yes") << "YesNo"
                             << "Btn1" << GridViewGlobal::CodeYes;
        QTest::newRow("no") << "YesNo"
                            << "Btn2" << GridViewGlobal::CodeNo;
        QTest::newRow("cancel") << "OkCancel"
                                << "Btn2" << GridViewGlobal::CodeCancel;
        QTest::newRow("single ok") << "Ok"
                                   << "Btn2" << GridViewGlobal::CodeOk;
    }

    void messageBoxAnswersTheScript() {
        QFETCH(QString, buttons);
        QFETCH(QString, tapped);
        QFETCH(uint, code);
        LogCapture log;
        GridViewGlobal overlay;
        overlay.InitPopup();
        QScriptEngine* engine = m_fx.cfg->GetScriptEngine(QStringLiteral("MVX_Popup:PopupInit"));
        QVERIFY(engine);
        const QScriptValue callback = engine->evaluate(QStringLiteral("(function (code) { answer = code; })"));
        QVERIFY(overlay.ShowMsgPopup(QStringLiteral("Sure?"), QStringLiteral("Really."), buttons, callback));
        QVERIFY(overlay.IsShowing());

        CtrlView* popup = overlay.PopupView();
        LEBase* button = nullptr;
        for (LEBase* e : popup->Elements())
            if (e->Layout().Name == tapped)
                button = e;
        QVERIFY(button && (button->Layout().State & 0x1));
        popup->OnExtMouseEvent(QStringLiteral("dn"), 40, 20, button->GetId());
        popup->OnExtMouseEvent(QStringLiteral("up"), 40, 20, button->GetId());
        QVERIFY(!overlay.IsShowing());
        QCOMPARE(engine->globalObject().property(QStringLiteral("answer")).toUInt32(), code);
        for (const char* c : kComplaints)
            QVERIFY2(log.Count(QLatin1String(c)) == 0, qPrintable(log.Lines().join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestDefaultGrids)
#include "test_defaultgrids.moc"
