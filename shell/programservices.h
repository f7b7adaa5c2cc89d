#pragma once
// The process-wide hooks that let the lower parts of the program reach the higher ones: the machine
// identity for encrypted settings, the image store of the graphics records, the script objects of control
// views, the registries seen by the control runtime, the built-in function provider and data sources, the
// media players' settings reader, the popups' background graphic and the user prompts. The composition
// root installs them and removes every one again; tests of single parts may too.

void InstallProgramServices();
void RemoveProgramServices();
