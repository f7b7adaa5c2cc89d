#pragma once
// The compaction of recorded macro key steps into the short press and text forms (steps are split and joined
// as the macro player reads them, MacroSteps).

#include <QString>

namespace MacroScript {

// Turns "d K;u K" into "p K", a press framed by a modifier's down and up into "p MOD+K", and runs of
// presses of typeable keys into "t TEXT". Stateless; the recorder runs it after every key release.
QString Compact(const QString& script);

} // namespace MacroScript
