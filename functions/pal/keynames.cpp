#include "functions/pal/keynames.h"

#include "foundation/logger/QsLog.h"
#include "functions/pal/pal.h"
#include "functions/pal/xkbkeyboardlayout.h"

#include <QGuiApplication>
#include <QHash>
#include <QMap>

#include <algorithm>
#include <memory>

namespace {

// One row of the key-name tables; -1 where the key has no entry in that map.
struct NameEntry {
    const char* name;
    int vk;
    int scan;
    int scan2;
};

const NameEntry kNames[] = {
    {"ESC", 0x1B, 0x01, -1},      {"F1", 0x70, 0x3B, -1},       {"F2", 0x71, 0x3C, -1},
    {"F3", 0x72, 0x3D, -1},       {"F4", 0x73, 0x3E, -1},       {"F5", 0x74, 0x3F, -1},
    {"F6", 0x75, 0x40, -1},       {"F7", 0x76, 0x41, -1},       {"F8", 0x77, 0x42, -1},
    {"F9", 0x78, 0x43, -1},       {"F10", 0x79, 0x44, -1},      {"F11", 0x7A, 0x57, -1},
    {"F12", 0x7B, 0x58, -1},      {"LMB", 0x01, -1, -1},        {"RMB", 0x02, -1, -1},
    {"MMB", 0x04, -1, -1},        {"BACK", 0x08, 0x0E, -1},     {"TAB", 0x09, 0x0F, -1},
    {"SPACE", 0x20, 0x39, -1},    {"PAUSE", 0x13, 0xC5, -1},    {"CAPS", 0x14, 0x3A, -1},
    {"PGUP", 0x21, 0xC9, -1},     {"PGDN", 0x22, 0xD1, -1},     {"HOME", 0x24, 0xC7, -1},
    {"INS", 0x2D, 0xD2, -1},      {"DEL", 0x2E, 0xD3, -1},      {"END", 0x23, 0xCF, -1},
    {"LEFT", 0x25, 0xCB, -1},     {"RIGHT", 0x27, 0xCD, -1},    {"UP", 0x26, 0xC8, -1},
    {"DOWN", 0x28, 0xD0, -1},     {"NUMLOCK", 0x90, 0x45, -1},  {"SCROLL", 0x91, 0x46, -1},
    {"NP0", 0x60, 0x52, -1},      {"NP1", 0x61, 0x4F, -1},      {"NP2", 0x62, 0x50, -1},
    {"NP3", 0x63, 0x51, -1},      {"NP4", 0x64, 0x4B, -1},      {"NP5", 0x65, 0x4C, -1},
    {"NP6", 0x66, 0x4D, -1},      {"NP7", 0x67, 0x47, -1},      {"NP8", 0x68, 0x48, -1},
    {"NP9", 0x69, 0x49, -1},      {"NPDEC", 0x6E, 0x53, -1},    {"MUL", 0x6A, 0x37, -1},
    {"SUB", 0x6D, 0x4A, -1},      {"ADD", 0x6B, 0x4E, -1},      {"DIV", 0x6F, 0xB5, 0x135},
    {"RETURN", 0x0D, 0x1C, -1},   {"ENTER", -1, 0x9C, 0x11C},   {"LCTRL", -1, 0x1D, -1},
    {"RCTRL", -1, 0x9D, 0x11D},   {"LSHIFT", 0xA0, 0x2A, -1},   {"RSHIFT", 0xA1, 0x36, -1},
    {"LALT", -1, 0x38, -1},       {"RALT", -1, 0xB8, -1},       {"ALT", 0x12, -1, -1},
    {"LWIN", 0x5B, 0xDB, -1},     {"RWIN", 0x5C, 0xDC, -1},     {"APPS", 0x5D, 0xDD, -1},
    {"^", -1, 0x29, -1},          {"MUTE", 0xAD, -1, -1},       {"VOLDN", 0xAE, -1, -1},
    {"VOLUP", 0xAF, -1, -1},      {"MEDIANEXT", 0xB0, -1, -1},  {"MEDIAPREV", 0xB1, -1, -1},
    {"MEDIASTOP", 0xB2, -1, -1},  {"MEDIAPLAY", 0xB3, -1, -1},  {"MAIL", 0xB4, -1, -1},
    {"MEDIASEL", 0xB5, -1, -1},   {"LAPP1", 0xB6, -1, -1},      {"LAPP2", 0xB7, -1, -1},
    {"BROWSEBACK", 0xA6, -1, -1}, {"BROWSEFORW", 0xA7, -1, -1}, {"BROWSEREFR", 0xA8, -1, -1},
    {"BROWSESTOP", 0xA9, -1, -1}, {"BROWSESRCH", 0xAA, -1, -1}, {"BROWSEFAVS", 0xAB, -1, -1},
    {"BROWSEHOME", 0xAC, -1, -1},
};

// Understood when read, never printed.
const NameEntry kAliases[] = {
    {"CTRL", 0xA2, 0x1D, -1}, {"SHIFT", 0xA0, 0x2A, -1}, {"ALT", 0x12, 0x38, -1},
    {"WIN", 0x5B, 0xDB, -1},  {" ", 0x20, 0x39, -1},     {"\t", 0x09, 0x0F, -1},
};

struct Tables {
    QMap<quint32, QString> scanToName;
    QMap<quint32, QString> vkToName;
    QHash<QString, quint32> nameToScan;
    QHash<QString, quint32> nameToVk;
};

// Built once on first use and only read afterwards.
const Tables& KeyTables() {
    static const Tables tables = [] {
        Tables t;
        for (const NameEntry& e : kNames) {
            const QString name = QString::fromLatin1(e.name);
            if (e.vk >= 0)
                t.vkToName.insert(quint32(e.vk), name);
            if (e.scan >= 0)
                t.scanToName.insert(quint32(e.scan), name);
            if (e.scan2 >= 0)
                t.scanToName.insert(quint32(e.scan2), name);
        }
        // In ascending scan order, so a name at several codes maps back to the highest.
        for (auto it = t.scanToName.cbegin(); it != t.scanToName.cend(); ++it)
            t.nameToScan.insert(it.value(), it.key());
        for (auto it = t.vkToName.cbegin(); it != t.vkToName.cend(); ++it)
            t.nameToVk.insert(it.value(), it.key());
        for (const NameEntry& e : kAliases) {
            const QString name = QString::fromLatin1(e.name);
            t.nameToScan.insert(name, quint32(e.scan));
            t.nameToVk.insert(name, quint32(e.vk));
        }
        return t;
    }();
    return tables;
}

// Keys that type nothing: base scan code -> virtual key, and extended (E0) base scan code -> virtual key.
struct ScanVk {
    quint8 scan;
    quint8 vk;
};
const ScanVk kPlainKeys[] = {
    {0x01, 0x1B}, {0x0E, 0x08}, {0x0F, 0x09}, {0x1C, 0x0D}, {0x1D, 0x11}, {0x2A, 0xA0}, {0x36, 0xA1}, {0x37, 0x6A},
    {0x38, 0x12}, {0x39, 0x20}, {0x3A, 0x14}, {0x3B, 0x70}, {0x3C, 0x71}, {0x3D, 0x72}, {0x3E, 0x73}, {0x3F, 0x74},
    {0x40, 0x75}, {0x41, 0x76}, {0x42, 0x77}, {0x43, 0x78}, {0x44, 0x79}, {0x45, 0x90}, {0x46, 0x91}, {0x47, 0x24},
    {0x48, 0x26}, {0x49, 0x21}, {0x4A, 0x6D}, {0x4B, 0x25}, {0x4C, 0x0C}, {0x4D, 0x27}, {0x4E, 0x6B}, {0x4F, 0x23},
    {0x50, 0x28}, {0x51, 0x22}, {0x52, 0x2D}, {0x53, 0x2E}, {0x57, 0x7A}, {0x58, 0x7B},
};
const ScanVk kExtendedKeys[] = {
    {0x1C, 0x0D}, {0x1D, 0x11}, {0x35, 0x6F}, {0x37, 0x2C}, {0x38, 0x12}, {0x45, 0x13}, {0x47, 0x24}, {0x48, 0x26},
    {0x49, 0x21}, {0x4B, 0x25}, {0x4D, 0x27}, {0x4F, 0x23}, {0x50, 0x28}, {0x51, 0x22}, {0x52, 0x2D}, {0x53, 0x2E},
    {0x5B, 0x5B}, {0x5C, 0x5C}, {0x5D, 0x5D}, {0x10, 0xB1}, {0x19, 0xB0}, {0x20, 0xAD}, {0x21, 0xB7}, {0x22, 0xB3},
    {0x24, 0xB2}, {0x2E, 0xAE}, {0x30, 0xAF}, {0x32, 0xAC}, {0x65, 0xAA}, {0x66, 0xAB}, {0x67, 0xA8}, {0x68, 0xA9},
    {0x69, 0xA7}, {0x6A, 0xA6}, {0x6B, 0xB6}, {0x6C, 0xB4}, {0x6D, 0xB5},
};
// Generic and sided modifier keys that the plain table names once only.
const ScanVk kExtraVkScans[] = {{0x10, 0x2A}, {0xA2, 0x1D}, {0xA3, 0x1D}, {0xA4, 0x38}, {0xA5, 0x38}};

QList<PAL_INT::KeyboardLayoutKey> BuiltInUsKeys() {
    QList<PAL_INT::KeyboardLayoutKey> keys;
    const char* digitsShifted = ")!@#$%^&*(";
    for (int d = 0; d < 10; ++d)
        keys.append(
            {quint8('0' + d), quint16(d == 0 ? 0x0B : 0x01 + d), QChar('0' + d), QChar(digitsShifted[d]), {}, {}});
    const char* letters = "QWERTYUIOPASDFGHJKLZXCVBNM";
    const quint16 letterScans[] = {0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0x18, 0x19, 0x1E, 0x1F, 0x20,
                                   0x21, 0x22, 0x23, 0x24, 0x25, 0x26, 0x2C, 0x2D, 0x2E, 0x2F, 0x30, 0x31, 0x32};
    for (int i = 0; i < 26; ++i) {
        const QChar c = QLatin1Char(letters[i]);
        keys.append({quint8(letters[i]), letterScans[i], c.toLower(), c, {}, {}});
    }
    const PAL_INT::KeyboardLayoutKey rest[] = {
        {0xBD, 0x0C, '-', '_', {}, {}},
        {0xBB, 0x0D, '=', '+', {}, {}},
        {0xDB, 0x1A, '[', '{', {}, {}},
        {0xDD, 0x1B, ']', '}', {}, {}},
        {0xBA, 0x27, ';', ':', {}, {}},
        {0xDE, 0x28, '\'', '"', {}, {}},
        {0xC0, 0x29, '`', '~', {}, {}},
        {0xDC, 0x2B, '\\', '|', {}, {}},
        {0xBC, 0x33, ',', '<', {}, {}},
        {0xBE, 0x34, '.', '>', {}, {}},
        {0xBF, 0x35, '/', '?', {}, {}},
        {0xE2, 0x56, '\\', '|', {}, {}},
        {0x20, 0x39, ' ', ' ', {}, {}},
        {0x09, 0x0F, '\t', '\t', {}, {}},
        {0x0D, 0x1C, '\r', '\r', {}, {}},
        {0x08, 0x0E, '\b', '\b', {}, {}},
        {0x1B, 0x01, QChar(0x1B), QChar(0x1B), {}, {}},
        // The keypad comes last, so characters resolve to the main keys first.
        {0x60, 0x52, '0', {}, {}, {}},
        {0x61, 0x4F, '1', {}, {}, {}},
        {0x62, 0x50, '2', {}, {}, {}},
        {0x63, 0x51, '3', {}, {}, {}},
        {0x64, 0x4B, '4', {}, {}, {}},
        {0x65, 0x4C, '5', {}, {}, {}},
        {0x66, 0x4D, '6', {}, {}, {}},
        {0x67, 0x47, '7', {}, {}, {}},
        {0x68, 0x48, '8', {}, {}, {}},
        {0x69, 0x49, '9', {}, {}, {}},
        {0x6A, 0x37, '*', {}, {}, {}},
        {0x6B, 0x4E, '+', {}, {}, {}},
        {0x6D, 0x4A, '-', {}, {}, {}},
        {0x6E, 0x53, '.', {}, {}, {}},
        {0x6F, 0x35, '/', {}, {}, {}},
    };
    for (const auto& k : rest)
        keys.append(k);
    return keys;
}

const PAL_INT::KeyboardLayout* g_layout = nullptr;

// The user's layout on an X display, read once on first use and followed afterwards; the US layout elsewhere.
const PAL_INT::KeyboardLayout& DefaultLayout() {
    static const std::unique_ptr<PAL_INT::XkbKeyboardLayout> display =
        []() -> std::unique_ptr<PAL_INT::XkbKeyboardLayout> {
        if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ||
            QGuiApplication::platformName() != QLatin1String("xcb"))
            return nullptr;
        auto layout = PAL_INT::XkbKeyboardLayout::Open();
        if (!layout)
            QLOG_WARN() << "PAL_INT::CurrentKeyboardLayout: cannot read the X keyboard map; typing as on a US layout";
        return layout;
    }();
    return display ? *display : PAL_INT::KeyboardLayout::Us();
}

} // namespace

