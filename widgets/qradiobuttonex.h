#pragma once
// Radio button that carries a value for its owner.

#include <QRadioButton>

class QRadioButtonEx : public QRadioButton {
    Q_OBJECT

public:
    explicit QRadioButtonEx(QWidget* parent = nullptr);

    QString valueText;
};
