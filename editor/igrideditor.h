#pragma once
// What the grid canvas asks of the grid editor that owns it: the editor's scale and the images of its
// application skin. The grid editor tab implements it; a canvas of a phone session has none.

#include "config/datacfgrecords.h"

#include <QImage>

class IGridEditor {
public:
    virtual ~IGridEditor() = default;
    // The canvas scale the editor shows grids at (0.5: 80 px cells).
    virtual double GetScale() const = 0;
    // The application skin's graphic of that entry, scaled by the editor's scale.
    virtual QImage LoadScaledGfx(const QString& entry) = 0;
    // The application skin in use.
    virtual const DataCfg::TAppSkin& AppSkin() const = 0;
    // A message box over the editor (icon 1 information, 2 warning, 4 question); answers the button code.
    virtual int AskUser(int icon, const QString& title, const QString& text, int buttons) = 0;
};
