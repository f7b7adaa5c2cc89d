#pragma once
// The popups' background served by a graphic record of the configuration model, so popups share its
// composition and its image cache with the rest of the program's graphics.

#include "config/datacfgrecords.h"
#include "widgets/ipopupbackground.h"

class PopupGfxBackground : public IPopupBackground {
public:
    // Nine tiles, row by row: corners kept, edges and centre stretched.
    PopupGfxBackground(const QString& imagePath, const QList<QRectF>& tiles);
    QImage GetImageTiled(int width, int height) const override;

    // The factory that PopupWnd::SetBackgroundFactory takes.
    static IPopupBackground* Make(const QString& imagePath, const QList<QRectF>& tiles);

private:
    mutable DataCfg::TGfx m_gfx;
};
