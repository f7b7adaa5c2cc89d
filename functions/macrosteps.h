#pragma once
// The steps of a macro text: separated by ';', where "\;" is a ';' inside a step and "\\" a backslash, so
// that any step text (a typed ';' or '\', the backslash key's own name) survives being joined and split
// again. Texts written before backslashes were escaped read as before wherever they are unambiguous: a
// backslash that is followed by neither '\' nor ';' stays a backslash.

#include <QString>
#include <QStringList>

namespace MacroSteps {

// The steps, each as written (not trimmed); empty steps are kept, escapes are resolved.
QStringList Split(const QString& text);
// One step as it is written into a macro text.
QString Escape(const QString& step);
// The steps escaped and joined with ';'; Split gives them back.
QString Join(const QStringList& steps);

} // namespace MacroSteps
