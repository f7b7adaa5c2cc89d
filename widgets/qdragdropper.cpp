#include "widgets/qdragdropper.h"

namespace {
QDragDropper* g_dropper = nullptr;
}

QDragDropper::QDragDropper(QObject* source) : QDrag(source) {
    g_dropper = this;
}

QDragDropper::~QDragDropper() {
    if (g_dropper == this)
        g_dropper = nullptr;
}

QDragDropper* RunningDropper() {
    return g_dropper;
}
