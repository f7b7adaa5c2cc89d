#pragma once
// The drag object of the colour picker's screen dropper. While one exists, RunningDropper() names it, so the
// dropper's timer learns when the drag has ended.

#include <QDrag>

class QDragDropper : public QDrag {
    Q_OBJECT

public:
    explicit QDragDropper(QObject* source);
    ~QDragDropper() override;
};

QDragDropper* RunningDropper();
