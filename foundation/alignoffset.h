#pragma once
// The program's alignment bit sets, as the layout records' "Align" holds them: 1 left, 2 horizontal centre,
// 4 right; 8 top, 0x10 vertical centre, 0x20 bottom.

#include <QPoint>
#include <QSize>

// Where an item of the given size goes in a space of the given size, relative to the space's top-left corner.
// On each axis the end bit (right, bottom) wins over the centre bit; an axis with neither keeps unaligned's
// coordinate. Each size is halved on its own, by integer division.
QPoint AlignOffset(int align, const QSize& space, const QSize& item, const QPoint& unaligned = QPoint());
