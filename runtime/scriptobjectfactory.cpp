#include "runtime/scriptobjectfactory.h"

namespace {
ScriptObjectFactory* g_factory = nullptr;
}

ScriptObjectFactory* ScriptObjectFactory::Instance() {
    return g_factory;
}

void ScriptObjectFactory::SetInstance(ScriptObjectFactory* factory) {
    g_factory = factory;
}
