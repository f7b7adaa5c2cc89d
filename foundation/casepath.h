#pragma once
// Paths written on Windows, where letter case does not matter and '\' separates folders, found on a
// case-sensitive file system. Stored configurations and packages made there name "images\btn.PNG" for
// the file "Images/Btn.png".

#include <QString>

// The existing file or folder that path names: the path itself ('\' turned into '/') when it exists, else
// the one whose every name matches the path's, ignoring letter case; empty when there is none. A relative
// path is looked up from the working folder. Folder listings are cached and read again when a folder
// changes, so only a path that does not exist as written costs more than one look at the disk.
QString FindPathIgnoringCase(const QString& path);

// Forgets every cached folder listing.
void ClearPathCaseCache();
