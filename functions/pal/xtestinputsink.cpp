// The X test extension input sink. Kept apart: the X headers define names (KeyPress, None, Bool) that
// clash with the toolkit's.
#include "functions/pal/inputsink.h"
#include "functions/pal/keynames.h"

#include "foundation/logger/QsLog.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace PAL_INT {
namespace {

// X key codes are the Linux input key codes plus 8 (evdev keymaps, as X servers use today).
constexpr unsigned kEvdevOffset = 8;

class XTestInputSink : public InputSink {
public:
    explicit XTestInputSink(Display* display) : m_display(display) {}
    ~XTestInputSink() override { XCloseDisplay(m_display); }

    void Send(const QVector<InputEvent>& events) override {
        for (const InputEvent& e : events) {
            if (e.type == InputEvent::Keyboard)
                SendKey(e);
            else
                SendMouse(e);
        }
        XFlush(m_display);
    }

    quint16 KeyState(quint32 vk) override {
        vk &= 0xFF;
        quint16 state = 0;
        const unsigned keycode = KeycodeOfVk(vk);
        if (keycode) {
            char keys[32] = {};
            XQueryKeymap(m_display, keys);
            if (keys[keycode / 8] & (1 << (keycode % 8)))
                state |= 0x8000;
        }
        unsigned indicators = 0;
        if (XkbGetIndicatorState(m_display, XkbUseCoreKbd, &indicators) == Success) {
            // The usual indicator order: Caps Lock, Num Lock, Scroll Lock.
            if ((vk == 0x14 && (indicators & 1)) || (vk == 0x90 && (indicators & 2)) ||
                (vk == 0x91 && (indicators & 4)))
                state |= 0x0001;
        }
        return state;
    }

private:
    unsigned KeycodeOfVk(quint32 vk) const {
        const quint32 scan = CurrentKeyboardLayout().VkToScan(vk);
        const quint32 evdev = ScanToEvdev(NormalizedScan(scan, IsExtendedNavigationKey(vk) || IsMediaKey(vk)));
        return evdev ? evdev + kEvdevOffset : 0;
    }

    void SendKey(const InputEvent& e) {
        unsigned keycode = 0;
        if (e.flags & KEF_ScanCode) {
            const quint32 evdev = ScanToEvdev(NormalizedScan(e.scan, e.flags & KEF_ExtendedKey));
            keycode = evdev ? evdev + kEvdevOffset : 0;
        } else {
            keycode = KeycodeOfVk(e.vk & 0xFF);
        }
        if (!keycode) {
            QLOG_DEBUG() << "XTestInputSink::SendKey: no key for" << DescribeInput(e);
            return;
        }
        XTestFakeKeyEvent(m_display, keycode, (e.flags & KEF_KeyUp) ? False : True, CurrentTime);
    }

    void SendMouse(const InputEvent& e) {
        if (e.flags & MEF_Move)
            XTestFakeRelativeMotionEvent(m_display, e.dx, e.dy, CurrentTime);
        const struct {
            quint32 flag;
            unsigned button;
            bool press;
        } buttons[] = {{MEF_LeftDown, 1, true}, {MEF_LeftUp, 1, false},    {MEF_RightDown, 3, true},
                       {MEF_RightUp, 3, false}, {MEF_MiddleDown, 2, true}, {MEF_MiddleUp, 2, false}};
        for (const auto& b : buttons) {
            if (e.flags & b.flag)
                XTestFakeButtonEvent(m_display, b.button, b.press ? True : False, CurrentTime);
        }
        if ((e.flags & MEF_Wheel) && e.wheel != 0) {
            // Buttons 4 and 5 turn the wheel away from and toward the user, one notch per click.
            const unsigned button = e.wheel > 0 ? 4 : 5;
            const int notches = qBound(1, qAbs(e.wheel) / 120, 100);
            for (int i = 0; i < notches; ++i) {
                XTestFakeButtonEvent(m_display, button, True, CurrentTime);
                XTestFakeButtonEvent(m_display, button, False, CurrentTime);
            }
        }
    }

    Display* m_display;
};

} // namespace

InputSink* NewXTestInputSink() {
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return nullptr;
    int eventBase = 0, errorBase = 0, major = 0, minor = 0;
    if (!XTestQueryExtension(display, &eventBase, &errorBase, &major, &minor)) {
        QLOG_WARN() << "PAL_INT::NewXTestInputSink: the X display has no test extension";
        XCloseDisplay(display);
        return nullptr;
    }
    return new XTestInputSink(display);
}

} // namespace PAL_INT
