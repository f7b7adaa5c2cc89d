// The popup base and the message box: standard buttons and their values, the escape and default buttons,
// keys, modal and window-modal runs, growth for long texts, layout, centring and dragging.
#include "widgets/imgwidget.h"
#include "widgets/popupwnd.h"
#include "widgets/qpushbuttonex.h"
#include "widgets/tiledbtn.h"

#include <QPushButton>
#include <QScreen>
#include <QStatusTipEvent>
#include <QtTest>

#include <functional>

namespace {

// Runs action on the message box once its modal loop shows it.
void WhenBoxShows(std::function<void(PopupWnd*)> action) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        auto* box = qobject_cast<PopupWnd*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        action(box);
    });
    timer->start();
}

QAbstractButton* ButtonWithValue(PopupWnd* box, int value) {
    for (QAbstractButton* b : box->buttonBox()->buttons())
        if (box->ButtonValue(b) == value)
            return b;
    return nullptr;
}

class RecordingPopup : public PopupWnd {
public:
    using PopupWnd::PopupWnd;
    QAbstractButton* endedBy = nullptr;
    int retranslations = 0;
    void done(int r) override {
        endedBy = currentButton();
        PopupWnd::done(r);
    }
    void Retranslate() override { ++retranslations; }
};

class TipTarget : public QWidget {
public:
    QString tip;
    bool event(QEvent* e) override {
        if (e->type() == QEvent::StatusTip) {
            tip = static_cast<QStatusTipEvent*>(e)->tip();
            return true;
        }
        return QWidget::event(e);
    }
};

} // namespace

class TestPopupWnd : public QObject {
    Q_OBJECT

private slots:
    void standardButtons_data() {
        QTest::addColumn<int>("mask");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<int>("escape"); // value of the escape button, 0 for none
        QTest::newRow("ok cancel") << (PopupWnd::OK | PopupWnd::CANCEL) << QStringList{"OK", "CANCEL"}
                                   << int(PopupWnd::CANCEL);
        QTest::newRow("yes no") << (PopupWnd::YES | PopupWnd::NO) << QStringList{"YES", "NO"} << int(PopupWnd::NO);
        QTest::newRow("yes no cancel") << (PopupWnd::YES | PopupWnd::NO | PopupWnd::CANCEL)
                                       << QStringList{"YES", "NO", "CANCEL"} << int(PopupWnd::CANCEL);
        QTest::newRow("close apply") << (PopupWnd::CLOSE | PopupWnd::APPLY) << QStringList{"CLOSE", "APPLY"}
                                     << int(PopupWnd::CLOSE);
        QTest::newRow("ok only") << int(PopupWnd::OK) << QStringList{"OK"} << 0;
        QTest::newRow("all seven") << (PopupWnd::OK | PopupWnd::YES | PopupWnd::NO | PopupWnd::CLOSE |
                                       PopupWnd::CANCEL | PopupWnd::APPLY | PopupWnd::RESET)
                                   << QStringList{"OK", "YES", "NO", "CLOSE", "CANCEL", "APPLY", "RESET"}
                                   << int(PopupWnd::CANCEL);
    }

    void standardButtons() {
        QFETCH(int, mask);
        QFETCH(QStringList, captions);
        QFETCH(int, escape);
        PopupWnd popup;
        popup.AddButtons(mask, 0);
        QStringList got;
        for (quint32 bit = 0x400; bit <= 0x8000000; bit <<= 1) {
            if (QAbstractButton* b = ButtonWithValue(&popup, int(bit))) {
                got << b->text();
                QVERIFY(qobject_cast<TiledBtn*>(b));
                QCOMPARE(static_cast<TiledBtn*>(b)->padLeft, 10);
            }
        }
        QCOMPARE(got, captions);
        QCOMPARE(popup.ButtonValue(popup.escapeButton()), escape);
        QCOMPARE(popup.noButton() != nullptr, bool(mask & PopupWnd::NO));
    }

