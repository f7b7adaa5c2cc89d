#include "functions/pal/inputsink.h"

#include "foundation/logger/QsLog.h"
#include "functions/pal/keynames.h"

#include <QGuiApplication>

namespace PAL_INT {

InputEvent InputEvent::Key(quint32 vk, quint32 scan, quint32 flags) {
    InputEvent e;
    e.type = Keyboard;
    e.vk = vk;
    e.scan = scan;
    e.flags = flags;
    return e;
}

InputEvent InputEvent::MouseEvent(quint32 flags, qint32 wheel, qint32 dx, qint32 dy) {
    InputEvent e;
    e.type = Mouse;
    e.flags = flags;
    e.wheel = wheel;
    e.dx = dx;
    e.dy = dy;
    return e;
}

bool InputEvent::operator==(const InputEvent& o) const {
    return type == o.type && vk == o.vk && scan == o.scan && flags == o.flags && dx == o.dx && dy == o.dy &&
           wheel == o.wheel;
}

QString DescribeInput(const InputEvent& e) {
    if (e.type == InputEvent::Keyboard) {
        QString s = QStringLiteral("%1 %2/%3")
                        .arg(e.flags & KEF_KeyUp ? QStringLiteral("up") : QStringLiteral("dn"))
                        .arg(e.vk, 2, 16, QLatin1Char('0'))
                        .arg(e.scan, 2, 16, QLatin1Char('0'));
        if (!(e.flags & KEF_ScanCode))
            s += QStringLiteral(" vk");
        if (e.flags & KEF_ExtendedKey)
            s += QStringLiteral(" ext");
        return s;
    }
    QString s = QStringLiteral("mouse");
    static const struct {
        quint32 flag;
        const char* name;
    } names[] = {{MEF_Move, "move"},  {MEF_LeftDown, "ld"},   {MEF_LeftUp, "lu"},   {MEF_RightDown, "rd"},
                 {MEF_RightUp, "ru"}, {MEF_MiddleDown, "md"}, {MEF_MiddleUp, "mu"}, {MEF_Wheel, "wheel"}};
    for (const auto& n : names) {
        if (e.flags & n.flag)
            s += QLatin1Char(' ') + QLatin1String(n.name);
    }
    if (e.flags & MEF_Move)
        s += QStringLiteral(" %1,%2").arg(e.dx).arg(e.dy);
    if (e.flags & MEF_Wheel)
        s += QStringLiteral(" %1").arg(e.wheel);
    return s;
}

// ---- Recording sink ----

RecordingInputSink::RecordingInputSink() {
    m_clock.start();
}

void RecordingInputSink::Send(const QVector<InputEvent>& events) {
    for (const InputEvent& e : events) {
        m_events.append(e);
        m_times.append(m_clock.elapsed());
        if (e.type != InputEvent::Keyboard)
            continue;
        quint32 vk = e.vk & 0xFF;
        if (vk == 0)
            vk = CurrentKeyboardLayout().ScanToVk(NormalizedScan(e.scan, e.flags & KEF_ExtendedKey));
        if (vk == 0)
            continue;
        quint16& state = m_state[vk];
        if (e.flags & KEF_KeyUp) {
            state &= ~quint16(0x8000);
        } else {
            if (!(state & 0x8000))
                state ^= 0x0001; // a fresh press toggles, as lock keys do
            state |= 0x8000;
        }
    }
}

quint16 RecordingInputSink::KeyState(quint32 vk) {
    return m_state.value(vk & 0xFF, 0);
}

QStringList RecordingInputSink::Transcript() const {
    QStringList lines;
    for (const InputEvent& e : m_events)
        lines << DescribeInput(e);
    return lines;
}

void RecordingInputSink::Clear() {
    m_events.clear();
    m_times.clear();
}

// ---- The one place that picks the sink ----

namespace {
InputSink* g_installed = nullptr;
}

InputSink* GetInputSink() {
    if (g_installed)
        return g_installed;
    static InputSink* const chosen = [] {
        InputSink* sink = nullptr;
        // Only a real X session gets real input; offscreen and headless runs (all tests) never do.
        if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) &&
            QGuiApplication::platformName() == QLatin1String("xcb"))
            sink = NewXTestInputSink();
        if (sink) {
            QLOG_INFO() << "PAL_INT::GetInputSink: input goes to the X display";
        } else {
            QLOG_INFO() << "PAL_INT::GetInputSink: no X display; input is recorded only";
            sink = new RecordingInputSink;
        }
        return sink;
    }();
    return chosen;
}

void SetInputSink(InputSink* sink) {
    g_installed = sink;
}

// ---- Key code tables ----

namespace {
struct ScanEvdev {
    quint16 scan;
    quint16 evdev;
};
// Extended keys; the plain set-1 block 0x01-0x58 has the same numbers as the Linux key codes.
const ScanEvdev kExtended[] = {
    {0x11C, 96},  {0x11D, 97},  {0x135, 98},  {0x137, 99},  {0x138, 100}, {0x145, 119}, {0x147, 102}, {0x148, 103},
    {0x149, 104}, {0x14B, 105}, {0x14D, 106}, {0x14F, 107}, {0x150, 108}, {0x151, 109}, {0x152, 110}, {0x153, 111},
    {0x15B, 125}, {0x15C, 126}, {0x15D, 127}, {0x120, 113}, {0x12E, 114}, {0x130, 115}, {0x119, 163}, {0x122, 164},
    {0x110, 165}, {0x124, 166}, {0x16C, 155}, {0x16D, 226}, {0x16B, 157}, {0x121, 140}, {0x16A, 158}, {0x169, 159},
    {0x167, 173}, {0x168, 128}, {0x165, 217}, {0x166, 156}, {0x132, 172},
};
} // namespace

quint32 ScanToEvdev(quint32 scan) {
    const quint32 n = NormalizedScan(scan);
    if (n & 0x100) {
        for (const ScanEvdev& e : kExtended) {
            if (e.scan == n)
                return e.evdev;
        }
        return 0;
    }
    return (n >= 0x01 && n <= 0x58) ? n : 0;
}

quint32 EvdevToScan(quint32 evdev) {
    if (evdev >= 0x01 && evdev <= 0x58)
        return evdev;
    for (const ScanEvdev& e : kExtended) {
        if (e.evdev == evdev)
            return e.scan;
    }
    return 0;
}

bool IsExtendedNavigationKey(quint32 vk) {
    switch (vk & 0xFF) {
    case 0x21:
    case 0x22:
    case 0x23:
    case 0x24:
    case 0x25:
    case 0x26:
    case 0x27:
    case 0x28:
    case 0x2D:
    case 0x2E:
    case 0x5B:
    case 0x5D:
    case 0x6F:
        return true;
    default:
        return false;
    }
}

bool IsMediaKey(quint32 vk) {
    vk &= 0xFF;
    return vk >= 0xA6 && vk <= 0xB7;
}

} // namespace PAL_INT
