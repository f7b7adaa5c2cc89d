// Shortcut, key and mouse-button sending, and the key state query.
#include "functions/pal/inputsink.h"
#include "functions/pal/keyboardcapture.h"
#include "functions/pal/keynames.h"
#include "functions/pal/pal.h"
#include "functions/pal/shortcutreleasetask.h"

#include "foundation/logger/QsLog.h"
#include "foundation/profiler.h"

namespace {

// Delay between a shortcut's downs and its ups.
constexpr int kShortcutReleaseMs = 25;
// The key and every modifier take one down and one up of the task's records.
constexpr int kMaxShortcutModifiers = (ShortcutReleaseTask::kEventCount - 2) / 2;

// Flags of a key's own event: navigation keys by virtual key, media keys by scan code, both extended.
quint32 KeyEventFlags(quint32 code) {
    const quint32 vk = (code >> 16) & 0xFF;
    if (PAL_INT::IsExtendedNavigationKey(vk))
        return PAL_INT::KEF_ExtendedKey;
    if (PAL_INT::IsMediaKey(vk))
        return PAL_INT::KEF_ScanCode | PAL_INT::KEF_ExtendedKey;
    return PAL_INT::KEF_ScanCode;
}

// A modifier's record: the reduced rule (navigation keys only lose the scan-code flag).
void FillModifier(PAL_INT::InputEvent& e, quint32 code) {
    e.vk = (code >> 16) & 0xFF;
    e.scan = code & 0xFFFF;
    if (PAL_INT::IsExtendedNavigationKey(e.vk))
        e.flags &= ~quint32(PAL_INT::KEF_ScanCode);
}

} // namespace

void PAL::SendShortcut(const QString& text, int mode) {
    PROFILE_SCOPE("PAL::SendShortcut");
    auto* task = new ShortcutReleaseTask;
    QList<quint32> mods;
    const quint32 key = PAL::ParseShortcut(text, mods);
    if (mods.size() > kMaxShortcutModifiers) {
        QLOG_DEBUG() << "PAL::SendShortcut: modifiers after the" << kMaxShortcutModifiers << "th are ignored:" << text;
        mods = mods.mid(0, kMaxShortcutModifiers);
    }
    QVector<PAL_INT::InputEvent>& ev = task->events;
    int n = 0;
    for (quint32 m : mods)
        FillModifier(ev[n++], m);
    if (key != 0) {
        ev[n].vk = (key >> 16) & 0xFFFF;
        ev[n].scan = key & 0xFFFF;
        ev[n].flags = KeyEventFlags(key);
        ++n;
    }
    task->downCount = n;
    if (key != 0) {
        ev[n] = ev[n - 1];
        ev[n].flags |= PAL_INT::KEF_KeyUp;
        ++n;
    }
    for (int i = n; i < ShortcutReleaseTask::kEventCount; ++i)
        ev[i].flags = ev[0].flags | PAL_INT::KEF_KeyUp;
    // The modifiers go up in the order they went down.
    for (quint32 m : mods)
        FillModifier(ev[n++], m);
    task->upCount = n - task->downCount;
    if (n == 0) {
        QLOG_WARN() << "PAL::SendShortcut: no key in" << text;
    }

    if (mode & 0x1) {
        PAL_INT::GetInputSink()->Send(task->Downs());
        QLOG_DEBUG() << "PAL::SendShortcut: Down!";
    }
    if (mode & 0x2) {
        task->Start(kShortcutReleaseMs);
        QLOG_DEBUG() << "PAL::SendShortcut: Up!";
    } else {
        delete task;
    }
}

void PAL::SendKey(const QString& name, bool down) {
    const quint32 code = PAL::KeyNameToCode(name);
    if (code == 0) {
        // A record for no key would be sent as a stray event.
        QLOG_WARN() << "PAL::SendKey: unknown key" << name;
        return;
    }
    quint32 flags = KeyEventFlags(code);
    if (!down)
        flags |= PAL_INT::KEF_KeyUp;
    PAL_INT::GetInputSink()->Send({PAL_INT::InputEvent::Key((code >> 16) & 0xFFFF, code & 0xFFFF, flags)});
}

void PAL::SendMouseButton(int button, bool release) {
    quint32 flags = 0;
    qint32 wheel = 0;
    switch (button) {
    case 0:
        flags = release ? PAL_INT::MEF_LeftUp : PAL_INT::MEF_LeftDown;
        break;
    case 1:
        flags = release ? PAL_INT::MEF_RightUp : PAL_INT::MEF_RightDown;
        break;
    case 2:
        flags = release ? PAL_INT::MEF_MiddleUp : PAL_INT::MEF_MiddleDown;
        break;
    case 3:
        flags = PAL_INT::MEF_Wheel;
        wheel = release ? 120 : -120;
        break;
    default:
        break; // an empty mouse event, as for any unknown button
    }
    PAL_INT::GetInputSink()->Send({PAL_INT::InputEvent::MouseEvent(flags, wheel)});
}

int PAL::GetKeyState(const QString& name) {
    if (name.isEmpty())
        return 0;
    const quint32 v = PAL::KeyNameToCode(name) >> 16;
    if (v == 0)
        return 0;
    // The Windows keys are known only to the capture, and only while it runs.
    if (v == 0x5B)
        return PAL_INT::WindowsKeyState(false);
    if (v == 0x5C)
        return PAL_INT::WindowsKeyState(true);
    return PAL_INT::GetInputSink()->KeyState(v);
}