namespace PAL_INT {

KeyboardLayout::KeyboardLayout(const QList<KeyboardLayoutKey>& keys, const QString& altGrKey)
    : m_keys(keys), m_altGrKey(altGrKey) {}

void KeyboardLayout::Replace(const QList<KeyboardLayoutKey>& keys, const QString& altGrKey) {
    m_keys = keys;
    m_altGrKey = altGrKey;
}

const KeyboardLayout& KeyboardLayout::Us() {
    static const KeyboardLayout us(UsKeys());
    return us;
}

QList<KeyboardLayoutKey> KeyboardLayout::UsKeys() {
    return BuiltInUsKeys();
}

qint16 KeyboardLayout::VkKeyScan(QChar c) const {
    if (c.isNull())
        return -1;
    // Keys in layout order (the keypad last), so a character resolves to the main key that types it.
    for (const KeyboardLayoutKey& k : m_keys) {
        if (k.normal == c)
            return qint16(k.vk);
        if (k.shifted == c)
            return qint16(0x100 | k.vk);
        if (k.altGr == c)
            return qint16(0x600 | k.vk); // AltGr is Ctrl and Alt together
        if (k.shiftAltGr == c)
            return qint16(0x700 | k.vk);
    }
    return -1;
}

quint32 KeyboardLayout::ScanToVk(quint32 scan) const {
    const quint32 n = NormalizedScan(scan);
    const quint32 base = n & 0xFF;
    if (n & 0x100) {
        for (const ScanVk& e : kExtendedKeys) {
            if (e.scan == base)
                return e.vk;
        }
        return 0;
    }
    for (const ScanVk& e : kPlainKeys) {
        if (e.scan == base)
            return e.vk;
    }
    for (const KeyboardLayoutKey& k : m_keys) {
        // Keypad keys answer through the plain table (their scan codes double as navigation keys).
        if (k.scan == base && !(k.vk >= 0x60 && k.vk <= 0x6F))
            return k.vk;
    }
    return 0;
}

quint32 KeyboardLayout::VkToScan(quint32 vk) const {
    vk &= 0xFF;
    if (vk == 0)
        return 0;
    for (const ScanVk& e : kPlainKeys) {
        if (e.vk == vk)
            return e.scan;
    }
    for (const ScanVk& e : kExtraVkScans) {
        if (e.scan == vk)
            return e.vk;
    }
    for (const ScanVk& e : kExtendedKeys) {
        if (e.vk == vk)
            return e.scan;
    }
    for (const KeyboardLayoutKey& k : m_keys) {
        if (k.vk == vk)
            return k.scan;
    }
    return 0;
}

QString KeyboardLayout::KeyText(quint32 vk, int shiftState) const {
    vk &= 0xFF;
    for (const KeyboardLayoutKey& k : m_keys) {
        if (k.vk != vk)
            continue;
        QChar c;
        if ((shiftState & 7) == 7)
            c = k.shiftAltGr;
        else if ((shiftState & 6) == 6)
            c = k.altGr;
        else if (shiftState & 1)
            c = k.shifted;
        else
            c = k.normal;
        return c.isNull() ? QString() : QString(c);
    }
    return QString();
}

const KeyboardLayout& CurrentKeyboardLayout() {
    return g_layout ? *g_layout : DefaultLayout();
}

QString TypingShortcut(quint32 code) {
    const quint32 flags = code >> 24;
    if ((flags & (KMF_LCtrl | KMF_LAlt)) != (KMF_LCtrl | KMF_LAlt) || CurrentKeyboardLayout().AltGrKey().isEmpty())
        return PAL::KeyCodeToShortcut(code);
    // Named AltGr, so the one reading of AltGr (AltGrKeyCodes) picks the key that is pressed.
    const QString key = KeyCodeTranslate(code & 0x00FFFFFF);
    return ((flags & KMF_LShift) ? QStringLiteral("LSHIFT,") : QString()) + QStringLiteral("ALTGR+") + key;
}

QList<quint32> AltGrKeyCodes() {
    const QString& altGr = CurrentKeyboardLayout().AltGrKey();
    if (!altGr.isEmpty())
        return {PAL::KeyNameToCode(altGr)};
    // Where Ctrl and Alt together select the AltGr characters: the pair Windows itself reports for AltGr.
    return {PAL::KeyNameToCode(QStringLiteral("LALT")), PAL::KeyNameToCode(QStringLiteral("RCTRL"))};
}

QString CapturedShortcut(quint32 code, QList<quint32>* modifiers, quint32* key) {
    // Printed, then read back as the key sender reads it: what is stored names the keys that will be played.
    QString printed = PAL::KeyCodeToShortcut(code);
    // The AltGr key pressed after left Ctrl prints as the modifier name alone, which names no key: it is read
    // as AltGr's keys, the last of them the key.
    const int plus = printed.lastIndexOf(QLatin1Char('+'));
    const bool altGrKey = printed.mid(plus + 1) == QLatin1String("ALTGR");
    if (altGrKey)
        printed = (plus < 0 ? QString() : printed.left(plus) + QLatin1Char(',')) + QStringLiteral("ALTGR+");
    QList<quint32> mods;
    quint32 k = PAL::ParseShortcut(printed, mods);
    if (altGrKey && k == 0 && !mods.isEmpty())
        k = mods.takeLast();
    QStringList names;
    for (quint32 m : mods)
        names << KeyCodeTranslate(m);
    const QString keyName = KeyCodeTranslate(k);
    if (modifiers)
        *modifiers = mods;
    if (key)
        *key = k;
    QString text = names.join(QLatin1Char(','));
    if (!text.isEmpty() && !keyName.isEmpty())
        text += QLatin1Char('+');
    return text + keyName;
}

void SetKeyboardLayout(const KeyboardLayout* layout) {
    g_layout = layout;
}

quint32 NormalizedScan(quint32 scan, bool extended) {
    scan &= 0xFFFF;
    if (scan >= 0x100)
        return 0x100 | (scan & 0xFF);
    if (scan >= 0x80)
        return 0x100 | (scan & 0x7F);
    return extended && scan ? (0x100 | scan) : scan;
}

} // namespace PAL_INT

