#pragma once
// Starting programs, documents, folders, addresses and desktop entries for controls, and resolving a
// configured program path to the file that runs. Programs start with an argument list through the platform
// layer's process runner, never through a shell; documents, folders and addresses go to the desktop's
// opener (xdg-open) as one argument.

#include <QString>
#include <QStringList>

namespace PAL_INT {

// Splits a command text into the program and its parameters: the first ".exe", ".cmd", ".bat", ".lnk" or
// ".desktop" that ends a word ends the program; otherwise an existing file named by the whole text is the
// program, a leading quoted text is, or the text up to the first blank. A leading and then a trailing
// double quote are removed from the program. A text without blanks and quotes, or beginning with '!', is all
// program.
void SplitCommandLine(QString& command, QString& parameters);

// The value of a key in the "Desktop Entry" group of the file at path, with the value escapes (\s \n \t \r
// \\) undone and any other escape kept for the Exec quoting; empty when the file or the key is missing.
QString DesktopEntryValue(const QString& path, const QByteArray& key);

// The argument list of a desktop entry's Exec key with the parameters in place of its file and address
// field codes (or after it when it has none); empty when the file is no desktop entry with an Exec key.
QStringList DesktopEntryCommand(const QString& path, const QStringList& parameters);

// Starts program (already split off and resolved) with the parameters text; false when it could not.
bool LaunchProgram(const QString& program, const QString& parameters);

} // namespace PAL_INT
