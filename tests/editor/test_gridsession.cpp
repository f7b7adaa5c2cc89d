// A phone session end to end: the phone server on loopback, a WebSocket phone, and session views that are
// real grid canvases and message overlays made by the program's factory: Connect with pairing, the tab
// list, a tab's control records, a control message reaching its control view, and the View pushed in
// answer; a message box a control opens goes to the phone as the overlay's view.

#include "editor/gridview.h"
#include "editor/gridviewglobal.h"
#include "editor/netgridsprovider.h"
#include "functions/funcregistry.h"
#include "runtime/ctrlview.h"
#include "runtime/dcscriptobjectfactory.h"
#include "runtime/lebase.h"
#include "server/websocketud.h"
#include "tests/editor/gridfixture.h"
#include "tests/server/netfakes.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

namespace {
QJsonObject JsonOf(const QByteArray& message) {
    const int nul = message.indexOf('\0');
    return QJsonDocument::fromJson(message.mid(nul + 1)).object();
}

// The index of the first message at or after from that starts with prefix, waiting (bounded) for it.
int WaitIndex(FakePhone& phone, const QByteArray& prefix, int from) {
    for (int round = 0; round < 500; ++round) {
        for (int i = from; i < phone.received.size(); ++i) {
            if (phone.received.at(i).startsWith(prefix))
                return i;
        }
        FakePhone::Spin();
    }
    return -1;
}

// The PC functions as the table says (the sound server's mute state, say).
class TableRegistry : public FuncRegistry {
public:
    QMap<QString, QVariant> values;
    QVariant CallProviderFunction(const QString& name, const QVariantList&) override { return values.value(name); }
    QStringList GetDataSourceNames(bool) override { return {}; }
    bool GetDataSourceEntries(const QString&, QVariantMap*) override { return false; }
    bool CallDataSourceFunc(const QString&, const QString&, const QVariantList&, QVariant*) override { return false; }
    MacroPlayer* NewMacroPlayer(QObject*) override { return nullptr; }
};
} // namespace

class TestGridSession : public QObject {
    Q_OBJECT
    GridFixture m_fx;
    LogCapture* m_log = nullptr;

private slots:
    void initTestCase() {
        m_log = new LogCapture;
        m_fx.Load(this);
        QList<DataCfg::TNamed>& tabs = m_fx.cfg->UserCfg().Tabs;
        tabs.clear();
        for (const char* key : {"[MERVEX]:Media", "[MERVEX]:System", "GT:Ticks", "GT:NoSuchGrid"}) {
            DataCfg::TNamed tab;
            tab.Name = QLatin1String(key);
            tabs << tab;
        }
    }
    void cleanupTestCase() { delete m_log; }

    void providerAnswersFromTheModel() {
        NetGridsProvider grids;
        QCOMPARE(grids.TabList().size(), 4);
        const NetGrid media = grids.FindGrid(QStringLiteral("[MERVEX]:Media"));
        QCOMPARE(media.name, QStringLiteral("Media"));
        QCOMPARE(media.key, QStringLiteral("[MERVEX]:Media"));
        QCOMPARE(media.background, QStringLiteral("DeckBG"));
        QVERIFY(media.verified);
        QVERIFY(!grids.FindGrid(QStringLiteral("GT:Ticks")).verified);
        QVERIFY(!grids.FindGrid(QStringLiteral("GT:NoSuchGrid")).IsFound());
        QVERIFY(grids.TabBGId() != 0);
        QVERIFY(grids.TabAOvlId() != 0);
        QVERIFY(grids.DeckBGId(media.background, 640, 800) != 0);
        QVERIFY(grids.TabIconId(media.icon, 0) != grids.TabIconId(media.icon, 1));
        // Made once, registered on every call, with the ids the skin itself gives them; made anew after a change.
        const DataCfg::TAppSkin skin = DataCfg::Instance()->FindAppSkin(QLatin1String(NetGridsProvider::AppSkinName));
        quint64 direct = 0;
        skin.GetDeckBG(media.background, 640, 900, &direct);
        QVERIFY(direct != 0);
        QCOMPARE(grids.DeckBGId(media.background, 640, 900), direct);
        QCOMPARE(grids.DeckBGId(media.background, 640, 900), direct);
        QVERIFY(grids.DeckBGId(media.background, 640, 800) != direct);
        quint64 icon = 0;
        skin.GetTabIcon(media.icon, true, &icon);
        QCOMPARE(grids.TabIconId(media.icon, 1), icon);
        QCOMPARE(grids.EditorChangeCount(), 0);
        int changes = 3;
        grids.SetEditorChangeCount([&changes] { return changes; });
        QCOMPARE(grids.EditorChangeCount(), 3);
        QCOMPARE(grids.DeckBGId(media.background, 640, 900), direct);

        // The views are real canvases without parent; a missing grid leaves an empty one.
        INetGridView* view = grids.CreateGridView();
        auto* canvas = dynamic_cast<GridView*>(view);
        QVERIFY(canvas && !canvas->parentWidget() && !canvas->Editor());
        view->SetGrid(grids.FindGrid(QStringLiteral("GT:NoSuchGrid")));
        QVERIFY(view->CtrlViews().isEmpty());
        view->SetGrid(media);
        QCOMPARE(view->CtrlViews().size(), 10);
        delete canvas;
        INetOverlayView* overlay = grids.CreateOverlayView();
        QVERIFY(dynamic_cast<GridViewGlobal*>(overlay));
        overlay->InitPopup();
        QVERIFY(!overlay->IsShowing());
        QCOMPARE(overlay->CtrlViews().size(), 1);
        overlay->DeleteLater();
    }

