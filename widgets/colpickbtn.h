#pragma once
// A 19 x 19 button that shows a colour, alpha included, and opens the colour picker on a click, previewing every
// change live; OK keeps the new colour, Cancel restores the old one.

#include "widgets/qwidgetex.h"

#include <QImage>

class ColPickPopup;

class ColPickBtn : public QWidgetEx {
    Q_OBJECT

public:
    explicit ColPickBtn(QWidget* parent = nullptr);
    // Colour text as ColorFromText reads it; no signal.
    void SetColor(const QString& text);
    QString GetColor() const;
    QRgb Color() const { return m_color; }

signals:
    void changed(quint32 color);

public slots:
    void OpenColorDialog();
    void OnColorChanged(const QColor& color);

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void enterEvent(QEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    QImage m_background;
    QImage m_mask;
    QImage m_layer;
    QImage m_normal;
    QImage m_hover;
    QImage m_pressedImg;
    QRgb m_color = 0x007F7F7F;
    QRgb m_rendered = 0xFFFF00FF;
    bool m_pressed = false;
};
