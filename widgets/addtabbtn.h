#pragma once
// The blue "add tab" button.

#include "widgets/bluicnbtn.h"

class AddTabBtn : public BluIcnBtn {
    Q_OBJECT

public:
    explicit AddTabBtn(QWidget* parent = nullptr);
};
