#pragma once
// The small flag button that shows the current language and opens the language panel.

#include <QImage>
#include <QPushButton>

class LangBtn : public QPushButton {
    Q_OBJECT

public:
    explicit LangBtn(QWidget* parent = nullptr);
    void SetFlag(const QString& code);
    bool HasFlag() const { return !m_flag.isNull(); }
    const QImage& Flag() const { return m_flag; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QImage m_flag;
};
