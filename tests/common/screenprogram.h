#pragma once
// How the screen tests of the wired program begin: on an X server (xvfb-run), with a user at it where the test
// presses keys and moves the pointer, and the program in its own style with its main window on the screen.

#include "shell/mervexstyle.h"
#include "shell/mervexwnd.h"
#include "tests/common/wiredprogram.h"
#include "tests/common/xuser.h"

#include <QApplication>
#include <QGuiApplication>
#include <QTest>

#include <memory>

// Why a screen test cannot run here, empty when it can: it needs an X server and, when it is handed a user to
// make, the server's test extension for that user's presses.
inline QString ScreenMissing(std::unique_ptr<XUser>* user = nullptr) {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return QStringLiteral("needs an X server (run under xvfb-run)");
    if (user) {
        *user = std::make_unique<XUser>();
        if (!(*user)->Ready())
            return QStringLiteral("the X server has no test extension");
    }
    return QString();
}

// Builds the wired program in its own style and shows its main window, exposed and active; null when the
// program did not start or its window was not shown.
inline MervexWnd* StartOnScreen(std::unique_ptr<WiredProgram>& program) {
    QApplication::setStyle(new MervexStyle);
    program = std::make_unique<WiredProgram>();
    if (!program->Started())
        return nullptr;
    MervexWnd* wnd = program->Window();
    wnd->showMainWindow();
    if (!QTest::qWaitForWindowExposed(wnd))
        return nullptr;
    wnd->activateWindow();
    return wnd;
}
