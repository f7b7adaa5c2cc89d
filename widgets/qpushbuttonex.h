#pragma once
// Push button with a rich-text caption, an opacity and a press signal that carries the event.

#include <QPushButton>

class QPushButtonEx : public QPushButton {
    Q_OBJECT
    Q_PROPERTY(QString HTMLText READ htmlText WRITE setHtmlText)
    Q_PROPERTY(double opacity READ opacity WRITE setOpacity)

public:
    explicit QPushButtonEx(QWidget* parent = nullptr);

    QString htmlText() const { return m_htmlText; }
    void setHtmlText(const QString& text);
    double opacity() const { return m_opacity; }
    void setOpacity(double opacity);

    // A caption holding both '<' and '>' is painted as rich text; any other is the plain caption.
    void SetText(const QString& text);

    // A value the owner attaches and reads back from the signal's sender.
    QString valueText;

signals:
    void mousepressed(QMouseEvent* event = nullptr);

public slots:
    // Re-polishes on a change so that style rules on the enabled state show at once.
    void setEnabled(bool enabled);
    void setDisabled(bool disabled);

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    QString m_htmlText;
    double m_opacity = 1.0;
};
