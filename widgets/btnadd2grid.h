#pragma once
// Push button with a two-line caption: a small first line over larger ones.

#include "widgets/qpushbuttonex.h"

class BtnAdd2Grid : public QPushButtonEx {
    Q_OBJECT

public:
    explicit BtnAdd2Grid(QWidget* parent = nullptr);

    // A text holding a line feed becomes the two-line caption; any other is the plain caption.
    void SetText(const QString& text);

    QString twoLineText;

protected:
    void paintEvent(QPaintEvent* e) override;
};
