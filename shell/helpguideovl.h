#pragma once
// A one-screen guide laid over the main window's tab area: a picture with four captions that point at the
// parts of the control editor (choose a control, edit and preview it, place it on the grid, add the grid to
// the tab bar) and a close button. At most one exists at a time.

#include "widgets/qwidgetex.h"

class ImgBtn;
class ImgWidget;
class QLabelEx;

class HelpGuideOvl : public QWidgetEx {
    Q_OBJECT
public:
    // When an overlay exists already, the new object only deletes itself later and shows nothing.
    explicit HelpGuideOvl(QWidget* parent);
    ~HelpGuideOvl() override;

    // The overlay that exists now; null when none.
    static HelpGuideOvl* Current();

    ImgBtn* CloseButton() const { return m_close; }
    QLabelEx* Caption(int index) const { return index >= 0 && index < 4 ? m_captions[index] : nullptr; }

    void Retranslate() override;

public slots:
    void OnClose();

private:
    ImgWidget* m_background = nullptr;
    ImgBtn* m_close = nullptr;
    QLabelEx* m_captions[4] = {};
};
