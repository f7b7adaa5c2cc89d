#include "runtime/leinterface.h"

#include "runtime/lebase.h"

LEInterface::LEInterface(QGraphicsItem* parent) : QGraphicsObject(parent) {}

void LEInterface::Invalidate() {
    for (QGraphicsItem* child : childItems()) {
        if (auto* e = dynamic_cast<LEInterface*>(child)) {
            if (LEBase* b = e->GetLEBase())
                b->Invalidate();
        }
    }
}
