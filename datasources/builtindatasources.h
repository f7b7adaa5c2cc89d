#pragma once
// Makes the built-in data sources known to the data-source registry, in their list order. Program entry calls
// it before the list is first used; later calls do nothing.

void RegisterBuiltInDataSources();
