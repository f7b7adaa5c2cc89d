#include "editor/editorresources.h"

#include "widgets/widgetresources.h"

#include <QtGlobal>

static void InitEditorImages() {
    Q_INIT_RESOURCE(editordrawnimages);
}

void InitEditorResources() {
    static const bool done = (InitWidgetResources(), InitEditorImages(), true);
    Q_UNUSED(done);
}
