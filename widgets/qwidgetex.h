#pragma once
// Common base of the program's composite widgets: an opacity that fades, growth to hold its children,
// enter and leave signals and a hook to re-set translated texts.

#include <QWidget>

class QPropertyAnimation;

class QWidgetEx : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool autoresizeforchildren READ autoResizeForChildren WRITE setAutoResizeForChildren)
    Q_PROPERTY(double opacity READ opacity WRITE setOpacity)

public:
    explicit QWidgetEx(QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());

    bool autoResizeForChildren() const { return m_autoResize; }
    void setAutoResizeForChildren(bool on);
    double opacity() const { return m_opacity; }
    void setOpacity(double opacity);

    // Sets the opacity at once (duration <= 0) or fades to it over duration ms.
    void SetOpacity(double opacity, int durationMs);

    // Re-sets translated texts after a language change; nothing here.
    virtual void Retranslate() {}

signals:
    void OnMouseEnter();
    void OnMouseLeave();

public slots:
    void RecalcLayout();

protected:
    bool event(QEvent* e) override;
    void enterEvent(QEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    bool m_autoResize = false;
    double m_opacity = 1.0;
    QPropertyAnimation* m_animation = nullptr;
};
