#pragma once
// Languages in the tests of the wired program: the language panel used as a user uses it, and what the
// translation sources hold (the English texts, a language's finished translations, how many are unfinished).

#include "shell/languageswitcher.h"
#include "shell/mervexwnd.h"
#include "widgets/langbtn.h"
#include "widgets/langselbtn.h"
#include "widgets/langselector.h"

#include <QFile>
#include <QSet>
#include <QXmlStreamReader>
#include <QtTest>

namespace LanguageTexts {

// Opens the language panel with its button and clicks the entry of the code; true when the window switched.
inline bool ChooseOnPanel(MervexWnd* wnd, const QString& code) {
    QTest::mouseClick(wnd->LanguageButton(), Qt::LeftButton);
    if (!wnd->LanguagePanel()->isVisible())
        return false;
    for (LangSelBtn* entry : wnd->LanguagePanel()->findChildren<LangSelBtn*>()) {
        if (entry->GetCode() == code && entry->isVisible()) {
            QTest::mouseClick(entry, Qt::LeftButton);
            QCoreApplication::processEvents();
            return CurrentLanguage() == code.left(2) && !wnd->LanguagePanel()->isVisible();
        }
    }
    return false;
}

struct Texts {
    QSet<QString> sources;      // the English texts
    QSet<QString> translations; // the finished translations
    int total = 0;
    int unfinished = 0;
};

// Adds the entries of a translation source (.ts).
inline bool Read(const QString& path, Texts& into) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    QXmlStreamReader xml(&f);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("source")) {
            into.sources.insert(xml.readElementText());
        } else if (xml.name() == QLatin1String("translation")) {
            ++into.total;
            const bool unfinished = xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
            const QString text = xml.readElementText();
            if (unfinished || text.isEmpty())
                ++into.unfinished;
            else
                into.translations.insert(text);
        }
    }
    return !xml.hasError();
}

// The program's and the configuration's texts of a language, from the repository's sources.
inline Texts ForLanguage(const QString& repo, const QString& code) {
    Texts texts;
    Read(repo + QStringLiteral("/shell/translations/mervexsrv_") + code + QStringLiteral(".ts"), texts);
    Read(repo + QStringLiteral("/data-src/locale/config_") + code + QStringLiteral(".ts"), texts);
    return texts;
}

} // namespace LanguageTexts
