// The program as it runs: phones on the loopback address pair through the window's question, which never
// blocks the server; a phone that leaves takes its question with it; a file dropped on the window that
// nothing imports is refused with a message.
#include "config/datacfg.h"
#include "config/tusercfg.h"
#include "server/netserver.h"
#include "shell/programtabhooks.h"
#include "tests/common/phoneclient.h"
#include "tests/common/wiredprogram.h"
#include "tests/shell/popupwatcher.h"
#include "widgets/popupwnd.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QMimeData>
#include <QUrl>
#include <QtTest>

class TestWiredPairing : public QObject {
    Q_OBJECT
    std::unique_ptr<WiredProgram> m_program;

private slots:
    void init() {
        m_program = std::make_unique<WiredProgram>();
        QVERIFY(m_program->Started());
        QVERIFY(m_program->Server()->IsOpen());
    }
    void cleanup() { m_program.reset(); }

    void firstPhonePairsThroughTheQuestion() {
        MervexWnd* wnd = m_program->Window();
        PhoneClient phone(m_program->TcpPort());
        QVERIFY(phone.WaitConnected());
        phone.SendConnect(QStringLiteral("Pixel"), QStringLiteral("KEY1"));
        QVERIFY(!phone.WaitFor("PairPending").isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(m_program->PairingQuestion() && m_program->PairingQuestion()->isVisible(), 5000);
        // The question is no nested modal loop: the server keeps serving meanwhile.
        QVERIFY(!QApplication::activeModalWidget());
        // A phone of another host (one host holds one place).
        RawPhone other(QHostAddress(QStringLiteral("127.0.0.2")), m_program->TcpPort(), true);
        QVERIFY(other.Upgrade());
        other.Send(QStringLiteral("Connect?n=Stranger&t=KEY2&d=Test%20phone&v=0.45&hb=5"));
        QVERIFY(!other.WaitFor("PairPending").isEmpty());

        QVERIFY(PopupWatcher::Answer(m_program->PairingQuestion(), PopupWnd::YES));
        const QJsonObject reply = PhoneClient::JsonOf(phone.WaitFor("Connect?"));
        QCOMPARE(reply.value("connected").toBool(), true);
        QCOMPARE(reply.value("pairsucc").toBool(), true);
        QVERIFY(!phone.WaitFor("Tabs").isEmpty());
        bool active = false;
        QVERIFY(wnd->Cfg()->UserCfg().FindDevice(QStringLiteral("Pixel"), QStringLiteral("KEY1"), &active));
        QVERIFY(active);
        QFile stored(m_program->UserPath() + QStringLiteral("userCfg.json"));
        QVERIFY(stored.open(QIODevice::ReadOnly));
        QVERIFY(stored.readAll().contains("KEY1"));

        // The second phone had asked while the first question was open: its question follows, and NO
        // leaves it unpaired.
        QTRY_VERIFY_WITH_TIMEOUT(m_program->PairingQuestion() && m_program->PairingQuestion()->isVisible(), 5000);
        QVERIFY(PopupWatcher::Answer(m_program->PairingQuestion(), PopupWnd::NO));
        QCOMPARE(PhoneClient::JsonOf(other.WaitFor("Connect?")).value("error").toString(),
                 QStringLiteral("Not Paired"));
        QVERIFY(!wnd->Cfg()->UserCfg().FindDevice(QStringLiteral("Stranger"), QStringLiteral("KEY2"), &active));

        // With a device stored and no pairing mode, a new phone is refused without a question.
        PhoneClient late(m_program->TcpPort());
        QVERIFY(late.WaitConnected());
        late.SendConnect(QStringLiteral("Late"), QStringLiteral("KEY3"));
        QCOMPARE(PhoneClient::JsonOf(late.WaitFor("Connect?")).value("error").toString(), QStringLiteral("Not Paired"));
        QCOMPARE(late.Count("PairPending"), 0);
        QVERIFY(!m_program->PairingQuestion());
    }

    // The program ends while the first start's add-device popup is still up (nobody answered it): the popup goes
    // with the program, and its once-a-second check of the configuration never runs on what is gone.
    void firstStartPopupEndsWithTheProgram() {
        m_program.reset();
        m_program = std::make_unique<WiredProgram>(QString(), false);
        QVERIFY(m_program->Started());
        QPointer<QWidget> popup = WiredProgram::FirstPairingPopup();
        QVERIFY(popup);
        m_program.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!popup);
        QTest::qWait(1200);
    }

    void phoneThatLeavesTakesItsQuestionAlong() {
        MervexWnd* wnd = m_program->Window();
        auto phone = std::make_unique<PhoneClient>(m_program->TcpPort());
        QVERIFY(phone->WaitConnected());
        phone->SendConnect(QStringLiteral("Gone"), QStringLiteral("KEYG"));
        QTRY_VERIFY_WITH_TIMEOUT(m_program->PairingQuestion(), 5000);
        QPointer<PopupWnd> question = m_program->PairingQuestion();
        phone.reset();
        QTRY_VERIFY_WITH_TIMEOUT(!question, 5000);
        QVERIFY(wnd->Cfg()->UserCfg().Devices.isEmpty());
    }

    void dropThatNothingImportsIsRefusedWithAMessage() {
        MervexWnd* wnd = m_program->Window();
        QTemporaryDir dir;
        const QString path = dir.path() + QStringLiteral("/notes.txt");
        QVERIFY(QFile(path).open(QIODevice::WriteOnly));
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(wnd, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(wnd, &drop);
        QTRY_VERIFY(wnd->findChild<PopupWnd*>(QStringLiteral("ImportRefused")));
        QVERIFY(wnd->LastImportRefusal().contains(QStringLiteral("notes.txt")));
    }
};

QTEST_MAIN(TestWiredPairing)
#include "test_wiredpairing.moc"
