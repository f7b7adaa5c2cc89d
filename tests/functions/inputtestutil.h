#pragma once
// Fixtures of the input tests: a recording sink installed for the test's life, and log lines.

#include "foundation/logger/QsLog.h"
#include "functions/pal/inputsink.h"
#include "functions/pal/keynames.h"
#include "tests/common/logcapture.h"

#include <QStringList>

// Installs a recording sink for its life, so nothing reaches the machine.
class RecordedInput : public PAL_INT::RecordingInputSink {
public:
    RecordedInput() { PAL_INT::SetInputSink(this); }
    ~RecordedInput() override { PAL_INT::SetInputSink(nullptr); }

    // Key events by key name ("dn LCTRL", "up A"), mouse events as DescribeInput writes them.
    QStringList Named() const {
        QStringList out;
        for (const PAL_INT::InputEvent& e : Events()) {
            if (e.type == PAL_INT::InputEvent::Keyboard)
                out << QStringLiteral("%1 %2").arg(e.flags & PAL_INT::KEF_KeyUp ? "up" : "dn",
                                                   KeyCodeTranslate((e.vk & 0xFF) << 16 | e.scan));
            else
                out << PAL_INT::DescribeInput(e);
        }
        return out;
    }
};
