#pragma once
// The hue/saturation field: hue across, saturation down, filling whatever size it is given.

#include <QFrame>
#include <QPixmap>

class QColorPicker : public QFrame {
    Q_OBJECT

public:
    explicit QColorPicker(QWidget* parent = nullptr);
    QSize sizeHint() const override;
    int hue() const { return m_hue; }
    int saturation() const { return m_sat; }
    const QPixmap& fieldPixmap() const { return m_pix; }
    QPoint MarkerPoint() const;

signals:
    void newCol(int hue, int sat);

public slots:
    void setCol(int hue, int sat);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void PickAt(const QPoint& widgetPos);
    int m_hue = 0;
    int m_sat = 0;
    QPixmap m_pix;
};
