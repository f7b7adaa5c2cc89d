#pragma once
// Line edit that reports focus changes.

#include <QLineEdit>

class QLineEditEx : public QLineEdit {
    Q_OBJECT

public:
    explicit QLineEditEx(QWidget* parent = nullptr);
    QLineEditEx(const QString& text, QWidget* parent = nullptr);

signals:
    void focusChanged(bool in);
    void focusIn();
    void focusOut();

protected:
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
};
