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
// Makes the grid a new custom grid under a free name, adds it to the configuration, writes its file and,
// with an editor, shows it there (and puts it on the phone tab bar when addTab). Answers the name, or empty
// when no name was free.
QString AddImportedGrid(DataCfg::TGrid grid, MTEGridEdit* editor, bool addTab);
} // namespace ExchangeUi
