#pragma once
// Styled label with click signals and a hover style.

#include <QColor>
#include <QLabel>

class QLabelEx : public QLabel {
    Q_OBJECT

public:
    // pixelSize -1 keeps the font size; an invalid colour keeps the text colour.
    explicit QLabelEx(QWidget* parent = nullptr, const QString& text = QString(), bool bold = false, int pixelSize = -1,
                      const QColor& color = QColor(), const QString& extraStyle = QString());

    // Fits the width to the text; flag 2 keeps the right edge, else the left edge stays.
    void FitWidthToText(int flags = 0);

    QString normalStyle; // style sheet set on leave, when not empty
    QString hoverStyle;  // style sheet set on enter, when not empty

signals:
    void released();
    void clicked();
    void OnDoubleClick();

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void enterEvent(QEvent* e) override;
    void leaveEvent(QEvent* e) override;
};
