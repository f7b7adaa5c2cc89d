#include "widgets/blustdbtn.h"

BluStdBtn::BluStdBtn(QWidget* parent) : StdBtn(parent, 2) {}
