#pragma once
// Watches for the program's popups (message boxes) in the shell's unit tests, records each as "title|text"
// and ends it with OK (or closes it), also from inside the popup's own modal loop.

#include "widgets/popupwnd.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>

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