// ---- Names and codes ----

quint32 PAL::KeyNameToCode(const QString& nameIn) {
    const Tables& t = KeyTables();
    const PAL_INT::KeyboardLayout& layout = PAL_INT::CurrentKeyboardLayout();
    QString name = nameIn;
    // A lone blank is the space bar, so only longer names are trimmed.
    if (name.size() > 1)
        name = name.trimmed();
    const QString upper = name.toUpper();
    if (upper == QLatin1String("PLUS"))
        name = QStringLiteral("+"); // "+" itself always separates a shortcut's parts
    quint32 scan = t.nameToScan.value(upper, 0);
    quint32 vk = t.nameToVk.value(upper, 0);
    if (upper.startsWith(QLatin1String("SC("))) {
        bool ok = false;
        scan = name.mid(3, name.size() - 4).toUInt(&ok, 16);
        if (!ok || scan > 0xFFFF) {
            QLOG_DEBUG() << "PAL::KeyNameToCode: bad scan code in" << nameIn;
            scan = 0;
        }
        name.clear();
    }
    if (name.size() == 1) {
        const qint16 r = layout.VkKeyScan(name.at(0));
        const quint32 shift = (quint32(quint16(r)) >> 8) & 0xFF;
        vk = (quint32(quint16(r)) & 0xFF) | ((shift & 1) ? 0x100 : 0) | ((shift & 2) ? 0x200 : 0) |
             ((shift & 4) ? 0x400 : 0);
    }
    if (vk == 0)
        vk = layout.ScanToVk(scan);
    if (scan == 0)
        scan = layout.VkToScan(vk & 0xFF);
    return (vk << 16) | (scan & 0xFFFF);
}

