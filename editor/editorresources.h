#pragma once
// The editors' compiled-in images (":/images/..."), drawn by images/generate.py. They live in a static
// library, so they are registered on first use; every editor window that shows one calls this first.
void InitEditorResources();
