#include "functions/pal/delaywaplaytask.h"

#include "functions/pal/mediaplayerbackend.h"

DelayWAPlayTask::DelayWAPlayTask() {
    Start(50);
}

void DelayWAPlayTask::run() {
    std::shared_ptr<PAL_INT::MediaPlayerBackend> winamp = PAL_INT::MediaPlayerBackendFor(QStringLiteral("Winamp"));
    if (winamp && winamp->IsRunning()) {
        winamp->Play();
        m_counter = 0;
    }
    if (--m_counter <= 0)
        Finish();
    else
        Start(50);
}
