#pragma once
// Reading one JSON file of the data folder or of the user's own files into a map.

#include <QString>
#include <QVariantMap>

namespace CfgJsonFile {

// Larger files are refused before they are read: the whole file is held while it is parsed.
const qint64 kMaxBytes = 64 * 1024 * 1024;

enum class Result { Ok, NotOpened, Invalid };

// Opens, decodes (UTF-8) and parses the file; map gets the top-level object (empty for any other value).
// Invalid sets error: "file too large: N bytes" or the parser's message. canonical, when given, gets the file's
// canonical path once it is open (for the include guards).
Result Read(const QString& path, QVariantMap& map, QString& error, QString* canonical = nullptr);

// Read for a file that may be missing: false when it cannot be opened, and false with the error as a debug
// line when it is invalid.
bool Load(const QString& path, QVariantMap& map, QString* canonical = nullptr);

} // namespace CfgJsonFile

// Moves a JSON file to a new path; a file already there is kept as the new path's backup (".jsbk"). False
// when the old file is missing or the move fails.
bool RenameJsonFile(const QString& oldPath, const QString& newPath);
