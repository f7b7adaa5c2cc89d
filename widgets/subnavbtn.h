#pragma once
// Button of the sub-navigation rows.

#include "widgets/tiledbtn.h"

class SubnavBtn : public TiledBtn {
    Q_OBJECT

public:
    explicit SubnavBtn(QWidget* parent = nullptr);
};
