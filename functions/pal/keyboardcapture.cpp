#include "functions/pal/keyboardcapture.h"

#include "foundation/logger/QsLog.h"
#include "functions/pal/inputsink.h"
#include "functions/pal/keynames.h"
#include "functions/pal/pal.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>

namespace PAL_INT {

namespace {
KeyboardCapture* g_capture = nullptr;

// X key codes are the Linux input key codes plus 8.
constexpr quint32 kEvdevOffset = 8;

bool IsCaptureKey(quint32 vk) {
    return vk == 0x5B || vk == 0x5C || (vk >= 0xA6 && vk <= 0xB7);
}

quint32 ModifierFlagOfScan(quint32 scan) {
    switch (scan) {
    case 0x2A:
        return KMF_LShift;
    case 0x36:
        return KMF_RShift;
    case 0x1D:
        return KMF_LCtrl;
    case 0x11D:
        return KMF_RCtrl;
    case 0x38:
        return KMF_LAlt;
    case 0x138:
        return KMF_RAlt;
    case 0x15B:
        return KMF_LWin;
    case 0x15C:
        return KMF_RWin;
    default:
        return 0;
    }
}
} // namespace

KeyboardCapture::KeyboardCapture(QObject* parent) : QObject(parent) {}

KeyboardCapture* KeyboardCapture::Instance() {
    return g_capture;
}

void KeyboardCapture::SetOn(bool on) {
    m_on = on;
    m_leftWin = 0;
    m_rightWin = 0;
    m_heldModifiers.clear();
}

quint32 KeyboardCapture::ModifierFlags(const QKeyEvent* e) const {
    quint32 flags = 0;
    for (quint32 scan : m_heldModifiers)
        flags |= ModifierFlagOfScan(scan);
    // Modifiers held before the capture began are known only by kind: count them as the left keys.
    const Qt::KeyboardModifiers m = e->modifiers();
    if ((m & Qt::ShiftModifier) && !(flags & (KMF_LShift | KMF_RShift)))
        flags |= KMF_LShift;
    if ((m & Qt::ControlModifier) && !(flags & (KMF_LCtrl | KMF_RCtrl)))
        flags |= KMF_LCtrl;
    if ((m & Qt::AltModifier) && !(flags & (KMF_LAlt | KMF_RAlt)))
        flags |= KMF_LAlt;
    if ((m & Qt::MetaModifier) && !(flags & (KMF_LWin | KMF_RWin)))
        flags |= KMF_LWin;
    return flags;
}

bool KeyboardCapture::eventFilter(QObject* watched, QEvent* event) {
    if (!m_on)
        return false;
    const QEvent::Type type = event->type();
    if (type == QEvent::ShortcutOverride) {
        // Every key goes to the editor that records: no shortcut of a window or menu runs meanwhile (the
        // copies sent below ask too).
        event->accept();
        return true;
    }
    if (m_dispatching)
        return false;
    if (type == QEvent::ApplicationStateChange || type == QEvent::ApplicationDeactivate) {
        // Another application became active: the capture ends there.
        if (type == QEvent::ApplicationDeactivate ||
            static_cast<QApplicationStateChangeEvent*>(event)->applicationState() != Qt::ApplicationActive)
            SetOn(false);
        return false;
    }
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease)
        return false;
    auto* e = static_cast<QKeyEvent*>(event);
    quint32 scan = 0, vk = 0;
    if (!TranslateKeyEvent(e, &scan, &vk))
        return false;
    const bool press = type == QEvent::KeyPress;
    if (vk == 0x5B)
        m_leftWin = press ? 1 : 0;
    if (vk == 0x5C)
        m_rightWin = press ? 1 : 0;
    if (ModifierFlagOfScan(scan)) {
        if (press)
            m_heldModifiers.insert(scan);
        else
            m_heldModifiers.remove(scan);
    }
    const bool captureKey = IsCaptureKey(vk);
    QKeyEvent copy(type, captureKey ? int(Qt::Key_Meta) : e->key(), captureKey ? Qt::NoModifier : e->modifiers(), scan,
                   vk, captureKey ? 0 : ModifierFlags(e), captureKey ? QString() : e->text(),
                   captureKey ? false : e->isAutoRepeat(), captureKey ? 1 : ushort(e->count()));
    m_dispatching = true;
    QCoreApplication::sendEvent(watched, &copy);
    m_dispatching = false;
    event->setAccepted(copy.isAccepted());
    return true;
}

int WindowsKeyState(bool right) {
    return g_capture && g_capture->IsOn() ? g_capture->WindowsKeyState(right) : 0;
}

bool TranslateKeyEvent(const QKeyEvent* e, quint32* scan, quint32* vk) {
    const quint32 keycode = e->nativeScanCode();
    if (keycode <= kEvdevOffset)
        return false;
    *scan = EvdevToScan(keycode - kEvdevOffset);
    if (*scan == 0)
        return false;
    const int key = e->key();
    const bool keypad = e->modifiers() & Qt::KeypadModifier;
    if (keypad && key >= Qt::Key_0 && key <= Qt::Key_9)
        *vk = 0x60 + quint32(key - Qt::Key_0);
    else if (keypad && (key == Qt::Key_Period || key == Qt::Key_Comma))
        *vk = 0x6E;
    else if (!keypad && ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)))
        *vk = quint32(key); // the letter or digit of the user's own layout
    else
        *vk = CurrentKeyboardLayout().ScanToVk(*scan);
    return true;
}

} // namespace PAL_INT

void InitKeyboradHookLL() {
    if (PAL_INT::g_capture)
        return;
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) {
        QLOG_ERROR() << "InitKeyboradHookLL: no application to capture keys from";
        return;
    }
    PAL_INT::g_capture = new PAL_INT::KeyboardCapture(app);
    app->installEventFilter(PAL_INT::g_capture);
}

int PAL::SetKeyboardCapture(bool on) {
    if (on && !PAL_INT::KeyboardCapture::Instance())
        InitKeyboradHookLL();
    if (PAL_INT::KeyboardCapture* capture = PAL_INT::KeyboardCapture::Instance())
        capture->SetOn(on);
    return 0;
}
