#include "widgets/qradiobuttonex.h"

QRadioButtonEx::QRadioButtonEx(QWidget* parent) : QRadioButton(parent) {}