    void buttonRoles() {
        PopupWnd popup;
        const QDialogButtonBox* box = popup.buttonBox();
        QCOMPARE(box->objectName(), QStringLiteral("qt_msgbox_buttonbox"));
        QCOMPARE(box->buttonRole(popup.AddStdButton(PopupWnd::YES)), QDialogButtonBox::AcceptRole);
        QCOMPARE(box->buttonRole(popup.AddStdButton(PopupWnd::NO)), QDialogButtonBox::RejectRole);
        QCOMPARE(box->buttonRole(popup.AddStdButton(PopupWnd::APPLY)), QDialogButtonBox::ApplyRole);
        QCOMPARE(box->buttonRole(popup.AddStdButton(PopupWnd::RESET)), QDialogButtonBox::ResetRole);
        // Other values get the toolkit's own button and answer its standard value.
        QAbstractButton* save = popup.AddStdButton(0x800);
        QVERIFY(save && !qobject_cast<TiledBtn*>(save));
        QCOMPARE(popup.ButtonValue(save), 0x800);
        // Caller-made buttons have no value of their own.
        auto* own = new QPushButton(QStringLiteral("Mine"));
        popup.AddButton(own, QDialogButtonBox::ActionRole);
        QCOMPARE(popup.ButtonValue(own), 0);
        QCOMPARE(popup.ButtonValue(nullptr), 0);
    }

    void msgBox_data() {
        QTest::addColumn<int>("mask");
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("result");
        const int okCancel = PopupWnd::OK | PopupWnd::CANCEL;
        const int yesNo = PopupWnd::YES | PopupWnd::NO;
        QTest::newRow("click ok") << okCancel << "click 1024" << int(PopupWnd::OK);
        QTest::newRow("click cancel") << okCancel << "click 4194304" << int(PopupWnd::CANCEL);
        QTest::newRow("escape gives cancel") << okCancel << "escape" << int(PopupWnd::CANCEL);
        QTest::newRow("return presses default") << okCancel << "return" << int(PopupWnd::OK);
        QTest::newRow("close button gives escape") << okCancel << "close" << int(PopupWnd::CANCEL);
        QTest::newRow("N clicks no") << yesNo << "n" << int(PopupWnd::NO);
        QTest::newRow("shift N does nothing") << yesNo << "shift-n" << int(PopupWnd::YES);
        QTest::newRow("ok only, closed") << int(PopupWnd::OK) << "close" << 0;
        QTest::newRow("ok only, escape") << int(PopupWnd::OK) << "escape" << 0;
        QTest::newRow("save button") << 0x800 << "click 2048" << 0x800;
        QTest::newRow("no buttons gets ok") << 0 << "click 1024" << int(PopupWnd::OK);
    }

