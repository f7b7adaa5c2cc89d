#pragma once
// Menu that can draw a divider between the icon column and the texts.

#include <QMenu>

class QMenuEx : public QMenu {
    Q_OBJECT

public:
    explicit QMenuEx(QWidget* parent = nullptr);

    bool showDivider = false;

protected:
    void paintEvent(QPaintEvent* e) override;
};
