// Kept apart: the X headers define names (KeyPress, None, Bool) that clash with the toolkit's.
#include "functions/pal/xkbkeyboardlayout.h"

#include "foundation/logger/QsLog.h"
#include "functions/pal/inputsink.h"

#include <QSet>
#include <QSocketNotifier>

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>
#include <xkbcommon/xkbcommon.h>

namespace PAL_INT {

namespace {

// X key codes are the Linux input key codes plus 8 (evdev keymaps, as X servers use today).
constexpr unsigned kEvdevOffset = 8;

// The keys whose characters depend on the layout: the number row, the three letter rows and the key
// beside the left shift key (PC set-1 scan codes).
bool IsTypingKey(quint32 scan) {
    return (scan >= 0x02 && scan <= 0x0D) || (scan >= 0x10 && scan <= 0x1B) || (scan >= 0x1E && scan <= 0x29) ||
           (scan >= 0x2B && scan <= 0x35) || scan == 0x56;
}

QChar CharOf(KeySym sym) {
    const uint32_t ucs = xkb_keysym_to_utf32(xkb_keysym_t(sym));
    // Characters beyond one UTF-16 unit, control characters and dead keys type nothing here.
    if (ucs < 0x20 || ucs > 0xFFFF || (ucs >= 0x7F && ucs < 0xA0))
        return QChar();
    return QChar(ushort(ucs));
}

// The virtual key of a key as the classic PC numbering gives it on this layout: letters by the letter they
// type, the number row by position, the usual punctuation keys by their character (these first), the rest
// by their US position; a key that would clash takes a free punctuation number.
quint8 PreferredVirtualKey(quint32 scan, QChar normal) {
    const ushort u = normal.toUpper().unicode();
    if (u >= 'A' && u <= 'Z')
        return quint8(u);
    if (scan >= 0x02 && scan <= 0x0B)
        return scan == 0x0B ? '0' : quint8('1' + scan - 0x02);
    static const struct {
        char c;
        quint8 vk;
    } punctuation[] = {{',', 0xBC}, {'.', 0xBE}, {'-', 0xBD}, {'+', 0xBB}};
    for (const auto& p : punctuation) {
        if (normal == QLatin1Char(p.c))
            return p.vk;
    }
    return 0;
}

quint8 OtherVirtualKey(quint32 scan, const QSet<quint8>& taken) {
    const quint32 us = KeyboardLayout::Us().ScanToVk(scan);
    if (us >= 0xBA && !taken.contains(quint8(us)))
        return quint8(us);
    for (quint8 vk : {0xBA, 0xBB, 0xBC, 0xBD, 0xBE, 0xBF, 0xC0, 0xDB, 0xDC, 0xDD, 0xDE, 0xDF, 0xE1, 0xE2, 0xE3, 0xE4}) {
        if (!taken.contains(vk))
            return vk;
    }
    return 0;
}

} // namespace

struct XkbKeyboardLayout::Connection {
    Display* display = nullptr;
    int eventBase = 0;
    ~Connection() {
        if (display)
            XCloseDisplay(display);
    }
};

std::unique_ptr<XkbKeyboardLayout> XkbKeyboardLayout::Open(const char* displayName) {
    auto connection = std::make_unique<Connection>();
    int major = XkbMajorVersion, minor = XkbMinorVersion, error = 0, reason = 0, opcode = 0;
    connection->display =
        XkbOpenDisplay(const_cast<char*>(displayName), &connection->eventBase, &error, &major, &minor, &reason);
    if (!connection->display) {
        QLOG_DEBUG() << "XkbKeyboardLayout::Open: no display with a keyboard extension, reason" << reason;
        return nullptr;
    }
    Q_UNUSED(opcode);
    // Told of a new map (setxkbmap, a new keyboard) and of a switch of layout group, nothing else.
    XkbSelectEvents(connection->display, XkbUseCoreKbd, XkbNewKeyboardNotifyMask | XkbMapNotifyMask,
                    XkbNewKeyboardNotifyMask | XkbMapNotifyMask);
    XkbSelectEventDetails(connection->display, XkbUseCoreKbd, XkbStateNotify, XkbGroupStateMask, XkbGroupStateMask);
    std::unique_ptr<XkbKeyboardLayout> layout(new XkbKeyboardLayout(std::move(connection)));
    layout->Read();
    return layout;
}

XkbKeyboardLayout::XkbKeyboardLayout(std::unique_ptr<Connection> connection)
    : KeyboardLayout(QList<KeyboardLayoutKey>()), m_connection(std::move(connection)) {
    m_notifier = new QSocketNotifier(ConnectionNumber(m_connection->display), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &XkbKeyboardLayout::OnDisplayEvents);
}

XkbKeyboardLayout::~XkbKeyboardLayout() = default;

void XkbKeyboardLayout::OnDisplayEvents() {
    Display* display = m_connection->display;
    bool changed = false;
    while (XPending(display)) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == m_connection->eventBase + XkbEventCode) {
            const int kind = reinterpret_cast<XkbAnyEvent*>(&event)->xkb_type;
            changed |= kind == XkbNewKeyboardNotify || kind == XkbMapNotify || kind == XkbStateNotify;
        } else if (event.type == MappingNotify) {
            XRefreshKeyboardMapping(&event.xmapping);
            changed = true;
        }
    }
    if (changed)
        Read();
}

