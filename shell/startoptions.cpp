#include "shell/startoptions.h"

StartOptions StartOptions::Parse(const QStringList& arguments) {
    StartOptions out;
    for (int i = 0; i < arguments.size(); ++i) {
        QString arg = arguments[i].toLower().trimmed();
        if (arg.startsWith(QLatin1Char('/')))
            arg[0] = QLatin1Char('-');
        if (arg == QLatin1String("-lang")) {
            if (i + 1 < arguments.size() && arguments[i + 1].size() > 1) {
                out.language = arguments[i + 1];
                ++i;
            }
        } else if (arg == QLatin1String("-log")) {
            out.showLog = true;
        }
    }
    return out;
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
