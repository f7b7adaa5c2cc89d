#pragma once
// Where injected key and mouse events go. The platform layer picks one sink in one place (GetInputSink):
// the X test extension when the program runs on an X display, else a recording sink that only keeps the
// events. Tests always install a recording sink of their own, so nothing ever types into the machine.
//
// An event carries the program's own key numbering: the virtual key and the scan code of a key code
// (keynames.h) with the flags of the classic input record, so shortcut sending keeps its exact order and
// flags on every system.

#include <QElapsedTimer>
#include <QHash>
#include <QString>
#include <QVector>

namespace PAL_INT {

// Keyboard event flags.
enum KeyEventFlag : quint32 {
    KEF_ExtendedKey = 0x0001,
    KEF_KeyUp = 0x0002,
    KEF_ScanCode = 0x0008, // by scan code; without it the event is sent by virtual key
};

// Mouse event flags.
enum MouseEventFlag : quint32 {
    MEF_Move = 0x0001, // relative move by dx, dy
    MEF_LeftDown = 0x0002,
    MEF_LeftUp = 0x0004,
    MEF_RightDown = 0x0008,
    MEF_RightUp = 0x0010,
    MEF_MiddleDown = 0x0020,
    MEF_MiddleUp = 0x0040,
    MEF_Wheel = 0x0800, // wheel notches of 120: positive away from the user
};

struct InputEvent {
    enum Type { Keyboard, Mouse };
    Type type = Keyboard;
    quint32 vk = 0;   // keyboard: virtual key (only the low byte names the key)
    quint32 scan = 0; // keyboard: scan code
    quint32 flags = 0;
    qint32 dx = 0; // mouse
    qint32 dy = 0;
    qint32 wheel = 0;

    static InputEvent Key(quint32 vk, quint32 scan, quint32 flags);
    static InputEvent MouseEvent(quint32 flags, qint32 wheel = 0, qint32 dx = 0, qint32 dy = 0);
    bool operator==(const InputEvent& o) const;
};

// One line per event for logs and tests: "dn 11/1d", "up 25/cb vk ext", "mouse ld", "mouse wheel -120".
QString DescribeInput(const InputEvent& event);

class InputSink {
public:
    virtual ~InputSink() = default;
    // Sends the events in order, at once.
    virtual void Send(const QVector<InputEvent>& events) = 0;
    // 0x8000 while the key of the virtual key (low byte) is down, 0x0001 while it is toggled on.
    virtual quint16 KeyState(quint32 vk) = 0;
};

// Keeps every event with the time it was sent (ms since the sink was made) and the key states they leave.
class RecordingInputSink : public InputSink {
public:
    RecordingInputSink();
    void Send(const QVector<InputEvent>& events) override;
    quint16 KeyState(quint32 vk) override;

    QVector<InputEvent> Events() const { return m_events; }
    QVector<qint64> Times() const { return m_times; }
    // DescribeInput of every event.
    QStringList Transcript() const;
    void Clear();

private:
    QVector<InputEvent> m_events;
    QVector<qint64> m_times;
    QHash<quint32, quint16> m_state;
    QElapsedTimer m_clock;
};

// The sink in use. An installed sink wins (not owned; null returns to the default); otherwise the X test
// extension on an X display, else a process-wide recording sink. Main thread.
InputSink* GetInputSink();
void SetInputSink(InputSink* sink);

// The X test extension sink on the display of $DISPLAY; null when there is no display or extension.
InputSink* NewXTestInputSink();

// Linux input key codes (X key codes less 8) of PC set-1 scan codes and back; extended keys as 0x100 plus
// their base code. 0 when there is none.
quint32 ScanToEvdev(quint32 scan);
quint32 EvdevToScan(quint32 evdev);

// Virtual keys sent by virtual key with the extended flag: the navigation block, the left Windows key,
// the menu key and keypad divide.
bool IsExtendedNavigationKey(quint32 vk);
// The media and browser keys (0xA6 to 0xB7), sent by scan code with the extended flag.
bool IsMediaKey(quint32 vk);

} // namespace PAL_INT
