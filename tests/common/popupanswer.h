#pragma once
// A user's answer to a message box of the wired program.

#include "widgets/popupwnd.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QMetaObject>

// Clicks the box's button of value, else its NO (the closing "save?" questions: nothing is kept). The click
// comes later, from the event loop: it may open the next modal box.
inline void ClickPopupButton(PopupWnd* popup, int value) {
    for (int v : {value, int(PopupWnd::NO)})
        for (QAbstractButton* b : popup->buttonBox()->buttons())
            if (popup->ButtonValue(b) == v) {
                QMetaObject::invokeMethod(b, "click", Qt::QueuedConnection);
                return;
            }
}
