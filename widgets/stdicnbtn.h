#pragma once
// Standard button with an icon and a divider between icon and caption.

#include "widgets/bgicnbtn.h"
#include "widgets/imgwidget.h"

#include <QPointer>

class StdIcnBtn : public BGIcnBtn {
    Q_OBJECT

public:
    StdIcnBtn(QWidget* parent, const QString& iconPath);

    // Replaces the divider image at (20, 0).
    void AddDivider();
    ImgWidget* divider() const { return m_divider; }

private:
    QPointer<ImgWidget> m_divider;
};
