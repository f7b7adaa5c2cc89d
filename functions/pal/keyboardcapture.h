#pragma once
// The keyboard capture of the key editors (shortcut and macro recording). While it is on, every key event
// of the program reaches its receiver carrying this program's key numbering: native scan code (PC set 1,
// extended keys as 0x100 plus their base code), native virtual key and, as native modifiers, the modifier
// flag byte of keynames.h. The Windows keys and the media and browser keys arrive as Qt::Key_Meta with no
// text, so no editor acts on them as ordinary keys. No shortcut of a window or a menu runs while it is on:
// every key goes to the editor that records. Switching to another application ends the capture.
//
// Only the program's own key events are seen: keys the desktop itself takes never arrive, which the
// editors accept.

#include <QObject>
#include <QSet>

class QKeyEvent;

namespace PAL_INT {

class KeyboardCapture : public QObject {
    Q_OBJECT
public:
    // Made and installed on the application by the first capture; lives as long as the application.
    static KeyboardCapture* Instance();

    bool IsOn() const { return m_on; }
    void SetOn(bool on);
    // 1 while the left (or right) Windows key is held during a capture, else 0.
    int WindowsKeyState(bool right) const { return right ? m_rightWin : m_leftWin; }

    bool eventFilter(QObject* watched, QEvent* event) override;

    explicit KeyboardCapture(QObject* parent);

private:
    quint32 ModifierFlags(const QKeyEvent* e) const;

    bool m_on = false;
    bool m_dispatching = false;
    int m_leftWin = 0;
    int m_rightWin = 0;
    QSet<quint32> m_heldModifiers; // scan codes of modifier keys held since the capture began
};

// The capture's state of a Windows key: 0 unless a capture runs and saw the key go down.
int WindowsKeyState(bool right);

// This program's (scan code, virtual key) of a key event of the toolkit: native scan code = X key code.
// False when the event carries no native key (synthesised events).
bool TranslateKeyEvent(const QKeyEvent* e, quint32* scan, quint32* vk);

} // namespace PAL_INT

// Installs the capture on the application; called by PAL::SetKeyboardCapture only.
void InitKeyboradHookLL();
