#pragma once
// The path of a file dropped on a window, in either form a desktop hands it over: the wide file-name format
// (UTF-16, NUL-terminated) or a URI list, as Linux file managers send it.

class QMimeData;
class QString;

// The first dropped file as a local path, trimmed; empty when the drop names no local file.
QString DroppedFilePath(const QMimeData* mime);
