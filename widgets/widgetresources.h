#pragma once
// The widget kit's compiled-in images (":/images/..."): they live in a static library, so they are
// registered on first use rather than by the library's own start-up code, which the linker may drop.

// Registers them once; every widget that loads one of them calls it first.
void InitWidgetResources();
