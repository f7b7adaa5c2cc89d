#pragma once
// The blue standard button.

#include "stdbtn.h"

class BluStdBtn : public StdBtn {
    Q_OBJECT

public:
    explicit BluStdBtn(QWidget* parent = nullptr);
};
