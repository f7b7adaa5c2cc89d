#pragma once
// Makes the built-in data sources known to the data-source registry, in their list order. Program entry calls
// it before the list is first used; later calls do nothing until UnregisterBuiltInDataSources.

void RegisterBuiltInDataSources();
// Takes every data-source factory out of the registry again (the program's teardown).
void UnregisterBuiltInDataSources();
