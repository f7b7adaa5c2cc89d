#pragma once
// Button drawn from image tiles instead of the style: for each state (normal, hover, pressed, active,
// disabled) an image of exactly the button's size is composed from a left cap, a repeated centre piece and
// a right cap, so tiles are never scaled.

#include "widgets/qpushbuttonex.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QStringList>

class TiledBtn : public QPushButtonEx {
    Q_OBJECT
    Q_PROPERTY(bool active READ isActive WRITE setActive)

public:
    enum State { Normal = 0, Hover, Pressed, Active, Disabled, StateCount };

    explicit TiledBtn(QWidget* parent = nullptr);

    bool isActive() const { return active; }
    void setActive(bool on);

    // One base name B becomes the fifteen tile names B + {L,C,R} for the states N, H, P, A, D.
    void ApplyImages();
    // Rebuilds the state images for the current size.
    void ComposeImages();

    QImage stateImage(State state) const { return m_images[state]; }
    void setTextColor(State state, const QColor& color) { m_colors[state] = color; }
    QColor textColor(State state) const { return m_colors[state]; }

    QSize sizeHint() const override;

    bool active = false;
    QStringList imageNames;
    int padLeft = 0;
    int padRight = 0;
    int padTop = 0;
    int iconX = 6;
    bool keepFocus = false; // losing the focus is ignored
    QFont captionFont;

protected:
    void focusOutEvent(QFocusEvent* e) override;
    void enterEvent(QEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    QImage m_images[StateCount];
    QColor m_colors[StateCount];
    mutable QString m_hintText;
    mutable QSize m_hint{0, 0};
};
