#include "functions/pal/shortcutreleasetask.h"

ShortcutReleaseTask::ShortcutReleaseTask(QObject* parent) : QTimerTask(parent) {
    events.fill(PAL_INT::InputEvent::Key(0, 0, PAL_INT::KEF_ScanCode), kEventCount);
}

void ShortcutReleaseTask::run() {
    PAL_INT::GetInputSink()->Send(Ups());
    Finish();
}
