#pragma once
// Play for a Winamp that was only just started: looks for the player every 50 ms, 40 times at most, and tells
// it to play once it is there.

#include "functions/pal/qtimertask.h"

class DelayWAPlayTask : public QTimerTask {
public:
    DelayWAPlayTask();

    void run() override;

private:
    int m_counter = 40;
};
