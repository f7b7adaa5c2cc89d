#pragma once
// Shows one image at its natural size, at the widget's opacity. A widget built from a path can re-read
// the file (through the image cache) when the user may have replaced it.

#include "widgets/qwidgetex.h"

#include <QImage>

class ImgWidget : public QWidgetEx {
    Q_OBJECT

public:
    ImgWidget(QWidget* parent, const QString& imagePath);
    ImgWidget(QWidget* parent, const QImage& image);

    // Reads the image again (paths only) and fits the widget to it.
    void Reload();

    QString imagePath() const { return m_path; }
    QImage image() const { return m_image; }
    // Takes the image and repaints when it differs (the colour dropper's magnifier); the size stays.
    void SetImage(const QImage& image);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QString m_path;
    QImage m_image;
};
