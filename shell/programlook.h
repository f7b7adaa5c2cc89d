#pragma once
// The program's look that every window shares: its fonts and the application style sheet. The composition
// root installs it before the first widget exists; parts shown on their own (screenshot tests) install it
// the same way.

#include <QStringList>

namespace ProgramLook {

// The families the program's widgets, style sheets and configurations ask for by name. None of them ships
// under that name: each is answered by the family of the program's own fonts (ShippedFamily()).
QStringList MappedFamilies();
// The family of the fonts compiled into the program.
QString ShippedFamily();

// Adds the compiled-in fonts, maps MappedFamilies() onto them and sets the application style sheet. Safe to
// call more than once; a font or the style sheet that cannot be read is logged and leaves the defaults.
void Install();

} // namespace ProgramLook
