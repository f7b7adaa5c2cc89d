#pragma once
// A horizontal rule: plain, dashed (style 1) or the breaker image (style 2).

#include <QWidget>

class QHorizontalLine : public QWidget {
    Q_OBJECT

public:
    // A width or height of -1 sets no minimum for it.
    QHorizontalLine(QWidget* parent, int width, int height, int style = 0);

    int lineStyle() const { return m_style; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    int m_style;
};
