#pragma once
// What the package popups share: their file questions and message boxes (replaceable, so the popups can be
// driven without a person), the names that package contents may take on this computer, and the adding of
// an imported grid as a new custom grid.

#include "config/datacfgrecords.h"

#include <QString>

#include <functional>

class MTEGridEdit;
class QWidget;

namespace ExchangeUi {
// Package file extensions, without the dot.
inline QString GridPackageExt() {
    return QStringLiteral("mvlp");
}
inline QString CtrlPackageExt() {
    return QStringLiteral("mvlc");
}

// The open dialog's filter for every package kind (patterns separated by spaces, as the file dialog reads them).
QString PackageFilter();
// The path with ".ext" added unless it already ends in it (any case): a name typed bare still makes a package
// that the import dialog lists and a drop takes.
QString WithExtension(const QString& path, const QString& ext);

using FileFn =
    std::function<QString(QWidget* parent, const QString& caption, const QString& folder, const QString& filter)>;
// Message box: icon (1 information, 3 warning, 4 question), title, text, buttons -> the button code.
using AskFn = std::function<int(QWidget* parent, int icon, const QString& title, const QString& text, int buttons)>;
// Null restores the program's own dialogs.
void SetOpenFileAsker(FileFn ask);
void SetSaveFileAsker(FileFn ask);
void SetAsker(AskFn ask);
QString OpenFile(QWidget* parent, const QString& caption, const QString& folder, const QString& filter);
QString SaveFile(QWidget* parent, const QString& caption, const QString& folder, const QString& filter);
int Ask(QWidget* parent, int icon, const QString& title, const QString& text, int buttons);

// A name from a package made safe as one file or folder name: no separators, no characters that file systems
// refuse, no control characters, no leading dots, trimmed, at most 100 characters. Empty when nothing is left.
QString SafeFileName(const QString& name);
// The name without a trailing "_" and digits (only when "_" is not its first character).
QString GridBaseName(const QString& name);
// The first of base, base_1 ... base_1023 that no grid of the custom set has; empty when all are taken.
QString FreeCustomGridName(const QString& name);
// The first of the title's base, base_1 ... that no custom grid shows as its caption (its title, or its name
// when it has none), so two imports of one grid are told apart on the tab bar.
QString FreeCustomGridTitle(const QString& title);
// Makes the grid a new custom grid under a free name (and a free title), writes its file, and only once it is
// written adds it to the configuration and, with an editor, shows it there (and puts it on the phone tab bar
// when addTab). Answers the name; empty with the reason in problem when no name was free or the file could
// not be written.
QString AddImportedGrid(DataCfg::TGrid grid, MTEGridEdit* editor, bool addTab, QString* problem);

// Puts the entries into the user's own list "@My Controls" (an entry of the same name and category is
// replaced) and writes the user configuration. When the write fails the list is left as it was and the
// reason is answered; empty on success.
QString SaveToMyControls(const QList<DataCfg::TCtrlRef>& entries);
// An entry of the user's own list for the control with its current option values.
DataCfg::TCtrlRef MyControlEntry(const QString& category, const QString& name, const DataCfg::TControl& control);
} // namespace ExchangeUi