QString KeyCodeTranslate(quint32 code) {
    if (code == 0)
        return QString();
    const Tables& t = KeyTables();
    const PAL_INT::KeyboardLayout& layout = PAL_INT::CurrentKeyboardLayout();
    quint32 scan = code & 0xFFFF;
    quint32 vk = (code >> 16) & 0xFF;
    QLOG_DEBUG() << "KeyCodeTranslate:" << scan << vk;
    if (vk == 0x90)
        return QStringLiteral("NUMLOCK");
    if (vk == 0x13)
        return QStringLiteral("PAUSE");
    if (vk == 0)
        vk = layout.ScanToVk(scan);
    if (scan == 0)
        scan = layout.VkToScan(vk);
    QString name = t.scanToName.value(scan);
    // Extended keys as 0x100 plus their base code (as the keyboard capture gives them): the table numbers
    // some only as 0x80 plus it (0x138 is RALT, 0x15B and 0x15C the Windows keys).
    if (name.isEmpty() && scan >= 0x100 && scan <= 0x17F)
        name = t.scanToName.value(0x80 | (scan & 0x7F));
    if (name.isEmpty())
        name = t.vkToName.value(vk);
    if (name.isEmpty()) {
        // The modifier flags act as the shift state of the typed character.
        name = PAL::KeyToText(vk | ((code >> 16) & 0xFF00), scan);
        // Names are upper-case, but a name must name its key again: a letter whose capital the layout types
        // elsewhere or not at all (the sharp s; the French a-grave) keeps its own form.
        const QString upper = name.toUpper();
        if (name != QStringLiteral("\u00DF") &&
            (upper.size() != 1 || (quint32(layout.VkKeyScan(upper.at(0))) & 0xFF) == vk))
            name = upper;
        name.replace(QLatin1Char('+'), QLatin1String("PLUS"));
    }
    if (name.isEmpty())
        name = QStringLiteral("SC(%1)").arg(scan, 0, 16);
    return name;
}

