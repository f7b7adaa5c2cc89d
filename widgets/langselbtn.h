#pragma once
// One entry of the language panel: the flag and the language's own name; a click reports the code.

#include <QFont>
#include <QImage>
#include <QPushButton>

class LangSelBtn : public QPushButton {
    Q_OBJECT

public:
    explicit LangSelBtn(QWidget* parent = nullptr);
    void SetCode(const QString& code);
    QString GetCode() const { return m_code; }
    QString GetName() const { return m_name; }
    // The name's font: 7 points, smaller where a long name would run past the panel's edge.
    QFont NameFont() const;
    bool HasFlag() const { return !m_flag.isNull(); }

    // The language's own name for a code; empty for a code the panel does not know.
    static QString NameOf(const QString& code);

signals:
    void clicked(const QString& code);

public slots:
    void ReemitClicked();

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QString m_code;
    QString m_name;
    QImage m_flag;
};
