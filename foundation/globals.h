#pragma once
// Process-wide texts and defaults of the program. Each accessor builds its value on first use, so any
// initialiser (the logger's included) may read them before main runs.

#include <QString>

namespace MervexGlobals {

// "yyyy-MM-ddThh:mm:ss.zzz", the time format of every log line.
const QString& LogTimeFormat();
// The build text, padded as it is stamped; callers trim it.
const QString& BuildText();
// The release this program is: the project's version in the build (the top CMakeLists.txt).
const QString& Version();

// The per-user private base of the program's temporary files (mode 0700), without a trailing '/'.
// Stands for the system's temporary folder in every path the program builds below it.
QString PrivateTempRoot();

} // namespace MervexGlobals