    void phoneSessionRunsOnRealGridViews() {
        NetGridsProvider grids;
        FakePairing pairing;
        pairing.accept = true;
        NetServer server;
        server.SetEndpoints(QHostAddress::LocalHost, 0, 0);
        server.SetGrids(&grids);
        server.SetPairing(&pairing);
        pairing.server = &server;
        QVERIFY(server.Open());

        FakePhone phone(server.TcpPort());
        QVERIFY(phone.WaitConnected());
        phone.Send(QStringLiteral("Connect?n=Phone&t=KEY1&d=Desk&v=0.45&hb=6"));
        QVERIFY(!phone.WaitFor("PairPending").isEmpty());
        const QJsonObject connected = JsonOf(phone.WaitFor("Connect?"));
        QCOMPARE(connected.value(QStringLiteral("connected")).toBool(), true);
        QCOMPARE(pairing.asked, 1);

        // The tab list: grids that exist, in tab-list order, with the skin's images.
        const QJsonObject tabs = JsonOf(phone.WaitFor("Tabs"));
        const QJsonArray list = tabs.value(QStringLiteral("t")).toArray();
        QCOMPARE(list.size(), 3);
        QCOMPARE(list.at(0).toObject().value(QStringLiteral("n")).toString(), QStringLiteral("[MERVEX]:Media"));
        QCOMPARE(list.at(2).toObject().value(QStringLiteral("n")).toString(), QStringLiteral("GT:Ticks"));
        QCOMPARE(list.at(0).toObject().value(QStringLiteral("ci")).toInt(), -1);
        QCOMPARE(list.at(2).toObject().value(QStringLiteral("ci")).toInt(), 0);
        QVERIFY(tabs.value(QStringLiteral("tbg")).toDouble() > 0);

        // View of the first tab: one record per placed control, at its cell.
        int from = phone.received.size();
        phone.Send(QStringLiteral("View?t=0"));
        int at = WaitIndex(phone, "View?t=0", from);
        QVERIFY(at >= 0);
        WebSocketUD* session = server.Sessions().value(0);
        QVERIFY(session);
        auto* media = dynamic_cast<GridView*>(session->views.value(0));
        QVERIFY(media);
        QCOMPARE(media->SessionId(), session->sessionId);
        QCOMPARE(media->GetHeightB(), 6.0);
        QCOMPARE(media->ClientMap().value(QStringLiteral("Name")).toString(), QStringLiteral("Phone"));
        QCOMPARE(media->ClientMap().value(QStringLiteral("Token")).toString(), QStringLiteral("KEY1"));
        QVERIFY(dynamic_cast<GridViewGlobal*>(session->overlay));
        QCOMPARE(media->GetOverlay(), dynamic_cast<IGridViewGlobal*>(session->overlay));
        QCOMPARE(media->ViewCount(), 10);
        QVERIFY(media->UpdateTimer() && media->UpdateTimer()->isActive());
        const QJsonObject records = JsonOf(phone.received.at(at));
        QCOMPARE(records.size(), media->ViewCount());
        for (CtrlView* v : media->Views()) {
            const QJsonObject r = records.value(QString::number(v->GetId())).toObject();
            QCOMPARE(r.value(QStringLiteral("x")).toInt(), v->GetGridX());
            QCOMPARE(r.value(QStringLiteral("y")).toInt(), v->GetGridY());
            QVERIFY(r.contains(QStringLiteral("ly")));
        }
        // The controls know they serve a phone.
        QVERIFY(media->Views().at(0)->IsNetClient());

        // A control message reaches its control view; the changed control is pushed in answer.
        from = phone.received.size();
        phone.Send(QStringLiteral("View?t=2"));
        at = WaitIndex(phone, "View?t=2", from);
        QVERIFY(at >= 0);
        auto* ticks = dynamic_cast<GridView*>(session->views.value(2));
        QVERIFY(ticks);
        CtrlView* ticker = ticks->Views().at(0);
        from = phone.received.size();
        phone.Send(QStringLiteral("CM?id=%1&m=7").arg(ticker->GetId()));
        at = -1;
        // The answer is the first View of that tab whose record carries the message back.
        for (int round = 0; round < 20 && at < 0; ++round) {
            const int next = WaitIndex(phone, "View?t=2", from);
            QVERIFY(next >= 0);
            const QJsonObject r = JsonOf(phone.received.at(next)).value(QString::number(ticker->GetId())).toObject();
            if (r.value(QStringLiteral("cd")).toString() == QLatin1String("msg:7"))
                at = next;
            from = next + 1;
        }
        QVERIFY(at >= 0);
        QCOMPARE(ticker->GetClientData().toString(), QStringLiteral("msg:7"));

        // A sound the script sends to the phone goes out with the next View, though nothing repainted.
        QTemporaryDir soundDir;
        const QString chime = soundDir.filePath(QStringLiteral("chime.wav"));
        QFile chimeFile(chime);
        QVERIFY(chimeFile.open(QIODevice::WriteOnly) && chimeFile.write(QByteArray(64, 'x')) == 64);
        chimeFile.close();
        m_fx.SetGlobal("chime", chime);
        m_fx.cfg->UserCfg().CfgBase.insert(QStringLiteral("ActivateBottonSounds"), true);
        from = phone.received.size();
        phone.Send(QStringLiteral("CM?id=%1&m=9").arg(ticker->GetId()));
        at = -1;
        for (int round = 0; round < 20 && at < 0; ++round) {
            const int next = WaitIndex(phone, "View?t=2", from);
            QVERIFY(next >= 0);
            const QJsonObject r = JsonOf(phone.received.at(next)).value(QString::number(ticker->GetId())).toObject();
            if (r.value(QStringLiteral("ps")).toDouble() > 0) {
                QCOMPARE(r.value(QStringLiteral("cd")).toString(), QStringLiteral("msg:9"));
                at = next;
            }
            from = next + 1;
        }
        m_fx.cfg->UserCfg().CfgBase.remove(QStringLiteral("ActivateBottonSounds"));
        QVERIFY(at >= 0);

        // A message box of a control goes out as the overlay's view; the answer reaches the control.
        CtrlView* ask = ticks->Views().at(ticks->FindControlIndices(QStringLiteral("GT:Ask")).value(0));
        from = phone.received.size();
        phone.Send(QStringLiteral("CM?id=%1&m=1").arg(ask->GetId()));
        at = WaitIndex(phone, "View?t=-1", from);
        QVERIFY(at >= 0);
        auto* overlay = dynamic_cast<GridViewGlobal*>(session->overlay);
        QVERIFY(overlay->IsShowing());
        const QJsonObject popup =
            JsonOf(phone.received.at(at)).value(QString::number(overlay->PopupView()->GetId())).toObject();
        QVERIFY(popup.contains(QStringLiteral("ly")));
        overlay->DoButtonClicked(QStringLiteral("Yes"), QString());
        QTRY_COMPARE_WITH_TIMEOUT(ask->GetClientData().toString(), QStringLiteral("answer:16384"), 5000);
        QVERIFY(WaitIndex(phone, "View?t=2", from) >= 0);

        // A session's views go with it.
        QPointer<GridView> gone(media);
        phone.socket.close();
        QTRY_VERIFY_WITH_TIMEOUT(server.Sessions().isEmpty(), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(gone.isNull(), 5000);
    }

    // The shipped mute toggle follows a mute made on the PC: its script presses the face and lights the icon,
    // and the phone's next View carries both.
    void stateAScriptSetsReachesThePhone() {
        TableRegistry registry;
        registry.values.insert(QStringLiteral("DFP:SND_Mute_Main_Get"), false);
        FuncRegistry::SetInstance(&registry);
        // Scripts see their elements through the script objects, as in the program.
        DCScriptObjectFactory::Install();
        NetGridsProvider grids;
        FakePairing pairing;
        pairing.known.insert(QStringLiteral("KEY2"), true);
        NetServer server;
        server.SetEndpoints(QHostAddress::LocalHost, 0, 0);
        server.SetGrids(&grids);
        server.SetPairing(&pairing);
        QVERIFY(server.Open());
        FakePhone phone(server.TcpPort());
        QVERIFY(phone.WaitConnected());
        phone.Send(QStringLiteral("Connect?n=Phone&t=KEY2&d=Desk&v=0.45&hb=6"));
        QVERIFY(!phone.WaitFor("Connect?").isEmpty());
        int from = phone.received.size();
        phone.Send(QStringLiteral("View?t=0"));
        QVERIFY(WaitIndex(phone, "View?t=0", from) >= 0);
        auto* media = dynamic_cast<GridView*>(server.Sessions().value(0)->views.value(0));
        QVERIFY(media);
        CtrlView* mute =
            media->Views().value(media->FindControlIndices(QStringLiteral("MVX_Base:Mute Toggle")).value(0));
        QVERIFY(mute);
        LEBase* face = nullptr;
        LEBase* icon = nullptr;
        for (LEBase* e : mute->Elements()) {
            if (e->Layout().Name == QLatin1String("Face"))
                face = e;
            if (e->Layout().Name == QLatin1String("Icon"))
                icon = e;
        }
        QVERIFY(face && icon);
        QVERIFY(!face->HasState(LEBase::SB_Pressed));

        // Muted on the PC: the next View that speaks of the control shows the face pressed (a pressed toggle)
        // and the muted icon.
        const QString ctrl = QString::number(mute->GetId());
        const QString faceKey = QString::number(face->GetId());
        const QString iconKey = QString::number(icon->GetId());
        const QString iconBefore = QString::number(icon->MainImage().PixelHash());
        from = phone.received.size();
        registry.values.insert(QStringLiteral("DFP:SND_Mute_Main_Get"), true);
        QJsonObject faceRecord, iconRecord;
        for (int round = 0; round < 40 && faceRecord.isEmpty(); ++round) {
            const int at = WaitIndex(phone, "View?t=0", from);
            QVERIFY(at >= 0);
            const QJsonObject ly =
                JsonOf(phone.received.at(at)).value(ctrl).toObject().value(QStringLiteral("ly")).toObject();
            faceRecord = ly.value(faceKey).toObject();
            if (iconRecord.isEmpty())
                iconRecord = ly.value(iconKey).toObject();
            from = at + 1;
        }
        QVERIFY(face->HasState(LEBase::SB_Pressed));
        QVERIFY2(faceRecord.contains(QStringLiteral("f")), "no View carried the pressed face");
        QVERIFY(faceRecord.value(QStringLiteral("f")).toInt() & 0x2);
        QVERIFY(iconRecord.contains(QStringLiteral("cI")));
        QVERIFY(iconRecord.value(QStringLiteral("cI")).toString() != iconBefore);

        phone.socket.close();
        QTRY_VERIFY_WITH_TIMEOUT(server.Sessions().isEmpty(), 5000);
        FuncRegistry::SetInstance(nullptr);
        ScriptObjectFactory::SetInstance(nullptr);
    }
};

QTEST_MAIN(TestGridSession)
#include "test_gridsession.moc"
