#pragma once
// An image that a control script builds and keeps: loaded from a graphic, a file or a URL, resized and
// copied. Scripts get one from any script object's newImage and own it.

#include <QImage>
#include <QObject>
#include <QScriptValue>

class QScriptEngine;

class QWImage : public QObject {
    Q_OBJECT
    Q_PROPERTY(QScriptValue data READ getData WRITE setData)
    Q_PROPERTY(int width READ GetW)
    Q_PROPERTY(int height READ GetH)
public:
    explicit QWImage(QScriptEngine* engine, QObject* parent = nullptr);

    QScriptEngine* Engine() const { return m_engine; }
    const QImage& Image() const { return m_image; }
    void SetImage(const QImage& image) { m_image = image; }

public slots:
    void setData(const QScriptValue& data) { m_data = data; }
    QScriptValue getData() const { return m_data; }
    // The image becomes null.
    void Clear();
    // A graphic of the configuration, else a picture file (decoded once, then from the image manager), else
    // the file's icon. True when the result is at least 1 pixel wide; an empty name changes nothing.
    bool LoadGfx(const QString& name);
    // The picture held for the URL by the web image cache; false (image kept) while it has not arrived.
    bool LoadUrl(const QString& url);
    int GetW() const { return m_image.width(); }
    int GetH() const { return m_image.height(); }
    // Scaled to exactly w by h, smooth; a size beyond the decoding bound leaves the image as it is.
    void Resize(int w, int h);
    // Does nothing: kept so that scripts calling it keep running.
    void Mask(QObject* mask);
    // A new image of this engine with a copy of the picture.
    QScriptValue Copy();

private:
    QScriptEngine* m_engine;
    QImage m_image;
    QScriptValue m_data;
};
