#pragma once
// The macro script text as the macro editor reads and writes it: steps split at ";" and joined again with the
// macro player's escapes ("\;" a ";" inside a step, "\\" a backslash), and the compaction of recorded key
// steps into the short press and text forms.

#include <QString>
#include <QStringList>

namespace MacroScript {

// Steps of a script, each as written (not trimmed); empty steps are kept, escapes are removed.
QStringList Split(const QString& script);
// Joins steps with ";"; a ";" or a backslash inside a step is escaped so the next split keeps the step whole.
QString Join(const QStringList& steps);

// Turns "d K;u K" into "p K", a press framed by a modifier's down and up into "p MOD+K", and runs of
// presses of typeable keys into "t TEXT". Stateless; the recorder runs it after every key release.
QString Compact(const QString& script);

} // namespace MacroScript
