#pragma once
// The standard tiled button: type 0 standard, 1 small, 2 blue (any other type as 0).

#include "widgets/tiledbtn.h"

class StdBtn : public TiledBtn {
    Q_OBJECT

public:
    explicit StdBtn(QWidget* parent = nullptr, int type = 0);
};
