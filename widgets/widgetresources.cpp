#include "widgets/widgetresources.h"

#include <QtGlobal>

static void InitWidgetImages() {
    Q_INIT_RESOURCE(widgetimages);
}

void InitWidgetResources() {
    static const bool done = (InitWidgetImages(), true);
    Q_UNUSED(done);
}
