#pragma once
// The options main reads from the command line ("-lang" with a code, "-log"), and the package paths that
// the main window imports.

#include <QString>
#include <QStringList>

struct StartOptions {
    QString language; // empty: no override
    bool showLog = false;
    // The arguments after the program path that are no option: files to open, each trimmed.
    QStringList files;

    // Each argument lower-cased and trimmed, a leading '/' read as '-'. The code after "-lang" is taken
    // unchanged when longer than one character, and is then not read as an option itself.
    static StartOptions Parse(const QStringList& arguments);

    // What one argument is: "-log", "-lang" (whose next argument is its code when longer than one character),
    // another option ("/m", the headless "--smoke"), an option the program does not know (a leading '-'), or a
    // file.
    enum ArgKind { LogOption, LanguageOption, Option, UnknownOption, File };
    static ArgKind Kind(const QString& argument);
    // The code argument that follows "-lang": one character or less is no code (it is read as an argument).
    static bool IsLanguageCode(const QString& argument) { return argument.size() > 1; }
};

// The language given on the command line; read by the main window's deferred start-up.
QString& LanguageOverride();

// "mvlp" (grid package) and "mvlc" (control package), without the dot.
QString GetGridPackageExt();
QString GetCtrlPackageExt();
// A path ending in ".mvlp" or ".mvlc" (the case as written).
bool IsPackagePath(const QString& path);
