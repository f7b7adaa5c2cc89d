#include "editor/qlvdrop.h"

#include <QDropEvent>

void QLVDrop::dropEvent(QDropEvent* e) {
    if (m_dropFilter && m_dropFilter->eventFilter(this, e))
        return;
    QListView::dropEvent(e);
}
