#pragma once
// The blue standard button.

#include "widgets/stdbtn.h"

class BluStdBtn : public StdBtn {
    Q_OBJECT

public:
    explicit BluStdBtn(QWidget* parent = nullptr);
};
