#include "shell/programlook.h"

#include "foundation/logger/QsLog.h"

#include <QApplication>
#include <QFile>
#include <QFont>
#include <QFontDatabase>

// Outside any namespace, as resource registration must be.
static void InitLookResources() {
    Q_INIT_RESOURCE(fonts);
    Q_INIT_RESOURCE(shellimages);
}

namespace {

bool AddFonts() {
    bool ok = true;
    for (const char* name : {":/fonts/Play-Regular", ":/fonts/Play-Bold"}) {
        if (QFontDatabase::addApplicationFont(QLatin1String(name)) < 0) {
            QLOG_ERROR() << "ProgramLook: cannot load the font" << name;
            ok = false;
        }
    }
    return ok;
}
} // namespace

QStringList ProgramLook::MappedFamilies() {
    return {QStringLiteral("Eurostile LT Std"),
            QStringLiteral("Eurostile LT Std Bold"),
            QStringLiteral("Eurostile LT Std Condensed"),
            QStringLiteral("Eurostile Std"),
            QStringLiteral("Eurostile-Demi"),
            QStringLiteral("Eurostile-Bold")};
}

QString ProgramLook::ShippedFamily() {
    return QStringLiteral("Play");
}

void ProgramLook::Install() {
    static const bool fontsAdded = [] {
        InitLookResources();
        if (!AddFonts())
            return false;
        // A substitute keeps the asked family's name on the font (and so the style's condensed-caption
        // shadow), while the glyphs come from the shipped family.
        for (const QString& family : MappedFamilies())
            QFont::insertSubstitution(family, ShippedFamily());
        return true;
    }();
    Q_UNUSED(fontsAdded);

    QFile sheet(QStringLiteral(":/style/mervexsrv"));
    if (!sheet.open(QIODevice::ReadOnly)) {
        QLOG_ERROR() << "ProgramLook: cannot read the style sheet" << sheet.fileName();
        return;
    }
    qApp->setStyleSheet(QString::fromUtf8(sheet.readAll()));
}
