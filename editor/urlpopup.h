#pragma once
// The "OPEN WEBSITE" popup: a website address, taken as typed.

#include "widgets/popupwnd.h"

#include <QAbstractButton>

class QLineEdit;

class UrlPopup : public PopupWnd {
    Q_OBJECT

public:
    explicit UrlPopup(QWidget* parent);

    QString GetUrl() const;
    QLineEdit* UrlEdit() const { return m_edtUrl; }

private:
    QLineEdit* m_edtUrl = nullptr;
};
