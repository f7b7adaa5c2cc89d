#pragma once
// Key names, key codes and shortcut texts.
//
// A key code is 32 bits: the scan code in bits 0-15 (PC set 1; extended keys as 0x80 or 0x100 plus their base
// code), the virtual-key code in bits 16-23 (the classic PC virtual-key numbering, which is this program's own
// key numbering on every system) and modifier flags in bits 24-31. Shortcut texts ("LCTRL,LSHIFT+F5") are
// stored in the configuration and in macros, so their form never changes. The conversions themselves are
// static members of PAL (pal.h); this header holds the flag values, the free name lookup and the keyboard
// layout that turns characters into keys and back.

#include <QChar>
#include <QList>
#include <QString>

// Modifier flags in bits 24-31 of a key code.
enum KeyModifierFlag : quint32 {
    KMF_LShift = 0x01,
    KMF_LCtrl = 0x02,
    KMF_LAlt = 0x04,
    KMF_LWin = 0x08,
    KMF_RShift = 0x10,
    KMF_RCtrl = 0x20,
    KMF_RAlt = 0x40,
    KMF_RWin = 0x80,
};

// The name of the key of a code: the key-name tables, else the character it types, else "SC(hex)".
// Empty for 0.
QString KeyCodeTranslate(quint32 code);

namespace PAL_INT {

// One key of a keyboard layout: what it types alone, with shift, with AltGr and with both (null when nothing).
struct KeyboardLayoutKey {
    quint8 vk;
    quint16 scan;
    QChar normal;
    QChar shifted;
    QChar altGr;
    QChar shiftAltGr;
};

// A keyboard layout: characters to keys and back, and scan codes to virtual keys and back. The key names
// use the current one: the user's X keyboard map on an X display (xkbkeyboardlayout.h), else the built-in
// US layout.
class KeyboardLayout {
public:
    // altGrKey: the key name of the key that selects the AltGr characters, when it is a key of its own
    // (X layouts: "RALT"); empty where Ctrl and Alt together select them.
    explicit KeyboardLayout(const QList<KeyboardLayoutKey>& keys, const QString& altGrKey = QString());
    virtual ~KeyboardLayout() = default;

    // The key typing c: virtual key in the low byte, shift state in the high byte (1 shift, 2 ctrl,
    // 4 alt); -1 when no key types it.
    qint16 VkKeyScan(QChar c) const;
    // Virtual key of a scan code (extended keys in either numbering); 0 when none.
    quint32 ScanToVk(quint32 scan) const;
    // Base scan code (without the extended mark) of a virtual key; 0 when none.
    quint32 VkToScan(quint32 vk) const;
    // The text the key types with the shift state (1 shift, 2 ctrl, 4 alt); empty when nothing.
    QString KeyText(quint32 vk, int shiftState) const;

    const QString& AltGrKey() const { return m_altGrKey; }

    static const KeyboardLayout& Us();
    // The US layout's keys; layouts read from elsewhere take its keys that type no printable character
    // (space, tab, return, backspace, escape, the keypad).
    static QList<KeyboardLayoutKey> UsKeys();

protected:
    void Replace(const QList<KeyboardLayoutKey>& keys, const QString& altGrKey);

private:
    QList<KeyboardLayoutKey> m_keys;
    QString m_altGrKey;
};

// The layout the key names use; the US layout unless one was set. Set null to return to it. Main thread.
const KeyboardLayout& CurrentKeyboardLayout();
void SetKeyboardLayout(const KeyboardLayout* layout);

// The shortcut that types the character of a key code from PAL::KeyNameToCode: KeyCodeToShortcut, except
// that the AltGr shift state (Ctrl and Alt) is named "ALTGR" where the layout has an AltGr key of its own.
QString TypingShortcut(quint32 code);

// The keys a shortcut's AltGr is played with: the layout's AltGr key (the key of its AltGr level) where it
// has one, else left Alt and right Ctrl, which Windows reads as AltGr. PAL::ParseShortcut reads "ALTGR" and
// the pair left Ctrl and right Alt through this, so every editor and every player agree on AltGr.
QList<quint32> AltGrKeyCodes();

// The shortcut text a key editor stores for a key code it captured (keyboardcapture.h): printed
// (PAL::KeyCodeToShortcut), then read back as the key sender reads it (PAL::ParseShortcut), so the text names
// the keys that will be played. The modifier codes and the key code are given back when asked for.
QString CapturedShortcut(quint32 code, QList<quint32>* modifiers = nullptr, quint32* key = nullptr);

// Scan code with the extended mark folded into 0x100 (0xC8 and 0x148 both give 0x148; 0x48 stays).
quint32 NormalizedScan(quint32 scan, bool extended = false);

} // namespace PAL_INT
