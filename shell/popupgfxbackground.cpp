#include "shell/popupgfxbackground.h"

PopupGfxBackground::PopupGfxBackground(const QString& imagePath, const QList<QRectF>& tiles) {
    m_gfx.Name = QStringLiteral("PopupBackground");
    m_gfx.Rsc = imagePath;
    m_gfx.Tiling = DataCfg::GT_3x3;
    for (int i = 0; i < tiles.size(); ++i) {
        DataCfg::TGfxTile tile;
        tile.rect = tiles[i];
        // Middle column and middle row stretch; corners keep their size.
        tile.StretchX = (i % 3) == 1;
        tile.StretchY = (i / 3) == 1;
        m_gfx.Tiles << tile;
    }
}

QImage PopupGfxBackground::GetImageTiled(int width, int height) const {
    return m_gfx.GetImageTiled(width, height);
}

IPopupBackground* PopupGfxBackground::Make(const QString& imagePath, const QList<QRectF>& tiles) {
    return new PopupGfxBackground(imagePath, tiles);
}
