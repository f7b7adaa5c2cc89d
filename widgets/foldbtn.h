#pragma once
// A category heading of the editors' forms: a label with an arrow that, when foldable, toggles an expanded state
// on click, animating the arrow through its frames.

#include "widgets/qlabelex.h"

#include <QImage>
#include <QVector>

class QPropertyAnimation;

class FoldBtn : public QLabelEx {
    Q_OBJECT
    Q_PROPERTY(double animrel READ animRel WRITE setAnimRel)

public:
    FoldBtn(QWidget* parent, const QString& text, bool bold, int pixelSize, const QColor& color);

    double animRel() const { return m_animrel; }
    void setAnimRel(double value);
    // Jumps to value (duration <= 0) or animates there from where the arrow is now.
    void SetAnimRel(double value, int durationMs);
    bool isExpanded() const { return m_expanded; }

    QSize sizeHint() const override;

    bool foldable = false;

signals:
    void expanded(bool on);

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    bool m_expanded = false;
    double m_animrel = 0.0;
    QVector<QImage> m_frames;
    QPropertyAnimation* m_animation = nullptr;
};
