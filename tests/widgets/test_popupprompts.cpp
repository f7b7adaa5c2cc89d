// The user prompts as popups: the permission question's look and its answers with and without the remember
// option, and the status popup whose text follows the work until it is closed.
#include "widgets/imgwidget.h"
#include "widgets/popupprompts.h"
#include "widgets/popupwnd.h"
#include "widgets/stdbtn.h"

#include <QLabel>
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
            // A long error grows the popup to show it whole.
            const QSize before = popup->size();
            status->SetText("error: the certificate of imap.mail.example-provider.org is not trusted: The certificate "
                            "is self-signed, and untrusted");
            QVERIFY(popup->height() > before.height());
            QVERIFY(popup->textHeight > 46);
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

    // The test popup hides OK while the test runs, lists its results and ends with the button pressed.
    void testPopupEndsWithThePressedButton() {
        PopupPrompts prompts;
        std::unique_ptr<ITestPopup> test = prompts.MakeTestPopup("News Feed Test");
        test->SetOkVisible(false);
        test->SetText("testing URLs ... 2");
        bool okHiddenWhileRunning = false;
        WhenPopupShows([&](PopupWnd* popup) {
            okHiddenWhileRunning = ButtonWithValue(popup, PopupWnd::OK)->isHidden();
            test->SetOkVisible(true);
            test->SetResults({"Succeeded:", "http://a.example/"}, "Apply results?");
            QCOMPARE(popup->size(), QSize(400, 12 * 2 + 160));
            ButtonWithValue(popup, PopupWnd::OK)->click();
        });
        QVERIFY(test->Exec());
        QVERIFY(okHiddenWhileRunning);
        QCOMPARE(test->Results(), QStringLiteral("Succeeded:\nhttp://a.example/\nApply results?"));

        // A failure with a long reason wraps inside the popup, which grows to show it whole.
        std::unique_ptr<ITestPopup> failed = prompts.MakeTestPopup("News Feed Test");
        const QString reason = "https://127.0.0.1:41121/feed (the certificate of 127.0.0.1 is not trusted: The "
                               "certificate is self-signed, and untrusted)";
        WhenPopupShows([&](PopupWnd* popup) {
            failed->SetResults({"No valid URLs found.", "Failed:", reason}, "Apply results?");
            const QLabel* label = popup->findChild<QLabel*>();
            QVERIFY(label->sizeHint().width() <= label->width() ||
                    (label->wordWrap() && label->heightForWidth(label->width()) <= label->height()));
            QVERIFY(label->geometry().bottom() < popup->buttonBox()->geometry().top());
            ButtonWithValue(popup, PopupWnd::OK)->click();
        });
        QVERIFY(failed->Exec());

        std::unique_ptr<ITestPopup> cancelled = prompts.MakeTestPopup("News Feed Test");
        WhenPopupShows([](PopupWnd* popup) { ButtonWithValue(popup, PopupWnd::CANCEL)->click(); });
        QVERIFY(!cancelled->Exec());
    }

    // The replacement question answers the choice whose button was clicked, or nothing for the drop button.
    void replacementChoice_data() {
        QTest::addColumn<QString>("click");
        QTest::addColumn<QString>("answer");
        QTest::newRow("second choice") << "http://b.example/feed"
                                       << "http://b.example/feed";
        QTest::newRow("drop") << "Rem"
                              << "";
    }
    void replacementChoice() {
        QFETCH(QString, click);
        QFETCH(QString, answer);
        ReplacementChoice choice;
        choice.title = "RSS Feed Source";
        choice.problem = "x is not an RSS/Atom Feed.";
        choice.offer = "Select another Feed URL instead:";
        choice.choices = QStringList{"http://a.example/feed", "http://b.example/feed"};
        choice.chooseText = "Select";
        choice.dropText = "Remove URL";
        QStringList captions;
        auto* timer = new QTimer;
        timer->setInterval(5);
        QObject::connect(timer, &QTimer::timeout, [timer, click, &captions] {
            QDialog* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible())
                return;
            timer->stop();
            timer->deleteLater();
            for (StdBtn* b : dialog->findChildren<StdBtn*>())
                captions << b->text();
            for (StdBtn* b : dialog->findChildren<StdBtn*>()) {
                if (b->valueText == click) {
                    QTest::mouseClick(b, Qt::LeftButton);
                    return;
                }
            }
        });
        timer->start();
        PopupPrompts prompts;
        QCOMPARE(prompts.ChooseReplacement(choice), answer);
        QCOMPARE(captions, (QStringList{"Select", "Select", "Remove URL"}));
    }
};

QTEST_MAIN(TestPopupPrompts)
#include "test_popupprompts.moc"