void XkbKeyboardLayout::Read() {
    Display* display = m_connection->display;
    XkbDescPtr xkb = XkbGetMap(display, XkbKeyTypesMask | XkbKeySymsMask | XkbModifierMapMask, XkbUseCoreKbd);
    if (!xkb) {
        QLOG_WARN() << "XkbKeyboardLayout: cannot read the keyboard map; keeping the previous one";
        return;
    }
    XkbStateRec state;
    const int group = XkbGetState(display, XkbUseCoreKbd, &state) == Success ? state.group : 0;

    // The AltGr level: the modifier of a key that types ISO_Level3_Shift, and that key itself (the right Alt
    // key where it is one of them).
    unsigned level3Mask = 0;
    quint32 altGrScan = 0;
    for (int kc = xkb->min_key_code; kc <= xkb->max_key_code; ++kc) {
        const int groups = XkbKeyNumGroups(xkb, kc);
        if (groups == 0 || XkbKeySymEntry(xkb, kc, 0, group % groups) != XK_ISO_Level3_Shift)
            continue;
        // The modifier comes from the key that carries the mapping (often a virtual one); the right Alt key,
        // when it types the symbol too, sets it through its action.
        if (!level3Mask)
            level3Mask = xkb->map->modmap[kc];
        const quint32 scan = NormalizedScan(EvdevToScan(quint32(kc) - kEvdevOffset));
        if (scan && (!altGrScan || scan == 0x138))
            altGrScan = scan;
    }
    bool anyAltGr = false;

    QList<KeyboardLayoutKey> keys;
    for (int kc = xkb->min_key_code; kc <= xkb->max_key_code; ++kc) {
        const quint32 scan = EvdevToScan(quint32(kc) - kEvdevOffset);
        const int groups = XkbKeyNumGroups(xkb, kc);
        if (!IsTypingKey(scan) || groups == 0)
            continue;
        const int g = group % groups;
        const XkbKeyTypePtr type = XkbKeyKeyType(xkb, kc, g);
        QChar chars[4]; // plain, shift, AltGr, shift and AltGr
        for (int level = 0; level < type->num_levels; ++level) {
            const QChar c = CharOf(XkbKeySymEntry(xkb, kc, level, g));
            if (c.isNull())
                continue;
            // Each way the type reaches this level; only shift and the AltGr modifier are ours to press.
            QList<unsigned> masks;
            if (level == 0)
                masks << 0;
            for (int i = 0; i < type->map_count; ++i) {
                if (type->map[i].active && type->map[i].level == level)
                    masks << type->map[i].mods.mask;
            }
            for (unsigned mask : masks) {
                int slot = -1;
                if (mask == 0)
                    slot = 0;
                else if (mask == ShiftMask)
                    slot = 1;
                else if (level3Mask && mask == level3Mask)
                    slot = 2;
                else if (level3Mask && mask == (ShiftMask | level3Mask))
                    slot = 3;
                if (slot >= 0 && chars[slot].isNull())
                    chars[slot] = c;
            }
        }
        if (chars[0].isNull() && chars[1].isNull() && chars[2].isNull() && chars[3].isNull())
            continue;
        keys.append({0, quint16(scan), chars[0], chars[1], chars[2], chars[3]});
        anyAltGr |= !chars[2].isNull() || !chars[3].isNull();
    }
    QSet<quint8> taken;
    for (KeyboardLayoutKey& k : keys) {
        const quint8 vk = PreferredVirtualKey(k.scan, k.normal);
        if (vk && !taken.contains(vk)) {
            k.vk = vk;
            taken.insert(vk);
        }
    }
    for (KeyboardLayoutKey& k : keys) {
        if (!k.vk) {
            k.vk = OtherVirtualKey(k.scan, taken);
            taken.insert(k.vk);
        }
    }
    XkbFreeKeyboard(xkb, 0, True);

    // Keys that type the same on every layout (space, tab, return, the keypad) come from the US table.
    for (const KeyboardLayoutKey& k : KeyboardLayout::UsKeys()) {
        if (!IsTypingKey(k.scan) || (k.vk >= 0x60 && k.vk <= 0x6F))
            keys.append(k);
    }
    // The AltGr key counts only where the layout has characters on it.
    QString altGrKey;
    if (anyAltGr && altGrScan && level3Mask)
        altGrKey = altGrScan == 0x138 ? QStringLiteral("RALT") : QStringLiteral("SC(%1)").arg(altGrScan, 0, 16);
    Replace(keys, altGrKey);
    ++m_reads;
    QLOG_DEBUG() << "XkbKeyboardLayout: read" << keys.size() << "keys of group" << group << "AltGr key" << altGrKey;
}

} // namespace PAL_INT
