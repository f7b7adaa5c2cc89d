#pragma once
// Borderless, bar-less scroll area for touch-style panels: arrow keys never scroll it, the wheel can be
// turned sideways, and every key press is reported.

#include <QScrollArea>

class TouchScrollArea : public QScrollArea {
    Q_OBJECT

public:
    explicit TouchScrollArea(QWidget* parent = nullptr);

    bool wheelHorizontal = false; // the wheel scrolls sideways
    bool keysToArea = false;      // keys other than the arrows reach the scroll area

signals:
    void keyPressed(QKeyEvent* event);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
};

// Makes widget the area's content and switches off its background fill.
void SetScrollAreaWidget(QScrollArea* area, QWidget* widget);
