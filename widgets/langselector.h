#pragma once
// The drop-down panel of offered languages; it closes itself as soon as it loses the keyboard focus.

#include "widgets/qwidgetex.h"

#include <QImage>
#include <QStringList>

class LangSelector : public QWidgetEx {
    Q_OBJECT

public:
    explicit LangSelector(QWidget* parent = nullptr);
    void setVisible(bool visible) override;
    QStringList Codes() const { return m_codes; }

signals:
    void LanguageClicked(const QString& code);

protected:
    void focusOutEvent(QFocusEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    QStringList m_codes;
    QImage m_foot;
};
