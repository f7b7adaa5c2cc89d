#pragma once
// The process-wide hooks that let the lower parts of the program reach the higher ones: the machine
// identity for encrypted settings, the image store of the graphics records, the script objects of control
// views, the registries seen by the control runtime and the popups' background graphic. The composition
// root installs them; tests of single parts may too.

void InstallProgramServices();
void RemoveProgramServices();
