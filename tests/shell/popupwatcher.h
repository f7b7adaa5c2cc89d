#pragma once
// Watches for the program's popups (message boxes) in the shell's tests, records each as "title|text" and
// ends it with OK (or closes it), also from inside the popup's own modal loop. Its helpers answer one popup
// as the user does: click a button of its row, or act on the next modal popup once it is up.

#include "widgets/popupwnd.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDialogButtonBox>
#include <QEventLoop>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <functional>

class PopupWatcher : public QObject {
public:
    explicit PopupWatcher(int answer = PopupWnd::OK) : answer(answer) {
        timer.setInterval(20);
        connect(&timer, &QTimer::timeout, this, [this] { Poll(); });
        timer.start();
    }

    // Spins the event loop until at least count popups were seen.
    bool WaitSeen(int count, int timeoutMs = 10000) {
        QDeadlineTimer deadline(timeoutMs);
        while (seen.size() < count && !deadline.hasExpired()) {
            QEventLoop loop;
            QTimer::singleShot(10, &loop, &QEventLoop::quit);
            loop.exec();
        }
        return seen.size() >= count;
    }

    // The row's button that ends the popup with value, or null.
    static QAbstractButton* Button(PopupWnd* popup, int value) {
        if (!popup)
            return nullptr;
        for (QAbstractButton* b : popup->buttonBox()->buttons())
            if (popup->ButtonValue(b) == value)
                return b;
        return nullptr;
    }
    // Clicks that button with the mouse; false when the popup has none.
    static bool Answer(PopupWnd* popup, int value) {
        QAbstractButton* b = Button(popup, value);
        if (!b)
            return false;
        QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, b->rect().center());
        return true;
    }
    // Runs fn on the next modal popup of type T once it is up (inside the popup's own loop).
    template <typename T> static void OnModal(const std::function<void(T*)>& fn) {
        QTimer::singleShot(0, [fn] {
            auto* popup = qobject_cast<T*>(QApplication::activeModalWidget());
            if (!popup) {
                OnModal<T>(fn);
                return;
            }
            fn(popup);
        });
    }

    QStringList seen;
    int answer;

private:
    void Poll() {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            auto* popup = qobject_cast<PopupWnd*>(top);
            if (!popup || !popup->isVisible() || handled.contains(popup))
                continue;
            // Popups that are not message boxes (no text of their own) are left to the test.
            if (popup->GetText().isEmpty())
                continue;
            handled << popup;
            seen << popup->windowTitle() + QLatin1Char('|') + popup->GetText();
            QPointer<PopupWnd> guarded = popup;
            const int value = answer;
            QTimer::singleShot(0, popup, [guarded, value] {
                if (!guarded)
                    return;
                for (QAbstractButton* b : guarded->buttonBox()->buttons()) {
                    if (value && guarded->ButtonValue(b) == value) {
                        b->click();
                        return;
                    }
                }
                guarded->reject();
            });
        }
    }

    QTimer timer;
    QList<QPointer<PopupWnd>> handled;
};