QString PAL::KeyToText(quint32 vkAndShift, quint32 scan) {
    Q_UNUSED(scan)
    return PAL_INT::CurrentKeyboardLayout().KeyText(vkAndShift & 0xFF, int((vkAndShift >> 8) & 7));
}

QString PAL::KeyCodeToShortcut(quint32 code) {
    const QString key = KeyCodeTranslate(code & 0x00FFFFFF);
    quint32 flags = code >> 24;
    const quint32 vk = (code >> 16) & 0xFF;
    const quint32 scan = code & 0xFFFF;
    // A Windows key held as itself is the key, not also its own modifier.
    if (vk == 0x5B)
        flags &= ~quint32(KMF_LWin);
    if (vk == 0x5C)
        flags &= ~quint32(KMF_RWin);

    QStringList mods;
    if (flags & KMF_LShift)
        mods << QStringLiteral("LSHIFT");
    if ((flags & KMF_LCtrl) && (flags & KMF_RAlt)) {
        mods << QStringLiteral("ALTGR");
    } else {
        if (flags & KMF_LCtrl)
            mods << QStringLiteral("LCTRL");
        if (flags & KMF_RAlt)
            mods << QStringLiteral("RALT");
    }
    if (flags & KMF_LAlt)
        mods << QStringLiteral("LALT");
    if (flags & KMF_LWin)
        mods << QStringLiteral("LWIN");
    if (flags & KMF_RShift)
        mods << QStringLiteral("RSHIFT");
    if (flags & KMF_RCtrl)
        mods << QStringLiteral("RCTRL");
    if (flags & KMF_RWin)
        mods << QStringLiteral("RWIN");

    // A modifier key is named by its flag only. The table's own codes of the right Ctrl and Alt keys
    // count too, else the key RALT with its flag would read "RALT+RALT".
    static const quint32 modifierScans[] = {0x2A, 0x1D, 0x38, 0x138, 0x11D, 0x36, 0x15B, 0x15C, 0xB8, 0x9D};
    QString keyName = key;
    for (quint32 s : modifierScans) {
        if (scan == s)
            keyName.clear();
    }

    const QString modText = mods.join(QLatin1Char(','));
    QString text = modText;
    if (!modText.isEmpty() && !keyName.isEmpty())
        text += QLatin1Char('+');
    text += keyName;
    // Modifier keys alone: the last one is written as the key.
    if (!text.contains(QLatin1Char('+')) && text.contains(QLatin1Char(',')) && text != QLatin1String(",")) {
        const int at = text.lastIndexOf(QLatin1Char(','));
        text[at] = QLatin1Char('+');
    }
    return text;
}

