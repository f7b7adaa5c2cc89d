#pragma once
// A push button drawn entirely from up to six images: checked and unchecked, each normal, hover and pressed.

#include "widgets/qpushbuttonex.h"

#include <QImage>

class ImgBtn : public QPushButtonEx {
    Q_OBJECT

public:
    enum Look { AN, AH, AP, IN, IH, IP };

    explicit ImgBtn(QWidget* parent = nullptr);
    void SetImage(const QString& base);
    const QImage& Image(Look look) const { return m_images[look]; }

protected:
    void enterEvent(QEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    QImage m_images[6];
};
