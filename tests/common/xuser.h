#pragma once
// A user at the X display the test runs on (xvfb-run): real pointer moves, button presses and key presses
// through the X test extension, so the program receives them as it receives a person's. The user works
// through a list of steps on a timer; a step waits (answers false) until what it needs is on the screen. The
// timer runs inside the program's own modal loops too (a drag, a file dialog), as a person goes on acting
// while one is open.
//
// Link: x11 and xtst (pkg-config).

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <functional>
#include <memory>

class XUser : public QObject {
public:
    XUser() {
        m_display = XOpenDisplay(nullptr);
        connect(&m_timer, &QTimer::timeout, this, [this] { Tick(); });
        m_timer.start(40);
    }
    ~XUser() override {
        if (m_display)
            XCloseDisplay(m_display);
    }
    XUser(const XUser&) = delete;
    XUser& operator=(const XUser&) = delete;

    // False without a display or without the test extension.
    bool Ready() {
        int event, error, major, minor;
        return m_display && XTestQueryExtension(m_display, &event, &error, &major, &minor);
    }

    // A step: false to be tried again at the next tick.
    void Then(std::function<bool()> step) { m_steps.append(std::move(step)); }
    bool Done() const { return m_steps.isEmpty(); }
    // Runs the event loop until every step is done; false when the time ran out first.
    bool Run(int timeoutMs = 30000) {
        return QTest::qWaitFor([this] { return Done(); }, timeoutMs);
    }
    int Left() const { return m_steps.size(); }

    // --- Steps ---
    // Moves to the point of the widget (its centre when none), pressed or not, in small steps as a hand does.
    void MoveTo(std::function<QWidget*()> widget, QPoint at = QPoint(-1, -1), int steps = 12) {
        auto target = std::make_shared<QPoint>();
        auto left = std::make_shared<int>(-1);
        Then([=] {
            QWidget* w = widget();
            if (!w || !w->isVisible())
                return false;
            if (*left < 0) {
                *target = w->mapToGlobal(at.x() < 0 ? w->rect().center() : at);
                *left = steps;
            }
            const QPoint from = m_pointer;
            const QPoint next = *left <= 1 ? *target : from + (*target - from) / *left;
            Motion(next);
            return --*left <= 0;
        });
    }
    void Press(int button = 1) {
        Then([=] {
            XTestFakeButtonEvent(m_display, button, True, CurrentTime);
            XFlush(m_display);
            return true;
        });
    }
    void Release(int button = 1) {
        Then([=] {
            XTestFakeButtonEvent(m_display, button, False, CurrentTime);
            XFlush(m_display);
            return true;
        });
    }
    void Click(std::function<QWidget*()> widget, QPoint at = QPoint(-1, -1)) {
        MoveTo(std::move(widget), at, 3);
        Press();
        Release();
    }
    // A key with modifiers held (keysyms, e.g. XK_Control_L).
    void Key(KeySym key, QList<KeySym> modifiers = {}) {
        Then([=] {
            for (KeySym m : modifiers)
                FakeKey(m, true);
            FakeKey(key, true);
            FakeKey(key, false);
            for (auto it = modifiers.crbegin(); it != modifiers.crend(); ++it)
                FakeKey(*it, false);
            XFlush(m_display);
            return true;
        });
    }
    // A key by its X key code with keys held (key codes too): a physical key, whatever the layout maps it to.
    void PhysicalKey(unsigned key, QList<unsigned> held = {}) {
        Then([=] {
            for (unsigned h : held)
                XTestFakeKeyEvent(m_display, h, True, CurrentTime);
            XTestFakeKeyEvent(m_display, key, True, CurrentTime);
            XTestFakeKeyEvent(m_display, key, False, CurrentTime);
            for (auto it = held.crbegin(); it != held.crend(); ++it)
                XTestFakeKeyEvent(m_display, *it, False, CurrentTime);
            XFlush(m_display);
            return true;
        });
    }
    // The X key code of a key symbol on the current map; 0 when none.
    unsigned KeycodeOf(KeySym sym) const { return m_display ? XKeysymToKeycode(m_display, sym) : 0; }
    // Text of characters the US layout types directly or with Shift.
    void Type(const QString& text) {
        for (QChar c : text) {
            const KeySym sym = XStringToKeysym(c == QLatin1Char('.')   ? "period"
                                               : c == QLatin1Char(' ') ? "space"
                                               : c == QLatin1Char('_') ? "underscore"
                                                                       : QString(c).toLatin1().constData());
            if (c.isUpper() || c == QLatin1Char('_'))
                Key(sym, {XK_Shift_L});
            else
                Key(sym);
        }
    }
    // At once, from within a step: a click on the widget's centre.
    void ClickNow(QWidget* w) {
        Motion(w->mapToGlobal(w->rect().center()));
        XTestFakeButtonEvent(m_display, 1, True, CurrentTime);
        XTestFakeButtonEvent(m_display, 1, False, CurrentTime);
        XFlush(m_display);
    }
    // At once, from within a step: a key alone.
    void KeyNow(KeySym key) {
        FakeKey(key, true);
        FakeKey(key, false);
        XFlush(m_display);
    }
    // Waits until the condition holds.
    void WaitFor(std::function<bool()> condition) { Then(std::move(condition)); }
    // Waits a number of ticks.
    void Pause(int ticks) {
        auto left = std::make_shared<int>(ticks);
        Then([=] { return --*left <= 0; });
    }

private:
    void Motion(const QPoint& p) {
        XTestFakeMotionEvent(m_display, -1, p.x(), p.y(), CurrentTime);
        XFlush(m_display);
        m_pointer = p;
    }
    void FakeKey(KeySym sym, bool down) {
        const KeyCode code = XKeysymToKeycode(m_display, sym);
        if (code)
            XTestFakeKeyEvent(m_display, code, down ? True : False, CurrentTime);
    }
    void Tick() {
        if (m_busy || m_steps.isEmpty() || !m_display)
            return;
        // A step may open a modal loop in which this timer goes on ticking.
        m_busy = true;
        const bool done = m_steps.first()();
        m_busy = false;
        if (done && !m_steps.isEmpty())
            m_steps.removeFirst();
    }

    Display* m_display = nullptr;
    QTimer m_timer;
    QList<std::function<bool()>> m_steps;
    QPoint m_pointer;
    bool m_busy = false;
};

// The X headers' macros that collide with the toolkit's names; the class above is parsed already.
#undef Bool
#undef None
#undef Status
#undef Unsorted
#undef KeyPress
#undef KeyRelease
#undef ButtonPress
#undef ButtonRelease
#undef FocusIn
#undef FocusOut
#undef Expose
#undef FontChange
#undef CursorShape
#undef Success
#undef True
#undef False