quint32 PAL::ParseShortcut(const QString& text, QList<quint32>& modifiers) {
    modifiers.clear();
    const QStringList parts = text.split(QLatin1Char('+'), Qt::KeepEmptyParts);
    QString keyText = text;
    if (parts.size() >= 2) {
        keyText = parts.at(1);
        QStringList names = parts.at(0).split(QLatin1Char(','), Qt::KeepEmptyParts);
        // Files written on Windows hold AltGr as the pair of keys Windows reports for it, left Ctrl with right
        // Alt. On a layout with an AltGr key of its own that pair is the AltGr key.
        auto isName = [](const QString& name, const char* wanted) {
            return name.trimmed().compare(QLatin1String(wanted), Qt::CaseInsensitive) == 0;
        };
        const auto lctrl =
            std::find_if(names.begin(), names.end(), [&](const QString& n) { return isName(n, "LCTRL"); });
        const auto ralt = std::find_if(names.begin(), names.end(), [&](const QString& n) { return isName(n, "RALT"); });
        if (lctrl != names.end() && ralt != names.end() && !PAL_INT::CurrentKeyboardLayout().AltGrKey().isEmpty()) {
            *std::min(lctrl, ralt) = QStringLiteral("ALTGR");
            names.erase(std::max(lctrl, ralt));
        }
        for (const QString& name : names) {
            if (isName(name, "ALTGR")) {
                modifiers << PAL_INT::AltGrKeyCodes();
                continue;
            }
            const quint32 code = PAL::KeyNameToCode(name);
            if (code == 0) {
                // Nothing to press: an empty or unknown name would only send a meaningless event.
                QLOG_WARN() << "PAL::ParseShortcut: unknown modifier" << name << "in" << text;
                continue;
            }
            modifiers << code;
        }
    }
    return PAL::KeyNameToCode(keyText);
}
