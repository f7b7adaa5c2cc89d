#pragma once
// The key events of one sent shortcut: the downs go out at once, the ups 25 ms later when the task runs.

#include "functions/pal/inputsink.h"
#include "functions/pal/qtimertask.h"

class ShortcutReleaseTask : public QTimerTask {
    Q_OBJECT
public:
    // Room for the key and 15 modifiers, each pressed and released.
    static constexpr int kEventCount = 32;

    explicit ShortcutReleaseTask(QObject* parent = nullptr);

    QVector<PAL_INT::InputEvent> events; // kEventCount keyboard records, by scan code until filled
    int downCount = 0;                   // the first downCount records are key-downs
    int upCount = 0;                     // the next upCount records are key-ups

    QVector<PAL_INT::InputEvent> Downs() const { return events.mid(0, downCount); }
    QVector<PAL_INT::InputEvent> Ups() const { return events.mid(downCount, upCount); }

public slots:
    // Sends the key-ups, then goes away.
    void run() override;
};
