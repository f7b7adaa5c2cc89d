#include "shell/startoptions.h"

StartOptions StartOptions::Parse(const QStringList& arguments) {
    StartOptions out;
    for (int i = 0; i < arguments.size(); ++i) {
        const ArgKind kind = Kind(arguments[i]);
        if (kind == LanguageOption) {
            if (i + 1 < arguments.size() && IsLanguageCode(arguments[i + 1])) {
                out.language = arguments[i + 1];
                ++i;
            }
        } else if (kind == LogOption) {
            out.showLog = true;
        } else if (kind == File && i > 0) {
            out.files << arguments[i].trimmed();
        }
    }
    return out;
}

StartOptions::ArgKind StartOptions::Kind(const QString& argument) {
    const QString trimmed = argument.trimmed();
    // "/m" is taken as written; "-lang" and "-log" in any case and with '/' for '-'.
    if (trimmed == QLatin1String("/m") || trimmed == QLatin1String("--smoke"))
        return Option;
    QString arg = trimmed.toLower();
    if (arg.startsWith(QLatin1Char('/')))
        arg[0] = QLatin1Char('-');
    if (arg == QLatin1String("-lang"))
        return LanguageOption;
    if (arg == QLatin1String("-log"))
        return LogOption;
    if (trimmed.startsWith(QLatin1Char('-')))
        return UnknownOption;
    return File;
}

QString& LanguageOverride() {
    static QString language;
    return language;
}

QString GetGridPackageExt() {
    return QStringLiteral("mvlp");
}

QString GetCtrlPackageExt() {
    return QStringLiteral("mvlc");
}

bool IsPackagePath(const QString& path) {
    return path.endsWith(QLatin1Char('.') + GetGridPackageExt()) ||
           path.endsWith(QLatin1Char('.') + GetCtrlPackageExt());
}
