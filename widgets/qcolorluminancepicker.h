#pragma once
// The value bar of a hue and saturation, vertical (luminance) or horizontal (the popup's opacity bar).

#include <QPixmap>
#include <QWidget>

class QColorLuminancePicker : public QWidget {
    Q_OBJECT

public:
    explicit QColorLuminancePicker(QWidget* parent = nullptr);
    int value() const { return m_val; }
    int hue() const { return m_hue; }
    int saturation() const { return m_sat; }
    bool isHorizontal() const { return height() < width(); }
    // Position along the bar of a value and the value of a position (clamped to 0-255).
    int ValueToPos(int v) const;
    int PosToValue(int pos) const;

signals:
    void newHsv(int hue, int sat, int val);

public slots:
    void setCol(int hue, int sat, int val);
    void setCol(int hue, int sat);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    void SetVal(int pos);
    int Span() const;
    int m_val = 255;
    int m_hue = 0;
    int m_sat = 0;
    QPixmap m_pix;
};
