#include "widgets/tabfont.h"

QFont TabCaptionFont() {
    QFont font(QStringLiteral("Eurostile LT Std"), 8, 63);
    font.setPixelSize(24); // the pixel size wins over the point size
    return font;
}
