// The user prompts as popups: the permission question's look and its answers with and without the remember
// option, and the status popup whose text follows the work until it is closed.
#include "widgets/imgwidget.h"
#include "widgets/popupprompts.h"
#include "widgets/popupwnd.h"

#include <QRadioButton>
#include <QtTest>

#include <functional>

namespace {

// Runs action on the popup once its modal loop shows it.
void WhenPopupShows(std::function<void(PopupWnd*)> action) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        auto* popup = qobject_cast<PopupWnd*>(QApplication::activeModalWidget());
        if (!popup || !popup->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        action(popup);
    });
    timer->start();
}

QAbstractButton* ButtonWithValue(PopupWnd* popup, int value) {
    for (QAbstractButton* b : popup->buttonBox()->buttons())
        if (popup->ButtonValue(b) == value)
            return b;
    return nullptr;
}

} // namespace

class TestPopupPrompts : public QObject {
    Q_OBJECT

private slots:
    void permissionQuestionLooks() {
        PopupPrompts prompts;
        QString title, text, option;
        QSize size;
        QPoint optionPos;
        bool optionChecked = true;
        QWidget* parent = reinterpret_cast<QWidget*>(1);
        QAbstractButton* escape = nullptr;
        QAbstractButton* no = nullptr;
        WhenPopupShows([&](PopupWnd* popup) {
            title = popup->windowTitle();
            text = popup->GetText();
            size = popup->size();
            parent = popup->parentWidget();
            escape = popup->escapeButton();
            no = ButtonWithValue(popup, PopupWnd::NO);
            QVERIFY(ButtonWithValue(popup, PopupWnd::YES));
            QVERIFY(popup->icon());
            if (auto* radio = popup->findChild<QRadioButton*>()) {
                option = radio->text();
                optionPos = radio->pos();
                optionChecked = radio->isChecked();
            }
            popup->done(PopupWnd::NO);
        });
        bool remember = true;
        QVERIFY(!prompts.AskPermission("SECURITY WARNING", "May it?", "Remember my decision", &remember));
        QVERIFY(!remember);
        QCOMPARE(title, QStringLiteral("SECURITY WARNING"));
        QCOMPARE(text, QStringLiteral("May it?"));
        QCOMPARE(option, QStringLiteral("Remember my decision"));
        QCOMPARE(optionPos, QPoint(60, 100));
        QVERIFY(!optionChecked);
        QCOMPARE(size, QSize(350, 170));
        QVERIFY(!parent);
        QVERIFY(no && escape == no);
    }

    void permissionAnswers_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("check");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<bool>("remember");
        QTest::newRow("yes") << int(PopupWnd::YES) << false << true << false;
        QTest::newRow("yes, remembered") << int(PopupWnd::YES) << true << true << true;
        QTest::newRow("no, remembered") << int(PopupWnd::NO) << true << false << true;
        QTest::newRow("closed") << 0 << false << false << false;
    }
    void permissionAnswers() {
        QFETCH(int, button);
        QFETCH(bool, check);
        QFETCH(bool, yes);
        QFETCH(bool, remember);
        PopupPrompts prompts;
        WhenPopupShows([&](PopupWnd* popup) {
            popup->findChild<QRadioButton*>()->setChecked(check);
            if (QAbstractButton* b = ButtonWithValue(popup, button))
                b->click();
            else
                popup->close();
        });
        bool kept = !remember;
        QCOMPARE(prompts.AskPermission("t", "q", "r", &kept), yes);
        QCOMPARE(kept, remember);
    }

    void statusPopupFollowsTheWork() {
        PopupPrompts prompts;
        std::unique_ptr<IStatusPopup> status = prompts.MakeStatusPopup("Testing", "connecting");
        QCOMPARE(status->Text(), QStringLiteral("connecting"));
        QPointer<PopupWnd> shown;
        QString title;
        bool hasOk = false;
        WhenPopupShows([&](PopupWnd* popup) {
            shown = popup;
            title = popup->windowTitle();
            hasOk = ButtonWithValue(popup, PopupWnd::OK) != nullptr;
            status->SetText("done");
            QCOMPARE(popup->GetText(), QStringLiteral("done"));
            status->Close();
        });
        status->Exec();
        QCOMPARE(title, QStringLiteral("Testing"));
        QVERIFY(hasOk);
        QCOMPARE(status->Text(), QStringLiteral("done"));
        QVERIFY(shown && !shown->isVisible());
        // The popup goes with its owner.
        status.reset();
        QVERIFY(!shown);
    }
};

QTEST_MAIN(TestPopupPrompts)
#include "test_popupprompts.moc"
