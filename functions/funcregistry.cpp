#include "functions/funcregistry.h"

namespace {
FuncRegistry* g_registry = nullptr;
}

FuncRegistry* FuncRegistry::Instance() {
    return g_registry;
}

void FuncRegistry::SetInstance(FuncRegistry* registry) {
    g_registry = registry;
}