    void msgBox() {
        QFETCH(int, mask);
        QFETCH(QString, action);
        QFETCH(int, result);
        QWidget parent;
        parent.resize(500, 400);
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));
        QPointer<PopupWnd> seen;
        WhenBoxShows([&](PopupWnd* box) {
            seen = box;
            QVERIFY(box->isModal());
            if (action.startsWith("click ")) {
                ButtonWithValue(box, action.mid(6).toInt())->click();
            } else if (action == "escape") {
                QTest::keyClick(box, Qt::Key_Escape);
            } else if (action == "return") {
                QTest::keyClick(box, Qt::Key_Return);
            } else if (action == "close") {
                box->closeButton()->click();
            } else if (action == "n") {
                QTest::keyClick(box, Qt::Key_N);
            } else if (action == "shift-n") {
                QTest::keyClick(box, Qt::Key_N, Qt::ShiftModifier);
                QVERIFY(box->isVisible());
                ButtonWithValue(box, PopupWnd::YES)->click();
            }
        });
        QCOMPARE(MsgBoxQuestion(&parent, QStringLiteral("Title"), QStringLiteral("Text"), mask, 0), result);
        QVERIFY(seen.isNull()); // the box is gone when MsgBox returns
    }

    void msgBoxParentGoesAway() {
        auto* parent = new QWidget;
        parent->show();
        WhenBoxShows([parent](PopupWnd*) { delete parent; });
        QCOMPARE(MsgBoxInfo(parent, QStringLiteral("T"), QStringLiteral("x"), PopupWnd::OK, 0), int(PopupWnd::CANCEL));
    }

    void msgBoxGrowsForLongText_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("short") << "One line.";
        QTest::newRow("long") << QString("A rather long message that wraps over many lines. ").repeated(8);
    }

    void msgBoxGrowsForLongText() {
        QFETCH(QString, text);
        QFont font(QStringLiteral("Arial"), 11, QFont::Bold);
        font.setPixelSize(12);
        const int h = QFontMetrics(font)
                          .boundingRect(QRect(0, 0, 254, 46), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, text)
                          .height();
        QSize size;
        int textHeight = 0;
        WhenBoxShows([&](PopupWnd* box) {
            size = box->size();
            textHeight = box->textHeight;
            QCOMPARE(box->GetText(), text);
            QCOMPARE(box->windowTitle(), QStringLiteral("Title"));
            box->buttonBox()->buttons().first()->click();
        });
        MsgBoxWarning(nullptr, QStringLiteral("Title"), text, PopupWnd::OK, 0);
        if (h <= 46) {
            QCOMPARE(size, QSize(350, 160));
            QCOMPARE(textHeight, 46);
        } else {
            QCOMPARE(size, QSize(350, 160 + h - 46));
            QCOMPARE(textHeight, h);
        }
    }

    void windowModal() {
        QWidget window;
        window.resize(600, 400);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QPointer<RecordingPopup> popup = new RecordingPopup(&window);
        popup->AddButtons(PopupWnd::YES | PopupWnd::NO, PopupWnd::YES);
        QSignalSpy finished(popup.data(), &QDialog::finished);
        QAbstractButton* no = popup->noButton();
        popup->open();
        QCOMPARE(popup->windowModality(), Qt::WindowModal);
        QVERIFY(popup->isVisible());
        no->click();
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.first().first().toInt(), int(PopupWnd::NO));
        QCOMPARE(popup->endedBy, no);              // subclasses learn which button ended the dialog
        QCOMPARE(popup->currentButton(), nullptr); // only while done runs
        QCOMPARE(popup->lastClickedButton(), no);
        QVERIFY(!popup->isVisible());
        // done schedules the popup's deletion.
        QTRY_VERIFY(popup.isNull());
    }

    void layoutAndIcon() {
        PopupWnd popup;
        popup.show(); // the layout follows the first resize event
        QCOMPARE(popup.size(), QSize(350, 160));
        QCOMPARE(popup.closeButton()->geometry(), QRect(322, 3, 25, 23));
        QCOMPARE(popup.buttonBox()->geometry(), QRect(0, 115, 350, 45));
        QVERIFY(popup.testAttribute(Qt::WA_TranslucentBackground));
        QVERIFY(popup.windowFlags() & Qt::FramelessWindowHint);

        popup.SetIcon(4);
        popup.SetIcon(1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(popup.findChildren<ImgWidget*>().size(), 1);
        QCOMPARE(popup.icon()->pos(), QPoint(290, 50));
        QCOMPARE(popup.icon()->size(), QSize(40, 40));
        popup.resize(400, 200);
        QCOMPARE(popup.icon()->pos(), QPoint(340, 50));
        QCOMPARE(popup.buttonBox()->geometry(), QRect(0, 155, 400, 45));
        popup.SetIcon(9);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!popup.icon());
        QCOMPARE(popup.findChildren<ImgWidget*>().size(), 0);
    }

    void showAddsOkAndCentres() {
        QWidget window;
        window.setGeometry(100, 80, 600, 400);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* inner = new QWidget(&window); // the popup's parent need not be the window itself
        PopupWnd popup(inner);
        popup.show();
        QCOMPARE(popup.buttonBox()->buttons().size(), 1);
        QCOMPARE(popup.ButtonValue(popup.buttonBox()->buttons().first()), int(PopupWnd::OK));
        const QRect w = window.frameGeometry(), p = popup.frameGeometry();
        QCOMPARE(p.topLeft(), QPoint(w.x() + (w.width() - p.width()) / 2, w.y() + (w.height() - p.height()) / 2));
    }

    void centreKeptOnScreen() {
        QWidget window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QRect s = window.screen()->geometry();
        QWidget popup;
        popup.resize(300, 200);
        popup.show();
        QVERIFY(QTest::qWaitForWindowExposed(&popup));
        const QSize frame = popup.frameGeometry().size();
        // Far right and low: pushed back so the popup's last pixel stays on the screen.
        window.setGeometry(s.right() - 100, s.bottom() - 50, 120, 60);
        CenterOverWindow(&window, &popup);
        QCOMPARE(popup.frameGeometry().topLeft(), QPoint(s.right() - frame.width(), s.bottom() - frame.height()));
        // Far left and high: held at the screen's edges.
        window.setGeometry(s.left(), s.top(), 40, 30);
        CenterOverWindow(&window, &popup);
        QCOMPARE(popup.frameGeometry().topLeft(), s.topLeft());
    }

    void dragging() {
        PopupWnd popup;
        popup.move(50, 60);
        popup.show();
        QVERIFY(QTest::qWaitForWindowExposed(&popup));
        const QPoint start = popup.frameGeometry().topLeft();
        auto send = [&](QEvent::Type type, QPoint local, Qt::MouseButton button, Qt::MouseButtons buttons) {
            QMouseEvent e(type, local, popup.mapToGlobal(local), button, buttons, Qt::NoModifier);
            QCoreApplication::sendEvent(&popup, &e);
        };
        send(QEvent::MouseButtonPress, QPoint(100, 80), Qt::LeftButton, Qt::LeftButton);
        QMouseEvent move(QEvent::MouseMove, QPoint(130, 90), popup.mapToGlobal(QPoint(100, 80)) + QPoint(30, 10),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&popup, &move);
        QCOMPARE(popup.frameGeometry().topLeft(), start + QPoint(30, 10));
        send(QEvent::MouseButtonRelease, QPoint(130, 90), Qt::LeftButton, Qt::NoButton);
        // After the release, moving with the button held does not drag.
        QMouseEvent after(QEvent::MouseMove, QPoint(10, 10), popup.mapToGlobal(QPoint(10, 10)) + QPoint(50, 50),
                          Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&popup, &after);
        QCOMPARE(popup.frameGeometry().topLeft(), start + QPoint(30, 10));
        // A right-button press starts no drag.
        send(QEvent::MouseButtonPress, QPoint(20, 20), Qt::RightButton, Qt::RightButton);
        QCoreApplication::sendEvent(&popup, &after);
        QCOMPARE(popup.frameGeometry().topLeft(), start + QPoint(30, 10));
    }

    void statusTipsGoToActiveWindow() {
        TipTarget target;
        target.show();
        QApplication::setActiveWindow(&target);
        QVERIFY(QTest::qWaitForWindowActive(&target));
        PopupWnd popup;
        QStatusTipEvent tip(QStringLiteral("Close"));
        QVERIFY(QCoreApplication::sendEvent(&popup, &tip));
        QCOMPARE(target.tip, QStringLiteral("Close"));
    }

    void retranslateOnLocaleChange() {
        RecordingPopup popup;
        QEvent e(QEvent::LocaleChange);
        QCoreApplication::sendEvent(&popup, &e);
        QCOMPARE(popup.retranslations, 1);
    }

    void backgroundFactoryUsedOnce() {
        // The shared background was made by the first popup of this process; a later factory is not asked.
        int calls = 0;
        PopupWnd::SetBackgroundFactory([&calls](const QString&, const QList<QRectF>&) -> IPopupBackground* {
            ++calls;
            return nullptr;
        });
        PopupWnd popup;
        popup.grab();
        QCOMPARE(calls, 0);
        PopupWnd::SetBackgroundFactory(nullptr);
    }
};

QTEST_MAIN(TestPopupWnd)
#include "test_popupwnd.moc"
