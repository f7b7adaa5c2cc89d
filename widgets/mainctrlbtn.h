#pragma once
// Tab button of the main window; reports its id when clicked.

#include "widgets/tiledbtn.h"

class MainCtrlBtn : public TiledBtn {
    Q_OBJECT

public:
    explicit MainCtrlBtn(QWidget* parent = nullptr);

    int id = 0;

signals:
    void clicked(int id);

public slots:
    void OnClick();
};
