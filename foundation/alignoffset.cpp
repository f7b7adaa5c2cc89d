#include "foundation/alignoffset.h"

namespace {

int AlignAxis(int align, int centreBit, int endBit, int space, int item, int unaligned) {
    if (align & endBit)
        return space - item;
    if (align & centreBit)
        return space / 2 - item / 2;
    return unaligned;
}

} // namespace

QPoint AlignOffset(int align, const QSize& space, const QSize& item, const QPoint& unaligned) {
    return QPoint(AlignAxis(align, 0x2, 0x4, space.width(), item.width(), unaligned.x()),
                  AlignAxis(align, 0x10, 0x20, space.height(), item.height(), unaligned.y()));
}
