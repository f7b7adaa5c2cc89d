#pragma once
// The options main reads from the command line ("-lang" with a code, "-log"), and the package paths that
// the main window imports.

#include <QString>
#include <QStringList>

struct StartOptions {
    QString language; // empty: no override
    bool showLog = false;

    // Each argument lower-cased and trimmed, a leading '/' read as '-'. The code after "-lang" is taken
    // unchanged when longer than one character, and is then not read as an option itself.
    static StartOptions Parse(const QStringList& arguments);
};

// The language given on the command line; read by the main window's deferred start-up.
QString& LanguageOverride();

// "mvlp" (grid package) and "mvlc" (control package), without the dot.
QString GetGridPackageExt();
QString GetCtrlPackageExt();
// A path ending in ".mvlp" or ".mvlc" (the case as written).
bool IsPackagePath(const QString& path);
